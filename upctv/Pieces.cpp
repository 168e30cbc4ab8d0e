#include "upctv/Pieces.h"

#include <algorithm>

namespace upctv {
namespace {

constexpr std::string_view kSentenceEnds = ".!?;:\n";
constexpr std::string_view kBlanks = " \t\n";

bool Blank(std::string_view piece) { return piece.find_first_not_of(kBlanks) == piece.npos; }

// The length of the first piece of a text: up to and with its sentence's end, within the
// longest a piece may be.
std::size_t FirstPieceLength(std::string_view text, std::size_t longest) {
    const std::size_t end = text.find_first_of(kSentenceEnds);
    if (end != text.npos && end < longest) return end + 1;
    if (text.size() <= longest) return text.size();
    const std::size_t blank = text.find_last_of(kBlanks, longest - 1);
    return blank == text.npos || blank == 0 ? longest : blank + 1;
}

}  // namespace

std::vector<std::string> SplitIntoPieces(std::string_view text, std::size_t longest) {
    longest = std::max<std::size_t>(longest, 1);
    std::vector<std::string> pieces;
    while (!text.empty()) {
        const std::size_t length = FirstPieceLength(text, longest);
        if (!Blank(text.substr(0, length))) pieces.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return pieces;
}

}  // namespace upctv
