#pragma once

#include <cstdint>
#include <optional>

#include "platform/DesktopParts.h"
#include "platform/Types.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// SendMessageA between programs: see WireFormat.h.
class X11Messages final : public WindowMessages {
  public:
    explicit X11Messages(X11Connection& connection);
    ~X11Messages() override;
    X11Messages(const X11Messages&) = delete;
    X11Messages& operator=(const X11Messages&) = delete;

    long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) override;

  private:
    long SendAndWaitForReply(Window window, unsigned message, uintptr_t wParam, intptr_t lParam);
    long RequestCloseAndWait(Window window);
    void OnEvent(const XEvent& event);

    X11Connection& connection_;
    Window replyWindow_ = 0;
    long serial_ = 0;
    // What the event handler saw of the message being waited for.
    Window awaited_ = 0;
    std::optional<long> reply_;
    bool destroyed_ = false;
    bool unmapped_ = false;
};

}  // namespace platform::x11
