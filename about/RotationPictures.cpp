#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "about/AboutPictures.h"
#include "about/PictureCanvas.h"

namespace about {
namespace {

// The text as large as fits the area. Every size tried loads a font of its own, so the width at
// the largest size tells the size at once (a text's width grows with its size); the loop only
// takes back the pixel that hinting may add.
void DrawCaption(QPainter& p, const QRectF& area, const QString& text) {
    QFont font = p.font();
    font.setBold(true);
    int pixels = static_cast<int>(area.height() * 0.6);
    font.setPixelSize(pixels);
    const qreal widest = QFontMetricsF(font).horizontalAdvance(text);
    if (widest > area.width()) pixels = static_cast<int>(pixels * area.width() / widest) + 1;
    do {
        font.setPixelSize(pixels--);
    } while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) > area.width());
    p.setFont(font);
    p.setPen(QColor(40, 40, 40));
    p.drawText(area, Qt::AlignCenter, text);
}

void DrawKey(QPainter& p, const QRectF& key, const QString& text) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(key, 3, 3);
    p.setPen(Qt::black);
    p.drawText(key, Qt::AlignCenter, text);
}

}  // namespace

QPixmap KeyTreePicture(QSize size) {
    PictureCanvas canvas(size, QColor(225, 245, 225));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.06);
    const QStringList syllables = {QStringLiteral("BA"), QStringLiteral("BE"), QStringLiteral("BI"),
                                   QStringLiteral("BO"), QStringLiteral("BU")};
    const QSizeF keySize(box.width() / 7, box.height() / 6);
    const QRectF root(QPointF(box.left(), box.center().y() - keySize.height() / 2), keySize);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(keySize.height() * 0.55));
    p.setFont(font);
    for (int i = 0; i < syllables.size(); ++i) {
        const qreal y = box.top() + i * box.height() * 0.82 / (syllables.size() - 1);
        const QRectF leaf(QPointF(box.left() + box.width() * 0.45, y), keySize);
        p.setPen(QPen(QColor(40, 120, 40), 2));
        p.drawLine(QPointF(root.right(), root.center().y()),
                   QPointF(leaf.left(), leaf.center().y()));
        DrawKey(p, leaf, syllables[i]);
    }
    DrawKey(p, root, QStringLiteral("B"));
    DrawCaption(
        p, QRectF(box.left() + box.width() * 0.62, box.top(), box.width() * 0.38, box.height()),
        QStringLiteral("síl·labes"));
    return canvas.Take();
}

QPixmap SwitchPicture(QSize size) {
    PictureCanvas canvas(size, QColor(255, 245, 220));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.08);
    const qreal diameter = box.height() * 0.8;
    const QRectF base(box.left() + box.width() * 0.08, box.top() + box.height() * 0.1, diameter,
                      diameter);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(base);
    QRadialGradient shine(base.center() - QPointF(diameter * 0.1, diameter * 0.1), diameter * 0.4);
    shine.setColorAt(0, QColor(255, 230, 80));
    shine.setColorAt(1, QColor(230, 150, 0));
    p.setBrush(shine);
    p.drawEllipse(
        base.adjusted(diameter * 0.12, diameter * 0.12, -diameter * 0.12, -diameter * 0.12));
    // The cable to the computer.
    QPainterPath cable;
    cable.moveTo(base.right(), base.center().y());
    cable.cubicTo(base.right() + box.width() * 0.15, base.top(), box.center().x(), box.bottom(),
                  box.right() - box.width() * 0.25, box.center().y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawPath(cable);
    DrawCaption(
        p,
        QRectF(box.right() - box.width() * 0.3, box.top(), box.width() * 0.3, box.height() * 0.3),
        QStringLiteral("clic!"));
    return canvas.Take();
}

QPixmap SpeechPicture(QSize size) {
    PictureCanvas canvas(size, QColor(230, 235, 255));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.08);
    const QRectF bubble(box.left() + box.width() * 0.25, box.top(), box.width() * 0.75,
                        box.height() * 0.7);
    QPainterPath path;
    path.addRoundedRect(bubble, 18, 18);
    QPainterPath tail;
    tail.moveTo(bubble.left() + bubble.width() * 0.15, bubble.bottom() - 2);
    tail.lineTo(box.left() + box.width() * 0.12, box.bottom());
    tail.lineTo(bubble.left() + bubble.width() * 0.32, bubble.bottom() - 2);
    tail.closeSubpath();
    p.setPen(QPen(QColor(30, 30, 110), 2));
    p.setBrush(Qt::white);
    p.drawPath(path.united(tail));
    DrawCaption(p, bubble.adjusted(8, bubble.height() * 0.2, -8, -bubble.height() * 0.2),
                QStringLiteral("Bon dia!"));
    return canvas.Take();
}

QPixmap DedicationPicture(QSize size) {
    PictureCanvas canvas(size, QColor(192, 192, 192));
    QPainter& p = canvas.painter;
    const QRectF card = canvas.Box(0.08);
    p.setPen(QPen(QColor(120, 80, 40), 2));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(card);
    p.drawRect(card.adjusted(5, 5, -5, -5));
    // A small heart above the dedication.
    const qreal heart = card.height() * 0.22;
    const QPointF top(card.center().x(), card.top() + card.height() * 0.18);
    QPainterPath path;
    path.moveTo(top.x(), top.y() + heart * 0.3);
    path.cubicTo(top.x() - heart, top.y() - heart * 0.4, top.x() - heart * 0.6,
                 top.y() + heart * 0.7, top.x(), top.y() + heart);
    path.cubicTo(top.x() + heart * 0.6, top.y() + heart * 0.7, top.x() + heart,
                 top.y() - heart * 0.4, top.x(), top.y() + heart * 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 50));
    p.drawPath(path);
    QFont font = p.font();
    font.setItalic(true);
    font.setPixelSize(static_cast<int>(card.height() * 0.11));
    p.setFont(font);
    p.setPen(QColor(80, 50, 20));
    p.drawText(card.adjusted(12, card.height() * 0.45, -12, -8), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Per a tots els qui escriuen lletra a lletra, amb paciència i "
                              "amb ganes de dir-ho tot."));
    return canvas.Take();
}

}  // namespace about
