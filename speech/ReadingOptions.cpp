#include <QAction>

#include "speech/Speech.h"

namespace speech {

void Speech::MenuLlegirElQueSEscriuClick() {
    parts_.MenuLlegirElQueSEscriu->setChecked(!parts_.MenuLlegirElQueSEscriu->isChecked());
    parts_.MenuLlegirlateclaEnEscaneigAutomatic->setChecked(false);
}

void Speech::DesmarcarModesLectura() {
    for (QAction* mode : {parts_.MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
                          parts_.MenuLlegeixLoSeleccionat, parts_.MenuSeleccionaTotTeclesEstandar,
                          parts_.MenuSeleccionaAmbCtrlA, parts_.MenuSeleccionaAmbCtrlE}) {
        mode->setChecked(false);
    }
}

void Speech::MenuLlegeixLoDeLaCarpetaSensePosarHiResClick() {
    DesmarcarModesLectura();
    parts_.MenuLlegeixLoDeLaCarpetaSensePosarHiRes->setChecked(true);
}

void Speech::MenuLlegeixLoSeleccionatClick() {
    DesmarcarModesLectura();
    parts_.MenuLlegeixLoSeleccionat->setChecked(true);
}

void Speech::MenuSeleccionaTotTeclesEstandarClick() {
    DesmarcarModesLectura();
    parts_.MenuSeleccionaTotTeclesEstandar->setChecked(true);
}

void Speech::MenuSeleccionaAmbCtrlAClick() {
    DesmarcarModesLectura();
    parts_.MenuSeleccionaAmbCtrlA->setChecked(true);
}

void Speech::MenuSeleccionaAmbCtrlEClick() {
    DesmarcarModesLectura();
    parts_.MenuSeleccionaAmbCtrlE->setChecked(true);
}

}  // namespace speech
