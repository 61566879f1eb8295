// Band editing, reset, EQ bypass and the cuts: what an edit submits (each
// frame with its force flag), what the image stores and what the plot holds.
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {


class EqEditingTest : public RecordingMainTest {
 protected:
  // Runs the event loop until the 1 ms one-shot has ticked.
  static void Tick(platform::Timer* timer) {
    for (int i = 0; i < 200 && timer->Enabled(); ++i) QTest::qWait(2);
  }
  const display::ResponseCurve& Section(int plot, int s) { return main->Plots[plot]->Sections[s]->Response; }
};

TEST_F(EqEditingTest, GridEditsSubmitTheBandAndNormaliseQOnATypeChange) {
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
  grid->SetNowIndex(0);
  grid->SetEqParamValue(0, 1000.0, 25, 3.0, 0, false);
  EXPECT_EQ(main->frames.back(),
            (Frame{Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x00, 0x00, 0x96, 0x00, 0xAA, 0x00, 0x19, 0x00, 0x00, 0x10, 0x03, 0x1C}), false}));
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).BandWord(), 0x00AA0096u);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).ShapeWord(), 0x0019u);

  main->frames.clear();
  grid->SetNowIndex(1);
  grid->SetTypeValue(1, 2);
  EXPECT_EQ(grid->GetQIndex(1), 10);
  const Frame shelf{Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x00, 0x01, 0x78, 0x00, 0x65, 0x00, 0x0A, 0x02, 0x00, 0x10, 0x03, 0x2D}), false};
  EXPECT_EQ(main->frames, (std::vector<Frame>{shelf, shelf}));
  grid->SetTypeValue(1, 0);
  EXPECT_EQ(grid->GetQIndex(1), 25);
}

TEST_F(EqEditingTest, EveryGainCodeComesBackTheSame) {
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
  grid->SetNowIndex(2);
  for (int code = 0; code <= 240; ++code) {
    grid->SetEqParamValue(2, 601.5, 25, (code - 120) * 0.1, 0, false);
    ASSERT_EQ(main->UnitControl->GetPeqBand(0, 2).Gain, code);
  }
}

TEST_F(EqEditingTest, GainFaderAppliesOnTheTick) {
  Find<TExTrackBar>("isEqGainInA")->SetPosition(150);
  EXPECT_TRUE(main->frames.empty());
  Tick(main->tmEqCurve);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 0).Gain, 150);
}

TEST_F(EqEditingTest, ResetLoadsTheFactoryBandsBandZeroLast) {
  LUnitControl& image = *main->UnitControl;
  for (int b = 0; b < 7; ++b) {
    PeqBand changed = image.GetPeqBand(8, b);
    changed.Gain = 200;
    image.SetPeqBand(8, b, changed.BandWord(), changed.ShapeWord(), 1);
  }
  main->frames.clear();
  main->ResetChannelEq(8);
  std::vector<Frame> forced;
  for (const Frame& f : main->frames)
    if (f.force) forced.push_back(f);
  ASSERT_EQ(forced.size(), 7u);
  EXPECT_EQ(forced.front().bytes, Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x08, 0x06, 0x78, 0x00, 0x0E, 0x01, 0x19, 0x00, 0x00, 0x10, 0x03, 0x59}));
  EXPECT_EQ(forced.back().bytes, Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x33, 0x08, 0x00, 0x78, 0x00, 0x1F, 0x00, 0x19, 0x00, 0x00, 0x10, 0x03, 0x4F}));
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqOut1");
  for (int b = 0; b < 7; ++b) {
    EXPECT_EQ(image.GetPeqBand(8, b).BandWord(), image.GetDefaultPeqBand(8, b).BandWord()) << b;
    EXPECT_FALSE(image.GetPeqBypass(8, b)) << b;
    EXPECT_EQ(grid->GetGainStep(b), 0) << b;
    EXPECT_DOUBLE_EQ(main->Plots[8]->Sections[b]->Gain, 0.0) << b;
  }
  EXPECT_EQ(grid->GetNowIndex(), 0);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbEq1Out1")->Down());
}

