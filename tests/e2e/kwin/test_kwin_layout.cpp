#include <gtest/gtest.h>

#include <QString>

#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// KWin types on the session's own layout, here the Spanish one: the keystrokes the design
// laid out for it hold, and a character typed as itself goes on its key, with AltGr, or after
// its dead key.
TEST(KWinLayout, TheSessionsSpanishLayoutTypesAccentsAtSignAndEnye) {
    Receiver receiver(QStringLiteral("layout receiver"));
    ASSERT_NE(receiver.window(), 0u);
    EXPECT_TRUE(TheDesktop().SpanishLayoutActive());
    EXPECT_EQ(TheDesktop().VkKeyScanA('@'), 0x632) << "AltGr + 2";
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    for (char character : std::string("\xC0@\xD1")) {
        EXPECT_TRUE(TheDesktop().TypeCharacter(character)) << +character;
    }
    EXPECT_TRUE(receiver.WaitForText(QString::fromUtf8("À@Ñ")))
        << "got " << receiver.Text().toStdString();
}

// KWin reports a window active a moment before it takes the keys: an accent typed at once
// lost its dead key, and "À" arrived as "A".
TEST(KWinLayout, AnAccentTypedRightAfterTheWindowInFrontChangedKeepsItsDeadKey) {
    Receiver receiver(QStringLiteral("accent receiver"));
    Receiver other(QStringLiteral("other receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_NE(other.window(), 0u);
    for (const char* accented : {"\xC0", "\xE1", "\xC8"}) {
        ASSERT_TRUE(TheDesktop().BringWindowToTop(other.window()));
        ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
        EXPECT_TRUE(TheDesktop().TypeCharacter(*accented));
    }
    EXPECT_TRUE(receiver.WaitForText(QString::fromUtf8("ÀáÈ")))
        << "got " << receiver.Text().toStdString();
    EXPECT_EQ(other.Text(), QString());
}

TEST(KWinLayout, KWinPlacesWindowsItself) { EXPECT_FALSE(TheDesktop().CanPlaceWindows()); }

}  // namespace
}  // namespace e2e
