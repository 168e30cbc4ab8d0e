#include "app/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int kSize = 22;
constexpr QPoint kShadowOffset(1, 1);

// Draws a shape twice: once in grey, offset, as its shadow, then in place.
QIcon Picture(const std::function<void(QPainter&, bool shadow)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(kShadowOffset);
    draw(painter, true);
    painter.restore();
    draw(painter, false);
    painter.end();
    QIcon icon(pixmap);
    return icon;
}

QColor Ink(bool shadow, QColor color) { return shadow ? QColor(128, 128, 128) : color; }

}  // namespace

QIcon PlayPicture() {
    return Picture([](QPainter& painter, bool shadow) {
        QPainterPath triangle;
        triangle.moveTo(6, 4);
        triangle.lineTo(17, 11);
        triangle.lineTo(6, 18);
        triangle.closeSubpath();
        painter.fillPath(triangle, Ink(shadow, Qt::black));
    });
}

QIcon PausePicture() {
    return Picture([](QPainter& painter, bool shadow) {
        painter.setPen(QPen(Ink(shadow, Qt::black), 1));
        painter.setBrush(Ink(shadow, Qt::red));
        painter.drawRect(QRectF(5.5, 4.5, 4, 13));
        painter.drawRect(QRectF(12.5, 4.5, 4, 13));
    });
}

QIcon StopPicture() {
    return Picture([](QPainter& painter, bool shadow) {
        painter.fillRect(QRect(5, 5, 12, 12), Ink(shadow, Qt::black));
    });
}
