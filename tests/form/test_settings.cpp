#include <QAction>
#include <QFontInfo>
#include <QSpinBox>

#include "app/SettingsFile.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "tests/form/test_settings_fixture.h"

namespace settingstest {
namespace {

const char* const kCatalaLine = "Llengua=Catal\xE0";

TEST_F(SettingsTest, AFirstRunWithoutChangesWritesTheSampleFile) {
    ProgramRun run;
    run.Start();
    EXPECT_FALSE(run.startup.programa.LlenguaTriada);
    run.Close();
    EXPECT_EQ(ReadFile(SettingsPath()), Lines({"[Quarnel Orvalet]",
                                               "Llengua=Catal\xE0",
                                               "Veu de=Home",
                                               "[Font]",
                                               "Charset=1",
                                               "Color=-2147483640",
                                               "Height=-11",
                                               "Name=MS Sans Serif",
                                               "Size=8",
                                               "Negreta=S\xCD",
                                               "It\xE0lica=NO",
                                               "Subrratllat=NO",
                                               "Tatxat=NO",
                                               "[Menu]",
                                               "MenuEnviarLesTeclesALAplicacioActiva=SI",
                                               "MenuActivarLEscaneigAutomatic=NO",
                                               "MenuPassarDuesVegades=SI",
                                               "MenuLlegirlateclaEnEscaneigAutomatic=NO",
                                               "MenuLlegirElQueSEscriu=NO",
                                               "MenuPrediccioDeParaules=NO",
                                               "MenuLlegeixLoDeLaCarpetaSensePosarHiRes=NO",
                                               "MenuLlegeixLoSeleccionat=NO",
                                               "MenuSeleccionaTotTeclesEstandar=SI",
                                               "MenuSeleccionaAmbCtrlA=NO",
                                               "MenuSeleccionaAmbCtrlE=NO",
                                               "MenuVeuNatural=NO",
                                               "[Posicio]",
                                               "Left=821",
                                               "Top=0",
                                               "Width=203",
                                               "Height=635",
                                               "[Tecles de control]",
                                               "Tecles de control=SI"}));
}

TEST_F(SettingsTest, TheMenuOptionsLoadByTheirOwnRules) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> menu;
        // Ticks of: Enviar, PassarDuesVegades, LlegirLaTecla, LlegirElQueSEscriu, Carpeta,
        // Seleccionat, TotTeclesEstandar, CtrlA, CtrlE.
        const char* ticks;
    };
    const Case cases[] = {
        {"missing keys take their defaults", {}, "100000100"},
        {"Enviar NO unticks it", {"MenuEnviarLesTeclesALAplicacioActiva=NO"}, "000000100"},
        {"PassarDuesVegades SI keeps it ticked", {"MenuPassarDuesVegades=SI"}, "110000100"},
        {"reading the key alone", {"MenuLlegirlateclaEnEscaneigAutomatic=SI"}, "101000100"},
        {"both reading options SI: the second wins",
         {"MenuLlegirlateclaEnEscaneigAutomatic=SI", "MenuLlegirElQueSEscriu=SI"},
         "100100100"},
        {"several SI in the group of five: the last of the four wins",
         {"MenuLlegeixLoDeLaCarpetaSensePosarHiRes=SI", "MenuLlegeixLoSeleccionat=SI",
          "MenuSeleccionaTotTeclesEstandar=SI", "MenuSeleccionaAmbCtrlA=SI"},
         "100000010"},
        {"TotTeclesEstandar SI selects nothing after another SI",
         {"MenuLlegeixLoDeLaCarpetaSensePosarHiRes=SI", "MenuSeleccionaTotTeclesEstandar=SI"},
         "100010000"},
        {"TotTeclesEstandar NO alone leaves the group unticked",
         {"MenuSeleccionaTotTeclesEstandar=NO"},
         "100000000"},
        {"lower-case si is not SI",
         {"MenuPassarDuesVegades=si", "MenuSeleccionaAmbCtrlE=si"},
         "100000100"},
    };
    for (const Case& c : cases) {
        std::string file = Lines({"[Quarnel Orvalet]", kCatalaLine, "[Menu]"});
        for (const char* line : c.menu) (file += line) += "\r\n";
        WriteFile(SettingsPath(), file);
        ProgramRun run;
        run.Start();
        TFormPrincipal& f = run.form();
        std::string ticks;
        for (QAction* item : {f.MenuEnviarLesTeclesALAplicacioActiva, f.MenuPassarDuesVegades,
                              f.MenuLlegirlateclaEnEscaneigAutomatic, f.MenuLlegirElQueSEscriu,
                              f.MenuLlegeixLoDeLaCarpetaSensePosarHiRes, f.MenuLlegeixLoSeleccionat,
                              f.MenuSeleccionaTotTeclesEstandar, f.MenuSeleccionaAmbCtrlA,
                              f.MenuSeleccionaAmbCtrlE}) {
            ticks += item->isChecked() ? '1' : '0';
        }
        EXPECT_EQ(ticks, c.ticks) << c.name;
        run.Close();
    }
}

