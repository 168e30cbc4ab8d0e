#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>
#include <string>
#include <vector>

#include "app/Programa.h"
#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakeDesktop.h"

// The main window as start-up leaves it after its creation handler, shown, over a fake
// desktop of the test's choice. Keys synthesised for the program's own window reach its
// focused widget while it is the fake foreground.
template <typename Desktop = platform::FakeDesktop>
class FormFixtureOn : public ::testing::Test {
  protected:
    FormFixtureOn() {
        form.FormCreate();
        form.show();
        QApplication::processEvents();
        desktop.ClearLog();
    }

    platform::HWND OwnWindow() { return desktop.HandleOf(&form); }

    // The node reached by texts from the top level down, e.g. Node({"B", "BA"}); nullptr
    // when there is none.
    QTreeWidgetItem* Node(const std::vector<std::string>& path) { return NodeAt(path); }

    std::string Highlighted() {
        const QList<QTreeWidgetItem*> selected = form.Tree->selectedItems();
        return selected.isEmpty() ? "(none)" : KeyTree::TextOf(selected.first());
    }

    // Texts of the groups that are open, in tree order.
    std::vector<std::string> OpenGroups() {
        std::vector<std::string> open;
        for (QTreeWidgetItemIterator it(form.Tree); *it; ++it) {
            if ((*it)->isExpanded()) open.push_back(KeyTree::TextOf(*it));
        }
        return open;
    }

    // The centre of a node's row in the tree's client area; the node must be visible.
    QPoint RowCentre(QTreeWidgetItem* node) {
        form.Tree->scrollToItem(node);
        return form.Tree->visualItemRect(node).center();
    }

    // A button pressed and released at a point of the tree's client area, as the window
    // system delivers it.
    void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* client = form.Tree->viewport();
        const QPointF global = client->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(client, &press);
        QApplication::sendEvent(client, &release);
    }

    // A user's click on a node's row.
    void Click(QTreeWidgetItem* node, Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_NE(node, nullptr);
        ClickAt(RowCentre(node), button);
    }

    // Clicks along a path as a user reaches a key: each closed group on the way, then the
    // last node.
    void ClickPath(const std::vector<std::string>& path) {
        std::vector<std::string> reached;
        for (const std::string& text : path) {
            reached.push_back(text);
            QTreeWidgetItem* node = NodeAt(reached);
            ASSERT_NE(node, nullptr) << text;
            const bool last = reached.size() == path.size();
            if (last || !node->isExpanded()) Click(node);
        }
    }

    // A left click at the pointer, as a switch wired as the left button gives it.
    void ClickAtPointer() {
        const platform::Point cursor = desktop.Cursor();
        ClickAt(form.Tree->viewport()->mapFromGlobal(QPoint(cursor.x, cursor.y)));
    }

    Desktop desktop;
    Programa programa{desktop};
    TFormPrincipal form{programa};

  private:
    QTreeWidgetItem* NodeAt(const std::vector<std::string>& path) {
        QTreeWidgetItem* found = nullptr;
        for (const std::string& text : path) {
            found = found ? Child(found, text) : Top(text);
            if (!found) return nullptr;
        }
        return found;
    }
    QTreeWidgetItem* Top(const std::string& text) {
        for (int i = 0; i < form.Tree->topLevelItemCount(); ++i) {
            if (KeyTree::TextOf(form.Tree->topLevelItem(i)) == text)
                return form.Tree->topLevelItem(i);
        }
        return nullptr;
    }
    static QTreeWidgetItem* Child(QTreeWidgetItem* parent, const std::string& text) {
        for (int i = 0; i < parent->childCount(); ++i) {
            if (KeyTree::TextOf(parent->child(i)) == text) return parent->child(i);
        }
        return nullptr;
    }
};

using FormFixture = FormFixtureOn<>;
