// The automix window (weights, ratio, time, the "Auto" switches, the gain),
// its loading from the effect page and its level bars, and the sub and group
// control windows: what each edit sends, and that loading and showing send
// nothing.
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/DvLevelBar.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/wKnob.h"
#include "controls/wSwitchLed.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FSubCtrl.h"
#include "platform/MenuItem.h"

namespace {

class AutoMixSubGroupTest : public RecordingMainTest {
 protected:
  void SetUp() override {
    RecordingMainTest::SetUp();
    fmAutoMix = new TfmAutoMix();
    fmAutoMix->FormCreate();
    fmSubCtrl = new TfmSubCtrl();
    fmSubCtrl->FormCreate();
    fmGroupCtrl = new TfmGroupCtrl();
    fmGroupCtrl->FormCreate();
  }
  void TearDown() override {
    delete fmAutoMix;
    delete fmSubCtrl;
    delete fmGroupCtrl;
    fmAutoMix = nullptr;
    fmSubCtrl = nullptr;
    fmGroupCtrl = nullptr;
    RecordingMainTest::TearDown();
  }
  template <typename T>
  static T* In(platform::Form* form, const QString& name) {
    T* c = form->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  static TwKnob* Knob(int n) { return In<TwKnob>(fmAutoMix, QStringLiteral("kbShareWeightIn0%1").arg(n)); }
  static QString Weight(int n) { return In<QLabel>(fmAutoMix, QStringLiteral("lbGainIn0%1").arg(n))->text(); }
  static TDvLevelBar* Bar(int n) { return In<TDvLevelBar>(fmAutoMix, QStringLiteral("pbLevelIn0%1").arg(n)); }
  static Frame Plain(std::initializer_list<int> v) { return {Hex(v), false}; }
  // The darkest pixel of a value box's text, as red + green + blue: black
  // text is near 0, greyed text far above it.
  static int DarkestInk(TRoundEdit* box) {
    const QImage image = box->Edit()->grab().toImage();
    int darkest = 3 * 255;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        darkest = std::min(darkest, c.red() + c.green() + c.blue());
      }
    return darkest;
  }
  // A user's click on a toggle button: Down flips, then the click runs.
  static void UserClick(TUxBmpButton* b) {
    b->SetDown(!b->Down());
    b->Click();
  }
  MixSettings& AutoMix() { return Image().Effect.AutoMix; }
};

TEST_F(AutoMixSubGroupTest, WeightKnobsShowAndSendTheirCode) {
  Image().Effect.BusRouting = 0xFF;
  ASSERT_TRUE(main->LoadAutoMixDialog());
  fmAutoMix->FormShow();
  main->frames.clear();

  Knob(3)->SetPosition(-250);
  EXPECT_EQ(Weight(3), "-45.0dB");
  Knob(1)->SetPosition(120);
  EXPECT_EQ(Weight(1), "+12.0dB");
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x04, 0x47, 0x02, 0x1E, 0x00, 0x10, 0x03, 0x5F}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x04, 0x47, 0x00, 0x90, 0x01, 0x10, 0x03, 0xD2})}));
  EXPECT_EQ(Image().Effect.AutoMixWeight[2], 30);
  EXPECT_EQ(Image().Effect.AutoMixWeight[0], 400);

  // Texts around the step change and zero, which keeps its minus sign.
  const std::pair<double, const char*> texts[] = {{-200, "-20.0dB"}, {-201, "-20.5dB"}, {-280, "-60.0dB"},
                                                  {0, "-0.0dB"},     {1, "+0.1dB"},     {-0.5, "-0.0dB"}};
  for (auto [position, text] : texts) {
    Knob(2)->SetPosition(position);
    EXPECT_EQ(Weight(2), text) << position;
  }

  // A drag step leaves the knob on a whole step (toward zero).
  Knob(4)->SetPosition(-12.5);
  Knob(4)->OnMouseMove(Knob(4), {}, 20, 20);
  EXPECT_EQ(Knob(4)->Position(), -12);
  Knob(4)->SetPosition(7.5);
  Knob(4)->OnMouseMove(Knob(4), {}, 20, 20);
  EXPECT_EQ(Knob(4)->Position(), 7);
}

