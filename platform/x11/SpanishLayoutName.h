#pragma once

#include <string_view>

namespace platform::x11 {

// Whether the XKB rules names (the bytes of the root window's _XKB_RULES_NAMES: rules, model,
// layouts, variants and options, each ended by a NUL, the lists comma-separated by group) give
// the keyboard group the Spanish (Spain) layout: "es" in a variant that keeps its dead accents
// and its signs where the plain one has them.
bool NamesSpanishLayout(std::string_view rulesNames, int group);

}  // namespace platform::x11
