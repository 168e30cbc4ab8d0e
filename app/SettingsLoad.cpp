#include <QAction>
#include <QApplication>
#include <algorithm>

#include "app/SettingsFile.h"
#include "app/SettingsFont.h"
#include "app/SettingsMenu.h"
#include "app/TFormPrincipal.h"
#include "app/WindowPlace.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

using namespace settings;

namespace {

// Window places and sides beyond what the window system can address.
constexpr int kLlocMaxim = 32767;
constexpr int kCostatMaxim = 32767;

int DinsDelLimit(std::int32_t value, int lowest, int highest) {
    return std::clamp<std::int32_t>(value, lowest, highest);
}

}  // namespace

void TFormPrincipal::CarregarConfiguracio() {
    const std::string llengua = Llegir(kSeccioOrvalet, kClauLlengua, kNo);
    programa.LlenguaTriada = llengua != kNo;
    if (!programa.LlenguaTriada) return;
    languages->AplicarLlenguaDesada(llengua);
    AplicarVeuDesada();
    AplicarFontDesada();
    AplicarMenuDesat();
    AplicarPosicioDesada();
    AplicarTeclesDeControlDesades();
    ApplyStoredSwitches();
}

void TFormPrincipal::AplicarVeuDesada() {
    if (Llegir(kSeccioOrvalet, kClauVeuDe, kNo) == kDona && programa.upctv.Loaded())
        speech->PopupDonaClick();
}

void TFormPrincipal::AplicarFontDesada() {
    if (Llegir(kSeccioOrvalet, kClauVeuDe, kNo) == kNo) return;
    const int dpi = Tree->logicalDpiY();
    QFont font = FontDialogFont;
    FontDialogCharset = LlegirNombre(kSeccioFont, kClauCharset) & 0xFF;
    FontDialogColor = LlegirNombre(kSeccioFont, kClauColor);
    AplicaAlcada(font, LlegirNombre(kSeccioFont, kClauHeight), dpi);
    font.setFamily(platform::ToQString(Llegir(kSeccioFont, kClauName, kZero)));
    AplicaMida(font, LlegirNombre(kSeccioFont, kClauSize));
    font.setBold(Llegir(kSeccioFont, kClauNegreta, kZero) == kSiEstil);
    font.setItalic(Llegir(kSeccioFont, kClauItalica, kZero) == kSiEstil);
    font.setUnderline(Llegir(kSeccioFont, kClauSubratllat, kZero) == kSiEstil);
    font.setStrikeOut(Llegir(kSeccioFont, kClauTatxat, kZero) == kSiEstil);
    AplicarFont(font);
    AplicarColorDeFont();
}

void TFormPrincipal::AplicarColorDeFont() {
    QPalette palette = Tree->palette();
    const QColor text =
        ColorDeText(FontDialogColor).value_or(QApplication::palette().color(QPalette::Text));
    palette.setColor(QPalette::Text, text);
    Tree->setPalette(palette);
}

void TFormPrincipal::AplicarMenuDesat() {
    for (const OpcioDeMenu& opcio : OpcionsDeMenu()) {
        if (opcio.efecte == EfecteDeMenu::LlegitEnArrencar) continue;
        const std::string value = Llegir(kSeccioMenu, opcio.clau, opcio.perDefecte);
        QAction* item = this->*opcio.item;
        switch (opcio.efecte) {
            case EfecteDeMenu::DesmarcaAmbNo:
                if (value == kNo) item->setChecked(false);
                break;
            case EfecteDeMenu::MarcaSiEsSi:
                item->setChecked(value == kSi);
                break;
            case EfecteDeMenu::ClicaAmbSi:
                if (value == kSi) opcio.handler(*this);
                break;
            case EfecteDeMenu::LlegitEnArrencar:
                break;
        }
    }
}

void TFormPrincipal::AplicarPosicioDesada() {
    // A Left of 0 is a window left at the screen's left edge: only a missing one leaves the
    // window at the right edge.
    const std::int32_t left = LlegirNombre(kSeccioPosicio, kClauLeft);
    if (left != 0 || !Llegir(kSeccioPosicio, kClauLeft, "").empty()) {
        alMargeDret_ = false;
        MoureFinestraA(DinsDelLimit(left, -kLlocMaxim, kLlocMaxim), llocDesitjat_.top);
    }
    if (const std::int32_t top = LlegirNombre(kSeccioPosicio, kClauTop))
        MoureFinestraA(llocDesitjat_.left, DinsDelLimit(top, -kLlocMaxim, kLlocMaxim));
    if (const std::int32_t outerWidth = LlegirNombre(kSeccioPosicio, kClauWidth))
        CanviarMida(DinsDelLimit(outerWidth, 1, kCostatMaxim), lloc::Alcada(llocDesitjat_));
    if (const std::int32_t outerHeight = LlegirNombre(kSeccioPosicio, kClauAlcada))
        CanviarMida(lloc::Amplada(llocDesitjat_), DinsDelLimit(outerHeight, 1, kCostatMaxim));
}

void TFormPrincipal::AplicarTeclesDeControlDesades() {
    if (Llegir(kSeccioTecles, kClauTecles, kSi) == kNo) TeclesDeControl = false;
}

bool TFormPrincipal::EscaneigAutomaticDesat() {
    return Llegir(kSeccioMenu, kClauEscaneigAutomatic, kNo) == kSi;
}

void TFormPrincipal::RestaurarEscaneigAutomatic() {
    if (!EscaneigAutomaticDesat()) return;
    Espera(design::kStartupWaitMs);
    escaneigPerRestaurar_ = false;
    if (!Tancada()) scanning->MenuActivarLEscaneigAutomaticClick();
}
