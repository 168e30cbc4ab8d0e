#include "analysis/KnownWords.h"

#include <fstream>
#include <hunspell.hxx>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace analysis {
namespace {

constexpr const char* kDictionaries = "/usr/share/hunspell";

bool Readable(const std::filesystem::path& file) { return std::ifstream(file).good(); }

}  // namespace

std::optional<KnownWords> KnownWords::Open(const std::filesystem::path& dic) {
    std::filesystem::path aff = dic;
    aff.replace_extension(".aff");
    if (!Readable(dic) || !Readable(aff)) return std::nullopt;
    return KnownWords(std::make_unique<Hunspell>(aff.c_str(), dic.c_str()));
}

std::filesystem::path KnownWords::Installed(keys::KeyLanguage language) {
    return std::filesystem::path(kDictionaries) /
           (language == keys::KeyLanguage::Catalan ? "ca.dic" : "es_ES.dic");
}

KnownWords::KnownWords(std::unique_ptr<Hunspell> speller) : speller_(std::move(speller)) {}
KnownWords::KnownWords(KnownWords&&) noexcept = default;
KnownWords& KnownWords::operator=(KnownWords&&) noexcept = default;
KnownWords::~KnownWords() = default;

bool KnownWords::Knows(std::string_view word) const {
    auto [found, added] = answers_.try_emplace(std::string(word), false);
    // Both Debian dictionaries are in UTF-8.
    if (added) found->second = speller_->spell(text::ToUtf8(word));
    return found->second;
}

bool KnownWords::KnowsWordOrName(std::string_view word) const {
    if (word.empty() || word.back() == '\'' || Knows(word)) return true;
    std::string name(word);
    name.front() = text::ToCapital(name.front());
    return Knows(name);
}

}  // namespace analysis
