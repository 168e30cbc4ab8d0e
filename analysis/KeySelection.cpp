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
// A key must save actions in this many registers, when there are so many.
constexpr std::ptrdiff_t kRegistersToEarnAPlace = 2;

size_t At(int index) { return static_cast<size_t>(index); }

// A chunk without counts by register is of one register.
uint64_t CountIn(const Chunk& chunk, size_t reg) {
    if (chunk.byRegister.empty()) return reg == 0 ? chunk.count : 0;
    return chunk.byRegister[reg];
}

size_t RegistersOf(const std::vector<Chunk>& chunks) {
    size_t registers = 1;
    for (const Chunk& chunk : chunks) registers = std::max(registers, chunk.byRegister.size());
    return registers;
}

void Change(std::vector<uint64_t>& uses, const std::vector<std::pair<int, int64_t>>& delta) {
    for (const auto& [key, change] : delta) {
        uses[At(key)] = static_cast<uint64_t>(static_cast<int64_t>(uses[At(key)]) + change);
    }
}

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
      segments_(chunks.size()),
      registers_(RegistersOf(chunks)) {
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
    registerUses_.assign(registers_, std::vector<uint64_t>(keys_.size(), 0));
    scratch_.assign(registers_ + 1, std::vector<int64_t>(keys_.size() + 1, 0));
    touched_.assign(keys_.size() + 1, false);
    for (size_t key = 0; key < keys_.size(); ++key)
        matcher_.Add(keys_[key].text, static_cast<int>(key), 0);
    for (size_t chunk = 0; chunk < chunks_.size(); ++chunk) {
        Segment(chunks_[chunk].text, segments_[chunk]);
        for (int key : segments_[chunk]) {
            uses_[At(key)] += chunks_[chunk].count;
            for (size_t reg = 0; reg < registers_; ++reg)
                registerUses_[reg][At(key)] += CountIn(chunks_[chunk], reg);
        }
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

KeySelection::Deltas KeySelection::Resegment(const std::vector<int>& chunks) {
    std::vector<int> touched;
    std::vector<int> segment;
    auto change = [&](int key, const Chunk& piece, int64_t sign) {
        if (!touched_[At(key)]) {
            touched_[At(key)] = true;
            touched.push_back(key);
        }
        scratch_[0][At(key)] += sign * static_cast<int64_t>(piece.count);
        for (size_t reg = 0; reg < registers_; ++reg)
            scratch_[reg + 1][At(key)] += sign * static_cast<int64_t>(CountIn(piece, reg));
    };
    for (int chunk : chunks) {
        const Chunk& piece = chunks_[At(chunk)];
        Segment(piece.text, segment);
        if (segment == segments_[At(chunk)]) continue;
        for (int key : segments_[At(chunk)]) change(key, piece, -1);
        for (int key : segment) change(key, piece, 1);
    }
    Deltas delta{{}, std::vector<Delta>(registers_)};
    for (int key : touched) {
        for (size_t set = 0; set < scratch_.size(); ++set) {
            int64_t& by = scratch_[set][At(key)];
            if (by != 0)
                (set == 0 ? delta.weighed : delta.byRegister[set - 1]).emplace_back(key, by);
            by = 0;
        }
        touched_[At(key)] = false;
    }
    return delta;
}

void KeySelection::Apply(const Deltas& delta, const std::vector<int>& chunks) {
    Change(uses_, delta.weighed);
    for (size_t reg = 0; reg < registers_; ++reg) Change(registerUses_[reg], delta.byRegister[reg]);
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

std::vector<uint64_t> KeySelection::UsesAfter(const std::vector<uint64_t>& before,
                                              const Delta& delta, int added, int dropped) const {
    std::vector<uint64_t> uses = before;
    if (added != kNone) uses.resize(At(added) + 1, 0);
    Change(uses, delta);
    if (dropped != kNone) uses[At(dropped)] = 0;
    return uses;
}

std::vector<int> KeySelection::ChosenByUse(const std::vector<uint64_t>& uses) const {
    std::vector<int> chosen;
    for (size_t key = 0; key < uses.size(); ++key) {
        // A key beyond the list is the one being tried.
        const bool tried = key >= keys_.size();
        if (tried || (keys_[key].role == Role::Chosen && !dropped_[key]))
            chosen.push_back(static_cast<int>(key));
    }
    std::stable_sort(chosen.begin(), chosen.end(),
                     [&](int a, int b) { return uses[At(a)] > uses[At(b)]; });
    return chosen;
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
    return PlacedActions(chosen, places) + FixedActions(uses, GroupsUsed(places));
}

uint64_t KeySelection::FixedActions(const std::vector<uint64_t>& uses, int groupsUsed) const {
    uint64_t actions = 0;
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

uint64_t KeySelection::ActionsOf(const std::vector<uint64_t>& ranked,
                                 const std::vector<uint64_t>& counted) const {
    const std::vector<int> order = ChosenByUse(ranked);
    const size_t placed = std::min(order.size(), places_.size());
    const std::vector<Place> places(places_.begin(),
                                    places_.begin() + static_cast<std::ptrdiff_t>(placed));
    uint64_t actions = 0;
    for (size_t rank = 0; rank < placed; ++rank) {
        actions += counted[At(order[rank])] * static_cast<uint64_t>(places[rank].actions);
    }
    return actions + FixedActions(counted, GroupsUsed(places));
}

std::vector<int64_t> KeySelection::RegisterGains(const Deltas& delta, int added,
                                                 int dropped) const {
    const std::vector<uint64_t> ranked = UsesAfter(uses_, delta.weighed, added, dropped);
    std::vector<int64_t> gains;
    for (size_t reg = 0; reg < registers_; ++reg) {
        const std::vector<uint64_t> after =
            UsesAfter(registerUses_[reg], delta.byRegister[reg], added, dropped);
        gains.push_back(static_cast<int64_t>(ActionsOf(uses_, registerUses_[reg])) -
                        static_cast<int64_t>(ActionsOf(ranked, after)));
    }
    return gains;
}

bool KeySelection::EarnsItsPlace(const std::vector<int64_t>& savedByRegister) const {
    const auto saving = std::count_if(savedByRegister.begin(), savedByRegister.end(),
                                      [](int64_t saved) { return saved > 0; });
    return saving >= std::min<std::ptrdiff_t>(kRegistersToEarnAPlace,
                                              static_cast<std::ptrdiff_t>(registers_));
}

bool KeySelection::AddingEarnsItsPlace(int candidate) {
    if (registers_ < 2) return true;
    const Candidate& tried = candidates_[At(candidate)];
    const int key = static_cast<int>(keys_.size());
    Match(tried.text, key);
    const Deltas delta = Resegment(tried.chunks);
    Unmatch(tried.text);
    return EarnsItsPlace(RegisterGains(delta, key, kNone));
}

bool KeySelection::KeepingEarnsItsPlace(int key) {
    if (registers_ < 2) return true;
    const Key& kept = keys_[At(key)];
    const Candidate& origin = candidates_[At(kept.candidate)];
    Unmatch(kept.text);
    const Deltas delta = Resegment(origin.chunks);
    Match(kept.text, key);
    dropped_[At(key)] = true;
    std::vector<int64_t> saved = RegisterGains(delta, kNone, key);
    dropped_[At(key)] = false;
    // What dropping the key would cost in a register is what keeping it saves there.
    for (int64_t& gain : saved) gain = -gain;
    return EarnsItsPlace(saved);
}

int64_t KeySelection::GainOfAdding(int candidate) {
    const Candidate& tried = candidates_[At(candidate)];
    const int key = static_cast<int>(keys_.size());
    Match(tried.text, key);
    const Deltas delta = Resegment(tried.chunks);
    Unmatch(tried.text);
    return static_cast<int64_t>(Actions(uses_)) -
           static_cast<int64_t>(Actions(UsesAfter(uses_, delta.weighed, key, kNone)));
}

int64_t KeySelection::GainOfDropping(int key) {
    const Key& dropping = keys_[At(key)];
    const Candidate& origin = candidates_[At(dropping.candidate)];
    Unmatch(dropping.text);
    const Deltas delta = Resegment(origin.chunks);
    Match(dropping.text, key);
    const uint64_t before = Actions(uses_);
    // Without the key, its place goes to the others.
    dropped_[At(key)] = true;
    const uint64_t after = Actions(UsesAfter(uses_, delta.weighed, kNone, key));
    dropped_[At(key)] = false;
    return static_cast<int64_t>(before) - static_cast<int64_t>(after);
}

void KeySelection::Add(int candidate) {
    const Candidate& chosen = candidates_[At(candidate)];
    const int key = static_cast<int>(keys_.size());
    keys_.push_back({chosen.text, Role::Chosen, kNone, kNone, candidate});
    dropped_.push_back(false);
    uses_.push_back(0);
    for (auto& uses : registerUses_) uses.push_back(0);
    for (auto& scratch : scratch_) scratch.push_back(0);
    touched_.push_back(false);
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
        if (!AddingEarnsItsPlace(candidate)) continue;
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
            if (GainOfDropping(static_cast<int>(key)) > 0 ||
                !KeepingEarnsItsPlace(static_cast<int>(key))) {
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
