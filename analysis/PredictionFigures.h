#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "analysis/CostTally.h"
#include "analysis/DecodedText.h"
#include "analysis/ScanCostOptions.h"
#include "keys/KeyNode.h"
#include "predict/PredictionLayout.h"
#include "predict/WordModel.h"

namespace analysis {

// Where the predictions come from: a lexicon, and texts learned before measuring, as what the
// user wrote before.
struct PredictionSource {
    std::filesystem::path lexicon;
    std::vector<DecodedText> learnFrom;

    // A model of its own for each run, so that what one run learns stays out of the next.
    predict::WordModel Model() const;
};

// The lexicon the options name, or the one installed for their language, with the texts to
// learn from; says which on `out`. Nothing, with a message and a failed `status`, when the
// lexicon cannot be used.
std::optional<PredictionSource> FindPredictionSource(const ScanCostOptions& options,
                                                     std::vector<DecodedText> learnFrom,
                                                     std::ostream& out, std::ostream& errors,
                                                     int& status);

// What writing the texts with the keyboard takes with its group of predictions laid out as
// `layout` says, with the model the source gives, learning from the text as it is typed or not.
CostSummary WriteWithPredictions(const keys::KeyForest& keyboard,
                                 const predict::PredictionLayout& layout,
                                 const PredictionSource& source,
                                 const std::vector<DecodedText>& texts, bool passTwice,
                                 bool learning);

// The layout of the group of predictions, how many keys and words and where, with which
// writing the texts takes fewest actions, found one change at a time from a few of
// each at the top, or the program's default if that is better; each layout tried is reported to
// `progress`.
predict::PredictionLayout BestLayout(const keys::KeyForest& keyboard,
                                     const PredictionSource& source,
                                     const std::vector<DecodedText>& texts, bool passTwice,
                                     std::ostream& progress);

// What writing the texts with the keyboard takes with prediction on, from the lexicon and
// learned texts alone, then learning from the text as it is typed, as the keyboard does; each
// beside `without`, the figure without predictions.
void WritePredictionFigures(std::ostream& out, const keys::KeyForest& keyboard,
                            const predict::PredictionLayout& layout, const ScanCostOptions& options,
                            const PredictionSource& source, const std::vector<DecodedText>& texts,
                            const CostSummary& without);

}  // namespace analysis