TEST_F(AutoMixSubGroupTest, AutoButtonSwitchesTheRatioAndTimeShowsMilliseconds) {
  AutoMix() = {3u | 5u << 16, 0, 1};
  ASSERT_TRUE(main->LoadAutoMixDialog());
  fmAutoMix->FormShow();
  auto* automatic = In<TUxBmpButton>(fmAutoMix, "uxbShareAuto");
  auto* ratio = In<TExTrackBar>(fmAutoMix, "isShareRatio");
  auto* ratioBox = In<TRoundEdit>(fmAutoMix, "cvdShareRatio");
  EXPECT_FALSE(automatic->Down());
  EXPECT_EQ(ratio->Position(), 5);
  EXPECT_TRUE(main->frames.empty());

  EXPECT_LT(DarkestInk(ratioBox), 150);
  UserClick(automatic);
  EXPECT_FALSE(ratio->isEnabled());
  EXPECT_FALSE(ratioBox->Enabled());
  EXPECT_GT(DarkestInk(ratioBox), 300) << "a disabled box shows its text greyed";
  // The face too: off the cyan of a box that shows a value.
  const QColor cyan(223, 255, 255);
  auto face = [&] { return ratioBox->grab().toImage().pixelColor(8, ratioBox->height() / 2); };
  EXPECT_NE(face(), cyan);
  UserClick(automatic);
  EXPECT_TRUE(ratio->isEnabled());
  EXPECT_TRUE(ratioBox->Enabled());
  EXPECT_LT(DarkestInk(ratioBox), 150);
  EXPECT_EQ(face(), cyan);
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x0B, 0x5A, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                       0x00, 0x01, 0x00, 0x10, 0x03, 0x53}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x0B, 0x5A, 0x03, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00,
                                       0x00, 0x01, 0x00, 0x10, 0x03, 0x56})}));

  auto* time = In<TExTrackBar>(fmAutoMix, "isShareTime");
  time->SetPosition(3749);
  EXPECT_EQ(In<TRoundEdit>(fmAutoMix, "cvdShareTime")->Text(), "5000.0ms");
  time->SetPosition(3);
  EXPECT_EQ(In<TRoundEdit>(fmAutoMix, "cvdShareTime")->Text(), "5.3ms");
  EXPECT_EQ(AutoMix().WordA, 3u | 5u << 16);
  ratio->SetPosition(7);
  EXPECT_EQ(ratioBox->Text(), "7");
  EXPECT_EQ(AutoMix().WordA, 3u | 7u << 16);
}

TEST_F(AutoMixSubGroupTest, SwitchesAndGainGoThroughTheMainWindow) {
  Image().Effect.BusRouting = 0x03;
  AutoMix() = {3, 0x1234u, 0};
  ASSERT_TRUE(main->LoadAutoMixDialog());
  fmAutoMix->FormShow();
  auto* b = In<TwSwitchLed>(fmAutoMix, "slShareAutoIn02");
  QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
  EXPECT_TRUE(b->Active());
  EXPECT_EQ(AutoMix().WordB, 0x1234u | 0x20000u);
  ASSERT_EQ(main->frames.size(), 1u);
  EXPECT_EQ(main->frames[0].bytes[5], 0x5A);

  // The gain moves the effect page's fader, whose handler sends channel 18.
  main->frames.clear();
  In<TExTrackBar>(fmAutoMix, "isGainAux")->SetPosition(-30);
  EXPECT_EQ(In<TRoundEdit>(fmAutoMix, "cvdGainAux")->Text(), "-3.0dB");
  EXPECT_EQ(Find<TExTrackBar>("isGainEff")->Position(), -30);
  EXPECT_EQ(Image().Effect.Gain, 250);
  ASSERT_EQ(main->frames.size(), 1u);
  EXPECT_EQ(main->frames[0].bytes[5], 0x34);
  EXPECT_EQ(main->frames[0].bytes[6], 18);
}

