#include "analysis/CorpusChunks.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "text/Case.h"

namespace analysis {
namespace {

constexpr size_t kSampleEvery = 10;

class ChunkCounter {
  public:
    explicit ChunkCounter(size_t registers) : registers_(registers) {}

    void Add(std::string_view run, size_t reg) {
        const std::string small = text::ToSmall(run);
        size_t from = 0;
        for (size_t at = 0; at < small.size(); ++at) {
            if (!EndsChunk(small[at])) continue;
            Count(std::string_view(small).substr(from, at + 1 - from), reg);
            from = at + 1;
        }
        if (from < small.size()) Count(std::string_view(small).substr(from), reg);
    }

    // The chunks, their counts weighed by register.
    std::vector<Chunk> Take() {
        std::vector<uint64_t> characters(registers_, 0);
        for (const Chunk& chunk : chunks_) {
            for (size_t reg = 0; reg < registers_; ++reg)
                characters[reg] += chunk.byRegister[reg] * chunk.text.size();
        }
        const uint64_t largest = *std::max_element(characters.begin(), characters.end());
        std::vector<uint64_t> weight(registers_, 1);
        for (size_t reg = 0; reg < registers_; ++reg) {
            if (characters[reg] > 0)
                weight[reg] =
                    std::max<uint64_t>(1, (largest + characters[reg] / 2) / characters[reg]);
        }
        for (Chunk& chunk : chunks_) {
            chunk.count = 0;
            for (size_t reg = 0; reg < registers_; ++reg)
                chunk.count += weight[reg] * chunk.byRegister[reg];
        }
        return std::move(chunks_);
    }

  private:
    void Count(std::string_view chunk, size_t reg) {
        auto [found, added] = index_.try_emplace(std::string(chunk), chunks_.size());
        if (added) chunks_.push_back({std::string(chunk), 0, std::vector<uint64_t>(registers_)});
        ++chunks_[found->second].byRegister[reg];
    }

    size_t registers_;
    std::unordered_map<std::string, size_t> index_;
    std::vector<Chunk> chunks_;
};

// Appends part of a text, with its foreign characters, to another.
void Append(DecodedText& to, const DecodedText& from, size_t begin, size_t end,
            std::vector<DecodedText::Foreign>::const_iterator& foreign) {
    const size_t offset = to.cp1252.size();
    to.cp1252.append(from.cp1252, begin, end - begin);
    for (; foreign != from.foreign.end() && foreign->at <= end; ++foreign) {
        if (foreign->at == end && end != from.cp1252.size()) break;
        to.foreign.push_back({foreign->at - begin + offset, foreign->character});
    }
}

}  // namespace

bool EndsChunk(char character) {
    return character == ' ' || character == '\n' || character == '\t';
}

std::vector<Chunk> CountChunks(const std::vector<std::vector<DecodedText>>& registers) {
    if (registers.empty()) return {};
    ChunkCounter counter(registers.size());
    for (size_t reg = 0; reg < registers.size(); ++reg) {
        for (const DecodedText& text : registers[reg]) {
            text.Walk([&](std::string_view run) { counter.Add(run, reg); },
                      [](std::string_view) {});
        }
    }
    return counter.Take();
}

SplitTexts SplitEveryTenthLine(const std::vector<DecodedText>& texts) {
    SplitTexts split;
    for (const DecodedText& text : texts) {
        DecodedText rest;
        DecodedText sample;
        auto foreign = text.foreign.cbegin();
        size_t line = 0;
        for (size_t begin = 0; begin < text.cp1252.size(); ++line) {
            size_t end = text.cp1252.find('\n', begin);
            end = end == std::string::npos ? text.cp1252.size() : end + 1;
            Append(line % kSampleEvery == kSampleEvery - 1 ? sample : rest, text, begin, end,
                   foreign);
            begin = end;
        }
        split.rest.push_back(std::move(rest));
        split.sample.push_back(std::move(sample));
    }
    return split;
}

}  // namespace analysis
