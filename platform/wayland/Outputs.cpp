#include "platform/wayland/Outputs.h"

#include <wayland-client.h>

#include <algorithm>

#include "xdg-output-unstable-v1-client-protocol.h"

namespace platform::wayland {
namespace {

// Version 2 tells the scale; the other events of later versions are not needed.
constexpr uint32_t kOutputVersion = 2;

}  // namespace

// An output as wl_output describes it (position, current mode, scale), with the logical
// place xdg-output gives where the compositor offers it.
struct Outputs::Output {
    wl_output* output = nullptr;
    zxdg_output_v1* logical = nullptr;
    Point position;
    int modeWidth = 0;
    int modeHeight = 0;
    int scale = 1;
    Rect logicalRect;
    bool logicalKnown = false;

    ~Output() {
        if (logical != nullptr) zxdg_output_v1_destroy(logical);
        wl_output_destroy(output);
    }

    Rect Place() const {
        if (logicalKnown) return logicalRect;
        const int scaleOrOne = std::max(scale, 1);
        return Rect{position.x, position.y, position.x + modeWidth / scaleOrOne,
                    position.y + modeHeight / scaleOrOne};
    }

    static Output* Of(void* data) { return static_cast<Output*>(data); }
    static void OnGeometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t,
                           const char*, const char*, int32_t) {
        Of(data)->position = Point{x, y};
    }
    static void OnMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height,
                       int32_t) {
        if ((flags & WL_OUTPUT_MODE_CURRENT) == 0) return;
        Of(data)->modeWidth = width;
        Of(data)->modeHeight = height;
    }
    static void OnDone(void*, wl_output*) {}
    static void OnScale(void* data, wl_output*, int32_t factor) { Of(data)->scale = factor; }
    static void OnOutputName(void*, wl_output*, const char*) {}
    static void OnOutputDescription(void*, wl_output*, const char*) {}
    static void OnLogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
        Output* output = Of(data);
        const int width = output->logicalRect.right - output->logicalRect.left;
        const int height = output->logicalRect.bottom - output->logicalRect.top;
        output->logicalRect = Rect{x, y, x + width, y + height};
        output->logicalKnown = true;
    }
    static void OnLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
        Output* output = Of(data);
        output->logicalRect.right = output->logicalRect.left + width;
        output->logicalRect.bottom = output->logicalRect.top + height;
        output->logicalKnown = true;
    }
    static void OnLogicalDone(void*, zxdg_output_v1*) {}
    static void OnName(void*, zxdg_output_v1*, const char*) {}
    static void OnDescription(void*, zxdg_output_v1*, const char*) {}
};

Outputs::Outputs(WaylandConnection& connection) : connection_(connection) {
    connection_.WatchOutputs(
        [this](Global global) {
            static const wl_output_listener listener = {
                .geometry = &Output::OnGeometry,
                .mode = &Output::OnMode,
                .done = &Output::OnDone,
                .scale = &Output::OnScale,
                .name = &Output::OnOutputName,
                .description = &Output::OnOutputDescription,
            };
            static const zxdg_output_v1_listener logicalListener = {
                .logical_position = &Output::OnLogicalPosition,
                .logical_size = &Output::OnLogicalSize,
                .done = &Output::OnLogicalDone,
                .name = &Output::OnName,
                .description = &Output::OnDescription,
            };
            auto output = std::make_unique<Output>();
            output->output = static_cast<wl_output*>(
                wl_registry_bind(connection_.registry(), global.name, &wl_output_interface,
                                 std::min(global.version, kOutputVersion)));
            wl_output_add_listener(output->output, &listener, output.get());
            if (connection_.outputManager() != nullptr) {
                output->logical = zxdg_output_manager_v1_get_xdg_output(connection_.outputManager(),
                                                                        output->output);
                zxdg_output_v1_add_listener(output->logical, &logicalListener, output.get());
            }
            outputs_[global.name] = std::move(output);
        },
        [this](uint32_t name) { outputs_.erase(name); });
}

Outputs::~Outputs() { connection_.WatchOutputs({}, {}); }

Rect Outputs::Layout() const {
    if (outputs_.empty()) return {};
    Rect box = outputs_.begin()->second->Place();
    for (const auto& [name, output] : outputs_) {
        const Rect place = output->Place();
        box = Rect{std::min(box.left, place.left), std::min(box.top, place.top),
                   std::max(box.right, place.right), std::max(box.bottom, place.bottom)};
    }
    return box;
}

Rect Outputs::First() const {
    return outputs_.empty() ? Rect{} : outputs_.begin()->second->Place();
}

int Outputs::ScaleAt(Point point) const {
    for (const auto& [name, output] : outputs_) {
        const Rect place = output->Place();
        if (point.x >= place.left && point.x < place.right && point.y >= place.top &&
            point.y < place.bottom) {
            return std::max(output->scale, 1);
        }
    }
    return 1;
}

}  // namespace platform::wayland
