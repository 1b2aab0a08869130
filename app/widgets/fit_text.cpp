#include "app/widgets/fit_text.h"

#include <QFontMetricsF>

#include <algorithm>

namespace corvane {

QFont FontToFit(const QFont& font, const QString& text, int width) {
  if (text.isEmpty() || QFontMetricsF(font).horizontalAdvance(text) <= width) return font;
  const bool pixels = font.pixelSize() > 0;
  const qreal full = pixels ? font.pixelSize() : font.pointSizeF();
  QFont smaller = font;
  for (int percent = 95; percent >= 70; percent -= 5) {
    const qreal size = full * percent / 100.0;
    if (pixels) {
      smaller.setPixelSize(std::max(1, static_cast<int>(size)));
    } else {
      smaller.setPointSizeF(size);
    }
    if (QFontMetricsF(smaller).horizontalAdvance(text) <= width) break;
  }
  return smaller;
}

}  // namespace corvane
