#include "app/widgets/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace corvane {

QPixmap OkGlyph() {
  constexpr int kSize = 32;
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Badge with a soft shadow below it.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 45));
  p.drawEllipse(QRectF(3, 4.5, 27, 27));
  QRadialGradient badge(QPointF(12, 10), 20);
  badge.setColorAt(0.0, QColor(142, 222, 120));
  badge.setColorAt(0.6, QColor(46, 160, 56));
  badge.setColorAt(1.0, QColor(20, 110, 34));
  p.setBrush(badge);
  p.setPen(QPen(QColor(16, 86, 26), 1));
  p.drawEllipse(QRectF(2.5, 2.5, 26, 26));

  // The tick, white with a dark edge so it reads on light and dark backgrounds.
  QPainterPath tick;
  tick.moveTo(8.5, 16.0);
  tick.lineTo(13.5, 21.0);
  tick.lineTo(23.0, 10.0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(10, 70, 20), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace corvane
