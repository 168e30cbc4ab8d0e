#pragma once

#include <cstdint>

namespace predict {

// How far the model of what the user wrote is trusted against the lexicon's: the weight that
// mixes the two, moved after each character the user writes towards the part of it that the
// learned model foretold better (an online estimate of a mixture's weight). So what was learned
// takes over only as far as it predicts this user better than the lexicon does, and a few
// words unlike the user's usual ones cannot push the lexicon aside.
class MixtureShare {
  public:
    // The learned model's part of the mix, between 0 and 1.
    double Learned() const { return learned_; }
    // A character written, with the probability that each model gave it before it was learned.
    void Observe(double fromLexicon, double fromLearned);

  private:
    double learned_ = 0.1;
    std::uint64_t seen_ = 0;
};

}  // namespace predict
