#include <QAction>

#include "keys/DefaultKeyboard.h"
#include "platform/Constants.h"
#include "tests/form/test_settings_fixture.h"

namespace settingstest {
namespace {

using platform::FakeCall;

const char* const kDefecte =
    "No trobo el fitxer que m'heu indicat. Hi haur\xE0 el teclat per defecte.";
const char* const kAnterior =
    "No trobo el fitxer que m'heu indicat. Hi haur\xE0 el teclat anterior.";
const char* const kPregunta = "Hi afegim les tecles de control?";
const std::string kInformacio = std::to_string(platform::MB_ICONINFORMATION);
const std::string kQuestio = std::to_string(platform::MB_ICONQUESTION | platform::MB_YESNO);

// The texts of the top-level keys.
std::vector<std::string> TopLevel(const KeyTree& tree) {
    std::vector<std::string> texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts.push_back(KeyTree::TextOf(tree.topLevelItem(i)));
    return texts;
}

// Every key as its depth in tabs and its text, in tree order.
std::vector<std::string> Outline(const keys::KeyForest& forest) {
    std::vector<std::string> lines;
    std::vector<std::pair<const keys::KeyNode*, int>> pending;
    for (auto it = forest.rbegin(); it != forest.rend(); ++it) pending.emplace_back(&*it, 0);
    while (!pending.empty()) {
        auto [node, depth] = pending.back();
        pending.pop_back();
        lines.push_back(std::string(depth, '\t') + node->text);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            pending.emplace_back(&*it, depth + 1);
    }
    return lines;
}

// The default keyboard as a keyboard file: one tab per level.
std::string DefaultKeyboardFile() {
    std::string text;
    for (const keys::KeyNode& group : keys::DefaultKeyboard()) {
        text += group.text + "\r\n";
        for (const keys::KeyNode& key : group.children) text += "\t" + key.text + "\r\n";
    }
    return text;
}

const std::vector<std::string> kSpecialTop = {"TECLES ESPECIALS", "RETURN", "ESBORRAR ANTERIOR",
                                              "ESPAI"};

class KeyboardLoadingTest : public SettingsTest {
  protected:
    std::filesystem::path Keyboard(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = SettingsPath().parent_path() / "keyboards" / name;
        WriteFile(path, bytes);
        return path;
    }
    // Opens a keyboard through the menu, the dialog answering with the given name.
    static void OpenFromMenu(TFormPrincipal& form, std::optional<std::string> fileName) {
        form.keyboards->OpenFileDialog = [fileName] { return fileName; };
        form.MenuObrir->trigger();
    }
};

TEST_F(KeyboardLoadingTest, TheSpecialKeysHaveTheNamesTheTestsExpect) {
    ProgramRun run;
    run.Start();
    std::vector<std::string> top = TopLevel(*run.form().Tree);
    top.resize(kSpecialTop.size());
    EXPECT_EQ(top, kSpecialTop);
    run.Close();
}

TEST_F(KeyboardLoadingTest, AKeyboardOpenedFromTheMenuReplacesTheTree) {
    struct Case {
        const char* name;
        std::string content;
        int answer;
        std::vector<std::string> top;
        bool teclesDeControl;
    };
    std::vector<std::string> twoSets = kSpecialTop;
    for (const keys::KeyNode& group : keys::DefaultKeyboard()) twoSets.push_back(group.text);
    std::vector<std::string> withSpecials = kSpecialTop;
    withSpecials.insert(withSpecials.end(), {"B", "C"});
    const Case cases[] = {
        {"No: the tree stays exactly as read",
         "B\r\n\tBA\r\nC\r\n",
         platform::IDNO,
         {"B", "C"},
         false},
        {"Yes: the special keys go on top", "B\r\n\tBA\r\nC\r\n", platform::IDYES, withSpecials,
         true},
        {"a keyboard that begins with the special keys and Yes gives two sets",
         DefaultKeyboardFile(), platform::IDYES, twoSets, true},
        {"an empty file and No gives an empty tree", "", platform::IDNO, {}, false},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0"}));
        ProgramRun run;
        run.Start();
        TFormPrincipal& form = run.form();
        form.keyboards->TeclesDeControl = !c.teclesDeControl;
        run.desktop.ClearLog();
        run.desktop.QueueMessageBoxAnswer(c.answer);
        OpenFromMenu(form, Keyboard("menu.QuarnelTeclat", c.content).string());
        EXPECT_EQ(TopLevel(*form.Tree), c.top) << c.name;
        EXPECT_EQ(form.keyboards->TeclesDeControl, c.teclesDeControl) << c.name;
        EXPECT_EQ(run.desktop.CallsNamed("MessageBoxA"),
                  (std::vector<FakeCall>{{"MessageBoxA", {kPregunta, "Orvalet", kQuestio}}}))
            << c.name;
        EXPECT_EQ(form.Tree->currentItem(), nullptr) << c.name;
        EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled()) << c.name;
        run.Close();
    }
}

TEST_F(KeyboardLoadingTest, LoadingTwiceFromTheMenuWithYesKeepsOneSetPerLoad) {
    ProgramRun run;
    run.Start();
    TFormPrincipal& form = run.form();
    const std::string file = Keyboard("twice.QuarnelTeclat", "B\r\n\tBA\r\n").string();
    OpenFromMenu(form, file);
    OpenFromMenu(form, file);
    std::vector<std::string> expected = kSpecialTop;
    expected.push_back("B");
    EXPECT_EQ(TopLevel(*form.Tree), expected);
    EXPECT_EQ(form.Tree->CountNodes(), 4 + 10 + 2);
    run.Close();
}

TEST_F(KeyboardLoadingTest, AFileThatFailsFromTheMenuKeepsThePreviousKeyboard) {
    struct Case {
        const char* name;
        std::optional<std::string> content;  // nothing: the file does not exist
    };
    const Case cases[] = {
        {"a name that does not exist", std::nullopt},
        {"a line two levels deeper than the one before", "A\r\n\tAB\r\n\t\t\tABCD\r\nZ\r\n"},
    };
    for (const Case& c : cases) {
        ProgramRun run;
        run.Start();
        TFormPrincipal& form = run.form();
        run.desktop.QueueMessageBoxAnswer(platform::IDNO);
        OpenFromMenu(form, Keyboard("previous.QuarnelTeclat", "P\r\n\tPA\r\n").string());
        form.keyboards->TeclesDeControl = false;
        run.desktop.ClearLog();
        const std::filesystem::path path =
            c.content ? Keyboard("failing.QuarnelTeclat", *c.content)
                      : SettingsPath().parent_path() / "keyboards" / "missing.QuarnelTeclat";
        OpenFromMenu(form, path.string());
        EXPECT_EQ(Outline(form.Tree->Keyboard()), (std::vector<std::string>{"P", "\tPA"}))
            << c.name;
        EXPECT_FALSE(form.keyboards->TeclesDeControl) << c.name;
        EXPECT_EQ(run.desktop.CallsNamed("MessageBoxA"),
                  (std::vector<FakeCall>{{"MessageBoxA", {kAnterior, "Orvalet", kInformacio}}}))
            << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("SetCursorPos").empty()) << c.name;
        EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled()) << c.name;
        run.Close();
    }
}

