// The compressor, gate and AGC pages: what a fader, up-down or typed value
// submits, the curve and titles it leaves, and the linked channels it moves.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "MainWindowFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "display/LProgressBar.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"
#include "plot/wPlotAxis.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

namespace {

class RecordingMain : public TfmMain {
 public:
  std::vector<Bytes> frames;
  void SendCommand(const LCmd& cmd, bool) override { frames.push_back(cmd.BuildFrame(1)); }
};

Bytes Hex(std::initializer_list<int> v) { return Bytes(v.begin(), v.end()); }

class DynamicsPagesTest : public MainWindowTest {
 protected:
  RecordingMain* main = nullptr;
  void SetUp() override {
    MainWindowTest::SetUp();
    main = new RecordingMain();
    fmMain = main;
    main->FormCreate();
    main->tmStartConnect->SetEnabled(false);
    main->frames.clear();
  }
  template <typename T>
  T* Find(const QString& name) const {
    T* c = main->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  PresetImage& Image() { return main->UnitControl->MutablePresetImage(); }
  QString Caption(const char* name) { return Find<QLabel>(QString::fromLatin1(name))->text(); }
  std::vector<std::pair<double, double>> Points(const char* plot, int channel) {
    TwXYPlotChannel* c = Find<TwXYPlot>(QString::fromLatin1(plot))->GetChannel(channel);
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < c->Count(); ++i) out.emplace_back(c->GetDataX(i), c->GetDataY(i));
    return out;
  }
  void SavePicture(const char* page, const char* file) {
    if (auto* b = main->FindControl<TUxBmpButton>(QString::fromLatin1(page))) b->Click();
    QDir().mkpath(DSP_TEST_OUT);
    main->grab().save(QString::fromLatin1(DSP_TEST_OUT) + "/" + file);
  }
};

TEST_F(DynamicsPagesTest, CompressorAttackSubmitsOnceAndMovesTheLinkedOutput) {
  Image().Outputs[2].Comp = {0, 50, 499, 220};
  Image().Outputs[4].Comp = {0, 50, 499, 220};
  Image().Outputs[2].LinkMask = 0x14;  // outputs 3 and 5
  auto* attack = Find<TExTrackBar>("isCompAttackOut3");

  main->Updating = true;
  attack->SetPosition(20);
  main->Updating = false;
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(main->CompChannel, 8);
  EXPECT_EQ(Caption("lbHeadCompOut"), "Out 1");

  attack->SetPosition(99);
  EXPECT_EQ(Find<TRoundEdit>("cvdCompAttackOut3")->Text(), "100ms");
  EXPECT_EQ(main->CompChannel, 10);
  EXPECT_EQ(Caption("lbHeadCompOut"), "Out 3");
  EXPECT_EQ(Caption("lbCompName"), "Out 3 Compressor");
  EXPECT_EQ(main->frames, std::vector<Bytes>{Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x30, 0x0A, 0x00, 0x00, 0x63, 0x00,
                                                  0xF3, 0x01, 0xDC, 0x00, 0x10, 0x03, 0x7D})});
  EXPECT_EQ(Find<TExTrackBar>("isCompAttackOut5")->Position(), 99);
  EXPECT_EQ(Find<TRoundEdit>("cvdCompAttackOut5")->Text(), "100ms");

  // The curve follows the threshold and ratio faders of the chosen output.
  Find<TExTrackBar>("isCompRatioOut3")->SetPosition(9);
  Find<TExTrackBar>("isCompThresholdOut3")->SetPosition(-40);
  EXPECT_EQ(Points("wpComp", 0), (std::vector<std::pair<double, double>>{{20, -10}, {-20, -20}, {-100, -100}}));
  EXPECT_EQ(Find<TRoundEdit>("cvdCompRatioOut3")->Text(), "1:4.0");
  SavePicture("uxbMenuComp", "compressor-page.png");
}

