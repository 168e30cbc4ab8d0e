#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFont>
#include <QProcess>
#include <QString>
#include <QTreeWidget>

#include "tests/e2e/OrvaletProcess.h"
#include "tests/e2e/PointerClicks.h"
#include "tests/e2e/Receiver.h"
#include "tests/e2e/TestDesktop.h"

namespace e2e {
namespace {

// Rows of the default Catalan keyboard, counted from the top with every group closed.
constexpr int kReturn = 1, kBackspace = 2, kSpace = 3, kNumbers = 4, kA = 5, kB = 10, kEnye = 22,
              kY = 32;
// Rows inside the open groups: the group's row plus the child's place.
constexpr int kBA = kB + 2, kAAcute = kA + 2, kAGrave = kA + 3, kEnyeKey = kEnye + 1,
              kSeven = kNumbers + 8, kQuestion = kNumbers + 18, kAt = kNumbers + 29;

class Typing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(receiver.window(), 0u);
        ASSERT_TRUE(keyboard.WaitForMainWindow());
        WorkIn(receiver, "typing receiver");
        FindTheTree();
    }

    void WorkIn(Receiver& window, const std::string& title) {
        ASSERT_TRUE(WaitFor([&] {
            TheDesktop().BringWindowToTop(window.window());
            return TitleOf(keyboard.window()) == title;
        })) << "the caption shows "
            << title;
    }

    // Scanning, switched on and off with the right button, puts the pointer on the first
    // key at (20, 4) of the tree's client area: that gives where the rows are.
    void FindTheTree() {
        platform::Rect frame;
        ASSERT_TRUE(TheDesktop().GetWindowRect(keyboard.window(), &frame));
        const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
        ClickAt(onTree, 3);
        ASSERT_TRUE(WaitFor([&] { return !(PointerNow() == onTree); }));
        const Point firstKey = PointerNow();
        ClickAt(firstKey, 3);
        origin = {firstKey.x - 20, firstKey.y - 4};
        rowHeight = RowHeight();
        ASSERT_GT(rowHeight, 0);
    }

    void ClickRow(int row) { ClickAt({origin.x + 40, origin.y + row * rowHeight + rowHeight / 2}); }
    // The toolbar lies just above the tree: shift first, caps lock second.
    void ClickShift() { ClickAt({origin.x + 14, origin.y - 20}); }
    void ClickCapsLock() { ClickAt({origin.x + 44, origin.y - 20}); }

    void Expect(const QString& text) {
        EXPECT_TRUE(receiver.WaitForText(text)) << "got " << receiver.Text().toStdString();
    }

    Receiver receiver{QStringLiteral("typing receiver")};
    OrvaletProcess keyboard;
    Point origin;
    int rowHeight = 0;
};

TEST_F(Typing, ClickedKeysArriveInTheReceivingWindow) {
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

TEST_F(Typing, TheTextFollowsTheWindowTheUserWorksIn) {
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
