#include "analysis/KeySelection.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

namespace analysis {
namespace {

constexpr int kNotChosen = -1;
constexpr int kNone = -1;
// Adding keys moves others to dearer places, so the shape is fitted again every so often.
constexpr int kReshapeEvery = 20;
// Rounds of adding and dropping; the later ones change little.
constexpr int kMostRounds = 4;

size_t At(int index) { return static_cast<size_t>(index); }

}  // namespace

KeySelection::KeySelection(const std::vector<Chunk>& chunks,
                           const std::vector<SpecialKey>& specialKeys,
                           const std::vector<std::vector<std::string>>& trailingGroups,
                           std::vector<Candidate> candidates, size_t mostKeys)
    : chunks_(chunks),
      candidates_(std::move(candidates)),
      keyOfCandidate_(candidates_.size(), kNotChosen),
      trailingGroups_(trailingGroups.size()),
      mostKeys_(mostKeys),
      segments_(chunks.size()) {
    for (const SpecialKey& key : specialKeys) {
        keys_.push_back({key.typed, Role::Special, kNone, key.actions, kNone});
    }
    for (size_t group = 0; group < trailingGroups.size(); ++group) {
        for (size_t place = 0; place < trailingGroups[group].size(); ++place) {
            const std::string& text = trailingGroups[group][place];
            // A text twice in the trailing groups is typed with its first key.
            if (!trailingKeyOf_.try_emplace(text, static_cast<int>(keys_.size())).second) continue;
            keys_.push_back(
                {text, Role::Trailing, static_cast<int>(group), static_cast<int>(place), kNone});
        }
    }
    dropped_.assign(keys_.size(), false);
    uses_.assign(keys_.size(), 0);
    scratch_.assign(keys_.size() + 1, 0);
    for (size_t key = 0; key < keys_.size(); ++key)
        matcher_.Add(keys_[key].text, static_cast<int>(key), 0);
    for (size_t chunk = 0; chunk < chunks_.size(); ++chunk) {
        Segment(chunks_[chunk].text, segments_[chunk]);
        for (int key : segments_[chunk]) uses_[At(key)] += chunks_[chunk].count;
    }
    Reshape();
}

void KeySelection::Run() {
    for (int round = 0; round < kMostRounds; ++round) {
        const LayoutShape before = shape_;
        bool changed = AddWhileWorthwhile();
        changed = DropWhileWorthwhile() || changed;
        Reshape();
        if (!changed && shape_ == before) return;
    }
}

std::vector<std::string> KeySelection::KeysByUse() const {
    std::vector<int> chosen;
    for (size_t key = 0; key < keys_.size(); ++key) {
        if (keys_[key].role == Role::Chosen && !dropped_[key])
            chosen.push_back(static_cast<int>(key));
    }
    std::sort(chosen.begin(), chosen.end(), [&](int a, int b) {
        return uses_[At(a)] != uses_[At(b)] ? uses_[At(a)] > uses_[At(b)]
                                            : keys_[At(a)].text < keys_[At(b)].text;
    });
    std::vector<std::string> texts;
    for (int key : chosen) texts.push_back(keys_[At(key)].text);
    return texts;
}

void KeySelection::Segment(const std::string& chunk, std::vector<int>& keys) const {
    keys.clear();
    std::string_view rest = chunk;
    while (!rest.empty()) {
        const std::optional<KeyMatcher::Match> match = matcher_.LongestAt(rest);
        if (!match) {
            rest.remove_prefix(1);  // no key types it, whatever the keyboard
            continue;
        }
        keys.push_back(match->key);
        rest.remove_prefix(match->length);
    }
}

KeySelection::Delta KeySelection::Resegment(const std::vector<int>& chunks) {
    std::vector<int> touched;
    std::vector<int> segment;
    auto change = [&](int key, int64_t by) {
        if (scratch_[At(key)] == 0) touched.push_back(key);
        scratch_[At(key)] += by;
    };
    for (int chunk : chunks) {
        const Chunk& piece = chunks_[At(chunk)];
        Segment(piece.text, segment);
        if (segment == segments_[At(chunk)]) continue;
        const auto count = static_cast<int64_t>(piece.count);
        for (int key : segments_[At(chunk)]) change(key, -count);
        for (int key : segment) change(key, count);
    }
    Delta delta;
    for (int key : touched) {
        if (scratch_[At(key)] != 0) delta.emplace_back(key, scratch_[At(key)]);
        scratch_[At(key)] = 0;
    }
    return delta;
}

void KeySelection::Apply(const Delta& delta, const std::vector<int>& chunks) {
    for (const auto& [key, change] : delta) {
        uses_[At(key)] = static_cast<uint64_t>(static_cast<int64_t>(uses_[At(key)]) + change);
    }
    for (int chunk : chunks) Segment(chunks_[At(chunk)].text, segments_[At(chunk)]);
}

void KeySelection::Match(const std::string& text, int key) {
    matcher_.Remove(text);
    matcher_.Add(text, key, 0);
}

void KeySelection::Unmatch(const std::string& text) {
    matcher_.Remove(text);
    const auto trailing = trailingKeyOf_.find(text);
    if (trailing != trailingKeyOf_.end()) matcher_.Add(text, trailing->second, 0);
}

std::vector<uint64_t> KeySelection::UsesAfter(const Delta& delta, int added, int dropped) const {
    std::vector<uint64_t> uses = uses_;
    if (added != kNone) uses.resize(At(added) + 1, 0);
    for (const auto& [key, change] : delta) {
        uses[At(key)] = static_cast<uint64_t>(static_cast<int64_t>(uses[At(key)]) + change);
    }
    if (dropped != kNone) uses[At(dropped)] = 0;
    return uses;
}

std::vector<uint64_t> KeySelection::ChosenUsesDescending(const std::vector<uint64_t>& uses) const {
    std::vector<uint64_t> chosen;
    for (size_t key = 0; key < uses.size(); ++key) {
        // A key beyond the list is the one being tried.
        const bool tried = key >= keys_.size();
        if (tried || (keys_[key].role == Role::Chosen && !dropped_[key]))
            chosen.push_back(uses[key]);
    }
    std::sort(chosen.begin(), chosen.end(), std::greater<>());
    return chosen;
}

TrailingUses KeySelection::TrailingUsesOf(const std::vector<uint64_t>& uses) const {
    TrailingUses trailing(trailingGroups_);
    for (size_t key = 0; key < keys_.size(); ++key) {
        if (keys_[key].role != Role::Trailing) continue;
        auto& group = trailing[At(keys_[key].group)];
        if (group.size() <= At(keys_[key].place)) group.resize(At(keys_[key].place) + 1, 0);
        group[At(keys_[key].place)] = uses[key];
    }
    return trailing;
}

uint64_t KeySelection::Actions(const std::vector<uint64_t>& uses) const {
    const std::vector<uint64_t> chosen = ChosenUsesDescending(uses);
    const std::vector<Place> places(
        places_.begin(),
        places_.begin() + static_cast<std::ptrdiff_t>(std::min(chosen.size(), places_.size())));
    uint64_t actions = PlacedActions(chosen, places);
    const int groupsUsed = GroupsUsed(places);
    for (size_t key = 0; key < keys_.size(); ++key) {
        const Key& counted = keys_[key];
        if (counted.role == Role::Special) {
            actions += uses[key] * static_cast<uint64_t>(counted.place);
        } else if (counted.role == Role::Trailing) {
            actions += uses[key] * static_cast<uint64_t>(TrailingKeyActions(
                                       shape_, groupsUsed, counted.group, counted.place));
        }
    }
    return actions;
}

int64_t KeySelection::GainOfAdding(int candidate) {
    const Candidate& tried = candidates_[At(candidate)];
    const int key = static_cast<int>(keys_.size());
    Match(tried.text, key);
    const Delta delta = Resegment(tried.chunks);
    Unmatch(tried.text);
    return static_cast<int64_t>(Actions(uses_)) -
           static_cast<int64_t>(Actions(UsesAfter(delta, key, kNone)));
}

int64_t KeySelection::GainOfDropping(int key) {
    const Key& dropping = keys_[At(key)];
    const Candidate& origin = candidates_[At(dropping.candidate)];
    Unmatch(dropping.text);
    const Delta delta = Resegment(origin.chunks);
    Match(dropping.text, key);
    const uint64_t before = Actions(uses_);
    // Without the key, its place goes to the others.
    dropped_[At(key)] = true;
    const uint64_t after = Actions(UsesAfter(delta, kNone, key));
    dropped_[At(key)] = false;
    return static_cast<int64_t>(before) - static_cast<int64_t>(after);
}

void KeySelection::Add(int candidate) {
    const Candidate& chosen = candidates_[At(candidate)];
    const int key = static_cast<int>(keys_.size());
    keys_.push_back({chosen.text, Role::Chosen, kNone, kNone, candidate});
    dropped_.push_back(false);
    uses_.push_back(0);
    scratch_.push_back(0);
    keyOfCandidate_[At(candidate)] = key;
    Match(chosen.text, key);
    Apply(Resegment(chosen.chunks), chosen.chunks);
    ++chosenKeys_;
    places_ = CheapestPlaces(shape_, At(chosenKeys_) + 1);
}

void KeySelection::Drop(int key) {
    const Key& dropping = keys_[At(key)];
    const Candidate& origin = candidates_[At(dropping.candidate)];
    dropped_[At(key)] = true;
    keyOfCandidate_[At(dropping.candidate)] = kNotChosen;
    Unmatch(dropping.text);
    Apply(Resegment(origin.chunks), origin.chunks);
    --chosenKeys_;
    places_ = CheapestPlaces(shape_, At(chosenKeys_) + 1);
}

bool KeySelection::AddWhileWorthwhile() {
    // Lazy greedy: a gain found earlier seldom grows, so the best stale gain is measured
    // again and taken if it is still the best.
    std::priority_queue<std::pair<int64_t, int>> best;
    for (size_t candidate = 0; candidate < candidates_.size(); ++candidate) {
        if (keyOfCandidate_[candidate] != kNotChosen) continue;
        const int64_t gain = GainOfAdding(static_cast<int>(candidate));
        // The lower index wins a tie: the more promising candidate.
        if (gain > 0) best.emplace(gain, -static_cast<int>(candidate));
    }
    int added = 0;
    while (!best.empty() && At(chosenKeys_) < mostKeys_) {
        const int candidate = -best.top().second;
        best.pop();
        const int64_t gain = GainOfAdding(candidate);
        if (gain <= 0) continue;
        if (!best.empty() && gain < best.top().first) {
            best.emplace(gain, -candidate);
            continue;
        }
        Add(candidate);
        if (++added % kReshapeEvery == 0) Reshape();
    }
    return added > 0;
}

bool KeySelection::DropWhileWorthwhile() {
    bool droppedAny = false;
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (size_t key = 0; key < keys_.size(); ++key) {
            if (keys_[key].role != Role::Chosen || dropped_[key]) continue;
            if (GainOfDropping(static_cast<int>(key)) > 0) {
                Drop(static_cast<int>(key));
                dropped = droppedAny = true;
            }
        }
    }
    return droppedAny;
}

void KeySelection::Reshape() {
    shape_ = BestShape(ChosenUsesDescending(uses_), TrailingUsesOf(uses_), shape_);
    places_ = CheapestPlaces(shape_, At(chosenKeys_) + 1);
}

}  // namespace analysis
