#include "controls/ImageSizeReaders.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

// Reads n bytes; false when the input ends first.
bool Read(std::istream& in, unsigned char* out, std::streamsize n) {
  in.read(reinterpret_cast<char*>(out), n);
  return in.gcount() == n;
}

bool Skip(std::istream& in, std::streamsize n) {
  if (n <= 0) return true;
  in.ignore(n);
  return in.gcount() == n;
}

int Byte(std::istream& in) {
  const int c = in.get();
  return c == std::char_traits<char>::eof() ? -1 : c;
}

unsigned BE16(const unsigned char* p) { return (unsigned(p[0]) << 8) | p[1]; }
unsigned LE16(const unsigned char* p) { return unsigned(p[0]) | (unsigned(p[1]) << 8); }
std::uint32_t LE32(const unsigned char* p) { return LE16(p) | (std::uint32_t(LE16(p + 2)) << 16); }

}  // namespace

TImageSize ReadJPEGSize(std::istream& in) {
  unsigned char soi[2];
  if (!Read(in, soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return {};
  int b = Byte(in);
  while (b == 0xFF) {
    const int m = Byte(in);
    if (m < 0) return {};
    if (m == 0xFF || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // fill byte, or a marker without a segment
    if (m == 0xC0 || m == 0xC1 || m == 0xC2) {
      unsigned char sof[7];
      if (!Read(in, sof, 7)) return {};
      return {int(BE16(sof + 5)), int(BE16(sof + 3))};
    }
    unsigned char len[2];
    if (!Read(in, len, 2)) return {};
    const unsigned n = BE16(len);
    if (n < 2 || !Skip(in, n - 2)) return {};  // a length below 2 would go back on itself
    b = Byte(in);
  }
  return {};
}

TImageSize ReadPNGSize(std::istream& in) {
  static const unsigned char kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
  unsigned char h[24];
  if (!Read(in, h, 24)) return {};
  for (int i = 0; i < 8; ++i)
    if (h[i] != kSignature[i]) return {};
  return {int(BE16(h + 18)), int(BE16(h + 22))};
}

bool ReadBMPSize(std::istream& in, TImageSize& size) {
  size = {};
  unsigned char h[26];
  if (!Read(in, h, 2)) return false;
  if (h[0] != 'B' || h[1] != 'M') return true;
  if (!Read(in, h + 2, 24)) return false;
  size = {int(LE32(h + 18) & 0xFFFF), int(LE32(h + 22) & 0xFFFF)};
  return true;
}

TImageSize ReadTIFFSize(std::istream& in) {
  unsigned char h[8];
  if (!Read(in, h, 8)) return {};
  in.seekg(std::streamoff(LE32(h + 4)), std::ios::beg);
  unsigned char c[2];
  if (!in || !Read(in, c, 2)) return {};
  const unsigned count = LE16(c);
  int width = -1, height = -1;
  for (unsigned i = 0; i < count && (width < 0 || height < 0); ++i) {
    unsigned char e[12];
    if (!Read(in, e, 12)) return {};
    const unsigned tag = LE16(e);
    const int value = int(std::abs(std::int64_t(std::int32_t(LE32(e + 8)))) & 0xFFFF);
    if (tag == 256) width = value;
    else if (tag == 257) height = value;
  }
  return {width < 0 ? 0 : width, height < 0 ? 0 : height};
}

TImageSize ReadGIFSize(std::istream& in) {
  unsigned char h[20];
  if (!Read(in, h, 20) || h[0] != 'G' || h[1] != 'I' || h[2] != 'F') return {};
  // The search starts after the logical screen descriptor and its colour table.
  std::streamoff next = 13;
  if (h[10] & 0x80) next += 3 * (std::streamoff(1) << ((h[10] & 7) + 1));
  in.seekg(next, std::ios::beg);
  if (!in) return {};
  for (int b = Byte(in); b >= 0; b = Byte(in)) {
    if (b != 0x2C) continue;
    unsigned char d[10];
    if (!Read(in, d, 10)) return {};
    return {int(LE16(d + 4)), int(LE16(d + 6))};
  }
  return {};
}

bool ReadImageSizeFromFile(const QString& fileName, TImageSize& size) {
  size = {};
  std::ifstream in(QFile::encodeName(fileName).toStdString(), std::ios::binary);
  if (!in) return false;
  const QString ext = QFileInfo(fileName).suffix().toUpper();
  if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG")) size = ReadJPEGSize(in);
  else if (ext == QLatin1String("PNG")) size = ReadPNGSize(in);
  else if (ext == QLatin1String("BMP")) return ReadBMPSize(in, size);
  else if (ext == QLatin1String("TIFF")) size = ReadTIFFSize(in);
  else if (ext == QLatin1String("GIF")) size = ReadGIFSize(in);
  return true;
}
