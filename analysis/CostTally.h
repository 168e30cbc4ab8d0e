#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "analysis/KeyMatcher.h"
#include "analysis/WordPredictions.h"

namespace analysis {

// What writing some texts with a keyboard took.
struct CostSummary {
    uint64_t characters = 0;  // every character of the texts
    uint64_t typed = 0;       // those a key or a prediction typed
    uint64_t steps = 0;
    uint64_t presses = 0;
    // What a character no key types is charged: a search of the whole keyboard in vain, as
    // many actions as its dearest key takes.
    uint64_t failureActions = 0;
    std::vector<uint64_t> uses;               // times each node was chosen, by node number
    uint64_t predictedWords = 0;              // predicted words chosen
    uint64_t predictedKeys = 0;               // predicted next keys chosen
    uint64_t predictedCharacters = 0;         // characters they typed
    std::map<char, uint64_t> untypeable;      // Windows-1252 characters no key types
    std::map<std::string, uint64_t> foreign;  // characters outside Windows-1252, in UTF-8

    uint64_t Actions() const { return steps + presses; }
    uint64_t Failures() const { return characters - typed; }
    // Scan actions per character of the texts, each character no key types counted as a
    // failure at `failureActions`, so that a keyboard cannot look cheap by lacking keys; 0 for
    // no text.
    double ActionsPerCharacter() const;
};

// Writes texts with a keyboard the way the analysis assumes a user does: at each place the
// longest key that types what follows, compared in small letters (see text/Case.h), chosen
// from a restart at the cost CostsFromRestart gives; a character that no key types is a
// failure, counted apart and skipped. With predictions, the prediction that types what follows
// and saves most against spelling the same characters is chosen instead, if one saves.
class CostTally {
  public:
    CostTally(const FlatKeyboard& keyboard, const std::vector<std::optional<KeyCost>>& costs,
              WordPredictions* predictions = nullptr);

    // Text in Windows-1252, with every line break as '\n'.
    void Type(std::string_view text);
    // One character that Windows-1252 cannot hold, as UTF-8: no key types it.
    void Skip(std::string_view character);

    const CostSummary& Summary() const { return summary_; }

  private:
    // Chooses the prediction that types what `rest` begins with and saves most against the
    // keys, if one saves.
    bool TakePrediction(std::string_view& rest);
    // The scan actions that typing exactly `text` with the keys takes; nothing if no key types
    // some character of it.
    std::optional<int> SpellingActions(std::string_view text) const;
    void Count(const KeyCost& cost, size_t characters);

    const std::vector<std::optional<KeyCost>>& costs_;
    WordPredictions* predictions_;
    KeyMatcher matcher_;
    CostSummary summary_;
};

}  // namespace analysis
