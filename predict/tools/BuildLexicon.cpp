// orvalet-lexicon: counts the words and word pairs of a corpus (UTF-8 prose,
// one paragraph per line) and writes the most frequent as a lexicon in the
// words file format.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "predict/Files.h"
#include "predict/Letters.h"
#include "predict/Words.h"
#include "predict/WordsFile.h"
#include "text/Cp1252.h"

namespace {

constexpr std::size_t kDefaultWords = 40'000;
constexpr std::size_t kDefaultPairs = 100'000;
// A word or pair seen once in a corpus is as often a slip as a word.
constexpr std::uint64_t kLeastCount = 2;

using Tally = std::unordered_map<std::string, std::uint64_t>;

struct Corpus {
    Tally words;
    Tally pairs;  // "previous word", the blank parting them
    std::size_t lines = 0;
    std::size_t skippedLines = 0;
};

bool Count(const char* file, Corpus& corpus) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) {
        ++corpus.lines;
        auto text = text::FromUtf8(line, predict::kUnmappable);
        if (!text) {
            ++corpus.skippedLines;
            continue;
        }
        for (const predict::Word& word :
             predict::SplitWords(*text, predict::TextEnd::Closed).words) {
            ++corpus.words[word.text];
            if (!word.previous.empty()) ++corpus.pairs[word.previous + ' ' + word.text];
        }
    }
    return !in.bad();
}

// The `most` most counted entries seen at least kLeastCount times that `keep`
// accepts, the most counted first, equal counts in byte order.
template <typename Keep>
std::vector<std::pair<std::string, std::uint64_t>> Most(const Tally& tally, std::size_t most,
                                                        Keep keep) {
    std::vector<std::pair<std::string, std::uint64_t>> entries;
    for (const auto& entry : tally) {
        if (entry.second >= kLeastCount && keep(entry.first)) entries.push_back(entry);
    }
    auto order = [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    };
    std::size_t kept = std::min(most, entries.size());
    std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(kept),
                      entries.end(), order);
    entries.resize(kept);
    return entries;
}

bool SizeArgument(const char* text, std::size_t& value) {
    std::string_view view(text);
    auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc() && end == view.data() + view.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t mostWords = kDefaultWords;
    std::size_t mostPairs = kDefaultPairs;
    if (argc < 3 || argc > 5 || (argc > 3 && !SizeArgument(argv[3], mostWords)) ||
        (argc > 4 && !SizeArgument(argv[4], mostPairs))) {
        std::cerr << "usage: orvalet-lexicon CORPUS OUTPUT [WORDS [PAIRS]]\n"
                  << "  keeps the WORDS most frequent words (default " << kDefaultWords
                  << ") and the PAIRS most frequent pairs of them (default " << kDefaultPairs
                  << ")\n";
        return 2;
    }
    Corpus corpus;
    if (!Count(argv[1], corpus)) {
        std::cerr << "orvalet-lexicon: cannot read " << argv[1] << '\n';
        return 1;
    }

    predict::Vocabulary vocabulary;
    predict::Counts counts;
    auto words = Most(corpus.words, mostWords, [](const std::string&) { return true; });
    std::vector<std::string_view> texts;
    for (const auto& [word, count] : words) texts.push_back(word);
    vocabulary.AddAll(texts);
    for (const auto& [word, count] : words) counts.AddWord(*vocabulary.Find(word), count);
    auto pairs = Most(corpus.pairs, mostPairs, [&vocabulary](const std::string& pair) {
        std::size_t blank = pair.find(' ');
        return vocabulary.Find(pair.substr(0, blank)) && vocabulary.Find(pair.substr(blank + 1));
    });
    for (const auto& [pair, count] : pairs) {
        std::size_t blank = pair.find(' ');
        counts.AddPair(*vocabulary.Find(pair.substr(0, blank)),
                       *vocabulary.Find(pair.substr(blank + 1)), count);
    }

    std::string lexicon = predict::FormatWordsFile(vocabulary, counts);
    if (!predict::ReplaceFile(argv[2], lexicon)) {
        std::cerr << "orvalet-lexicon: cannot write " << argv[2] << '\n';
        return 1;
    }
    // Written private, as learned words are; a lexicon is for every user to read.
    std::error_code error;
    using std::filesystem::perms;
    std::filesystem::permissions(
        argv[2], perms::owner_read | perms::owner_write | perms::group_read | perms::others_read,
        error);
    std::cerr << "orvalet-lexicon: " << argv[1] << ": " << corpus.lines << " lines ("
              << corpus.skippedLines << " not UTF-8), " << corpus.words.size() << " words, "
              << corpus.pairs.size() << " pairs; kept " << words.size() << " words and "
              << pairs.size() << " pairs, " << lexicon.size() << " bytes\n";
    return 0;
}
