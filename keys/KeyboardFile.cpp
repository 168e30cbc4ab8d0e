#include "keys/KeyboardFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>
#include <vector>

namespace keys {

namespace {

// Character tests for the scans over every byte of the file, which the
// character-set searches of string_view make several times slower.
bool IsIndent(char c) { return c == '\t' || c == ' '; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

struct KeyLine {
    std::size_t level;
    std::string_view text;
};

KeyLine SplitIndent(std::string_view line) {
    auto text = std::ranges::find_if_not(line, IsIndent);
    std::size_t level = static_cast<std::size_t>(text - line.begin());
    return {level, line.substr(level)};
}

// Hands out the lines of a text ending in CR, LF or CR LF; a zero byte ends
// the text, and an ending at the very end adds no empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

    std::optional<std::string_view> Next() {
        if (rest_.empty()) return std::nullopt;
        auto end = static_cast<std::size_t>(std::ranges::find_if(rest_, IsLineEnd) - rest_.begin());
        std::string_view line = rest_.substr(0, end);
        std::size_t next = end;
        if (next < rest_.size()) next += rest_.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        rest_.remove_prefix(next);
        return line;
    }

  private:
    std::string_view rest_;
};

// Depth in the tree of each line's key: the first line is top-level
// whatever its indentation, and no line may be more than one level deeper
// than the line before.
class DepthRule {
  public:
    std::optional<std::size_t> DepthOf(std::size_t level) {
        std::size_t depth = first_ ? 0 : level;
        if (!first_ && depth > previous_ + 1) return std::nullopt;
        first_ = false;
        previous_ = depth;
        return depth;
    }

  private:
    bool first_ = true;
    std::size_t previous_ = 0;
};

// How many children every key will have, in line order, and how many keys
// the top level holds: a first pass, so that every list of keys is
// allocated once at its final size and a file that fails allocates nothing.
struct Shape {
    std::size_t topLevel = 0;
    std::vector<std::size_t> children;
};

std::optional<Shape> MeasureShape(std::string_view text) {
    Shape shape;
    std::vector<std::size_t> path;  // line index of the last key at each depth
    DepthRule rule;
    LineReader lines(text);
    while (std::optional<std::string_view> line = lines.Next()) {
        std::optional<std::size_t> depth = rule.DepthOf(SplitIndent(*line).level);
        if (!depth) return std::nullopt;
        if (shape.children.size() == kMaxKeys) return std::nullopt;
        path.resize(*depth);
        ++(path.empty() ? shape.topLevel : shape.children[path.back()]);
        path.push_back(shape.children.size());
        shape.children.push_back(0);
    }
    return shape;
}

// `open[d]` is the list that takes a key of depth d: the top level, then
// the children of the last key of each depth. Lists are reserved at their
// final size, so adding a key never moves a list on the path.
KeyForest BuildForest(std::string_view text, const Shape& shape) {
    KeyForest forest;
    forest.reserve(shape.topLevel);
    std::vector<KeyForest*> open{&forest};
    DepthRule rule;
    LineReader lines(text);
    for (std::size_t index = 0; std::optional<std::string_view> line = lines.Next(); ++index) {
        KeyLine key = SplitIndent(*line);
        open.resize(*rule.DepthOf(key.level) + 1);
        KeyNode& node = open.back()->emplace_back(KeyNode{std::string(key.text), {}});
        node.children.reserve(shape.children[index]);
        open.push_back(&node.children);
    }
    return forest;
}

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (!error) content.reserve(size);
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) content.append(chunk, in.gcount());
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace

std::optional<KeyForest> ParseKeyboard(std::string_view text) {
    std::optional<Shape> shape = MeasureShape(text);
    if (!shape) return std::nullopt;
    return BuildForest(text, *shape);
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
