#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWindow>
#include <chrono>
#include <functional>
#include <map>
#include <optional>

#include "platform/Pointer.h"
#include "platform/wayland/LayoutPointer.h"

namespace platform::gnome {

// The seat's pointer over the program's own windows when the compositor tells no client where
// its windows are. Where the toolkit hears the pointer in one of them, moves are made from
// there; a window's place on the screens is found once by putting the pointer at points of
// the layout until the toolkit hears it enter the window.
class FoundPointer final : public QObject, public Pointer {
  public:
    // waitUntil handles events until the condition holds or the time is up.
    FoundPointer(
        wayland::PointerDevice& device, std::function<Rect()> layout,
        std::function<bool(const std::function<bool()>&, std::chrono::milliseconds)> waitUntil);
    ~FoundPointer() override;
    FoundPointer(const FoundPointer&) = delete;
    FoundPointer& operator=(const FoundPointer&) = delete;

    bool SetCursorPos(int x, int y) override;
    Point ClientToScreen(const QWidget* widget, Point client) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the window's content begins on the screens, looked for when not known yet.
    std::optional<QPoint> OriginOf(QWindow* window);
    std::optional<QPoint> Search(QWindow* window);

    wayland::PointerDevice& device_;
    std::function<Rect()> layout_;
    std::function<bool(const std::function<bool()>&, std::chrono::milliseconds)> waitUntil_;
    std::map<QWindow*, QPoint> origins_;
    // The window the toolkit heard the pointer in last, and where in it.
    QPointer<QWindow> under_;
    QPoint at_;
    // How many times the toolkit has heard the pointer, to wait for the next.
    uint64_t heard_ = 0;
};

}  // namespace platform::gnome
