#include <gtest/gtest.h>

#include <string>

#include "speech/protocol/VoceliaText.h"

namespace {

TEST(VoceliaText, UnirLiniesPutsTheTextOnOneLine) {
    struct Case {
        const char* rule;
        std::string text;
        std::string joined;
    };
    const Case cases[] = {
        {"CR LF becomes one space", "hola\r\nadeu", "hola adeu"},
        {"a lone LF becomes one space", "hola\nSTATUS=1", "hola STATUS=1"},
        {"a lone CR becomes one space", "hola\rSTATUS=1", "hola STATUS=1"},
        {"LF CR is two breaks", "a\n\rb", "a  b"},
        {"CR CR LF is a lone CR and a pair", "a\r\r\nb", "a  b"},
        {"two pairs become two spaces", "a\r\n\r\nb", "a  b"},
        {"a break at either end becomes a space", "\r\na\n", " a "},
        {"a CR as the last byte becomes a space", "a\r", "a "},
        {"tabs, spaces and other bytes stay", "\tA b\xE0\x01", "\tA b\xE0\x01"},
        {"an empty text stays empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::UnirLinies(c.text), c.joined) << c.rule;
}

TEST(VoceliaText, TreureEspaisRemovesOnlySpaces) {
    struct Case {
        const char* rule;
        std::string text;
        std::string kept;
    };
    const Case cases[] = {
        {"spaces go wherever they are", " a b  c ", "abc"},
        {"only spaces leave nothing", "    ", ""},
        {"a tab stays", "\t", "\t"},
        {"a non-breaking space (A0) stays", "\xA0", "\xA0"},
        {"line breaks stay", " \r\n ", "\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::TreureEspais(c.text), c.kept) << c.rule;
}

TEST(VoceliaText, TextPerAVoceliaIsWhatTheBridgeIsGiven) {
    struct Case {
        const char* rule;
        std::string text;
        std::string given;
    };
    const Case cases[] = {
        {"A to Z are lowered, spaces kept", "BON DIA ", "bon dia "},
        {"accented capitals keep their case", "\xC0VIA", "\xC0via"},
        {"lines are joined before the blank test", "A\r\nB", "a b"},
        {"only spaces give nothing", "   ", ""},
        {"only line breaks give nothing", "\r\n\n\r", ""},
        {"a tab alone still goes", "\t ", "\t "},
        {"an empty text gives nothing", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(speech::TextPerAVocelia(c.text), c.given) << c.rule;
}

}  // namespace
