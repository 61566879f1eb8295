// Page and channel navigation: the page buttons, the bar's arrows, the Matrix
// overview's labels, and the serial link's grace resend on a page change.
#include <QLabel>

#include <memory>

#include "MainWindowFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "link/LComm.h"
#include "model/Lunitcontrol.h"
#include "simproc/SimSerialServer.h"
#include "support/UiFixture.h"

namespace {

const QColor kLime(0, 255, 0);
const QColor kWhite(255, 255, 255);

class NavigationTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
    main->show();
  }
  void TearDown() override {
    if (main) main->CommProc.reset();
    sim.Stop();
    MainWindowTest::TearDown();
  }
  TUxBmpButton* Button(const QString& name) const { return main->FindControl<TUxBmpButton>(name); }
  void Click(const QString& name) { ASSERT_TRUE(testsupport::ClickControl(*main, name)) << name.toStdString(); }
  // The visible sibling that is in front at the widget's centre.
  QWidget* InFront(const QString& name) const {
    auto* w = main->FindControl<QWidget>(name);
    if (!w || !w->parentWidget()) return nullptr;
    const QPoint centre = w->geometry().center();
    const QObjectList& siblings = w->parentWidget()->children();
    for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
      auto* s = qobject_cast<QWidget*>(*it);
      if (s && !s->isHidden() && s->geometry().contains(centre)) return s;
    }
    return nullptr;
  }
  bool ShownInFront(const QString& name) const { return InFront(name) == main->FindControl<QWidget>(name); }
  QString Caption(const QString& label) const { return main->FindControl<QLabel>(label)->text(); }
  void OpenSerialLink() {
    ASSERT_TRUE(sim.StartPty()) << sim.LastError();
    main->CommProc = std::make_unique<LCommProc>(LinkOwner{}, 1);
    ASSERT_TRUE(main->CommProc->Open(sim.SlavePath())) << main->CommProc->LastError();
  }

  TfmMain* main = nullptr;
  SimSerialServer sim;
};

TEST_F(NavigationTest, AnOutputPageWithDefaultMasks) {
  Click("uxbMenuOut5");
  EXPECT_EQ(main->CurrentPage, 12);
  EXPECT_EQ(main->EditChannel, 12);
  EXPECT_EQ(main->CurrentChannel, 12);
  EXPECT_TRUE(ShownInFront("uxgFftOut5"));
  EXPECT_TRUE(ShownInFront("uxgParamOut1"));
  EXPECT_TRUE(ShownInFront("uxpPeqOut5"));
  EXPECT_EQ(Caption("lbFftChannelOut5"), "Out5");
  EXPECT_EQ(Caption("lbGainNameOut1"), "Out5");
  EXPECT_TRUE(main->FindControl<QWidget>("uxgFftGain")->isHidden());
  EXPECT_EQ(Button("uxbMenuOut5")->FontColor(), kLime);
  EXPECT_TRUE(Button("uxbMenuOut5")->Down());
  EXPECT_EQ(Button("uxbMenuGain")->FontColor(), kWhite);
  EXPECT_FALSE(Button("uxbMenuGain")->Down());

  // The Aux page edits the effect channel; the Matrix page leaves that alone.
  Click("uxbMenuEff");
  EXPECT_EQ(main->EditChannel, 18);
  EXPECT_EQ(main->CurrentChannel, 18);
  EXPECT_TRUE(ShownInFront("uxgFftEff"));
  Click("uxbMenuMatrix");
  EXPECT_EQ(main->EditChannel, 18);
  EXPECT_TRUE(ShownInFront("uxgFftMatrix"));
  EXPECT_TRUE(ShownInFront("uxgParamMatrix"));
  EXPECT_EQ(Button("uxbMenuEff")->FontColor(), kWhite);
}

