#include "platform/gnome/OwnFocus.h"

#include <QApplication>
#include <QWindow>

namespace platform::gnome {
namespace {

// Far above the handles given to the other programs' windows.
constexpr HWND kFirstOwnHandle = 0x40000000;

}  // namespace

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
    if (focus == nullptr) return 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == focus) return HandleOf(widget);
    }
    return 0;
}

}  // namespace platform::gnome
