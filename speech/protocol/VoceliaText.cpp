#include "speech/protocol/VoceliaText.h"

#include "keys/KeyKind.h"
#include "text/Case.h"

namespace speech {

std::string UnirLinies(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        joined += c == '\r' || c == '\n' ? ' ' : c;
    }
    return joined;
}

std::string TreureEspais(std::string_view text) {
    std::string kept(text);
    std::erase(kept, ' ');
    return kept;
}

std::string TextPerAVocelia(std::string_view text) {
    std::string joined = text::LowerAscii(UnirLinies(text));
    if (TreureEspais(joined).empty()) return {};
    return joined;
}

}  // namespace speech
