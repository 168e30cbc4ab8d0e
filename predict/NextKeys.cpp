#include "predict/NextKeys.h"

#include <algorithm>

#include "text/Case.h"

namespace predict {

namespace {

// Below this a run of characters is too unlikely for any key it begins to be offered; what it
// would take from the keys it continues is left untaken.
constexpr double kNegligible = 1e-5;

struct Scored {
    std::size_t key;
    double probability;
};

}  // namespace

KeySet::KeySet(std::span<const std::string> keys) : nodes_{{'\0', {}, {}, kNoKey}} {
    for (std::size_t key = 0; key < keys.size(); ++key) {
        if (keys[key].empty()) continue;
        std::size_t at = 0;
        for (char c : keys[key]) {
            const auto found = std::ranges::find_if(nodes_[at].children, [&](std::size_t child) {
                return nodes_[child].character == c;
            });
            if (found != nodes_[at].children.end()) {
                at = *found;
                continue;
            }
            nodes_.push_back({c, {}, {}, kNoKey});
            nodes_[at].children.push_back(nodes_.size() - 1);
            nodes_[at].next.push_back(text::ToSmall(c));
            at = nodes_.size() - 1;
        }
        if (nodes_[at].key == kNoKey) nodes_[at].key = key;
    }
}

std::vector<std::size_t> KeySet::Rank(const CharacterModel& lexicon, const CharacterModel& learned,
                                      double learnedShare, std::string_view typing,
                                      std::size_t count) const {
    const bool withLearned = learnedShare > 0 && learned.Total() > 0;
    std::vector<Scored> scored;
    // The probability that what follows begins with the node's text, under each model and mixed,
    // the part of it that the keys below the node take being given to them; returns that part's
    // sum for its parent. Each step down multiplies in one character in the context the walk
    // carries, so no key's text is read twice, and the models are read once for all the
    // children of a node.
    auto walk = [&](auto& self, std::size_t node, const std::string& context, double fromLexicon,
                    double fromLearned, double probability) -> double {
        double below = 0;
        const Node& at = nodes_[node];
        std::vector<double> lexiconNext(at.next.size());
        std::vector<double> learnedNext(withLearned ? at.next.size() : 0);
        lexicon.NextOfEach(context, at.next, lexiconNext);
        if (withLearned) learned.NextOfEach(context, at.next, learnedNext);
        for (std::size_t i = 0; i < at.children.size(); ++i) {
            const std::size_t child = at.children[i];
            const char c = at.next[i];
            lexiconNext[i] *= fromLexicon;
            if (withLearned) learnedNext[i] *= fromLearned;
            double next = (1 - learnedShare) * lexiconNext[i];
            if (withLearned) next += learnedShare * learnedNext[i];
            if (next < kNegligible) continue;
            std::string after = context;
            CharacterModel::Follow(after, c);
            below +=
                self(self, child, after, lexiconNext[i], withLearned ? learnedNext[i] : 0.0, next);
        }
        if (nodes_[node].key == kNoKey) return below;
        scored.push_back({nodes_[node].key, std::max(0.0, probability - below)});
        return probability;
    };
    walk(walk, 0, CharacterModel::ContextAfter(typing), 1.0, 1.0, 1.0);
    const std::size_t kept = std::min(count, scored.size());
    std::ranges::partial_sort(scored, scored.begin() + static_cast<std::ptrdiff_t>(kept),
                              [](const Scored& a, const Scored& b) {
                                  if (a.probability != b.probability) {
                                      return a.probability > b.probability;
                                  }
                                  return a.key < b.key;
                              });
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < kept; ++i) places.push_back(scored[i].key);
    return places;
}

}  // namespace predict
