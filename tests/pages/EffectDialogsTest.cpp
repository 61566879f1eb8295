// The effect windows' own handlers: echo cancellation with its register
// panels, camera tracking, echo and reverb, and the effect compressor.
#include <QLabel>
#include <QLineEdit>

#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxButton.h"
#include "controls/UxComboBox.h"
#include "controls/wLed.h"
#include "dialogs/FAec.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "dialogs/FRvb.h"
#include "link/Lcmd.h"
#include "plot/wXYPlot.h"
#include "simproc/SimProcessor.h"

namespace {

class EffectWindowsTest : public RecordingMainTest {
 protected:
  void SetUp() override {
    RecordingMainTest::SetUp();
    fmComp = new TfmComp();
    fmComp->FormCreate();
    fmRvb = new TfmRvb();
    fmCamera = new TfmCamera();
    fmAec = new TfmAec();
  }
  void TearDown() override {
    delete fmComp;
    delete fmRvb;
    delete fmCamera;
    delete fmAec;
    fmComp = nullptr;
    fmRvb = nullptr;
    fmCamera = nullptr;
    fmAec = nullptr;
    RecordingMainTest::TearDown();
  }
  template <typename T>
  static T* In(platform::Form* form, const char* name) {
    T* c = form->FindControl<T>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  static TExTrackBar* Fader(platform::Form* form, const char* name) { return In<TExTrackBar>(form, name); }
  static QString Box(platform::Form* form, const char* name) { return In<TRoundEdit>(form, name)->Text(); }
  static Frame Plain(std::initializer_list<int> v) { return {Hex(v), false}; }
  static std::vector<std::pair<double, double>> Points(TwXYPlotChannel* c) {
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < c->Count(); ++i) out.emplace_back(c->GetDataX(i), c->GetDataY(i));
    return out;
  }
  void Press(platform::Form* form, const char* name) {
    auto* b = In<TUxButton>(form, name);
    b->OnClick(b);
  }
  // A user's click on a group button: Down flips, then the click runs.
  static void UserClick(TUxBmpButton* b) {
    b->SetDown(!b->Down());
    b->Click();
  }
  void Reply(std::uint8_t code, std::uint8_t b1, std::uint8_t b2) {
    main->OnDeviceReply(CM_MCS_CMD(1, code, b1, b2).BuildFrame(1));
  }
  void Reply(std::uint8_t code, std::uint8_t b1) { main->OnDeviceReply(CM_MCS_CMD(1, code, b1).BuildFrame(1)); }
};

TEST_F(EffectWindowsTest, EchoCancellationGainsShowStoreAndSend) {
  auto& aec = Image().Effect.Aec;
  Fader(fmAec, "isAecGainVcsOut")->SetPosition(-3);
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsOut"), "+ 0.0dB");
  EXPECT_EQ(aec[3], 4);
  main->frames.clear();
  Fader(fmAec, "isAecGainVcsOut")->SetPosition(-13);
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsOut"), "-20.0dB");
  EXPECT_EQ(aec[3], 14);
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5C, 0x03, 0x0E, 0x10, 0x03, 0x52})});

  Fader(fmAec, "isAecGainVcsIn")->SetPosition(-2);
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsIn"), "-2.0dB");
  EXPECT_EQ(aec[2], 0);
  Fader(fmAec, "isAecGainVcsIn")->SetPosition(7);
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsIn"), "+14.0dB");
  EXPECT_EQ(aec[2], 9);
  Fader(fmAec, "isAecGainInput")->SetPosition(-12);
  EXPECT_EQ(Box(fmAec, "cvdAecGainInput"), "-12.0dB");
  EXPECT_EQ(aec[0], 12);

  main->frames.clear();
  UserClick(In<TUxBmpButton>(fmAec, "uxbAecLevel3"));
  EXPECT_EQ(aec[4], 3);
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5C, 0x04, 0x03, 0x10, 0x03, 0x58})});

  // The hidden speaker-out fader sends its own command and stores nothing.
  aec[1] = 33;
  main->frames.clear();
  Fader(fmAec, "isAecGainOutput")->SetPosition(-10);
  EXPECT_EQ(Box(fmAec, "cvdAecGainOutput"), "- 5.0dB");
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5C, 0x01, 0x0A, 0x10, 0x03, 0x54})});
  EXPECT_EQ(aec[1], 33);

  // While loading, texts only.
  main->frames.clear();
  fmAec->SetLoading(1);
  Fader(fmAec, "isAecGainInput")->SetPosition(-30);
  Fader(fmAec, "isAecGainVcsIn")->SetPosition(0);
  Fader(fmAec, "isAecGainVcsOut")->SetPosition(1);
  Fader(fmAec, "isAecGainOutput")->SetPosition(-20);
  fmAec->SetLoading(0);
  EXPECT_EQ(Box(fmAec, "cvdAecGainInput"), "-30.0dB");
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsIn"), "+0.0dB");
  EXPECT_EQ(Box(fmAec, "cvdAecGainVcsOut"), "+ 8.0dB");
  EXPECT_EQ(aec[0], 12);
  EXPECT_EQ(aec[2], 9);
  EXPECT_EQ(aec[3], 14);
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(EffectWindowsTest, BypassSendsWithoutStoringAndCaptionsFollowIt) {
  const auto before = Image().Effect.Aec;
  auto* bypass = In<TUxBmpButton>(fmAec, "uxbAecBypass");
  UserClick(bypass);
  EXPECT_EQ(fmAec->Bypass, 1);
  EXPECT_EQ(bypass->Caption(), "On");
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5C, 0x06, 0x01, 0x10, 0x03, 0x58})});
  EXPECT_EQ(Image().Effect.Aec, before);
  bypass->SetCaption("x");
  fmAec->FormShow();
  EXPECT_EQ(bypass->Caption(), "On");
  UserClick(bypass);
  EXPECT_EQ(fmAec->Bypass, 0);
  EXPECT_EQ(bypass->Caption(), "Off");
}

