// XY channel drawing: the point-to-point trace with its clipping, markers,
// and the mouse on points and on the legend entry.
#include <gtest/gtest.h>

#include <vector>

#include "ChannelFixture.h"
#include "plot/wPlotDataView.h"

namespace {

using namespace channeltest;

using Segment = std::vector<TPoint>;

std::vector<Segment> Segments(const std::vector<Shape>& shapes) {
  std::vector<Segment> out;
  for (const Shape& s : shapes)
    if (s.kind == Shape::Polyline) out.push_back(s.points);
  return out;
}

// The transfer-curve axes: -100 .. +20 both ways over 600 x 600 pixels.
struct CurveAxes : AxesPlot {
  CurveAxes() : AxesPlot(-100, 120, -100, 120, 0, 600, 600, 0) {}
  Segment Seg(double x1, double y1, double x2, double y2) const { return {Pixel(x1, y1), Pixel(x2, y2)}; }
};

TEST(Trace, PointToPointSegmentsInOrder) {
  CurveAxes a;
  a.channel->SetColor(platform::clWhite);
  a.channel->SetTraceLineWidth(2);
  for (auto [x, y] : {std::pair{20.0, 10.0}, {-30.0, -30.0}, {-100.0, -100.0}}) a.channel->AddXY(x, y);
  const std::vector<Shape> shapes = DrawChannel(a.channel, 700, 700);
  // Each segment runs from the point with the smaller X.
  EXPECT_EQ(Segments(shapes), (std::vector<Segment>{a.Seg(-30, -30, 20, 10), a.Seg(-100, -100, -30, -30)}));
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].pen.Color, platform::clWhite);
  EXPECT_EQ(shapes[0].pen.Width, 2);

  a.channel->SetTraceLineWidth(1);
  EXPECT_EQ(DrawChannel(a.channel, 700, 700)[0].pen.Width, 0) << "width 1 is the cosmetic pen";
}

TEST(Trace, ClippingInXAlwaysAndInYWithClipToAxes) {
  CurveAxes a;
  a.channel->AddXY(-150, 0);
  a.channel->AddXY(0, 0);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)), (std::vector<Segment>{a.Seg(-100, 0, 0, 0)}));

  // A segment leaving the Y range: drawn beyond it, or cut at Y = 20.
  a.channel->Clear();
  a.channel->AddXY(-60, -40);
  a.channel->AddXY(0, 80);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)), (std::vector<Segment>{a.Seg(-60, -40, 0, 80)}));
  a.channel->SetClipToAxes(true);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)), (std::vector<Segment>{a.Seg(-60, -40, -30, 20)}));

  // Entirely outside the X range: nothing.
  a.channel->Clear();
  a.channel->AddXY(30, 0);
  a.channel->AddXY(40, 0);
  EXPECT_TRUE(DrawChannel(a.channel, 700, 700).empty());
}

TEST(Trace, NullBreaksEmptyIsBridged) {
  CurveAxes a;
  a.channel->AddXY(-80, -80);
  a.channel->AddXY(-60, -60);
  a.channel->AddNull();
  a.channel->AddXY(-40, -40);
  a.channel->AddXY(-20, -20);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)),
            (std::vector<Segment>{a.Seg(-80, -80, -60, -60), a.Seg(-40, -40, -20, -20)}));

  a.channel->Clear();
  a.channel->AddXY(-80, -80);
  a.channel->AddEmpty();
  a.channel->AddXY(-40, -40);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)), (std::vector<Segment>{a.Seg(-80, -80, -40, -40)}));
}

TEST(Trace, SinglePointShowsOnlyItsMarker) {
  CurveAxes a;
  a.channel->AddXY(-50, -50);
  EXPECT_TRUE(DrawChannel(a.channel, 700, 700).empty());
  a.channel->SetMarkersVisible(true);
  const std::vector<Shape> shapes = DrawChannel(a.channel, 700, 700);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].kind, Shape::Ellipse);
}

