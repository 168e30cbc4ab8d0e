#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Types.h"
#include "platform/wayland/WaylandConnection.h"

struct zwlr_foreign_toplevel_handle_v1;

namespace platform::wayland {

// One top-level window of any program, as the compositor describes it.
struct Toplevel {
    std::string title;
    std::string appId;
    bool activated = false;
    // When it was last activated, counted in activations; 0 if never seen active.
    uint64_t lastActivation = 0;
};

// The top-level windows of the session through wlr-foreign-toplevel-management, each known by
// a window handle of its own that is never given to another window.
class Toplevels {
  public:
    explicit Toplevels(WaylandConnection& connection);
    ~Toplevels();
    Toplevels(const Toplevels&) = delete;
    Toplevels& operator=(const Toplevels&) = delete;

    // The active window, or 0.
    HWND Active() const;
    // The window while it is open, or null.
    const Toplevel* Find(HWND window) const;
    // Asks the compositor to activate the window on the seat.
    void Activate(HWND window);
    // Each open window, the most recently active first (the compositor tells no stacking).
    void Each(const std::function<bool(HWND, const Toplevel&)>& callback) const;
    // Calls `changed` whenever a window is activated, loses the activation, is renamed while
    // active or closes while active.
    void OnActiveChange(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    struct Entry;
    static void OnToplevel(void* data, zwlr_foreign_toplevel_manager_v1* manager,
                           zwlr_foreign_toplevel_handle_v1* handle);
    static void OnFinished(void* data, zwlr_foreign_toplevel_manager_v1* manager);
    void Changed() const;

    WaylandConnection& connection_;
    std::map<HWND, std::unique_ptr<Entry>> entries_;
    HWND nextHandle_ = 1;
    uint64_t activations_ = 0;
    std::function<void()> changed_;
};

}  // namespace platform::wayland
