// The refresh pass's steps for the dynamics pages, the effect page and the
// dialogs: one image shown everywhere, nothing submitted over the whole pass.
#include <QLabel>
#include <QRadioButton>

#include <utility>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FSubCtrl.h"
#include "dialogs/FTest.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/LProgressBar.h"
#include "platform/MenuItem.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

namespace {

// Point i of a plot channel; the one place that reads plot points.
std::pair<double, double> PointAt(const TwXYPlotChannel* c, int i) { return {c->GetDataX(i), c->GetDataY(i)}; }

std::vector<std::pair<double, double>> Points(const TwXYPlotChannel* c) {
  std::vector<std::pair<double, double>> out;
  for (int i = 0; i < c->Count(); ++i) out.push_back(PointAt(c, i));
  return out;
}

class RefreshDialogsTest : public RecordingMainTest {
 protected:
  void SetUp() override {
    RecordingMainTest::SetUp();
    fmTest = new TfmTest();
    fmAutoMix = new TfmAutoMix();
    fmSubCtrl = new TfmSubCtrl();
    fmSubCtrl->FormCreate();
    fmGroupCtrl = new TfmGroupCtrl();
    fmGroupCtrl->FormCreate();
    fmAec = new TfmAec();
  }
  void TearDown() override {
    delete fmTest;
    delete fmAutoMix;
    delete fmSubCtrl;
    delete fmGroupCtrl;
    delete fmAec;
    fmTest = nullptr;
    fmAutoMix = nullptr;
    fmSubCtrl = nullptr;
    fmGroupCtrl = nullptr;
    fmAec = nullptr;
    RecordingMainTest::TearDown();
  }
  QString Box(const char* name) const { return Find<TRoundEdit>(name)->Text(); }
  bool Checked(const char* item) const { return main->MenuItem(QString::fromLatin1(item))->Checked(); }
  QColor FontColour(const char* label) const { return Find<QLabel>(label)->palette().color(QPalette::WindowText); }
};

TEST_F(RefreshDialogsTest, CreationLeavesTheCurveTitlesToThePages) {
  // The pages' own titles, which the refresh pass keeps to.
  EXPECT_EQ(Find<QLabel>("lbGateName")->text(), "In 1 Gate");
  EXPECT_EQ(Find<QLabel>("lbCompName")->text(), "Out 1 Compressor");
}

TEST_F(RefreshDialogsTest, OneImageReachesDynamicsEffectAndDialogs) {
  PresetImage& im = Image();
  im.Inputs[0].Agc[0] = 15;
  im.Inputs[1].Agc[0] = 9;
  im.Inputs[0].Agc[3] = 150;  // threshold -30 -> -15.0dB
  im.Inputs[0].Agc[4] = 170;  // target -10 -> -5.0
  im.Inputs[0].Gate = {4, 9, 100};
  im.Outputs[0].Comp = {3, 19, 29, 160};
  im.Effect.Aec = {3, 0, 2, 1, 7, 1};
  im.MemorizeMode = 2;
  im.Effect.BusRouting = 0x05;
  im.Effect.Comp[3] = 140;
  im.Effect.Gain = 260;
  im.Effect.EffectOn = 1;
  im.Effect.AutoMix = {3, 0x00050000u, 1};
  im.EffectEqBypass = 1;
  im.TestSource = 1;
  im.SineFrequency = 17;
  im.InputSubCtrl = 0x00030150u;
  main->UnitControl->SetGroupCtrl(5, 40u | 0x20u << 16);
  // The user was looking at input C's gate, input D's AGC and output 5.
  main->SelectGateChannel(2);
  main->SelectAgcChannel(3);
  main->SelectCompChannel(12);
  bool levels[5];
  for (int k = 0; k < 5; ++k) levels[k] = fmAec->FindControl<TUxBmpButton>(QStringLiteral("uxbAecLevel%1").arg(k))->Down();
  main->frames.clear();
  main->ApplyUnitModel();
  EXPECT_TRUE(main->frames.empty());
  EXPECT_FALSE(main->Updating);

  // Dynamics: texts from the positions; every page back on its first
  // channel, whose curve, title, meter and meter heading it shows.
  EXPECT_EQ(Box("cvdAgcRatioInA"), "Limit");
  EXPECT_EQ(Box("cvdAgcRatioInB"), "1:4.0");
  EXPECT_EQ(Box("cvdAgcThresholdInA"), "-15.0dB");
  EXPECT_EQ(Box("cvdAgcTargetInA"), "-5.0");
  EXPECT_EQ(Find<TExTrackBar>("isGateThresholdInA")->Position(), -80);
  EXPECT_EQ(Box("cvdGateThresholdInA"), "-40.0dB");
  EXPECT_EQ(Box("cvdGateAttackInA"), "5ms");
  EXPECT_EQ(Box("cvdGateReleaseInA"), "10ms");
  EXPECT_EQ(Box("cvdCompThresholdOut1"), "-10.0dB");
  EXPECT_EQ(Box("cvdCompRatioOut1"), "1:1.5");
  EXPECT_EQ(Box("cvdCompAttackOut1"), "20ms");
  EXPECT_EQ(Points(Find<TwXYPlot>("wpGate")->GetChannel(0)),
            (std::vector<std::pair<double, double>>{{20, 20}, {-40, -40}, {-40, -100}}));
  EXPECT_EQ(PointAt(Find<TwXYPlot>("wpComp")->GetChannel(0), 1), std::make_pair(-10.0, -10.0));
  // Limit, threshold -15 dB below a target of -5 dB: flat at the target.
  EXPECT_EQ(Points(Find<TwXYPlot>("wpAgc")->GetChannel(0)),
            (std::vector<std::pair<double, double>>{{20, -5}, {-15, -5}, {-15, -15}, {-100, -100}}));
  struct Page {
    const char* title;
    const char* head;
    int channel;
    int first;
    const char* titleText;
    const char* headText;
  };
  for (const Page& p : {Page{"lbGateName", "lbHeadGateIn", main->GateChannel, 0, "In 1 Gate", "In 1"},
                        Page{"lbAgcName", "lbHeadAgcIn", main->AgcChannel, 0, "In 1 AGC", "In 1"},
                        Page{"lbCompName", "lbHeadCompOut", main->CompChannel, 8, "Out 1 Compressor", "Out 1"}}) {
    EXPECT_EQ(Find<QLabel>(p.title)->text(), p.titleText);
    EXPECT_EQ(Find<QLabel>(p.head)->text(), p.headText);
    EXPECT_EQ(p.channel, p.first) << p.title;
  }
  Bytes meter(33, 0x80);
  meter[0] = 0xFB;  // input A at -5 dB, input C silent
  main->OnMeterReply(meter);
  EXPECT_EQ(Find<LProgressBar>("pbLevelGateIn")->LitCount(), 8);

  // Effect page.
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(Find<TUxBmpButton>(QStringLiteral("uxb") + QChar('A' + i) + "MatrixEff")->Down(), i == 0 || i == 2) << i;
  EXPECT_EQ(FontColour("lbMatrixDelayInA"), QColor(0, 255, 0));
  EXPECT_EQ(FontColour("lbMatrixDelayInC"), QColor(0, 255, 0));
  EXPECT_EQ(FontColour("lbMatrixDelayInB"), QColor(255, 255, 255));
  EXPECT_EQ(Box("cvdCompThresholdEff"), "-20.0dB");
  EXPECT_EQ(Box("cvdGainEff"), "-2.0dB");
  EXPECT_TRUE(Find<TUxBmpButton>("uxbOnOffEff")->Down());
  EXPECT_EQ(Find<TUxBmpButton>("uxbOnOffEff")->Caption(), "On");
  EXPECT_TRUE(Find<TUxBmpButton>("uxbAecOnOffEff")->Down());
  EXPECT_EQ(Find<TUxBmpButton>("uxbCameraOnOffEff")->Caption(), "Off");
  auto* plot = main->PlotWidget(18);
  EXPECT_EQ(plot->OverlayText(), "BYPASS");
  EXPECT_EQ(plot->OverlayTextPoint().x(), plot->GetPlotWidth() / 3);

  // Dialogs and menu.
  EXPECT_TRUE(fmTest->rbPinkNoise->isChecked());
  EXPECT_EQ(fmTest->cbSineFreq->Text(), "1KHz");
  EXPECT_FALSE(Checked("Memorize"));
  EXPECT_FALSE(Checked("Forget"));
  EXPECT_TRUE(Checked("U01"));
  EXPECT_EQ(fmAutoMix->AutoMixState, im.Effect.AutoMix);
  EXPECT_EQ(fmAutoMix->EffectBusMask, 0x05u);
  EXPECT_EQ(fmSubCtrl->SubCtrlWords[0], 0x00030150u);
  EXPECT_EQ(fmGroupCtrl->GroupCtrlEntries[5], 40u | 0x20u << 16);
  EXPECT_EQ(fmGroupCtrl->GroupCtrlEntries[0], 100u);
  EXPECT_EQ(fmAec->FindControl<TExTrackBar>("isAecGainInput")->Position(), -3);
  for (const char* name : {"isAecGainOutput", "isAecGainVcsIn", "isAecGainVcsOut"})
    EXPECT_EQ(fmAec->FindControl<TExTrackBar>(name)->Position(), 0) << name;
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(fmAec->FindControl<TUxBmpButton>(QStringLiteral("uxbAecLevel%1").arg(k))->Down(), levels[k]) << k;
  EXPECT_EQ(fmAec->Loading, 0);
}

TEST_F(RefreshDialogsTest, ValuesOutsideTheListsSelectNothing) {
  Image().MemorizeMode = 5;
  Image().TestSource = 7;
  Image().Effect.Aec[4] = 2;
  Image().Effect.Aec[1] = 5;  // the speaker-out fader sends its own command unless loading
  main->ApplyUnitModel();
  EXPECT_EQ(fmAec->FindControl<TExTrackBar>("isAecGainOutput")->Position(), -5);
  for (const char* item : {"Memorize", "Forget", "U01"}) EXPECT_FALSE(Checked(item)) << item;
  for (QRadioButton* r : {fmTest->rbAnalogIn, fmTest->rbPinkNoise, fmTest->rbWhiteNoise, fmTest->rbSineWave})
    EXPECT_FALSE(r->isChecked());
  EXPECT_TRUE(fmAec->FindControl<TUxBmpButton>("uxbAecLevel2")->Down());
  Image().TestSource = 3;
  main->ApplyUnitModel();
  EXPECT_TRUE(fmTest->rbSineWave->isChecked());
  EXPECT_TRUE(main->frames.empty());
}

}  // namespace
