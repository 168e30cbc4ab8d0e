#include "analysis/KeyboardBuilder.h"

#include <iomanip>

#include "analysis/CandidateKeys.h"
#include "analysis/CorpusChunks.h"
#include "analysis/KeyArrangement.h"
#include "analysis/KeySelection.h"
#include "analysis/KeyboardFrame.h"
#include "analysis/ScannedKeyboard.h"

namespace analysis {
namespace {

// The choices tried: how long a piece of a word a key may hold, whole words always, and how
// many of the most promising candidates are weighed.
constexpr CandidateLimits kTries[] = {
    {6, true, 8000},
    {8, true, 8000},
    {10, true, 8000},
};

// Each register's figure on its sample, and their mean over the registers that have one.
std::vector<double> SampleActions(const keys::KeyForest& built, keys::KeyLanguage language,
                                  const std::vector<std::vector<DecodedText>>& samples,
                                  double& mean) {
    keys::KeyForest shown = built;
    keys::AfegirTeclesEspecials(shown, language);
    const ScannedKeyboard scanned(shown, false);
    std::vector<double> figures;
    double sum = 0;
    int measured = 0;
    for (const std::vector<DecodedText>& sample : samples) {
        const CostSummary summary = scanned.Write(sample);
        figures.push_back(summary.ActionsPerCharacter());
        if (summary.characters == 0) continue;
        sum += figures.back();
        ++measured;
    }
    mean = measured == 0 ? 0.0 : sum / measured;
    return figures;
}

void Report(std::ostream& progress, const CandidateLimits& limits, size_t keys,
            const std::vector<Register>& registers, const BuiltKeyboard& built) {
    progress << "pieces of words of up to " << limits.longestPiece
             << " characters and whole words: " << keys << " keys chosen, " << std::fixed
             << std::setprecision(2) << built.sampleActions
             << " scan actions per character on the sample";
    if (registers.size() > 1) {
        for (size_t reg = 0; reg < registers.size(); ++reg) {
            progress << (reg == 0 ? " (" : ", ") << registers[reg].name << " "
                     << built.sampleByRegister[reg];
        }
        progress << ")";
    }
    progress << "\n";
}

}  // namespace

BuiltKeyboard BuildKeyboard(const std::vector<Register>& registers, keys::KeyLanguage language,
                            size_t mostKeys, const KnownWords* known, std::ostream& progress) {
    std::vector<std::vector<DecodedText>> rest;
    std::vector<std::vector<DecodedText>> samples;
    for (const Register& reg : registers) {
        SplitTexts split = SplitEveryTenthLine(reg.texts);
        rest.push_back(std::move(split.rest));
        samples.push_back(std::move(split.sample));
    }
    const std::vector<Chunk> chunks = CountChunks(rest);
    std::optional<BuiltKeyboard> best;
    for (const CandidateLimits& limits : kTries) {
        KeySelection selection(chunks, SpecialKeysOf(language), TypedByTrailingGroups(language),
                               FindCandidates(chunks, limits, known), mostKeys);
        selection.Run();
        const std::vector<std::string> chosen = selection.KeysByUse();
        BuiltKeyboard built{
            ArrangeKeys(selection.Shape(), chosen, TrailingGroups(language)), {}, 0.0};
        built.sampleByRegister = SampleActions(built.keys, language, samples, built.sampleActions);
        Report(progress, limits, chosen.size(), registers, built);
        if (!best || built.sampleActions < best->sampleActions) best = std::move(built);
    }
    return std::move(*best);
}

}  // namespace analysis
