// The main window's form: every named control of the frame, the Gain,
// channel and Aux pages exists with its class, Tag and group; the geometry the
// layout rules start from; the start page; and a picture of the window for a
// look by eye.
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include "controls/UpDown.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "MainWindowFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "controls/UxShapeButton.h"
#include "controls/wLed.h"
#include "display/FrequencyResponse.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/LProgressBar.h"
#include "support/UiFixture.h"

namespace {

using Check = std::function<bool(QObject*)>;
template <typename T>
Check Is() {
  return [](QObject* o) { return dynamic_cast<T*>(o) != nullptr; };
}

// The names of a family: prefix + channel suffix + tail, for the channels.
QStringList Family(const QString& prefix, int first, int last, const QString& tail = QString()) {
  QStringList names;
  for (int ch = first; ch <= last; ++ch) names << platform::ComposedName(prefix, ch) + tail;
  return names;
}
QStringList Inputs(const QString& prefix, const QString& tail = QString()) { return Family(prefix, 0, 7, tail); }
QStringList Outputs(const QString& prefix, const QString& tail = QString()) { return Family(prefix, 8, 15, tail); }

class FormTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
  }
  template <typename T = QWidget>
  T* Get(const QString& name) {
    T* control = main->FindControl<T>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  TfmMain* main = nullptr;
};

// The preset number and name stand on shape-button plates: disabled pictures
// without bevel or border, keyed out over the preset bar; so do the page
// bar's status texts.
TEST_F(FormTest, PresetPlatesAreShapeButtonsUnderTheirTexts) {
  auto* bar = Get<TUxGroupBox>("uxgPreset");
  for (auto [plateName, labelName] : {std::pair{"uxsbPstNum", "lbPstNum"}, {"uxsbPstName", "lbPstName"}}) {
    SCOPED_TRACE(plateName);
    auto* plate = Get<TUxShapeButton>(plateName);
    ASSERT_NE(plate, nullptr);
    EXPECT_FALSE(plate->isEnabled());
    EXPECT_EQ(plate->BevelWidth(), 0);
    EXPECT_EQ(plate->BorderStyle(), bsNone);
    EXPECT_TRUE(plate->Caption().isEmpty());
    EXPECT_EQ(plate->BitmapUp(), plate->Bitmap()) << "no bevel, no border: the face is the picture";
    auto* label = Get<QLabel>(labelName);
    ASSERT_NE(label, nullptr);
    const QRect face(plate->pos(), plate->Bitmap().size());
    EXPECT_EQ(label->geometry(), face);
    const QImage shot = bar->grab().toImage();
    EXPECT_EQ(shot.pixelColor(face.topLeft()), bar->Color()) << "the keyed-out corner";
    EXPECT_EQ(shot.pixelColor(face.bottomLeft() + QPoint(6, -2)), QColor(24, 28, 32)) << "the plate";
  }
  // The page bar's end piece: a plate behind the ID, state and address texts.
  auto* bar2 = Get<TUxGroupBox>("uxgFunction");
  auto* end = Get<TUxShapeButton>("uxsbMenuEnd");
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->parentWidget(), bar2);
  EXPECT_FALSE(end->isEnabled());
  EXPECT_EQ(end->BevelWidth(), 0);
  EXPECT_EQ(end->BorderStyle(), bsNone);
  EXPECT_TRUE(end->Caption().isEmpty());
  const QRect face(end->pos(), end->Bitmap().size());
  for (const char* text : {"lbShowIdNumber", "lbStatus", "lbShowIp"}) {
    EXPECT_TRUE(face.contains(Get(text)->geometry())) << text;
    EXPECT_LT(bar2->children().indexOf(end), bar2->children().indexOf(Get(text))) << text << " stands in front";
  }
  EXPECT_EQ(bar2->grab().toImage().pixelColor(face.bottomLeft() + QPoint(6, -2)), QColor(24, 28, 32));
}

