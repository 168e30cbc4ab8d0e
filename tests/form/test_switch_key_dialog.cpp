#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "SwitchesFixture.h"
#include "lang/CaptionTable.h"
#include "scanning/SwitchKeyDialog.h"

namespace {

using lang::SwitchText;

class SwitchKeyDialogTest : public SwitchesFixture {
  protected:
    // Runs `user` inside the open dialog, as the person in front of it acts; a dialog still
    // open after that is closed, so that a key it missed fails the test instead of hanging it.
    static void WhileOpen(const std::function<void()>& user) {
        QTimer::singleShot(0, [user] {
            user();
            if (SwitchKeyDialog* dialog = OpenDialog()) dialog->reject();
        });
    }

    static SwitchKeyDialog* OpenDialog() {
        return qobject_cast<SwitchKeyDialog*>(QApplication::activeModalWidget());
    }

    static void ClickCancel() {
        SwitchKeyDialog* dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QDialogButtonBox*>()->buttons().front()->click();
    }
};

TEST_F(SwitchKeyDialogTest, TheFirstKeyPressedAnywhereIsTheSwitch) {
    platform::FakeSwitchKeys& keys = desktop.switchKeys;
    struct Case {
        const char* name;
        bool keyboardTakenAtFirst;
        std::function<void()> user;
        std::optional<std::string> answer;
    };
    const Case cases[] = {
        {"a key pressed", false, [&] { keys.Press("F5"); }, "F5"},
        {"the cancel button, clicked: no key", false, [] { ClickCancel(); }, std::nullopt},
        {"the keyboard held by another program at first: caught once it is free", true,
         [&] {
             desktop.Advance(1000);
             EXPECT_FALSE(keys.Catching()) << "not while it is held";
             keys.SetKeyboardTaken(false);
             desktop.Advance(200);
             EXPECT_TRUE(keys.Catching());
             keys.Press("F5");
         },
         "F5"},
        {"the keyboard never free: the cancel button still closes it", true,
         [&] {
             desktop.Advance(1000);
             ClickCancel();
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        keys.SetKeyboardTaken(c.keyboardTakenAtFirst);
        SwitchKeyDialog dialog(desktop, desktop, "Premeu", "Cancel", &form);
        WhileOpen(c.user);
        EXPECT_EQ(dialog.Ask(), c.answer) << c.name;
        EXPECT_FALSE(keys.Catching()) << c.name << ": the keyboard is given back";
    }
}

TEST_F(SwitchKeyDialogTest, TheMenuAsksForEachSwitchInTheInterfaceLanguage) {
    struct Case {
        const char* name;
        QAction* item;
        SwitchText prompt;
        scan::Switches chosen;
    };
    const Case cases[] = {
        {"the switch that chooses",
         form.MenuSwitchKey,
         SwitchText::PressSwitch,
         {"F5", scan::ScanMode::Automatic, "", 0}},
        {"two switches: the one that moves",
         form.MenuTwoSwitches,
         SwitchText::PressMoveSwitch,
         {"", scan::ScanMode::TwoSwitches, "F5", 0}},
    };
    for (const Case& c : cases) {
        form.scanning->SetSwitches({});
        QString shown;
        WhileOpen([&] {
            SwitchKeyDialog* dialog = OpenDialog();
            ASSERT_NE(dialog, nullptr) << c.name;
            shown = dialog->findChild<QLabel*>()->text();
            desktop.switchKeys.Press("F5");
        });
        c.item->trigger();
        EXPECT_EQ(platform::FromQString(shown),
                  lang::Text(c.prompt, form.languages->LlenguaDeLaInterficie))
            << c.name;
        EXPECT_EQ(form.scanning->CurrentSwitches, c.chosen) << c.name;
    }
}

}  // namespace
