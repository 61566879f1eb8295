// The matrix page and the effect channel page: crosspoints with the effect-bus
// interlock, mix levels, the routing diagram, the effect strip and function
// switches, and the loading of the effect dialogs.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "RecordingMainFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/wLed.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "dialogs/FRvb.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "mainwindow/MatrixDiagram.h"
#include "model/Lunitcontrol.h"

void PrintTo(const MatrixSegment& s, std::ostream* os) {
  *os << s.colour.name().toStdString() << " (" << s.left.x() << ", " << s.left.y() << ")-(" << s.right.x() << ", "
      << s.right.y() << ")";
}

namespace {

const QColor kMaroon(128, 0, 0);

class MatrixEffectTest : public RecordingMainTest {
 protected:
  // Loads the image into the pages, then forgets what loading did.
  void Refresh() {
    main->ApplyUnitModel();
    main->frames.clear();
  }
  // Crosspoint (source letter or "Aux", output digit): button, text, up-down.
  TDvPowerButton* Button(const char* source, int out) { return Find<TDvPowerButton>(Name("vr", source, out)); }
  QLineEdit* Text(const char* source, int out) { return Find<QLineEdit>(Name("ed", source, out)); }
  TUpDown* Step(const char* source, int out) { return Find<TUpDown>(Name("ud", source, out)); }
  static QString Name(const char* role, const char* source, int out) {
    return QString::fromLatin1(role) + QString::fromLatin1(source) + "MatrixOut" + QString::number(out);
  }
  // On, and all three controls enabled (true) or disabled (false).
  void ExpectCrosspoint(const char* source, int out, bool active, bool enabled) {
    SCOPED_TRACE(Name("", source, out).toStdString());
    EXPECT_EQ(Button(source, out)->Active(), active);
    EXPECT_EQ(Button(source, out)->isEnabled(), enabled);
    EXPECT_EQ(Text(source, out)->isEnabled(), enabled);
    EXPECT_EQ(Step(source, out)->isEnabled(), enabled);
  }
  void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
  static Frame Forced(std::initializer_list<int> v) { return {Hex(v), true}; }
  static Frame Plain(std::initializer_list<int> v) { return {Hex(v), false}; }
};

TEST_F(MatrixEffectTest, CrosspointOnSendsTheForcedMask) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Effect.BusRouting = 0;
  Refresh();
  ASSERT_FALSE(Button("A", 1)->Active());
  Click(Button("A", 1));
  EXPECT_EQ(main->frames, (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x08, 0x01, 0x00, 0x10, 0x03, 0x37})}));
  EXPECT_EQ(main->UnitControl->GetMatrix(8), 0x0001);
  ExpectCrosspoint("Aux", 1, false, true);  // A is not on the bus
}

TEST_F(MatrixEffectTest, AuxOnLocksTheBusInputsOfThatOutput) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Effect.BusRouting = 0x0A;  // B and D
  Image().Outputs[2].Routing = 0x000A;
  Refresh();
  ExpectCrosspoint("Aux", 3, false, false);

  // The refresh locks Aux while B and D are routed; unlock it to run the
  // click the rule is about.
  Button("Aux", 3)->setEnabled(true);
  Click(Button("Aux", 3));
  EXPECT_EQ(main->frames, (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x0A, 0x00, 0x01, 0x10, 0x03, 0x35})}));
  EXPECT_EQ(main->UnitControl->GetMatrix(10), 0x0100);
  ExpectCrosspoint("B", 3, false, false);
  ExpectCrosspoint("D", 3, false, false);
  ExpectCrosspoint("C", 3, false, true);
  ExpectCrosspoint("B", 2, false, true);  // other outputs keep theirs

  main->frames.clear();
  Click(Button("Aux", 3));
  EXPECT_EQ(main->frames, (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x0A, 0x00, 0x00, 0x10, 0x03, 0x34})}));
  ExpectCrosspoint("B", 3, false, true);
  ExpectCrosspoint("D", 3, false, true);
}

