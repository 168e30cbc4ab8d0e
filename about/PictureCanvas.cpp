#include "about/PictureCanvas.h"

#include <algorithm>

namespace about {

PictureCanvas::PictureCanvas(QSize size, const QColor& background) : pixmap(size) {
    pixmap.fill(background);
    painter.begin(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QRectF PictureCanvas::Box(qreal margin) const {
    const qreal inset = std::min(pixmap.width(), pixmap.height()) * margin;
    return QRectF(pixmap.rect()).adjusted(inset, inset, -inset, -inset);
}

QPixmap PictureCanvas::Take() {
    painter.end();
    return pixmap;
}

}  // namespace about
