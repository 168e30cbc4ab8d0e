#include "platform/x11/MessageReceiver.h"

#include <xcb/xproto.h>

#include <QCoreApplication>

#include "platform/x11/WireFormat.h"
#include "platform/x11/X11Connection.h"

namespace platform {
namespace {

// Set on events that came from XSendEvent rather than from the server itself.
constexpr uint8_t kSentEventFlag = 0x80;

}  // namespace

MessageReceiver::MessageReceiver(QWidget* window, Handler handler)
    : window_(window->window()),
      handler_(std::move(handler)),
      connection_(std::make_unique<x11::X11Connection>()) {
    messageAtom_ = connection_->atom(x11::wire::kMessageAtom);
    replyAtom_ = connection_->atom(x11::wire::kReplyAtom);
    window_->winId();  // the window must exist for a sender to find it
    QCoreApplication::instance()->installNativeEventFilter(this);
}

MessageReceiver::~MessageReceiver() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool MessageReceiver::nativeEventFilter(const QByteArray& eventType, void* message,
                                        qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t" || window_.isNull()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~kSentEventFlag) != XCB_CLIENT_MESSAGE) return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->type != messageAtom_ || client->format != 32 ||
        client->window != window_->winId()) {
        return false;
    }
    const uint32_t* words = client->data.data32;
    const long answer = handler_(words[x11::wire::kMessage], words[x11::wire::kWParam],
                                 static_cast<int32_t>(words[x11::wire::kLParam]));
    Reply(words[x11::wire::kReplyWindow], static_cast<int32_t>(words[x11::wire::kSerial]), answer);
    return true;
}

void MessageReceiver::Reply(unsigned long replyWindow, long serial, long result) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = replyWindow;
    event.xclient.message_type = replyAtom_;
    event.xclient.format = 32;
    event.xclient.data.l[x11::wire::kRepliedSerial] = serial;
    event.xclient.data.l[x11::wire::kResult] = result;
    // A sender that gave up and went away leaves no window to answer; that is no fault here.
    connection_->Succeeds(
        [&] { XSendEvent(connection_->display(), replyWindow, False, NoEventMask, &event); });
}

}  // namespace platform
