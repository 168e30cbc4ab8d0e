#include <QAction>
#include <QToolButton>

#include "app/TFormPrincipal.h"

void TFormPrincipal::WireDispatch() {
    connect(Tree, &KeyTree::clicked, this, &TFormPrincipal::TreeClick);
    // "clicked" comes after the button has changed state, and never from setChecked.
    connect(ButtonShift, &QToolButton::clicked, this, &TFormPrincipal::ButtonShiftClick);
    connect(ButtonBloqMajuscules, &QToolButton::clicked, this,
            &TFormPrincipal::ButtonBloqMajusculesClick);
    OnClick(MenuEnviarLesTeclesALAplicacioActiva,
            &TFormPrincipal::MenuEnviarLesTeclesALAplicacioActivaClick);
    OnClick(MenuAjustarlagrandriadelafinestrareceptora,
            &TFormPrincipal::MenuAjustarlagrandriadelafinestrareceptoraClick);
}

void TFormPrincipal::ButtonShiftClick() {
    // Releasing shift ends caps lock.
    if (!ButtonShift->isChecked() && ButtonBloqMajuscules->isChecked()) {
        ButtonBloqMajuscules->setChecked(false);
    }
}

void TFormPrincipal::ButtonBloqMajusculesClick() {
    ButtonShift->setChecked(ButtonBloqMajuscules->isChecked());
}

void TFormPrincipal::MenuEnviarLesTeclesALAplicacioActivaClick() {
    MenuEnviarLesTeclesALAplicacioActiva->setChecked(
        !MenuEnviarLesTeclesALAplicacioActiva->isChecked());
}