TEST_F(EqEditingTest, BypassMarksTheClickedPlotAndSetsTheGroupsBits) {
  PresetImage& image = main->UnitControl->MutablePresetImage();
  for (int i = 0; i < 3; ++i) image.Inputs[i].LinkMask = 0x0007;
  ASSERT_EQ(main->GetLinkGroup(1), 0x0007);
  auto* button = Find<TDvDemoButton>("vrbEqBypassInB");
  const auto click = [&] {
    QTest::mouseClick(button, Qt::LeftButton);
  };
  const QImage unmarked = main->PlotWidget(1)->ScreenImage();
  ASSERT_FALSE(unmarked.isNull());
  click();
  EXPECT_NE(main->PlotWidget(1)->ScreenImage(), unmarked);  // the mark is shown at once
  EXPECT_EQ(main->UnitControl->GetEqBypassMask(1), 0x0007);
  EXPECT_EQ(main->frames, (std::vector<Frame>{{Hex({0x10, 0x02, 0x00, 0x01, 0x03, 0x3C, 0x01, 0x01, 0x10, 0x03, 0x3F}), false}}));
  EXPECT_EQ(main->PlotWidget(1)->OverlayText(), "BYPASS");
  EXPECT_EQ(main->PlotWidget(0)->OverlayText(), "");
  EXPECT_EQ(main->PlotWidget(2)->OverlayText(), "");
  main->frames.clear();
  click();
  EXPECT_EQ(main->UnitControl->GetEqBypassMask(1), 0);
  EXPECT_EQ(main->frames, (std::vector<Frame>{{Hex({0x10, 0x02, 0x00, 0x01, 0x03, 0x3C, 0x01, 0x00, 0x10, 0x03, 0x3E}), false}}));
  EXPECT_EQ(main->PlotWidget(1)->OverlayText(), "");
  EXPECT_EQ(main->PlotWidget(1)->ScreenImage(), unmarked);
}

TEST_F(EqEditingTest, LowCutFaderSubmitsAndTheTickSumsTheCascade) {
  Find<TUxComboBox>("uxcLowCutSlopInA")->SetItemIndex(7);  // "BW -24"
  Find<TUxBmpButton>("uxbLowCutBypassInA")->SetDown(false);
  Find<TExTrackBar>("isLowCutFreqInA")->SetPosition(100);
  EXPECT_EQ(main->frames, (std::vector<Frame>{{Hex({0x10, 0x02, 0x00, 0x01, 0x05, 0x32, 0x00, 0x64, 0x00, 0x08, 0x10, 0x03, 0x5B}), false}}));
  Tick(main->tmHpLpCurve);
  for (int i = 0; i < 4096; i += 97) {
    double sum = 0;
    for (int s = 13; s <= 17; ++s) sum += Section(0, s)[i];
    ASSERT_NEAR(Section(0, 10)[i], sum, 1e-9) << i;
  }
  EXPECT_LT(Section(0, 10)[1200], -20.0);  // well below the cut
}

TEST_F(EqEditingTest, HighCutBypassSubmitsSlopeZeroAndDrawsFlat) {
  main->frames.clear();
  Find<TExTrackBar>("isHighCutFreqInA")->SetPosition(300);
  main->frames.clear();
  auto* bypass = Find<TUxBmpButton>("uxbHighCutBypassInA");
  bypass->SetDown(true);
  main->uxbHighCutBypassInAClick(bypass);
  ASSERT_FALSE(main->frames.empty());
  EXPECT_EQ(main->frames.back(), (Frame{Hex({0x10, 0x02, 0x00, 0x01, 0x05, 0x31, 0x00, 0x2C, 0x01, 0x00, 0x10, 0x03, 0x19}), false}));
  for (double v : Section(0, 11)) ASSERT_NEAR(v, 0.0, 1e-12);
}

TEST_F(EqEditingTest, CascadesOfEqualAlignmentsAgree) {
  auto curve = [&](int slope) {
    main->ComputeHpLpCurve(true, slope, 500.0f, 10, 0);
    return Section(0, 10);
  };
  const auto bw6 = curve(1), bl6 = curve(2), lk12 = curve(5), bw24 = curve(8), lk48 = curve(20), bad = curve(25);
  for (int i = 0; i < 4096; ++i) {
    ASSERT_NEAR(lk12[i], 2 * bw6[i], 1e-9) << i;
    ASSERT_NEAR(lk48[i], 2 * bw24[i], 1e-9) << i;
    ASSERT_NEAR(bl6[i], bw6[i], 1e-9) << i;
    ASSERT_NEAR(bad[i], 0.0, 1e-12) << i;
  }
}

}  // namespace

namespace {

TEST_F(EqEditingTest, PhaseSwitchSetsTheAxesAndMagOnMagnitudeDoesNothing) {
  auto* mag = Find<QRadioButton>("rbShowGainInA");
  main->rbShowGainInAClick(mag);
  EXPECT_EQ(main->PlotWidget(0)->Model().NumHorzGrid(), 11);
  EXPECT_EQ(main->Plots[0]->PhaseMode, 0);
  main->rbShowPhaseInAClick(Find<QRadioButton>("rbShowPhaseInA"));
  EXPECT_EQ(main->Plots[0]->PhaseMode, 1);
  EXPECT_EQ(main->PlotWidget(0)->Model().NumHorzGrid(), 7);
  EXPECT_DOUBLE_EQ(main->PlotWidget(0)->Model().YLabelScale(), 10.0);
}

}  // namespace