TEST_F(NavigationTest, ALinkedInputShowsTheHeadsPlotWithItsOwnCaptionAndColour) {
  main->UnitControl->SetLinkMask(0, 0x0007);
  main->UnitControl->SetLinkMask(1, 0);
  main->UnitControl->SetLinkMask(2, 0);
  Click("uxbMenuInB");
  EXPECT_EQ(main->CurrentPage, 1);
  EXPECT_EQ(main->EditChannel, 0);
  EXPECT_EQ(main->CurrentChannel, 1);
  EXPECT_TRUE(ShownInFront("uxgFftInA"));
  EXPECT_TRUE(ShownInFront("uxpPeqInA"));
  EXPECT_EQ(Caption("lbFftChannelInA"), "In2");
  EXPECT_EQ(Caption("lbGainNameInA"), "In2");
  platform::TColor sum = 0;
  ASSERT_TRUE(main->PlotModel(0)->GetPlotColor(sum, display::Plot::SumSection));
  EXPECT_EQ(sum, display::ChannelCurveColour(1));
  EXPECT_EQ(sum, platform::TColor(0x008000)) << "input B's green (0, 128, 0)";
}

TEST_F(NavigationTest, AChannelNoMaskHoldsIsItsOwnHead) {
  // A and B linked; C is in no mask of the inputs (a file or the processor).
  main->UnitControl->SetLinkMask(0, 0x0003);
  main->UnitControl->SetLinkMask(1, 0);
  main->UnitControl->SetLinkMask(2, 0);
  Click("uxbMenuInC");
  EXPECT_EQ(main->CurrentPage, 2);
  EXPECT_EQ(main->EditChannel, 2);
  EXPECT_TRUE(ShownInFront("uxgFftInC"));
  EXPECT_TRUE(ShownInFront("uxpPeqInC"));
  EXPECT_EQ(Caption("lbFftChannelInC"), "In3");
  EXPECT_EQ(Button("uxbMenuInC")->FontColor(), kLime);
}

TEST_F(NavigationTest, OnlyAPageChangeOnTheSerialLinkGrantsAGraceResend) {
  // Without a serial link a page change touches no link.
  Click("uxbMenuInA");
  EXPECT_EQ(main->CurrentPage, 0);

  OpenSerialLink();
  main->CommProc->SetGraceResends(0);
  Click("uxbMenuInA");  // the page shown: nothing at all
  EXPECT_EQ(main->CommProc->GraceResends(), 0);
  EXPECT_EQ(main->CurrentPage, 0);
  Click("uxbMenuGate");
  EXPECT_EQ(main->CommProc->GraceResends(), 1);
  EXPECT_EQ(main->CurrentPage, 20);
}

TEST_F(NavigationTest, ThePageShownAgainChangesNothing) {
  Click("uxbMenuOut2");
  main->FindControl<QLabel>("lbGainNameOut1")->setText("marker");
  main->CurrentChannel = 3;  // a reload would set it back to 9
  Click("uxbMenuOut2");
  EXPECT_EQ(Caption("lbGainNameOut1"), "marker");
  EXPECT_EQ(main->CurrentChannel, 3);
  EXPECT_EQ(Button("uxbMenuOut2")->FontColor(), kLime);
}

TEST_F(NavigationTest, TheSelectedTabStandsOverItsNeighbours) {
  Click("uxbMenuInC");
  const QObjectList& order = Button("uxbMenuInC")->parentWidget()->children();
  auto at = [&](const char* name) { return order.indexOf(Button(QString::fromLatin1(name))); };
  EXPECT_EQ(at("uxbMenuInC"), order.size() - 1);
  EXPECT_GT(at("uxbMenuInE"), at("uxbMenuInD")) << "a tab stands over its left neighbour";
  EXPECT_GT(at("uxbMenuInB"), at("uxbMenuInA"));
}

TEST_F(NavigationTest, TheArrowsScrollTheBarBySevenAndThreeTabs) {
  auto* bar = main->FindControl<QWidget>("plMenuSel");
  std::vector<int> lefts;
  for (int i = 0; i < 3; ++i) {
    Click("uxbMenuRight");
    lefts.push_back(bar->x());
  }
  for (int i = 0; i < 2; ++i) {
    Click("uxbMenuLeft");
    lefts.push_back(bar->x());
  }
  EXPECT_EQ(lefts, (std::vector<int>{-396, -567, -567, -396, 3}));
  Click("uxbMenuLeft");
  EXPECT_EQ(bar->x(), 3);
  EXPECT_EQ(main->MenuScrollStep, 0);
}

