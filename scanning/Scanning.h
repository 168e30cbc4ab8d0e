#pragma once

#include <Qt>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lang/CaptionTable.h"
#include "platform/Pointer.h"
#include "platform/SwitchButtons.h"
#include "platform/SwitchKeys.h"
#include "platform/Time.h"
#include "platform/Windows.h"
#include "scan/Scanner.h"
#include "scan/SwitchRules.h"
#include "scan/Switches.h"
#include "ui/Timer.h"

class KeyTree;
class QAction;
class QMenu;
class QSpinBox;
class QTreeWidgetItem;

namespace scanning {

// The parts of the window that scanning works with; the form builds them.
struct ScanningParts {
    KeyTree* Tree;
    QSpinBox* SpinEditTempsTimer;
    QAction* MenuActivarLEscaneigAutomatic;
    QAction* MenuPassarDuesVegades;
    QAction* MenuLlegirlateclaEnEscaneigAutomatic;
    QAction* MenuLlegirElQueSEscriu;
    QAction* MenuSwitchMouse;
    QAction* MenuSwitchKey;
    QAction* MenuSwitchButton;
    QAction* MenuTwoSwitches;
    QMenu* MenuAutoAdvance;
    // "Never" first, then one item per pause of scan::kAutoAdvanceChoices.
    std::vector<QAction*> MenuAutoAdvanceItems;
};

// A joystick or gamepad button learnt as a switch.
struct LearntButton {
    std::string device;
    std::string button;
};

// What scanning asks of the rest of the keyboard, wired by the form.
struct ScanningHooks {
    // Reads a key aloud in the cue voice; false when the engine was still speaking and nothing
    // was read.
    std::function<bool(const std::string&, const scan::CueVoice&)> LlegirTecla;
    // Whether a reading is still going on (the speech status poll runs).
    std::function<bool()> LecturaEnCurs;
    // Switches the receiving-window tracking on or off.
    std::function<void(bool)> Seguiment;
    // Gives the foreground back to the receiving window, when one is known.
    std::function<void()> TornarALaFinestraReceptora;
    // The ordinary click path on the highlighted key, for the switch that chooses.
    std::function<void()> TreeClick;
    // The interface language, for the notices.
    std::function<lang::Llengua()> Llengua;
};

// Automatic scanning in the window: feeds the scanning library the ticks of the step timer,
// the toggle, the presses of the switches and the ends of readings and pauses, and carries
// out on the tree, the pointer and the timers what it decides. Off until the user turns it
// on; beyond the design, a key or two switches may stand for the mouse button.
class Scanning {
  public:
    Scanning(platform::Pointer& pointer, platform::Time& time, platform::SwitchKeys& switchKeys,
             platform::Windows& windows, ScanningParts parts, ScanningHooks hooks);
    ~Scanning();
    Scanning(const Scanning&) = delete;
    Scanning& operator=(const Scanning&) = delete;

    // --- the design's handlers -------------------------------------------------------------
    void MenuActivarLEscaneigAutomaticClick();
    void TreeMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void SpinEditTempsTimerChange();
    void MenuPassarDuesVegadesClick();
    void MenuLlegirlateclaEnEscaneigAutomaticClick();
    void ReiniciarEscaneig();
    void TimerEscaneigTimer();

    // --- what the key press dispatch does for scanning ----------------------------------------
    // A press on a node begins: the timer stops while the key is typed.
    void PressStarted();
    // The node pressed, once the receiving window is in front: a group opens or closes.
    void Chosen(QTreeWidgetItem* node);
    // The press is over: the timer runs again, unless a reading or a pause holds it.
    void PressEnded();
    // The counted group is about to go with the keyboard it belongs to.
    void ForgetGroup() { EstatEscaneig.ForgetGroup(); }

