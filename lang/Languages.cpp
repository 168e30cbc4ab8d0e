#include "lang/Languages.h"

#include <QAction>

#include "platform/Cp1252.h"

namespace lang {

Languages::Languages(LanguageParts parts, LanguageHooks hooks)
    : parts_(parts), hooks_(std::move(hooks)) {}

void Languages::PopupCatalaClick() { Triar(Llengua::Catala); }
void Languages::PopupCastellanoClick() { Triar(Llengua::Castella); }
void Languages::PopupEuskeraClick() { Triar(Llengua::Euskera); }
void Languages::PopupGalegoClick() { Triar(Llengua::Galego); }
void Languages::MenuPortuguesClick() { Triar(Llengua::Portugues); }

// The common body of the five handlers.
void Languages::Triar(Llengua llengua) {
    MarcarLlengua(llengua);
    hooks_.AplicarVeu();
    PosarTextos(llengua);
    hooks_.SeguirLlenguaAmbPrediccio();
}

void Languages::AplicarLlenguaDesada(const std::string& storedValue) {
    const std::optional<Llengua> llengua = LlenguaDesada(storedValue);
    // Catalan is already in force, and any unknown value is taken for Catalan.
    if (!llengua || *llengua == Llengua::Catala) return;
    PosarTextos(*llengua);
    // Without the library the check marks stay, so Catalan is what gets stored again.
    if (hooks_.BibliotecaCarregada()) Triar(*llengua);
}

void Languages::PosarTextos(Llengua llengua) {
    LlenguaDeLaInterficie = llengua;
    for (size_t i = 0; i < parts_.Traduits.size(); ++i) {
        const char* text = Text(static_cast<Element>(i), llengua);
        parts_.Traduits[i]->setText(platform::ToQString(text));
    }
    hooks_.AltresTextos(llengua);
}

void Languages::MarcarLlengua(Llengua llengua) {
    for (size_t i = 0; i < parts_.Llengues.size(); ++i) {
        parts_.Llengues[i]->setChecked(static_cast<Llengua>(i) == llengua);
    }
}

}  // namespace lang
