#include "platform/x11/SpanishLayoutName.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace platform::x11 {
namespace {

constexpr std::string_view kSpanishLayout = "es";
// The variants that only add to the plain Spanish layout; "nodeadkeys", "dvorak" and the
// OLPC ones move or change what the keystrokes rely on.
constexpr std::array<std::string_view, 6> kSpanishVariants = {"",    "winkeys", "cat",
                                                              "ast", "mac",     "deadtilde"};
constexpr size_t kLayoutsField = 2;
constexpr size_t kVariantsField = 3;

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string_view ItemOf(std::string_view list, int group) {
    const std::vector<std::string_view> items = Split(list, ',');
    return group >= 0 && static_cast<size_t>(group) < items.size() ? items[group] : "";
}

}  // namespace

bool NamesSpanishLayout(std::string_view rulesNames, int group) {
    const std::vector<std::string_view> fields = Split(rulesNames, '\0');
    if (fields.size() <= kVariantsField) return false;
    const std::string_view variant = ItemOf(fields[kVariantsField], group);
    return ItemOf(fields[kLayoutsField], group) == kSpanishLayout &&
           std::find(kSpanishVariants.begin(), kSpanishVariants.end(), variant) !=
               kSpanishVariants.end();
}

}  // namespace platform::x11
