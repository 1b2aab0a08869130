#include "app/widgets/gradient_header.h"

#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace corvane {

GradientHeader::GradientHeader(const QString& text, QWidget* parent)
    : QWidget(parent), label_(new Label3D(text, this)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GradientHeader::setColors(const QColor& edge, const QColor& middle) {
  edge_ = edge;
  middle_ = middle;
  update();
}

QSize GradientHeader::sizeHint() const {
  const QSize text = label_->sizeHint();
  return {text.width() + 24, std::max(41, text.height() + 8)};
}

void GradientHeader::resizeEvent(QResizeEvent* event) {
  label_->setGeometry(rect());
  QWidget::resizeEvent(event);
}

void GradientHeader::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0.0, edge_);
  g.setColorAt(0.5, middle_);
  g.setColorAt(1.0, edge_);
  p.fillRect(rect(), g);
}

}  // namespace corvane