TEST_F(MatrixEffectTest, RoutingABusInputDirectlyLocksAuxUntilNoBusInputIsLeft) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Effect.BusRouting = 0x02;  // B
  Refresh();
  ExpectCrosspoint("Aux", 3, false, true);
  Click(Button("C", 3));  // not on the bus
  ExpectCrosspoint("Aux", 3, false, true);
  Click(Button("B", 3));
  ExpectCrosspoint("Aux", 3, false, false);
  Click(Button("C", 3));  // B is still routed
  ExpectCrosspoint("Aux", 3, false, false);
  Click(Button("B", 3));
  ExpectCrosspoint("Aux", 3, false, true);
  EXPECT_EQ(main->UnitControl->GetMatrix(10), 0);
  EXPECT_EQ(main->frames.size(), 4u);
}

TEST_F(MatrixEffectTest, LevelStepsTextsAndTypedValues) {
  TUpDown* ud = Step("A", 1);
  QLineEdit* text = Text("A", 1);
  ud->RequestPosition(-200);
  EXPECT_EQ(text->text(), "-20.0dB");
  main->frames.clear();

  ud->Step(TUDBtnType::btPrev);
  EXPECT_EQ(ud->Position(), -201);
  EXPECT_EQ(text->text(), "-20.5dB");
  EXPECT_EQ(main->frames, (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x65, 0x08, 0x00, 0x4F, 0x00, 0x10, 0x03, 0x27})}));
  EXPECT_EQ(main->UnitControl->GetMixLevel(8, 0), 79);

  // Requests beyond either end change nothing.
  main->frames.clear();
  for (int end : {-280, 0}) {
    ud->SetPosition(end);
    text->setText("x");
    ud->Step(end < 0 ? TUDBtnType::btPrev : TUDBtnType::btNext);
    EXPECT_EQ(ud->Position(), end);
    EXPECT_EQ(text->text(), "x");
  }
  EXPECT_TRUE(main->frames.empty());

  // Typed: cut to the 0.5 dB steps below -20 dB, through the up-down.
  ud->SetPosition(-200);
  text->setText("-25.7");
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(text->text(), "-25.5dB");
  EXPECT_EQ(ud->Position(), -211);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x05, 0x65, 0x08, 0x00, 0x45, 0x00, 0x10, 0x03, 0x2D})}));
  // An invalid text, or the same value again, restores the text and sends nothing.
  main->frames.clear();
  for (const char* typed : {"abc", "-25.5"}) {
    text->setText(QString::fromLatin1(typed));
    main->edAMatrixOut1Exit(text);
    EXPECT_EQ(text->text(), "-25.5dB") << typed;
  }
  EXPECT_TRUE(main->frames.empty());

  // While Updating: the text only.
  main->Updating = true;
  ud->Step(TUDBtnType::btNext);
  main->Updating = false;
  EXPECT_EQ(text->text(), "-25.0dB");
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(main->UnitControl->GetMixLevel(8, 0), 69);
}

TEST_F(MatrixEffectTest, RefreshWritesEveryLevelText) {
  Image().Outputs[0].MixLevel[0] = 69;
  Image().Outputs[7].MixLevel[8] = 280;
  Image().Outputs[3].MixLevel[4] = 79;
  Refresh();
  EXPECT_EQ(Text("A", 1)->text(), "-25.5dB");
  EXPECT_EQ(Step("A", 1)->Position(), -211);
  EXPECT_EQ(Text("Aux", 8)->text(), "+0.0dB");
  EXPECT_EQ(Text("E", 4)->text(), "-20.5dB");
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(MatrixEffectTest, DiagramSegmentsFollowTheMasksAndTheWindowHeight) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Outputs[0].Routing = 0x0001;
  Image().Outputs[7].Routing = 0x0001;
  auto* box = Find<QWidget>("pbMatrix");
  const int w = box->width();
  main->ExtraHeight = 0;
  EXPECT_EQ(main->DrawMatrix(), (std::vector<MatrixSegment>{{kMaroon, QPoint(0, 3), QPoint(w, 12)},
                                                             {kMaroon, QPoint(0, 3), QPoint(w, 222)}}));
  // Aux to output 3 as well: silver, drawn last, so on top.
  Image().Outputs[2].Routing = 0x0100;
  main->ExtraHeight = 90;
  EXPECT_EQ(main->DrawMatrix(), (std::vector<MatrixSegment>{{kMaroon, QPoint(0, 3), QPoint(w, 12)},
                                                             {kMaroon, QPoint(0, 3), QPoint(w, 292)},
                                                             {QColor(192, 192, 192), QPoint(0, 315), QPoint(w, 92)}}));

  // The paint box draws them: the maroon line from (0, 3) to (W, 12)
  // crosses the middle column near y 7.
  main->ExtraHeight = 0;
  Image().Outputs[2].Routing = 0;
  Image().Outputs[7].Routing = 0;
  main->DrawMatrix();
  const QImage picture = box->grab().toImage();
  bool maroon = false;
  for (int y = 5; y <= 10; ++y) maroon = maroon || picture.pixelColor(w / 2, y) == kMaroon;
  EXPECT_TRUE(maroon);
  EXPECT_NE(picture.pixelColor(w / 2, 100), kMaroon);
}

