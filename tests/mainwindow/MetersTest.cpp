// The meter replies, the gate levels, the echo canceller's register read and
// the meter reset, driven by calling the handlers with payloads.
#include <QImage>
#include <QLabel>

#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "controls/DvLevelBar.h"
#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/wLed.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "display/LProgressBar.h"
#include "MainWindowFixture.h"
#include "support/UiFixture.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

constexpr std::size_t kMeterSize = 33;

// The main window with the four dialogs the meter reply writes into.
class MetersTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmMain->tmStartConnect->SetEnabled(false);
    fmAec = new TfmAec();
    fmAutoMix = new TfmAutoMix();
    fmCamera = new TfmCamera();
    fmComp = new TfmComp();
  }
  void TearDown() override {
    delete fmAec;
    delete fmAutoMix;
    delete fmCamera;
    delete fmComp;
    fmAec = nullptr;
    fmAutoMix = nullptr;
    fmCamera = nullptr;
    fmComp = nullptr;
    MainWindowTest::TearDown();
  }

  LProgressBar* Bar(const QString& name) {
    auto* bar = fmMain->FindControl<LProgressBar>(name);
    EXPECT_NE(bar, nullptr) << name.toStdString();
    return bar;
  }
  int Lit(const QString& name) {
    LProgressBar* bar = Bar(name);
    return bar ? bar->LitCount() : -1;
  }
  static Bytes Levels(int level) {
    Bytes p(kMeterSize, 0);
    for (std::size_t c = 0; c < 17; ++c) p[c] = static_cast<std::uint8_t>(level);
    return p;
  }
  PresetImage& Image() { return fmMain->UnitControl->MutablePresetImage(); }
  TwLed* Led(platform::Form* form, const char* name) { return form->FindControl<TwLed>(QString::fromLatin1(name)); }
};

// A gate triple holding the float f (its three most significant bytes in the
// reply's order: second, first, third).
void PutGate(Bytes& p, int input, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  p[3 * input] = static_cast<std::uint8_t>(bits >> 16);
  p[3 * input + 1] = static_cast<std::uint8_t>(bits >> 24);
  p[3 * input + 2] = static_cast<std::uint8_t>(bits >> 8);
}

}  // namespace

TEST_F(MetersTest, LevelsLightSegmentsByTheThresholdTables) {
  struct Case {
    int level, input, output;
  };
  const Case cases[] = {{-5, 8, 7},  {-3, 9, 8},  {-30, 4, 2},   {-70, 0, 0}, {-69, 1, 1},
                        {-4, 8, 7},  {-128, 0, 0}, {127, 9, 8},  {-25, 4, 3}, {-24, 5, 4}};
  for (const Case& c : cases) {
    fmMain->OnMeterReply(Levels(c.level));
    EXPECT_EQ(Lit("pbLevelBackupInC"), c.input) << c.level;
    EXPECT_EQ(Lit("pbLevelGateInH"), c.input) << c.level;
    EXPECT_EQ(Lit("pbLevelAgcInA"), c.input) << c.level;
    EXPECT_EQ(Lit("pbLevelEff"), c.input) << c.level;
    EXPECT_EQ(Lit("pbLevelBackupOut4"), c.output) << c.level;
    EXPECT_EQ(Lit("pbLevelCompOut8"), c.output) << c.level;
  }
}

TEST_F(MetersTest, FirstByteFBLightsEightSegmentsOnInputA) {
  Bytes p(kMeterSize, 0x80);  // -128 everywhere else: nothing lit
  p[0] = 0xFB;
  fmMain->OnMeterReply(p);
  EXPECT_EQ(Lit("pbLevelBackupInA"), 8);
  EXPECT_EQ(Lit("pbLevelInA"), 8);  // input A is the panel's channel
  EXPECT_EQ(Lit("pbLevelBackupInB"), 0);
}

TEST_F(MetersTest, PanelAndPageBarsFollowTheirChannels) {
  Bytes p(kMeterSize, 0x80);
  p[2] = static_cast<std::uint8_t>(-5);   // input C: 8 segments
  p[5] = static_cast<std::uint8_t>(-30);  // input F: 4
  p[9] = static_cast<std::uint8_t>(-3);   // output 2: 8
  fmMain->CurrentChannel = 9;
  fmMain->GateChannel = 2;
  fmMain->AgcChannel = 5;
  fmMain->CompChannel = 9;
  fmMain->OnMeterReply(p);
  EXPECT_EQ(Lit("pbLevelOut1"), 8);
  EXPECT_EQ(Lit("pbLevelInA"), 0);
  EXPECT_EQ(Lit("pbLevelGateIn"), 8);
  EXPECT_EQ(Lit("pbLevelAgcIn"), 4);
  EXPECT_EQ(Lit("pbLevelCompOut"), 8);
}

