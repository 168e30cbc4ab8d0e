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

lang::Llengua LlenguaDe(const TFormPrincipal& form) {
    const std::array<QAction*, lang::kLlengues> items = {form.PopupCatala, form.PopupCastellano,
                                                         form.PopupEuskera, form.PopupGalego,
                                                         form.MenuPortugues};
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) return static_cast<lang::Llengua>(i);
    }
    return lang::Llengua::Catala;
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

void AvisarDeXWayland(TFormPrincipal& form) {
    auto* box = new QMessageBox(QMessageBox::Information, platform::ToQString(design::kCaption),
                                platform::ToQString(kAvis[static_cast<size_t>(LlenguaDe(form))]),
                                QMessageBox::Ok, &form);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace wayland