TEST(Trace, WrappedRingDrawsOldestFirstNotAcrossTheSeam) {
  CurveAxes a;
  a.channel->SetRingBufferSize(3);
  for (double v : {-80, -60, -40, -20}) a.channel->AddXY(v, -v - 100);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)),
            (std::vector<Segment>{a.Seg(-60, -40, -40, -60), a.Seg(-40, -60, -20, -80)}));
}

TEST(Trace, FormCurvesDrawWithoutError) {
  CurveAxes a;
  // The gate's vertical drop and the AGC's repeated knee.
  for (auto [x, y] : {std::pair{20.0, 20.0}, {-90.0, -90.0}, {-90.0, -100.0}}) a.channel->AddXY(x, y);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)),
            (std::vector<Segment>{a.Seg(-90, -90, 20, 20), a.Seg(-90, -90, -90, -100)}));
  a.channel->Clear();
  for (auto [x, y] : {std::pair{20.0, 20.0}, {-10.0, -10.0}, {-10.0, -10.0}, {-100.0, -100.0}})
    a.channel->AddXY(x, y);
  EXPECT_EQ(Segments(DrawChannel(a.channel, 700, 700)).size(), 3u);
}

TEST(Trace, FitExtentsWidenedByMarkers) {
  AxesPlot a(0, 100, 0, 100);
  a.channel->AddXY(10, 30);
  a.channel->AddXY(60, 20);
  a.channel->AddNull();
  EXPECT_EQ(a.channel->GetFitXMax(), 60);
  EXPECT_EQ(a.channel->GetFitYMin(), 20);
  a.channel->SetMarkersVisible(true);
  a.channel->SetMarkersSize(5);
  EXPECT_DOUBLE_EQ(a.channel->GetFitXMin(), 9);
  EXPECT_DOUBLE_EQ(a.channel->GetFitYMax(), 31);
  a.channel->SetVisible(false);
  EXPECT_EQ(a.channel->GetFitXMax(), -1e300);
}

// ---- markers ----

Shape OneMarker(TwXYPlotChannel* channel, int index, TPoint centre) {
  QImage image(100, 100, QImage::Format_RGB32);
  platform::Canvas canvas(&image);
  Recorder r;
  canvas.Observer = &r;
  channel->DrawMarker(canvas, index, platform::clBlack, centre);
  EXPECT_EQ(r.shapes.size(), 1u);
  return r.shapes.empty() ? Shape{} : r.shapes[0];
}

TEST(Markers, ShapesAroundTheCentre) {
  CurveAxes a;
  a.channel->AddXY(0, 0);
  a.channel->SetMarkersVisible(true);
  a.channel->SetMarkersSize(5);
  const struct {
    TwPlotMarkerStyle style;
    Shape::Kind kind;
    std::vector<TPoint> points;
    TRect rect;
  } cases[] = {
      {ipmsCircle, Shape::Ellipse, {}, {45, 45, 55, 55}},
      {ipmsSquare, Shape::Rectangle, {}, {45, 45, 55, 55}},
      {ipmsDiamond, Shape::Polygon, {{55, 50}, {50, 55}, {45, 50}, {50, 45}}, {}},
      {ipmsTriangleUp, Shape::Polygon, {{45, 55}, {50, 50}, {55, 55}}, {}},
      {ipmsTriangleDown, Shape::Polygon, {{45, 45}, {50, 50}, {55, 45}}, {}},
      {ipmsTriangleLeft, Shape::Polygon, {{55, 45}, {50, 50}, {55, 55}}, {}},
      {ipmsTriangleRight, Shape::Polygon, {{45, 45}, {50, 50}, {45, 55}}, {}},
      {ipmsVerticalLine, Shape::Polyline, {{50, 45}, {50, 55}}, {}},
      {ipmsHorizontalLine, Shape::Polyline, {{45, 50}, {55, 50}}, {}},
  };
  for (const auto& c : cases) {
    a.channel->SetMarkersStyle(c.style);
    const Shape s = OneMarker(a.channel, 0, {50, 50});
    EXPECT_EQ(s.kind, c.kind) << c.style;
    EXPECT_EQ(s.points, c.points) << c.style;
    EXPECT_EQ(s.rect, c.rect) << c.style;
  }
}

