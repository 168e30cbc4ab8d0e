#include <gtest/gtest.h>

#include <string>

#include "speech/SpeechText.h"

namespace {

using speech::CodisDeVeu;

TEST(SpeechText, PrepararTextGivesTheSpokenForm) {
    struct Case {
        const char* rule;
        std::string text;
        std::string spoken;
    };
    const Case cases[] = {
        {"a key is lowered and followed by one space", "BA", "ba "},
        {"the key M is said eme", "M", "eme "},
        {"a lower-case m is said eme", "m", "eme "},
        {"m with a full stop is said eme", "m.", "eme "},
        {"M with a full stop is said eme", "M.", "eme "},
        {"m inside a longer text stays", "MA", "ma "},
        {"m followed by a blank is not the lone letter", "m ", "m  "},
        {"accented capitals keep their case", "\xC0VIA \xC9S", "\xC0via \xC9s "},
        {"bytes outside any alphabet pass unchanged", "\x01\x80\xFF", "\x01\x80\xFF "},
        {"an empty text is one space", "", " "},
        {"digits and signs stay", "12,@", "12,@ "},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::PrepararText(c.text), c.spoken) << c.rule;
}

TEST(SpeechText, RetallarCarpetaKeepsAtMost65500Characters) {
    struct Case {
        const char* rule;
        std::string clipboard;
        size_t length;
    };
    const Case cases[] = {
        {"a short text is kept whole", "hola", 4},
        {"65500 characters are kept whole", std::string(65500, 'a'), 65500},
        {"the 65501st character is cut", std::string(65501, 'a'), 65500},
        {"a huge clipboard is cut", std::string(1'000'000, 'a'), 65500},
        {"the text ends at a zero byte", std::string("ab\0cd", 5), 2},
        {"an empty clipboard gives an empty text", "", 0},
    };
    for (const Case& c : cases) {
        const std::string text = speech::RetallarCarpeta(c.clipboard);
        EXPECT_EQ(text.size(), c.length) << c.rule;
        EXPECT_EQ(text, c.clipboard.substr(0, c.length)) << c.rule;
    }
}

TEST(SpeechText, ConvertirVelocitatReadsTheLeadingNumber) {
    struct Case {
        const char* rule;
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"a plain number", "255", 255},
        {"digits then a letter keep the digits", "12x", 12},
        {"no digits give 0", "abc", 0},
        {"an empty text gives 0", "", 0},
        {"only blanks give 0", "   ", 0},
        {"leading blanks are skipped", "  80", 80},
        {"a leading tab is skipped", "\t90", 90},
        {"a plus sign is read", "+7", 7},
        {"a minus sign is read", "-5", -5},
        {"a sign without digits gives 0", "-", 0},
        {"a blank after the sign ends the number", "- 5", 0},
        {"a blank inside ends the number", "1 2", 1},
        {"a huge number stays above the highest speed", "99999999999999999999", 1'000'000},
        {"a huge negative number stays below the lowest speed", "-99999999999999999999",
         -1'000'000},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::ConvertirVelocitat(c.text), c.value) << c.rule;
}

TEST(SpeechText, CodisPerAFollowTheVoiceTable) {
    struct Case {
        const char* rule;
        bool catala;
        bool dona;
        CodisDeVeu codis;
    };
    const Case cases[] = {
        {"Catalan male", true, false, {99, 0}},
        {"Catalan female", true, true, {99, 2}},
        {"Castilian male", false, false, {101, 1}},
        {"Castilian female", false, true, {101, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::CodisPerA(c.catala, c.dona), c.codis) << c.rule;
}

}  // namespace
