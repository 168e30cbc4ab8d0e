#include "app/TFormPrincipal.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"

using namespace speech;

void TFormPrincipal::ObrirVocelia() {
    BridgeEngine& vocelia = programa.vocelia;
    if (!vocelia.BuscarVocelia()) {
        vocelia.ArrencarVocelia();
        return;
    }
    EscriureVocelia(kClauOrvaletObert, kValorCert);
    desktop.SendMessageA(vocelia.FinestraVocelia(), kMissatgeMostrar, 0, 0);
    desktop.SetForegroundWindow(vocelia.FinestraVocelia());
}
