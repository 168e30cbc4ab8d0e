#include <QAction>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "speech/VoceliaDesign.h"
#include "speech/VoceliaSuite.h"

using namespace speech;

namespace {

// How long a bridge asked to close may take to end before the keyboard ends it.
constexpr int kEsperaTancamentMs = 3000;

}  // namespace

void TFormPrincipal::RestaurarSintetitzador() {
    if (LlegirSintetitzador() != kMotorSapi51 || !MenuSapi51->isEnabled()) return;
    MenuSapi51Click();
    Espera(design::kStartupWaitMs);
    if (!Tancada() && BuscarVocelia()) desktop.SendMessageA(programa.FinestraVocelia, kMissatgeArrencada, 0, 0);
}

void TFormPrincipal::TancarVocelia() {
    EscriureVocelia(kClauOrvaletTancat, kValorFals);
    EscriureVocelia(kClauProgramaExecutantSe, kValorFals);
    // Whichever engine is chosen, a running bridge must not outlive the keyboard.
    const bool demanat = BuscarVocelia();
    if (demanat) desktop.SendMessageA(programa.FinestraVocelia, platform::WM_CLOSE, 0, 0);
    // One it started and that does not go when asked, or whose window was never found, is
    // ended; the suite file is written once the bridge is done with it.
    programa.vocelies.Acabar(demanat ? kEsperaTancamentMs : 0);
    EscriureSintetitzador(MenuSapi51->isChecked() ? kMotorSapi51 : kMotorUPCTV);
}
