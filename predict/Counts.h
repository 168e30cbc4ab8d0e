#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "predict/Vocabulary.h"

namespace predict {

using Count = std::uint32_t;

struct Follower {
    WordId word;
    Count count;
};

// How often each word was seen in one body of text (the lexicon's corpus, or
// what the user wrote), and how often each word came right after another.
// Words are the numbers of a Vocabulary; counts stop at the largest Count.
class Counts {
  public:
    Count Of(WordId word) const { return word < words_.size() ? words_[word] : 0; }
    std::span<const Follower> After(WordId previous) const;
    std::uint64_t Total() const { return total_; }
    std::size_t Words() const { return distinctWords_; }
    std::size_t Pairs() const { return pairs_; }

    // Add `change` (negative to take back) to a count; no count goes below 0.
    void AddWord(WordId word, std::int64_t change);
    void AddPair(WordId previous, WordId word, std::int64_t change);

    // Forgets the least counted words beyond `maxWords`, and the pairs they
    // are in, then the least counted pairs beyond `maxPairs`. Among equal
    // counts the words counted first go first, and the pairs after them.
    void KeepMost(std::size_t maxWords, std::size_t maxPairs);

  private:
    std::vector<Count> words_;
    std::vector<std::vector<Follower>> followers_;  // by the previous word
    std::uint64_t total_ = 0;
    std::size_t distinctWords_ = 0;
    std::size_t pairs_ = 0;
};

}  // namespace predict
