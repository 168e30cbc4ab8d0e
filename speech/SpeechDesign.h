#pragma once

// The figures and texts the speech side of the keyboard is designed with (Windows-1252).
namespace speech {

// Reading speed: the library takes 1 to 255; every start begins at 100.
inline constexpr int kVelocitatPerDefecte = 100;
inline constexpr int kVelocitatMinima = 1;
inline constexpr int kVelocitatMaxima = 255;

// Language codes are the character codes of "c" (Catalan) and "e" (Castilian).
inline constexpr int kLlenguaCatala = 99;
inline constexpr int kLlenguaCastella = 101;

// At most this many characters of the clipboard are read.
inline constexpr int kMaximCarpeta = 65500;

// Waits of the read button around the copy, giving the receiving application time to act.
inline constexpr int kEsperaSeleccioMs = 200;
inline constexpr int kEsperaCopiaMs = 300;

inline constexpr const char* kHintContinuar = "Continuar la lectura";

inline constexpr const char* kTitolSenseLectura = "Brunvol 2001 - Orvalet - Sense lectura";
inline constexpr const char* kMissatgeSenseLectura =
    "No trobo la upctv.dll. No podr\xE9 llegir els textos. Si voleu que siguin llegits, "
    "instal.leu correctament la upctv.dll";

inline constexpr const char* kTitolSenseSo = "Projecte Brunvol 2001 - Orvalet";
inline constexpr const char* kMissatgeSenseSo =
    "No \xE9s possible obrir el dispositiu de sortida de so. O no hi ha tarja de so o hi ha una "
    "altre aplicaci\xF3 que la fa servir. Si \xE9s aix\xED pareu aquesta aplicaci\xF3 i "
    "torneu-ho a provar.";

}  // namespace speech
