// Any bytes parse without crashing; when they parse, every line is one key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "keys/KeyboardFile.h"

namespace {

// Lines up to the first zero byte; CR LF is one ending, and an ending at the
// very end adds no line.
std::size_t CountLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            ++lines;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
    }
    bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return lines + (unterminated ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<keys::KeyForest> forest = keys::ParseKeyboard(text);
    if (forest) {
        if (keys::CountKeys(*forest) != CountLines(text)) std::abort();
        keys::ClearKeyForest(*forest);
    }
    return 0;
}