TEST_F(MatrixEffectTest, EffectBusButtonKeepsTheInterlockAndTheAutomixMask) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Effect.AutoMix = {0x00000003, 0, 1};
  Image().Effect.BusRouting = 0;
  Image().Outputs[0].Routing = 0x0101;
  Image().Outputs[1].Routing = 0x0001;  // A directly, no Aux
  Image().Outputs[2].Routing = 0x0100;  // Aux only
  Refresh();
  auto* button = Find<TUxBmpButton>("uxbAMatrixEff");
  auto* label = Find<QLabel>("lbMatrixDelayInA");

  Click(button);
  ASSERT_TRUE(button->Down());
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x0B, 0x5A, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                                       0x00, 0x01, 0x00, 0x10, 0x03, 0x52}),
                                Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x08, 0x00, 0x01, 0x10, 0x03, 0x37}),
                                Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x12, 0x01, 0x00, 0x10, 0x03, 0x2D})}));
  ExpectCrosspoint("A", 1, false, false);
  ExpectCrosspoint("Aux", 2, false, false);  // A routed directly
  ExpectCrosspoint("A", 2, true, true);
  ExpectCrosspoint("A", 3, false, false);  // Aux routed
  ExpectCrosspoint("A", 4, false, true);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(main->UnitControl->GetMatrix(8), 0x0100);
  EXPECT_EQ(main->UnitControl->GetMatrix(18), 0x01);

  main->frames.clear();
  Click(button);
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x0B, 0x5A, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                       0x00, 0x01, 0x00, 0x10, 0x03, 0x53}),
                                Forced({0x10, 0x02, 0x00, 0x01, 0x04, 0x3A, 0x12, 0x00, 0x00, 0x10, 0x03, 0x2C})}));
  for (int out = 1; out <= 8; ++out) {
    EXPECT_TRUE(Button("A", out)->isEnabled()) << out;
    EXPECT_TRUE(Button("Aux", out)->isEnabled()) << out;
  }
  EXPECT_FALSE(Button("A", 1)->Active());
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST_F(MatrixEffectTest, ReleasingABusInputKeepsAuxLockedWhereAnotherBusInputIsRouted) {
  for (auto& out : Image().Outputs) out.Routing = 0;
  Image().Effect.BusRouting = 0x03;  // A and B
  Image().Outputs[4].Routing = 0x0002;  // B directly to output 5
  Refresh();
  auto* button = Find<TUxBmpButton>("uxbAMatrixEff");
  button->SetDown(true);
  Click(button);  // up
  ASSERT_FALSE(button->Down());
  ExpectCrosspoint("Aux", 5, false, false);
  ExpectCrosspoint("Aux", 4, false, true);
  EXPECT_EQ(main->UnitControl->GetMatrix(18), 0x02);
}

