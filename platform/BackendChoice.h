#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The desktop backends the keyboard can run on.
enum class Backend {
    X11,       // an X11 session
    XWayland,  // a Wayland session through XWayland: keys reach X11 applications only
    Wlroots,   // a wlroots compositor (sway and its relatives)
    KWin,      // KDE Plasma's compositor
    Gnome,     // GNOME's compositor, mutter
    None,      // no display the keyboard can work with
};

// What the session tells of itself before any window opens.
struct SessionFacts {
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
    std::string currentDesktop;  // XDG_CURRENT_DESKTOP: desktop names separated by colons
    std::string x11Display;      // DISPLAY
    // The interface names of the globals the Wayland compositor offers this program; nullopt
    // when no compositor answers (or none is named).
    std::optional<std::vector<std::string>> globals;
    // The desktop's own services on the session bus that let this program in, among those a
    // backend needs: "org.gnome.Mutter.RemoteDesktop" once mutter has started a remote desktop
    // session for it.
    std::vector<std::string> services;
};

struct BackendChoice {
    Backend backend = Backend::None;
    // Why, in a few words, for the line start-up writes on the error output.
    std::string reason;
};

// The backend the session offers: an X11 session's own display first, then the first
// compositor backend whose protocols the compositor offers and whose services let this
// program in, else XWayland where there is an X display.
BackendChoice ChooseBackend(const SessionFacts& facts);

// The backend's name as the line on the error output gives it.
const char* NameOf(Backend backend);

// The toolkit platform the backend's windows must open on ("xcb", "wayland"), or null where
// the toolkit's own choice is right.
const char* ToolkitPlatformOf(Backend backend);

// The one line start-up writes on the error output, without its end of line.
std::string DescribeChoice(const BackendChoice& choice);

}  // namespace platform
