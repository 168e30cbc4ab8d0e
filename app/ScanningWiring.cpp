#include <QAction>
#include <QSpinBox>

#include "app/TFormPrincipal.h"

void TFormPrincipal::BuildScanning() {
    scanning::ScanningParts parts{
        Tree,
        SpinEditTempsTimer,
        MenuActivarLEscaneigAutomatic,
        MenuPassarDuesVegades,
        MenuLlegirlateclaEnEscaneigAutomatic,
        MenuLlegirElQueSEscriu,
        MenuSwitchMouse,
        MenuSwitchKey,
        MenuSwitchButton,
        MenuTwoSwitches,
        MenuAutoAdvance,
        MenuAutoAdvanceItems,
    };
    scanning::ScanningHooks hooks{
        .LlegirTecla =
            [this](const std::string& text, const scan::CueVoice& cue) {
                return speech->LlegirTeclaEnEscaneig(text, cue);
            },
        .LecturaEnCurs = [this] { return speech->TimerStatusUpcTV.Enabled(); },
        .Seguiment = [this](bool on) { tracking->TimerCercaHandleFinestra.SetEnabled(on); },
        .TornarALaFinestraReceptora = [this] { tracking->TornarALaFinestraReceptora(); },
        .TreeClick = [this] { typing->TreeClick(); },
        .Llengua = [this] { return languages->LlenguaDeLaInterficie; },
    };
    scanning = std::make_unique<scanning::Scanning>(desktop, desktop, desktop, desktop,
                                                    std::move(parts), std::move(hooks));
}

void TFormPrincipal::WireScanning() {
    scanning::Scanning& scan = *scanning;
    OnClick(MenuActivarLEscaneigAutomatic, [&scan] { scan.MenuActivarLEscaneigAutomaticClick(); });
    OnClick(MenuPassarDuesVegades, [&scan] { scan.MenuPassarDuesVegadesClick(); });
    OnClick(MenuLlegirlateclaEnEscaneigAutomatic,
            [&scan] { scan.MenuLlegirlateclaEnEscaneigAutomaticClick(); });
    connect(Tree, &KeyTree::mouseDown, this,
            [&scan](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                scan.TreeMouseDown(button, shift, x, y);
            });
    // Every edit counts, also a text that is not (yet) a number.
    connect(SpinEditTempsTimer, &QSpinBox::textChanged, this,
            [&scan] { scan.SpinEditTempsTimerChange(); });
    OnClick(MenuSwitchMouse, [&scan] { scan.MenuSwitchMouseClick(); });
    OnClick(MenuSwitchKey, [&scan] { scan.MenuSwitchKeyClick(); });
    OnClick(MenuSwitchButton, [&scan] { scan.MenuSwitchButtonClick(); });
    OnClick(MenuTwoSwitches, [&scan] { scan.MenuTwoSwitchesClick(); });
    OnClick(MenuSwitchRules, [&scan] { scan.MenuSwitchRulesClick(); });
    for (QAction* item : MenuAutoAdvanceItems) {
        connect(item, &QAction::triggered, this,
                [&scan, item] { scan.MenuAutoAdvanceClick(item->data().toInt()); });
    }
}
