#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

#include "output/UnitFindAWindow.h"
#include "platform/Constants.h"
#include "platform/profile/ProfileFiles.h"
#include "tests/e2e/TestDesktop.h"

namespace e2e {
namespace {

constexpr const char* kBridgeTitle = "Vocelia - Projecte Brunvol 2005";

// The real keyboard, started with the bridge chosen at its last close, so that it starts the
// real bridge itself; both share a settings folder of their own.
class KeyboardWithBridge {
  public:
    KeyboardWithBridge() {
        Write("orvalet.ini", "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n");
        Write("projectebrunvol.ini", "[SINTETITZADOR]\r\nSintetitzador=Sapi5.1\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        keyboard_.setProcessEnvironment(environment);
        keyboard_.setProcessChannelMode(QProcess::ForwardedChannels);
        keyboard_.start(QCoreApplication::applicationDirPath() + "/orvalet");
    }
    ~KeyboardWithBridge() {
        if (const pid_t bridge = BridgePid()) {
            ::kill(bridge, SIGCONT);
            ::kill(bridge, SIGKILL);
        }
        if (keyboard_.state() != QProcess::NotRunning) {
            keyboard_.kill();
            keyboard_.waitForFinished(3000);
        }
    }

    // The keyboard's window, found while its caption is still its own.
    bool WaitForKeyboard() {
        return WaitFor([&] {
            TheDesktop().EnumWindows([&](platform::HWND window) {
                if (TitleOf(window) == "Orvalet") keyboardWindow = window;
                return keyboardWindow == 0;
            });
            return keyboardWindow != 0;
        });
    }
    // The bridge's window; its speech service may take a while to answer at its start.
    bool WaitForBridge() {
        for (int tries = 0; tries < 3 && bridgeWindow == 0; ++tries) {
            WaitFor([&] {
                bridgeWindow = FindWindowByTitle(TheDesktop(), kBridgeTitle);
                return bridgeWindow != 0;
            });
        }
        return bridgeWindow != 0;
    }
    bool BridgeGone() {
        return WaitFor([] { return FindWindowByTitle(TheDesktop(), kBridgeTitle) == 0; });
    }
    bool KeyboardEnded() { return keyboard_.waitForFinished(10000); }

    std::string Suite(const char* section, const char* key) {
        char value[256] = {};
        platform::GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                                           SuitePath().c_str());
        return value;
    }
    void WriteSuite(const char* section, const char* key, const char* value) {
        platform::WritePrivateProfileStringA(section, key, value, SuitePath().c_str());
    }

    // The bridge's process: the "vocelia" that runs with this settings folder.
    pid_t BridgePid() const {
        const QByteArray mark = "XDG_CONFIG_HOME=" + QFile::encodeName(config_.path());
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool number = false;
            const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
            if (!number) continue;
            QFile command("/proc/" + entry + "/cmdline");
            QFile environment("/proc/" + entry + "/environ");
            if (!command.open(QIODevice::ReadOnly) || !environment.open(QIODevice::ReadOnly))
                continue;
            const QByteArray program = command.readAll().split('\0').value(0);
            if (!program.endsWith("/vocelia")) continue;
            if (environment.readAll().split('\0').contains(mark)) return pid;
        }
        return 0;
    }

    platform::HWND keyboardWindow = 0;
    platform::HWND bridgeWindow = 0;

  private:
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(config_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    std::string SuitePath() const {
        return QFile::encodeName(config_.filePath("projectebrunvol.ini")).toStdString();
    }

    QTemporaryDir config_;
    QProcess keyboard_;
};

// speech-dispatcher needs a sound server; desktop.sh gives one with ORVALET_E2E_AUDIO=1.
bool AudioServer() { return qEnvironmentVariable("ORVALET_E2E_AUDIO") == "1"; }

// Hands the bridge a text until it takes it: its speech service can take many seconds to
// answer after the bridge starts, and until then the bridge reports silence.
bool ReadUntilSpeaking(KeyboardWithBridge& run) {
    constexpr int kTries = 60;
    constexpr int kPauseMs = 2000;
    for (int tries = 0; tries < kTries; ++tries) {
        run.WriteSuite("VOCELIA", "LLEGIR", "bon dia a tothom");
        TheDesktop().SendMessageA(run.bridgeWindow, platform::WM_USER, 0, 0);
        // Marked as speaking before the handler answered.
        if (run.Suite("VOCELIA", "STATUS") == "1") return true;
        EXPECT_EQ(run.Suite("VOCELIA", "STATUS"), "0");
        TheDesktop().WaitForMessages(kPauseMs);
    }
    return false;
}

TEST(Vocelia, TheKeyboardStartsTheBridgeWhichSpeaksAndClosesWithIt) {
    if (!AudioServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1";
    KeyboardWithBridge run;
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    EXPECT_EQ(run.Suite("VOCELIA", "Programa executant-se"), "1");
    EXPECT_EQ(run.Suite("VOCELIA", "STATUS"), "0");

    ASSERT_TRUE(ReadUntilSpeaking(run));
    // Silent again once speech has ended.
    EXPECT_TRUE(WaitFor([&] { return run.Suite("VOCELIA", "STATUS") == "0"; }));

    TheDesktop().SendMessageA(run.keyboardWindow, platform::WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.KeyboardEnded());
    EXPECT_TRUE(run.BridgeGone());
    EXPECT_TRUE(WaitFor([&] { return run.BridgePid() == 0; }));
    EXPECT_EQ(run.Suite("VOCELIA", "STATUS"), "0");
    EXPECT_EQ(run.Suite("VOCELIA", "Orvalet"), "0");
    EXPECT_EQ(run.Suite("SINTETITZADOR", "Sintetitzador"), "Sapi5.1");
}

TEST(Vocelia, AStoppedBridgeDoesNotHoldTheKeyboard) {
    if (!AudioServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1";
    KeyboardWithBridge run;
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    const pid_t bridge = run.BridgePid();
    ASSERT_NE(bridge, 0);
    ASSERT_EQ(::kill(bridge, SIGSTOP), 0);

    // The read message finds no answer; the sender goes on.
    run.WriteSuite("VOCELIA", "LLEGIR", "hola");
    EXPECT_EQ(TheDesktop().SendMessageA(run.bridgeWindow, platform::WM_USER, 0, 0), 0);
    // The keyboard's close waits for the bridge only so long, then finishes its own work.
    TheDesktop().SendMessageA(run.keyboardWindow, platform::WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.KeyboardEnded());
    EXPECT_EQ(run.Suite("SINTETITZADOR", "Sintetitzador"), "Sapi5.1");
}

}  // namespace
}  // namespace e2e
