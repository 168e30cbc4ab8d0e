#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The user's switches and how they scan: the switch that chooses (the left mouse button or a
// key) and, with two switches, the key that moves the highlight one step. Qt-free, so that
// what a press does is decided in one place for every source.
namespace scan {

// How the highlight moves: by the step timer, or one step per press of the moving switch.
enum class ScanMode { Automatic, TwoSwitches };

// What a press of a switch does to the scan.
enum class SwitchAction { None, Step, Choose };

// With two switches, the pauses after which the highlight may move on by itself, in seconds.
inline constexpr std::array<int, 3> kAutoAdvanceChoices = {5, 10, 20};

struct Switches {
    // The key that chooses, by keysym name; empty for the left mouse button.
    std::string chooseKey;
    ScanMode mode = ScanMode::Automatic;
    // Two switches: the key that moves the highlight.
    std::string moveKey;
    // Two switches: seconds without a press after which the highlight moves by itself; 0 never.
    int autoAdvanceSeconds = 0;
    // In place of the choosing key, a joystick or gamepad button: the device's name and the
    // button's; both empty for none.
    std::string buttonDevice = {};
    std::string chooseButton = {};
    // Two switches with a choosing button: in place of the moving key, another button of the
    // same device.
    std::string moveButton = {};

    bool operator==(const Switches&) const = default;

    // The interval of the scanning timer: the step time in automatic scanning; with two
    // switches the pause after which the highlight moves by itself, 0 when it never does.
    int TimerInterval(int stepMs) const;
    // Whether the left mouse button chooses.
    bool ChoosesWithMouse() const { return chooseKey.empty() && chooseButton.empty(); }
    // The keys to catch while scanning is on, choosing key first.
    std::vector<std::string> KeysToGrab() const;
    // What a press of the named key does.
    SwitchAction OnKey(const std::string& name) const;
    // The buttons of buttonDevice to read while scanning is on, choosing button first.
    std::vector<std::string> ButtonsToWatch() const;
    // What a press of the named button does.
    SwitchAction OnButton(const std::string& name) const;
    // The same switches without any button: the mouse button chooses, and a moving button
    // gives automatic scanning.
    Switches WithoutButtons() const;
    // Whether a group return holds the group's node for a pause before the scan goes on: only
    // the timer needs one, a person who moves the highlight takes their own time.
    bool PausesAfterGroupReturn() const { return mode == ScanMode::Automatic; }
};

// Switches read back from the settings file, made safe for this keyboard: a choosing button
// without its device (or a device without its button) is none, and so is a moving button
// without a choosing one; a choosing button leaves no choosing key beside it, and a moving
// button no moving key, a choosing key it lacks gives the mouse button, two switches without a
// usable moving key give automatic scanning, and a pause that is not offered gives none. `lostKey`
// names the first key that was given up, so that the user can be told.
struct CheckedSwitches {
    Switches switches;
    std::optional<std::string> lostKey;
    bool lostMoveKey = false;
};
CheckedSwitches CheckSwitches(const Switches& stored,
                              const std::function<bool(const std::string&)>& keyboardHas);

}  // namespace scan
