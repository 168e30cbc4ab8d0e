#include "analysis/CostPicture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/Cp1252.h"

namespace analysis {
namespace {

constexpr int kMargin = 12;
constexpr int kTitleHeight = 28;
constexpr int kLegendHeight = 40;
constexpr int kRowHeight = 24;
constexpr int kTopWidth = 170;
constexpr int kChildWidth = 96;
constexpr int kGap = 2;
constexpr int kMostChildrenShown = 14;
constexpr int kFontPixels = 12;
constexpr int kSmallFontPixels = 10;
// Hues of the colour scale: green for the cheapest key, red for the dearest.
constexpr int kCheapHue = 120;
constexpr int kDearHue = 0;
constexpr int kSaturation = 150;
constexpr int kValue = 245;
const QColor kUnreachable(200, 200, 200);
const QColor kInk(20, 20, 20);
const QColor kBackground(Qt::white);

struct Scale {
    int fewest;
    int most;

    QColor ColourOf(int actions) const {
        const double share =
            most == fewest ? 0.0 : static_cast<double>(actions - fewest) / (most - fewest);
        const int hue = kCheapHue + static_cast<int>(share * (kDearHue - kCheapHue));
        return QColor::fromHsv(hue, kSaturation, kValue);
    }
};

// The first level and the children of its groups: the nodes the picture shows.
std::vector<int> Shown(const FlatKeyboard& keyboard) {
    std::vector<int> shown;
    for (int top = keyboard.First(); top != FlatKeyboard::kNone;
         top = keyboard.At(top).nextSibling) {
        shown.push_back(top);
        for (int child = keyboard.At(top).firstChild; child != FlatKeyboard::kNone;
             child = keyboard.At(child).nextSibling) {
            shown.push_back(child);
        }
    }
    return shown;
}

Scale ScaleOf(const ScannedKeyboard& keyboard) {
    Scale scale{0, 0};
    bool first = true;
    for (int node : Shown(keyboard.Flat())) {
        const auto& cost = keyboard.Costs()[static_cast<size_t>(node)];
        if (!cost) continue;
        scale.fewest = first ? cost->Actions() : std::min(scale.fewest, cost->Actions());
        scale.most = first ? cost->Actions() : std::max(scale.most, cost->Actions());
        first = false;
    }
    return scale;
}

class Painter {
  public:
    Painter(QImage& image, const Scale& scale) : painter_(&image), scale_(scale) {
        painter_.setRenderHint(QPainter::TextAntialiasing);
        normal_.setPixelSize(kFontPixels);
        small_.setPixelSize(kSmallFontPixels);
        group_ = normal_;
        group_.setBold(true);
    }

    void Title(const QString& title, int width) {
        painter_.setFont(group_);
        painter_.setPen(kInk);
        painter_.drawText(QRect(kMargin, 0, width, kTitleHeight), Qt::AlignVCenter, title);
    }

    // A node's cell: its text, and in a corner the actions that choosing it takes.
    void Cell(const QRect& cell, const ScannedKeyboard& keyboard, int node) {
        const auto& cost = keyboard.Costs()[static_cast<size_t>(node)];
        painter_.fillRect(cell, cost ? scale_.ColourOf(cost->Actions()) : kUnreachable);
        painter_.setPen(kInk);
        painter_.setFont(keyboard.Flat().IsGroup(node) ? group_ : normal_);
        const QRect inside = cell.adjusted(4, 0, -18, 0);
        const QString text = platform::ToQString(keyboard.Flat().TextOf(node));
        painter_.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft,
                          painter_.fontMetrics().elidedText(text, Qt::ElideRight, inside.width()));
        painter_.setFont(small_);
        if (cost) {
            painter_.drawText(cell.adjusted(0, 0, -3, -2), Qt::AlignRight | Qt::AlignBottom,
                              QString::number(cost->Actions()));
        }
    }

    void More(const QRect& cell, int hidden) {
        painter_.setPen(kInk);
        painter_.setFont(small_);
        painter_.drawText(cell, Qt::AlignVCenter | Qt::AlignLeft, QString("+%1").arg(hidden));
    }

    void Legend(int top, int width) {
        const QRect bar(kMargin, top + kLegendHeight / 2, width / 2, kLegendHeight / 3);
        for (int x = 0; x < bar.width(); ++x) {
            const int actions =
                scale_.fewest + (scale_.most - scale_.fewest) * x / std::max(bar.width() - 1, 1);
            painter_.fillRect(QRect(bar.left() + x, bar.top(), 1, bar.height()),
                              scale_.ColourOf(actions));
        }
        painter_.setPen(kInk);
        painter_.setFont(small_);
        const QRect above(bar.left(), top, width, kLegendHeight / 2);
        painter_.drawText(above, Qt::AlignLeft | Qt::AlignBottom,
                          QString("Scan actions to choose a node, counted from the first "
                                  "key: from %1 (green) to %2 (red); grey: never reached")
                              .arg(scale_.fewest)
                              .arg(scale_.most));
    }

  private:
    QPainter painter_;
    const Scale& scale_;
    QFont normal_;
    QFont small_;
    QFont group_;
};

int ChildCount(const FlatKeyboard& keyboard, int node) {
    int count = 0;
    for (int child = keyboard.At(node).firstChild; child != FlatKeyboard::kNone;
         child = keyboard.At(child).nextSibling) {
        ++count;
    }
    return count;
}

}  // namespace

bool DrawCostPicture(const QString& fileName, const QString& title,
                     const ScannedKeyboard& keyboard) {
    const FlatKeyboard& flat = keyboard.Flat();
    int rows = 0;
    int widest = 0;
    for (int top = flat.First(); top != FlatKeyboard::kNone; top = flat.At(top).nextSibling) {
        ++rows;
        widest = std::max(widest, std::min(ChildCount(flat, top), kMostChildrenShown + 1));
    }
    const int width = 2 * kMargin + kTopWidth + widest * (kChildWidth + kGap);
    const int gridTop = kTitleHeight;
    const int height = gridTop + rows * (kRowHeight + kGap) + kLegendHeight + kMargin;
    QImage image(std::max(width, kMargin * 2 + kTopWidth * 2), height, QImage::Format_RGB32);
    image.fill(kBackground);
    const Scale scale = ScaleOf(keyboard);
    {
        Painter painter(image, scale);
        painter.Title(title, image.width() - 2 * kMargin);
        int y = gridTop;
        for (int top = flat.First(); top != FlatKeyboard::kNone; top = flat.At(top).nextSibling) {
            painter.Cell(QRect(kMargin, y, kTopWidth, kRowHeight), keyboard, top);
            int x = kMargin + kTopWidth + kGap;
            int column = 0;
            const int children = ChildCount(flat, top);
            for (int child = flat.At(top).firstChild; child != FlatKeyboard::kNone;
                 child = flat.At(child).nextSibling, ++column) {
                const QRect cell(x, y, kChildWidth, kRowHeight);
                if (column == kMostChildrenShown && children > kMostChildrenShown + 1) {
                    painter.More(cell, children - kMostChildrenShown);
                    break;
                }
                painter.Cell(cell, keyboard, child);
                x += kChildWidth + kGap;
            }
            y += kRowHeight + kGap;
        }
        painter.Legend(y, image.width() - 2 * kMargin);
    }
    return image.save(fileName, "PNG");
}

}  // namespace analysis
