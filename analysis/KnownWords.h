#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "keys/SpecialKeys.h"

class Hunspell;

namespace analysis {

// The words of a language as its Hunspell dictionary knows them, so that a name, a command or
// a word of another language in a corpus never becomes a key.
class KnownWords {
  public:
    // The dictionary whose words file is `dic`, with its affixes beside it in the .aff file of
    // the same name; nothing when either cannot be read.
    static std::optional<KnownWords> Open(const std::filesystem::path& dic);
    // Where Debian installs the dictionary of the language.
    static std::filesystem::path Installed(keys::KeyLanguage language);

    KnownWords(KnownWords&&) noexcept;
    KnownWords& operator=(KnownWords&&) noexcept;
    ~KnownWords();

    // Whether the word, in Windows-1252 small letters, is one of the language's.
    bool Knows(std::string_view word) const;
    // The same, or beginning with a capital it is a name of the language (Madrid, Maria), or it
    // is an elided form ("l'", "d'"), which the dictionaries know only joined to the word after
    // it: the words a lexicon may offer.
    bool KnowsWordOrName(std::string_view word) const;

  private:
    explicit KnownWords(std::unique_ptr<Hunspell> speller);

    std::unique_ptr<Hunspell> speller_;
    // A corpus says the same words again and again.
    mutable std::unordered_map<std::string, bool> answers_;
};

}  // namespace analysis
