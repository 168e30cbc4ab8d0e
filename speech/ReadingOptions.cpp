#include <QAction>

#include "app/TFormPrincipal.h"

void TFormPrincipal::MenuLlegirElQueSEscriuClick() {
    MenuLlegirElQueSEscriu->setChecked(!MenuLlegirElQueSEscriu->isChecked());
    MenuLlegirlateclaEnEscaneigAutomatic->setChecked(false);
}

void TFormPrincipal::DesmarcarModesLectura() {
    for (QAction* mode :
         {MenuLlegeixLoDeLaCarpetaSensePosarHiRes, MenuLlegeixLoSeleccionat,
          MenuSeleccionaTotTeclesEstandar, MenuSeleccionaAmbCtrlA, MenuSeleccionaAmbCtrlE}) {
        mode->setChecked(false);
    }
}

void TFormPrincipal::MenuLlegeixLoDeLaCarpetaSensePosarHiResClick() {
    DesmarcarModesLectura();
    MenuLlegeixLoDeLaCarpetaSensePosarHiRes->setChecked(true);
}

void TFormPrincipal::MenuLlegeixLoSeleccionatClick() {
    DesmarcarModesLectura();
    MenuLlegeixLoSeleccionat->setChecked(true);
}

void TFormPrincipal::MenuSeleccionaTotTeclesEstandarClick() {
    DesmarcarModesLectura();
    MenuSeleccionaTotTeclesEstandar->setChecked(true);
}

void TFormPrincipal::MenuSeleccionaAmbCtrlAClick() {
    DesmarcarModesLectura();
    MenuSeleccionaAmbCtrlA->setChecked(true);
}

void TFormPrincipal::MenuSeleccionaAmbCtrlEClick() {
    DesmarcarModesLectura();
    MenuSeleccionaAmbCtrlE->setChecked(true);
}
