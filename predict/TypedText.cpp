#include "predict/TypedText.h"

#include <algorithm>

#include "predict/Letters.h"

namespace predict {

namespace {

// Enough typed text to reach back over a few words for Backspace, and no more,
// so that splitting it again after every character stays cheap.
constexpr std::size_t kKeptBytes = 256;
constexpr std::size_t kKeptAfterTrim = 128;

bool SameWord(const Word& a, const Word& b) { return a.text == b.text && a.previous == b.previous; }

}  // namespace

std::vector<WordChange> TypedText::Type(std::string_view text) {
    std::vector<WordChange> changes;
    for (char c : text) TypeCharacter(c, changes);
    return changes;
}

void TypedText::Forget() {
    text_.clear();
    typing_ = Word{};
}

void TypedText::TypeCharacter(char c, std::vector<WordChange>& changes) {
    KeepRecent();
    std::vector<Word> before = SplitWords(text_, TextEnd::Open).words;
    if (c == kBackspace) {
        if (!text_.empty()) text_.pop_back();
    } else {
        text_.push_back(c);
    }
    SplitText after = SplitWords(text_, TextEnd::Open);
    typing_ = std::move(after.typing);
    auto [taken, added] = std::ranges::mismatch(before, after.words, SameWord);
    for (auto word = taken; word != before.end(); ++word) {
        changes.push_back({word->text, word->previous, -1});
    }
    for (auto word = added; word != after.words.end(); ++word) {
        changes.push_back({word->text, word->previous, 1});
    }
}

// Drops the oldest text at a character that cannot be inside a word, so the
// words kept are whole; the first of them loses only the word before it.
void TypedText::KeepRecent() {
    if (text_.size() <= kKeptBytes) return;
    std::size_t cut = text_.size() - kKeptAfterTrim;
    while (cut < text_.size() && text_[cut] != kBlank) ++cut;
    text_.erase(0, cut);
}

}  // namespace predict
