#include "analysis/KeyboardFrame.h"

#include "analysis/KeyAlphabet.h"
#include "analysis/ScannedKeyboard.h"
#include "analysis/TypedText.h"
#include "keys/DefaultKeyboard.h"
#include "text/Case.h"

namespace analysis {
namespace {

constexpr const char* kAlphabetCatalan = "LLETRES";
constexpr const char* kAlphabetCastilian = "LETRAS";
constexpr const char* kSignsCatalan = "SIGNES";
constexpr const char* kSignsCastilian = "SIGNOS";

// The built-in keyboard's group of digits and signs, the first after its special keys.
keys::KeyNode NumbersGroup() { return keys::DefaultKeyboard()[keys::kSpecialTopLevelNodes]; }

keys::KeyNode AlphabetGroup(keys::KeyLanguage language) {
    keys::KeyNode group{
        language == keys::KeyLanguage::Catalan ? kAlphabetCatalan : kAlphabetCastilian, {}};
    for (const std::string& letter : Alphabet())
        group.children.push_back({text::ToCapital(letter), {}});
    for (const std::string& letter : DiaeresisLetters(language))
        group.children.push_back({letter, {}});
    return group;
}

keys::KeyNode SignsGroup(keys::KeyLanguage language) {
    keys::KeyNode group{language == keys::KeyLanguage::Catalan ? kSignsCatalan : kSignsCastilian,
                        {}};
    for (const std::string& sign : EverydaySigns(language)) group.children.push_back({sign, {}});
    return group;
}

}  // namespace

std::vector<SpecialKey> SpecialKeysOf(keys::KeyLanguage language) {
    keys::KeyForest specials;
    keys::AfegirTeclesEspecials(specials, language);
    const ScannedKeyboard scanned(specials, false);
    std::vector<SpecialKey> typing;
    for (size_t node = 0; node < scanned.Flat().Nodes().size(); ++node) {
        const int index = static_cast<int>(node);
        if (scanned.Flat().IsGroup(index) || !scanned.Costs()[node]) continue;
        if (std::optional<std::string> typed = TypedText(scanned.Flat().TextOf(index))) {
            typing.push_back({*typed, scanned.Costs()[node]->Actions()});
        }
    }
    return typing;
}

keys::KeyForest TrailingGroups(keys::KeyLanguage language) {
    return {AlphabetGroup(language), SignsGroup(language), NumbersGroup()};
}

std::vector<std::vector<std::string>> TypedByTrailingGroups(keys::KeyLanguage language) {
    std::vector<std::vector<std::string>> typed;
    for (const keys::KeyNode& group : TrailingGroups(language)) {
        typed.emplace_back();
        for (const keys::KeyNode& key : group.children) {
            typed.back().push_back(text::ToSmall(key.text));
        }
    }
    return typed;
}

}  // namespace analysis
