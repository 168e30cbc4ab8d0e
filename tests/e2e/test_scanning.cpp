#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include "tests/e2e/Receiver.h"
#include "tests/e2e/StepTimeField.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// The fastest step, a tenth of a second; its rules are the same at every pace.
constexpr int kFastestStep = 1;
// Even on a loaded machine, ten steps and a few more fit well inside this.
constexpr int kScanWaitMs = 30000;
// Ten steps' time: long enough to see that the highlight stays where it is.
constexpr int kStillMs = 1000;

void Xdotool(const QStringList& arguments) { QProcess::execute("xdotool", arguments); }

// A desktop scaled for people with low vision: the keyboard's logical pixels are several of
// the screen's.
struct Scale {
    const char* name;
    QStringList environment;
    double factor;
};

class Scanning : public ::testing::TestWithParam<Scale> {};

TEST_P(Scanning, ASwitchTypesBAIntoTheReceivingWindowAndTheScanStartsAgain) {
    Receiver receiver(QStringLiteral("scanning receiver"));
    ASSERT_NE(receiver.window(), 0u);
    OrvaletProcess keyboard({}, "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n",
                            GetParam().environment);
    ASSERT_TRUE(keyboard.WaitForMainWindow());
    // The user works in the receiver; the keyboard may still be taking the focus it got
    // when it appeared.
    ASSERT_TRUE(WaitFor([&] {
        TheDesktop().BringWindowToTop(receiver.window());
        return TitleOf(keyboard.window()) == "scanning receiver";
    })) << "the caption shows the receiving window's title";

    platform::Rect frame;
    ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    Xdotool({"mousemove", QString::number(onTree.x), QString::number(onTree.y)});
    ClickHere(3);
    ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }, kScanWaitMs))
        << "the right button switched scanning on and put the pointer on the first key";
    const Point firstKey = PointerNow();
    EXPECT_GT(firstKey.x, frame.left);
    EXPECT_LT(firstKey.x, frame.right) << "the switch must land on the keyboard";
    EXPECT_GT(firstKey.y, frame.top);
    EXPECT_LT(firstKey.y, onTree.y);
    ClickHere(3);

    // The first key stands at (20, 4) of the tree: the toolbar's step field is above it.
    const double scale = GetParam().factor;
    const Point treeOrigin{firstKey.x - static_cast<int>(20 * scale),
                           firstKey.y - static_cast<int>(4 * scale)};
    ASSERT_TRUE(TypeStepTime(keyboard.window(), treeOrigin, kFastestStep, scale));
    ASSERT_TRUE(WaitFor([&] { return TheDesktop().GetForegroundWindow() == receiver.window(); }))
        << "the step field gave the focus back to the receiving window";
    Xdotool({"mousemove", QString::number(onTree.x), QString::number(onTree.y)});
    ClickHere(3);
    ASSERT_TRUE(WaitForPointerAt(firstKey, kScanWaitMs)) << "the scan starts at the first key";

    // The eleventh top-level key is the group B: ten steps from the first key.
    ASSERT_TRUE(WaitForPointerMoves(10, kScanWaitMs));
    ClickHere(1);
    // Its first key repeats the group's letter; BA comes next.
    ASSERT_TRUE(WaitForPointerMoves(2, kScanWaitMs));
    EXPECT_NEAR(PointerNow().x, firstKey.x + 19 * GetParam().factor, 1)
        << "the scan column moved one indent in";
    ClickHere(1);
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("BA")));
    EXPECT_EQ(receiver.Text(), QStringLiteral("BA"));
    EXPECT_TRUE(WaitForPointerAt(firstKey, kScanWaitMs))
        << "after a key the scan starts again at the first key";
    EXPECT_TRUE(WaitFor([&] { return TheDesktop().GetForegroundWindow() == receiver.window(); }))
        << "the receiving window keeps the foreground while the scan runs";

    ClickHere(3);
    // A step may still come while the keyboard takes the click in.
    TheDesktop().WaitForMessages(kStillMs);
    const Point stopped = PointerNow();
    TheDesktop().WaitForMessages(kStillMs);
    EXPECT_EQ(PointerNow(), stopped) << "the right button switched scanning off";
}

INSTANTIATE_TEST_SUITE_P(Scales, Scanning,
                         ::testing::Values(Scale{"Unscaled", {}, 1.0},
                                           Scale{"OneAndAHalf", {"QT_SCALE_FACTOR=1.5"}, 1.5},
                                           Scale{"Double", {"QT_SCALE_FACTOR=2"}, 2.0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
