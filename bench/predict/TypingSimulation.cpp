#include "TypingSimulation.h"

#include <algorithm>
#include <chrono>

#include "predict/TypedText.h"
#include "predict/Words.h"

namespace {

constexpr char kReturn = '\r';

using predict::TypedText;
using predict::WordModel;

void Apply(WordModel& model, const std::vector<predict::WordChange>& changes, bool learn) {
    if (!learn) return;
    for (const auto& change : changes) model.Learn(change);
}

// The word of `words` that position `at` lies in, or nullptr.
const predict::Word* WordAt(const std::vector<predict::Word>& words, std::size_t at) {
    auto found = std::ranges::find_if(words, [at](const auto& w) { return w.end > at; });
    return found != words.end() && found->begin <= at ? &*found : nullptr;
}

}  // namespace

Savings& Savings::operator+=(const Savings& other) {
    characters += other.characters;
    letters += other.letters;
    savedLetters += other.savedLetters;
    choices += other.choices;
    keysOffered += other.keysOffered;
    return *this;
}

double Savings::LetterShare() const {
    return letters == 0 ? 0 : static_cast<double>(savedLetters) / static_cast<double>(letters);
}

double Savings::KeyShare() const {
    if (characters == 0) return 0;
    return static_cast<double>(savedLetters) / static_cast<double>(characters) -
           static_cast<double>(choices) / static_cast<double>(characters);
}

Savings TypeWithPredictions(WordModel& model, const std::vector<std::string>& paragraphs,
                            bool learn, std::vector<double>* refreshMicros,
                            const NextKeyOffer* nextKeys) {
    Savings savings;
    TypedText typed;
    std::vector<std::string> offered = model.Predict({}, {});
    // Kept, so that the next keys' ranking cannot be left out as unused.
    std::size_t keysOffered = 0;
    // One key as the keyboard handles it: typed, learned from, predictions refreshed.
    auto key = [&](std::string_view text) {
        auto start = std::chrono::steady_clock::now();
        Apply(model, typed.Type(text), learn);
        const auto& typing = typed.Typing();
        offered =
            typing ? model.Predict(typing->previous, typing->text) : std::vector<std::string>();
        if (nextKeys != nullptr) {
            const std::string_view word = typing ? std::string_view(typing->text) : "";
            keysOffered += model.NextKeys(word, nextKeys->keys, nextKeys->count).size();
        }
        std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        if (refreshMicros != nullptr) refreshMicros->push_back(took.count());
    };
    for (const std::string& paragraph : paragraphs) {
        const auto words = predict::SplitWords(paragraph, predict::TextEnd::Closed).words;
        savings.characters += paragraph.size() + 1;
        for (const auto& word : words) savings.letters += word.end - word.begin;
        for (std::size_t at = 0; at < paragraph.size();) {
            const predict::Word* target = WordAt(words, at);
            const auto& typing = typed.Typing();
            if (target != nullptr && typing && typing->text.size() == at - target->begin &&
                target->text.starts_with(typing->text) &&
                std::ranges::find(offered, target->text) != offered.end()) {
                savings.savedLetters += target->end - at;
                ++savings.choices;
                key(std::string_view(paragraph).substr(at, target->end - at));
                at = target->end;
            } else {
                key(std::string_view(paragraph).substr(at, 1));
                ++at;
            }
        }
        key(std::string(1, kReturn));
    }
    savings.keysOffered = keysOffered;
    return savings;
}

void LearnFrom(WordModel& model, const std::vector<std::string>& paragraphs) {
    TypedText typed;
    for (const std::string& paragraph : paragraphs) {
        Apply(model, typed.Type(paragraph), true);
        Apply(model, typed.Type(std::string(1, kReturn)), true);
    }
}
