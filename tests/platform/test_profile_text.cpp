#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/profile/ProfileText.h"

namespace {

struct FindCase {
    const char* rule;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

const FindCase kFindCases[] = {
    {"key in its section", "[S]\r\nK=V\r\n", "S", "K", "V"},
    {"missing section", "[S]\r\nK=V\r\n", "T", "K", std::nullopt},
    {"missing key", "[S]\r\nK=V\r\n", "S", "J", std::nullopt},
    {"empty text", "", "S", "K", std::nullopt},
    {"section matched without regard to case", "[Quarnel Orvalet]\r\nLlengua=X", "QUARNEL ORVALET",
     "Llengua", "X"},
    {"key matched without regard to case", "[Menu]\r\nMenuPassarDuesVegades=SI", "Menu",
     "menupassarduesvegades", "SI"},
    {"accented capitals do not match small letters", "[S]\r\n\xC9S=1", "S", "\xE9S", std::nullopt},
    {"blanks around key and value ignored", "[S]\r\n  K \t=  V  \r\n", "S", "K", "V"},
    {"blanks inside the brackets ignored", "  [ S ]  \r\nK=V", "S", "K", "V"},
    {"blanks around the asked names ignored", "[S]\r\nK=V", " S ", " K ", "V"},
    {"inner blanks of a value kept", "[S]\r\nK=a  b", "S", "K", "a  b"},
    {"double quotes removed", "[S]\r\nK=\"  V \"", "S", "K", "  V "},
    {"single quotes removed", "[S]\r\nK='V'", "S", "K", "V"},
    {"unmatched quotes kept", "[S]\r\nK=\"V'", "S", "K", "\"V'"},
    {"a lone quote kept", "[S]\r\nK=\"", "S", "K", "\""},
    {"empty value is empty, not missing", "[S]\r\nK=\r\n", "S", "K", ""},
    {"empty quoted value is empty", "[S]\r\nK=\"\"", "S", "K", ""},
    {"first of repeated keys wins", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "1"},
    {"line without equals is not a key", "[S]\r\nK\r\nK=2\r\n", "S", "K", "2"},
    {"only a line without equals: missing", "[S]\r\nK\r\n", "S", "K", std::nullopt},
    {"comment line is not a key", "[S]\r\n;K=1\r\nK=2\r\n", "S", "K", "2"},
    {"value keeps later equals signs", "[S]\r\nK=a=b", "S", "K", "a=b"},
    {"key of another section not found", "[A]\r\nK=1\r\n[B]\r\nJ=2", "B", "K", std::nullopt},
    {"key before any section belongs to none", "K=1\r\n[S]\r\n", "S", "K", std::nullopt},
    {"repeated section is searched too", "[S]\r\nA=1\r\n[T]\r\n[S]\r\nB=2", "S", "B", "2"},
    {"LF line ends", "[S]\nA=1\nK=V\n", "S", "K", "V"},
    {"CR line ends", "[S]\rA=1\rK=V\r", "S", "K", "V"},
    {"CR LF line ends", "[S]\r\nA=1\r\nK=V\r\n", "S", "K", "V"},
    {"Windows-1252 bytes kept", "[Font]\r\nNegreta=S\xCD\r\n", "Font", "Negreta", "S\xCD"},
    {"accented key names", "[Font]\r\nIt\xE0lica=NO", "Font", "It\xE0lica", "NO"},
    {"file cut in the middle of a value", "[S]\r\nK=Val", "S", "K", "Val"},
    {"file cut in the middle of a key", "[S]\r\nK", "S", "K", std::nullopt},
    {"file cut in the middle of a header", "[S", "S", "K", std::nullopt},
    {"binary bytes are neither sections nor keys", std::string("\0\xFF[\x01\r\x80=\n", 8), "S", "K",
     std::nullopt},
};

TEST(ProfileText, FindsValuesLikeThePrivateProfileFunctions) {
    for (const FindCase& c : kFindCases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(platform::FindProfileValue(c.text, c.section, c.key), c.expected);
    }
}

struct WriteCase {
    const char* rule;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {"empty file gets the section and key", "", "S", "K", "V", "[S]\r\nK=V\r\n"},
    {"value replaced in place, other lines kept", "[S]\r\n;note\r\nA=1\r\nK=old\r\nB=2\r\n", "S",
     "K", "V", "[S]\r\n;note\r\nA=1\r\nK=V\r\nB=2\r\n"},
    {"replacing keeps the file's spelling of the key", "[S]\r\n  kEy = old \r\n", "S", "KEY", "V",
     "[S]\r\nkEy=V\r\n"},
    {"replacing keeps the line's own ending", "[S]\nK=1\nB=2\n", "S", "K", "V", "[S]\nK=V\nB=2\n"},
    {"first of repeated keys replaced", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "V",
     "[S]\r\nK=V\r\nK=2\r\n"},
    {"new key after the last key, before blank lines", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "K",
     "V", "[S]\r\nA=1\r\nK=V\r\n\r\n[T]\r\nB=2\r\n"},
    {"new key in an empty section goes after the header", "[S]\r\n[T]\r\n", "S", "K", "V",
     "[S]\r\nK=V\r\n[T]\r\n"},
    {"new key after a last line without ending", "[S]\r\nA=1", "S", "K", "V",
     "[S]\r\nA=1\r\nK=V\r\n"},
    {"new key goes to the first of repeated sections", "[S]\r\nA=1\r\n[T]\r\n[S]\r\nB=2\r\n", "S",
     "K", "V", "[S]\r\nA=1\r\nK=V\r\n[T]\r\n[S]\r\nB=2\r\n"},
    {"new section at the end", "[A]\r\nX=1\r\n", "S", "K", "V", "[A]\r\nX=1\r\n[S]\r\nK=V\r\n"},
    {"new section after a last line without ending", "[A]\r\nX=1", "S", "K", "V",
     "[A]\r\nX=1\r\n[S]\r\nK=V\r\n"},
    {"section and key matched without regard to case", "[s]\r\nk=1\r\n", "S", "K", "V",
     "[s]\r\nk=V\r\n"},
    {"empty value written as such", "", "S", "K", "", "[S]\r\nK=\r\n"},
    {"line breaks in a value become blanks", "", "S", "K", "a\r\nb\rc\nd", "[S]\r\nK=a  b c d\r\n"},
    {"line breaks in a key and section become blanks", "", "S\nT", "K\rJ", "V",
     "[S T]\r\nK J=V\r\n"},
    {"Windows-1252 bytes written as they are", "", "Quarnel Orvalet", "Llengua", "Catal\xE0",
     "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"},
    {"null value removes the key", "[S]\r\nA=1\r\nK=2\r\nB=3\r\n", "S", "K", nullptr,
     "[S]\r\nA=1\r\nB=3\r\n"},
    {"null value removes repeated keys too", "[S]\r\nK=1\r\nK=2\r\nB=3", "S", "K", nullptr,
     "[S]\r\nB=3"},
    {"null value for a missing key changes nothing", "[S]\r\nA=1\r\n", "S", "K", nullptr,
     "[S]\r\nA=1\r\n"},
    {"null key removes the whole section", "[A]\r\nX=1\r\n[S]\r\nK=2\r\n;c\r\n[B]\r\nY=3\r\n", "S",
     nullptr, nullptr, "[A]\r\nX=1\r\n[B]\r\nY=3\r\n"},
    {"null key for a missing section changes nothing", "[A]\r\nX=1", "S", nullptr, nullptr,
     "[A]\r\nX=1"},
};

TEST(ProfileText, WritesValuesKeepingEveryOtherLine) {
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(platform::WithProfileValue(c.before, c.section, c.key, c.value), c.after);
    }
}

}  // namespace