TEST_F(NavigationTest, TheOverviewLabelsSelectTheirPages) {
  struct Case {
    const char* label;
    int page;
    const char* down;
  };
  const Case cases[] = {
      {"lbMatrixDelayInC", 18, "uxbMenuEff"},    // "SEL" of input C: on to Aux
      {"lbMatrixDelayOut4", 17, "uxbMenuDelay"},  // "DELAY" of output 4
      {"lbMatrixPeqOut3", 10, "uxbMenuOut3"},
      {"lbMatrixGainInB", 1, "uxbMenuInB"},
      {"lbMatrixPhaseInH", 7, "uxbMenuInH"},      // "FBQ"
      {"lbMatrixMuteOut8", 15, "uxbMenuOut8"},
      {"lbMatrixHpLpInA", 22, "uxbMenuAgc"},      // "AGC"
      {"lbMatrixCompOut2", 16, "uxbMenuComp"},
  };
  const char* const buttons[] = {"uxbMenuEff", "uxbMenuDelay", "uxbMenuMatrix", "uxbMenuOut3", "uxbMenuInB",
                                 "uxbMenuInH", "uxbMenuOut8", "uxbMenuAgc", "uxbMenuComp"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Click("uxbMenuMatrix");
    ASSERT_EQ(main->CurrentPage, 19);
    Click(c.label);
    EXPECT_EQ(main->CurrentPage, c.page);
    for (const char* b : buttons)
      EXPECT_EQ(Button(b)->Down(), QLatin1String(b) == c.down) << b;
    EXPECT_EQ(Button(c.down)->FontColor(), kLime);
    if (c.page == 17) EXPECT_TRUE(ShownInFront("uxpDelayOut"));
  }
  main->lbMatrixGainInAClick(nullptr);
  EXPECT_EQ(main->CurrentPage, 21);
  EXPECT_TRUE(Button("uxbMenuGain")->Down());
}

}  // namespace

