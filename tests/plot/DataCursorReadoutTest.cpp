// The channels' readouts that feed the data cursor: the values and texts of
// every style, the change event, "<All>" and the fixed words.
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

}  // namespace
