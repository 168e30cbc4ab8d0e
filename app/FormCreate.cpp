#include <QSpinBox>
#include <cmath>

#include "app/TFormPrincipal.h"
#include "app/WindowPlace.h"
#include "keys/SpecialKeys.h"
#include "platform/Constants.h"
#include "platform/ScreenPixels.h"
#include "ui/DesignTexts.h"

void TFormPrincipal::FormCreate() {
    tracking->FinestraReceptora = 0;
    programa.LecturaPausada = false;
    escaneigPerRestaurar_ = EscaneigAutomaticDesat();
    PlaceAtTopRight();
    FitHeightToScreen();
    TeclesDeControl = true;
    CarregarConfiguracio();
    BuildKeyboard();
    if (MenuPrediccioDeParaules->isChecked()) prediction->EngegarPrediccio();
    scanning->SpinEditTempsTimerChange();
}

void TFormPrincipal::PlaceAtTopRight() {
    const int screenWidth = desktop.GetSystemMetrics(platform::SM_CXSCREEN);
    const int width = lloc::Amplada(llocDesitjat_);
    llocDesitjat_ = {screenWidth - width, 0, screenWidth, lloc::Alcada(llocDesitjat_)};
    alMargeDret_ = true;
    AplicarLloc();
}

void TFormPrincipal::FitHeightToScreen() {
    const int screenHeight = desktop.GetSystemMetrics(platform::SM_CYSCREEN);
    if (screenHeight < lloc::Alcada(llocDesitjat_))
        llocDesitjat_.bottom = llocDesitjat_.top + screenHeight;
    AplicarLloc();
}

void TFormPrincipal::MoureFinestraA(int left, int top) {
    const int width = lloc::Amplada(llocDesitjat_);
    const int height = lloc::Alcada(llocDesitjat_);
    llocDesitjat_ = {left, top, left + width, top + height};
    AplicarLloc();
}

void TFormPrincipal::CanviarMida(int width, int height) {
    llocDesitjat_.right = llocDesitjat_.left + width;
    llocDesitjat_.bottom = llocDesitjat_.top + height;
    // Placed by the design at the screen's right edge, it stays there whatever its width.
    if (alMargeDret_) {
        llocDesitjat_.left = desktop.GetSystemMetrics(platform::SM_CXSCREEN) - width;
        llocDesitjat_.right = llocDesitjat_.left + width;
    }
    AplicarLloc();
}

platform::Rect TFormPrincipal::LlocActual() {
    platform::Rect outer;
    if (isVisible() && desktop.GetWindowRect(desktop.HandleOf(this), &outer)) return outer;
    return llocDesitjat_;
}

// The toolkit places the window at once, in its own units and before any frame is known;
// once the window is on the screen the desktop puts its outer sides exactly where wanted.
void TFormPrincipal::AplicarLloc() {
    const double scale = platform::ScaleOf(this);
    const QPoint place(static_cast<int>(std::lround(llocDesitjat_.left / scale)),
                       static_cast<int>(std::lround(llocDesitjat_.top / scale)));
    const QSize outer(static_cast<int>(std::lround(lloc::Amplada(llocDesitjat_) / scale)),
                      static_cast<int>(std::lround(lloc::Alcada(llocDesitjat_) / scale)));
    move(place);
    resize(outer - (frameGeometry().size() - size()));
    if (isVisible()) {
        desktop.SetWindowPos(desktop.HandleOf(this), platform::HWND_TOP, llocDesitjat_.left,
                             llocDesitjat_.top, lloc::Amplada(llocDesitjat_),
                             lloc::Alcada(llocDesitjat_), platform::SWP_NOZORDER);
    }
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
    prediction->RefrescarPrediccions();
}

void TFormPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Clicks on the keys leave the keyboard focus in the application being typed into.
    desktop.SetWindowNoActivate(desktop.HandleOf(this), true);
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

// The window manager's frame is known only some time after the window is shown: the place
// is given again then, so that the outer sides are the designed or saved ones. A saved
// place that would leave the window out of reach is brought back onto the screen first.
void TFormPrincipal::KeepDesignPlace() {
    if (frameKnown_ || !isVisible()) return;
    frameKnown_ = frameGeometry().size() != size();
    const bool firstShow = !shownOnce_;
    shownOnce_ = true;
    if (!frameKnown_ && !firstShow) return;
    llocDesitjat_ =
        lloc::DinsDeLaPantalla(llocDesitjat_, desktop.GetSystemMetrics(platform::SM_CXSCREEN),
                               desktop.GetSystemMetrics(platform::SM_CYSCREEN));
    AplicarLloc();
}
