#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"
#include "ui/UnitTools.h"

void TFormPrincipal::Espera(int ms) { ::Espera(desktop, ms); }

void TFormPrincipal::MenuCanviarLaFontClick() {
    tracking->TimerCercaHandleFinestra.SetEnabled(false);
    if (std::optional<TriaDeFont> tria = FontDialog({FontDialogFont, FontDialogColor})) {
        AplicarFont(tria->font);
        FontDialogColor = tria->color;
        AplicarColorDeFont();
    }
    tracking->TimerCercaHandleFinestra.SetEnabled(true);
}

void TFormPrincipal::MenuParlantDeClick() { AboutBox->exec(); }

void TFormPrincipal::MenuSortirClick() { close(); }
