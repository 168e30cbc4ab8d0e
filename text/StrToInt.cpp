#include "text/StrToInt.h"

#include <algorithm>
#include <limits>

namespace text {

namespace {

constexpr std::uint64_t kLargestPattern = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kLargestPositive = std::numeric_limits<std::int32_t>::max();

struct Digits {
    std::string_view text;
    unsigned base;
};

// Splits the optional base prefix off the digits.
Digits WithBase(std::string_view rest) {
    if (rest.starts_with('$')) return {rest.substr(1), 16};
    if (rest.starts_with("0x") || rest.starts_with("0X")) return {rest.substr(2), 16};
    return {rest, 10};
}

std::optional<unsigned> DigitValue(char c, unsigned base) {
    unsigned value;
    if (c >= '0' && c <= '9') {
        value = static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
        value = static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
        value = static_cast<unsigned>(c - 'A' + 10);
    } else {
        return std::nullopt;
    }
    if (value >= base) return std::nullopt;
    return value;
}

// The magnitude of the digits, or nothing when a character is not a digit or
// the value passes `limit`.
std::optional<std::uint64_t> Magnitude(Digits digits, std::uint64_t limit) {
    if (digits.text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits.text) {
        std::optional<unsigned> digit = DigitValue(c, digits.base);
        if (!digit) return std::nullopt;
        value = value * digits.base + *digit;
        if (value > limit) return std::nullopt;
    }
    return value;
}

}  // namespace

EConvertError::EConvertError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::string_view rest = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    Digits digits = WithBase(rest);
    if (digits.base == 16) {
        std::optional<std::uint64_t> pattern = Magnitude(digits, kLargestPattern);
        if (!pattern) return std::nullopt;
        auto bits = static_cast<std::uint32_t>(*pattern);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    std::optional<std::uint64_t> magnitude =
        Magnitude(digits, negative ? kLargestPositive + 1 : kLargestPositive);
    if (!magnitude) return std::nullopt;
    auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t StrToInt(std::string_view text) {
    std::optional<std::int32_t> value = TryStrToInt(text);
    if (!value) throw EConvertError(text);
    return *value;
}

}  // namespace text
