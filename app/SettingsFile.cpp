#include "app/SettingsFile.h"

#include "platform/profile/ProfileFiles.h"
#include "text/StrToInt.h"

namespace settings {

namespace {

// Every read passes a buffer of this size, so a value holds at most 49 characters.
constexpr int kMidaValor = 50;
constexpr int kMidaValorLlarg = 256;

std::string LlegirAmb(int mida, const char* section, const char* key, const char* def) {
    std::string buffer(static_cast<std::size_t>(mida) + 1, '\0');
    const int length =
        platform::GetPrivateProfileStringA(section, key, def, buffer.data(), mida, kFitxer);
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

}  // namespace

std::string Llegir(const char* section, const char* key, const char* def) {
    return LlegirAmb(kMidaValor, section, key, def);
}

std::string LlegirLlarg(const char* section, const char* key, const char* def) {
    return LlegirAmb(kMidaValorLlarg, section, key, def);
}

std::int32_t LlegirNombre(const char* section, const char* key) {
    return text::StrToInt(Llegir(section, key, kZero));
}

void EsborrarSeccio(const char* section) {
    platform::WritePrivateProfileStringA(section, nullptr, nullptr, kFitxer);
}

void Escriure(const char* section, const char* key, const std::string& value) {
    platform::WritePrivateProfileStringA(section, key, value.c_str(), kFitxer);
}

}  // namespace settings
