#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "keys/KeyNode.h"
#include "predict/TypedText.h"
#include "predict/WordModel.h"

namespace analysis {

// The keyboard as word prediction shows it: a group at the top of the tree holding the places
// of the predicted words, predict::kPredictions of them, above the keyboard's own keys.
keys::KeyForest WithPredictionGroup(const keys::KeyForest& keyboard);

// Word prediction as the keyboard offers it while the user writes: the predictions for the
// word the keyboard itself has typed so far, each in its place of the group that
// WithPredictionGroup adds, which is node 0 of the flat keyboard.
class WordPredictions {
  public:
    struct Choice {
        KeyCost cost;   // choosing the prediction from a restart
        size_t length;  // the characters of the text it types
    };

    // With `learning`, the model learns each word as it is finished, as the keyboard does.
    WordPredictions(predict::WordModel& model, const FlatKeyboard& keyboard,
                    const std::vector<std::optional<KeyCost>>& costs, bool learning);

    // A place of a prediction, which types nothing of its own.
    bool IsPlace(int node) const;
    // The prediction on offer whose completion (the rest of the word and its blank) is what
    // `rest` begins with, in any case, and what choosing it costs; nothing if none is.
    std::optional<Choice> Offer(std::string_view rest) const;
    // Text the keyboard typed, a key's or a prediction's: the word being typed follows it.
    void Typed(std::string_view text);
    // Text came some other way: the word being typed is no longer known.
    void Forget() { typed_.Forget(); }

  private:
    predict::WordModel& model_;
    bool learning_;
    std::vector<int> placeNodes_;
    std::vector<KeyCost> placeCosts_;
    predict::TypedText typed_;
};

}  // namespace analysis
