#include "output/WordPrediction.h"

#include <QAction>

#include "output/PredictionTexts.h"
#include "platform/Constants.h"
#include "predict/Letters.h"
#include "predict/PredictionLayout.h"
#include "ui/DesignTexts.h"

namespace output {
namespace {

// Catalan has a lexicon of its own; the other interface languages are offered Castilian's.
const char* LlenguaDePrediccio(lang::Llengua llengua) {
    return llengua == lang::Llengua::Catala ? "ca" : "es";
}

}  // namespace

WordPrediction::WordPrediction(platform::Windows& windows, WordPredictionParts parts,
                               WordPredictionHooks hooks)
    : windows_(windows), parts_(parts), hooks_(std::move(hooks)) {}

void WordPrediction::MenuPrediccioDeParaulesClick() {
    const bool on = !parts_.MenuPrediccioDeParaules->isChecked();
    parts_.MenuPrediccioDeParaules->setChecked(on);
    if (on) {
        EngegarPrediccio();
    } else {
        Prediccions.SwitchOff(*parts_.Tree);
    }
    hooks_.ReiniciarEscaneig();
}

void WordPrediction::EngegarPrediccio() {
    const lang::Llengua llengua = hooks_.Llengua();
    const PredictionGroup::Problem problem = Prediccions.SwitchOn(LlenguaDePrediccio(llengua));
    parts_.MenuEsborrarLesParaulesApreses->setEnabled(true);
    RefrescarPrediccions();
    if (problem == PredictionGroup::Problem::None || prediccioAvisada_) return;
    prediccioAvisada_ = true;
    const auto& text =
        problem == PredictionGroup::Problem::DamagedStore ? kParaulesMalmeses : kSenseLexic;
    windows_.MessageBoxA(parts_.FormPrincipal, TextIn(text, llengua), design::kCaption,
                         platform::MB_ICONINFORMATION);
}

void WordPrediction::RefrescarPrediccions() {
    Prediccions.Refresh(*parts_.Tree, TextIn(kGrupDePrediccions, hooks_.Llengua()));
}

void WordPrediction::SeguirFitxerDeTeclat(const std::string& fileName) {
    Prediccions.SetLayout(predict::LayoutBeside(fileName));
    RefrescarPrediccions();
}

void WordPrediction::SeguirLlenguaAmbPrediccio() {
    if (!Prediccions.On()) return;
    if (Prediccions.Language() != LlenguaDePrediccio(hooks_.Llengua())) {
        EngegarPrediccio();
    } else {
        RefrescarPrediccions();
    }
}

void WordPrediction::SeguirAltraFinestra() {
    if (!Prediccions.On()) return;
    Prediccions.CaretMoved();
    RefrescarPrediccions();
}

void WordPrediction::MenuEsborrarLesParaulesApresesClick() {
    const int answer =
        windows_.MessageBoxA(parts_.FormPrincipal, TextIn(kPreguntaEsborrar, hooks_.Llengua()),
                             design::kCaption, platform::MB_ICONQUESTION | platform::MB_YESNO);
    if (answer != platform::IDYES) return;
    Prediccions.Clear();
    RefrescarPrediccions();
}

keys::KeyTyping WordPrediction::CompletionFor(const QTreeWidgetItem* node,
                                              platform::Keyboard& keyboard) const {
    const char middleDot =
        keyboard.SpanishLayoutActive() ? predict::kFullStop : predict::kMiddleDot;
    return {Prediccions.CompletionFor(node, middleDot).value_or("")};
}

void WordPrediction::Typed(const keys::KeyTyping& typing) {
    if (!typing.special) {
        Prediccions.Typed(typing.characters);
    } else if (typing.special->send == keys::SpecialSend::Character) {
        Prediccions.Typed(std::string(1, static_cast<char>(typing.special->code)));
    } else {
        Prediccions.CaretMoved();
    }
}

}  // namespace output
