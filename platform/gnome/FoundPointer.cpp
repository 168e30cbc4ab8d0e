#include "platform/gnome/FoundPointer.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/gnome/ProbePoints.h"

namespace platform::gnome {
namespace {

using namespace std::chrono_literals;

// How long the toolkit may take to hear the pointer enter a window it was put in; mutter
// tells within a few milliseconds.
constexpr auto kEnterLimit = 60ms;
// After the first event of a move, what else it brings: the pointer passes the corner first.
constexpr auto kSettleTime = 20ms;

}  // namespace

FoundPointer::FoundPointer(
    wayland::PointerDevice& device, std::function<Rect()> layout,
    std::function<bool(const std::function<bool()>&, std::chrono::milliseconds)> waitUntil)
    : device_(device), layout_(std::move(layout)), waitUntil_(std::move(waitUntil)) {
    QGuiApplication::instance()->installEventFilter(this);
}

FoundPointer::~FoundPointer() {
    if (QGuiApplication::instance() != nullptr) {
        QGuiApplication::instance()->removeEventFilter(this);
    }
}

bool FoundPointer::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr) return false;
    switch (event->type()) {
        case QEvent::Enter:
            under_ = window;
            at_ = static_cast<QEnterEvent*>(event)->position().toPoint();
            ++heard_;
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            under_ = window;
            at_ = static_cast<QMouseEvent*>(event)->position().toPoint();
            ++heard_;
            break;
        case QEvent::Leave:
            if (under_ == window) under_.clear();
            break;
        case QEvent::Hide:
            origins_.erase(window);
            if (under_ == window) under_.clear();
            break;
        default:
            break;
    }
    return false;
}

std::optional<QPoint> FoundPointer::Search(QWindow* window) {
    for (const Point& probe : ProbePoints(layout_(), window->width(), window->height())) {
        const uint64_t before = heard_;
        if (!device_.MoveTo(probe)) continue;
        if (!waitUntil_([&] { return heard_ != before; }, kEnterLimit)) continue;
        waitUntil_([] { return false; }, kSettleTime);
        if (under_ != nullptr) origins_[under_] = QPoint(probe.x, probe.y) - at_;
        if (under_ == window) return origins_[window];
    }
    return std::nullopt;
}

std::optional<QPoint> FoundPointer::OriginOf(QWindow* window) {
    if (const auto known = origins_.find(window); known != origins_.end()) return known->second;
    return Search(window);
}

Point FoundPointer::ClientToScreen(const QWidget* widget, Point client) {
    const QWidget* topLevel = widget->window();
    const QPoint inWindow = widget->mapTo(topLevel, QPoint(client.x, client.y));
    QWindow* window = topLevel->windowHandle();
    const std::optional<QPoint> origin =
        window != nullptr ? OriginOf(window) : std::optional<QPoint>();
    if (!origin) return Pointer::ClientToScreen(widget, client);
    const QPoint onScreen = *origin + inWindow;
    return Point{onScreen.x(), onScreen.y()};
}

bool FoundPointer::SetCursorPos(int x, int y) {
    const QPoint target(x, y);
    if (under_ != nullptr) {
        if (const auto origin = origins_.find(under_); origin != origins_.end()) {
            // From where the toolkit has the pointer: exact, whatever moved it there.
            const QPoint by = target - origin->second - at_;
            device_.MoveBy(by.x(), by.y());
            at_ += by;
            return true;
        }
    }
    return device_.MoveTo(Point{x, y});
}

}  // namespace platform::gnome
