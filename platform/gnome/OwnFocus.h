#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/Types.h"

namespace platform::gnome {

// The program's own top-level windows as the toolkit knows them, with handles of their own
// apart from the other programs' windows. A press in one of them gives it the focus: GNOME
// focuses on a click, but the toolkit hears of it only after the press and its release, when
// the click's handler has already asked which window is in front.
class OwnFocus final : public QObject {
  public:
    // pressed is told of every press in one of the program's windows.
    explicit OwnFocus(std::function<void()> pressed);
    ~OwnFocus() override;
    OwnFocus(const OwnFocus&) = delete;
    OwnFocus& operator=(const OwnFocus&) = delete;

    HWND HandleOf(QWidget* topLevel);
    // The own window that has the keyboard focus, or is being given it by a press, or 0.
    HWND Active();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> pressed_;
    std::vector<QPointer<QWidget>> windows_;
    // The window pressed last, until the toolkit hears it has the focus or the time is up.
    QPointer<QWidget> pressedWindow_;
    QDeadlineTimer focusDue_;
};

}  // namespace platform::gnome
