#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "predict/WordModel.h"

namespace {

namespace fs = std::filesystem;
using predict::LoadOutcome;
using predict::WordModel;
using Words = std::vector<std::string>;

// "de" stands for the bulk of a corpus, so that single words have a corpus's
// small likelihoods.
constexpr const char* kLexicon = "orvalet-words 1\nde 100000\ncasa 50\ncastell 30\n";
constexpr const char* kDamaged = ".damaged";

// Sets or clears the immutable attribute, which binds the superuser too,
// unlike permissions; false where the file system has no such attribute.
bool SetImmutable(const fs::path& folder, bool on) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

class LearnedStore : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(model_.LoadLexicon(folder_.Write("ca.txt", kLexicon)).outcome,
                  LoadOutcome::Loaded);
    }

    void Type(WordModel& model, const std::string& previous, const std::string& word) {
        model.Learn({word, previous, 1});
    }

    TempFolder folder_;
    WordModel model_;
    fs::path store_ = folder_ / "data" / "orvalet" / "words.ca.txt";
};

TEST_F(LearnedStore, KeepsWordsAndPairsFromOneSessionToTheNext) {
    EXPECT_EQ(model_.LoadLearned(store_).outcome, LoadOutcome::Loaded);
    Type(model_, "", "l'");
    Type(model_, "l'", "\xE0nima");
    Type(model_, "", "col\xB7legi");
    Type(model_, "col\xB7legi", "casalot");
    ASSERT_TRUE(model_.SaveLearned());

    WordModel next;
    next.LoadLexicon(folder_ / "ca.txt");
    EXPECT_EQ(next.LoadLearned(store_).outcome, LoadOutcome::Loaded);
    Words afterElision = next.Predict("l'", "");
    EXPECT_LT(std::ranges::find(afterElision, "\xE0nima"),
              std::ranges::find(afterElision, "casalot"))
        << "a word written after l' ranks above one written as often elsewhere";
    EXPECT_EQ(next.Predict("", "col"), Words{"col\xB7legi"});
    EXPECT_EQ(next.Predict("col\xB7legi", "cas").front(), "casalot");
    EXPECT_EQ(next.LearnedWords(), 4u);
    EXPECT_EQ(next.LearnedPairs(), 2u);
    EXPECT_NE(ReadBytes(store_).find("l' 1 \xC3\xA0nima 1\n"), std::string::npos)
        << "UTF-8, each word with its count and the words after it";
}

TEST_F(LearnedStore, ADamagedStoreLeavesTheLexiconAndIsKeptAside) {
    struct Case {
        const char* name;
        std::string content;
        LoadOutcome outcome;
        std::size_t firstBadLine;
        Words learned;  // what is offered for "ca" after loading
    };
    const std::string header = "orvalet-words 1\n";
    const Case cases[] = {
        {"garbage bytes",
         std::string("\x00\xFF\x13\x88garbage\n", 12),
         LoadOutcome::NotWordsFile,
         0,
         {"casa", "castell"}},
        {"another program's file",
         "[Opcions]\nLlengua=ca\n",
         LoadOutcome::NotWordsFile,
         0,
         {"casa", "castell"}},
        {"cut in the middle of a pair",
         header + "casalot 9 gran 2\ncasona 8 gr",
         LoadOutcome::DamagedLines,
         3,
         {"casalot", "casa", "castell"}},
        {"Latin-1 instead of UTF-8",
         header + "casalot 9\n\xE0nima 4\n",
         LoadOutcome::DamagedLines,
         3,
         {"casalot", "casa", "castell"}},
        {"a count that is no number",
         header + "casona dotze\ncasalot 9\n",
         LoadOutcome::DamagedLines,
         2,
         {"casalot", "casa", "castell"}},
        {"a count beyond any count",
         header + "casona 99999999999\ncasalot 9\n",
         LoadOutcome::DamagedLines,
         2,
         {"casalot", "casa", "castell"}},
        {"a capital, which no word has",
         header + "Casona 3\ncasalot 9\n",
         LoadOutcome::DamagedLines,
         2,
         {"casalot", "casa", "castell"}},
    };
    for (const Case& c : cases) {
        fs::path file = folder_.Write("words.txt", c.content);
        WordModel model;
        model.LoadLexicon(folder_ / "ca.txt");
        predict::LoadStatus status = model.LoadLearned(file);
        EXPECT_EQ(status.outcome, c.outcome) << c.name;
        EXPECT_EQ(status.firstBadLine, c.firstBadLine) << c.name;
        EXPECT_EQ(model.Predict("", "ca"), c.learned) << c.name;
        EXPECT_EQ(status.keptAs, fs::path(file.string() + kDamaged)) << c.name;
        EXPECT_EQ(ReadBytes(status.keptAs), c.content) << c.name << ": kept as it was";

        model.Learn({"casot", "", 1});
        EXPECT_TRUE(model.SaveLearned()) << c.name;
        WordModel next;
        EXPECT_EQ(next.LoadLearned(file).outcome, LoadOutcome::Loaded) << c.name;
        EXPECT_EQ(next.LearnedWords(), c.learned.size() - 2 + 1) << c.name << ": good lines saved";
    }
}