TEST_F(AutoMixSubGroupTest, EffectPageLoadsTheWindowSilentlyAndBarsFollowTheOnFlag) {
  Knob(1)->SetPosition(33);  // so that every knob moves
  auto& fx = Image().Effect;
  for (int i = 0; i < 8; ++i) fx.AutoMixWeight[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(100 + 30 * i);
  fx.Gain = 230;
  fx.BusRouting = 0x05;
  AutoMix() = {77u, 0x00050000u, 1};
  main->frames.clear();
  ASSERT_TRUE(main->LoadAutoMixDialog());
  fmAutoMix->FormShow();
  EXPECT_TRUE(main->frames.empty());
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(Knob(n)->Position(), 100 + 30 * (n - 1) - 280) << n;
  EXPECT_EQ(Weight(1), "-18.0dB");
  EXPECT_EQ(In<TExTrackBar>(fmAutoMix, "isGainAux")->Position(), -50);
  EXPECT_EQ(In<TExTrackBar>(fmAutoMix, "isShareTime")->Position(), 77);
  EXPECT_EQ(In<TRoundEdit>(fmAutoMix, "cvdShareTime")->Text(), "104.0ms");
  EXPECT_TRUE(In<TUxBmpButton>(fmAutoMix, "uxbShareAuto")->Down());
  EXPECT_FALSE(In<TExTrackBar>(fmAutoMix, "isShareRatio")->isEnabled());
  EXPECT_FALSE(In<TRoundEdit>(fmAutoMix, "cvdShareRatio")->Enabled());
  for (int n = 1; n <= 8; ++n) {
    const bool onBus = n == 1 || n == 3;
    EXPECT_EQ(In<TUxGroupBox>(fmAutoMix, QStringLiteral("uxgShareIn0%1").arg(n))->isEnabled(), onBus) << n;
    EXPECT_EQ(In<TwSwitchLed>(fmAutoMix, QStringLiteral("slShareAutoIn0%1").arg(n))->Active(), onBus) << n;
    EXPECT_EQ(Bar(n)->Position(), -60) << n;
  }
  EXPECT_EQ(AutoMix().WordB, 0x00050000u);

  Bytes meter(33, 0);
  for (int i = 0; i < 8; ++i) meter[25 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(-10);
  main->OnMeterReply(meter);
  EXPECT_EQ(Bar(1)->Position(), 10);
  EXPECT_EQ(Bar(2)->Position(), -60) << "off the bus";
  EXPECT_EQ(Bar(3)->Position(), 10);

  // Block off: every bar at its minimum, whatever arrives.
  AutoMix().On = 0;
  ASSERT_TRUE(main->LoadAutoMixDialog());
  for (int level : {-10, 20, 127}) {
    for (int i = 0; i < 8; ++i) meter[25 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(level);
    main->OnMeterReply(meter);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Bar(n)->Position(), -60) << n << " " << level;
  }
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(AutoMixSubGroupTest, SetButtonShowsTheLoadedWindow) {
  Image().Effect.Gain = 300;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = fmAutoMix->isVisible();
    fmAutoMix->SetModalResult(0);
  });
  Find<TUxBmpButton>("uxbAutoMixSetEff")->Click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(In<TExTrackBar>(fmAutoMix, "isGainAux")->Position(), 20);
  EXPECT_EQ(fmAutoMix->windowTitle(), "AutoMix Setting");
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(AutoMixSubGroupTest, SubControlEditsSendTheSidesWord) {
  fmSubCtrl->SetSubCtrlWord(0, 0x00810140u);  // inputs A and H, muted, 64 %
  fmSubCtrl->SetSubCtrlWord(1, 80);
  fmSubCtrl->FormShow();
  EXPECT_TRUE(main->frames.empty());
  EXPECT_TRUE(In<TUxBmpButton>(fmSubCtrl, "uxbInSubCtrlMute")->Down());
  EXPECT_EQ(In<TExTrackBar>(fmSubCtrl, "isInSubCtrlVol")->Position(), 64);
  EXPECT_EQ(In<TRoundEdit>(fmSubCtrl, "cvdInSubCtrlVol")->Text(), "  64%");
  EXPECT_TRUE(In<TUxBmpButton>(fmSubCtrl, "uxbInSubCtrlSelH")->Down());
  EXPECT_FALSE(In<TUxBmpButton>(fmSubCtrl, "uxbInSubCtrlSelB")->Down());

  UserClick(In<TUxBmpButton>(fmSubCtrl, "uxbOutSubCtrlSelC"));
  EXPECT_EQ(main->frames,
            std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x06, 0x5B, 0x01, 0x50, 0x00, 0x04, 0x00, 0x10, 0x03, 0x08})});
  EXPECT_EQ(Image().OutputSubCtrl, 0x00040050u);
  main->frames.clear();
  UserClick(In<TUxBmpButton>(fmSubCtrl, "uxbOutSubCtrlMute"));
  In<TExTrackBar>(fmSubCtrl, "isOutSubCtrlVol")->SetPosition(5);
  EXPECT_EQ(In<TRoundEdit>(fmSubCtrl, "cvdOutSubCtrlVol")->Text(), "   5%");
  EXPECT_EQ(Image().OutputSubCtrl, 0x00040105u);
  EXPECT_EQ(main->frames.size(), 2u);
}

