// The data cursor on a time-series plot: snapping pointers onto data points,
// the snapping keys and the GetInterpolatedYValue probe.
#include <gtest/gtest.h>

#include "CursorFixture.h"

namespace {

// A time-series plot whose X axis runs 0 .. 100 and whose channel 0 holds
// the points X = From, From + Step, ... To (Y = 2X), snapping on.
struct SnapPlot : SeriesPlot {
  SnapPlot(double From = 0, double Step = 5, double To = 100) {
    DisableAllTracking();
    GetXAxis(0)->SetMinSpan(0, 100);
    Fill(0, From, Step, To);
    cursor->SnapToDataPoint = true;
  }
  void Fill(int Channel, double From, double Step, double To) {
    for (double x = From; x <= To; x += Step) GetChannelCustom(Channel)->AddXY(x, 2 * x);
  }
  void Key(int Code, Qt::KeyboardModifiers Mods = {}) { cursor->DoKeyDown(Code, Mods, nullptr); }
};

TEST(DataCursorSnap, ReleasedPointerLandsOnTheNearestPoint) {
  SnapPlot p;
  TwPlotDataCursor* c = p.cursor;
  const struct {
    double at, lands;
  } rows[] = {{12.5, 15}, {11, 10}, {14, 15}, {0, 0}, {100, 100}};
  for (const auto& r : rows) {
    c->SetPointer1Position(r.at);
    c->SnapPointer(1);
    EXPECT_DOUBLE_EQ(c->Pointer1Position(), r.lands) << r.at;
  }
  EXPECT_EQ(c->SnapToIndexChannel(), 0);
  EXPECT_EQ(c->SnapToIndexData(), 20);
  // Through the mouse: a drag from the middle ends on a point.
  p.ReCalcLayout();
  TwPlotDataView* dv = p.GetDataView(0);
  c->SetPointer1Position(50);
  p.ReCalcLayout();
  const int y = dv->PositionPercentToPixelsY(30);
  const QPoint from(dv->PositionPercentToPixelsX(50), y), to(dv->PositionPercentToPixelsX(33), y);
  c->wMouseDown(Qt::LeftButton, {}, from.x(), from.y(), 0, 0, nullptr);
  TwHintData hint;
  c->wMouseMove(hint, {}, to.x(), to.y(), 0, 0, false);
  c->wMouseUp(Qt::LeftButton, {}, to.x(), to.y(), 0, 0, false, nullptr);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 35);
}

TEST(DataCursorSnap, BeyondTheLastPointAndScrollingTheAxis) {
  SnapPlot p(0, 10, 80);
  TwPlotDataCursor* c = p.cursor;
  c->SetPointer1Position(95);
  c->SnapPointer(1);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 80);
  // A last point beyond Max: the axis scrolls to bring it Span / 40 inside.
  p.Fill(0, 90, 10, 120);
  int minEvents = 0;
  p.OnXAxisMinChange = [&](int, double, double) { ++minEvents; };
  p.Key(Qt::Key_End);
  EXPECT_DOUBLE_EQ(p.GetXAxis(0)->Min(), 120 - 100 + 2.5);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 97.5);
  EXPECT_EQ(minEvents, 1);
  p.Key(Qt::Key_Home);
  EXPECT_DOUBLE_EQ(p.GetXAxis(0)->Min(), -2.5);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 2.5);
}

TEST(DataCursorSnap, AllChannelsTakesTheNearestPointLowerIndexOnATie) {
  SnapPlot p(0, 10, 100);
  p.AddChannel();
  p.Fill(1, 5, 10, 95);
  TwPlotDataCursor* c = p.cursor;
  c->SetChannelName("<All>");
  c->SetPointer1Position(13);
  c->SnapPointer(1);
  EXPECT_EQ(c->SnapToIndexChannel(), 1);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 15);
  c->SetPointer1Position(12.5);  // 10 and 15 both 2.5 away
  c->SnapPointer(1);
  EXPECT_EQ(c->SnapToIndexChannel(), 0);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 10);
}

TEST(DataCursorSnap, KeysStepThroughPointsAndMoveTheHintByPixels) {
  SnapPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetPointer1Position(50);
  p.Key(Qt::Key_Right);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 55);
  p.Key(Qt::Key_PageDown);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 30);
  const double hint = c->HintPosition();
  p.Key(Qt::Key_Up);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 30);
  EXPECT_NEAR(c->HintPosition(), hint + 100.0 / p.GetDataView(0)->Height(), 1e-9);
  // Reversed axes exchange the roles.
  p.SetXYAxesReverse(true);
  p.Key(Qt::Key_Up);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 35);
  // Pointer 2 only when it shows; in ipcsDeltaY the point keys do nothing.
  p.Key(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(c->Pointer2Position(), 60);
  p.SetXYAxesReverse(false);
  c->SetStyle(ipcsDeltaY);
  const double p1 = c->Pointer1Position();
  p.Key(Qt::Key_Right);
  p.Key(Qt::Key_End);
  EXPECT_EQ(c->Pointer1Position(), p1);
  const double h = c->HintPosition();
  p.Key(Qt::Key_Down);
  EXPECT_LT(c->HintPosition(), h);
}

TEST(DataCursorSnap, XYPlotsNeverSnap) {
  CursorPlot p;
  p.GetChannel(0)->AddXY(-90, 0);
  p.cursor->SnapToDataPoint = true;
  p.cursor->SetPointer1Position(12.5);
  p.cursor->SnapPointer(1);
  EXPECT_EQ(p.cursor->Pointer1Position(), 12.5);
}

TEST(DataCursorSnap, InterpolatedYValueLeavesTheCursorAndTheAxisAsTheyWere) {
  for (bool cached : {false, true}) {
    SCOPED_TRACE(cached);
    SnapPlot p;
    TwPlotDataCursor* c = p.cursor;
    TwPlotAxis* x = p.GetXAxis(0);
    x->SetMinSpan(10, 100);
    c->UseCachedInterpolatedData = cached;
    c->SetVisible(false);
    c->SetStyle(ipcsDeltaX);
    c->SetChannelName("Other");
    c->SetPointer1Position(30);
    int events = 0;
    p.OnXAxisMinChange = [&](int, double, double) { ++events; };
    p.OnXAxisSpanChange = [&](int, double, double) { ++events; };
    p.OnXAxisMinSpanChange = [&](int, double, double, double, double) { ++events; };
    double y = -1;
    c->GetInterpolatedYValue("Channel 1", 42, y);
    EXPECT_FALSE(c->Visible());
    EXPECT_EQ(c->Style(), ipcsDeltaX);
    EXPECT_EQ(c->ChannelName(), "Other");
    EXPECT_EQ(c->Pointer1Position(), 30);
    EXPECT_EQ(x->Min(), 10);
    EXPECT_EQ(events, 0);
    // No such channel, or not a time-series one: Null and 0.
    EXPECT_EQ(c->GetInterpolatedYValue("None", 42, y), ipdpsNull);
    EXPECT_EQ(y, 0);
  }
  CursorPlot xy;
  double y = -1;
  EXPECT_EQ(xy.cursor->GetInterpolatedYValue("Channel 1", 0, y), ipdpsNull);
  EXPECT_EQ(y, 0);
}

}  // namespace
