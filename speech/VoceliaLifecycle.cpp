#include <QAction>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "speech/VoceliaDesign.h"
#include "speech/VoceliaSuite.h"

using namespace speech;

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
    if (BuscarVocelia()) desktop.SendMessageA(programa.FinestraVocelia, platform::WM_CLOSE, 0, 0);
    EscriureSintetitzador(MenuSapi51->isChecked() ? kMotorSapi51 : kMotorUPCTV);
}
