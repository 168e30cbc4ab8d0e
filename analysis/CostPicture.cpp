#include "analysis/CostPicture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

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
constexpr int kScaleSteps = 64;
constexpr int kGreys = 32;
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

class Painter {
  public:
    Painter(QImage& image, const Scale& scale) : painter_(&image), scale_(scale) {
        painter_.setRenderHint(QPainter::TextAntialiasing);
        normal_.setPixelSize(kFontPixels);
        small_.setPixelSize(kSmallFontPixels);
        group_ = normal_;
        group_.setBold(true);
    }

    void Title(int x, int y, const QString& title) {
        painter_.setFont(group_);
        painter_.setPen(kInk);
        painter_.drawText(QRect(x, y, painter_.device()->width() - x, kTitleHeight),
                          Qt::AlignVCenter, title);
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

// The nodes of a list, each drawn as a row with its children beside it.
std::vector<int> Siblings(const FlatKeyboard& keyboard, int first) {
    std::vector<int> list;
    for (int node = first; node != FlatKeyboard::kNone; node = keyboard.At(node).nextSibling) {
        list.push_back(node);
    }
    return list;
}

// The range of the actions of the rows drawn and of their children.
Scale ScaleOf(const ScannedKeyboard& keyboard, const std::vector<std::vector<int>>& grids) {
    std::optional<Scale> scale;
    auto widen = [&](int node) {
        const auto& cost = keyboard.Costs()[static_cast<size_t>(node)];
        if (!cost) return;
        if (!scale) scale = Scale{cost->Actions(), cost->Actions()};
        scale->fewest = std::min(scale->fewest, cost->Actions());
        scale->most = std::max(scale->most, cost->Actions());
    };
    for (const std::vector<int>& rows : grids) {
        for (int row : rows) {
            widen(row);
            for (int child : Siblings(keyboard.Flat(), keyboard.Flat().At(row).firstChild)) {
                widen(child);
            }
        }
    }
    return scale.value_or(Scale{0, 0});
}

// The first top-level group that holds groups: the most used keys lie a level further in.
std::optional<int> FirstGroupOfGroups(const FlatKeyboard& keyboard) {
    for (int top : Siblings(keyboard, keyboard.First())) {
        for (int child : Siblings(keyboard, keyboard.At(top).firstChild)) {
            if (keyboard.IsGroup(child)) return top;
        }
    }
    return std::nullopt;
}

int GridHeight(const std::vector<int>& rows) {
    return static_cast<int>(rows.size()) * (kRowHeight + kGap);
}

int GridWidth(const FlatKeyboard& keyboard, const std::vector<int>& rows) {
    int widest = 0;
    for (int row : rows) {
        widest = std::max(widest, std::min(ChildCount(keyboard, row), kMostChildrenShown + 1));
    }
    return kTopWidth + widest * (kChildWidth + kGap);
}

// Draws the rows from `top` down; returns where the next drawing begins.
int DrawGrid(Painter& painter, const ScannedKeyboard& keyboard, const std::vector<int>& rows,
             int top) {
    const FlatKeyboard& flat = keyboard.Flat();
    int y = top;
    for (int row : rows) {
        painter.Cell(QRect(kMargin, y, kTopWidth, kRowHeight), keyboard, row);
        int x = kMargin + kTopWidth + kGap;
        const int children = ChildCount(flat, row);
        int column = 0;
        for (int child : Siblings(flat, flat.At(row).firstChild)) {
            const QRect cell(x, y, kChildWidth, kRowHeight);
            if (column++ == kMostChildrenShown && children > kMostChildrenShown + 1) {
                painter.More(cell, children - kMostChildrenShown);
                break;
            }
            painter.Cell(cell, keyboard, child);
            x += kChildWidth + kGap;
        }
        y += kRowHeight + kGap;
    }
    return y;
}

// The colours the picture is drawn with, and greys for the edges of the letters: a palette
// keeps the file small.
QList<QRgb> Palette(const Scale& scale) {
    QList<QRgb> colours{kBackground.rgb(), kInk.rgb(), kUnreachable.rgb()};
    for (int step = 0; step < kScaleSteps; ++step) {
        colours.append(
            scale.ColourOf(scale.fewest + (scale.most - scale.fewest) * step / (kScaleSteps - 1))
                .rgb());
    }
    for (int grey = 0; grey < kGreys; ++grey) {
        const int level = grey * 255 / (kGreys - 1);
        colours.append(qRgb(level, level, level));
    }
    return colours;
}

}  // namespace

bool DrawCostPicture(const QString& fileName, const QString& title,
                     const ScannedKeyboard& keyboard) {
    const FlatKeyboard& flat = keyboard.Flat();
    const std::vector<int> topLevel = Siblings(flat, flat.First());
    const std::optional<int> inner = FirstGroupOfGroups(flat);
    const std::vector<int> innerRows =
        inner ? Siblings(flat, flat.At(*inner).firstChild) : std::vector<int>();
    const int width = 2 * kMargin + std::max(GridWidth(flat, topLevel), GridWidth(flat, innerRows));
    int height = kTitleHeight + GridHeight(topLevel) + kLegendHeight + kMargin;
    if (inner) height += kTitleHeight + GridHeight(innerRows);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    {
        const Scale scale = ScaleOf(keyboard, {topLevel, innerRows});
        Painter painter(image, scale);
        painter.Title(kMargin, 0, title);
        int y = DrawGrid(painter, keyboard, topLevel, kTitleHeight);
        if (inner) {
            painter.Title(kMargin, y,
                          QString("Inside %1:").arg(platform::ToQString(flat.TextOf(*inner))));
            y = DrawGrid(painter, keyboard, innerRows, y + kTitleHeight);
        }
        painter.Legend(y, image.width() - 2 * kMargin);
    }
    return image
        .convertToFormat(QImage::Format_Indexed8, Palette(ScaleOf(keyboard, {topLevel, innerRows})),
                         Qt::ThresholdDither)
        .save(fileName, "PNG");
}

}  // namespace analysis
