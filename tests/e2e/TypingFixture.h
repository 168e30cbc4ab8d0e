#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <string>

#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {

// The real keyboard, started with the given command line, and a real receiving window the
// user works in; keys and toggles are clicked where a person clicks them.
class TypingFixture : public ::testing::Test {
  public:
    explicit TypingFixture(const QStringList& arguments = {}) : keyboard(arguments) {}
    // The keyboard started with a settings file and environment entries of the test's own,
    // and a command line.
    TypingFixture(const QByteArray& settings, const QStringList& environment,
                  const QStringList& arguments = {})
        : keyboard(arguments, settings, environment) {}

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

}  // namespace e2e
