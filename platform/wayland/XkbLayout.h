#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct xkb_context;
struct xkb_keymap;

namespace platform::wayland {

// A keymap as the compositor gives it to its clients, and the group (layout) in use.
class XkbLayout {
  public:
    // Null when the text is no keymap.
    static std::unique_ptr<XkbLayout> FromText(const std::string& text);
    // The keymap of an XKB layout and variant on a 105-key keyboard; null when unknown.
    static std::unique_ptr<XkbLayout> FromNames(const std::string& layout,
                                                const std::string& variant);
    ~XkbLayout();
    XkbLayout(const XkbLayout&) = delete;
    XkbLayout& operator=(const XkbLayout&) = delete;

    xkb_keymap* keymap() const { return keymap_; }
    uint32_t group() const { return group_; }
    void SetGroup(uint32_t group) { group_ = group; }
    // The descriptive name of the group's layout ("Spanish"), empty when it has none.
    std::string LayoutName() const;

  private:
    XkbLayout(xkb_context* context, xkb_keymap* keymap);

    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    uint32_t group_ = 0;
};

// Whether the layout of that name has the keys of the plain Spanish (Spain) one, which the
// design's keystrokes were laid out for.
bool IsSpanishLayoutName(const std::string& name);

}  // namespace platform::wayland
