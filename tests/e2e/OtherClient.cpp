#include "tests/e2e/OtherClient.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace e2e {

OtherClient::OtherClient() : display_(XOpenDisplay(nullptr)) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    popup_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, 50, 50, 0, CopyFromParent,
                           InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
}

OtherClient::~OtherClient() {
    XDestroyWindow(display_, popup_);
    XCloseDisplay(display_);
}

void OtherClient::Rename(platform::HWND window, const std::string& title) {
    XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    XSync(display_, False);
}

void OtherClient::TakeFocus() {
    // The focus can go only to a window that is on the screen; the exposure says it is, and
    // is asked for before the window is shown so that it cannot come first.
    XSelectInput(display_, popup_, ExposureMask);
    XMapRaised(display_, popup_);
    XEvent shown;
    XWindowEvent(display_, popup_, ExposureMask, &shown);
    XSetInputFocus(display_, popup_, RevertToParent, CurrentTime);
    XSync(display_, False);
}

platform::HWND OtherClient::CreateWindow(const std::string& title) {
    const Window window =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 50, 50, 0, 0, 0);
    Rename(window, title);
    return window;
}

void OtherClient::NameActive(platform::HWND window) {
    const auto named = static_cast<long>(window);
    XChangeProperty(display_, DefaultRootWindow(display_),
                    XInternAtom(display_, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&named), 1);
    XSync(display_, False);
}

}  // namespace e2e
