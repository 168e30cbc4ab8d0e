#include <gtest/gtest.h>

#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

struct ScanCase {
    const char* rule;
    char character;
    int16_t expected;
};

// The Windows Spanish (Spain) layout's answers: virtual key low, shift state high
// (1 Shift, 6 AltGr as Ctrl + Alt).
const ScanCase kSpanishLayout[] = {
    {"a small letter is its own key", 'a', 0x41},
    {"a capital letter is its key with Shift", 'A', 0x141},
    {"n with tilde is the key right of L", '\xF1', 0xC0},
    {"capital n with tilde takes Shift", '\xD1', 0x1C0},
    {"the grave accent is the dead key right of P", '`', 0xBA},
    {"the circumflex is that dead key with Shift", '^', 0x1BA},
    {"the acute accent is the dead key right of n with tilde", '\xB4', 0xDE},
    {"the diaeresis is that dead key with Shift", '\xA8', 0x1DE},
    {"the at sign is AltGr with 2", '@', 0x632},
    {"the question mark is Shift with the apostrophe key", '?', 0x1DB},
    {"a digit is its own key", '7', 0x37},
    {"the full stop has its own key", '.', 0xBE},
    {"the comma has its own key", ',', 0xBC},
    {"the apostrophe is the key right of 0", '\'', 0xDB},
    {"the masculine ordinal is the key left of 1", '\xBA', 0xDC},
    {"the inverted exclamation mark is left of Backspace", '\xA1', 0xDD},
    {"plus is the key right of the grave accent", '+', 0xBB},
    {"minus is the key left of right Shift", '-', 0xBD},
    {"c with cedilla is the key above Return", '\xE7', 0xBF},
    {"less-than is the key beside left Shift", '<', 0xE2},
    {"greater-than is that key with Shift", '>', 0x1E2},
    {"a blank is the space bar", ' ', 0x20},
    {"carriage return is Return", '\r', 0x0D},
    {"backspace is Backspace", '\b', 0x08},
    {"tab is Tab", '\t', 0x09},
    {"the euro sign is AltGr with E", '\x80', 0x645},
    {"a composed vowel has no key of its own", '\xE1', -1},
    {"a letter of another alphabet has no key", '\x8A', -1},
    {"an unassigned byte has no key", '\x81', -1},
};

TEST(VkKeyScanA, FindsTheWindowsSpanishKeyForEachCharacter) {
    for (const ScanCase& row : kSpanishLayout) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(TheDesktop().VkKeyScanA(row.character), row.expected);
    }
}

}  // namespace
}  // namespace e2e
