#include "platform/ScreenPixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

const QScreen* ScreenOf(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

double ScaleOf(const QWidget* widget) {
    const QScreen* screen = ScreenOf(widget);
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

Point ToScreenPixels(const QWidget* widget, QPoint local) {
    const QPoint global = widget->mapToGlobal(local);
    const QScreen* screen = ScreenOf(widget);
    // The toolkit keeps each screen's origin in screen pixels and scales from there.
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    const double scale = ScaleOf(widget);
    return Point{origin.x() + static_cast<int>(std::lround((global.x() - origin.x()) * scale)),
                 origin.y() + static_cast<int>(std::lround((global.y() - origin.y()) * scale))};
}

}  // namespace platform
