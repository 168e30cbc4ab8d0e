#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "about/TAboutBox.h"
#include "platform/fake/FakeDesktop.h"

namespace {

const QString kQuotation = QStringLiteral(
    "Las alegrías no vienen sólo de los éxitos conseguidos, sinó, y sobretodo, de las "
    "dificultades superadas");
constexpr int kTick = 3500;

using Handler = void (TAboutBox::*)();
using Part = std::function<QWidget*(TAboutBox&)>;

// The one picture of the lower panel that shows, or "several"/"none".
std::string ShownPicture(const TAboutBox& box) {
    const std::pair<const char*, QWidget*> pictures[] = {
        {"Image2", box.Image2},
        {"Image1", box.Image1},
        {"ImageInteligencia", box.ImageInteligencia},
        {"ImageDedicatoria", box.ImageDedicatoria}};
    std::string shown = "none";
    for (const auto& [name, picture] : pictures) {
        if (picture->isHidden()) continue;
        shown = shown == "none" ? name : "several";
    }
    return shown;
}

std::string ShownIcon(const TAboutBox& box) {
    if (!box.ImageOrella->isHidden() && box.ImageOrdinador->isHidden()) return "ear";
    if (box.ImageOrella->isHidden() && !box.ImageOrdinador->isHidden()) return "computer";
    return "broken";
}

// A left click as the window system delivers it: pressed and released on the widget.
void Click(QWidget* widget, QPointF releaseAt = {2, 2}) {
    const QPointF pressAt(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, pressAt, widget->mapToGlobal(pressAt),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, releaseAt, widget->mapToGlobal(releaseAt),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class AboutBox : public ::testing::Test {
  protected:
    std::string ShownPicture() { return ::ShownPicture(box); }
    std::string ShownIcon() { return ::ShownIcon(box); }

    void ShowOnly(QWidget* picture) {
        for (QWidget* each : std::initializer_list<QWidget*>{
                 box.Image2, box.Image1, box.ImageInteligencia, box.ImageDedicatoria}) {
            each->setVisible(each == picture);
        }
    }

    bool TimersRunning() { return box.Timer1.Enabled() && box.Timer2.Enabled(); }
    bool TimersStopped() { return !box.Timer1.Enabled() && !box.Timer2.Enabled(); }

    platform::FakeDesktop desktop;
    TAboutBox box{desktop};
};

TEST_F(AboutBox, ComponentsSitWhereDesigned) {
    struct Row {
        const char* name;
        Part part;
        QPoint place;
        std::optional<QSize> size;
        bool shown;
    };
    const Row rows[] = {
        {"Panel1", [](TAboutBox& b) { return b.Panel1; }, {16, 16}, QSize(273, 145), true},
        {"ImageOrella", [](TAboutBox& b) { return b.ImageOrella; }, {12, 20}, QSize(33, 33), true},
        {"ImageOrdinador",
         [](TAboutBox& b) { return b.ImageOrdinador; },
         {12, 20},
         QSize(33, 33),
         false},
        {"Image4", [](TAboutBox& b) { return b.Image4; }, {64, 5}, QSize(201, 52), true},
        {"Version", [](TAboutBox& b) { return b.Version; }, {125, 53}, std::nullopt, true},
        {"LabelWeb", [](TAboutBox& b) { return b.LabelWeb; }, {5, 72}, std::nullopt, true},
        {"Comments", [](TAboutBox& b) { return b.Comments; }, {16, 90}, QSize(233, 52), true},
        {"Panel2", [](TAboutBox& b) { return b.Panel2; }, {16, 176}, QSize(273, 161), true},
        {"Image3", [](TAboutBox& b) { return b.Image3; }, {70, 2}, QSize(172, 338), false},
        {"OKButton", [](TAboutBox& b) { return b.OKButton; }, {111, 352}, QSize(77, 27), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = row.part(box);
        EXPECT_EQ(widget->pos(), row.place);
        if (row.size) {
            EXPECT_EQ(widget->size(), *row.size);
        }
        EXPECT_EQ(!widget->isHidden(), row.shown);
    }
}

TEST_F(AboutBox, LowerPanelStacksItsPicturesWithTheSecondOnTop) {
    const QRect panel(QPoint(0, 0), box.Panel2->size());
    for (QWidget* inside :
         {static_cast<QWidget*>(box.Image2), static_cast<QWidget*>(box.Image1),
          static_cast<QWidget*>(box.ImageInteligencia), static_cast<QWidget*>(box.ImageDedicatoria),
          static_cast<QWidget*>(box.Memo1)}) {
        EXPECT_EQ(inside->parentWidget(), box.Panel2);
        EXPECT_TRUE(panel.contains(inside->geometry()));
    }
    EXPECT_EQ(ShownPicture(), "Image2");
    EXPECT_TRUE(box.Memo1->isHidden());
}

TEST_F(AboutBox, WindowIsAFixedSilverDialogWithItsDesignTexts) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Parlant de..."));
    EXPECT_EQ(box.size(), QSize(305, 385));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(box.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.LabelWeb->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.Version->text(), QStringLiteral("Versió 68 - 20/06/2016"));
    EXPECT_EQ(box.Comments->text(), kQuotation);
    EXPECT_TRUE(box.Comments->wordWrap());
    EXPECT_TRUE(box.Comments->alignment() & Qt::AlignRight);
    EXPECT_TRUE(box.Comments->font().bold());
    EXPECT_EQ(box.OKButton->text(), QStringLiteral("D'acord"));
    EXPECT_TRUE(box.LabelWeb->toolTip().startsWith(QStringLiteral("https://")));
    EXPECT_FALSE(box.Image3->toolTip().isEmpty());
    EXPECT_TRUE(box.Memo1->isReadOnly());
    EXPECT_FALSE(box.Memo1->toPlainText().isEmpty());
}

TEST(AboutBoxPlacement, CentredOnTheScreen) {
    platform::FakeDesktop desktop;
    desktop.SetScreen(800, 600);
    TAboutBox box(desktop);
    EXPECT_EQ(box.pos(), QPoint((800 - 305) / 2, (600 - 385) / 2));
}

// The picture a label shows, drawing it first when it is drawn only as it comes on screen.
QPixmap PictureOf(QLabel* label) {
    if (auto* lazy = dynamic_cast<about::LazyPicture*>(label)) return lazy->Drawn();
    return label->pixmap();
}

TEST_F(AboutBox, EveryPictureIsDrawnAtItsSizeAndDiffersFromTheOthers) {
    QLabel* const pictures[] = {box.ImageOrella,      box.ImageOrdinador, box.Image4,
                                box.Image2,           box.Image1,         box.ImageInteligencia,
                                box.ImageDedicatoria, box.Image3};
    for (QLabel* picture : pictures) {
        const QPixmap pixmap = PictureOf(picture);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), picture->size());
    }
    for (QLabel* a : pictures) {
        for (QLabel* b : pictures) {
            if (a != b && a->size() == b->size()) {
                EXPECT_NE(a->pixmap().toImage(), b->pixmap().toImage());
            }
        }
    }
}

// The pictures that wait their turn, or a click, are drawn as they come on screen.
TEST_F(AboutBox, APictureThatComesOnScreenShowsItsDrawing) {
    box.show();
    for (int turn = 0; turn < 3; ++turn) box.Timer1Timer();
    box.VersionClick();
    for (const about::LazyPicture* picture :
         {box.Image1, box.ImageInteligencia, box.ImageDedicatoria, box.Image3}) {
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(picture->pixmap().size(), picture->size());
    }
}

TEST_F(AboutBox, TimersRunOnlyWhileTheBoxIsShown) {
    EXPECT_EQ(box.Timer1.Interval(), kTick);
    EXPECT_EQ(box.Timer2.Interval(), kTick);
    EXPECT_TRUE(TimersStopped());
    box.show();
    EXPECT_TRUE(TimersRunning());
    box.hide();
    EXPECT_TRUE(TimersStopped());
    desktop.Advance(3 * kTick);
    EXPECT_EQ(ShownPicture(), "Image2");
    EXPECT_EQ(ShownIcon(), "ear");
}

TEST_F(AboutBox, PicturesTakeTurnsAndTheCreditsFollowTheFirstFullTurn) {
    struct Row {
        const char* rule;
        uint32_t advanceMs;
        std::string picture;
        bool credits;
    };
    const Row rows[] = {
        {"nothing changes before the interval", kTick - 1, "Image2", false},
        {"second picture at the interval", 1, "Image1", false},
        {"third picture", kTick, "ImageInteligencia", false},
        {"dedication", kTick, "ImageDedicatoria", false},
        {"back to the first picture, credits shown", kTick, "Image2", true},
        {"second turn keeps the credits", kTick, "Image1", true},
        {"second turn goes on", kTick, "ImageInteligencia", true},
    };
    box.show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        desktop.Advance(row.advanceMs);
        EXPECT_EQ(ShownPicture(), row.picture);
        EXPECT_EQ(box.Comments->text() != kQuotation, row.credits);
    }
}