// "EQ Bypass" and "EQ Reset" show their raised bevel inside the black
// outline whether or not the mouse is over them.
TEST_F(FormTest, EqButtonsShowTheirBevelWithoutTheMouse) {
  for (const char* name : {"vrbEqBypassInA", "vrbEqResetOut1"}) {
    SCOPED_TRACE(name);
    auto* button = Get<TDvDemoButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->Flat());
    const QImage image = button->grab().toImage();
    const int w = image.width(), h = image.height();
    ASSERT_EQ(QSize(w, h), QSize(65, 17));
    EXPECT_EQ(image.pixelColor(0, h / 2), QColor(Qt::black)) << "outline";
    EXPECT_EQ(image.pixelColor(w / 3, 1), button->HighlightColor()) << "bevel, top";
    EXPECT_EQ(image.pixelColor(1, h / 2), button->HighlightColor()) << "bevel, left";
    EXPECT_EQ(image.pixelColor(w / 3, h - 2), button->ShadowColor()) << "bevel, bottom";
    EXPECT_EQ(image.pixelColor(w - 2, h / 2), button->ShadowColor()) << "bevel, right";
  }
}

TEST_F(FormTest, PageButtonsAreOneGroupOfTabsAtTheirDesignLefts) {
  struct Page {
    QString name, caption;
    int tag, left;
  };
  std::vector<Page> pages = {{"uxbMenuGain", "Gain", 21, -12},   {"uxbMenuGate", "Gate", 20, 45},
                             {"uxbMenuAgc", "AGC", 22, 102},     {"uxbMenuComp", "Comp", 16, 159},
                             {"uxbMenuDelay", "Delay", 17, 216}, {"uxbMenuMatrix", "Matrix", 19, 272},
                             {"uxbMenuEff", "Aux", 18, 329}};
  for (int k = 0; k < 16; ++k)
    pages.push_back({platform::ComposedName(k < 8 ? "uxbMenuIn" : "uxbMenuOut", k),
                     QStringLiteral("%1%2").arg(k < 8 ? "In" : "Out").arg(k % 8 + 1), k, 387 + 57 * k});
  ASSERT_EQ(pages.size(), 23u);
  auto* strip = Get<TUxPanel>("plMenuSel");
  for (const Page& p : pages) {
    SCOPED_TRACE(p.name.toStdString());
    auto* b = Get<TUxBmpButton>(p.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Caption(), p.caption);
    EXPECT_EQ(b->Tag(), p.tag);
    EXPECT_EQ(b->GroupIndex(), 1);
    EXPECT_EQ(b->parentWidget(), strip);
    EXPECT_EQ(b->geometry(), QRect(p.left, 0, 74, 40));
    const bool gain = p.tag == 21;
    EXPECT_EQ(b->Down(), gain);
    EXPECT_EQ(b->FontColor(), gain ? QColor(0, 255, 0) : QColor(255, 255, 255));
    EXPECT_FALSE(b->Bitmaps()->Up().isNull());
    // The caption starts 24 pixels from the tab's left edge where it fits
    // clear of the next tab, whose slanted edge rises from x 57, else as far
    // left as that needs; vertically centred.
    const int width = QFontMetrics(b->font()).horizontalAdvance(p.caption);
    EXPECT_EQ(b->Margin(), std::min(24, 55 - width));
    EXPECT_LE(b->Margin() + width, 55);
    EXPECT_GE(b->Margin(), 8) << "clear of the tab's own slanted edge";
    QRect glyph, text;
    b->GetLayout(glyph, text);
    EXPECT_EQ(text.left(), b->Margin());
    EXPECT_LE(std::abs(text.center().y() - 20), 1);
  }
  // Out8 sits at 1242; the strip scrolls inside its 748-pixel clipping panel.
  EXPECT_EQ(Get("uxbMenuOut8")->x(), 1242);
  EXPECT_EQ(strip->geometry(), QRect(3, 0, 2000, 40));
  EXPECT_EQ(strip->parentWidget(), Get("plMenuBlock"));
  EXPECT_EQ(Get("plMenuBlock")->size(), QSize(748, 40));
  EXPECT_EQ(Get<TUxBmpButton>("uxbMenuLeft")->Caption(), "<");
  EXPECT_EQ(Get<TUxBmpButton>("uxbMenuLeft")->Tag(), 0);
  EXPECT_EQ(Get<TUxBmpButton>("uxbMenuRight")->Caption(), ">");
  EXPECT_EQ(Get<TUxBmpButton>("uxbMenuRight")->Tag(), 1);
}

