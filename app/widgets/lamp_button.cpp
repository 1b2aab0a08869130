#include "app/widgets/lamp_button.h"

#include "app/widgets/fit_text.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace corvane {

namespace {

constexpr int kLampDiameter = 8;
constexpr int kLampMargin = 6;   // from the left edge to the lamp
constexpr int kTextGap = 5;      // from the lamp to the caption
constexpr int kRightMargin = 6;  // after the caption

const QColor kFaceTop(74, 160, 74);
const QColor kFaceBottom(22, 98, 28);
const QColor kFaceHoverTop(92, 182, 92);
const QColor kBorder(12, 60, 16);
const QColor kLampLit(170, 255, 40);  // lime
const QColor kLampDark(18, 70, 20);

}  // namespace

LampButton::LampButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  QFont f = font();
  f.setBold(true);
  setFont(f);
}

void LampButton::setActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update();
  emit activeChanged(active_);
}

QSize LampButton::sizeHint() const {
  const QFontMetrics fm(font());
  const int w =
      kLampMargin + kLampDiameter + kTextGap + fm.horizontalAdvance(text()) + kRightMargin;
  return {w, qMax(26, fm.height() + 10)};
}

QSize LampButton::minimumSizeHint() const {
  return sizeHint();
}

void LampButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void LampButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void LampButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool down = isDown();

  // Raised face; a pressed button swaps the gradient so it looks pushed in.
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  QColor top = hovered_ && isEnabled() ? kFaceHoverTop : kFaceTop;
  QColor bottom = kFaceBottom;
  if (down) std::swap(top, bottom);
  if (!isEnabled()) {  // greyed green
    top = QColor::fromHsv(top.hsvHue(), top.hsvSaturation() / 4, top.value());
    bottom = QColor::fromHsv(bottom.hsvHue(), bottom.hsvSaturation() / 4, bottom.value());
  }
  g.setColorAt(0.0, top);
  g.setColorAt(1.0, bottom);
  QPainterPath outline;
  outline.addRoundedRect(face, 4, 4);
  p.fillPath(outline, g);
  p.setPen(QPen(kBorder, 1));
  p.drawPath(outline);
  if (!down) {
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(face.topLeft() + QPointF(4, 1), face.topRight() + QPointF(-4, 1));
  }

  // The lamp: a small sunk disc, glowing lime when active.
  const int shift = down ? 1 : 0;
  const QPointF c(kLampMargin + kLampDiameter / 2.0 + shift, height() / 2.0 + shift);
  const qreal r = kLampDiameter / 2.0;
  QRadialGradient lamp(c - QPointF(r / 3, r / 3), r * 1.4);
  const QColor base = active_ ? kLampLit : kLampDark;
  lamp.setColorAt(0.0, active_ ? QColor(240, 255, 200) : base.lighter(160));
  lamp.setColorAt(1.0, base);
  if (active_) {
    QRadialGradient glow(c, r * 2.2);
    glow.setColorAt(0.0, QColor(170, 255, 40, 120));
    glow.setColorAt(1.0, QColor(170, 255, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.2, r * 2.2);
  }
  p.setPen(QPen(QColor(0, 40, 0), 1));
  p.setBrush(lamp);
  p.drawEllipse(c, r, r);

  // Caption.
  const int textLeft = kLampMargin + kLampDiameter + kTextGap;
  const QRect textRect(textLeft + shift, shift, width() - textLeft - kRightMargin, height());
  p.setPen(isEnabled() ? QColor(Qt::white) : QColor(210, 220, 210));
  p.setFont(FontToFit(font(), text(), textRect.width()));
  p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());

  if (hasFocus()) {
    p.setPen(QPen(QColor(255, 255, 255, 150), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(2, 2, -2, -2), 3, 3);
  }
}

}  // namespace corvane
