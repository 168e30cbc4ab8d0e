#pragma once

#include <filesystem>
#include <string_view>

namespace predict {

// Where the words the user wrote in a language ("ca", "es" ...) are kept:
// words.<language>.txt in $XDG_DATA_HOME/orvalet, by default
// ~/.local/share/orvalet. Empty when neither variable gives an absolute folder.
std::filesystem::path LearnedWordsFile(std::string_view language);

// The lexicon of a language ("ca", "es"): lexicons/<language>.txt beside the program in the
// build, in the shared data folder once installed (the keyboard sits in a private folder two
// levels below the prefix, the tools in bin/), else in the user's or the system's data folders.
// Empty when none has it.
std::filesystem::path InstalledLexicon(std::string_view language,
                                       const std::filesystem::path& programFolder);

}  // namespace predict