TEST_F(FormTest, EveryNamedControlOfTheseFamiliesHasItsClass) {
  struct Row {
    QStringList names;
    Check is;
    const char* what;
  };
  const std::vector<Row> table = {
      // Frame, top bar and preset bar.
      {{"uxgFunction", "uxgMain", "uxgPreset"}, Is<TUxGroupBox>(), "group box"},
      {{"plMenuBlock", "plMenuSel"}, Is<TUxPanel>(), "panel"},
      {{"uxbMenuLeft", "uxbMenuRight", "uxbMenuLink", "sbIpScan", "bStore", "bRecall"}, Is<TUxBmpButton>(),
       "bitmap button"},
      {{"lbShowIdNumber", "lbShowIp", "lbStatus", "lbIp", "lAddress", "lPreset", "lbPstNum", "lbPstName",
        "imLeftUpBase", "imRightUpBase", "imLeftDownBase", "imRightDownBase"},
       Is<QLabel>(),
       "label"},
      {{"uxcIpAddress"}, Is<TUxComboBox>(), "combo"},
      {{"isBlue"}, Is<TExTrackBar>(), "fader"},
      // Page containers.
      {Inputs("uxgFftIn") + Outputs("uxgFftOut") +
           QStringList{"uxgFftGain", "uxgFftDelay", "uxgFftComp", "uxgFftGate", "uxgFftAgc", "uxgFftMatrix",
                       "uxgFftEff", "uxgParamInA", "uxgParamOut1", "uxgParamGain", "uxgParamDelay", "uxgParamComp",
                       "uxgParamGate", "uxgParamAgc", "uxgParamMatrix", "uxgParamEff"},
       Is<TUxGroupBox>(),
       "page container"},
      // Gain page.
      {{"fftDrawGainIn", "fftDrawGainOut"}, Is<display::LMyFFTDrawHpLp6dB>(), "response plot"},
      {{"uxgFftShowChIn", "uxgFftShowChOut"}, Is<TUxGroupBox>(), "overlay group"},
      {{"uxpGainIn", "uxpGainOut"}, Is<TUxPanel>(), "strip panel"},
      {Inputs("uxgGainBackupIn") + Outputs("uxgGainBackupOut"), Is<TUxGroupBox>(), "strip"},
      {Inputs("isGainBackupIn") + Outputs("isGainBackupOut"), Is<TExTrackBar>(), "strip fader"},
      {Inputs("cvdGainBackupIn") + Outputs("cvdGainBackupOut"), Is<TRoundEdit>(), "strip value box"},
      {Inputs("uxbMuteBackupIn") + Outputs("uxbMuteBackupOut") + Inputs("uxbPhaseBackupIn") +
           Outputs("uxbPhaseBackupOut") + Inputs("uxbLineBackupIn") + Inputs("uxbPhantomBackupIn") +
           QStringList{"uxbGainSelIn", "uxbGainSelOut"},
       Is<TUxBmpButton>(),
       "strip button"},
      {Inputs("uxcLineBackupIn"), Is<TUxComboBox>(), "level list"},
      {Inputs("udLineBackupIn"), Is<TUpDown>(), "up-down"},
      {Inputs("pbLevelBackupIn") + Outputs("pbLevelBackupOut") + Outputs("pbLimitBackupOut"), Is<LProgressBar>(),
       "meter"},
      {{"lbGainSel", "lbGainInput", "lbGainOutput", "lbFftGainIn", "lbFftGainOut"}, Is<QLabel>(), "label"},
      // Channel pages, upper.
      {Inputs("fftDrawIn") + Outputs("fftDrawOut") + QStringList{"fftDrawEff"}, Is<display::LMyFFTDrawHpLp6dB>(),
       "response plot"},
      {Inputs("lbFftChannelIn") + Outputs("lbFftChannelOut") + Inputs("lbFftParamIn") + Outputs("lbFftParamOut") +
           QStringList{"lbFftParamEff"},
       Is<QLabel>(),
       "plot label"},
      {Inputs("rbShowGainIn") + Outputs("rbShowGainOut") + Inputs("rbShowPhaseIn") + Outputs("rbShowPhaseOut") +
           QStringList{"rbShowGainEff", "rbShowPhaseEff"},
       Is<QRadioButton>(),
       "Mag/Phase choice"},
      {Inputs("uxgFftShowChIn") + Outputs("uxgFftShowChOut"), Is<TUxGroupBox>(), "overlay group"},
      // Shared panels.
      {{"uxgEqInA", "uxgFbtInA"}, Is<TUxGroupBox>(), "panel group"},
      {Inputs("uxpPeqIn") + Outputs("uxpPeqOut"), Is<TUxPanel>(), "PEQ panel"},
      {{"isGainInA", "isGainOut1", "isEqFreqInA", "isEqBwInA", "isEqGainInA", "isEqFreqOut1", "isEqBwOut1",
        "isEqGainOut1", "isLowCutFreqInA", "isHighCutFreqInA", "isLowCutFreqOut1", "isHighCutFreqOut1"},
       Is<TExTrackBar>(),
       "panel fader"},
      {{"cvdGainInA", "cvdGainOut1", "cvdEqFreqInA", "cvdEqBwInA", "cvdEqGainInA", "cvdEqFreqOut1", "cvdEqBwOut1",
        "cvdEqGainOut1", "cvdLowCutFreqInA", "cvdHighCutFreqInA", "cvdLowCutFreqOut1", "cvdHighCutFreqOut1"},
       Is<TRoundEdit>(),
       "panel value box"},
      {{"uxbMuteInA", "uxbPhaseInA", "uxbLineInA", "uxbPhantomInA", "uxbMuteOut1", "uxbPhaseOut1",
        "uxbLowCutBypassInA", "uxbHighCutBypassInA", "uxbLowCutBypassOut1", "uxbHighCutBypassOut1",
        "uxbFbtLevel0InA", "uxbFbtLevel1InA", "uxbFbtLevel2InA", "uxbFbtLevel3InA", "uxbFbtLevel4InA"},
       Is<TUxBmpButton>(),
       "panel button"},
      {{"uxcLineInA", "uxcLowCutSlopInA", "uxcHighCutSlopInA", "uxcLowCutSlopOut1", "uxcHighCutSlopOut1"},
       Is<TUxComboBox>(),
       "panel combo"},
      {{"udLineInA"}, Is<TUpDown>(), "up-down"},
      {{"pbLevelInA", "pbLevelOut1", "pbLimitOut1"}, Is<LProgressBar>(), "panel meter"},
      {{"lbGainInA", "lbGainNameInA", "lbEqParamInA", "lbEqFreqInA", "lbEqBwInA", "lbEqGainInA", "lbEqInA",
        "lbLowCutFreqInA", "lbLowCutSlopInA", "lbHighCutFreqInA", "lbHighCutSlopInA", "lbFbtInA", "lbGainOut1",
        "lbGainNameOut1", "lbEqParamOut1", "lbEqFreqOut1", "lbEqBwOut1", "lbEqGainOut1", "lbEqOut1",
        "lbLowCutFreqOut1", "lbLowCutSlopOut1", "lbHighCutFreqOut1", "lbHighCutSlopOut1"},
       Is<QLabel>(),
       "panel label"},
      // Aux page.
      {Family("uxb", 0, 7, "MatrixEff") +
           QStringList{"uxbMuteEff", "uxbCompSetEff", "uxbOnOffEff", "uxbEffectSetEff", "uxbAutoMixOnOffEff",
                       "uxbAutoMixSetEff", "uxbCameraOnOffEff", "uxbCameraSetEff", "uxbAecOnOffEff", "uxbAecSetEff"},
       Is<TUxBmpButton>(),
       "effect button"},
      {{"isGainEff", "isCompThresholdEff", "isEqFreqEff", "isEqBwEff", "isEqGainEff"}, Is<TExTrackBar>(),
       "effect fader"},
      {{"cvdGainEff", "cvdCompThresholdEff", "cvdEqFreqEff", "cvdEqBwEff", "cvdEqGainEff"}, Is<TRoundEdit>(),
       "effect value box"},
      {{"pbLevelEff"}, Is<LProgressBar>(), "effect meter"},
      {{"wlrCompLedEff"}, Is<TwLedRectangle>(), "compressor lamp"},
      {{"lbMatrixEff", "lbGainEff", "lbCompEff", "lbEffectEff", "lbAutoMixEff", "lbCameraEff", "lbAecEff",
        "lbEqParamEff", "lbEqFreqEff", "lbEqBwEff", "lbEqGainEff", "lbEqEff"},
       Is<QLabel>(),
       "effect label"},
  };
  for (const Row& row : table)
    for (const QString& name : row.names) {
      QObject* control = main->FindControl(name);
      ASSERT_NE(control, nullptr) << name.toStdString();
      EXPECT_TRUE(row.is(control)) << name.toStdString() << " is not a " << row.what;
    }
}

