#pragma once

#include <string>
#include <string_view>

// The text forms of the bridge protocol, free of any window or file.
namespace speech {

// The text on one line: every line break (CR LF, a lone CR, a lone LF) becomes one space, so
// that a text written as one value of the suite file cannot end it early and start a key of
// its own. Every other byte stays.
std::string UnirLinies(std::string_view text);

// The text without its space characters (code 32); tabs and other blanks stay.
std::string TreureEspais(std::string_view text);

// What the bridge is given to read: the text on one line with A to Z lowered; empty when
// nothing but spaces would be left, and then nothing is sent.
std::string TextPerAVocelia(std::string_view text);

}  // namespace speech