TEST_F(AboutBox, RotationGoesOnUnderTheMemoAndTheLargePicture) {
    box.show();
    box.FormClick();
    desktop.Advance(kTick);
    EXPECT_EQ(ShownPicture(), "Image1");
    box.Image4Click();
    desktop.Advance(kTick);
    EXPECT_EQ(ShownPicture(), "ImageInteligencia");
}

TEST_F(AboutBox, NextShowingContinuesFromTheLastPicture) {
    box.show();
    desktop.Advance(2 * kTick);
    ASSERT_EQ(ShownPicture(), "ImageInteligencia");
    box.hide();
    desktop.Advance(5 * kTick);
    EXPECT_EQ(ShownPicture(), "ImageInteligencia");
    box.show();
    desktop.Advance(kTick);
    EXPECT_EQ(ShownPicture(), "ImageDedicatoria");
}

TEST_F(AboutBox, IconsSwapEveryInterval) {
    const char* expected[] = {"computer", "ear", "computer", "ear"};
    box.show();
    for (const char* icon : expected) {
        desktop.Advance(kTick);
        EXPECT_EQ(ShownIcon(), icon);
    }
}

TEST_F(AboutBox, ModalShowingEndsWithOkAndStopsTheTimers) {
    bool runningWhileModal = false;
    QTimer::singleShot(0, &box, [&] {
        runningWhileModal = TimersRunning();
        box.OKButton->click();
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_TRUE(runningWhileModal);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(TimersStopped());
}

TEST_F(AboutBox, ClosingTheWindowStopsTheTimers) {
    QTimer::singleShot(0, &box, [&] { box.close(); });
    EXPECT_EQ(box.exec(), QDialog::Rejected);
    EXPECT_TRUE(TimersStopped());
}

TEST_F(AboutBox, SplashShowsWithoutButtonAndWithStillPictures) {
    box.ShowAsSplash();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.height(), 385 - 28);
    EXPECT_EQ(box.width(), 305);
    EXPECT_TRUE(box.OKButton->isHidden());
    EXPECT_TRUE(TimersStopped());
    desktop.Advance(1000);
    desktop.Advance(2 * kTick);
    EXPECT_EQ(ShownPicture(), "Image2");
    EXPECT_EQ(ShownIcon(), "ear");

    box.EndSplash();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.size(), QSize(305, 385));
    EXPECT_FALSE(box.OKButton->isHidden());
    EXPECT_TRUE(TimersStopped());

    box.show();
    EXPECT_TRUE(TimersRunning());
    desktop.Advance(kTick);
    EXPECT_EQ(ShownPicture(), "Image1");
}

