#include "platform/wayland/Toplevels.h"

#include <wayland-client.h>

#include <algorithm>
#include <vector>

#include "platform/wayland/SwayTree.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace platform::wayland {

// A handle with what the compositor has said of it; its changes count once "done" comes.
struct Toplevels::Entry {
    Toplevels* owner = nullptr;
    HWND window = 0;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    Toplevel shown;
    Toplevel pending;

    ~Entry() { zwlr_foreign_toplevel_handle_v1_destroy(handle); }

    static Entry* Of(void* data) { return static_cast<Entry*>(data); }
    static void OnTitle(void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
        Of(data)->pending.title = title;
    }
    static void OnAppId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
        Of(data)->pending.appId = appId;
    }
    static void OnOutputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void OnOutputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void OnState(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        const auto* first = static_cast<const uint32_t*>(states->data);
        const auto* last = first + states->size / sizeof(uint32_t);
        Of(data)->pending.activated =
            std::find(first, last, ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) != last;
    }
    static void OnDone(void* data, zwlr_foreign_toplevel_handle_v1*) {
        Entry* entry = Of(data);
        if (entry->pending.activated && !entry->shown.activated) {
            entry->pending.lastActivation = ++entry->owner->activations_;
        }
        const bool activeChanged =
            entry->pending.activated != entry->shown.activated ||
            (entry->pending.activated && entry->pending.title != entry->shown.title);
        entry->shown = entry->pending;
        if (activeChanged) entry->owner->Changed();
    }
    static void OnClosed(void* data, zwlr_foreign_toplevel_handle_v1*) {
        Entry* entry = Of(data);
        Toplevels* owner = entry->owner;
        const bool wasActive = entry->shown.activated;
        owner->entries_.erase(entry->window);
        if (wasActive) owner->Changed();
    }
    static void OnParent(void*, zwlr_foreign_toplevel_handle_v1*,
                         zwlr_foreign_toplevel_handle_v1*) {}
};

Toplevels::Toplevels(WaylandConnection& connection) : connection_(connection) {
    static const zwlr_foreign_toplevel_manager_v1_listener listener = {
        .toplevel = &Toplevels::OnToplevel,
        .finished = &Toplevels::OnFinished,
    };
    zwlr_foreign_toplevel_manager_v1_add_listener(connection_.toplevelManager(), &listener, this);
}

Toplevels::~Toplevels() = default;

void Toplevels::OnToplevel(void* data, zwlr_foreign_toplevel_manager_v1* /*manager*/,
                           zwlr_foreign_toplevel_handle_v1* handle) {
    static const zwlr_foreign_toplevel_handle_v1_listener listener = {
        .title = &Entry::OnTitle,
        .app_id = &Entry::OnAppId,
        .output_enter = &Entry::OnOutputEnter,
        .output_leave = &Entry::OnOutputLeave,
        .state = &Entry::OnState,
        .done = &Entry::OnDone,
        .closed = &Entry::OnClosed,
        .parent = &Entry::OnParent,
    };
    auto* self = static_cast<Toplevels*>(data);
    auto entry = std::make_unique<Entry>();
    entry->owner = self;
    entry->window = self->nextHandle_++;
    entry->handle = handle;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &listener, entry.get());
    self->entries_[entry->window] = std::move(entry);
}

// The compositor stops describing windows; the ones known stay as they were last seen.
void Toplevels::OnFinished(void* /*data*/, zwlr_foreign_toplevel_manager_v1* /*manager*/) {}

void Toplevels::Changed() const {
    if (changed_) changed_();
}

HWND Toplevels::Active() const {
    for (const auto& [window, entry] : entries_) {
        if (entry->shown.activated) return window;
    }
    return 0;
}

const Toplevel* Toplevels::Find(HWND window) const {
    const auto found = entries_.find(window);
    return found != entries_.end() ? &found->second->shown : nullptr;
}

void Toplevels::Activate(HWND window) {
    const auto found = entries_.find(window);
    if (found == entries_.end()) return;
    zwlr_foreign_toplevel_handle_v1_activate(found->second->handle, connection_.seat());
    connection_.Flush();
}

void Toplevels::Each(const std::function<bool(HWND, const Toplevel&)>& callback) const {
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

}  // namespace platform::wayland

namespace platform::wayland {

std::optional<Rect> Toplevels::Bounds(HWND window) const {
    const Toplevel* toplevel = Find(window);
    if (toplevel == nullptr) return std::nullopt;
    const auto place = SwayTree::Find(SwayTree::OfApplication(
        QString::fromStdString(toplevel->appId), QString::fromStdString(toplevel->title)));
    if (!place) return std::nullopt;
    return place->outer;
}

}  // namespace platform::wayland
