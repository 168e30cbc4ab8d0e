#pragma once

#include <string>
#include <vector>

#include "keys/KeyNode.h"

namespace analysis {

// A keyboard's nodes numbered in display order (every group open), with the links the
// scan follows from one visible node to the next. The keyboard must outlive it.
class FlatKeyboard {
  public:
    static constexpr int kNone = -1;

    struct Node {
        const keys::KeyNode* key;
        int parent;       // kNone at the top level
        int firstChild;   // kNone for a key
        int nextSibling;  // kNone for the last node of its level
    };

    explicit FlatKeyboard(const keys::KeyForest& keyboard);

    const std::vector<Node>& Nodes() const { return nodes_; }
    const Node& At(int node) const { return nodes_[static_cast<size_t>(node)]; }
    const std::string& TextOf(int node) const { return At(node).key->text; }
    bool IsGroup(int node) const { return At(node).firstChild != kNone; }
    // The first top-level node, kNone for an empty keyboard.
    int First() const { return nodes_.empty() ? kNone : 0; }
    // The node and its groups from the top level down, the node last.
    std::vector<int> PathTo(int node) const;

  private:
    std::vector<Node> nodes_;
};

}  // namespace analysis
