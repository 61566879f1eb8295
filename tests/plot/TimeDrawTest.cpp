// Time-series channel drawing: fast, step, digital and smooth traces, bars
// and candlesticks, on a recording canvas.
#include <gtest/gtest.h>

#include <cmath>

#include "TimePlotFixture.h"
#include "controls/wMath.h"

namespace {

using channeltest::DrawChannel;
using channeltest::Shape;
using platform::TPoint;
using timetest::TimeAxesPlot;

std::vector<std::vector<TPoint>> Lines(const std::vector<Shape>& shapes) {
  std::vector<std::vector<TPoint>> out;
  for (const Shape& s : shapes)
    if (s.kind == Shape::Polyline) out.push_back(s.points);
  return out;
}

std::vector<TPoint> Seg(TPoint a, TPoint b) { return {a, b}; }

TEST(TimeDraw, StepTraces) {
  for (auto style : {ipistDifferential, ipistDifferentialTerminated}) {
    TimeAxesPlot f(0, 10, 0, 10);
    f.channel->SetInterpolationStyle(style);
    f.channel->AddXY(0, 1);
    f.channel->AddXY(2, 3);
    std::vector<std::vector<TPoint>> expected = {Seg(f.Pixel(0, 1), f.Pixel(2, 1)), Seg(f.Pixel(2, 1), f.Pixel(2, 3))};
    if (style == ipistDifferential) expected.push_back(Seg(f.Pixel(2, 3), f.Pixel(10, 3)));
    EXPECT_EQ(Lines(DrawChannel(f.channel)), expected) << style;
  }
}

TEST(TimeDraw, DigitalLevelsAndTransitions) {
  TimeAxesPlot f(0, 10, 0, 100);
  f.channel->SetDigitalEnabled(true);
  const double ys[] = {0, 0, 5, 5, 0};
  for (int i = 0; i < 5; ++i) f.channel->AddXY(i, ys[i]);
  const double lo = 10, hi = 90;  // the reference levels
  const std::vector<std::vector<TPoint>> expected = {
      Seg(f.Pixel(0, lo), f.Pixel(2, lo)), Seg(f.Pixel(2, lo), f.Pixel(2, hi)),
      Seg(f.Pixel(2, hi), f.Pixel(4, hi)), Seg(f.Pixel(4, hi), f.Pixel(4, lo))};
  EXPECT_EQ(Lines(DrawChannel(f.channel)), expected);
}

// The pixel columns a smooth trace's segments cover.
std::vector<int> Columns(const std::vector<std::vector<TPoint>>& lines) {
  std::vector<int> out;
  for (const auto& l : lines) out.push_back(l.back().X);
  return out;
}

TEST(TimeDraw, SplineBreaksAtNull) {
  TimeAxesPlot f(0, 10, 0, 10, 0, 100);
  f.channel->SetInterpolationStyle(ipistCubicSpline);
  for (double x : {0, 1, 2}) f.channel->AddXY(x, x);
  f.channel->AddXNull(3);
  for (double x : {4, 5, 6}) f.channel->AddXY(x, 6 - x);
  const auto lines = Lines(DrawChannel(f.channel));
  ASSERT_FALSE(lines.empty());
  for (const auto& l : lines) {
    // No segment spans the gap between X 2 and X 4.
    EXPECT_FALSE(l.front().X <= 20 && l.back().X >= 40) << l.front().X << " " << l.back().X;
    for (const TPoint& p : l) EXPECT_FALSE(p.X > 20 && p.X < 40) << p.X;
  }
  const auto cols = Columns(lines);
  EXPECT_EQ(cols.front(), 0);
  EXPECT_EQ(cols.back(), 60);
}

TEST(TimeDraw, PolynomialAndRationalSkipNullPoints) {
  for (auto style : {ipistPolynomial, ipistRational}) {
    TimeAxesPlot f(0, 10, 0, 10, 0, 100, 100, 0);
    f.channel->SetInterpolationStyle(style);
    f.channel->AddXY(0, 5);
    f.channel->AddXY(1, 5);
    f.channel->AddXNull(2);
    f.channel->AddXEmpty(2.5);
    f.channel->AddXY(3, 5);
    f.channel->AddXY(4, 5);
    const auto lines = Lines(DrawChannel(f.channel));
    ASSERT_FALSE(lines.empty()) << style;
    for (const auto& l : lines)
      for (const TPoint& p : l) EXPECT_EQ(p.Y, f.Pixel(0, 5).Y) << style;
  }
}

TEST(TimeDraw, SmoothRunWithEqualXDropsTheChannel) {
  TimeAxesPlot f(0, 10, 0, 10);
  f.channel->SetInterpolationStyle(ipistCubicSpline);
  for (double x : {1, 2, 2, 3}) f.channel->AddXY(x, x);
  EXPECT_TRUE(Lines(DrawChannel(f.channel)).empty());
}

// Smooth traces interpolate the draw range (the spline a few points more on
// each side), not the whole channel: a pair of equal X values far out of
// view, which no interpolation takes, leaves the trace in view alone.
TEST(TimeDraw, SmoothTracesReadOnlyAroundTheDrawRange) {
  for (auto style : {ipistCubicSpline, ipistPolynomial, ipistRational}) {
    TimeAxesPlot f(60, 10, 0, 200, 0, 100, 200, 0);
    f.channel->SetInterpolationStyle(style);
    f.channel->AddXY(0, 0);
    f.channel->AddXY(0, 1);
    auto y = [](double x) { return 100 + 30 * std::sin(x / 10); };
    for (int x = 1; x <= 200; ++x) f.channel->AddXY(x, y(x));
    const auto lines = Lines(DrawChannel(f.channel));
    ASSERT_FALSE(lines.empty()) << style;
    EXPECT_EQ(Columns(lines).front(), 0) << style;
    EXPECT_EQ(Columns(lines).back(), 100) << style;
    for (const auto& l : lines)
      for (const TPoint& p : l) EXPECT_NEAR(p.Y, 200 - y(60 + p.X / 10.0), 1) << style << " at " << p.X;
  }
}

// Zoomed in, a spline reads enough points beyond the view that its curve is
// the whole channel's curve, up to the view's ends: on a zigzag, where every
// point bends the curve, the curve through the points in view alone differs.
TEST(TimeDraw, ZoomedSplineFollowsTheWholeCurve) {
  TimeAxesPlot f(40, 20, -30, 60, 0, 100, 100, 0);
  f.channel->SetInterpolationStyle(ipistCubicSpline);
  const int n = 100;
  std::vector<double> xa{0.0}, ya{0.0}, y2;
  for (int i = 0; i < n; ++i) {
    f.channel->AddXY(i, i % 2 ? 10 : -10);
    xa.push_back(i);
    ya.push_back(i % 2 ? 10 : -10);
  }
  SplineSecondDerivatives(xa, ya, n, y2);
  ASSERT_FALSE(Lines(DrawChannel(f.channel)).empty());
  const TwPlotAxis* x = f.plot.GetXAxis(0);
  for (int c = 0; c <= 100; ++c) {
    const double at = x->PixelsToPosition(c);
    double y = 0;
    ASSERT_EQ(f.channel->GetYAtX(at, y), ipdpsValid) << c;
    EXPECT_NEAR(y, SplineInterpolate(xa, ya, y2, n, at), 1e-6) << "at X " << at;
  }
}

TEST(TimeDraw, FallingSplineIsDrawn) {
  TimeAxesPlot f(0, 10, 0, 10, 0, 100);
  f.channel->SetInterpolationStyle(ipistCubicSpline);
  for (double x : {3, 2, 1}) f.channel->AddXY(x, x * x);
  const auto lines = Lines(DrawChannel(f.channel));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(Columns(lines).front(), 10);
  EXPECT_EQ(Columns(lines).back(), 30);
  double y = 0;
  EXPECT_EQ(f.channel->GetYAtX(1.5, y), ipdpsValid);
  EXPECT_NEAR(y, 2.375, 1e-9);
}

TEST(TimeDraw, FastTraceMergesPixelColumns) {
  TimeAxesPlot f(0, 100, -2, 4, 0, 100, 400, 0);
  for (int i = 0; i < 10000; ++i) f.channel->AddXY(i * 0.01, std::sin(i * 0.37));
  const auto lines = Lines(DrawChannel(f.channel));
  EXPECT_GE(lines.size(), 190u);
  EXPECT_LE(lines.size(), 202u);
  f.channel->SetFastDrawEnabled(false);
  EXPECT_GT(Lines(DrawChannel(f.channel)).size(), 9000u);
}

TEST(TimeDraw, ThinBarIsOnePixelWide) {
  TimeAxesPlot f(0, 100, 0, 100);
  f.channel->SetBarEnabled(true);
  f.channel->SetBarWidth(0.001);
  f.channel->AddXY(50, 40);
  std::vector<Shape> rects;
  for (const Shape& s : DrawChannel(f.channel))
    if (s.kind == Shape::Rectangle) rects.push_back(s);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].rect.Right - rects[0].rect.Left, 1);
}

