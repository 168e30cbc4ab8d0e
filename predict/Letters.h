#pragma once

namespace predict {

// The characters a word is made of, as Windows-1252 bytes.
inline constexpr char kApostrophe = '\'';
inline constexpr char kRightQuote = '\x92';  // typographic apostrophe, read as kApostrophe
inline constexpr char kMiddleDot = '\xB7';   // the dot of the Catalan geminate l·l
inline constexpr char kFullStop = '.';       // stands for kMiddleDot where a layout lacks it
inline constexpr char kBlank = ' ';
inline constexpr char kNoBreakBlank = '\xA0';
inline constexpr char kHyphen = '-';
inline constexpr char kBackspace = '\b';

// Stands for a character Windows-1252 cannot hold; a byte the code page leaves
// unassigned, so it never passes for a letter of a word.
inline constexpr char kUnmappable = '\x81';

// A letter words are made of, in small letters (text::ToSmall): a to z, the accented letters of
// Catalan and Castilian (à á è é í ï ò ó ú ü) and ñ, ç.
bool IsWordLetter(char c);

// A digit or a letter of some other language (ß, ø, ê ...): it belongs to the
// run of characters around it, which is then not a word.
bool IsForeignLetter(char c);

}  // namespace predict
