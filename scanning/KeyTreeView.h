#pragma once

#include "scan/Tree.h"

class KeyTree;
class QTreeWidgetItem;

namespace scanning {

// The window's key tree as the scanning library reads it: a node is the tree's item.
class KeyTreeView final : public scan::Tree {
  public:
    explicit KeyTreeView(const KeyTree& tree) : tree_(tree) {}

    scan::Node First() const override;
    scan::Node Parent(scan::Node node) const override;
    scan::Node FirstChild(scan::Node node) const override;
    scan::Node NextSibling(scan::Node node) const override;
    bool IsOpen(scan::Node group) const override;
    std::string Text(scan::Node node) const override;
    scan::Node Highlighted() const override;
    bool Contains(scan::Node node) const override;
    int Indent() const override;

    static scan::Node NodeOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* ItemOf(scan::Node node);

  private:
    const KeyTree& tree_;
};

}  // namespace scanning