TEST_F(AutoMixSubGroupTest, GroupControlEditsSendTheGroupsEntry) {
  fmGroupCtrl->SetGroupCtrlEntry(2, 100u | 0x03u << 16);
  fmGroupCtrl->SetGroupCtrlEntry(4, 100u | 0x01u << 16);
  fmGroupCtrl->SetGroupCtrlEntry(7, 20u | 1u << 8 | 0x80u << 16);
  fmGroupCtrl->FormShow();
  EXPECT_TRUE(main->frames.empty());
  EXPECT_TRUE(In<TUxBmpButton>(fmGroupCtrl, "uxbGroupCtrlSel8Out4")->Down());
  EXPECT_TRUE(In<TUxBmpButton>(fmGroupCtrl, "uxbGroupCtrlMuteOut4")->Down());
  EXPECT_EQ(In<TExTrackBar>(fmGroupCtrl, "isGroupCtrlVolOut4")->Position(), 20);
  EXPECT_EQ(fmGroupCtrl->FindControl<QLabel>("lbGroupCtrlOut2")->text(), "Group2");

  UserClick(In<TUxBmpButton>(fmGroupCtrl, "uxbGroupCtrlMuteInC"));
  In<TExTrackBar>(fmGroupCtrl, "isGroupCtrlVolOut1")->SetPosition(50);
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x6B, 0x02, 0x64, 0x01, 0x03, 0x10, 0x03, 0x0A}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x6B, 0x04, 0x32, 0x00, 0x01, 0x10, 0x03, 0x59})}));
  EXPECT_EQ(main->UnitControl->GetGroupCtrl(2).Word(), 100u | 1u << 8 | 0x03u << 16);
  main->frames.clear();
  UserClick(In<TUxBmpButton>(fmGroupCtrl, "uxbGroupCtrlSelCInA"));
  EXPECT_EQ(main->frames,
            std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x6B, 0x00, 0x64, 0x00, 0x04, 0x10, 0x03, 0x0E})});
}

// With a selection button gone, showing still ends its loading: later
// edits are stored and sent.
TEST_F(AutoMixSubGroupTest, ShowingWithAMissingButtonLeavesEditsSent) {
  delete fmSubCtrl->FindControl<TUxBmpButton>("uxbInSubCtrlSelD");
  delete fmGroupCtrl->FindControl<TUxBmpButton>("uxbGroupCtrlSelBInA");
  fmSubCtrl->FormShow();
  fmGroupCtrl->FormShow();
  EXPECT_EQ(fmSubCtrl->Loading, 0);
  EXPECT_EQ(fmGroupCtrl->Loading, 0);
  In<TExTrackBar>(fmSubCtrl, "isInSubCtrlVol")->SetPosition(60);
  UserClick(In<TUxBmpButton>(fmSubCtrl, "uxbOutSubCtrlMute"));
  In<TExTrackBar>(fmGroupCtrl, "isGroupCtrlVolInA")->SetPosition(60);
  ASSERT_EQ(main->frames.size(), 3u);
  EXPECT_EQ(Image().InputSubCtrl & 0xFF, 60u);
  EXPECT_EQ(main->UnitControl->GetGroupCtrl(0).Volume, 60);
}

TEST_F(AutoMixSubGroupTest, MenuOpensBothWindowsModally) {
  for (const char* item : {"SubCtrl", "GroupCtrl"}) {
    platform::Form* form = QString::fromLatin1(item) == "SubCtrl" ? static_cast<platform::Form*>(fmSubCtrl)
                                                                   : fmGroupCtrl;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      modal = form->IsModal() && form->isVisible();
      form->SetModalResult(0);
    });
    main->MenuItem(QString::fromLatin1(item))->Click();
    EXPECT_TRUE(modal) << item;
  }
  EXPECT_EQ(fmSubCtrl->windowTitle(), "Sub Control Setting");
  EXPECT_EQ(fmGroupCtrl->windowTitle(), "Group Control Setting");
  EXPECT_TRUE(main->frames.empty());
}

}  // namespace
