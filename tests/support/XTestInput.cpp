#include "tests/support/XTestInput.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace e2e {

struct XTestInput::Connection {
    Display* display = XOpenDisplay(nullptr);
    ~Connection() {
        if (display) XCloseDisplay(display);
    }
};

XTestInput::XTestInput() : connection_(std::make_unique<Connection>()) {}
XTestInput::~XTestInput() = default;

bool XTestInput::Connected() const { return connection_->display != nullptr; }

Point XTestInput::Where() const {
    Display* display = connection_->display;
    Window root, child;
    int x, y, winX, winY;
    unsigned mask;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &winX, &winY, &mask);
    return {x, y};
}

void XTestInput::MoveAndPress(Point at, int button) {
    XTestFakeMotionEvent(connection_->display, -1, at.x, at.y, CurrentTime);
    XTestFakeButtonEvent(connection_->display, button, True, CurrentTime);
    XFlush(connection_->display);
}

void XTestInput::Release(int button) {
    XTestFakeButtonEvent(connection_->display, button, False, CurrentTime);
    XFlush(connection_->display);
}

void XTestInput::Click(Point at, int button, int times) {
    XTestFakeMotionEvent(connection_->display, -1, at.x, at.y, CurrentTime);
    for (int i = 0; i < times; ++i) {
        XTestFakeButtonEvent(connection_->display, button, True, CurrentTime);
        XTestFakeButtonEvent(connection_->display, button, False, CurrentTime);
    }
    XFlush(connection_->display);
}

void XTestInput::Click(int button) {
    XTestFakeButtonEvent(connection_->display, button, True, CurrentTime);
    XTestFakeButtonEvent(connection_->display, button, False, CurrentTime);
    XFlush(connection_->display);
}

void XTestInput::Key(unsigned long keysym, bool down) {
    XTestFakeKeyEvent(connection_->display, XKeysymToKeycode(connection_->display, keysym), down,
                      CurrentTime);
    XFlush(connection_->display);
}

}  // namespace e2e
