#include <gtest/gtest.h>

#include <QCursor>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// The position of a window in the desktop's enumeration, topmost first.
int StackingPlace(platform::HWND wanted) {
    int place = 0, found = -1;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        if (window == wanted) found = place;
        ++place;
        return found < 0;
    });
    return found;
}

TEST(ProgramStart, TheKeyboardStandsAtTheTopRightAboveOtherWindows) {
    OrvaletProcess orvalet;
    ASSERT_TRUE(orvalet.WaitForMainWindow());
    platform::Rect rect;
    ASSERT_TRUE(WaitFor([&] {
        return TheDesktop().GetWindowRect(orvalet.window(), &rect) &&
               rect.right == TheDesktop().GetSystemMetrics(platform::SM_CXSCREEN) && rect.top == 0;
    })) << rect.left
        << "," << rect.top << "," << rect.right << "," << rect.bottom;

    Receiver editor("Editor de proves");
    ASSERT_TRUE(TheDesktop().BringWindowToTop(editor.window()));
    const int keyboardPlace = StackingPlace(orvalet.window());
    const int editorPlace = StackingPlace(editor.window());
    EXPECT_LT(keyboardPlace, editorPlace) << std::hex << orvalet.window() << " " << editor.window();
}

TEST(ProgramStart, ClosingThroughTheWindowManagerEndsTheProgramCleanly) {
    OrvaletProcess orvalet;
    ASSERT_TRUE(orvalet.WaitForMainWindow());
    TheDesktop().SendMessageA(orvalet.window(), platform::WM_CLOSE, 0, 0);
    ASSERT_TRUE(orvalet.process().waitForFinished(1000));
    EXPECT_EQ(orvalet.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(orvalet.process().exitCode(), 0);
}

TEST(ProgramStart, ClosingWhileScanningIsAboutToStartEndsTheProgramAndFreesThePointer) {
    OrvaletProcess orvalet(
        {},
        "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuActivarLEscaneigAutomatic=SI\r\n");
    ASSERT_TRUE(orvalet.WaitForMainWindow());
    // Scanning starts half a second after the window shows: close it before.
    TheDesktop().SendMessageA(orvalet.window(), platform::WM_CLOSE, 0, 0);
    ASSERT_TRUE(orvalet.process().waitForFinished(3000)) << "an invisible keyboard lives on";
    EXPECT_EQ(orvalet.process().exitCode(), 0);
    TheDesktop().SetCursorPos(5, 700);
    TheDesktop().WaitForMessages(2500);
    EXPECT_EQ(QCursor::pos(), QPoint(5, 700)) << "something still pulls the pointer";
}

TEST(ProgramStart, UnderAWaylandSessionTheKeyboardRunsOnXWaylandAndSaysSo) {
    OrvaletProcess orvalet({}, "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n",
                           {"WAYLAND_DISPLAY=wayland-orvalet-test", "XDG_SESSION_TYPE=wayland",
                            "QT_QPA_PLATFORM=wayland"});
    ASSERT_TRUE(orvalet.WaitForMainWindow()) << "the keyboard must open on X11 all the same";
    // The keyboard and, beside it, the notice that its keys reach only X11 applications.
    EXPECT_TRUE(WaitFor([&] {
        int windows = 0;
        TheDesktop().EnumWindows([&](platform::HWND window) {
            windows += TitleOf(window) == "Orvalet";
            return true;
        });
        return windows == 2;
    }));
    EXPECT_EQ(orvalet.process().state(), QProcess::Running);
}

}  // namespace
}  // namespace e2e
