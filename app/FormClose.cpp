#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() {
    DesarConfiguracio();
    ReleaseSwitchKeys();
    Prediccions.Save();
    TancarVocelia();
}
