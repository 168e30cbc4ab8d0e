#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

// Thrown when a text is not a whole number; what() names the text the way
// the settings loader reports it to the user.
class EConvertError : public std::runtime_error {
  public:
    explicit EConvertError(std::string_view text);
};

// Reads a 32-bit integer: leading blanks, an optional sign, then decimal
// digits or hexadecimal ones after "$", "0x" or "0X". Hexadecimal gives the
// 32-bit pattern ("$FFFFFFFF" is -1); decimal must fit the signed range.
// Nothing may follow the digits, not even a blank.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but a text that is not a number throws EConvertError.
std::int32_t StrToInt(std::string_view text);

}  // namespace text
