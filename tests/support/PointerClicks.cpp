#include "tests/support/PointerClicks.h"

#include <QDeadlineTimer>
#include <QFont>
#include <QProcess>
#include <QStringList>
#include <QTreeWidget>
#include <functional>

#include "tests/support/TestDesktop.h"
#include "tests/support/XTestInput.h"

namespace e2e {
namespace {

constexpr int kBetweenClicksMs = 200;
// A twentieth of the fastest scan's step of 100 ms.
constexpr int kPointerLookMs = 5;

XTestInput& Input() {
    static XTestInput input;
    return input;
}

// Handles events until `seen` holds for where the pointer is, or limitMs pass.
bool WatchPointer(const std::function<bool(Point)>& seen, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    while (!seen(PointerNow())) {
        if (deadline.hasExpired()) return false;
        TheDesktop().WaitForMessages(kPointerLookMs);
    }
    return true;
}

}  // namespace

Point PointerNow() { return Input().Where(); }

bool WaitForPointerMoves(int n, int limitMs) {
    Point last = PointerNow();
    int moves = 0;
    return WatchPointer(
        [&](Point now) {
            if (!(now == last)) ++moves;
            last = now;
            return moves >= n;
        },
        limitMs);
}

bool WaitForPointerAt(Point at, int limitMs) {
    return WatchPointer([&](Point now) { return now == at; }, limitMs);
}

void ClickAt(Point at, int button) {
    QProcess::execute("xdotool", {"mousemove", QString::number(at.x), QString::number(at.y),
                                  "click", QString::number(button)});
    TheDesktop().WaitForMessages(kBetweenClicksMs);
}

void ClickHere(int button) { Input().Click(button); }

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
