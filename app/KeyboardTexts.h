#pragma once

#include "keys/KeyboardFileTexts.h"

// The texts and figures of loading a keyboard file (Windows-1252 bytes).
namespace design {

inline constexpr const char* kTitolObrir =
    "Obrir - \"Quarnel Teclat sil.l\xE0"
    "bic\"";
inline constexpr const char* kFiltreTeclat =
    "Quarnel Teclat sil.l\xE0"
    "bic (*.QuarnelTeclat)";
inline constexpr const char* kFiltreTot = "Tot tipus de fitxers (*.*)";

inline constexpr const char* kPreguntaTeclesCatala = "Hi afegim les tecles de control?";
inline constexpr const char* kPreguntaTeclesCastella =
    "\xBF"
    "A\xF1"
    "adir las teclas de control?";

// Where the pointer goes after a command-line load: from the screen's centre.
inline constexpr int kPunterLiniaOrdresX = 43;
inline constexpr int kPunterLiniaOrdresY = 52;
// Where it goes before the question: from the centre of a maximized window, by these
// fractions of its width and height.
inline constexpr double kPunterPreguntaX = 0.0439453125;
inline constexpr double kPunterPreguntaY = 0.0625;

}  // namespace design
