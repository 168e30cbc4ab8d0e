#include <gtest/gtest.h>

#include <QString>

#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// mutter types on the session's own layout, here the Spanish one: the keystrokes the design
// laid out for it hold, and a character typed as itself goes on its key, with AltGr, or after
// its dead key.
TEST(GnomeLayout, TheSessionsSpanishLayoutTypesAccentsAtSignAndEnye) {
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

TEST(GnomeLayout, GnomePlacesWindowsItself) { EXPECT_FALSE(TheDesktop().CanPlaceWindows()); }

}  // namespace
}  // namespace e2e
