#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() {
    DesarConfiguracio();
    scanning->ReleaseSwitchKeys();
    prediction->Prediccions.Save();
    speech->TancarVocelia();
}
