// Dragging handles on the response plots, and the overlays and Mag/Phase
// choice of a channel plot: real mouse events on the plot widgets, what the
// drag submits and what the plots then hold.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <ostream>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

// Frames print as hex in failure messages.
[[maybe_unused]] static void PrintTo(const Frame& f, std::ostream* os) {
  for (auto b : f.bytes) *os << QString::asprintf("%02X ", b).toStdString();
  *os << (f.force ? "forced" : "unforced");
}

namespace {

Frame Peq(int freqLo, int freqHi, int gain, int check) {
  return {Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x00, 0x00, gain, 0x00, freqLo, freqHi, 0x19, 0x00, 0x00, 0x10,
               0x03, check}),
          false};
}

class EqDragTest : public RecordingMainTest {
 protected:
  display::LMyFFTDrawHpLp6dB* plot = nullptr;
  TMyPEQAllpassBandPassStop* grid = nullptr;

  // Input A's band 0 at 1 kHz, 0 dB, Q code 25, Peak, on a plot area of
  // 479 x 360 at (42, 7): x value 966 + 6 (X - 42), y (Y - 7) / 10 from the top.
  void SetUp() override {
    RecordingMainTest::SetUp();
    plot = main->PlotWidget(0);
    grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
    grid->SetNowIndex(0);
    grid->SetEqParamValue(0, 1000.0, 25, 0.0, 0, false);
    SetArea(42, 7, 479, 360);
    main->frames.clear();
  }
  void SetArea(int left, int top, int width, int height) {
    plot->Model().SetPlotArea(left, top, left + width, top + height);
    main->RebuildPeqSections(plot);
    main->RefreshLowCutCurve(plot);
    main->RefreshHighCutCurve(plot);
  }
  static void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, int x, int y) {
    const QPointF at(x, y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton, QWidget* w = nullptr) {
    Mouse(w ? w : plot, QEvent::MouseButtonPress, b, x, y);
  }
  void Move(int x, int y) { Mouse(plot, QEvent::MouseMove, Qt::NoButton, x, y); }
  void Release(int x, int y) { Mouse(plot, QEvent::MouseButtonRelease, Qt::LeftButton, x, y); }
  static void Tick(platform::Timer* timer) {
    for (int i = 0; i < 200 && timer->Enabled(); ++i) QTest::qWait(2);
  }
  QColor TextColour(const char* box) { return Find<TRoundEdit>(box)->Edit()->palette().color(QPalette::Text); }
};

TEST_F(EqDragTest, BandDragSubmitsEveryMoveAndStopsAtTheEnds) {
  ASSERT_EQ(plot->GetBlockPos(0).X, 276);
  Press(318, 187);
  ASSERT_EQ(main->DragPoint, 0);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbEq1InA")->Down());
  Move(318, 7);  // the top: +12.0 dB
  EXPECT_EQ(main->frames, (std::vector<Frame>{Peq(0xAA, 0x00, 0xF0, 0x7A)}));
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).Gain, 240);
  EXPECT_DOUBLE_EQ(main->Plots[0]->Sections[0]->Gain, 0.0);  // redrawn on the tick
  Tick(main->tmMouseEqCurve);
  EXPECT_DOUBLE_EQ(main->Plots[0]->Sections[0]->Gain, 12.0);
  EXPECT_EQ(plot->GetBlockPos(0).Y, 60);
  EXPECT_EQ(Find<TExTrackBar>("isEqGainInA")->Position(), 240);
  EXPECT_FALSE(Find<QLabel>("lbFftParamInA")->isHidden());
  Move(318, 400);  // below the bottom: -12.0 dB
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).Gain, 0);
  Release(318, 400);
  EXPECT_EQ(main->DragPoint, -1);

  grid->SetEqParamValue(0, 1000.0, 25, 0.0, 0, false);  // back at 0 dB: stored, as no drag runs
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).Gain, 120);
  main->frames.clear();
  Press(318, 187);
  ASSERT_EQ(main->DragPoint, 0);
  Move(-50, 187);  // left of 19.7 Hz
  EXPECT_EQ(main->frames.back(), Peq(0x00, 0x00, 0x78, 0x58));
  Move(700, 187);  // right of 20160 Hz
  EXPECT_EQ(main->frames.back(), Peq(0x2C, 0x01, 0x78, 0x75));
  Move(700, 187);  // the same position again: ignored
  EXPECT_EQ(main->frames.size(), 2u);
}

TEST_F(EqDragTest, AnOutputPlotDragsItsSeventhBand) {
  Find<TUxBmpButton>("uxbMenuOut3")->Click();
  auto* out3 = main->PlotWidget(10);
  out3->Model().SetPlotArea(42, 7, 521, 367);
  main->RebuildPeqSections(out3);
  main->frames.clear();
  const int x = 42 + out3->GetBlockPos(6).X;
  Mouse(out3, QEvent::MouseButtonPress, Qt::LeftButton, x, 187);
  ASSERT_EQ(main->DragPoint, 6);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbEq7Out3")->Down());
  Mouse(out3, QEvent::MouseMove, Qt::NoButton, x, 127);  // +6.0 dB
  ASSERT_EQ(main->frames.size(), 1u);
  EXPECT_EQ(main->frames[0].bytes[6], 0x0A);
  EXPECT_EQ(main->frames[0].bytes[7], 0x06);
  EXPECT_EQ(main->UnitControl->GetPeqBand(10, 6).Gain, 180);
}

