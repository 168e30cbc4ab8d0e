#include <QAction>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "output/PredictionTexts.h"
#include "platform/Constants.h"

namespace {

// Catalan has a lexicon of its own; the other interface languages are offered Castilian's.
const char* LlenguaDePrediccio(lang::Llengua llengua) {
    return llengua == lang::Llengua::Catala ? "ca" : "es";
}

}  // namespace

void TFormPrincipal::WirePrediction() {
    OnClick(MenuPrediccioDeParaules, &TFormPrincipal::MenuPrediccioDeParaulesClick);
    OnClick(MenuEsborrarLesParaulesApreses, &TFormPrincipal::MenuEsborrarLesParaulesApresesClick);
}

void TFormPrincipal::MenuPrediccioDeParaulesClick() {
    const bool on = !MenuPrediccioDeParaules->isChecked();
    MenuPrediccioDeParaules->setChecked(on);
    if (on) {
        EngegarPrediccio();
    } else {
        Prediccions.SwitchOff(*Tree);
    }
    // The tree has gained or lost its first node: the scan starts again from the top.
    ReiniciarEscaneig();
}

void TFormPrincipal::EngegarPrediccio() {
    const output::PredictionGroup::Problem problem =
        Prediccions.SwitchOn(LlenguaDePrediccio(LlenguaDeLaInterficie));
    MenuEsborrarLesParaulesApreses->setEnabled(true);
    RefrescarPrediccions();
    if (problem == output::PredictionGroup::Problem::None || prediccioAvisada_) return;
    prediccioAvisada_ = true;
    const auto& text = problem == output::PredictionGroup::Problem::DamagedStore
                           ? output::kParaulesMalmeses
                           : output::kSenseLexic;
    desktop.MessageBoxA(this, output::TextIn(text, LlenguaDeLaInterficie), design::kCaption,
                        platform::MB_ICONINFORMATION);
}

void TFormPrincipal::RefrescarPrediccions() {
    Prediccions.Refresh(*Tree, output::TextIn(output::kGrupDePrediccions, LlenguaDeLaInterficie));
}

void TFormPrincipal::SeguirLlenguaAmbPrediccio() {
    if (!Prediccions.On()) return;
    if (Prediccions.Language() != LlenguaDePrediccio(LlenguaDeLaInterficie)) {
        EngegarPrediccio();
    } else {
        RefrescarPrediccions();
    }
}

void TFormPrincipal::SeguirAltraFinestra() {
    if (!Prediccions.On()) return;
    Prediccions.CaretMoved();
    RefrescarPrediccions();
}

void TFormPrincipal::MenuEsborrarLesParaulesApresesClick() {
    const int answer =
        desktop.MessageBoxA(this, output::TextIn(output::kPreguntaEsborrar, LlenguaDeLaInterficie),
                            design::kCaption, platform::MB_ICONQUESTION | platform::MB_YESNO);
    if (answer != platform::IDYES) return;
    Prediccions.Clear();
    RefrescarPrediccions();
}