TEST_F(MatrixEffectTest, EffectStripAndSwitchesSendAndStore) {
  Image().Effect.EffectVolume = 50;
  auto* effect = Find<TUxBmpButton>("uxbOnOffEff");
  Click(effect);
  EXPECT_EQ(effect->Caption(), "On");
  Click(Find<TUxBmpButton>("uxbAecOnOffEff"));
  Click(Find<QWidget>("vrbEqBypassEff"));
  auto* gain = Find<TExTrackBar>("isGainEff");
  main->Updating = true;
  gain->SetPosition(-100);
  main->Updating = false;
  EXPECT_EQ(main->frames.size(), 3u);  // nothing while Updating
  gain->SetPosition(0);
  Click(Find<TUxBmpButton>("uxbMuteEff"));
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x63, 0x01, 0x32, 0x10, 0x03, 0x53}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x5C, 0x05, 0x01, 0x10, 0x03, 0x5B}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x3C, 0x12, 0x01, 0x10, 0x03, 0x2C}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x12, 0x18, 0x01, 0x10, 0x03, 0x3B}),
                                Plain({0x10, 0x02, 0x00, 0x01, 0x03, 0x35, 0x12, 0x01, 0x10, 0x03, 0x25})}));
  EXPECT_EQ(Find<TRoundEdit>("cvdGainEff")->Text(), "+0.0dB");
  display::LMyFFTDrawHpLp6dB* plot = main->PlotWidget(18);
  EXPECT_EQ(plot->OverlayText(), "BYPASS");
  EXPECT_EQ(plot->OverlayTextPoint(), QPoint(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4));
  EXPECT_EQ(main->UnitControl->GetEqBypassMask(18), 1);

  main->frames.clear();
  Click(effect);
  Click(Find<QWidget>("vrbEqBypassEff"));
  EXPECT_EQ(effect->Caption(), "Off");
  EXPECT_EQ(plot->OverlayText(), "");
  EXPECT_EQ(main->UnitControl->GetEqBypassMask(18), 0);
  EXPECT_EQ(main->frames.size(), 2u);

  // Camera and automix: their records stored again with the new flag.
  main->frames.clear();
  Image().Effect.Camera = {0x00200010, 0x00030064, 0};
  Image().Effect.AutoMix = {0x00000005, 0x00010000, 0};
  Click(Find<TUxBmpButton>("uxbCameraOnOffEff"));
  Click(Find<TUxBmpButton>("uxbAutoMixOnOffEff"));
  EXPECT_EQ(main->UnitControl->GetCamera(), (MixSettings{0x00200010, 0x00030064, 1}));
  EXPECT_EQ(main->UnitControl->GetAutoMix(), (MixSettings{0x00000005, 0x00010000, 1}));
  ASSERT_EQ(main->frames.size(), 2u);
  EXPECT_EQ(main->frames[0].bytes[5], 0x64);
  EXPECT_EQ(main->frames[1].bytes[5], 0x5A);
  EXPECT_EQ(Find<TUxBmpButton>("uxbCameraOnOffEff")->Caption(), "On");
}

TEST_F(MatrixEffectTest, WhileUpdatingTheThresholdAndAecSwitchChangeTextsOnly) {
  const auto before = Image().Effect;
  main->Updating = true;
  Find<TExTrackBar>("isCompThresholdEff")->SetPosition(-40);
  Click(Find<TUxBmpButton>("uxbAecOnOffEff"));
  main->Updating = false;
  EXPECT_EQ(Find<TRoundEdit>("cvdCompThresholdEff")->Text(), " -20.0dB");
  EXPECT_EQ(Find<TUxBmpButton>("uxbAecOnOffEff")->Caption(), "On");
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(Image().Effect, before);

  // Not updating: the threshold goes to the image and the processor.
  Find<TExTrackBar>("isCompThresholdEff")->SetPosition(-20);
  EXPECT_EQ(Image().Effect.Comp[3], 160);
  ASSERT_EQ(main->frames.size(), 1u);
  EXPECT_EQ(main->frames[0].bytes[5], 0x30);
}

class EffectDialogsTest : public MatrixEffectTest {
 protected:
  void SetUp() override {
    MatrixEffectTest::SetUp();
    fmComp = new TfmComp();
    fmRvb = new TfmRvb();
    fmCamera = new TfmCamera();
  }
  void TearDown() override {
    delete fmComp;
    delete fmRvb;
    delete fmCamera;
    fmComp = nullptr;
    fmRvb = nullptr;
    fmCamera = nullptr;
    MatrixEffectTest::TearDown();
  }
  int Position(platform::Form* form, const char* fader) {
    return form->FindControl<TExTrackBar>(QString::fromLatin1(fader))->Position();
  }
};

