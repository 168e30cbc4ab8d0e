#include "scanning/KeyTreeView.h"

#include "ui/KeyTree.h"
#include "ui/SelectedNode.h"

namespace scanning {

scan::Node KeyTreeView::NodeOf(const QTreeWidgetItem* item) {
    return reinterpret_cast<scan::Node>(item);
}

QTreeWidgetItem* KeyTreeView::ItemOf(scan::Node node) {
    return reinterpret_cast<QTreeWidgetItem*>(node);
}

scan::Node KeyTreeView::First() const { return NodeOf(tree_.topLevelItem(0)); }

scan::Node KeyTreeView::Parent(scan::Node node) const { return NodeOf(ItemOf(node)->parent()); }

scan::Node KeyTreeView::FirstChild(scan::Node node) const {
    const QTreeWidgetItem* item = ItemOf(node);
    return item->childCount() > 0 ? NodeOf(item->child(0)) : scan::kNoNode;
}

scan::Node KeyTreeView::NextSibling(scan::Node node) const {
    const QTreeWidgetItem* item = ItemOf(node);
    if (const QTreeWidgetItem* parent = item->parent()) {
        return NodeOf(parent->child(parent->indexOfChild(const_cast<QTreeWidgetItem*>(item)) + 1));
    }
    return NodeOf(
        tree_.topLevelItem(tree_.indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) + 1));
}

bool KeyTreeView::IsOpen(scan::Node group) const { return ItemOf(group)->isExpanded(); }

std::string KeyTreeView::Text(scan::Node node) const { return KeyTree::TextOf(ItemOf(node)); }

scan::Node KeyTreeView::Highlighted() const { return NodeOf(ui::SelectedNode(tree_)); }

bool KeyTreeView::Contains(scan::Node node) const { return ui::IsInTree(tree_, ItemOf(node)); }

int KeyTreeView::Indent() const { return tree_.indentation(); }

}  // namespace scanning
