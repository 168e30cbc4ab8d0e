#include "analysis/TypedText.h"

#include "keys/KeyTyping.h"
#include "platform/Constants.h"
#include "text/Case.h"

namespace analysis {

std::optional<std::string> TypedText(std::string_view keyText) {
    const keys::KeyTyping typing = keys::WhatAKeyTypes(keyText);
    if (const keys::SpecialKey* key = typing.special) {
        const bool character = key->send == keys::SpecialSend::Character;
        if (character && key->code == platform::VK_RETURN) return "\n";
        if (!character && key->code == platform::VK_TAB) return "\t";
        return std::nullopt;
    }
    if (typing.characters.empty()) return std::nullopt;
    return text::ToSmall(typing.characters);
}

}  // namespace analysis
