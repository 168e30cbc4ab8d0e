#include "platform/x11/ActiveWindow.h"

#include <X11/Xatom.h>

namespace platform::x11 {
namespace {

// Focus changes and the window's end.
constexpr long kFollowedEvents = FocusChangeMask | StructureNotifyMask;

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
    : connection_(connection), activeAtom_(connection.atom("_NET_ACTIVE_WINDOW")) {
    connection_.SelectEvents(connection_.root(), PropertyChangeMask);
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

ActiveWindow::~ActiveWindow() {
    if (active_ != 0) connection_.UnselectEvents(active_, kFollowedEvents);
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

void ActiveWindow::Refresh() {
    connection_.DispatchPending();
    if (!stale_) return;
    stale_ = false;
    const auto named = connection_.Property32(connection_.root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    const Window active = named.empty() ? 0 : named.front();
    if (active != active_) Follow(active);
}

void ActiveWindow::Follow(Window window) {
    if (active_ != 0) connection_.UnselectEvents(active_, kFollowedEvents);
    active_ = window;
    focusInside_ = false;
    if (window == 0) return;
    // Selected before the focus is asked for, so that no change after the answer goes unseen.
    connection_.SelectEvents(window, kFollowedEvents);
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
            if (change.window == connection_.root() && change.atom == activeAtom_) stale_ = true;
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
                focusInside_ = false;
                stale_ = true;
            }
            break;
        default:
            break;
    }
}

}  // namespace platform::x11
