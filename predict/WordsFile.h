#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "predict/Counts.h"
#include "predict/Vocabulary.h"

namespace predict {

// The words file, for the lexicons and for what the user writes alike: UTF-8
// text, a first line naming the format, then one line per word:
//     orvalet-words 1
//     de 41234 la 503 seva 311
//     casa 120 de 10
// the word, its count, then each word seen after it with the count of that
// pair. Fields are separated by blanks. Words are as SplitWords gives them.
inline constexpr std::string_view kWordsFileHeader = "orvalet-words 1";

struct WordLine {
    std::string word;  // Windows-1252
    Count count;
    std::vector<std::pair<std::string, Count>> followers;
};

struct ParsedWordsFile {
    bool recognised = false;  // the header is there; nothing else is read without it
    std::vector<WordLine> lines;
    std::size_t badLines = 0;      // lines left out, every field of them
    std::size_t firstBadLine = 0;  // its number, from 1, or 0
};

ParsedWordsFile ParseWordsFile(std::string_view content);

// The words file of the counted words, the most counted first.
std::string FormatWordsFile(const Vocabulary& vocabulary, const Counts& counts);

}  // namespace predict
