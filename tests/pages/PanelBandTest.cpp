// The band faders and boxes of a page's parameter panel show the band its
// grid selects: after every refresh of the pages (the connect-time read, a
// Recall, a preset file) and on the Aux page from the start, so a key in the
// frequency box steps from the value the processor holds.
#include <QLabel>
#include <QtTest/QTest>

#include <string>

#include "PresetsFixture.h"
#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "link/Lcmd.h"
#include "mainwindow/BandTexts.h"
#include "model/Codecs.h"
#include "model/PresetImage.h"

namespace {

// The panel suffix of a channel's side.
QString Side(int channel) {
  return channel == 18 ? QStringLiteral("Eff") : channel > 7 ? QStringLiteral("Out1") : QStringLiteral("InA");
}

// What the side's panel shows of band `band` of the image: faders and boxes.
void ExpectPanelShows(const TfmMain& main, int channel, int band) {
  SCOPED_TRACE("channel " + std::to_string(channel) + " band " + std::to_string(band));
  const PeqBand b = main.UnitControl->GetPeqBand(channel, band);
  const QString s = Side(channel);
  EXPECT_EQ(main.FindControl<TExTrackBar>("isEqFreq" + s)->Position(), b.Frequency);
  EXPECT_EQ(main.FindControl<TExTrackBar>("isEqGain" + s)->Position(), b.Gain);
  EXPECT_EQ(main.FindControl<TExTrackBar>("isEqBw" + s)->Position(), b.Q);
  EXPECT_EQ(main.FindControl<TRoundEdit>("cvdEqFreq" + s)->Text(), bandtext::Frequency(CodeToFrequency(b.Frequency)));
  EXPECT_EQ(main.FindControl<TRoundEdit>("cvdEqGain" + s)->Text(), bandtext::Gain(b.Gain));
  EXPECT_EQ(main.FindControl<TRoundEdit>("cvdEqBw" + s)->Text(), bandtext::Q(b.Q));
}

// Down in the side's frequency box, applied by the one-shot.
void PressDown(TfmMain& main, int channel) {
  int key = Qt::Key_Down;
  main.cvdEqFreqInAKeyDown(main.FindControl<TRoundEdit>("cvdEqFreq" + Side(channel)), key, Qt::NoModifier);
  for (int i = 0; i < 2000 && main.tmEqCurve->Enabled(); ++i) QTest::qWait(5);
}

// The hex of the band frame a one-step-down gain edit of band `band` sends.
std::string StepDownFrame(const TfmMain& main, int channel, int band) {
  PeqBand b = main.UnitControl->GetPeqBand(channel, band);
  b.Gain = static_cast<std::uint16_t>(b.Gain - 1);
  return Hex(CM_MCS_PEQ(1, static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(band), b.BandWord(),
                        b.ShapeWord(), 0)
                 .BuildFrame(1));
}

class PanelAfterRefreshTest : public PresetsTest {
 protected:
  // Band 2 of In1 selected and edited to 20.16KHz / +12.0dB: the panel shows it.
  void SelectAndEditBand2() {
    fmMain->uxbEq1InAClick(fmMain->BandButton(0, 1));
    fmMain->PeqGridOf(0)->SetEqParamValue(1, 20158.7, 25, 12.0, 0, false);
    ASSERT_EQ(fmMain->FindControl<TRoundEdit>("cvdEqFreqInA")->Text(), "20.16KHz");
    ASSERT_EQ(fmMain->FindControl<TRoundEdit>("cvdEqGainInA")->Text(), "+12.0dB");
  }
  // After a refresh: band 1 on the panel; one key sends band 1's gain less one step.
  void ExpectBand1AndOneKeyFromIt(const char* after) {
    SCOPED_TRACE(after);
    EXPECT_EQ(fmMain->PeqGridOf(0)->GetNowIndex(), 0);
    ExpectPanelShows(*fmMain, 0, 0);
    ExpectPanelShows(*fmMain, 18, 0);
    const std::string expected = StepDownFrame(*fmMain, 0, 0);
    frames.clear();
    PressDown(*fmMain, 0);
    EXPECT_GE(WaitForFrame(expected, 5000), 0) << "sent: " << (frames.empty() ? "nothing" : frames.front());
  }
};

TEST_F(PanelAfterRefreshTest, RecallAndPresetFileShowBand1AndAKeyStepsFromIt) {
  Connect();
  ASSERT_TRUE(testsupport::ClickControl(*fmMain, "uxbMenuInA"));
  ExpectPanelShows(*fmMain, 0, 0);  // the connect-time read
  const std::string file = folder + "/p.prs";
  chosen = QString::fromStdString(file);
  fmMain->SaveClick(nullptr);

  SelectAndEditBand2();
  testsupport::WaitFor([] { return fmMain->LinkState == 0; });
  const int refreshes = fmMain->UploadRefreshCount;
  fmRecallPreset->vledPresetNameSelectCell(1, 0);
  fmStoreName->btnOKClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 30000));
  ExpectBand1AndOneKeyFromIt("Recall");

  SelectAndEditBand2();
  fmMain->OpenClick(nullptr);
  ASSERT_GE(WaitForFrame("10 02 00 01 01 12 10 03 13", 30000), 0);
  ExpectBand1AndOneKeyFromIt("preset file");
}

