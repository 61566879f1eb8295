// The channels' readouts that feed the data cursor: the values and texts of
// every style, the change event, "<All>" and the fixed words, on the XY plot
// and on the time-series plot.
#include <gtest/gtest.h>

#include <cmath>

#include "CursorFixture.h"

namespace {

// The hint text the last paint drew; empty when none was drawn.
struct ReadoutPlot : CursorPlot {
  ReadoutPlot() {
    OnDataCursorCustomizeHint = [this](int, QString& Text) { hint = Text; };
  }
  QString Hint() {
    hint.clear();
    Shot();
    return hint;
  }
  QString hint;
};

TEST(DataCursorReadout, DefaultPointersOnTheFormsAxesRead) {
  ReadoutPlot p;
  EXPECT_EQ(p.Hint(), "-40, -28");
  EXPECT_EQ(p.cursor->ValueX(), -40);
  EXPECT_EQ(p.cursor->ValueY(), -28);
  EXPECT_EQ(p.cursor->Status(), ipdpsValid);
  TwXYPlotChannel* c = p.GetChannel(0);
  EXPECT_EQ(c->DataCursorXText, "-40");
  EXPECT_EQ(c->DataCursorYText, "-28");
  EXPECT_EQ(c->DataCursorXValue, -40);

  TwPlotAxis* x = p.XAxis();
  const struct {
    TwPlotDataCursorStyle style;
    QString text;
  } rows[] = {{ipcsValueX, "-40"},
              {ipcsValueY, "-28"},
              {ipcsDeltaX, "12"},
              {ipcsDeltaY, "12"},
              {ipcsInverseDeltaX, x->GetLabelText(1 / 12.0)}};
  for (const auto& r : rows) {
    p.cursor->SetStyle(r.style);
    EXPECT_EQ(p.Hint(), r.text) << int(r.style);
  }
  // A cursor scaler divides the inverse difference.
  x->CursorScaler = 2;
  EXPECT_EQ(p.Hint(), x->GetLabelText(1 / 24.0));
}

TEST(DataCursorReadout, EqualPointersGiveInfiniteTranslated) {
  ReadoutPlot p;
  p.cursor->SetStyle(ipcsInverseDeltaX);
  p.cursor->SetPointer2Position(50);
  EXPECT_EQ(p.Hint(), "Infinite");
  EXPECT_TRUE(std::isinf(p.cursor->ValueX()));
  p.AddTranslation("Infinite", "Unendlich");
  EXPECT_EQ(p.Hint(), "Unendlich");
  // So does a cursor scaler of 0.
  p.cursor->SetPointer2Position(60);
  p.XAxis()->CursorScaler = 0;
  EXPECT_EQ(p.Hint(), "Unendlich");
}

TEST(DataCursorReadout, ChangeEventFiresOnceForAMoveAndNotForARepaint) {
  ReadoutPlot p;
  int changes = 0;
  p.Shot();
  p.OnDataCursorChange = [&](int Index) {
    EXPECT_EQ(Index, 0);
    ++changes;
  };
  p.Shot();
  EXPECT_EQ(changes, 0);
  p.cursor->SetPointer1Position(25);
  p.Shot();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(p.cursor->ValueX(), -70);
  p.Shot();
  EXPECT_EQ(changes, 1);
  // A hidden cursor still gathers its values on every paint.
  p.cursor->SetVisible(false);
  p.cursor->SetPointer1Position(75);
  p.Shot();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(p.cursor->ValueX(), -10);
  int before = 0;
  p.OnBeforeDataCursorUpdate = [&](int) { ++before; };
  p.ReCalcLayout();  // one paint: one gathering of the hidden cursor
  EXPECT_EQ(before, 1);
}

TEST(DataCursorReadout, AllChannelsComputeAndNoHintIsDrawn) {
  ReadoutPlot p;
  p.AddChannel();
  p.GetChannel(1)->SetXAxisName("None");
  p.cursor->SetChannelName("<All>");
  EXPECT_EQ(p.Hint(), "");
  EXPECT_FALSE(p.cursor->HintShowing());
  EXPECT_EQ(p.GetChannel(0)->DataCursorXText, "-40");
  EXPECT_EQ(p.GetChannel(0)->DataCursorYText, "-28");
  EXPECT_EQ(p.GetChannel(1)->DataCursorXText, "No X-Axis");
  // The last channel's report stays with the cursor.
  EXPECT_EQ(p.cursor->CursorDisplayText(), "No X-Axis");
}

TEST(DataCursorReadout, LowerCaseAllIsAChannelNameAndNoneFoundReadsNoChannel) {
  ReadoutPlot p;
  p.cursor->SetChannelName("<all>");
  EXPECT_EQ(p.Hint(), "No Channel");
  EXPECT_TRUE(p.cursor->HintShowing());
  p.GetChannel(0)->SetName("<ALL>");
  p.cursor->SetChannelName("<all>");  // unchanged: the cache still holds none
  p.cursor->SetChannelName("x");
  p.cursor->SetChannelName("<all>");
  EXPECT_EQ(p.Hint(), "-40, -28");
  // A channel without a Y axis.
  p.GetChannel(0)->SetYAxisName("None");
  EXPECT_EQ(p.Hint(), "0, No Y-Axis");  // both axes are needed for values
}

// A time-series plot with X 0 .. 100 and Y 0 .. 1000 over a data view 200
// pixels square; channel 0 holds Y = 3X at X = 0, 10 ... 80.
struct SeriesReadout : SeriesPlot {
  SeriesReadout() {
    for (int i = 0; i < 3 && View()->Height() != 200; ++i) {
      resize(width(), height() + 200 - View()->Height());
      ReCalcLayout();
    }
    DisableAllTracking();
    XAxis()->SetMinSpan(0, 100);
    YAxis()->SetMinSpan(0, 1000);
    for (double x = 0; x <= 80; x += 10) GetChannel(0)->AddXY(x, 3 * x);
    OnDataCursorCustomizeHint = [this](int, QString& Text) { hint = Text; };
  }
  QString Hint() {
    hint.clear();
    ReCalcLayout();
    grab();
    return hint;
  }
  QString hint;
};

TEST(DataCursorReadout, TimeSeriesValueStylesReadTheChannelUnderPointerOne) {
  SeriesReadout p;
  TwPlotDataCursor* c = p.cursor;
  c->SetPointer1Position(25);  // between (20, 60) and (30, 90); pointer 2 stays at 60
  EXPECT_FALSE(c->Pointer2Show());
  const struct {
    TwPlotDataCursorStyle style;
    double pointer1;
    QString text;
    TwPlotDataPointStatus status;
  } rows[] = {{ipcsValueXY, 25, "25, 75", ipdpsValid}, {ipcsValueX, 25, "25", ipdpsValid},
              {ipcsValueY, 25, "75", ipdpsValid},      {ipcsValueXY, 40, "40, 120", ipdpsValid},
              {ipcsValueXY, 90, "90, Empty", ipdpsEmpty}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text.toStdString());
    c->SetStyle(r.style);
    c->SetPointer1Position(r.pointer1);
    EXPECT_EQ(p.Hint(), r.text);
    EXPECT_EQ(c->Status(), r.status);
  }
  c->SetStyle(ipcsValueXY);
  c->SetPointer1Position(25);
  p.Hint();
  EXPECT_DOUBLE_EQ(c->ValueX(), 25);
  EXPECT_DOUBLE_EQ(c->ValueY(), 75);
  EXPECT_EQ(p.GetChannel(0)->DataCursorYText, "75");
  // Reversed axes: pointer 1 lies across the upright X axis.
  p.SetXYAxesReverse(true);
  EXPECT_EQ(c->Pointer1Orientation(), ioHorizontal);
  EXPECT_EQ(p.Hint(), "25, 75");
}

