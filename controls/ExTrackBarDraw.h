// Drawing routines the track bar's painting shares: banded gradients that
// follow GDI's pixel rules, colour blends, frames, and the anti-aliased glass
// fill and outlines of the thumb and the end buttons.
#pragma once

#include "controls/TrackBarParts.h"
#include "platform/Canvas.h"

#include <QColor>
#include <QPainterPath>

namespace trackbar {

// Each channel nearest p*a + (1-p)*b, p = percent/100; >= 100 gives a, <= 0 b.
QColor Blend(const QColor& a, const QColor& b, int percent);
// Bands from a to b along x (horizontal) or y; the far edge less 1 is split
// into steps bands (0 counts as 1), each drawn as a rectangle of its colour.
void SteppedGradient(platform::Canvas& c, const QColor& a, const QColor& b, bool horizontal,
                     const platform::TRect& r, int steps);
// The in-out directions paint a to b on the first half and b to a on the second.
void DirectedGradient(platform::Canvas& c, const QColor& a, const QColor& b, TGradientDirection dir,
                      const platform::TRect& r, int steps);
void FillSolid(platform::Canvas& c, const platform::TRect& r, const QColor& color);
// A one-pixel frame just inside r.
void FrameRect(platform::Canvas& c, const platform::TRect& r, const QColor& color);
// A rectangle with 7 x 7 corner ellipses, outline only.
void RoundOutline(platform::Canvas& c, const platform::TRect& r, const QColor& color);
// The 3D groove frame: the colour outside, a 10 % blend with white inside.
void TwoColourFrame(platform::Canvas& c, const platform::TRect& r, const QColor& color);
void Line(platform::Canvas& c, int x1, int y1, int x2, int y2, const QColor& color);
// A closed path of four 90 degree arcs of radius r joined by lines.
QPainterPath RoundRectPath(double x, double y, double w, double h, double r);

// The colours of a glass fill: upper half Color to ColorTo in kind gradient,
// lower half ColorMirrorTo to ColorMirror in kind mirror.
struct GlassColours {
  QColor color, colorTo, mirror, mirrorTo, border;
  TGDIPGradient gradient = ggVertical, gradientMirror = ggRadial;
  bool Complete() const;
};
// Anti-aliased, clipped to clip when it is not empty.
void GlassFill(QPainter& p, const QRectF& r, const GlassColours& g, const QPainterPath& clip);
// Circle (round) or square outlines: light outside, border one pixel inside.
void GlassOutline(QPainter& p, const QRectF& r, bool round, const QColor& light, const QColor& border);

}  // namespace trackbar