TEST_F(FormTest, ChannelControlsCarryTheirChannelBandAndGroup) {
  for (int ch = 0; ch < 16; ++ch) {
    const QString s = platform::ComposedName(ch < 8 ? "In" : "Out", ch);
    SCOPED_TRACE(s.toStdString());
    EXPECT_EQ(Get<display::LMyFFTDrawHpLp6dB>("fftDraw" + s)->Tag(), ch);
    EXPECT_EQ(Get<TExTrackBar>(platform::ComposedName(ch < 8 ? "isGainBackupIn" : "isGainBackupOut", ch))->Tag(), ch);
    // Band buttons: Tag = band, GroupIndex = channel + 1, one choice per channel.
    const int bands = ch < 8 ? 5 : 7;
    for (int b = 1; b <= bands; ++b) {
      auto* button = Get<TUxBmpButton>(QStringLiteral("uxbEq%1").arg(b) + s);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->Tag(), b - 1);
      EXPECT_EQ(button->GroupIndex(), ch + 1);
    }
    EXPECT_EQ(main->FindControl(QStringLiteral("uxbEq%1").arg(bands + 1) + s), nullptr);
  }
  EXPECT_EQ(Get<display::LMyFFTDrawHpLp6dB>("fftDrawEff")->Tag(), 18);
  // The grids' face stands in as WenQuanYi, 13 pixels high.
  const QFont gridFont = Get<QWidget>("peqPeqOut4")->font();
  EXPECT_EQ(gridFont.families().value(0), "WenQuanYi Micro Hei");
  EXPECT_EQ(gridFont.pixelSize(), 13);
  for (int b = 1; b <= 5; ++b) EXPECT_EQ(Get<TUxBmpButton>(QStringLiteral("uxbEq%1Eff").arg(b))->GroupIndex(), 19);
  for (int k = 0; k < 5; ++k) {
    auto* level = Get<TUxBmpButton>(QStringLiteral("uxbFbtLevel%1InA").arg(k));
    EXPECT_EQ(level->Tag(), k);
    EXPECT_EQ(level->GroupIndex(), 1);
  }
  EXPECT_EQ(Get<TUxBmpButton>("uxbLineInA")->GroupIndex(), 4);
  EXPECT_EQ(Get<TUxBmpButton>("uxbLineBackupInC")->GroupIndex(), 4);
  EXPECT_EQ(Get<TUxBmpButton>("uxbGainSelOut")->Tag(), 1);
  EXPECT_TRUE(Get<TUxBmpButton>("uxbGainSelIn")->Down());
  // Each input on the effect bus is a switch of its own.
  EXPECT_EQ(Get<TUxBmpButton>("uxbHMatrixEff")->Tag(), 7);
  Get<TUxBmpButton>("uxbAMatrixEff")->SetDown(true);
  Get<TUxBmpButton>("uxbBMatrixEff")->SetDown(true);
  EXPECT_TRUE(Get<TUxBmpButton>("uxbAMatrixEff")->Down());
}

