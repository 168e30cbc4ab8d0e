#include "ui/SelectedNode.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ui/KeyTree.h"

namespace ui {

QTreeWidgetItem* SelectedNode(const QTreeWidget& tree) {
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::string SelectedText(const QTreeWidget& tree) {
    const QTreeWidgetItem* node = SelectedNode(tree);
    return node ? KeyTree::TextOf(node) : std::string();
}

bool IsInTree(const QTreeWidget& tree, const QTreeWidgetItem* node) {
    if (!node) return false;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if (*it == node) return true;
    }
    return false;
}

}  // namespace ui