TEST_F(LearnedStore, AnEmptyFileHoldsNothingLearned) {
    fs::path file = folder_.Write("words.txt", "");
    predict::LoadStatus status = model_.LoadLearned(file);
    EXPECT_EQ(status.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(status.keptAs.empty());
}

TEST_F(LearnedStore, AStoreThatCannotBeReadIsMovedAsideBeforeAnythingIsSaved) {
    fs::create_directories(store_);  // a folder where the file should be
    predict::LoadStatus status = model_.LoadLearned(store_);
    EXPECT_EQ(status.outcome, LoadOutcome::Unreadable);
    EXPECT_TRUE(fs::is_directory(status.keptAs));
    Type(model_, "", "casalot");
    EXPECT_TRUE(model_.SaveLearned());
    EXPECT_TRUE(fs::is_regular_file(store_));
}

TEST_F(LearnedStore, AStoreThatCannotBeMovedAsideIsNeverOverwritten) {
    const std::string damaged = "not a words file";
    fs::path file = folder_.Write("words.txt", damaged);
    if (!SetImmutable(folder_ / "", true)) GTEST_SKIP() << "no immutable attribute here";
    predict::LoadStatus status = model_.LoadLearned(file);
    SetImmutable(folder_ / "", false);
    EXPECT_EQ(status.outcome, LoadOutcome::NotWordsFile);
    EXPECT_TRUE(status.keptAs.empty());
    Type(model_, "", "casalot");
    EXPECT_FALSE(model_.SaveLearned());
    EXPECT_EQ(ReadBytes(file), damaged);
    EXPECT_EQ(model_.Predict("", "casal"), Words{"casalot"}) << "learning goes on in memory";
}

TEST_F(LearnedStore, AFailedSaveKeepsTheCountsAndTheNextSaveWritesThem) {
    fs::path blocked = folder_ / "blocked";
    folder_.Write("blocked", "a file where the folder should be");
    fs::path store = blocked / "words.ca.txt";
    model_.LoadLearned(store);
    Type(model_, "", "casalot");
    EXPECT_FALSE(model_.SaveLearned());
    EXPECT_EQ(model_.Predict("", "casal"), Words{"casalot"});

    fs::remove(blocked);
    Type(model_, "casalot", "gran");
    EXPECT_TRUE(model_.SaveLearned());
    WordModel next;
    next.LoadLearned(store);
    EXPECT_EQ(next.Predict("", "casal"), Words{"casalot"});
    EXPECT_EQ(next.Predict("casalot", "").front(), "gran");
}

TEST_F(LearnedStore, ClearingForgetsEverythingLearned) {
    folder_.Write("words.txt", "not a words file");
    model_.LoadLearned(folder_ / "words.txt");
    Type(model_, "", "casalot");
    ASSERT_TRUE(model_.SaveLearned());

    EXPECT_TRUE(model_.ClearLearned());
    EXPECT_EQ(model_.Predict("", "ca"), (Words{"casa", "castell"}));
    EXPECT_FALSE(fs::exists(folder_ / "words.txt.damaged")) << "the damaged copy held words too";
    WordModel next;
    EXPECT_EQ(next.LoadLearned(folder_ / "words.txt").outcome, LoadOutcome::Loaded);
    EXPECT_EQ(next.LearnedWords(), 0u);
}

TEST_F(LearnedStore, StaysWithinItsLimitForgettingTheLeastWritten) {
    model_.LoadLearned(store_);
    Type(model_, "", "casalot");
    Type(model_, "", "casalot");
    for (std::size_t i = 0; i < predict::kMaxLearnedWords; ++i) {
        std::string word = "w";
        for (std::size_t n = i; n > 0; n /= 26) word += static_cast<char>('a' + n % 26);
        Type(model_, "", word);
    }
    EXPECT_LE(model_.LearnedWords(), predict::kMaxLearnedWords);
    EXPECT_EQ(model_.Predict("", "casal"), Words{"casalot"}) << "written twice, kept";
}

}  // namespace
