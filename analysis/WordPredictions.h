#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

// What a model that learns nothing offered for each word being typed on one keyboard: the next
// keys, as many as a group may hold, and the words, by how many were asked for. It stays true
// for as long as that model learns nothing, so that every layout tried with it asks it once.
struct OfferedBefore {
    std::unordered_map<std::string, std::vector<size_t>> keys;        // by the word being typed
    std::unordered_map<std::string, std::vector<std::string>> words;  // by count, previous, word
};

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
    // Without, `before` (when given) keeps what the model offered for the next run with it.
    WordPredictions(predict::WordModel& model, const FlatKeyboard& keyboard,
                    const std::vector<std::optional<KeyCost>>& costs,
                    const predict::PredictionLayout& layout, bool learning,
                    OfferedBefore* before = nullptr);

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
    const std::vector<size_t>& RankedKeys(std::string_view word) const;
    const std::vector<std::string>& RankedWords(const predict::Word& typing) const;

    predict::WordModel& model_;
    bool learning_;
    std::vector<std::string> keys_;
    predict::KeySet keySet_{std::span<const std::string>{}};
    std::vector<int> placeNodes_;
    std::vector<KeyCost> keyCosts_;
    std::vector<KeyCost> wordCosts_;
    predict::TypedText typed_;
    // What the model offered since it last learned something.
    mutable OfferedBefore own_;
    OfferedBefore* offered_ = &own_;
};

}  // namespace analysis
