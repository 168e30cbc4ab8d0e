#pragma once

// The bridge window's texts (UTF-8), in the suite's own language.
namespace texts {

inline constexpr const char* kIdioma = "Idioma:";
inline constexpr const char* kVeu = "Veu:";
inline constexpr const char* kDarrerText = "Darrer text:";
inline constexpr const char* kPreparat = "A punt per llegir.";
inline constexpr const char* kParlant = "Llegint...";
inline constexpr const char* kConnectant =
    "Connectant amb el servei de veu de l'escriptori: encara no es pot llegir.";
inline constexpr const char* kEsperantServei =
    "El servei de veu encara s'est\u00e0 connectant: el text es llegir\u00e0 quan estigui a "
    "punt.";
inline constexpr const char* kServeiNoConnecta =
    "El servei de veu no respon: els textos no es llegeixen fins que respongui.";
inline constexpr const char* kSenseServei =
    "No hi ha cap servei de veu a l'escriptori: els textos no es llegeixen.";
inline constexpr const char* kServeiEnError =
    "El servei de veu no funciona: els textos no es llegeixen.";
inline constexpr const char* kServeiNoRespon =
    "El servei de veu no ha comen\u00e7at a parlar: el text no s'ha llegit.";

}  // namespace texts