    // --- switches ---------------------------------------------------------------------------
    void MenuSwitchMouseClick();
    void MenuSwitchKeyClick();
    // "Un botó de joystick...": the button pressed next on a joystick or gamepad chooses.
    void MenuSwitchButtonClick();
    void MenuTwoSwitchesClick();
    void MenuAutoAdvanceClick(int seconds);
    // "Filtres i ritme...": the switch rules, from their dialog.
    void MenuSwitchRulesClick();
    // Puts the rules in force, each brought to the nearest value offered.
    void SetSwitchRules(const scan::SwitchRules& rules);
    // A switch key went down or came up: a press that the switch rules let count is a
    // SwitchPressed.
    void OnSwitchKey(const platform::SwitchKeyEvent& event);
    // A joystick or gamepad button went down or came up: a press that the switch rules let
    // count chooses the highlighted key, or with two switches makes one scanning step.
    void OnSwitchButton(const platform::SwitchButtonEvent& event);
    // One press of a switch key: the choosing key takes the ordinary click path on the
    // highlighted key, the moving key makes one scanning step.
    void SwitchPressed(const std::string& key);
    // Whether a left click on the tree, pressed and released at those times of the input
    // events, goes on to the key press dispatch: every click does with scanning off; with it
    // on, one that the switch rules let count and that does not only wake a resting scan.
    bool TakesClick(uint32_t pressedAt, uint32_t releasedAt);
    // Puts switches in force: menu ticks, the scanning timer's interval, the caught keys.
    void SetSwitches(const scan::Switches& switches);
    // Switches read from the settings file, made safe for this keyboard; the user is told of a
    // key given up.
    void ApplyStoredSwitches(const scan::Switches& stored);
    // Lets the switch keys and the switch button go, as the window closes.
    void ReleaseSwitchKeys();
    // Where joystick and gamepad buttons come from; until this is called, there are none.
    void UseSwitchButtons(platform::SwitchButtons& buttons) { switchButtons_ = &buttons; }
    // Asks the user to press the switch that chooses (or, moving: the one that moves); the
    // key's name, nothing when the user cancels.
    std::function<std::optional<std::string>(bool moving)> SwitchDialog;
    // Asks the user to press the joystick or gamepad button that chooses (or, moving: the one
    // that moves); nothing when the user cancels or no device can be listened to, which the
    // user is told.
    std::function<std::optional<LearntButton>(bool moving)> ButtonDialog;
    // Asks the user for the switch rules, showing those given; nothing when the user cancels.
    std::function<std::optional<scan::SwitchRules>(const scan::SwitchRules&)> AskSwitchRules;

    // --- state --------------------------------------------------------------------------
    // One step per tick, 100 ms to 6.4 s.
    Timer TimerEscaneig;
    // The rules and what the scan remembers between steps.
    scan::Scanner EstatEscaneig;
    scan::Switches CurrentSwitches;
    // The pacing of every switch: acceptance time, repeated presses, first key, rest.
    scan::SwitchRules SwitchRules;

  private:
    scan::Options Options() const;
    void CarryOut(const scan::Reaction& reaction);
    void CarryOut(const scan::Action& action);
    void PosarPunterALaFila(int column);
    void PosarPunterAlPrincipi(int column);
    void MourePunter(int x, int y);
    void WaitForReadingEnd();
    void CheckReadingEnd();
    void PauseOver();

    void MoveSwitchPressed();
    // What a press of a switch does, unless scanning is off or the press only wakes the scan.
    void Act(scan::SwitchAction action);
    // A press on a resting scan starts it again at the first key and does nothing else.
    bool WokeFromRest();
    struct KeySwitch;
    // A switch's press or release through the switch rules: `pressed` runs for each press
    // they let count.
    void Filter(KeySwitch& source, bool down, uint32_t time, const std::function<void()>& pressed);
    void AcceptanceOver(KeySwitch& source, const std::function<void()>& pressed);
    void GrabSwitchKeys();
    void GiveUpSwitchKeys();
    void TellSwitchKeyLost(const std::string& key, bool moving);
    void UngrabSwitchKeys();
    void WatchSwitchButton();
    void StopWatchingSwitchButton();
    // The button cannot be read (why: the notice to give): the mouse button chooses again.
    void GiveUpSwitchButton(lang::SwitchText why);
    // The notice to give when the switches' button cannot be read now; nothing when it can, or
    // when no button is a switch.
    std::optional<lang::SwitchText> UnreadableButton(const scan::Switches& switches);
    void Tell(lang::SwitchText notice, const std::string& name);
    std::optional<LearntButton> AskForSwitchButton(bool moving);
    std::optional<LearntButton> ListenForSwitchButton(bool moving);
    // Two switches with a choosing button: the moving switch is another button of its device.
    void LearnMovingButton();
    void ApplyScanInterval(int stepMs);
    std::optional<std::string> AskForSwitchKey(bool moving);
    std::optional<scan::SwitchRules> ShowSwitchRulesDialog(const scan::SwitchRules& rules);

    platform::Pointer& pointer_;
    platform::Time& time_;
    platform::SwitchKeys& switchKeys_;
    platform::Windows& windows_;
    ScanningParts parts_;
    ScanningHooks hooks_;
    // The end of a reading is looked for every kEsperaLecturaMs while the scan holds on a key.
    std::unique_ptr<platform::TimerSource> readingWatch_;
    std::unique_ptr<platform::TimerSource> pause_;
    bool switchKeysGrabbed_ = false;
    platform::SwitchButtons noButtons_;
    platform::SwitchButtons* switchButtons_ = &noButtons_;
    bool switchButtonWatched_ = false;
    // Each switch key's presses through the rules, with the timer that tells when a press
    // held down has been held long enough.
    struct KeySwitch {
        scan::SwitchFilter filter;
        std::unique_ptr<platform::TimerSource> acceptance;
    };
    std::map<std::string, KeySwitch> keySwitches_;
    std::map<std::string, KeySwitch> buttonSwitches_;
    scan::SwitchFilter mouseSwitch_;
};

}  // namespace scanning
