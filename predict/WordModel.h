#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "predict/CharacterModel.h"
#include "predict/Counts.h"
#include "predict/MixtureShare.h"
#include "predict/NextKeys.h"
#include "predict/PredictionLayout.h"
#include "predict/TypedText.h"
#include "predict/Vocabulary.h"

namespace predict {

// The most words and word pairs kept of what the user wrote; beyond them the
// least used are forgotten, down to nine tenths of the limit.
inline constexpr std::size_t kMaxLearnedWords = 50'000;
inline constexpr std::size_t kMaxLearnedPairs = 200'000;

enum class LoadOutcome {
    Loaded,        // read whole; a learned-words file that is not there yet reads as empty
    Missing,       // a lexicon that is not there
    Unreadable,    // the file is there but cannot be read
    NotWordsFile,  // the file does not begin as a words file: nothing of it is used
    DamagedLines,  // some lines are not words and counts: they are left out, the rest is used
};

struct LoadStatus {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::size_t badLines = 0;
    std::size_t firstBadLine = 0;  // from 1
    // Where a learned-words file that could not be used whole was moved, so
    // that saving cannot lose what it holds; empty if it was not moved.
    std::filesystem::path keptAs;
};

// Word prediction for one language: a lexicon of counts from a corpus, and
// the counts of what the user writes, learned as they write and kept in a
// file. Nothing here throws on bad files or a failing disk: loading says what
// went wrong and goes on with what it has, saving says whether it managed.
class WordModel {
  public:
    // Replaces the lexicon with the words file at `file`.
    LoadStatus LoadLexicon(const std::filesystem::path& file);

    // Reads what the user wrote before from `file`, and saves there from now
    // on. A file that cannot be used whole is moved aside to <file>.damaged;
    // if it cannot be moved, nothing is saved over it in this session.
    LoadStatus LoadLearned(const std::filesystem::path& file);

    // Writes the learned counts when they changed since the last save. False
    // when the file cannot be written (a full disk, a folder that cannot be
    // made): the counts stay in memory and the next save tries again.
    bool SaveLearned();

    // Forgets everything learned, in memory and in the file, the damaged copy
    // included. False as SaveLearned; memory is cleared all the same.
    bool ClearLearned();

    void Learn(const WordChange& change);

    // The likeliest words beginning with `prefix` and longer than it, after
    // the word `previous` (empty when none): at most `count`, no two alike,
    // the likeliest first. An empty prefix gives the likeliest next words.
    std::vector<std::string> Predict(std::string_view previous, std::string_view prefix,
                                     std::size_t count = kPredictions) const;

    // The keys likeliest to come next while `typing` is the word being typed (empty between
    // words), from a character model of the lexicon's words and of the learned ones: the
    // places in `keys` (the texts the keys type) of at most `count` of them, best first.
    std::vector<std::size_t> NextKeys(std::string_view typing, std::span<const std::string> keys,
                                      std::size_t count) const;
    // The same for keys made into a set once, for many choices.
    std::vector<std::size_t> NextKeys(std::string_view typing, const KeySet& keys,
                                      std::size_t count) const;

    std::size_t LearnedWords() const { return learned_.Words(); }
    std::size_t LearnedPairs() const { return learned_.Pairs(); }

  private:
    // Reads a words file into `counts`, added to what they hold.
    LoadStatus Read(const std::filesystem::path& file, Counts& counts);
    // The character model of every word the counts hold.
    CharacterModel CharactersOf(const Counts& counts) const;
    // Renumbers the vocabulary to hold only the words some counts still hold.
    void Compact();
    // What the learned counts weigh against the lexicon's: as far as they foretold what the
    // user wrote better, and growing with how much was learned; all of it without a lexicon.
    double LearnedShare() const;
    // Weighs how well each character model foretold a word the user wrote, before it is learned.
    void Observe(std::string_view word);

    Vocabulary vocabulary_;
    Counts lexicon_;
    Counts learned_;
    CharacterModel lexiconCharacters_;
    CharacterModel learnedCharacters_;
    MixtureShare share_;
    std::filesystem::path learnedFile_;
    std::filesystem::path damagedCopy_;
    bool mayOverwrite_ = false;  // the learned file was read, or moved aside
    bool unsaved_ = false;
};

}  // namespace predict
