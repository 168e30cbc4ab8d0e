#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "predict/Counts.h"
#include "predict/Vocabulary.h"

namespace predict {

// What the learned counts weigh against the lexicon's in the mix of the two: it grows with the
// words learned; all of it without a lexicon.
double LearnedShare(const Counts& lexicon, const Counts& learned);

// The words of the vocabulary that begin with `prefix` and are longer than it,
// the likeliest after `previous` first, at most `count` of them. Likelihood
// mixes two models, one from the lexicon's counts and one from the learned
// counts, each a word-pair model interpolated with its single-word model; the
// learned one weighs more the more the user has written.
std::vector<WordId> Rank(const Vocabulary& vocabulary, const Counts& lexicon, const Counts& learned,
                         std::optional<WordId> previous, std::string_view prefix,
                         std::size_t count);

}  // namespace predict
