#include <QAction>
#include <string>

#include "app/SettingsFile.h"
#include "app/SettingsFont.h"
#include "app/SettingsMenu.h"
#include "app/TFormPrincipal.h"
#include "app/WindowPlace.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"

using namespace settings;

namespace {

std::string Nombre(std::int32_t value) { return std::to_string(value); }

}  // namespace

void TFormPrincipal::DesarConfiguracio() {
    DesarLlenguaIVeu();
    DesarFont();
    for (const OpcioDeMenu& opcio : OpcionsDeMenu())
        Escriure(kSeccioMenu, opcio.clau, Flag(MarcaADesar(opcio)));
    const platform::Rect outer = LlocActual();
    Escriure(kSeccioPosicio, kClauLeft, Nombre(outer.left));
    Escriure(kSeccioPosicio, kClauTop, Nombre(outer.top));
    Escriure(kSeccioPosicio, kClauWidth, Nombre(lloc::Amplada(outer)));
    Escriure(kSeccioPosicio, kClauAlcada, Nombre(lloc::Alcada(outer)));
    Escriure(kSeccioTecles, kClauTecles, Flag(TeclesDeControl));
    SaveSwitches();
}

// Scanning that start-up has yet to switch back on counts as on: a close before that moment
// must not leave a switch user without scanning at the next start.
bool TFormPrincipal::MarcaADesar(const OpcioDeMenu& opcio) const {
    const bool perRestaurar =
        opcio.efecte == EfecteDeMenu::LlegitEnArrencar && escaneigPerRestaurar_;
    return (this->*opcio.item)->isChecked() || perRestaurar;
}

void TFormPrincipal::DesarLlenguaIVeu() {
    using lang::Llengua;
    const std::pair<QAction*, Llengua> llengues[] = {{PopupCatala, Llengua::Catala},
                                                     {PopupCastellano, Llengua::Castella},
                                                     {PopupEuskera, Llengua::Euskera},
                                                     {PopupGalego, Llengua::Galego},
                                                     {MenuPortugues, Llengua::Portugues}};
    for (const auto& [item, llengua] : llengues) {
        if (item->isChecked()) {
            Escriure(kSeccioOrvalet, kClauLlengua, lang::ValorDesat(llengua));
            break;
        }
    }
    Escriure(kSeccioOrvalet, kClauVeuDe, PopupDona->isChecked() ? kDona : kHome);
}

void TFormPrincipal::DesarFont() {
    const int dpi = Tree->logicalDpiY();
    const QFont& font = FontDialogFont;
    Escriure(kSeccioFont, kClauCharset, Nombre(FontDialogCharset));
    Escriure(kSeccioFont, kClauColor, Nombre(FontDialogColor));
    Escriure(kSeccioFont, kClauHeight, Nombre(AlcadaDe(font, dpi)));
    Escriure(kSeccioFont, kClauName, platform::FromQString(font.family()));
    Escriure(kSeccioFont, kClauSize, Nombre(MidaDe(font, dpi)));
    Escriure(kSeccioFont, kClauNegreta, FlagEstil(font.bold()));
    Escriure(kSeccioFont, kClauItalica, FlagEstil(font.italic()));
    Escriure(kSeccioFont, kClauSubratllat, FlagEstil(font.underline()));
    Escriure(kSeccioFont, kClauTatxat, FlagEstil(font.strikeOut()));
}
