#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <optional>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/e2e/StepTimeField.h"
#include "tests/e2e/SwitchInterface.h"
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

    Receiver receiver{QStringLiteral("switch receiver"), {QStringLiteral("--log-keys")}};
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
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA")))
        << receiver.Text().toStdString() << "; " << receiver.KeyEvents().join(", ").toStdString();
    TheDesktop().WaitForMessages(kSettleMs);
    EXPECT_EQ(receiver.Text(), QStringLiteral("BA")) << "neither switch reached the receiver";
}

// The key events of a switch key among those the receiver logged.
QStringList EventsOf(const QStringList& events, const QString& key) {
    return events.filter(QRegularExpression(QStringLiteral("^(press|release) %1$").arg(key)));
}

// Two switches on a switch box of its own that sends F11 to move and F12 to choose, each held
// a moment as a hand holds it: the keyboard moves and types while the key is still down.
class FunctionKeySwitchBox : public Switches {
  protected:
    FunctionKeySwitchBox()
        : Switches("[Commutador]\r\nCommutador=F12\r\nEscaneig=DosCommutadors\r\nAvancar=F11\r\n") {
    }

    void SetUp() override {
        Switches::SetUp();
        box.emplace(receiver.window());
        // The keyboard takes a device plugged in while it catches the switch keys once the
        // server has announced it.
        TheDesktop().WaitForMessages(kSettleMs);
    }
    bool Move() {
        const Point before = PointerNow();
        box->Key("F11", true);
        const bool moved = WaitFor([&] { return !(PointerNow() == before); }, kScanWaitMs);
        box->Key("F11", false);
        return moved;
    }
    void Choose() {
        box->Key("F12", true);
        TheDesktop().WaitForMessages(kHoldMs);
        box->Key("F12", false);
    }

    // How long a choosing press is held: the key it chooses is typed meanwhile.
    static constexpr int kHoldMs = 300;
    // Plugged in once the keyboard follows the receiver: a second device's focus, set on the
    // receiver before, keeps the window manager from making the receiver the window in front.
    std::optional<SwitchInterface> box;
};

TEST_F(FunctionKeySwitchBox, NeitherPressNorReleaseOfASwitchKeyReachesTheReceiver) {
    ASSERT_TRUE(box->Plugged()) << "the desktop made no device for the switch box";
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(Move()) << "move " << i + 1;
    Choose();
    ASSERT_TRUE(Move());
    ASSERT_TRUE(Move());
    Choose();
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA"))) << receiver.Text().toStdString();
    TheDesktop().WaitForMessages(kSettleMs);
    const QStringList events = receiver.KeyEvents();
    EXPECT_EQ(EventsOf(events, QStringLiteral("F11")), QStringList{}) << "the moving switch";
    EXPECT_EQ(EventsOf(events, QStringLiteral("F12")), QStringList{}) << "the choosing switch";
    EXPECT_EQ(EventsOf(events, QStringLiteral("A")),
              (QStringList{QStringLiteral("press A"), QStringLiteral("release A")}))
        << "the chosen key arrives, pressed and released: " << events.join(", ").toStdString();

    SwitchScanningOff();
    TheDesktop().WaitForMessages(kSettleMs);
    Choose();
    EXPECT_TRUE(WaitFor([&] {
        return EventsOf(receiver.KeyEvents(), QStringLiteral("F12")) ==
               (QStringList{QStringLiteral("press F12"), QStringLiteral("release F12")});
    })) << "with scanning off the switch box's key reaches the receiver again: "
        << receiver.KeyEvents().join(", ").toStdString();
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
