#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "keys/KeyNode.h"
#include "predict/PredictionLayout.h"
#include "predict/TypedText.h"
#include "predict/WordModel.h"

namespace analysis {

// The keyboard as prediction shows it: a group holding the places of the predicted keys and
// then of the predicted words, as many as `layout` says, at its place among the top-level
// nodes.
keys::KeyForest WithPredictionGroup(const keys::KeyForest& keyboard,
                                    const predict::PredictionLayout& layout);

// The keys prediction may offer as next keys: the texts, in small letters, of the keys that
// type characters and close their groups, each text once, in display order, those of the group
// `leftOut` left out (kNone for none). The keyboard offers the same from its tree.
std::vector<std::string> OfferableKeys(const FlatKeyboard& keyboard, int leftOut);

// Prediction as the keyboard offers it while the user writes: the likeliest next keys and
// words for the word the keyboard itself has typed so far, each in its place of the group
// that WithPredictionGroup adds.
class WordPredictions {
  public:
    struct Choice {
        KeyCost cost;   // choosing the prediction from a restart
        size_t length;  // the characters of the text it types
        bool key;       // a next key, not a word
    };

    // With `learning`, the model learns each word as it is finished, as the keyboard does.
    WordPredictions(predict::WordModel& model, const FlatKeyboard& keyboard,
                    const std::vector<std::optional<KeyCost>>& costs,
                    const predict::PredictionLayout& layout, bool learning);

    // A place of a prediction, which types nothing of its own.
    bool IsPlace(int node) const;
    // The predictions on offer whose text (a key's, or the rest of a word and its blank) is
    // what `rest` begins with, in any case, and what choosing each costs.
    std::vector<Choice> Offer(std::string_view rest) const;
    // Text the keyboard typed, a key's or a prediction's: the word being typed follows it.
    void Typed(std::string_view text);
    // Text came some other way: the word being typed is no longer known.
    void Forget() { typed_.Forget(); }

  private:
    predict::WordModel& model_;
    bool learning_;
    std::vector<std::string> keys_;
    predict::KeySet keySet_{std::span<const std::string>{}};
    std::vector<int> placeNodes_;
    std::vector<KeyCost> keyCosts_;
    std::vector<KeyCost> wordCosts_;
    predict::TypedText typed_;
};

}  // namespace analysis
