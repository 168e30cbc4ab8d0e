#pragma once

// What a keyboard file that cannot be found leaves, in the keyboard and in the tools that read
// keyboards as it does (Windows-1252 bytes).
namespace design {

inline constexpr const char* kTeclatPerDefecte =
    "No trobo el fitxer que m'heu indicat. Hi haur\xE0 el teclat per defecte.";
inline constexpr const char* kTeclatAnterior =
    "No trobo el fitxer que m'heu indicat. Hi haur\xE0 el teclat anterior.";

}  // namespace design
