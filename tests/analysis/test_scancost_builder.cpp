#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/CandidateKeys.h"
#include "analysis/KeyAlphabet.h"
#include "analysis/KeyboardBuilder.h"
#include "analysis/KeyboardWriter.h"
#include "analysis/LayoutShape.h"
#include "analysis/ScannedKeyboard.h"
#include "keys/DefaultKeyboard.h"
#include "keys/KeyboardFile.h"
#include "text/Case.h"

namespace {

TEST(ScanCostBuilder, AKeyMayHoldOnlyWhatTheDispatchTypesFaithfully) {
    struct Row {
        const char* rule;
        const char* small;
        bool allowed;
    };
    const Row rows[] = {
        {"a syllable", "ba", true},
        {"a word and its blank", "de ", true},
        {"accented vowels, \xF1 and \xE7", "\xE0\xE9\xF1\xE7", true},
        {"an elision", "l'", true},
        {"fi would send End", "fi", false},
        {"fin would send End", "fin", false},
        {"espai would send a blank", "espai", false},
        {"but the word fi with its blank is text", "fi ", true},
        {"a comma keeps its form under every toggle", ", ", true},
        {"so do the semicolon and the colon", ";:", true},
        {"a middle dot inside a word", "l\xB7l", true},
        {"no diaeresis", "g\xFC", false},
        {"a blank inside", "de la", false},
        {"a blank first", " de", false},
        {"empty", "", false},
        {"no syllable begins with s and a consonant", "spe", false},
        {"nor with s and a consonant that another follows", "str", false},
        {"but s and a vowel does", "se", true},
        {"and so does the elision of se", "s'", true},
        {"and s alone", "s", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(analysis::CanBeKeyText(row.small), row.allowed) << row.rule;
}

TEST(ScanCostBuilder, CandidatesArePiecesOfWordsWholeWordsAndSignsBeforeABlank) {
    const std::vector<analysis::Chunk> chunks = {
        {"l'home ", 3, {}}, {"casa. ", 2, {}},     {"de ", 5, {}},    {"casa\n", 1, {}},
        {"bo, ", 1, {}},    {"col\xB7la ", 1, {}}, {"espera ", 1, {}}};
    const std::vector<analysis::Candidate> candidates =
        analysis::FindCandidates(chunks, {3, true, 1000});
    auto occurrences = [&](const std::string& text) -> int {
        for (const auto& candidate : candidates) {
            if (candidate.text == text) return static_cast<int>(candidate.occurrences);
        }
        return -1;
    };
    struct Row {
        const char* rule;
        const char* text;
        int occurrences;  // -1: not a candidate
    };
    const Row rows[] = {
        {"an elision", "l'", 3},
        {"the end of a word with its blank", "ome ", 3},
        {"a whole word longer than the pieces", "l'home ", 3},
        {"a word as short as a piece", "de ", 5},
        {"a single letter, in every chunk that holds it", "a", 5},
        {"a sign and its blank", ". ", 2},
        {"no piece begins with an apostrophe", "'ho", -1},
        {"no sign inside a piece", "a.", -1},
        {"a sign alone, before a blank or a line break", ".", 2},
        {"no blank after a word that a sign ends", "asa ", -1},
        {"no piece longer than the limit", "home", -1},
        {"a comma and its blank", ", ", 1},
        {"the middle dot stands inside a word", "l\xB7l", 1},
        {"no blank before a line break", "casa\n", -1},
        {"a piece that ends on the s of a syllable", "esp", 1},
        {"none that begins with it when a consonant follows", "spe", -1},
    };
    for (const Row& row : rows) EXPECT_EQ(occurrences(row.text), row.occurrences) << row.rule;
}

TEST(ScanCostBuilder, TheCheapestPlacesFollowTheScan) {
    // Four special keys; a single at the fifth row; a group at the sixth; a nested group at
    // the seventh with one key before its groups.
    const analysis::LayoutShape shape{1, 1, 1, 1};
    struct Expected {
        int actions;
        int group;
        int subgroup;
        int index;
    };
    const Expected expected[] = {
        {5, -1, -1, 0}, {8, 0, -1, 0},  {9, 0, -1, 1},  {9, 1, -1, 0},
        {10, 0, -1, 2}, {11, 0, -1, 3}, {12, 0, -1, 4}, {12, 1, 0, 0},
        {13, 0, -1, 5}, {13, 1, 0, 1},  {13, 1, 1, 0},
    };
    const std::vector<analysis::Place> places =
        analysis::CheapestPlaces(shape, std::size(expected));
    ASSERT_EQ(places.size(), std::size(expected));
    for (size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].actions, expected[i].actions) << i;
        EXPECT_EQ(places[i].group, expected[i].group) << i;
        EXPECT_EQ(places[i].subgroup, expected[i].subgroup) << i;
        EXPECT_EQ(places[i].index, expected[i].index) << i;
    }
    EXPECT_EQ(analysis::GroupsUsed(places), 2);
    EXPECT_EQ(analysis::TrailingKeyActions(shape, 2, 1, 3), 4 + 1 + 2 + 1 + 1 + 3 + 2)
        << "the second trailing group at the ninth row, its fourth key";
}

// A corpus where a few words come back again and again.
std::vector<analysis::DecodedText> Corpus() {
    std::string text;
    for (int line = 0; line < 300; ++line) {
        text += line % 2 ? "el gat menja peix i el gos menja carn. " : "la casa \xE9s gran";
        text += line % 3 ? " i el jard\xED tamb\xE9.\n" : ".\n";
    }
    return {analysis::DecodedText{text, {}}};
}

void CollectKeys(const keys::KeyForest& nodes, std::vector<std::string>& keys) {
    for (const keys::KeyNode& node : nodes) {
        if (node.children.empty()) keys.push_back(node.text);
        CollectKeys(node.children, keys);
    }
}

TEST(ScanCostBuilder, ABuiltKeyboardTypesItsCorpusWithFewerActionsAndEveryLetter) {
    std::ostringstream progress;
    const analysis::BuiltKeyboard built = analysis::BuildKeyboard(
        {{"prose", Corpus()}}, keys::KeyLanguage::Catalan, 1000, nullptr, progress);
    std::vector<std::string> keys;
    CollectKeys(built.keys, keys);
    const std::vector<std::string> diaeresis =
        analysis::DiaeresisLetters(keys::KeyLanguage::Catalan);
    for (const std::string& key : keys) {
        if (std::ranges::find(diaeresis, key) != diaeresis.end()) continue;
        EXPECT_TRUE(analysis::CanBeKeyText(text::ToSmall(key))) << key;
        EXPECT_EQ(text::ToCapital(key), key) << "written in capitals";
    }
    const std::set<std::string> all(keys.begin(), keys.end());
    for (const std::string& letter : analysis::Alphabet()) {
        EXPECT_TRUE(all.contains(text::ToCapital(letter))) << letter;
    }
    EXPECT_TRUE(all.contains("MENJA ")) << "the most frequent long word is a key";
    EXPECT_EQ(keys::ParseKeyboard(analysis::KeyboardFileText(built.keys))->size(),
              built.keys.size());

    keys::KeyForest shown = built.keys;
    keys::AfegirTeclesEspecials(shown, keys::KeyLanguage::Catalan);
    const analysis::ScannedKeyboard scanned(shown, false);
    for (const auto& cost : scanned.Costs()) EXPECT_TRUE(cost.has_value()) << "every node reached";
    const keys::KeyForest builtIn = keys::DefaultKeyboard();
    const analysis::ScannedKeyboard reference(builtIn, false);
    EXPECT_LT(scanned.Write(Corpus()).Actions(), reference.Write(Corpus()).Actions() / 2);
    EXPECT_NE(progress.str().find("scan actions per character"), std::string::npos);
}

TEST(ScanCostBuilder, NoMoreKeysAreChosenThanAsked) {
    std::ostringstream progress;
    const analysis::BuiltKeyboard built = analysis::BuildKeyboard(
        {{"prose", Corpus()}}, keys::KeyLanguage::Castilian, 5, nullptr, progress);
    const keys::KeyForest trailing = {built.keys.end()[-3], built.keys.end()[-2],
                                      built.keys.back()};
    EXPECT_EQ(trailing[0].text, "LETRAS");
    EXPECT_EQ(trailing[1].text, "SIGNOS");
    EXPECT_EQ(trailing[2].text, "N\xDAMEROS");
    EXPECT_LE(keys::CountKeys(built.keys) - keys::CountKeys(trailing), 5u + 2u)
        << "five keys and the groups that hold them";
}

TEST(ScanCostBuilder, AnEmptyCorpusGivesEveryLetterTheSignsOfWritingAndTheDigits) {
    struct Row {
        keys::KeyLanguage language;
        const char* letters;
        const char* signs;
        std::vector<std::string> signKeys;
        // The last keys of the letters, in small letters so that they type as written.
        std::vector<std::string> diaeresis;
    };
    const Row rows[] = {
        {keys::KeyLanguage::Catalan,
         "LLETRES",
         "SIGNES",
         {",", ";", ":", "\xB7"},
         {"\xEF", "\xFC"}},
        {keys::KeyLanguage::Castilian, "LETRAS", "SIGNOS", {",", ";", ":"}, {"\xFC"}},
    };
    for (const Row& row : rows) {
        std::ostringstream progress;
        const analysis::BuiltKeyboard built = analysis::BuildKeyboard(
            {{"nothing", {analysis::DecodedText{}}}}, row.language, 1000, nullptr, progress);
        ASSERT_EQ(built.keys.size(), 3u);
        EXPECT_EQ(built.keys[0].text, row.letters);
        const std::vector<keys::KeyNode>& letters = built.keys[0].children;
        ASSERT_EQ(letters.size(), analysis::Alphabet().size() + row.diaeresis.size());
        for (size_t i = 0; i < row.diaeresis.size(); ++i) {
            EXPECT_EQ(letters[analysis::Alphabet().size() + i].text, row.diaeresis[i]);
        }
        EXPECT_EQ(built.keys[1].text, row.signs);
        std::vector<std::string> signs;
        for (const keys::KeyNode& key : built.keys[1].children) signs.push_back(key.text);
        EXPECT_EQ(signs, row.signKeys);
        EXPECT_EQ(built.keys[2].text, "N\xDAMEROS");
        EXPECT_EQ(built.sampleActions, 0.0);
    }
}

std::vector<std::string> ChosenKeys(const analysis::BuiltKeyboard& built) {
    const keys::KeyForest chosen(built.keys.begin(), built.keys.end() - 3);  // no trailing groups
    std::vector<std::string> keys;
    CollectKeys(chosen, keys);
    return keys;
}

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

// A key of more than one letter that only FITXER holds of the words of the corpus.
bool OnlyOfFitxer(const std::string& key) {
    if (key.size() < 2 || std::string("FITXER ").find(key) == std::string::npos) return false;
    for (const char* word : {"OBRIU ", "EL ", "I ", "GAT ", "MENJA ", "PEIX ", "GOS ", "CARN "}) {
        if (std::string(word).find(key) != std::string::npos) return false;
    }
    return true;
}

TEST(ScanCostBuilder, AKeyMustSaveInTwoRegistersWhenThereAreSeveral) {
    // FITXER comes in the manuals alone, GAT and MENJA in both.
    const std::vector<analysis::DecodedText> manuals = {
        {Repeated("obriu el fitxer i el gat menja el fitxer.\n", 200), {}}};
    const std::vector<analysis::DecodedText> everyday = {
        {Repeated("el gat menja peix i el gos menja carn.\n", 200), {}}};
    struct Row {
        const char* rule;
        std::vector<analysis::Register> registers;
        bool fitxerIsAKey;
    };
    const Row rows[] = {
        {"the manuals alone", {{"technical", manuals}}, true},
        {"manuals and everyday writing", {{"technical", manuals}, {"everyday", everyday}}, false},
    };
    for (const Row& row : rows) {
        std::ostringstream progress;
        const analysis::BuiltKeyboard built = analysis::BuildKeyboard(
            row.registers, keys::KeyLanguage::Catalan, 1000, nullptr, progress);
        const std::vector<std::string> keys = ChosenKeys(built);
        EXPECT_EQ(std::ranges::any_of(keys, OnlyOfFitxer), row.fitxerIsAKey) << row.rule;
        EXPECT_EQ(std::ranges::count(keys, "MENJA "), 1) << row.rule;
        EXPECT_EQ(built.sampleByRegister.size(), row.registers.size()) << row.rule;
    }
}

}  // namespace
