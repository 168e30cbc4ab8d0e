#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace analysis {

// The texts keys type, searched for the longest one a text begins with: a trie over
// Windows-1252 bytes.
class KeyMatcher {
  public:
    static constexpr int kNoKey = -1;

    struct Match {
        int key;
        size_t length;
    };

    KeyMatcher();

    // Makes a key's typed text known. Of several keys that type the same text, the one that
    // takes fewer actions is kept, the first one on a tie.
    void Add(std::string_view typed, int key, int actions);
    // Forgets the key that types this text.
    void Remove(std::string_view typed);
    // The longest known text that `text` begins with, or nothing.
    std::optional<Match> LongestAt(std::string_view text) const;

  private:
    struct Node {
        int key = kNoKey;
        int actions = 0;
        std::vector<std::pair<uint8_t, int>> next;  // few: the bytes that follow this prefix
    };

    int Child(int node, uint8_t byte) const;
    int ChildOrNew(int node, uint8_t byte);

    std::vector<Node> nodes_;
    std::array<int, 256> first_;  // the root's children, looked up at every character
};

}  // namespace analysis
