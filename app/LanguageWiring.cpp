#include <QAction>
#include <QMenu>

#include "app/TFormPrincipal.h"

void TFormPrincipal::BuildLanguages() {
    languages = std::make_unique<lang::Languages>(
        lang::LanguageParts{
            .Llengues = {PopupCatala, PopupCastellano, PopupEuskera, PopupGalego, MenuPortugues},
            // In the order of lang::Element.
            .Traduits = {MenuOpcions->menuAction(),
                         MenuObrir,
                         MenuCanviarLaFont,
                         MenuAjustarlagrandriadelafinestrareceptora,
                         MenuEnviarLesTeclesALAplicacioActiva,
                         MenuActivarLEscaneigAutomatic,
                         MenuLlegirlateclaEnEscaneigAutomatic,
                         MenuLlegirElQueSEscriu,
                         MenuPrediccioDeParaules,
                         MenuEsborrarLesParaulesApreses,
                         MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
                         MenuLlegeixLoSeleccionat,
                         MenuSeleccionaTotTeclesEstandar,
                         MenuSeleccionaAmbCtrlA,
                         MenuSeleccionaAmbCtrlE,
                         PopupLlenguatge->menuAction(),
                         PopupVeuDe->menuAction(),
                         PopupDona,
                         PopupHome,
                         MenuParlantDe,
                         MenuSortir},
        },
        lang::LanguageHooks{
            .AplicarVeu = [this] { speech->AplicarVeu(); },
            .AltresTextos =
                [this](lang::Llengua llengua) {
                    SwitchCaptions(llengua);
                    SpeechCaptions(llengua);
                },
            .SeguirLlenguaAmbPrediccio = [this] { prediction->SeguirLlenguaAmbPrediccio(); },
            .BibliotecaCarregada = [this] { return programa.upctv.Loaded(); },
        });
}

void TFormPrincipal::WireLanguages() {
    lang::Languages& idiomes = *languages;
    OnClick(PopupCatala, [&idiomes] { idiomes.PopupCatalaClick(); });
    OnClick(PopupCastellano, [&idiomes] { idiomes.PopupCastellanoClick(); });
    OnClick(PopupEuskera, [&idiomes] { idiomes.PopupEuskeraClick(); });
    OnClick(PopupGalego, [&idiomes] { idiomes.PopupGalegoClick(); });
    OnClick(MenuPortugues, [&idiomes] { idiomes.MenuPortuguesClick(); });
}
