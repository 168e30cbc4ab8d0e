#pragma once

#include <string>
#include <vector>

namespace keys {

// One key of the keyboard: its text (Windows-1252 bytes) and its children.
// A node with children is a group.
struct KeyNode {
    std::string text;
    std::vector<KeyNode> children;
};

// The top-level nodes of a keyboard, in display order.
using KeyForest = std::vector<KeyNode>;

}  // namespace keys
