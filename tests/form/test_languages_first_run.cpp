#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "app/TFormPrincipal.h"
#include "lang/TFormLlengua.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/profile/ProfileStorage.h"
#include "tests/form/test_speech_fixture.h"

namespace {

using Answer = std::function<void(TFormLlengua&)>;
using Calls = std::vector<std::string>;

void CloseByItsFrame(TFormLlengua& dialog) { dialog.close(); }

// Start-up waits for the first-run dialog, and in a test nobody sits at the screen: as soon
// as the dialog is up it gets the answer a test has queued, or else is closed by its frame,
// which leaves the language as it is. Every start-up in this test program relies on it.
class FirstRunAnswers : public QObject, public ::testing::Environment {
  public:
    struct Showing {
        bool mainWindowVisible;
    };

    void SetUp() override { qApp->installEventFilter(this); }
    void TearDown() override { qApp->removeEventFilter(this); }

    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }
    std::vector<Showing> shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<TFormLlengua*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            shown.push_back({MainWindowVisible()});
            Answer answer = CloseByItsFrame;
            if (!answers_.empty()) {
                answer = std::move(answers_.front());
                answers_.erase(answers_.begin());
            }
            QMetaObject::invokeMethod(
                dialog, [dialog, answer] { answer(*dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    static bool MainWindowVisible() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<TFormPrincipal*>(window) && window->isVisible()) return true;
        }
        return false;
    }

    std::vector<Answer> answers_;
};

FirstRunAnswers* const firstRunAnswers =
    static_cast<FirstRunAnswers*>(::testing::AddGlobalTestEnvironment(new FirstRunAnswers));

