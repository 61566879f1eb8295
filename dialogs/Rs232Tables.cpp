#include "dialogs/Rs232Tables.h"

#include <QBuffer>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Canvas.h"
#include "platform/TextCodec.h"

namespace rs232doc {

namespace {

constexpr PicturePlace kPlaces[kPictureCount] = {
    {1, 1, 72, 113, 56, 113},     {29, 29, 209, 81, 192, 81},   {2, 2, 360, 81, 335, 81},
    {3, 3, 507, 70, 483, 70},     {4, 4, 652, 68, 636, 68},     {5, 5, 792, 99, 772, 99},
    {6, 6, 936, 99, 924, 99},     {23, 7, 1080, 99, 1068, 99},  {24, 22, 1232, 99, 1228, 99},
    {7, 23, 1380, 99, 1374, 99},  {8, 8, 1561, 80, 1561, 80},   {9, 9, 1702, 98, 1710, 98},
    {22, 24, 1854, 98, 1870, 98}, {25, 25, 2014, 98, 2022, 98}, {30, 26, 2146, 98, 2182, 98},
    {13, 27, 2372, 98, 2408, 98}, {17, 28, 2500, 98, 2560, 98}, {10, 10, 2648, 98, 2706, 98},
    {11, 11, 2778, 98, 2852, 98}, {12, 12, 2912, 98, 3000, 98}, {20, 30, 3042, 98, 3144, 98},
    {14, 14, 3209, 98, 3322, 98}, {15, 17, 3420, 98, 3531, 98}, {28, 20, 3611, 98, 3733, 98},
    {26, 13, 3749, 98, 3875, 98}, {16, 16, 3917, 98, 4038, 98}, {21, 21, 4079, 98, 4211, 98},
    {27, 15, 4261, 98, 4391, 98}, {18, 18, 4433, 98, 4571, 98}, {31, 31, 4577, 98, 4723, 98},
    {19, 19, 4757, 93, 4907, 93},
};

// A cell of columns 4 to 6: the byte's name and its values.
struct Cell {
  const char* name;
  const char* value;
};

struct Table {
  const char* cmd;
  Cell data[3];
};

const Cell kInOut{"In/Out", "In: 0  Out: 1"};
const Cell kChannel{"Channel", "00~15"};
const Cell kChannel0{"Channel", "0~15"};
const Cell kPlusMinus{"+/-", "+: 0, -: 1"};
const Cell kNoYes{"No/Yes", "No: 0, Yes: 1"};
const Cell kZero{"Data", "0x00"};
const Cell kAux{"Aux", "0x02"};

const Table kTables[kPictureCount - 1] = {
    {"0x40~0x5E", {{"Data1", "0x??"}, {"Data2", "0x??"}, {"Date3", "0x??"}}},
    {"0x40", {{"Factory/User", "F: 0, U: 1"}, {"Preset", "0~12"}, {"Data", "0x00 (0)"}}},
    {"0x41", {kInOut, kChannel, kPlusMinus}},
    {"0x42", {kInOut, kChannel, kNoYes}},
    {"0x43", {{"Factory/User", "F: 0, U: 1"}, {"Preset", "0~12"}, {"Data", "0x00 (0)"}}},
    {"0x44", {kChannel, {"HI-VOL", "0x??"}, {"LO-VOL", "0x??"}}},
    {"0x45", {kChannel, {"HI-VOL", "0x??"}, {"LO-VOL", "0x??"}}},
    {"0x46", {kInOut, {"Gain", "0~100"}, kZero}},
    {"0x47", {kInOut, kPlusMinus, kZero}},
    {"0x48", {kInOut, kChannel0, kZero}},
    {"0x49", {kInOut, kChannel0, kZero}},
    {"0x4A", {{"0x30", "0"}, kZero, kZero}},
    {"0x4B", {kInOut, kZero, kZero}},
    {"0x4C", {kInOut, kNoYes, kZero}},
    {"0x4D", {{"In/Out", "In: 0 Out: 1 Aux: 2"}, kChannel, kZero}},
    {"0x4E", {kChannel, {"In", "00~15"}, {"On/Off", "On: 1, Off: 0"}}},
    {"0x4F", {kChannel, {"In", "00~15"}, kZero}},
    {"0x51", {kAux, kZero, kPlusMinus}},
    {"0x52", {kAux, kZero, kNoYes}},
    {"0x53", {kAux, {"HI-VOL", "0x??"}, {"LO-VOL", "0x??"}}},
    {"0x54", {kInOut, kChannel, kPlusMinus}},
    {"0x55", {kAux, {"Select", "0: Effect, 1: Camera, 2: AutoMix"}, {"On/Off", "0: Off, 1: Yes"}}},
    {"0x56",
     {{"Select", "0: Aux, 1: Camera, 2: AutoMix"}, {"Ch 16~9", "Bit0 ~ Bit7 (0: No, 1: Yes)"},
      {"Ch 8~1", "Bit0 ~ Bit7 (0: No, 1: Yes)"}}},
    {"0x57", {{"Data", "0x00"}, kChannel, {"FBQ", "0: Off, 1~4: Level"}}},
    {"0x58", {kAux, kZero, kZero}},
    {"0x59", {kAux, kZero, kZero}},
    {"0x5B", {kAux, {"Select", "0: Effect, 1: Camera, 2: AutoMix"}, kZero}},
    {"0x5C", {kAux, {"Select", "0: Aux, 1: Camera, 2: AutoMix"}, kZero}},
    {"0x5E", {{"Data", "0x00"}, kChannel, kZero}},
    {"0x61", {{"Data", "0x00"}, kZero, kZero}},
};

QFont TableFont(int pixels, bool bold = false) {
  platform::TFont look;
  look.Name = QStringLiteral("Arial");
  look.Height = -pixels;
  look.Style = bold ? platform::TFontStyles(platform::fsBold) : platform::TFontStyles(0);
  return platform::ToQFont(look);
}

// The text centred in the cell, wrapped, at the largest size up to pixels
// that fits.
void CellText(QPainter& p, const QRect& r, const QString& text, int pixels, bool bold = false) {
  const QRect inner = r.adjusted(2, 1, -2, -1);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  for (int size = pixels; size >= 7; --size) {
    p.setFont(TableFont(size, bold));
    const QRect needed = p.fontMetrics().boundingRect(inner, flags, text);
    if (needed.width() <= inner.width() && needed.height() <= inner.height()) break;
  }
  p.drawText(inner, flags, text);
}

QImage PacketTable(const Table& t, int height) {
  const int widths[10] = {52, 36, 36, 64, 60, 81, 81, 81, 36, 36};
  int width = 1;
  for (int w : widths) width += w;
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const int header = height < 80 ? 15 : 18;
  const int row = (height - header - 1) / 2;
  const int tops[4] = {0, header, header + row, header + 2 * row};
  const QColor headerFill(214, 227, 245), nameFill(242, 242, 242);
  int x = 0;
  for (int column = 0; column < 10; ++column) {
    const int w = widths[column];
    const QRect cells[3] = {QRect(x, tops[0], w, tops[1] - tops[0]), QRect(x, tops[1], w, tops[2] - tops[1]),
                            QRect(x, tops[2], w, tops[3] - tops[2])};
    p.fillRect(cells[0], headerFill);
    p.fillRect(cells[1], column == 0 ? headerFill : nameFill);
    if (column == 0) p.fillRect(cells[2], headerFill);
    p.setPen(Qt::black);
    if (column > 0) CellText(p, cells[0], QString::number(column - 1), 11, true);
    QString name, value;
    switch (column) {
      case 0: value = QStringLiteral("Packet"); break;
      case 1: name = "DLE"; value = "0x7B"; break;
      case 2: name = "STX"; value = "0x7D"; break;
      case 3: name = "Device Address"; value = "1~254"; break;
      case 4: name = "CMD"; value = QString::fromLatin1(t.cmd); break;
      case 5: case 6: case 7:
        name = QString::fromLatin1(t.data[column - 5].name);
        value = QString::fromLatin1(t.data[column - 5].value);
        break;
      case 8: name = "STX"; value = "0x7D"; break;
      case 9: name = "DLE"; value = "0x7B"; break;
    }
    CellText(p, cells[1], name, 10, true);
    CellText(p, cells[2], value, 10, column == 0);
    p.setPen(QColor(90, 90, 90));
    for (const QRect& c : cells) p.drawRect(c);
    x += w;
  }
  return image;
}

QImage SettingsTable(int height) {
  const char* names[6] = {"Baud rate", "Data bit", "Parity", "Stop bit", "Step", "ID Default"};
  const char* values[6] = {"115200", "8", "None", "1", ">= 200ms", "1"};
  const int columnWidth = 93, width = 6 * columnWidth + 1;
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  const int row = (height - 1) / 3;
  const QRect title(0, 0, width - 1, row);
  p.fillRect(title, QColor(214, 227, 245));
  p.setPen(Qt::black);
  CellText(p, title, QStringLiteral("Communicate Parameter"), 12, true);
  p.setPen(QColor(90, 90, 90));
  p.drawRect(title);
  for (int i = 0; i < 6; ++i) {
    const QRect name(i * columnWidth, row, columnWidth, row), value(i * columnWidth, 2 * row, columnWidth, row);
    p.fillRect(name, QColor(242, 242, 242));
    p.setPen(Qt::black);
    CellText(p, name, QString::fromLatin1(names[i]), 11, true);
    CellText(p, value, QString::fromLatin1(values[i]), 11);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(name);
    p.drawRect(value);
  }
  return image;
}

}  // namespace

const PicturePlace& Place(int position) { return kPlaces[position]; }

QImage DrawTable(int position, bool chinese, int controlHeight) {
  const int height = std::clamp(controlHeight - 8, 60, 96);
  if (position == kPictureCount - 1) return SettingsTable(height);
  Table table = kTables[position];
  if (position == 4 && chinese) table.data[1] = {"Preset", "0~11"};
  return PacketTable(table, height);
}

QByteArray TablePng(int position, bool chinese, int controlHeight) {
  // Both editions carry the same files but one: draw each once.
  static std::map<std::tuple<int, bool, int>, QByteArray> files;
  const auto key = std::make_tuple(position, chinese && position == 4, controlHeight);
  if (auto it = files.find(key); it != files.end()) return it->second;
  QByteArray& bytes = files[key];
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Flat cells and text compress almost as well at zlib's fastest level, in
  // a fraction of the default's time (Qt maps quality 85 to level 1).
  DrawTable(position, chinese, controlHeight).save(&buffer, "PNG", 85);
  return bytes;
}

}  // namespace rs232doc
