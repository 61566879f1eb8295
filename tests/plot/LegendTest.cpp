// Plot legend: wrapping and scrolling, the properties' rules, the line
// sample, the cell texts, and a click on a name.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "PlotInputFixture.h"
#include "RecordingDevice.h"

namespace {

struct LegendFixture {
  TwXYPlot plot;
  TwPlotLegend* legend = plot.GetLegend(0);
  RecordingDevice device{600, 600};

  int CharHeight() {
    platform::Canvas canvas(&device);
    canvas.Font = legend->Font();
    return canvas.TextHeight(QStringLiteral("0"));
  }
  // A vertical legend with room for Rows rows.
  void Room(int Rows) {
    const int h = CharHeight(), s = int(std::nearbyint(h * legend->RowSpacing()));
    const int margins = 2 * int(std::nearbyint(h * legend->MarginTop()));
    legend->SetDrawRect({300, 10, 590, 10 + margins + Rows * (h + s) - s + 2});
  }
  std::vector<QString> Draw() {
    device.Clear();
    platform::Canvas canvas(&device);
    legend->GetRequiredWidth(canvas);
    legend->Draw(canvas, platform::clBlack);
    return device.Texts();
  }
};

std::vector<QString> Names(int First, int Last) {
  std::vector<QString> names;
  for (int i = First; i <= Last; ++i) names.push_back(QStringLiteral("Channel %1").arg(i + 1));
  return names;
}

TEST(PlotLegend, TwelveChannelsInFiveRowsScrollByOne) {
  LegendFixture f;
  while (f.plot.ChannelCount() < 12) f.plot.AddChannel();
  f.legend->SetWrapColDesiredCount(1);
  f.legend->SetWrapRowDesiredCount(5);
  ASSERT_FALSE(f.legend->WrapColAutoCountEnabled());
  ASSERT_FALSE(f.legend->Horizontal());
  f.Room(5);
  EXPECT_EQ(f.Draw(), Names(0, 4));
  EXPECT_EQ(f.legend->WrapRowCount(), 5);
  EXPECT_EQ(f.legend->WrapColCount(), 1);
  EXPECT_EQ(f.legend->ViewStopIndex(), 4);
  TwPlotLegendButton* up = f.legend->UpButton();
  TwPlotLegendButton* down = f.legend->DownButton();
  ASSERT_TRUE(up->Visible() && down->Visible());
  EXPECT_EQ(up->Width(), 17);
  EXPECT_EQ(up->Height(), 17);
  EXPECT_FALSE(up->Enabled());
  EXPECT_TRUE(down->Enabled());

  down->OnClick(down);
  EXPECT_EQ(f.Draw(), Names(1, 5));
  EXPECT_TRUE(up->Enabled());
  // Only the shown entries get legend rectangles.
  EXPECT_TRUE(f.plot.GetChannel(0)->LegendRect().IsEmpty());
  EXPECT_FALSE(f.plot.GetChannel(1)->LegendRect().IsEmpty());
}

TEST(PlotLegend, PropertyRules) {
  LegendFixture f;
  f.legend->SetWrapRowDesiredCount(0);
  EXPECT_EQ(f.legend->WrapRowDesiredCount(), 1);
  f.legend->SetWrapColDesiredCount(-3);
  EXPECT_EQ(f.legend->WrapColDesiredCount(), 1);
  f.legend->SetRowSpacing(0.75);
  EXPECT_EQ(f.legend->WrapRowSpacingMin(), 0.75);
  f.legend->SetWrapRowSpacingMin(0.5);
  EXPECT_EQ(f.legend->RowSpacing(), 0.5);
  EXPECT_EQ(f.legend->LineColumnHeight(), 3);
}

TEST(PlotLegend, ZeroWidthEntriesStillFit) {
  LegendFixture f;
  f.legend->SetHorizontal(true);
  f.legend->SetWrapColSpacingMin(0);
  f.legend->SetShowColumnLine(false);
  f.legend->SetWrapColAutoCountEnabled(true);
  TwXYPlotChannel* c = f.plot.GetChannel(0);
  c->SetTitleText("");
  c->SetName("");
  f.Room(3);
  f.Draw();
  EXPECT_EQ(f.legend->ItemCount(), 1);
  EXPECT_GE(f.legend->WrapColCount(), 1);
}

TEST(PlotLegend, FormsSetTheirLegendValues) {
  TwXYPlot plot;
  SetupFormPlot(&plot);
  TwPlotLegend* legend = plot.GetLegend(0);
  EXPECT_EQ(legend->Font().Name, "MS Sans Serif");
  EXPECT_EQ(legend->Font().Height, -11);
  EXPECT_EQ(legend->Font().Color, platform::clWhite);
  EXPECT_EQ(legend->SelectedItemFont().Color, platform::clBlack);
  EXPECT_EQ(legend->ColumnTitlesFont().Color, platform::clAqua);
  EXPECT_EQ(legend->WrapRowDesiredCount(), 5);
  EXPECT_EQ(legend->LineColumnHeight(), 3);
  EXPECT_FALSE(legend->Visible());
  EXPECT_FALSE(legend->Enabled());
}

TEST(PlotLegend, LineSampleIsLineColumnHeightPlusOneRowsThick) {
  LegendFixture f;
  f.Room(3);
  QImage image(600, 600, QImage::Format_RGB32);
  auto rows = [&] {
    image.fill(Qt::black);
    platform::Canvas canvas(&image);
    f.legend->GetRequiredWidth(canvas);
    f.legend->Draw(canvas, platform::clBlack);
    const int x = f.legend->Item(0).ALeft + 6;
    std::set<int> ys;
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y) == QColor(Qt::red)) ys.insert(y);
    return ys;
  };
  std::set<int> ys = rows();
  ASSERT_EQ(ys.size(), 4u);
  EXPECT_EQ(*ys.rbegin() - *ys.begin(), 3);
  f.legend->SetLineColumnHeight(0);
  EXPECT_EQ(rows().size(), 1u);
}

