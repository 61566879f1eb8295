// The refresh pass and the curve overlays: every page shows the image, the
// pass submits nothing and always ends with Updating clear, values outside a
// control's list never stop it, and overlays copy and draw lazily.
#include <QLabel>
#include <QLineEdit>

#include <vector>

#include "MainWindowFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

class RecordingMain : public TfmMain {
 public:
  int submitted = 0;
  void SendCommand(const LCmd&, bool) override { ++submitted; }
};

class RefreshTest : public MainWindowTest {
 protected:
  RecordingMain* main = nullptr;
  void SetUp() override {
    MainWindowTest::SetUp();
    main = new RecordingMain();
    fmMain = main;
    main->FormCreate();
    main->tmStartConnect->SetEnabled(false);
  }
  template <typename T>
  T* Find(const QString& name) const {
    T* c = main->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  PresetImage& Image() { return main->UnitControl->MutablePresetImage(); }
  bool Down(const char* name) const { return Find<TUxBmpButton>(name)->Down(); }
  bool Enabled(const char* name) const { return Find<QWidget>(name)->isEnabled(); }
};

TEST_F(RefreshTest, PassShowsTheImageAndSubmitsNothing) {
  PresetImage& im = Image();
  main->CurrentPreset = 7;
  main->CurrentChannel = 10;
  im.Inputs[2].Sensitivity = 0;
  im.Inputs[2].Phantom = 1;
  im.Inputs[3].Sensitivity = 21;
  im.Inputs[1].Gain = 300;
  im.Outputs[2].Gain = 200;
  im.Outputs[2].Polarity = 1;
  im.Outputs[4].Delay = 4800;
  im.Outputs[0].MixLevel[8] = 100;
  im.Inputs[4].Peq[2] = {130, 200, 35, 2};
  im.InputBandBypass[4] = 1u << 2;
  im.OutputEqBypass = 1u << 3;
  const int inputPanelGain = Find<TExTrackBar>("isGainInA")->Position();
  main->submitted = 0;
  main->ApplyUnitModel();

  EXPECT_EQ(main->submitted, 0);
  EXPECT_FALSE(main->Updating);
  EXPECT_EQ(Find<QLabel>("lbPstNum")->text(), "U07");
  // The output panel shows output 3; the input panel keeps what it showed.
  EXPECT_EQ(Find<TExTrackBar>("isGainOut1")->Position(), -80);
  EXPECT_EQ(Find<TRoundEdit>("cvdGainOut1")->Text(), "-8.0dB");
  EXPECT_TRUE(Down("uxbPhaseOut1"));
  EXPECT_EQ(Find<TExTrackBar>("isGainInA")->Position(), inputPanelGain);
  // Input C at line level: phantom up and the level controls greyed.
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineBackupInC")->Caption(), "Line");
  EXPECT_EQ(Find<TUxComboBox>("uxcLineBackupInC")->ItemIndex(), 50);
  EXPECT_FALSE(Down("uxbPhantomBackupInC"));
  for (const char* n : {"uxbPhantomBackupInC", "uxcLineBackupInC", "udLineBackupInC"}) EXPECT_FALSE(Enabled(n)) << n;
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineBackupInD")->Caption(), "Mic");
  EXPECT_EQ(Find<TUxComboBox>("uxcLineBackupInD")->ItemIndex(), 30);
  EXPECT_TRUE(Enabled("udLineBackupInD"));
  // Mirror strips, delay, matrix.
  EXPECT_EQ(Find<TRoundEdit>("cvdGainBackupInB")->Text(), "+2.0dB");
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhaseBackupOut3")->Caption(), "Inverse");
  EXPECT_EQ(Find<TExTrackBar>("isDelayOut5")->Position(), 4800);
  EXPECT_EQ(Find<TExTrackBar>("isDelayInA")->Position(), 0);
  EXPECT_EQ(Find<TUpDown>("udAuxMatrixOut1")->Position(), -180);
  // The grids hold their bands with band 1 selected; the plots are rebuilt.
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInE");
  EXPECT_EQ(grid->GetNowIndex(), 0);
  EXPECT_EQ(grid->FrequencyEdit(2)->text(), "2.00KHz");
  EXPECT_EQ(grid->GainEdit(2)->text(), "1dB");
  EXPECT_TRUE(grid->GetBypassValue(2));
  EXPECT_TRUE(Down("uxbEq1InE"));
  EXPECT_EQ(main->Plots[4]->Sections[2]->Type, display::PlotFilterType::Flat);
  EXPECT_NEAR(main->Plots[4]->Sections[2]->Freq, 2000.0, 0.01);
  im.InputBandBypass[4] = 0;
  main->ApplyUnitModel();
  EXPECT_EQ(main->Plots[4]->Sections[2]->Type, display::PlotFilterType::HighShelf);
  EXPECT_NEAR(main->Plots[4]->Sections[2]->Gain, 1.0, 1e-9);
  EXPECT_EQ(Find<display::LMyFFTDrawHpLp6dB>("fftDrawOut4")->OverlayText(), "BYPASS");
  EXPECT_EQ(Find<display::LMyFFTDrawHpLp6dB>("fftDrawOut3")->OverlayText(), "");

  main->CurrentPreset = 0;
  main->ApplyUnitModel();
  EXPECT_EQ(Find<QLabel>("lbPstNum")->text(), "F00");
  EXPECT_EQ(main->submitted, 0);
}

// Values from a file or the processor beyond any control's list complete the
// pass (under the sanitizers) and leave those controls alone.
TEST_F(RefreshTest, OutOfRangeValuesDoNotEndThePass) {
  PresetImage& im = Image();
  main->CurrentChannel = 0;
  im.Inputs[0].Peq[1] = {120, 170, 150, 12};
  im.Inputs[0].LowCut = {25, 100};
  im.Inputs[0].FeedbackLevel = 7;
  im.Inputs[0].Sensitivity = 60;
  im.Outputs[7].Gain = 9000;
  im.DelayUnit = 9;
  main->ApplyUnitModel();
  EXPECT_FALSE(main->Updating);
  auto* grid = Find<TMyPEQAllpassBandPassStop>("peqPeqInA");
  EXPECT_EQ(grid->QEdit(1)->text(), "128.00");
  EXPECT_EQ(grid->GetTypeValue(1), -1);
  EXPECT_TRUE(Down("uxbLowCutBypassInA"));
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupOut8")->Position(), 120);
  // The steps after the channels still ran: band 1 is selected everywhere.
  EXPECT_TRUE(Down("uxbEq1Out8"));
  EXPECT_TRUE(Down("uxbEq1Eff"));
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 1).Q, 150) << "the image keeps the raw bytes";
}

