#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include "DispatchFixture.h"
#include "DispatchKeys.h"
#include "output/PredictionGroup.h"

namespace {

using namespace dispatchkeys;

// A lexicon small enough to know its rankings: with nothing typed "de" comes first, then the
// words by their counts; "ba" is completed by barca, barcelona, banc.
constexpr char kLexicon[] =
    "orvalet-words 1\n"
    "de 100 barcelona 30\n"
    "barca 50 de 10\n"
    "barcelona 40\n"
    "banc 30\n"
    "bo 20\n"
    "fi 15\n"
    "l\xC2\xB7l\xC3\xADs 12\n";

const std::string kGroup = "PREDICCIONS";

// The keyboard with word prediction switched on over the small lexicon, what it learns kept
// in a data folder of the test's own.
class WordPrediction : public DispatchFixture {
  protected:
    void SetUp() override {
        DispatchFixture::SetUp();
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        WriteFile(lexicons.filePath("ca.txt"), kLexicon);
        WriteFile(lexicons.filePath("es.txt"), "orvalet-words 1\ncasa 9\n");
        form.prediction->Prediccions.LexiconFile = [this](const std::string& language) {
            return lexicons.filePath(QString::fromStdString(language) + ".txt").toStdString();
        };
    }

    static void WriteFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void SwitchOn() {
        form.MenuPrediccioDeParaules->trigger();
        ASSERT_TRUE(form.MenuPrediccioDeParaules->isChecked());
    }

    // The predicted words offered now, in the group's order; "(hidden)" when it is hidden.
    std::vector<std::string> Offered() {
        QTreeWidgetItem* group = form.Tree->topLevelItem(0);
        if (KeyTree::TextOf(group) != kGroup) return {"(no group at the top)"};
        if (group->isHidden()) return {"(hidden)"};
        std::vector<std::string> words;
        for (int i = 0; i < group->childCount(); ++i)
            words.push_back(KeyTree::TextOf(group->child(i)));
        return words;
    }

    QTemporaryDir data;
    QTemporaryDir lexicons;
};

TEST_F(WordPrediction, OffByDefaultTheTreeIsTheDesignedOne) {
    EXPECT_FALSE(form.MenuPrediccioDeParaules->isChecked());
    EXPECT_FALSE(form.MenuEsborrarLesParaulesApreses->isEnabled());
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(0)), "TECLES ESPECIALS");
    ClickPath({"B", "BA"});
    EXPECT_EQ(output::PredictionGroup::GroupOf(*form.Tree), nullptr);
}

TEST_F(WordPrediction, TheGroupOffersTheWordBeingTypedAndFollowsEveryKey) {
    SwitchOn();
    struct Step {
        const char* rule;
        std::vector<std::string> path;
        std::vector<std::string> offered;
    };
    const Step steps[] = {
        {"nothing typed: the likeliest words",
         {},
         {"DE", "BARCA", "BARCELONA", "BANC", "BO", "FI"}},
        {"after BA: the words that begin so, likeliest first",
         {"B", "BA"},
         {"BARCA", "BARCELONA", "BANC"}},
        {"Backspace takes back a character",
         {"ESBORRAR ANTERIOR"},
         {"BARCA", "BARCELONA", "BANC", "BO"}},
        {"a blank ends the word: what follows it",
         {"ESPAI"},
         {"DE", "BARCA", "BARCELONA", "BANC", "BO", "FI"}},
        {"a word nobody wrote: the group hides", {"X", "X"}, {"(hidden)"}},
        {"an arrow moves the caret away: the word is not known",
         {"TECLES ESPECIALS", "ESQUERRA"},
         {"DE", "BARCA", "BARCELONA", "BANC", "BO", "FI"}},
    };
    for (const Step& step : steps) {
        if (!step.path.empty()) ClickPath(step.path);
        EXPECT_EQ(Offered(), step.offered) << step.rule;
        form.Tree->CollapseAll();
    }
}

