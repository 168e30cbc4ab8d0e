#include <gtest/gtest.h>
#include <signal.h>

#include "platform/Constants.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

using platform::WM_USER;

// The receiver answers with the message number plus both parameters.
TEST(SendMessageA, WaitsForTheReceiversAnswer) {
    Receiver receiver(QStringLiteral("answering receiver"));
    EXPECT_EQ(TheDesktop().SendMessageA(receiver.window(), WM_USER + 1, 7, 9), 1041);
    // The handler has run by the time SendMessageA returns.
    EXPECT_EQ(receiver.Text(), QStringLiteral("message 1025 7 9"));
}

TEST(SendMessageA, GivesUpOnAStoppedReceiverAndIgnoresItsLateAnswer) {
    Receiver receiver(QStringLiteral("stopped receiver"));
    ASSERT_EQ(::kill(static_cast<pid_t>(receiver.pid()), SIGSTOP), 0);
    EXPECT_EQ(TheDesktop().SendMessageA(receiver.window(), WM_USER, 1, 2), 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(receiver.pid()), SIGCONT), 0);
    EXPECT_EQ(TheDesktop().SendMessageA(receiver.window(), WM_USER + 2, 0, 0), 1026);
}

TEST(SendMessageA, CloseEndsTheReceiver) {
    Receiver receiver(QStringLiteral("closed receiver"));
    TheDesktop().SendMessageA(receiver.window(), platform::WM_CLOSE, 0, 0);
    EXPECT_TRUE(receiver.WaitForCleanExit());
}

TEST(SendMessageA, NoWindowOrAGoneOneAnswersZero) {
    platform::HWND gone = 0;
    {
        Receiver receiver(QStringLiteral("vanished receiver"));
        gone = receiver.window();
        receiver.Kill();
    }
    EXPECT_EQ(TheDesktop().SendMessageA(gone, WM_USER, 1, 2), 0);
    EXPECT_EQ(TheDesktop().SendMessageA(gone, platform::WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(TheDesktop().SendMessageA(0, WM_USER, 1, 2), 0);
}

}  // namespace
}  // namespace e2e
