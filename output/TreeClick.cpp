#include <QAction>
#include <QPersistentModelIndex>

#include "app/TFormPrincipal.h"
#include "keys/KeyKind.h"
#include "output/ReceivingWindow.h"
#include "output/SelectedNode.h"
#include "platform/Constants.h"

namespace {

void ObrirOTancarGrup(TFormPrincipal& form, QTreeWidgetItem* group) {
    const bool passTwice = form.MenuPassarDuesVegades->isChecked();
    if (group->isExpanded()) {
        form.Tree->CollapseAll();
        form.EstatEscaneig.GroupsClosed(passTwice);
        return;
    }
    group->setExpanded(true);
    form.EstatEscaneig.GroupOpened(group, group->childCount(), form.Tree->indentation(), passTwice);
}

// Enter and Backspace go through the character path, the other special keys as one
// virtual key sent on its own.
void EnviarTeclaEspecial(TFormPrincipal& form, const keys::SpecialKey& key) {
    if (key.send == keys::SpecialSend::VirtualKey) {
        form.EnviarTecla(key.code);
    } else {
        form.EnviarCaracter(static_cast<char>(key.code));
    }
}

void TeclejarTecla(TFormPrincipal& form, const QTreeWidgetItem* key, bool receiverInFront) {
    const std::string text = keys::LowerAscii(KeyTree::TextOf(key));
    if (form.MenuLlegirElQueSEscriu->isChecked()) form.LlegirTecla(text);
    const bool sending = form.MenuEnviarLesTeclesALAplicacioActiva->isChecked();
    const bool canSend = sending && receiverInFront;
    std::string typed = text;
    const keys::SpecialKey* special = nullptr;
    // Special, digit and operator keys leave their group open, so several can follow.
    bool collapseAfter = true;
    if (keys::IsSpaceName(text)) {
        typed.assign(1, ' ');
    } else if ((special = keys::FindSpecialKey(text))) {
        typed.clear();
        collapseAfter = false;
    } else if (keys::IsDigitOrOperator(text)) {
        collapseAfter = false;
    }
    if (canSend) {
        if (special) EnviarTeclaEspecial(form, *special);
        for (char character : typed) form.EnviarCaracter(character);
    } else if (sending && (special || !typed.empty())) {
        // Typed into whatever window has the focus, the key would do harm: it is not sent,
        // and the user hears that it was not.
        form.desktop.MessageBeep(platform::MB_ICONEXCLAMATION);
    }
    form.AvisarCaracterOmes();
    if (collapseAfter) form.Tree->CollapseAll();
    form.ReiniciarEscaneig();
}

}  // namespace

void TFormPrincipal::TreeClick() {
    // The node chosen by this click, held apart from the selection: another click handled
    // while the receiving window is brought back must not change what this one types.
    QTreeWidgetItem* selected = output::SelectedNode(*Tree);
    const QPersistentModelIndex chosen(Tree->indexFromItem(selected));
    const bool aKey = selected && selected->childCount() == 0;
    TimerCercaHandleFinestra.SetEnabled(false);
    if (MenuActivarLEscaneigAutomatic->isChecked()) TimerEscaneig.SetEnabled(false);
    TornarElFocus();
    // Only a key needs the receiving window: it waits for a slow window manager.
    const bool receiverInFront = aKey ? output::EsperarAlDavant(desktop, FinestraReceptora)
                                      : output::PortarAlDavant(desktop, FinestraReceptora);
    EstatEscaneig.Pressed();
    if (QTreeWidgetItem* node = Tree->itemFromIndex(chosen)) {
        if (node->childCount() > 0) {
            ObrirOTancarGrup(*this, node);
        } else {
            TeclejarTecla(*this, node, receiverInFront);
        }
    }
    if (MenuActivarLEscaneigAutomatic->isChecked()) TimerEscaneig.SetEnabled(true);
    TimerCercaHandleFinestra.SetEnabled(true);
}
