#include <QPainter>
#include <QPainterPath>

#include "about/AboutPictures.h"
#include "about/PictureCanvas.h"

namespace about {

QPixmap EarIcon(QSize size) {
    PictureCanvas canvas(size, QColor(255, 236, 214));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.1);
    QPainterPath ear;
    ear.moveTo(box.left() + box.width() * 0.3, box.bottom() - box.height() * 0.15);
    ear.cubicTo(box.left(), box.bottom(), box.left(), box.top(), box.left() + box.width() * 0.55,
                box.top());
    ear.cubicTo(box.right() + box.width() * 0.1, box.top(), box.right(),
                box.top() + box.height() * 0.6, box.left() + box.width() * 0.62,
                box.top() + box.height() * 0.72);
    ear.cubicTo(box.left() + box.width() * 0.45, box.top() + box.height() * 0.82,
                box.left() + box.width() * 0.55, box.bottom(), box.left() + box.width() * 0.3,
                box.bottom() - box.height() * 0.15);
    p.setPen(QPen(QColor(150, 90, 50), 1.5));
    p.setBrush(QColor(240, 190, 150));
    p.drawPath(ear);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.left() + box.width() * 0.3, box.top() + box.height() * 0.2,
                     box.width() * 0.4, box.height() * 0.4),
              30 * 16, 220 * 16);
    return canvas.Take();
}

QPixmap ComputerIcon(QSize size) {
    PictureCanvas canvas(size, QColor(220, 232, 255));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.12);
    const QRectF screen(box.left(), box.top(), box.width(), box.height() * 0.62);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(screen, 2, 2);
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(screen.adjusted(3, 3, -3, -3));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(box.center().x() - 2, screen.bottom(), 4, box.height() * 0.12));
    p.drawRect(
        QRectF(box.left(), box.bottom() - box.height() * 0.22, box.width(), box.height() * 0.22));
    return canvas.Take();
}

QPixmap ProductLogo(QSize size) {
    PictureCanvas canvas(size, QColor(192, 192, 192));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.04);
    // A dew drop, the product's sign, then the name.
    const qreal drop = box.height();
    QPainterPath dropPath;
    dropPath.moveTo(box.left() + drop * 0.4, box.top());
    dropPath.cubicTo(box.left() + drop * 0.75, box.top() + drop * 0.45, box.left() + drop * 0.8,
                     box.bottom(), box.left() + drop * 0.4, box.bottom());
    dropPath.cubicTo(box.left(), box.bottom(), box.left() + drop * 0.05, box.top() + drop * 0.45,
                     box.left() + drop * 0.4, box.top());
    QLinearGradient water(box.topLeft(), box.bottomLeft());
    water.setColorAt(0, QColor(170, 220, 255));
    water.setColorAt(1, QColor(20, 90, 180));
    p.setPen(QPen(QColor(10, 50, 120), 1.5));
    p.setBrush(water);
    p.drawPath(dropPath);

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(box.height() * 0.75));
    p.setFont(font);
    const QRectF nameBox(box.left() + drop * 0.9, box.top(), box.width() - drop * 0.9,
                         box.height());
    p.setPen(Qt::white);
    p.drawText(nameBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Orvalet"));
    p.setPen(QColor(10, 50, 120));
    p.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Orvalet"));
    return canvas.Take();
}

QPixmap KeyboardWindow(QSize size) {
    PictureCanvas canvas(size, QColor(192, 192, 192));
    QPainter& p = canvas.painter;
    const QRectF box = canvas.Box(0.03);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 0, 128));
    const qreal titleHeight = box.height() * 0.06;
    p.drawRect(QRectF(box.topLeft(), QSizeF(box.width(), titleHeight)));
    p.setPen(Qt::white);
    p.drawText(QRectF(box.topLeft(), QSizeF(box.width(), titleHeight)), Qt::AlignCenter,
               QStringLiteral("Orvalet"));
    const QRectF tree(box.left(), box.top() + titleHeight, box.width(), box.height() - titleHeight);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(tree);

    const QStringList rows = {QStringLiteral("+ Tecles especials"),
                              QStringLiteral("   Retorn"),
                              QStringLiteral("   Espai"),
                              QStringLiteral("+ A  E  I  O  U"),
                              QStringLiteral("- B"),
                              QStringLiteral("      BA"),
                              QStringLiteral("      BE"),
                              QStringLiteral("      BI"),
                              QStringLiteral("      BO"),
                              QStringLiteral("      BU"),
                              QStringLiteral("+ C"),
                              QStringLiteral("+ D"),
                              QStringLiteral("+ F")};
    const qreal rowHeight = tree.height() / (rows.size() + 1);
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(rowHeight * 0.55));
    p.setFont(font);
    for (int row = 0; row < rows.size(); ++row) {
        const QRectF line(tree.left() + 4, tree.top() + 4 + row * rowHeight, tree.width() - 8,
                          rowHeight);
        if (row == 6) {
            p.fillRect(line, QColor(0, 0, 128));
            p.setPen(Qt::white);
        } else {
            p.setPen(Qt::black);
        }
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, rows[row]);
    }
    return canvas.Take();
}

}  // namespace about
