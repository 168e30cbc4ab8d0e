#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "keys/SpecialKeys.h"

namespace analysis {

// What orvalet-scancost was asked to do.
struct ScanCostOptions {
    std::vector<std::string> keyboards;  // keyboard files, 8-bit names as the program takes them
    bool builtIn = false;                // the built-in keyboard too, or alone without files
    bool passTwice = false;
    bool specialKeys = true;  // as the program adds them to a keyboard it loads
    keys::KeyLanguage language = keys::KeyLanguage::Catalan;
    int stepTenths = 12;
    QStringList texts;
    QString build;               // a keyboard file to build from the texts, or empty
    size_t mostKeys;             // the most keys a built keyboard chooses
    std::optional<double> aim;   // the figure a build aims at on its sample
    QString dictionary;          // the Hunspell words of the language; empty: the installed ones
    bool registerTable = false;  // the texts are register folders to build from and measure on
    QString picture;             // a PNG of the first keyboard to draw, or empty
    bool predict = false;        // measure each keyboard with word prediction on too
    QString lexicon;             // the words file predictions come from; empty: the installed one
    QStringList learnFrom;       // texts the predictions learn from before measuring
    // Choose the group of predictions for the first keyboard on the texts, and write its
    // layout beside the keyboard file.
    bool placePredictions = false;
};

// The options of the command line (the program's name first), or the message that says what
// is wrong with them; the help and version texts come as messages too, with no error.
struct UsageMessage {
    std::string text;
    bool error;
};
std::variant<ScanCostOptions, UsageMessage> ParseScanCostOptions(const QStringList& arguments);

}  // namespace analysis
