#include "scan/Tree.h"

namespace scan {

int ChildCount(const Tree& tree, Node node) {
    int count = 0;
    for (Node child = tree.FirstChild(node); child != kNoNode; child = tree.NextSibling(child)) {
        ++count;
    }
    return count;
}

bool IsVisible(const Tree& tree, Node node) {
    for (Node group = tree.Parent(node); group != kNoNode; group = tree.Parent(group)) {
        if (!tree.IsOpen(group)) return false;
    }
    return true;
}

namespace {

// The next row from a visible node.
Node Below(const Tree& tree, Node node) {
    if (tree.IsOpen(node) && tree.FirstChild(node) != kNoNode) return tree.FirstChild(node);
    for (Node at = node; at != kNoNode; at = tree.Parent(at)) {
        if (tree.NextSibling(at) != kNoNode) return tree.NextSibling(at);
    }
    return node;
}

}  // namespace

Node NextVisible(const Tree& tree, Node highlighted) {
    if (highlighted == kNoNode) return tree.First();
    return Below(tree, IsVisible(tree, highlighted) ? highlighted : tree.First());
}

}  // namespace scan
