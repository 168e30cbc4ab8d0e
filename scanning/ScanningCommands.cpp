#include <QAction>
#include <QSpinBox>

#include "platform/Cp1252.h"
#include "scan/StepTime.h"
#include "scanning/KeyTreeView.h"
#include "scanning/Scanning.h"
#include "ui/KeyTree.h"

namespace scanning {

void Scanning::MenuActivarLEscaneigAutomaticClick() {
    QAction* item = parts_.MenuActivarLEscaneigAutomatic;
    const bool scanning = !item->isChecked();
    item->setChecked(scanning);
    if (scanning) {
        CarryOut(EstatEscaneig.SwitchedOn(KeyTreeView(*parts_.Tree), Options()));
        parts_.Tree->viewport()->setCursor(Qt::CrossCursor);
    } else {
        CarryOut(EstatEscaneig.SwitchedOff());
        parts_.Tree->viewport()->unsetCursor();
    }
    GrabSwitchKeys();
    WatchSwitchButton();
}

void Scanning::TreeMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::RightButton) MenuActivarLEscaneigAutomaticClick();
}

void Scanning::SpinEditTempsTimerChange() {
    ApplyScanInterval(
        scan::TempsDelPas(platform::FromQString(parts_.SpinEditTempsTimer->cleanText())));
}

void Scanning::MenuPassarDuesVegadesClick() {
    parts_.MenuPassarDuesVegades->setChecked(!parts_.MenuPassarDuesVegades->isChecked());
}

void Scanning::MenuLlegirlateclaEnEscaneigAutomaticClick() {
    parts_.MenuLlegirlateclaEnEscaneigAutomatic->setChecked(
        !parts_.MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
    parts_.MenuLlegirElQueSEscriu->setChecked(false);
}

}  // namespace scanning
