#include "platform/gnome/OwnFocus.h"

#include <QApplication>
#include <QWindow>
#include <chrono>

namespace platform::gnome {
namespace {

using namespace std::chrono_literals;

// Far above the handles given to the other programs' windows.
constexpr HWND kFirstOwnHandle = 0x40000000;
// How long mutter may take to tell the toolkit that a pressed window has the focus.
constexpr auto kFocusLimit = 500ms;

}  // namespace

OwnFocus::OwnFocus(std::function<void()> pressed) : pressed_(std::move(pressed)) {
    QGuiApplication::instance()->installEventFilter(this);
}

OwnFocus::~OwnFocus() {
    if (QGuiApplication::instance() != nullptr) {
        QGuiApplication::instance()->removeEventFilter(this);
    }
}

bool OwnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr || window == QGuiApplication::focusWindow()) return false;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window) continue;
        pressedWindow_ = widget;
        focusDue_ = QDeadlineTimer(kFocusLimit);
        if (pressed_) pressed_();
        break;
    }
    return false;
}

HWND OwnFocus::HandleOf(QWidget* topLevel) {
    if (topLevel == nullptr) return 0;
    QWidget* window = topLevel->window();
    for (size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i] == window) return kFirstOwnHandle + i;
    }
    windows_.emplace_back(window);
    return kFirstOwnHandle + windows_.size() - 1;
}

HWND OwnFocus::Active() {
    const QWindow* focus = QGuiApplication::focusWindow();
    if (pressedWindow_ != nullptr) {
        if (pressedWindow_->windowHandle() == focus || focusDue_.hasExpired()) {
            pressedWindow_.clear();
        } else {
            return HandleOf(pressedWindow_);
        }
    }
    if (focus == nullptr) return 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == focus) return HandleOf(widget);
    }
    return 0;
}

}  // namespace platform::gnome
