#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() {
    DesarConfiguracio();
    Prediccions.Save();
    TancarVocelia();
}
