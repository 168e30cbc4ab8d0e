#include "analysis/ArrangementBound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace analysis {
namespace {

// Enough to pin the factor down far below a hundredth of an action.
constexpr int kHalvings = 100;

// The room that the top-level places from `first` on hold: the sum over p >= first of
// x^(p + 1), a group's children holding exactly the room of its own place.
double RoomFrom(int first) {
    const double x = 1.0 / std::numbers::phi;
    return std::pow(x, first + 1) / (1.0 - x);
}

// The top-level place of every node's top-level ancestor.
std::vector<int> TopLevelPlaces(const FlatKeyboard& flat) {
    std::vector<int> places(flat.Nodes().size(), 0);
    int place = -1;
    for (size_t node = 0; node < places.size(); ++node) {
        const int parent = flat.Nodes()[node].parent;
        places[node] =
            parent == FlatKeyboard::kNone ? ++place : places[static_cast<size_t>(parent)];
    }
    return places;
}

}  // namespace

double FewestActionsPerCharacter(const ScannedKeyboard& keyboard, const CostSummary& summary,
                                 int fixedTopLevel) {
    if (summary.characters == 0) return 0.0;
    const std::vector<int> places = TopLevelPlaces(keyboard.Flat());
    double actions = static_cast<double>(summary.Failures() * summary.failureActions);
    std::vector<double> freeUses;
    for (size_t node = 0; node < summary.uses.size(); ++node) {
        const double uses = static_cast<double>(summary.uses[node]);
        if (uses == 0) continue;
        if (places[node] < fixedTopLevel) {
            actions += uses * keyboard.Costs()[node]->Actions();
        } else {
            freeUses.push_back(uses);
        }
    }
    // No key takes fewer actions than the first free place; each key's share of the room,
    // x^actions, is its uses times a factor, or the first place's own share when that is
    // less, the factor chosen so that the shares fill the room.
    const double x = 1.0 / std::numbers::phi;
    const double cheapest = std::pow(x, fixedTopLevel + 1);
    auto share = [&](double factor, double uses) { return std::min(cheapest, factor * uses); };
    double low = 0.0;
    double high = cheapest;  // every key at the first place's share at least: past the room
    for (int halving = 0; halving < kHalvings; ++halving) {
        const double factor = (low + high) / 2;
        double filled = 0;
        for (double uses : freeUses) filled += share(factor, uses);
        (filled > RoomFrom(fixedTopLevel) ? high : low) = factor;
    }
    const double logPhi = std::log(std::numbers::phi);
    for (double uses : freeUses) actions += uses * -std::log(share(low, uses)) / logPhi;
    return actions / static_cast<double>(summary.characters);
}

}  // namespace analysis
