#include "app/WaylandSession.h"

#include <QAction>
#include <QMessageBox>
#include <array>
#include <cstdio>

#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

namespace wayland {
namespace {

// In the order of the interface languages, in Windows-1252.
constexpr std::array<const char*, lang::kLlengues> kAvis = {
    "Aquesta sessi\xF3 \xE9s de Wayland: Orvalet hi funciona a trav\xE9s d'XWayland i les "
    "tecles nom\xE9s arriben a les aplicacions X11.",
    "Esta sesi\xF3n es de Wayland: Orvalet funciona a trav\xE9s de XWayland y las teclas "
    "solo llegan a las aplicaciones X11.",
    "Saio hau Wayland da: Orvalet XWayland bidez dabil, eta teklak X11 aplikazioetara "
    "bakarrik iristen dira.",
    "Esta sesi\xF3n \xE9 de Wayland: Orvalet funciona a trav\xE9s de XWayland e as teclas "
    "s\xF3 chegan \xE1s aplicaci\xF3ns X11.",
    "Esta sess\xE3o \xE9 Wayland: o Orvalet funciona atrav\xE9s do XWayland e as teclas s\xF3 "
    "chegam \xE0s aplica\xE7\xF5"
    "es X11.",
};

// When the compositor closes the session that carries the keys, and when it has come back.
constexpr std::array<const char*, lang::kLlengues> kSessioTancada = {
    "El compositor ha tancat la sessi\xF3 que portava les tecles: Orvalet no escriur\xE0 fins "
    "que torni.",
    "El compositor ha cerrado la sesi\xF3n que llevaba las teclas: Orvalet no escribir\xE1 "
    "hasta que vuelva.",
    "Konposatzaileak teklak zeramatzan saioa itxi du: Orvaletek ez du idatziko itzuli arte.",
    "O compositor pechou a sesi\xF3n que levaba as teclas: Orvalet non escribir\xE1 ata que "
    "volva.",
    "O compositor fechou a sess\xE3o que levava as teclas: o Orvalet n\xE3o escrever\xE1 at\xE9 "
    "que volte.",
};
constexpr std::array<const char*, lang::kLlengues> kSessioTornada = {
    "La sessi\xF3 del compositor ha tornat: Orvalet torna a escriure.",
    "La sesi\xF3n del compositor ha vuelto: Orvalet vuelve a escribir.",
    "Konposatzailearen saioa itzuli da: Orvaletek berriro idazten du.",
    "A sesi\xF3n do compositor volveu: Orvalet volve escribir.",
    "A sess\xE3o do compositor voltou: o Orvalet volta a escrever.",
};

lang::Llengua LlenguaDe(const TFormPrincipal& form) {
    const std::array<QAction*, lang::kLlengues> items = {form.PopupCatala, form.PopupCastellano,
                                                         form.PopupEuskera, form.PopupGalego,
                                                         form.MenuPortugues};
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) return static_cast<lang::Llengua>(i);
    }
    return lang::Llengua::Catala;
}

void Avisar(TFormPrincipal& form, const std::array<const char*, lang::kLlengues>& avis) {
    auto* box = new QMessageBox(QMessageBox::Information, platform::ToQString(design::kCaption),
                                platform::ToQString(avis[static_cast<size_t>(LlenguaDe(form))]),
                                QMessageBox::Ok, &form);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace

platform::BackendChoice TriarPlataforma(const platform::SessionFacts& facts) {
    const platform::BackendChoice choice = platform::ChooseBackend(facts);
    std::fprintf(stderr, "%s\n", platform::DescribeChoice(choice).c_str());
    if (const char* toolkitPlatform = platform::ToolkitPlatformOf(choice.backend)) {
        qputenv("QT_QPA_PLATFORM", toolkitPlatform);
    }
    return choice;
}

void AvisarDeXWayland(TFormPrincipal& form) { Avisar(form, kAvis); }

void AvisarDeLaSessio(TFormPrincipal& form, bool escriu) {
    Avisar(form, escriu ? kSessioTornada : kSessioTancada);
}

}  // namespace wayland
