#include <gtest/gtest.h>

#include "app/WaylandSession.h"

namespace {

using wayland::Sessio;

TEST(WaylandSession, TheKeyboardRunsOnX11WhereverThereIsAnXDisplay) {
    struct Case {
        const char* name;
        const char* waylandDisplay;
        const char* sessionType;
        const char* x11Display;
        Sessio expected;
    };
    const Case cases[] = {
        {"an X11 session", nullptr, "x11", ":0", Sessio::X11},
        {"a display and nothing else", nullptr, nullptr, ":1", Sessio::X11},
        {"a Wayland session with XWayland", "wayland-0", "wayland", ":0", Sessio::AmbXWayland},
        {"a Wayland display without a session type", "wayland-1", nullptr, ":0",
         Sessio::AmbXWayland},
        {"a Wayland session type without its display variable", nullptr, "wayland", ":0",
         Sessio::AmbXWayland},
        {"empty Wayland variables count as none", "", "", ":0", Sessio::X11},
        {"Wayland without XWayland", "wayland-0", "wayland", nullptr, Sessio::SenseX11},
        {"an empty X display", nullptr, "x11", "", Sessio::SenseX11},
        {"no display at all", nullptr, nullptr, nullptr, Sessio::SenseX11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wayland::SessioDe(c.waylandDisplay, c.sessionType, c.x11Display), c.expected)
            << c.name;
    }
}

TEST(WaylandSession, AWlrootsCompositorRunsTheKeyboardOnWaylandItself) {
    struct Case {
        const char* name;
        const char* waylandDisplay;
        const char* sessionType;
        const char* x11Display;
        bool protocolsOffered;
        Sessio expected;
    };
    const Case cases[] = {
        {"a wlroots compositor with XWayland", "wayland-1", "wayland", ":0", true, Sessio::Wayland},
        {"a wlroots compositor without XWayland", "wayland-1", "wayland", nullptr, true,
         Sessio::Wayland},
        {"a wlroots compositor without a session type", "wayland-1", nullptr, nullptr, true,
         Sessio::Wayland},
        {"a compositor lacking a protocol, with XWayland", "wayland-0", "wayland", ":0", false,
         Sessio::AmbXWayland},
        {"a compositor lacking a protocol, without XWayland", "wayland-0", "wayland", nullptr,
         false, Sessio::SenseX11},
        {"an X11 session keeps X11 even with a Wayland display", "wayland-1", "x11", ":0", true,
         Sessio::X11},
        {"no Wayland display to talk to", nullptr, "wayland", ":0", true, Sessio::AmbXWayland},
        {"an empty Wayland display counts as none", "", nullptr, ":0", true, Sessio::X11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wayland::ChooseSession(c.waylandDisplay, c.sessionType, c.x11Display,
                                         c.protocolsOffered),
                  c.expected)
            << c.name;
    }
}

}  // namespace
