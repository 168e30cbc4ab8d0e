#include <string>

#include "app/SettingsFile.h"
#include "app/TFormPrincipal.h"
#include "text/StrToInt.h"

using namespace settings;

// A value that names no key the keyboard has gives the mouse button, told once; any other
// value out of place gives the design's choice without a word.
void TFormPrincipal::ApplyStoredSwitches() {
    scan::Switches stored;
    const std::string choose = Llegir(kSeccioCommutador, kClauCommutador, kRatoli);
    if (choose != kRatoli) stored.chooseKey = choose;
    if (Llegir(kSeccioCommutador, kClauEscaneig, kAutomatic) == kDosCommutadors) {
        stored.mode = scan::ScanMode::TwoSwitches;
    }
    stored.moveKey = Llegir(kSeccioCommutador, kClauAvancar, "");
    stored.autoAdvanceSeconds =
        text::TryStrToInt(Llegir(kSeccioCommutador, kClauAvancarSol, kZero)).value_or(0);
    scanning->ApplyStoredSwitches(stored);
}

void TFormPrincipal::SaveSwitches() {
    const scan::Switches& switches = scanning->CurrentSwitches;
    if (switches == scan::Switches{}) {
        EsborrarSeccio(kSeccioCommutador);
        return;
    }
    Escriure(kSeccioCommutador, kClauCommutador,
             switches.chooseKey.empty() ? kRatoli : switches.chooseKey);
    const bool twoSwitches = switches.mode == scan::ScanMode::TwoSwitches;
    Escriure(kSeccioCommutador, kClauEscaneig, twoSwitches ? kDosCommutadors : kAutomatic);
    Escriure(kSeccioCommutador, kClauAvancar, switches.moveKey);
    Escriure(kSeccioCommutador, kClauAvancarSol, std::to_string(switches.autoAdvanceSeconds));
}