TEST_F(EffectWindowsTest, CameraButtonsShowTheSteeringMaskOnShow) {
  fmCamera->SetCameraState({0, (0x81u << 16) | 180u, 0});
  fmCamera->SetInputMask(0x03);
  fmCamera->FormShow();
  for (int i = 0; i < 8; ++i) {
    auto* b = fmCamera->FindControl<TUxBmpButton>(QStringLiteral("uxb") + QChar('A' + i) + "Matrix");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Down(), i == 0 || i == 7) << i;
    EXPECT_EQ(b->isEnabled(), i < 2) << i;
  }
}

TEST_F(EffectWindowsTest, RegisterPanelsSendOnlyWholeHexFieldsAndShowReplies) {
  In<QLineEdit>(fmAec, "edAddress")->setText("2300");
  In<QLineEdit>(fmAec, "edData")->setText("0010");
  Press(fmAec, "bnWrite");
  Press(fmAec, "bnRead");
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{
                Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x5E, 0x00, 0x23, 0x10, 0x00, 0x10, 0x03, 0x68}),
                Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5F, 0x00, 0x23, 0x10, 0x03, 0x7F})}));

  const Frame codecRead = Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x54, 0x01, 0x1A, 0x10, 0x03, 0x4C});
  for (const char* text : {"1A", "1a"}) {
    main->frames.clear();
    In<QLineEdit>(fmAec, "edCsAddress")->setText(text);
    Press(fmAec, "bnCsRead");
    EXPECT_EQ(main->frames, std::vector<Frame>{codecRead}) << text;
  }

  // Short fields and non-digits send nothing.
  main->frames.clear();
  const std::pair<const char*, const char*> bad[] = {{"23", "0010"}, {"2G00", "0010"}, {"2300", "001"},
                                                     {"2300", "00 1"}};
  for (auto [address, data] : bad) {
    In<QLineEdit>(fmAec, "edAddress")->setText(address);
    In<QLineEdit>(fmAec, "edData")->setText(data);
    Press(fmAec, "bnWrite");
  }
  In<QLineEdit>(fmAec, "edAddress")->setText("23");
  Press(fmAec, "bnRead");
  In<QLineEdit>(fmAec, "edCsAddress")->setText("1");
  Press(fmAec, "bnCsRead");
  In<QLineEdit>(fmAec, "edCsAddress")->setText("1A");
  In<QLineEdit>(fmAec, "edCsData")->setText("x0");
  Press(fmAec, "bnCsWrite");
  EXPECT_TRUE(main->frames.empty());
  In<QLineEdit>(fmAec, "edCsData")->setText("f0");
  Press(fmAec, "bnCsWrite");
  EXPECT_EQ(main->frames,
            std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x04, 0x54, 0x00, 0x1A, 0xF0, 0x10, 0x03, 0xBA})});

  Reply(0x5F, 0x34, 0x12);
  EXPECT_EQ(In<QLabel>(fmAec, "lbReadData")->text(), "1234");
  Reply(0x54, 0x5A);
  EXPECT_EQ(In<QLabel>(fmAec, "lbCsReadData")->text(), "5a");
}

