#include "analysis/ScanCostRun.h"

#include <QFile>
#include <algorithm>
#include <iomanip>
#include <vector>

#include "analysis/CostPicture.h"
#include "analysis/CostReport.h"
#include "analysis/KeyboardBuilder.h"
#include "analysis/KeyboardWriter.h"
#include "analysis/PredictionFigures.h"
#include "analysis/ScannedKeyboard.h"
#include "analysis/TextFile.h"
#include "keys/DefaultKeyboard.h"
#include "keys/KeyboardFile.h"
#include "keys/KeyboardFileTexts.h"
#include "platform/Cp1252.h"

namespace analysis {
namespace {

constexpr int kFailed = 1;

// A keyboard as the program would show it, under the name the report gives it.
struct NamedKeyboard {
    std::string name;
    keys::KeyForest keys;
};

const char* LanguageName(keys::KeyLanguage language) {
    return language == keys::KeyLanguage::Catalan ? "Catalan" : "Castilian";
}

// The built-in keyboard as start-up adjusts it to the interface language.
NamedKeyboard BuiltIn(keys::KeyLanguage language) {
    keys::KeyForest keyboard = keys::DefaultKeyboard();
    if (language == keys::KeyLanguage::Castilian) {
        keyboard.erase(keyboard.begin(), keyboard.begin() + keys::kSpecialTopLevelNodes);
        keys::AfegirTeclesEspecials(keyboard, language);
    }
    return {std::string("the built-in keyboard, special keys in ") + LanguageName(language),
            std::move(keyboard)};
}

// A keyboard file loaded as from the command line: what fails to load gives the program's
// message and, as there, the built-in keyboard in its place.
NamedKeyboard Loaded(const std::string& fileName, const ScanCostOptions& options,
                     std::ostream& errors, int& status) {
    const std::string shown = QFile::decodeName(fileName.c_str()).toStdString();
    std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(fileName);
    if (!keyboard) {
        errors << shown << ": " << platform::ToQString(design::kTeclatPerDefecte).toStdString()
               << "\n";
        status = kFailed;
        return {shown + " (not loaded: the built-in keyboard instead)", keys::DefaultKeyboard()};
    }
    if (!options.specialKeys) return {shown + ", without special keys", std::move(*keyboard)};
    keys::AfegirTeclesEspecials(*keyboard, options.language);
    return {shown + ", special keys added in " + LanguageName(options.language),
            std::move(*keyboard)};
}

std::vector<DecodedText> ReadTexts(const QStringList& names, std::ostream& errors, int& status) {
    std::vector<DecodedText> texts;
    for (const QString& name : names) {
        if (std::optional<DecodedText> text = ReadTextFile(name)) {
            texts.push_back(std::move(*text));
        } else {
            errors << name.toStdString() << ": cannot be read, left out\n";
            status = kFailed;
        }
    }
    return texts;
}

void WriteComparison(std::ostream& out, const std::vector<NamedKeyboard>& keyboards,
                     const std::vector<CostSummary>& summaries) {
    out << "\nScan actions per character typed:\n";
    for (size_t i = 0; i < keyboards.size(); ++i) {
        out << "  " << std::fixed << std::setprecision(2) << summaries[i].ActionsPerCharacter()
            << "  " << keyboards[i].name << "\n";
    }
}

// Builds a keyboard from the texts and writes it to the file the options name.
int Build(const ScanCostOptions& options, const std::vector<DecodedText>& texts, std::ostream& out,
          std::ostream& errors) {
    const BuiltKeyboard built = BuildKeyboard(texts, options.language, options.mostKeys, errors);
    const std::string content = KeyboardFileText(built.keys);
    QFile file(options.build);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content.data(), static_cast<qint64>(content.size())) !=
            static_cast<qint64>(content.size()) ||
        !file.flush()) {
        errors << options.build.toStdString() << ": cannot be written\n";
        return kFailed;
    }
    out << options.build.toStdString() << ": " << keys::CountKeys(built.keys) << " keys, "
        << std::fixed << std::setprecision(2) << built.sampleActions
        << " scan actions per character on the texts' sample\n";
    return 0;
}

// Draws the keyboard with what each key costs, and the figure on the texts when there are some.
int Picture(const ScanCostOptions& options, const NamedKeyboard& keyboard,
            const ScannedKeyboard& scanned, const CostSummary& summary, std::ostream& errors) {
    QString title = QString::fromStdString(keyboard.name);
    if (summary.typed > 0) {
        title += QString(": %1 scan actions per character")
                     .arg(summary.ActionsPerCharacter(), 0, 'f', 2);
    }
    if (DrawCostPicture(options.picture, title, scanned)) return 0;
    errors << options.picture.toStdString() << ": cannot be written\n";
    return kFailed;
}

}  // namespace

int RunScanCost(const ScanCostOptions& options, std::ostream& out, std::ostream& errors) {
    int status = 0;
    const std::vector<DecodedText> texts = ReadTexts(options.texts, errors, status);
    if (!options.build.isEmpty()) return std::max(status, Build(options, texts, out, errors));
    std::vector<NamedKeyboard> keyboards;
    for (const std::string& file : options.keyboards) {
        keyboards.push_back(Loaded(file, options, errors, status));
    }
    if (options.builtIn) keyboards.push_back(BuiltIn(options.language));
    std::optional<PredictionSource> predictions;
    if (options.predict && !options.texts.isEmpty()) {
        predictions = FindPredictionSource(options, ReadTexts(options.learnFrom, errors, status),
                                           out, errors, status);
    }
    std::vector<CostSummary> summaries;
    for (const NamedKeyboard& keyboard : keyboards) {
        const ScannedKeyboard scanned(keyboard.keys, options.passTwice);
        summaries.push_back(scanned.Write(texts));
        if (!options.picture.isEmpty() && summaries.size() == 1) {
            status =
                std::max(status, Picture(options, keyboard, scanned, summaries.back(), errors));
        }
        if (options.texts.isEmpty()) continue;
        if (summaries.size() > 1) out << "\n";
        WriteReport(out, keyboard.name, scanned, summaries.back(), options.stepTenths);
        if (predictions) {
            WritePredictionFigures(out, keyboard.keys, options, *predictions, texts,
                                   summaries.back());
        }
    }
    if (keyboards.size() > 1) WriteComparison(out, keyboards, summaries);
    return status;
}

}  // namespace analysis
