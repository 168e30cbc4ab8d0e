#include "platform/session/SessionDesktop.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/wayland/WaylandDesktop.h"
#include "platform/x11/X11Desktop.h"

namespace platform {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

SessionFacts ReadSessionFacts() {
    SessionFacts facts{
        .waylandDisplay = Variable("WAYLAND_DISPLAY"),
        .sessionType = Variable("XDG_SESSION_TYPE"),
        .currentDesktop = Variable("XDG_CURRENT_DESKTOP"),
        .x11Display = Variable("DISPLAY"),
        .globals = OfferedWaylandGlobals(),
    };
    return facts;
}

std::unique_ptr<Desktop> CreateDesktop(Backend backend) {
    switch (backend) {
        case Backend::X11:
        case Backend::XWayland:
            return CreateX11Desktop();
        case Backend::Wlroots:
            return CreateWaylandDesktop();
        case Backend::None:
            break;
    }
    throw std::runtime_error("no desktop the keyboard can run on");
}

}  // namespace platform
