#include "predict/PredictionLayout.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "predict/Files.h"

namespace predict {

namespace {

constexpr std::string_view kHeader = "orvalet-predictions";
constexpr std::string_view kVersion = "1";

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t begin = text.find_first_not_of(" \t", at);
        if (begin == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t", begin), text.size());
        fields.push_back(text.substr(begin, end - begin));
        at = end;
    }
    return fields;
}

std::optional<std::size_t> Number(std::string_view field) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string FormatLayout(const PredictionLayout& layout) {
    return std::string(kHeader) + " " + std::string(kVersion) + " keys " +
           std::to_string(layout.keys) + " words " + std::to_string(layout.words) + " place " +
           std::to_string(layout.place) + "\n";
}

std::optional<PredictionLayout> ParseLayout(std::string_view text) {
    if (text.ends_with('\n')) text.remove_suffix(1);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (text.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    const std::vector<std::string_view> fields = Fields(text);
    if (fields.size() != 8 || fields[0] != kHeader || fields[1] != kVersion ||
        fields[2] != "keys" || fields[4] != "words" || fields[6] != "place") {
        return std::nullopt;
    }
    const std::optional<std::size_t> keys = Number(fields[3]);
    const std::optional<std::size_t> words = Number(fields[5]);
    const std::optional<std::size_t> place = Number(fields[7]);
    if (!keys || !words || !place || *keys + *words > kMostPredictions) return std::nullopt;
    return PredictionLayout{*keys, *words, *place};
}

std::filesystem::path LayoutFileFor(const std::filesystem::path& keyboardFile) {
    std::filesystem::path file = keyboardFile;
    file += kLayoutSuffix;
    return file;
}

PredictionLayout LayoutBeside(const std::filesystem::path& keyboardFile) {
    const FileContent content = ReadWholeFile(LayoutFileFor(keyboardFile));
    if (content.result != FileRead::Read) return {};
    return ParseLayout(content.bytes).value_or(PredictionLayout{});
}

}  // namespace predict
