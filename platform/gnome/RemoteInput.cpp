#include "platform/gnome/RemoteInput.h"

#include <stdexcept>

namespace platform::gnome {
namespace {

// Farther than any layout of screens is wide or high.
constexpr double kBeyondTheScreens = 100000;

}  // namespace

RemoteInput::RemoteInput(RemoteDesktop& session, std::function<Rect()> layout)
    : session_(session), layout_(std::move(layout)) {
    if (!session_.Start()) {
        throw std::runtime_error("mutter does not start a remote desktop session");
    }
    delivering_ = true;
    session_.OnEnded([this] { Ended(); });
    session_.OnServiceBack([this] { ServiceBack(); });
}

bool RemoteInput::MoveTo(Point point) {
    const Rect layout = layout_();
    if (!delivering_ || point.x < layout.left || point.x >= layout.right || point.y < layout.top ||
        point.y >= layout.bottom) {
        return false;
    }
    // Not the top left corner: GNOME Shell opens its overview there.
    session_.PointerMotion(kBeyondTheScreens, kBeyondTheScreens);
    session_.PointerMotion(point.x - (layout.right - 1), point.y - (layout.bottom - 1));
    return true;
}

void RemoteInput::MoveBy(int dx, int dy) {
    if (delivering_) session_.PointerMotion(dx, dy);
}

void RemoteInput::Button(uint32_t button, bool down) {
    if (delivering_) session_.PointerButton(button, down);
}

void RemoteInput::Key(uint32_t code, bool down) {
    if (delivering_) session_.KeyboardKeycode(code, down);
}

void RemoteInput::Ended() {
    if (!delivering_) return;
    delivering_ = false;
    if (changed_) changed_(false);
}

void RemoteInput::ServiceBack() {
    if (delivering_ || !session_.Start()) return;
    delivering_ = true;
    if (changed_) changed_(true);
}

}  // namespace platform::gnome
