#include "keys/KeyboardFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>
#include <vector>

namespace keys {

namespace {

constexpr std::string_view kIndent = "\t ";

struct KeyLine {
    std::size_t level;
    std::string_view text;
};

KeyLine SplitIndent(std::string_view line) {
    std::size_t level = std::min(line.find_first_not_of(kIndent), line.size());
    return {level, line.substr(level)};
}

// Hands out the lines of a text ending in CR, LF or CR LF; a zero byte ends
// the text, and an ending at the very end adds no empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

    std::optional<std::string_view> Next() {
        if (rest_.empty()) return std::nullopt;
        std::size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
        std::string_view line = rest_.substr(0, end);
        std::size_t next = end;
        if (next < rest_.size()) next += rest_.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        rest_.remove_prefix(next);
        return line;
    }

  private:
    std::string_view rest_;
};

// Adds keys line by line. `open_[d]` is the list that takes a key of depth
// d: the top level, then the children of the last key of each depth. Only
// the last element of a list ever gains children, so appending to one list
// never moves a list higher on the path.
class ForestBuilder {
  public:
    ForestBuilder() : open_{&forest_} {}
    ForestBuilder(const ForestBuilder&) = delete;
    ForestBuilder& operator=(const ForestBuilder&) = delete;
    ~ForestBuilder() { ClearKeyForest(forest_); }

    bool Add(KeyLine line) {
        std::size_t depth = first_ ? 0 : line.level;
        first_ = false;
        if (depth >= open_.size()) return false;
        open_.resize(depth + 1);
        std::vector<KeyNode>& siblings = *open_.back();
        siblings.push_back(KeyNode{std::string(line.text), {}});
        open_.push_back(&siblings.back().children);
        return true;
    }

    KeyForest Take() { return std::move(forest_); }

  private:
    KeyForest forest_;
    std::vector<KeyForest*> open_;
    bool first_ = true;
};

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) content.append(chunk, in.gcount());
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace

std::optional<KeyForest> ParseKeyboard(std::string_view text) {
    ForestBuilder builder;
    LineReader lines(text);
    while (std::optional<std::string_view> line = lines.Next()) {
        if (!builder.Add(SplitIndent(*line))) return std::nullopt;
    }
    return builder.Take();
}

std::optional<KeyForest> ReadKeyboardFile(const std::string& fileName) {
    try {
        std::optional<std::string> content = ReadWholeFile(fileName);
        if (!content) return std::nullopt;
        return ParseKeyboard(*content);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

std::size_t CountKeys(const KeyForest& forest) {
    std::size_t count = 0;
    std::vector<const KeyForest*> pending{&forest};
    while (!pending.empty()) {
        const KeyForest* level = pending.back();
        pending.pop_back();
        count += level->size();
        for (const KeyNode& node : *level) {
            if (!node.children.empty()) pending.push_back(&node.children);
        }
    }
    return count;
}

void ClearKeyForest(KeyForest& forest) {
    KeyForest pending = std::move(forest);
    forest.clear();
    while (!pending.empty()) {
        KeyNode node = std::move(pending.back());
        pending.pop_back();
        for (KeyNode& child : node.children) pending.push_back(std::move(child));
    }
}

}  // namespace keys
