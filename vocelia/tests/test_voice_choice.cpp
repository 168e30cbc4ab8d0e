#include <gtest/gtest.h>

#include "vocelia/VoiceChoice.h"

namespace {

TEST(VoiceChoice, TriarIdiomaStartsFromTheLastChoice) {
    const QList<QLocale> offered = {QLocale("en_GB"), QLocale("ca_ES"), QLocale("es_ES")};
    struct Case {
        const char* rule;
        QList<QLocale> offered;
        QString chosen;
        QLocale current;
        int index;
    };
    const Case cases[] = {
        {"the saved language", offered, "es_ES", QLocale("en_GB"), 2},
        {"no saved language: Catalan", offered, "", QLocale("en_GB"), 1},
        {"a saved language no longer offered: Catalan", offered, "fr_FR", QLocale("en_GB"), 1},
        {"no Catalan: the service's own",
         {QLocale("en_GB"), QLocale("es_ES")},
         "",
         QLocale("es_ES"),
         1},
        {"nothing fits: the first", {QLocale("en_GB"), QLocale("es_ES")}, "", QLocale("de_DE"), 0},
        {"nothing offered", {}, "ca_ES", QLocale("ca_ES"), -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriarIdioma(c.offered, c.chosen, c.current), c.index) << c.rule;
    }
}

TEST(VoiceChoice, TriarVeuStartsFromTheLastChoice) {
    struct Case {
        const char* rule;
        QStringList offered;
        QString chosen;
        int index;
    };
    const Case cases[] = {
        {"the saved voice", {"a", "b", "c"}, "c", 2},
        {"a voice no longer offered: the first", {"a", "b"}, "z", 0},
        {"no saved voice: the first", {"a", "b"}, "", 0},
        {"nothing offered", {}, "a", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(TriarVeu(c.offered, c.chosen), c.index) << c.rule;
}

TEST(VoiceChoice, TheChoiceSurvivesInTheSuiteFile) {
    DesarEleccio({"ca_ES", "Catalan+Joan"});
    const VoiceChoice read = LlegirEleccio();
    EXPECT_EQ(read.idioma, "ca_ES");
    EXPECT_EQ(read.veu, "Catalan+Joan");
}

}  // namespace
