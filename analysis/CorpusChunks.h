#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/DecodedText.h"

namespace analysis {

// A piece of text that greedy matching always handles on its own: a run of characters up to
// and including the blank, line break or tab that ends it, in small letters. No key of a
// built keyboard holds a blank but at its end, so no key spans two chunks.
struct Chunk {
    std::string text;
    // How often it occurs, each register's occurrences weighed so that every register counts
    // as much as the largest, however small its texts.
    uint64_t count;
    std::vector<uint64_t> byRegister;  // how often it occurs in each register's texts
};

// The characters that end a chunk: blank, line break and tab.
bool EndsChunk(char character);

// The distinct chunks of the texts of each register (technical, everyday...) with their
// counts, in the order they first occur. A character outside Windows-1252 ends a chunk and is
// left out.
std::vector<Chunk> CountChunks(const std::vector<std::vector<DecodedText>>& registers);

// The texts split by lines: every tenth line (paragraph) into the second part, to measure
// choices on text the choices were not made from; the rest into the first.
struct SplitTexts {
    std::vector<DecodedText> rest;
    std::vector<DecodedText> sample;
};
SplitTexts SplitEveryTenthLine(const std::vector<DecodedText>& texts);

}  // namespace analysis
