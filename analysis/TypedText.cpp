#include "analysis/TypedText.h"

#include "analysis/CaseFold.h"
#include "keys/KeyKind.h"
#include "platform/Constants.h"

namespace analysis {

std::optional<std::string> TypedText(std::string_view keyText) {
    switch (keys::KindOf(false, keyText)) {
        case keys::KeyKind::Space:
            return " ";
        case keys::KeyKind::Special: {
            const keys::SpecialKey& key = *keys::FindSpecialKey(keys::LowerAscii(keyText));
            const bool character = key.send == keys::SpecialSend::Character;
            if (character && key.code == platform::VK_RETURN) return "\n";
            if (!character && key.code == platform::VK_TAB) return "\t";
            return std::nullopt;
        }
        case keys::KeyKind::Group:
        case keys::KeyKind::DigitOrOperator:
        case keys::KeyKind::Text:
            break;
    }
    if (keyText.empty()) return std::nullopt;
    return InSmallLetters(keyText);
}

}  // namespace analysis