TEST_F(KeyboardLoadingTest, CancellingTheDialogChangesNothing) {
    ProgramRun run;
    run.Start();
    TFormPrincipal& form = run.form();
    bool trackingDuringDialog = true;
    form.keyboards->OpenFileDialog = [&]() -> std::optional<std::string> {
        trackingDuringDialog = form.tracking->TimerCercaHandleFinestra.Enabled();
        return std::nullopt;
    };
    run.desktop.ClearLog();
    form.MenuObrir->trigger();
    EXPECT_FALSE(trackingDuringDialog);
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
    EXPECT_EQ(form.Tree->CountNodes(), 287);
    EXPECT_TRUE(run.desktop.Calls().empty());
    run.Close();
}

TEST_F(KeyboardLoadingTest, ThePointerGoesNearTheQuestionBeforeItIsAsked) {
    struct Case {
        const char* name;
        int width, height;  // of a maximized window
        platform::Point expected;
    };
    const Case cases[] = {
        {"1024 x 768", 1024, 768, {467, 432}},
        {"halves go down to the even number", 512, 744, {234, 418}},
        {"halves go up to the even number", 1536, 760, {700, 428}},
    };
    for (const Case& c : cases) {
        ProgramRun run;
        run.desktop.SetWorkArea(c.width, c.height);
        run.Start();
        run.desktop.ClearLog();
        OpenFromMenu(run.form(), Keyboard("pointer.QuarnelTeclat", "A\r\n").string());
        const std::vector<FakeCall>& calls = run.desktop.Calls();
        const auto box = std::ranges::find(calls, std::string("MessageBoxA"), &FakeCall::name);
        const auto move = std::ranges::find(calls, std::string("SetCursorPos"), &FakeCall::name);
        EXPECT_LT(move, box) << c.name;
        EXPECT_EQ(run.desktop.Cursor().x, c.expected.x) << c.name;
        EXPECT_EQ(run.desktop.Cursor().y, c.expected.y) << c.name;
        run.Close();
    }
}

