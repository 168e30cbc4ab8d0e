#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"
#include "app/UnitTools.h"

void TFormPrincipal::Espera(int ms) { ::Espera(desktop, ms); }

void TFormPrincipal::MenuCanviarLaFontClick() {
    TimerCercaHandleFinestra.SetEnabled(false);
    if (std::optional<QFont> font = FontDialog(FontDialogFont)) AplicarFont(*font);
    TimerCercaHandleFinestra.SetEnabled(true);
}

void TFormPrincipal::MenuParlantDeClick() { AboutBox->exec(); }

void TFormPrincipal::MenuSortirClick() { close(); }
