#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <variant>

#include "analysis/CostReport.h"
#include "analysis/KeyboardWriter.h"
#include "analysis/ScanCostOptions.h"
#include "analysis/ScanCostRun.h"
#include "analysis/TextFile.h"
#include "keys/DefaultKeyboard.h"
#include "keys/KeyboardFile.h"

namespace {

using analysis::DecodedText;

TEST(ScanCostFiles, TextsAreReadAsUtf8OrElseAsWindows1252) {
    struct Row {
        const char* rule;
        QByteArray bytes;
        std::string cp1252;
        std::vector<std::pair<size_t, std::string>> foreign;
    };
    const Row rows[] = {
        {"UTF-8 accents", "pa\xC3\xA7 i \xC3\xA0", "pa\xE7 i \xE0", {}},
        {"a byte-order mark is dropped",
         "\xEF\xBB\xBF"
         "a",
         "a",
         {}},
        {"not UTF-8: Windows-1252", "pa\xE7 \x80", "pa\xE7 \x80", {}},
        {"UTF-8 euro and quotes map into the code page",
         "\xE2\x82\xAC\xE2\x80\x9C",
         "\x80\x93",
         {}},
        {"CR LF, CR and LF all end a line", "a\r\nb\rc\nd", "a\nb\nc\nd", {}},
        {"characters outside the code page stand apart",
         "a\xE2\x86\x92"
         "b\xF0\x9F\x98\x80",
         "ab",
         {{1, "\xE2\x86\x92"}, {2, "\xF0\x9F\x98\x80"}}},
        {"a question mark is an ordinary character", "?\xE2\x86\x92?", "??", {{1, "\xE2\x86\x92"}}},
        {"an empty file", "", "", {}},
    };
    for (const Row& row : rows) {
        const DecodedText text = analysis::DecodeText(row.bytes);
        EXPECT_EQ(text.cp1252, row.cp1252) << row.rule;
        std::vector<std::pair<size_t, std::string>> foreign;
        for (const auto& character : text.foreign)
            foreign.emplace_back(character.at, character.character);
        EXPECT_EQ(foreign, row.foreign) << row.rule;
    }
}

TEST(ScanCostFiles, AFileThatCannotBeReadGivesNothing) {
    QTemporaryDir folder;
    EXPECT_FALSE(analysis::ReadTextFile(folder.filePath("missing.txt")).text.has_value());
    EXPECT_FALSE(analysis::ReadTextFile(folder.path()).text.has_value()) << "a folder";
}

TEST(ScanCostFiles, AWrittenKeyboardReadsBackAsTheSameKeys) {
    const keys::KeyForest keyboard = {
        {"PARAULES",
         {{"DE ", {}},
          {"GR\xC0"
           "CIES ",
           {}}}},
        {"Y", {}},
        {"G", {{"H", {{"X", {}}}}, {"J", {}}}},
    };
    const std::string text = analysis::KeyboardFileText(keyboard);
    EXPECT_EQ(text,
              "PARAULES\n\tDE \n\tGR\xC0"
              "CIES \nY\nG\n\tH\n\t\tX\n\tJ\n");
    const std::optional<keys::KeyForest> read = keys::ParseKeyboard(text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(analysis::KeyboardFileText(*read), text);
    const keys::KeyForest builtIn = keys::DefaultKeyboard();
    EXPECT_EQ(keys::CountKeys(*keys::ParseKeyboard(analysis::KeyboardFileText(builtIn))), 287u);
}

TEST(ScanCostFiles, AnEmptyTextReportsZeroCharacters) {
    const keys::KeyForest keyboard = keys::DefaultKeyboard();
    const analysis::ScannedKeyboard scanned(keyboard, false);
    std::ostringstream out;
    analysis::WriteReport(out, "built-in", scanned, scanned.Write({DecodedText{}}), 12);
    EXPECT_NE(out.str().find("Characters: 0, 0 typed"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("per character typed: 0.00"), std::string::npos) << out.str();
}

TEST(ScanCostFiles, TheReportGivesTheFiguresTheUntypeableAndTheCostliestKeys) {
    const keys::KeyForest keyboard = {{"ESPAI", {}}, {"B", {{"BA", {}}}}, {"A", {}}};
    const analysis::ScannedKeyboard scanned(keyboard, false);
    // ba: 2 steps and 2 presses; the blank: 1 press; a: 2 steps and 1 press. The arrow and the
    // middle dot fail, each at the cost of the dearest key, BA.
    const analysis::CostSummary summary =
        scanned.Write({analysis::DecodeText("ba a \xE2\x86\x92 ba\xC2\xB7")});
    std::ostringstream out;
    analysis::WriteReport(out, "small", scanned, summary, 20);
    const std::string report = out.str();
    for (const char* line : {
             "Characters: 10, 8 typed by the keys, 2 that no key types (failures, each counted "
             "as 4 actions: the dearest key's)",
             "Scan actions per character typed: 2.20 (0.60 steps, 0.80 presses and 0.80 for "
             "failures)",
             "At 2.0 s per step: 4.4 s per character",
             "  \"\xE2\x86\x92\" U+2192  1",
             "  \"\xC2\xB7\" U+00B7  1",
             "   1. \"B\" > \"BA\"  4 x 2 = 8 (57.1 %)",
             "   2. \"ESPAI\"  1 x 3 = 3 (21.4 %)",
             "   3. \"A\"  3 x 1 = 3 (21.4 %)",
         }) {
        EXPECT_NE(report.find(line), std::string::npos) << line << "\n" << report;
    }
}

TEST(ScanCostFiles, BadOptionsGetAMessage) {
    struct Row {
        const char* rule;
        QStringList arguments;
        const char* says;
    };
    const Row rows[] = {
        {"no text", {"orvalet-scancost"}, "No text given"},
        {"a step time out of the toolbar's range",
         {"orvalet-scancost", "--step-time", "65", "t"},
         "65 is not a step time"},
        {"a step time that is no number",
         {"orvalet-scancost", "--step-time", "fast", "t"},
         "fast is not a step time"},
        {"a language without special keys",
         {"orvalet-scancost", "--language", "eu", "t"},
         "--language takes ca or es, not eu"},
        {"no keys",
         {"orvalet-scancost", "--build", "k", "--most-keys", "0", "t"},
         "0 is not a number of keys"},
        {"an unknown option", {"orvalet-scancost", "--fast", "t"}, "fast"},
    };
    for (const Row& row : rows) {
        const auto parsed = analysis::ParseScanCostOptions(row.arguments);
        const auto* message = std::get_if<analysis::UsageMessage>(&parsed);
        ASSERT_NE(message, nullptr) << row.rule;
        EXPECT_TRUE(message->error) << row.rule;
        EXPECT_NE(message->text.find(row.says), std::string::npos)
            << row.rule << ": " << message->text;
    }
}

TEST(ScanCostFiles, AKeyboardThatDoesNotLoadGetsTheProgramsMessageAndTheBuiltInKeyboard) {
    QTemporaryDir folder;
    QFile text(folder.filePath("text.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("ba");
    text.close();
    const auto parsed = analysis::ParseScanCostOptions(
        {"orvalet-scancost", "-k", folder.filePath("missing.QuarnelTeclat"), text.fileName(),
         folder.filePath("missing.txt")});
    const auto* options = std::get_if<analysis::ScanCostOptions>(&parsed);
    ASSERT_NE(options, nullptr);
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(analysis::RunScanCost(*options, out, errors), 1);
    EXPECT_NE(errors.str().find("missing.QuarnelTeclat: No trobo el fitxer que m'heu indicat. "
                                "Hi haur\xC3\xA0 el teclat per defecte."),
              std::string::npos)
        << errors.str();
    EXPECT_NE(errors.str().find("missing.txt: cannot be read"), std::string::npos) << errors.str();
    // B at the eleventh row, BA the second key in it: 12 steps and 2 presses for 2 characters.
    EXPECT_NE(out.str().find("Scan actions per character typed: 7.00"), std::string::npos)
        << out.str();
}

}  // namespace
