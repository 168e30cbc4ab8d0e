#include "speech/Speech.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"

namespace speech {

void Speech::ObrirVocelia() {
    BridgeEngine& vocelia = engines_.vocelia;
    if (!vocelia.BuscarVocelia()) {
        vocelia.ArrencarVocelia();
        return;
    }
    EscriureVocelia(kClauOrvaletObert, kValorCert);
    windows_.SendMessageA(vocelia.FinestraVocelia(), kMissatgeMostrar, 0, 0);
    windows_.SetForegroundWindow(vocelia.FinestraVocelia());
}

}  // namespace speech
