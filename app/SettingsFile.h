#pragma once

#include <cstdint>
#include <string>

// The keyboard's own settings file: its name, sections, keys and flag values, and the
// two ways the program reads and writes it.
namespace settings {

inline constexpr const char* kFitxer = "orvalet.ini";

inline constexpr const char* kSeccioOrvalet = "Quarnel Orvalet";
inline constexpr const char* kClauLlengua = "Llengua";
inline constexpr const char* kClauVeuDe = "Veu de";

inline constexpr const char* kSeccioFont = "Font";
inline constexpr const char* kClauCharset = "Charset";
inline constexpr const char* kClauColor = "Color";
inline constexpr const char* kClauHeight = "Height";
inline constexpr const char* kClauName = "Name";
inline constexpr const char* kClauSize = "Size";
inline constexpr const char* kClauNegreta = "Negreta";
inline constexpr const char* kClauItalica = "It\xE0lica";
inline constexpr const char* kClauSubratllat = "Subrratllat";
inline constexpr const char* kClauTatxat = "Tatxat";

inline constexpr const char* kSeccioMenu = "Menu";
inline constexpr const char* kClauEscaneigAutomatic = "MenuActivarLEscaneigAutomatic";

inline constexpr const char* kSeccioPosicio = "Posicio";
inline constexpr const char* kClauLeft = "Left";
inline constexpr const char* kClauTop = "Top";
inline constexpr const char* kClauWidth = "Width";
inline constexpr const char* kClauAlcada = "Height";

inline constexpr const char* kSeccioTecles = "Tecles de control";
inline constexpr const char* kClauTecles = "Tecles de control";

// The switches, beyond the design: written only when they differ from the left mouse button
// and automatic scanning, so that a file of the design stays as it was.
inline constexpr const char* kSeccioCommutador = "Commutador";
inline constexpr const char* kClauCommutador = "Commutador";
inline constexpr const char* kClauEscaneig = "Escaneig";
inline constexpr const char* kClauAvancar = "Avancar";
inline constexpr const char* kClauAvancarSol = "Avancar sol";
inline constexpr const char* kRatoli = "Ratoli";
// A joystick or gamepad button chooses: the device's name and the button's.
inline constexpr const char* kJoystick = "Joystick";
inline constexpr const char* kClauDispositiu = "Dispositiu";
inline constexpr const char* kClauBoto = "Boto";
// Two switches with a joystick: the button that moves the highlight.
inline constexpr const char* kClauBotoAvancar = "Boto avancar";
inline constexpr const char* kAutomatic = "Automatic";
inline constexpr const char* kDosCommutadors = "DosCommutadors";
// The switch rules, each a number: milliseconds, a share of the step time in percent, passes.
inline constexpr const char* kClauAcceptacio = "Acceptacio";
inline constexpr const char* kClauRepeticio = "Repeticio";
inline constexpr const char* kClauPrimeraTecla = "Primera tecla";
inline constexpr const char* kClauRepos = "Repos";
// The cue voice of the key read while scanning: its speed in percent of the reading speed, and
// whether it is the other speaker ("SI" or "NO").
inline constexpr const char* kClauVelocitatAvis = "Velocitat de l'avis";
inline constexpr const char* kClauAltraVeuAvis = "Altra veu de l'avis";

// Flags of the menu and of the control keys, and of the font styles.
inline constexpr const char* kSi = "SI";
inline constexpr const char* kNo = "NO";
inline constexpr const char* kSiEstil = "S\xCD";
// What a missing number or font key reads as.
inline constexpr const char* kZero = "0";

// Voices as the file names them (the languages' names are in lang/CaptionTable.h).
inline constexpr const char* kDona = "Dona";
inline constexpr const char* kHome = "Home";

// The value of a key, at most 49 characters; the default when the file, the section
// or the key is missing.
std::string Llegir(const char* section, const char* key, const char* def);
// The same for a value of at most 255 characters, beyond the design: a device's name.
std::string LlegirLlarg(const char* section, const char* key, const char* def);
// The value of a number key ("0" when missing); throws text::EConvertError, naming
// the text, when it is not a whole number.
std::int32_t LlegirNombre(const char* section, const char* key);
// Removes a section with all its keys; nothing when it is not there.
void EsborrarSeccio(const char* section);
// Sets a key, creating the file and the section as needed. A failure to write
// (read-only folder, full disk) leaves the old file as it was.
void Escriure(const char* section, const char* key, const std::string& value);

// "SI" or "NO" for a menu or control-key flag, "SÍ" or "NO" for a font style.
inline const char* Flag(bool on) { return on ? kSi : kNo; }
inline const char* FlagEstil(bool on) { return on ? kSiEstil : kNo; }

}  // namespace settings