TEST_F(FormTest, FadersCombosAndBoxesStartAtTheirDesignValues) {
  struct Fader {
    const char* name;
    int min, max, pageSize, position;
  };
  // The start-up refresh shows the default preset: inputs at gain code 0
  // (-280), outputs at 280 (0); In1's band 1, which its grid selects, on the
  // input panel's band faders (frequency code 49).
  const Fader faders[] = {{"isGainInA", -280, 120, 6, -280}, {"isGainBackupOut5", -280, 120, 6, 0},
                          {"isEqFreqInA", 0, 300, 15, 49},      {"isEqBwOut1", 0, 100, 5, 0},
                          {"isEqGainEff", 0, 240, 3, 120},     {"isLowCutFreqInA", 0, 300, 15, 0},
                          {"isHighCutFreqOut1", 0, 300, 15, 300}, {"isCompThresholdEff", -180, 40, 6, 40}};
  for (const Fader& f : faders) {
    SCOPED_TRACE(f.name);
    auto* bar = Get<TExTrackBar>(f.name);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Orientation(), trVertical);
    EXPECT_EQ(bar->Min(), f.min);
    EXPECT_EQ(bar->Max(), f.max);
    EXPECT_EQ(bar->PageSize(), f.pageSize);
    EXPECT_EQ(bar->Position(), f.position);
    EXPECT_FALSE(bar->Thumb()->Picture()->Empty());
  }
  // The template fader holds every thumb picture start-up copies.
  auto* blue = Get<TExTrackBar>("isBlue");
  EXPECT_FALSE(blue->isVisibleTo(main));
  for (const TGDIPPicture* p : {blue->Thumb()->PictureDown(), blue->Thumb()->PictureHot(),
                                blue->Thumb()->PictureDisabled()})
    EXPECT_FALSE(p->Empty());

  for (const char* name : {"uxcLowCutSlopInA", "uxcHighCutSlopInA", "uxcLowCutSlopOut1", "uxcHighCutSlopOut1"}) {
    auto* slope = Get<TUxComboBox>(name);
    EXPECT_EQ(slope->Count(), 20) << name;
    EXPECT_EQ(slope->ItemIndex(), 19) << name;
    EXPECT_EQ(slope->Item(0), "BW -6");
    EXPECT_EQ(slope->Item(4), "LK -12");
    EXPECT_EQ(slope->Item(19), "LK -48");
  }
  for (const QString& name : QStringList{"uxcLineInA"} + Inputs("uxcLineBackupIn")) {
    auto* level = Get<TUxComboBox>(name);
    EXPECT_EQ(level->Count(), 51) << name.toStdString();
    EXPECT_EQ(level->ItemIndex(), 50);
    EXPECT_EQ(level->Item(0), "50dB");
    EXPECT_EQ(level->Item(40), "10dB");
    EXPECT_EQ(level->Item(41), "9 dB");
    EXPECT_EQ(level->Item(50), "0 dB");
    EXPECT_FALSE(level->isEnabled());
    EXPECT_TRUE(level->ReadOnly());
  }
  EXPECT_EQ(Get<TUxComboBox>("uxcLineInA")->Style(), csSimple);
  EXPECT_EQ(Get<TUxComboBox>("uxcLineBackupInA")->Style(), csOwnerDrawFixed);
  EXPECT_FALSE(Get("uxbPhantomBackupInD")->isEnabled());
  EXPECT_FALSE(Get("udLineInA")->isEnabled());
  EXPECT_EQ(Get<TRoundEdit>("cvdGainBackupInA")->Text(), "-60.0dB");
  EXPECT_EQ(Get<TRoundEdit>("cvdGainBackupOut1")->Text(), "+0.0dB");
  EXPECT_EQ(Get<TRoundEdit>("cvdGainBackupInA")->height(), 24);
  // The processor list appears with the first answer to discovery.
  EXPECT_FALSE(Get("uxcIpAddress")->isVisibleTo(main));
  EXPECT_FALSE(Get("lbIp")->isVisibleTo(main));
}

