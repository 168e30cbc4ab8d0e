#include "analysis/KeyCosts.h"

#include "analysis/ScanModel.h"

namespace analysis {
namespace {

constexpr int kNone = FlatKeyboard::kNone;

// A list of nodes still to walk: the scan as it stands when the list's first node can be
// reached, and what reaching that moment cost.
struct Level {
    ScanModel scan;
    int parent;  // kNone for the top level, which the scan starts on
    KeyCost base;
};

bool InLevel(const FlatKeyboard& keyboard, int node, int parent) {
    return node != kNone && keyboard.At(node).parent == parent;
}

int LevelSize(const FlatKeyboard& keyboard, int parent) {
    int size = 0;
    const int first = parent == kNone ? keyboard.First() : keyboard.At(parent).firstChild;
    for (int node = first; node != kNone; node = keyboard.At(node).nextSibling) ++size;
    return size;
}

}  // namespace

std::vector<std::optional<KeyCost>> CostsFromRestart(const FlatKeyboard& keyboard, bool passTwice) {
    std::vector<std::optional<KeyCost>> costs(keyboard.Nodes().size());
    ScanModel restarted(keyboard, passTwice);
    restarted.Restart();
    // Without recursion, so that a keyboard thousands of levels deep cannot exhaust the stack.
    std::vector<Level> pending{{restarted, kNone, {}}};
    while (!pending.empty()) {
        Level level = std::move(pending.back());
        pending.pop_back();
        const bool top = level.parent == kNone;
        // The top level is walked on after the scan restarts at its end, where the previous
        // text is no longer empty: a key hidden on the first pass may show on the second.
        // Inside a group, a restart leaves the group, and entering it again changes nothing.
        int restartsLeft = top ? 1 : 0;
        const int mostSteps = (restartsLeft + 1) * (LevelSize(keyboard, level.parent) + 1);
        auto reached = [&](int node, int steps) {
            if (costs[static_cast<size_t>(node)]) return;
            const KeyCost cost{level.base.steps + steps, level.base.presses + 1};
            costs[static_cast<size_t>(node)] = cost;
            if (!keyboard.IsGroup(node)) return;
            ScanModel entered = level.scan;
            entered.Press();
            pending.push_back({std::move(entered), node, cost});
        };
        if (top && level.scan.Highlighted() != kNone) reached(level.scan.Highlighted(), 0);
        for (int steps = 1; steps <= mostSteps; ++steps) {
            const ScanModel::StepResult result = level.scan.Step();
            if (result == ScanModel::StepResult::GroupReturn) break;
            if (result == ScanModel::StepResult::Restarted && restartsLeft-- == 0) break;
            if (!InLevel(keyboard, level.scan.Highlighted(), level.parent)) break;
            reached(level.scan.Highlighted(), steps);
        }
    }
    return costs;
}

}  // namespace analysis
