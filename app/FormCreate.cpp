#include <QSpinBox>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "keys/SpecialKeys.h"
#include "platform/Constants.h"

void TFormPrincipal::FormCreate() {
    FinestraReceptora = 0;
    LecturaPausada = false;
    escaneigPerRestaurar_ = EscaneigAutomaticDesat();
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
    KeepDesignPlace();
}

void TFormPrincipal::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    KeepDesignPlace();
}

void TFormPrincipal::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    KeepDesignPlace();
}

// The window manager's frame is known only some time after the window is shown. Once it
// is, the outer size is made the designed (or saved) one again and, unless the window
// has been placed elsewhere meanwhile, the right edge is put back on the screen's edge.
void TFormPrincipal::KeepDesignPlace() {
    if (frameKnown_ || !isVisible()) return;
    frameKnown_ = frameGeometry().size() != size();
    const bool firstShow = !shownOnce_;
    shownOnce_ = true;
    if (frameKnown_ || firstShow) ResizeOuter(outerSize_);
    if (x() == placedLeft_) PlaceAtTopRight();
}