TEST_F(RefreshTest, OverlaysCopyLazilyAndDrawWhenShown) {
  main->CurrentChannel = 0;
  std::fill(main->OverlayDirty.begin(), main->OverlayDirty.end(), 0u);
  main->UnitControl->SetPeqBand(1, 0, PeqBand{150, 170, 20, 0}.BandWord(), PeqBand{150, 170, 20, 0}.ShapeWord(), 0);
  for (int p = 0; p < 8; ++p) EXPECT_EQ(main->OverlayDirty[p], 2u) << p;
  EXPECT_EQ(main->OverlayDirty[16], 2u);
  EXPECT_EQ(main->OverlayDirty[8], 0u);
  // Input B's plot gets a curve of its own to copy.
  main->Plots[1]->Sections[0]->SetFilter(3.0, 1000.0, 1.26, display::PlotFilterType::Peak);
  main->Plots[1]->DrawSum(1);
  auto* show = Find<TDvPowerButton>("vrbShowBInA");
  bool clicked = false;
  show->OnClick = [&](QObject*) { clicked = true; };
  show->SetActive(true);
  EXPECT_FALSE(clicked);
  main->RefreshChannelOverlays(0);
  EXPECT_EQ(main->Plots[0]->Sections[19]->Response, main->Plots[1]->Sections[12]->Response);
  EXPECT_GT(main->Plots[0]->Sections[19]->Response[2625], 2.9);
  display::TColor colour = 0;
  ASSERT_TRUE(main->PlotModel(0)->GetPlotColor(colour, 19));
  EXPECT_EQ(colour, display::Rgb(0, 128, 0));
  EXPECT_EQ(main->OverlayDirty[0], 0u);
  // An inactive button: the bit is cleared and the copy made, nothing drawn.
  main->OverlayDirty[2] = 2u;
  main->RefreshChannelOverlays(2);
  EXPECT_EQ(main->OverlayDirty[2], 0u);
  EXPECT_FALSE(main->PlotModel(2)->GetPlotColor(colour, 19));
  main->RefreshChannelOverlays(16);  // not a channel: nothing

  // The Gain page copies every sum; only dirty shown ones are drawn.
  main->RefreshGainOverlays();
  EXPECT_EQ(main->Plots[16]->Sections[1]->Response, main->Plots[1]->Sections[12]->Response);
  EXPECT_EQ(main->OverlayDirty[16], 2u) << "input B's switch is off: its bit stays";
  Find<TDvPowerButton>("vrbShowBGain")->SetActive(true);
  main->RefreshGainOverlays();
  EXPECT_EQ(main->OverlayDirty[16], 0u);
  ASSERT_TRUE(main->PlotModel(16)->GetPlotColor(colour, 1));
  EXPECT_EQ(colour, display::Rgb(0, 128, 0));
}

}  // namespace
