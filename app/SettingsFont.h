#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>
#include <optional>

// The figures of the tree's font as the settings file keeps them, the way the design's
// toolkit counts them: a height in pixels (negative: the characters without internal
// leading) and a size in points, related through the screen's pixels per inch.
namespace settings {

inline constexpr int kPuntsPerPolzada = 72;
// The font dialog's design character set (the default one) and colour (the system's
// window text colour).
inline constexpr int kCharsetPerDefecte = 1;
inline constexpr std::int32_t kColorPerDefecte = -2147483640;
// The largest size the font dialog offers; larger figures would leave no usable tree.
inline constexpr int kMidaMaxima = 1638;

std::int32_t AlcadaDe(const QFont& font, int dpi);
std::int32_t MidaDe(const QFont& font, int dpi);

// A height of 0, or one beyond the largest size, leaves the font's size as it was.
void AplicaAlcada(QFont& font, std::int32_t height, int dpi);
// A size of 0 or less, or beyond the largest, leaves the font's size as it was.
void AplicaMida(QFont& font, std::int32_t size);

// The text colour of a font colour: 0x00BBGGRR, or nothing for the system colours
// (top bit set), which mean the desktop's own text colour.
std::optional<QColor> ColorDeText(std::int32_t color);
// The colour as the settings file keeps a chosen one: 0x00BBGGRR.
std::int32_t ColorDesat(const QColor& color);

}  // namespace settings
