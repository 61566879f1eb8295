// Channel tests: a recording canvas and an XY plot with known axes.
#pragma once

#include <QImage>

#include <vector>

#include "platform/Canvas.h"
#include "plot/wXYPlot.h"

namespace channeltest {

using platform::TPoint;
using platform::TRect;

// One shape a canvas was asked to draw, with the pen and brush of the call.
struct Shape {
  enum Kind { Polyline, Polygon, Ellipse, Rectangle } kind;
  std::vector<TPoint> points;  // Polyline, Polygon
  TRect rect;                  // Ellipse, Rectangle
  platform::TPen pen;
  platform::TBrush brush;
};

class Recorder : public platform::CanvasObserver {
 public:
  std::vector<Shape> shapes;
  void OnPolyline(const platform::Canvas& c, std::span<const TPoint> p) override { Add(Shape::Polyline, c, p, {}); }
  void OnPolygon(const platform::Canvas& c, std::span<const TPoint> p) override { Add(Shape::Polygon, c, p, {}); }
  void OnEllipse(const platform::Canvas& c, const TRect& r) override { Add(Shape::Ellipse, c, {}, r); }
  void OnRectangle(const platform::Canvas& c, const TRect& r) override { Add(Shape::Rectangle, c, {}, r); }
  std::vector<Shape> Of(Shape::Kind kind) const {
    std::vector<Shape> out;
    for (const Shape& s : shapes)
      if (s.kind == kind) out.push_back(s);
    return out;
  }

 private:
  void Add(Shape::Kind kind, const platform::Canvas& c, std::span<const TPoint> p, const TRect& r) {
    shapes.push_back({kind, std::vector<TPoint>(p.begin(), p.end()), r, c.Pen, c.Brush});
  }
};

// Draws one channel as the plot's paint does (PrepareDraw, then Draw when it
// can draw) on a recording canvas.
inline std::vector<Shape> DrawChannel(TwPlotChannelCustom* channel, int width = 600, int height = 400) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  platform::Canvas canvas(&image);
  Recorder recorder;
  canvas.Observer = &recorder;
  channel->PrepareDraw(canvas);
  if (channel->CanDraw()) channel->Draw(canvas, platform::clBlack);
  return recorder.shapes;
}

// Places an axis's scale from pixel Start (its Min) to Stop (its Max), as a
// layout pass would.
inline void SetPixelRange(TwPlotAxis* Axis, int Start, int Stop) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas canvas(&scratch);
  Axis->SetStartStacked(false);
  Axis->SetStopStacked(false);
  Axis->SetReverseScale(Axis->IsHorz() ? Start > Stop : Start < Stop);
  const int lo = std::min(Start, Stop), hi = std::max(Start, Stop);
  Axis->SetDrawRect(Axis->IsHorz() ? platform::TRect{lo, 0, hi, 20} : platform::TRect{0, lo, 20, hi});
  Axis->CalcScaleRect(canvas);
}

// A plot whose axes map Min .. Min + Span onto given pixels: X from XPixel0
// to XPixel1, Y from YPixel0 (bottom) to YPixel1.
struct AxesPlot {
  TwXYPlot plot;
  TwXYPlotChannel* channel;
  AxesPlot(double xMin, double xSpan, double yMin, double ySpan, int x0 = 0, int x1 = 500, int y0 = 500,
           int y1 = 0) {
    plot.DisableAllTracking();  // the points added must not move the axes
    plot.GetXAxis(0)->SetMinSpan(xMin, xSpan);
    plot.GetYAxis(0)->SetMinSpan(yMin, ySpan);
    SetPixelRange(plot.GetXAxis(0), x0, x1);
    SetPixelRange(plot.GetYAxis(0), y0, y1);
    channel = plot.GetChannel(0);
  }
  TPoint Pixel(double x, double y) const {
    return {plot.GetXAxis(0)->PositionToPixels(x), plot.GetYAxis(0)->PositionToPixels(y)};
  }
};

}  // namespace channeltest
