#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "predict/Counts.h"
#include "predict/Vocabulary.h"

namespace predict {

// The words of the vocabulary that begin with `prefix` and are longer than it,
// the likeliest after `previous` first, at most `count` of them. Likelihood
// mixes two models, one from the lexicon's counts and one from the learned
// counts, each a word-pair model interpolated with its single-word model; the
// learned one weighs `learnedShare` of the mix.
std::vector<WordId> Rank(const Vocabulary& vocabulary, const Counts& lexicon, const Counts& learned,
                         double learnedShare, std::optional<WordId> previous,
                         std::string_view prefix, std::size_t count);

}  // namespace predict
