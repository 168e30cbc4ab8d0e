#include "platform/wayland/PlasmaWindows.h"

#include <wayland-client.h>

#include <algorithm>
#include <vector>

#include "plasma-window-management-client-protocol.h"

namespace platform::wayland {
namespace {

// The highest version whose events this list knows; later ones name windows by text ids.
constexpr uint32_t kManagementVersion = 12;

}  // namespace

std::string WithoutKWinNumber(const std::string& title) {
    if (title.size() < 4 || title.back() != '>') return title;
    const size_t open = title.rfind(" <");
    if (open == std::string::npos || open + 3 >= title.size()) return title;
    const bool digits = std::all_of(title.begin() + static_cast<long>(open) + 2, title.end() - 1,
                                    [](char c) { return c >= '0' && c <= '9'; });
    return digits ? title.substr(0, open) : title;
}

// A window with what KWin has said of it; each change counts as it comes.
struct PlasmaWindows::Entry {
    PlasmaWindows* owner = nullptr;
    HWND window = 0;
    org_kde_plasma_window* proxy = nullptr;
    Toplevel shown;
    std::optional<Rect> bounds;

    ~Entry() { org_kde_plasma_window_destroy(proxy); }

    static Entry* Of(void* data) { return static_cast<Entry*>(data); }
    static void OnTitle(void* data, org_kde_plasma_window*, const char* title) {
        Entry* entry = Of(data);
        entry->shown.title = WithoutKWinNumber(title);
        if (entry->shown.activated) entry->owner->Changed();
    }
    static void OnAppId(void* data, org_kde_plasma_window*, const char* appId) {
        Of(data)->shown.appId = appId;
    }
    static void OnState(void* data, org_kde_plasma_window*, uint32_t flags) {
        Entry* entry = Of(data);
        const bool active = (flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE) != 0;
        if (active == entry->shown.activated) return;
        entry->shown.activated = active;
        if (active) entry->shown.lastActivation = ++entry->owner->activations_;
        entry->owner->Changed();
    }
    static void OnUnmapped(void* data, org_kde_plasma_window*) {
        Entry* entry = Of(data);
        PlasmaWindows* owner = entry->owner;
        const bool wasActive = entry->shown.activated;
        owner->entries_.erase(entry->window);
        if (wasActive) owner->Changed();
    }
    static void OnGeometry(void* data, org_kde_plasma_window*, int32_t x, int32_t y, uint32_t width,
                           uint32_t height) {
        Of(data)->bounds = Rect{x, y, x + static_cast<int>(width), y + static_cast<int>(height)};
    }
    static void OnDesktop(void*, org_kde_plasma_window*, int32_t) {}
    static void OnText(void*, org_kde_plasma_window*, const char*) {}
    static void OnNothing(void*, org_kde_plasma_window*) {}
    static void OnParent(void*, org_kde_plasma_window*, org_kde_plasma_window*) {}
    static void OnPid(void*, org_kde_plasma_window*, uint32_t) {}
    static void OnMenu(void*, org_kde_plasma_window*, const char*, const char*) {}
};

std::unique_ptr<PlasmaWindows> PlasmaWindows::Open(WaylandConnection& connection) {
    auto* manager = static_cast<org_kde_plasma_window_management*>(
        connection.Bind(&org_kde_plasma_window_management_interface, kManagementVersion));
    if (manager == nullptr) return nullptr;
    return std::unique_ptr<PlasmaWindows>(new PlasmaWindows(connection, manager));
}

PlasmaWindows::PlasmaWindows(WaylandConnection& connection,
                             org_kde_plasma_window_management* manager)
    : connection_(connection), manager_(manager) {
    static const org_kde_plasma_window_management_listener listener = {
        .show_desktop_changed = [](void*, org_kde_plasma_window_management*, uint32_t) {},
        .window = &PlasmaWindows::OnWindow,
        .stacking_order_changed = [](void*, org_kde_plasma_window_management*, wl_array*) {},
        .stacking_order_uuid_changed = [](void*, org_kde_plasma_window_management*, const char*) {},
        .window_with_uuid = [](void*, org_kde_plasma_window_management*, uint32_t, const char*) {},
    };
    org_kde_plasma_window_management_add_listener(manager_, &listener, this);
}

PlasmaWindows::~PlasmaWindows() {
    entries_.clear();
    org_kde_plasma_window_management_destroy(manager_);
    connection_.Flush();
}

void PlasmaWindows::OnWindow(void* data, org_kde_plasma_window_management* manager, uint32_t id) {
    static const org_kde_plasma_window_listener listener = {
        .title_changed = &Entry::OnTitle,
        .app_id_changed = &Entry::OnAppId,
        .state_changed = &Entry::OnState,
        .virtual_desktop_changed = &Entry::OnDesktop,
        .themed_icon_name_changed = &Entry::OnText,
        .unmapped = &Entry::OnUnmapped,
        .initial_state = &Entry::OnNothing,
        .parent_window = &Entry::OnParent,
        .geometry = &Entry::OnGeometry,
        .icon_changed = &Entry::OnNothing,
        .pid_changed = &Entry::OnPid,
        .virtual_desktop_entered = &Entry::OnText,
        .virtual_desktop_left = &Entry::OnText,
        .application_menu = &Entry::OnMenu,
        .activity_entered = &Entry::OnText,
        .activity_left = &Entry::OnText,
        .resource_name_changed = &Entry::OnText,
    };
    auto* self = static_cast<PlasmaWindows*>(data);
    auto entry = std::make_unique<Entry>();
    entry->owner = self;
    entry->window = self->nextHandle_++;
    entry->proxy = org_kde_plasma_window_management_get_window(manager, id);
    org_kde_plasma_window_add_listener(entry->proxy, &listener, entry.get());
    self->entries_[entry->window] = std::move(entry);
}

void PlasmaWindows::Changed() const {
    if (changed_) changed_();
}

HWND PlasmaWindows::Active() const {
    for (const auto& [window, entry] : entries_) {
        if (entry->shown.activated) return window;
    }
    return 0;
}

const Toplevel* PlasmaWindows::Find(HWND window) const {
    const auto found = entries_.find(window);
    return found != entries_.end() ? &found->second->shown : nullptr;
}

void PlasmaWindows::Activate(HWND window) {
    const auto found = entries_.find(window);
    if (found == entries_.end()) return;
    org_kde_plasma_window_set_state(found->second->proxy,
                                    ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE,
                                    ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
    connection_.Flush();
}

void PlasmaWindows::Each(const std::function<bool(HWND, const Toplevel&)>& callback) const {
    std::vector<const Entry*> order;
    for (const auto& [window, entry] : entries_) order.push_back(entry.get());
    // Most recently active first; windows never active, newest first.
    std::stable_sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) {
        if (a->shown.lastActivation != b->shown.lastActivation) {
            return a->shown.lastActivation > b->shown.lastActivation;
        }
        return a->window > b->window;
    });
    for (const Entry* entry : order) {
        if (!callback(entry->window, entry->shown)) return;
    }
}

std::optional<Rect> PlasmaWindows::Bounds(HWND window) const {
    const auto found = entries_.find(window);
    if (found == entries_.end()) return std::nullopt;
    return found->second->bounds;
}

}  // namespace platform::wayland
