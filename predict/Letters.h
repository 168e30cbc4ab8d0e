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

// The small letter of a capital: A to Z and the accented capitals of the code
// page (À to Þ) become small; every other byte stays. The keyboard lower-cases
// A to Z only, but a word is the same word whatever case it was typed in.
char FoldCase(char c);

// A letter words are made of, after FoldCase: a to z, the accented letters of
// Catalan and Castilian (à á è é í ï ò ó ú ü) and ñ, ç.
bool IsWordLetter(char c);

// A digit or a letter of some other language (ß, ø, ê ...): it belongs to the
// run of characters around it, which is then not a word.
bool IsForeignLetter(char c);

}  // namespace predict
