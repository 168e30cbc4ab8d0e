#include "tests/support/PointerClicks.h"

#include <QFont>
#include <QProcess>
#include <QStringList>
#include <QTreeWidget>

#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

constexpr int kBetweenClicksMs = 200;

}  // namespace

Point PointerNow() {
    QProcess xdotool;
    xdotool.start("xdotool", {"getmouselocation", "--shell"});
    xdotool.waitForFinished();
    Point pointer;
    for (const QByteArray& line : xdotool.readAllStandardOutput().split('\n')) {
        if (line.startsWith("X=")) pointer.x = line.mid(2).toInt();
        if (line.startsWith("Y=")) pointer.y = line.mid(2).toInt();
    }
    return pointer;
}

bool WaitForPointerMoves(int n, int limitMs) {
    Point last = PointerNow();
    int moves = 0;
    return WaitFor(
        [&] {
            const Point now = PointerNow();
            if (!(now == last)) ++moves;
            last = now;
            return moves >= n;
        },
        limitMs);
}

void ClickAt(Point at, int button) {
    QProcess::execute("xdotool", {"mousemove", QString::number(at.x), QString::number(at.y),
                                  "click", QString::number(button)});
    TheDesktop().WaitForMessages(kBetweenClicksMs);
}

int RowHeight() {
    QTreeWidget tree;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    tree.setFont(font);
    tree.setUniformRowHeights(true);
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("B")}));
    return tree.sizeHintForRow(0);
}

}  // namespace e2e
