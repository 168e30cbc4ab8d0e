#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform::wayland {

// One top-level window of any program, as the compositor describes it.
struct Toplevel {
    std::string title;
    std::string appId;
    bool activated = false;
    // When it was last activated, counted in activations; 0 if never seen active.
    uint64_t lastActivation = 0;
};

// The top-level windows of the session as one compositor's protocol lists them, each known by
// a window handle of its own that is never given to another window.
class ToplevelList {
  public:
    virtual ~ToplevelList() = default;
    // The active window, or 0.
    virtual HWND Active() const = 0;
    // The window while it is open, or null.
    virtual const Toplevel* Find(HWND window) const = 0;
    // Asks the compositor to activate the window on the seat.
    virtual void Activate(HWND window) = 0;
    // Each open window, the most recently active first, until the callback returns false.
    virtual void Each(const std::function<bool(HWND, const Toplevel&)>& callback) const = 0;
    // Calls `changed` whenever a window is activated, loses the activation, is renamed while
    // active or closes while active.
    virtual void OnActiveChange(std::function<void()> changed) = 0;
    // The window's outer bounds in the layout's pixels, where the compositor tells them.
    virtual std::optional<Rect> Bounds(HWND window) const = 0;
};

}  // namespace platform::wayland