void Press(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void ChooseCastellano(TFormLlengua& dialog) { dialog.RadioButtonCastellano->setChecked(true); }

std::filesystem::path SettingsFile() { return platform::ProfileFilePath("orvalet.ini"); }

void WriteSettings(const QByteArray& content) {
    QFile file(QString::fromStdString(SettingsFile().string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

std::string Caption(QAction* item) { return platform::FromQString(item->text()); }
std::string FirstKey(TFormPrincipal& form) {
    return platform::FromQString(form.Tree->topLevelItem(0)->text(0));
}

class FirstRun : public ::testing::Test {
  protected:
    FirstRun() : library(RECORDING_UPCTV) {
        desktop.SetLibrary("upctv.dll", std::string(RECORDING_UPCTV));
        std::filesystem::remove(SettingsFile());
        firstRunAnswers->shown.clear();
    }
    ~FirstRun() override { std::filesystem::remove(SettingsFile()); }

    // Runs start-up to the message loop; the caller closes the window.
    std::unique_ptr<Startup> Start() {
        auto startup = std::make_unique<Startup>(desktop, std::vector<std::string>{});
        library.Clear();
        startup->Start();
        return startup;
    }
    static void End(Startup& startup) {
        startup.FormPrincipal->close();
        startup.Finish();
    }
    bool SpeechLanguageSet(int language) const {
        const Calls calls = library.Commands();
        return std::find(calls.begin(), calls.end(),
                         "SetLanguage(" + std::to_string(language) + ")") != calls.end();
    }

    platform::FakeDesktop desktop;
    speechtest::RecordingLibrary library;
};

TEST(LanguageDialog, OffersCatalanSelectedOrCastellanoWithOkAsTheDefaultButton) {
    platform::FakeDesktop desktop;
    desktop.SetScreen(1280, 1024);
    Programa programa(desktop);
    TFormPrincipal form(programa);
    TFormLlengua dialog(*form.languages, desktop);
    EXPECT_EQ(platform::FromQString(dialog.windowTitle()), "Llengua/Lengua");
    EXPECT_EQ(platform::FromQString(dialog.RadioButton1->text()), "Catal\xE0");
    EXPECT_EQ(platform::FromQString(dialog.RadioButtonCastellano->text()), "Castellano");
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_FALSE(dialog.RadioButtonCastellano->isChecked());
    EXPECT_EQ(platform::FromQString(dialog.BitBtn1->text()), "D'&acord");
    EXPECT_TRUE(dialog.BitBtn1->isDefault());
    EXPECT_EQ(platform::FromQString(dialog.BitBtn2->text()), "Cancel");
    dialog.show();
    const QPoint centre = dialog.frameGeometry().center();
    EXPECT_NEAR(centre.x(), 640, 1) << "centred on the screen";
    EXPECT_NEAR(centre.y(), 512, 1) << "centred on the screen";
    ChooseCastellano(dialog);
    EXPECT_FALSE(dialog.RadioButton1->isChecked()) << "one choice only";
}

TEST_F(FirstRun, TheDialogComesBeforeTheMainWindowAndItsAnswerIsInForceAtOnce) {
    struct Case {
        const char* rule;
        Answer answer;
        bool castilian;
    };
    const Case cases[] = {
        {"Castellano and OK",
         [](TFormLlengua& d) {
             ChooseCastellano(d);
             d.BitBtn1->click();
         },
         true},
        {"Castellano and Enter presses OK",
         [](TFormLlengua& d) {
             ChooseCastellano(d);
             Press(&d, Qt::Key_Return);
         },
         true},
        {"Catalan and OK changes nothing", [](TFormLlengua& d) { d.BitBtn1->click(); }, false},
        {"Castellano but Cancel",
         [](TFormLlengua& d) {
             ChooseCastellano(d);
             d.BitBtn2->click();
         },
         false},
        {"Castellano but Escape",
         [](TFormLlengua& d) {
             ChooseCastellano(d);
             Press(&d, Qt::Key_Escape);
         },
         false},
        {"Castellano but closed by its frame",
         [](TFormLlengua& d) {
             ChooseCastellano(d);
             d.close();
         },
         false},
    };
    for (const Case& c : cases) {
        firstRunAnswers->shown.clear();
        firstRunAnswers->Queue(c.answer);
        auto startup = Start();
        TFormPrincipal& form = *startup->FormPrincipal;
        ASSERT_EQ(firstRunAnswers->shown.size(), 1u) << c.rule;
        EXPECT_FALSE(firstRunAnswers->shown[0].mainWindowVisible) << c.rule;
        EXPECT_TRUE(form.isVisible()) << c.rule;
        EXPECT_FALSE(startup->FormLlengua->isVisible()) << c.rule;
        EXPECT_EQ(form.PopupCastellano->isChecked(), c.castilian) << c.rule;
        EXPECT_EQ(form.PopupCatala->isChecked(), !c.castilian) << c.rule;
        EXPECT_EQ(Caption(form.MenuSortir), c.castilian ? "&Salir" : "&Sortir") << c.rule;
        EXPECT_EQ(Caption(form.MenuOpcions->menuAction()), c.castilian ? "&Opciones" : "&Opcions")
            << c.rule;
        EXPECT_EQ(SpeechLanguageSet(101), c.castilian) << c.rule << ": the Castilian voice";
        EXPECT_EQ(FirstKey(form), "TECLES ESPECIALS") << c.rule << ": built before the choice";
        End(*startup);
        std::filesystem::remove(SettingsFile());
    }
}

TEST_F(FirstRun, TheNextStartAsksNoMoreAndNamesTheSpecialKeysInCastilian) {
    firstRunAnswers->Queue([](TFormLlengua& d) {
        ChooseCastellano(d);
        d.BitBtn1->click();
    });
    End(*Start());
    firstRunAnswers->shown.clear();

    auto startup = Start();
    TFormPrincipal& form = *startup->FormPrincipal;
    EXPECT_TRUE(firstRunAnswers->shown.empty());
    EXPECT_TRUE(form.PopupCastellano->isChecked());
    EXPECT_EQ(Caption(form.MenuObrir), "&Abrir...");
    EXPECT_EQ(FirstKey(form), "TECLAS ESPECIALES");
    End(*startup);
}

TEST_F(FirstRun, OnlyAStoredLanguageSkipsTheDialog) {
    struct Case {
        const char* rule;
        std::optional<QByteArray> settings;
        bool asked;
        const char* exitCaption;
    };
    const Case cases[] = {
        {"no settings file", std::nullopt, true, "&Sortir"},
        {"no language key", QByteArray("[Quarnel Orvalet]\r\nVeu de=Home\r\n"), true, "&Sortir"},
        {"the language key holds NO", QByteArray("[Quarnel Orvalet]\r\nLlengua=NO\r\n"), true,
         "&Sortir"},
        {"Catalan stored", QByteArray("[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"), false,
         "&Sortir"},
        {"an unknown language counts as Catalan",
         QByteArray("[Quarnel Orvalet]\r\nLlengua=Castellano\r\n"), false, "&Sortir"},
        {"Galician stored", QByteArray("[Quarnel Orvalet]\r\nLlengua=Galego\r\n"), false,
         "&Sa\xEDr"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(SettingsFile());
        if (c.settings) WriteSettings(*c.settings);
        firstRunAnswers->shown.clear();
        auto startup = Start();
        EXPECT_EQ(firstRunAnswers->shown.size(), c.asked ? 1u : 0u) << c.rule;
        EXPECT_EQ(Caption(startup->FormPrincipal->MenuSortir), c.exitCaption) << c.rule;
        End(*startup);
    }
}

}  // namespace
