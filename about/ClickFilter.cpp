#include "about/ClickFilter.h"

#include <QMouseEvent>
#include <QWidget>

namespace about {

void ClickFilter::Watch(QWidget* widget, std::function<void()> onClick) {
    actions_[widget] = std::move(onClick);
    widget->installEventFilter(this);
}

void ClickFilter::Swallow(QWidget* widget) {
    Watch(widget, [] {});
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto found = actions_.find(watched);
    if (found == actions_.end()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
                found->second();
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace about
