#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

#include "output/UnitFindAWindow.h"
#include "platform/Constants.h"
#include "platform/profile/ProfileFiles.h"
#include "tests/e2e/FestivalServer.h"
#include "tests/e2e/SoundMonitor.h"
#include "tests/e2e/SpeechService.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

constexpr const char* kBridgeTitle = "Vocelia - Projecte Brunvol 2005";
constexpr int kProcessEndMs = 10000;

const QByteArray kCatalan = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";
const QByteArray kReadingTypedKeys = kCatalan + "[Menu]\r\nMenuLlegirElQueSEscriu=SI\r\n";
// Row of the key Y in the default Catalan keyboard with every group closed.
constexpr int kY = 32;

QString BridgeProgram() { return QCoreApplication::applicationDirPath() + "/vocelia"; }

// The bridge's process: the "vocelia" that runs with this settings folder.
pid_t BridgePid(const QString& configFolder) {
    const QByteArray mark = "XDG_CONFIG_HOME=" + QFile::encodeName(configFolder);
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
        if (!number) continue;
        QFile command("/proc/" + entry + "/cmdline");
        QFile environment("/proc/" + entry + "/environ");
        if (!command.open(QIODevice::ReadOnly) || !environment.open(QIODevice::ReadOnly)) continue;
        const QByteArray program = command.readAll().split('\0').value(0);
        if (!program.endsWith("/vocelia")) continue;
        if (environment.readAll().split('\0').contains(mark)) return pid;
    }
    return 0;
}

int BridgeWindows() {
    int windows = 0;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        if (TitleOf(window).find(kBridgeTitle) != std::string::npos) ++windows;
        return true;
    });
    return windows;
}

// The real keyboard, started with the bridge chosen at its last close, so that it starts the
// real bridge itself; both share a settings folder of their own and the test's speech service.
class KeyboardWithBridge {
  public:
    // bridgeChoice: lines of the bridge's own section "VOCELIA" already there.
    explicit KeyboardWithBridge(const SpeechService& service, const QByteArray& settings = kCatalan,
                                const QByteArray& bridgeChoice = {}) {
        Write("orvalet.ini", settings);
        Write("projectebrunvol.ini",
              "[SINTETITZADOR]\r\nSintetitzador=Sapi5.1\r\n" +
                  (bridgeChoice.isEmpty() ? QByteArray() : "[VOCELIA]\r\n" + bridgeChoice));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        environment.insert("SPEECHD_ADDRESS", service.Address());
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
            keyboard_.waitForFinished(kProcessEndMs);
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
    bool WaitForBridge() {
        return WaitFor(
            [&] {
                bridgeWindow = FindWindowByTitle(TheDesktop(), kBridgeTitle);
                return bridgeWindow != 0;
            },
            kSpeechDeadlineMs);
    }
    void Close() { TheDesktop().SendMessageA(keyboardWindow, platform::WM_CLOSE, 0, 0); }
    bool KeyboardEnded() { return keyboard_.waitForFinished(kProcessEndMs); }
    // No bridge window and no bridge process of this keyboard's folder are left.
    bool BridgeGone() {
        return WaitFor(
            [&] { return FindWindowByTitle(TheDesktop(), kBridgeTitle) == 0 && BridgePid() == 0; });
    }
    pid_t BridgePid() const { return e2e::BridgePid(config_.path()); }

    // Hands the bridge a text to read, as the keyboard does.
    void Read(const char* text) {
        WriteSuite("VOCELIA", "LLEGIR", text);
        TheDesktop().SendMessageA(bridgeWindow, platform::WM_USER, 0, 0);
    }
    std::string Suite(const char* section, const char* key) {
        char value[256] = {};
        platform::GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                                           SuitePath().c_str());
        return value;
    }
    void WriteSuite(const char* section, const char* key, const char* value) {
        platform::WritePrivateProfileStringA(section, key, value, SuitePath().c_str());
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

class Vocelia : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!SpeechService::Installed()) GTEST_SKIP() << "speech-dispatcher is not installed";
        ASSERT_TRUE(service.WaitUntilListening()) << "the test's speech service did not start";
    }

    SpeechService service;
};

