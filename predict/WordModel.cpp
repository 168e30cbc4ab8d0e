#include "predict/WordModel.h"

#include <algorithm>

#include "predict/Files.h"
#include "predict/Letters.h"
#include "predict/NextKeys.h"
#include "predict/Ranking.h"
#include "predict/Words.h"
#include "predict/WordsFile.h"
#include "text/Case.h"

namespace predict {

namespace {

constexpr std::string_view kDamagedSuffix = ".damaged";
// How far what the user wrote may outweigh the lexicon at most: its share comes near
// kLearnedMostShare, above the lexicon's, so that a word or pair the user keeps writing comes
// first within a session.
constexpr double kLearnedHalfWay = 100.0;
constexpr double kLearnedMostShare = 0.8;
constexpr std::size_t kPrunedWords = kMaxLearnedWords / 10 * 9;
constexpr std::size_t kPrunedPairs = kMaxLearnedPairs / 10 * 9;

LoadStatus StatusOf(LoadOutcome outcome) {
    LoadStatus status;
    status.outcome = outcome;
    return status;
}

LoadOutcome OutcomeOf(FileRead read) {
    return read == FileRead::Missing ? LoadOutcome::Missing : LoadOutcome::Unreadable;
}

}  // namespace

LoadStatus WordModel::Read(const std::filesystem::path& file, Counts& counts) {
    FileContent content = ReadWholeFile(file);
    if (content.result != FileRead::Read) return StatusOf(OutcomeOf(content.result));
    if (content.bytes.empty()) return {};
    ParsedWordsFile parsed = ParseWordsFile(content.bytes);
    if (!parsed.recognised) return StatusOf(LoadOutcome::NotWordsFile);
    std::vector<std::string_view> words;
    for (const WordLine& line : parsed.lines) {
        words.push_back(line.word);
        for (const auto& follower : line.followers) words.push_back(follower.first);
    }
    vocabulary_.AddAll(words);
    for (const WordLine& line : parsed.lines) {
        WordId word = vocabulary_.Add(line.word);
        counts.AddWord(word, line.count);
        for (const auto& [follower, count] : line.followers) {
            counts.AddPair(word, vocabulary_.Add(follower), count);
        }
    }
    if (parsed.badLines == 0) return {};
    LoadStatus status = StatusOf(LoadOutcome::DamagedLines);
    status.badLines = parsed.badLines;
    status.firstBadLine = parsed.firstBadLine;
    return status;
}

LoadStatus WordModel::LoadLexicon(const std::filesystem::path& file) {
    lexicon_ = Counts();
    Compact();
    LoadStatus status = Read(file, lexicon_);
    lexiconCharacters_ = CharactersOf(lexicon_);
    return status;
}

LoadStatus WordModel::LoadLearned(const std::filesystem::path& file) {
    learned_ = Counts();
    share_ = MixtureShare();
    Compact();
    learnedFile_ = file;
    damagedCopy_ = file;
    damagedCopy_ += kDamagedSuffix;
    unsaved_ = false;
    LoadStatus status = Read(file, learned_);
    learnedCharacters_ = CharactersOf(learned_);
    if (status.outcome == LoadOutcome::Missing) status.outcome = LoadOutcome::Loaded;
    mayOverwrite_ = status.outcome == LoadOutcome::Loaded;
    if (!mayOverwrite_) {
        std::error_code error;
        std::filesystem::rename(file, damagedCopy_, error);
        mayOverwrite_ = !error;
        if (!error) status.keptAs = damagedCopy_;
        unsaved_ = status.outcome == LoadOutcome::DamagedLines;
    }
    return status;
}

bool WordModel::SaveLearned() {
    if (!unsaved_) return true;
    if (!mayOverwrite_ || learnedFile_.empty()) return false;
    if (!ReplaceFile(learnedFile_, FormatWordsFile(vocabulary_, learned_))) return false;
    unsaved_ = false;
    return true;
}

bool WordModel::ClearLearned() {
    learned_ = Counts();
    learnedCharacters_ = CharacterModel();
    share_ = MixtureShare();
    Compact();
    std::error_code error;
    if (!damagedCopy_.empty()) std::filesystem::remove(damagedCopy_, error);
    unsaved_ = true;
    return SaveLearned();
}

void WordModel::Learn(const WordChange& change) {
    if (!IsWord(change.word) || (!change.previous.empty() && !IsWord(change.previous))) return;
    auto word = change.change > 0 ? vocabulary_.Add(change.word) : vocabulary_.Find(change.word);
    if (!word) return;
    if (change.change > 0) Observe(change.word);
    learned_.AddWord(*word, change.change);
    learnedCharacters_.Learn(change.word, change.change);
    if (!change.previous.empty()) {
        auto previous = change.change > 0 ? vocabulary_.Add(change.previous)
                                          : vocabulary_.Find(change.previous);
        if (previous) learned_.AddPair(*previous, *word, change.change);
    }
    unsaved_ = true;
    if (learned_.Words() > kMaxLearnedWords || learned_.Pairs() > kMaxLearnedPairs) {
        learned_.KeepMost(kPrunedWords, kPrunedPairs);
        Compact();
        learnedCharacters_ = CharactersOf(learned_);
    }
}

std::vector<std::string> WordModel::Predict(std::string_view previous, std::string_view prefix,
                                            std::size_t count) const {
    std::optional<WordId> after = previous.empty() ? std::nullopt : vocabulary_.Find(previous);
    std::vector<std::string> words;
    for (WordId id : Rank(vocabulary_, lexicon_, learned_, LearnedShare(), after, prefix, count)) {
        words.push_back(vocabulary_.Text(id));
    }
    return words;
}

std::vector<std::size_t> WordModel::NextKeys(std::string_view typing,
                                             std::span<const std::string> keys,
                                             std::size_t count) const {
    return NextKeys(typing, KeySet(keys), count);
}

std::vector<std::size_t> WordModel::NextKeys(std::string_view typing, const KeySet& keys,
                                             std::size_t count) const {
    return keys.Rank(lexiconCharacters_, learnedCharacters_, LearnedShare(), typing, count);
}

double WordModel::LearnedShare() const {
    if (lexicon_.Total() == 0) return 1.0;
    // A handful of words learned is no sign yet of what the user writes, however well they
    // were foretold: the share grows with the words learned, half way at kLearnedHalfWay.
    const auto written = static_cast<double>(learned_.Total());
    return std::min(share_.Learned(), kLearnedMostShare * written / (written + kLearnedHalfWay));
}

void WordModel::Observe(std::string_view word) {
    std::string context = CharacterModel::ContextAfter("");
    std::string text = text::ToSmall(word);
    if (text.back() != kApostrophe) text.push_back(kBlank);
    for (char c : text) {
        share_.Observe(lexiconCharacters_.Next(context, c), learnedCharacters_.Next(context, c));
        CharacterModel::Follow(context, c);
    }
}

CharacterModel WordModel::CharactersOf(const Counts& counts) const {
    CharacterModel characters;
    for (WordId id = 0; id < vocabulary_.Size(); ++id) {
        characters.Learn(vocabulary_.Text(id), counts.Of(id));
    }
    return characters;
}

void WordModel::Compact() {
    std::vector<std::string_view> counted;
    for (WordId id = 0; id < vocabulary_.Size(); ++id) {
        for (const Counts* counts : {&lexicon_, &learned_}) {
            if (counts->Of(id) > 0 || !counts->After(id).empty())
                counted.push_back(vocabulary_.Text(id));
            for (const Follower& f : counts->After(id)) counted.push_back(vocabulary_.Text(f.word));
        }
    }
    Vocabulary vocabulary;
    vocabulary.AddAll(counted);
    Counts lexicon;
    Counts learned;
    auto copy = [this, &vocabulary](const Counts& from, Counts& to) {
        for (WordId id = 0; id < vocabulary_.Size(); ++id) {
            if (from.Of(id) == 0 && from.After(id).empty()) continue;
            WordId word = vocabulary.Add(vocabulary_.Text(id));
            to.AddWord(word, from.Of(id));
            for (const Follower& f : from.After(id)) {
                to.AddPair(word, vocabulary.Add(vocabulary_.Text(f.word)), f.count);
            }
        }
    };
    copy(lexicon_, lexicon);
    copy(learned_, learned);
    vocabulary_ = std::move(vocabulary);
    lexicon_ = std::move(lexicon);
    learned_ = std::move(learned);
}

}  // namespace predict
