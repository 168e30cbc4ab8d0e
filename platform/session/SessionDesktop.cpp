#include "platform/session/SessionDesktop.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/gnome/GnomeDesktop.h"
#include "platform/wayland/KWinDesktop.h"
#include "platform/wayland/WaylandDesktop.h"
#include "platform/x11/X11Desktop.h"

namespace platform {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool Lists(const std::optional<std::vector<std::string>>& globals, const std::string& name) {
    return globals && std::find(globals->begin(), globals->end(), name) != globals->end();
}

// Asked only of mutter, whose remote desktop session takes a moment to start and stop.
std::vector<std::string> ServicesLettingIn(const std::optional<std::vector<std::string>>& globals) {
    if (!Lists(globals, "gtk_shell1") || !MutterLetsIn()) return {};
    return {"org.gnome.Mutter.RemoteDesktop"};
}

}  // namespace

SessionFacts ReadSessionFacts() {
    SessionFacts facts{
        .waylandDisplay = Variable("WAYLAND_DISPLAY"),
        .sessionType = Variable("XDG_SESSION_TYPE"),
        .currentDesktop = Variable("XDG_CURRENT_DESKTOP"),
        .x11Display = Variable("DISPLAY"),
        .globals = OfferedWaylandGlobals(),
        .services = {},
    };
    if (facts.sessionType != "x11") facts.services = ServicesLettingIn(facts.globals);
    return facts;
}

std::unique_ptr<Desktop> CreateDesktop(Backend backend) {
    switch (backend) {
        case Backend::X11:
        case Backend::XWayland:
            return CreateX11Desktop();
        case Backend::Wlroots:
            return CreateWaylandDesktop();
        case Backend::KWin:
            return CreateKWinDesktop();
        case Backend::Gnome:
            return CreateGnomeDesktop();
        case Backend::None:
            break;
    }
    throw std::runtime_error("no desktop the keyboard can run on");
}

}  // namespace platform
