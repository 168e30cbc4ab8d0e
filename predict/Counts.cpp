#include "predict/Counts.h"

#include <algorithm>
#include <limits>

namespace predict {

namespace {

Count Added(Count count, std::int64_t change) {
    constexpr std::int64_t kMax = std::numeric_limits<Count>::max();
    return static_cast<Count>(std::clamp<std::int64_t>(count + change, 0, kMax));
}

// The count a list of counts must exceed for at most `keep` of them to stay,
// and how many equal to it may stay too.
struct Cutoff {
    Count below;
    std::size_t equalKept;
};

Cutoff CutoffFor(std::vector<Count> counts, std::size_t keep) {
    auto nth = counts.end() - static_cast<std::ptrdiff_t>(keep);
    std::ranges::nth_element(counts, nth);
    Count cut = *nth;
    auto above = std::ranges::count_if(counts, [cut](Count c) { return c > cut; });
    return {cut, keep - static_cast<std::size_t>(above)};
}

}  // namespace

std::span<const Follower> Counts::After(WordId previous) const {
    if (previous >= followers_.size()) return {};
    return followers_[previous];
}

void Counts::AddWord(WordId word, std::int64_t change) {
    if (word >= words_.size()) words_.resize(word + 1, 0);
    Count before = words_[word];
    Count after = Added(before, change);
    words_[word] = after;
    total_ = total_ - before + after;
    if (before == 0 && after > 0) ++distinctWords_;
    if (before > 0 && after == 0) --distinctWords_;
}

void Counts::AddPair(WordId previous, WordId word, std::int64_t change) {
    if (previous >= followers_.size()) followers_.resize(previous + 1);
    std::vector<Follower>& list = followers_[previous];
    auto found = std::ranges::find(list, word, &Follower::word);
    if (found == list.end()) {
        if (change <= 0) return;
        list.push_back({word, 0});
        found = list.end() - 1;
        ++pairs_;
    }
    found->count = Added(found->count, change);
    if (found->count == 0) {
        list.erase(found);
        --pairs_;
    }
}

void Counts::KeepMost(std::size_t maxWords, std::size_t maxPairs) {
    if (distinctWords_ > maxWords) {
        std::vector<Count> counted;
        std::ranges::copy_if(words_, std::back_inserter(counted), [](Count c) { return c > 0; });
        Cutoff cutoff = CutoffFor(std::move(counted), maxWords);
        // Newer words are kept among equals: walk from the newest.
        for (std::size_t id = words_.size(); id-- > 0;) {
            if (words_[id] == 0 || words_[id] > cutoff.below) continue;
            if (words_[id] == cutoff.below && cutoff.equalKept > 0) {
                --cutoff.equalKept;
                continue;
            }
            AddWord(static_cast<WordId>(id), -static_cast<std::int64_t>(words_[id]));
        }
        for (std::size_t previous = 0; previous < followers_.size(); ++previous) {
            std::vector<Follower>& list = followers_[previous];
            if (list.empty()) continue;
            bool gone = Of(static_cast<WordId>(previous)) == 0;
            pairs_ -=
                std::erase_if(list, [&](const Follower& f) { return gone || Of(f.word) == 0; });
        }
    }
    if (pairs_ > maxPairs) {
        std::vector<Count> counted;
        for (const auto& list : followers_) {
            for (const Follower& f : list) counted.push_back(f.count);
        }
        Cutoff cutoff = CutoffFor(std::move(counted), maxPairs);
        for (auto list = followers_.rbegin(); list != followers_.rend(); ++list) {
            pairs_ -= std::erase_if(*list, [&cutoff](const Follower& f) {
                if (f.count > cutoff.below) return false;
                if (f.count == cutoff.below && cutoff.equalKept > 0) {
                    --cutoff.equalKept;
                    return false;
                }
                return true;
            });
        }
    }
}

}  // namespace predict
