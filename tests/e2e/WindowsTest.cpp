#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Constants.h"
#include "tests/e2e/OtherClient.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

using platform::HWND;

void Type(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

// The receivers' windows in the order EnumWindows gives them.
std::vector<HWND> EnumerationOrder(const std::vector<HWND>& windows) {
    std::vector<HWND> order;
    TheDesktop().EnumWindows([&](HWND window) {
        if (std::find(windows.begin(), windows.end(), window) != windows.end()) {
            order.push_back(window);
        }
        return true;
    });
    return order;
}

TEST(BringWindowToTop, KeysFollowTheWindowBroughtToTheTop) {
    Receiver first(QStringLiteral("first receiver"));
    Receiver second(QStringLiteral("second receiver"));
    ASSERT_NE(first.window(), 0u);
    ASSERT_NE(second.window(), 0u);

    EXPECT_TRUE(TheDesktop().BringWindowToTop(first.window()));
    EXPECT_EQ(TheDesktop().GetForegroundWindow(), first.window());
    Type('X');
    EXPECT_TRUE(TheDesktop().BringWindowToTop(second.window()));
    EXPECT_EQ(TheDesktop().GetForegroundWindow(), second.window());
    Type('Y');
    EXPECT_TRUE(TheDesktop().BringWindowToTop(first.window()));
    Type('Z');

    EXPECT_TRUE(first.WaitForText(QStringLiteral("xz"))) << first.Text().toStdString();
    EXPECT_TRUE(second.WaitForText(QStringLiteral("y"))) << second.Text().toStdString();
}

// The window in front is known from the server's events, not asked for on every call: a
// focus taken away by another program must be seen all the same.
TEST(BringWindowToTop, TakesTheFocusBackFromAnotherProgramsPopup) {
    Receiver receiver(QStringLiteral("robbed receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    Type('X');
    const int lost = receiver.FocusLost();
    OtherClient other;
    other.TakeFocus();
    ASSERT_TRUE(WaitFor([&] { return receiver.FocusLost() > lost; }));

    EXPECT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    Type('Y');
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("xy"))) << receiver.Text().toStdString();
}

TEST(EnumWindows, GivesAlwaysOnTopWindowsFirstThenTopmostFirst) {
    Receiver lower(QStringLiteral("lower receiver"));
    Receiver above(QStringLiteral("always on top receiver"), {QStringLiteral("--above")});
    Receiver upper(QStringLiteral("upper receiver"));
    ASSERT_TRUE(TheDesktop().BringWindowToTop(lower.window()));
    ASSERT_TRUE(TheDesktop().BringWindowToTop(upper.window()));

    EXPECT_EQ(EnumerationOrder({lower.window(), above.window(), upper.window()}),
              (std::vector<HWND>{above.window(), upper.window(), lower.window()}));
}

TEST(EnumWindows, StopsWhenTheCallbackSaysSo) {
    Receiver one(QStringLiteral("one receiver"));
    Receiver two(QStringLiteral("two receiver"));
    int calls = 0;
    TheDesktop().EnumWindows([&](HWND) { return ++calls < 1; });
    EXPECT_EQ(calls, 1);
}

TEST(GetWindowTextA, GivesTheTitleInWindows1252CutToTheBuffer) {
    // Ñ, ú and € exist in Windows-1252; Greek letters do not.
    Receiver receiver(QStringLiteral("Ñandú € Καλη"));
    ASSERT_NE(receiver.window(), 0u);
    struct TitleCase {
        const char* rule;
        int size;
        std::string expected;
    };
    const TitleCase cases[] = {
        {"whole title, foreign letters as question marks", 255,
         "\xD1"
         "and\xFA \x80 ????"},
        {"a buffer of four holds three bytes and the end mark", 4,
         "\xD1"
         "an"},
        {"a buffer of one holds only the end mark", 1, ""},
    };
    for (const TitleCase& row : cases) {
        SCOPED_TRACE(row.rule);
        char buffer[255];
        const int length = TheDesktop().GetWindowTextA(receiver.window(), buffer, row.size);
        EXPECT_EQ(std::string(buffer, static_cast<size_t>(length)), row.expected);
        EXPECT_EQ(buffer[length], '\0');
    }
}

// The title of the window in front is kept between calls: it must follow the window's own
// changes.
TEST(GetWindowTextA, FollowsTheWindowInFrontWhenItChangesItsTitle) {
    Receiver receiver(QStringLiteral("titled receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    ASSERT_EQ(TitleOf(receiver.window()), "titled receiver");
    OtherClient other;
    other.Rename(receiver.window(), "renamed receiver");
    EXPECT_EQ(TitleOf(receiver.window()), "renamed receiver");
}

// A window manager may name a window a little after it is gone, and the server gives a gone
// window's number to the next new one: the title read then is the new window's.
TEST(GetWindowTextA, GivesTheTitleOfANewWindowThatTookTheNumberOfAGoneOne) {
    const platform::HWND before = TheDesktop().GetForegroundWindow();
    OtherClient manager;
    auto owner = std::make_unique<OtherClient>();
    const platform::HWND window = owner->CreateWindow("first owner");
    manager.NameActive(window);
    ASSERT_EQ(TitleOf(window), "first owner");

    owner.reset();
    manager.NameActive(window);
    EXPECT_EQ(TitleOf(window), "");

    owner = std::make_unique<OtherClient>();
    ASSERT_EQ(owner->CreateWindow("second owner"), window) << "the server gave a new number";
    EXPECT_EQ(TitleOf(window), "second owner");
    manager.NameActive(before);
}

TEST(GetClassNameA, GivesTheProgramsClass) {
    Receiver receiver(QStringLiteral("class receiver"));
    char buffer[255];
    const int length = TheDesktop().GetClassNameA(receiver.window(), buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(length)), "e2e_receiver");
}

TEST(SetWindowPos, PlacesTheOuterFrameWhereGetWindowRectFindsIt) {
    Receiver receiver(QStringLiteral("placed receiver"));
    ASSERT_TRUE(TheDesktop().SetWindowPos(receiver.window(), platform::HWND_TOP, 10, 20, 500, 300,
                                          platform::SWP_SHOWWINDOW));
    platform::Rect rect;
    WaitFor([&] {
        return TheDesktop().GetWindowRect(receiver.window(), &rect) && rect.left == 10 &&
               rect.top == 20 && rect.right == 510 && rect.bottom == 320;
    });
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 510);
    EXPECT_EQ(rect.bottom, 320);
}

TEST(GetSystemMetrics, GivesTheScreenAndTheWorkArea) {
    // The test desktop is a 1024 x 768 screen without panels.
    EXPECT_EQ(TheDesktop().GetSystemMetrics(platform::SM_CXSCREEN), 1024);
    EXPECT_EQ(TheDesktop().GetSystemMetrics(platform::SM_CYSCREEN), 768);
    EXPECT_EQ(TheDesktop().GetSystemMetrics(platform::SM_CXMAXIMIZED), 1024);
    EXPECT_EQ(TheDesktop().GetSystemMetrics(platform::SM_CYMAXIMIZED), 768);
}

TEST(Windows, AClosedWindowFailsQuietly) {
    HWND closed = 0;
    {
        Receiver receiver(QStringLiteral("closing receiver"));
        closed = receiver.window();
        ASSERT_NE(closed, 0u);
        receiver.Kill();
    }
    char buffer[255] = "x";
    platform::Rect rect;
    EXPECT_FALSE(TheDesktop().BringWindowToTop(closed));
    EXPECT_EQ(TheDesktop().GetWindowTextA(closed, buffer, sizeof buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(TheDesktop().GetClassNameA(closed, buffer, sizeof buffer), 0);
    EXPECT_FALSE(TheDesktop().GetWindowRect(closed, &rect));
    EXPECT_FALSE(TheDesktop().SetWindowPos(closed, platform::HWND_TOP, 0, 0, 100, 100,
                                           platform::SWP_SHOWWINDOW));
    EXPECT_FALSE(TheDesktop().BringWindowToTop(0));
}

}  // namespace
}  // namespace e2e
