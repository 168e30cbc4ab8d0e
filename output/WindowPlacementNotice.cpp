#include "output/WindowPlacementNotice.h"

#include <array>

#include "platform/Constants.h"
#include "ui/DesignTexts.h"

namespace output {
namespace {

// In the order of lang::Llengua (Windows-1252 bytes).
constexpr std::array<const char*, lang::kLlengues> kAvisos = {
    "L'escriptori (el compositor de Wayland) col\xB7loca ell mateix les finestres: Orvalet no "
    "pot ajustar la grand\xE0ria de la finestra receptora.",
    "El escritorio (el compositor de Wayland) coloca \xE9l mismo las ventanas: Orvalet no puede "
    "ajustar el tama\xF1o de la ventana receptora.",
    "Idazmahaiak (Wayland konposatzaileak) berak kokatzen ditu leihoak: Orvaletek ezin du leiho "
    "hartzailearen neurria egokitu.",
    "O escritorio (o compositor de Wayland) coloca \xE9l mesmo as fiestras: Orvalet non pode "
    "axustar o tama\xF1o da fiestra receptora.",
    "O ambiente de trabalho (o compositor Wayland) posiciona ele pr\xF3prio as janelas: o "
    "Orvalet n\xE3o pode ajustar o tamanho da janela recetora.",
};

}  // namespace

void TellTheDesktopPlacesWindows(platform::Windows& windows, lang::Llengua llengua) {
    windows.MessageBoxA(nullptr, kAvisos[static_cast<size_t>(llengua)], design::kCaption,
                        platform::MB_ICONINFORMATION);
}

}  // namespace output
