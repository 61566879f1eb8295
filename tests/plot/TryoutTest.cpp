// A window as a new user would meet it: an XY plot with its legend (three
// channels, one selected), a limit band, a table of two rows and a text and a
// rectangle annotation, shown and written to a PNG for review. Run it under
// xvfb-run with QT_QPA_PLATFORM=xcb to see it on a real X screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

#include "plot/wXYPlot.h"

namespace {

TEST(PlotTryout, LegendLimitTableAndAnnotationsInAWindow) {
  TwXYPlot plot;
  plot.setWindowTitle("Plot tryout");
  plot.resize(720, 420);
  plot.SetTitleText("Transfer curves");
  for (int i = 0; i < 3; ++i) {
    if (i >= plot.ChannelCount()) plot.AddChannel();
    TwXYPlotChannel* c = plot.GetChannel(i);
    c->SetTitleText(QStringList{"Gate", "Compressor", "Limiter"}[i]);
    for (int x = 0; x <= 100; x += 5) c->AddXY(x, 50 + (30 - 10 * i) * std::sin((x + 20 * i) / 16.0));
  }
  plot.XAxis()->SetTrackingEnabled(false);
  plot.YAxis()->SetTrackingEnabled(false);
  plot.XAxis()->SetMinSpan(0, 100);
  plot.YAxis()->SetMinSpan(0, 100);
  plot.GetChannel(1)->SetUserSelected(true);

  TwPlotLegend* legend = plot.GetLegend(0);
  legend->SetShowColumnYValue(true);
  legend->SetColumnTitlesVisible(true);

  TwPlotLimit* band = plot.GetLimit(plot.AddLimit());
  band->SetStyle(iplsBandY);
  band->SetLine1Position(40);
  band->SetLine2Position(60);
  band->SetFillStyle(platform::bsFDiagonal);
  band->SetColor(platform::TColor(0x0080FF));

  TwPlotTable* table = plot.GetTable(plot.AddTable());
  table->SetZOrder(3);
  table->AddColumn("Band");
  table->AddColumn("Low");
  table->AddColumn("High");
  table->SetRowText(table->AddRow(), "Limit\n40\n60");
  table->SetRowText(table->AddRow(), "Target\n45\n55");

  TwPlotAnnotation* text = plot.GetAnnotation(plot.AddAnnotation());
  text->SetX(25);
  text->SetY(88);
  text->SetText("Knee");
  TwPlotAnnotation* box = plot.GetAnnotation(plot.AddAnnotation());
  box->SetStyle(ipasRectangle);
  box->SetX(70);
  box->SetY(25);
  box->SetWidth(16);
  box->SetHeight(14);
  box->SetBrushStyle(platform::bsClear);
  box->SetPenColor(platform::clYellow);

  plot.show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QImage shot = plot.grab().toImage();
  EXPECT_FALSE(plot.GetChannel(2)->LegendRect().IsEmpty());
  EXPECT_EQ(table->RowDisplayStopIndex(), 1);
  EXPECT_TRUE(band->Line1Show());
  EXPECT_TRUE(box->Showing());
  QDir().mkpath(QStringLiteral(DSP_TEST_OUT));
  EXPECT_TRUE(shot.save(QStringLiteral(DSP_TEST_OUT) + "/plot-tryout.png"));
  if (QGuiApplication::platformName() == "xcb")
    QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(DSP_TEST_OUT) + "/plot-tryout-screen.png");
}

}  // namespace
