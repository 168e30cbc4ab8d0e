#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/BackendChoice.h"

namespace {

using platform::Backend;
using platform::SessionFacts;
using Globals = std::optional<std::vector<std::string>>;

const std::vector<std::string> kWlroots = {"wl_seat",
                                           "wl_shm",
                                           "zwlr_foreign_toplevel_manager_v1",
                                           "zwp_virtual_keyboard_manager_v1",
                                           "zwlr_virtual_pointer_manager_v1",
                                           "zxdg_output_manager_v1"};
const std::vector<std::string> kKWin = {"wl_seat",
                                        "wl_shm",
                                        "org_kde_kwin_fake_input",
                                        "org_kde_plasma_window_management",
                                        "zxdg_output_manager_v1",
                                        "org_kde_plasma_shell"};
// What KWin offers a program whose desktop file does not ask for its restricted protocols.
const std::vector<std::string> kKWinRestricted = {"wl_seat", "wl_shm", "zxdg_output_manager_v1",
                                                  "org_kde_plasma_shell"};
const std::vector<std::string> kMutter = {"wl_seat", "wl_shm", "gtk_shell1",
                                          "zxdg_output_manager_v1", "zwp_text_input_manager_v3"};
const std::vector<std::string> kRemoteDesktop = {"org.gnome.Mutter.RemoteDesktop"};
const std::vector<std::string> kWithoutToplevels = {"wl_seat", "zwp_virtual_keyboard_manager_v1",
                                                    "zwlr_virtual_pointer_manager_v1"};

struct Case {
    const char* name;
    SessionFacts facts;
    Backend expected;
};

TEST(BackendChoice, TheSessionDecidesTheBackend) {
    const Case cases[] = {
        {"an X11 session", {"", "x11", "", ":0", std::nullopt, {}}, Backend::X11},
        {"a display and nothing else", {"", "", "", ":1", std::nullopt, {}}, Backend::X11},
        {"a Wayland session with XWayland, its compositor unreachable",
         {"wayland-0", "wayland", "", ":0", std::nullopt, {}},
         Backend::XWayland},
        {"a Wayland display without a session type",
         {"wayland-1", "", "", ":0", std::nullopt, {}},
         Backend::XWayland},
        {"a Wayland session type without its display variable",
         {"", "wayland", "", ":0", std::nullopt, {}},
         Backend::XWayland},
        {"Wayland without XWayland, its compositor unreachable",
         {"wayland-0", "wayland", "", "", std::nullopt, {}},
         Backend::None},
        {"an empty X display", {"", "x11", "", "", std::nullopt, {}}, Backend::None},
        {"no display at all", {"", "", "", "", std::nullopt, {}}, Backend::None},
        {"a wlroots compositor with XWayland",
         {"wayland-1", "wayland", "sway", ":0", kWlroots, {}},
         Backend::Wlroots},
        {"a wlroots compositor without XWayland",
         {"wayland-1", "wayland", "", "", kWlroots, {}},
         Backend::Wlroots},
        {"a wlroots compositor without a session type",
         {"wayland-1", "", "", "", kWlroots, {}},
         Backend::Wlroots},
        {"a compositor lacking a protocol, with XWayland",
         {"wayland-0", "wayland", "", ":0", kWithoutToplevels, {}},
         Backend::XWayland},
        {"a compositor lacking a protocol, without XWayland",
         {"wayland-0", "wayland", "", "", kWithoutToplevels, {}},
         Backend::None},
        {"an X11 session keeps X11 even with a Wayland display",
         {"wayland-1", "x11", "", ":0", kWlroots, {}},
         Backend::X11},
        {"KWin with XWayland", {"wayland-0", "wayland", "KDE", ":1", kKWin, {}}, Backend::KWin},
        {"KWin without XWayland", {"wayland-0", "wayland", "KDE", "", kKWin, {}}, Backend::KWin},
        {"KWin whatever the desktop is called",
         {"wayland-0", "", "", "", kKWin, {}},
         Backend::KWin},
        {"KWin keeping its protocols from the program, with XWayland",
         {"wayland-0", "wayland", "KDE", ":1", kKWinRestricted, {}},
         Backend::XWayland},
        {"an X11 Plasma session keeps X11",
         {"wayland-0", "x11", "KDE", ":0", kKWin, {}},
         Backend::X11},
        {"globals heard without a Wayland display count for nothing",
         {"", "wayland", "", ":0", kWlroots, {}},
         Backend::XWayland},
        {"GNOME with mutter's remote desktop",
         {"wayland-0", "wayland", "GNOME", ":0", kMutter, kRemoteDesktop},
         Backend::Gnome},
        {"GNOME without XWayland",
         {"wayland-0", "wayland", "GNOME", "", kMutter, kRemoteDesktop},
         Backend::Gnome},
        {"Ubuntu's GNOME",
         {"wayland-0", "wayland", "ubuntu:GNOME", ":0", kMutter, kRemoteDesktop},
         Backend::Gnome},
        {"GNOME refusing the remote desktop stays on XWayland",
         {"wayland-0", "wayland", "GNOME", ":0", kMutter, {}},
         Backend::XWayland},
        {"GNOME refusing the remote desktop without XWayland",
         {"wayland-0", "wayland", "GNOME", "", kMutter, {}},
         Backend::None},
        {"a remote desktop service on a compositor that is not mutter",
         {"wayland-0", "wayland", "", ":0", kWithoutToplevels, kRemoteDesktop},
         Backend::XWayland},
        {"an X11 GNOME session keeps X11",
         {"wayland-0", "x11", "GNOME", ":0", kMutter, kRemoteDesktop},
         Backend::X11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ChooseBackend(c.facts).backend, c.expected) << c.name;
    }
}

TEST(BackendChoice, TheReasonNamesWhatDecided) {
    struct ReasonCase {
        const char* name;
        SessionFacts facts;
        const char* line;
    };
    const ReasonCase cases[] = {
        {"an X11 session",
         {"", "x11", "", ":0", std::nullopt, {}},
         "Orvalet: desktop backend X11: an X11 session"},
        {"a wlroots compositor",
         {"wayland-1", "wayland", "sway", ":0", kWlroots, {}},
         "Orvalet: desktop backend wlroots: the compositor offers wl_seat, "
         "zwlr_foreign_toplevel_manager_v1, zwp_virtual_keyboard_manager_v1 and "
         "zwlr_virtual_pointer_manager_v1"},
        {"the first protocol missing",
         {"wayland-0", "wayland", "", ":0", kWithoutToplevels, {}},
         "Orvalet: desktop backend XWayland: the Wayland compositor does not offer "
         "zwlr_foreign_toplevel_manager_v1; keys reach X11 applications only"},
        {"KWin",
         {"wayland-0", "wayland", "KDE", ":1", kKWin, {}},
         "Orvalet: desktop backend KWin: the compositor offers wl_seat, org_kde_kwin_fake_input "
         "and org_kde_plasma_window_management"},
        {"KWin keeping its protocols from the program",
         {"wayland-0", "wayland", "KDE", ":1", kKWinRestricted, {}},
         "Orvalet: desktop backend XWayland: the Wayland compositor does not offer "
         "org_kde_kwin_fake_input to this program (KWin offers it to the programs whose "
         "installed desktop file asks for it); keys reach X11 applications only"},
        {"a Plasma session named among others",
         {"wayland-0", "wayland", "ubuntu:KDE", ":1", kKWinRestricted, {}},
         "Orvalet: desktop backend XWayland: the Wayland compositor does not offer "
         "org_kde_kwin_fake_input to this program (KWin offers it to the programs whose "
         "installed desktop file asks for it); keys reach X11 applications only"},
        {"GNOME",
         {"wayland-0", "wayland", "GNOME", ":0", kMutter, kRemoteDesktop},
         "Orvalet: desktop backend GNOME: the compositor offers wl_seat and gtk_shell1 and a "
         "remote desktop session through org.gnome.Mutter.RemoteDesktop"},
        {"GNOME refusing the remote desktop",
         {"wayland-0", "wayland", "GNOME", ":0", kMutter, {}},
         "Orvalet: desktop backend XWayland: mutter does not start a remote desktop session for "
         "this program (org.gnome.Mutter.RemoteDesktop on the session bus); keys reach X11 "
         "applications only"},
        {"a compositor that does not answer",
         {"wayland-9", "wayland", "", ":0", std::nullopt, {}},
         "Orvalet: desktop backend XWayland: no Wayland compositor answers on WAYLAND_DISPLAY; "
         "keys reach X11 applications only"},
        {"no X11 display under Wayland",
         {"wayland-0", "wayland", "", "", kWithoutToplevels, {}},
         "Orvalet: desktop backend none: no X11 display (DISPLAY is not set) and the Wayland "
         "compositor does not offer zwlr_foreign_toplevel_manager_v1; the keyboard cannot run"},
        {"no display at all",
         {"", "", "", "", std::nullopt, {}},
         "Orvalet: desktop backend none: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; "
         "the keyboard cannot run"},
    };
    for (const ReasonCase& c : cases) {
        EXPECT_EQ(platform::DescribeChoice(platform::ChooseBackend(c.facts)), c.line) << c.name;
    }
}

TEST(BackendChoice, TheToolkitOpensItsWindowsWhereTheKeysGo) {
    struct PlatformCase {
        Backend backend;
        const char* expected;
    };
    const PlatformCase cases[] = {
        {Backend::X11, nullptr},    {Backend::XWayland, "xcb"},  {Backend::Wlroots, "wayland"},
        {Backend::KWin, "wayland"}, {Backend::Gnome, "wayland"}, {Backend::None, nullptr},
    };
    for (const PlatformCase& c : cases) {
        const char* platform = platform::ToolkitPlatformOf(c.backend);
        EXPECT_EQ(platform != nullptr ? std::string(platform) : "(toolkit's own)",
                  c.expected != nullptr ? std::string(c.expected) : "(toolkit's own)")
            << platform::NameOf(c.backend);
    }
}

}  // namespace
