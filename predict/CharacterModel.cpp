#include "predict/CharacterModel.h"

#include <algorithm>
#include <array>
#include <limits>

#include "predict/Letters.h"
#include "text/Case.h"

namespace predict {

namespace {

// Stands for the beginning of a word in a context; no letter of a word.
constexpr char kWordStart = '\x02';

// The characters the model tells apart: those of the code page that are their own small form.
double SmallCharacters() {
    static const double count = [] {
        int small = 0;
        for (int c = 0; c < 256; ++c) {
            if (text::ToSmall(static_cast<char>(c)) == static_cast<char>(c)) ++small;
        }
        return static_cast<double>(small);
    }();
    return count;
}

// Up to seven bytes and the length in one number, so that a context costs no allocation.
std::uint64_t Packed(std::string_view context) {
    std::uint64_t packed = context.size();
    for (char c : context) packed = (packed << 8) | static_cast<unsigned char>(c);
    return packed;
}

// Whether the character carries the word on: its letters and the middle dot of l·l.
bool InWord(char c) { return IsWordLetter(c) || c == kMiddleDot; }

}  // namespace

void CharacterModel::Follow(std::string& context, char c) {
    if (InWord(c) || (c == kApostrophe && context.size() == 1 && context[0] == kWordStart)) {
        context.push_back(c);
        // The beginning stays in the context while the word is short enough to keep it.
        if (context.size() > kCharacterContext)
            context.erase(0, context.size() - kCharacterContext);
        return;
    }
    // An elision, a blank or a sign: a new word begins.
    context.assign(1, kWordStart);
}

std::string CharacterModel::ContextAfter(std::string_view typing) {
    std::string context(1, kWordStart);
    for (char c : typing) Follow(context, text::ToSmall(c));
    return context;
}

namespace {

Count Added(Count count, std::int64_t change) {
    constexpr std::int64_t kMax = std::numeric_limits<Count>::max();
    return static_cast<Count>(std::clamp<std::int64_t>(count + change, 0, kMax));
}

}  // namespace

void CharacterModel::Learn(std::string_view word, std::int64_t change) {
    if (word.empty() || change == 0) return;
    std::string context(1, kWordStart);
    std::string text = text::ToSmall(word);
    if (text.back() != kApostrophe) text.push_back(kBlank);
    for (char c : text) {
        for (std::size_t from = 0; from <= context.size(); ++from) {
            Add(Packed(std::string_view(context).substr(from)), c, change);
        }
        Follow(context, c);
    }
}

void CharacterModel::Add(Context context, char next, std::int64_t change) {
    Followers& followers = contexts_[context];
    auto found = std::ranges::find(followers.counts, next, &std::pair<char, Count>::first);
    if (found == followers.counts.end()) {
        if (change < 0) return;
        found = followers.counts.insert(followers.counts.end(), {next, 0});
    }
    const Count before = found->second;
    found->second = Added(before, change);
    followers.total = followers.total - before + found->second;
    if (found->second == 0) followers.counts.erase(found);
}

double CharacterModel::Next(const std::string& context, char next) const {
    double probability = 1.0 / SmallCharacters();
    // From the empty context up to the whole one, each mixing in the shorter one's estimate.
    for (std::size_t length = 0; length <= context.size(); ++length) {
        const auto found =
            contexts_.find(Packed(std::string_view(context).substr(context.size() - length)));
        if (found == contexts_.end() || found->second.total == 0) break;
        const Followers& followers = found->second;
        Count count = 0;
        for (const auto& [c, n] : followers.counts) {
            if (c == next) count = n;
        }
        const auto kinds = static_cast<double>(followers.counts.size());
        const auto total = static_cast<double>(followers.total);
        probability = (count + kinds * probability) / (total + kinds);
    }
    return probability;
}

void CharacterModel::NextOfEach(const std::string& context, std::string_view smalls,
                                std::span<double> probabilities) const {
    std::ranges::fill(probabilities, 1.0 / SmallCharacters());
    std::array<Count, 256> counts{};
    for (std::size_t length = 0; length <= context.size(); ++length) {
        const auto found =
            contexts_.find(Packed(std::string_view(context).substr(context.size() - length)));
        if (found == contexts_.end() || found->second.total == 0) break;
        const Followers& followers = found->second;
        for (const auto& [c, n] : followers.counts) counts[static_cast<unsigned char>(c)] = n;
        const auto kinds = static_cast<double>(followers.counts.size());
        const auto total = static_cast<double>(followers.total);
        for (std::size_t at = 0; at < smalls.size(); ++at) {
            const Count count = counts[static_cast<unsigned char>(smalls[at])];
            probabilities[at] = (count + kinds * probabilities[at]) / (total + kinds);
        }
        for (const auto& [c, n] : followers.counts) counts[static_cast<unsigned char>(c)] = 0;
    }
}

double CharacterModel::Probability(std::string_view typing, std::string_view next) const {
    std::string context = ContextAfter(typing);
    double probability = 1.0;
    for (char c : next) {
        const char small = text::ToSmall(c);
        probability *= Next(context, small);
        Follow(context, small);
    }
    return probability;
}

std::uint64_t CharacterModel::Total() const {
    const auto empty = contexts_.find(Packed(""));
    return empty == contexts_.end() ? 0 : empty->second.total;
}

}  // namespace predict