TEST_F(WordPrediction, ChoosingAWordTypesTheRestAndABlankInTheCaseOfTheToggles) {
    struct Row {
        Case state;
        Keys rest;  // after B and A
    };
    const Row rows[] = {
        {Case::CapsLock,
         Join({Shifted(Tap('R')), Shifted(Tap('C')), Shifted(Tap('A')), Shifted(Tap(VK_SPACE))})},
        {Case::OneShotShift, Join({Tap('R'), Tap('C'), Tap('A'), Tap(VK_SPACE)})},
        {Case::LowerCase, Join({Tap('R'), Tap('C'), Tap('A'), Tap(VK_SPACE)})},
    };
    SwitchOn();
    for (const Row& row : rows) {
        SetCase(row.state);
        ClickPath({"B", "BA"});
        desktop.ClearLog();
        ClickPath({kGroup, "BARCA"});
        EXPECT_EQ(desktop.Keys(), row.rest) << NameOf(row.state);
        EXPECT_TRUE(OpenGroups().empty()) << NameOf(row.state) << ": the groups close";
        EXPECT_EQ(Offered().front(), "DE") << NameOf(row.state) << ": what follows barca";
        form.ButtonShift->setChecked(true);
        form.ButtonBloqMajuscules->setChecked(true);
        form.prediction->Prediccions.CaretMoved();
    }
}

TEST_F(WordPrediction, APredictedWordIsTypedAsTextEvenWhenItNamesASpecialKey) {
    SwitchOn();
    SetCase(Case::LowerCase);
    ClickPath({"F", "FA"});
    ClickPath({"ESBORRAR ANTERIOR"});
    desktop.ClearLog();
    ClickPath({kGroup, "FI"});
    EXPECT_EQ(desktop.Keys(), Join({Tap('I'), Tap(VK_SPACE)})) << "not End";
}

TEST_F(WordPrediction, TheGeminateLIsTypedWithTheFullStopOnTheSpanishLayout) {
    SwitchOn();
    SetCase(Case::LowerCase);
    ClickPath({"L", "L"});
    desktop.ClearLog();
    ClickPath({kGroup, "L\xB7L\xCDS"});
    EXPECT_EQ(desktop.Keys(),
              Join({Tap(kPointKey), Tap('L'), Tap(kAcuteKey), Tap('I'), Tap('S'), Tap(VK_SPACE)}));
}

TEST_F(WordPrediction, AnotherReceivingWindowForgetsTheWordBeingTyped) {
    SwitchOn();
    ClickPath({"B", "BA"});
    desktop.SetForeground(desktop.AddWindow("Another document"));
    desktop.Advance(100);
    EXPECT_EQ(Offered(),
              (std::vector<std::string>{"DE", "BARCA", "BARCELONA", "BANC", "BO", "FI"}));
}

TEST_F(WordPrediction, WhatTheUserWritesIsOfferedAndCanBeCleared) {
    SwitchOn();
    ClickPath({"B", "BA"});
    ClickPath({"T", "T"});
    ClickPath({"ESPAI"});
    ClickPath({"B", "BA"});
    EXPECT_EQ(Offered(), (std::vector<std::string>{"BARCA", "BARCELONA", "BANC", "BAT"}))
        << "learned as written";

    desktop.QueueMessageBoxAnswer(platform::IDNO);
    form.MenuEsborrarLesParaulesApreses->trigger();
    EXPECT_EQ(Offered().back(), "BAT") << "No keeps it";
    desktop.QueueMessageBoxAnswer(platform::IDYES);
    form.MenuEsborrarLesParaulesApreses->trigger();
    EXPECT_EQ(Offered(), (std::vector<std::string>{"BARCA", "BARCELONA", "BANC"}))
        << "Yes forgets it";
}

TEST_F(WordPrediction, WhatWasLearnedIsThereAfterARestart) {
    SwitchOn();
    ClickPath({"B", "BA"});
    ClickPath({"T", "T"});
    ClickPath({"ESPAI"});
    form.FormClose();
    // Closing wrote the settings too: the next test starts without them.
    QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + "/orvalet.ini");
    EXPECT_TRUE(QFile::exists(data.filePath("orvalet/words.ca.txt")));

    output::PredictionGroup again;
    again.LexiconFile = form.prediction->Prediccions.LexiconFile;
    ASSERT_EQ(again.SwitchOn("ca"), output::PredictionGroup::Problem::None);
    again.Typed("ba");
    KeyTree tree;
    again.Refresh(tree, kGroup);
    ASSERT_EQ(tree.topLevelItem(0)->childCount(), 4);
    EXPECT_EQ(KeyTree::TextOf(tree.topLevelItem(0)->child(3)), "BAT");
}

