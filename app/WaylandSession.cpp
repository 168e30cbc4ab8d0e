#include "app/WaylandSession.h"

#include <QAction>
#include <QMessageBox>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

namespace wayland {
namespace {

bool Donat(const char* value) { return value != nullptr && *value != '\0'; }

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

Sessio SessioDe(const char* waylandDisplay, const char* sessionType, const char* x11Display) {
    if (!Donat(x11Display)) return Sessio::SenseX11;
    const bool wayland =
        Donat(waylandDisplay) || (Donat(sessionType) && std::string_view(sessionType) == "wayland");
    return wayland ? Sessio::AmbXWayland : Sessio::X11;
}

Sessio ChooseSession(const char* waylandDisplay, const char* sessionType, const char* x11Display,
                     bool protocolsOffered) {
    // An X11 session's own display comes first, whatever Wayland display runs inside it.
    if (Donat(sessionType) && std::string_view(sessionType) == "x11" && Donat(x11Display)) {
        return Sessio::X11;
    }
    if (Donat(waylandDisplay) && protocolsOffered) return Sessio::Wayland;
    return SessioDe(waylandDisplay, sessionType, x11Display);
}

Sessio TriarPlataforma(const std::optional<std::vector<std::string>>& missingProtocols) {
    const bool offered = missingProtocols && missingProtocols->empty();
    const Sessio sessio =
        ChooseSession(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE"),
                      std::getenv("DISPLAY"), offered);
    if (sessio != Sessio::Wayland && missingProtocols && !missingProtocols->empty()) {
        std::fprintf(stderr, "Orvalet: the Wayland compositor does not offer %s\n",
                     missingProtocols->front().c_str());
    }
    switch (sessio) {
        case Sessio::Wayland:
            // The keyboard's own windows must be the compositor's clients, as its keys are.
            qputenv("QT_QPA_PLATFORM", "wayland");
            break;
        case Sessio::AmbXWayland:
            // The keys are X11 events: the toolkit must open its window there too.
            qputenv("QT_QPA_PLATFORM", "xcb");
            std::fputs(
                "Orvalet: Wayland session; running on XWayland, keys reach X11 "
                "applications only\n",
                stderr);
            break;
        case Sessio::SenseX11:
            std::fputs(
                "Orvalet: no X11 display (DISPLAY is not set); the keyboard types "
                "through X11 and cannot run without it\n",
                stderr);
            break;
        case Sessio::X11:
            break;
    }
    return sessio;
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
