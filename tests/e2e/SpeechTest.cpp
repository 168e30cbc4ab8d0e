#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/e2e/SoundMonitor.h"
#include "tests/e2e/StepTimeField.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

using platform::KEYEVENTF_KEYUP;

// Speech goes through a sound server on a machine that may be busy with other work.
constexpr int kSpeechDeadlineMs = 20000;

const QByteArray kCatalan = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";
const QByteArray kReadingTypedKeys = kCatalan + "[Menu]\r\nMenuLlegirElQueSEscriu=SI\r\n";
const QByteArray kNaturalVoiceReadingKeys = kCatalan +
                                            "Veu de=Dona\r\n[Menu]\r\nMenuVeuNatural=SI\r\n"
                                            "MenuLlegirlateclaEnEscaneigAutomatic=SI\r\n";
// The step field's fastest value, a tenth of a second, and how many moves of the highlight
// are watched.
constexpr int kFastestStep = 1;
constexpr size_t kMovesWatched = 4;

// Row of the key Y in the default Catalan keyboard with every group closed.
constexpr int kY = 32;
// The read button lies 60 to 90 pixels along the toolbar just above the tree.
constexpr int kReadButtonX = 75;
constexpr int kToolBarAboveTree = 20;

// A WAV file's header: the size of its samples is completed when the utterance ends.
constexpr qint64 kWavHeaderBytes = 44;
constexpr qint64 kWavDataSizeOffset = 40;
constexpr qint64 kWavSampleRateOffset = 24;
// Festival's voice Ona speaks at 16 kHz, eSpeak NG at 22.05 kHz.
constexpr qint64 kFestivalRate = 16000;
constexpr qint64 kBytesPerSample = 2;
// A tenth of a second of voice at the library's rate.
constexpr qint64 kShortestUtterance = 2000;

bool WaitLong(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(kSpeechDeadlineMs);
    while (!deadline.hasExpired()) {
        if (WaitFor(condition)) return true;
    }
    return condition();
}

// Samples of each utterance the library has finished writing, oldest first.
std::vector<qint64> FinishedUtterances(const QString& folder) {
    std::vector<qint64> samples;
    const QStringList files = QDir(folder).entryList({"upctv-*.wav"}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly) || file.size() < kWavHeaderBytes) continue;
        file.seek(kWavDataSizeOffset);
        const QByteArray size = file.read(4);
        qint64 bytes = 0;
        for (int i = 3; i >= 0; --i) bytes = (bytes << 8) | static_cast<quint8>(size.at(i));
        if (bytes > 0) samples.push_back(bytes / kBytesPerSample);
    }
    return samples;
}

