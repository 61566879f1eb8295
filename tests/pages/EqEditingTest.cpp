// Band editing, reset, EQ bypass and the cuts: what an edit submits (each
// frame with its force flag), what the image stores and what the plot holds.
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
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

// The analog prototype of a cut's section at s (normalised to f0): first
// order 1 / (1 + a s), second order 1 / (1 + a s + b s^2), and for a low cut
// the same in 1 / s.
std::complex<double> CutSection(bool lowCut, double a, double b, std::complex<double> s) {
  if (lowCut) s = 1.0 / s;
  return 1.0 / (1.0 + a * s + b * s * s);
}

// Each slope code against its cascade as the slope list names it: the
// Butterworth, Bessel and Linkwitz-Riley sections (order 1 with b = 0), each
// taken through the bilinear transform at 96 kHz prewarped to f0, summed in
// dB. A wrong coefficient anywhere in the tables moves some point.
TEST_F(EqEditingTest, EverySlopeCodeDrawsItsAlignmentsCascade) {
  struct Stage {
    double a, b;
  };
  const std::vector<Stage> expected[21] = {
      {},                                                                 // 0 bypassed
      {{1.0, 0}},                                                         // BW -6
      {{1.0, 0}},                                                         // BL -6
      {{1.4142, 1}},                                                      // BW -12
      {{1.3617, 0.6180}},                                                 // BL -12
      {{1.0, 0}, {1.0, 0}},                                               // LK -12
      {{1.0, 0}, {1.0, 1}},                                               // BW -18
      {{0.7560, 0}, {0.9996, 0.4772}},                                    // BL -18
      {{0.7654, 1}, {1.8478, 1}},                                         // BW -24
      {{1.3397, 0.4889}, {0.7743, 0.3890}},                               // BL -24
      {{1.4142, 1}, {1.4142, 1}},                                         // LK -24
      {{1.0, 0}, {0.6180, 1}, {1.6180, 1}},                               // BW -30
      {{0.6656, 0}, {1.1402, 0.4128}, {0.6216, 0.3245}},                  // BL -30
      {{0.5176, 1}, {1.4142, 1}, {1.9319, 1}},                            // BW -36
      {{1.2217, 0.3887}, {0.9686, 0.3505}, {0.5131, 0.2756}},             // BL -36
      {{1.0, 0}, {1.0, 0}, {1.0, 1}, {1.0, 1}},                           // LK -36
      {{1.0, 0}, {0.4450, 1}, {1.2470, 1}, {1.8019, 1}},                  // BW -42
      {{0.5937, 0}, {1.0944, 0.3395}, {0.8304, 0.3011}, {0.4332, 0.2381}},  // BL -42
      {{0.3902, 1}, {1.1111, 1}, {1.6629, 1}, {1.9616, 1}},               // BW -48
      {{1.1112, 0.3126}, {0.9754, 0.2979}, {0.7202, 0.2621}, {0.3728, 0.2087}},  // BL -48
      {{1.8478, 1}, {1.8478, 1}, {0.7654, 1}, {0.7654, 1}},               // LK -48
  };
  constexpr double kPi = 3.14159265358979323846;
  for (bool lowCut : {true, false}) {
    const double f0 = lowCut ? 500.0 : 2000.0;
    for (int code = 0; code <= 20; ++code) {
      SCOPED_TRACE((lowCut ? "low cut, code " : "high cut, code ") + std::to_string(code));
      main->ComputeHpLpCurve(lowCut, code, static_cast<float>(f0), 10, 0);
      const display::ResponseCurve& drawn = Section(0, lowCut ? 10 : 11);
      const double k = std::tan(kPi * f0 / 96000.0);
      for (int i = 300; i < 4000; i += 37) {
        const double f = std::pow(10.0, i * std::log10(48000.0) / 4096.0);
        const std::complex<double> s(0.0, std::tan(kPi * f / 96000.0) / k);
        double db = 0;
        for (const Stage& sec : expected[code]) db += 20.0 * std::log10(std::abs(CutSection(lowCut, sec.a, sec.b, s)));
        ASSERT_NEAR(drawn[static_cast<std::size_t>(i)], db, 1e-4) << "point " << i;
      }
      EXPECT_TRUE(main->PlotWidget(0)->BlockDrawn(lowCut ? 10 : 11));
    }
  }
}

