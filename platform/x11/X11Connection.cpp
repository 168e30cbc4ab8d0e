#include "platform/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace platform::x11 {
namespace {

// Xlib has one error handler per process; it finds the connection an error belongs to here
// and leaves errors of other connections (Qt's own, for one) to the handler it replaced.
std::map<Display*, unsigned long*>& ErrorCounters() {
    static std::map<Display*, unsigned long*> counters;
    return counters;
}
XErrorHandler previousHandler = nullptr;

// Long enough for any title or list the desktop holds, in 32-bit units.
constexpr long kMaxPropertyLength = 1 << 20;

long Combined(const std::vector<long>& masks) {
    long combined = NoEventMask;
    for (const long mask : masks) combined |= mask;
    return combined;
}

}  // namespace

X11Connection::X11Connection() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) throw std::runtime_error("cannot open the X display named by DISPLAY");
    root_ = DefaultRootWindow(display_);
    ErrorCounters()[display_] = &errors_;
    XErrorHandler replaced = XSetErrorHandler(&X11Connection::RecordError);
    if (replaced != &X11Connection::RecordError) previousHandler = replaced;
}

X11Connection::~X11Connection() {
    ErrorCounters().erase(display_);
    XCloseDisplay(display_);
}

int X11Connection::RecordError(Display* display, XErrorEvent* error) {
    auto found = ErrorCounters().find(display);
    if (found != ErrorCounters().end()) {
        ++*found->second;
        return 0;
    }
    return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

Atom X11Connection::atom(const char* name) const { return XInternAtom(display_, name, False); }

bool X11Connection::Succeeds(const std::function<void()>& calls) {
    XSync(display_, False);
    const unsigned long before = errors_;
    calls();
    XSync(display_, False);
    return errors_ == before;
}

std::vector<unsigned long> X11Connection::Property32(Window window, const char* name, Atom type) {
    std::vector<unsigned long> items;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    // A request with a reply tells its own failure: no further round trip is needed.
    const bool read =
        XGetWindowProperty(display_, window, atom(name), 0, kMaxPropertyLength, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success;
    if (read && data != nullptr && actualType == type && format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data != nullptr) XFree(data);
    return items;
}

std::optional<std::string> X11Connection::Property8(Window window, const char* name, Atom type) {
    std::optional<std::string> bytes;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool read =
        XGetWindowProperty(display_, window, atom(name), 0, kMaxPropertyLength, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success;
    if (read && data != nullptr && actualType == type && format == 8) {
        bytes.emplace(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    return bytes;
}

void X11Connection::SelectEvents(Window window, long mask) {
    std::vector<long>& masks = selected_[window];
    masks.push_back(mask);
    XSelectInput(display_, window, Combined(masks));
}

void X11Connection::UnselectEvents(Window window, long mask) {
    const auto found = selected_.find(window);
    if (found == selected_.end()) return;
    std::vector<long>& masks = found->second;
    const auto entry = std::find(masks.begin(), masks.end(), mask);
    if (entry == masks.end()) return;
    masks.erase(entry);
    XSelectInput(display_, window, Combined(masks));
    if (masks.empty()) selected_.erase(found);
}

void X11Connection::AddEventHandler(std::function<void(const XEvent&)> handler) {
    handlers_.push_back(std::move(handler));
}

void X11Connection::DispatchPending() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        for (const auto& handler : handlers_) handler(event);
        // A window that is gone selects nothing any more.
        if (event.type == DestroyNotify) selected_.erase(event.xdestroywindow.window);
    }
}

bool X11Connection::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
                              std::chrono::milliseconds recheck) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + limit;
    for (;;) {
        DispatchPending();
        if (done()) return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        if (XEventsQueued(display_, QueuedAlready) > 0) continue;  // read while done() ran
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(std::min(left, recheck).count()) + 1);
    }
}

}  // namespace platform::x11
