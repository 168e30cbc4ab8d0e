#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/CandidateKeys.h"
#include "analysis/CorpusChunks.h"
#include "analysis/KeyMatcher.h"
#include "analysis/LayoutShape.h"

namespace analysis {

// A special key at its fixed place: what it types, in small letters, and what choosing it
// takes.
struct SpecialKey {
    std::string typed;
    int actions;
};

// Chooses the keys of a keyboard for a corpus and where they go. The special keys stand at
// the top and the trailing groups (every letter, the digits and signs) at the end whatever
// is chosen; between them, starting from nothing, it adds the candidate that lowers the
// corpus's total scan actions most, again and again, drops keys that no longer pay for their
// place, and puts the most used keys in the cheapest places of the best shape. A key's worth
// is measured, not guessed: the chunks that hold it are segmented again with and without it.
// When the chunks come from several registers, a key earns its place only if it saves actions
// in two of them at least, so that no register's jargon crowds out the words of the others.
class KeySelection {
  public:
    // Chooses no more than `mostKeys` keys.
    KeySelection(const std::vector<Chunk>& chunks, const std::vector<SpecialKey>& specialKeys,
                 const std::vector<std::vector<std::string>>& trailingGroups,
                 std::vector<Candidate> candidates, size_t mostKeys);

    void Run();

    LayoutShape Shape() const { return shape_; }
    // The chosen keys, most used first, in small letters.
    std::vector<std::string> KeysByUse() const;

  private:
    enum class Role { Special, Trailing, Chosen };
    struct Key {
        std::string text;
        Role role;
        int group;      // Trailing: which trailing group
        int place;      // Special: its actions; Trailing: its place in the group
        int candidate;  // Chosen: the candidate it came from
    };
    using Delta = std::vector<std::pair<int, int64_t>>;
    // A change of uses for all registers together, and for each.
    struct Deltas {
        Delta weighed;
        std::vector<Delta> byRegister;
    };

    void Segment(const std::string& chunk, std::vector<int>& keys) const;
    // How the uses of each key change when the chunks are segmented again with the matcher as
    // it stands.
    Deltas Resegment(const std::vector<int>& chunks);
    void Apply(const Deltas& delta, const std::vector<int>& chunks);
    // The matcher with this key for its text, in place of any other.
    void Match(const std::string& text, int key);
    // The matcher without the chosen key of this text: a trailing key of the same text
    // takes its place again.
    void Unmatch(const std::string& text);
    std::vector<uint64_t> UsesAfter(const std::vector<uint64_t>& uses, const Delta& delta,
                                    int added, int dropped) const;
    uint64_t Actions(const std::vector<uint64_t>& uses) const;
    // The actions of the special and trailing keys.
    uint64_t FixedActions(const std::vector<uint64_t>& uses, int groupsUsed) const;
    // The actions of `counted` uses with the keys placed by `ranked` uses.
    uint64_t ActionsOf(const std::vector<uint64_t>& ranked,
                       const std::vector<uint64_t>& counted) const;
    // For each register, the actions the change saves there (less than 0: it costs).
    std::vector<int64_t> RegisterGains(const Deltas& delta, int added, int dropped) const;
    // Whether a key saves actions in enough registers: two when there are several.
    bool EarnsItsPlace(const std::vector<int64_t>& savedByRegister) const;
    bool AddingEarnsItsPlace(int candidate);
    bool KeepingEarnsItsPlace(int key);
    std::vector<int> ChosenByUse(const std::vector<uint64_t>& uses) const;
    int64_t GainOfAdding(int candidate);
    int64_t GainOfDropping(int key);
    void Add(int candidate);
    void Drop(int key);
    bool AddWhileWorthwhile();
    bool DropWhileWorthwhile();
    void Reshape();
    std::vector<uint64_t> ChosenUsesDescending(const std::vector<uint64_t>& uses) const;
    TrailingUses TrailingUsesOf(const std::vector<uint64_t>& uses) const;

    const std::vector<Chunk>& chunks_;
    std::vector<Candidate> candidates_;
    std::vector<int> keyOfCandidate_;  // kNotChosen while not chosen
    std::vector<Key> keys_;
    std::vector<bool> dropped_;
    std::unordered_map<std::string, int> trailingKeyOf_;  // by text
    size_t trailingGroups_;
    size_t mostKeys_;
    KeyMatcher matcher_;
    std::vector<std::vector<int>> segments_;  // the keys each chunk is typed with
    std::vector<uint64_t> uses_;              // by key
    size_t registers_;
    std::vector<std::vector<uint64_t>> registerUses_;  // by register, then key
    LayoutShape shape_;
    std::vector<Place> places_;  // for one more chosen key than there are
    int chosenKeys_ = 0;
    // Weighed, then each register's; by key, zero between uses.
    std::vector<std::vector<int64_t>> scratch_;
    std::vector<bool> touched_;  // by key, false between uses
};

}  // namespace analysis
