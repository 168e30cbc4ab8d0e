#pragma once

#include <functional>

#include "keys/KeyTyping.h"
#include "lang/CaptionTable.h"
#include "output/PredictionGroup.h"
#include "platform/Keyboard.h"
#include "platform/Windows.h"

class KeyTree;
class QAction;
class QWidget;

namespace output {

// The parts of the window that word prediction works with; the form builds them.
struct WordPredictionParts {
    QWidget* FormPrincipal;  // the owner of its questions and notices
    KeyTree* Tree;
    QAction* MenuPrediccioDeParaules;
    QAction* MenuEsborrarLesParaulesApreses;
};

// What word prediction asks of the rest of the keyboard, wired by the form.
struct WordPredictionHooks {
    std::function<lang::Llengua()> Llengua;
    // The tree gained or lost its first node: the scan starts again from the top.
    std::function<void()> ReiniciarEscaneig;
};

// Word prediction, beyond the design and off until the user ticks it: a group of predicted
// words at the top of the tree, which follows what the keyboard types.
class WordPrediction {
  public:
    WordPrediction(platform::Windows& windows, WordPredictionParts parts,
                   WordPredictionHooks hooks);

    void MenuPrediccioDeParaulesClick();
    void MenuEsborrarLesParaulesApresesClick();
    // Loads the model of the interface language and shows the group; says once a run when
    // the lexicon is missing or what was learned was damaged.
    void EngegarPrediccio();
    // Refills the group for the word being typed, at the tree's top.
    void RefrescarPrediccions();
    // A keyboard file was loaded: the group takes the layout written beside it, or the
    // default one, and is refilled.
    void SeguirFitxerDeTeclat(const std::string& fileName);
    // After a change of the interface language: its lexicon and the group's label.
    void SeguirLlenguaAmbPrediccio();
    // Another receiving window: the word being typed there is not known.
    void SeguirAltraFinestra();

    // Whether the node is one of the predicted words.
    static bool IsPrediction(const QTreeWidgetItem* node) {
        return PredictionGroup::IsPrediction(node);
    }
    // What choosing a predicted word types: the rest of itself and a blank, the middle dot of
    // l·l as the active layout can type it.
    keys::KeyTyping CompletionFor(const QTreeWidgetItem* node, platform::Keyboard& keyboard) const;
    // The dispatch typed a key: the characters it typed, or a caret that moved.
    void Typed(const keys::KeyTyping& typing);

    PredictionGroup Prediccions;

  private:
    platform::Windows& windows_;
    WordPredictionParts parts_;
    WordPredictionHooks hooks_;
    bool prediccioAvisada_ = false;
};

}  // namespace output
