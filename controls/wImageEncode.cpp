#include "controls/wImageEncode.h"

#include "controls/wException.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {

QImage Rgb888(const QImage& image) { return image.convertToFormat(QImage::Format_RGB888); }

// ---- PNG --------------------------------------------------------------------

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void PngFlush(png_structp) {}

// libpng reports through longjmp; C++ objects stay outside the jumping frame.
bool WritePng(const QImage& rgb, int level, QByteArray& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, PngWrite, PngFlush);
  png_set_compression_level(png, level);
  png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y) png_write_row(png, const_cast<png_bytep>(rgb.constScanLine(y)));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

// ---- JPEG -------------------------------------------------------------------

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

void JpegSilent(j_common_ptr, int) {}

bool WriteJpeg(const QImage& rgb, int quality, bool progressive, bool fastDct, unsigned char** buffer,
               unsigned long* size) {
  jpeg_compress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegErrorExit;
  err.mgr.emit_message = JpegSilent;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = JDIMENSION(rgb.width());
  cinfo.image_height = JDIMENSION(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.dct_method = fastDct ? JDCT_IFAST : JDCT_ISLOW;
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

QByteArray EncodePNG(const QImage& Image, int Level) {
  const QImage rgb = Rgb888(Image);
  QByteArray out;
  if (rgb.isNull() || !WritePng(rgb, Level, out)) throw TwException("Error writing PNG image");
  return out;
}

QByteArray EncodeJPEG(const QImage& Image, int Quality, bool Progressive, bool FastDct) {
  const QImage rgb = Rgb888(Image);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = !rgb.isNull() && WriteJpeg(rgb, Quality, Progressive, FastDct, &buffer, &size);
  QByteArray out;
  if (ok) out = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  if (!ok) throw TwException("Error writing JPEG image");
  return out;
}