TEST_F(MetersTest, LimitLampsNeedTheBitAndARatioAboveZero) {
  auto* ratio1 = fmMain->FindControl<TExTrackBar>("isCompRatioOut1");
  auto* ratio2 = fmMain->FindControl<TExTrackBar>("isCompRatioOut2");
  ASSERT_TRUE(ratio1 && ratio2);
  ratio1->SetPosition(0);
  ratio2->SetPosition(3);
  fmMain->CurrentChannel = 9;
  fmMain->CompChannel = 9;
  Bytes p(kMeterSize, 0);
  p[17] = 0x03;  // outputs 1 and 2 limiting
  fmMain->OnMeterReply(p);
  EXPECT_EQ(Lit("pbLimitCompOut1"), 0);
  EXPECT_EQ(Lit("pbLimitBackupOut1"), 0);
  EXPECT_EQ(Lit("pbLimitCompOut2"), 1);
  EXPECT_EQ(Lit("pbLimitBackupOut2"), 1);
  EXPECT_EQ(Lit("pbLimitOut1"), 1);
  EXPECT_EQ(Lit("pbLimitCompOut"), 1);
  p[17] = 0x01;
  fmMain->OnMeterReply(p);
  EXPECT_EQ(Lit("pbLimitCompOut2"), 0);
  EXPECT_EQ(Lit("pbLimitCompOut"), 0);
}

TEST_F(MetersTest, CameraPositionAndEffectCompressorLamps) {
  auto* label = fmCamera->FindControl<QLabel>("lbCameraPos");
  ASSERT_NE(label, nullptr);
  TwLed* dialogLed = Led(fmComp, "wlrCompLed");
  auto* pageLed = fmMain->FindControl<TwLed>("wlrCompLedEff");
  ASSERT_TRUE(dialogLed && pageLed);

  Bytes p(kMeterSize, 0);
  p[19] = 0x31;
  Image().Effect.Comp[0] = 4;  // ratio
  fmMain->OnMeterReply(p);
  EXPECT_EQ(label->text(), "In3");
  EXPECT_TRUE(dialogLed->Active());
  EXPECT_TRUE(pageLed->Active());

  Image().Effect.Comp[0] = 0;
  fmMain->OnMeterReply(p);
  EXPECT_FALSE(dialogLed->Active());
  EXPECT_FALSE(pageLed->Active());

  p[19] = 0x00;
  Image().Effect.Comp[0] = 4;
  fmMain->OnMeterReply(p);
  EXPECT_EQ(label->text(), "None");
  EXPECT_FALSE(pageLed->Active());
}

TEST_F(MetersTest, CameraLampsLightForActiveInputsOnTheEffectBus) {
  fmCamera->SetInputMask(0x0F);  // inputs A-D on the bus, as the camera window was loaded
  Bytes p(kMeterSize, 0);
  p[18] = static_cast<std::uint8_t>(~0x22);  // B and F active
  fmMain->OnMeterReply(p);
  const bool expected[8] = {false, true, false, false, false, false, false, false};
  for (int i = 0; i < 8; ++i) {
    TwLed* led = fmCamera->FindControl<TwLed>(platform::ComposedName("wledIn", i));
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->Active(), expected[i]) << i;
  }
}

TEST_F(MetersTest, AutomixLevelsShowOnlyForBusInputsWhileAutomixIsOn) {
  Image().Effect.BusRouting = 0x01;  // input A only
  fmAutoMix->AutoMixState.On = 1;  // the on flag the window was loaded with
  Bytes p(kMeterSize, 0);
  p[25] = static_cast<std::uint8_t>(-12);
  p[26] = static_cast<std::uint8_t>(-12);
  fmMain->OnMeterReply(p);
  auto* a = fmAutoMix->FindControl<TDvLevelBar>("pbLevelIn01");
  auto* b = fmAutoMix->FindControl<TDvLevelBar>("pbLevelIn02");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Position(), 8);    // -12 + 20
  EXPECT_EQ(b->Position(), -60);  // -100, held at the bar's floor

  fmAutoMix->AutoMixState.On = 0;  // the on flag the window was loaded with
  fmMain->OnMeterReply(p);
  EXPECT_EQ(a->Position(), -60);
}