class Speech : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("ORVALET_E2E_AUDIO")) {
            GTEST_SKIP() << "no sound server on this desktop (ORVALET_E2E_AUDIO is not set)";
        }
        if (QStandardPaths::findExecutable("parec").isEmpty()) {
            GTEST_SKIP() << "parec is missing: nothing can record the sound server";
        }
        ASSERT_TRUE(wavs.isValid() && work.isValid());
    }

    // The real library speaks aloud and also keeps every utterance in the WAV folder.
    void StartKeyboard(const QByteArray& settings) {
        const QByteArray audio = qgetenv("UPCTV_AUDIO");
        const bool hadAudio = qEnvironmentVariableIsSet("UPCTV_AUDIO");
        qputenv("UPCTV_WAV_DIR", wavs.path().toLocal8Bit());
        qunsetenv("UPCTV_AUDIO");
        keyboard.emplace(QStringList{}, settings);
        qunsetenv("UPCTV_WAV_DIR");
        if (hadAudio) qputenv("UPCTV_AUDIO", audio);
        ASSERT_TRUE(keyboard->WaitForMainWindow());
    }

    void WorkIn(Receiver& window, const std::string& title) {
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(window.window());
            return TitleOf(keyboard->window()) == title;
        })) << "the caption shows "
            << title;
    }

    // Scanning, switched on and off with the right button, puts the pointer on the first
    // key at (20, 4) of the tree's client area: that gives where the rows are.
    void FindTheTree() {
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard->window(), &frame));
        const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
        ClickAt(onTree, 3);
        ASSERT_TRUE(WaitLong([&] { return !(PointerNow() == onTree); }))
            << "the right button at (" << onTree.x << ',' << onTree.y
            << ") switched no scanning on; " << keyboard->State() << "; windows:\n"
            << DescribeWindows();
        const Point firstKey = PointerNow();
        ClickAt(firstKey, 3);
        origin = {firstKey.x - 20, firstKey.y - 4};
        rowHeight = RowHeight();
        ASSERT_GT(rowHeight, 0);
    }

    void ClickRow(int row) { ClickAt({origin.x + 40, origin.y + row * rowHeight + rowHeight / 2}); }
    void ClickRead() { ClickAt({origin.x + kReadButtonX, origin.y - kToolBarAboveTree}); }

    // Waits for the next utterance to be complete in the folder; its samples, or 0.
    qint64 NextUtterance() {
        const size_t before = utterances;
        WaitLong([&] { return FinishedUtterances(wavs.path()).size() > before; });
        const std::vector<qint64> finished = FinishedUtterances(wavs.path());
        if (finished.size() <= before) return 0;
        utterances = finished.size();
        return finished.back();
    }

    QTemporaryDir wavs;
    QTemporaryDir work;
    std::optional<OrvaletProcess> keyboard;
    Point origin;
    int rowHeight = 0;
    size_t utterances = 0;
};

TEST_F(Speech, AClickedKeyIsHeardOnTheSoundServerAndKeptAsAWavFile) {
    ASSERT_NO_FATAL_FAILURE(StartKeyboard(kReadingTypedKeys));
    ASSERT_NO_FATAL_FAILURE(FindTheTree());
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitLong([&] { return monitor.Recording(); }))
        << "parec recorded nothing from nul.monitor";
    const qint64 loudBefore = monitor.LoudSamples();
    ClickRow(kY);
    EXPECT_GT(NextUtterance(), kShortestUtterance) << "the key Y was read into the WAV folder";
    EXPECT_TRUE(WaitLong([&] {
        return monitor.LoudSamples() - loudBefore >= SoundMonitor::kLeastLoudSamples;
    })) << "loud samples on the monitor: "
        << monitor.LoudSamples() - loudBefore;
}

