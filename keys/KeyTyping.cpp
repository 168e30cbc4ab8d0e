#include "keys/KeyTyping.h"

#include "text/Case.h"

namespace keys {

KeyTyping WhatAKeyTypes(std::string_view keyText) {
    std::string text = text::LowerAscii(keyText);
    if (IsSpaceName(text)) return {" "};
    if (const SpecialKey* special = FindSpecialKey(text)) return {"", special, false};
    if (IsDigitOrOperator(text)) return {std::move(text), nullptr, false};
    return {std::move(text)};
}

}  // namespace keys
