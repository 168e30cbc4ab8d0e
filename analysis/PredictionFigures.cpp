#include "analysis/PredictionFigures.h"

#include <QCoreApplication>
#include <QFile>
#include <iomanip>
#include <map>
#include <tuple>

#include "analysis/ScannedKeyboard.h"
#include "analysis/WordPredictions.h"
#include "predict/DataFolder.h"
#include "predict/TypedText.h"

namespace analysis {
namespace {

constexpr int kFailedFile = 1;
// Where the search for the best layout starts: a few keys, a few words, at the top.
constexpr predict::PredictionLayout kSearchStart{4, 2, 0};

const char* LanguageCode(keys::KeyLanguage language) {
    return language == keys::KeyLanguage::Catalan ? "ca" : "es";
}

void Learn(predict::WordModel& model, const DecodedText& text) {
    predict::TypedText typed;
    text.Walk(
        [&](std::string_view run) {
            for (const predict::WordChange& change : typed.Type(run)) model.Learn(change);
        },
        [&](std::string_view) { typed.Forget(); });
}

// The layouts one change away: a key, a word or a place more or fewer, within the limits.
std::vector<predict::PredictionLayout> Neighbours(const predict::PredictionLayout& layout,
                                                  size_t topLevelNodes) {
    std::vector<predict::PredictionLayout> neighbours;
    for (const int change : {-1, 1}) {
        for (size_t predict::PredictionLayout::*field :
             {&predict::PredictionLayout::keys, &predict::PredictionLayout::words,
              &predict::PredictionLayout::place}) {
            predict::PredictionLayout next = layout;
            if (change < 0 && next.*field == 0) continue;
            next.*field = change < 0 ? next.*field - 1 : next.*field + 1;
            const size_t offered = next.keys + next.words;
            if (offered == 0 || offered > predict::kMostPredictions || next.place > topLevelNodes) {
                continue;
            }
            neighbours.push_back(next);
        }
    }
    return neighbours;
}

// With `before`, the model learns nothing and what it offered is kept for the next layout.
CostSummary WriteWithModel(const keys::KeyForest& keyboard, const predict::PredictionLayout& layout,
                           predict::WordModel& model, const std::vector<DecodedText>& texts,
                           bool passTwice, bool learning, OfferedBefore* before) {
    const keys::KeyForest shown = WithPredictionGroup(keyboard, layout);
    const ScannedKeyboard scanned(shown, passTwice);
    WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), layout, learning, before);
    return scanned.Write(texts, &predictions);
}

}  // namespace

predict::WordModel PredictionSource::Model() const {
    predict::WordModel model;
    model.LoadLexicon(lexicon);
    for (const DecodedText& text : learnFrom) Learn(model, text);
    return model;
}

std::optional<PredictionSource> FindPredictionSource(const ScanCostOptions& options,
                                                     std::vector<DecodedText> learnFrom,
                                                     std::ostream& out, std::ostream& errors,
                                                     int& status) {
    PredictionSource source{
        options.lexicon.isEmpty()
            ? predict::InstalledLexicon(LanguageCode(options.language),
                                        QCoreApplication::applicationDirPath().toStdString())
            : std::filesystem::path(QFile::encodeName(options.lexicon).toStdString()),
        std::move(learnFrom)};
    const predict::LoadStatus loaded = predict::WordModel().LoadLexicon(source.lexicon);
    if (loaded.outcome == predict::LoadOutcome::DamagedLines) {
        errors << source.lexicon.string() << ": " << loaded.badLines
               << " lines are not words and counts, left out\n";
    } else if (loaded.outcome != predict::LoadOutcome::Loaded) {
        errors << (source.lexicon.empty() ? std::string("The lexicon") : source.lexicon.string())
               << ": cannot be read as a words file; measured without predictions\n";
        status = kFailedFile;
        return std::nullopt;
    }
    out << "Predictions from " << source.lexicon.string();
    if (!source.learnFrom.empty()) {
        out << ", having learned " << source.Model().LearnedWords() << " words from "
            << source.learnFrom.size() << " text(s)";
    }
    out << "\n\n";
    return source;
}

CostSummary WriteWithPredictions(const keys::KeyForest& keyboard,
                                 const predict::PredictionLayout& layout,
                                 const PredictionSource& source,
                                 const std::vector<DecodedText>& texts, bool passTwice,
                                 bool learning) {
    predict::WordModel model = source.Model();
    return WriteWithModel(keyboard, layout, model, texts, passTwice, learning, nullptr);
}

predict::PredictionLayout BestLayout(const keys::KeyForest& keyboard,
                                     const PredictionSource& source,
                                     const std::vector<DecodedText>& texts, bool passTwice,
                                     std::ostream& progress) {
    std::map<std::tuple<size_t, size_t, size_t>, double> tried;
    // Nothing is learned while layouts are tried: one model serves them all, asked once for
    // each word.
    predict::WordModel model = source.Model();
    OfferedBefore offered;
    auto figure = [&](const predict::PredictionLayout& layout) {
        const auto key = std::make_tuple(layout.keys, layout.words, layout.place);
        if (const auto found = tried.find(key); found != tried.end()) return found->second;
        const double actions =
            WriteWithModel(keyboard, layout, model, texts, passTwice, false, &offered)
                .ActionsPerCharacter();
        progress << std::fixed << std::setprecision(3) << "  " << layout.keys << " keys, "
                 << layout.words << " words, place " << layout.place << ": " << actions
                 << " scan actions per character\n";
        tried[key] = actions;
        return actions;
    };
    auto descend = [&](predict::PredictionLayout best) {
        double bestFigure = figure(best);
        for (bool better = true; better;) {
            better = false;
            for (const predict::PredictionLayout& layout : Neighbours(best, keyboard.size())) {
                const double actions = figure(layout);
                if (actions < bestFigure) {
                    best = layout;
                    bestFigure = actions;
                    better = true;
                }
            }
        }
        return best;
    };
    // The program's default may lie beyond the reach of the search from the start.
    const predict::PredictionLayout fromStart = descend(kSearchStart);
    const predict::PredictionLayout fromDefault = descend(predict::PredictionLayout{});
    return figure(fromDefault) < figure(fromStart) ? fromDefault : fromStart;
}

void WritePredictionFigures(std::ostream& out, const keys::KeyForest& keyboard,
                            const predict::PredictionLayout& layout, const ScanCostOptions& options,
                            const PredictionSource& source, const std::vector<DecodedText>& texts,
                            const CostSummary& without) {
    const double before = without.ActionsPerCharacter();
    out << "The group of predictions: " << layout.keys << " next keys and " << layout.words
        << " words, at place " << layout.place << " of the top level\n";
    for (const bool learning : {false, true}) {
        const CostSummary with =
            WriteWithPredictions(keyboard, layout, source, texts, options.passTwice, learning);
        const double after = with.ActionsPerCharacter();
        out << std::fixed << std::setprecision(2) << "With word prediction"
            << (learning ? ", learning as it types: " : ": ") << after
            << " scan actions per character typed, against " << before << " without";
        if (before > 0) {
            out << " (" << std::setprecision(1) << 100 * (1 - after / before) << " % fewer)";
        }
        out << "; " << with.predictedKeys << " keys and " << with.predictedWords
            << " words chosen from the predictions typed " << with.predictedCharacters
            << " characters\n";
    }
}

}  // namespace analysis
