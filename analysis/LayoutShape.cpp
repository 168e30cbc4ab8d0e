#include "analysis/LayoutShape.h"

#include <algorithm>
#include <limits>

#include "keys/SpecialKeys.h"

namespace analysis {
namespace {

// Choosing the top-level node at place p takes p steps and one press; a child at place j of
// a group takes the group's actions, j + 1 steps and one press more.
constexpr int kPress = 1;
int TopLevelActions(int place) { return place + kPress; }
int ChildActions(int groupActions, int index) { return groupActions + index + 1 + kPress; }

int SingleActions(int index) { return TopLevelActions(keys::kSpecialTopLevelNodes + index); }
int GroupActions(const LayoutShape& shape, int group) {
    return TopLevelActions(keys::kSpecialTopLevelNodes + shape.singles + group);
}

// Walks the places of the shape from the cheapest, calling place(Place) until it returns
// false.
template <typename Visit>
void WalkPlaces(const LayoutShape& shape, Visit&& place) {
    for (int index = 0; index < shape.singles; ++index) {
        if (!place(Place{SingleActions(index), Place::kTopLevel, Place::kDirect, index})) return;
    }
    const int allGroups = shape.groups + shape.nestedGroups;
    // Group t's child j costs as much as group t + 1's child j - 1: the places of one cost
    // run along diagonals, and inside a nested group along the diagonals of its subgroups.
    for (int actions = ChildActions(GroupActions(shape, 0), 0);; ++actions) {
        for (int group = 0; group < allGroups; ++group) {
            const int first = ChildActions(GroupActions(shape, group), 0);
            const bool isNested = group >= shape.groups;
            const int direct = isNested ? shape.keysBeforeSubgroups : -1;
            const int index = actions - first;
            if (index >= 0 && (!isNested || index < direct) &&
                !place(Place{actions, group, Place::kDirect, index})) {
                return;
            }
            if (!isNested) continue;
            const int firstInSubgroups = ChildActions(first + direct, 0);
            for (int subgroup = 0; subgroup <= actions - firstInSubgroups; ++subgroup) {
                const int key = actions - firstInSubgroups - subgroup;
                if (!place(Place{actions, group, subgroup, key})) return;
            }
        }
    }
}

// The actions of the uses in the shape's cheapest places and of the trailing groups after
// them; stops counting once past `limit`.
uint64_t ShapeActions(const LayoutShape& shape, const std::vector<uint64_t>& usesDescending,
                      const TrailingUses& trailingUses, uint64_t limit) {
    uint64_t actions = 0;
    size_t placed = 0;
    int used = 0;
    if (!usesDescending.empty()) {
        WalkPlaces(shape, [&](const Place& place) {
            actions += usesDescending[placed] * static_cast<uint64_t>(place.actions);
            used = std::max(used, place.group + 1);
            return ++placed < usesDescending.size() && actions <= limit;
        });
    }
    for (size_t trailing = 0; trailing < trailingUses.size(); ++trailing) {
        for (size_t index = 0; index < trailingUses[trailing].size(); ++index) {
            actions += trailingUses[trailing][index] *
                       static_cast<uint64_t>(TrailingKeyActions(
                           shape, used, static_cast<int>(trailing), static_cast<int>(index)));
        }
    }
    return actions;
}

// The shapes one change away: one more or one fewer of something.
std::vector<LayoutShape> Neighbours(const LayoutShape& shape) {
    std::vector<LayoutShape> near;
    for (int change : {-1, 1}) {
        for (int LayoutShape::*part :
             {&LayoutShape::singles, &LayoutShape::groups, &LayoutShape::nestedGroups,
              &LayoutShape::keysBeforeSubgroups}) {
            LayoutShape next = shape;
            next.*part += change;
            if (next.*part >= 0 && next.groups + next.nestedGroups > 0) near.push_back(next);
        }
    }
    return near;
}

}  // namespace

std::vector<Place> CheapestPlaces(const LayoutShape& shape, size_t count) {
    std::vector<Place> places;
    places.reserve(count);
    if (count == 0) return places;
    WalkPlaces(shape, [&](const Place& place) {
        places.push_back(place);
        return places.size() < count;
    });
    return places;
}

int GroupsUsed(const std::vector<Place>& places) {
    int used = 0;
    for (const Place& place : places) used = std::max(used, place.group + 1);
    return used;
}

int TrailingKeyActions(const LayoutShape& shape, int groupsUsed, int trailing, int index) {
    return ChildActions(GroupActions(shape, groupsUsed + trailing), index);
}

uint64_t PlacedActions(const std::vector<uint64_t>& usesDescending,
                       const std::vector<Place>& places) {
    uint64_t actions = 0;
    for (size_t i = 0; i < usesDescending.size() && i < places.size(); ++i) {
        actions += usesDescending[i] * static_cast<uint64_t>(places[i].actions);
    }
    return actions;
}

LayoutShape BestShape(const std::vector<uint64_t>& usesDescending, const TrailingUses& trailingUses,
                      LayoutShape start) {
    const uint64_t unlimited = std::numeric_limits<uint64_t>::max();
    uint64_t fewest = ShapeActions(start, usesDescending, trailingUses, unlimited);
    for (bool better = true; better;) {
        better = false;
        for (const LayoutShape& next : Neighbours(start)) {
            const uint64_t actions = ShapeActions(next, usesDescending, trailingUses, fewest);
            if (actions < fewest) {
                fewest = actions;
                start = next;
                better = true;
            }
        }
    }
    return start;
}

}  // namespace analysis
