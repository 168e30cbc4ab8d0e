#include <gtest/gtest.h>

#include "keys/KeyKind.h"
#include "platform/Constants.h"

namespace {

using keys::KeyKind;

TEST(KeyKind, IsDecidedByChildrenThenLoweredText) {
    struct Case {
        const char* name;
        bool hasChildren;
        const char* text;
        KeyKind expected;
    };
    const Case cases[] = {
        {"a group whatever its text", true, "RETURN", KeyKind::Group},
        {"ESPAI is the space key", false, "ESPAI", KeyKind::Space},
        {"ESPACIO is the space key", false, "Espacio", KeyKind::Space},
        {"RETURN anywhere is Enter", false, "RETURN", KeyKind::Special},
        {"backspace is known though unused", false, "BackSpace", KeyKind::Special},
        {"Catalan page down", false,
         "AVAN\xC7"
         "A P\xC0GINA",
         KeyKind::Special},
        {"Castilian page up", false, "RETROCEDE P\xC1GINA", KeyKind::Special},
        {"page down with small accents is text", false,
         "Avan\xE7"
         "a p\xE0gina",
         KeyKind::Text},
        {"a digit", false, "7", KeyKind::DigitOrOperator},
        {"an operator", false, "=", KeyKind::DigitOrOperator},
        {"a sign that is not an operator", false, "?", KeyKind::Text},
        {"two digits are text", false, "12", KeyKind::Text},
        {"a syllable", false, "BA", KeyKind::Text},
        {"an empty key", false, "", KeyKind::Text},
        {"Y at the top level", false, "Y", KeyKind::Text},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys::KindOf(c.hasChildren, c.text), c.expected) << c.name;
}

TEST(KeyKind, SpecialKeysSendTheirVirtualKeys) {
    struct Case {
        const char* name;
        keys::SpecialSend send;
        uint8_t code;
    };
    const Case cases[] = {
        {"return", keys::SpecialSend::Character, 13},
        {"esborrar anterior", keys::SpecialSend::Character, 8},
        {"borrar anterior", keys::SpecialSend::Character, 8},
        {"tabulador", keys::SpecialSend::VirtualKey, platform::VK_TAB},
        {"suprimir", keys::SpecialSend::VirtualKey, platform::VK_DELETE},
        {"izquierda", keys::SpecialSend::VirtualKey, platform::VK_LEFT},
        {"dreta", keys::SpecialSend::VirtualKey, platform::VK_RIGHT},
        {"sube", keys::SpecialSend::VirtualKey, platform::VK_UP},
        {"baixa", keys::SpecialSend::VirtualKey, platform::VK_DOWN},
        {"inicio", keys::SpecialSend::VirtualKey, platform::VK_HOME},
        {"fi", keys::SpecialSend::VirtualKey, platform::VK_END},
        {"avanza p\xC1gina", keys::SpecialSend::VirtualKey, platform::VK_NEXT},
        {"recula p\xC0gina", keys::SpecialSend::VirtualKey, platform::VK_PRIOR},
    };
    for (const Case& c : cases) {
        const keys::SpecialKey* key = keys::FindSpecialKey(c.name);
        ASSERT_NE(key, nullptr) << c.name;
        EXPECT_EQ(key->send, c.send) << c.name;
        EXPECT_EQ(key->code, c.code) << c.name;
    }
}

}  // namespace
