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
    {3, true, 8000},
    {4, true, 8000},
    {6, true, 8000},
};

double SampleActions(const keys::KeyForest& built, keys::KeyLanguage language,
                     const std::vector<DecodedText>& sample) {
    keys::KeyForest shown = built;
    keys::AfegirTeclesEspecials(shown, language);
    return ScannedKeyboard(shown, false).Write(sample).ActionsPerCharacter();
}

}  // namespace

BuiltKeyboard BuildKeyboard(const std::vector<DecodedText>& texts, keys::KeyLanguage language,
                            size_t mostKeys, std::ostream& progress) {
    const SplitTexts split = SplitEveryTenthLine(texts);
    const std::vector<Chunk> chunks = CountChunks(split.rest);
    std::optional<BuiltKeyboard> best;
    for (const CandidateLimits& limits : kTries) {
        KeySelection selection(chunks, SpecialKeysOf(language), TypedByTrailingGroups(language),
                               FindCandidates(chunks, limits), mostKeys);
        selection.Run();
        const std::vector<std::string> chosen = selection.KeysByUse();
        keys::KeyForest keyboard = ArrangeKeys(selection.Shape(), chosen, TrailingGroups(language));
        const double actions = SampleActions(keyboard, language, split.sample);
        progress << "pieces of words of up to " << limits.longestPiece
                 << " characters and whole words: " << chosen.size() << " keys chosen, "
                 << std::fixed << std::setprecision(2) << actions
                 << " scan actions per character on the sample\n";
        if (!best || actions < best->sampleActions) {
            best = BuiltKeyboard{std::move(keyboard), actions};
        }
    }
    return std::move(*best);
}

}  // namespace analysis
