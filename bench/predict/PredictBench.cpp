// Word prediction bench: keystroke savings on held-out prose, with the lexicon
// alone and after learning from the same author, and the time to refresh the
// predictions after a key with a large learned store; with a keyboard file, the
// refresh also ranks that keyboard's keys for the next keys its layout file asks
// for (five without one), as its group of predictions does.
// Usage: bench_predict LEXICON HELDOUT TRAIN [KEYBOARD]
//        (UTF-8 prose, one paragraph a line)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TypingSimulation.h"
#include "keys/KeyTyping.h"
#include "keys/KeyboardFile.h"
#include "predict/Letters.h"
#include "predict/PredictionLayout.h"
#include "predict/WordModel.h"
#include "predict/Words.h"
#include "text/Cp1252.h"

namespace {

using predict::WordModel;
using Clock = std::chrono::steady_clock;

// Held-out text comes in runs of paragraphs from one manual; a block this size
// stands for one document by one author.
constexpr std::size_t kBlockBytes = 20'000;
// The learned store of the refresh timing: this many words of running text.
constexpr std::size_t kLearnedRunningWords = 100'000;

std::vector<std::string> Paragraphs(const char* file) {
    std::vector<std::string> paragraphs;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (auto text = text::FromUtf8(line, predict::kUnmappable))
            paragraphs.push_back(std::move(*text));
    }
    if (paragraphs.empty()) {
        std::fprintf(stderr, "bench_predict: no text in %s\n", file);
        std::exit(1);
    }
    return paragraphs;
}

double Millis(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void PrintSavings(const char* what, const Savings& s) {
    std::printf("  %-44s letters saved %5.1f%%, keys saved %5.1f%% (%zu words taken)\n", what,
                100 * s.LetterShare(), 100 * s.KeyShare(), s.choices);
}

void PrintRefresh(const char* what, std::vector<double> micros) {
    std::ranges::sort(micros);
    auto at = [&micros](double share) {
        return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))];
    };
    std::printf("  %-44s p50 %7.3f ms, p95 %7.3f ms, max %7.3f ms (%zu keys)\n", what,
                at(0.5) / 1000, at(0.95) / 1000, micros.back() / 1000, micros.size());
}

void SameAuthor(WordModel& model, const std::vector<std::string>& heldout) {
    Savings alone;
    Savings learned;
    std::size_t blocks = 0;
    for (std::size_t first = 0; first < heldout.size(); ++blocks) {
        std::size_t bytes = 0;
        std::size_t end = first;
        while (end < heldout.size() && bytes < kBlockBytes) bytes += heldout[end++].size();
        std::size_t middle = first + (end - first) / 2;
        std::vector<std::string> sample(heldout.begin() + first, heldout.begin() + middle);
        std::vector<std::string> rest(heldout.begin() + middle, heldout.begin() + end);
        model.ClearLearned();
        alone += TypeWithPredictions(model, rest, false);
        LearnFrom(model, sample);
        learned += TypeWithPredictions(model, rest, true);
        first = end;
    }
    model.ClearLearned();
    std::printf("Second halves of %zu held-out blocks of about %zu bytes:\n", blocks, kBlockBytes);
    PrintSavings("lexicon alone", alone);
    PrintSavings("after learning the first half", learned);
}

std::size_t LearnRunningWords(WordModel& model, const std::vector<std::string>& train,
                              std::size_t most) {
    std::vector<std::string> sample;
    std::size_t words = 0;
    for (const std::string& paragraph : train) {
        if (words >= most) break;
        words += predict::SplitWords(paragraph, predict::TextEnd::Closed).words.size();
        sample.push_back(paragraph);
    }
    LearnFrom(model, sample);
    return words;
}

// Fills the store to its limit with made-up words: corpus words with a
// syllable added, each after the one made before it.
void FillToLimit(WordModel& model, const std::vector<std::string>& train) {
    const char* syllables[] = {"ba", "ce", "di", "fo", "gu", "la", "me", "ni", "po", "ru"};
    std::string previous;
    for (const std::string& paragraph : train) {
        for (const auto& word : predict::SplitWords(paragraph, predict::TextEnd::Closed).words) {
            for (const char* syllable : syllables) {
                if (model.LearnedWords() >= predict::kMaxLearnedWords - 1) return;
                std::string made = word.text + syllable;
                if (!predict::IsWord(made)) continue;
                model.Learn({made, previous, 1});
                previous = made;
            }
        }
    }
}