TEST(DataCursorReadout, DigitalTimeSeriesChannelReadsHighAndLow) {
  SeriesReadout p;
  TwPlotChannel* ch = p.GetChannel(0);
  ch->Clear();
  for (int i = 0; i <= 8; ++i) ch->AddXY(10 * i, i % 2 ? 6 : 0);  // 0, 6, 0, 6 ...
  ch->SetDigitalEnabled(true);
  TwPlotDataCursor* c = p.cursor;
  c->SetPointer1Position(25);  // holds the value of X 20
  EXPECT_EQ(p.Hint(), "25, Low");
  c->SetPointer1Position(35);
  EXPECT_EQ(p.Hint(), "35, High");
  c->SetStyle(ipcsValueY);
  EXPECT_EQ(p.Hint(), "High");
  p.AddTranslation("High", "Hoch");
  EXPECT_EQ(p.Hint(), "Hoch");
  c->SetPointer1Position(90);  // past the data: no level
  EXPECT_EQ(p.Hint(), "Empty");
  ch->SetDigitalEnabled(false);
  c->SetPointer1Position(35);
  EXPECT_EQ(p.Hint(), "3");
}

TEST(DataCursorReadout, TimeSeriesDifferenceStyles) {
  SeriesReadout p;
  TwPlotAxis* x = p.XAxis();
  x->SetLabelsFormatStyle(iptfDateTime);  // the labels are times, a frequency is a value
  x->CursorScaler = 2;
  p.YAxis()->CursorScaler = 3;
  TwPlotDataCursor* c = p.cursor;
  c->SetPointer1Position(50);
  c->SetPointer2Position(60);
  c->SetStyle(ipcsInverseDeltaX);
  ASSERT_NE(x->GetCursorValueText(0.05), x->GetCursorText(0.05));
  EXPECT_EQ(p.Hint(), x->GetCursorValueText(0.05));
  EXPECT_NEAR(c->ValueX(), 1 / (10 * 2.0), 1e-12);
  // The X difference is scaled by the X axis, the Y difference not at all.
  c->SetStyle(ipcsDeltaX);
  p.Hint();
  EXPECT_NEAR(c->ValueX(), 20, 1e-9);
  c->SetStyle(ipcsDeltaY);
  x->SetLabelsFormatStyle(iptfValue);
  EXPECT_EQ(p.Hint(), "100");
  EXPECT_NEAR(c->ValueY(), 100, 1e-9);
  EXPECT_EQ(c->Status(), ipdpsValid);
  // Equal pointers, or a scaler of 0: infinite.
  c->SetStyle(ipcsInverseDeltaX);
  c->SetPointer2Position(50);
  EXPECT_EQ(p.Hint(), "Infinite");
  c->SetPointer2Position(60);
  x->CursorScaler = 0;
  EXPECT_EQ(p.Hint(), "Infinite");
  EXPECT_TRUE(std::isinf(c->ValueX()));
}

}  // namespace
