#include "analysis/WordPredictions.h"

#include <algorithm>
#include <string>

#include "keys/KeyTyping.h"
#include "predict/Completion.h"
#include "predict/Letters.h"
#include "text/Case.h"

namespace analysis {
namespace {

// The places only need texts that differ from each other, as the keys and words they hold
// do, so that the scan never takes one for the highlight of the step before; no key types
// them.
std::string PlaceText(size_t place) { return std::string(1, static_cast<char>(place + 1)); }

bool BeginsWith(std::string_view text, std::string_view completion) {
    return text.size() >= completion.size() &&
           std::ranges::equal(completion, text.substr(0, completion.size()), {}, {},
                              [](char c) { return text::ToSmall(c); });
}

// The group of predictions, at its place among the top-level nodes or the last of them.
int GroupNode(const FlatKeyboard& keyboard, size_t place) {
    int node = keyboard.First();
    for (size_t at = 0; at < place && node != FlatKeyboard::kNone; ++at) {
        if (keyboard.At(node).nextSibling == FlatKeyboard::kNone) break;
        node = keyboard.At(node).nextSibling;
    }
    return node;
}

}  // namespace

keys::KeyForest WithPredictionGroup(const keys::KeyForest& keyboard,
                                    const predict::PredictionLayout& layout) {
    // The group's caption would only matter to the scan if it repeated a neighbour's.
    keys::KeyNode group;
    for (size_t place = 0; place < layout.keys + layout.words; ++place) {
        group.children.push_back({PlaceText(place), {}});
    }
    keys::KeyForest shown = keyboard;
    shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(std::min(layout.place, shown.size())),
                 std::move(group));
    return shown;
}

std::vector<std::string> OfferableKeys(const FlatKeyboard& keyboard, int leftOut) {
    std::vector<std::string> offered;
    for (size_t node = 0; node < keyboard.Nodes().size(); ++node) {
        const int index = static_cast<int>(node);
        if (keyboard.IsGroup(index)) continue;
        if (leftOut != FlatKeyboard::kNone && keyboard.At(index).parent == leftOut) continue;
        const keys::KeyTyping typing = keys::WhatAKeyTypes(keyboard.TextOf(index));
        if (typing.special || !typing.closesGroups || typing.characters.empty()) continue;
        std::string small = text::ToSmall(typing.characters);
        if (std::ranges::find(offered, small) == offered.end()) offered.push_back(std::move(small));
    }
    return offered;
}

WordPredictions::WordPredictions(predict::WordModel& model, const FlatKeyboard& keyboard,
                                 const std::vector<std::optional<KeyCost>>& costs,
                                 const predict::PredictionLayout& layout, bool learning,
                                 OfferedBefore* before)
    : model_(model), learning_(learning) {
    if (before && !learning) offered_ = before;
    const int group = GroupNode(keyboard, layout.place);
    if (group == FlatKeyboard::kNone) return;
    for (int node = keyboard.At(group).firstChild; node != FlatKeyboard::kNone;
         node = keyboard.At(node).nextSibling) {
        const KeyCost cost = costs[static_cast<size_t>(node)].value_or(KeyCost{});
        (placeNodes_.size() < layout.keys ? keyCosts_ : wordCosts_).push_back(cost);
        placeNodes_.push_back(node);
    }
    keys_ = OfferableKeys(keyboard, group);
    keySet_ = predict::KeySet(keys_);
}

bool WordPredictions::IsPlace(int node) const {
    return std::ranges::find(placeNodes_, node) != placeNodes_.end();
}

void WordPredictions::Typed(std::string_view text) {
    for (const predict::WordChange& change : typed_.Type(text)) {
        if (!learning_) continue;
        model_.Learn(change);
        own_ = OfferedBefore();
    }
}

const std::vector<size_t>& WordPredictions::RankedKeys(std::string_view word) const {
    auto [found, added] = offered_->keys.try_emplace(std::string(word));
    if (added) found->second = model_.NextKeys(word, keySet_, predict::kMostPredictions);
    return found->second;
}

const std::vector<std::string>& WordPredictions::RankedWords(const predict::Word& typing) const {
    std::string asked = std::to_string(wordCosts_.size());
    asked.append(1, '\n').append(typing.previous).append(1, '\n').append(typing.text);
    auto [found, added] = offered_->words.try_emplace(std::move(asked));
    if (added) found->second = model_.Predict(typing.previous, typing.text, wordCosts_.size());
    return found->second;
}

std::vector<WordPredictions::Choice> WordPredictions::Offer(std::string_view rest) const {
    std::vector<Choice> choices;
    const std::optional<predict::Word>& typing = typed_.Typing();
    if (rest.empty()) return choices;
    if (!keyCosts_.empty()) {
        const std::string_view word = typing ? std::string_view(typing->text) : std::string_view();
        const std::vector<size_t>& ranked = RankedKeys(word);
        for (size_t place = 0; place < std::min(ranked.size(), keyCosts_.size()); ++place) {
            if (BeginsWith(rest, keys_[ranked[place]])) {
                choices.push_back({keyCosts_[place], keys_[ranked[place]].size(), true});
            }
        }
    }
    // No completion begins with a blank or a line break: the words are longer than what was
    // typed.
    if (!typing || wordCosts_.empty() || rest.front() == predict::kBlank || rest.front() == '\n') {
        return choices;
    }
    const std::vector<std::string>& words = RankedWords(*typing);
    for (size_t place = 0; place < words.size(); ++place) {
        const std::string completion = predict::Completion(typing->text, words[place]);
        if (!completion.empty() && BeginsWith(rest, completion)) {
            choices.push_back({wordCosts_[place], completion.size(), false});
        }
    }
    return choices;
}

}  // namespace analysis
