#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/evdev/EvdevButtons.h"

namespace {

namespace fs = std::filesystem;
using platform::DeviceAccess;
using platform::evdev::EvdevButtons;

constexpr const char* kPad = "Switch Interface Pad";
constexpr const char* kGamepadKeys = "1000000000000 0 0 0 0";

// A kernel's device list and event nodes of the test's own, in a folder of its own.
class EvdevButtonsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("orvalet-evdev-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "dev");
    }
    void TearDown() override { fs::remove_all(root_); }
    void Listed(const std::string& folder, const std::string& name, const std::string& keys) {
        const fs::path device = root_ / "class" / folder / "device";
        fs::create_directories(device / "capabilities");
        std::ofstream(device / "name") << name << "\n";
        std::ofstream(device / "capabilities" / "key") << keys << "\n";
    }
    // An event node that is a plain file: it opens, but is no input device.
    fs::path PlainNode(const std::string& folder) {
        const fs::path node = root_ / "dev" / folder;
        std::ofstream(node) << "not a device";
        return node;
    }
    EvdevButtons Buttons() { return EvdevButtons(root_ / "class", root_ / "dev"); }

    fs::path root_;
};

TEST_F(EvdevButtonsTest, ADeviceThatIsNotThereOrIsNoInputDeviceIsMissing) {
    struct Row {
        const char* rule;
        bool listed;
        bool node;
    };
    const Row rows[] = {
        {"not listed", false, false},
        {"listed without an event node", true, false},
        {"listed with a node that is no input device", true, true},
    };
    for (const Row& row : rows) {
        fs::remove_all(root_ / "class");
        fs::remove_all(root_ / "dev" / "event3");
        if (row.listed) Listed("event3", kPad, kGamepadKeys);
        if (row.node) PlainNode("event3");
        EvdevButtons buttons = Buttons();
        EXPECT_EQ(buttons.Reach(kPad), DeviceAccess::Missing) << row.rule;
        EXPECT_EQ(buttons.WatchButtons(
                      kPad, {"BTN_SOUTH"}, [](const platform::SwitchButtonEvent&) {}, [] {}),
                  DeviceAccess::Missing)
            << row.rule;
        const platform::ButtonListening listening =
            buttons.CatchNextButton([](const std::string&, const std::string&) {});
        EXPECT_EQ(listening.access, DeviceAccess::Missing) << row.rule;
        EXPECT_TRUE(listening.devices.empty()) << row.rule;
    }
}

TEST_F(EvdevButtonsTest, ANodeThisUserMayNotReadIsRefusedAndNamed) {
    if (::geteuid() == 0) GTEST_SKIP() << "every node may be read by root";
    Listed("event4", kPad, kGamepadKeys);
    fs::permissions(PlainNode("event4"), fs::perms::none);
    EvdevButtons buttons = Buttons();
    EXPECT_EQ(buttons.Reach(kPad), DeviceAccess::Refused);
    const platform::ButtonListening listening =
        buttons.CatchNextButton([](const std::string&, const std::string&) {});
    EXPECT_EQ(listening.access, DeviceAccess::Refused);
    EXPECT_EQ(listening.devices, std::vector<std::string>{kPad});
}

TEST_F(EvdevButtonsTest, OnlyJoysticksAndGamepadsAreListenedTo) {
    Listed("event1", "AT Translated Set 2 keyboard", "fffffffe");
    fs::permissions(PlainNode("event1"), fs::perms::none);
    EvdevButtons buttons = Buttons();
    const platform::ButtonListening listening =
        buttons.CatchNextButton([](const std::string&, const std::string&) {});
    EXPECT_EQ(listening.access, DeviceAccess::Missing)
        << "a keyboard that may not be read is no joystick refused";
    EXPECT_TRUE(listening.devices.empty());
}

}  // namespace
