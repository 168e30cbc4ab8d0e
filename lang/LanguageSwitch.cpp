#include <QAction>
#include <QMenu>
#include <array>

#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"

using lang::Llengua;

namespace {

using Handler = void (TFormPrincipal::*)();

// The check item and the switch handler of each language, in the order of Llengua.
std::array<QAction*, lang::kLlengues> ElementsDeLlengua(const TFormPrincipal& form) {
    return {form.PopupCatala, form.PopupCastellano, form.PopupEuskera, form.PopupGalego,
            form.MenuPortugues};
}

constexpr std::array<Handler, lang::kLlengues> kHandlers = {
    &TFormPrincipal::PopupCatalaClick, &TFormPrincipal::PopupCastellanoClick,
    &TFormPrincipal::PopupEuskeraClick, &TFormPrincipal::PopupGalegoClick,
    &TFormPrincipal::MenuPortuguesClick};

// The translated items in the order of lang::Element.
std::array<QAction*, lang::kElementsTraduits> ElementsTraduits(const TFormPrincipal& form) {
    return {form.MenuOpcions->menuAction(),
            form.MenuObrir,
            form.MenuCanviarLaFont,
            form.MenuAjustarlagrandriadelafinestrareceptora,
            form.MenuEnviarLesTeclesALAplicacioActiva,
            form.MenuActivarLEscaneigAutomatic,
            form.MenuLlegirlateclaEnEscaneigAutomatic,
            form.MenuLlegirElQueSEscriu,
            form.MenuPrediccioDeParaules,
            form.MenuEsborrarLesParaulesApreses,
            form.MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
            form.MenuLlegeixLoSeleccionat,
            form.MenuSeleccionaTotTeclesEstandar,
            form.MenuSeleccionaAmbCtrlA,
            form.MenuSeleccionaAmbCtrlE,
            form.PopupLlenguatge->menuAction(),
            form.PopupVeuDe->menuAction(),
            form.PopupDona,
            form.PopupHome,
            form.MenuParlantDe,
            form.MenuSortir};
}

void PosarTextos(TFormPrincipal& form, Llengua llengua) {
    form.LlenguaDeLaInterficie = llengua;
    const auto elements = ElementsTraduits(form);
    for (size_t i = 0; i < elements.size(); ++i) {
        const char* text = lang::Text(static_cast<lang::Element>(i), llengua);
        elements[i]->setText(platform::ToQString(text));
    }
    form.SwitchCaptions(llengua);
}

void MarcarLlengua(const TFormPrincipal& form, Llengua llengua) {
    const auto items = ElementsDeLlengua(form);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->setChecked(static_cast<Llengua>(i) == llengua);
    }
}

// The common body of the five switch handlers.
void CanviarLlengua(TFormPrincipal& form, Llengua llengua) {
    MarcarLlengua(form, llengua);
    form.AplicarVeu();
    PosarTextos(form, llengua);
    form.SeguirLlenguaAmbPrediccio();
}

}  // namespace

void TFormPrincipal::WireLanguages() {
    const auto items = ElementsDeLlengua(*this);
    for (size_t i = 0; i < items.size(); ++i) OnClick(items[i], kHandlers[i]);
}

void TFormPrincipal::PopupCatalaClick() { CanviarLlengua(*this, Llengua::Catala); }
void TFormPrincipal::PopupCastellanoClick() { CanviarLlengua(*this, Llengua::Castella); }
void TFormPrincipal::PopupEuskeraClick() { CanviarLlengua(*this, Llengua::Euskera); }
void TFormPrincipal::PopupGalegoClick() { CanviarLlengua(*this, Llengua::Galego); }
void TFormPrincipal::MenuPortuguesClick() { CanviarLlengua(*this, Llengua::Portugues); }

void TFormPrincipal::AplicarLlenguaDesada(const std::string& storedValue) {
    const std::optional<Llengua> llengua = lang::LlenguaDesada(storedValue);
    // Catalan is already in force, and any unknown value is taken for Catalan.
    if (!llengua || *llengua == Llengua::Catala) return;
    PosarTextos(*this, *llengua);
    // Without the library the check marks stay, so Catalan is what gets stored again.
    if (programa.upctv.Loaded()) (this->*kHandlers[static_cast<size_t>(*llengua)])();
}