// The automix window's bars as the dialog builds them, fed by two meter
// replies; writes automix-bars-1.png and automix-bars-2.png.
TEST_F(MetersTest, AutomixBarsShowTheMeterLevelsInThreeZones) {
  Image().Effect.BusRouting = 0x0F;  // inputs 1-4
  fmAutoMix->AutoMixState.On = 1;  // the on flag the window was loaded with
  auto* bar = fmAutoMix->FindControl<TDvLevelBar>("pbLevelIn01");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->size(), QSize(12, 121));
  EXPECT_EQ(bar->TickCount(), 60);
  EXPECT_EQ(bar->Percent1(), 75);
  EXPECT_EQ(bar->Percent2(), 15);
  EXPECT_EQ(bar->MinValue(), -60);
  EXPECT_EQ(bar->MaxValue(), 20);
  const int levels[2][4] = {{-20, -8, 0, -40}, {-50, 0, -12, -3}};
  for (int shot = 0; shot < 2; ++shot) {
    Bytes p(kMeterSize, 0);
    for (int i = 0; i < 4; ++i) p[25 + i] = static_cast<std::uint8_t>(levels[shot][i]);
    fmMain->OnMeterReply(p);
    const QImage img = fmAutoMix->grab().toImage();
    img.save(QString::fromStdString(testsupport::OutputPath("automix-bars-" + std::to_string(shot + 1) + ".png")));
    for (int i = 0; i < 4; ++i) {
      auto* b = fmAutoMix->FindControl<TDvLevelBar>(QStringLiteral("pbLevelIn0%1").arg(i + 1));
      EXPECT_EQ(b->Position(), levels[shot][i] + 20);
      // The bar's top lit tick, in the window's picture.
      const int lit = b->LitCount();
      const QPoint origin = b->mapTo(fmAutoMix, QPoint(0, 0));
      const int zone = lit ? b->ZoneOf(lit - 1) : 1;
      const QColor high[] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)};
      if (lit) EXPECT_EQ(img.pixelColor(origin + platform::ToQRect(b->TickRect(lit - 1)).center()), high[zone - 1]);
    }
    EXPECT_EQ(fmAutoMix->FindControl<TDvLevelBar>("pbLevelIn05")->Position(), -60) << "not on the bus";
  }
}

TEST_F(MetersTest, EchoCancellerLevelsGoToLabelsHintsAndBars) {
  Bytes p(kMeterSize, 0);
  p[20] = static_cast<std::uint8_t>(-20);  // mic: bar at -26 -> 4
  p[21] = static_cast<std::uint8_t>(-20);  // line in: -26 -> 4
  p[22] = static_cast<std::uint8_t>(-20);  // line out: -14 -> 7
  p[23] = static_cast<std::uint8_t>(-20);  // speaker: -20 -> 5
  fmMain->OnMeterReply(p);
  struct Case {
    const char* label;
    const char* bar;
    int lit;
  };
  const Case cases[] = {{"lbMic0Level", "pbAecLevelInput", 4},
                        {"lbLineInLevel", "pbAecLevelVcsIn", 4},
                        {"lbLineOutLevel", "pbAecLevelVcsOut", 7},
                        {"lbSpkOutLevel", "pbAecLevelOutput", 5}};
  for (const Case& c : cases) {
    auto* label = fmAec->FindControl<QLabel>(c.label);
    auto* bar = fmAec->FindControl<LProgressBar>(c.bar);
    ASSERT_TRUE(label && bar) << c.bar;
    EXPECT_EQ(label->text(), " -20 dB") << c.label;
    EXPECT_EQ(bar->toolTip(), " -20 dB") << c.bar;
    EXPECT_EQ(bar->LitCount(), c.lit) << c.bar;
  }
}

