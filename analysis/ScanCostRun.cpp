#include "analysis/ScanCostRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <vector>

#include "analysis/ArrangementBound.h"
#include "analysis/CostPicture.h"
#include "analysis/CostReport.h"
#include "analysis/KeyboardBuilder.h"
#include "analysis/KeyboardWriter.h"
#include "analysis/KnownWords.h"
#include "analysis/PredictionFigures.h"
#include "analysis/ScannedKeyboard.h"
#include "analysis/TextFile.h"
#include "keys/DefaultKeyboard.h"
#include "keys/KeyboardFile.h"
#include "keys/KeyboardFileTexts.h"
#include "platform/Cp1252.h"
#include "predict/Files.h"
#include "predict/PredictionLayout.h"

namespace analysis {
namespace {

constexpr int kFailed = 1;
constexpr int kTableColumn = 12;

// A keyboard as the program would show it, under the name the report gives it.
struct NamedKeyboard {
    std::string name;
    keys::KeyForest keys;
    predict::PredictionLayout layout;  // of the group of predictions, as the program shows it
    int fixedTopLevel = keys::kSpecialTopLevelNodes;  // the special keys the program adds
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
            std::move(keyboard),
            {}};
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
        return {
            shown + " (not loaded: the built-in keyboard instead)", keys::DefaultKeyboard(), {}};
    }
    const predict::PredictionLayout layout = predict::LayoutBeside(fileName);
    if (!options.specialKeys) {
        return {shown + ", without special keys", std::move(*keyboard), layout, 0};
    }
    keys::AfegirTeclesEspecials(*keyboard, options.language);
    return {shown + ", special keys added in " + LanguageName(options.language),
            std::move(*keyboard), layout};
}

void WriteFewestActions(std::ostream& out, const ScannedKeyboard& scanned,
                        const CostSummary& summary, int fixedTopLevel) {
    out << "No arrangement of the same keys" << (fixedTopLevel > 0 ? " below the special keys" : "")
        << " takes fewer than " << std::fixed << std::setprecision(2)
        << FewestActionsPerCharacter(scanned, summary, fixedTopLevel)
        << " scan actions per character on these texts\n";
}

std::optional<DecodedText> ReadText(const QString& name, std::ostream& errors, int& status) {
    TextFileRead read = ReadTextFile(name);
    if (!read.text) {
        errors << name.toStdString() << ": " << read.problem << ", left out\n";
        status = kFailed;
    }
    return std::move(read.text);
}

std::vector<DecodedText> ReadTexts(const QStringList& names, std::ostream& errors, int& status) {
    std::vector<DecodedText> texts;
    for (const QString& name : names) {
        if (std::optional<DecodedText> text = ReadText(name, errors, status)) {
            texts.push_back(std::move(*text));
        }
    }
    return texts;
}

// The texts by register, a register being the folder that holds a text, in the order the
// folders first come; a text that cannot be used is left out with a message.
std::vector<Register> ReadRegisters(const QStringList& names, std::ostream& errors, int& status) {
    std::vector<Register> registers;
    for (const QString& name : names) {
        std::optional<DecodedText> text = ReadText(name, errors, status);
        if (!text) continue;
        const std::string folder = QFileInfo(name).absoluteDir().dirName().toStdString();
        auto found = std::find_if(registers.begin(), registers.end(),
                                  [&](const Register& reg) { return reg.name == folder; });
        if (found == registers.end()) found = registers.insert(registers.end(), {folder, {}});
        found->texts.push_back(std::move(*text));
    }
    return registers;
}

// The language's words, or nothing with a message: then any word may become a key.
std::optional<KnownWords> OpenKnownWords(const ScanCostOptions& options, std::ostream& errors) {
    const std::filesystem::path dic =
        options.dictionary.isEmpty()
            ? KnownWords::Installed(options.language)
            : std::filesystem::path(QFile::encodeName(options.dictionary).toStdString());
    std::optional<KnownWords> known = KnownWords::Open(dic);
    if (!known) {
        errors << dic.string()
               << ": no Hunspell dictionary there (.dic and .aff); names and foreign words may "
                  "become keys\n";
    }
    return known;
}

void WriteComparison(std::ostream& out, const std::vector<NamedKeyboard>& keyboards,
                     const std::vector<CostSummary>& summaries) {
    out << "\nScan actions per character typed:\n";
    for (size_t i = 0; i < keyboards.size(); ++i) {
        out << "  " << std::fixed << std::setprecision(2) << summaries[i].ActionsPerCharacter()
            << "  " << keyboards[i].name << "\n";
    }
}

bool WriteKeyboard(const QString& name, const keys::KeyForest& keyboard) {
    const std::string content = KeyboardFileText(keyboard);
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content.data(), static_cast<qint64>(content.size())) ==
               static_cast<qint64>(content.size()) &&
           file.flush();
}

