#include "app/widgets/jpeg_image.h"

#include <QFile>

#include <gtest/gtest.h>

#include "app/widgets/connection_drawing.h"
#include "tests/widgets/jpeg_test_fixtures.h"

namespace corvane {
namespace {

QByteArray AssetBytes() {
  QFile file(QStringLiteral(CORVANE_SOURCE_DIR "/assets/connection_drawing.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// 16 x 8: left half red, right half blue; channel order mistakes show at once.
QByteArray RedBlueJpeg() {
  std::vector<unsigned char> pixels;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool red = x < 8;
      pixels.insert(pixels.end(), {static_cast<unsigned char>(red ? 255 : 0), 0,
                                   static_cast<unsigned char>(red ? 0 : 255)});
    }
  }
  return testing::EncodeJpeg(pixels, 16, 8, 3);
}

TEST(DecodeJpeg, TheConnectionDrawingDecodesAt355x217) {
  const QByteArray file = AssetBytes();
  ASSERT_FALSE(file.isEmpty()) << "assets/connection_drawing.jpg missing";
  // The program carries the committed file, byte for byte.
  EXPECT_EQ(ConnectionDrawingJpeg(), file);

  const JpegDecodeResult result = DecodeJpeg(file);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.image.size(), QSize(355, 217));
}

TEST(DecodeJpeg, KeepsColourChannelsAndRowsInPlace) {
  const JpegDecodeResult result = DecodeJpeg(RedBlueJpeg());
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  ASSERT_EQ(result.image.size(), QSize(16, 8));
  for (int y : {0, 7}) {
    const QColor left = result.image.pixelColor(2, y);
    const QColor right = result.image.pixelColor(13, y);
    EXPECT_GT(left.red(), 230) << y;
    EXPECT_LT(left.blue(), 25) << y;
    EXPECT_LT(right.red(), 25) << y;
    EXPECT_GT(right.blue(), 230) << y;
  }
}

TEST(DecodeJpeg, GreyPictureStaysGrey) {
  std::vector<unsigned char> pixels(8 * 8);
  for (int i = 0; i < 64; ++i) pixels[i] = (i % 8) < 4 ? 40 : 200;
  const JpegDecodeResult result = DecodeJpeg(testing::EncodeJpeg(pixels, 8, 8, 1));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  const QColor dark = result.image.pixelColor(1, 3);
  const QColor light = result.image.pixelColor(6, 3);
  EXPECT_NEAR(dark.red(), 40, 6);
  EXPECT_EQ(dark.red(), dark.blue());
  EXPECT_NEAR(light.green(), 200, 6);
}

// Every broken input must come back as an error value: no exit(), no crash,
// no half-grey picture passed off as good.
TEST(DecodeJpeg, BrokenDataIsAnErrorWithAReason) {
  const QByteArray good = AssetBytes();
  ASSERT_FALSE(good.isEmpty());
  const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
  const std::vector<unsigned char> cmykPixels(8 * 8 * 4, 128);

  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", QByteArray()},
      {"not a JPEG", png},
      {"start marker only", good.left(2)},
      {"cut inside the header", good.left(40)},
      {"cut after the header", good.left(good.size() / 8)},
      {"cut in the last rows", good.left(good.size() - 200)},
      {"missing end marker", good.left(good.size() - 2)},
      {"CMYK, not convertible", testing::EncodeJpeg(cmykPixels, 8, 8, 4)},
  };
  for (const Case& c : cases) {
    const JpegDecodeResult result = DecodeJpeg(c.bytes);
    EXPECT_FALSE(result.ok()) << c.name;
    EXPECT_TRUE(result.image.isNull()) << c.name;
    EXPECT_FALSE(result.error.trimmed().isEmpty()) << c.name;
  }
}

TEST(DecodeJpeg, DecoderIsReusableAfterAFailure) {
  const QByteArray good = AssetBytes();
  ASSERT_FALSE(DecodeJpeg(good.left(good.size() / 2)).ok());
  EXPECT_TRUE(DecodeJpeg(good).ok());
}

}  // namespace
}  // namespace corvane
