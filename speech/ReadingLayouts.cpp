#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "platform/Cp1252.h"
#include "speech/Speech.h"
#include "speech/SpeechDesign.h"
#include "ui/DesignTexts.h"

namespace speech {

namespace {

void MoureA(QWidget* control, int x) { control->move(x, control->y()); }

}  // namespace

// The read button's hint when it offers a new reading; it keeps saying why it is disabled
// while the library is missing.
std::string Speech::HintLectura() const {
    std::string hint = design::kHintRead;
    if (!engines_.upctv.Loaded()) hint += design::kHintNoLibrary;
    return hint;
}

void Speech::DisposicioRepos() {
    MoureA(parts_.ButtonLectura, design::kReadX);
    parts_.ButtonLectura->setToolTip(platform::ToQString(HintLectura()));
    parts_.ButtonLectura->show();
    parts_.ButtonParar->hide();
    MoureA(parts_.ButtonPausa, design::kPauseX);
    parts_.ButtonPausa->setEnabled(false);
    MoureA(parts_.EditVelocitat, design::kSpeedX);
    MoureA(parts_.SpinEditTempsTimer, design::kStepX);
}

void Speech::DisposicioLectura() {
    parts_.ButtonLectura->hide();
    MoureA(parts_.ButtonParar, design::kReadX);
    parts_.ButtonParar->show();
    MoureA(parts_.ButtonPausa, design::kPauseX);
    parts_.ButtonPausa->setEnabled(true);
    MoureA(parts_.EditVelocitat, design::kSpeedX);
    MoureA(parts_.SpinEditTempsTimer, design::kStepX);
}

void Speech::DisposicioPausa() {
    MoureA(parts_.ButtonLectura, design::kReadX);
    parts_.ButtonLectura->setToolTip(platform::ToQString(kHintContinuar));
    parts_.ButtonLectura->show();
    parts_.ButtonParar->hide();
    MoureA(parts_.ButtonPausa, design::kPauseX);
    parts_.ButtonPausa->setEnabled(false);
    MoureA(parts_.EditVelocitat, design::kSpeedX);
    MoureA(parts_.SpinEditTempsTimer, design::kStepX);
}

}  // namespace speech
