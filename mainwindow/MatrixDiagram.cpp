#include "mainwindow/MatrixDiagram.h"

namespace {

constexpr int kLeftRow[9] = {3, 32, 61, 90, 119, 148, 177, 206, 235};
constexpr int kRightRow[8] = {12, 42, 72, 102, 132, 162, 192, 222};

}  // namespace

QColor MatrixSourceColour(int source) {
  static const QColor colours[9] = {
      QColor(128, 0, 0),   QColor(0, 128, 0),    QColor(128, 128, 0),   QColor(0, 0, 128),     QColor(128, 0, 128),
      QColor(0, 128, 128), QColor(58, 110, 165), QColor(128, 128, 128), QColor(192, 192, 192),
  };
  return source >= 0 && source < 9 ? colours[source] : QColor();
}

std::vector<MatrixSegment> MatrixSegments(const std::array<std::uint16_t, 8>& routing, int extraHeight, int width) {
  const int step = extraHeight / 9;
  std::vector<MatrixSegment> out;
  for (int s = 0; s < 9; ++s)
    for (int o = 0; o < 8; ++o)
      if (routing[static_cast<std::size_t>(o)] & (1u << s))
        out.push_back({MatrixSourceColour(s), QPoint(0, s * step + kLeftRow[s]), QPoint(width, o * step + kRightRow[o])});
  return out;
}
