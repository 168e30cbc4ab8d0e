#include <QColorDialog>
#include <QFontDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "FormFixture.h"
#include "app/SettingsFont.h"

namespace {

class FontCommand : public FormFixture {
  protected:
    // Runs a step on the dialog that is modal at that moment, once the event loop shows it.
    void OnModal(std::function<void(QWidget*)> step) {
        QTimer::singleShot(0, [step] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            step(modal);
        });
    }
    QPushButton* ButtonWithText(QWidget* dialog, const QString& text) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) return button;
        }
        return nullptr;
    }
};

TEST_F(FontCommand, TheFontDialogOffersTheColourOfTheKeys) {
    OnModal([this](QWidget* dialog) {
        auto* chooser = dialog->findChild<QFontDialog*>();
        ASSERT_NE(chooser, nullptr);
        QFont bigger = chooser->currentFont();
        bigger.setPointSize(20);
        chooser->setCurrentFont(bigger);
        QPushButton* colour = ButtonWithText(dialog, "&Color...");
        ASSERT_NE(colour, nullptr);
        OnModal([](QWidget* colours) {
            auto* picker = qobject_cast<QColorDialog*>(colours);
            ASSERT_NE(picker, nullptr);
            picker->setCurrentColor(QColor(0, 128, 255));
            picker->accept();
        });
        colour->click();
        OnModal([](QWidget* same) { static_cast<QDialog*>(same)->accept(); });
    });
    form.font->MenuCanviarLaFontClick();
    EXPECT_EQ(form.Tree->font().pointSize(), 20);
    EXPECT_EQ(form.Tree->palette().color(QPalette::Text), QColor(0, 128, 255));
    EXPECT_EQ(form.font->FontDialogColor, 0xFF8000) << "kept as 0x00BBGGRR";
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
}

TEST_F(FontCommand, CancellingKeepsFontAndColour) {
    const QFont before = form.Tree->font();
    const std::int32_t colourBefore = form.font->FontDialogColor;
    OnModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    form.font->MenuCanviarLaFontClick();
    EXPECT_EQ(form.Tree->font(), before);
    EXPECT_EQ(form.font->FontDialogColor, colourBefore);
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
}

TEST(FontColour, ChosenColoursAreKeptAsTheSettingsFileHoldsThem) {
    struct Case {
        const char* name;
        QColor colour;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"red is the low byte", QColor(255, 0, 0), 0x0000FF},
        {"blue is the third byte", QColor(0, 0, 255), 0xFF0000},
        {"black", QColor(0, 0, 0), 0},
        {"white", QColor(255, 255, 255), 0xFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settings::ColorDesat(c.colour), c.stored) << c.name;
        EXPECT_EQ(settings::ColorDeText(c.stored), c.colour) << c.name << " comes back";
    }
}

}  // namespace
