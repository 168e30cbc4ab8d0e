#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Types.h"
#include "platform/wayland/ToplevelList.h"
#include "platform/wayland/WaylandConnection.h"

struct zwlr_foreign_toplevel_handle_v1;

namespace platform::wayland {

// The top-level windows of the session through wlr-foreign-toplevel-management.
class Toplevels final : public ToplevelList {
  public:
    explicit Toplevels(WaylandConnection& connection);
    ~Toplevels() override;
    Toplevels(const Toplevels&) = delete;
    Toplevels& operator=(const Toplevels&) = delete;

    HWND Active() const override;
    const Toplevel* Find(HWND window) const override;
    void Activate(HWND window) override;
    // The compositor tells no stacking: the order is that of the activations.
    void Each(const std::function<bool(HWND, const Toplevel&)>& callback) const override;
    void OnActiveChange(std::function<void()> changed) override { changed_ = std::move(changed); }
    // The protocol tells no places; sway tells them through its own interface.
    std::optional<Rect> Bounds(HWND window) const override;

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
