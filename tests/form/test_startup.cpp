#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "about/TAboutBox.h"
#include "app/Startup.h"
#include "app/TFormPrincipal.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakeDesktop.h"
#include "ui/UnitTools.h"

namespace {

using platform::FakeDesktop;

// Notes what the about box looked like each time it was shown or hidden, and when.
struct SplashWatch : QObject {
    FakeDesktop& desktop;
    TAboutBox* box;
    struct Moment {
        QEvent::Type type;
        uint32_t tick;
        bool okVisible;
        int height;
        bool timersOn;
    };
    std::vector<Moment> moments;
    SplashWatch(FakeDesktop& desktop, TAboutBox* box) : desktop(desktop), box(box) {
        box->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            moments.push_back({event->type(), desktop.GetTickCount(), box->OKButton->isVisible(),
                               box->height(), box->Timer1.Enabled() || box->Timer2.Enabled()});
        }
        return false;
    }
};

// Every start begins without settings: a close writes them for the next start.
void ForgetSettings() {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    for (const char* name : {"orvalet.ini", "projectebrunvol.ini"}) {
        QFile::remove(folder + "/" + name);
    }
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { ForgetSettings(); }
    FakeDesktop desktop;
};

TEST_F(StartupTest, PlacesTheWindowAtTheTopRightOfTheScreen) {
    struct Case {
        const char* name;
        int screenWidth, screenHeight;
        int expectedHeight;  // outer
    };
    const Case cases[] = {
        {"1024 x 768", 1024, 768, 635},
        {"1280 x 1024", 1280, 1024, 635},
        {"a screen lower than the window", 800, 500, 500},
    };
    for (const Case& c : cases) {
        ForgetSettings();
        FakeDesktop screen;
        screen.SetScreen(c.screenWidth, c.screenHeight);
        Startup startup(screen, {});
        startup.Start();
        const QRect outer = startup.FormPrincipal->frameGeometry();
        EXPECT_EQ(outer.right() + 1, c.screenWidth) << c.name;
        EXPECT_EQ(outer.top(), 0) << c.name;
        EXPECT_EQ(outer.height(), c.expectedHeight) << c.name;
        EXPECT_EQ(outer.width(), 203) << c.name;
        startup.FormPrincipal->close();
        startup.Finish();
    }
}

TEST_F(StartupTest, ShowsTheAboutBoxForOneSecondAsASplash) {
    Startup startup(desktop, {});
    const uint32_t before = desktop.GetTickCount();
    startup.Start();
    // Replaying the splash on the finished window shows what start-up does with it.
    TAboutBox* box = startup.AboutBox.get();
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(box->OKButton->isVisibleTo(box));
    EXPECT_FALSE(box->Timer1.Enabled());
    EXPECT_FALSE(box->Timer2.Enabled());
    EXPECT_GE(desktop.GetTickCount() - before, 1000u);

    SplashWatch watch(desktop, box);
    const int fullHeight = box->height();
    box->ShowAsSplash();
    startup.FormPrincipal->Espera(1000);
    box->EndSplash();
    ASSERT_EQ(watch.moments.size(), 2u);
    EXPECT_EQ(watch.moments[0].type, QEvent::Show);
    EXPECT_FALSE(watch.moments[0].okVisible);
    EXPECT_EQ(watch.moments[0].height, fullHeight - 28);
    EXPECT_EQ(watch.moments[1].type, QEvent::Hide);
    EXPECT_EQ(watch.moments[1].tick - watch.moments[0].tick, 1000u);
    EXPECT_FALSE(watch.moments[1].timersOn);
    EXPECT_EQ(box->height(), fullHeight);
    startup.FormPrincipal->close();
}

TEST_F(StartupTest, RunsItsStepsInOrder) {
    Startup startup(desktop, {});
    startup.Start();
    const auto& calls = desktop.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().name, "LoadLibraryA");
    EXPECT_EQ(calls.front().args, std::vector<std::string>{"upctv.dll"});
    TFormPrincipal& form = *startup.FormPrincipal;
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
    EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_FALSE(form.speech->TimerStatusUpcTV.Enabled());
    EXPECT_EQ(form.scanning->TimerEscaneig.Interval(), 1200);
    EXPECT_EQ(form.windowTitle(), "Orvalet");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.Tree->CountNodes(), 287);
    form.close();
    startup.Finish();
}

TEST_F(StartupTest, WithoutTheSpeechLibraryTheReadingControlsAreDisabled) {
    Startup startup(desktop, {});
    startup.Start();
    TFormPrincipal& form = *startup.FormPrincipal;
    EXPECT_FALSE(form.ButtonLectura->isEnabled());
    EXPECT_FALSE(form.PopupLlenguatge->isEnabled());
    EXPECT_FALSE(form.PopupVeuDe->isEnabled());
    for (QAction* item : {form.MenuLlegirlateclaEnEscaneigAutomatic, form.MenuLlegirElQueSEscriu,
                          form.MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
                          form.MenuLlegeixLoSeleccionat, form.MenuSeleccionaTotTeclesEstandar,
                          form.MenuSeleccionaAmbCtrlA, form.MenuSeleccionaAmbCtrlE}) {
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    }
    EXPECT_EQ(platform::FromQString(form.ButtonLectura->toolTip()),
              "Llegir lo escrit. No es pot fer servir perqu\xE8 no hi ha instal.lada la upctv.dll");
    EXPECT_TRUE(desktop.CallsNamed("MessageBoxA").empty());
    form.close();
}

