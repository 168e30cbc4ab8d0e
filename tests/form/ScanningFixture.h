#pragma once

#include <QAction>

#include "DispatchFixture.h"

// The keyboard with an editor as the receiving window, ready to scan.
class ScanningFixture : public DispatchFixture {
  protected:
    int StepTime() { return form.TimerEscaneig.Interval(); }
    // The right button on the tree, as the user switches scanning on and off.
    void RightButton() { ClickAt({30, 5}, Qt::RightButton); }
    void StartScanning() {
        RightButton();
        ASSERT_TRUE(form.MenuActivarLEscaneigAutomatic->isChecked());
    }
    // One step time passes.
    void Step() { desktop.Advance(static_cast<uint32_t>(StepTime())); }
    // The highlight after each of n steps.
    std::vector<std::string> Steps(int n) {
        std::vector<std::string> seen;
        for (int i = 0; i < n; ++i) {
            Step();
            seen.push_back(Highlighted());
        }
        return seen;
    }
    // Where the pointer is, in the tree's client coordinates.
    QPoint PointerInTree() {
        const platform::Point cursor = desktop.Cursor();
        return form.Tree->viewport()->mapFromGlobal(QPoint(cursor.x, cursor.y));
    }
    std::string RowUnderPointer() {
        QTreeWidgetItem* row = form.Tree->itemAt(PointerInTree());
        return row ? KeyTree::TextOf(row) : "(none)";
    }
};