TEST_F(SettingsTest, AutomaticScanningComesBackOnEveryStart) {
    struct Case {
        const char* name;
        std::string file;
        bool scanning;
    };
    const Case cases[] = {
        {"SI on a later run",
         Lines({"[Quarnel Orvalet]", kCatalaLine, "[Menu]", "MenuActivarLEscaneigAutomatic=SI"}),
         true},
        {"SI with Llengua NO",
         Lines({"[Quarnel Orvalet]", "Llengua=NO", "[Menu]", "MenuActivarLEscaneigAutomatic=SI"}),
         true},
        {"SI on a first run", Lines({"[Menu]", "MenuActivarLEscaneigAutomatic=SI"}), true},
        {"NO",
         Lines({"[Quarnel Orvalet]", kCatalaLine, "[Menu]", "MenuActivarLEscaneigAutomatic=NO"}),
         false},
        {"lower-case si", Lines({"[Menu]", "MenuActivarLEscaneigAutomatic=si"}), false},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), c.file);
        ProgramRun run;
        run.Start();
        EXPECT_EQ(run.form().MenuActivarLEscaneigAutomatic->isChecked(), c.scanning) << c.name;
        EXPECT_EQ(run.form().scanning->TimerEscaneig.Enabled(), c.scanning) << c.name;
        run.Close();
    }
}

TEST_F(SettingsTest, LlenguaNOIgnoresEverythingButScanning) {
    WriteFile(SettingsPath(),
              Lines({"[Quarnel Orvalet]", "Llengua=NO", "Veu de=Home", "[Font]", "Name=Arial",
                     "Negreta=NO", "[Menu]", "MenuEnviarLesTeclesALAplicacioActiva=NO",
                     "MenuActivarLEscaneigAutomatic=SI", "[Posicio]", "Left=100",
                     "[Tecles de control]", "Tecles de control=NO"}));
    ProgramRun run;
    run.Start();
    TFormPrincipal& form = run.form();
    EXPECT_FALSE(run.startup.programa.LlenguaTriada);
    EXPECT_TRUE(form.MenuActivarLEscaneigAutomatic->isChecked());
    EXPECT_TRUE(form.MenuEnviarLesTeclesALAplicacioActiva->isChecked());
    EXPECT_EQ(form.frameGeometry().left(), 821);
    EXPECT_TRUE(form.keyboards->TeclesDeControl);
    EXPECT_EQ(form.Tree->font().family(), "MS Sans Serif");
    EXPECT_TRUE(form.Tree->font().bold());
    run.Close();
}

