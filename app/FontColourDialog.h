#pragma once

#include <QFont>
#include <cstdint>
#include <optional>

class QWidget;

// The font command's dialog: the toolkit's font chooser, with the colour of the keys beside
// the face, style, size and effects.
struct TriaDeFont {
    QFont font;
    // As the settings file keeps it: 0x00BBGGRR, or negative for the desktop's own colour.
    std::int32_t color;
};

// Shows the dialog modally, starting from a font and colour; nothing when the user cancels.
std::optional<TriaDeFont> TriarFontIColor(QWidget* parent, const TriaDeFont& initial);