TEST_F(EqDragTest, WhatAPressGrabsAndTheHoverCursor) {
  Move(318, 187);
  EXPECT_EQ(plot->cursor().shape(), Qt::CrossCursor);
  Move(340, 187);
  EXPECT_EQ(plot->cursor().shape(), Qt::ArrowCursor);

  Press(318, 187, Qt::RightButton);
  EXPECT_EQ(main->DragPoint, -1);
  Move(318, 7);
  auto* gainIn = main->PlotWidget(16);
  gainIn->Model().SetPlotArea(42, 7, 521, 367);
  Press(318, 187, Qt::LeftButton, gainIn);
  EXPECT_EQ(main->DragPoint, -1);
  EXPECT_TRUE(main->frames.empty());

  // Band 2 on top of band 0: the lower number wins.
  grid->SetNowIndex(2);
  grid->SetEqParamValue(2, 1000.0, 25, 0.0, 0, false);
  SetArea(42, 7, 479, 360);
  Press(318, 187);
  EXPECT_EQ(main->DragPoint, 0);
  EXPECT_EQ(grid->GetNowIndex(), 0);
  Release(318, 187);

  // A band below 0 dB is dragged 1 dB under the cursor.
  grid->SetEqParamValue(0, 1000.0, 25, -3.0, 0, false);
  SetArea(42, 7, 479, 360);
  Press(318, 217);  // on the handle at -3 dB
  ASSERT_EQ(main->DragPoint, 0);
  Move(319, 217);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).Gain, 80);  // -4.0 dB
}

TEST_F(EqDragTest, LowCutDragGoesThroughTheFaderAndIsGreenUntilRelease) {
  const int x = 42 + plot->GetBlockPos(10).X;
  Press(x, 187);
  ASSERT_EQ(main->DragPoint, 10);
  const int before = Find<TExTrackBar>("isLowCutFreqInA")->Position();
  Move(x + 60, 187);  // 360 x units: 2.6 times the frequency
  const int code = Find<TExTrackBar>("isLowCutFreqInA")->Position();
  EXPECT_NEAR(code, before + 41, 1);
  EXPECT_EQ(code, static_cast<int>(main->UnitControl->GetHighLowPass(0).LowCut >> 16));
  ASSERT_FALSE(main->frames.empty());
  EXPECT_EQ(main->frames.back().bytes[5], 0x32);
  EXPECT_EQ(TextColour("cvdLowCutFreqInA"), QColor(0, 128, 0));
  Release(x + 60, 187);
  EXPECT_EQ(TextColour("cvdLowCutFreqInA"), QColor(Qt::black));
  EXPECT_EQ(main->DragPoint, -1);
}

TEST_F(EqDragTest, APlotWithoutAreaIgnoresTheMouse) {
  main->DragPoint = 3;
  SetArea(42, 7, 0, 360);
  Press(318, 187);
  EXPECT_EQ(main->DragPoint, 3);  // untouched, not even reset

  SetArea(42, 7, 479, 360);
  Press(318, 187);
  ASSERT_EQ(main->DragPoint, 0);
  plot->Model().SetPlotArea(42, 7, 521, 7);  // no height in the middle of a drag
  Move(318, 100);
  EXPECT_TRUE(main->frames.empty());
}

// ---- Overlays and the Mag/Phase choice -------------------------------------------

TEST_F(EqDragTest, ShowingBOnAsPlotDrawsBsNewSumAndPhaseKeepsTheCopy) {
  main->OverlayDirty.fill(0);
  Find<QRadioButton>("rbShowGainInA")->click();  // already magnitude: nothing happens
  EXPECT_EQ(main->OverlayDirty, decltype(main->OverlayDirty){});

  Find<TUxBmpButton>("uxbMenuInB")->Click();
  auto* gridB = Find<TMyPEQAllpassBandPassStop>("peqPeqInB");
  gridB->SetNowIndex(1);
  gridB->SetEqParamValue(1, 500.0, 25, 9.0, 0, false);
  const display::ResponseCurve sumB = main->Plots[1]->Sections[display::Plot::SumSection]->Response;
  ASSERT_GT(sumB[2500], 1.0);  // B's new band shows in its sum

  Find<TUxBmpButton>("uxbMenuInA")->Click();
  QTest::mouseClick(Find<TDvPowerButton>("vrbShowBInA"), Qt::LeftButton);
  std::vector<double> drawn;
  ASSERT_TRUE(plot->Model().GetPlotY(drawn, 19));
  ASSERT_EQ(drawn.size(), sumB.size());
  for (std::size_t i = 0; i < drawn.size(); i += 37) ASSERT_DOUBLE_EQ(drawn[i], sumB[i]) << i;

  Find<QRadioButton>("rbShowPhaseInA")->click();
  EXPECT_EQ(main->Plots[0]->PhaseMode, 1);
  EXPECT_EQ(plot->Model().NumHorzGrid(), 7);
  EXPECT_DOUBLE_EQ(plot->Model().YLabelScale(), 10.0);
  EXPECT_EQ(plot->Model().YLabel(), "");
  ASSERT_TRUE(plot->Model().GetPlotY(drawn, 19));
  for (std::size_t i = 0; i < drawn.size(); i += 37) ASSERT_DOUBLE_EQ(drawn[i], sumB[i]) << i;
  EXPECT_EQ(main->Plots[0]->Sections[19]->Response, sumB);

  Find<QRadioButton>("rbShowGainInA")->click();
  EXPECT_EQ(main->Plots[0]->PhaseMode, 0);
  EXPECT_EQ(plot->Model().NumHorzGrid(), 11);
  EXPECT_EQ(plot->Model().YLabel(), "dB");
}

}  // namespace
