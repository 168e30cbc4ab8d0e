#include "platform/BackendChoice.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

namespace platform {
namespace {

// A compositor backend and what the compositor must offer for it.
struct CompositorBackend {
    Backend backend;
    // The name XDG_CURRENT_DESKTOP gives the desktops of this compositor.
    std::string_view desktop;
    std::vector<std::string_view> globals;
    // What to tell when the compositor of this desktop lacks one of them.
    std::string_view hint;
    // The session bus service that must let this program in, if any, and what it did instead.
    std::string_view service;
    std::string_view refusal;
};

// In the order they are tried.
const std::array<CompositorBackend, 3> kCompositorBackends = {{
    {Backend::Wlroots,
     "sway",
     {"wl_seat", "zwlr_foreign_toplevel_manager_v1", "zwp_virtual_keyboard_manager_v1",
      "zwlr_virtual_pointer_manager_v1"},
     "",
     "",
     ""},
    {Backend::KWin,
     "KDE",
     {"wl_seat", "org_kde_kwin_fake_input", "org_kde_plasma_window_management"},
     " to this program (KWin offers it to the programs whose installed desktop file asks for "
     "it)",
     "",
     ""},
    // gtk_shell1 is mutter's own protocol; the keys and the pointer go through its remote
    // desktop on the session bus.
    {Backend::Gnome,
     "GNOME",
     {"wl_seat", "gtk_shell1"},
     "",
     "org.gnome.Mutter.RemoteDesktop",
     "mutter does not start a remote desktop session for this program "
     "(org.gnome.Mutter.RemoteDesktop on the session bus)"},
}};

std::optional<std::string_view> FirstMissing(const CompositorBackend& candidate,
                                             const std::vector<std::string>& offered) {
    for (std::string_view global : candidate.globals) {
        if (std::find(offered.begin(), offered.end(), global) == offered.end()) return global;
    }
    return std::nullopt;
}

bool LetsIn(const CompositorBackend& candidate, const std::vector<std::string>& services) {
    return candidate.service.empty() ||
           std::find(services.begin(), services.end(), candidate.service) != services.end();
}

bool ListsDesktop(std::string_view desktops, std::string_view desktop) {
    while (!desktops.empty()) {
        const size_t colon = desktops.find(':');
        if (desktops.substr(0, colon) == desktop) return true;
        if (colon == std::string_view::npos) break;
        desktops.remove_prefix(colon + 1);
    }
    return false;
}

// The backend the session's desktop would need: the one of its desktop name, else the first.
const CompositorBackend& Expected(const SessionFacts& facts) {
    for (const CompositorBackend& candidate : kCompositorBackends) {
        if (ListsDesktop(facts.currentDesktop, candidate.desktop)) return candidate;
    }
    return kCompositorBackends.front();
}

std::string Joined(const std::vector<std::string_view>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

// Why a Wayland session does not run on the compositor itself.
std::string WhyNotOnTheCompositor(const SessionFacts& facts) {
    if (!facts.globals) {
        return facts.waylandDisplay.empty() ? "WAYLAND_DISPLAY is not set"
                                            : "no Wayland compositor answers on WAYLAND_DISPLAY";
    }
    const CompositorBackend& expected = Expected(facts);
    if (const std::optional<std::string_view> missing = FirstMissing(expected, *facts.globals)) {
        return "the Wayland compositor does not offer " + std::string(*missing) +
               std::string(expected.hint);
    }
    return std::string(expected.refusal);
}

std::string Offers(const CompositorBackend& candidate) {
    std::string text = "the compositor offers " + Joined(candidate.globals);
    if (!candidate.service.empty()) {
        text += " and a remote desktop session through " + std::string(candidate.service);
    }
    return text;
}

}  // namespace

BackendChoice ChooseBackend(const SessionFacts& facts) {
    const bool hasX11 = !facts.x11Display.empty();
    // An X11 session's own display comes first, whatever Wayland display runs inside it.
    if (facts.sessionType == "x11" && hasX11) return {Backend::X11, "an X11 session"};
    if (!facts.waylandDisplay.empty() && facts.globals) {
        for (const CompositorBackend& candidate : kCompositorBackends) {
            if (!FirstMissing(candidate, *facts.globals) && LetsIn(candidate, facts.services)) {
                return {candidate.backend, Offers(candidate)};
            }
        }
    }
    const bool wayland = !facts.waylandDisplay.empty() || facts.sessionType == "wayland";
    if (!hasX11) {
        return {Backend::None,
                wayland ? "no X11 display (DISPLAY is not set) and " + WhyNotOnTheCompositor(facts)
                        : "no display: neither DISPLAY nor WAYLAND_DISPLAY is set"};
    }
    if (wayland) return {Backend::XWayland, WhyNotOnTheCompositor(facts)};
    return {Backend::X11, "DISPLAY is set and no Wayland session runs"};
}

const char* NameOf(Backend backend) {
    switch (backend) {
        case Backend::X11:
            return "X11";
        case Backend::XWayland:
            return "XWayland";
        case Backend::Wlroots:
            return "wlroots";
        case Backend::KWin:
            return "KWin";
        case Backend::Gnome:
            return "GNOME";
        case Backend::None:
            break;
    }
    return "none";
}

const char* ToolkitPlatformOf(Backend backend) {
    switch (backend) {
        case Backend::Wlroots:
        case Backend::KWin:
        case Backend::Gnome:
            // The keyboard's own windows must be the compositor's clients, as its keys are.
            return "wayland";
        case Backend::XWayland:
            // The keys are X11 events: the toolkit must open its windows there too.
            return "xcb";
        case Backend::X11:
        case Backend::None:
            break;
    }
    return nullptr;
}

std::string DescribeChoice(const BackendChoice& choice) {
    std::ostringstream line;
    line << "Orvalet: desktop backend " << NameOf(choice.backend) << ": " << choice.reason;
    if (choice.backend == Backend::XWayland) line << "; keys reach X11 applications only";
    if (choice.backend == Backend::None) line << "; the keyboard cannot run";
    return line.str();
}

}  // namespace platform
