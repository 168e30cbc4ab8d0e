#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/KeyboardBuilder.h"
#include "analysis/KnownWords.h"
#include "keys/KeyNode.h"

// The words of a language as the installed Hunspell dictionaries know them: what keeps the
// manuals' commands and English out of the built keyboards and the lexicons.
namespace {

std::optional<analysis::KnownWords> Dictionary(keys::KeyLanguage language) {
    return analysis::KnownWords::Open(analysis::KnownWords::Installed(language));
}

TEST(KnownWords, WordsAndNamesOfTheLanguageAreKnownAndEnglishIsNot) {
    struct Row {
        keys::KeyLanguage language;
        const char* word;  // Windows-1252, small letters
        bool known;
        bool wordOrName;
    };
    const Row rows[] = {
        {keys::KeyLanguage::Catalan, "casa", true, true},
        {keys::KeyLanguage::Catalan,
         "pel\xB7l\xED"
         "cula",
         true, true},
        {keys::KeyLanguage::Catalan, "ve\xEFna", true, true},
        {keys::KeyLanguage::Catalan, "madrid", false, true},
        {keys::KeyLanguage::Catalan, "l'", false, true},
        {keys::KeyLanguage::Catalan, "spectrum", false, false},
        {keys::KeyLanguage::Catalan, "markup", false, false},
        {keys::KeyLanguage::Castilian,
         "verg\xFC"
         "enza",
         true, true},
        {keys::KeyLanguage::Castilian,
         "espa\xF1"
         "a",
         false, true},
        {keys::KeyLanguage::Castilian, "thread", false, false},
        {keys::KeyLanguage::Castilian, "debian", false, false},
    };
    for (const Row& row : rows) {
        const std::optional<analysis::KnownWords> known = Dictionary(row.language);
        ASSERT_TRUE(known.has_value()) << "the dictionaries are installed with the build tools";
        EXPECT_EQ(known->Knows(row.word), row.known) << row.word;
        EXPECT_EQ(known->KnowsWordOrName(row.word), row.wordOrName) << row.word;
    }
}

TEST(KnownWords, AMissingDictionaryIsNoneAndNoCrash) {
    EXPECT_FALSE(analysis::KnownWords::Open("/nonexistent/xx.dic").has_value());
}

bool HasKeyStarting(const keys::KeyForest& nodes, const std::string& start) {
    for (const keys::KeyNode& node : nodes) {
        if (node.children.empty() && node.text.starts_with(start)) return true;
        if (HasKeyStarting(node.children, start)) return true;
    }
    return false;
}

TEST(KnownWords, AForeignWordOfTheCorpusNeverBecomesAKey) {
    std::string text;
    for (int line = 0; line < 200; ++line) text += "el markup de la casa i el markup del gat.\n";
    const std::vector<analysis::DecodedText> corpus{analysis::DecodedText{text, {}}};
    const std::optional<analysis::KnownWords> known = Dictionary(keys::KeyLanguage::Catalan);
    ASSERT_TRUE(known.has_value());
    const std::vector<const analysis::KnownWords*> dictionaries{&*known, nullptr};
    for (const analysis::KnownWords* dictionary : dictionaries) {
        std::ostringstream progress;
        const analysis::BuiltKeyboard built = analysis::BuildKeyboard(
            {{"prose", corpus}}, keys::KeyLanguage::Catalan, 1000, dictionary, progress);
        EXPECT_EQ(HasKeyStarting(built.keys, "MARKUP"), dictionary == nullptr)
            << (dictionary ? "with" : "without") << " the dictionary";
        EXPECT_TRUE(HasKeyStarting(built.keys, "CASA")) << "a word of the language stays";
    }
}

}  // namespace
