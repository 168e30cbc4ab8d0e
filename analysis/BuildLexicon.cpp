// orvalet-lexicon: counts the words and word pairs of a corpus (UTF-8 prose,
// one paragraph per line) and writes the most frequent as a lexicon in the
// words file format. A corpus folder holds registers (everyday, technical),
// each a folder with its train.txt; every register weighs as much as the
// largest, so that the lexicon, and the character model the keyboard draws from
// its words, follow everyday writing as well as the bulk of the manuals. With
// --language, only words the language's Hunspell dictionary knows are kept, so
// that the commands and English of the manuals are never offered.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/KnownWords.h"
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

bool Count(const std::filesystem::path& file, Corpus& corpus) {
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

// The texts of a corpus: the file itself, or for a folder the training text of each register
// in it, in the order of their names.
std::vector<std::filesystem::path> CorpusFiles(const std::filesystem::path& corpus) {
    std::error_code error;
    if (!std::filesystem::is_directory(corpus, error)) return {corpus};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpus, error)) {
        const std::filesystem::path train = entry.path() / "train.txt";
        if (entry.is_directory(error) && std::filesystem::is_regular_file(train, error))
            files.push_back(train);
    }
    std::ranges::sort(files);
    return files;
}

std::uint64_t Total(const Tally& tally) {
    std::uint64_t total = 0;
    for (const auto& entry : tally) total += entry.second;
    return total;
}

// Adds the entries of `from` seen at least kLeastCount times, each count times `weight`.
void AddWeighted(const Tally& from, double weight, Tally& to) {
    for (const auto& [text, count] : from) {
        if (count < kLeastCount) continue;
        to[text] += static_cast<std::uint64_t>(std::llround(static_cast<double>(count) * weight));
    }
}

// The option `--language ca|es` at the start of the arguments, which are then shifted past it.
struct LanguageChoice {
    bool given = false;
    bool wrong = false;
    std::optional<analysis::KnownWords> known;  // nothing when the dictionary cannot be read
};

LanguageChoice LanguageOption(int& argc, char**& argv) {
    LanguageChoice choice;
    if (argc < 3 || std::string_view(argv[1]) != "--language") return choice;
    const std::string_view language = argv[2];
    argc -= 2;
    argv += 2;
    choice.given = true;
    choice.wrong = language != "ca" && language != "es";
    if (choice.wrong) return choice;
    const std::filesystem::path dic = analysis::KnownWords::Installed(
        language == "ca" ? keys::KeyLanguage::Catalan : keys::KeyLanguage::Castilian);
    choice.known = analysis::KnownWords::Open(dic);
    if (!choice.known) {
        std::cerr << "orvalet-lexicon: cannot read the dictionary " << dic.string()
                  << ": any word of the corpus may be kept\n";
    }
    return choice;
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
    const LanguageChoice language = LanguageOption(argc, argv);
    const std::optional<analysis::KnownWords>& known = language.known;
    if (language.wrong || argc < 3 || argc > 5 || (argc > 3 && !SizeArgument(argv[3], mostWords)) ||
        (argc > 4 && !SizeArgument(argv[4], mostPairs))) {
        std::cerr << "usage: orvalet-lexicon [--language ca|es] CORPUS OUTPUT [WORDS [PAIRS]]\n"
                  << "  CORPUS is a text, or a folder of registers each with its train.txt\n"
                  << "  keeps the WORDS most frequent words (default " << kDefaultWords
                  << ") and the PAIRS most frequent pairs of them (default " << kDefaultPairs
                  << ")\n";
        return 2;
    }
    if (!language.given) {
        std::cerr << "orvalet-lexicon: no --language given: any word of the corpus may be kept\n";
    }
    const std::vector<std::filesystem::path> files = CorpusFiles(argv[1]);
    if (files.empty()) {
        std::cerr << "orvalet-lexicon: " << argv[1] << " holds no register with a train.txt\n";
        return 1;
    }
    std::vector<Corpus> registers(files.size());
    for (std::size_t at = 0; at < files.size(); ++at) {
        if (!Count(files[at], registers[at])) {
            std::cerr << "orvalet-lexicon: cannot read " << files[at].string() << '\n';
            return 1;
        }
    }
    std::uint64_t largest = 0;
    for (const Corpus& reg : registers) largest = std::max(largest, Total(reg.words));
    Corpus corpus;
    for (const Corpus& reg : registers) {
        const std::uint64_t total = Total(reg.words);
        const double weight =
            total == 0 ? 0.0 : static_cast<double>(largest) / static_cast<double>(total);
        AddWeighted(reg.words, weight, corpus.words);
        AddWeighted(reg.pairs, weight, corpus.pairs);
        corpus.lines += reg.lines;
        corpus.skippedLines += reg.skippedLines;
    }

    predict::Vocabulary vocabulary;
    predict::Counts counts;
    auto words = Most(corpus.words, mostWords, [&known](const std::string& word) {
        return !known || known->KnowsWordOrName(word);
    });
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
