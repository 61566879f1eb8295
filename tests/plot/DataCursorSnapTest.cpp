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

// A plot that is neither XY nor time-series, though its channels are
// TwPlotChannel.
class BarePlot : public TwPlotComponent {
 public:
  BarePlot() {
    Master()->SetChannelClass([](TwPlotComponent* o, TwNotifyEvent c, TwNotifyEvent i, TwNotifyEvent r,
                                 TwNotifyEvent n) -> TwPlotChannelCustom* {
      return new TwPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
    });
    DisableLayoutManager();
    AddXAxis();
    AddYAxis();
    AddChannel();
    AddDataView();
    AddDataCursor();
    EnableLayoutManager();
    resize(400, 300);
    FitDataView(*this, 200);
  }
};

TEST(DataCursorSnap, OnlyTimeSeriesPlotsSnap) {
  CursorPlot xy;
  xy.GetChannel(0)->AddXY(-90, 0);
  BarePlot bare;
  bare.GetChannelCustom(0)->AddXY(0, 0);
  for (TwPlotComponent* p : {static_cast<TwPlotComponent*>(&xy), static_cast<TwPlotComponent*>(&bare)}) {
    TwPlotDataCursor* c = p->GetDataCursor(0);
    c->SnapToDataPoint = true;
    c->SetPointer1Position(12.5);
    c->SnapPointer(1);
    EXPECT_EQ(c->Pointer1Position(), 12.5);
    TwPlotPopupMenu menu;
    c->AddMenuItems(&menu);
    for (int i = 0; i < menu.Count(); ++i) EXPECT_NE(menu.Item(i)->Caption(), "Snap to Data-Point");
  }
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

TEST(DataCursorSnap, InterpolatedYValueReadsTheChannelAtX) {
  // Y = 2X at X 0, 5 ... 100; the X axis from 10 over 100.
  const struct {
    bool cached;
    double at, y;
    TwPlotDataPointStatus status;
  } rows[] = {{false, 42, 84, ipdpsValid},  {true, 42, 84, ipdpsValid},   {false, 45, 90, ipdpsValid},
              {false, 5, 10, ipdpsValid},   {true, 5, 20, ipdpsValid},    // cached: read at the axis's edge
              {false, 150, 0, ipdpsEmpty},  {true, 150, 0, ipdpsEmpty}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r.cached << " " << r.at);
    SnapPlot p;
    p.GetXAxis(0)->SetMinSpan(10, 100);
    p.cursor->UseCachedInterpolatedData = r.cached;
    double y = -1;
    EXPECT_EQ(p.cursor->GetInterpolatedYValue("Channel 1", r.at, y), r.status);
    EXPECT_NEAR(y, r.y, 1e-9);
  }
}

}  // namespace
