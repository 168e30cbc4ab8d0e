#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/gnome/AccessibleWindows.h"

namespace {

using platform::HWND;
using platform::gnome::AccessibleRef;
using platform::gnome::AccessibleWindows;

const AccessibleRef kEditor{":1.20", "/org/a11y/atspi/accessible/3"};
const AccessibleRef kBrowser{":1.31", "/org/a11y/atspi/accessible/7"};
const AccessibleRef kEditorSecond{":1.20", "/org/a11y/atspi/accessible/9"};
const AccessibleRef kShellSwitcher{":1.0", "/org/a11y/atspi/accessible/362"};
constexpr HWND kKeyboard = 0x40000000;

// The desktop around the windows: whether the keyboard's own window has the focus, and what
// the compositor does when asked to give the focus back.
struct Session {
    HWND ownActive = 0;
    std::vector<int> switchesBack;
    std::function<void()> onSwitchBack;
    std::vector<std::string> changes;
    std::vector<AccessibleRef> titlesAsked;
    AccessibleWindows windows{platform::gnome::WindowsSupport{
        .ownActive = [this] { return ownActive; },
        .ownHandle = [](QWidget*) { return kKeyboard; },
        .switchBack =
            [this](int places) {
                switchesBack.push_back(places);
                if (onSwitchBack) onSwitchBack();
            },
        .waitUntil = [](const std::function<bool()>& condition,
                        std::chrono::milliseconds) { return condition(); },
        .screen =
            [] {
                return platform::Rect{0, 0, 1280, 800};
            },
        .refreshTitle = [this](const AccessibleRef& ref) { titlesAsked.push_back(ref); },
    }};

    Session() {
        windows.WatchForeground(
            [this] { changes.push_back(Title(windows.GetForegroundWindow())); });
    }
    std::string Title(HWND window) {
        char buffer[255] = {};
        const int length = windows.GetWindowTextA(window, buffer, sizeof buffer);
        return std::string(buffer, static_cast<size_t>(length));
    }
    std::string InFront() { return Title(windows.GetForegroundWindow()); }
};

using Step = std::function<void(Session&)>;
Step Activate(AccessibleRef ref, std::string title) {
    return [=](Session& s) { s.windows.Activated(ref, title, "app"); };
}
// GNOME Shell's frame that holds the keyboard while Alt + Escape is down.
Step ShellSwitcher() {
    return [](Session& s) { s.windows.Activated(kShellSwitcher, "", "gnome-shell"); };
}
Step Deactivate(AccessibleRef ref) {
    return [=](Session& s) { s.windows.Deactivated(ref); };
}
Step Rename(AccessibleRef ref, std::string title) {
    return [=](Session& s) { s.windows.Renamed(ref, title); };
}
Step Destroy(AccessibleRef ref) {
    return [=](Session& s) { s.windows.Destroyed(ref); };
}
Step Quit(std::string bus) {
    return [=](Session& s) { s.windows.ApplicationGone(bus); };
}
Step ClickKeyboard() {
    return [](Session& s) { s.ownActive = kKeyboard; };
}

TEST(GnomeWindows, TheWindowInFrontAndItsTitleFollowTheBusEvents) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::string inFront;
        bool receiverKnown;
    };
    const Case cases[] = {
        {"nothing told yet", {}, "", false},
        {"an activated window", {Activate(kEditor, "notes - Editor")}, "notes - Editor", true},
        {"the last activated wins",
         {Activate(kEditor, "notes - Editor"), Activate(kBrowser, "News")},
         "News",
         true},
        {"a renamed window in front",
         {Activate(kEditor, "notes - Editor"), Rename(kEditor, "*notes - Editor")},
         "*notes - Editor",
         true},
        {"a window renamed behind leaves the one in front",
         {Activate(kEditor, "notes"), Activate(kBrowser, "News"), Rename(kEditor, "letters")},
         "News",
         true},
        {"a deactivated window leaves none known",
         {Activate(kEditor, "notes"), Deactivate(kEditor)},
         "",
         false},
        {"a window deactivated after another came keeps the other",
         {Activate(kEditor, "notes"), Activate(kBrowser, "News"), Deactivate(kEditor)},
         "News",
         true},
        {"a destroyed window is gone", {Activate(kEditor, "notes"), Destroy(kEditor)}, "", false},
        {"a quitting application takes its windows",
         {Activate(kEditorSecond, "letters"), Activate(kEditor, "notes"), Quit(":1.20")},
         "",
         false},
        {"the shell's window switcher is no window to type into",
         {Activate(kEditor, "notes"), ShellSwitcher()},
         "notes",
         true},
        {"the keyboard's own window in front",
         {Activate(kEditor, "notes"), ClickKeyboard()},
         "(keyboard)",
         false},
    };
    for (const Case& c : cases) {
        Session session;
        for (const Step& step : c.steps) step(session);
        const std::string inFront =
            session.windows.GetForegroundWindow() == kKeyboard ? "(keyboard)" : session.InFront();
        EXPECT_EQ(inFront, c.inFront) << c.name;
        EXPECT_EQ(session.windows.ReceivingWindowKnown(), c.receiverKnown) << c.name;
    }
}

