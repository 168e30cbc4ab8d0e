#include <QAction>

#include "speech/Speech.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"
#include "ui/DesignTexts.h"
#include "ui/UnitTools.h"

namespace speech {

namespace {

// How long a bridge asked to close may take to end before the keyboard ends it.
constexpr int kEsperaTancamentMs = 3000;

}  // namespace

void Speech::RestaurarSintetitzador() {
    if (LlegirSintetitzador() != kMotorSapi51 || !parts_.MenuSapi51->isEnabled()) return;
    MenuSapi51Click();
    Espera(time_, design::kStartupWaitMs);
    if (!hooks_.Tancada() && engines_.vocelia.BuscarVocelia())
        engines_.vocelia.EnviarMissatge(kMissatgeArrencada);
}

void Speech::TancarVocelia() {
    EscriureVocelia(kClauOrvaletTancat, kValorFals);
    EscriureVocelia(kClauProgramaExecutantSe, kValorFals);
    // Whichever engine is chosen, a running bridge must not outlive the keyboard.
    const bool demanat = engines_.vocelia.BuscarVocelia();
    if (demanat) engines_.vocelia.EnviarMissatge(platform::WM_CLOSE);
    // One it started and that does not go when asked, or whose window was never found, is
    // ended; the suite file is written once the bridge is done with it.
    engines_.startedBridges.End(demanat ? kEsperaTancamentMs : 0);
    EscriureSintetitzador(engines_.motor->Name());
}

}  // namespace speech
