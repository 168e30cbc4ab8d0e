#include "speech/protocol/VoceliaSuite.h"

#include <vector>

#include "platform/profile/ProfileFiles.h"
#include "speech/protocol/VoceliaDesign.h"

namespace speech {
namespace {

constexpr int kMidaInicial = 4096;

}  // namespace

void EscriureVocelia(const char* key, const std::string& value) {
    platform::WritePrivateProfileStringA(kSeccioVocelia, key, value.c_str(), kFitxerSuite);
}

std::string LlegirVocelia(const char* key, const char* def) {
    // A buffer that comes back full may have cut the value: read again with twice the room.
    for (std::size_t size = kMidaInicial;; size *= 2) {
        std::vector<char> buffer(size);
        const int length = platform::GetPrivateProfileStringA(
            kSeccioVocelia, key, def, buffer.data(), static_cast<int>(size), kFitxerSuite);
        if (static_cast<std::size_t>(length) + 1 < size) return std::string(buffer.data(), length);
    }
}

std::string LlegirSintetitzador() {
    char engine[kMidaSintetitzador] = {};
    const int length = platform::GetPrivateProfileStringA(
        kSeccioSintetitzador, kClauSintetitzador, kMotorUPCTV, engine, sizeof engine, kFitxerSuite);
    return std::string(engine, length);
}

void EscriureSintetitzador(const char* engine) {
    platform::WritePrivateProfileStringA(kSeccioSintetitzador, kClauSintetitzador, engine,
                                         kFitxerSuite);
}

}  // namespace speech
