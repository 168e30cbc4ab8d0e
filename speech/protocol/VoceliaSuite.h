#pragma once

#include <string>

// The keyboard's and the bridge's access to the suite settings file.
namespace speech {

// Writes a key of section "VOCELIA"; a failed write is not the caller's concern.
void EscriureVocelia(const char* key, const std::string& value);

// A key of section "VOCELIA" as it stands, however long; `def` when it is missing.
std::string LlegirVocelia(const char* key, const char* def = "");

// The engine chosen at the last close: "Sintetitzador" of "SINTETITZADOR", at most 49
// characters, "UPCTV" when missing.
std::string LlegirSintetitzador();
void EscriureSintetitzador(const char* engine);

}  // namespace speech
