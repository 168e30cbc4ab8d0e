#pragma once

#include <string>
#include <string_view>

// The case rules of Windows-1252 text, one copy for the whole program.
namespace text {

// The design's lower-casing of a key's text: A to Z become a to z; every other byte, accented
// capitals included, stays as it is.
char LowerAscii(char character);
std::string LowerAscii(std::string_view text);

// A letter in small letters, for every letter of the code page that has one: A to Z, À to Þ
// (not the multiplication sign), Š, Œ, Ž and Ÿ. Every other byte stays as it is.
char ToSmall(char character);
std::string ToSmall(std::string_view text);

// A letter in capitals, for every small letter of the code page that has one: a to z, à to þ
// (not the division sign), š, œ, ž and ÿ. ß, µ, ª and º have none and stay.
char ToCapital(char character);
std::string ToCapital(std::string_view text);

}  // namespace text
