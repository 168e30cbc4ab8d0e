#include <QAction>
#include <QMenu>

#include "app/TFormPrincipal.h"
#include "speech/protocol/VoceliaDesign.h"
#include "speech/protocol/VoceliaSuite.h"

void TFormPrincipal::WireVocelia() {
    programa.vocelia.SetKeyboardWindow([this] { return desktop.HandleOf(this); });
    OnClick(MenuSapi51, &TFormPrincipal::MenuSapi51Click);
    OnClick(MenuIdiomaSapi51, &TFormPrincipal::MenuIdiomaSapi51Click);
}

void TFormPrincipal::MenuSapi51Click() {
    if (!MenuSapi51->isChecked()) {
        MenuUPCTV->setChecked(false);
        PopupVeuDe->setEnabled(false);
        MenuSapi51->setChecked(true);
        programa.motor = &programa.vocelia;
        MenuIdiomaSapi51->setEnabled(true);
        speech::EscriureVocelia(speech::kClauNombreSintetitzadors, speech::kCapSintetitzador);
    }
    ObrirVocelia();
}

// The bridge's language and voice are chosen in the bridge's own window.
void TFormPrincipal::MenuIdiomaSapi51Click() { ObrirVocelia(); }
