#include <QAction>
#include <QMenu>

#include "speech/Speech.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"

namespace speech {

void Speech::MenuSapi51Click() {
    if (!parts_.MenuSapi51->isChecked()) {
        parts_.MenuUPCTV->setChecked(false);
        parts_.PopupVeuDe->setEnabled(false);
        parts_.MenuSapi51->setChecked(true);
        engines_.motor = &engines_.vocelia;
        parts_.MenuIdiomaSapi51->setEnabled(true);
        EscriureVocelia(kClauNombreSintetitzadors, kCapSintetitzador);
    }
    ObrirVocelia();
}

// The bridge's language and voice are chosen in the bridge's own window.
void Speech::MenuIdiomaSapi51Click() { ObrirVocelia(); }

}  // namespace speech