TEST(TimeDraw, CandleStickBodyColour) {
  TimeAxesPlot f(0, 10, 0, 20);
  f.channel->SetDataStyle(ipdsFullFeature);
  f.channel->SetHighLowEnabled(true);
  f.channel->SetHighLowStyle(iphlsCandleStick);
  f.channel->SetHighLowBearishColor(0x0000AA);
  f.channel->SetHighLowBullishColor(0x00AA00);
  f.channel->AddHighLow(5, 15, 2, 10, 5);
  f.channel->AddHighLow(6, 15, 2, 5, 10);
  std::vector<Shape> rects;
  for (const Shape& s : DrawChannel(f.channel))
    if (s.kind == Shape::Rectangle) rects.push_back(s);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].brush.Color, 0x0000AAu);
  EXPECT_EQ(rects[1].brush.Color, 0x00AA00u);
  EXPECT_EQ(rects[0].rect.Top, f.Pixel(0, 10).Y);
  EXPECT_EQ(rects[0].rect.Bottom, f.Pixel(0, 5).Y);
}

TEST(TimeDraw, OpenCloseTicksThenBar) {
  TimeAxesPlot f(0, 10, 0, 100);
  f.channel->SetDataStyle(ipdsFullFeature);
  f.channel->SetHighLowEnabled(true);
  f.channel->AddHighLow(5, 80, 20, 40, 60);
  std::vector<Shape> rects;
  for (const Shape& s : DrawChannel(f.channel))
    if (s.kind == Shape::Rectangle) rects.push_back(s);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].brush.Color, f.channel->HighLowOpenColor());
  EXPECT_EQ(rects[1].brush.Color, f.channel->HighLowCloseColor());
  EXPECT_EQ(rects[2].brush.Color, f.channel->HighLowBarColor());
  // The bar spans Low to High; the open tick lies left of it, the close tick right.
  EXPECT_EQ(rects[2].rect.Top, f.Pixel(0, 80).Y);
  EXPECT_EQ(rects[2].rect.Bottom, f.Pixel(0, 20).Y);
  EXPECT_LT(rects[0].rect.Left, rects[1].rect.Left);
}

