#include <QAction>
#include <QSpinBox>

#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"
#include "scan/StepTime.h"

void TFormPrincipal::WireScanning() {
    WireSwitches();
    OnClick(MenuActivarLEscaneigAutomatic, &TFormPrincipal::MenuActivarLEscaneigAutomaticClick);
    OnClick(MenuPassarDuesVegades, &TFormPrincipal::MenuPassarDuesVegadesClick);
    OnClick(MenuLlegirlateclaEnEscaneigAutomatic,
            &TFormPrincipal::MenuLlegirlateclaEnEscaneigAutomaticClick);
    connect(Tree, &KeyTree::mouseDown, this, &TFormPrincipal::TreeMouseDown);
    // Every edit counts, also a text that is not (yet) a number.
    connect(SpinEditTempsTimer, &QSpinBox::textChanged, this,
            [this] { SpinEditTempsTimerChange(); });
}

void TFormPrincipal::MenuActivarLEscaneigAutomaticClick() {
    const bool scanning = !MenuActivarLEscaneigAutomatic->isChecked();
    MenuActivarLEscaneigAutomatic->setChecked(scanning);
    ReiniciarEscaneig();
    TimerEscaneig.SetEnabled(scanning);
    if (scanning) {
        Tree->viewport()->setCursor(Qt::CrossCursor);
    } else {
        Tree->viewport()->unsetCursor();
    }
    GrabSwitchKeys();
}

void TFormPrincipal::TreeMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::RightButton) MenuActivarLEscaneigAutomaticClick();
}

void TFormPrincipal::SpinEditTempsTimerChange() {
    ApplyScanInterval(scan::TempsDelPas(platform::FromQString(SpinEditTempsTimer->cleanText())));
}

void TFormPrincipal::MenuPassarDuesVegadesClick() {
    MenuPassarDuesVegades->setChecked(!MenuPassarDuesVegades->isChecked());
}

void TFormPrincipal::MenuLlegirlateclaEnEscaneigAutomaticClick() {
    MenuLlegirlateclaEnEscaneigAutomatic->setChecked(
        !MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
    MenuLlegirElQueSEscriu->setChecked(false);
}
