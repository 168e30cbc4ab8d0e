#include "platform/wayland/WaylandConnection.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <string_view>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace platform::wayland {
namespace {

// The highest versions whose requests and events this backend knows.
constexpr uint32_t kSeatVersion = 1;
constexpr uint32_t kToplevelVersion = 3;
constexpr uint32_t kOutputManagerVersion = 2;

}  // namespace

std::unique_ptr<WaylandConnection> WaylandConnection::Open() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return nullptr;
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
    if (!connection->Roundtrip()) return nullptr;
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display)
    : display_(display), registry_(wl_display_get_registry(display)) {
    static const wl_registry_listener listener = {
        .global = &WaylandConnection::OnGlobal,
        .global_remove = &WaylandConnection::OnGlobalRemove,
    };
    wl_registry_add_listener(registry_, &listener, this);
}

WaylandConnection::~WaylandConnection() {
    if (toplevelManager_ != nullptr) zwlr_foreign_toplevel_manager_v1_destroy(toplevelManager_);
    if (keyboardManager_ != nullptr) zwp_virtual_keyboard_manager_v1_destroy(keyboardManager_);
    if (pointerManager_ != nullptr) zwlr_virtual_pointer_manager_v1_destroy(pointerManager_);
    if (outputManager_ != nullptr) zxdg_output_manager_v1_destroy(outputManager_);
    if (seat_ != nullptr) wl_seat_destroy(seat_);
    wl_registry_destroy(registry_);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
}

void WaylandConnection::OnGlobal(void* data, wl_registry* /*registry*/, uint32_t name,
                                 const char* interface, uint32_t version) {
    static_cast<WaylandConnection*>(data)->Offered(name, interface, version);
}

void WaylandConnection::OnGlobalRemove(void* data, wl_registry* /*registry*/, uint32_t name) {
    auto* self = static_cast<WaylandConnection*>(data);
    const auto removed =
        std::remove_if(self->outputs_.begin(), self->outputs_.end(),
                       [name](const Global& output) { return output.name == name; });
    if (removed == self->outputs_.end()) return;
    self->outputs_.erase(removed, self->outputs_.end());
    if (self->outputRemoved_) self->outputRemoved_(name);
}

void WaylandConnection::Offered(uint32_t name, const char* interface, uint32_t version) {
    const Global global{name, version};
    if (std::string_view(interface) == wl_output_interface.name) {
        outputs_.push_back(global);
        if (outputAdded_) outputAdded_(global);
        return;
    }
    globals_.try_emplace(interface, global);
}

std::vector<std::string> WaylandConnection::Offered() const {
    std::vector<std::string> offered;
    for (const auto& [interface, global] : globals_) offered.push_back(interface);
    if (!outputs_.empty()) offered.emplace_back(wl_output_interface.name);
    return offered;
}

void* WaylandConnection::Bind(const wl_interface* interface, uint32_t highest) const {
    const auto found = globals_.find(std::string_view(interface->name));
    if (found == globals_.end()) return nullptr;
    return wl_registry_bind(registry_, found->second.name, interface,
                            std::min(found->second.version, highest));
}

void WaylandConnection::BindGlobals() {
    seat_ = static_cast<wl_seat*>(Bind(&wl_seat_interface, kSeatVersion));
    toplevelManager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        Bind(&zwlr_foreign_toplevel_manager_v1_interface, kToplevelVersion));
    keyboardManager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
        Bind(&zwp_virtual_keyboard_manager_v1_interface, 1));
    pointerManager_ = static_cast<zwlr_virtual_pointer_manager_v1*>(
        Bind(&zwlr_virtual_pointer_manager_v1_interface, 1));
    outputManager_ = static_cast<zxdg_output_manager_v1*>(
        Bind(&zxdg_output_manager_v1_interface, kOutputManagerVersion));
}

void WaylandConnection::WatchOutputs(std::function<void(Global)> added,
                                     std::function<void(uint32_t)> removed) {
    outputAdded_ = std::move(added);
    outputRemoved_ = std::move(removed);
    if (!outputAdded_) return;
    for (const Global& output : outputs_) outputAdded_(output);
}

int WaylandConnection::fd() const { return wl_display_get_fd(display_); }

void WaylandConnection::Dispatch() {
    while (wl_display_prepare_read(display_) != 0) wl_display_dispatch_pending(display_);
    wl_display_flush(display_);
    pollfd readable{wl_display_get_fd(display_), POLLIN, 0};
    if (poll(&readable, 1, 0) > 0) {
        wl_display_read_events(display_);
    } else {
        wl_display_cancel_read(display_);
    }
    wl_display_dispatch_pending(display_);
}

void WaylandConnection::Flush() { wl_display_flush(display_); }

bool WaylandConnection::Roundtrip() { return wl_display_roundtrip(display_) != -1; }

bool WaylandConnection::WaitUntil(const std::function<bool()>& condition,
                                  std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        wl_display_dispatch_pending(display_);
        if (condition()) return true;
        if (!Alive()) return false;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        while (wl_display_prepare_read(display_) != 0) wl_display_dispatch_pending(display_);
        wl_display_flush(display_);
        pollfd readable{wl_display_get_fd(display_), POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left.count())) > 0) {
            wl_display_read_events(display_);
        } else {
            wl_display_cancel_read(display_);
        }
    }
}

bool WaylandConnection::Alive() const { return wl_display_get_error(display_) == 0; }

}  // namespace platform::wayland