TEST(TimeDraw, FillBreaksAtNull) {
  TimeAxesPlot f(0, 10, 0, 100);
  f.channel->SetFillEnabled(true);
  f.channel->SetFastDrawEnabled(false);
  for (double x : {1, 2}) f.channel->AddXY(x, 50);
  f.channel->AddXNull(3);
  for (double x : {4, 5}) f.channel->AddXY(x, 50);
  int polygons = 0;
  for (const Shape& s : DrawChannel(f.channel)) polygons += s.kind == Shape::Polygon;
  EXPECT_EQ(polygons, 2);
}

TEST(TimeDraw, StepReadout) {
  const struct {
    TwPlotInterpolationStyle style;
    double x;
    TwPlotDataPointStatus status;
    double y;
  } cases[] = {{ipistDifferential, 1, ipdpsValid, 1},           {ipistDifferential, 3, ipdpsValid, 3},
               {ipistDifferentialTerminated, 1, ipdpsValid, 1}, {ipistDifferential, -1, ipdpsEmpty, 0},
               {ipistStraightLine, 1, ipdpsValid, 2}};
  for (const auto& c : cases) {
    TimeAxesPlot f(-5, 10, 0, 10);
    f.channel->SetInterpolationStyle(c.style);
    f.channel->AddXY(0, 1);
    f.channel->AddXY(2, 3);
    double y = -1;
    EXPECT_EQ(f.channel->GetYAtX(c.x, y), c.status) << c.style << " " << c.x;
    EXPECT_DOUBLE_EQ(y, c.y) << c.style << " " << c.x;
  }
}

}  // namespace
