#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace analysis {

// The shape of a built keyboard below the special keys that the program adds on top: first
// `singles` keys at the top level, then `groups` groups of keys, then `nestedGroups` groups
// that hold `keysBeforeSubgroups` keys and then groups of keys, then the trailing groups that
// every built keyboard ends with (all the letters, the digits and signs). Choosing a top-level node
// at place p (from 0) takes p steps and a press; a child at place j of an open group takes j + 1
// steps and a press more. Frequent keys are cheapest in the first groups; the many rare ones are
// cheaper a level deeper, where the number of places of one cost grows with that cost.
struct LayoutShape {
    int singles = 0;
    int groups = 1;
    int nestedGroups = 0;
    int keysBeforeSubgroups = 0;
    bool operator==(const LayoutShape&) const = default;
};

// A place for a key in a shape, and the scan actions that choosing a key there takes.
struct Place {
    static constexpr int kTopLevel = -1;
    static constexpr int kDirect = -1;
    int actions;
    int group;     // the top-level group, counted from the first one, or kTopLevel
    int subgroup;  // in a nested group, the group inside it; kDirect otherwise
    int index;     // its place among the singles, or among its group's children
};

// The `count` cheapest places of the shape, cheapest first; among places of equal cost, the
// top level first, then the earlier group, then the earlier subgroup.
std::vector<Place> CheapestPlaces(const LayoutShape& shape, size_t count);

// How many top-level groups the places fill: groups the cheapest places leave empty are not
// made.
int GroupsUsed(const std::vector<Place>& places);

// The actions that choosing the child `index` of the trailing group `trailing` (from 0) takes,
// with `groupsUsed` groups before the trailing ones.
int TrailingKeyActions(const LayoutShape& shape, int groupsUsed, int trailing, int index);

// The actions of keys used as often as `usesDescending` says, most used first, in the
// cheapest places: the most used key in the cheapest place, and so on.
uint64_t PlacedActions(const std::vector<uint64_t>& usesDescending,
                       const std::vector<Place>& places);

// The uses of each trailing group's keys, by group and place.
using TrailingUses = std::vector<std::vector<uint64_t>>;

// The shape in which keys used as often as `usesDescending` says and the trailing groups'
// keys take the fewest actions, found from `start` one change at a time.
LayoutShape BestShape(const std::vector<uint64_t>& usesDescending, const TrailingUses& trailingUses,
                      LayoutShape start);

}  // namespace analysis