TEST_F(WordPrediction, ADamagedStoreIsToldOnceAndTheLexiconStillServes) {
    QDir(data.path()).mkpath("orvalet");
    WriteFile(data.filePath("orvalet/words.ca.txt"), QByteArray("\x00\xFF garbage", 10));
    SwitchOn();
    ASSERT_EQ(desktop.CallsNamed("MessageBoxA").size(), 1u);
    EXPECT_NE(desktop.CallsNamed("MessageBoxA")[0].args[0].find("malmeses"), std::string::npos);
    EXPECT_EQ(Offered().front(), "DE");

    form.MenuPrediccioDeParaules->trigger();
    form.MenuPrediccioDeParaules->trigger();
    EXPECT_EQ(desktop.CallsNamed("MessageBoxA").size(), 1u) << "once a run";
}

TEST_F(WordPrediction, AMissingLexiconIsToldAndTheKeyboardStaysWhole) {
    const int nodes = form.Tree->CountNodes();
    form.prediction->Prediccions.LexiconFile = [](const std::string&) {
        return std::filesystem::path();
    };
    SwitchOn();
    EXPECT_EQ(desktop.CallsNamed("MessageBoxA").size(), 1u);
    EXPECT_EQ(Offered(), (std::vector<std::string>{"(hidden)"})) << "nothing learned yet";
    form.MenuPrediccioDeParaules->trigger();
    EXPECT_EQ(form.Tree->CountNodes(), nodes) << "switched off, the keyboard is as it was";
}

TEST_F(WordPrediction, TheLanguageChoosesTheLexiconAndTheLabel) {
    SwitchOn();
    form.languages->PopupCastellanoClick();
    ASSERT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(0)), "PREDICCIONES");
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(0)->child(0)), "CASA");
    form.languages->PopupCatalaClick();
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(0)), kGroup);
}

TEST_F(WordPrediction, TheGroupStaysAtTheTopWhenAKeyboardIsOpened) {
    SwitchOn();
    QTemporaryDir folder;
    WriteFile(folder.filePath("mine.QuarnelTeclat"), "A\r\nB\r\n\tBA\r\n");
    form.keyboards->OpenFileDialog = [&] {
        return folder.filePath("mine.QuarnelTeclat").toStdString();
    };
    desktop.QueueMessageBoxAnswer(platform::IDYES);
    form.MenuObrir->trigger();
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(0)), kGroup);
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(1)), "TECLES ESPECIALS");
}

}  // namespace

namespace {

TEST_F(WordPrediction, AKeyboardsLayoutFilePlacesTheGroupWithNextKeysBeforeWords) {
    SwitchOn();
    QTemporaryDir folder;
    WriteFile(folder.filePath("mine.QuarnelTeclat"), "A\r\nB\r\n\tBA\r\n");
    WriteFile(folder.filePath("mine.QuarnelTeclat.prediccions"),
              "orvalet-predictions 1 keys 2 words 1 place 4\n");
    form.keyboards->OpenFileDialog = [&] {
        return folder.filePath("mine.QuarnelTeclat").toStdString();
    };
    desktop.QueueMessageBoxAnswer(platform::IDYES);
    form.MenuObrir->trigger();
    // After the four special rows, and before the keyboard's own keys.
    QTreeWidgetItem* group = form.Tree->topLevelItem(4);
    ASSERT_EQ(KeyTree::TextOf(group), kGroup);
    EXPECT_EQ(KeyTree::TextOf(form.Tree->topLevelItem(5)), "A");
    ASSERT_EQ(group->childCount(), 3);
    // Most words of the lexicon begin with ba: its key comes first; the likeliest word last.
    EXPECT_EQ(KeyTree::TextOf(group->child(0)), "BA");
    EXPECT_EQ(KeyTree::TextOf(group->child(2)), "DE");
    EXPECT_FALSE(output::PredictionGroup::IsPrediction(group->child(0)));
    EXPECT_TRUE(output::PredictionGroup::IsPrediction(group->child(2)));
    // The predicted key types as the keyboard's own key does.
    SetCase(Case::LowerCase);
    desktop.ClearLog();
    ClickPath({kGroup, "BA"});
    EXPECT_EQ(desktop.Keys(), Join({Tap('B'), Tap('A')}));
    EXPECT_TRUE(OpenGroups().empty());
}

}  // namespace