TEST_F(EffectDialogsTest, CompressorLoadsTheWordsUnderLoadingAndSendsNothing) {
  Image().Effect.Comp = {9, 20, 300, 140};
  auto* led = fmComp->FindControl<TwLed>("wlrCompLed");
  led->SetActive(true);
  std::vector<int> loadingSeen;
  fmComp->FindControl<TExTrackBar>("isThreshold")->OnChange = [&](QObject*) { loadingSeen.push_back(fmComp->Loading); };
  ASSERT_TRUE(main->LoadCompDialog());
  EXPECT_EQ(Position(fmComp, "isThreshold"), -40);
  EXPECT_EQ(Position(fmComp, "isAttack"), 20);
  EXPECT_EQ(Position(fmComp, "isRelease"), 300);
  EXPECT_EQ(Position(fmComp, "isRatio"), 9);
  EXPECT_EQ(loadingSeen, std::vector<int>{1});
  EXPECT_EQ(fmComp->Loading, 0);
  EXPECT_FALSE(led->Active());
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(EffectDialogsTest, EchoAndReverbHalvesGoToTheirFaders) {
  auto& fx = Image().Effect;
  fx.Echo = {(300u << 16) | 120u, (40u << 16) | 7u};  // delay | pre-delay, gain | repeat
  fx.Reverb = {(60u << 16) | 200u, (90u << 16) | 30u};  // reflect | pre-delay, gain | time
  fx.EffectVolume = 77;
  ASSERT_TRUE(main->LoadRvbDialog());
  const std::pair<const char*, int> expected[] = {
      {"isEchoGain", 40}, {"isEchoRepeat", 7},   {"isEchoDelay", 300}, {"isEchoPreDelay", 120}, {"isRvbGain", 90},
      {"isRvbReflect", 60}, {"isRvbTime", 30}, {"isRvbPreDelay", 200}, {"isEffectVol", 77}};
  for (auto [name, value] : expected) EXPECT_EQ(Position(fmRvb, name), value) << name;
  EXPECT_EQ(fmRvb->EchoWords, fx.Echo);
  EXPECT_EQ(fmRvb->ReverbWords, fx.Reverb);
  EXPECT_EQ(fmRvb->Loading, 0);
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(EffectDialogsTest, CameraLoadsItsRecordAndTheBusMask) {
  auto& fx = Image().Effect;
  fx.Camera = {(2500u << 16) | 100u, (0x0005u << 16) | 120u, 1};
  fx.BusRouting = 0x25;
  fx.CameraDefault = 3;
  ASSERT_TRUE(main->LoadCameraDialog());
  EXPECT_EQ(Position(fmCamera, "isThreshold"), -60);
  EXPECT_EQ(Position(fmCamera, "isAttack"), 100);
  EXPECT_EQ(Position(fmCamera, "isRelease"), 2500);
  EXPECT_EQ(fmCamera->FindControl<TUxComboBox>("uxcCameraDefault")->ItemIndex(), 2);
  EXPECT_EQ(fmCamera->CameraState, fx.Camera);
  EXPECT_EQ(fmCamera->EffectBusMask, 0x25u);
  EXPECT_EQ(fmCamera->Loading, 0);
  EXPECT_TRUE(main->frames.empty());
}

TEST_F(MatrixEffectTest, DiagramEffectBlocksOpenTheEffectPage) {
  Find<TUxBmpButton>("uxbMenuMatrix")->Click();
  Find<TUxBmpButton>("uxbMenuMatrix")->SetDown(true);
  Click(Find<QLabel>("lbMatrixEfxEff"));
  EXPECT_EQ(main->CurrentPage, 18);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbMenuEff")->Down());
  EXPECT_FALSE(Find<TUxBmpButton>("uxbMenuMatrix")->Down());
}

}  // namespace
