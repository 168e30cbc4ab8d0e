#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

class QShowEvent;

namespace about {

// A picture drawn the first time it is shown. The about box holds several that take turns and
// some that appear only on a click: drawing them all before the splash appears would delay
// the start.
class LazyPicture : public QLabel {
  public:
    using Drawing = std::function<QPixmap(QSize)>;

    LazyPicture(QWidget* parent, const QRect& geometry, Drawing draw);

    // The picture, drawn now if it has not been yet.
    QPixmap Drawn();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Drawing draw_;
};

}  // namespace about
