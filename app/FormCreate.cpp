#include <QSpinBox>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "keys/SpecialKeys.h"
#include "platform/Constants.h"

void TFormPrincipal::FormCreate() {
    FinestraReceptora = 0;
    LecturaPausada = false;
    PlaceAtTopRight();
    FitHeightToScreen();
    TeclesDeControl = true;
    CarregarConfiguracio();
    BuildKeyboard();
    TimerEscaneig.SetInterval(SpinEditTempsTimer->value() * design::kScanStepUnitMs);
}

void TFormPrincipal::PlaceAtTopRight() {
    const int screenWidth = desktop.GetSystemMetrics(platform::SM_CXSCREEN);
    placedLeft_ = screenWidth - frameGeometry().width();
    move(placedLeft_, 0);
}

void TFormPrincipal::FitHeightToScreen() {
    const int screenHeight = desktop.GetSystemMetrics(platform::SM_CYSCREEN);
    if (screenHeight < outerSize_.height()) ResizeOuter({outerSize_.width(), screenHeight});
}

void TFormPrincipal::ResizeOuter(QSize outer) {
    outerSize_ = outer;
    resize(outer - (frameGeometry().size() - size()));
}

void TFormPrincipal::BuildKeyboard() {
    if (!programa.FitxerLiniaOrdres.empty()) {
        CarregarTeclatDeLiniaOrdres();
    } else if (!PopupCatala->isChecked()) {
        for (int i = 0; i < keys::kSpecialTopLevelNodes; ++i) delete Tree->takeTopLevelItem(0);
        AfegirTeclesEspecials();
    }
}

void TFormPrincipal::AfegirTeclesEspecials() {
    keys::KeyForest special;
    keys::AfegirTeclesEspecials(special, PopupCatala->isChecked() ? keys::KeyLanguage::Catalan
                                                                  : keys::KeyLanguage::Castilian);
    Tree->InsertAtTop(special);
}

void TFormPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window manager's frame is known only once the window is shown: keep the
    // right edge on the screen's edge unless the window has been placed elsewhere.
    if (!shownOnce_) ResizeOuter(outerSize_);
    if (!shownOnce_ && x() == placedLeft_) PlaceAtTopRight();
    shownOnce_ = true;
}
