#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

// Watches the keyboard's own fields (the reading speed, the step time): the window takes the
// keyboard focus only while the user types into one of them.
class FieldFocus : public QObject {
  public:
    FieldFocus(std::vector<QWidget*> fields, std::function<void()> onPressed,
               std::function<void()> onLeft);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> onPressed_;
    std::function<void()> onLeft_;
};
