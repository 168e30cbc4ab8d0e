#include "platform/wayland/XkbLayout.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace platform::wayland {
namespace {

// The Spanish layout and those of its variants that only add to it; "no dead keys", Dvorak
// and the ones for other keyboards move or change what the keystrokes rely on.
constexpr std::array<std::string_view, 6> kSpanishLayoutNames = {
    "Spanish",
    "Spanish (Windows)",
    "Spanish (Macintosh)",
    "Spanish (dead tilde)",
    "Catalan (Spain, with middle-dot L)",
    "Asturian (Spain, with bottom-dot H and L)",
};

}  // namespace

std::unique_ptr<XkbLayout> XkbLayout::FromText(const std::string& text) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES);
    if (context == nullptr) return nullptr;
    xkb_keymap* keymap = xkb_keymap_new_from_string(
        context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<XkbLayout>(new XkbLayout(context, keymap));
}

std::unique_ptr<XkbLayout> XkbLayout::FromNames(const std::string& layout,
                                                const std::string& variant) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (context == nullptr) return nullptr;
    const xkb_rule_names names = {.rules = "evdev",
                                  .model = "pc105",
                                  .layout = layout.c_str(),
                                  .variant = variant.c_str(),
                                  .options = ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<XkbLayout>(new XkbLayout(context, keymap));
}

XkbLayout::XkbLayout(xkb_context* context, xkb_keymap* keymap)
    : context_(context), keymap_(keymap) {}

XkbLayout::~XkbLayout() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

std::string XkbLayout::LayoutName() const {
    const char* name = xkb_keymap_layout_get_name(keymap_, group_);
    return name != nullptr ? name : "";
}

bool IsSpanishLayoutName(const std::string& name) {
    return std::find(kSpanishLayoutNames.begin(), kSpanishLayoutNames.end(), name) !=
           kSpanishLayoutNames.end();
}

}  // namespace platform::wayland