TEST_F(StartupTest, TheMainWindowHasItsDesignComponents) {
    Startup startup(desktop, {});
    startup.Start();
    TFormPrincipal& form = *startup.FormPrincipal;
    EXPECT_TRUE(form.ButtonShift->isChecked());
    EXPECT_TRUE(form.ButtonBloqMajuscules->isChecked());
    EXPECT_EQ(form.ButtonShift->text(), "shift");
    EXPECT_EQ(form.ButtonBloqMajuscules->text(), "B. M.");
    EXPECT_FALSE(form.ButtonPausa->isEnabled());
    EXPECT_FALSE(form.ButtonParar->isVisibleTo(&form));
    EXPECT_EQ(form.EditVelocitat->text(), "100");
    EXPECT_EQ(form.SpinEditTempsTimer->minimum(), 1);
    EXPECT_EQ(form.SpinEditTempsTimer->maximum(), 64);
    EXPECT_EQ(form.SpinEditTempsTimer->value(), 12);
    EXPECT_EQ(form.ButtonLectura->geometry().x(), 60);
    EXPECT_EQ(form.ButtonPausa->geometry().x(), 90);
    EXPECT_EQ(form.EditVelocitat->geometry().x(), 120);
    EXPECT_EQ(form.SpinEditTempsTimer->geometry().x(), 153);
    EXPECT_EQ(form.ButtonLectura->iconSize(), QSize(22, 22));
    EXPECT_EQ(form.Tree->indentation(), 19);
    EXPECT_TRUE(form.Tree->font().bold());
    EXPECT_EQ(form.Tree->editTriggers(), QAbstractItemView::NoEditTriggers);

    struct Item {
        QAction* action;
        const char* caption;
        const char* shortcut;
        bool checked, visible, enabled;
    };
    const Item items[] = {
        {form.MenuObrir, "&Obrir...", "", false, true, true},
        {form.MenuEnviarLesTeclesALAplicacioActiva, "Enviar les tecles a l'aplicaci\xF3 activa", "",
         true, true, true},
        {form.MenuActivarLEscaneigAutomatic, "Activar l'escaneig autom\xE0tic", "", false, true,
         true},
        // The toolkit never enables a hidden item: it cannot be chosen either way.
        {form.MenuPassarDuesVegades, "Passar dues vegades", "", true, false, false},
        {form.MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
         "Llegeix el que hi ha a la car&peta sense posar-hi res", "Ctrl+P", false, true, false},
        {form.MenuSeleccionaTotTeclesEstandar, "Selecciona &tot amb les tecles est\xE0ndard",
         "Ctrl+T", true, true, false},
        {form.MenuSeleccionaAmbCtrlE, "Selecciona tot amb Ctrl+&E (Word, Outlook Castell\xE0)",
         "Ctrl+E", false, true, false},
        {form.PopupCatala, "Catal\xE0", "", true, true, true},
        {form.MenuPortugues, "Portugu\xEAs", "", false, true, true},
        {form.MenuUPCTV, "UPCTV", "", true, true, true},
        {form.PopupHome, "Home", "", true, true, true},
        {form.MenuIdiomaSapi51, "Idioma Sapi 5.1", "", false, true, false},
        {form.MenuSortir, "&Sortir", "", false, true, true},
    };
    for (const Item& item : items) {
        EXPECT_EQ(platform::FromQString(item.action->text()), item.caption);
        EXPECT_EQ(item.action->shortcut().toString().toStdString(), item.shortcut) << item.caption;
        EXPECT_EQ(item.action->isChecked(), item.checked) << item.caption;
        EXPECT_EQ(item.action->isVisible(), item.visible) << item.caption;
        EXPECT_EQ(item.action->isEnabled(), item.enabled) << item.caption;
    }
    form.close();
}

TEST_F(StartupTest, TheExitCommandClosesTheWindow) {
    Startup startup(desktop, {});
    startup.Start();
    startup.FormPrincipal->MenuSortir->trigger();
    EXPECT_FALSE(startup.FormPrincipal->isVisible());
}

TEST_F(StartupTest, EsperaKeepsHandlingMessagesUntilTheTimeHasPassed) {
    struct Case {
        const char* name;
        int ms;
        int expectedTicks;  // of a 100 ms timer running meanwhile
    };
    const Case cases[] = {{"one second", 1000, 10}, {"half a second", 500, 5}, {"nothing", 0, 0}};
    for (const Case& c : cases) {
        FakeDesktop clock;
        int ticks = 0;
        Timer timer(clock, 100, [&] { ++ticks; });
        timer.SetEnabled(true);
        const uint32_t start = clock.GetTickCount();
        Espera(clock, c.ms);
        EXPECT_EQ(clock.GetTickCount() - start, static_cast<uint32_t>(c.ms)) << c.name;
        EXPECT_EQ(ticks, c.expectedTicks) << c.name;
    }
}

TEST_F(StartupTest, EsperaRunsHandlersThatWaitThemselves) {
    int inner = 0;
    Timer timer(desktop, 100, [&] {
        if (inner++ == 0) Espera(desktop, 300);  // a handler that waits inside the wait
    });
    timer.SetEnabled(true);
    const uint32_t start = desktop.GetTickCount();
    Espera(desktop, 1000);
    EXPECT_GE(desktop.GetTickCount() - start, 1000u);
    EXPECT_GE(inner, 9);
}

}  // namespace
