#pragma once

#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

// The tree's selected node, or nullptr before any node has been selected.
QTreeWidgetItem* SelectedNode(const QTreeWidget& tree);

// The selected node's text as Windows-1252 bytes; empty when nothing is selected.
std::string SelectedText(const QTreeWidget& tree);

// Whether the node is still one of the tree's nodes; a keyboard load replaces them all.
bool IsInTree(const QTreeWidget& tree, const QTreeWidgetItem* node);

}  // namespace ui
