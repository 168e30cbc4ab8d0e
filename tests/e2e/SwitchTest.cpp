#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Steps of 1.2 seconds: ten steps and a few more fit well inside this.
constexpr int kScanWaitMs = 30000;
// Long enough for a blank typed into the receiver to show.
constexpr int kSettleMs = 1500;

const QByteArray kLanguage = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";

// A key pressed and released by a switch interface that sends keys.
void PressKey(const char* keysym) { QProcess::execute("xdotool", {"key", keysym}); }

// The keyboard with its switches set in the settings file, and a receiver the user works in;
// scanning is switched on with the right button on the keys.
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
        ClickAt(onTree, 3);
        ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }, kScanWaitMs))
            << "the right button switched scanning on";
        firstKey = PointerNow();
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
    PressKey("space");
    ASSERT_TRUE(WaitForPointerMoves(2, kScanWaitMs));
    PressKey("space");
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA"))) << receiver.Text().toStdString();
    EXPECT_TRUE(WaitFor([&] { return PointerNow() == firstKey; }))
        << "after a key the scan starts again at the first key";
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(receiver.Text(), QStringLiteral("BA")) << "no Space reached the receiver";

    SwitchScanningOff();
    TheDesktop().WaitForMessages(kSettleMs);
    PressKey("space");
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA ")))
        << "with scanning off the key types again: " << receiver.Text().toStdString();
}

class TwoKeySwitches : public Switches {
  protected:
    TwoKeySwitches()
        : Switches(
              "[Commutador]\r\nCommutador=space\r\nEscaneig=DosCommutadors\r\nAvancar=Return\r\n") {
    }
    // One press of the moving switch, and the highlight's move it makes. The step is made
    // before xdotool has ended, so the pointer is read before the press.
    bool Move() {
        const Point before = PointerNow();
        PressKey("Return");
        return WaitFor([&] { return !(PointerNow() == before); }, kScanWaitMs);
    }
};

TEST_F(TwoKeySwitches, TenMovesAndTwoMoreTypeBA) {
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(PointerNow(), firstKey) << "no timer moves the highlight";
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(Move()) << "move " << i + 1;
    PressKey("space");
    ASSERT_TRUE(Move());
    ASSERT_TRUE(Move());
    PressKey("space");
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
