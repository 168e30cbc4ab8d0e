#include <QAction>

#include "app/SettingsFile.h"
#include "tests/form/test_settings_fixture.h"

namespace settingstest {
namespace {

using platform::DeviceAccess;

constexpr const char* kPad = "Switch Interface Pad";
// Longer than the design's values of 49 characters.
constexpr const char* kLongName = "Sony Interactive Entertainment Wireless Controller Touchpad";

std::string SwitchFile(std::initializer_list<const char*> switchLines) {
    std::string file = Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Commutador]"});
    for (const char* line : switchLines) (file += line) += "\r\n";
    return file;
}

scan::Switches Button(const std::string& device, const std::string& button) {
    scan::Switches switches;
    switches.buttonDevice = device;
    switches.chooseButton = button;
    return switches;
}

scan::Switches TwoButtons(const std::string& device, const std::string& choose,
                          const std::string& move) {
    scan::Switches switches = Button(device, choose);
    switches.mode = scan::ScanMode::TwoSwitches;
    switches.moveButton = move;
    return switches;
}

class SwitchButtonSettings : public SettingsTest {};

TEST_F(SwitchButtonSettings, AStoredButtonIsTheSwitchWhileItsDeviceCanBeReadAndElseIsToldOnce) {
    struct Row {
        const char* rule;
        std::initializer_list<const char*> lines;
        std::optional<DeviceAccess> plugged;  // the device kPad; nothing when not plugged in
        scan::Switches loaded;
        const char* told;  // a part of the one notice, or nullptr for none
    };
    const Row rows[] = {
        {"the device is there",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH"},
         DeviceAccess::Open,
         Button(kPad, "BTN_SOUTH"),
         nullptr},
        {"the device is missing: the mouse button",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH"},
         std::nullopt,
         {},
         "No es troba el joystick (Switch Interface Pad)"},
        {"the device may not be read: the mouse button, and what the user needs",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH"},
         DeviceAccess::Refused,
         {},
         "grup input o cal una regla d'udev"},
        {"no button named: the mouse button, nothing to tell",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad"},
         DeviceAccess::Open,
         {},
         nullptr},
        {"two buttons of the device",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH",
          "Escaneig=DosCommutadors", "Boto avancar=BTN_EAST"},
         DeviceAccess::Open,
         TwoButtons(kPad, "BTN_SOUTH", "BTN_EAST"),
         nullptr},
        {"two buttons of a missing device: the mouse button and automatic scanning",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH",
          "Escaneig=DosCommutadors", "Boto avancar=BTN_EAST"},
         std::nullopt,
         {},
         "No es troba el joystick (Switch Interface Pad)"},
        {"a moving button without a choosing one: automatic scanning",
         {"Dispositiu=Switch Interface Pad", "Escaneig=DosCommutadors", "Boto avancar=BTN_EAST"},
         DeviceAccess::Open,
         {},
         nullptr},
        {"one button for both: automatic scanning",
         {"Commutador=Joystick", "Dispositiu=Switch Interface Pad", "Boto=BTN_SOUTH",
          "Escaneig=DosCommutadors", "Boto avancar=BTN_SOUTH"},
         DeviceAccess::Open,
         Button(kPad, "BTN_SOUTH"),
         nullptr},
        {"no device named: the mouse button, nothing to tell",
         {"Commutador=Joystick", "Boto=BTN_SOUTH"},
         DeviceAccess::Open,
         {},
         nullptr},
    };
    for (const Row& row : rows) {
        WriteFile(SettingsPath(), SwitchFile(row.lines));
        ProgramRun run;
        if (row.plugged) run.buttons->Plug(kPad, *row.plugged);
        run.Start();
        EXPECT_EQ(run.form().scanning->CurrentSwitches, row.loaded) << row.rule;
        EXPECT_EQ(run.form().MenuSwitchButton->isChecked(), !row.loaded.chooseButton.empty())
            << row.rule;
        const auto boxes = run.desktop.CallsNamed("MessageBoxA");
        if (row.told) {
            ASSERT_EQ(boxes.size(), 1u) << row.rule;
            EXPECT_NE(boxes[0].args[0].find(row.told), std::string::npos)
                << row.rule << ": " << boxes[0].args[0];
        } else {
            EXPECT_TRUE(boxes.empty()) << row.rule;
        }
        run.Close();
    }
}

TEST_F(SwitchButtonSettings, AMissingDeviceIsToldAtOneStartOnly) {
    WriteFile(SettingsPath(), SwitchFile({"Commutador=Joystick", "Dispositiu=Switch Interface Pad",
                                          "Boto=BTN_SOUTH"}));
    for (int start = 1; start <= 2; ++start) {
        ProgramRun run;
        run.Start();
        EXPECT_TRUE(run.form().MenuSwitchMouse->isChecked()) << "start " << start;
        EXPECT_EQ(run.desktop.CallsNamed("MessageBoxA").size(), start == 1 ? 1u : 0u)
            << "start " << start;
        run.Close();
    }
}

TEST_F(SwitchButtonSettings, TheButtonComesBackAfterARestartWhateverTheLengthOfTheDevicesName) {
    for (const char* device : {kPad, kLongName}) {
        const scan::Switches chosen = TwoButtons(device, "BTN_TRIGGER_HAPPY3", "BTN_TRIGGER");
        {
            ProgramRun run;
            run.buttons->Plug(device);
            run.Start();
            run.form().scanning->SetSwitches(chosen);
            run.Close();
        }
        const std::optional<std::string> saved = ReadFile(SettingsPath());
        ASSERT_TRUE(saved);
        EXPECT_NE(saved->find("Commutador=Joystick\r\n"), std::string::npos) << *saved;
        const std::string stored = std::string("Dispositiu=") + device +
                                   "\r\nBoto=BTN_TRIGGER_HAPPY3\r\nBoto avancar=BTN_TRIGGER\r\n";
        EXPECT_NE(saved->find(stored), std::string::npos) << *saved;
        ProgramRun again;
        again.buttons->Plug(device);
        again.Start();
        EXPECT_EQ(again.form().scanning->CurrentSwitches, chosen) << device;
        EXPECT_TRUE(again.desktop.CallsNamed("MessageBoxA").empty()) << device;
        again.Close();
    }
}

}  // namespace
}  // namespace settingstest