TEST_F(DynamicsPagesTest, GateReleaseSelectsTheInputAndItsMeter) {
  Image().Inputs[2].Gate = {50, 499, 220};
  Find<TExTrackBar>("isGateReleaseInC")->SetPosition(2999);
  Find<TExTrackBar>("isGateReleaseInC")->SetPosition(2998);
  main->frames.clear();
  Find<TExTrackBar>("isGateReleaseInC")->SetPosition(2999);
  EXPECT_EQ(Find<TRoundEdit>("cvdGateReleaseInC")->Text(), "3000ms");
  EXPECT_EQ(main->frames, std::vector<Bytes>{Hex({0x10, 0x02, 0x00, 0x01, 0x08, 0x3E, 0x02, 0x32, 0x00, 0xB7, 0x0B,
                                                  0xDC, 0x00, 0x10, 0x03, 0x66})});
  EXPECT_EQ(main->GateChannel, 2);
  EXPECT_EQ(Caption("lbHeadGateIn"), "In 3");
  EXPECT_EQ(Caption("lbGateName"), "In 3 Gate");

  Bytes meter(33, 0x80);
  meter[2] = 0xFB;
  main->OnMeterReply(meter);
  EXPECT_EQ(Find<LProgressBar>("pbLevelGateIn")->LitCount(), 8);

  Find<TExTrackBar>("isGateThresholdInC")->SetPosition(-80);
  EXPECT_EQ(Points("wpGate", 0), (std::vector<std::pair<double, double>>{{20, 20}, {-40, -40}, {-40, -100}}));
  SavePicture("uxbMenuGate", "gate-page.png");
}

TEST_F(DynamicsPagesTest, GateLabelOfTheDiagramOpensTheGatePage) {
  Find<TUxBmpButton>("uxbMenuMatrix")->Click();
  QLabel* label = Find<QLabel>("lbMatrixGateInF");
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(main->CurrentPage, 20);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbMenuGate")->Down());
  EXPECT_FALSE(Find<TUxBmpButton>("uxbMenuMatrix")->Down());
  EXPECT_EQ(main->GateChannel, 0);
}

TEST_F(DynamicsPagesTest, AgcThresholdStaysAtTheTargetAndTheCurveWaitsForTheTick) {
  Image().Inputs[0].Agc = {5, 49, 499, 140, 140};
  main->Updating = true;
  Find<TUpDown>("udAgcRatioInA")->SetPosition(5);
  Find<TExTrackBar>("isAgcAttackInA")->SetPosition(49);
  Find<TExTrackBar>("isAgcReleaseInA")->SetPosition(499);
  Find<TExTrackBar>("isAgcThresholdInA")->SetPosition(-80);
  Find<TUpDown>("udAgcTargetInA")->SetPosition(-40);
  main->Updating = false;

  // Threshold -40 dB under a target of -20 dB, ratio 2.0: the curve steps up
  // at the threshold and its upper line passes through the target.
  QTest::mouseClick(Find<QLabel>("lbAgcInA"), Qt::LeftButton);
  EXPECT_EQ(Points("wpAgc", 0), (std::vector<std::pair<double, double>>{{20, 0}, {-40, -30}, {-40, -40}, {-100, -100}}));
  EXPECT_EQ(Points("wpAgc", 1), (std::vector<std::pair<double, double>>{{-39.8f, -40.4f}}));
  EXPECT_EQ(Points("wpAgc", 2), (std::vector<std::pair<double, double>>{{-19.8f, -20.4f}}));
  main->frames.clear();

  Find<TExTrackBar>("isAgcThresholdInA")->SetPosition(-40 + 20);
  EXPECT_EQ(Find<TExTrackBar>("isAgcThresholdInA")->Position(), -40);
  const Bytes frame = Hex({0x10, 0x02, 0x00, 0x01, 0x0C, 0x3F, 0x00, 0x05, 0x00, 0x31, 0x00, 0xF3, 0x01, 0x8C, 0x00,
                           0x8C, 0x00, 0x10, 0x03, 0xF5});
  EXPECT_EQ(main->frames, (std::vector<Bytes>{frame, frame}));
  EXPECT_TRUE(main->tmAgcDisp->Enabled());
  EXPECT_EQ(main->AgcRedrawChannel, 0);
  QTRY_VERIFY(!main->tmAgcDisp->Enabled());
  EXPECT_EQ(Points("wpAgc", 1), (std::vector<std::pair<double, double>>{{-19.8f, -20.4f}}));
  EXPECT_EQ(Caption("lbHeadAgcIn"), "In 1");
  EXPECT_EQ(Caption("lbAgcName"), "In 1 AGC");

  // Threshold -30 dB: a step of the target to -30.5 dB keeps it at -30.0.
  Find<TExTrackBar>("isAgcThresholdInA")->SetPosition(-60);
  Find<TUpDown>("udAgcTargetInA")->SetPosition(-60);
  Find<TUpDown>("udAgcTargetInA")->Step(TUDBtnType::btPrev);
  EXPECT_EQ(Find<TUpDown>("udAgcTargetInA")->Position(), -60);
  EXPECT_EQ(Find<TRoundEdit>("cvdAgcTargetInA")->Text(), "-30.0");

  QTest::mousePress(Find<TExTrackBar>("isAgcReleaseInD"), Qt::LeftButton);
  EXPECT_EQ(main->AgcChannel, 3);
  QTest::mouseRelease(Find<TExTrackBar>("isAgcReleaseInD"), Qt::LeftButton);
  SavePicture("uxbMenuAgc", "agc-page.png");
}

