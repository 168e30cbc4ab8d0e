#include "platform/x11/X11Messages.h"

#include "platform/Constants.h"
#include "platform/x11/WireFormat.h"

namespace platform::x11 {
namespace {

using namespace std::chrono_literals;

// Nothing but the reply or the window's end can end a wait, and both come as events.
constexpr auto kNoRecheck = 1000ms;

XEvent ClientMessageTo(Window window, Atom type) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    return event;
}

}  // namespace

X11Messages::X11Messages(X11Connection& connection) : connection_(connection) {
    replyWindow_ = XCreateWindow(connection_.display(), connection_.root(), -1, -1, 1, 1, 0,
                                 CopyFromParent, InputOnly, CopyFromParent, 0, nullptr);
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

X11Messages::~X11Messages() { XDestroyWindow(connection_.display(), replyWindow_); }

long X11Messages::SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (window == 0) return 0;
    connection_.DispatchPending();  // earlier events must not count for this message
    awaited_ = window;
    reply_.reset();
    destroyed_ = false;
    unmapped_ = false;
    // The window's end is watched too, so a receiver that dies ends the wait at once.
    if (!connection_.Succeeds([&] { connection_.SelectEvents(window, StructureNotifyMask); })) {
        connection_.UnselectEvents(window, StructureNotifyMask);
        return 0;
    }
    const long result = message == WM_CLOSE ? RequestCloseAndWait(window)
                                            : SendAndWaitForReply(window, message, wParam, lParam);
    connection_.UnselectEvents(window, StructureNotifyMask);
    awaited_ = 0;
    return result;
}

long X11Messages::SendAndWaitForReply(Window window, unsigned message, uintptr_t wParam,
                                      intptr_t lParam) {
    XEvent event = ClientMessageTo(window, connection_.atom(wire::kMessageAtom));
    event.xclient.data.l[wire::kMessage] = message;
    event.xclient.data.l[wire::kWParam] = static_cast<long>(wParam);
    event.xclient.data.l[wire::kLParam] = lParam;
    event.xclient.data.l[wire::kReplyWindow] = static_cast<long>(replyWindow_);
    event.xclient.data.l[wire::kSerial] = ++serial_;
    if (!connection_.Succeeds(
            [&] { XSendEvent(connection_.display(), window, False, NoEventMask, &event); })) {
        return 0;
    }
    connection_.WaitUntil([this] { return reply_.has_value() || destroyed_; }, wire::kReplyLimit,
                          kNoRecheck);
    return reply_.value_or(0);
}

long X11Messages::RequestCloseAndWait(Window window) {
    XEvent event = ClientMessageTo(window, connection_.atom("WM_PROTOCOLS"));
    event.xclient.data.l[0] = static_cast<long>(connection_.atom("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    if (connection_.Succeeds(
            [&] { XSendEvent(connection_.display(), window, False, NoEventMask, &event); })) {
        connection_.WaitUntil([this] { return destroyed_ || unmapped_; }, wire::kReplyLimit,
                              kNoRecheck);
    }
    return 0;
}

void X11Messages::OnEvent(const XEvent& event) {
    if (awaited_ == 0) return;
    if (event.type == DestroyNotify && event.xdestroywindow.window == awaited_) {
        destroyed_ = true;
    } else if (event.type == UnmapNotify && event.xunmap.window == awaited_) {
        unmapped_ = true;
    } else if (event.type == ClientMessage && event.xclient.window == replyWindow_ &&
               event.xclient.message_type == connection_.atom(wire::kReplyAtom) &&
               event.xclient.data.l[wire::kRepliedSerial] == serial_) {
        reply_ = event.xclient.data.l[wire::kResult];
    }
}

}  // namespace platform::x11
