#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "predict/CharacterModel.h"

namespace predict {

// The keys of a keyboard as next-key prediction weighs them: the texts they type (small
// letters) in a tree of their characters, so that keys that begin alike share the work.
class KeySet {
  public:
    explicit KeySet(std::span<const std::string> keys);

    // The keys likeliest to be the one the user takes next while `typing` is the word being
    // typed (empty between words): the longest key that types what follows, so that a letter
    // counts only for the words no longer key of it begins. The places in the keys given of
    // at most `count` of them, the likeliest first, the earlier given first among equals. The
    // lexicon's and the learned model are mixed, `learnedShare` being the learned one's part.
    // Keys that type nothing are never offered.
    std::vector<std::size_t> Rank(const CharacterModel& lexicon, const CharacterModel& learned,
                                  double learnedShare, std::string_view typing,
                                  std::size_t count) const;

  private:
    struct Node {
        char character;
        std::vector<std::size_t> children;  // node numbers
        std::string next;                   // the children's characters, in small letters
        std::size_t key;                    // its place in the keys, or kNoKey
    };
    static constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);

    std::vector<Node> nodes_;  // node 0 is the root, the empty text
};

}  // namespace predict
