#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <string>

#include "platform/Cp1252.h"
#include "tests/e2e/KeyboardLayouts.h"
#include "tests/e2e/KeymapProbe.h"
#include "tests/e2e/Receiver.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

TEST(SpanishLayoutActive, TellsTheSpanishLayoutApartFromEveryOther) {
    struct Row {
        const char* rule;
        QStringList setxkbmap;
        unsigned lockedGroup;
        bool spanish;
    };
    const Row rows[] = {
        {"plain Spanish", {"es"}, 0, true},
        {"Catalan Spanish keeps every key", {"-layout", "es", "-variant", "cat"}, 0, true},
        {"Spanish without dead keys types accents otherwise",
         {"-layout", "es", "-variant", "nodeadkeys"},
         0,
         false},
        {"Spanish Dvorak moves the signs", {"-layout", "es", "-variant", "dvorak"}, 0, false},
        {"Latin American Spanish is another layout", {"latam"}, 0, false},
        {"US English", {"us"}, 0, false},
        {"Portuguese", {"pt"}, 0, false},
        {"Spanish first, in its group", {"-layout", "es,us"}, 0, true},
        {"Spanish second, with the first group active", {"-layout", "us,es"}, 0, false},
        {"Spanish second, with its group active", {"-layout", "us,es"}, 1, true},
        {"Spanish again", {"es"}, 0, true},
    };
    SpanishLayoutAfterwards restore;
    KeymapProbe probe;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        ASSERT_TRUE(SetLayout(row.setxkbmap));
        probe.LockGroup(row.lockedGroup);
        EXPECT_EQ(TheDesktop().SpanishLayoutActive(), row.spanish);
    }
}

// Characters the layouts below have at every level, at none, or as dead keys only.
const std::string kCharacters =
    "\xC0\xE9@\xD1\xBF"
    "7\xE7:\x80\xDF\x9F"
    "\xFC\xEF a";

TEST(TypeCharacter, TypesEachCharacterAsWrittenOnEveryLayout) {
    SpanishLayoutAfterwards restore;
    for (const char* layout : {"es", "us", "fr", "de", "pt"}) {
        SCOPED_TRACE(layout);
        ASSERT_TRUE(SetLayout({layout}));
        Receiver receiver(QStringLiteral("layout receiver"));
        ASSERT_NE(receiver.window(), 0u);
        ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
        for (char character : kCharacters) EXPECT_TRUE(TheDesktop().TypeCharacter(character));
        EXPECT_TRUE(receiver.WaitForText(platform::ToQString(kCharacters)))
            << "got " << receiver.Text().toStdString();
    }
}

// Caps Lock decides which keystroke types a letter; it is known from the server's events, so
// locking it after the first letter must be seen by the next one.
TEST(TypeCharacter, TypesLettersAsWrittenWhenTheUserLocksCapsLockMeanwhile) {
    SpanishLayoutAfterwards restore;
    ASSERT_TRUE(SetLayout({"us"}));
    Receiver receiver(QStringLiteral("caps lock receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    KeymapProbe probe;
    struct CapsLockUnlockedAfterwards {
        KeymapProbe& probe;
        ~CapsLockUnlockedAfterwards() { probe.LockCapsLock(false); }
    } unlock{probe};
    ASSERT_TRUE(TheDesktop().TypeCharacter('a'));
    // The receiver reads the lock from the server's events too: it must be taking keys first.
    ASSERT_TRUE(receiver.WaitForText(QStringLiteral("a")));
    probe.LockCapsLock(true);
    for (char character : std::string("bB")) EXPECT_TRUE(TheDesktop().TypeCharacter(character));
    probe.LockCapsLock(false);
    ASSERT_TRUE(TheDesktop().TypeCharacter('c'));
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("abBc"))) << receiver.Text().toStdString();
}

TEST(TypeCharacter, GivesBackTheKeycodesItLentOnceTheTypingStops) {
    SpanishLayoutAfterwards restore;
    ASSERT_TRUE(SetLayout({"us"}));
    KeymapProbe probe;
    const int emptyAtStart = probe.EmptyKeycodes();
    Receiver receiver(QStringLiteral("lending receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    for (char character : std::string("\xD1\xF1\xD1")) {
        ASSERT_TRUE(TheDesktop().TypeCharacter(character));
    }
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("\u00D1\u00F1\u00D1")));
    EXPECT_TRUE(WaitFor([&] { return probe.EmptyKeycodes() == emptyAtStart; }));
}

TEST(TypeCharacter, RefusesWhatNoKeyCanTypeAndTypesNothing) {
    SpanishLayoutAfterwards restore;
    ASSERT_TRUE(SetLayout({"us"}));
    Receiver receiver(QStringLiteral("refusing receiver"));
    ASSERT_NE(receiver.window(), 0u);
    ASSERT_TRUE(TheDesktop().BringWindowToTop(receiver.window()));
    struct Row {
        const char* rule;
        char character;
    };
    const Row rows[] = {
        {"a control character", '\x01'},
        {"delete", '\x7F'},
        {"an unassigned byte", '\x81'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_FALSE(TheDesktop().TypeCharacter(row.character));
    }
    ASSERT_TRUE(TheDesktop().TypeCharacter('z'));
    EXPECT_TRUE(receiver.WaitForText(QStringLiteral("z")))
        << "got " << receiver.Text().toStdString();
}

}  // namespace
}  // namespace e2e
