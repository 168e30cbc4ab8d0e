#include "predict/WordsFile.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "predict/Letters.h"
#include "predict/Words.h"
#include "text/Cp1252.h"

namespace predict {

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

std::optional<std::string> WordField(std::string_view field) {
    std::optional<std::string> word = text::FromUtf8(field, kUnmappable);
    if (!word || !IsWord(*word)) return std::nullopt;
    return word;
}

std::optional<Count> CountField(std::string_view field) {
    Count count = 0;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), count);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return count;
}

std::optional<WordLine> ParseLine(std::string_view line) {
    std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 2 || fields.size() % 2 != 0) return std::nullopt;
    auto word = WordField(fields[0]);
    auto count = CountField(fields[1]);
    if (!word || !count) return std::nullopt;
    WordLine parsed{std::move(*word), *count, {}};
    for (std::size_t i = 2; i < fields.size(); i += 2) {
        auto follower = WordField(fields[i]);
        auto pairCount = CountField(fields[i + 1]);
        if (!follower || !pairCount || *pairCount == 0) return std::nullopt;
        parsed.followers.emplace_back(std::move(*follower), *pairCount);
    }
    return parsed;
}

std::string_view NextLine(std::string_view& rest) {
    std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

ParsedWordsFile ParseWordsFile(std::string_view content) {
    ParsedWordsFile parsed;
    std::string_view rest = content;
    if (NextLine(rest) != kWordsFileHeader) return parsed;
    parsed.recognised = true;
    for (std::size_t number = 2; !rest.empty(); ++number) {
        std::string_view line = NextLine(rest);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (auto word = ParseLine(line)) {
            parsed.lines.push_back(std::move(*word));
        } else if (parsed.badLines++ == 0) {
            parsed.firstBadLine = number;
        }
    }
    return parsed;
}

std::string FormatWordsFile(const Vocabulary& vocabulary, const Counts& counts) {
    std::vector<WordId> ids;
    for (WordId id = 0; id < vocabulary.Size(); ++id) {
        if (counts.Of(id) > 0 || !counts.After(id).empty()) ids.push_back(id);
    }
    std::ranges::sort(ids, [&](WordId a, WordId b) {
        if (counts.Of(a) != counts.Of(b)) return counts.Of(a) > counts.Of(b);
        return vocabulary.Text(a) < vocabulary.Text(b);
    });
    std::string content(kWordsFileHeader);
    content += '\n';
    for (WordId id : ids) {
        content += text::ToUtf8(vocabulary.Text(id));
        content += ' ' + std::to_string(counts.Of(id));
        std::vector<Follower> followers(counts.After(id).begin(), counts.After(id).end());
        std::ranges::sort(followers, [&vocabulary](const Follower& a, const Follower& b) {
            if (a.count != b.count) return a.count > b.count;
            return vocabulary.Text(a.word) < vocabulary.Text(b.word);
        });
        for (const Follower& f : followers) {
            content += ' ' + text::ToUtf8(vocabulary.Text(f.word)) + ' ' + std::to_string(f.count);
        }
        content += '\n';
    }
    return content;
}

}  // namespace predict