// Shelf, pass and band types keep Q at 3.0 or below: a grid Q above it is
// pulled back with the type unchanged, and the Q fader stops at code 35.
TEST_F(EqEditingTest, ShapedTypesHoldQAtThree) {
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
  grid->SetNowIndex(1);
  grid->SetTypeValue(1, 2);  // High Shelf
  ASSERT_EQ(main->UnitControl->GetPeqBand(0, 1).Type, 2);
  grid->SetQValue(1, 50);  // 7.1
  EXPECT_EQ(grid->GetQIndex(1), 35);
  EXPECT_EQ(grid->GetTypeValue(1), 2);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 1).Q, 35);

  Find<TUxBmpButton>("uxbEq2InA")->Click();
  auto* q = Find<TExTrackBar>("isEqBwInA");
  q->SetPosition(60);
  EXPECT_EQ(q->Position(), 35);
  EXPECT_EQ(Find<TRoundEdit>("cvdEqBwInA")->Text(), "3.00");
  Tick(main->tmEqCurve);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 1).Q, 35);
  // A free-Q type lets the fader go on.
  grid->SetTypeValue(1, 0);
  Find<TUxBmpButton>("uxbEq2InA")->Click();
  q->SetPosition(60);
  EXPECT_EQ(q->Position(), 60);
}

// The band frequency box's arrows step the frequency fader: Left down,
// Right up, and Right at the top code stays there.
TEST_F(EqEditingTest, ArrowKeysInTheFrequencyBoxStepTheBandFrequency) {
  Find<TUxBmpButton>("uxbEq3InA")->Click();
  auto* freq = Find<TExTrackBar>("isEqFreqInA");
  auto* box = Find<TRoundEdit>("cvdEqFreqInA");
  const int start = freq->Position();
  QTest::keyClick(box->Edit(), Qt::Key_Left);
  EXPECT_EQ(freq->Position(), start - 1);
  QTest::keyClick(box->Edit(), Qt::Key_Right);
  QTest::keyClick(box->Edit(), Qt::Key_Right);
  EXPECT_EQ(freq->Position(), start + 1);
  freq->SetPosition(300);
  QTest::keyClick(box->Edit(), Qt::Key_Right);
  EXPECT_EQ(freq->Position(), 300);
  Tick(main->tmEqCurve);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 2).Frequency, 300);
}

// A bypassed band keeps its values in the image and is sent with bypass 1,
// but its section is flat.
TEST_F(EqEditingTest, BypassedBandIsKeptAndSentButDrawnFlat) {
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
  grid->SetNowIndex(3);
  grid->SetEqParamValue(3, 2000.0, 25, 6.0, 0, false);
  ASSERT_GT(*std::max_element(Section(0, 3).begin(), Section(0, 3).end()), 5.0);
  main->frames.clear();
  grid->SetBypassValue(3, true);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 3).Gain, 180);
  EXPECT_TRUE(main->UnitControl->GetPeqBypass(0, 3));
  ASSERT_FALSE(main->frames.empty());
  EXPECT_EQ(main->frames.back().bytes[14], 1);  // the bypass byte
  for (double v : Section(0, 3)) ASSERT_NEAR(v, 0.0, 1e-12);
}

// A press into a row's field selects that band: its button goes down and
// the panel shows it; nothing is stored or sent.
TEST_F(EqEditingTest, PressIntoAGridFieldPressesTheBandButton) {
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqOut3");
  grid->SetNowIndex(5);
  grid->SetEqParamValue(5, 5039.7, 25, -4.0, 0, false);
  main->CurrentChannel = 10;
  main->frames.clear();
  Find<TUxBmpButton>("uxbEq1Out3")->SetDown(true);
  QTest::mousePress(grid->GainEdit(4), Qt::LeftButton);
  EXPECT_EQ(grid->GetNowIndex(), 4);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbEq5Out3")->Down());
  EXPECT_FALSE(Find<TUxBmpButton>("uxbEq1Out3")->Down());
  EXPECT_TRUE(main->frames.empty());
}

// SHOW ALL EQ switches the plot's parameter texts of every band on and off.
TEST_F(EqEditingTest, ShowAllEqSwitchesThePlotsParameterTexts) {
  auto* button = Find<TDvPowerButton>("vrbEqShowAllOut2");
  auto* plot = main->PlotWidget(9);
  ASSERT_FALSE(plot->ParameterDisplay());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(plot->ParameterDisplay());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(plot->ParameterDisplay());
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