TEST_F(EffectWindowsTest, RegisterWriteThenReadAgainstTheSimulatedProcessor) {
  SimProcessor processor(1);
  // Hands each recorded frame to the processor and its replies back.
  auto exchange = [&] {
    std::vector<Frame> sent;
    sent.swap(main->frames);
    for (const Frame& f : sent)
      for (const Bytes& reply : processor.Receive(f.bytes)) main->OnDeviceReply(reply);
  };
  In<QLineEdit>(fmAec, "edAddress")->setText("2300");
  In<QLineEdit>(fmAec, "edData")->setText("BEEF");
  Press(fmAec, "bnWrite");
  exchange();
  Press(fmAec, "bnRead");
  exchange();
  EXPECT_EQ(In<QLabel>(fmAec, "lbReadData")->text(), "beef");

  In<QLineEdit>(fmAec, "edCsAddress")->setText("0c");
  In<QLineEdit>(fmAec, "edCsData")->setText("7E");
  Press(fmAec, "bnCsWrite");
  exchange();
  Press(fmAec, "bnCsRead");
  exchange();
  EXPECT_EQ(In<QLabel>(fmAec, "lbCsReadData")->text(), "7e");
}

TEST_F(EffectWindowsTest, CameraEditsItsRecordAndShowsOnlyBusInputs) {
  auto& fx = Image().Effect;
  fx.Camera = {0, 180, 0};
  fx.BusRouting = 0x05;  // inputs A and C
  ASSERT_TRUE(main->LoadCameraDialog());
  fmCamera->FormShow();
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(Box(fmCamera, "cvdThreshold"), "  +0.0dB");

  UserClick(In<TUxBmpButton>(fmCamera, "uxbCMatrix"));
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x0B, 0x64, 0x00, 0x00, 0x00, 0x00, 0xB4,
                                                    0x00, 0x04, 0x00, 0x00, 0x00, 0x10, 0x03, 0xDF})});
  EXPECT_EQ(fx.Camera.WordB, 0x000400B4u);

  Fader(fmCamera, "isThreshold")->SetPosition(-100);
  EXPECT_EQ(Box(fmCamera, "cvdThreshold"), " -50.0dB");
  EXPECT_EQ(fx.Camera.WordB & 0xFFFF, 80u);
  Fader(fmCamera, "isThreshold")->SetPosition(0);
  EXPECT_EQ(fx.Camera.WordB & 0xFFFF, 180u);
  Fader(fmCamera, "isRelease")->SetPosition(7);
  EXPECT_EQ(fx.Camera.WordA, 7u << 16);
  Fader(fmCamera, "isAttack")->SetPosition(5);
  Fader(fmCamera, "isAttack")->SetPosition(0);
  EXPECT_EQ(Box(fmCamera, "cvdAttack"), "  1ms");
  EXPECT_EQ(fx.Camera.WordA, 7u << 16);
  EXPECT_EQ(fx.Camera.WordB, 0x000400B4u);

  // Input B is off the bus: its button disabled, its lamp dark whatever it is told.
  EXPECT_FALSE(In<TUxBmpButton>(fmCamera, "uxbBMatrix")->isEnabled());
  EXPECT_TRUE(In<TUxBmpButton>(fmCamera, "uxbCMatrix")->isEnabled());
  fmCamera->ShowInputLed(1, true);
  fmCamera->ShowInputLed(2, true);
  EXPECT_FALSE(In<TwLed>(fmCamera, "wledInB")->Active());
  EXPECT_TRUE(In<TwLed>(fmCamera, "wledInC")->Active());

  Bytes meter(33, 0xFF);
  meter[19] = 0x30;
  main->OnMeterReply(meter);
  EXPECT_EQ(In<QLabel>(fmCamera, "lbCameraPos")->text(), "In3");
  meter[19] = 0x00;
  main->OnMeterReply(meter);
  EXPECT_EQ(In<QLabel>(fmCamera, "lbCameraPos")->text(), "None");
}

