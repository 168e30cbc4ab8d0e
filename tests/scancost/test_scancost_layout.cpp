#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/PredictionFigures.h"
#include "analysis/ScanCostOptions.h"
#include "analysis/ScanCostRun.h"
#include "keys/KeyNode.h"
#include "predict/Files.h"
#include "predict/PredictionLayout.h"

// Choosing how many next keys and words the group of predictions holds, and where it stands.
namespace {

keys::KeyNode Key(const char* text) { return {text, {}}; }

// A small keyboard: the letters of the lexicon's words in a group, a blank and a comma.
keys::KeyForest Letters() {
    keys::KeyNode letters{"LLETRES", {Key("A"), Key("C"), Key("L"), Key("O"), Key("S")}};
    return {letters, Key("ESPAI"), Key(",")};
}

TEST(ScanCostLayout, TheChosenLayoutCostsNoMoreThanAnyOther) {
    const std::filesystem::path lexicon =
        std::filesystem::path(::testing::TempDir()) / "scancost-layout-lexicon.txt";
    std::ofstream(lexicon) << "orvalet-words 1\ncasa 100\ncasal 50\nsol 10\n";
    const analysis::PredictionSource source{lexicon, {}};
    const std::vector<analysis::DecodedText> texts{{"casa casal sol casa, sol casa ", {}}};
    std::ostringstream progress;
    const predict::PredictionLayout chosen =
        analysis::BestLayout(Letters(), source, texts, false, progress);
    auto figure = [&](const predict::PredictionLayout& layout) {
        return analysis::WriteWithPredictions(Letters(), layout, source, texts, false, false)
            .ActionsPerCharacter();
    };
    const predict::PredictionLayout others[] = {
        {0, 6, 0},
        {4, 2, 0},
        {chosen.keys + 1, chosen.words, chosen.place},
        {chosen.keys, chosen.words + 1, chosen.place},
        {chosen.keys, chosen.words, chosen.place + 1},
    };
    for (const predict::PredictionLayout& other : others) {
        EXPECT_LE(figure(chosen), figure(other))
            << other.keys << " keys, " << other.words << " words, place " << other.place;
    }
    EXPECT_NE(progress.str().find(" keys, "), std::string::npos);
}

TEST(ScanCostLayout, PlacingPredictionsWritesTheLayoutBesideTheKeyboardAndMeasuresWithIt) {
    QTemporaryDir folder;
    auto write = [&](const char* name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return folder.filePath(name);
    };
    const QString keyboard = write("mine.QuarnelTeclat", "LLETRES\n\tA\n\tC\n\tL\n\tO\n\tS\n");
    const QString lexicon = write("lexicon.txt", "orvalet-words 1\ncasa 100\ncasal 50\nsol 10\n");
    const QString text = write("text.txt", "casa casal sol casa sol casa\n");
    auto run = [&](QStringList arguments, std::string& out) {
        arguments.prepend("orvalet-scancost");
        const auto parsed = analysis::ParseScanCostOptions(arguments);
        const auto* options = std::get_if<analysis::ScanCostOptions>(&parsed);
        EXPECT_NE(options, nullptr);
        std::ostringstream output;
        std::ostringstream errors;
        const int status = options ? analysis::RunScanCost(*options, output, errors) : -1;
        EXPECT_EQ(errors.str(), "");
        out = output.str();
        return status;
    };
    std::string placed;
    ASSERT_EQ(run({"-k", keyboard, "--place-predictions", "--lexicon", lexicon, text}, placed), 0);
    const predict::FileContent written = predict::ReadWholeFile(
        QFile::encodeName(keyboard + QString::fromUtf8(predict::kLayoutSuffix.data()))
            .toStdString());
    ASSERT_EQ(written.result, predict::FileRead::Read);
    const std::optional<predict::PredictionLayout> layout = predict::ParseLayout(written.bytes);
    ASSERT_TRUE(layout.has_value()) << written.bytes;
    std::string measured;
    ASSERT_EQ(run({"-k", keyboard, "--lexicon", lexicon, text}, measured), 0);
    const std::string said = "The group of predictions: " + std::to_string(layout->keys) +
                             " next keys and " + std::to_string(layout->words) +
                             " words, at place " + std::to_string(layout->place) +
                             " of the top level";
    EXPECT_NE(measured.find(said), std::string::npos) << measured;
}

TEST(ScanCostLayout, PlacingPredictionsNeedsAKeyboardFile) {
    const auto parsed =
        analysis::ParseScanCostOptions({"orvalet-scancost", "--place-predictions", "text.txt"});
    const auto* message = std::get_if<analysis::UsageMessage>(&parsed);
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->error);
}

}  // namespace
