#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "platform/Constants.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

TEST(WinExec, StartsAWindowsNamedProgramFromBesideTheExecutable) {
    QTemporaryDir folder;
    const std::string command = "e2e_receiver.exe started-by-winexec " +
                                folder.filePath(QStringLiteral("text")).toStdString();
    EXPECT_EQ(TheDesktop().WinExec(command.c_str(), platform::SW_SHOWNORMAL), 33u);
    platform::HWND started = 0;
    WaitFor([&] {
        TheDesktop().EnumWindows([&](platform::HWND window) {
            if (TitleOf(window) == "started-by-winexec") started = window;
            return started == 0;
        });
        return started != 0;
    });
    ASSERT_NE(started, 0u);
    TheDesktop().SendMessageA(started, platform::WM_CLOSE, 0, 0);
}

TEST(WinExec, AProgramFoundNowhereIsFileNotFound) {
    EXPECT_EQ(TheDesktop().WinExec("no-such-program.exe BRUNVOL", platform::SW_SHOWNORMAL), 2u);
    EXPECT_EQ(TheDesktop().WinExec("", platform::SW_SHOWNORMAL), 2u);
}

TEST(LoadLibraryA, AMissingLibraryFailsBelow32) {
    EXPECT_LT(TheDesktop().LoadLibraryA("no-such-library.dll"), 32u);
    EXPECT_LT(TheDesktop().LoadLibraryA(""), 32u);
}

TEST(GetClipboardData, GivesWindows1252TextWithWindowsLineBreaks) {
    QGuiApplication::clipboard()->setText(QStringLiteral("Ñu\nb€\r\nΩ"));
    ASSERT_TRUE(TheDesktop().OpenClipboard());
    EXPECT_EQ(TheDesktop().GetClipboardData(platform::CF_TEXT),
              std::optional<std::string>("\xD1u\r\nb\x80\r\n?"));
    EXPECT_EQ(TheDesktop().GetClipboardData(platform::CF_TEXT + 1), std::nullopt);
    EXPECT_TRUE(TheDesktop().CloseClipboard());
}

}  // namespace
}  // namespace e2e