// The colour of a name follows ChannelNameColorStyle.
TEST(PlotLegend, NameColourFollowsItsStyle) {
  LegendFixture f;
  f.Room(3);
  f.plot.GetChannel(0)->SetColor(0x00FF00);
  platform::TFont x = f.plot.XAxis()->LabelsFont(), y = f.plot.YAxis()->LabelsFont();
  x.Color = 0x123456;
  y.Color = 0x654321;
  f.plot.XAxis()->SetLabelsFont(x);
  f.plot.YAxis()->SetLabelsFont(y);
  const struct {
    TwPlotLegendChannelNameColorStyle style;
    platform::TColor color;
  } cases[] = {{iplcncsFont, f.legend->Font().Color},
               {iplcncsChannelColor, 0x00FF00},
               {iplcncsXAxisFontColor, 0x123456},
               {iplcncsYAxisFontColor, 0x654321}};
  for (const auto& c : cases) {
    f.legend->SetChannelNameColorStyle(c.style);
    f.Draw();
    int names = 0;
    for (const RecordedOp& op : f.device.OfKind(RecordedOp::Text)) {
      if (op.text != QStringLiteral("Channel 1")) continue;
      ++names;
      EXPECT_EQ(op.pen.color(), platform::ToQColor(c.color)) << c.style;
    }
    EXPECT_EQ(names, 1) << c.style;
  }
}

// With ChannelNameMaxWidth a long name wraps at its spaces onto more lines.
TEST(PlotLegend, LongNamesWrapAtWords) {
  LegendFixture f;
  f.Room(5);
  f.plot.GetChannel(0)->SetTitleText(QStringLiteral("one two three"));
  f.legend->SetChannelNameMaxWidth(6);
  f.Draw();
  // The lines drawn in the name's rectangle (measuring draws elsewhere).
  const platform::TRect r = f.plot.GetChannel(0)->LegendRect();
  std::set<double> lines;
  QString drawn;
  for (const RecordedOp& op : f.device.OfKind(RecordedOp::Text)) {
    const QPointF at = op.points[0];
    if (at.x() < r.Left || at.x() >= r.Right || at.y() < r.Top || at.y() > r.Bottom) continue;
    lines.insert(at.y());
    drawn += op.text;
  }
  EXPECT_GE(lines.size(), 2u) << drawn.toStdString();
  for (const char* word : {"one", "two", "three"}) EXPECT_TRUE(drawn.contains(word)) << drawn.toStdString();
}

TEST(PlotLegend, CellTextsForMissingPointsAndAxes) {
  LegendFixture f;
  f.legend->SetShowColumnXValue(true);
  f.legend->SetShowColumnYValue(true);
  f.legend->SetShowColumnYMax(true);
  f.legend->SetShowColumnYMin(true);
  f.legend->SetShowColumnYMean(true);
  f.legend->SetShowColumnYAxisTitle(true);
  f.Room(3);
  auto texts = f.Draw();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QString("Empty")), 5);

  TwXYPlotChannel* c = f.plot.GetChannel(0);
  c->AddXY(1, 2);
  c->SetYAxisName("No such axis");
  texts = f.Draw();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QString("N/A")), 4);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QString("None")), 1);
  EXPECT_EQ(f.legend->XValueText(c), f.plot.XAxis()->GetLegendText(1));

  // Translated.
  f.plot.AddTranslation("N/A", "n.v.");
  texts = f.Draw();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), QString("n.v.")), 4);
}

TEST(PlotLegend, NothingListedDrawsNothingAndNeedsOnlyItsMargins) {
  LegendFixture f;
  f.plot.AddChannel();
  for (int i = 0; i < f.plot.ChannelCount(); ++i) f.plot.GetChannel(i)->SetVisibleInLegend(false);
  f.Room(3);
  platform::Canvas canvas(&f.device);
  canvas.Font = f.legend->Font();
  const int margins = 2 * int(std::nearbyint(canvas.TextWidth("0") * 1.0));
  EXPECT_EQ(f.legend->GetRequiredWidth(canvas), margins);
  f.legend->Draw(canvas, platform::clBlack);
  EXPECT_TRUE(f.device.Ops().empty());
}

TEST(PlotLegend, AClickOnANameSelectsItsChannel) {
  InputPlot plot;
  TwPlotLegend* legend = plot.GetLegend(0);
  legend->SetVisible(true);
  legend->SetEnabled(true);
  plot.AddChannel();
  plot.ReCalcLayout();
  const platform::TRect r = plot.GetChannel(1)->LegendRect();
  ASSERT_FALSE(r.IsEmpty());
  int clicks = 0;
  plot.OnClickLegend = [&](int) { ++clicks; };
  plot.Click({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  EXPECT_TRUE(plot.GetChannel(1)->UserSelected());
  EXPECT_FALSE(plot.GetChannel(0)->UserSelected());
  // A click beside the names is a click on the legend.
  plot.Click({(r.Left + r.Right) / 2, legend->Bottom() - 2});
  EXPECT_EQ(clicks, 1);
}

}  // namespace
