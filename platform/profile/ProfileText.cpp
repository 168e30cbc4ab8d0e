#include "platform/profile/ProfileText.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view Trim(std::string_view s) {
    std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// One line of the text: `content` without its ending, and the offsets of
// its start, of its ending and of the next line.
struct Line {
    std::string_view content;
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = std::min(text.find_first_of(kLineEnd, begin), text.size());
        std::size_t next = end;
        if (next < text.size()) next += text.compare(next, 2, kLineEnd) == 0 ? 2 : 1;
        lines.push_back({text.substr(begin, end - begin), begin, end, next});
        begin = next;
    }
    return lines;
}

enum class LineKind { kSection, kKey, kOther };

struct Entry {
    LineKind kind;
    std::string_view name;
    std::string_view value;
};

Entry ParseLine(std::string_view content) {
    std::string_view line = Trim(content);
    if (line.starts_with('[')) {
        std::size_t close = line.rfind(']');
        if (close == std::string_view::npos) return {LineKind::kOther, {}, {}};
        return {LineKind::kSection, Trim(line.substr(1, close - 1)), {}};
    }
    std::size_t equals = line.find('=');
    if (line.starts_with(';') || equals == std::string_view::npos)
        return {LineKind::kOther, {}, {}};
    return {LineKind::kKey, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Calls `visit(line, entry)` for every line of `section`, its header included.
template <typename Visit>
void ForEachLineOf(const std::vector<Line>& lines, std::string_view section, Visit visit) {
    bool inside = false;
    for (const Line& line : lines) {
        Entry entry = ParseLine(line.content);
        if (entry.kind == LineKind::kSection) inside = SameName(entry.name, section);
        if (inside) visit(line, entry);
    }
}

std::string OnOneLine(std::string_view s) {
    std::string result(s);
    std::ranges::replace_if(
        result, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

std::string WithoutLines(std::string_view text, const std::vector<const Line*>& removed) {
    std::string result;
    std::size_t kept = 0;
    for (const Line* line : removed) {
        result.append(text.substr(kept, line->begin - kept));
        kept = line->next;
    }
    result.append(text.substr(kept));
    return result;
}

std::string WithoutSection(std::string_view text, std::string_view section) {
    std::vector<Line> lines = SplitLines(text);
    std::vector<const Line*> removed;
    ForEachLineOf(lines, section,
                  [&](const Line& line, const Entry&) { removed.push_back(&line); });
    return WithoutLines(text, removed);
}

std::string WithoutKey(std::string_view text, std::string_view section, std::string_view key) {
    std::vector<Line> lines = SplitLines(text);
    std::vector<const Line*> removed;
    ForEachLineOf(lines, section, [&](const Line& line, const Entry& entry) {
        if (entry.kind == LineKind::kKey && SameName(entry.name, key)) removed.push_back(&line);
    });
    return WithoutLines(text, removed);
}

std::string Spliced(std::string_view text, std::size_t begin, std::size_t end,
                    std::string_view insert) {
    std::string result(text.substr(0, begin));
    result.append(insert);
    result.append(text.substr(end));
    return result;
}

bool EndsLine(std::string_view text) {
    return text.empty() || text.back() == '\r' || text.back() == '\n';
}

std::string WithValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    std::vector<Line> lines = SplitLines(text);
    const Line* existing = nullptr;
    std::string_view existingName;
    const Line* lastOfFirstSection = nullptr;
    int headersSeen = 0;
    ForEachLineOf(lines, section, [&](const Line& line, const Entry& entry) {
        if (entry.kind == LineKind::kSection) ++headersSeen;
        if (existing == nullptr && entry.kind == LineKind::kKey && SameName(entry.name, key)) {
            existing = &line;
            existingName = entry.name;
        }
        if (headersSeen == 1 && entry.kind != LineKind::kOther) lastOfFirstSection = &line;
    });
    if (existing != nullptr) {
        return Spliced(text, existing->begin, existing->end,
                       std::string(existingName) + "=" + std::string(value));
    }
    std::string keyLine = std::string(key) + "=" + std::string(value) + "\r\n";
    if (lastOfFirstSection != nullptr) {
        std::string_view before = text.substr(0, lastOfFirstSection->next);
        return Spliced(text, lastOfFirstSection->next, lastOfFirstSection->next,
                       (EndsLine(before) ? "" : "\r\n") + keyLine);
    }
    std::string result(text);
    if (!EndsLine(text)) result.append("\r\n");
    return result + "[" + std::string(section) + "]\r\n" + keyLine;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inside = false;
    for (const Line& line : SplitLines(text)) {
        Entry entry = ParseLine(line.content);
        if (entry.kind == LineKind::kSection) inside = SameName(entry.name, section);
        if (inside && entry.kind == LineKind::kKey && SameName(entry.name, key)) {
            return std::string(Unquote(entry.value));
        }
    }
    return std::nullopt;
}

std::string WithProfileValue(std::string_view text, std::string_view section, const char* key,
                             const char* value) {
    std::string oneLineSection = OnOneLine(Trim(section));
    if (key == nullptr) return WithoutSection(text, oneLineSection);
    std::string oneLineKey = OnOneLine(Trim(key));
    if (value == nullptr) return WithoutKey(text, oneLineSection, oneLineKey);
    return WithValue(text, oneLineSection, oneLineKey, OnOneLine(value));
}

}  // namespace platform
