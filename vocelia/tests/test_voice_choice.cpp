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

TEST(VoiceChoice, AFestivalVoiceNameGivesItsLanguage) {
    struct Case {
        const char* rule;
        QString name;
        QLocale::Language language;
    };
    const Case cases[] = {
        {"Festival's Catalan voice Ona", "upc_ca_ona_hts", QLocale::Catalan},
        {"a Castilian Festival voice", "upc_es_pau_hts", QLocale::Spanish},
        {"an English diphone voice", "rab_en_diphone_uk", QLocale::English},
        {"a three-letter code", "upc_cat_ona_hts", QLocale::Catalan},
        {"no language field: Festival's Kal", "kal_diphone", QLocale::AnyLanguage},
        {"a field that is no language code", "cmu_us_slt_arctic_hts", QLocale::AnyLanguage},
        {"an eSpeak NG voice", "Catalan+Marco", QLocale::AnyLanguage},
        {"an eSpeak NG voice with an underscore", "Lang_Belta+Marco", QLocale::AnyLanguage},
        {"capitals are not Festival's", "UPC_CA_ONA_HTS", QLocale::AnyLanguage},
        {"a speaker but no method", "upc_ca_ona", QLocale::AnyLanguage},
        {"an empty name", "", QLocale::AnyLanguage},
    };
    for (const Case& c : cases) EXPECT_EQ(LlenguaDelNom(c.name), c.language) << c.rule;
}

TEST(VoiceChoice, AVoiceListedUnderNoLanguageIsOfferedForTheLanguageItsNameGives) {
    const QStringList unlisted = {"Klingon+Marco", "upc_ca_ona_hts", "kal_diphone"};
    struct Case {
        const char* rule;
        QStringList ofTheLanguage;
        QLocale::Language language;
        QStringList offered;
    };
    const Case cases[] = {
        {"Catalan: the service's voices, then Ona",
         {"Catalan", "Catalan+Marco"},
         QLocale::Catalan,
         {"Catalan", "Catalan+Marco", "upc_ca_ona_hts"}},
        {"Catalan with no voice of the service's: Ona alone",
         {},
         QLocale::Catalan,
         {"upc_ca_ona_hts"}},
        {"Castilian gets no Catalan voice", {"Spanish"}, QLocale::Spanish, {"Spanish"}},
        {"no language: nothing of the unlisted ones", {"x"}, QLocale::AnyLanguage, {"x"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VeusOfertes(c.ofTheLanguage, unlisted, c.language), c.offered) << c.rule;
    }
}

TEST(VoiceChoice, ALanguageOnlyAnUnlistedVoiceGivesIsOfferedOnce) {
    struct Case {
        const char* rule;
        QList<QLocale> offered;
        QStringList unlisted;
        QList<QLocale> languages;
    };
    const Case cases[] = {
        {"Catalan offered already: not twice",
         {QLocale("en_GB"), QLocale("ca_ES")},
         {"upc_ca_ona_hts"},
         {QLocale("en_GB"), QLocale("ca_ES")}},
        {"Catalan given only by Ona's name: added",
         {QLocale("en_GB")},
         {"upc_ca_ona_hts", "upc_ca_pau_hts"},
         {QLocale("en_GB"), QLocale(QLocale::Catalan)}},
        {"names that give no language add nothing",
         {QLocale("en_GB")},
         {"kal_diphone", "Klingon+Marco"},
         {QLocale("en_GB")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IdiomesOferts(c.offered, c.unlisted), c.languages) << c.rule;
}

TEST(VoiceChoice, TheChoiceSurvivesInTheSuiteFile) {
    DesarEleccio({"ca_ES", "Catalan+Joan"});
    const VoiceChoice read = LlegirEleccio();
    EXPECT_EQ(read.idioma, "ca_ES");
    EXPECT_EQ(read.veu, "Catalan+Joan");
}

}  // namespace