TEST_F(SettingsTest, TheSavedPlaceIsAppliedWhereItIsNotZero) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> posicio;
        QRect outer;
    };
    const Case cases[] = {
        {"zero sizes leave the window at the top right",
         {"Top=0", "Width=0", "Height=0"},
         {821, 0, 203, 635}},
        {"a Left of 0 is the screen's left edge", {"Left=0", "Top=0"}, {0, 0, 203, 635}},
        {"missing keys read as zero", {}, {821, 0, 203, 635}},
        {"a negative Left that leaves the window within reach is applied",
         {"Left=-100"},
         {-100, 0, 203, 635}},
        {"a Top that hides the title bar comes back to the screen's top",
         {"Top=-20"},
         {821, 0, 203, 635}},
        {"a window left of the screen comes back within reach", {"Left=-500"}, {-155, 0, 203, 635}},
        {"a window beyond the right edge comes back within reach",
         {"Left=3000", "Top=100"},
         {976, 100, 203, 635}},
        {"a saved Top keeps the window at the right edge", {"Top=300"}, {821, 300, 203, 635}},
        {"a saved Left at the top-right place keeps the saved Top",
         {"Left=821", "Top=300"},
         {821, 300, 203, 635}},
        {"a saved Width keeps the right edge on the screen's",
         {"Top=50", "Width=250"},
         {774, 50, 250, 635}},
        {"a Height larger than the screen is applied", {"Height=1000"}, {821, 0, 203, 1000}},
        {"all four", {"Left=10", "Top=20", "Width=300", "Height=400"}, {10, 20, 300, 400}},
        {"hexadecimal figures", {"Left=$10", "Top=0x20"}, {16, 32, 203, 635}},
    };
    for (const Case& c : cases) {
        std::string file = Lines({"[Quarnel Orvalet]", kCatalaLine, "[Posicio]"});
        for (const char* line : c.posicio) (file += line) += "\r\n";
        WriteFile(SettingsPath(), file);
        ProgramRun run;
        run.Start();
        EXPECT_EQ(run.form().frameGeometry(), c.outer) << c.name;
        run.Close();
    }
}

TEST_F(SettingsTest, TheSavedFontIsGivenToTheTree) {
    struct Case {
        const char* name;
        std::string file;
        const char* family;
        int pixelSize;  // -1 when the size is in points
        int pointSize;  // -1 when the size is in pixels
        bool bold, italic, underline, strikeOut;
    };
    const std::string header = Lines({"[Quarnel Orvalet]", kCatalaLine, "Veu de=Home", "[Font]"});
    const std::string sixty(60, 'F');
    const Case cases[] = {
        {"the sample's font",
         header +
             Lines({"Charset=1", "Color=-2147483640", "Height=-11", "Name=MS Sans Serif", "Size=8",
                    "Negreta=S\xCD", "It\xE0lica=NO", "Subrratllat=NO", "Tatxat=NO"}),
         "MS Sans Serif", -1, 8, true, false, false, false},
        {"Negreta NO gives a font that is not bold",
         header + Lines({"Name=Arial", "Size=12", "Negreta=NO"}), "Arial", -1, 12, false, false,
         false, false},
        {"every style SÍ",
         header + Lines({"Name=Arial", "Size=10", "Negreta=S\xCD", "It\xE0lica=S\xCD",
                         "Subrratllat=S\xCD", "Tatxat=S\xCD"}),
         "Arial", -1, 10, true, true, true, true},
        {"SI without the accent is not SÍ", header + Lines({"Name=Arial", "Negreta=SI"}), "Arial",
         11, -1, false, false, false, false},
        {"a face name of 60 characters is cut to 49", header + "Name=" + sixty + "\r\n",
         "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 11, -1, false, false, false, false},
        {"Veu de without a Font section: face 0, size kept",
         Lines({"[Quarnel Orvalet]", kCatalaLine, "Veu de=Dona"}), "0", 11, -1, false, false, false,
         false},
        {"a size of 0 lets the height decide", header + Lines({"Height=-16", "Size=0"}), "0", 16,
         -1, false, false, false, false},
        {"a size beyond the largest is passed over", header + Lines({"Height=-20", "Size=100000"}),
         "0", 20, -1, false, false, false, false},
        {"Veu de missing: no font is applied",
         Lines({"[Quarnel Orvalet]", kCatalaLine, "[Font]", "Name=Arial", "Size=20", "Negreta=NO"}),
         "MS Sans Serif", 11, -1, true, false, false, false},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), c.file);
        ProgramRun run;
        run.Start();
        const QFont font = run.form().Tree->font();
        EXPECT_EQ(platform::FromQString(font.family()), c.family) << c.name;
        EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.name;
        EXPECT_EQ(font.pointSize(), c.pointSize) << c.name;
        EXPECT_EQ(font.bold(), c.bold) << c.name;
        EXPECT_EQ(font.italic(), c.italic) << c.name;
        EXPECT_EQ(font.underline(), c.underline) << c.name;
        EXPECT_EQ(font.strikeOut(), c.strikeOut) << c.name;
        EXPECT_GT(QFontInfo(font).pixelSize(), 0) << c.name;
        EXPECT_EQ(run.form().font->FontDialogFont, font) << c.name;
        run.Close();
    }
}

