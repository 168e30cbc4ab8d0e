#pragma once

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace about {

// Gives plain widgets (pictures, labels, panels, the window itself) a click: a left button
// released inside the widget. A watched widget keeps its clicks to itself, as a designed
// control does, so a click on a picture never also counts as a click on the panel behind it.
class ClickFilter : public QObject {
  public:
    using QObject::QObject;

    // Runs onClick on each click of the widget.
    void Watch(QWidget* widget, std::function<void()> onClick);
    // The widget swallows its clicks without doing anything.
    void Swallow(QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<QObject*, std::function<void()>> actions_;
};

}  // namespace about
