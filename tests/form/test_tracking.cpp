#include <QAction>
#include <string>

#include "DispatchFixture.h"
#include "about/TAboutBox.h"
#include "output/UnitFindAWindow.h"

namespace {

class Tracking : public FormFixture {
  protected:
    void SetUp() override { form.tracking->TimerCercaHandleFinestra.SetEnabled(true); }

    // The user works in a window for a moment.
    void WorkIn(platform::HWND window) {
        desktop.SetForeground(window);
        desktop.Advance(100);
    }
    std::string Caption() { return platform::FromQString(form.windowTitle()); }
    // The calls of one tick that found the window in front.
    static std::vector<platform::FakeCall> BroughtToTop(platform::HWND window) {
        return {{"BringWindowToTop", {std::to_string(window)}}};
    }
};

TEST_F(Tracking, TheCaptionFollowsTheWindowTheUserWorksIn) {
    EXPECT_EQ(Caption(), "Orvalet");
    EXPECT_EQ(form.tracking->FinestraReceptora, 0u);
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    const platform::HWND browser = desktop.AddWindow("P\xE0gina - Navegador \x96 Web");
    WorkIn(editor);
    EXPECT_EQ(form.tracking->FinestraReceptora, editor);
    EXPECT_EQ(Caption(), "Document - Editor");
    WorkIn(browser);
    EXPECT_EQ(form.tracking->FinestraReceptora, browser);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Pàgina - Navegador – Web"));
}

TEST_F(Tracking, ATickComesOnlyAfterTheWindowInFrontChanged) {
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    const platform::HWND browser = desktop.AddWindow("Navegador");
    WorkIn(editor);
    EXPECT_EQ(desktop.CallsNamed("BringWindowToTop"), BroughtToTop(editor));
    desktop.ClearLog();
    desktop.Advance(60'000);
    EXPECT_TRUE(desktop.Calls().empty()) << "an idle keyboard asks the desktop nothing";
    // Changes within one interval make one tick, which sees the last of them.
    desktop.SetForeground(browser);
    desktop.Advance(40);
    desktop.SetForeground(editor);
    desktop.Advance(40);
    desktop.SetForeground(browser);
    desktop.Advance(20);
    EXPECT_EQ(desktop.CallsNamed("BringWindowToTop"), BroughtToTop(browser));
    EXPECT_EQ(Caption(), "Navegador");
}

TEST_F(Tracking, TheKeyboardsOwnWindowsAreNotRecorded) {
    TAboutBox about(desktop);
    form.AboutBox = &about;
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    WorkIn(editor);
    struct Row {
        const char* rule;
        platform::HWND foreground;
    };
    const Row rows[] = {
        {"the keyboard clicked by the user", OwnWindow()},
        {"the about box opened from the menu", desktop.HandleOf(&about)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        desktop.ClearLog();
        WorkIn(row.foreground);
        EXPECT_EQ(form.tracking->FinestraReceptora, editor);
        EXPECT_EQ(Caption(), "Document - Editor");
        EXPECT_TRUE(desktop.CallsNamed("BringWindowToTop").empty());
    }
}

TEST_F(Tracking, NoForegroundWindowLeavesNoneAsTheReceivingWindow) {
    WorkIn(desktop.AddWindow("Document - Editor"));
    WorkIn(0);
    EXPECT_EQ(form.tracking->FinestraReceptora, 0u);
    EXPECT_EQ(Caption(), "");
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
}

TEST_F(Tracking, TheCaptionHoldsAtMost254Characters) {
    const std::string title(300, 'x');
    WorkIn(desktop.AddWindow(title));
    EXPECT_EQ(Caption(), std::string(254, 'x'));
}

TEST_F(Tracking, TheReceivingWindowStaysWhenTheKeyboardIsClicked) {
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    WorkIn(editor);
    desktop.SetForeground(OwnWindow());
    ClickPath({"Y"});
    desktop.Advance(300);
    EXPECT_EQ(form.tracking->FinestraReceptora, editor);
    EXPECT_EQ(Caption(), "Document - Editor");
    EXPECT_FALSE(desktop.Keys().empty());
}

TEST_F(Tracking, FittingPutsTheReceivingWindowBesideTheKeyboard) {
    desktop.SetWorkArea(1032, 748);
    // A keyboard 203 pixels wide, frame included.
    form.resize(203 - (form.frameGeometry().width() - form.width()), form.height());
    ASSERT_EQ(form.frameGeometry().width(), 203);
    const platform::HWND editor =
        desktop.AddWindow("Document - Editor", "Editor", {5, 5, 300, 200});
    WorkIn(editor);
    form.MenuAjustarlagrandriadelafinestrareceptora->trigger();
    const std::string handle = std::to_string(editor);
    EXPECT_EQ(desktop.CallsNamed("SetWindowPos"),
              std::vector<platform::FakeCall>(
                  {{"SetWindowPos", {handle, "0", "0", "0", "829", "748", "64"}}}));
    const platform::Rect placed = desktop.Window(editor)->rect;
    EXPECT_EQ(std::vector<int>({placed.left, placed.top, placed.right, placed.bottom}),
              std::vector<int>({0, 0, 829, 748}));
}

TEST_F(Tracking, FittingWithoutALiveReceivingWindowChangesNothing) {
    form.MenuAjustarlagrandriadelafinestrareceptora->trigger();
    EXPECT_TRUE(desktop.CallsNamed("SetWindowPos").empty()) << "no window known yet";
    const platform::HWND editor = desktop.AddWindow("Document - Editor");
    WorkIn(editor);
    desktop.CloseWindow(editor);
    form.MenuAjustarlagrandriadelafinestrareceptora->trigger();
    EXPECT_EQ(form.tracking->FinestraReceptora, editor) << "a closed window keeps its handle";
}

class FindWindow : public FormFixture {};

TEST_F(FindWindow, FindsTheFirstWindowWhoseTitleHoldsTheTextExactly) {
    const platform::HWND vocelia = desktop.AddWindow("Vocelia - Projecte Brunvol 2005");
    const platform::HWND older = desktop.AddWindow("Notes on Projecte Brunvol");
    const platform::HWND newest = desktop.AddWindow("Projecte Brunvol - Navegador");
    struct Row {
        const char* rule;
        std::string title;
        platform::HWND found;
    };
    const Row rows[] = {
        {"a part of the title is enough", "Brunvol 2005", vocelia},
        {"the topmost of several matching windows wins", "Projecte Brunvol", newest},
        {"case matters", "vocelia", 0},
        {"an empty text matches nothing", "", 0},
        {"no window has the text", "Bloc de notes", 0},
        {"the whole title matches", "Notes on Projecte Brunvol", older},
        {"a longer text than the title does not", "Notes on Projecte Brunvol!", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FindWindowByTitle(desktop, row.title), row.found) << row.rule;
    }
}

TEST_F(FindWindow, TheAlwaysOnTopKeyboardComesBeforeAWindowOfTheSameTitle) {
    const platform::HWND vocelia = desktop.AddWindow("Vocelia - Projecte Brunvol 2005");
    form.tracking->TimerCercaHandleFinestra.SetEnabled(true);
    desktop.SetForeground(vocelia);
    desktop.Advance(100);
    EXPECT_EQ(FindWindowByTitle(desktop, "Vocelia - Projecte Brunvol 2005"), OwnWindow());
}

TEST_F(FindWindow, AClassPartMustAlsoBeInTheClassName) {
    const platform::HWND first = desktop.AddWindow("Vocelia", "TFormVocelia");
    const platform::HWND second = desktop.AddWindow("Vocelia", "QWidget");
    TFindWindowStruct param{"Vocelia", "Form", 0};
    EXPECT_TRUE(FindWindowEnumProc(desktop, second, &param)) << "goes on past a wrong class";
    EXPECT_EQ(param.FoundWindow, 0u);
    EXPECT_FALSE(FindWindowEnumProc(desktop, first, &param)) << "stops at a match";
    EXPECT_EQ(param.FoundWindow, first);
    TFindWindowStruct closed{"Vocelia", "", 0};
    desktop.CloseWindow(second);
    EXPECT_TRUE(FindWindowEnumProc(desktop, second, &closed)) << "a closed window has no title";
}

}  // namespace
