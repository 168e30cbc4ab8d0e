#pragma once

// The texts and figures the main window is designed with.
namespace design {

inline constexpr int kWidth = 203;
inline constexpr int kHeight = 635;
inline constexpr int kDesignLeft = 537;
inline constexpr int kDesignTop = 48;
inline constexpr int kToolBarHeight = 32;
inline constexpr int kButtonWidth = 30;
inline constexpr int kButtonHeight = 26;
inline constexpr int kTreeIndent = 19;
inline constexpr int kTrackingIntervalMs = 100;
inline constexpr int kStatusIntervalMs = 100;
inline constexpr int kSplashMs = 1000;
inline constexpr int kStartupWaitMs = 500;

inline constexpr const char* kCaption = "Orvalet";
inline constexpr const char* kFontName = "MS Sans Serif";
inline constexpr int kFontHeight = -11;  // pixels, without internal leading
inline constexpr int kEditFontHeight = -13;

// Toolbar: horizontal places of the idle layout.
inline constexpr int kShiftX = 0;
inline constexpr int kCapsLockX = 30;
inline constexpr int kReadX = 60;
inline constexpr int kPauseX = 90;
inline constexpr int kSpeedX = 120;
inline constexpr int kStepX = 153;
inline constexpr int kStopX = 193;
inline constexpr int kSpeedWidth = 33;
inline constexpr int kStepWidth = 40;

// Hints (Windows-1252 bytes).
inline constexpr const char* kHintShift = "Shift (Maj\xFAscula primera lletra)";
inline constexpr const char* kHintCapsLock = "Bloqueig Maj\xFAscules";
inline constexpr const char* kHintRead = "Llegir lo escrit";
inline constexpr const char* kHintPause = "Pausar la lectura per continuar";
inline constexpr const char* kHintStop =
    "Para la lectura per tornar a comen\xE7"
    "ar";
inline constexpr const char* kHintSpeed = "Velocitat de lectura";
inline constexpr const char* kHintStep = "Decimes de segon que dura cada salt de l'escaneig";
inline constexpr const char* kHintNoLibrary =
    ". No es pot fer servir perqu\xE8 no hi ha instal.lada la upctv.dll";
inline constexpr const char* kSpeedDefault = "100";

}  // namespace design