TEST_F(Vocelia, ATextReadInTheBridgesFirstSecondsIsSpokenAndClosingLeavesNoBridge) {
    if (!SoundServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1 and parec";
    QTemporaryDir work;
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitFor([&] { return monitor.Recording(); }, kSpeechDeadlineMs))
        << "parec recorded nothing from nul.monitor";
    service.Pause();
    KeyboardWithBridge run(service);
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    EXPECT_EQ(run.Suite("VOCELIA", "Programa executant-se"), "1");
    const qint64 loudBefore = monitor.LoudSamples();

    run.Read("bon dia a tothom");
    EXPECT_EQ(run.Suite("VOCELIA", "STATUS"), "1") << "a text still to be said counts as speech";
    service.Resume();
    EXPECT_TRUE(WaitFor(
        [&] { return monitor.LoudSamples() - loudBefore >= SoundMonitor::kLeastLoudSamples; },
        kSpeechDeadlineMs))
        << "loud samples on the monitor: " << monitor.LoudSamples() - loudBefore;
    EXPECT_TRUE(WaitFor([&] { return run.Suite("VOCELIA", "STATUS") == "0"; }, kSpeechDeadlineMs));

    run.Close();
    EXPECT_TRUE(run.KeyboardEnded());
    EXPECT_TRUE(run.BridgeGone());
    EXPECT_EQ(run.Suite("VOCELIA", "STATUS"), "0");
    EXPECT_EQ(run.Suite("VOCELIA", "Orvalet"), "0");
    EXPECT_EQ(run.Suite("SINTETITZADOR", "Sintetitzador"), "Sapi5.1");
}

// Scanning, switched on and off with the right button, puts the pointer on the first key at
// (20, 4) of the tree's client area; the row's middle, 40 pixels in, is where a person clicks.
void ClickRowOf(platform::HWND keyboard, int row) {
    platform::Rect frame;
    ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard, &frame));
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    ClickAt(onTree, 3);
    ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }, kSpeechDeadlineMs))
        << "the right button switched no scanning on";
    const Point firstKey = PointerNow();
    ClickAt(firstKey, 3);
    const int rowHeight = RowHeight();
    ClickAt({firstKey.x - 20 + 40, firstKey.y - 4 + row * rowHeight + rowHeight / 2});
}

TEST_F(Vocelia, AKeyClickedWhileTheBridgeIsChosenIsSpokenByTheBridge) {
    if (!SoundServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1 and parec";
    QTemporaryDir work;
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitFor([&] { return monitor.Recording(); }, kSpeechDeadlineMs))
        << "parec recorded nothing from nul.monitor";
    KeyboardWithBridge run(service, kReadingTypedKeys);
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    const qint64 loudBefore = monitor.LoudSamples();

    ASSERT_NO_FATAL_FAILURE(ClickRowOf(run.keyboardWindow, kY));
    EXPECT_TRUE(WaitFor([&] { return run.Suite("VOCELIA", "LLEGIR") != "(missing)"; }))
        << "the key was handed to the bridge";
    EXPECT_TRUE(WaitFor(
        [&] { return monitor.LoudSamples() - loudBefore >= SoundMonitor::kLeastLoudSamples; },
        kSpeechDeadlineMs))
        << "loud samples on the monitor: " << monitor.LoudSamples() - loudBefore;
}

TEST_F(Vocelia, ABridgeThatDoesNotAnswerHoldsTheKeyboardOnlySoLongAndIsEnded) {
    KeyboardWithBridge run(service);
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    const pid_t bridge = run.BridgePid();
    ASSERT_NE(bridge, 0);
    ASSERT_EQ(::kill(bridge, SIGSTOP), 0);

    // The read message finds no answer; the sender goes on.
    run.WriteSuite("VOCELIA", "LLEGIR", "hola");
    EXPECT_EQ(TheDesktop().SendMessageA(run.bridgeWindow, platform::WM_USER, 0, 0), 0);
    // The keyboard's close waits for the bridge only so long, ends it, then finishes its work.
    run.Close();
    EXPECT_TRUE(run.KeyboardEnded());
    EXPECT_TRUE(run.BridgeGone());
    EXPECT_EQ(run.Suite("SINTETITZADOR", "Sintetitzador"), "Sapi5.1");
}

