#pragma once

#include <string_view>
#include <vector>

#include "analysis/FlatKeyboard.h"

namespace analysis {

// Automatic scanning as the keyboard runs it, without a window: the highlight, the open
// groups and the values the scan keeps between steps, moved by steps of the timer and by
// presses of the switch. The design's names are kept for the values it keeps. A copy is a
// snapshot of the scan, as cheap as the number of open groups.
class ScanModel {
  public:
    enum class StepResult {
        Moved,        // the highlight went on to the next visible node, or stayed on the last
        Restarted,    // the highlighted text repeated the previous step's: back to the first key
        GroupReturn,  // pass twice: back on the group's node after one pass, with a pause
    };
    enum class PressResult { Opened, Closed, Typed, Nothing };

    ScanModel(const FlatKeyboard& keyboard, bool passTwice);

    // Every group closed and the first key highlighted, as when scanning is switched on.
    void Restart();
    // One tick of the scanning timer.
    StepResult Step();
    // The switch pressed on the highlighted node: a group opens or closes, a key is typed and
    // the scan restarts.
    PressResult Press();

    int Highlighted() const { return highlighted_; }
    bool IsOpen(int node) const;

  private:
    int NextVisible(int node) const;
    // The node a Down arrow moves to from a highlight inside a closed group: the view counts
    // such a highlight as its first row.
    int NextFromHidden() const;
    void CloseAll();
    void CloseWithDescendants(int group);
    bool Within(int node, int group) const;
    std::string_view HighlightedText() const;

    const FlatKeyboard* keyboard_;
    bool passTwice_;
    std::vector<int> openGroups_;  // a handful: one per level opened
    int highlighted_ = FlatKeyboard::kNone;
    // Closing every group from a press on an open group inside another hides the highlight.
    bool hidden_ = false;
    std::string_view TextEscaneigAnterior;
    int FillsGrup = 0;
    int SaltsGrup = 0;
    int GrupDuesVegades = FlatKeyboard::kNone;
};

}  // namespace analysis
