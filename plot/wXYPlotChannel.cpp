#include "plot/wXYPlotChannel.h"

#include "plot/wPlotAxis.h"

#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace {
Qt::PenStyle PenStyleOf(TwPlotLineStyle s) {
  switch (s) {
    case iplsDash: return Qt::DashLine;
    case iplsDot: return Qt::DotLine;
    case iplsDashDot: return Qt::DashDotLine;
    case iplsDashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}
}  // namespace


int TwXYPlotChannel::AddXY(double x, double y) {
  FPoints.emplace_back(x, y);
  DoChange();
  return Count() - 1;
}

void TwXYPlotChannel::DeletePoints(int n) {
  if (n == Count()) return Clear();
  if (n < 0 || n > Count()) throw std::out_of_range("Delete size out of Range");
  if (n == 0) return;
  FPoints.erase(FPoints.begin(), FPoints.begin() + n);
  DoChange();
}

void TwXYPlotChannel::Clear() {
  FPoints.clear();
  DoChange();
}

void TwXYPlotChannel::SetTraceVisible(bool v) { if (v != FTraceVisible) { FTraceVisible = v; DoChange(); } }
void TwXYPlotChannel::SetTraceLineWidth(int v) { FTraceLineWidth = v; DoChange(); }
void TwXYPlotChannel::SetTraceLineStyle(TwPlotLineStyle v) { FTraceLineStyle = v; DoChange(); }
void TwXYPlotChannel::SetMarkersVisible(bool v) { FMarkersVisible = v; DoChange(); }
void TwXYPlotChannel::SetMarkersSize(int v) { FMarkersSize = v; DoChange(); }
void TwXYPlotChannel::SetMarkersStyle(TwPlotMarkerStyle v) { FMarkersStyle = v; DoChange(); }
void TwXYPlotChannel::SetMarkersPenWidth(int v) { FMarkersPenWidth = v; DoChange(); }

void TwXYPlotChannel::Draw(platform::Canvas& Canvas, platform::TColor) {
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  if (x && y) Draw(Canvas.Painter(), *x, *y);
}

void TwXYPlotChannel::Draw(QPainter& p, const TwPlotAxis& x, const TwPlotAxis& y) const {
  if (!Visible() || FPoints.empty()) return;
  std::vector<QPointF> px;
  px.reserve(FPoints.size());
  for (const QPointF& pt : FPoints) px.emplace_back(x.PositionToPixels(pt.x()), y.PositionToPixels(pt.y()));
  if (FTraceVisible) drawTrace(p, px);
  if (FMarkersVisible)
    for (const QPointF& c : px) drawMarker(p, c);
}

void TwXYPlotChannel::drawTrace(QPainter& p, const std::vector<QPointF>& px) const {
  if (px.size() < 2) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(Color(), std::max(1, FTraceLineWidth), PenStyleOf(FTraceLineStyle), Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(px.data(), int(px.size()));
  p.restore();
}

void TwXYPlotChannel::drawMarker(QPainter& p, const QPointF& c) const {
  const double r = FMarkersSize;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Color(), std::max(1, FMarkersPenWidth)));
  p.setBrush(Color());
  const double x = c.x(), y = c.y();
  switch (FMarkersStyle) {
    case ipmsCircle: p.drawEllipse(c, r, r); break;
    case ipmsSquare: p.drawRect(QRectF(x - r, y - r, 2 * r, 2 * r)); break;
    case ipmsDiamond: {
      const QPointF d[4] = {{x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}};
      p.drawPolygon(d, 4);
      break;
    }
    case ipmsCross: p.drawLine(QPointF(x + r, y + r), QPointF(x - r, y - r)); p.drawLine(QPointF(x + r, y - r), QPointF(x - r, y + r)); break;
    case ipmsPlus: p.drawLine(QPointF(x, y + r), QPointF(x, y - r)); p.drawLine(QPointF(x + r, y), QPointF(x - r, y)); break;
    case ipmsTriangleUp: { const QPointF t[3] = {{x - r, y + r}, {x, y}, {x + r, y + r}}; p.drawPolygon(t, 3); break; }
    case ipmsTriangleDown: { const QPointF t[3] = {{x - r, y - r}, {x, y}, {x + r, y - r}}; p.drawPolygon(t, 3); break; }
    case ipmsTriangleLeft: { const QPointF t[3] = {{x + r, y - r}, {x, y}, {x + r, y + r}}; p.drawPolygon(t, 3); break; }
    case ipmsTriangleRight: { const QPointF t[3] = {{x - r, y - r}, {x, y}, {x - r, y + r}}; p.drawPolygon(t, 3); break; }
    case ipmsVerticalLine: p.drawLine(QPointF(x, y - r), QPointF(x, y + r)); break;
    case ipmsHorizontalLine: p.drawLine(QPointF(x - r, y), QPointF(x + r, y)); break;
    case ipmsCharacter: break;  // character markers come with the marker font
  }
  p.restore();
}
