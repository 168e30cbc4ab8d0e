#include <QAction>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"

using namespace speech;

namespace {

// How long a bridge asked to close may take to end before the keyboard ends it.
constexpr int kEsperaTancamentMs = 3000;

}  // namespace

void TFormPrincipal::RestaurarSintetitzador() {
    if (LlegirSintetitzador() != kMotorSapi51 || !MenuSapi51->isEnabled()) return;
    MenuSapi51Click();
    Espera(design::kStartupWaitMs);
    if (!Tancada() && programa.vocelia.BuscarVocelia())
        desktop.SendMessageA(programa.vocelia.FinestraVocelia(), kMissatgeArrencada, 0, 0);
}

void TFormPrincipal::TancarVocelia() {
    EscriureVocelia(kClauOrvaletTancat, kValorFals);
    EscriureVocelia(kClauProgramaExecutantSe, kValorFals);
    // Whichever engine is chosen, a running bridge must not outlive the keyboard.
    const bool demanat = programa.vocelia.BuscarVocelia();
    if (demanat) desktop.SendMessageA(programa.vocelia.FinestraVocelia(), platform::WM_CLOSE, 0, 0);
    // One it started and that does not go when asked, or whose window was never found, is
    // ended; the suite file is written once the bridge is done with it.
    programa.startedBridges.End(demanat ? kEsperaTancamentMs : 0);
    EscriureSintetitzador(programa.motor->Name());
}
