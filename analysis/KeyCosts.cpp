#include "analysis/KeyCosts.h"

#include "analysis/ScanModel.h"

namespace analysis {
namespace {

constexpr int kNone = FlatKeyboard::kNone;

// A level still to walk: the scan as it stands when the level's first node can be reached,
// and what reaching that moment cost.
struct Level {
    ScanModel scan;
    int first;
    KeyCost base;
    bool startsHighlighted;  // the top level after a restart: its first node needs no step
};

}  // namespace

std::vector<std::optional<KeyCost>> CostsFromRestart(const FlatKeyboard& keyboard, bool passTwice) {
    std::vector<std::optional<KeyCost>> costs(keyboard.Nodes().size());
    ScanModel restarted(keyboard, passTwice);
    restarted.Restart();
    // Without recursion, so that a keyboard thousands of levels deep cannot exhaust the stack.
    std::vector<Level> pending{{restarted, keyboard.First(), {}, true}};
    while (!pending.empty()) {
        Level level = std::move(pending.back());
        pending.pop_back();
        int steps = 0;
        for (int node = level.first; node != kNone; node = keyboard.At(node).nextSibling) {
            if (node != level.first || !level.startsHighlighted) {
                ++steps;
                if (level.scan.Step() != ScanModel::StepResult::Moved) break;
            }
            // The rest of the level lies beyond a restart: the scan never gets there.
            if (level.scan.Highlighted() != node) break;
            const KeyCost cost{level.base.steps + steps, level.base.presses + 1};
            costs[static_cast<size_t>(node)] = cost;
            if (keyboard.IsGroup(node)) {
                ScanModel entered = level.scan;
                entered.Press();
                pending.push_back({std::move(entered), keyboard.At(node).firstChild, cost, false});
            }
        }
    }
    return costs;
}

}  // namespace analysis