TEST_F(SettingsTest, TheFontsCharsetAndColourAreKeptAndTheColourShows) {
    WriteFile(SettingsPath(),
              Lines({"[Quarnel Orvalet]", kCatalaLine, "Veu de=Home", "[Font]", "Charset=238",
                     "Color=255", "Height=-11", "Name=Arial", "Size=9"}));
    ProgramRun run;
    run.Start();
    EXPECT_EQ(run.form().font->FontDialogCharset, 238);
    EXPECT_EQ(run.form().font->FontDialogColor, 255);
    EXPECT_EQ(run.form().Tree->palette().color(QPalette::Text), QColor(255, 0, 0));
    run.Close();
    const std::optional<std::string> saved = ReadFile(SettingsPath());
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("Charset=238\r\nColor=255\r\nHeight=-12\r\nName=Arial\r\nSize=9\r\n"),
              std::string::npos)
        << *saved;
}

TEST_F(SettingsTest, ABadNumberShowsTheErrorBoxAndSkipsTheRestOfCreation) {
    struct Case {
        const char* name;
        const char* badLine;
        const char* message;
        bool fontApplied;
    };
    const Case cases[] = {
        {"Width holding letters", "Width=abc", "'abc' is not a valid integer value", true},
        {"a trailing letter", "Width=12a", "'12a' is not a valid integer value", true},
        {"Charset holding letters", "Charset=x", "'x' is not a valid integer value", false},
    };
    const std::filesystem::path keyboard = SettingsPath().parent_path() / "bad-number.txt";
    WriteFile(keyboard, "A\r\n\tB\r\n");
    for (const Case& c : cases) {
        const bool inFont = std::string(c.badLine).starts_with("Charset");
        WriteFile(SettingsPath(),
                  Lines({"[Quarnel Orvalet]", kCatalaLine, "Veu de=Home", "[Font]", "Name=Arial",
                         "Negreta=NO", inFont ? c.badLine : "Charset=0", "[Menu]",
                         "MenuEnviarLesTeclesALAplicacioActiva=NO", "[Posicio]", "Left=-7",
                         inFont ? "Width=300" : c.badLine, "Height=400", "[Tecles de control]",
                         "Tecles de control=NO"}));
        ProgramRun run({keyboard.string()});
        run.Start();
        TFormPrincipal& form = run.form();
        const std::vector<platform::FakeCall> boxes = run.desktop.CallsNamed("MessageBoxA");
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes[0].args[0], c.message) << c.name;
        EXPECT_EQ(boxes[0].args[1], "Orvalet") << c.name;
        EXPECT_EQ(form.Tree->font().family() == "Arial", c.fontApplied) << c.name;
        EXPECT_EQ(form.MenuEnviarLesTeclesALAplicacioActiva->isChecked(), !c.fontApplied) << c.name;
        EXPECT_EQ(form.frameGeometry().left(), c.fontApplied ? -7 : 821) << c.name;
        EXPECT_EQ(form.frameGeometry().size(), QSize(203, 635)) << c.name;
        EXPECT_TRUE(form.keyboards->TeclesDeControl) << c.name;
        EXPECT_EQ(form.Tree->CountNodes(), 287) << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("SetCursorPos").empty()) << c.name;
        EXPECT_EQ(form.scanning->TimerEscaneig.Interval(), 800) << c.name;
        EXPECT_TRUE(form.isVisible()) << c.name;
        run.Close();
    }
}

