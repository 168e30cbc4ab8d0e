#include <QAction>
#include <string>
#include <vector>

#include "DispatchFixture.h"
#include "DispatchKeys.h"

namespace {

using namespace dispatchkeys;

class Dispatch : public DispatchFixture {};

TEST_F(Dispatch, KeysArriveAsTheirCharacterClassAndCaseStateSay) {
    struct Row {
        const char* rule;
        Case before;
        std::vector<std::string> path;
        Keys sent;
        Case after;
    };
    const std::string numbers = "N\xDAMEROS";
    const std::string specials = "TECLES ESPECIALS";
    const Row rows[] = {
        {"caps lock: BA arrives as BA",
         Case::CapsLock,
         {"B", "BA"},
         Join({Shifted(Tap('B')), Shifted(Tap('A'))}),
         Case::CapsLock},
        {"one-shot shift: BA arrives as Ba",
         Case::OneShotShift,
         {"B", "BA"},
         Join({Shifted(Tap('B')), Tap('A')}),
         Case::LowerCase},
        {"lower case: BA arrives as ba",
         Case::LowerCase,
         {"B", "BA"},
         Join({Tap('B'), Tap('A')}),
         Case::LowerCase},
        {"one-shot shift: \xC0 is the grave accent, then Shift with a",
         Case::OneShotShift,
         {"A", "\xC0"},
         Join({Tap(kGraveKey), Shifted(Tap('A'))}),
         Case::LowerCase},
        {"lower case: \xC0 types a small a after the grave accent",
         Case::LowerCase,
         {"A", "\xC0"},
         Join({Tap(kGraveKey), Tap('A')}),
         Case::LowerCase},
        {"caps lock: \xC9 is the acute accent, then Shift with e",
         Case::CapsLock,
         {"E", "\xC9"},
         Join({Tap(kAcuteKey), Shifted(Tap('E'))}),
         Case::CapsLock},
        {"lower case: \xD1"
         "A arrives as \xF1"
         "a",
         Case::LowerCase,
         {"\xD1",
          "\xD1"
          "A"},
         Join({Tap(kEnyeKey), Tap('A')}),
         Case::LowerCase},
        {"caps lock: \xD1"
         "A arrives as \xD1"
         "A",
         Case::CapsLock,
         {"\xD1",
          "\xD1"
          "A"},
         Join({Shifted(Tap(kEnyeKey)), Shifted(Tap('A'))}),
         Case::CapsLock},
        {"@ is typed with Alt and Control, toggles untouched",
         Case::OneShotShift,
         {numbers, "@"},
         {{VK_MENU, down},
          {VK_CONTROL, down},
          {'2', down},
          {'2', up},
          {VK_CONTROL, up},
          {VK_MENU, up}},
         Case::OneShotShift},
        {"@ in caps lock is typed the same",
         Case::CapsLock,
         {numbers, "@"},
         {{VK_MENU, down},
          {VK_CONTROL, down},
          {'2', down},
          {'2', up},
          {VK_CONTROL, up},
          {VK_MENU, up}},
         Case::CapsLock},
        {"a digit is typed plain and keeps the one-shot shift",
         Case::OneShotShift,
         {numbers, "5"},
         Tap('5'),
         Case::OneShotShift},
        {"the point is typed plain",
         Case::OneShotShift,
         {numbers, "."},
         Tap(kPointKey),
         Case::OneShotShift},
        {"? is typed with its own Shift",
         Case::OneShotShift,
         {numbers, "?"},
         Shifted(Tap(kApostropheKey)),
         Case::OneShotShift},
        {"? in lower case still has its Shift",
         Case::LowerCase,
         {numbers, "?"},
         Shifted(Tap(kApostropheKey)),
         Case::LowerCase},
        {"the apostrophe is typed plain",
         Case::OneShotShift,
         {numbers, "'"},
         Tap(kApostropheKey),
         Case::OneShotShift},
        {"ESPAI in one-shot shift is a shifted blank that uses the shift",
         Case::OneShotShift,
         {"ESPAI"},
         Shifted(Tap(VK_SPACE)),
         Case::LowerCase},
        {"RETURN in caps lock is a shifted Enter",
         Case::CapsLock,
         {"RETURN"},
         Shifted(Tap(VK_RETURN)),
         Case::CapsLock},
        {"ESBORRAR ANTERIOR in lower case is Backspace",
         Case::LowerCase,
         {"ESBORRAR ANTERIOR"},
         Tap(VK_BACK),
         Case::LowerCase},
        {"ESBORRAR ANTERIOR in caps lock is a shifted Backspace",
         Case::CapsLock,
         {"ESBORRAR ANTERIOR"},
         Shifted(Tap(VK_BACK)),
         Case::CapsLock},
        {"ESBORRAR ANTERIOR in one-shot shift uses the shift",
         Case::OneShotShift,
         {"ESBORRAR ANTERIOR"},
         Shifted(Tap(VK_BACK)),
         Case::LowerCase},
        {"TABULADOR is Tab without Shift",
         Case::CapsLock,
         {specials, "TABULADOR"},
         Tap(VK_TAB),
         Case::CapsLock},
        {"SUPRIMIR is Delete without Shift",
         Case::OneShotShift,
         {specials, "SUPRIMIR"},
         Tap(VK_DELETE),
         Case::OneShotShift},
        {"ESQUERRA is the left arrow",
         Case::CapsLock,
         {specials, "ESQUERRA"},
         Tap(VK_LEFT),
         Case::CapsLock},
        {"DRETA is the right arrow",
         Case::LowerCase,
         {specials, "DRETA"},
         Tap(VK_RIGHT),
         Case::LowerCase},
        {"PUJA is the up arrow", Case::CapsLock, {specials, "PUJA"}, Tap(VK_UP), Case::CapsLock},
        {"BAIXA is the down arrow",
         Case::CapsLock,
         {specials, "BAIXA"},
         Tap(VK_DOWN),
         Case::CapsLock},
        {"INICI is Home",
         Case::OneShotShift,
         {specials, "INICI"},
         Tap(VK_HOME),
         Case::OneShotShift},
        {"FI is End", Case::CapsLock, {specials, "FI"}, Tap(VK_END), Case::CapsLock},
        {"RECULA P\xC0GINA is Page up",
         Case::CapsLock,
         {specials, "RECULA P\xC0GINA"},
         Tap(VK_PRIOR),
         Case::CapsLock},
        {"AVAN\xC7"
         "A P\xC0GINA is Page down",
         Case::CapsLock,
         {specials,
          "AVAN\xC7"
          "A P\xC0GINA"},
         Tap(VK_NEXT),
         Case::CapsLock},
        {"the top-level key Y types y at once", Case::LowerCase, {"Y"}, Tap('Y'), Case::LowerCase},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        form.ButtonShift->setChecked(true);
        form.ButtonBloqMajuscules->setChecked(true);
        form.Tree->CollapseAll();
        SetCase(row.before);
        ClickPath(row.path);
        EXPECT_EQ(desktop.Keys(), row.sent);
        EXPECT_STREQ(NameOf(CaseNow()), NameOf(row.after));
        desktop.ClearLog();
    }
}

TEST_F(Dispatch, TheReceivingWindowIsInFrontBeforeAnyKeyGoesOut) {
    ClickPath({"Y"});
    const auto& calls = desktop.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], (platform::FakeCall{"BringWindowToTop", {std::to_string(editor)}}));
    EXPECT_EQ(calls[1].name, "ProcessMessages");
    EXPECT_EQ(calls[2].name, "keybd_event");
    EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(Dispatch, ASpecialKeyBringsTheReceivingWindowBackAgain) {
    ClickPath({"TECLES ESPECIALS", "TABULADOR"});
    std::vector<std::string> names;
    for (const auto& call : desktop.Calls()) names.push_back(call.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"BringWindowToTop", "ProcessMessages", "BringWindowToTop",
                                        "ProcessMessages", "BringWindowToTop", "ProcessMessages",
                                        "keybd_event", "keybd_event"}));
}

