#include "app/TFormPrincipal.h"

void TFormPrincipal::FormClose() { TancarVocelia(); }