TEST_F(EffectWindowsTest, HiddenDefaultCameraSendsItsItemPlusOne) {
  auto* fallback = In<TUxComboBox>(fmCamera, "uxcCameraDefault");
  ASSERT_EQ(fallback->Count(), 8);
  for (int item = 7; item >= 0; --item) {
    main->frames.clear();
    fallback->setCurrentIndex(item);
    emit fallback->activated(item);
    const int input = item + 1;  // 1 = input A
    EXPECT_EQ(fallback->Item(item), QStringLiteral("In") + QChar('A' + item));
    EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x02, 0x57, input, 0x10, 0x03,
                                                      0x10 ^ 0x02 ^ 0x01 ^ 0x02 ^ 0x57 ^ input ^ 0x10 ^ 0x03})})
        << fallback->Item(item).toStdString();
    EXPECT_EQ(Image().Effect.CameraDefault, input);
  }
}

TEST_F(EffectWindowsTest, EchoWritesTheImageAndSendsItsOwnCommand) {
  auto& fx = Image().Effect;
  fx.Echo = {20, 0};
  fx.Reverb = {0, 0};
  fx.EffectOn = 1;
  ASSERT_TRUE(main->LoadRvbDialog());
  EXPECT_TRUE(main->frames.empty());
  Fader(fmRvb, "isEchoDelay")->SetPosition(300);
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x09, 0x62, 0x14, 0x00, 0x2C, 0x01, 0x00,
                                                    0x00, 0x00, 0x00, 0x10, 0x03, 0x52})});
  EXPECT_EQ(fx.Echo, (std::array<std::uint32_t, 2>{(300u << 16) | 20u, 0u}));
  EXPECT_EQ(fmRvb->EchoWords, fx.Echo);
  EXPECT_EQ(Box(fmRvb, "cvdEchoDelay"), " 300ms");

  main->frames.clear();
  Fader(fmRvb, "isRvbReflect")->SetPosition(60);
  ASSERT_EQ(main->frames.size(), 1u);
  EXPECT_EQ(main->frames[0].bytes[5], 0x60);
  EXPECT_EQ(fx.Reverb[0], 60u << 16);

  main->frames.clear();
  Fader(fmRvb, "isEffectVol")->SetPosition(50);
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x63, 0x01, 0x32, 0x10, 0x03, 0x53})});
  EXPECT_EQ(Box(fmRvb, "cvdEffectVol"), "50");
}

TEST_F(EffectWindowsTest, ReverbTimeTexts) {
  const std::pair<int, const char*> cases[] = {{0, "0.1ms"},  {2, "0.9ms"},   {3, "1ms"},  {30, "96ms"},
                                               {98, "980ms"}, {99, "1.00s"}, {199, "4.00s"}};
  for (auto [step, text] : cases) EXPECT_EQ(ReverbTimeText(step), text) << step;
  Fader(fmRvb, "isRvbTime")->SetPosition(30);
  EXPECT_EQ(Box(fmRvb, "cvdRvbTime"), "96ms");
}

