#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace upctv {

// A synthesiser that renders a whole text before the first sample (Festival) is handed
// one sentence at a time, so that a long reading starts at once and a stop is never held up
// by more than one piece. A sentence longer than `longest` bytes is cut at its last blank
// (or, having none, at `longest`). Blank pieces are dropped.
std::vector<std::string> SplitIntoPieces(std::string_view text, std::size_t longest);

}  // namespace upctv
