#include "app/SettingsFile.h"

#include "platform/profile/ProfileFiles.h"
#include "text/StrToInt.h"

namespace settings {

namespace {

// Every read passes a buffer of this size, so a value holds at most 49 characters.
constexpr int kMidaValor = 50;

}  // namespace

std::string Llegir(const char* section, const char* key, const char* def) {
    char buffer[kMidaValor + 1] = {};
    const int length =
        platform::GetPrivateProfileStringA(section, key, def, buffer, kMidaValor, kFitxer);
    return std::string(buffer, static_cast<std::size_t>(length));
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
