#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() {
    settings->DesarConfiguracio();
    scanning->ReleaseSwitchKeys();
    prediction->Prediccions.Save();
    speech->TancarVocelia();
}
