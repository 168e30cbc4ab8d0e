#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace predict {

// How many predictions the keyboard offers at once by default, all of them words.
inline constexpr std::size_t kPredictions = 6;

// The group of predictions in the key tree: first the likeliest next keys, then the likeliest
// words, the group standing at `place` among the top-level nodes (0 the first, before the
// special keys; beyond the last it goes last).
struct PredictionLayout {
    std::size_t keys = 0;
    std::size_t words = kPredictions;
    std::size_t place = 0;
    bool operator==(const PredictionLayout&) const = default;
};

// The layout file that may stand beside a keyboard file, named as the keyboard file with
// kLayoutSuffix after it: one line of three numbers and their names,
//     orvalet-predictions 1 keys 4 words 2 place 0
inline constexpr std::string_view kLayoutSuffix = ".prediccions";

std::string FormatLayout(const PredictionLayout& layout);
// Nothing unless the text is a layout line as FormatLayout writes it (any blanks between the
// fields, a line ending after it), with numbers of at most kMostPredictions predictions.
std::optional<PredictionLayout> ParseLayout(std::string_view text);

inline constexpr std::size_t kMostPredictions = 20;

// The layout file beside a keyboard file, and the layout it gives: the default when there is
// none or it cannot be used.
std::filesystem::path LayoutFileFor(const std::filesystem::path& keyboardFile);
PredictionLayout LayoutBeside(const std::filesystem::path& keyboardFile);

}  // namespace predict
