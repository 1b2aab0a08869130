#pragma once
// Small JPEGs made on the spot with libjpeg's encoder, so decode tests can
// check pixels and colour handling without binary fixture files.

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace corvane::testing {

// Encodes width x height pixels of `components` bytes each (1 grey, 3 RGB,
// 4 CMYK) at quality 100.
inline QByteArray EncodeJpeg(const std::vector<unsigned char>& pixels, int width, int height,
                             int components) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto* row = const_cast<JSAMPROW>(pixels.data() + cinfo.next_scanline * width * components);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
  std::free(out);
  return bytes;
}

}  // namespace corvane::testing
