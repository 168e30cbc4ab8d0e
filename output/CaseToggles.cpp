#include <QAction>
#include <QToolButton>

#include "output/Typing.h"

namespace output {

void Typing::ButtonShiftClick() {
    // Releasing shift ends caps lock.
    if (!parts_.ButtonShift->isChecked() && parts_.ButtonBloqMajuscules->isChecked()) {
        parts_.ButtonBloqMajuscules->setChecked(false);
    }
}

void Typing::ButtonBloqMajusculesClick() {
    parts_.ButtonShift->setChecked(parts_.ButtonBloqMajuscules->isChecked());
}

void Typing::MenuEnviarLesTeclesALAplicacioActivaClick() {
    parts_.MenuEnviarLesTeclesALAplicacioActiva->setChecked(
        !parts_.MenuEnviarLesTeclesALAplicacioActiva->isChecked());
}

}  // namespace output
