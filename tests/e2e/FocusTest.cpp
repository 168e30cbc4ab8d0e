#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/e2e/StepTimeField.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// The top-level key Y of the default Catalan keyboard, counted from the first row.
constexpr int kY = 32;
// Where the speed field sits on the toolbar, in pixels from the tree's left edge and above it.
constexpr int kSpeedFieldX = 136, kToolbarAbove = 14;
constexpr int kScanWaitMs = 60000;
// The fastest step, a tenth of a second.
constexpr int kFastestStep = 1;

class Focus : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(keyboard.WaitForMainWindow());
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(receiver.window());
            return TitleOf(keyboard.window()) == "focus receiver";
        }));
        // Scanning, switched on and off with the right button, puts the pointer on the first
        // key at (20, 4) of the tree: that gives where the rows are.
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
        const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
        ClickAt(onTree, 3);
        ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }));
        firstKey = PointerNow();
        ClickAt(firstKey, 3);
        lostBefore = receiver.FocusLost();
    }

    Point TreeOrigin() const { return {firstKey.x - 20, firstKey.y - 4}; }
    Point Row(int row) const {
        return {firstKey.x + 20, firstKey.y - 4 + row * RowHeight() + RowHeight() / 2};
    }

    Receiver receiver{QStringLiteral("focus receiver")};
    // Every typed key is read aloud and kept as a sound file, heard nowhere.
    QTemporaryDir wavs;
    OrvaletProcess keyboard{
        {},
        "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuLlegirElQueSEscriu=SI\r\n",
        {"UPCTV_AUDIO=none", "UPCTV_WAV_DIR=" + wavs.path()}};
    Point firstKey;
    int lostBefore = 0;
};

TEST_F(Focus, TheReceiverKeepsTheFocusThroughKeysAndScanning) {
    QString typed;
    for (int click = 0; click < 50; ++click) {
        ClickAt(Row(kY));
        typed += 'Y';
    }
    EXPECT_TRUE(receiver.WaitForText(typed)) << receiver.Text().toStdString();
    EXPECT_EQ(receiver.FocusLost(), lostBefore) << "clicks on keys took the focus away";

    // Typing into the step field takes the focus for a moment, by design.
    ASSERT_TRUE(TypeStepTime(keyboard.window(), TreeOrigin(), kFastestStep));
    ASSERT_TRUE(WaitFor([&] { return TheDesktop().GetForegroundWindow() == receiver.window(); }));
    const int lostBeforeScanning = receiver.FocusLost();
    ClickAt(Row(kY), 3);
    ASSERT_TRUE(WaitForPointerMoves(30, kScanWaitMs));
    ClickAt(PointerNow(), 3);
    EXPECT_EQ(receiver.FocusLost(), lostBeforeScanning) << "scan steps took the focus away";
    EXPECT_EQ(TheDesktop().GetForegroundWindow(), receiver.window());
}

// The size of the newest utterance the speech library kept, in bytes: at a higher speed the
// same key takes fewer.
qint64 NewestUtterance(const QTemporaryDir& folder) {
    const QFileInfoList files =
        QDir(folder.path()).entryInfoList({"upctv-*.wav"}, QDir::Files, QDir::Name);
    return files.isEmpty() ? 0 : files.back().size();
}

void Tap(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

TEST_F(Focus, TheSpeedFieldTakesTheFocusWhileTheUserTypesIntoIt) {
    ClickAt(Row(kY));
    ASSERT_TRUE(receiver.WaitForText("Y"));
    ASSERT_TRUE(WaitFor([&] { return NewestUtterance(wavs) > 0; })) << "the key is read aloud";
    const qint64 atSpeed100 = NewestUtterance(wavs);
    ClickAt({firstKey.x - 20 + kSpeedFieldX, firstKey.y - 4 - kToolbarAbove});
    TheDesktop().WaitForMessages(300);
    // Every edit applies at once and an empty field falls back to 100: "100" becomes "1", then
    // "199".
    Tap(platform::VK_END);
    for (int i = 0; i < 2; ++i) Tap(platform::VK_BACK);
    for (uint8_t digit : {'9', '9'}) Tap(digit);
    Tap(platform::VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return TheDesktop().GetForegroundWindow() == receiver.window(); }))
        << "Return gives the focus back";
    EXPECT_EQ(receiver.Text(), QString("Y")) << "the digits went to the receiver";
    ClickAt(Row(kY));
    EXPECT_TRUE(receiver.WaitForText("YY")) << "the next key goes to the receiver";
    // The second reading of the key, at the speed typed into the field, is shorter.
    EXPECT_TRUE(WaitFor([&] {
        const qint64 now = NewestUtterance(wavs);
        return now > 0 && now < atSpeed100 * 3 / 4;
    })) << atSpeed100
        << " then " << NewestUtterance(wavs);
}

}  // namespace
}  // namespace e2e
