#include "app/Configuracio.h"

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <string>

#include "app/FormPlace.h"
#include "app/KeyFont.h"
#include "app/KeyboardFiles.h"
#include "app/Programa.h"
#include "app/SettingsFile.h"
#include "app/SettingsFont.h"
#include "app/SettingsMenu.h"
#include "app/WindowPlace.h"
#include "lang/Languages.h"
#include "platform/Cp1252.h"
#include "scanning/Scanning.h"
#include "speech/Speech.h"
#include "text/StrToInt.h"
#include "ui/DesignTexts.h"
#include "ui/KeyTree.h"
#include "ui/UnitTools.h"

namespace settings {
namespace {

// Window places and sides beyond what the window system can address.
constexpr int kLlocMaxim = 32767;
constexpr int kCostatMaxim = 32767;

int DinsDelLimit(std::int32_t value, int lowest, int highest) {
    return std::clamp<std::int32_t>(value, lowest, highest);
}

std::string Nombre(std::int32_t value) { return std::to_string(value); }

// A switch rule's number; a text that is not a number counts as 0 (off), and a missing key
// as the rule's own off value.
int Regla(const char* key, int missing = 0) {
    const std::string text = Llegir(kSeccioCommutador, key, std::to_string(missing).c_str());
    return text::TryStrToInt(text).value_or(0);
}

}  // namespace

Configuracio::Configuracio(Programa& programa, platform::Time& time, ConfigParts parts,
                           ConfigSubsystems subsystems, std::function<bool()> tancada)
    : programa_(programa),
      time_(time),
      parts_(std::move(parts)),
      subsystems_(subsystems),
      tancada_(std::move(tancada)) {}

void Configuracio::CarregarConfiguracio() {
    const std::string llengua = Llegir(kSeccioOrvalet, kClauLlengua, kNo);
    programa_.LlenguaTriada = llengua != kNo;
    if (!programa_.LlenguaTriada) return;
    subsystems_.languages.AplicarLlenguaDesada(llengua);
    AplicarVeuDesada();
    AplicarFontDesada();
    AplicarMenuDesat();
    AplicarPosicioDesada();
    AplicarTeclesDeControlDesades();
    ApplyStoredSwitches();
}

void Configuracio::AplicarVeuDesada() {
    if (Llegir(kSeccioOrvalet, kClauVeuDe, kNo) == kDona && programa_.upctv.Loaded())
        subsystems_.speech.PopupDonaClick();
}

void Configuracio::AplicarFontDesada() {
    if (Llegir(kSeccioOrvalet, kClauVeuDe, kNo) == kNo) return;
    app::KeyFont& keyFont = subsystems_.font;
    const int dpi = parts_.Tree->logicalDpiY();
    QFont font = keyFont.FontDialogFont;
    keyFont.FontDialogCharset = LlegirNombre(kSeccioFont, kClauCharset) & 0xFF;
    keyFont.FontDialogColor = LlegirNombre(kSeccioFont, kClauColor);
    AplicaAlcada(font, LlegirNombre(kSeccioFont, kClauHeight), dpi);
    font.setFamily(platform::ToQString(Llegir(kSeccioFont, kClauName, kZero)));
    AplicaMida(font, LlegirNombre(kSeccioFont, kClauSize));
    font.setBold(Llegir(kSeccioFont, kClauNegreta, kZero) == kSiEstil);
    font.setItalic(Llegir(kSeccioFont, kClauItalica, kZero) == kSiEstil);
    font.setUnderline(Llegir(kSeccioFont, kClauSubratllat, kZero) == kSiEstil);
    font.setStrikeOut(Llegir(kSeccioFont, kClauTatxat, kZero) == kSiEstil);
    keyFont.AplicarFont(font);
    keyFont.AplicarColorDeFont();
}

void Configuracio::AplicarMenuDesat() {
    for (const OpcioDeMenu& opcio : parts_.opcions) {
        if (opcio.efecte == EfecteDeMenu::LlegitEnArrencar) continue;
        const std::string value = Llegir(kSeccioMenu, opcio.clau, opcio.perDefecte);
        QAction* item = opcio.item;
        switch (opcio.efecte) {
            case EfecteDeMenu::DesmarcaAmbNo:
                if (value == kNo) item->setChecked(false);
                break;
            case EfecteDeMenu::MarcaSiEsSi:
                item->setChecked(value == kSi);
                break;
            case EfecteDeMenu::ClicaAmbSi:
                if (value == kSi) opcio.handler();
                break;
            case EfecteDeMenu::LlegitEnArrencar:
                break;
        }
    }
}

void Configuracio::AplicarPosicioDesada() {
    // A Left of 0 is a window left at the screen's left edge: only a missing one leaves the
    // window at the right edge.
    const std::int32_t left = LlegirNombre(kSeccioPosicio, kClauLeft);
    app::FormPlace& place = subsystems_.place;
    if (left != 0 || !Llegir(kSeccioPosicio, kClauLeft, "").empty()) {
        place.DeixarElMargeDret();
        place.MoureFinestraA(DinsDelLimit(left, -kLlocMaxim, kLlocMaxim), place.LlocDesitjat().top);
    }
    if (const std::int32_t top = LlegirNombre(kSeccioPosicio, kClauTop))
        place.MoureFinestraA(place.LlocDesitjat().left, DinsDelLimit(top, -kLlocMaxim, kLlocMaxim));
    if (const std::int32_t outerWidth = LlegirNombre(kSeccioPosicio, kClauWidth)) {
        place.CanviarMida(DinsDelLimit(outerWidth, 1, kCostatMaxim),
                          lloc::Alcada(place.LlocDesitjat()));
    }
    if (const std::int32_t outerHeight = LlegirNombre(kSeccioPosicio, kClauAlcada)) {
        place.CanviarMida(lloc::Amplada(place.LlocDesitjat()),
                          DinsDelLimit(outerHeight, 1, kCostatMaxim));
    }
}

void Configuracio::AplicarTeclesDeControlDesades() {
    if (Llegir(kSeccioTecles, kClauTecles, kSi) == kNo)
        subsystems_.keyboards.TeclesDeControl = false;
}

bool Configuracio::EscaneigAutomaticDesat() {
    return Llegir(kSeccioMenu, kClauEscaneigAutomatic, kNo) == kSi;
}

void Configuracio::RestaurarEscaneigAutomatic() {
    if (!EscaneigAutomaticDesat()) return;
    Espera(time_, design::kStartupWaitMs);
    escaneigPerRestaurar_ = false;
    if (!tancada_()) subsystems_.scanning.MenuActivarLEscaneigAutomaticClick();
}

void Configuracio::DesarConfiguracio() {
    DesarLlenguaIVeu();
    DesarFont();
    for (const OpcioDeMenu& opcio : parts_.opcions)
        Escriure(kSeccioMenu, opcio.clau, Flag(MarcaADesar(opcio)));
    const platform::Rect outer = subsystems_.place.LlocActual();
    Escriure(kSeccioPosicio, kClauLeft, Nombre(outer.left));
    Escriure(kSeccioPosicio, kClauTop, Nombre(outer.top));
    Escriure(kSeccioPosicio, kClauWidth, Nombre(lloc::Amplada(outer)));
    Escriure(kSeccioPosicio, kClauAlcada, Nombre(lloc::Alcada(outer)));
    Escriure(kSeccioTecles, kClauTecles, Flag(subsystems_.keyboards.TeclesDeControl));
    SaveSwitches();
}

// Scanning that start-up has yet to switch back on counts as on: a close before that moment
// must not leave a switch user without scanning at the next start.
bool Configuracio::MarcaADesar(const OpcioDeMenu& opcio) const {
    const bool perRestaurar =
        opcio.efecte == EfecteDeMenu::LlegitEnArrencar && escaneigPerRestaurar_;
    return opcio.item->isChecked() || perRestaurar;
}

void Configuracio::DesarLlenguaIVeu() {
    for (size_t i = 0; i < parts_.llengues.size(); ++i) {
        if (parts_.llengues[i]->isChecked()) {
            Escriure(kSeccioOrvalet, kClauLlengua, lang::ValorDesat(static_cast<lang::Llengua>(i)));
            break;
        }
    }
    Escriure(kSeccioOrvalet, kClauVeuDe, parts_.PopupDona->isChecked() ? kDona : kHome);
}

void Configuracio::DesarFont() {
    const int dpi = parts_.Tree->logicalDpiY();
    const app::KeyFont& keyFont = subsystems_.font;
    const QFont& font = keyFont.FontDialogFont;
    Escriure(kSeccioFont, kClauCharset, Nombre(keyFont.FontDialogCharset));
    Escriure(kSeccioFont, kClauColor, Nombre(keyFont.FontDialogColor));
    Escriure(kSeccioFont, kClauHeight, Nombre(AlcadaDe(font, dpi)));
    Escriure(kSeccioFont, kClauName, platform::FromQString(font.family()));
    Escriure(kSeccioFont, kClauSize, Nombre(MidaDe(font, dpi)));
    Escriure(kSeccioFont, kClauNegreta, FlagEstil(font.bold()));
    Escriure(kSeccioFont, kClauItalica, FlagEstil(font.italic()));
    Escriure(kSeccioFont, kClauSubratllat, FlagEstil(font.underline()));
    Escriure(kSeccioFont, kClauTatxat, FlagEstil(font.strikeOut()));
}

// A value that names no key the keyboard has gives the mouse button, told once; any other
// value out of place gives the design's choice without a word.
void Configuracio::ApplyStoredSwitches() {
    scan::Switches stored;
    const std::string choose = Llegir(kSeccioCommutador, kClauCommutador, kRatoli);
    if (choose == kJoystick) {
        stored.buttonDevice = LlegirLlarg(kSeccioCommutador, kClauDispositiu, "");
        stored.chooseButton = Llegir(kSeccioCommutador, kClauBoto, "");
        stored.moveButton = Llegir(kSeccioCommutador, kClauBotoAvancar, "");
    } else if (choose != kRatoli) {
        stored.chooseKey = choose;
    }
    if (Llegir(kSeccioCommutador, kClauEscaneig, kAutomatic) == kDosCommutadors) {
        stored.mode = scan::ScanMode::TwoSwitches;
    }
    stored.moveKey = Llegir(kSeccioCommutador, kClauAvancar, "");
    stored.autoAdvanceSeconds =
        text::TryStrToInt(Llegir(kSeccioCommutador, kClauAvancarSol, kZero)).value_or(0);
    subsystems_.scanning.ApplyStoredSwitches(stored);
    subsystems_.scanning.SetSwitchRules({
        .acceptanceMs = Regla(kClauAcceptacio),
        .repeatMs = Regla(kClauRepeticio),
        .firstKeyPercent = Regla(kClauPrimeraTecla, scan::kFirstKeyMinPercent),
        .restPasses = Regla(kClauRepos),
        .cueVoice = {Regla(kClauVelocitatAvis),
                     Llegir(kSeccioCommutador, kClauAltraVeuAvis, kNo) == kSi},
    });
}

void Configuracio::SaveSwitches() {
    const scan::Switches& switches = subsystems_.scanning.CurrentSwitches;
    const scan::SwitchRules& rules = subsystems_.scanning.SwitchRules;
    if (switches == scan::Switches{} && rules == scan::SwitchRules{}) {
        EsborrarSeccio(kSeccioCommutador);
        return;
    }
    const bool button = !switches.chooseButton.empty();
    Escriure(kSeccioCommutador, kClauCommutador,
             button                       ? kJoystick
             : switches.chooseKey.empty() ? kRatoli
                                          : switches.chooseKey);
    const bool twoSwitches = switches.mode == scan::ScanMode::TwoSwitches;
    Escriure(kSeccioCommutador, kClauEscaneig, twoSwitches ? kDosCommutadors : kAutomatic);
    Escriure(kSeccioCommutador, kClauAvancar, switches.moveKey);
    Escriure(kSeccioCommutador, kClauAvancarSol, std::to_string(switches.autoAdvanceSeconds));
    Escriure(kSeccioCommutador, kClauDispositiu, switches.buttonDevice);
    Escriure(kSeccioCommutador, kClauBoto, switches.chooseButton);
    Escriure(kSeccioCommutador, kClauBotoAvancar, switches.moveButton);
    Escriure(kSeccioCommutador, kClauAcceptacio, std::to_string(rules.acceptanceMs));
    Escriure(kSeccioCommutador, kClauRepeticio, std::to_string(rules.repeatMs));
    Escriure(kSeccioCommutador, kClauPrimeraTecla, std::to_string(rules.firstKeyPercent));
    Escriure(kSeccioCommutador, kClauRepos, std::to_string(rules.restPasses));
    Escriure(kSeccioCommutador, kClauVelocitatAvis, std::to_string(rules.cueVoice.speedPercent));
    Escriure(kSeccioCommutador, kClauAltraVeuAvis, Flag(rules.cueVoice.otherSpeaker));
}

}  // namespace settings
