#include "platform/x11/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Constants.h"
#include "platform/x11/Utf8Text.h"

namespace platform::x11 {
namespace {

using namespace std::chrono_literals;

// How long a window manager may take to hand the focus over; about 2 ms under openbox.
constexpr auto kActivationLimit = 500ms;
// Both the active window and the focus inside it are announced by events: nothing to recheck.
constexpr auto kNoRecheck = kActivationLimit;
// The activation request comes from a pager-like tool acting for the user.
constexpr long kSourcePager = 2;
// _NET_MOVERESIZE_WINDOW: north-west gravity places the outer frame at (x, y).
constexpr long kNorthWestGravity = 1;
constexpr long kMoveFlags = (1 << 8) | (1 << 9);
constexpr long kSizeFlags = (1 << 10) | (1 << 11);
constexpr long kSourceShift = 12;

int CopyToBuffer(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    const int length = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

}  // namespace

X11Windows::X11Windows(X11Connection& connection) : connection_(connection), active_(connection) {}

HWND X11Windows::GetForegroundWindow() { return active_.Get(); }

bool X11Windows::BringWindowToTop(HWND window) {
    if (window == 0) return false;
    // The window the user works in, asked for by every tracking tick and every key: no round
    // trip to the server.
    if (IsActive(window)) return true;
    if (!IsAlive(window)) return false;
    RequestActivation(window);
    // Keys sent before the focus has really moved would go to the old window.
    return connection_.WaitUntil([&] { return IsActive(window); }, kActivationLimit, kNoRecheck);
}

bool X11Windows::SetWindowNoActivate(HWND window, bool noActivate) {
    if (window == 0 || !IsAlive(window)) return false;
    Display* display = connection_.display();
    return connection_.Succeeds([&] {
        // The window manager gives the focus only to a window whose hints accept input...
        XWMHints* hints = XGetWMHints(display, window);
        XWMHints fresh{};
        XWMHints& wanted = hints != nullptr ? *hints : fresh;
        wanted.flags |= InputHint;
        wanted.input = noActivate ? False : True;
        XSetWMHints(display, window, &wanted);
        if (hints != nullptr) XFree(hints);
        // ... or that offers to take it itself when asked.
        const Atom takeFocus = connection_.atom("WM_TAKE_FOCUS");
        Atom* protocols = nullptr;
        int count = 0;
        std::vector<Atom> kept;
        if (XGetWMProtocols(display, window, &protocols, &count) != 0) {
            kept.assign(protocols, protocols + count);
            XFree(protocols);
        }
        std::erase(kept, takeFocus);
        if (!noActivate) kept.push_back(takeFocus);
        XSetWMProtocols(display, window, kept.data(), static_cast<int>(kept.size()));
        XFlush(display);
    });
}

bool X11Windows::IsActive(Window window) {
    // The window manager names the active window a little after moving the focus, so a
    // window it still names may already have lost the focus to a new one.
    return active_.HoldsFocus(window);
}

bool X11Windows::IsAlive(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(connection_.display(), window, &attributes) != 0;
}

void X11Windows::RequestActivation(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = connection_.atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = kSourcePager;
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = static_cast<long>(GetForegroundWindow());
    XSendEvent(connection_.display(), connection_.root(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    // Without a window manager the request goes unheard; raising still works then.
    XRaiseWindow(connection_.display(), window);
    XFlush(connection_.display());
}

void X11Windows::EnumWindows(const std::function<bool(HWND)>& callback) {
    auto stacking =
        connection_.Property32(connection_.root(), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    std::reverse(stacking.begin(), stacking.end());  // the list runs bottom to top
    std::stable_partition(stacking.begin(), stacking.end(),
                          [&](unsigned long window) { return IsAbove(window); });
    for (const unsigned long window : stacking) {
        if (!callback(window)) return;
    }
}

bool X11Windows::IsAbove(Window window) {
    const auto states = connection_.Property32(window, "_NET_WM_STATE", XA_ATOM);
    return std::find(states.begin(), states.end(), connection_.atom("_NET_WM_STATE_ABOVE")) !=
           states.end();
}

int X11Windows::GetWindowTextA(HWND window, char* buffer, int size) {
    const std::string utf8 = active_.Title(window, [this](Window any) { return Title(any); });
    return CopyToBuffer(Cp1252FromUtf8(utf8), buffer, size);
}

std::string X11Windows::Title(Window window) {
    auto utf8 = connection_.Property8(window, "_NET_WM_NAME", connection_.atom("UTF8_STRING"));
    if (utf8) return *utf8;
    std::string title;
    XTextProperty property{};
    char** list = nullptr;
    int count = 0;
    if (XGetWMName(connection_.display(), window, &property) != 0 && property.value != nullptr &&
        Xutf8TextPropertyToTextList(connection_.display(), &property, &list, &count) >= Success &&
        count > 0) {
        title = list[0];
    }
    if (list != nullptr) XFreeStringList(list);
    if (property.value != nullptr) XFree(property.value);
    return title;
}

int X11Windows::GetClassNameA(HWND window, char* buffer, int size) {
    XClassHint hint{};
    std::string name;
    if (XGetClassHint(connection_.display(), window, &hint) != 0 && hint.res_class != nullptr) {
        name = Cp1252FromLatin1(hint.res_class);
    }
    if (hint.res_name != nullptr) XFree(hint.res_name);
    if (hint.res_class != nullptr) XFree(hint.res_class);
    return CopyToBuffer(name, buffer, size);
}

Rect X11Windows::FrameExtents(Window window) {
    const auto extents = connection_.Property32(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (extents.size() < 4) return {};
    // The property lists left, right, top, bottom.
    return Rect{static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                static_cast<int>(extents[1]), static_cast<int>(extents[3])};
}

bool X11Windows::GetWindowRect(HWND window, Rect* rect) {
    if (window == 0 || rect == nullptr) return false;
    XWindowAttributes attributes{};
    int x = 0;
    int y = 0;
    Window child = None;
    if (XGetWindowAttributes(connection_.display(), window, &attributes) == 0 ||
        XTranslateCoordinates(connection_.display(), window, connection_.root(), 0, 0, &x, &y,
                              &child) == 0) {
        return false;
    }
    const Rect frame = FrameExtents(window);
    *rect = Rect{x - frame.left, y - frame.top, x + attributes.width + frame.right,
                 y + attributes.height + frame.bottom};
    return true;
}

bool X11Windows::SetWindowPos(HWND window, int x, int y, int cx, int cy, unsigned flags) {
    if (window == 0 || !IsAlive(window)) return false;
    const Rect frame = FrameExtents(window);
    long geometryFlags = 0;
    if ((flags & SWP_NOMOVE) == 0) geometryFlags |= kMoveFlags;
    if ((flags & SWP_NOSIZE) == 0) geometryFlags |= kSizeFlags;
    // Windows sizes count the frame; X sizes the client inside it.
    const long width = std::max(1, cx - frame.left - frame.right);
    const long height = std::max(1, cy - frame.top - frame.bottom);
    return connection_.Succeeds([&] {
        Display* display = connection_.display();
        if ((flags & SWP_SHOWWINDOW) != 0) XMapWindow(display, window);
        if (geometryFlags != 0) {
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.message_type = connection_.atom("_NET_MOVERESIZE_WINDOW");
            event.xclient.format = 32;
            event.xclient.data.l[0] =
                kNorthWestGravity | geometryFlags | (kSourcePager << kSourceShift);
            event.xclient.data.l[1] = x;
            event.xclient.data.l[2] = y;
            event.xclient.data.l[3] = width;
            event.xclient.data.l[4] = height;
            XSendEvent(display, connection_.root(), False,
                       SubstructureRedirectMask | SubstructureNotifyMask, &event);
        }
        if ((flags & SWP_NOZORDER) == 0) XRaiseWindow(display, window);
        if ((flags & SWP_SHOWWINDOW) != 0) RequestActivation(window);
    });
}

Rect X11Windows::WorkArea() {
    Display* display = connection_.display();
    const Rect screen{0, 0, DisplayWidth(display, DefaultScreen(display)),
                      DisplayHeight(display, DefaultScreen(display))};
    const auto areas = connection_.Property32(connection_.root(), "_NET_WORKAREA", XA_CARDINAL);
    const auto desktop =
        connection_.Property32(connection_.root(), "_NET_CURRENT_DESKTOP", XA_CARDINAL);
    const size_t first = 4 * (desktop.empty() ? 0 : desktop.front());
    if (areas.size() < first + 4) return screen;
    // Each desktop's area is x, y, width, height.
    const auto left = static_cast<int>(areas[first]);
    const auto top = static_cast<int>(areas[first + 1]);
    return Rect{left, top, left + static_cast<int>(areas[first + 2]),
                top + static_cast<int>(areas[first + 3])};
}

int X11Windows::GetSystemMetrics(int index) {
    Display* display = connection_.display();
    switch (index) {
        case SM_CXSCREEN:
            return DisplayWidth(display, DefaultScreen(display));
        case SM_CYSCREEN:
            return DisplayHeight(display, DefaultScreen(display));
        case SM_CXMAXIMIZED: {
            const Rect area = WorkArea();
            return area.right - area.left;
        }
        case SM_CYMAXIMIZED: {
            const Rect area = WorkArea();
            return area.bottom - area.top;
        }
        default:
            return 0;
    }
}

}  // namespace platform::x11
