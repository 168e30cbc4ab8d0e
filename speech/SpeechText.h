#pragma once

#include <string>
#include <string_view>

// The text forms of speech, free of any window or engine.
namespace speech {

// The form a text is spoken in: A to Z lowered (every other byte kept), a lone "m" or "m."
// said as "eme", and one space appended.
std::string PrepararText(std::string_view text);

// The clipboard text as it is read: up to its first zero byte and at most 65500 characters.
std::string RetallarCarpeta(std::string_view clipboard);

// The value of a speed text as the speed field reads it: leading blanks skipped, an optional
// sign, then the digits up to the first other character; no digits give 0. Values too large
// for the field come out above the highest speed.
int ConvertirVelocitat(std::string_view text);

// The language and speaker codes that give the checked voice in the checked language.
struct CodisDeVeu {
    int llengua;
    int locutor;
    bool operator==(const CodisDeVeu&) const = default;
};
CodisDeVeu CodisPerA(bool catala, bool dona);

}  // namespace speech
