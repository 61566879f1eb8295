// XY plot: channels, point deletion, axes mapping and the drawn transfer curve.
#include "plot/wXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// The gate page's plot: 587 x 230, both axes -100..+20 dB, as the forms set it.
struct GatePlot {
  TwXYPlot plot;
  GatePlot() {
    plot.resize(587, 230);
    SetupFormPlot(&plot);
    plot.XAxis()->SetDesiredIncrement(20);
    plot.AddChannel();
    plot.GetChannel(0)->SetColor(platform::clWhite);
    plot.GetChannel(0)->SetTraceLineWidth(2);
  }
  QPoint Pixel(double x, double y) const {
    return QPoint(plot.XAxis()->PositionToPixels(x), plot.YAxis()->PositionToPixels(y));
  }
};

// True when a pixel within 1 of p has colour c.
bool Near(const QImage& img, QPoint p, const QColor& c) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (img.pixelColor(p + QPoint(dx, dy)) == c) return true;
  return false;
}

TEST(XYPlot, NewPlotHasOneChannelAndRangeChecks) {
  TwXYPlot plot;
  EXPECT_EQ(plot.ChannelCount(), 1);
  EXPECT_EQ(plot.GetChannel(0)->Name(), "Channel 1");
  EXPECT_EQ(plot.GetChannel(0)->Color(), platform::clRed);
  EXPECT_THROW(plot.GetChannel(1), std::out_of_range);
  EXPECT_THROW(plot.GetChannel(-1), std::out_of_range);
  EXPECT_EQ(plot.AddChannel(), 1);
  EXPECT_EQ(plot.GetChannel(1)->Name(), "Channel 2");
}

TEST(XYPlot, GateCurveIsDrawnBetweenItsPointsOverTheGrid) {
  GatePlot g;
  TwXYPlotChannel* ch = g.plot.GetChannel(0);
  ch->AddXY(20, 20);
  ch->AddXY(-90, -90);
  ch->AddXY(-90, -100);
  const QImage img = g.plot.grab().toImage();
  const platform::TRect r = g.plot.GetDataView(0)->DrawRect();
  const QRect view(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom));
  EXPECT_EQ(g.Pixel(-100, -100), view.bottomLeft());
  EXPECT_EQ(g.Pixel(20, 20), view.topRight());
  // Trace pixels between the mapped points, in the channel's colour.
  for (double t : {0.25, 0.5, 0.75}) {
    const double v = 20 + t * (-90 - 20);
    EXPECT_TRUE(Near(img, g.Pixel(v, v), Qt::white)) << "diagonal at " << v;
  }
  EXPECT_TRUE(Near(img, g.Pixel(-90, -95), Qt::white)) << "drop to -100";
  // A vertical grid line at -40 dB away from the trace, and none in between.
  const int x40 = g.Pixel(-40, 0).x();
  const int yProbe = g.Pixel(0, 10).y();
  EXPECT_EQ(img.pixelColor(x40, yProbe), QColor(0, 128, 0));
  EXPECT_EQ(img.pixelColor(x40 + 6, yProbe), QColor(0, 0, 0));
  EXPECT_EQ(img.pixelColor(g.Pixel(-50, 0).x(), view.top() + 40), QColor(0, 0, 0));
}

// The paint's tick build: the major labels of an axis.
QStringList MajorLabels(TwPlotAxis* a) {
  QStringList labels;
  for (int i = 0; i < a->TickListCount(); ++i)
    if (a->TickListItem(i).TickType == ipttMajor) labels << a->TickListItem(i).Text;
  return labels;
}

TEST(XYPlot, AxisLabelsEveryMajorTickThatFits) {
  GatePlot g;
  g.plot.grab();
  const QStringList every20{"-100", "-80", "-60", "-40", "-20", "0", "20"};
  EXPECT_EQ(MajorLabels(g.plot.XAxis()), every20);
  // Thirteen 10-dB labels do not fit 230 pixels; they fit a taller plot.
  EXPECT_EQ(MajorLabels(g.plot.YAxis()), every20);
  g.plot.resize(587, 529);
  g.plot.grab();
  EXPECT_EQ(MajorLabels(g.plot.YAxis()).size(), 13);
}

TEST(XYPlot, DeletePointsRemovesOldestOrAll) {
  GatePlot g;
  TwXYPlotChannel* ch = g.plot.GetChannel(1);
  EXPECT_NO_THROW(ch->DeletePoints(0)) << "deleting all of an empty channel";
  for (int i = 0; i < 4; ++i) ch->AddXY(i, 10 * i);
  ch->DeletePoints(1);
  ASSERT_EQ(ch->Count(), 3);
  EXPECT_EQ(ch->GetDataX(0), 1);
  EXPECT_EQ(ch->GetDataY(2), 30);
  ch->DeletePoints(0);
  EXPECT_EQ(ch->Count(), 3);
  EXPECT_THROW(ch->DeletePoints(4), TwException);
  EXPECT_THROW(ch->DeletePoints(-1), TwException);
  ch->DeletePoints(ch->Count());
  EXPECT_EQ(ch->Count(), 0);

  // The gate page's update: empty the curve, add the new one; the old trace is gone.
  TwXYPlotChannel* curve = g.plot.GetChannel(0);
  for (QPointF p : {QPointF(20, 20), QPointF(-90, -90), QPointF(-90, -100)}) curve->AddXY(p.x(), p.y());
  curve->DeletePoints(3);
  EXPECT_EQ(curve->Count(), 0);
  for (QPointF p : {QPointF(20, 20), QPointF(-40, -40), QPointF(-40, -100)}) curve->AddXY(p.x(), p.y());
  const QImage img = g.plot.grab().toImage();
  EXPECT_TRUE(Near(img, g.Pixel(-40, -70), Qt::white));
  EXPECT_FALSE(Near(img, g.Pixel(-90, -95), Qt::white));
}

TEST(XYPlot, MarkersDrawnOnPoints) {
  GatePlot g;
  TwXYPlotChannel* marker = g.plot.GetChannel(1);
  marker->SetColor(platform::RGB(255, 128, 128));
  marker->SetMarkersVisible(true);
  marker->SetMarkersSize(5);
  marker->AddXY(-59.8, -60.4);
  const QImage img = g.plot.grab().toImage();
  EXPECT_TRUE(Near(img, g.Pixel(-59.8, -60.4), QColor(255, 128, 128)));
}

}  // namespace