TEST_F(MetersTest, GateLevelsAreDecodedAndBadValuesReadAsTheFloor) {
  struct Case {
    const char* what;
    std::array<std::uint8_t, 3> bytes;  // as they stand in the reply
    float value;                        // used when bytes is all zero and value != 0
    int lit;
  };
  const Case cases[] = {
      {"FF FF FF", {0xFF, 0xFF, 0xFF}, 0, 0},
      {"zero", {0, 0, 0}, 0, 0},
      {"1.0 (0 dB)", {}, 1.0f, 9},
      {"0.05 (-26 dB)", {}, 0.05f, 4},
      {"negative", {}, -1.0f, 0},
      {"infinity", {}, std::numeric_limits<float>::infinity(), 0},
      {"NaN", {}, std::numeric_limits<float>::quiet_NaN(), 0},
  };
  fmMain->GateChannel = 3;
  for (const Case& c : cases) {
    Bytes p(24, 0);
    for (int i = 0; i < 8; ++i) PutGate(p, i, 1.0f);  // everything else full
    if (c.value != 0) {
      PutGate(p, 3, c.value);
    } else {
      std::copy(c.bytes.begin(), c.bytes.end(), p.begin() + 9);
    }
    fmMain->OnGateLevelReply(p);
    EXPECT_EQ(Lit("pbLevelGateInD"), c.lit) << c.what;
    EXPECT_EQ(Lit("pbLevelGateIn"), c.lit) << c.what;
    EXPECT_EQ(Lit("pbLevelGateInC"), 9) << c.what;
  }
}

TEST_F(MetersTest, ShortRepliesChangeNothing) {
  fmMain->OnMeterReply(Levels(-3));
  Bar("pbLevelBackupInA")->SetPosition(2);
  Bar("pbLevelGateInA")->SetPosition(3);
  auto* readData = fmAec->FindControl<QLabel>("lbReadData");
  ASSERT_NE(readData, nullptr);
  readData->setText("unchanged");

  fmMain->OnMeterReply(Bytes(kMeterSize - 1, 0));
  fmMain->OnMeterReply({});
  fmMain->OnGateLevelReply(Bytes(23, 0));
  fmMain->OnAecRegisterReply(Bytes{0x34});

  EXPECT_EQ(Lit("pbLevelBackupInA"), 2);
  EXPECT_EQ(Lit("pbLevelGateInA"), 3);
  EXPECT_EQ(Lit("pbLevelBackupOut1"), 8);
  EXPECT_EQ(readData->text(), "unchanged");
}

TEST_F(MetersTest, RegisterReplyShowsFourHexDigits) {
  fmMain->OnAecRegisterReply(Bytes{0x0B, 0x00});
  EXPECT_EQ(fmAec->FindControl<QLabel>("lbReadData")->text(), "000b");
  fmMain->OnAecRegisterReply(Bytes{0x34, 0xA2});
  EXPECT_EQ(fmAec->FindControl<QLabel>("lbReadData")->text(), "a234");
}

TEST_F(MetersTest, ResetDarkensEveryBarAndBothCompressorLamps) {
  Image().Effect.Comp[0] = 4;
  Image().Effect.BusRouting = 0xFF;
  for (int n = 1; n <= 8; ++n)
    fmMain->FindControl<TExTrackBar>(QStringLiteral("isCompRatioOut%1").arg(n))->SetPosition(2);
  Bytes p = Levels(127);
  p[17] = 0xFF;
  p[19] = 0x01;
  for (std::size_t i = 20; i < kMeterSize; ++i) p[i] = 127;
  fmMain->OnMeterReply(p);
  ASSERT_TRUE(fmMain->FindControl<TwLed>("wlrCompLedEff")->Active());
  ASSERT_TRUE(Led(fmComp, "wlrCompLed")->Active());

  fmMain->ResetMeters();
  QStringList names = {"pbLevelInA",     "pbLevelOut1",   "pbLimitOut1", "pbLevelAgcIn", "pbLevelGateIn",
                       "pbLevelCompOut", "pbLimitCompOut", "pbLevelEff"};
  for (int i = 0; i < 8; ++i) {
    for (const char* role : {"pbLevelBackupIn", "pbLevelAgcIn", "pbLevelGateIn"})
      names << platform::ComposedName(role, i);
    for (const char* role : {"pbLevelBackupOut", "pbLevelCompOut", "pbLimitCompOut", "pbLimitBackupOut"})
      names << platform::ComposedName(role, 8 + i);
  }
  for (const QString& name : names) EXPECT_EQ(Lit(name), 0) << name.toStdString();
  for (const char* name : {"pbAecLevelInput", "pbAecLevelOutput", "pbAecLevelVcsIn", "pbAecLevelVcsOut"})
    EXPECT_EQ(fmAec->FindControl<LProgressBar>(name)->LitCount(), 0) << name;
  EXPECT_FALSE(fmMain->FindControl<TwLed>("wlrCompLedEff")->Active());
  EXPECT_FALSE(Led(fmComp, "wlrCompLed")->Active());
  for (int i = 0; i < 8; ++i) {
    auto* button = fmMain->FindControl<TUxBmpButton>(platform::ComposedName("uxb", i) + "MatrixEff");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->FontColor(), QColor(Qt::black));
  }
}
