#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace analysis {

// A text as the analysis reads it: its characters in Windows-1252 with every line break as
// '\n', and apart, the characters Windows-1252 cannot hold.
struct DecodedText {
    struct Foreign {
        size_t at;              // the place in `cp1252` where the character stood
        std::string character;  // UTF-8
    };
    std::string cp1252;
    std::vector<Foreign> foreign;  // in the order of the text

    // Calls type(run) for each run of Windows-1252 text and skip(character) for each foreign
    // character, in the order of the text.
    template <typename Type, typename Skip>
    void Walk(Type&& type, Skip&& skip) const {
        size_t from = 0;
        for (const Foreign& character : foreign) {
            if (character.at > from)
                type(std::string_view(cp1252).substr(from, character.at - from));
            skip(std::string_view(character.character));
            from = character.at;
        }
        if (from < cp1252.size()) type(std::string_view(cp1252).substr(from));
    }
};

}  // namespace analysis
