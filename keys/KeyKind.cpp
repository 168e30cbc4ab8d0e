#include "keys/KeyKind.h"

#include <algorithm>
#include <array>

#include "platform/Constants.h"
#include "text/Case.h"

namespace keys {
namespace {

using platform::VK_DELETE, platform::VK_DOWN, platform::VK_END, platform::VK_HOME,
    platform::VK_LEFT, platform::VK_NEXT, platform::VK_PRIOR, platform::VK_RIGHT, platform::VK_TAB,
    platform::VK_UP;

constexpr uint8_t kEnter = 13;
constexpr uint8_t kBackspace = 8;

// The names the keyboard recognises, after lower-casing. The page names keep their
// accented capitals because lower-casing does not touch them.
constexpr std::array<SpecialKey, 22> kSpecialKeys = {{
    {"return", SpecialSend::Character, kEnter},
    {"esborrar anterior", SpecialSend::Character, kBackspace},
    {"borrar anterior", SpecialSend::Character, kBackspace},
    {"backspace", SpecialSend::Character, kBackspace},
    {"tabulador", SpecialSend::VirtualKey, VK_TAB},
    {"suprimir", SpecialSend::VirtualKey, VK_DELETE},
    {"esquerra", SpecialSend::VirtualKey, VK_LEFT},
    {"izquierda", SpecialSend::VirtualKey, VK_LEFT},
    {"dreta", SpecialSend::VirtualKey, VK_RIGHT},
    {"derecha", SpecialSend::VirtualKey, VK_RIGHT},
    {"puja", SpecialSend::VirtualKey, VK_UP},
    {"sube", SpecialSend::VirtualKey, VK_UP},
    {"baixa", SpecialSend::VirtualKey, VK_DOWN},
    {"baja", SpecialSend::VirtualKey, VK_DOWN},
    {"inici", SpecialSend::VirtualKey, VK_HOME},
    {"inicio", SpecialSend::VirtualKey, VK_HOME},
    {"fi", SpecialSend::VirtualKey, VK_END},
    {"fin", SpecialSend::VirtualKey, VK_END},
    {"avan\xC7"
     "a p\xC0gina",
     SpecialSend::VirtualKey, VK_NEXT},
    {"avanza p\xC1gina", SpecialSend::VirtualKey, VK_NEXT},
    {"recula p\xC0gina", SpecialSend::VirtualKey, VK_PRIOR},
    {"retrocede p\xC1gina", SpecialSend::VirtualKey, VK_PRIOR},
}};

constexpr std::array<std::string_view, 16> kDigitsAndOperators = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "+", "-", "*", "/", "="};

}  // namespace

const SpecialKey* FindSpecialKey(std::string_view loweredName) {
    auto found = std::find_if(kSpecialKeys.begin(), kSpecialKeys.end(),
                              [&](const SpecialKey& key) { return key.name == loweredName; });
    return found == kSpecialKeys.end() ? nullptr : &*found;
}

bool IsSpaceName(std::string_view loweredName) {
    return loweredName == "espai" || loweredName == "espacio";
}

bool IsDigitOrOperator(std::string_view loweredName) {
    return std::find(kDigitsAndOperators.begin(), kDigitsAndOperators.end(), loweredName) !=
           kDigitsAndOperators.end();
}

KeyKind KindOf(bool hasChildren, std::string_view text) {
    if (hasChildren) return KeyKind::Group;
    const std::string lowered = text::LowerAscii(text);
    if (IsSpaceName(lowered)) return KeyKind::Space;
    if (FindSpecialKey(lowered)) return KeyKind::Special;
    if (IsDigitOrOperator(lowered)) return KeyKind::DigitOrOperator;
    return KeyKind::Text;
}

}  // namespace keys
