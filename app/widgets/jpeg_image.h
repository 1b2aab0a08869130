#pragma once
// JPEG bytes to a QImage through libjpeg itself (not Qt's image plug-ins), with
// libjpeg's errors turned into a returned reason instead of ending the process.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace corvane {

struct JpegDecodeResult {
  QImage image;   // null on failure
  QString error;  // why decoding failed; empty on success
  bool ok() const { return error.isEmpty(); }
};

// Decodes a whole baseline or progressive JPEG. Damaged data (including a
// truncated file, which libjpeg would otherwise pad with grey) is a failure.
JpegDecodeResult DecodeJpeg(const QByteArray& bytes);

}  // namespace corvane