// The next keys when a keyboard's layout file asks for none.
constexpr std::size_t kNextKeysWithoutLayout = 5;

// The texts the keyboard's keys type, in small letters, as the group of predictions offers
// them: keys that type characters and close their groups, each text once.
void CollectOfferable(const keys::KeyForest& nodes, std::vector<std::string>& texts) {
    for (const keys::KeyNode& node : nodes) {
        CollectOfferable(node.children, texts);
        if (!node.children.empty()) continue;
        const keys::KeyTyping typing = keys::WhatAKeyTypes(node.text);
        if (typing.special || !typing.closesGroups || typing.characters.empty()) continue;
        if (std::ranges::find(texts, typing.characters) == texts.end())
            texts.push_back(typing.characters);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: bench_predict LEXICON HELDOUT TRAIN [KEYBOARD]\n");
        return 2;
    }
    std::vector<std::string> keyTexts;
    std::size_t nextKeyCount = 0;
    if (argc == 5) {
        const std::optional<keys::KeyForest> keyboard = keys::ReadKeyboardFile(argv[4]);
        if (!keyboard) {
            std::fprintf(stderr, "bench_predict: cannot read the keyboard %s\n", argv[4]);
            return 1;
        }
        CollectOfferable(*keyboard, keyTexts);
        nextKeyCount = predict::LayoutBeside(argv[4]).keys;
        if (nextKeyCount == 0) nextKeyCount = kNextKeysWithoutLayout;
    }
    const predict::KeySet keySet(keyTexts);
    const NextKeyOffer offer{keySet, nextKeyCount};
    const NextKeyOffer* nextKeys = keyTexts.empty() ? nullptr : &offer;
    const auto heldout = Paragraphs(argv[2]);
    const auto train = Paragraphs(argv[3]);

    WordModel model;
    auto start = Clock::now();
    if (model.LoadLexicon(argv[1]).outcome != predict::LoadOutcome::Loaded) {
        std::fprintf(stderr, "bench_predict: cannot load the lexicon %s\n", argv[1]);
        return 1;
    }
    std::printf("Lexicon %s loaded in %.1f ms\n", argv[1], Millis(start));

    std::printf("Held-out text, %zu paragraphs:\n", heldout.size());
    PrintSavings("lexicon alone", TypeWithPredictions(model, heldout, false));
    PrintSavings("learning while writing, from nothing", TypeWithPredictions(model, heldout, true));
    SameAuthor(model, heldout);

    const auto folder = std::filesystem::temp_directory_path() / "bench_predict";
    std::filesystem::remove_all(folder);
    const auto store = folder / "words.txt";
    model.LoadLearned(store);
    std::size_t running = LearnRunningWords(model, train, kLearnedRunningWords);
    std::printf("Learned store of %zu running words (%zu words, %zu pairs):\n", running,
                model.LearnedWords(), model.LearnedPairs());
    std::vector<double> micros;
    TypeWithPredictions(model, heldout, true, &micros);
    PrintRefresh("refresh after a key", micros);
    if (nextKeys != nullptr) {
        micros.clear();
        TypeWithPredictions(model, heldout, true, &micros, nextKeys);
        std::printf("  with %zu next keys of the keyboard's %zu:\n", nextKeyCount, keyTexts.size());
        PrintRefresh("refresh after a key", micros);
    }
    start = Clock::now();
    model.SaveLearned();
    std::printf("  saved in %.1f ms, %ju bytes\n", Millis(start),
                static_cast<std::uintmax_t>(std::filesystem::file_size(store)));

    FillToLimit(model, train);
    std::printf("Learned store at its limit (%zu words, %zu pairs):\n", model.LearnedWords(),
                model.LearnedPairs());
    micros.clear();
    TypeWithPredictions(model, heldout, true, &micros, nextKeys);
    PrintRefresh(
        nextKeys != nullptr ? "refresh after a key, with the next keys" : "refresh after a key",
        micros);
    start = Clock::now();
    model.SaveLearned();
    std::printf("  saved in %.1f ms, %ju bytes\n", Millis(start),
                static_cast<std::uintmax_t>(std::filesystem::file_size(store)));
    start = Clock::now();
    model.LoadLearned(store);
    std::printf("  loaded in %.1f ms\n", Millis(start));
    std::filesystem::remove_all(folder);
    return 0;
}
