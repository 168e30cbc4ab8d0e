#pragma once

#include <vector>

#include "analysis/FlatKeyboard.h"
#include "scan/Scanner.h"

namespace analysis {

// The keyboard's own automatic scanning, run on a keyboard of the model instead of the window's
// tree: scan::Scanner decides every step and press, as it does in the keyboard, and this
// carries out its actions on the model's open groups and highlight. A copy is a snapshot of
// the scan, a bit per node.
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
    class View;
    void CarryOut(const scan::Reaction& reaction);
    void CloseWithDescendants(int group);
    int AfterDescendants(int group) const;

    const FlatKeyboard* keyboard_;
    scan::Options options_;
    scan::Scanner scanner_;
    // Indexed by node, so that every step's question of whether the highlight is on a visible
    // row costs no more than its depth, even thousands of levels down.
    std::vector<bool> open_;
    int highlighted_ = FlatKeyboard::kNone;
};

}  // namespace analysis
