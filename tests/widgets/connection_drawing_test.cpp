#include "app/widgets/connection_drawing.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ConnectionDrawing, ShowsTheBuiltInDrawing) {
  ConnectionDrawing drawing;
  EXPECT_TRUE(drawing.hasPicture()) << drawing.errorText().toStdString();
  EXPECT_TRUE(drawing.errorText().isEmpty());
  EXPECT_EQ(drawing.picture().size(), QSize(355, 217));
  EXPECT_EQ(drawing.size(), QSize(355, 217));
}

TEST(ConnectionDrawing, BrokenPictureFallsBackToAPanelWithTheReason) {
  const QByteArray truncated = ConnectionDrawingJpeg().left(300);
  ConnectionDrawing drawing(truncated);
  EXPECT_FALSE(drawing.hasPicture());
  EXPECT_FALSE(drawing.errorText().isEmpty());
  EXPECT_TRUE(drawing.toolTip().contains(QStringLiteral("could not be shown")));
  EXPECT_TRUE(drawing.toolTip().contains(drawing.errorText()));
  EXPECT_EQ(drawing.size(), QSize(355, 217));  // keeps its place in the layout

  // The panel is painted, not left empty: more than one colour in it.
  const QImage shot = drawing.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  const QRgb corner = shot.pixel(0, 0);
  bool varied = false;
  for (int y = 0; y < shot.height() && !varied; y += 3) {
    for (int x = 0; x < shot.width() && !varied; x += 3) varied = shot.pixel(x, y) != corner;
  }
  EXPECT_TRUE(varied);
}

}  // namespace
}  // namespace corvane
