#include "ui/click_label.h"

#include <QMouseEvent>

namespace tombolix {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onClick) {
    event->accept();
    onClick();
    return;
  }
  QLabel::mousePressEvent(event);
}

}  // namespace tombolix