TEST_F(EffectWindowsTest, CompressorCurveFollowsThresholdAndRatio) {
  auto* plot = In<TwXYPlot>(fmComp, "wpComp");
  using P = std::vector<std::pair<double, double>>;
  EXPECT_EQ(Points(plot->GetChannel(0)), (P{{20, 20}, {-10, -10}, {-100, -100}}));
  EXPECT_EQ(Points(plot->GetChannel(1)), (P{{19.8, 20.4}}));

  fmComp->SetLoading(1);
  Fader(fmComp, "isRatio")->SetPosition(9);
  Fader(fmComp, "isThreshold")->SetPosition(-40);
  EXPECT_EQ(Points(plot->GetChannel(0)), (P{{20, -10}, {-20, -20}, {-100, -100}}));
  ASSERT_EQ(plot->GetChannel(1)->Count(), 1);
  EXPECT_DOUBLE_EQ(plot->GetChannel(1)->GetDataX(0), -19.8);
  EXPECT_DOUBLE_EQ(plot->GetChannel(1)->GetDataY(0), -20.4);
  EXPECT_EQ(Box(fmComp, "cvdThreshold"), " -20.0dB");
  Fader(fmComp, "isRatio")->SetPosition(15);
  EXPECT_EQ(Box(fmComp, "cvdRatio"), "Limit");
  EXPECT_EQ(Points(plot->GetChannel(0)), (P{{20, -20}, {-20, -20}, {-100, -100}}));
  Fader(fmComp, "isRatio")->SetPosition(0);
  EXPECT_EQ(Box(fmComp, "cvdRatio"), "1:1.0");
  EXPECT_EQ(Points(plot->GetChannel(0)), (P{{20, 20}, {-20, -20}, {-100, -100}}));
  Fader(fmComp, "isAttack")->SetPosition(49);
  EXPECT_EQ(Box(fmComp, "cvdAttack"), " 50ms");
  fmComp->SetLoading(0);
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(EffectWindowsTest, CompressorPlotLabelsItsXAxisEvery20dB) {
  auto* plot = In<TwXYPlot>(fmComp, "wpComp");
  ASSERT_EQ(plot->size(), QSize(288, 274));
  plot->grab();
  QStringList labels;
  for (int i = 0; i < plot->XAxis()->TickListCount(); ++i)
    if (plot->XAxis()->TickListItem(i).TickType == ipttMajor) labels << plot->XAxis()->TickListItem(i).Text;
  EXPECT_EQ(labels, QStringList({"-100", "-80", "-60", "-40", "-20", "0", "20"}));
  EXPECT_DOUBLE_EQ(plot->XAxis()->MajorIncrement(), 20);
  EXPECT_DOUBLE_EQ(plot->YAxis()->DesiredIncrement(), 10);
}

TEST_F(EffectWindowsTest, CompressorThresholdMovesThePageFaderWithOneCommand) {
  Image().Effect.Comp = {0, 50, 499, 220};
  ASSERT_TRUE(main->LoadCompDialog());
  EXPECT_TRUE(main->frames.empty());
  Fader(fmComp, "isThreshold")->SetPosition(-40);
  EXPECT_EQ(main->frames, std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x0A, 0x30, 0x12, 0x00, 0x00, 0x32, 0x00,
                                                    0xF3, 0x01, 0x8C, 0x00, 0x10, 0x03, 0x64})});
  EXPECT_EQ(Find<TExTrackBar>("isCompThresholdEff")->Position(), -40);
  EXPECT_EQ(Image().Effect.Comp[3], 140);
}

TEST_F(EffectWindowsTest, CompressorLampsLightOnlyWithARatio) {
  Bytes meter(33, 0);
  meter[19] = 0x01;
  auto* dialogLed = In<TwLed>(fmComp, "wlrCompLed");
  auto* pageLed = Find<TwLed>("wlrCompLedEff");
  Image().Effect.Comp[0] = 3;
  main->OnMeterReply(meter);
  EXPECT_TRUE(dialogLed->Active());
  EXPECT_TRUE(pageLed->Active());
  Image().Effect.Comp[0] = 0;
  main->OnMeterReply(meter);
  EXPECT_FALSE(dialogLed->Active());
  EXPECT_FALSE(pageLed->Active());
}

}  // namespace
