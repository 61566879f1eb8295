// Loading one channel into the shared parameter panel: every control shows the
// image, values outside a control's list leave that control alone without
// ending the load, and outputs fill only the Out1 controls.
#include <QWidget>

#include "MainWindowFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "model/Lunitcontrol.h"

namespace {

class PanelLoadTest : public MainWindowTest {
 protected:
  TfmMain* main = nullptr;
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
  }
  template <typename T>
  T* Find(const QString& name) const {
    T* c = main->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  InputChannelRecord& In(int i) { return main->UnitControl->MutablePresetImage().Inputs[i]; }
  OutputChannelRecord& Out(int k) { return main->UnitControl->MutablePresetImage().Outputs[k]; }
  bool Down(const QString& name) const { return Find<TUxBmpButton>(name)->Down(); }
  QString Text(const QString& name) const { return Find<TRoundEdit>(name)->Text(); }
  int Item(const QString& name) const { return Find<TUxComboBox>(name)->ItemIndex(); }
  int Position(const QString& name) const { return Find<TExTrackBar>(name)->Position(); }
};

TEST_F(PanelLoadTest, InputPanelShowsTheImageInOrder) {
  InputChannelRecord& c = In(2);
  c.FeedbackLevel = 3;
  c.LowCut = {1, 170};
  c.HighCut = {20, 169};
  c.Sensitivity = 51;
  c.Phantom = 1;
  c.Gain = 79;
  c.Polarity = 1;
  main->UnitControl->MutablePresetImage().InputMute = 1u << 2;
  ASSERT_TRUE(main->SetPanelFromImage(2));

  EXPECT_TRUE(Down("uxbFbtLevel3InA"));
  EXPECT_FALSE(Down("uxbFbtLevel0InA"));
  EXPECT_EQ(Position("isLowCutFreqInA"), 170);
  EXPECT_EQ(Text("cvdLowCutFreqInA"), "1.00KHz");
  EXPECT_EQ(Item("uxcLowCutSlopInA"), 0);
  EXPECT_FALSE(Down("uxbLowCutBypassInA"));
  EXPECT_EQ(Text("cvdHighCutFreqInA"), "977.2Hz");
  EXPECT_EQ(Find<TUxComboBox>("uxcHighCutSlopInA")->Item(Item("uxcHighCutSlopInA")), "LK -48");
  EXPECT_TRUE(Down("uxbLineInA"));
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineInA")->Caption(), "Mic");
  EXPECT_EQ(Find<TUxComboBox>("uxcLineInA")->Item(Item("uxcLineInA")), "50dB");
  EXPECT_TRUE(Down("uxbPhantomInA"));
  EXPECT_TRUE(Find<QWidget>("uxbPhantomInA")->isEnabled());
  EXPECT_TRUE(Find<QWidget>("udLineInA")->isEnabled());
  EXPECT_EQ(Position("isGainInA"), -201);
  EXPECT_EQ(Text("cvdGainInA"), "-20.5dB");
  EXPECT_TRUE(Down("uxbPhaseInA"));
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhaseInA")->Caption(), "Inverse");
  EXPECT_TRUE(Down("uxbMuteInA"));

  // Line level: phantom up and the level controls greyed, though the image
  // holds phantom on; slope 0 puts the bypass down and keeps the item.
  c.Sensitivity = 0;
  c.LowCut = {0, 0};
  ASSERT_TRUE(main->SetPanelFromImage(2));
  EXPECT_FALSE(Down("uxbLineInA"));
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineInA")->Caption(), "Line");
  EXPECT_EQ(Find<TUxComboBox>("uxcLineInA")->Item(Item("uxcLineInA")), "0 dB");
  EXPECT_FALSE(Down("uxbPhantomInA"));
  for (const char* n : {"uxbPhantomInA", "uxcLineInA", "udLineInA"}) EXPECT_FALSE(Find<QWidget>(n)->isEnabled()) << n;
  EXPECT_TRUE(Down("uxbLowCutBypassInA"));
  EXPECT_EQ(Item("uxcLowCutSlopInA"), 0);
  EXPECT_EQ(Text("cvdLowCutFreqInA"), "19.7Hz");
}

// Values that name no entry of a control's list skip that control only; the
// rest of the panel still loads.
TEST_F(PanelLoadTest, OutOfRangeValuesSkipOnlyTheirControl) {
  InputChannelRecord& c = In(0);
  c.FeedbackLevel = 2;
  c.Sensitivity = 11;  // "10dB"
  c.LowCut = {3, 100};
  ASSERT_TRUE(main->SetPanelFromImage(0));
  c.FeedbackLevel = 7;
  c.Sensitivity = 60;
  c.LowCut = {25, 400};  // slope beyond the list, frequency beyond the fader
  c.Gain = 400;
  c.Polarity = 0;
  ASSERT_TRUE(main->SetPanelFromImage(0));
  EXPECT_TRUE(Down("uxbFbtLevel2InA"));  // no button for 7: the last one stays
  EXPECT_TRUE(Down("uxbLineInA"));
  EXPECT_EQ(Find<TUxComboBox>("uxcLineInA")->Item(Item("uxcLineInA")), "10dB");
  EXPECT_TRUE(Down("uxbLowCutBypassInA"));
  EXPECT_EQ(Item("uxcLowCutSlopInA"), 2);
  EXPECT_EQ(Position("isLowCutFreqInA"), 300);
  EXPECT_EQ(Text("cvdLowCutFreqInA"), "20.16KHz");
  EXPECT_EQ(Text("cvdGainInA"), "+12.0dB");
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhaseInA")->Caption(), "Normal");
}

TEST_F(PanelLoadTest, OutputFillsOnlyTheOut1Controls) {
  Out(2).Gain = 0;
  Out(2).HighCut = {5, 300};
  main->UnitControl->MutablePresetImage().OutputMute = 1u << 2;
  const int inputGain = Position("isGainInA");
  ASSERT_TRUE(main->SetPanelFromImage(10));
  EXPECT_EQ(Position("isGainOut1"), -280);
  EXPECT_EQ(Text("cvdGainOut1"), "-60.0dB");
  EXPECT_EQ(Item("uxcHighCutSlopOut1"), 4);
  EXPECT_TRUE(Down("uxbMuteOut1"));
  EXPECT_EQ(Position("isGainInA"), inputGain);
  EXPECT_FALSE(main->SetPanelFromImage(18));
  EXPECT_FALSE(main->Updating);
  EXPECT_EQ(main->CurrentChannel, 0);
}

}  // namespace
