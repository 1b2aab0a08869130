#include "app/widgets/label_3d.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace corvane {

Label3D::Label3D(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  // Nothing of its own behind the text: whatever is under it shows through.
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAutoFillBackground(false);
}

void Label3D::setText(const QString& text) {
  text_ = text;
  updateGeometry();
  update();
}

void Label3D::setTextColor(const QColor& color) {
  textColor_ = color;
  update();
}

void Label3D::setHighlightColor(const QColor& color) {
  highlightColor_ = color;
  update();
}

void Label3D::setHighlightOffset(const QPoint& offset) {
  offset_ = offset;
  updateGeometry();
  update();
}

void Label3D::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

QSize Label3D::sizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(text_) + std::abs(offset_.x()) + 2,
          fm.height() + std::abs(offset_.y())};
}

void Label3D::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font());
  // Keep both copies inside the widget whichever way the offset points.
  const QRect area = rect().adjusted(std::max(0, -offset_.x()), std::max(0, -offset_.y()),
                                     -std::max(0, offset_.x()), -std::max(0, offset_.y()));
  if (!offset_.isNull()) {
    p.setPen(highlightColor_);
    p.drawText(area.translated(offset_), static_cast<int>(alignment_), text_);
  }
  p.setPen(textColor_);
  p.drawText(area, static_cast<int>(alignment_), text_);
}

}  // namespace corvane
