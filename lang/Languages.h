#pragma once

#include <array>
#include <functional>
#include <string>

#include "lang/CaptionTable.h"

class QAction;

namespace lang {

// The parts of the window that the languages work with; the form builds them.
struct LanguageParts {
    // The check items of the five languages, in the order of Llengua.
    std::array<QAction*, kLlengues> Llengues;
    // The translated items, in the order of Element.
    std::array<QAction*, kElementsTraduits> Traduits;
};

// What changing the language asks of the rest of the keyboard, wired by the form.
struct LanguageHooks {
    // The voice follows the interface language.
    std::function<void()> AplicarVeu;
    // The captions of the items beyond the design.
    std::function<void(Llengua)> AltresTextos;
    // Word prediction takes the language's lexicon.
    std::function<void()> SeguirLlenguaAmbPrediccio;
    // Whether the speech library is there.
    std::function<bool()> BibliotecaCarregada;
};

// The five interface languages: the check items, the captions and the voice that follows.
class Languages {
  public:
    Languages(LanguageParts parts, LanguageHooks hooks);

    void PopupCatalaClick();
    void PopupCastellanoClick();
    void PopupEuskeraClick();
    void PopupGalegoClick();
    void MenuPortuguesClick();
    // Applies the language stored in the settings file while the window is created.
    void AplicarLlenguaDesada(const std::string& storedValue);
    // The handler of a language's check item.
    void Triar(Llengua llengua);

    // The language the captions are in: Catalan (the value 0) at start. Without the speech
    // library a stored language changes the captions but not the ticked item.
    Llengua LlenguaDeLaInterficie{};

  private:
    void PosarTextos(Llengua llengua);
    void MarcarLlengua(Llengua llengua);

    LanguageParts parts_;
    LanguageHooks hooks_;
};

}  // namespace lang