TEST(GnomeWindows, TheForegroundWatcherHearsOfTheWindowInFrontOnly) {
    Session session;
    session.windows.Activated(kEditor, "notes", "editor");
    session.windows.Activated(kBrowser, "News", "browser");
    session.windows.Renamed(kEditor, "letters");
    session.windows.Renamed(kBrowser, "Weather");
    EXPECT_EQ(session.changes, (std::vector<std::string>{"notes", "News", "Weather"}));
}

// Qt tells no one when a window's title changes: every read asks the bus again, and the
// answer, heard as a rename, is what the next read gives.
TEST(GnomeWindows, AReadTitleIsAskedForAgainForTheNextRead) {
    Session session;
    session.windows.Activated(kEditor, "notes", "editor");
    const HWND editor = session.windows.GetForegroundWindow();
    session.titlesAsked.clear();
    EXPECT_EQ(session.Title(editor), "notes");
    EXPECT_EQ(session.titlesAsked, std::vector<AccessibleRef>{kEditor});
    session.windows.Renamed(kEditor, "*notes");
    session.windows.Renamed(kEditor, "*notes");
    EXPECT_EQ(session.Title(editor), "*notes");
    EXPECT_EQ(session.changes, (std::vector<std::string>{"notes", "*notes"}))
        << "an answer that brings the same title is no change";
    session.titlesAsked.clear();
    EXPECT_EQ(session.Title(editor + 1), "");
    EXPECT_TRUE(session.titlesAsked.empty()) << "an unknown window is not asked for";
}

TEST(GnomeWindows, TheWindowsAreListedFromTheLastActivated) {
    Session session;
    session.windows.Activated(kEditor, "notes", "editor");
    session.windows.Activated(kBrowser, "News", "browser");
    session.windows.Activated(kEditorSecond, "letters", "editor");
    std::vector<std::string> titles;
    session.windows.EnumWindows([&](HWND window) {
        titles.push_back(session.Title(window));
        return true;
    });
    EXPECT_EQ(titles, (std::vector<std::string>{"letters", "News", "notes"}));
    char name[255] = {};
    session.windows.GetClassNameA(session.windows.GetForegroundWindow(), name, sizeof name);
    EXPECT_STREQ(name, "editor");
}

TEST(GnomeWindows, BringingTheReceiverBackAsksTheCompositorOnlyWhenItIsNotInFront) {
    struct Case {
        const char* name;
        bool keyboardClicked;
        bool browserActivated;
        bool shellSwitched;
        bool compositorGivesItBack;
        bool brought;
        std::vector<int> switchesBack;
    };
    const Case cases[] = {
        {"the receiver still in front", false, false, false, false, true, {}},
        {"the keyboard took the focus, the compositor gives it back",
         true,
         false,
         false,
         true,
         true,
         {1}},
        {"the keyboard took the focus and keeps it", true, false, false, false, false, {1}},
        {"another window took the focus", false, true, false, true, true, {1}},
        {"another window, then the keyboard took the focus", true, true, false, true, true, {2}},
        {"the shell's switcher came and went: one place back still",
         true,
         false,
         true,
         true,
         true,
         {1}},
    };
    for (const Case& c : cases) {
        Session session;
        session.windows.Activated(kEditor, "notes", "editor");
        const HWND editor = session.windows.GetForegroundWindow();
        if (c.browserActivated) session.windows.Activated(kBrowser, "News", "browser");
        if (c.shellSwitched) ShellSwitcher()(session);
        if (c.keyboardClicked) {
            session.ownActive = kKeyboard;
            session.windows.OwnActivated();
        }
        if (c.compositorGivesItBack) {
            session.onSwitchBack = [&] {
                session.ownActive = 0;
                session.windows.Activated(kEditor, "notes", "editor");
            };
        }
        EXPECT_EQ(session.windows.BringWindowToTop(editor), c.brought) << c.name;
        EXPECT_EQ(session.switchesBack, c.switchesBack) << c.name;
    }
}

TEST(GnomeWindows, NoWindowIsPlacedAndAnUnknownOneIsNotBroughtBack) {
    Session session;
    EXPECT_FALSE(session.windows.CanPlaceWindows());
    EXPECT_FALSE(session.windows.SetWindowPos(1, 0, 0, 100, 100, 0));
    EXPECT_FALSE(session.windows.BringWindowToTop(1));
    EXPECT_TRUE(session.switchesBack.empty());
}

}  // namespace