TEST_F(KeyboardLoadingTest, TheCommandLineNamesTheKeyboard) {
    struct Case {
        const char* name;
        const char* teclesDeControl;
        std::vector<std::string> top;
    };
    const Case cases[] = {
        {"control keys SI: the special keys are added",
         "SI",
         {"TECLES ESPECIALS", "RETURN", "ESBORRAR ANTERIOR", "ESPAI", "X", "Y"}},
        {"control keys NO: the keyboard as read", "NO", {"X", "Y"}},
    };
    const std::filesystem::path folder = SettingsPath().parent_path() / "keyboards";
    Keyboard("a b", "X\r\n\tXA\r\nY\r\n");
    for (const Case& c : cases) {
        WriteFile(SettingsPath(),
                  Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Tecles de control]",
                         (std::string("Tecles de control=") + c.teclesDeControl).c_str()}));
        // A path with a blank given without quotes arrives as two parameters.
        ProgramRun run({(folder / "a").string(), "b"});
        run.desktop.SetScreen(1280, 1024);
        run.Start();
        EXPECT_EQ(TopLevel(*run.form().Tree), c.top) << c.name;
        EXPECT_EQ(run.desktop.CallsNamed("SetCursorPos"),
                  (std::vector<FakeCall>{{"SetCursorPos", {"597", "564"}}}))
            << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("MessageBoxA").empty()) << c.name;
        run.Close();
    }
}

TEST_F(KeyboardLoadingTest, ACommandLineKeyboardThatFailsLeavesTheDefaultKeyboard) {
    struct Case {
        const char* name;
        std::optional<std::string> content;
    };
    const Case cases[] = {
        {"a file that does not exist", std::nullopt},
        {"a line two levels deeper", "A\r\n\t\tAB\r\n"},
        {"a folder", std::nullopt},
    };
    for (const Case& c : cases) {
        std::filesystem::path path = SettingsPath().parent_path() / "keyboards" / "none";
        if (c.content) path = Keyboard("deep", *c.content);
        if (std::string(c.name) == "a folder") path = SettingsPath().parent_path();
        ProgramRun run({path.string()});
        run.Start();
        EXPECT_EQ(Outline(run.form().Tree->Keyboard()), Outline(keys::DefaultKeyboard())) << c.name;
        EXPECT_EQ(run.desktop.CallsNamed("MessageBoxA"),
                  (std::vector<FakeCall>{{"MessageBoxA", {kDefecte, "Orvalet", kInformacio}}}))
            << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("SetCursorPos").empty()) << c.name;
        EXPECT_EQ(run.form().scanning->TimerEscaneig.Interval(), 1200) << c.name;
        run.Close();
    }
}

// Each line one level deeper than the last: the deepest tree a 10 MB file holds.
std::string DeepKeyboard(int levels) {
    std::string text;
    for (int level = 0; level < levels; ++level) text += std::string(level, '\t') + "K\n";
    return text;
}

TEST_F(KeyboardLoadingTest, ATreeThousandsOfLevelsDeepLoadsExpandsCollapsesAndGoes) {
    constexpr int kLevels = 4500;
    const std::string path = Keyboard("deep.QuarnelTeclat", DeepKeyboard(kLevels)).string();
    {
        ProgramRun run;
        run.Start();
        TFormPrincipal& form = run.form();
        run.desktop.QueueMessageBoxAnswer(platform::IDNO);
        OpenFromMenu(form, path);
        EXPECT_EQ(form.Tree->CountNodes(), kLevels);
        QTreeWidgetItem* deepest = form.Tree->topLevelItem(0);
        for (int level = 1; level < kLevels; ++level) deepest = deepest->child(0);
        form.Tree->setCurrentItem(deepest);
        form.Tree->scrollToItem(deepest);
        form.Tree->CollapseAll();
        form.Tree->expandAll();
        form.Tree->CollapseWithDescendants(form.Tree->topLevelItem(0));
        // Loading again replaces the deep tree, which then goes with the window.
        run.desktop.QueueMessageBoxAnswer(platform::IDNO);
        OpenFromMenu(form, path);
        EXPECT_EQ(form.Tree->CountNodes(), kLevels);
        run.Close();
    }
    SUCCEED() << "the window with a deep tree was destroyed";
}

}  // namespace
}  // namespace settingstest
