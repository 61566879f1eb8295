// The connect-time reading of a processor whose state differs from the
// factory preset wherever the refresh reaches (the seeded image of the
// whole-program runs): afterwards the dynamics and effect pages and the
// dialogs show it, and after the closing 0x12 only meter polls go out.
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/wKnob.h"
#include "controls/wSwitchLed.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FProcess.h"
#include "dialogs/FSubCtrl.h"
#include "dialogs/FTest.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"
#include "seedstream/SeedImage.h"
#include "simproc/SimSerialServer.h"
#include "support/UiFixture.h"

namespace {

class UploadRefreshTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmMain->tmStartConnect->SetEnabled(false);
    fmProcess = new TfmProcess();
    fmTest = new TfmTest();
    fmAutoMix = new TfmAutoMix();
    fmSubCtrl = new TfmSubCtrl();
    fmSubCtrl->FormCreate();
    fmGroupCtrl = new TfmGroupCtrl();
    fmGroupCtrl->FormCreate();
    fmAec = new TfmAec();
    fmMain->OnSubmit = [this](const Bytes& frame, bool) { codes.push_back(frame[5]); };
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      if (fmProcess && fmProcess->isVisible()) fmProcess->SetModalResult(0);
    });
    guard.start(60000);
  }
  void TearDown() override {
    guard.stop();
    fmMain->tmProcessShow->SetEnabled(false);
    MainWindowTest::TearDown();  // closes the link first
    for (platform::Form* f : std::initializer_list<platform::Form*>{fmProcess, fmTest, fmAutoMix, fmSubCtrl,
                                                                    fmGroupCtrl, fmAec})
      delete f;
    fmProcess = nullptr;
    fmTest = nullptr;
    fmAutoMix = nullptr;
    fmSubCtrl = nullptr;
    fmGroupCtrl = nullptr;
    fmAec = nullptr;
  }
  template <typename T, typename Form>
  static T* In(Form* form, const char* name) {
    T* c = form->template FindControl<T>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  template <typename Form>
  static QString Box(Form* form, const char* name) { return In<TRoundEdit>(form, name)->Text(); }
  template <typename Form>
  static bool Down(Form* form, const char* name) { return In<TUxBmpButton>(form, name)->Down(); }
  template <typename Form>
  static int Position(Form* form, const char* name) { return In<TExTrackBar>(form, name)->Position(); }

  std::vector<std::uint8_t> codes;
  QTimer guard;
  std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>();
  std::unique_ptr<SimSerialServer> server;  // outlives the window's link
};

