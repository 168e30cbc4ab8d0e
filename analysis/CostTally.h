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

namespace analysis {

// What writing some texts with a keyboard took.
struct CostSummary {
    uint64_t characters = 0;  // every character of the texts
    uint64_t typed = 0;       // those a key typed
    uint64_t steps = 0;
    uint64_t presses = 0;
    std::vector<uint64_t> uses;               // times each node was chosen, by node number
    std::map<char, uint64_t> untypeable;      // Windows-1252 characters no key types
    std::map<std::string, uint64_t> foreign;  // characters outside Windows-1252, in UTF-8

    uint64_t Actions() const { return steps + presses; }
    // Scan actions per character typed; 0 when nothing was typed.
    double ActionsPerCharacter() const;
};

// Writes texts with a keyboard the way the analysis assumes a user does: at each place the
// longest key that types what follows, compared in small letters (see CaseFold.h), chosen
// from a restart at the cost CostsFromRestart gives; a character that no key types is
// counted apart and skipped.
class CostTally {
  public:
    CostTally(const FlatKeyboard& keyboard, const std::vector<std::optional<KeyCost>>& costs);

    // Text in Windows-1252, with every line break as '\n'.
    void Type(std::string_view text);
    // One character that Windows-1252 cannot hold, as UTF-8: no key types it.
    void Skip(std::string_view character);

    const CostSummary& Summary() const { return summary_; }

  private:
    const std::vector<std::optional<KeyCost>>& costs_;
    KeyMatcher matcher_;
    CostSummary summary_;
};

}  // namespace analysis