TEST_F(AboutBox, SplashCallsOutOfOrderLeaveTheBoxWhole) {
    box.EndSplash();
    EXPECT_EQ(box.size(), QSize(305, 385));
    box.ShowAsSplash();
    box.ShowAsSplash();
    EXPECT_EQ(box.height(), 385 - 28);
    box.EndSplash();
    box.EndSplash();
    EXPECT_EQ(box.size(), QSize(305, 385));
    EXPECT_FALSE(box.OKButton->isHidden());
}

TEST_F(AboutBox, PictureClicksAdvanceByHandWithoutCredits) {
    struct Row {
        const char* rule;
        Handler handler;
        Part from;
        std::string to;
    };
    const Row rows[] = {
        {"Image2 gives way to Image1", &TAboutBox::Image2Click,
         [](TAboutBox& b) { return b.Image2; }, "Image1"},
        {"Image1 gives way to ImageInteligencia", &TAboutBox::Image1Click,
         [](TAboutBox& b) { return b.Image1; }, "ImageInteligencia"},
        {"ImageInteligencia gives way to ImageDedicatoria", &TAboutBox::ImageInteligenciaClick,
         [](TAboutBox& b) { return b.ImageInteligencia; }, "ImageDedicatoria"},
        {"ImageDedicatoria gives way to Image2", &TAboutBox::ImageDedicatoriaClick,
         [](TAboutBox& b) { return b.ImageDedicatoria; }, "Image2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        ShowOnly(row.from(box));
        (box.*row.handler)();
        EXPECT_EQ(ShownPicture(), row.to);
        EXPECT_EQ(box.Comments->text(), kQuotation);
    }
}

TEST_F(AboutBox, LogoVersionAndUpperPanelShowTheLargePicture) {
    struct Row {
        const char* rule;
        Handler handler;
    };
    const Row rows[] = {{"logo", &TAboutBox::Image4Click},
                        {"version", &TAboutBox::VersionClick},
                        {"upper panel", &TAboutBox::Panel1Click}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        (box.*row.handler)();
        EXPECT_TRUE(box.Panel1->isHidden());
        EXPECT_TRUE(box.Panel2->isHidden());
        EXPECT_FALSE(box.Image3->isHidden());
        box.Image3Click();
        EXPECT_FALSE(box.Panel1->isHidden());
        EXPECT_FALSE(box.Panel2->isHidden());
        EXPECT_TRUE(box.Image3->isHidden());
    }
}

TEST_F(AboutBox, BackgroundAndLowerPanelToggleTheMemo) {
    struct Row {
        const char* rule;
        Handler handler;
    };
    const Row rows[] = {{"window background", &TAboutBox::FormClick},
                        {"lower panel", &TAboutBox::Panel2Click}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        (box.*row.handler)();
        EXPECT_FALSE(box.Memo1->isHidden());
        (box.*row.handler)();
        EXPECT_TRUE(box.Memo1->isHidden());
    }
}

TEST_F(AboutBox, CommentsClickShowsTheCredits) {
    box.CommentsClick();
    EXPECT_NE(box.Comments->text(), kQuotation);
    EXPECT_TRUE(box.Comments->text().contains(QStringLiteral("Orvalet")));
}

TEST_F(AboutBox, MakerLineOpensTheMakerPage) {
    box.LabelWebClick();
    const std::string page = box.LabelWeb->toolTip().toStdString();
    const std::vector<platform::FakeCall> expected = {
        {"ShellExecuteA", {"open", page, "", "", "1"}}};
    EXPECT_EQ(desktop.CallsNamed("ShellExecuteA"), expected);
}

TEST(AboutBoxMouse, ClicksReachOnlyTheClickedPart) {
    struct Row {
        const char* rule;
        Part target;
        std::function<bool(TAboutBox&, platform::FakeDesktop&)> happened;
    };
    const Row rows[] = {
        {"picture in the lower panel rotates, memo stays hidden",
         [](TAboutBox& b) { return b.Image2; },
         [](TAboutBox& b, auto&) { return ShownPicture(b) == "Image1" && b.Memo1->isHidden(); }},
        {"lower panel's own area toggles the memo", [](TAboutBox& b) { return b.Panel2; },
         [](TAboutBox& b, auto&) { return !b.Memo1->isHidden(); }},
        {"window background toggles the memo", [](TAboutBox& b) { return &b; },
         [](TAboutBox& b, auto&) { return !b.Memo1->isHidden(); }},
        {"logo shows the large picture", [](TAboutBox& b) { return b.Image4; },
         [](TAboutBox& b, auto&) { return !b.Image3->isHidden() && b.Panel1->isHidden(); }},
        {"large picture brings the panels back",
         [](TAboutBox& b) {
             b.Image4Click();
             return b.Image3;
         },
         [](TAboutBox& b, auto&) { return b.Image3->isHidden() && !b.Panel1->isHidden(); }},
        {"ear icon does nothing", [](TAboutBox& b) { return b.ImageOrella; },
         [](TAboutBox& b, auto&) { return !b.Panel1->isHidden() && b.Image3->isHidden(); }},
        {"quotation gives way to the credits", [](TAboutBox& b) { return b.Comments; },
         [](TAboutBox& b, auto&) { return b.Comments->text() != kQuotation; }},
        {"maker line opens the page", [](TAboutBox& b) { return b.LabelWeb; },
         [](TAboutBox&, platform::FakeDesktop& d) {
             return d.CallsNamed("ShellExecuteA").size() == 1;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        platform::FakeDesktop desktop;
        TAboutBox box(desktop);
        box.show();
        Click(row.target(box));
        EXPECT_TRUE(row.happened(box, desktop));
    }
}

TEST_F(AboutBox, ReleasingOutsideThePictureIsNoClick) {
    box.show();
    Click(box.Image2, QPointF(-5, -5));
    EXPECT_EQ(ShownPicture(), "Image2");
    EXPECT_TRUE(box.Memo1->isHidden());
}

}  // namespace
