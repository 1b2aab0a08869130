#include "app/widgets/jpeg_image.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace corvane {

namespace {

// libjpeg reports errors through error_exit, which must not return. Ours jumps
// back into the helper that made the call. Every libjpeg call that can fail
// runs inside one of the small helpers below, each of which arms the jump
// itself and keeps only trivially destructible locals, so the jump skips no
// C++ destructor and never lands in a frame that has already returned.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (level -1) mean corrupt data that libjpeg would paper over, for
// example a truncated file padded with grey; we refuse such a picture. Trace
// messages (level >= 0) are ignored rather than printed on stderr.
void EmitMessage(j_common_ptr cinfo, int msgLevel) {
  if (msgLevel < 0) ErrorExit(cinfo);
}

struct Decoder {
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  bool created = false;

  Decoder() {
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
  }
  ~Decoder() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
};

bool Start(Decoder& d, const unsigned char* data, unsigned long size) {
  if (setjmp(d.err.jump)) return false;
  jpeg_create_decompress(&d.cinfo);
  d.created = true;
  jpeg_mem_src(&d.cinfo, data, size);
  jpeg_read_header(&d.cinfo, TRUE);
  // Grey pictures stay grey; everything else is asked for as RGB (libjpeg
  // reports an error for CMYK, which it cannot convert).
  d.cinfo.out_color_space = d.cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&d.cinfo);
  return true;
}

// Writes every output row into the caller's buffer, rows bytesPerLine apart.
bool ReadRows(Decoder& d, unsigned char* bits, std::ptrdiff_t bytesPerLine) {
  if (setjmp(d.err.jump)) return false;
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    JSAMPROW row = bits + static_cast<std::ptrdiff_t>(d.cinfo.output_scanline) * bytesPerLine;
    jpeg_read_scanlines(&d.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

JpegDecodeResult Failure(const QString& reason) {
  return {QImage(), reason};
}

}  // namespace

JpegDecodeResult DecodeJpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return Failure(QStringLiteral("No JPEG data (empty buffer)"));

  Decoder d;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  if (!Start(d, data, static_cast<unsigned long>(bytes.size()))) {
    return Failure(QString::fromLocal8Bit(d.err.message));
  }

  const int width = static_cast<int>(d.cinfo.output_width);
  const int height = static_cast<int>(d.cinfo.output_height);
  const bool grey = d.cinfo.out_color_space == JCS_GRAYSCALE;
  if (d.cinfo.output_components != (grey ? 1 : 3)) {
    return Failure(QStringLiteral("Unexpected JPEG layout: %1 components per pixel")
                       .arg(d.cinfo.output_components));
  }
  QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  if (image.isNull()) {
    return Failure(QStringLiteral("JPEG picture of %1 x %2 pixels is too large to hold")
                       .arg(width)
                       .arg(height));
  }
  if (!ReadRows(d, image.bits(), image.bytesPerLine())) {
    return Failure(QString::fromLocal8Bit(d.err.message));
  }
  return {image.convertToFormat(QImage::Format_RGB32), QString()};
}

}  // namespace corvane
