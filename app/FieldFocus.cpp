#include "app/FieldFocus.h"

#include <QEvent>
#include <QWidget>

FieldFocus::FieldFocus(std::vector<QWidget*> fields, std::function<void()> onPressed,
                       std::function<void()> onLeft)
    : onPressed_(std::move(onPressed)), onLeft_(std::move(onLeft)) {
    for (QWidget* field : fields) field->installEventFilter(this);
}

bool FieldFocus::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) onPressed_();
    if (event->type() == QEvent::FocusOut) onLeft_();
    return false;
}
