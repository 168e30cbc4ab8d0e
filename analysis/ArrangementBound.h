#pragma once

#include "analysis/CostTally.h"
#include "analysis/ScannedKeyboard.h"

namespace analysis {

// The fewest scan actions per character that any arrangement of the keyboard's keys could
// take to write what `summary` counts, each key chosen as often as there, the first
// `fixedTopLevel` top-level nodes (the special keys the program adds) and their keys staying
// where they are. After every key the scan starts again at the top; a top-level node at place
// p takes p + 1 actions and a group's child at place j j + 2 more, so for x = 1/φ no
// arrangement's keys can have x to the power of their actions add up to more than what the
// places after the fixed nodes hold, nor any key take fewer actions than the first of those
// places. The figure is the least that the actions could then be, freed from being whole
// numbers. A keyboard near it is laid out as well as its keys allow; to go below it takes
// other keys, or fewer fixed nodes.
double FewestActionsPerCharacter(const ScannedKeyboard& keyboard, const CostSummary& summary,
                                 int fixedTopLevel);

}  // namespace analysis
