#include "app/widgets/lamp_led.h"

#include "app/widgets/fit_text.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace corvane {

LampLed::LampLed(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
  blinkTimer_.setTimerType(Qt::CoarseTimer);
  connect(&blinkTimer_, &QTimer::timeout, this, &LampLed::FlashTick);
  setFlashRate(flashRate_);
}

void LampLed::setCaption(const QString& caption) {
  caption_ = caption;
  updateGeometry();
  update();
}

void LampLed::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  blinkBright_ = true;  // a lamp that comes on starts bright
  UpdateBlinkTimer();
  update();
  emit toggled(checked_);
}

void LampLed::setLampColor(const QColor& color) {
  lampColor_ = color;
  update();
}

void LampLed::setLampSize(int pixels) {
  lampSize_ = std::max(4, pixels);
  updateGeometry();
  update();
}

void LampLed::setSpacing(int pixels) {
  spacing_ = std::max(0, pixels);
  updateGeometry();
  update();
}

void LampLed::setHandCursor(bool on) {
  if (on) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

void LampLed::setFlashing(bool on) {
  if (flashing_ == on) return;
  flashing_ = on;
  blinkBright_ = true;
  UpdateBlinkTimer();
  update();
}

void LampLed::setFlashRate(double hertz) {
  if (!(hertz > 0.0)) return;  // also rejects NaN
  flashRate_ = hertz;
  // One cycle is a bright and a dark half.
  blinkTimer_.setInterval(std::max(1, static_cast<int>(std::lround(500.0 / hertz))));
}

void LampLed::FlashTick() {
  if (!isBlinking()) return;
  blinkBright_ = !blinkBright_;
  update();
}

void LampLed::UpdateBlinkTimer() {
  // Only a visible, lit, flashing lamp needs the timer.
  if (isBlinking() && isVisible()) {
    if (!blinkTimer_.isActive()) blinkTimer_.start();
  } else {
    blinkTimer_.stop();
    blinkBright_ = true;
  }
}

QSize LampLed::sizeHint() const {
  const QFontMetrics fm(font());
  const int textWidth = caption_.isEmpty() ? 0 : spacing_ + fm.horizontalAdvance(caption_);
  return {lampSize_ + textWidth + 2, std::max(lampSize_, fm.height()) + 2};
}

void LampLed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);

  const qreal d = std::min<qreal>(lampSize_, height() - 2);
  const QRectF lamp(1, (height() - d) / 2.0, d, d);
  const QColor lit = lampColor_;
  const bool shown = isLampShown();

  // Bezel, then the glass: a bright lamp has a hot centre, a dark one keeps a
  // faint tint of its colour so the user can tell which lamp is which.
  QLinearGradient bezel(lamp.topLeft(), lamp.bottomRight());
  bezel.setColorAt(0.0, QColor(90, 90, 90));
  bezel.setColorAt(1.0, QColor(230, 230, 230));
  p.setPen(Qt::NoPen);
  p.setBrush(bezel);
  p.drawEllipse(lamp);

  const QRectF glass = lamp.adjusted(d * 0.1, d * 0.1, -d * 0.1, -d * 0.1);
  QRadialGradient g(glass.center() - QPointF(glass.width() / 5, glass.height() / 5),
                    glass.width() * 0.75);
  if (shown) {
    g.setColorAt(0.0, lit.lighter(175));
    g.setColorAt(0.5, lit);
    g.setColorAt(1.0, lit.darker(140));
  } else {
    const QColor dark = lit.darker(350);
    g.setColorAt(0.0, dark.lighter(180));
    g.setColorAt(1.0, dark);
  }
  p.setBrush(g);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawEllipse(glass);

  // Glint on the glass.
  const QRectF shine(glass.left() + glass.width() * 0.22, glass.top() + glass.height() * 0.12,
                     glass.width() * 0.4, glass.height() * 0.28);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, shown ? 150 : 70));
  p.drawEllipse(shine);

  if (!caption_.isEmpty()) {
    const QRectF text(lamp.right() + spacing_, 0, width() - lamp.right() - spacing_, height());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.setFont(FontToFit(font(), caption_, static_cast<int>(text.width()) - 1));
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, caption_);
    if (hasFocus()) {
      const QRectF bounds = p.boundingRect(text, Qt::AlignVCenter | Qt::AlignLeft, caption_);
      p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(bounds.adjusted(-2, 0, 2, 0));
    }
  }
}

void LampLed::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void LampLed::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    event->accept();
    // A press dragged off the lamp before release is no click.
    if (rect().contains(event->position().toPoint())) Click();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void LampLed::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void LampLed::Click() {
  if (!isEnabled()) return;
  if (mode_ == Mode::Toggle) setChecked(!checked_);
  emit clicked();
}

void LampLed::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  UpdateBlinkTimer();
}

void LampLed::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  UpdateBlinkTimer();
}

void LampLed::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

}  // namespace corvane