// The sample rate in a WAV file's header.
qint64 SampleRateOf(const QString& file) {
    QFile wav(file);
    if (!wav.open(QIODevice::ReadOnly)) return 0;
    wav.seek(kWavSampleRateOffset);
    const QByteArray rate = wav.read(4);
    qint64 value = 0;
    for (int i = rate.size() - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(rate.at(i));
    return value;
}

TEST_F(Speech, TheNaturalVoiceReadsEachHighlightedKeyAndTheScanWaitsForEachReading) {
    if (!QFile::exists(QCoreApplication::applicationDirPath() + "/libupctv_festival.so")) {
        GTEST_SKIP() << "the speech library was built without Festival (festival-dev)";
    }
    Receiver receiver(QStringLiteral("natural voice receiver"));
    ASSERT_NO_FATAL_FAILURE(StartKeyboard(kNaturalVoiceReadingKeys));
    ASSERT_NO_FATAL_FAILURE(WorkIn(receiver, "natural voice receiver"));
    ASSERT_NO_FATAL_FAILURE(FindTheTree());
    SoundMonitor monitor(work.filePath("monitor.raw"));
    ASSERT_TRUE(WaitLong([&] { return monitor.Recording(); }))
        << "parec recorded nothing from nul.monitor";
    // The fastest step: a scan that did not wait for the reading would move on long before
    // the voice has said a key.
    ASSERT_TRUE(TypeStepTime(keyboard->window(), origin, kFastestStep));
    ASSERT_TRUE(WaitLong([&] {
        return FinishedUtterances(wavs.path()).size() ==
               static_cast<size_t>(QDir(wavs.path()).entryList({"upctv-*.wav"}).size());
    }));
    const size_t before = FinishedUtterances(wavs.path()).size();
    const qint64 loudBefore = monitor.LoudSamples();

    // The right button starts the scan again, on the first key.
    const Point firstKey{origin.x + 20, origin.y + 4};
    ClickAt({origin.x + 40, origin.y + rowHeight / 2}, 3);
    ASSERT_TRUE(WaitLong([&] { return PointerNow() == firstKey; }));
    Point at = firstKey;
    for (size_t move = 1; move <= kMovesWatched; ++move) {
        ASSERT_TRUE(WaitLong([&] { return !(PointerNow() == at); })) << "move " << move;
        at = PointerNow();
        EXPECT_GE(FinishedUtterances(wavs.path()).size() - before, move)
            << "the highlight left a key before its reading ended, at move " << move;
    }
    ClickAt(at, 3);

    const QStringList files = QDir(wavs.path()).entryList({"upctv-*.wav"}, QDir::Files, QDir::Name);
    ASSERT_GE(static_cast<size_t>(files.size()), before + kMovesWatched);
    for (qsizetype i = static_cast<qsizetype>(before); i < files.size(); ++i) {
        EXPECT_EQ(SampleRateOf(QDir(wavs.path()).filePath(files[i])), kFestivalRate)
            << files[i].toStdString() << " was not said by the natural voice";
    }
    EXPECT_TRUE(WaitLong([&] {
        return monitor.LoudSamples() - loudBefore >=
               static_cast<qint64>(kMovesWatched) * SoundMonitor::kLeastLoudSamples;
    })) << "loud samples on the monitor: "
        << monitor.LoudSamples() - loudBefore;
}

void Press(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

// The receiver's text replaced by lower-case letters and blanks, typed as a person would.
void Retype(const QString& text) {
    TheDesktop().keybd_event(platform::VK_CONTROL, 0, 0, 0);
    Press(static_cast<uint8_t>(TheDesktop().VkKeyScanA('a') & 0xFF));
    TheDesktop().keybd_event(platform::VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    Press(platform::VK_BACK);
    for (QChar character : text) {
        Press(static_cast<uint8_t>(TheDesktop().VkKeyScanA(character.toLatin1()) & 0xFF));
    }
}

constexpr int kReadingSettlesMs = 6000;

struct ReadingCase {
    const char* rule;
    QString text;
};

TEST_F(Speech, TheReadButtonSpeaksTheReceiversTextAndLeavesItAsItWas) {
    const ReadingCase kTexts[] = {
        {"a word", QStringLiteral("hola")},
        {"a longer text takes longer to say",
         QStringLiteral("bon dia a tothom i benvinguts a la festa major del poble")},
    };
    Receiver receiver(QStringLiteral("reading receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_NO_FATAL_FAILURE(StartKeyboard(kCatalan));
    ASSERT_NO_FATAL_FAILURE(WorkIn(receiver, "reading receiver"));
    ASSERT_NO_FATAL_FAILURE(FindTheTree());
    qint64 previous = 0;
    for (const ReadingCase& row : kTexts) {
        SCOPED_TRACE(row.rule);
        // The previous reading must be over, or its place on the toolbar holds the stop
        // button: its sound, the sound server's start-up and the status poll take a while.
        if (previous > 0) TheDesktop().WaitForMessages(kReadingSettlesMs);
        ASSERT_NO_FATAL_FAILURE(WorkIn(receiver, "reading receiver"));
        Retype(row.text);
        ASSERT_TRUE(receiver.WaitForText(row.text)) << "got " << receiver.Text().toStdString();
        ClickRead();
        const qint64 samples = NextUtterance();
        EXPECT_GT(samples, previous) << "samples of the reading";
        EXPECT_EQ(receiver.Text(), row.text) << "reading changed the receiver's text";
        previous = samples;
    }
}

}  // namespace
}  // namespace e2e
