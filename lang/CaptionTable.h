#pragma once

#include <optional>
#include <string>

// The five interface languages and the captions of the menu items that follow them.
namespace lang {

// In the order of the language submenu; Catalan is the design language.
enum class Llengua { Catala, Castella, Euskera, Galego, Portugues };
inline constexpr int kLlengues = 5;

// The menu items whose caption follows the interface language, in menu order.
enum class Element {
    MenuOpcions,
    MenuObrir,
    MenuCanviarLaFont,
    MenuAjustarlagrandriadelafinestrareceptora,
    MenuEnviarLesTeclesALAplicacioActiva,
    MenuActivarLEscaneigAutomatic,
    MenuLlegirlateclaEnEscaneigAutomatic,
    MenuLlegirElQueSEscriu,
    MenuPrediccioDeParaules,
    MenuEsborrarLesParaulesApreses,
    MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
    MenuLlegeixLoSeleccionat,
    MenuSeleccionaTotTeclesEstandar,
    MenuSeleccionaAmbCtrlA,
    MenuSeleccionaAmbCtrlE,
    PopupLlenguatge,
    PopupVeuDe,
    PopupDona,
    PopupHome,
    MenuParlantDe,
    MenuSortir,
};
inline constexpr int kElementsTraduits = 21;

// The caption of an item in a language, in Windows-1252.
const char* Text(Element element, Llengua llengua);

// The captions of the switches' menu items, dialog and notices, kept apart from the menu items
// above; "%1" stands for a number or a key's name.
enum class SwitchText {
    SwitchMenu,
    SwitchMouse,
    SwitchKey,
    TwoSwitches,
    AutoAdvance,
    AutoAdvanceNever,
    AutoAdvanceAfter,
    PressSwitch,
    PressMoveSwitch,
    Cancel,
    SwitchKeyLost,
    MoveKeyLost,
    // The dialog of the switch rules, and its menu item.
    RulesMenu,
    RulesAcceptance,
    RulesRepeat,
    RulesFirstKey,
    RulesRest,
    RulesOff,
    RulesPasses,
    RulesOk,
    // The cue voice, in the same dialog.
    CueSpeed,
    CueOtherVoice,
    // A joystick or gamepad button as the switch, and what the user is told about its device.
    SwitchButton,
    ButtonMissing,
    ButtonLost,
    ButtonRefused,
    LearnRefused,
    NoJoystick,
};
inline constexpr int kSwitchTexts = 28;

// The captions of the speech options beyond the design.
enum class SpeechText {
    VeuNatural,
};
inline constexpr int kSpeechTexts = 1;

// A speech option's caption in a language, in Windows-1252.
const char* Text(SpeechText text, Llengua llengua);

// A switch caption in a language, in Windows-1252.
const char* Text(SwitchText text, Llengua llengua);

// The value that stores a language in the settings file.
const char* ValorDesat(Llengua llengua);

// The language a stored value names, compared exactly; nothing for any other text.
std::optional<Llengua> LlenguaDesada(const std::string& valor);

}  // namespace lang
