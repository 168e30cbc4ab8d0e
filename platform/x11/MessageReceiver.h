#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {
namespace x11 {
class X11Connection;
}

// The receiving side of SendMessageA (wire format in x11/WireFormat.h): hands each message
// that reaches the widget's top-level window to a handler and answers the sender with its
// result. Lives as long as the handler should answer; needs a running QApplication.
class MessageReceiver : public QAbstractNativeEventFilter {
  public:
    using Handler = std::function<long(unsigned message, uintptr_t wParam, intptr_t lParam)>;

    MessageReceiver(QWidget* window, Handler handler);
    ~MessageReceiver() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    void Reply(unsigned long replyWindow, long serial, long result);

    QPointer<QWidget> window_;
    Handler handler_;
    std::unique_ptr<x11::X11Connection> connection_;
    unsigned long messageAtom_ = 0;
    unsigned long replyAtom_ = 0;
};

}  // namespace platform