TEST_F(Dispatch, ToggleClicksMoveBetweenTheThreeCaseStates) {
    struct Row {
        const char* rule;
        Case from;
        QToolButton* TFormPrincipal::*button;
        Case to;
    };
    const Row rows[] = {
        {"caps lock off from caps lock gives lower case", Case::CapsLock,
         &TFormPrincipal::ButtonBloqMajuscules, Case::LowerCase},
        {"caps lock from lower case", Case::LowerCase, &TFormPrincipal::ButtonBloqMajuscules,
         Case::CapsLock},
        {"caps lock from one-shot shift", Case::OneShotShift, &TFormPrincipal::ButtonBloqMajuscules,
         Case::CapsLock},
        {"shift from lower case gives one-shot shift", Case::LowerCase,
         &TFormPrincipal::ButtonShift, Case::OneShotShift},
        {"shift released from one-shot shift gives lower case", Case::OneShotShift,
         &TFormPrincipal::ButtonShift, Case::LowerCase},
        {"shift released from caps lock ends caps lock", Case::CapsLock,
         &TFormPrincipal::ButtonShift, Case::LowerCase},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        form.ButtonShift->setChecked(true);
        form.ButtonBloqMajuscules->setChecked(true);
        SetCase(row.from);
        (form.*row.button)->click();
        EXPECT_STREQ(NameOf(CaseNow()), NameOf(row.to));
    }
}

