// The routing lines of the matrix page's diagram as data: one segment per
// routed crosspoint, from the source's row at the paint box's left edge to the
// output's row at its right edge, in the source's colour. Rows move down by
// ExtraHeight div 9 per index as the window grows, like the rows of blocks
// beside the paint box.
#pragma once

#include <QColor>
#include <QPoint>

#include <array>
#include <cstdint>
#include <vector>

struct MatrixSegment {
  QColor colour;
  QPoint left;
  QPoint right;
  bool operator==(const MatrixSegment&) const = default;
};

// Line colour of source 0-8 (inputs A-H, then the effect return).
QColor MatrixSourceColour(int source);

// The segments for the eight outputs' routing masks (bit s = source s), in
// drawing order: sources 0 to 8, each with its outputs 0 to 7, so the effect
// return's lines come last and lie on top.
std::vector<MatrixSegment> MatrixSegments(const std::array<std::uint16_t, 8>& routing, int extraHeight, int width);