TEST(Markers, ToolsSizeAndLegendSample) {
  CurveAxes a;
  a.channel->AddXY(0, 0);
  a.channel->SetColor(platform::RGB(255, 128, 128));
  a.channel->SetMarkersVisible(true);
  a.channel->SetMarkersSize(10);
  a.channel->SetMarkersPenWidth(3);
  const Shape legend = OneMarker(a.channel, -1, {50, 50});
  EXPECT_EQ(legend.rect, (TRect{44, 44, 56, 56})) << "the legend sample is 6 at most";
  const Shape point = OneMarker(a.channel, 0, {50, 50});
  EXPECT_EQ(point.rect, (TRect{40, 40, 60, 60}));
  EXPECT_EQ(point.pen.Width, 3);
  EXPECT_EQ(point.pen.Color, platform::RGB(255, 128, 128)) << "the channel colour";
  EXPECT_EQ(point.brush.Color, platform::RGB(255, 128, 128));
  a.channel->SetMarkersPenUseChannelColor(false);
  a.channel->SetMarkersPenColor(platform::clLime);
  EXPECT_EQ(OneMarker(a.channel, 0, {50, 50}).pen.Color, platform::clLime);

  // Individual markers: visibility and style from each point.
  a.channel->SetMarkersAllowIndividual(true);
  a.channel->SetMarkersStyle(ipmsSquare);
  a.channel->AddXY(-50, -50);
  EXPECT_EQ(OneMarker(a.channel, 0, {50, 50}).kind, Shape::Ellipse) << "point 0 was added as a circle";
  EXPECT_EQ(OneMarker(a.channel, 1, {50, 50}).kind, Shape::Rectangle);
  a.channel->SetDataNull(0, false);
  EXPECT_TRUE(a.channel->MarkerDrawable(1));
}

TEST(Markers, TurnOffLimit) {
  CurveAxes a;
  a.channel->SetMarkersVisible(true);
  a.channel->SetTraceVisible(false);
  for (int i = 0; i < 102; ++i) a.channel->AddXY(-100 + i, -50);
  EXPECT_EQ(DrawChannel(a.channel, 700, 700).size(), 102u);
  a.channel->SetMarkersTurnOffLimit(100);
  EXPECT_TRUE(DrawChannel(a.channel, 700, 700).empty());
  a.channel->SetMarkersTurnOffLimit(0);
  EXPECT_EQ(DrawChannel(a.channel, 700, 700).size(), 102u);
}

// ---- mouse ----

struct MousePlot : CurveAxes {
  std::vector<int> channelClicks, pointClicks;
  std::vector<std::vector<double>> moved;
  MousePlot() {
    plot.OnClickChannel = [this](int i) { channelClicks.push_back(i); };
    plot.OnClickDataPoint = [this](int, int d) { pointClicks.push_back(d); };
    plot.OnDataPointMoved = [this](int, int d, double ox, double oy, double nx, double ny) {
      moved.push_back({double(d), ox, oy, nx, ny});
    };
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(5);
    channel->SetUserCanMoveDataPoints(true);
    channel->SetLegendRect({0, 0, 20, 20});
  }
  // What the plot does: hit test, then press, move and release.
  void Drag(TPoint from, TPoint to) {
    TwHintData hint;
    channel->HitTest(from.X, from.Y);
    channel->wMouseDown(Qt::LeftButton, {}, from.X, from.Y, 0, 0, nullptr);
    channel->wMouseMove(hint, {}, to.X, to.Y, 0, 0, false);
    channel->wMouseUp(Qt::LeftButton, {}, to.X, to.Y, 0, 0, false, nullptr);
  }
  QString HintAt(TPoint p) {
    TwHintData hint;
    channel->HitTest(p.X, p.Y);
    channel->wMouseMove(hint, {}, p.X, p.Y, 0, 0, false);
    return hint.Text;
  }
};