// Each transfer curve's axes run from -100 to +20 dB: X labelled every 20 dB,
// Y every 10 dB, at the window's smallest size.
TEST_F(DynamicsPagesTest, TransferPlotsLabelXEvery20AndYEvery10Db) {
  main->SetOuterSize(QSize(1126, 725));
  auto majors = [](const TwPlotAxis* axis) {
    std::vector<double> at;
    for (int i = 0; i < axis->TickListCount(); ++i)
      if (axis->TickListItem(i).TickType == ipttMajor && axis->TickListItem(i).Show)
        at.push_back(axis->TickListItem(i).Position);
    return at;
  };
  const std::vector<double> every20{-100, -80, -60, -40, -20, 0, 20};
  const std::vector<double> every10{-100, -90, -80, -70, -60, -50, -40, -30, -20, -10, 0, 10, 20};
  for (auto [page, plot] : {std::pair{"uxbMenuComp", "wpComp"}, {"uxbMenuGate", "wpGate"}, {"uxbMenuAgc", "wpAgc"}}) {
    Find<TUxBmpButton>(QString::fromLatin1(page))->Click();
    auto* p = Find<TwXYPlot>(QString::fromLatin1(plot));
    p->grab();  // a paint builds the ticks
    EXPECT_EQ(majors(p->XAxis()), every20) << plot;
    EXPECT_EQ(majors(p->YAxis()), every10) << plot;
  }
}

