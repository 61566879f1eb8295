// A paint device that records what is painted on it instead of pixels: each
// line, polyline, rectangle, polygon, ellipse and text with the pen and brush
// it was drawn with. A platform::Canvas on it records the plot's drawing
// calls in order, so tests can ask "two vertical lines" or "a hatched
// rectangle without outline" without reading pixels.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QBrush>
#include <QPolygonF>
#include <QString>
#include <QTextItem>

#include <memory>
#include <vector>

struct RecordedOp {
  enum Kind { Line, Polyline, Rect, Polygon, Ellipse, Path, Text, Image } kind;
  QPolygonF points;  // Line and Polyline: the points; Rect, Ellipse: the corners
  QRectF rect;
  QString text;
  QPen pen;
  QBrush brush;
  bool HasPen() const { return pen.style() != Qt::NoPen; }
  bool HasBrush() const { return brush.style() != Qt::NoBrush; }
  // A straight stroke: Canvas draws thin polylines segment by segment.
  bool IsLine() const { return (kind == Line || kind == Polyline) && points.size() == 2; }
  bool Vertical() const { return points.size() == 2 && points[0].x() == points[1].x(); }
  bool Horizontal() const { return points.size() == 2 && points[0].y() == points[1].y(); }
};

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  std::vector<RecordedOp> ops;

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & DirtyPen) pen_ = state.pen();
    if (state.state() & DirtyBrush) brush_ = state.brush();
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) Add(RecordedOp::Line, QPolygonF({lines[i].p1(), lines[i].p2()}));
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) Add(RecordedOp::Line, QPolygonF({QPointF(lines[i].p1()), QPointF(lines[i].p2())}));
  }
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) AddRect(RecordedOp::Rect, rects[i]);
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) AddRect(RecordedOp::Rect, QRectF(rects[i]));
  }
  void drawEllipse(const QRectF& r) override { AddRect(RecordedOp::Ellipse, r); }
  void drawEllipse(const QRect& r) override { AddRect(RecordedOp::Ellipse, QRectF(r)); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    QPolygonF p;
    for (int i = 0; i < count; ++i) p << points[i];
    Add(mode == PolylineMode ? RecordedOp::Polyline : RecordedOp::Polygon, p);
  }
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
    QPolygonF p;
    for (int i = 0; i < count; ++i) p << QPointF(points[i]);
    Add(mode == PolylineMode ? RecordedOp::Polyline : RecordedOp::Polygon, p);
  }
  void drawPath(const QPainterPath& path) override {
    Add(RecordedOp::Path, path.toFillPolygon());
    ops.back().rect = path.boundingRect();
  }
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    Add(RecordedOp::Text, QPolygonF({p}));
    ops.back().text = item.text();
  }
  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { AddRect(RecordedOp::Image, r); }
  void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    AddRect(RecordedOp::Image, r);
  }

 private:
  void Add(RecordedOp::Kind kind, const QPolygonF& points) {
    ops.push_back(RecordedOp{kind, points, points.boundingRect(), {}, pen_, brush_});
  }
  void AddRect(RecordedOp::Kind kind, const QRectF& r) {
    Add(kind, QPolygonF({r.topLeft(), r.bottomRight()}));
    ops.back().rect = r;
  }
  QPen pen_;
  QBrush brush_;
};

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(int width = 600, int height = 400) : width_(width), height_(height) {}
  ~RecordingDevice() override = default;
  QPaintEngine* paintEngine() const override { return &engine_; }
  std::vector<RecordedOp>& Ops() { return engine_.ops; }
  void Clear() { engine_.ops.clear(); }
  std::vector<RecordedOp> OfKind(RecordedOp::Kind kind) const {
    std::vector<RecordedOp> r;
    for (const RecordedOp& o : engine_.ops)
      if (o.kind == kind) r.push_back(o);
    return r;
  }
  std::vector<QString> Texts() const {
    std::vector<QString> r;
    for (const RecordedOp& o : engine_.ops)
      if (o.kind == RecordedOp::Text) r.push_back(o.text);
    return r;
  }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return width_;
      case PdmHeight: return height_;
      case PdmWidthMM: return width_ * 254 / 960;
      case PdmHeightMM: return height_ * 254 / 960;
      case PdmNumColors: return 0x7fffffff;
      case PdmDepth: return 32;
      case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  int width_, height_;
  mutable RecordingEngine engine_;
};
