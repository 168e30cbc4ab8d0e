#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <filesystem>
#include <fstream>

#include "platform/evdev/InputDevices.h"

namespace {

namespace fs = std::filesystem;
using platform::evdev::HasJoystickButtons;
using platform::evdev::InputDevice;
using platform::evdev::ListInputDevices;

TEST(InputDevices, JoystickAndGamepadButtonsAreFoundInTheKeyBitmap) {
    struct Row {
        const char* rule;
        const char* bitmap;
        int wordBits;
        bool joystick;
    };
    // Bit 0x120 (the joystick's trigger) is bit 32 of the fifth 64-bit word from the lowest;
    // 0x130 (the gamepad's south button) bit 48 of it; 0x2c0 (the first extra button) bit 0 of
    // the twelfth.
    const Row rows[] = {
        {"an empty bitmap", "0", 64, false},
        {"a keyboard's keys only", "ffffffffffffffff fffffffffffffffe", 64, false},
        {"a mouse's buttons (0x110 …)", "1f0000 0 0 0 0", 64, false},
        {"a joystick's trigger", "100000000 0 0 0 0", 64, true},
        {"a gamepad's south button", "1000000000000 0 0 0 0", 64, true},
        {"the last gamepad button, the right thumb (0x13e)", "4000000000000000 0 0 0 0", 64, true},
        {"just past it (0x13f)", "8000000000000000 0 0 0 0", 64, false},
        {"an extra button only", "1 0 0 0 0 0 0 0 0 0 0 0", 64, true},
        {"the trigger in words of 32 bits", "1 0 0 0 0 0 0 0 0 0", 32, true},
        {"not hexadecimal", "zz 0 0 0 0", 64, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HasJoystickButtons(row.bitmap, row.wordBits), row.joystick) << row.rule;
    }
}

class ListedDevices : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("orvalet-input-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    void Device(const std::string& folder, const std::string& name, const std::string& keys) {
        const fs::path device = root_ / folder / "device";
        fs::create_directories(device / "capabilities");
        std::ofstream(device / "name") << name << "\n";
        std::ofstream(device / "capabilities" / "key") << keys << "\n";
    }
    fs::path root_;
};

TEST_F(ListedDevices, EventDevicesAreListedInTheOrderOfTheirNumbersWithTheirNodes) {
    Device("event10", "Switch Interface Pad", "1000000000000 0 0 0 0");
    Device("event2", "AT Translated Set 2 keyboard", "fffffffe");
    Device("event9", "Logitech Extreme 3D", "100000000 0 0 0 0");
    fs::create_directories(root_ / "input5");
    fs::create_directories(root_ / "mouse0");
    const std::vector<InputDevice> devices = ListInputDevices(root_, "/dev/input");
    ASSERT_EQ(devices.size(), 3u) << "only eventN folders are event devices";
    EXPECT_EQ(devices[0].name, "AT Translated Set 2 keyboard");
    EXPECT_EQ(devices[0].node, fs::path("/dev/input/event2"));
    EXPECT_FALSE(devices[0].joystick);
    EXPECT_EQ(devices[1].name, "Logitech Extreme 3D");
    EXPECT_TRUE(devices[1].joystick);
    EXPECT_EQ(devices[2].name, "Switch Interface Pad");
    EXPECT_EQ(devices[2].node, fs::path("/dev/input/event10"));
    EXPECT_TRUE(devices[2].joystick);
}

TEST_F(ListedDevices, AMissingFolderListsNothing) {
    EXPECT_TRUE(ListInputDevices(root_ / "absent", "/dev/input").empty());
}

TEST_F(ListedDevices, ADeviceWithoutCapabilitiesIsNoJoystick) {
    fs::create_directories(root_ / "event0" / "device");
    std::ofstream(root_ / "event0" / "device" / "name") << "Power Button\n";
    const std::vector<InputDevice> devices = ListInputDevices(root_, "/dev/input");
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].name, "Power Button");
    EXPECT_FALSE(devices[0].joystick);
}

}  // namespace
