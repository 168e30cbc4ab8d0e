#include "analysis/WordPredictions.h"

#include <algorithm>
#include <string>

#include "predict/Completion.h"
#include "predict/Letters.h"
#include "text/Case.h"

namespace analysis {
namespace {

constexpr int kPredictionGroup = 0;

// The places only need texts that differ from each other, as the words they hold do, so that
// the scan never takes one for the highlight of the step before; no key types them.
std::string PlaceText(size_t place) { return std::string(1, static_cast<char>(place + 1)); }

bool BeginsWith(std::string_view text, std::string_view completion) {
    return text.size() >= completion.size() &&
           std::ranges::equal(completion, text.substr(0, completion.size()), {}, {},
                              [](char c) { return text::ToSmall(c); });
}

}  // namespace

keys::KeyForest WithPredictionGroup(const keys::KeyForest& keyboard) {
    // The group's caption would only matter to the scan if it repeated the first special key's.
    keys::KeyNode group;
    for (size_t place = 0; place < predict::kPredictions; ++place) {
        group.children.push_back({PlaceText(place), {}});
    }
    keys::KeyForest shown{std::move(group)};
    shown.insert(shown.end(), keyboard.begin(), keyboard.end());
    return shown;
}

WordPredictions::WordPredictions(predict::WordModel& model, const FlatKeyboard& keyboard,
                                 const std::vector<std::optional<KeyCost>>& costs, bool learning)
    : model_(model), learning_(learning) {
    for (int node = keyboard.At(kPredictionGroup).firstChild; node != FlatKeyboard::kNone;
         node = keyboard.At(node).nextSibling) {
        placeNodes_.push_back(node);
        placeCosts_.push_back(costs[static_cast<size_t>(node)].value_or(KeyCost{}));
    }
}

bool WordPredictions::IsPlace(int node) const {
    return std::ranges::find(placeNodes_, node) != placeNodes_.end();
}

void WordPredictions::Typed(std::string_view text) {
    for (const predict::WordChange& change : typed_.Type(text)) {
        if (learning_) model_.Learn(change);
    }
}

std::optional<WordPredictions::Choice> WordPredictions::Offer(std::string_view rest) const {
    const std::optional<predict::Word>& typing = typed_.Typing();
    // No completion begins with a blank or a line break: the words are longer than what was typed.
    if (!typing || rest.empty() || rest.front() == predict::kBlank || rest.front() == '\n') {
        return std::nullopt;
    }
    const std::vector<std::string> words =
        model_.Predict(typing->previous, typing->text, placeCosts_.size());
    for (size_t place = 0; place < words.size(); ++place) {
        const std::string completion = predict::Completion(typing->text, words[place]);
        if (!completion.empty() && BeginsWith(rest, completion)) {
            return Choice{placeCosts_[place], completion.size()};
        }
    }
    return std::nullopt;
}

}  // namespace analysis
