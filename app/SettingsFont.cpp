#include "app/SettingsFont.h"

#include <cmath>
#include <cstdlib>

namespace settings {

namespace {

// a × b / c to the nearest integer, halves away from zero, as the platform's MulDiv.
std::int32_t MulDiv(double a, double b, double c) {
    return static_cast<std::int32_t>(std::lround(a * b / c));
}

}  // namespace

std::int32_t AlcadaDe(const QFont& font, int dpi) {
    if (font.pixelSize() > 0) return -font.pixelSize();
    return -MulDiv(font.pointSizeF(), dpi, kPuntsPerPolzada);
}

std::int32_t MidaDe(const QFont& font, int dpi) {
    if (font.pixelSize() > 0) return MulDiv(font.pixelSize(), kPuntsPerPolzada, dpi);
    return static_cast<std::int32_t>(std::lround(font.pointSizeF()));
}

void AplicaAlcada(QFont& font, std::int32_t height, int dpi) {
    const std::int64_t pixels = std::llabs(static_cast<std::int64_t>(height));
    if (pixels == 0 || pixels > MulDiv(kMidaMaxima, dpi, kPuntsPerPolzada)) return;
    font.setPixelSize(static_cast<int>(pixels));
}

void AplicaMida(QFont& font, std::int32_t size) {
    if (size <= 0 || size > kMidaMaxima) return;
    font.setPointSize(size);
}

std::optional<QColor> ColorDeText(std::int32_t color) {
    if (color < 0) return std::nullopt;
    const auto bgr = static_cast<std::uint32_t>(color);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::int32_t ColorDesat(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     static_cast<std::uint32_t>(color.green()) << 8 |
                                     static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace settings
