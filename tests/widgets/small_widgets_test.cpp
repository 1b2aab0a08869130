// Glyph button keys and caption fitting.
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "app/widgets/fit_text.h"
#include "app/widgets/glyph_button.h"
#include "app/widgets/glyphs.h"

namespace corvane {
namespace {

TEST(GlyphButton, EnterAndSpaceClickLikeADefaultButton) {
  GlyphButton button("OK", OkGlyph());
  QSignalSpy clicked(&button, &GlyphButton::clicked);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    QTest::keyClick(&button, key);
  }
  EXPECT_EQ(clicked.count(), 3);
}

TEST(FontToFit, ShrinksOnlyWhatDoesNotFit) {
  QFont pixelFont;
  pixelFont.setPixelSize(21);
  pixelFont.setBold(true);
  QFont pointFont;
  pointFont.setPointSizeF(12);
  const QString caption = QStringLiteral("Velko QDR Series");

  for (const QFont& font : {pixelFont, pointFont}) {
    const qreal natural = QFontMetricsF(font).horizontalAdvance(caption);
    // Room enough: unchanged.
    EXPECT_EQ(FontToFit(font, caption, static_cast<int>(natural) + 1), font);
    // 10 % short: smaller, and then it fits.
    const int tight = static_cast<int>(natural * 0.9);
    const QFont fitted = FontToFit(font, caption, tight);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(caption), tight);
    EXPECT_LT(QFontMetricsF(fitted).height(), QFontMetricsF(font).height() + 0.01);
    EXPECT_EQ(fitted.bold(), font.bold());
  }
  // Far too narrow: stops at a readable size instead of shrinking to nothing.
  const QFont floor = FontToFit(pixelFont, caption, 10);
  EXPECT_GE(floor.pixelSize(), 14);
}

}  // namespace
}  // namespace corvane
