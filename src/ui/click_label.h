#pragma once

#include <QLabel>

#include <functional>

namespace tombolix {

// A label that reports left clicks (map buttons and link labels).
class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tombolix
