#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "predict/Words.h"

namespace predict {

// A word finished or taken back by what was typed: learning adds `change`
// (1 or -1) to its counts.
struct WordChange {
    std::string word;
    std::string previous;
    int change;
};

// What the keyboard itself has typed into the receiving window lately, as
// far as words go: the word being typed and the one before it. Nothing is
// read from the window; a key the keyboard sends is all it knows.
class TypedText {
  public:
    // Takes a key's text as it is typed (after the keyboard's lower-casing):
    // letters make the word, Backspace (8) takes back the last character, a
    // blank, Return (13) or a sign ends the word. Returns the words this
    // finished, and those Backspace reopened, for learning.
    std::vector<WordChange> Type(std::string_view text);

    // The caret went where this cannot follow: another receiving window, or a
    // key that moves it or deletes ahead (arrows, Home, End, pages, Delete).
    void Forget();

    // The word being typed (empty text between words) and the word before it;
    // nothing while the last characters typed cannot make a word.
    const std::optional<Word>& Typing() const { return typing_; }

  private:
    void TypeCharacter(char c, std::vector<WordChange>& changes);
    void KeepRecent();

    std::string text_;  // typed since the last Forget, the oldest part dropped
    std::optional<Word> typing_ = Word{};
};

}  // namespace predict