class AuxPanelTest : public RecordingMainTest {};

// The Aux page's panel shows band 1 from the start; a band chosen there
// reaches the Aux faders, and a key steps from it.
TEST_F(AuxPanelTest, StartsWithBand1AndFollowsTheChosenBand) {
  ExpectPanelShows(*main, 18, 0);
  ASSERT_TRUE(testsupport::ClickControl(*main, "uxbMenuEff"));
  ExpectPanelShows(*main, 18, 0);
  const std::string band1Down = StepDownFrame(*main, 18, 0);
  PressDown(*main, 18);
  ASSERT_FALSE(main->frames.empty());
  EXPECT_EQ(Hex(main->frames.back().bytes), band1Down);

  main->uxbEq1InAClick(main->BandButton(18, 2));
  ExpectPanelShows(*main, 18, 2);
  const std::string band3Down = StepDownFrame(*main, 18, 2);
  PressDown(*main, 18);
  EXPECT_EQ(Hex(main->frames.back().bytes), band3Down);

  // Back from another page: the band the Aux grid selects.
  ASSERT_TRUE(testsupport::ClickControl(*main, "uxbMenuInB"));
  ASSERT_TRUE(testsupport::ClickControl(*main, "uxbMenuEff"));
  ExpectPanelShows(*main, 18, 2);
}

// A band whose type code no list holds keeps the Q the processor holds:
// the refresh and the selection change nothing, and an edit sends the Q
// the grid shows.
TEST_F(AuxPanelTest, UnknownTypeCodeKeepsTheStoredQ) {
  PeqBand& band = Image().Inputs[0].Peq[2];
  band.Type = 0xFF;
  band.Q = 50;
  main->ApplyUnitModel();
  TMyPEQAllpassBandPassStop* grid = main->PeqGridOf(0);
  EXPECT_EQ(grid->GetQIndex(2), 50);
  main->uxbEq1InAClick(main->BandButton(0, 2));
  EXPECT_EQ(grid->GetQIndex(2), 50);
  EXPECT_EQ(main->FindControl<TExTrackBar>("isEqBwInA")->Position(), 50);
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 2).Q, 50);

  // A gain edit sends the Q the grid shows, which is the stored one; so does
  // a step of the Q fader above 3.0.
  grid->SetGainValue(2, 3.0);
  ASSERT_FALSE(main->frames.empty());
  const Bytes sent = main->frames.back().bytes;
  EXPECT_EQ(sent[5], 0x33);
  EXPECT_EQ(sent[12], 50) << "Q code sent";
  EXPECT_EQ(sent[13], 0xFF) << "type kept";
  EXPECT_EQ(grid->GetQIndex(2), 50);
  EXPECT_EQ(main->UnitControl->GetPeqBand(0, 2).Q, 50);
  int key = Qt::Key_Plus;
  main->cvdEqFreqInAKeyDown(main->FindControl<TRoundEdit>("cvdEqFreqInA"), key, Qt::NoModifier);
  for (int i = 0; i < 2000 && main->tmEqCurve->Enabled(); ++i) QTest::qWait(5);
  EXPECT_EQ(main->frames.back().bytes[12], 51);
  EXPECT_EQ(grid->GetQIndex(2), 51);
}

}  // namespace
