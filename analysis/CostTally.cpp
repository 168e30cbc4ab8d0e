#include "analysis/CostTally.h"

#include <algorithm>
#include <limits>

#include "analysis/TypedText.h"
#include "text/Case.h"

namespace analysis {
namespace {

// What a prediction saves when no key types what it types.
constexpr int kNoSpelling = std::numeric_limits<int>::max();

}  // namespace

double CostSummary::ActionsPerCharacter() const {
    if (characters == 0) return 0.0;
    return static_cast<double>(Actions() + Failures() * failureActions) /
           static_cast<double>(characters);
}

CostTally::CostTally(const FlatKeyboard& keyboard, const std::vector<std::optional<KeyCost>>& costs,
                     WordPredictions* predictions)
    : costs_(costs), predictions_(predictions) {
    summary_.uses.assign(keyboard.Nodes().size(), 0);
    for (size_t node = 0; node < keyboard.Nodes().size(); ++node) {
        const int index = static_cast<int>(node);
        if (costs[node]) {
            summary_.failureActions =
                std::max(summary_.failureActions, static_cast<uint64_t>(costs[node]->Actions()));
        }
        if (keyboard.IsGroup(index) || !costs[node]) continue;
        if (predictions && predictions->IsPlace(index)) continue;
        if (std::optional<std::string> typed = TypedText(keyboard.TextOf(index))) {
            matcher_.Add(*typed, index, costs[node]->Actions());
        }
    }
}

void CostTally::Type(std::string_view text) {
    const std::string small = text::ToSmall(text);
    std::string_view rest = small;
    while (!rest.empty()) {
        if (TakePrediction(rest)) continue;
        const std::optional<KeyMatcher::Match> match = matcher_.LongestAt(rest);
        if (!match) {
            ++summary_.characters;
            ++summary_.untypeable[rest.front()];
            if (predictions_) predictions_->Forget();
            rest.remove_prefix(1);
            continue;
        }
        Count(*costs_[static_cast<size_t>(match->key)], match->length);
        ++summary_.uses[static_cast<size_t>(match->key)];
        if (predictions_) predictions_->Typed(rest.substr(0, match->length));
        rest.remove_prefix(match->length);
    }
}

void CostTally::Skip(std::string_view character) {
    ++summary_.characters;
    ++summary_.foreign[std::string(character)];
    if (predictions_) predictions_->Forget();
}

bool CostTally::TakePrediction(std::string_view& rest) {
    if (!predictions_) return false;
    // Each prediction against the key the user would take otherwise, the longest, over the
    // same characters: the longer of the two, the rest of it spelled. A prediction of a letter
    // saves nothing when the key of its syllable types more at once.
    const std::optional<KeyMatcher::Match> key = matcher_.LongestAt(rest);
    std::optional<WordPredictions::Choice> best;
    int bestSaving = 0;
    for (const WordPredictions::Choice& choice : predictions_->Offer(rest)) {
        int saving = kNoSpelling;
        if (key) {
            const size_t span = std::max(choice.length, key->length);
            const std::optional<int> afterChoice =
                SpellingActions(rest.substr(choice.length, span - choice.length));
            const std::optional<int> afterKey =
                SpellingActions(rest.substr(key->length, span - key->length));
            if (!afterChoice) continue;
            if (afterKey) {
                saving = costs_[static_cast<size_t>(key->key)]->Actions() + *afterKey -
                         choice.cost.Actions() - *afterChoice;
            }
        }
        if (saving > bestSaving) {
            best = choice;
            bestSaving = saving;
        }
    }
    if (!best) return false;
    Count(best->cost, best->length);
    ++(best->key ? summary_.predictedKeys : summary_.predictedWords);
    summary_.predictedCharacters += best->length;
    predictions_->Typed(rest.substr(0, best->length));
    rest.remove_prefix(best->length);
    return true;
}

std::optional<int> CostTally::SpellingActions(std::string_view text) const {
    int actions = 0;
    while (!text.empty()) {
        const std::optional<KeyMatcher::Match> match = matcher_.LongestAt(text);
        if (!match) return std::nullopt;
        actions += costs_[static_cast<size_t>(match->key)]->Actions();
        text.remove_prefix(match->length);
    }
    return actions;
}

void CostTally::Count(const KeyCost& cost, size_t characters) {
    summary_.characters += characters;
    summary_.typed += characters;
    summary_.steps += static_cast<uint64_t>(cost.steps);
    summary_.presses += static_cast<uint64_t>(cost.presses);
}

}  // namespace analysis
