#include <gtest/gtest.h>

#include "predict/Completion.h"

namespace {

TEST(Completion, TypesTheRestOfTheWordAndABlank) {
    struct Case {
        const char* name;
        const char* typed;
        const char* word;
        char middleDot;
        const char* expected;
    };
    const Case cases[] = {
        {"the rest, then a blank", "ca", "casa", predict::kMiddleDot, "sa "},
        {"a whole word when nothing is typed", "", "casa", predict::kMiddleDot, "casa "},
        {"no blank after an elision", "l", "l'", predict::kMiddleDot, "'"},
        {"a pronoun after its apostrophe", "'", "'ls", predict::kMiddleDot, "ls "},
        {"the middle dot where the layout has it", "co", "col\xB7legi", predict::kMiddleDot,
         "l\xB7legi "},
        {"a full stop for it where it has not", "co", "col\xB7legi", predict::kFullStop, "l.legi "},
        {"nothing for a word typed whole", "casa", "casa", predict::kMiddleDot, ""},
        {"nothing for a word that does not go on", "ca", "home", predict::kMiddleDot, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(predict::Completion(c.typed, c.word, c.middleDot), c.expected) << c.name;
    }
}

}  // namespace
