#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace predict {

using WordId = std::uint32_t;

// The words known to prediction, each with a number that indexes its counts,
// and kept in byte order so that the words beginning with a prefix are found
// by two binary searches.
class Vocabulary {
  public:
    Vocabulary() = default;
    Vocabulary(Vocabulary&&) = default;  // a moved deque keeps its texts in place
    Vocabulary& operator=(Vocabulary&&) = default;
    Vocabulary(const Vocabulary&) = delete;
    Vocabulary& operator=(const Vocabulary&) = delete;

    std::optional<WordId> Find(std::string_view word) const;
    // The word's number, the word being added when it is new.
    WordId Add(std::string_view word);
    // Adds many words at once, sorting once rather than for each word.
    void AddAll(const std::vector<std::string_view>& words);
    const std::string& Text(WordId id) const { return texts_[id]; }
    std::size_t Size() const { return texts_.size(); }
    // The words beginning with `prefix`, in byte order.
    std::span<const WordId> StartingWith(std::string_view prefix) const;

  private:
    bool Before(WordId a, WordId b) const { return texts_[a] < texts_[b]; }
    // Numbers a new word, leaving its place in sorted_ to the caller.
    WordId Append(std::string_view word);

    std::deque<std::string> texts_;  // a deque keeps the texts where the index points
    std::unordered_map<std::string_view, WordId> ids_;
    std::vector<WordId> sorted_;
};

}  // namespace predict