// Builds a keyboard from the texts and writes it to the file the options name, whether it
// reaches the figure aimed at or not.
int Build(const ScanCostOptions& options, const std::vector<Register>& registers, std::ostream& out,
          std::ostream& errors) {
    const std::optional<KnownWords> known = OpenKnownWords(options, errors);
    const BuiltKeyboard built = BuildKeyboard(registers, options.language, options.mostKeys,
                                              known ? &*known : nullptr, errors);
    if (!WriteKeyboard(options.build, built.keys)) {
        errors << options.build.toStdString() << ": cannot be written\n";
        return kFailed;
    }
    out << options.build.toStdString() << ": " << keys::CountKeys(built.keys) << " keys, "
        << std::fixed << std::setprecision(2) << built.sampleActions
        << " scan actions per character on the texts' sample\n";
    if (options.aim && built.sampleActions > *options.aim) {
        errors << options.build.toStdString() << ": aimed at " << *options.aim
               << " scan actions per character, measured " << built.sampleActions
               << "; the keyboard is written all the same\n";
    }
    return 0;
}

// For each register and for all of them together, a keyboard built from the training text,
// measured on every register's held-out text.
int RegisterTable(const ScanCostOptions& options, std::ostream& out, std::ostream& errors) {
    int status = 0;
    std::vector<Register> train;
    std::vector<Register> heldout;
    for (const QString& folder : options.texts) {
        const std::string name = QDir(folder).dirName().toStdString();
        train.push_back({name, ReadTexts({QDir(folder).filePath("train.txt")}, errors, status)});
        heldout.push_back(
            {name, ReadTexts({QDir(folder).filePath("heldout.txt")}, errors, status)});
    }
    const std::optional<KnownWords> known = OpenKnownWords(options, errors);
    std::vector<std::pair<std::string, std::vector<Register>>> builds;
    for (const Register& reg : train) builds.push_back({reg.name, {reg}});
    if (train.size() > 1) builds.push_back({"all", train});
    out << "Scan actions per character: keyboards built from the training text of each row,\n"
           "measured on the held-out text of each column\n"
        << std::setw(kTableColumn) << "built from";
    for (const Register& reg : heldout) out << std::setw(kTableColumn) << reg.name;
    out << "\n";
    for (const auto& [name, from] : builds) {
        keys::KeyForest keyboard = BuildKeyboard(from, options.language, options.mostKeys,
                                                 known ? &*known : nullptr, errors)
                                       .keys;
        keys::AfegirTeclesEspecials(keyboard, options.language);
        const ScannedKeyboard scanned(keyboard, options.passTwice);
        out << std::setw(kTableColumn) << name;
        for (const Register& reg : heldout) {
            out << std::setw(kTableColumn) << std::fixed << std::setprecision(2)
                << scanned.Write(reg.texts).ActionsPerCharacter();
        }
        out << "\n";
    }
    return status;
}

// Chooses the layout of the group of predictions for the keyboard on the texts, and writes it
// beside the keyboard file for the measures that follow and for the program.
int PlacePredictions(const ScanCostOptions& options, NamedKeyboard& keyboard,
                     const PredictionSource& source, const std::vector<DecodedText>& texts,
                     std::ostream& out, std::ostream& errors) {
    out << "Choosing the group of predictions:\n";
    keyboard.layout = BestLayout(keyboard.keys, source, texts, options.passTwice, out);
    const std::filesystem::path file = predict::LayoutFileFor(options.keyboards.front());
    if (!predict::ReplaceFile(file, predict::FormatLayout(keyboard.layout))) {
        errors << file.string() << ": cannot be written\n";
        return kFailed;
    }
    out << file.string() << ": " << predict::FormatLayout(keyboard.layout) << "\n";
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
    if (options.registerTable) return RegisterTable(options, out, errors);
    int status = 0;
    if (!options.build.isEmpty()) {
        const std::vector<Register> registers = ReadRegisters(options.texts, errors, status);
        return std::max(status, Build(options, registers, out, errors));
    }
    const std::vector<DecodedText> texts = ReadTexts(options.texts, errors, status);
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
    if (options.placePredictions && predictions) {
        status = std::max(
            status, PlacePredictions(options, keyboards.front(), *predictions, texts, out, errors));
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
        WriteFewestActions(out, scanned, summaries.back(), keyboard.fixedTopLevel);
        if (predictions) {
            WritePredictionFigures(out, keyboard.keys, keyboard.layout, options, *predictions,
                                   texts, summaries.back());
        }
    }
    if (keyboards.size() > 1) WriteComparison(out, keyboards, summaries);
    return status;
}

}  // namespace analysis
