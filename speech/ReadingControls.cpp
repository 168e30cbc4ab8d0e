#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "platform/Cp1252.h"
#include "speech/Speech.h"
#include "ui/DesignTexts.h"

namespace speech {

void Speech::DesactivarControlsDeLectura() {
    parts_.ButtonLectura->setEnabled(false);
    parts_.PopupLlenguatge->setEnabled(false);
    parts_.PopupVeuDe->setEnabled(false);
    for (QAction* item :
         {parts_.MenuLlegirlateclaEnEscaneigAutomatic, parts_.MenuLlegirElQueSEscriu,
          parts_.MenuLlegeixLoDeLaCarpetaSensePosarHiRes, parts_.MenuLlegeixLoSeleccionat,
          parts_.MenuSeleccionaTotTeclesEstandar, parts_.MenuSeleccionaAmbCtrlA,
          parts_.MenuSeleccionaAmbCtrlE}) {
        item->setEnabled(false);
    }
    parts_.ButtonLectura->setToolTip(parts_.ButtonLectura->toolTip() +
                                     platform::ToQString(design::kHintNoLibrary));
}

}  // namespace speech
