#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/profile/ProfileStorage.h"
#include "tests/form/test_speech_fixture.h"

namespace {

using Calls = std::vector<std::string>;
using speechtest::SpeechForm;

enum Column { kCatalan, kCastilian, kBasque, kGalician, kPortuguese };
constexpr int kColumns = 5;
const char* const kLanguageNames[kColumns] = {"Catalan", "Castilian", "Basque", "Galician",
                                              "Portuguese"};

QAction* TitleOf(QMenu* menu) { return menu->menuAction(); }

// The captions as the design gives them, written here in UTF-8 so that a wrong byte in the
// program's own Windows-1252 table cannot hide behind the same mistake.
struct CaptionRow {
    const char* item;
    std::function<QAction*(TFormPrincipal&)> action;
    std::array<const char*, kColumns> captions;
};

const std::vector<CaptionRow>& CaptionTable() {
    static const std::vector<CaptionRow> rows = {
        {"MenuOpcions",
         [](TFormPrincipal& f) { return TitleOf(f.MenuOpcions); },
         {"&Opcions", "&Opciones", "A&ukerak", "&Opcións", "&Opções "}},
        {"MenuObrir",
         [](TFormPrincipal& f) { return f.MenuObrir; },
         {"&Obrir...", "&Abrir...", "I&rten...", "&Abrir...", "&Abrir..."}},
        {"MenuCanviarLaFont",
         [](TFormPrincipal& f) { return f.MenuCanviarLaFont; },
         {"Canviar la &font...", "Cambiar la &fuente...", "&Iturria aldatu...",
          "Cambia-la &fonte...", "Trocar o &estilo de letra..."}},
        {"MenuAjustarlagrandriadelafinestrareceptora",
         [](TFormPrincipal& f) { return f.MenuAjustarlagrandriadelafinestrareceptora; },
         {"Ajustar la grandària de la finestra receptora",
          "Ajustar el tamaño de la ventana receptora", "Leiho hartzailearen neurria egokitu",
          "Axusta-lo tamaño da fiestra receptora", "Ajustar o tamanho da janela receptora"}},
        {"MenuEnviarLesTeclesALAplicacioActiva",
         [](TFormPrincipal& f) { return f.MenuEnviarLesTeclesALAplicacioActiva; },
         {"Enviar les tecles a l'aplicació activa", "Enviar las teclas a la aplicación activa",
          "Teklak aplikazio aktibora bidali", "Envia-las teclas á aplicación activa",
          "Enviar as teclas á aplicación activa"}},
        {"MenuActivarLEscaneigAutomatic",
         [](TFormPrincipal& f) { return f.MenuActivarLEscaneigAutomatic; },
         {"Activar l'escaneig automàtic", "Activar el escaneo automático",
          "Eskaneatze automatikoa aktibatu", "Activa-lo escaneo automático",
          "Activar o escaneo automático"}},
        {"MenuSwitch",
         [](TFormPrincipal& f) { return TitleOf(f.MenuSwitch); },
         {"Commutador", "Conmutador", "Etengailua", "Conmutador", "Acionador"}},
        {"MenuSwitchMouse",
         [](TFormPrincipal& f) { return f.MenuSwitchMouse; },
         {"Botó esquerre del ratolí", "Botón izquierdo del ratón", "Saguaren ezkerreko botoia",
          "Botón esquerdo do rato", "Botão esquerdo do rato"}},
        {"MenuSwitchKey",
         [](TFormPrincipal& f) { return f.MenuSwitchKey; },
         {"Una tecla...", "Una tecla...", "Tekla bat...", "Unha tecla...", "Uma tecla..."}},
        {"MenuSwitchButton",
         [](TFormPrincipal& f) { return f.MenuSwitchButton; },
         {"Un botó de joystick...", "Un botón de joystick...", "Joystick-aren botoi bat...",
          "Un botón de joystick...", "Um botão de joystick..."}},
        {"MenuTwoSwitches",
         [](TFormPrincipal& f) { return f.MenuTwoSwitches; },
         {"Dos commutadors: un avança i l'altre tria...",
          "Dos conmutadores: uno avanza y el otro elige...",
          "Bi etengailu: batek aurrera egiten du eta besteak aukeratu...",
          "Dous conmutadores: un avanza e o outro escolle...",
          "Dois acionadores: um avança e o outro escolhe..."}},
        {"MenuAutoAdvance",
         [](TFormPrincipal& f) { return TitleOf(f.MenuAutoAdvance); },
         {"Avançar sol", "Avanzar solo", "Berez aurrera egin", "Avanzar só", "Avançar sozinho"}},
        {"MenuAutoAdvance: never",
         [](TFormPrincipal& f) { return f.MenuAutoAdvanceItems.front(); },
         {"Mai", "Nunca", "Inoiz ez", "Nunca", "Nunca"}},
        {"MenuAutoAdvance: after 10 s",
         [](TFormPrincipal& f) { return f.MenuAutoAdvanceItems[2]; },
         {"Després de 10 s", "Después de 10 s", "10 s igaro ondoren", "Despois de 10 s",
          "Depois de 10 s"}},
        {"MenuSwitchRules",
         [](TFormPrincipal& f) { return f.MenuSwitchRules; },
         {"Filtres i ritme...", "Filtros y ritmo...", "Iragazkiak eta erritmoa...",
          "Filtros e ritmo...", "Filtros e ritmo..."}},
        {"MenuLlegirlateclaEnEscaneigAutomatic",
         [](TFormPrincipal& f) { return f.MenuLlegirlateclaEnEscaneigAutomatic; },
         {"Llegir la tecla en escaneig automàtic", "Leer la tecla en escaneo automático",
          "Tekla irakurri eskaneatze automatikoan", "Le-la tecla en escaneo automático",
          "Ler a tecla en escaneo automático"}},
        {"MenuLlegirElQueSEscriu",
         [](TFormPrincipal& f) { return f.MenuLlegirElQueSEscriu; },
         {"Llegir el que s'&escriu", "Leer lo que se está escribiendo", "Idazten ari dena irakurri",
          "Ler o que se está a escribir", "Ler o que se está a escrever"}},
        {"MenuPrediccioDeParaules",
         [](TFormPrincipal& f) { return f.MenuPrediccioDeParaules; },
         {"Predicció de paraules", "Predicción de palabras", "Hitzen iragarpena",
          "Predición de palabras", "Previsão de palavras"}},
        {"MenuEsborrarLesParaulesApreses",
         [](TFormPrincipal& f) { return f.MenuEsborrarLesParaulesApreses; },
         {"Esborrar les paraules apreses", "Borrar las palabras aprendidas",
          "Ikasitako hitzak ezabatu", "Borra-las palabras aprendidas",
          "Apagar as palavras aprendidas"}},
        {"MenuLlegeixLoDeLaCarpetaSensePosarHiRes",
         [](TFormPrincipal& f) { return f.MenuLlegeixLoDeLaCarpetaSensePosarHiRes; },
         {"Llegeix el que hi ha a la car&peta sense posar-hi res",
          "Leer el contenido del portapeles (sin cambiar el contenido)",
          "Arbel-ikustailearen edukia irakurri (edukia aldatu gabe)",
          "Le-lo contido do cartafol (sen cambia-lo contido)",
          "Ler o conteúdo da área de transferência sem lhe acrescentar nada"}},
        {"MenuLlegeixLoSeleccionat",
         [](TFormPrincipal& f) { return f.MenuLlegeixLoSeleccionat; },
         {"Llegeix lo &seleccionat", "Leer lo seleccionado", "Aukeratua irakurri",
          "Ler o seleccionado", "Ler o selecionado"}},
        {"MenuSeleccionaTotTeclesEstandar",
         [](TFormPrincipal& f) { return f.MenuSeleccionaTotTeclesEstandar; },
         {"Selecciona &tot amb les tecles estàndard", "Selecciona &todo con las teclas estándard",
          "&Dena aukeratu estandar teklen bidez", "Selecciona &todo coas teclas estándar",
          "Seleciona &tudo coas teclas estándar"}},
        {"MenuSeleccionaAmbCtrlA",
         [](TFormPrincipal& f) { return f.MenuSeleccionaAmbCtrlA; },
         {"Selecciona tot amb Ctrl+&A (Outlook Català)",
          "Selecciona todo con Ctrl+&A (Outlook Catalán)",
          "Dena aukeratu Ctrl+&A (Outlook Catalán)",
          "Selecciona todo con Ctrl+&A (Outlook Catalán)",
          "Seleciona tudo con Ctrl+&A (Outlook Catalán)"}},
        {"MenuSeleccionaAmbCtrlE",
         [](TFormPrincipal& f) { return f.MenuSeleccionaAmbCtrlE; },
         {"Selecciona tot amb Ctrl+&E (Word, Outlook Castellà)",
          "Selecciona todo con Ctrl+&E (Word, Outlook Castellano)",
          "Dena aukeratu Ctrl+&E (Word,Outlook Castellano) teklen bidez",
          "Selecciona todo con Ctrl+&E (Word, Outlook Castellano)",
          "Seleciona tudo con Ctrl+&E (Word, Outlook Português)"}},
        {"PopupLlenguatge",
         [](TFormPrincipal& f) { return TitleOf(f.PopupLlenguatge); },
         {"Llengua", "Lenguaje", "Hizkuntza", "Linguaxe", "Linguagem"}},
        {"PopupVeuDe",
         [](TFormPrincipal& f) { return TitleOf(f.PopupVeuDe); },
         {"Veu de", "Voz de", "Noren abotsa", "Voz de", "Voz de"}},
        {"PopupDona",
         [](TFormPrincipal& f) { return f.PopupDona; },
         {"Dona", "Mujer", "Emakumenzkoa", "Muller", "Mulher"}},
        {"PopupHome",
         [](TFormPrincipal& f) { return f.PopupHome; },
         {"Home", "Hombre", "Gizonezkoa", "Home", "Homem"}},
        {"MenuParlantDe",
         [](TFormPrincipal& f) { return f.MenuParlantDe; },
         {"&Parlant de...", "&Acerca de...", "&Zeri buruz...", "&Acerca de...", "&Cerca de..."}},
        {"MenuSortir",
         [](TFormPrincipal& f) { return f.MenuSortir; },
         {"&Sortir", "&Salir", "I&rten", "&Saír", "&Sair"}},
    };
    return rows;
}

// Items that keep their design caption whatever the language.
struct FixedCaption {
    std::function<QAction*(TFormPrincipal&)> action;
    const char* caption;
};

const std::vector<FixedCaption>& FixedCaptions() {
    static const std::vector<FixedCaption> items = {
        {[](TFormPrincipal& f) { return f.PopupCatala; }, "Català"},
        {[](TFormPrincipal& f) { return f.PopupCastellano; }, "Castellano"},
        {[](TFormPrincipal& f) { return f.PopupEuskera; }, "&Euskara"},
        {[](TFormPrincipal& f) { return f.PopupGalego; }, "Galego"},
        {[](TFormPrincipal& f) { return f.MenuPortugues; }, "Português"},
        {[](TFormPrincipal& f) { return f.MenuPassarDuesVegades; }, "Passar dues vegades"},
        {[](TFormPrincipal& f) { return TitleOf(f.MenuSintetitzador); }, "Sintetitzador"},
        {[](TFormPrincipal& f) { return f.MenuUPCTV; }, "UPCTV"},
        {[](TFormPrincipal& f) { return f.MenuSapi51; }, "Sapi 5.1"},
        {[](TFormPrincipal& f) { return f.MenuIdiomaSapi51; }, "Idioma Sapi 5.1"},
    };
    return items;
}

QAction* LanguageItem(TFormPrincipal& form, Column column) {
    const std::array<QAction*, kColumns> items = {form.PopupCatala, form.PopupCastellano,
                                                  form.PopupEuskera, form.PopupGalego,
                                                  form.MenuPortugues};
    return items[column];
}

// Every translated caption that differs from the column, as "item: shown".
std::vector<std::string> CaptionsOutside(TFormPrincipal& form, Column column) {
    std::vector<std::string> wrong;
    for (const CaptionRow& row : CaptionTable()) {
        const QString shown = row.action(form)->text();
        if (shown != QString::fromUtf8(row.captions[column])) {
            wrong.push_back(std::string(row.item) + ": " + shown.toStdString());
        }
    }
    return wrong;
}

// The checked language item; -1 unless exactly one is checked.
int CheckedLanguage(TFormPrincipal& form) {
    int checked = -1, count = 0;
    for (int c = 0; c < kColumns; ++c) {
        if (LanguageItem(form, Column(c))->isChecked()) checked = c, ++count;
    }
    return count == 1 ? checked : -1;
}

// No settings file from another test decides what the window starts with.
void ForgetSettings() { std::filesystem::remove(platform::ProfileFilePath("orvalet.ini")); }

class Languages : public SpeechForm {
  protected:
    void SetUp() override {
        ForgetSettings();
        Start();
    }
    QAction* LanguageItem(Column column) const { return ::LanguageItem(*form, column); }
    std::vector<std::string> CaptionsOutside(Column column) const {
        return ::CaptionsOutside(*form, column);
    }
    int Checked() const { return CheckedLanguage(*form); }
};

TEST_F(Languages, EveryTranslatedItemShowsTheCaptionOfTheChosenLanguage) {
    EXPECT_EQ(CaptionsOutside(kCatalan), Calls{}) << "the window is designed in Catalan";
    for (int c : {kCastilian, kBasque, kGalician, kPortuguese, kCatalan}) {
        LanguageItem(Column(c))->trigger();
        EXPECT_EQ(CaptionsOutside(Column(c)), Calls{}) << kLanguageNames[c];
        EXPECT_EQ(Checked(), c) << kLanguageNames[c];
        for (const FixedCaption& item : FixedCaptions()) {
            EXPECT_EQ(item.action(*form)->text(), QString::fromUtf8(item.caption))
                << kLanguageNames[c] << " keeps " << item.caption;
        }
    }
}

TEST_F(Languages, BasqueAndBackToCatalanRestoresEveryDesignCaption) {
    form->PopupEuskera->trigger();
    ASSERT_EQ(form->MenuLlegirElQueSEscriu->text(), "Idazten ari dena irakurri");
    form->PopupCatala->trigger();
    EXPECT_EQ(CaptionsOutside(kCatalan), Calls{});
    EXPECT_EQ(form->MenuLlegirElQueSEscriu->text(), "Llegir el que s'&escriu");
    EXPECT_TRUE(form->PopupCatala->isChecked());
    EXPECT_FALSE(form->PopupEuskera->isChecked());
}

TEST_F(Languages, TheSwitchSetsTheVoicePairOfTheLanguageAndTheCheckedVoice) {
    struct Case {
        const char* rule;
        bool female;
        Column language;
        Calls commands;  // after the library has been reloaded and its speed applied again
    };
    const Case cases[] = {
        {"male Castilian voice",
         false,
         kCastilian,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
        {"Basque speaks with the Castilian voice",
         false,
         kBasque,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
        {"Galician speaks with the Castilian voice",
         false,
         kGalician,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
        {"female, Catalan to Portuguese",
         true,
         kPortuguese,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(0)"}},
        {"female, back to Catalan",
         true,
         kCatalan,
         {"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(2)"}},
        {"male Catalan voice",
         false,
         kCatalan,
         {"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(0)"}},
        {"the language in force chosen again sets its voice again",
         false,
         kCatalan,
         {"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(0)"}},
    };
    for (const Case& c : cases) {
        (c.female ? form->PopupDona : form->PopupHome)->trigger();
        library.Clear();
        LanguageItem(c.language)->trigger();
        EXPECT_EQ(library.Commands(), c.commands) << c.rule;
        EXPECT_EQ(Checked(), c.language) << c.rule;
        EXPECT_EQ(form->PopupDona->isChecked(), c.female) << c.rule << ": the voice item stays";
    }
}

TEST_F(Languages, ChoosingALanguageWhileAKeyIsReadStopsTheReading) {
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    library.SetStatus(1);
    ASSERT_TRUE(programa.LecturaEnCurs);
    library.Clear();
    form->PopupGalego->trigger();
    const Calls commands = library.Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), "Stop()");
    EXPECT_FALSE(programa.LecturaEnCurs);
    EXPECT_EQ(CaptionsOutside(kGalician), Calls{});
}

// Applying the stored value while the window is created, with and without the library.
TEST(StoredLanguage, AppliesOnlyTheFourExactValuesOtherThanCatalan) {
    struct Case {
        const char* rule;
        std::string stored;
        bool library;
        Column captions;
        Column checked;
        Calls commands;
    };
    const Calls castilianVoice = {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"};
    const Case cases[] = {
        {"Galician with the library", "Galego", true, kGalician, kGalician, castilianVoice},
        {"Galician without the library: captions only", "Galego", false, kGalician, kCatalan, {}},
        {"Castilian", "Castell\xE0", true, kCastilian, kCastilian, castilianVoice},
        {"Castilian without the library", "Castell\xE0", false, kCastilian, kCatalan, {}},
        {"Basque", "Euskera", true, kBasque, kBasque, castilianVoice},
        {"Portuguese", "Portugues", true, kPortuguese, kPortuguese, castilianVoice},
        {"Catalan is in force already", "Catal\xE0", true, kCatalan, kCatalan, {}},
        {"no language stored", "NO", true, kCatalan, kCatalan, {}},
        {"the item caption is not a stored value", "Castellano", true, kCatalan, kCatalan, {}},
        {"the comparison is case-sensitive", "castell\xE0", true, kCatalan, kCatalan, {}},
        {"the accented caption is not the stored value",
         "Portugu\xEAs",
         true,
         kCatalan,
         kCatalan,
         {}},
        {"a trailing blank makes another value", "Galego ", true, kCatalan, kCatalan, {}},
        {"empty", "", true, kCatalan, kCatalan, {}},
    };
    speechtest::RecordingLibrary library(RECORDING_UPCTV);
    for (const Case& c : cases) {
        platform::FakeDesktop desktop;
        desktop.SetLibrary("upctv.dll",
                           c.library ? std::optional<std::string>(RECORDING_UPCTV) : std::nullopt);
        Programa programa(desktop);
        speech::CarregarUpcTV(programa);
        {
            TFormPrincipal form(programa);
            library.Clear();
            desktop.ClearLog();
            form.languages->AplicarLlenguaDesada(c.stored);
            EXPECT_EQ(CaptionsOutside(form, c.captions), Calls{}) << c.rule;
            EXPECT_EQ(CheckedLanguage(form), c.checked) << c.rule;
            EXPECT_EQ(library.Commands(), c.commands) << c.rule;
            if (!c.library) {
                EXPECT_EQ(desktop.Calls(), std::vector<platform::FakeCall>{}) << c.rule;
            }
        }
        programa.upctv.Free();
    }
}

}  // namespace
