#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "keys/SpecialKeys.h"

namespace analysis {

// The characters a built keyboard's keys may hold, in small letters: those the dispatch types
// the same in every state of the case toggles on the Spanish layout. Letters that Shift only
// capitalises, the accented vowels it composes from dead keys, the blank, and the signs it
// sends with their own modifiers, the comma, semicolon, colon and middle dot among them. A
// diaeresis has no key of its own there.
bool IsKeyCharacter(char small);
// The letters among them, accented vowels, ñ and ç included.
bool IsKeyLetter(char small);

// Whether a keyboard may have a key that types this text (in small letters): only key
// characters, a blank at most at the end (a word and the blank after it), and not the name
// of a special key, which would send that key instead ("fi" sends End), and nothing that
// begins as no syllable of the language does (s and a consonant).
bool CanBeKeyText(std::string_view small);

// Every key letter in small letters, in alphabetical order, each accented vowel after its
// plain vowel: what a built keyboard holds so that any word can be spelt.
const std::vector<std::string>& Alphabet();

// The language's letters with a diaeresis, in small letters: ï and ü in Catalan, ü in
// Castilian. The Spanish layout composes them from a dead key that the dispatch has no class
// for, so it types them as any other character, and only a key in small letters types them
// as written: each is a key of its own, in the group of letters, and part of no other key.
std::vector<std::string> DiaeresisLetters(keys::KeyLanguage language);

// The signs of everyday writing that neither the letters nor the built-in keyboard's digits and
// signs hold, each a key of its own on every built keyboard: the comma, semicolon and colon,
// and in Catalan the middle dot of "l\xB7l".
std::vector<std::string> EverydaySigns(keys::KeyLanguage language);

}  // namespace analysis
