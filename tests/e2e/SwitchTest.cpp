#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/e2e/StepTimeField.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Even on a loaded machine, ten steps and a few more fit well inside this.
constexpr int kScanWaitMs = 30000;
// Long enough for a blank typed into the receiver to show, and for fifteen of the fastest steps.
constexpr int kSettleMs = 1500;
// The fastest step, a tenth of a second.
constexpr int kFastestStep = 1;

const QByteArray kLanguage = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";

// A key pressed and released by a switch interface that sends keys, at once: the scan may take
// its next step a tenth of a second later.
void PressKey(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

uint8_t Space() { return static_cast<uint8_t>(TheDesktop().VkKeyScanA(' ') & 0xFF); }

// The keyboard with its switches set in the settings file, and a receiver the user works in;
// scanning is switched on with the right button on the keys, at the fastest step.
class Switches : public ::testing::Test {
  protected:
    explicit Switches(const QByteArray& switches) : keyboard({}, kLanguage + switches) {}

    void SetUp() override {
        ASSERT_NE(receiver.window(), 0u);
        ASSERT_TRUE(keyboard.WaitForMainWindow());
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(receiver.window());
            return TitleOf(keyboard.window()) == "switch receiver";
        }));
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
        onTree = {(frame.left + frame.right) / 2, frame.bottom - 60};
        // Switched on and off, scanning puts the pointer on the first key at (20, 4) of the
        // tree: the step field is on the toolbar above it.
        ClickAt(onTree, 3);
        ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }, kScanWaitMs))
            << "the right button switched scanning on";
        firstKey = PointerNow();
        ClickAt(firstKey, 3);
        ASSERT_TRUE(
            TypeStepTime(keyboard.window(), {firstKey.x - 20, firstKey.y - 4}, kFastestStep));
        ASSERT_TRUE(WaitFor([&] {
            return TheDesktop().GetForegroundWindow() == receiver.window();
        })) << "the step field gave the focus back";
        QProcess::execute("xdotool",
                          {"mousemove", QString::number(onTree.x), QString::number(onTree.y)});
        ClickHere(3);
        ASSERT_TRUE(WaitForPointerAt(firstKey, kScanWaitMs))
            << "the right button switched scanning on";
    }

    void SwitchScanningOff() { ClickAt(onTree, 3); }

    Receiver receiver{QStringLiteral("switch receiver")};
    OrvaletProcess keyboard;
    Point onTree;
    Point firstKey;
};

class SpaceSwitch : public Switches {
  protected:
    SpaceSwitch() : Switches("[Commutador]\r\nCommutador=space\r\n") {}
};

TEST_F(SpaceSwitch, SpacePressesTypeBAAndTheReceiverGetsNoBlank) {
    // The eleventh top-level key is the group B; BA is the second of its keys.
    ASSERT_TRUE(WaitForPointerMoves(10, kScanWaitMs));
    PressKey(Space());
    ASSERT_TRUE(WaitForPointerMoves(2, kScanWaitMs));
    PressKey(Space());
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA"))) << receiver.Text().toStdString();
    EXPECT_TRUE(WaitForPointerAt(firstKey, kScanWaitMs))
        << "after a key the scan starts again at the first key";
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(receiver.Text(), QStringLiteral("BA")) << "no Space reached the receiver";

    SwitchScanningOff();
    TheDesktop().WaitForMessages(kSettleMs);
    PressKey(Space());
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA ")))
        << "with scanning off the key types again: " << receiver.Text().toStdString();
}

class TwoKeySwitches : public Switches {
  protected:
    TwoKeySwitches()
        : Switches(
              "[Commutador]\r\nCommutador=space\r\nEscaneig=DosCommutadors\r\nAvancar=Return\r\n") {
    }
    // One press of the moving switch, and the highlight's move it makes. The step may be made
    // at once, so the pointer is read before the press.
    bool Move() {
        const Point before = PointerNow();
        PressKey(platform::VK_RETURN);
        return WaitFor([&] { return !(PointerNow() == before); }, kScanWaitMs);
    }
};

TEST_F(TwoKeySwitches, TenMovesAndTwoMoreTypeBA) {
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(PointerNow(), firstKey) << "no timer moves the highlight";
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(Move()) << "move " << i + 1;
    PressKey(Space());
    ASSERT_TRUE(Move());
    ASSERT_TRUE(Move());
    PressKey(Space());
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA"))) << receiver.Text().toStdString();
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(receiver.Text(), QStringLiteral("BA")) << "neither switch reached the receiver";
}

QByteArray Settings(const OrvaletProcess& orvalet) {
    QFile file(orvalet.configFolder() + "/orvalet.ini");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SwitchSettings, TheSwitchesAreBackAfterARestart) {
    const QByteArray switches =
        "[Commutador]\r\nCommutador=space\r\nEscaneig=DosCommutadors\r\nAvancar=Return\r\n"
        "Avancar sol=10\r\n";
    QByteArray saved = kLanguage + switches;
    for (int run = 0; run < 2; ++run) {
        OrvaletProcess orvalet({}, saved);
        ASSERT_TRUE(orvalet.WaitForMainWindow());
        TheDesktop().SendMessageA(orvalet.window(), platform::WM_CLOSE, 0, 0);
        ASSERT_TRUE(orvalet.process().waitForFinished(5000));
        saved = Settings(orvalet);
        EXPECT_TRUE(saved.contains(switches)) << "run " << run + 1 << ":\n" << saved.data();
    }
}

}  // namespace
}  // namespace e2e
