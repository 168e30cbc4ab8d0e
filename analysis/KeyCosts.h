#pragma once

#include <optional>
#include <vector>

#include "analysis/FlatKeyboard.h"

namespace analysis {

// What choosing a node takes from a restart: ticks of the scan waited through and presses
// of the switch, one per level.
struct KeyCost {
    int steps = 0;
    int presses = 0;
    int Actions() const { return steps + presses; }
};

// The cost of every node, by FlatKeyboard number, for a user who never misses: from the
// first key highlighted after a key is typed, wait until the next node of the path is
// highlighted, press it, and so on down to the node. Nothing for a node the scan never
// highlights on that way, such as a key after a neighbour with the same text.
std::vector<std::optional<KeyCost>> CostsFromRestart(const FlatKeyboard& keyboard, bool passTwice);

}  // namespace analysis
