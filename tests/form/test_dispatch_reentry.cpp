#include <QAction>
#include <functional>
#include <utility>

#include "DispatchFixture.h"
#include "DispatchKeys.h"

namespace {

using namespace dispatchkeys;

// Runs a hook inside the next bringing to the top, where window messages are handled, and
// notes whether the two timers were running at each key event.
class WatchingDesktop : public platform::FakeDesktop {
  public:
    bool BringWindowToTop(platform::HWND window) override {
        if (auto hook = std::exchange(onBringToTop, {})) hook();
        return FakeDesktop::BringWindowToTop(window);
    }
    void keybd_event(uint8_t vk, uint8_t scan, unsigned flags, uintptr_t extra) override {
        if (form) {
            timersAtKeys.push_back(form->tracking->TimerCercaHandleFinestra.Enabled() ||
                                   form->scanning->TimerEscaneig.Enabled());
        }
        FakeDesktop::keybd_event(vk, scan, flags, extra);
    }

    std::function<void()> onBringToTop;
    TFormPrincipal* form = nullptr;
    std::vector<bool> timersAtKeys;
};

class DispatchReentry : public DispatchFixtureOn<WatchingDesktop> {};

TEST_F(DispatchReentry, AClickHandledWhileTheReceiverComesBackTypesItsOwnKeyOnly) {
    SetCase(Case::LowerCase);
    desktop.onBringToTop = [this] { Click(Node({"ESPAI"})); };
    Click(Node({"Y"}));
    // The inner click runs at once; the outer one still types the key it was made on.
    EXPECT_EQ(desktop.Keys(), Join({Tap(VK_SPACE), Tap('Y')}));
}

TEST_F(DispatchReentry, NeitherTimerRunsWhileKeysAreSent) {
    desktop.form = &form;
    form.MenuActivarLEscaneigAutomatic->setChecked(true);
    form.scanning->TimerEscaneig.SetEnabled(true);
    SetCase(Case::LowerCase);
    ClickPath({"B", "BA"});
    ASSERT_FALSE(desktop.timersAtKeys.empty());
    EXPECT_EQ(desktop.timersAtKeys, std::vector<bool>(desktop.timersAtKeys.size(), false));
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
}

TEST_F(DispatchReentry, NoKeyGoesOutWhenTheReceivingWindowCannotBeBroughtBack) {
    struct Row {
        const char* rule;
        std::function<void()> before;
    };
    const Row rows[] = {
        {"the receiving window has closed", [this] { desktop.CloseWindow(editor); }},
        {"no receiving window is known", [this] { form.tracking->FinestraReceptora = 0; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        row.before();
        desktop.SetForeground(OwnWindow());
        desktop.ClearLog();
        ClickPath({"B", "BA"});
        ClickPath({"TECLES ESPECIALS", "ESQUERRA"});
        ClickPath({"RETURN"});
        EXPECT_TRUE(desktop.Keys().empty());
        EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
        EXPECT_EQ(OpenGroups(), std::vector<std::string>{"TECLES ESPECIALS"});
        // The keyboard keeps working once another window is in front.
        const platform::HWND other = desktop.AddWindow("Other");
        desktop.SetForeground(other);
        desktop.Advance(100);
        desktop.SetForeground(OwnWindow());
        ClickPath({"Y"});
        EXPECT_EQ(desktop.Keys(), Shifted(Tap('Y')));
        EXPECT_EQ(desktop.Foreground(), other);
        editor = desktop.AddWindow("Document - Editor");
        form.tracking->FinestraReceptora = editor;
        form.Tree->CollapseAll();
    }
}

}  // namespace
