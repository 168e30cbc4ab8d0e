#pragma once

#include <filesystem>
#include <string_view>

namespace predict {

// Where the words the user wrote in a language ("ca", "es" ...) are kept:
// words.<language>.txt in $XDG_DATA_HOME/orvalet, by default
// ~/.local/share/orvalet. Empty when neither variable gives an absolute folder.
std::filesystem::path LearnedWordsFile(std::string_view language);

}  // namespace predict