TEST_F(UploadRefreshTest, SeededProcessorReachesPagesAndDialogsAndOnlyPollsFollow) {
  const PresetImage seeded = SeededPresetImage();
  const StreamBytes encoded = EncodeStream(seeded);
  SimProcessor::Stream stream = SimProcessor::DefaultStream();
  std::copy(encoded.begin(), encoded.end(), stream.begin());
  processor->SetCurrentStream(stream);
  processor->SetGroupControls(*SimProcessor::ParseGroupControls(kSeededGroupControls));
  server = std::make_unique<SimSerialServer>(processor);
  ASSERT_TRUE(server->StartPty()) << server->LastError();
  fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  // Two polls, however late a starved thread runs their timer.
  auto pollsAfterTheRead = [this] {
    const auto lastBlock = std::find(codes.rbegin(), codes.rend(), 0x27).base();
    return std::count(lastBlock, codes.end(), std::uint8_t{0x40});
  };
  EXPECT_TRUE(testsupport::WaitFor([&] { return pollsAfterTheRead() >= 2; }, 30000));
  fmMain->tmInLevelDet->SetEnabled(false);
  testsupport::RunEventLoop(100);

  // After the blocks' closing 0x12: meter polls only.
  const auto lastBlock = std::find(codes.rbegin(), codes.rend(), 0x27).base();
  ASSERT_NE(lastBlock, codes.end());
  EXPECT_EQ(*lastBlock, 0x12);
  EXPECT_GE(codes.end() - lastBlock - 1, 2);
  for (auto it = lastBlock + 1; it != codes.end(); ++it) EXPECT_EQ(*it, 0x40);

  TfmMain* m = fmMain;
  EXPECT_EQ(Box(m, "cvdGateThresholdInA"), "-40.0dB");
  EXPECT_EQ(Box(m, "cvdGateAttackInA"), "10ms");
  EXPECT_EQ(Box(m, "cvdGateReleaseInA"), "100ms");
  EXPECT_EQ(Box(m, "cvdAgcRatioInA"), "1:4.0");
  EXPECT_EQ(Box(m, "cvdAgcThresholdInA"), "-15.0dB");
  EXPECT_EQ(Box(m, "cvdAgcTargetInA"), "-5.0");
  EXPECT_EQ(Box(m, "cvdAgcReleaseInA"), "200ms");
  EXPECT_EQ(Box(m, "cvdAgcRatioInB"), "Limit");
  EXPECT_EQ(Box(m, "cvdCompRatioOut1"), "Limit");
  EXPECT_EQ(Box(m, "cvdCompThresholdOut1"), "-20.0dB");
  EXPECT_EQ(Box(m, "cvdCompReleaseOut1"), "50ms");
  EXPECT_EQ(In<QLabel>(m, "lbGateName")->text(), "In 1 Gate");
  EXPECT_EQ(In<QLabel>(m, "lbCompName")->text(), "Out 1 Compressor");
  for (const char* bus : {"uxbAMatrixEff", "uxbBMatrixEff", "uxbCMatrixEff", "uxbDMatrixEff"}) EXPECT_TRUE(Down(m, bus));
  EXPECT_FALSE(Down(m, "uxbEMatrixEff"));
  EXPECT_EQ(Box(m, "cvdCompThresholdEff"), "-20.0dB");
  EXPECT_EQ(Box(m, "cvdGainEff"), "-3.0dB");
  for (const char* on : {"uxbOnOffEff", "uxbAutoMixOnOffEff", "uxbAecOnOffEff"}) EXPECT_TRUE(Down(m, on)) << on;
  EXPECT_FALSE(Down(m, "uxbCameraOnOffEff"));
  EXPECT_EQ(fmMain->PlotWidget(18)->OverlayText(), "BYPASS");
  EXPECT_TRUE(fmTest->rbWhiteNoise->isChecked());
  EXPECT_EQ(fmTest->cbSineFreq->Text(), "2KHz");
  EXPECT_TRUE(fmMain->MenuItem("Memorize")->Checked());
  EXPECT_FALSE(fmMain->MenuItem("Forget")->Checked());
  EXPECT_EQ(Position(fmAec, "isAecGainInput"), -6);
  EXPECT_EQ(Position(fmAec, "isAecGainVcsIn"), 3);
  EXPECT_EQ(Position(fmAec, "isAecGainVcsOut"), -2);
  EXPECT_TRUE(Down(fmAec, "uxbAecLevel2"));

  // The dialogs as the user opens them: loaded and shown, sending nothing.
  codes.clear();
  ASSERT_TRUE(fmMain->LoadAutoMixDialog());
  fmAutoMix->FormShow();
  fmSubCtrl->FormShow();
  fmGroupCtrl->FormShow();
  EXPECT_TRUE(codes.empty());
  const char* weights[] = {"+5.0dB", "-0.0dB", "-8.0dB", "-18.0dB"};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(fmAutoMix->FindControl<QLabel>(QStringLiteral("lbGainIn0%1").arg(i + 1))->text(), weights[i]) << i;
  EXPECT_EQ(Position(fmAutoMix, "isShareTime"), 200);
  EXPECT_EQ(Box(fmAutoMix, "cvdShareTime"), "268.0ms");
  EXPECT_EQ(Position(fmAutoMix, "isShareRatio"), 4);
  EXPECT_FALSE(Down(fmAutoMix, "uxbShareAuto"));
  EXPECT_EQ(Box(fmAutoMix, "cvdGainAux"), "-3.0dB");
  EXPECT_TRUE(In<TwSwitchLed>(fmAutoMix, "slShareAutoIn03")->Active());
  EXPECT_FALSE(In<TwSwitchLed>(fmAutoMix, "slShareAutoIn02")->Active());
  EXPECT_EQ(Position(fmSubCtrl, "isInSubCtrlVol"), 70);
  EXPECT_TRUE(Down(fmSubCtrl, "uxbInSubCtrlMute"));
  EXPECT_TRUE(Down(fmSubCtrl, "uxbInSubCtrlSelC"));
  EXPECT_EQ(Box(fmSubCtrl, "cvdOutSubCtrlVol"), "  40%");
  EXPECT_TRUE(Down(fmSubCtrl, "uxbOutSubCtrlSelH"));
  EXPECT_EQ(Position(fmGroupCtrl, "isGroupCtrlVolInA"), 50);
  EXPECT_TRUE(Down(fmGroupCtrl, "uxbGroupCtrlMuteInA"));
  EXPECT_TRUE(Down(fmGroupCtrl, "uxbGroupCtrlSelBInA"));
  EXPECT_EQ(Position(fmGroupCtrl, "isGroupCtrlVolOut2"), 30);
  EXPECT_TRUE(Down(fmGroupCtrl, "uxbGroupCtrlSel8Out2"));
  EXPECT_FALSE(Down(fmGroupCtrl, "uxbGroupCtrlSel2Out2"));
}

}  // namespace
