#include "speech/protocol/VoceliaSocket.h"

#include <charconv>

namespace speech {
namespace {

constexpr std::string_view kDefaultWaylandDisplay = "wayland-0";

bool SafeInFileName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

// One decimal integer that fills `text` exactly: no sign where the type has none, no blanks.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

bool WindowMessagesUnder(std::string_view qtPlatform) { return !qtPlatform.starts_with("wayland"); }

std::string SessionOfWaylandDisplay(const std::string& waylandDisplay) {
    std::string name = waylandDisplay.substr(waylandDisplay.rfind('/') + 1);
    if (name.empty()) name = kDefaultWaylandDisplay;
    for (char& c : name) {
        if (!SafeInFileName(c)) c = '_';
    }
    return name;
}

std::string VoceliaSocketPath(const std::string& runtimeFolder, const std::string& waylandDisplay) {
    return runtimeFolder + "/vocelia-" + SessionOfWaylandDisplay(waylandDisplay) + ".socket";
}

std::string MessageLine(const VoceliaMessage& message) {
    return std::to_string(message.message) + ' ' + std::to_string(message.wParam) + ' ' +
           std::to_string(message.lParam) + '\n';
}

std::string ResultLine(long result) { return std::to_string(result) + '\n'; }

std::optional<VoceliaMessage> ParseMessageLine(std::string_view line) {
    const std::size_t first = line.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto message = WholeNumber<unsigned>(line.substr(0, first));
    const auto wParam = WholeNumber<unsigned long long>(line.substr(first + 1, second - first - 1));
    const auto lParam = WholeNumber<long long>(line.substr(second + 1));
    if (!message || !wParam || !lParam) return std::nullopt;
    return VoceliaMessage{*message, *wParam, *lParam};
}

std::optional<long> ParseResultLine(std::string_view line) { return WholeNumber<long>(line); }

}  // namespace speech
