#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/wayland/ToplevelList.h"
#include "platform/wayland/WaylandConnection.h"

struct org_kde_plasma_window_management;

namespace platform::wayland {

// A window's own title from the one KWin tells, which ends with " <2>", " <3>" ... when
// another window has the same title.
std::string WithoutKWinNumber(const std::string& title);

// The top-level windows of a KDE Plasma session through KWin's window management protocol,
// which KWin offers to the programs whose desktop file asks for it.
class PlasmaWindows final : public ToplevelList {
  public:
    // Null when the compositor does not offer the protocol to this program.
    static std::unique_ptr<PlasmaWindows> Open(WaylandConnection& connection);
    ~PlasmaWindows() override;
    PlasmaWindows(const PlasmaWindows&) = delete;
    PlasmaWindows& operator=(const PlasmaWindows&) = delete;

    HWND Active() const override;
    const Toplevel* Find(HWND window) const override;
    void Activate(HWND window) override;
    void Each(const std::function<bool(HWND, const Toplevel&)>& callback) const override;
    void OnActiveChange(std::function<void()> changed) override { changed_ = std::move(changed); }
    std::optional<Rect> Bounds(HWND window) const override;

  private:
    struct Entry;
    PlasmaWindows(WaylandConnection& connection, org_kde_plasma_window_management* manager);
    static void OnWindow(void* data, org_kde_plasma_window_management* manager, uint32_t id);
    void Changed() const;

    WaylandConnection& connection_;
    org_kde_plasma_window_management* manager_ = nullptr;
    std::map<HWND, std::unique_ptr<Entry>> entries_;
    HWND nextHandle_ = 1;
    uint64_t activations_ = 0;
    std::function<void()> changed_;
};

}  // namespace platform::wayland
