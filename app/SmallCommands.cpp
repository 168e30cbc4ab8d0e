#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"
#include "ui/UnitTools.h"

void TFormPrincipal::Espera(int ms) { ::Espera(desktop, ms); }

void TFormPrincipal::MenuParlantDeClick() { AboutBox->exec(); }

void TFormPrincipal::MenuSortirClick() { close(); }