TEST_F(FormTest, GeometryIsTheDesignAtItsDesignSize) {
  const QRect upper(0, 0, 1112, 284);
  struct Expect {
    QString name;
    QRect geometry;  // a null width or height is not checked
  };
  std::vector<Expect> table = {
      {"uxgMain", QRect(5, 48, 1112, 629)},
      {"uxgPreset", QRect(10, 624, 1100, 44)},
      {"uxbMenuLink", QRect(1052, 2, 60, 40)},
      {"fftDrawGainIn", QRect(10, 1, 530, 255)},
      {"fftDrawGainOut", QRect(550, 1, 530, 255)},
      {"fftDrawEff", QRect(21, 1, 1070, 255)},
      {"imLeftUpBase", QRect(0, 0, 1082, 256)},
      {"imRightUpBase", QRect(1077, 0, 35, 256)},
      {"imLeftDownBase", QRect(0, 256, 1082, 373)},
      {"imRightDownBase", QRect(1077, 256, 35, 373)},
  };
  for (const char* page : {"Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"})
    table.push_back({QStringLiteral("uxgFft") + page, upper});
  for (int ch = 0; ch < 16; ++ch) {
    const QString s = platform::ComposedName(ch < 8 ? "In" : "Out", ch);
    table.push_back({"uxgFft" + s, upper});
    table.push_back({"fftDraw" + s, QRect(21, 1, 1070, 255)});
    EXPECT_EQ(Get("uxgFftShowCh" + s)->x(), 420);
  }
  for (const Expect& e : table) {
    QWidget* w = Get(e.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), e.geometry) << e.name.toStdString();
  }
  for (const char* page : {"InA", "Out1", "Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"}) {
    QWidget* lower = Get(QStringLiteral("uxgParam") + page);
    EXPECT_EQ(lower->pos(), QPoint(20, 292)) << page;
    EXPECT_EQ(lower->parentWidget(), Get("uxgMain"));
  }
  EXPECT_EQ(Get("uxgFunction")->width(), 1115);
  EXPECT_EQ(Get("uxgFftShowChIn")->x(), 130);
  EXPECT_EQ(Get("uxgFftShowChOut")->x(), 662);
  EXPECT_EQ(Get("lbFftGainOut")->x(), 600);
  // The window's outer size; everything lies inside it.
  EXPECT_EQ(main->OuterSize(), QSize(1126, 725));
  QWidget* preset = Get("uxgPreset");
  EXPECT_LE(preset->mapTo(main, QPoint(0, preset->height())).y(), main->height());
}

