#include <QAction>

#include "app/SettingsFile.h"
#include "app/TFormPrincipal.h"

std::vector<settings::OpcioDeMenu> TFormPrincipal::OpcionsDeMenu() {
    using namespace settings;
    using enum EfecteDeMenu;
    speech::Speech& reading = *speech;
    scanning::Scanning& scan = *scanning;
    return {
        {"MenuEnviarLesTeclesALAplicacioActiva", MenuEnviarLesTeclesALAplicacioActiva, kSi,
         DesmarcaAmbNo, nullptr},
        {kClauEscaneigAutomatic, MenuActivarLEscaneigAutomatic, kNo, LlegitEnArrencar,
         [&scan] { scan.MenuActivarLEscaneigAutomaticClick(); }},
        {"MenuPassarDuesVegades", MenuPassarDuesVegades, kNo, MarcaSiEsSi, nullptr},
        {"MenuLlegirlateclaEnEscaneigAutomatic", MenuLlegirlateclaEnEscaneigAutomatic, kNo,
         ClicaAmbSi, [&scan] { scan.MenuLlegirlateclaEnEscaneigAutomaticClick(); }},
        {"MenuLlegirElQueSEscriu", MenuLlegirElQueSEscriu, kNo, ClicaAmbSi,
         [&reading] { reading.MenuLlegirElQueSEscriuClick(); }},
        // Ticked only: the model is loaded once the keyboard is built.
        {"MenuPrediccioDeParaules", MenuPrediccioDeParaules, kNo, MarcaSiEsSi, nullptr},
        {"MenuLlegeixLoDeLaCarpetaSensePosarHiRes", MenuLlegeixLoDeLaCarpetaSensePosarHiRes, kNo,
         ClicaAmbSi, [&reading] { reading.MenuLlegeixLoDeLaCarpetaSensePosarHiResClick(); }},
        {"MenuLlegeixLoSeleccionat", MenuLlegeixLoSeleccionat, kNo, ClicaAmbSi,
         [&reading] { reading.MenuLlegeixLoSeleccionatClick(); }},
        {"MenuSeleccionaTotTeclesEstandar", MenuSeleccionaTotTeclesEstandar, kSi, DesmarcaAmbNo,
         nullptr},
        {"MenuSeleccionaAmbCtrlA", MenuSeleccionaAmbCtrlA, kNo, ClicaAmbSi,
         [&reading] { reading.MenuSeleccionaAmbCtrlAClick(); }},
        {"MenuSeleccionaAmbCtrlE", MenuSeleccionaAmbCtrlE, kNo, ClicaAmbSi,
         [&reading] { reading.MenuSeleccionaAmbCtrlEClick(); }},
        {"MenuVeuNatural", MenuVeuNatural, kNo, ClicaAmbSi,
         [&reading] { reading.MenuVeuNaturalClick(); }},
    };
}

void TFormPrincipal::BuildKeyboardFiles() {
    keyboards = std::make_unique<app::KeyboardFiles>(
        desktop, desktop, *Tree, *PopupCatala,
        app::KeyboardHooks{
            .Seguiment = [this](bool on) { tracking->TimerCercaHandleFinestra.SetEnabled(on); },
            .ForgetGroup = [this] { scanning->ForgetGroup(); },
            .RefrescarPrediccions = [this] { prediction->RefrescarPrediccions(); },
            .SeguirFitxerDeTeclat =
                [this](const std::string& fileName) { prediction->SeguirFitxerDeTeclat(fileName); },
        });
}

void TFormPrincipal::BuildSettings() {
    settings = std::make_unique<settings::Configuracio>(
        programa, desktop,
        settings::ConfigParts{
            .opcions = OpcionsDeMenu(),
            .llengues = {PopupCatala, PopupCastellano, PopupEuskera, PopupGalego, MenuPortugues},
            .PopupDona = PopupDona,
            .Tree = Tree,
        },
        settings::ConfigSubsystems{*languages, *speech, *scanning, *font, *place, *keyboards},
        [this] { return Tancada(); });
}
