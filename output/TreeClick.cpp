#include <QAction>
#include <QPersistentModelIndex>

#include "keys/KeyTyping.h"
#include "output/ReceivingWindow.h"
#include "output/Tracking.h"
#include "output/Typing.h"
#include "output/WordPrediction.h"
#include "platform/Constants.h"
#include "text/Case.h"
#include "ui/KeyTree.h"
#include "ui/SelectedNode.h"

namespace output {

Typing::Typing(platform::Keyboard& keyboard, platform::Windows& windows, platform::Time& time,
               Tracking& tracking, WordPrediction& prediction, TypingParts parts, TypingHooks hooks)
    : keyboard_(keyboard),
      windows_(windows),
      time_(time),
      tracking_(tracking),
      prediction_(prediction),
      parts_(std::move(parts)),
      hooks_(std::move(hooks)) {}

// Enter and Backspace go through the character path, the other special keys as one
// virtual key sent on its own.
void Typing::EnviarTeclaEspecial(const keys::SpecialKey& key) {
    if (key.send == keys::SpecialSend::VirtualKey) {
        EnviarTecla(key.code);
    } else {
        EnviarCaracter(static_cast<char>(key.code));
    }
}

void Typing::TeclejarTecla(const QTreeWidgetItem* key, bool receiverInFront) {
    const std::string text = text::LowerAscii(KeyTree::TextOf(key));
    if (parts_.MenuLlegirElQueSEscriu->isChecked()) hooks_.LlegirTecla(text);
    const bool sending = parts_.MenuEnviarLesTeclesALAplicacioActiva->isChecked();
    // A predicted word types the rest of itself, whatever its letters would name.
    const keys::KeyTyping tecleig = WordPrediction::IsPrediction(key)
                                        ? prediction_.CompletionFor(key, keyboard_)
                                        : keys::WhatAKeyTypes(text);
    if (sending && receiverInFront) {
        if (tecleig.special) EnviarTeclaEspecial(*tecleig.special);
        for (char character : tecleig.characters) EnviarCaracter(character);
        prediction_.Typed(tecleig);
    } else if (sending && (tecleig.special || !tecleig.characters.empty())) {
        // Typed into whatever window has the focus, the key would do harm: it is not sent,
        // and the user hears that it was not.
        windows_.MessageBeep(platform::MB_ICONEXCLAMATION);
    }
    AvisarCaracterOmes();
    if (tecleig.closesGroups) parts_.Tree->CollapseAll();
    prediction_.RefrescarPrediccions();
    hooks_.ReiniciarEscaneig();
}

void Typing::TreeClick() {
    // The node chosen by this click, held apart from the selection: another click handled
    // while the receiving window is brought back must not change what this one types.
    KeyTree& tree = *parts_.Tree;
    QTreeWidgetItem* selected = ui::SelectedNode(tree);
    const QPersistentModelIndex chosen(tree.indexFromItem(selected));
    const bool aKey = selected && selected->childCount() == 0;
    tracking_.TimerCercaHandleFinestra.SetEnabled(false);
    hooks_.PressStarted();
    hooks_.TornarElFocus();
    // Only a key needs the receiving window: it waits for a slow window manager.
    const platform::HWND receiver = tracking_.FinestraReceptora;
    const bool receiverInFront =
        aKey ? EsperarAlDavant(windows_, time_, receiver) : PortarAlDavant(windows_, receiver);
    if (QTreeWidgetItem* node = tree.itemFromIndex(chosen)) {
        if (node->childCount() > 0) {
            hooks_.Chosen(node);
        } else {
            TeclejarTecla(node, receiverInFront);
        }
    }
    hooks_.PressEnded();
    tracking_.TimerCercaHandleFinestra.SetEnabled(true);
}

}  // namespace output
