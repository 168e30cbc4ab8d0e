#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/CorpusChunks.h"
#include "analysis/KnownWords.h"

namespace analysis {

// A text a key could type, found in the chunks of a corpus.
struct Candidate {
    std::string text;          // in small letters
    uint64_t occurrences = 0;  // chunks of the corpus that hold it, each as often as it occurs
    std::vector<int> chunks;   // the chunks that hold it, by index
};

struct CandidateLimits {
    size_t longestPiece;  // the longest piece of a word (a syllable and more), blank excepted
    bool wholeWords;      // whole words with their blank, however long
    size_t kept;          // how many candidates are kept, the most promising first
};

// The texts worth trying as keys, each a text a key may hold (see KeyAlphabet.h): single
// letters; pieces of words, a word being letters with the apostrophes of elision ("l'home")
// and the middle dots of "l\xB7l", that begin with a letter, and, at the end of a word, with
// the blank after it; whole words with their blank; and a sign, alone and with the blank after
// it (". ").
// With `known`, only words it knows give pieces: a name or a foreign word gives none. The
// ones that would save most come first, by occurrences times the characters a key saves over
// single letters.
std::vector<Candidate> FindCandidates(const std::vector<Chunk>& chunks,
                                      const CandidateLimits& limits,
                                      const KnownWords* known = nullptr);

}  // namespace analysis
