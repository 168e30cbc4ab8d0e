#include "predict/Ranking.h"

#include <algorithm>

namespace predict {

namespace {

struct Scored {
    WordId word;
    double score;
};

// One model's part in the mix: its share, and after `previous` the weight of
// its pair counts (Witten-Bell: the more kinds of word seen after `previous`
// the less a pair count says) against that of its single counts.
struct Part {
    const Counts& counts;
    double singleWeight = 0;  // per count
    double pairWeight = 0;    // per pair count
    std::span<const Follower> followers;

    Part(const Counts& source, double share, std::optional<WordId> previous) : counts(source) {
        if (source.Total() == 0 || share == 0) return;
        double pairShare = 0;
        if (previous) {
            followers = source.After(*previous);
            double seen = 0;
            for (const Follower& f : followers) seen += f.count;
            if (seen > 0) {
                pairShare = seen / (seen + static_cast<double>(followers.size()));
                pairWeight = share * pairShare / seen;
            }
        }
        singleWeight = share * (1 - pairShare) / static_cast<double>(source.Total());
    }

    double Single(WordId word) const { return singleWeight * counts.Of(word); }
};

bool Better(const Scored& a, const Scored& b) { return a.score > b.score; }

// Keeps the `count` best seen so far, best first.
void KeepBest(std::vector<Scored>& best, Scored candidate, std::size_t count) {
    if (best.size() == count && !Better(candidate, best.back())) return;
    auto place = std::ranges::upper_bound(best, candidate, Better);
    best.insert(place, candidate);
    if (best.size() > count) best.pop_back();
}

}  // namespace

std::vector<WordId> Rank(const Vocabulary& vocabulary, const Counts& lexicon, const Counts& learned,
                         double learnedShare, std::optional<WordId> previous,
                         std::string_view prefix, std::size_t count) {
    if (count == 0) return {};
    const Part parts[] = {{lexicon, 1 - learnedShare, previous}, {learned, learnedShare, previous}};
    auto single = [&parts](WordId word) { return parts[0].Single(word) + parts[1].Single(word); };
    auto completes = [&](WordId word) {
        const std::string& text = vocabulary.Text(word);
        return text.size() > prefix.size() && text.starts_with(prefix);
    };

    // A word seen after `previous` scores its pair parts on top of its single
    // part, every other word its single part alone; so the best of all are
    // among the words seen after `previous` and the best by single part.
    std::vector<Scored> paired;
    for (const Part& part : parts) {
        if (part.pairWeight == 0) continue;
        for (const Follower& f : part.followers) {
            if (completes(f.word)) paired.push_back({f.word, part.pairWeight * f.count});
        }
    }
    std::ranges::sort(paired, {}, &Scored::word);
    std::vector<Scored> ranked;
    for (const Scored& pair : paired) {
        if (!ranked.empty() && ranked.back().word == pair.word) {
            ranked.back().score += pair.score;
        } else {
            ranked.push_back(pair);
        }
    }
    for (Scored& pair : ranked) pair.score += single(pair.word);
    std::size_t pairedCount = ranked.size();

    std::vector<Scored> bestSingle;
    for (WordId word : vocabulary.StartingWith(prefix)) {
        double score = single(word);
        if (score > 0 && vocabulary.Text(word).size() > prefix.size()) {
            KeepBest(bestSingle, {word, score}, count);
        }
    }
    for (const Scored& s : bestSingle) {
        auto end = ranked.begin() + static_cast<std::ptrdiff_t>(pairedCount);
        if (!std::binary_search(ranked.begin(), end, s,
                                [](const Scored& a, const Scored& b) { return a.word < b.word; })) {
            ranked.push_back(s);
        }
    }

    auto order = [&vocabulary](const Scored& a, const Scored& b) {
        if (a.score != b.score) return a.score > b.score;
        return vocabulary.Text(a.word) < vocabulary.Text(b.word);
    };
    std::size_t kept = std::min(count, ranked.size());
    std::ranges::partial_sort(ranked, ranked.begin() + static_cast<std::ptrdiff_t>(kept), order);
    std::vector<WordId> words;
    for (std::size_t i = 0; i < kept; ++i) words.push_back(ranked[i].word);
    return words;
}

}  // namespace predict
