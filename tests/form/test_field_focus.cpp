#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include "DispatchFixture.h"
#include "DispatchKeys.h"

namespace {

using namespace dispatchkeys;

// The keyboard as a user finds it: the editor has the focus, and a click on the keyboard's
// window leaves it there.
class FieldFocus : public DispatchFixture {
  protected:
    void SetUp() override {
        DispatchFixture::SetUp();
        desktop.SetForeground(editor);
    }

    void PressOn(QWidget* field) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                          field->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(field, &press);
    }

    void Type(QWidget* field, Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(field, &down);
    }

    std::vector<std::string> NoActivateCalls() {
        std::vector<std::string> calls;
        for (const platform::FakeCall& call : desktop.CallsNamed("SetWindowNoActivate"))
            calls.push_back(call.args.at(1));
        return calls;
    }
};

TEST_F(FieldFocus, TheShownKeyboardDoesNotTakeTheFocusWhenItsKeysAreClicked) {
    EXPECT_FALSE(desktop.BringWindowToTop(OwnWindow())) << "the window manager may not activate it";
    ClickPath({"B", "BA"});
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
    EXPECT_EQ(desktop.Foreground(), editor);
    EXPECT_TRUE(NoActivateCalls().empty()) << "a key leaves the window as it is";
}

TEST_F(FieldFocus, AFieldHoldsTheFocusWhileTheUserTypesAndGivesItBackWhenDone) {
    QLineEdit* spinText = form.SpinEditTempsTimer->findChild<QLineEdit*>();
    struct Row {
        const char* rule;
        QWidget* field;
        std::function<void()> done;
    };
    const Row rows[] = {
        {"Return in the speed field", form.EditVelocitat,
         [&] { Type(form.EditVelocitat, Qt::Key_Return); }},
        {"Return in the scan time", spinText, [&] { Type(spinText, Qt::Key_Return); }},
        {"the next key", form.EditVelocitat, [&] { ClickPath({"Y"}); }},
        {"the focus leaves the field", spinText,
         [&] {
             QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
             QApplication::sendEvent(spinText, &out);
         }},
    };
    for (const Row& row : rows) {
        form.activateWindow();
        desktop.SetForeground(editor);
        // The window system moves the focus to the field before the press reaches it.
        row.field->setFocus();
        desktop.ClearLog();
        PressOn(row.field);
        EXPECT_EQ(NoActivateCalls(), std::vector<std::string>{"0"}) << row.rule;
        EXPECT_EQ(desktop.Foreground(), OwnWindow()) << row.rule << ": the field can be typed into";

        desktop.ClearLog();
        row.done();
        EXPECT_EQ(NoActivateCalls(), std::vector<std::string>{"1"}) << row.rule;
        EXPECT_EQ(desktop.Foreground(), editor) << row.rule << ": the user is back in the editor";
        form.Tree->CollapseAll();
    }
}

TEST_F(FieldFocus, ClickingTheFieldAgainWhileTypingDoesNotAskTwice) {
    PressOn(form.EditVelocitat);
    form.EditVelocitat->setFocus();
    PressOn(form.EditVelocitat);
    EXPECT_EQ(NoActivateCalls(), std::vector<std::string>{"0"});
}

}  // namespace
