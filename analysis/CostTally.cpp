#include "analysis/CostTally.h"

#include "analysis/CaseFold.h"
#include "analysis/TypedText.h"

namespace analysis {

double CostSummary::ActionsPerCharacter() const {
    return typed == 0 ? 0.0 : static_cast<double>(Actions()) / static_cast<double>(typed);
}

CostTally::CostTally(const FlatKeyboard& keyboard, const std::vector<std::optional<KeyCost>>& costs)
    : costs_(costs) {
    summary_.uses.assign(keyboard.Nodes().size(), 0);
    for (size_t node = 0; node < keyboard.Nodes().size(); ++node) {
        const int index = static_cast<int>(node);
        if (keyboard.IsGroup(index) || !costs[node]) continue;
        if (std::optional<std::string> typed = TypedText(keyboard.TextOf(index))) {
            matcher_.Add(*typed, index, costs[node]->Actions());
        }
    }
}

void CostTally::Type(std::string_view text) {
    const std::string small = InSmallLetters(text);
    std::string_view rest = small;
    while (!rest.empty()) {
        ++summary_.characters;
        const std::optional<KeyMatcher::Match> match = matcher_.LongestAt(rest);
        if (!match) {
            ++summary_.untypeable[rest.front()];
            rest.remove_prefix(1);
            continue;
        }
        const KeyCost& cost = *costs_[static_cast<size_t>(match->key)];
        summary_.characters += match->length - 1;
        summary_.typed += match->length;
        summary_.steps += static_cast<uint64_t>(cost.steps);
        summary_.presses += static_cast<uint64_t>(cost.presses);
        ++summary_.uses[static_cast<size_t>(match->key)];
        rest.remove_prefix(match->length);
    }
}

void CostTally::Skip(std::string_view character) {
    ++summary_.characters;
    ++summary_.foreign[std::string(character)];
}

}  // namespace analysis
