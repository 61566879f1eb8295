// A time-series plot as a user would build it: a dense fast trace, a step
// trace, a digital trace and candlesticks, written to a PNG for review.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <cmath>

#include "plot/wPlot.h"
#include "plot/wPlotLegend.h"
#include "plot/wPlotToolBar.h"

namespace {

TEST(TimePlotSheet, FourStylesDrawn) {
  TwPlot plot;
  plot.resize(900, 500);
  plot.GetToolBar(0)->SetVisible(false);
  plot.GetLabel(0)->SetCaption("Time-series styles");
  plot.DisableAllTracking();
  plot.XAxis()->SetTrackingEnabled(false);
  plot.YAxis()->SetTrackingEnabled(false);
  plot.XAxis()->SetMinSpan(0, 100);
  plot.YAxis()->SetMinSpan(0, 100);
  for (int i = 0; i < 3; ++i) plot.AddChannel();
  for (int i = 0; i < 4; ++i) {
    plot.GetChannel(i)->SetXAxisTrackingEnabled(false);
    plot.GetChannel(i)->SetYAxisTrackingEnabled(false);
  }

  TwPlotChannel* fast = plot.GetChannel(0);
  fast->SetTitleText("Fast 10000");
  fast->SetColor(platform::clYellow);
  for (int i = 0; i < 10000; ++i) {
    const double x = i * 0.01;
    fast->AddXY(x, 78 + 12 * std::sin(x * 0.3) + 4 * std::sin(i * 1.7));
  }

  TwPlotChannel* step = plot.GetChannel(1);
  step->SetTitleText("Steps");
  step->SetColor(platform::clLime);
  step->SetInterpolationStyle(ipistDifferential);
  const double levels[] = {48, 55, 50, 58, 52, 46, 56};
  for (int i = 0; i < 7; ++i) step->AddXY(5 + i * 13, levels[i]);

  TwPlotChannel* digital = plot.GetChannel(2);
  digital->SetTitleText("Digital");
  digital->SetColor(platform::clAqua);
  digital->SetDigitalEnabled(true);
  digital->SetDigitalReferenceLow(30);
  digital->SetDigitalReferenceHigh(38);
  const int bits[] = {0, 1, 1, 0, 1, 0, 0, 1, 1, 1, 0};
  for (int i = 0; i < 11; ++i) digital->AddXY(i * 10, bits[i]);

  TwPlotChannel* candles = plot.GetChannel(3);
  candles->SetTitleText("Candles");
  candles->SetColor(platform::clWhite);
  candles->SetDataStyle(ipdsFullFeature);
  candles->SetTraceVisible(false);
  candles->SetHighLowEnabled(true);
  candles->SetHighLowStyle(iphlsCandleStick);
  candles->SetHighLowBarWidth(3);
  candles->SetHighLowBullishColor(platform::clLime);
  candles->SetHighLowBearishColor(platform::clRed);
  double open = 15;
  for (int i = 0; i < 19; ++i) {
    const double close = 15 + 6 * std::sin(i * 0.9);
    candles->AddHighLow(5 + i * 5, std::max(open, close) + 3, std::min(open, close) - 3, open, close);
    open = close;
  }

  const QImage img = plot.grab().toImage();
  ASSERT_FALSE(img.isNull());
  QDir().mkpath(DSP_TEST_OUT);
  const QString file = QStringLiteral(DSP_TEST_OUT) + "/time_plot.png";
  ASSERT_TRUE(img.save(file)) << file.toStdString();
  // Every channel was drawn: its colour appears in the data view.
  for (QColor c : {QColor(Qt::yellow), QColor(Qt::green), QColor(Qt::cyan), QColor(Qt::red)}) {
    bool found = false;
    for (int y = 0; y < img.height() && !found; ++y)
      for (int x = 0; x < img.width() && !found; ++x) found = img.pixelColor(x, y) == c;
    EXPECT_TRUE(found) << c.name().toStdString();
  }
}

}  // namespace
