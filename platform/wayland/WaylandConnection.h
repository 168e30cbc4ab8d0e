#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct wl_display;
struct wl_interface;
struct wl_registry;
struct wl_seat;
struct zwlr_foreign_toplevel_manager_v1;
struct zwp_virtual_keyboard_manager_v1;
struct zwlr_virtual_pointer_manager_v1;
struct zxdg_output_manager_v1;

namespace platform::wayland {

// A global the compositor offers: its number and the version it offers.
struct Global {
    uint32_t name = 0;
    uint32_t version = 0;
};

// The keyboard's own connection to the compositor, beside the toolkit's, with the globals the
// desktop operations need. Events are handled when they come (the caller watches fd()) or
// while a wait holds for one; nothing spins.
class WaylandConnection {
  public:
    // Connects to the compositor that WAYLAND_DISPLAY names and learns what it offers; null
    // when there is none.
    static std::unique_ptr<WaylandConnection> Open();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;
    ~WaylandConnection();

    // The interface names of the globals the compositor offers this program.
    std::vector<std::string> Offered() const;
    bool Offers(const std::string& interface) const { return globals_.contains(interface); }

    wl_display* display() const { return display_; }
    wl_registry* registry() const { return registry_; }
    int fd() const;
    // Binds the seat and the wlroots managers the compositor offers; call once.
    void BindGlobals();
    // Binds the global of that interface at the version offered, at most `highest`; null when
    // the compositor does not offer it.
    void* Bind(const wl_interface* interface, uint32_t highest) const;
    wl_seat* seat() const { return seat_; }
    zwlr_foreign_toplevel_manager_v1* toplevelManager() const { return toplevelManager_; }
    zwp_virtual_keyboard_manager_v1* keyboardManager() const { return keyboardManager_; }
    zwlr_virtual_pointer_manager_v1* pointerManager() const { return pointerManager_; }
    // The output manager for logical geometry; null when the compositor offers none.
    zxdg_output_manager_v1* outputManager() const { return outputManager_; }
    // Calls back for each output offered, now and later, and for each one taken away.
    void WatchOutputs(std::function<void(Global)> added, std::function<void(uint32_t)> removed);

    // Handles the events that have come, reading them from the socket when it has some.
    void Dispatch();
    // Sends what is queued.
    void Flush();
    // Waits until every request sent so far has been handled and its events handled here.
    bool Roundtrip();
    // Handles events as they come until the condition holds or the limit passes.
    bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);
    // Whether the compositor is still there.
    bool Alive() const;

  private:
    explicit WaylandConnection(wl_display* display);
    void Offered(uint32_t name, const char* interface, uint32_t version);
    static void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void OnGlobalRemove(void* data, wl_registry* registry, uint32_t name);

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    // Each interface once, as first offered; outputs apart, as there may be many.
    std::map<std::string, Global, std::less<>> globals_;
    std::vector<Global> outputs_;
    std::function<void(Global)> outputAdded_;
    std::function<void(uint32_t)> outputRemoved_;
    wl_seat* seat_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* toplevelManager_ = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboardManager_ = nullptr;
    zwlr_virtual_pointer_manager_v1* pointerManager_ = nullptr;
    zxdg_output_manager_v1* outputManager_ = nullptr;
};

}  // namespace platform::wayland
