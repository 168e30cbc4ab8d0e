#pragma once

#include <string>

#include "scan/ScanDesign.h"

namespace scan {

// What scanning remembers from one step to the next, apart from its timer, the tree and the
// pointer: the scan column, the text highlighted at the end of the previous step and the
// pass-twice count of the group entered last. A group is named by `Group`: the tree's item
// in the program, a key of the model in the cost analyser, so both count alike.
template <typename Group>
class ScanState {
  public:
    // The column, in the tree's client pixels, at which the pointer is put on the highlighted
    // row.
    int Column() const { return XEscaneig; }
    // The text highlighted at the end of the previous step; empty after a restart, a press
    // on the tree and a group return.
    const std::string& PreviousText() const { return TextEscaneigAnterior; }
    // Pass-twice: the group entered last, the number of its children (0 when none is being
    // counted) and the steps counted since it was entered (from -1).
    Group CountedGroup() const { return GrupDuesVegades; }
    int GroupChildren() const { return FillsGrup; }
    int GroupSteps() const { return SaltsGrup; }

    // A press on the tree: whatever it does, the next step does not compare with the last.
    void Pressed() { TextEscaneigAnterior.clear(); }

    // A press opened a group: the column moves one indent right and, with pass-twice, the
    // group's children are counted from the next step on.
    void GroupOpened(Group group, int children, int indent, bool passTwice) {
        XEscaneig += indent;
        if (!passTwice) return;
        FillsGrup = children;
        SaltsGrup = -1;
        GrupDuesVegades = group;
    }

    // A press on an open group closed every group: the column goes back to the top level and
    // no group is counted.
    void GroupsClosed(bool passTwice) {
        XEscaneig = kColumnaInicial;
        if (passTwice) FillsGrup = SaltsGrup = 0;
    }

    // Counts a step. True when it completes a pass over the counted group's children: the
    // highlight must go back to `CountedGroup()`, one indent to the left, and the counting
    // ends.
    bool CountStep(bool passTwice, int indent) {
        if (!passTwice || FillsGrup <= 0) return false;
        if (++SaltsGrup != FillsGrup) return false;
        XEscaneig -= indent;
        FillsGrup = SaltsGrup = 0;
        TextEscaneigAnterior.clear();
        return true;
    }

    // True when the highlight after a step shows the same text as after the one before: it
    // did not move, the list has ended.
    bool EndOfList(const std::string& highlighted) const {
        return highlighted == TextEscaneigAnterior;
    }
    // The text highlighted at the end of this step, for the next one to compare with.
    void Remember(const std::string& highlighted) { TextEscaneigAnterior = highlighted; }

    // The scan starts again at the first key, with every group closed. With pass-twice the
    // node highlighted until now becomes the counted group, with nothing to count.
    void Restart(Group highlighted, bool passTwice) {
        XEscaneig = kColumnaInicial;
        if (passTwice) {
            GrupDuesVegades = highlighted;
            FillsGrup = SaltsGrup = 0;
        }
        TextEscaneigAnterior.clear();
    }

    // The counted group is about to go with the keyboard it belongs to.
    void ForgetGroup() { GrupDuesVegades = Group{}; }

  private:
    int XEscaneig = kColumnaInicial;
    std::string TextEscaneigAnterior;
    Group GrupDuesVegades{};
    int FillsGrup = 0;
    int SaltsGrup = 0;
};

}  // namespace scan
