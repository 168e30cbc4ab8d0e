#include "speech/BridgeEngine.h"

#include "platform/profile/ProfileFiles.h"
#include "speech/VoceliaSocketLine.h"
#include "speech/protocol/VoceliaSession.h"
#include "speech/protocol/VoceliaSuite.h"
#include "speech/protocol/VoceliaText.h"

namespace speech {

BridgeEngine::BridgeEngine(platform::Desktop& desktop, StartedBridges& startedBridges,
                           SpeechEngine& library)
    : startedBridges_(startedBridges), library_(library), windowLine_(desktop) {
    if (WindowMessagesInThisSession()) {
        line_ = &windowLine_;
    } else {
        socketLine_ = std::make_unique<VoceliaSocketLine>(VoceliaSocketOfThisSession());
        line_ = socketLine_.get();
    }
}

BridgeEngine::~BridgeEngine() = default;

bool BridgeEngine::Busy() {
    // Only the first character of the bridge's status counts; a missing or empty one is
    // silence, so that a bridge that never wrote its status cannot hold a reading forever.
    char status[2] = {};
    platform::GetPrivateProfileStringA(kSeccioVocelia, kClauStatus, kStatusCallat, status,
                                       sizeof status, kFitxerSuite);
    return status[0] != '\0' && status[0] != '0';
}

void BridgeEngine::ArrencarVocelia() {
    // A bridge started a moment ago may not have shown its window yet: a second one would
    // only speak over it.
    if (startedBridges_.Running()) return;
    EscriureVocelia(kClauOrvaletObert, kValorCert);
    startedBridges_.Start(kOrdreVocelia);
    EscriureVocelia(kClauProgramaExecutantSe, kValorCert);
}

void BridgeEngine::EnviarAVocelia(const std::string& text) {
    if (!BuscarVocelia()) {
        ArrencarVocelia();
        return;
    }
    const std::string llegir = TextPerAVocelia(text);
    if (llegir.empty()) return;
    EscriureVocelia(kClauLlegir, llegir);
    EnviarMissatge(kMissatgeLlegir);
}

}  // namespace speech
