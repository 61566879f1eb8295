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

// A plot whose axes map Min .. Min + Span onto given pixels: X from x0 to x1,
// Y from y0 (bottom) to y1. Nothing lays the plot out, so they stay; the axes
// do not track.
struct AxesPlot {
  TwXYPlot plot;
  TwXYPlotChannel* channel;
  AxesPlot(double xMin, double xSpan, double yMin, double ySpan, int x0 = 0, int x1 = 500, int y0 = 500,
           int y1 = 0) {
    plot.GetXAxis(0)->SetMinSpan(xMin, xSpan);
    plot.GetYAxis(0)->SetMinSpan(yMin, ySpan);
    // The scales take their pixel ends from their draw rectangles.
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(&scratch);
    plot.GetXAxis(0)->SetDrawRect({x0, 0, x1, 10});
    plot.GetXAxis(0)->CalcScaleRect(canvas);
    plot.GetYAxis(0)->SetDrawRect({0, y1, 10, y0});
    plot.GetYAxis(0)->CalcScaleRect(canvas);
    plot.DisableAllTracking();
    channel = plot.GetChannel(0);
  }
  TPoint Pixel(double x, double y) const {
    return {plot.GetXAxis(0)->PositionToPixels(x), plot.GetYAxis(0)->PositionToPixels(y)};
  }
};

}  // namespace channeltest
