#include <QAction>

#include "app/TFormPrincipal.h"

void TFormPrincipal::FormCreate() {
    tracking->FinestraReceptora = 0;
    programa.LecturaPausada = false;
    settings->EsperarEscaneigPerRestaurar();
    place->PlaceAtTopRight();
    place->FitHeightToScreen();
    keyboards->TeclesDeControl = true;
    settings->CarregarConfiguracio();
    keyboards->BuildKeyboard(programa.FitxerLiniaOrdres);
    if (MenuPrediccioDeParaules->isChecked()) prediction->EngegarPrediccio();
    scanning->SpinEditTempsTimerChange();
}

void TFormPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Clicks on the keys leave the keyboard focus in the application being typed into.
    desktop.SetWindowNoActivate(desktop.HandleOf(this), true);
    place->KeepDesignPlace();
}

void TFormPrincipal::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    place->KeepDesignPlace();
}

void TFormPrincipal::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    place->KeepDesignPlace();
}
