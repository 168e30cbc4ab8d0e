#pragma once

#include <QPainter>
#include <QPixmap>

namespace about {

// A picture being drawn: a pixmap filled with its background and a smooth painter on it.
struct PictureCanvas {
    PictureCanvas(QSize size, const QColor& background);

    // The drawing area, kept clear of the edges by the given share of the smaller side.
    QRectF Box(qreal margin) const;
    // Ends the drawing and hands over the picture.
    QPixmap Take();

    QPixmap pixmap;
    QPainter painter;
};

}  // namespace about
