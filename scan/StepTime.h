#pragma once

#include <string_view>

namespace scan {

// The step time in milliseconds for the spin box's text, in tenths of a second. A text
// that is not a number counts as 1; a number outside the spin box's range is brought into
// it, so that a half-typed 0 never stops the scan.
int TempsDelPas(std::string_view spinText);

}  // namespace scan
