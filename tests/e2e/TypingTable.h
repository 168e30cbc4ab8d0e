#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <initializer_list>

#include "tests/e2e/Receiver.h"

// What clicking the default Catalan keyboard types, checked the same way on every desktop: the
// fixture clicks rows, toggles the case and follows receivers, as TypingFixture does on X11.
namespace e2e::typing_table {

// Rows of the default Catalan keyboard, counted from the top with every group closed.
constexpr int kReturn = 1, kBackspace = 2, kSpace = 3, kNumbers = 4, kA = 5, kB = 10, kEnye = 22,
              kY = 32;
// Rows inside the open groups: the group's row plus the child's place.
constexpr int kBA = kB + 2, kAAcute = kA + 2, kAGrave = kA + 3, kEnyeKey = kEnye + 1,
              kSeven = kNumbers + 8, kQuestion = kNumbers + 18, kAt = kNumbers + 29;

// Syllables in the three cases, accented vowels, Ñ, signs, digits, "@", the blank, Return
// and Backspace arrive as written.
template <typename Fixture>
void ClickedKeysArrive(Fixture& fixture) {
    QString text;
    auto type = [&](std::initializer_list<int> rows, const QString& arrives) {
        for (int row : rows) fixture.ClickRow(row);
        text += arrives;
        fixture.Expect(text);
    };
    type({kB, kBA}, QStringLiteral("BA"));  // caps lock at start
    fixture.ClickCapsLock();
    fixture.ClickShift();
    type({kB, kBA}, QStringLiteral("Ba"));  // one-shot shift
    type({kB, kBA}, QStringLiteral("ba"));  // lower case
    fixture.ClickCapsLock();
    type({kA, kAGrave}, QStringLiteral("À"));
    fixture.ClickCapsLock();
    type({kA, kAAcute}, QStringLiteral("á"));
    fixture.ClickCapsLock();
    type({kEnye, kEnyeKey}, QStringLiteral("Ñ"));
    fixture.ClickCapsLock();
    type({kNumbers, kQuestion}, QStringLiteral("?"));
    type({kNumbers, kSeven}, QStringLiteral("7"));
    type({kAt}, QStringLiteral("@"));  // the digit left the group open
    type({kSpace}, QStringLiteral(" "));
    type({kReturn}, QStringLiteral("\n"));
    fixture.ClickRow(kBackspace);
    text.chop(1);
    fixture.Expect(text);
}

// The keys go to the window the user last worked in, and only there.
template <typename Fixture>
void TheTextFollowsTheWindowTheUserWorksIn(Fixture& fixture) {
    Receiver second(QStringLiteral("second receiver"));
    ASSERT_NE(second.window(), 0u);
    fixture.ClickCapsLock();
    fixture.WorkIn(second, "second receiver");
    fixture.ClickRow(kY);
    EXPECT_TRUE(second.WaitForText(QStringLiteral("y")));
    fixture.WorkIn(fixture.receiver, "typing receiver");
    fixture.ClickRow(kY);
    fixture.Expect(QStringLiteral("y"));
    EXPECT_EQ(second.Text(), QStringLiteral("y"));
}

}  // namespace e2e::typing_table
