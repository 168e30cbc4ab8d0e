#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "predict/PredictionLayout.h"
#include "predict/TypedText.h"
#include "predict/WordModel.h"

class KeyTree;
class QTreeWidgetItem;

namespace output {

// Prediction in the key tree: a group holding the likeliest next keys and then the likeliest
// words for the word being typed, refreshed after every key the keyboard types, as many of
// each and at the place among the top-level nodes that its layout says (by default six words
// at the top). A predicted key is a copy of the keyboard's own key and types as it does. The
// word being typed is only what the keyboard itself typed; what it learns is kept in the
// user's data folder.
class PredictionGroup {
  public:
    // What switching on found wrong; prediction goes on with what could be loaded.
    enum class Problem { None, NoLexicon, DamagedStore };

    // The lexicon of a language ("ca", "es"): beside the program, or where it is installed.
    static std::filesystem::path InstalledLexicon(const std::string& language);
    std::function<std::filesystem::path(const std::string& language)> LexiconFile =
        InstalledLexicon;

    // Loads the lexicon and the learned words of a language; from now on the tree gets its
    // group of predictions with the label given to Refresh.
    Problem SwitchOn(const std::string& language);
    // Saves what was learned, forgets the model and takes the group out of the tree.
    void SwitchOff(KeyTree& tree);
    bool On() const { return model_.has_value(); }
    const std::string& Language() const { return language_; }

    // The text the keyboard just typed into the receiving window, after its lower-casing:
    // learned from, and saved now and then.
    void Typed(std::string_view text);
    // The caret went where the typed text cannot follow: another window, an arrow, Delete.
    void CaretMoved();

    // How many keys and words the group holds and where it stands, from the next Refresh on.
    void SetLayout(const predict::PredictionLayout& layout) { layout_ = layout; }
    const predict::PredictionLayout& Layout() const { return layout_; }

    // Puts the group at its place in the tree, holding the predictions for the word being
    // typed; hidden when there are none. Does nothing while prediction is off.
    void Refresh(KeyTree& tree, const std::string& label);
    // The group itself, or nullptr when the tree has none.
    static QTreeWidgetItem* GroupOf(const KeyTree& tree);

    // Whether the node is one of the predicted words (a predicted key is not: it is typed as
    // the keyboard's own key).
    static bool IsPrediction(const QTreeWidgetItem* node);
    // What choosing the node types: the rest of its word and a blank, the middle dot of l·l
    // as `middleDot`; nothing when the node is not a prediction.
    std::optional<std::string> CompletionFor(const QTreeWidgetItem* node, char middleDot) const;

    // Writes what was learned; false when it cannot be written yet.
    bool Save();
    // Forgets everything learned; false when the file could not be cleared.
    bool Clear();

  private:
    std::optional<predict::WordModel> model_;
    predict::TypedText typed_;
    std::string language_;
    int learnedSinceSave_ = 0;
    predict::PredictionLayout layout_;
};

}  // namespace output
