#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"
#include "speech/SpeechDesign.h"

namespace {

void MoureA(QWidget* control, int x) { control->move(x, control->y()); }

}  // namespace

// The read button's hint when it offers a new reading; it keeps saying why it is disabled
// while the library is missing.
std::string TFormPrincipal::HintLectura() const {
    std::string hint = design::kHintRead;
    if (!programa.upctv.Loaded()) hint += design::kHintNoLibrary;
    return hint;
}

void TFormPrincipal::DisposicioRepos() {
    MoureA(ButtonLectura, design::kReadX);
    ButtonLectura->setToolTip(platform::ToQString(HintLectura()));
    ButtonLectura->show();
    ButtonParar->hide();
    MoureA(ButtonPausa, design::kPauseX);
    ButtonPausa->setEnabled(false);
    MoureA(EditVelocitat, design::kSpeedX);
    MoureA(SpinEditTempsTimer, design::kStepX);
}

void TFormPrincipal::DisposicioLectura() {
    ButtonLectura->hide();
    MoureA(ButtonParar, design::kReadX);
    ButtonParar->show();
    MoureA(ButtonPausa, design::kPauseX);
    ButtonPausa->setEnabled(true);
    MoureA(EditVelocitat, design::kSpeedX);
    MoureA(SpinEditTempsTimer, design::kStepX);
}

void TFormPrincipal::DisposicioPausa() {
    MoureA(ButtonLectura, design::kReadX);
    ButtonLectura->setToolTip(platform::ToQString(speech::kHintContinuar));
    ButtonLectura->show();
    ButtonParar->hide();
    MoureA(ButtonPausa, design::kPauseX);
    ButtonPausa->setEnabled(false);
    MoureA(EditVelocitat, design::kSpeedX);
    MoureA(SpinEditTempsTimer, design::kStepX);
}
