#include "about/LazyPicture.h"

#include <QShowEvent>
#include <utility>

namespace about {

LazyPicture::LazyPicture(QWidget* parent, const QRect& geometry, Drawing draw)
    : QLabel(parent), draw_(std::move(draw)) {
    setGeometry(geometry);
}

QPixmap LazyPicture::Drawn() {
    if (draw_) {
        setPixmap(draw_(size()));
        draw_ = nullptr;
    }
    return pixmap();
}

void LazyPicture::showEvent(QShowEvent* event) {
    Drawn();
    QLabel::showEvent(event);
}

}  // namespace about
