// Any profile text is read and edited without crashing; a plain key written
// into any text reads back as written, and a removed one reads as missing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile/ProfileText.h"

namespace {

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool HasOuterBlank(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !s.empty() && (blank(s.front()) || blank(s.back()));
}

// A name that reads back as itself from its own header or key line.
bool PlainSection(std::string_view s) { return !HasLineBreak(s) && !HasOuterBlank(s); }

bool PlainKey(std::string_view s) {
    return PlainSection(s) && s.find('=') == std::string_view::npos && !s.starts_with('[') &&
           !s.starts_with(';');
}

bool PlainValue(std::string_view s) {
    bool quoted = s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
    return !HasLineBreak(s) && !HasOuterBlank(s) && !quoted;
}

// Texts reach the functions as C strings, so they end at a zero byte.
std::string CString(FuzzedDataProvider& input) {
    return std::string(input.ConsumeRandomLengthString(64).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    int action = input.ConsumeIntegralInRange(0, 2);
    std::string section = CString(input);
    std::string key = CString(input);
    std::string value = CString(input);
    std::string text = input.ConsumeRemainingBytesAsString();

    platform::FindProfileValue(text, section, key);
    bool plain = PlainSection(section) && PlainKey(key);
    if (action == 0) {
        std::string after = platform::WithProfileValue(text, section, key.c_str(), value.c_str());
        if (plain && PlainValue(value) &&
            platform::FindProfileValue(after, section, key) != value) {
            std::abort();
        }
    } else if (action == 1) {
        std::string after = platform::WithProfileValue(text, section, key.c_str(), nullptr);
        if (plain && platform::FindProfileValue(after, section, key)) std::abort();
    } else {
        std::string after = platform::WithProfileValue(text, section, nullptr, nullptr);
        if (plain && platform::FindProfileValue(after, section, key)) std::abort();
    }
    return 0;
}