TEST_F(FormTest, StartsOnTheGainPage) {
  QWidget* frame = Get("uxgMain");
  // Among the page containers the Gain page's two are in front.
  auto stackIndex = [&](const QString& name) { return frame->children().indexOf(Get(name)); };
  for (const char* side : {"uxgFft", "uxgParam"}) {
    const QString front = QString::fromLatin1(side) + "Gain";
    EXPECT_TRUE(Get(front)->isVisibleTo(main));
    for (QObject* child : frame->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (!w || w->objectName() == front || !w->objectName().startsWith(side) || !w->isVisibleTo(main)) continue;
      EXPECT_LT(stackIndex(w->objectName()), stackIndex(front)) << w->objectName().toStdString();
    }
  }
  // Only the start-up's own choice (input A's plot) is shown besides Gain.
  for (const char* hidden : {"uxgFftOut1", "uxgFftEff", "uxgFftDelay", "uxgFftMatrix", "uxgParamInA",
                             "uxgParamOut1", "uxgParamEff", "uxgParamComp"})
    EXPECT_FALSE(Get(hidden)->isVisibleTo(main)) << hidden;
  EXPECT_TRUE(Get("uxpGainIn")->isVisibleTo(main));
  EXPECT_GT(Get("uxgParamGain")->children().indexOf(Get("uxpGainIn")),
            Get("uxgParamGain")->children().indexOf(Get("uxpGainOut")));
}

TEST_F(FormTest, StartUpCopiesTheTemplatePicturesIntoEveryStrip) {
  // Copies only land when every named target exists: the last family copied
  // (output strips) proves the input strips and page tabs were found.
  const QImage down = Get<TUxBmpButton>("uxbMuteBackupOut1")->Bitmaps()->Down();
  Get<TUxBmpButton>("uxbMuteBackupOut1")->Bitmaps()->SetDown(QImage());
  main->CopyTemplatePictures();
  EXPECT_TRUE(Get<TUxBmpButton>("uxbMuteBackupOut8")->Bitmaps()->Down().isNull());
  Get<TUxBmpButton>("uxbMuteBackupOut1")->Bitmaps()->SetDown(down);
  main->CopyTemplatePictures();
  EXPECT_EQ(Get<TUxBmpButton>("uxbMuteBackupOut8")->Bitmaps()->Down(), down);
}

TEST_F(FormTest, EveryFaderHasTheWindowsLook) {
  const auto faders = main->findChildren<TExTrackBar*>();
  ASSERT_GT(faders.size(), 50);
  for (TExTrackBar* f : faders) {
    SCOPED_TRACE(f->objectName().toStdString());
    EXPECT_EQ(f->Orientation(), trVertical);
    EXPECT_EQ(f->Thumb()->Size(), 16);
    EXPECT_EQ(f->Thumb()->Width(), 29);
    EXPECT_FALSE(f->Thumb()->Picture()->Empty());
    EXPECT_FALSE(f->Thumb()->PictureDown()->Empty());
    EXPECT_EQ(f->Slider()->Size(), 3);
    EXPECT_EQ(platform::FromQColor(f->Slider()->BorderColor()), platform::clMedGray);
    EXPECT_EQ(f->TickMark()->Style(), tsNone);
    EXPECT_TRUE(f->ShowFocus());
  }
}

