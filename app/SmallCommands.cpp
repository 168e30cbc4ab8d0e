#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"
#include "app/UnitTools.h"

void TFormPrincipal::Espera(int ms) { ::Espera(desktop, ms); }

void TFormPrincipal::MenuCanviarLaFontClick() {
    TimerCercaHandleFinestra.SetEnabled(false);
    if (std::optional<TriaDeFont> tria = FontDialog({FontDialogFont, FontDialogColor})) {
        AplicarFont(tria->font);
        FontDialogColor = tria->color;
        AplicarColorDeFont();
    }
    TimerCercaHandleFinestra.SetEnabled(true);
}

void TFormPrincipal::MenuParlantDeClick() { AboutBox->exec(); }

void TFormPrincipal::MenuSortirClick() { close(); }
