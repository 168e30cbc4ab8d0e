#include "platform/x11/ActiveWindow.h"

#include <X11/Xatom.h>

namespace platform::x11 {
namespace {

// Focus changes, title changes and the window's end.
constexpr long kFollowedEvents = FocusChangeMask | PropertyChangeMask | StructureNotifyMask;

// Whether the focus is inside the followed window after a focus event on it: it stays inside
// while it moves between the window and its children. A grab leaves the focus where it was,
// and pointer events concern the window under the pointer, not the focus.
bool InsideAfter(const XFocusChangeEvent& event, bool inside) {
    if (event.mode == NotifyGrab || event.mode == NotifyUngrab) return inside;
    if (event.detail == NotifyPointer) return inside;
    return event.type == FocusIn || event.detail == NotifyInferior;
}

}  // namespace

ActiveWindow::ActiveWindow(X11Connection& connection)
    : connection_(connection),
      activeAtom_(connection.atom("_NET_ACTIVE_WINDOW")),
      netNameAtom_(connection.atom("_NET_WM_NAME")) {
    connection_.SelectEvents(connection_.root(), PropertyChangeMask);
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

ActiveWindow::~ActiveWindow() {
    if (followed_) connection_.UnselectEvents(active_, kFollowedEvents);
    connection_.UnselectEvents(connection_.root(), PropertyChangeMask);
}

Window ActiveWindow::Get() {
    Refresh();
    return active_;
}

bool ActiveWindow::HoldsFocus(Window window) {
    Refresh();
    return window != 0 && window == active_ && focusInside_;
}

std::string ActiveWindow::Title(Window window, const std::function<std::string(Window)>& read) {
    Refresh();
    if (window == 0 || window != active_ || !followed_) return read(window);
    if (!title_) title_ = read(window);
    return *title_;
}

void ActiveWindow::Refresh() {
    connection_.DispatchPending();
    if (!stale_) return;
    stale_ = false;
    const auto named = connection_.Property32(connection_.root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    const Window active = named.empty() ? 0 : named.front();
    if (active != active_ || !followed_) Follow(active);
}

void ActiveWindow::Follow(Window window) {
    if (followed_) connection_.UnselectEvents(active_, kFollowedEvents);
    active_ = window;
    followed_ = false;
    title_.reset();
    focusInside_ = false;
    if (window == 0) return;
    // Selected before the focus is asked for, so that no change after the answer goes unseen.
    // The window manager may still name a window that is already gone, and its number may
    // come back on a new window: only a window whose end will be announced is followed.
    followed_ = connection_.Succeeds([&] { connection_.SelectEvents(window, kFollowedEvents); });
    if (!followed_) {
        connection_.UnselectEvents(window, kFollowedEvents);
        return;
    }
    focusInside_ = FocusIsInside(window);
}

bool ActiveWindow::FocusIsInside(Window window) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(connection_.display(), &focus, &revert);
    // The focus may sit on a child of the top-level window.
    while (focus != None && focus != PointerRoot && focus != connection_.root()) {
        if (focus == window) return true;
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(connection_.display(), focus, &root, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) XFree(children);
        focus = parent;
    }
    return false;
}

void ActiveWindow::OnEvent(const XEvent& event) {
    switch (event.type) {
        case PropertyNotify: {
            const XPropertyEvent& change = event.xproperty;
            if (change.window == connection_.root() && change.atom == activeAtom_) {
                stale_ = true;
                Changed();
            }
            if (active_ != 0 && change.window == active_ &&
                (change.atom == XA_WM_NAME || change.atom == netNameAtom_)) {
                title_.reset();
                Changed();
            }
            break;
        }
        case FocusIn:
        case FocusOut:
            if (active_ != 0 && event.xfocus.window == active_) {
                focusInside_ = InsideAfter(event.xfocus, focusInside_);
            }
            break;
        case DestroyNotify:
            // The server gives a window's number to a new window once the old one is gone, so
            // the window named next may carry the same number: it is followed afresh.
            if (active_ != 0 && event.xdestroywindow.window == active_) {
                active_ = 0;
                followed_ = false;
                focusInside_ = false;
                title_.reset();
                stale_ = true;
                Changed();
            }
            break;
        default:
            break;
    }
}

void ActiveWindow::Changed() {
    if (changed_) changed_();
}

}  // namespace platform::x11
