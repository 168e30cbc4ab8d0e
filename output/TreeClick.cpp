#include <QAction>
#include <QPersistentModelIndex>

#include "app/TFormPrincipal.h"
#include "keys/KeyTyping.h"
#include "output/ReceivingWindow.h"
#include "output/SelectedNode.h"
#include "platform/Constants.h"
#include "predict/Letters.h"
#include "text/Case.h"

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

keys::KeyTyping QueTeclejar(TFormPrincipal& form, const QTreeWidgetItem* key,
                            const std::string& text) {
    // A predicted word types the rest of itself, whatever its letters would name.
    if (form.Prediccions.IsPrediction(key)) {
        const char middleDot =
            form.desktop.SpanishLayoutActive() ? predict::kFullStop : predict::kMiddleDot;
        return {form.Prediccions.CompletionFor(key, middleDot).value_or("")};
    }
    return keys::WhatAKeyTypes(text);
}

// Word prediction follows what was typed: the characters, or a caret that moved.
void SeguirElText(TFormPrincipal& form, const keys::KeyTyping& tecleig) {
    if (!tecleig.special) {
        form.Prediccions.Typed(tecleig.characters);
    } else if (tecleig.special->send == keys::SpecialSend::Character) {
        form.Prediccions.Typed(std::string(1, static_cast<char>(tecleig.special->code)));
    } else {
        form.Prediccions.CaretMoved();
    }
}

void TeclejarTecla(TFormPrincipal& form, const QTreeWidgetItem* key, bool receiverInFront) {
    const std::string text = text::LowerAscii(KeyTree::TextOf(key));
    if (form.MenuLlegirElQueSEscriu->isChecked()) form.LlegirTecla(text);
    const bool sending = form.MenuEnviarLesTeclesALAplicacioActiva->isChecked();
    const keys::KeyTyping tecleig = QueTeclejar(form, key, text);
    if (sending && receiverInFront) {
        if (tecleig.special) EnviarTeclaEspecial(form, *tecleig.special);
        for (char character : tecleig.characters) form.EnviarCaracter(character);
        SeguirElText(form, tecleig);
    } else if (sending && (tecleig.special || !tecleig.characters.empty())) {
        // Typed into whatever window has the focus, the key would do harm: it is not sent,
        // and the user hears that it was not.
        form.desktop.MessageBeep(platform::MB_ICONEXCLAMATION);
    }
    form.AvisarCaracterOmes();
    if (tecleig.closesGroups) form.Tree->CollapseAll();
    form.RefrescarPrediccions();
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