TEST_F(SettingsTest, DamagedSettingsFilesStartWithDefaults) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    static const char kGarbage[] = "\x00\xFF[\x01=\x02\r\n\x7F]]==\n\n\r";
    const Case cases[] = {
        {"cut in the middle of a line",
         Lines({"[Quarnel Orvalet]", kCatalaLine, "[Menu]"}) + "MenuPassarDuesVeg"},
        {"cut in a section name", Lines({"[Quarnel Orvalet]", kCatalaLine}) + "[Pos"},
        {"binary garbage", std::string(kGarbage, sizeof kGarbage - 1)},
        {"a language of 60 characters",
         Lines({"[Quarnel Orvalet]"}) + "Llengua=" + std::string(60, 'x') + "\r\n"},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), c.bytes);
        ProgramRun run;
        run.Start();
        TFormPrincipal& form = run.form();
        EXPECT_TRUE(form.isVisible()) << c.name;
        EXPECT_EQ(form.Tree->CountNodes(), 287) << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("MessageBoxA").empty()) << c.name;
        run.Close();
        const std::optional<std::string> saved = ReadFile(SettingsPath());
        ASSERT_TRUE(saved) << c.name;
        EXPECT_NE(saved->find("Tecles de control=SI\r\n"), std::string::npos) << c.name;
    }
}

TEST_F(SettingsTest, ASettingsFolderThatCannotBeWrittenLosesOnlyTheNewSettings) {
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    const std::filesystem::path blocker = SettingsPath().parent_path() / "not-a-folder";
    WriteFile(blocker, "a file where the folder should be");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((blocker / "config").string()));
    ProgramRun run;
    run.Start();
    EXPECT_TRUE(run.form().isVisible());
    run.Close();
    EXPECT_FALSE(std::filesystem::exists(blocker / "config"));
    qputenv("XDG_CONFIG_HOME", previous);
    std::filesystem::remove(blocker);
}

TEST_F(SettingsTest, OptionsChangedThroughTheMenuAreBackAtTheNextStart) {
    QRect closedAt;
    {
        ProgramRun run;
        run.desktop.SetLibrary("upctv.dll", std::string(RECORDING_UPCTV));
        run.Start();
        TFormPrincipal& form = run.form();
        form.MenuLlegirElQueSEscriu->trigger();
        form.MenuSeleccionaAmbCtrlE->trigger();
        form.PopupDona->trigger();
        form.MenuEnviarLesTeclesALAplicacioActiva->trigger();
        form.font->FontDialog = [](const TriaDeFont&) {
            QFont font("Arial");
            font.setPointSize(14);
            font.setItalic(true);
            return std::optional<TriaDeFont>({font, 0x0000FF});
        };
        form.MenuCanviarLaFont->trigger();
        form.move(100, 50);
        form.resize(250, 500);
        closedAt = form.frameGeometry();
        run.Close();
    }
    ProgramRun run;
    run.desktop.SetLibrary("upctv.dll", std::string(RECORDING_UPCTV));
    run.Start();
    TFormPrincipal& form = run.form();
    EXPECT_TRUE(run.startup.programa.LlenguaTriada);
    EXPECT_TRUE(form.MenuLlegirElQueSEscriu->isChecked());
    EXPECT_TRUE(form.MenuSeleccionaAmbCtrlE->isChecked());
    EXPECT_FALSE(form.MenuSeleccionaTotTeclesEstandar->isChecked());
    EXPECT_TRUE(form.PopupDona->isChecked());
    EXPECT_FALSE(form.PopupHome->isChecked());
    EXPECT_FALSE(form.MenuEnviarLesTeclesALAplicacioActiva->isChecked());
    EXPECT_EQ(form.Tree->font().family(), "Arial");
    EXPECT_EQ(form.Tree->font().pointSize(), 14);
    EXPECT_TRUE(form.Tree->font().italic());
    EXPECT_FALSE(form.Tree->font().bold());
    EXPECT_EQ(form.Tree->palette().color(QPalette::Text), QColor(255, 0, 0)) << "0x0000FF is red";
    EXPECT_EQ(form.frameGeometry(), closedAt);
    EXPECT_EQ(closedAt.topLeft(), QPoint(100, 50));
    run.Close();
}

}  // namespace
}  // namespace settingstest
