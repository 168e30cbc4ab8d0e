#pragma once

#include <QTreeWidget>
#include <cstdint>
#include <string>

#include "keys/KeyNode.h"

// The tree view of keys. Only the key press dispatch opens and closes groups, so the
// view itself never expands or collapses on a click or a double-click; a click anywhere
// in it reports "clicked" (the left button first selects the node under the pointer),
// and every button press reports "mouseDown" first.
class KeyTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit KeyTree(QWidget* parent = nullptr);

    // Replaces every node by the keyboard, all groups collapsed, nothing selected.
    void SetKeyboard(const keys::KeyForest& keyboard);
    // Inserts the keyboard's top-level nodes in front of the current first node.
    void InsertAtTop(const keys::KeyForest& keyboard);
    // Deletes every node, however deep the tree.
    void Clear();
    // Collapses every top-level node together with all its descendants.
    void CollapseAll();
    // Collapses one node and all its descendants.
    static void CollapseWithDescendants(QTreeWidgetItem* node);

    // The node's text as Windows-1252 bytes.
    static std::string TextOf(const QTreeWidgetItem* node);
    // A new node with that text, selectable like every key.
    static QTreeWidgetItem* NewNode(const std::string& text);
    // Number of nodes in the tree.
    int CountNodes() const;
    // The tree's content as key nodes, for comparisons.
    keys::KeyForest Keyboard() const;
    // When the left button last went down and came up on the tree, in the milliseconds of the
    // window system's input events: a switch wired as the button is timed by them.
    uint32_t LeftPressedAt() const { return leftPressedAt_; }
    uint32_t LeftReleasedAt() const { return leftReleasedAt_; }

  signals:
    void clicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    uint32_t leftPressedAt_ = 0;
    uint32_t leftReleasedAt_ = 0;
};