// Typed values through the real boxes: Return, keypad Enter and focus loss.
TEST_F(DynamicsPagesTest, TypedValues) {
  Image().Outputs[0].Comp = {0, 50, 499, 220};
  Image().Inputs[0].Gate[2] = 220;
  main->Updating = true;
  // Input A's gate threshold at its top (the default preset has it at the
  // bottom), so "+20" asks for where it is.
  Find<TExTrackBar>("isGateThresholdInA")->SetPosition(40);
  Find<TRoundEdit>("cvdGateThresholdInA")->SetText("+20.0dB");
  Find<TExTrackBar>("isAgcThresholdInB")->SetPosition(-20);
  Find<TUpDown>("udAgcTargetInB")->SetPosition(-20);
  main->Updating = false;
  enum How { Return, Enter, Focus };
  struct Case {
    const char* box;
    const char* typed;
    How how;
    const char* shown;
    bool sends;
  };
  const Case cases[] = {
      {"cvdCompThresholdOut1", "-12.7dB", Return, "-12.5dB", true},
      {"cvdCompThresholdOut1", "30", Enter, "+20.0dB", true},
      {"cvdAgcThresholdInA", "30", Focus, "+0.0dB", false},  // the fader is at 0 already
      {"cvdAgcTargetInB", "5", Return, "0.0", true},
      {"cvdAgcTargetInB", "-30", Return, "-10.0", true},
      {"cvdCompAttackOut1", "2500ms", Focus, "999ms", true},
      {"cvdCompAttackOut1", "0", Return, "1ms", true},
      {"cvdAgcReleaseInC", "5", Return, "10ms", true},
      {"cvdCompRatioOut1", "3", Return, "1:3.0", true},
      {"cvdCompRatioOut1", "3.2", Return, "1:3.5", true},
      {"cvdCompRatioOut1", "20.05", Return, "Limit", true},
      {"cvdCompRatioOut1", "2:1", Return, "Limit", false},
      {"cvdAgcRatioInA", "1:", Return, "1:1.0", false},
      {"cvdCompAttackOut1", "abc", Return, "1ms", false},
      {"cvdCompAttackOut1", "1ms", Return, "1ms", false},
      {"cvdGateThresholdInA", "5.+", Return, "+20.0dB", false},
      {"cvdGateThresholdInA", ".3", Focus, "+20.0dB", false},
      {"cvdGateThresholdInA", "-.3", Return, "+20.0dB", false},
      {"cvdGateThresholdInA", "++5", Return, "+20.0dB", false},
      {"cvdGateThresholdInA", " ", Return, "+20.0dB", false},
      {"cvdGateThresholdInA", "+20", Return, "+20.0dB", false},
  };
  QWidget* elsewhere = Find<QWidget>("cvdGateAttackInH");
  for (const Case& c : cases) {
    auto* box = Find<TRoundEdit>(QString::fromLatin1(c.box));
    QLineEdit* edit = box->Edit();
    main->frames.clear();
    main->activateWindow();
    edit->setFocus();
    edit->setText(QString::fromLatin1(c.typed));
    edit->setCursorPosition(0);
    if (c.how == Focus) {
      static_cast<TRoundEdit*>(elsewhere)->Edit()->setFocus();
      if (edit->hasFocus() || box->Text() == c.typed) box->OnExit(box);  // no focus change offscreen
    } else {
      QTest::keyClick(edit, c.how == Return ? Qt::Key_Return : Qt::Key_Enter,
                      c.how == Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    EXPECT_EQ(box->Text(), c.shown) << c.box << " \"" << c.typed << "\"";
    EXPECT_EQ(!main->frames.empty(), c.sends) << c.box << " \"" << c.typed << "\"";
    if (!c.sends) EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << c.box << " \"" << c.typed << "\"";
  }
  // The first case's frame: output 1's threshold at -25 (word 155).
  main->frames.clear();
  Find<TExTrackBar>("isCompRatioOut1")->SetPosition(0);
  Find<TExTrackBar>("isCompAttackOut1")->SetPosition(50);
  Find<TExTrackBar>("isCompThresholdOut1")->SetPosition(40);
  main->frames.clear();
  auto* box = Find<TRoundEdit>("cvdCompThresholdOut1");
  box->Edit()->setText("-12.7dB");
  QTest::keyClick(box->Edit(), Qt::Key_Return);
  EXPECT_EQ(Find<TExTrackBar>("isCompThresholdOut1")->Position(), -25);
  EXPECT_EQ(main->frames, std::vector<Bytes>{Hex({0x10, 0x02, 0x00, 0x01, 0x0A, 0x30, 0x08, 0x00, 0x00, 0x32, 0x00,
                                                  0xF3, 0x01, 0x9B, 0x00, 0x10, 0x03, 0x69})});
}

TEST_F(DynamicsPagesTest, EffectCompressorThresholdEntryMovesTheEffectFaderSilently) {
  main->SetComp(18, 0, -40);
  EXPECT_EQ(Find<TExTrackBar>("isCompThresholdEff")->Position(), -40);
  EXPECT_FALSE(main->Updating);
  EXPECT_EQ(main->UnitControl->GetComp(18).Second >> 16, 140u);
  main->Updating = true;
  main->frames.clear();
  main->SetComp(18, 0, 0);
  main->Updating = false;
  EXPECT_EQ(Find<TExTrackBar>("isCompThresholdEff")->Position(), -40);
  EXPECT_TRUE(main->frames.empty());
}

}  // namespace
