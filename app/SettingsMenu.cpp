#include "app/SettingsMenu.h"

#include "app/SettingsFile.h"

namespace settings {

namespace {

using F = TFormPrincipal;
using enum EfecteDeMenu;

const OpcioDeMenu kOpcions[] = {
    {"MenuEnviarLesTeclesALAplicacioActiva", &F::MenuEnviarLesTeclesALAplicacioActiva, kSi,
     DesmarcaAmbNo, nullptr},
    {kClauEscaneigAutomatic, &F::MenuActivarLEscaneigAutomatic, kNo, LlegitEnArrencar,
     [](F& f) { f.scanning->MenuActivarLEscaneigAutomaticClick(); }},
    {"MenuPassarDuesVegades", &F::MenuPassarDuesVegades, kNo, MarcaSiEsSi, nullptr},
    {"MenuLlegirlateclaEnEscaneigAutomatic", &F::MenuLlegirlateclaEnEscaneigAutomatic, kNo,
     ClicaAmbSi, [](F& f) { f.scanning->MenuLlegirlateclaEnEscaneigAutomaticClick(); }},
    {"MenuLlegirElQueSEscriu", &F::MenuLlegirElQueSEscriu, kNo, ClicaAmbSi,
     [](F& f) { f.speech->MenuLlegirElQueSEscriuClick(); }},
    // Ticked only: the model is loaded once the keyboard is built.
    {"MenuPrediccioDeParaules", &F::MenuPrediccioDeParaules, kNo, MarcaSiEsSi, nullptr},
    {"MenuLlegeixLoDeLaCarpetaSensePosarHiRes", &F::MenuLlegeixLoDeLaCarpetaSensePosarHiRes, kNo,
     ClicaAmbSi, [](F& f) { f.speech->MenuLlegeixLoDeLaCarpetaSensePosarHiResClick(); }},
    {"MenuLlegeixLoSeleccionat", &F::MenuLlegeixLoSeleccionat, kNo, ClicaAmbSi,
     [](F& f) { f.speech->MenuLlegeixLoSeleccionatClick(); }},
    {"MenuSeleccionaTotTeclesEstandar", &F::MenuSeleccionaTotTeclesEstandar, kSi, DesmarcaAmbNo,
     nullptr},
    {"MenuSeleccionaAmbCtrlA", &F::MenuSeleccionaAmbCtrlA, kNo, ClicaAmbSi,
     [](F& f) { f.speech->MenuSeleccionaAmbCtrlAClick(); }},
    {"MenuSeleccionaAmbCtrlE", &F::MenuSeleccionaAmbCtrlE, kNo, ClicaAmbSi,
     [](F& f) { f.speech->MenuSeleccionaAmbCtrlEClick(); }},
};

}  // namespace

std::span<const OpcioDeMenu> OpcionsDeMenu() { return kOpcions; }

}  // namespace settings
