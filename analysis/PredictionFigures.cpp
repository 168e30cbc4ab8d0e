#include "analysis/PredictionFigures.h"

#include <QCoreApplication>
#include <QFile>
#include <iomanip>

#include "analysis/ScannedKeyboard.h"
#include "analysis/WordPredictions.h"
#include "predict/DataFolder.h"
#include "predict/TypedText.h"

namespace analysis {
namespace {

constexpr int kFailedFile = 1;

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

void WritePredictionFigures(std::ostream& out, const keys::KeyForest& keyboard,
                            const ScanCostOptions& options, const PredictionSource& source,
                            const std::vector<DecodedText>& texts, const CostSummary& without) {
    const keys::KeyForest shown = WithPredictionGroup(keyboard);
    const ScannedKeyboard scanned(shown, options.passTwice);
    const double before = without.ActionsPerCharacter();
    for (const bool learning : {false, true}) {
        predict::WordModel model = source.Model();
        WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), learning);
        const CostSummary with = scanned.Write(texts, &predictions);
        const double after = with.ActionsPerCharacter();
        out << std::fixed << std::setprecision(2) << "With word prediction"
            << (learning ? ", learning as it types: " : ": ") << after
            << " scan actions per character typed, against " << before << " without";
        if (before > 0) {
            out << " (" << std::setprecision(1) << 100 * (1 - after / before) << " % fewer)";
        }
        out << "; " << with.predictedWords << " words chosen from the predictions typed "
            << with.predictedCharacters << " characters\n";
    }
}

}  // namespace analysis
