// Plot limits: drawing by style, band elements, the grab by mouse in select
// mode and the position events.
#include <gtest/gtest.h>

#include <cmath>

#include "PlotInputFixture.h"
#include "RecordingDevice.h"

namespace {

struct LimitFixture {
  InputPlot plot;
  TwPlotLimit* limit = plot.GetLimit(plot.AddLimit());
  RecordingDevice device{400, 300};

  LimitFixture() {
    plot.XAxis()->SetMinSpan(0, 100);
    plot.YAxis()->SetMinSpan(0, 100);
  }
  std::vector<RecordedOp> Draw() {
    plot.ReCalcLayout();
    device.Clear();
    platform::Canvas canvas(&device);
    limit->Draw(canvas, platform::clBlack);
    return device.Ops();
  }
  int XPixels(double v) { return plot.XAxis()->PositionToPixels(v); }
  int YPixels(double v) { return plot.YAxis()->PositionToPixels(v); }
};

TEST(PlotLimit, NewLimitIsAHorizontalLineAtY50WhileTheAxisShowsIt) {
  LimitFixture f;
  EXPECT_EQ(f.limit->XAxisName(), "X-Axis 1");
  EXPECT_EQ(f.limit->Style(), iplsLineY);
  auto ops = f.Draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_TRUE(ops[0].IsLine());
  EXPECT_TRUE(ops[0].Horizontal());
  EXPECT_EQ(std::floor(ops[0].points[0].y()), f.YPixels(50));
  EXPECT_EQ(ops[0].pen.color(), QColor(Qt::red));
  EXPECT_TRUE(f.limit->Line1Show());

  f.plot.YAxis()->SetMin(60);
  EXPECT_TRUE(f.Draw().empty());
  EXPECT_FALSE(f.limit->Line1Show());
  // Nor with an axis name that resolves to nothing.
  f.plot.YAxis()->SetMin(0);
  f.limit->SetYAxisName("none");
  EXPECT_TRUE(f.Draw().empty());
}

TEST(PlotLimit, BandXByFillStyle) {
  LimitFixture f;
  f.limit->SetStyle(iplsBandX);
  f.limit->SetLine1Position(20);
  f.limit->SetLine2Position(40);

  f.limit->SetFillStyle(platform::bsClear);
  EXPECT_FALSE(f.limit->FillsArea());
  auto ops = f.Draw();
  ASSERT_EQ(ops.size(), 2u);
  for (const RecordedOp& o : ops) EXPECT_TRUE(o.IsLine() && o.Vertical());
  EXPECT_EQ(std::floor(ops[0].points[0].x()), f.XPixels(20));
  EXPECT_EQ(std::floor(ops[1].points[0].x()), f.XPixels(40));

  f.limit->SetFillStyle(platform::bsSolid);
  EXPECT_TRUE(f.limit->FillsArea());
  // The canvas fills the inside, then draws the outline.
  ops = f.Draw();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, RecordedOp::Rect);
  EXPECT_EQ(ops[0].brush.style(), Qt::SolidPattern);
  EXPECT_EQ(ops[1].kind, RecordedOp::Rect);
  EXPECT_TRUE(ops[1].HasPen());

  f.limit->SetFillStyle(platform::bsFDiagonal);
  ops = f.Draw();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].kind, RecordedOp::Rect);
  EXPECT_FALSE(ops[0].HasPen());
  EXPECT_EQ(ops[0].brush.style(), Qt::FDiagPattern);
  EXPECT_TRUE(ops[1].IsLine() && ops[1].Vertical());
  EXPECT_TRUE(ops[2].IsLine() && ops[2].Vertical());
  EXPECT_TRUE(f.limit->Line1Show() && f.limit->Line2Show());
}

TEST(PlotLimit, BandElementsNeedUpperNotBelowLower) {
  LimitFixture f;
  try {
    f.limit->AddBandElement(1, 5, 6);
    FAIL() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "the Upper Limit must be greater than or equal to the Lower Limit");
  }
  EXPECT_EQ(f.limit->ElementCount(), 0);
  f.limit->AddBandElement(1, 6, 5);
  EXPECT_EQ(f.limit->ElementCount(), 1);

  // A poly band draws one quadrangle per pair of elements on the axis.
  f.limit->SetStyle(iplsPolyBandY);
  EXPECT_TRUE(f.Draw().empty());
  f.limit->AddBandElement(10, 60, 40);
  f.limit->AddBandElement(20, 70, 50);
  f.limit->AddBandElement(200, 70, 50);
  f.limit->AddBandElement(300, 70, 50);
  auto ops = f.Draw();
  // The pairs from 1, 10 and 20; the pair from 200 starts beyond the axis.
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[1].kind, RecordedOp::Polygon);
  EXPECT_EQ(ops[1].points[0], QPointF(f.XPixels(10), f.YPixels(60)));
  f.limit->ClearAllElements();
  EXPECT_EQ(f.limit->ElementCount(), 0);
}

TEST(PlotLimit, DraggingTheLineNeedsSelectModeAndFiresEachMove) {
  LimitFixture f;
  f.limit->SetUserCanMove(true);
  TwPlotYAxis* y = f.plot.YAxis();
  // 10 pixels per unit.
  f.plot.ReCalcLayout();
  y->SetMinSpan(0, std::abs(y->ActualStart() - y->ActualStop()) / 10.0);
  f.plot.ReCalcLayout();
  ASSERT_NEAR(y->PixelsToPosition(100) - y->PixelsToPosition(120), 2.0, 1e-9);
  f.limit->SetLine1Position(y->PixelsToPosition(100));
  f.Draw();
  const int x = f.XPixels(50);
  const double start = f.limit->Line1Position();
  std::vector<double> moves;
  f.plot.OnLimitLine1PositionChange = [&](int Index, double, double New) {
    EXPECT_EQ(Index, 0);
    moves.push_back(New);
  };

  // Without the select state the press reaches the data view.
  f.plot.Press({x, 100});
  f.plot.Move({x, 120}, Qt::LeftButton);
  f.plot.Release({x, 120});
  EXPECT_EQ(f.limit->Line1Position(), start);
  EXPECT_TRUE(moves.empty());

  f.plot.SetToolBarSelectActive(true);
  f.Draw();
  f.plot.Press({x, 100});
  f.plot.Move({x, 110}, Qt::LeftButton);
  f.plot.Move({x, 120}, Qt::LeftButton);
  f.plot.Release({x, 120});
  EXPECT_NEAR(f.limit->Line1Position(), start - 2, 1e-9);
  EXPECT_EQ(moves.size(), 2u);
}

TEST(PlotLimit, CursorFollowsMovabilityAndBands) {
  LimitFixture f;
  TwPlotMouseData d;
  EXPECT_EQ(f.limit->GetMouseCursor(d), crDefault);
  f.limit->SetUserCanMove(true);
  f.Draw();
  EXPECT_EQ(f.limit->GetMouseCursor(d), crHandPoint);
  f.limit->SetStyle(iplsBandY);
  f.Draw();
  EXPECT_EQ(f.limit->GetMouseCursor(d), crSizeNS);
  f.limit->SetStyle(iplsBandX);
  f.Draw();
  EXPECT_EQ(f.limit->GetMouseCursor(d), crSizeWE);
}

}  // namespace