// speech-dispatcher's Festival module reaches the Festival server when the module starts, so
// the server comes first.
class VoceliaWithFestival : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!SpeechService::Installed() || !FestivalServer::Installed())
            GTEST_SKIP() << "speech-dispatcher or festival is not installed";
        if (!SoundServer()) GTEST_SKIP() << "needs ORVALET_E2E_AUDIO=1 and parec";
        if (FestivalServer::PortTaken()) GTEST_SKIP() << "another Festival server runs";
        festival.emplace();
        ASSERT_TRUE(festival->WaitUntilListening()) << "the test's Festival server did not start";
        service.emplace();
        ASSERT_TRUE(service->WaitUntilListening()) << "the test's speech service did not start";
    }

    std::optional<FestivalServer> festival;
    std::optional<SpeechService> service;
};

TEST_F(VoceliaWithFestival, CatalanWithFestivalsVoiceOnaChosenIsSaidByOna) {
    QTemporaryDir work;
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitFor([&] { return monitor.Recording(); }, kSpeechDeadlineMs))
        << "parec recorded nothing from nul.monitor";
    KeyboardWithBridge run(*service, kCatalan, "Idioma=ca_ES\r\nVeu=upc_ca_ona_hts\r\n");
    ASSERT_TRUE(run.WaitForKeyboard());
    ASSERT_TRUE(run.WaitForBridge());
    const qint64 loudBefore = monitor.LoudSamples();

    // Given in the bridge's first moments, the text waits for the voice chosen last time.
    run.Read("bon dia a tothom");
    EXPECT_TRUE(WaitFor(
        [&] { return monitor.LoudSamples() - loudBefore >= SoundMonitor::kLeastLoudSamples; },
        kSpeechDeadlineMs))
        << "loud samples on the monitor: " << monitor.LoudSamples() - loudBefore;
    EXPECT_TRUE(WaitFor([&] { return festival->VoicesSpoken().contains("upc_ca_ona_hts"); }))
        << "Festival said: " << festival->VoicesSpoken().toStdString();
}

// A bridge started by hand, as the keyboard starts it, with its own folders.
class HandStartedBridge {
  public:
    HandStartedBridge(const QString& config, const QString& runtime, const SpeechService& service) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config);
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("SPEECHD_ADDRESS", service.Address());
        bridge_.setProcessEnvironment(environment);
        bridge_.setProcessChannelMode(QProcess::ForwardedChannels);
        bridge_.start(BridgeProgram(), {"BRUNVOL"});
    }
    ~HandStartedBridge() {
        if (bridge_.state() == QProcess::NotRunning) return;
        bridge_.kill();
        bridge_.waitForFinished(kProcessEndMs);
    }

    bool Left() { return bridge_.waitForFinished(kProcessEndMs) && bridge_.exitCode() == 0; }
    // Ended at once, as a crash ends it.
    void Crash() {
        bridge_.kill();
        bridge_.waitForFinished(kProcessEndMs);
    }

  private:
    QProcess bridge_;
};

TEST_F(Vocelia, ASecondBridgeInTheSessionLeavesAndACrashedOneHoldsNothing) {
    QTemporaryDir config;
    QTemporaryDir runtime;
    auto first = std::make_unique<HandStartedBridge>(config.path(), runtime.path(), service);
    ASSERT_TRUE(WaitFor([] { return BridgeWindows() == 1; }, kSpeechDeadlineMs));

    HandStartedBridge second(config.path(), runtime.path(), service);
    EXPECT_TRUE(second.Left()) << "the second bridge of the session ends by itself";
    EXPECT_EQ(BridgeWindows(), 1);

    first->Crash();
    ASSERT_TRUE(WaitFor([] { return BridgeWindows() == 0; }));
    HandStartedBridge next(config.path(), runtime.path(), service);
    EXPECT_TRUE(WaitFor([] { return BridgeWindows() == 1; }, kSpeechDeadlineMs))
        << "the lock of a crashed bridge does not keep the next one out";
}

}  // namespace
}  // namespace e2e
