#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/WaylandInput.h"

namespace e2e {

// The real keyboard and a real receiving window on a wlroots compositor, with keys and
// toggles clicked where a person clicks them. Where the pointer is cannot be read there, so
// the pointer is moved from where the keyboard itself puts it, in the tree's client pixels.
class WaylandTypingFixture : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(input.Connected()) << "the compositor offers no virtual pointer";
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
    // key at (20, 4) of the tree's client area: every other place is reached from there.
    void FindTheTree() {
        platform::Rect frame;
        ASSERT_TRUE(WaitFor([&] { return TheDesktop().GetWindowRect(keyboard.window(), &frame); }))
            << "sway tells where the keyboard is";
        input.MoveTo({(frame.left + frame.right) / 2, frame.bottom - 60});
        input.Click(3);
        TheDesktop().WaitForMessages(kScanStartMs);
        input.Click(3);
        at = {20, 4};
        rowHeight = RowHeight();
        ASSERT_GT(rowHeight, 0);
    }

    // A click at a point of the tree's client area (y may be above it, on the toolbar).
    void ClickTree(Point point) {
        input.MoveBy(point.x - at.x, point.y - at.y);
        at = point;
        input.Click();
    }
    void ClickRow(int row) { ClickTree({40, row * rowHeight + rowHeight / 2}); }
    // The toolbar lies just above the tree: shift first, caps lock second.
    void ClickShift() { ClickTree({14, -20}); }
    void ClickCapsLock() { ClickTree({44, -20}); }

    void Expect(const QString& text) {
        EXPECT_TRUE(receiver.WaitForText(text)) << "got " << receiver.Text().toStdString();
    }

    // Long enough for the restart that puts the pointer on the first key, and well within the
    // first step of 1.2 seconds, which would move it on.
    static constexpr int kScanStartMs = 500;

    WaylandInput input;
    Receiver receiver{QStringLiteral("typing receiver")};
    OrvaletProcess keyboard;
    Point at;
    int rowHeight = 0;
};

}  // namespace e2e
