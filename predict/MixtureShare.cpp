#include "predict/MixtureShare.h"

#include <algorithm>

namespace predict {

namespace {

// The first characters move the share most; after kMemory of them it follows about the last
// kMemory, so that it keeps up with a user whose writing changes.
constexpr double kFirstWeight = 20;
constexpr double kMemory = 1000;
// Neither model is ever given up entirely: the evidence could not bring it back.
constexpr double kLeast = 0.001;
constexpr double kMost = 0.95;

}  // namespace

void MixtureShare::Observe(double fromLexicon, double fromLearned) {
    const double learned = learned_ * fromLearned;
    const double mixed = learned + (1 - learned_) * fromLexicon;
    if (mixed <= 0) return;
    ++seen_;
    const double step = 1 / std::min(kFirstWeight + static_cast<double>(seen_), kMemory);
    learned_ = std::clamp(learned_ + step * (learned / mixed - learned_), kLeast, kMost);
}

}  // namespace predict
