#include "analysis/KeyMatcher.h"

#include <algorithm>

namespace analysis {
namespace {

constexpr int kRoot = 0;
constexpr int kAbsent = -1;

}  // namespace

KeyMatcher::KeyMatcher() : nodes_(1) { first_.fill(kAbsent); }

int KeyMatcher::Child(int node, uint8_t byte) const {
    if (node == kRoot) return first_[byte];
    for (const auto& [label, child] : nodes_[static_cast<size_t>(node)].next) {
        if (label == byte) return child;
    }
    return kAbsent;
}

int KeyMatcher::ChildOrNew(int node, uint8_t byte) {
    const int found = Child(node, byte);
    if (found != kAbsent) return found;
    const int created = static_cast<int>(nodes_.size());
    nodes_.emplace_back();
    if (node == kRoot) {
        first_[byte] = created;
    } else {
        nodes_[static_cast<size_t>(node)].next.emplace_back(byte, created);
    }
    return created;
}

void KeyMatcher::Add(std::string_view typed, int key, int actions) {
    if (typed.empty()) return;
    int node = kRoot;
    for (char byte : typed) node = ChildOrNew(node, static_cast<uint8_t>(byte));
    Node& end = nodes_[static_cast<size_t>(node)];
    if (end.key != kNoKey && end.actions <= actions) return;
    end.key = key;
    end.actions = actions;
}

void KeyMatcher::Remove(std::string_view typed) {
    int node = kRoot;
    for (char byte : typed) {
        node = Child(node, static_cast<uint8_t>(byte));
        if (node == kAbsent) return;
    }
    if (node != kRoot) nodes_[static_cast<size_t>(node)].key = kNoKey;
}

std::optional<KeyMatcher::Match> KeyMatcher::LongestAt(std::string_view text) const {
    std::optional<Match> longest;
    int node = kRoot;
    for (size_t length = 1; length <= text.size(); ++length) {
        node = Child(node, static_cast<uint8_t>(text[length - 1]));
        if (node == kAbsent) break;
        const int key = nodes_[static_cast<size_t>(node)].key;
        if (key != kNoKey) longest = Match{key, length};
    }
    return longest;
}

}  // namespace analysis