TEST(ChannelMouse, WithoutSelectStateNoHintNoDragButLegendClicks) {
  MousePlot m;
  m.channel->SetShowDataPointHints(true);
  m.channel->AddXY(-50, -50);
  const TPoint p = m.Pixel(-50, -50);
  EXPECT_FALSE(m.channel->HitTest(p.X, p.Y));
  EXPECT_EQ(m.HintAt(p), "");
  m.Drag(p, {p.X + 30, p.Y - 30});
  EXPECT_EQ(m.channel->GetDataX(0), -50);
  EXPECT_EQ(m.channel->GetDataY(0), -50);
  EXPECT_TRUE(m.moved.empty());
  m.Drag({5, 5}, {5, 5});
  EXPECT_EQ(m.channelClicks, (std::vector<int>{0}));
}

TEST(ChannelMouse, SelectStateHitsHintsAndDrags) {
  MousePlot m;
  m.plot.SetToolBarSelectActive(true);
  m.channel->SetShowDataPointHints(true);
  m.channel->AddXY(-50, -50);
  const TPoint p = m.Pixel(-50, -50);
  EXPECT_TRUE(m.channel->HitTest(p.X + 4, p.Y - 5));
  EXPECT_FALSE(m.channel->HitTest(p.X + 5, p.Y)) << "the right edge is outside";
  EXPECT_EQ(m.HintAt(p), m.plot.XAxis()->GetLabelText(-50) + ", " + m.plot.YAxis()->GetLabelText(-50));

  // Y only: X stays exactly as it was.
  m.channel->SetUserCanMoveDataPointsStyle(ipcdpmsYOnly);
  m.Drag(p, {p.X + 50, p.Y - 50});
  EXPECT_EQ(m.channel->GetDataX(0), -50);
  EXPECT_DOUBLE_EQ(m.channel->GetDataY(0), -40);
  ASSERT_EQ(m.moved.size(), 1u);
  EXPECT_EQ(m.moved[0], (std::vector<double>{0, -50, -50, -50, -40}));
  EXPECT_TRUE(m.pointClicks.empty()) << "released outside the pressed marker";

  // A release inside the marker clicks the point.
  const TPoint q = m.Pixel(-50, -40);
  m.Drag(q, q);
  EXPECT_EQ(m.pointClicks, (std::vector<int>{0}));
  EXPECT_EQ(m.moved.size(), 1u) << "nothing moved";
}

TEST(ChannelMouse, CompactIntervalDragMovesYOnly) {
  MousePlot m;
  m.plot.SetToolBarSelectActive(true);
  m.channel->SetDataStyle(ipdsCompactInterval);
  m.channel->SetMarkersVisible(true);
  for (double x : {-60, -50, -40}) m.channel->AddXY(x, -50);
  const TPoint p = m.Pixel(-50, -50);
  EXPECT_NO_THROW(m.Drag(p, {p.X + 50, p.Y - 50}));
  EXPECT_EQ(m.channel->GetDataX(1), -50);
  EXPECT_DOUBLE_EQ(m.channel->GetDataY(1), -40);
}

TEST(ChannelMouse, HandCursorAndEditItem) {
  MousePlot m;
  EXPECT_EQ(m.channel->GetMouseCursor({}), crHandPoint);
  TwPlotPopupMenu menu;
  m.channel->AddMenuItems(&menu);
  ASSERT_EQ(menu.Count(), 1);
  EXPECT_EQ(menu.Item(0)->Caption(), "Edit...");
}

}  // namespace