namespace {

// The panel loader, online on the serial link: it only shows values.
class PanelLoaderTest : public NavigationTest {
 protected:
  void SetUp() override {
    NavigationTest::SetUp();
    OpenSerialLink();
    main->Online = true;
    main->OnSubmit = [this](const Bytes& frame, bool) { frames.Record(frame); };
  }
  template <typename T>
  T* Get(const char* name) const {
    return main->FindControl<T>(QString::fromLatin1(name));
  }
  int Position(const char* fader) const { return Get<TExTrackBar>(fader)->Position(); }
  QString Text(const char* box) const { return Get<TRoundEdit>(box)->Text(); }
  QString Item(const char* combo) const { return Get<TUxComboBox>(combo)->currentText(); }
  bool Down(const char* button) const { return Get<TUxBmpButton>(button)->Down(); }
  testsupport::FrameRecorder frames;
};

TEST_F(PanelLoaderTest, ShowsTheChannelsValuesAndSendsNothing) {
  PresetImage& image = main->UnitControl->MutablePresetImage();
  InputChannelRecord& b = image.Inputs[1];
  auto load = [&](int channel) {
    main->LoadChannelToPanel(channel);
    EXPECT_EQ(main->CurrentChannel, channel);
    EXPECT_FALSE(main->Updating);
  };

  // Cut slopes: 1-20 pick the item with bypass up; 0, and a slope past the
  // list, put bypass down and keep the item shown before.
  struct SlopeCase {
    int slope;
    const char* item;
    bool bypass;
  };
  const SlopeCase slopes[] = {{20, "LK -48", false}, {3, "BW -12", false}, {0, "BW -12", true},
                              {1, "BW -6", false},   {25, "BW -6", true}};
  for (const SlopeCase& c : slopes) {
    SCOPED_TRACE(c.slope);
    b.LowCut = {static_cast<std::uint16_t>(c.slope), 169};
    load(1);
    EXPECT_EQ(Item("uxcLowCutSlopInA"), c.item);
    EXPECT_EQ(Down("uxbLowCutBypassInA"), c.bypass);
  }
  EXPECT_EQ(Position("isLowCutFreqInA"), 169);
  EXPECT_EQ(Text("cvdLowCutFreqInA"), "977.2Hz");

  // Level: line shows "0 dB" with phantom up and disabled, even when on.
  struct LevelCase {
    int sensitivity;
    const char* item;
    const char* caption;
    bool phantomEnabled;
  };
  const LevelCase levels[] = {{0, "0 dB", "Line", false}, {1, "0 dB", "Mic", true}, {51, "50dB", "Mic", true}};
  b.Phantom = 1;
  for (const LevelCase& c : levels) {
    SCOPED_TRACE(c.sensitivity);
    b.Sensitivity = static_cast<std::uint8_t>(c.sensitivity);
    load(1);
    EXPECT_EQ(Item("uxcLineInA"), c.item);
    EXPECT_EQ(Get<TUxBmpButton>("uxbLineInA")->Caption(), c.caption);
    EXPECT_EQ(Get<TUxBmpButton>("uxbPhantomInA")->isEnabled(), c.phantomEnabled);
    EXPECT_EQ(Down("uxbPhantomInA"), c.phantomEnabled);
  }

  // Gain: code 0 is the fader's bottom, -60 dB.
  b.Gain = 0;
  load(1);
  EXPECT_EQ(Position("isGainInA"), -280);
  EXPECT_EQ(Text("cvdGainInA"), "-60.0dB");

  // The band selected in the channel's own grid goes onto the band faders.
  b.Peq[2] = PeqBand{150, 100, 30, 0};
  main->PeqGridOf(1)->SetNowIndex(2);
  load(1);
  EXPECT_EQ(Position("isEqFreqInA"), 100);
  EXPECT_EQ(Position("isEqGainInA"), 150);
  EXPECT_EQ(Position("isEqBwInA"), 30);
  EXPECT_EQ(Text("cvdEqGainInA"), "+3.0dB");

  // With no band selected nothing is read: the band faders stay. A feedback
  // level past the buttons skips only those: the rest still loads.
  main->ClearEqSelection();
  b.Peq[0] = PeqBand{0, 0, 0, 0};
  b.FeedbackLevel = 7;
  b.Gain = 400;
  load(1);
  EXPECT_EQ(Position("isEqFreqInA"), 100);
  EXPECT_EQ(Position("isEqGainInA"), 150);
  EXPECT_EQ(Position("isGainInA"), 120);
  EXPECT_EQ(Text("cvdGainInA"), "+12.0dB");

  // Output 3 fills only the Out1 controls, with its own grid's band.
  image.Outputs[2].Gain = 280;
  image.Outputs[2].Peq[4] = PeqBand{100, 200, 40, 0};
  main->PeqGridOf(10)->SetNowIndex(4);
  load(10);
  EXPECT_EQ(Position("isGainOut1"), 0);
  EXPECT_EQ(Text("cvdGainOut1"), "+0.0dB");
  EXPECT_EQ(Position("isEqFreqOut1"), 200);
  EXPECT_EQ(Text("cvdEqGainOut1"), "-2.0dB");
  EXPECT_EQ(Position("isGainInA"), 120) << "the input panel keeps input B";

  // Pages without a panel change nothing; the Aux page only records 18.
  main->LoadChannelToPanel(19);
  EXPECT_EQ(main->CurrentChannel, 10);
  main->LoadChannelToPanel(18);
  EXPECT_EQ(main->CurrentChannel, 18);

  testsupport::RunEventLoop(50);
  EXPECT_TRUE(frames.Frames().empty());
}

TEST_F(PanelLoaderTest, APageChangeLoadsTheClickedChannelNotItsHead) {
  main->UnitControl->MutablePresetImage().Inputs[0].LinkMask = 0x0003;
  main->UnitControl->MutablePresetImage().Inputs[1].LinkMask = 0;
  main->UnitControl->MutablePresetImage().Inputs[0].Gain = 100;
  main->UnitControl->MutablePresetImage().Inputs[1].Gain = 300;
  Click("uxbMenuInB");
  EXPECT_EQ(main->EditChannel, 0);
  EXPECT_EQ(Position("isGainInA"), 20);
  EXPECT_TRUE(frames.Frames().empty());
}

}  // namespace
