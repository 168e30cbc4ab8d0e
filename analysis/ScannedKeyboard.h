#pragma once

#include <optional>
#include <vector>

#include "analysis/CostTally.h"
#include "analysis/DecodedText.h"
#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "keys/KeyNode.h"

namespace analysis {

// A keyboard as automatic scanning walks it, with what choosing each node costs. The key
// forest must outlive it.
class ScannedKeyboard {
  public:
    ScannedKeyboard(const keys::KeyForest& keyboard, bool passTwice)
        : flat_(keyboard), costs_(CostsFromRestart(flat_, passTwice)) {}

    const FlatKeyboard& Flat() const { return flat_; }
    const std::vector<std::optional<KeyCost>>& Costs() const { return costs_; }

    // What writing the texts with this keyboard takes, with the predictions when given.
    CostSummary Write(const std::vector<DecodedText>& texts,
                      WordPredictions* predictions = nullptr) const {
        CostTally tally(flat_, costs_, predictions);
        for (const DecodedText& text : texts) {
            text.Walk([&](std::string_view run) { tally.Type(run); },
                      [&](std::string_view character) { tally.Skip(character); });
        }
        return tally.Summary();
    }

  private:
    FlatKeyboard flat_;
    std::vector<std::optional<KeyCost>> costs_;
};

}  // namespace analysis
