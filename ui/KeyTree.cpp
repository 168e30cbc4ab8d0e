#include "ui/KeyTree.h"

#include <QMouseEvent>
#include <utility>
#include <vector>

#include "platform/Cp1252.h"

namespace {

// Builds the items of a forest without recursion, so that a keyboard file thousands
// of levels deep cannot exhaust the stack.
QList<QTreeWidgetItem*> BuildItems(const keys::KeyForest& keyboard) {
    QList<QTreeWidgetItem*> top;
    std::vector<std::pair<const keys::KeyNode*, QTreeWidgetItem*>> pending;
    for (const keys::KeyNode& node : keyboard) {
        QTreeWidgetItem* item = KeyTree::NewNode(node.text);
        top.append(item);
        pending.emplace_back(&node, item);
    }
    while (!pending.empty()) {
        auto [node, item] = pending.back();
        pending.pop_back();
        for (const keys::KeyNode& child : node->children) {
            QTreeWidgetItem* childItem = KeyTree::NewNode(child.text);
            item->addChild(childItem);
            pending.emplace_back(&child, childItem);
        }
    }
    return top;
}

// Deletes an item's subtree from the leaves up, without recursion.
void DeleteSubtree(QTreeWidgetItem* root) {
    std::vector<QTreeWidgetItem*> pending{root};
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        if (item->childCount() > 0) {
            pending.push_back(item->takeChild(item->childCount() - 1));
            continue;
        }
        pending.pop_back();
        delete item;
    }
}

}  // namespace

QTreeWidgetItem* KeyTree::NewNode(const std::string& text) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, platform::ToQString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

KeyTree::KeyTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(false);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
}

void KeyTree::SetKeyboard(const keys::KeyForest& keyboard) {
    Clear();
    addTopLevelItems(BuildItems(keyboard));
}

void KeyTree::InsertAtTop(const keys::KeyForest& keyboard) {
    insertTopLevelItems(0, BuildItems(keyboard));
}

void KeyTree::Clear() {
    while (topLevelItemCount() > 0) DeleteSubtree(takeTopLevelItem(topLevelItemCount() - 1));
}

void KeyTree::CollapseWithDescendants(QTreeWidgetItem* node) {
    std::vector<QTreeWidgetItem*> pending{node};
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        if (item->isExpanded()) item->setExpanded(false);
        for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
    }
}

void KeyTree::CollapseAll() { collapseAll(); }

std::string KeyTree::TextOf(const QTreeWidgetItem* node) {
    return platform::FromQString(node->text(0));
}

int KeyTree::CountNodes() const {
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<KeyTree*>(this)); *it; ++it) ++count;
    return count;
}

keys::KeyForest KeyTree::Keyboard() const {
    keys::KeyForest keyboard;
    std::vector<std::pair<const QTreeWidgetItem*, keys::KeyNode*>> pending;
    keyboard.resize(static_cast<size_t>(topLevelItemCount()));
    for (int i = 0; i < topLevelItemCount(); ++i)
        pending.emplace_back(topLevelItem(i), &keyboard[i]);
    while (!pending.empty()) {
        auto [item, node] = pending.back();
        pending.pop_back();
        node->text = TextOf(item);
        node->children.resize(static_cast<size_t>(item->childCount()));
        for (int i = 0; i < item->childCount(); ++i)
            pending.emplace_back(item->child(i), &node->children[i]);
    }
    return keyboard;
}

void KeyTree::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    // Only the left button chooses a node; the right one switches scanning.
    if (event->button() != Qt::LeftButton) return;
    leftPressedAt_ = static_cast<uint32_t>(event->timestamp());
    QTreeWidget::mousePressEvent(event);
}

void KeyTree::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    leftReleasedAt_ = static_cast<uint32_t>(event->timestamp());
    QTreeWidget::mouseReleaseEvent(event);
    emit clicked();
}

void KeyTree::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is an ordinary press: it selects, nothing more.
    mousePressEvent(event);
}
