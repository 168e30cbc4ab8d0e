#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TempFolder.h"
#include "predict/PredictionLayout.h"

// The file beside a keyboard file that says how many next keys and words its group of
// predictions holds and where the group stands.
namespace {

using predict::PredictionLayout;

TEST(PredictionLayout, ALineAsWrittenIsReadAndAnythingElseIsNot) {
    struct Row {
        const char* rule;
        std::string text;
        std::optional<PredictionLayout> layout;
    };
    const Row rows[] = {
        {"the line", "orvalet-predictions 1 keys 4 words 2 place 0\n", PredictionLayout{4, 2, 0}},
        {"without its line ending", "orvalet-predictions 1 keys 3 words 0 place 5",
         PredictionLayout{3, 0, 5}},
        {"a Windows line ending", "orvalet-predictions 1 keys 1 words 6 place 4\r\n",
         PredictionLayout{1, 6, 4}},
        {"tabs and runs of blanks", "orvalet-predictions\t1  keys 2\twords 2 place 1\n",
         PredictionLayout{2, 2, 1}},
        {"at the limit of predictions", "orvalet-predictions 1 keys 12 words 8 place 0\n",
         PredictionLayout{12, 8, 0}},
        {"beyond the limit", "orvalet-predictions 1 keys 12 words 9 place 0\n", std::nullopt},
        {"another version", "orvalet-predictions 2 keys 4 words 2 place 0\n", std::nullopt},
        {"another header", "orvalet-words 1 keys 4 words 2 place 0\n", std::nullopt},
        {"a field missing", "orvalet-predictions 1 keys 4 words 2\n", std::nullopt},
        {"fields in another order", "orvalet-predictions 1 words 2 keys 4 place 0\n", std::nullopt},
        {"a negative number", "orvalet-predictions 1 keys -1 words 2 place 0\n", std::nullopt},
        {"a number with letters", "orvalet-predictions 1 keys 4x words 2 place 0\n", std::nullopt},
        {"a second line", "orvalet-predictions 1 keys 4 words 2 place 0\nmore\n", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(predict::ParseLayout(row.text), row.layout) << row.rule;
}

TEST(PredictionLayout, AWrittenLayoutReadsBack) {
    for (const PredictionLayout layout : {PredictionLayout{}, PredictionLayout{7, 1, 4}}) {
        EXPECT_EQ(predict::ParseLayout(predict::FormatLayout(layout)), layout);
    }
}

TEST(PredictionLayout, TheFileBesideAKeyboardGivesItsLayoutOrElseTheDefault) {
    TempFolder folder;
    const PredictionLayout byDefault{0, predict::kPredictions, 0};
    EXPECT_EQ(predict::LayoutBeside(folder / "none.QuarnelTeclat"), byDefault);
    folder.Write("mine.QuarnelTeclat.prediccions",
                 "orvalet-predictions 1 keys 5 words 1 place 4\n");
    EXPECT_EQ(predict::LayoutBeside(folder / "mine.QuarnelTeclat"), (PredictionLayout{5, 1, 4}));
    folder.Write("bad.QuarnelTeclat.prediccions", "keys 5\n");
    EXPECT_EQ(predict::LayoutBeside(folder / "bad.QuarnelTeclat"), byDefault);
}

}  // namespace
