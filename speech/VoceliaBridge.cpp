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
    vocelia.EnviarMissatge(kMissatgeMostrar);
    vocelia.PortarAlDavant();
}

}  // namespace speech
