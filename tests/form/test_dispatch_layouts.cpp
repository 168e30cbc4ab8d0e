#include <QAction>
#include <ostream>
#include <string>
#include <vector>

#include "DispatchFixture.h"
#include "DispatchKeys.h"

namespace {

using namespace dispatchkeys;
using platform::FakeCall;

constexpr const char* kCaption = "Orvalet";
const std::string kInformationIcon = "64";
const std::string kNumbers = "N\xDAMEROS";
const std::string kSpecials = "TECLES ESPECIALS";
// The notice in the design language.
const std::string kCatalanNotice =
    "Alguns car\xE0"
    "cters de les tecles no es poden escriure amb la distribuci\xF3 de teclat activa i "
    "s'ometen.";

// A layout other than the Spanish one: every character goes through TypeCharacter.
class OtherLayout : public DispatchFixture {
  protected:
    void SetUp() override {
        DispatchFixture::SetUp();
        desktop.SetLayout(false);
    }

    void StartFrom(Case state) {
        form.ButtonShift->setChecked(true);
        form.ButtonBloqMajuscules->setChecked(true);
        form.Tree->CollapseAll();
        SetCase(state);
        desktop.ClearLog();
    }

    std::vector<FakeCall> Notices() const { return desktop.CallsNamed("MessageBoxA"); }
};

TEST_F(OtherLayout, KeysArriveAsWrittenInTheCaseTheTogglesGive) {
    struct Row {
        const char* rule;
        Case before;
        std::vector<std::string> path;
        std::string typed;
        Keys sent;
        Case after;
    };
    const Row rows[] = {
        {"caps lock: BA arrives as BA", Case::CapsLock, {"B", "BA"}, "BA", {}, Case::CapsLock},
        {"one-shot shift: BA arrives as Ba",
         Case::OneShotShift,
         {"B", "BA"},
         "Ba",
         {},
         Case::LowerCase},
        {"lower case: BA arrives as ba", Case::LowerCase, {"B", "BA"}, "ba", {}, Case::LowerCase},
        {"one-shot shift: \xC0 arrives as \xC0 and uses the shift",
         Case::OneShotShift,
         {"A", "\xC0"},
         "\xC0",
         {},
         Case::LowerCase},
        {"lower case: the key \xC0 arrives as \xE0",
         Case::LowerCase,
         {"A", "\xC0"},
         "\xE0",
         {},
         Case::LowerCase},
        {"caps lock: \xC9 arrives as \xC9",
         Case::CapsLock,
         {"E", "\xC9"},
         "\xC9",
         {},
         Case::CapsLock},
        {"lower case: \xD1"
         "A arrives as \xF1"
         "a",
         Case::LowerCase,
         {"\xD1",
          "\xD1"
          "A"},
         "\xF1"
         "a",
         {},
         Case::LowerCase},
        {"one-shot shift: \xD1"
         "A arrives as \xD1"
         "a",
         Case::OneShotShift,
         {"\xD1",
          "\xD1"
          "A"},
         "\xD1"
         "a",
         {},
         Case::LowerCase},
        {"@ arrives as @ and keeps the one-shot shift",
         Case::OneShotShift,
         {kNumbers, "@"},
         "@",
         {},
         Case::OneShotShift},
        {"\xBF arrives as \xBF in caps lock",
         Case::CapsLock,
         {kNumbers, "\xBF"},
         "\xBF",
         {},
         Case::CapsLock},
        {"? arrives as ? in lower case",
         Case::LowerCase,
         {kNumbers, "?"},
         "?",
         {},
         Case::LowerCase},
        {"a digit arrives plain and keeps the one-shot shift",
         Case::OneShotShift,
         {kNumbers, "7"},
         "7",
         {},
         Case::OneShotShift},
        {"ESPAI in one-shot shift is a blank that uses the shift",
         Case::OneShotShift,
         {"ESPAI"},
         " ",
         {},
         Case::LowerCase},
        {"RETURN in caps lock is Return", Case::CapsLock, {"RETURN"}, "\r", {}, Case::CapsLock},
        {"ESBORRAR ANTERIOR in one-shot shift is Backspace and uses the shift",
         Case::OneShotShift,
         {"ESBORRAR ANTERIOR"},
         "\b",
         {},
         Case::LowerCase},
        {"TABULADOR is still the Tab key",
         Case::CapsLock,
         {kSpecials, "TABULADOR"},
         "",
         Tap(VK_TAB),
         Case::CapsLock},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        StartFrom(row.before);
        ClickPath(row.path);
        EXPECT_EQ(desktop.Typed(), row.typed);
        EXPECT_EQ(desktop.Keys(), row.sent);
        EXPECT_STREQ(NameOf(CaseNow()), NameOf(row.after));
    }
}

TEST_F(OtherLayout, SignsThatTakeShiftOrAltGrOnTheSpanishLayoutArriveAsWritten) {
    struct Row {
        const char* rule;
        Case before;
        std::string key;
        std::string typed;
    };
    const Row rows[] = {
        {"colon, hash, euro sign and middle dot keep their own form", Case::CapsLock, ":#\x80\xB7",
         ":#\x80\xB7"},
        {"letters with a capital in the code page take it", Case::CapsLock, "\xE7\xFF\x9A\x9C",
         "\xC7\x9F\x8A\x8C"},
        {"sharp s and micro sign have no capital of their own and stay", Case::CapsLock, "\xDF\xB5",
         "\xDF\xB5"},
        {"lower case makes capitals small", Case::LowerCase, "\xC7\x9F\xC9", "\xE7\xFF\xE9"},
        {"the one-shot shift goes to the first character only", Case::OneShotShift, "l\xB7l",
         "L\xB7l"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        form.Tree->SetKeyboard({{row.key, {}}});
        StartFrom(row.before);
        ClickPath({row.key});
        EXPECT_EQ(desktop.Typed(), row.typed);
        EXPECT_TRUE(desktop.Keys().empty());
    }
}

TEST_F(OtherLayout, TheDispatchFollowsTheLayoutAsItChanges) {
    SetCase(Case::LowerCase);
    ClickPath({"B", "BA"});
    EXPECT_EQ(desktop.Typed(), "ba");
    EXPECT_TRUE(desktop.Keys().empty());
    desktop.ClearLog();
    desktop.SetLayout(true);
    ClickPath({"B", "BA"});
    EXPECT_EQ(desktop.Typed(), "");
    EXPECT_EQ(desktop.Keys(), Join({Tap('B'), Tap('A')}));
    desktop.ClearLog();
    desktop.SetLayout(false);
    ClickPath({"A", "\xC0"});
    EXPECT_EQ(desktop.Typed(), "\xE0");
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(OtherLayout, ACharacterTheDesktopCannotTypeIsSkippedAndToldOnceAfterTheKey) {
    desktop.SetLayout(false, "\xF1");
    SetCase(Case::LowerCase);
    desktop.ClearLog();
    ClickPath({"\xD1",
               "\xD1"
               "A"});
    EXPECT_EQ(desktop.Typed(), "a") << "only the n with tilde is skipped";
    const std::vector<FakeCall>& calls = desktop.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (FakeCall{"MessageBoxA", {kCatalanNotice, kCaption, kInformationIcon}}))
        << "the notice comes once the whole key is typed";
    desktop.ClearLog();
    ClickPath({"\xD1",
               "\xD1"
               "E"});
    EXPECT_EQ(desktop.Typed(), "e");
    EXPECT_TRUE(Notices().empty()) << "one notice a run, never one a key";
}

TEST_F(OtherLayout, KeysThatAllArriveTellNothing) {
    ClickPath({"B", "BA"});
    ClickPath({kNumbers, "@"});
    EXPECT_TRUE(Notices().empty());
}

TEST_F(OtherLayout, TheSpanishLayoutKeepsSendingKey255Silently) {
    desktop.SetLayout(true, "\x81");
    form.Tree->SetKeyboard({{"\x81", {}}});
    SetCase(Case::LowerCase);
    ClickPath({"\x81"});
    EXPECT_EQ(desktop.Keys(), Tap(255));
    EXPECT_TRUE(Notices().empty());
}

struct NoticeRow {
    const char* rule;
    QAction* TFormPrincipal::*language;
    std::string notice;
};

void PrintTo(const NoticeRow& row, std::ostream* out) { *out << row.rule; }

class SkippedCharacterNotice : public OtherLayout,
                               public ::testing::WithParamInterface<NoticeRow> {};

TEST_P(SkippedCharacterNotice, SpeaksTheInterfaceLanguage) {
    (form.*GetParam().language)->trigger();
    desktop.SetLayout(false, "\xD1\xF1");
    ClickPath({"\xD1", "\xD1"});
    EXPECT_EQ(
        Notices(),
        (std::vector<FakeCall>{{"MessageBoxA", {GetParam().notice, kCaption, kInformationIcon}}}));
}

// Without the speech library a stored language changes the captions only; the notice
// speaks the language the user reads.
TEST_F(OtherLayout, TheNoticeSpeaksTheCaptionsLanguageWhenTheTickStaysOnCatalan) {
    ASSERT_FALSE(programa.upctv.Loaded());
    form.languages->AplicarLlenguaDesada("Galego");
    ASSERT_TRUE(form.PopupCatala->isChecked());
    desktop.SetLayout(false, "\xD1\xF1");
    ClickPath({"\xD1", "\xD1"});
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Notices().front().args.front(),
              "Alg\xFAns caracteres das teclas non se poden escribir coa distribuci\xF3n de "
              "teclado activa e om\xEDtense.");
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SkippedCharacterNotice,
    ::testing::Values(
        NoticeRow{"Catalan", &TFormPrincipal::PopupCatala, kCatalanNotice},
        NoticeRow{"Castilian", &TFormPrincipal::PopupCastellano,
                  "Algunos caracteres de las teclas no se pueden escribir con la distribuci\xF3n "
                  "de teclado activa y se omiten."},
        NoticeRow{"Basque", &TFormPrincipal::PopupEuskera,
                  "Teklen karaktere batzuk ezin dira idatzi teklatuaren diseinu aktiboarekin, eta "
                  "saltatu egiten dira."},
        NoticeRow{"Galician", &TFormPrincipal::PopupGalego,
                  "Alg\xFAns caracteres das teclas non se poden escribir coa distribuci\xF3n de "
                  "teclado activa e om\xEDtense."},
        NoticeRow{"Portuguese", &TFormPrincipal::MenuPortugues,
                  "Alguns caracteres das teclas n\xE3o podem ser escritos com a disposi\xE7\xE3o "
                  "de teclado ativa e s\xE3o omitidos."}),
    [](const ::testing::TestParamInfo<NoticeRow>& info) { return std::string(info.param.rule); });

}  // namespace