TEST_F(Dispatch, ATextKeyFromAFileThatLooksLikeAPageNameIsTypedAsText) {
    form.Tree->SetKeyboard({{"Avan\xE7"
                             "a p\xE0gina",
                             {}},
                            {"G", {{"X", {}}}}});
    SetCase(Case::LowerCase);
    ClickPath({"G"});
    ClickPath(
        {"Avan\xE7"
         "a p\xE0gina"});
    // a v a n ç a, blank, p à g i n a
    EXPECT_EQ(desktop.Keys(), Join({Tap('A'), Tap('V'), Tap('A'), Tap('N'), Tap(kCedillaKey),
                                    Tap('A'), Tap(VK_SPACE), Tap('P'), Tap(kGraveKey), Tap('A'),
                                    Tap('G'), Tap('I'), Tap('N'), Tap('A')}));
    EXPECT_TRUE(OpenGroups().empty());
}

TEST_F(Dispatch, AGroupNamedLikeASpecialKeyOnlyOpensAndCloses) {
    form.Tree->SetKeyboard({{"RETURN", {{"X", {}}}}});
    ClickPath({"RETURN"});
    EXPECT_EQ(OpenGroups(), std::vector<std::string>{"RETURN"});
    ClickPath({"RETURN"});
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(Dispatch, ACharacterTheLayoutLacksIsSentAsKey255) {
    form.Tree->SetKeyboard({{"\x80#", {}}});
    SetCase(Case::LowerCase);
    ClickPath({"\x80#"});
    // The euro sign and # need AltGr, which only "@" gets: they go as their plain keys.
    EXPECT_EQ(desktop.Keys(), Join({Tap('E'), Tap('3')}));
    desktop.ClearLog();
    form.Tree->SetKeyboard({{"\x81", {}}});
    ClickPath({"\x81"});
    EXPECT_EQ(desktop.Keys(), Tap(255));
}

TEST_F(Dispatch, TheSignsOfEverydayWritingKeepTheirFormInEveryCaseState) {
    struct Row {
        const char* rule;
        Case before;
        std::string key;
        Keys sent;
        Case after;
    };
    const Row rows[] = {
        {"caps lock: the comma is its key alone", Case::CapsLock, ",", Tap(kCommaKey),
         Case::CapsLock},
        {"one-shot shift: the comma leaves the shift for the next letter", Case::OneShotShift, ",",
         Tap(kCommaKey), Case::OneShotShift},
        {"lower case: the semicolon is Shift with the key of the comma", Case::LowerCase, ";",
         Shifted(Tap(kCommaKey)), Case::LowerCase},
        {"caps lock: the semicolon is not doubly shifted", Case::CapsLock, ";",
         Shifted(Tap(kCommaKey)), Case::CapsLock},
        {"lower case: the colon is Shift with the key of the point", Case::LowerCase, ":",
         Shifted(Tap(kPointKey)), Case::LowerCase},
        {"one-shot shift: the colon keeps the shift", Case::OneShotShift, ":",
         Shifted(Tap(kPointKey)), Case::OneShotShift},
        {"lower case: the middle dot is Shift with the key of 3", Case::LowerCase, "\xB7",
         Shifted(Tap('3')), Case::LowerCase},
        {"lower case: L\xB7L arrives as l\xB7l", Case::LowerCase, "L\xB7L",
         Join({Tap('L'), Shifted(Tap('3')), Tap('L')}), Case::LowerCase},
        {"caps lock: L\xB7L arrives as L\xB7L", Case::CapsLock, "L\xB7L",
         Join({Shifted(Tap('L')), Shifted(Tap('3')), Shifted(Tap('L'))}), Case::CapsLock},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        form.Tree->SetKeyboard({{row.key, {}}});
        form.ButtonShift->setChecked(true);
        form.ButtonBloqMajuscules->setChecked(true);
        SetCase(row.before);
        desktop.ClearLog();
        ClickPath({row.key});
        EXPECT_EQ(desktop.Keys(), row.sent);
        EXPECT_STREQ(NameOf(CaseNow()), NameOf(row.after));
    }
}

}  // namespace
