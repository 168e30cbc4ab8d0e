#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() {
    DesarConfiguracio();
    ReleaseSwitchKeys();
    TancarVocelia();
}
