#include <array>

#include "lang/CaptionTable.h"
#include "output/Typing.h"
#include "platform/Constants.h"
#include "ui/DesignTexts.h"

namespace output {
namespace {

// In the order of lang::Llengua (Windows-1252 bytes).
constexpr std::array<const char*, lang::kLlengues> kAvisos = {
    "Alguns car\xE0"
    "cters de les tecles no es poden escriure amb la distribuci\xF3 de teclat activa i "
    "s'ometen.",
    "Algunos caracteres de las teclas no se pueden escribir con la distribuci\xF3n de teclado "
    "activa y se omiten.",
    "Teklen karaktere batzuk ezin dira idatzi teklatuaren diseinu aktiboarekin, eta saltatu "
    "egiten dira.",
    "Alg\xFAns caracteres das teclas non se poden escribir coa distribuci\xF3n de teclado activa "
    "e om\xEDtense.",
    "Alguns caracteres das teclas n\xE3o podem ser escritos com a disposi\xE7\xE3o de teclado "
    "ativa e s\xE3o omitidos.",
};

}  // namespace

void Typing::AvisarCaracterOmes() {
    if (!caracterOmes_) return;
    caracterOmes_ = false;
    if (caracterOmesAvisat_) return;
    caracterOmesAvisat_ = true;
    windows_.MessageBoxA(nullptr, kAvisos[static_cast<size_t>(hooks_.Llengua())], design::kCaption,
                         platform::MB_ICONINFORMATION);
}

}  // namespace output
