#pragma once

#include <QAction>

#include "DispatchFixture.h"
#include "scan/ScanDesign.h"

// The keyboard with an editor as the receiving window, ready to scan.
class ScanningFixture : public DispatchFixture {
  protected:
    int StepTime() { return form.scanning->TimerEscaneig.Interval(); }
    // The right button on the tree, as the user switches scanning on and off.
    void RightButton() { ClickAt({30, 5}, Qt::RightButton); }
    void StartScanning() {
        RightButton();
        ASSERT_TRUE(form.MenuActivarLEscaneigAutomatic->isChecked());
    }
    // Time passes until the next step: one step time, after the pause that holds a group's
    // node when the last step returned to it.
    void Step() {
        if (form.MenuActivarLEscaneigAutomatic->isChecked() &&
            !form.scanning->TimerEscaneig.Enabled()) {
            desktop.Advance(static_cast<uint32_t>(StepTime() + scan::kPausaRetornGrupMs));
        }
        desktop.Advance(static_cast<uint32_t>(StepTime()));
    }
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
