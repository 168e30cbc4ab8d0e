#include "predict/Words.h"

#include <algorithm>

#include "predict/Letters.h"
#include "text/Case.h"

namespace predict {

namespace {

// A dot inside l·l, either the middle dot or the full stop typed for it.
// At the end of an open text the second l may still come.
bool IsGeminateDot(std::string_view t, std::size_t i, TextEnd end) {
    if (t[i] != kMiddleDot && t[i] != kFullStop) return false;
    if (i == 0 || t[i - 1] != 'l') return false;
    return i + 1 < t.size() ? t[i + 1] == 'l' : end == TextEnd::Open;
}

bool InRun(std::string_view t, std::size_t i, TextEnd end) {
    return IsWordLetter(t[i]) || IsForeignLetter(t[i]) || IsGeminateDot(t, i, end);
}

bool IsJoining(char c) { return c == kBlank || c == kNoBreakBlank || c == kHyphen; }

struct Token {
    std::size_t begin;
    std::size_t end;
    std::string text;
    bool valid;
};

std::string Folded(std::string_view text) {
    std::string t(text.size(), '\0');
    std::ranges::transform(
        text, t.begin(), [](char c) { return c == kRightQuote ? kApostrophe : text::ToSmall(c); });
    return t;
}

// Whether the apostrophe at `at` begins a pronoun attached to the word before.
bool OpensEnclitic(std::string_view t, std::size_t at, const std::vector<Token>& tokens) {
    if (tokens.empty() || t[at] != kApostrophe) return false;
    const Token& before = tokens.back();
    return before.end == at && before.valid && before.text.size() >= 2 &&
           before.text.back() != kApostrophe;
}

std::vector<Token> Tokens(std::string_view t, TextEnd end) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < t.size()) {
        if (!InRun(t, i, end)) {
            ++i;
            continue;
        }
        Token token{i, i, {}, true};
        for (; i < t.size() && InRun(t, i, end); ++i) {
            if (IsForeignLetter(t[i])) token.valid = false;
            token.text.push_back(IsGeminateDot(t, i, end) ? kMiddleDot : t[i]);
        }
        token.end = i;
        token.valid = token.valid && token.text.size() <= kMaxWordLength;
        if (token.begin > 0 && OpensEnclitic(t, token.begin - 1, tokens)) {
            --token.begin;
            token.text.insert(token.text.begin(), kApostrophe);
        } else if (token.text.size() == 1 && i < t.size() && t[i] == kApostrophe) {
            token.text.push_back(kApostrophe);
            token.end = ++i;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// The word a token at `begin` follows, if only joining characters lie between.
std::string PreviousOf(std::string_view t, const Token* before, std::size_t begin) {
    if (before == nullptr || !before->valid) return {};
    auto gap = t.substr(before->end, begin - before->end);
    return std::ranges::all_of(gap, IsJoining) ? before->text : std::string();
}

}  // namespace

SplitText SplitWords(std::string_view text, TextEnd end) {
    const std::string t = Folded(text);
    std::vector<Token> tokens = Tokens(t, end);
    SplitText split;
    std::optional<Token> typing;
    if (end == TextEnd::Open) {
        if (!tokens.empty() && tokens.back().end == t.size() &&
            tokens.back().text.back() != kApostrophe) {
            typing = std::move(tokens.back());
            tokens.pop_back();
        } else if (!t.empty() && OpensEnclitic(t, t.size() - 1, tokens)) {
            typing = Token{t.size() - 1, t.size(), std::string(1, kApostrophe), true};
        } else {
            typing = Token{t.size(), t.size(), {}, true};
        }
    }
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        if (!tokens[k].valid) continue;
        const Token* before = k > 0 ? &tokens[k - 1] : nullptr;
        split.words.push_back({tokens[k].text, PreviousOf(t, before, tokens[k].begin),
                               tokens[k].begin, tokens[k].end});
    }
    if (typing && typing->valid) {
        const Token* before = tokens.empty() ? nullptr : &tokens.back();
        split.typing =
            Word{typing->text, PreviousOf(t, before, typing->begin), typing->begin, typing->end};
    }
    return split;
}

bool IsWord(std::string_view text) {
    std::string_view core = text;
    if (core.starts_with(kApostrophe)) {
        core.remove_prefix(1);
    } else if (core.size() == 2 && core.ends_with(kApostrophe)) {
        core.remove_suffix(1);
    }
    if (core.empty() || core.size() > kMaxWordLength) return false;
    for (std::size_t i = 0; i < core.size(); ++i) {
        bool dot = core[i] == kMiddleDot && i > 0 && i + 1 < core.size() && core[i - 1] == 'l' &&
                   core[i + 1] == 'l';
        if (!IsWordLetter(core[i]) && !dot) return false;
    }
    return true;
}

}  // namespace predict
