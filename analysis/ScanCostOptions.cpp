#include "analysis/ScanCostOptions.h"

#include <QCommandLineParser>
#include <QFile>

#include "scan/ScanDesign.h"

namespace analysis {
namespace {

const char* const kDescription =
    "Counts the scan steps and switch presses that writing the texts takes with a keyboard,\n"
    "as Orvalet's automatic scanning runs it, or builds a keyboard for scanning from texts.\n"
    "Texts are UTF-8 or Windows-1252; keyboard files are read as Orvalet reads them.\n"
    "Texts in different folders are different registers (manuals, everyday writing...): a\n"
    "built keyboard weighs them alike, and a key must save actions in two of them.";

// Enough for the words of everyday writing; a keyboard the size of a dictionary saves a
// little more but cannot be learnt.
constexpr int kDefaultMostKeys = 1500;

}  // namespace

std::variant<ScanCostOptions, UsageMessage> ParseScanCostOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption keyboard(
        {"k", "keyboard"}, "A keyboard file to measure; give it several times to compare.", "file");
    const QCommandLineOption builtIn(
        "built-in", "Measure the built-in keyboard too (alone when no file is given).");
    const QCommandLineOption passTwice("pass-twice",
                                       "Scan with the option \"Passar dues vegades\".");
    const QCommandLineOption noSpecial(
        "no-special-keys", "Measure keyboard files without the special keys Orvalet adds on top.");
    const QCommandLineOption language(
        "language", "The language of the special keys: ca (Catalan) or es (Castilian).", "ca|es",
        "ca");
    const QCommandLineOption step(
        "step-time",
        QString("The scan's step time in tenths of a second, as on the toolbar (%1 to %2).")
            .arg(scan::kScanStepMin)
            .arg(scan::kScanStepMax),
        "tenths", QString::number(scan::kScanStepDefault));
    const QCommandLineOption build("build", "Build a keyboard for scanning from the texts.",
                                   "file");
    const QCommandLineOption mostKeys(
        "most-keys",
        "The most keys a built keyboard chooses, besides every letter and the digits and signs.",
        "number", QString::number(kDefaultMostKeys));
    const QCommandLineOption aim(
        "aim",
        "The scan actions per character a build aims at on its sample; it says when it misses.",
        "figure");
    const QCommandLineOption dictionary(
        "dictionary",
        "The Hunspell dictionary (.dic, with its .aff beside it) whose words alone give a built "
        "keyboard's keys (default: the installed one of the language).",
        "file");
    const QCommandLineOption registerTable(
        "register-table",
        "The texts are register folders, each with train.txt and heldout.txt: build from each "
        "one's and from all, and measure on each one's held-out text.");
    const QCommandLineOption picture(
        "picture", "Draw the first keyboard's keys, coloured by what they cost, as a PNG.", "file");
    const QCommandLineOption predict(
        "predict", "Measure each keyboard with word prediction on too, and say what it saves.");
    const QCommandLineOption lexicon(
        "lexicon", "The words file of the predictions (default: Orvalet's, for the language).",
        "file");
    const QCommandLineOption learnFrom(
        "learn-from",
        "A text the predictions learn from before measuring, as from what the user wrote.", "text");
    const QCommandLineOption placePredictions(
        "place-predictions",
        "Choose how many next keys and words the group of predictions holds, and where it "
        "stands, for the least cost on the texts with the first keyboard, and write that beside "
        "the keyboard file (as file.prediccions, which Orvalet and --predict follow).");
    parser.addOptions({keyboard, builtIn, passTwice, noSpecial, language, step, build, mostKeys,
                       aim, dictionary, registerTable, picture, predict, lexicon, learnFrom,
                       placePredictions});
    parser.addPositionalArgument("texts", "The texts to write, or to build from.", "text...");

    if (!parser.parse(arguments)) return UsageMessage{parser.errorText().toStdString(), true};
    if (parser.isSet(help)) return UsageMessage{parser.helpText().toStdString(), false};
    ScanCostOptions options;
    for (const QString& file : parser.values(keyboard)) {
        options.keyboards.push_back(QFile::encodeName(file).toStdString());
    }
    options.builtIn = parser.isSet(builtIn) || options.keyboards.empty();
    options.passTwice = parser.isSet(passTwice);
    options.specialKeys = !parser.isSet(noSpecial);
    const QString languageName = parser.value(language);
    if (languageName != "ca" && languageName != "es") {
        return UsageMessage{"--language takes ca or es, not " + languageName.toStdString(), true};
    }
    options.language =
        languageName == "ca" ? keys::KeyLanguage::Catalan : keys::KeyLanguage::Castilian;
    bool number = false;
    options.stepTenths = parser.value(step).toInt(&number);
    if (!number || options.stepTenths < scan::kScanStepMin ||
        options.stepTenths > scan::kScanStepMax) {
        return UsageMessage{parser.value(step).toStdString() +
                                " is not a step time: " + step.description().toStdString(),
                            true};
    }
    options.texts = parser.positionalArguments();
    options.build = parser.value(build);
    const qulonglong most = parser.value(mostKeys).toULongLong(&number);
    if (!number || most == 0) {
        return UsageMessage{parser.value(mostKeys).toStdString() + " is not a number of keys",
                            true};
    }
    options.mostKeys = static_cast<size_t>(most);
    if (parser.isSet(aim)) {
        options.aim = parser.value(aim).toDouble(&number);
        if (!number || *options.aim <= 0) {
            return UsageMessage{parser.value(aim).toStdString() + " is not a figure to aim at",
                                true};
        }
    }
    options.dictionary = parser.value(dictionary);
    options.registerTable = parser.isSet(registerTable);
    options.picture = parser.value(picture);
    options.lexicon = parser.value(lexicon);
    options.learnFrom = parser.values(learnFrom);
    options.placePredictions = parser.isSet(placePredictions);
    if (options.placePredictions && options.keyboards.empty()) {
        return UsageMessage{"--place-predictions needs a keyboard file (-k)", true};
    }
    options.predict = parser.isSet(predict) || !options.lexicon.isEmpty() ||
                      !options.learnFrom.isEmpty() || options.placePredictions;
    // A picture alone shows what each key costs; a figure or a build needs texts.
    if (options.texts.isEmpty() && (options.picture.isEmpty() || !options.build.isEmpty())) {
        return UsageMessage{"No text given.\n\n" + parser.helpText().toStdString(), true};
    }
    return options;
}

}  // namespace analysis
