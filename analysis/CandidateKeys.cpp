#include "analysis/CandidateKeys.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "analysis/KeyAlphabet.h"

namespace analysis {
namespace {

constexpr char kApostrophe = '\'';
constexpr char kMiddleDot = '\xB7';

// The apostrophe of elision and the middle dot of "l\xB7l" stand inside words.
bool InWord(char small) {
    return IsKeyLetter(small) || small == kApostrophe || small == kMiddleDot;
}

// The candidate pieces of the chunk, each distinct piece once.
std::vector<std::string_view> Pieces(std::string_view chunk, const CandidateLimits& limits,
                                     const KnownWords* known) {
    std::vector<std::string_view> pieces;
    const size_t end = !chunk.empty() && EndsChunk(chunk.back()) ? chunk.size() - 1 : chunk.size();
    const bool blankAfter = end < chunk.size() && chunk[end] == ' ';
    for (size_t word = 0; word < end;) {
        size_t after = word;
        while (after < end && InWord(chunk[after])) ++after;
        // A piece ends at the blank only where the word reaches it.
        const bool lastWord = after == end && blankAfter;
        if (after > word && known && !known->Knows(chunk.substr(word, after - word))) {
            word = after;
            continue;
        }
        for (size_t from = word; from < after; ++from) {
            if (!IsKeyLetter(chunk[from])) continue;
            for (size_t length = 1; from + length <= after && length <= limits.longestPiece;
                 ++length) {
                pieces.push_back(chunk.substr(from, length));
                if (lastWord && from + length == after) pieces.push_back(chunk.substr(from));
            }
        }
        if (limits.wholeWords && lastWord && word == 0 && after > limits.longestPiece) {
            pieces.push_back(chunk);
        }
        if (after == word) {
            // A sign alone, and a sign that the blank follows.
            pieces.push_back(chunk.substr(word, 1));
            if (word + 1 == end && blankAfter) pieces.push_back(chunk.substr(word));
            ++after;
        }
        word = after;
    }
    std::sort(pieces.begin(), pieces.end());
    pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
    std::erase_if(pieces, [](std::string_view piece) { return !CanBeKeyText(piece); });
    return pieces;
}

// What a key typing the text would save over typing its characters one by one: the
// characters after the first, the blank counted as one; a single letter saves a trip to the
// group of all letters, counted as one character.
uint64_t Promise(const Candidate& candidate) {
    return candidate.occurrences * std::max<size_t>(candidate.text.size() - 1, 1);
}

}  // namespace

std::vector<Candidate> FindCandidates(const std::vector<Chunk>& chunks,
                                      const CandidateLimits& limits, const KnownWords* known) {
    std::unordered_map<std::string_view, size_t> index;
    std::vector<Candidate> candidates;
    for (size_t chunk = 0; chunk < chunks.size(); ++chunk) {
        for (std::string_view piece : Pieces(chunks[chunk].text, limits, known)) {
            auto [found, added] = index.try_emplace(piece, candidates.size());
            if (added) candidates.push_back({std::string(piece), 0, {}});
            Candidate& candidate = candidates[found->second];
            candidate.occurrences += chunks[chunk].count;
            candidate.chunks.push_back(static_cast<int>(chunk));
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return Promise(a) != Promise(b) ? Promise(a) > Promise(b) : a.text < b.text;
    });
    candidates.resize(std::min(candidates.size(), limits.kept));
    return candidates;
}

}  // namespace analysis
