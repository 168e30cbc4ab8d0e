#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/e2e/Receiver.h"
#include "tests/e2e/SoundMonitor.h"
#include "tests/e2e/SpeechService.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/WaylandInput.h"

namespace e2e {
namespace {

const QByteArray kReadingTypedKeys =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuLlegirElQueSEscriu=SI\r\n";
const QByteArray kBridgeChosen = "[SINTETITZADOR]\r\nSintetitzador=Sapi5.1\r\n";
// Row of the key Y in the default Catalan keyboard with every group closed; the keyboard starts
// with its one-shot capital on, so it types "Y".
constexpr int kY = 32;
// Long enough for the restart that puts the pointer on the first key, and well within the
// first scan step.
constexpr int kScanStartMs = 500;
constexpr int kConnectMs = 1000;

// Where the session's bridge listens: its runtime folder, named after the Wayland display.
QString BridgeSocket() {
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + "/vocelia-" +
           QFileInfo(qEnvironmentVariable("WAYLAND_DISPLAY")).fileName() + ".socket";
}

// Asks the compositor to close the keyboard's window, as its close button would.
bool CloseKeyboard() {
    return QProcess::execute("swaymsg", {"[app_id=org.orvalet.Orvalet] kill"}) == 0;
}

bool BridgeListens() {
    QLocalSocket socket;
    socket.connectToServer(BridgeSocket());
    return socket.waitForConnected(kConnectMs);
}

class WaylandBridge : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!SpeechService::Installed()) GTEST_SKIP() << "speech-dispatcher is not installed";
        if (!SoundServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1 and parec";
        ASSERT_TRUE(service.WaitUntilListening()) << "the test's speech service did not start";
        ASSERT_TRUE(input.Connected()) << "the compositor offers no virtual pointer";
        ASSERT_TRUE(config.isValid());
        Write("orvalet.ini", kReadingTypedKeys);
        Write("projectebrunvol.ini", kBridgeChosen);
    }

    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(QDir(config.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void WorkIn(const OrvaletProcess& keyboard, const std::string& title) {
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(receiver.window());
            return TitleOf(keyboard.window()) == title;
        })) << "the caption shows "
            << title;
    }

    // Scanning, switched on and off with the right button, puts the pointer on the first key
    // at (20, 4) of the tree's client area; from there the pointer goes to the row's middle.
    void ClickRow(const OrvaletProcess& keyboard, int row) {
        platform::Rect frame;
        ASSERT_TRUE(WaitFor([&] { return TheDesktop().GetWindowRect(keyboard.window(), &frame); }))
            << "sway tells where the keyboard is";
        input.MoveTo({(frame.left + frame.right) / 2, frame.bottom - 60});
        input.Click(3);
        TheDesktop().WaitForMessages(kScanStartMs);
        input.Click(3);
        const int rowHeight = RowHeight();
        input.MoveBy(40 - 20, row * rowHeight + rowHeight / 2 - 4);
        input.Click();
    }

    SpeechService service;
    WaylandInput input;
    QTemporaryDir config;
    Receiver receiver{QStringLiteral("bridge receiver")};
};

TEST_F(WaylandBridge, AClickedKeyIsSpokenByTheBridgeThroughItsSocket) {
    QTemporaryDir work;
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitFor([&] { return monitor.Recording(); }, kSpeechDeadlineMs))
        << "parec recorded nothing from nul.monitor";
    OrvaletProcess keyboard(
        {}, kReadingTypedKeys,
        {"XDG_CONFIG_HOME=" + config.path(), "SPEECHD_ADDRESS=" + service.Address()});
    ASSERT_TRUE(keyboard.WaitForMainWindow());
    ASSERT_TRUE(WaitFor(BridgeListens, kSpeechDeadlineMs))
        << "the keyboard started no bridge listening at " << BridgeSocket().toStdString();
    ASSERT_NO_FATAL_FAILURE(WorkIn(keyboard, "bridge receiver"));
    const qint64 loudBefore = monitor.LoudSamples();

    ASSERT_NO_FATAL_FAILURE(ClickRow(keyboard, kY));
    EXPECT_TRUE(receiver.WaitForText("Y")) << "got " << receiver.Text().toStdString();
    EXPECT_TRUE(WaitFor(
        [&] { return monitor.LoudSamples() - loudBefore >= SoundMonitor::kLeastLoudSamples; },
        kSpeechDeadlineMs))
        << "loud samples on the monitor: " << monitor.LoudSamples() - loudBefore;

    // Closing the keyboard closes its bridge, through the socket too.
    ASSERT_TRUE(CloseKeyboard());
    EXPECT_TRUE(keyboard.process().waitForFinished(kSpeechDeadlineMs)) << keyboard.State();
    EXPECT_TRUE(WaitFor([] { return !QFile::exists(BridgeSocket()); }))
        << "a bridge that closed takes its socket with it";
}

}  // namespace
}  // namespace e2e
