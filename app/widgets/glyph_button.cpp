#include "app/widgets/glyph_button.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace corvane {

namespace {
constexpr int kGlyphSize = 32;
constexpr int kGap = 2;  // between glyph and caption
}  // namespace

GlyphButton::GlyphButton(const QString& caption, const QPixmap& glyph, QWidget* parent)
    : QAbstractButton(parent), glyph_(glyph) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void GlyphButton::setGlyph(const QPixmap& glyph) {
  glyph_ = glyph;
  update();
}

void GlyphButton::setHandCursor(bool on) {
  if (on) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

QSize GlyphButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {std::max(kGlyphSize, fm.horizontalAdvance(text())) + 8,
          kGlyphSize + kGap + fm.height() + 4};
}

void GlyphButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void GlyphButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

// Like a dialog's default push button, Enter clicks a focused glyph button.
void GlyphButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void GlyphButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();

  if ((hovered_ || isDown()) && isEnabled()) {
    // Outline only; the background stays whatever is behind the button.
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(isDown() ? pal.color(QPalette::Dark) : pal.color(QPalette::Mid), 1));
    p.setBrush(QColor(255, 255, 255, isDown() ? 20 : 45));
    p.drawRoundedRect(frame, 3, 3);
  }

  const QFontMetrics fm(font());
  const int shift = isDown() ? 1 : 0;
  const int contentHeight = kGlyphSize + kGap + fm.height();
  const int top = (height() - contentHeight) / 2 + shift;
  const QRect glyphRect((width() - kGlyphSize) / 2 + shift, top, kGlyphSize, kGlyphSize);
  if (!glyph_.isNull()) {
    if (isEnabled()) {
      p.drawPixmap(glyphRect, glyph_);
    } else {
      p.setOpacity(0.4);
      p.drawPixmap(glyphRect, glyph_);
      p.setOpacity(1.0);
    }
  }

  const QRect textRect(shift, glyphRect.bottom() + 1 + kGap, width(), fm.height());
  p.setFont(font());
  p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, text());

  if (hasFocus()) {
    const QRect bounds = fm.boundingRect(textRect, Qt::AlignHCenter | Qt::AlignTop, text());
    p.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bounds.adjusted(-2, 0, 1, -1));
  }
}

}  // namespace corvane
