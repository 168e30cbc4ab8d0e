#include <QSpinBox>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "keys/DefaultKeyboard.h"
#include "keys/SpecialKeys.h"
#include "platform/Constants.h"

void TFormPrincipal::FormCreate() {
    FinestraReceptora = 0;
    LecturaPausada = false;
    PlaceAtTopRight();
    FitHeightToScreen();
    TeclesDeControl = true;
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
    const int frameExtra = frameGeometry().height() - height();
    if (screenHeight < frameGeometry().height()) resize(width(), screenHeight - frameExtra);
}

void TFormPrincipal::BuildKeyboard() {
    Tree->SetKeyboard(keys::DefaultKeyboard());
    if (!PopupCatala->isChecked()) {
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
    if (!shownOnce_ && x() == placedLeft_) PlaceAtTopRight();
    shownOnce_ = true;
}