TEST_F(FormTest, TheLanguagePassFindsEveryControlItCaptions) {
  // The pass ends at the first control it cannot find, so the captions of its
  // last controls on these pages show that every name before them matched.
  main->Language = "ChineseGB";
  main->ApplyLanguage();
  const QString bypass = main->TranslateSid("SID_HLP_BYPASS");
  EXPECT_NE(bypass, "Bypass");
  EXPECT_EQ(Get<TUxBmpButton>("uxbHighCutBypassOut1")->Caption(), bypass);
  EXPECT_EQ(Get<TUxBmpButton>("uxbPhaseBackupInA")->Caption(), main->TranslateSid("SID_PHASE_OFF"));
  EXPECT_EQ(Get<QLabel>("lbEqEff")->text(), main->TranslateSid("SID_EFF_EQ_TITLE"));
  EXPECT_EQ(Get<QLabel>("lbGainSel")->text(), main->TranslateSid("SID_CH_SELECT"));
  main->show();
  testsupport::RunEventLoop(50);
  EXPECT_TRUE(main->grab().toImage().save(QString::fromStdString(testsupport::OutputPath("mainwindow-gain-zh.png"))));
}

// The frequency labels and the vertical grid of a channel plot stand where the
// curves put those frequencies, up to the 20 kHz label.
TEST_F(FormTest, ChannelPlotLabelsAndGridShareTheCurvesAxis) {
  main->show();
  testsupport::RunEventLoop(50);
  auto* plot = Get<display::LMyFFTDrawHpLp6dB>("fftDrawInA");
  ASSERT_NE(plot, nullptr);
  const QImage shot = plot->grab().toImage();
  const QFontMetrics metrics(platform::ToQFont(platform::TFont{.Name = "Tahoma", .Height = -11}));
  const double x1k = plot->Model().ScreenX(display::GridX(1000.0));  // the 1 kHz curve point
  const platform::TRect labels = plot->XLabelRect(), area = plot->PlotRect();
  bool found1k = false, found20k = false;
  for (const display::PlacedText& label : plot->XAxisLabels()) {
    const int width = metrics.horizontalAdvance(QString::fromStdString(label.Text));
    if (label.Text == "1KHz") {
      found1k = true;
      EXPECT_NEAR(label.At.X + width / 2.0, x1k, 1.0);
    }
    if (label.Text == "20KHz") {
      found20k = true;
      const bool onTheRow = label.At.X >= 0 && label.At.X + width <= labels.Width();
      EXPECT_TRUE(onTheRow) << "20KHz at " << label.At.X;
      bool ink = false;  // grey text on black
      for (int x = 0; onTheRow && x < width; ++x)
        for (int y = 0; y < metrics.height() && y + 1 < labels.Height(); ++y)
          ink = ink || qGray(shot.pixel(labels.Left + label.At.X + x, labels.Top + 1 + y)) > 60;
      EXPECT_TRUE(ink) << "20KHz is drawn";
    }
  }
  EXPECT_TRUE(found1k);
  EXPECT_TRUE(found20k);
  // The 1 kHz line, in the axis colour, between the -9 and -12 dB rows.
  const QColor line = shot.pixelColor(area.Left + int(x1k), area.Top + int(plot->Model().ScreenY(-10.5)));
  EXPECT_EQ(line, QColor(0, 140, 0)) << line.name().toStdString();
}

// A picture of each page for a look by eye: DSP_TEST_OUT/mainwindow-<page>.png.
TEST_F(FormTest, PicturesOfThePages) {
  main->show();
  testsupport::RunEventLoop(50);
  const QImage gain = main->grab().toImage();
  EXPECT_EQ(gain.size(), main->size());
  ASSERT_TRUE(gain.save(QString::fromStdString(testsupport::OutputPath("mainwindow-gain.png"))));

  // Other pages, shown by hand until page navigation exists.
  const char* const pages[][3] = {{"uxgFftInA", "uxgParamInA", "in"},
                                  {"uxgFftOut1", "uxgParamOut1", "out"},
                                  {"uxgFftEff", "uxgParamEff", "aux"}};
  for (const auto& page : pages) {
    for (const char* name : {page[1], page[0]}) {
      Get(name)->show();
      Get(name)->raise();
    }
    testsupport::RunEventLoop(20);
    const QString file = QStringLiteral("mainwindow-%1.png").arg(page[2]);
    EXPECT_TRUE(main->grab().toImage().save(QString::fromStdString(testsupport::OutputPath(file.toStdString()))));
  }
}

}  // namespace
