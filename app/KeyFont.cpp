#include "app/KeyFont.h"

#include <QApplication>

#include "ui/KeyTree.h"

namespace app {

KeyFont::KeyFont(KeyTree& tree, QFont designed, std::function<void(bool)> tracking)
    : FontDialogFont(std::move(designed)),
      FontDialog(
          [&tree](const TriaDeFont& initial) { return TriarFontIColor(tree.window(), initial); }),
      tree_(tree),
      tracking_(std::move(tracking)) {
    tree_.setFont(FontDialogFont);
}

void KeyFont::MenuCanviarLaFontClick() {
    tracking_(false);
    if (std::optional<TriaDeFont> tria = FontDialog({FontDialogFont, FontDialogColor})) {
        AplicarFont(tria->font);
        FontDialogColor = tria->color;
        AplicarColorDeFont();
    }
    tracking_(true);
}

void KeyFont::AplicarFont(const QFont& font) {
    FontDialogFont = font;
    tree_.setFont(font);
}

void KeyFont::AplicarColorDeFont() {
    QPalette palette = tree_.palette();
    const QColor text = settings::ColorDeText(FontDialogColor)
                            .value_or(QApplication::palette().color(QPalette::Text));
    palette.setColor(QPalette::Text, text);
    tree_.setPalette(palette);
}

}  // namespace app
