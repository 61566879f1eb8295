// The table pictures of the protocol documentation windows, drawn by our own
// routine and kept as PNG files: for each of the 31 places down the page
// (document order), a packet table (columns 0 to 8 under an empty corner
// cell: byte names, then the Packet values) or, last, the line settings
// table. The Chinese edition differs only in the preset range of 0x43.
#pragma once

#include <QByteArray>
#include <QImage>

namespace rs232doc {

constexpr int kPictureCount = 31;

// A picture's place: its component number in each edition (ExImageN) and
// its top and height there.
struct PicturePlace {
  int english, chinese;
  int englishTop, englishHeight;
  int chineseTop, chineseHeight;
};
const PicturePlace& Place(int position);

// The picture at a document position (0-based) for a control of the given height.
QImage DrawTable(int position, bool chinese, int controlHeight);
// The same as PNG file bytes.
QByteArray TablePng(int position, bool chinese, int controlHeight);

// The document of an edition as RTF text, its lines placed between the
// pictures of a label at labelTop.
QByteArray Document(bool chinese);

}  // namespace rs232doc
