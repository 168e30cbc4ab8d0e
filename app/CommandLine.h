#pragma once

#include <string>
#include <vector>

// The words after the program's name, byte for byte as the program was given them: no word
// is taken as an option and no encoding is assumed, since file names are the file system's
// bytes.
std::vector<std::string> ParametersOf(int argc, const char* const* argv);

// All parameters joined with single blanks, trailing blanks and control characters cut,
// so that a path with blanks needs no quotes.
std::string JoinParameters(const std::vector<std::string>& parameters);
