// Readers that take an image's pixel size from its file header without
// decoding it: JPEG (the first start-of-frame marker), PNG (IHDR), BMP,
// little-endian TIFF (tags 256 and 257) and GIF (the first image descriptor).
//
// Each reader gives 16-bit values (a top-down BMP's negative height reads as
// 65536 - height) and 0 x 0 when the file holds no size it understands. No
// reader loops or reads past the end of its input: a truncated file, or a JPEG
// segment length below 2, ends the search with 0 x 0. Only ReadBMPSize fails
// outright, for a file too short for its header.
#pragma once

#include <QString>

#include <istream>

struct TImageSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TImageSize&, const TImageSize&) = default;
};

TImageSize ReadJPEGSize(std::istream& in);
TImageSize ReadPNGSize(std::istream& in);
// False when the file is too short for "BM" and the six header values.
bool ReadBMPSize(std::istream& in, TImageSize& size);
TImageSize ReadTIFFSize(std::istream& in);
TImageSize ReadGIFSize(std::istream& in);

// The reader chosen by the file name's extension (.JPG, .JPEG, .PNG, .BMP,
// .TIFF, .GIF, in any case; others give 0 x 0). False when the file cannot be
// opened or a BMP is too short for its header.
bool ReadImageSizeFromFile(const QString& fileName, TImageSize& size);
