#include "analysis/FlatKeyboard.h"

#include <algorithm>
#include <utility>

namespace analysis {

FlatKeyboard::FlatKeyboard(const keys::KeyForest& keyboard) {
    // Depth first without recursion, so that a file thousands of levels deep cannot exhaust
    // the stack: each entry is a level still to number and its parent.
    struct Pending {
        const keys::KeyForest* level;
        size_t next;
        int parent;
        int previous;
    };
    std::vector<Pending> pending{{&keyboard, 0, kNone, kNone}};
    while (!pending.empty()) {
        Pending& top = pending.back();
        if (top.next == top.level->size()) {
            pending.pop_back();
            continue;
        }
        const keys::KeyNode& key = (*top.level)[top.next++];
        const int index = static_cast<int>(nodes_.size());
        nodes_.push_back({&key, top.parent, kNone, kNone});
        if (top.previous != kNone) {
            nodes_[static_cast<size_t>(top.previous)].nextSibling = index;
        } else if (top.parent != kNone) {
            nodes_[static_cast<size_t>(top.parent)].firstChild = index;
        }
        top.previous = index;
        if (!key.children.empty()) pending.push_back({&key.children, 0, index, kNone});
    }
}

std::vector<int> FlatKeyboard::PathTo(int node) const {
    std::vector<int> path;
    for (int at = node; at != kNone; at = At(at).parent) path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace analysis
