#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "predict/Counts.h"

namespace predict {

// How many characters of the word being typed the character model looks back on, the
// word's beginning counted as one.
inline constexpr std::size_t kCharacterContext = 5;

// A character-level model of words: how often each character came after each beginning of a
// word and each run of up to kCharacterContext letters inside one, a word being followed by a
// blank unless it is an elision ("l'") that the next word joins. Learned from words and their
// counts, so that the lexicon and what the user wrote each give one.
class CharacterModel {
  public:
    // Adds `change` (negative to take back) to the counts of every character of `word`, as
    // SplitWords gives words, and of the blank after it.
    void Learn(std::string_view word, std::int64_t change);

    // The probability that the next characters are `next`, in small letters, when `typing` is
    // the word being typed: empty at a word's beginning. Witten-Bell interpolation over the
    // shorter contexts, down to every character of the code page being alike, capitals
    // counted as small letters.
    double Probability(std::string_view typing, std::string_view next) const;

    // How many characters it was learned from.
    std::uint64_t Total() const;

    // What the model looks back on before the next character: where `typing`, the word being
    // typed, leaves it, and where one more character (in small letters) moves it. The same for
    // every model, so that a walk over many continuations carries it along instead of reading
    // the word again for each.
    static std::string ContextAfter(std::string_view typing);
    static void Follow(std::string& context, char small);
    // The probability that the next character is `small` in that context.
    double Next(const std::string& context, char small) const;
    // The same for each of `smalls`, into `probabilities` (as many), reading each of the
    // context's counts once for all of them.
    void NextOfEach(const std::string& context, std::string_view smalls,
                    std::span<double> probabilities) const;

  private:
    struct Followers {
        std::uint64_t total = 0;
        std::vector<std::pair<char, Count>> counts;
    };
    using Context = std::uint64_t;

    void Add(Context context, char next, std::int64_t change);

    std::unordered_map<Context, Followers> contexts_;
};

}  // namespace predict
