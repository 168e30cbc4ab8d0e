#include "Receiver.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

namespace {

constexpr auto kActivationLimit = std::chrono::seconds(5);
constexpr auto kPoll = std::chrono::milliseconds(10);
// The request comes from a pager-like tool acting for the user.
constexpr long kSourcePager = 2;

Window ActiveWindow(Display* display) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    Window active = None;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, "_NET_ACTIVE_WINDOW", False), 0, 1, False,
                           XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        data) {
        if (count == 1) active = *reinterpret_cast<Window*>(data);
        XFree(data);
    }
    return active;
}

}  // namespace

Receiver::Receiver(Display* display, const std::string& title) : display_(display) {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 400, 200, 0, 0,
                                  WhitePixel(display_, DefaultScreen(display_)));
    XStoreName(display_, window_, title.c_str());
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    XWMHints hints{};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display_, window_, &hints);
    XMapWindow(display_, window_);
    XSync(display_, False);
}

Receiver::~Receiver() {
    XDestroyWindow(display_, window_);
    XSync(display_, False);
}

bool Receiver::Activate() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = kSourcePager;
    event.xclient.data.l[1] = CurrentTime;
    const auto deadline = std::chrono::steady_clock::now() + kActivationLimit;
    // A window that is not yet managed ignores the request: it is made again until it works.
    while (std::chrono::steady_clock::now() < deadline) {
        if (ActiveWindow(display_) == window_) return true;
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync(display_, False);
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}
