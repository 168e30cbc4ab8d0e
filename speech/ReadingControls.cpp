#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "platform/Cp1252.h"

void TFormPrincipal::DesactivarControlsDeLectura() {
    ButtonLectura->setEnabled(false);
    PopupLlenguatge->setEnabled(false);
    PopupVeuDe->setEnabled(false);
    for (QAction* item :
         {MenuLlegirlateclaEnEscaneigAutomatic, MenuLlegirElQueSEscriu,
          MenuLlegeixLoDeLaCarpetaSensePosarHiRes, MenuLlegeixLoSeleccionat,
          MenuSeleccionaTotTeclesEstandar, MenuSeleccionaAmbCtrlA, MenuSeleccionaAmbCtrlE}) {
        item->setEnabled(false);
    }
    ButtonLectura->setToolTip(ButtonLectura->toolTip() +
                              platform::ToQString(design::kHintNoLibrary));
}
