#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Pointer.h"
#include "platform/Windows.h"

class KeyTree;
class QAction;

namespace app {

// What loading a keyboard asks of the rest of the keyboard, wired by the form.
struct KeyboardHooks {
    std::function<void(bool)> Seguiment;  // the receiving-window tracking on or off
    std::function<void()> ForgetGroup;    // the counted scanning group goes with the keyboard
    std::function<void()> RefrescarPrediccions;
    // A keyboard file was loaded: the group of predictions takes the layout beside it.
    std::function<void(const std::string& fileName)> SeguirFitxerDeTeclat;
};

// The keys in the tree: the built-in keyboard, a keyboard file given on the command line or
// opened from the menu, and the special keys put on top of it.
class KeyboardFiles {
  public:
    KeyboardFiles(platform::Windows& windows, platform::Pointer& pointer, KeyTree& tree,
                  QAction& popupCatala, KeyboardHooks hooks);

    // The keyboard at start: the file of the command line, or the built-in one in the
    // language of the interface.
    void BuildKeyboard(const std::string& fitxerLiniaOrdres);
    void AfegirTeclesEspecials();
    bool CarregarTeclat(const std::string& fileName);
    void CarregarTeclatDeLiniaOrdres(const std::string& fileName);
    void MenuObrirClick();

    // Whether the special keys are added to a keyboard loaded from a file.
    bool TeclesDeControl = true;
    // Shows the open dialog; the chosen file name, nothing when the user cancels.
    std::function<std::optional<std::string>()> OpenFileDialog;

  private:
    void ObrirTeclat(const std::string& fileName);
    void PortarPunterALaPregunta();
    std::optional<std::string> TriarFitxerDeTeclat();

    platform::Windows& windows_;
    platform::Pointer& pointer_;
    KeyTree& tree_;
    QAction& popupCatala_;
    KeyboardHooks hooks_;
};

}  // namespace app
