#include <QString>

#include "tests/e2e/Receiver.h"
#include "tests/e2e/wayland/WaylandTypingFixture.h"

namespace e2e {
namespace {

// Rows of the default Catalan keyboard, counted from the top with every group closed.
constexpr int kReturn = 1, kBackspace = 2, kSpace = 3, kNumbers = 4, kA = 5, kB = 10, kEnye = 22,
              kY = 32;
// Rows inside the open groups: the group's row plus the child's place.
constexpr int kBA = kB + 2, kAAcute = kA + 2, kAGrave = kA + 3, kEnyeKey = kEnye + 1,
              kSeven = kNumbers + 8, kQuestion = kNumbers + 18, kAt = kNumbers + 29;

class WaylandTyping : public WaylandTypingFixture {};

TEST_F(WaylandTyping, ClickedKeysArriveInANativeWaylandApplication) {
    QString text;
    auto type = [&](std::initializer_list<int> rows, const QString& arrives) {
        for (int row : rows) ClickRow(row);
        text += arrives;
        Expect(text);
    };
    type({kB, kBA}, QStringLiteral("BA"));  // caps lock at start
    ClickCapsLock();
    ClickShift();
    type({kB, kBA}, QStringLiteral("Ba"));  // one-shot shift
    type({kB, kBA}, QStringLiteral("ba"));  // lower case
    ClickCapsLock();
    type({kA, kAGrave}, QStringLiteral("À"));
    ClickCapsLock();
    type({kA, kAAcute}, QStringLiteral("á"));
    ClickCapsLock();
    type({kEnye, kEnyeKey}, QStringLiteral("Ñ"));
    ClickCapsLock();
    type({kNumbers, kQuestion}, QStringLiteral("?"));
    type({kNumbers, kSeven}, QStringLiteral("7"));
    type({kAt}, QStringLiteral("@"));  // the digit left the group open
    type({kSpace}, QStringLiteral(" "));
    type({kReturn}, QStringLiteral("\n"));
    ClickRow(kBackspace);
    text.chop(1);
    Expect(text);
}

TEST_F(WaylandTyping, TheCaptionAndTheTextFollowTheWindowTheUserWorksIn) {
    Receiver second(QStringLiteral("second receiver"));
    ASSERT_NE(second.window(), 0u);
    ClickCapsLock();
    WorkIn(second, "second receiver");
    ClickRow(kY);
    EXPECT_TRUE(second.WaitForText(QStringLiteral("y")));
    WorkIn(receiver, "typing receiver");
    ClickRow(kY);
    Expect(QStringLiteral("y"));
    EXPECT_EQ(second.Text(), QStringLiteral("y"));
}

}  // namespace
}  // namespace e2e
