#pragma once

#include <cstdint>
#include <string>

namespace scan {

// A node of the key tree, as its owner names it: the tree's item in the program, a key of the
// model in the cost analyser. 0 names none.
using Node = std::uintptr_t;
inline constexpr Node kNoNode = 0;

// The key tree as scanning sees it, read afresh at every event: its shape, which groups are
// open and which node is highlighted. Scanning changes it only through the actions it
// returns, which the tree's owner carries out.
class Tree {
  public:
    virtual ~Tree() = default;
    // The first top-level node; kNoNode for an empty tree.
    virtual Node First() const = 0;
    virtual Node Parent(Node node) const = 0;       // kNoNode at the top level
    virtual Node FirstChild(Node node) const = 0;   // kNoNode for a key
    virtual Node NextSibling(Node node) const = 0;  // kNoNode for the last of its level
    virtual bool IsOpen(Node group) const = 0;
    virtual std::string Text(Node node) const = 0;
    // The highlighted node (the tree's selection); kNoNode when none.
    virtual Node Highlighted() const = 0;
    // Whether the node still belongs to the tree: a keyboard loaded meanwhile replaces all.
    virtual bool Contains(Node node) const = 0;
    // How far, in the tree's client pixels, a group's children stand right of it.
    virtual int Indent() const = 0;
};

// The number of direct children of a node.
int ChildCount(const Tree& tree, Node node);

// Whether every group above the node is open, so that it stands on a row of its own.
bool IsVisible(const Tree& tree, Node node);

// Where a Down arrow moves the highlight, row by row in display order: into an open group's
// children, out of a group's last child to what follows the group, nowhere from the last
// visible node. A highlight on no visible row counts as the first row; none at all goes to
// the first row.
Node NextVisible(const Tree& tree, Node highlighted);

}  // namespace scan
