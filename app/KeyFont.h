#pragma once

#include <QFont>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/FontColourDialog.h"
#include "app/SettingsFont.h"

class KeyTree;

namespace app {

// The font and colour of the keys, as the font command chooses them and the settings file
// keeps them.
class KeyFont {
  public:
    // `trackingOn` switches the receiving-window tracking on or off around the dialog.
    KeyFont(KeyTree& tree, QFont designed, std::function<void(bool)> tracking);

    void MenuCanviarLaFontClick();
    // Sets the tree's font and the font dialog's font.
    void AplicarFont(const QFont& font);
    // Shows FontDialogColor on the tree's text.
    void AplicarColorDeFont();

    QFont FontDialogFont;  // the font dialog's font, which is also the tree's
    // The rest of the font dialog's font, kept for the settings file.
    int FontDialogCharset = settings::kCharsetPerDefecte;
    std::int32_t FontDialogColor = settings::kColorPerDefecte;
    // Shows the font dialog starting from a font and colour; nothing when the user cancels.
    std::function<std::optional<TriaDeFont>(const TriaDeFont&)> FontDialog;

  private:
    KeyTree& tree_;
    std::function<void(bool)> tracking_;
};

}  // namespace app
