#pragma once

#include <string>
#include <string_view>

#include "keys/KeyKind.h"

namespace keys {

// What choosing a key types: its characters, one by one, or a special key sent on its own;
// and whether the open groups close after it. The one answer for the keyboard's dispatch and
// for the cost analyser, so that both type alike.
struct KeyTyping {
    // The characters typed, lower-cased as the key's text is (A to Z only); empty for a
    // special key.
    std::string characters;
    // The special key sent instead, or nullptr.
    const SpecialKey* special = nullptr;
    // Special, digit and operator keys leave their group open, so that several can follow.
    bool closesGroups = true;
};

// What a key with this text types; the text as the tree holds it, in any case.
KeyTyping WhatAKeyTypes(std::string_view keyText);

}  // namespace keys
