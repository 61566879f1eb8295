// The channel strips and linked-channel propagation: what one edit submits
// (every frame with its force flag), what the image stores and what the
// other strip and the linked channels' mirror strips show.
#include <QLocale>
#include <QTest>

#include <clocale>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {


class StripsTest : public RecordingMainTest {
 protected:
};

TEST(FormatGain, PositionsToTexts) {
  // A locale with a decimal comma must not change the texts.
  const char* saved = std::setlocale(LC_NUMERIC, nullptr);
  const std::string restore = saved ? saved : "C";
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"})
    if (std::setlocale(LC_NUMERIC, name)) break;
  QLocale::setDefault(QLocale(QLocale::German));
  struct Case { int p; const char* text; };
  for (Case c : {Case{-280, "-60.0dB"}, {-201, "-20.5dB"}, {-200, "-20.0dB"}, {-199, "-19.9dB"}, {-1, "-0.1dB"},
                 {0, "+0.0dB"}, {120, "+12.0dB"}})
    EXPECT_EQ(TfmMain::FormatGain(c.p), c.text) << c.p;
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_NUMERIC, restore.c_str());
}

TEST_F(StripsTest, MirrorFaderSubmitsOneGainFrame) {
  Find<TExTrackBar>("isGainBackupInB")->SetPosition(0);
  EXPECT_EQ(main->frames, (std::vector<Frame>{{Hex({0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x01, 0x18, 0x01, 0x10, 0x03, 0x28}), false}}));
  EXPECT_EQ(main->UnitControl->GetGain(1), 280);
  EXPECT_EQ(Find<TRoundEdit>("cvdGainBackupInB")->Text(), "+0.0dB");
}

TEST_F(StripsTest, PanelFaderMovesTheMirrorAndSubmitsTwice) {
  main->CurrentChannel = 9;
  Find<TExTrackBar>("isGainOut1")->SetPosition(40);
  main->frames.clear();
  Find<TExTrackBar>("isGainOut1")->SetPosition(-200);
  const Frame gain{Hex({0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x09, 0x50, 0x00, 0x10, 0x03, 0x69}), false};
  EXPECT_EQ(main->frames, (std::vector<Frame>{gain, gain}));
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupOut2")->Position(), -200);
  EXPECT_EQ(Find<TRoundEdit>("cvdGainBackupOut2")->Text(), "-20.0dB");
  EXPECT_EQ(Find<TRoundEdit>("cvdGainOut1")->Text(), "-20.0dB");

  // While the pass or a propagation holds Updating, a move changes that fader only.
  main->frames.clear();
  main->Updating = true;
  Find<TExTrackBar>("isGainOut1")->SetPosition(10);
  main->Updating = false;
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupOut2")->Position(), -200);
}

TEST_F(StripsTest, MuteOfALinkedInputGoesToEveryMember) {
  Image().Inputs[0].LinkMask = 0x0007;
  Image().Inputs[1].LinkMask = 0;
  Image().Inputs[2].LinkMask = 0;
  EXPECT_EQ(main->GetLinkGroup(2), 0x0007);
  QTest::mouseClick(Find<TUxBmpButton>("uxbMuteBackupInC"), Qt::LeftButton);
  auto mute = [](int ch, int cs) {
    return Frame{Hex({0x10, 0x02, 0x00, 0x01, 0x03, 0x35, ch, 0x01, 0x10, 0x03, cs}), false};
  };
  EXPECT_EQ(main->frames, (std::vector<Frame>{mute(2, 0x35), mute(0, 0x37), mute(1, 0x36), mute(2, 0x35)}));
  EXPECT_EQ(main->UnitControl->GetPresetImage().InputMute & 0x7, 0x7);
  for (const char* n : {"uxbMuteBackupInA", "uxbMuteBackupInB", "uxbMuteBackupInC"}) EXPECT_TRUE(Find<TUxBmpButton>(n)->Down()) << n;
  EXPECT_FALSE(Find<TUxBmpButton>("uxbMuteBackupInD")->Down());
}

TEST_F(StripsTest, LinkedOutputFollowsWithoutItsHandler) {
  Image().Outputs[1].LinkMask = 0x12;  // outputs 2 and 5
  main->CurrentChannel = 9;
  Find<TExTrackBar>("isGainOut1")->SetPosition(-50);
  EXPECT_EQ(main->UnitControl->GetGain(9), 230);
  EXPECT_EQ(main->UnitControl->GetGain(12), 230);
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupOut5")->Position(), -50);
  EXPECT_EQ(Find<TRoundEdit>("cvdGainBackupOut5")->Text(), "-5.0dB");
  ASSERT_EQ(main->frames.size(), 2u);
  for (const Frame& f : main->frames) EXPECT_EQ(f.bytes[6], 9) << "only output 2's command goes out";
  EXPECT_FALSE(main->Updating);
}

TEST_F(StripsTest, PolarityCaptionFollowsDownInBothStrips) {
  main->CurrentChannel = 3;
  auto* panel = Find<TUxBmpButton>("uxbPhaseInA");
  QTest::mouseClick(panel, Qt::LeftButton);
  EXPECT_TRUE(panel->Down());
  EXPECT_EQ(panel->Caption(), "Inverse");
  EXPECT_TRUE(Find<TUxBmpButton>("uxbPhaseBackupInD")->Down());
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhaseBackupInD")->Caption(), "Inverse");
  EXPECT_TRUE(main->UnitControl->GetPolarity(3));
  QTest::mouseClick(Find<TUxBmpButton>("uxbPhaseBackupInD"), Qt::LeftButton);
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhaseBackupInD")->Caption(), "Normal");
  EXPECT_FALSE(main->UnitControl->GetPolarity(3));
  // Handler, then the propagation: two frames per click.
  EXPECT_EQ(main->frames.size(), 4u);
}

// A channel no mask holds stands alone; a member of a group finds its head.
TEST_F(StripsTest, LinkGroupLookup) {
  Image().Outputs[0].LinkMask = 0x0005;  // outputs 1 and 3
  Image().Outputs[2].LinkMask = 0;
  Image().Outputs[1].LinkMask = 0;
  EXPECT_EQ(main->GetLinkGroup(10), 0x0005);
  EXPECT_EQ(main->GetLinkGroup(9), 0x0002);
  Image().Outputs[1].LinkMask = 0x0002;
  EXPECT_EQ(main->GetLinkGroup(9), 0x0002);
  EXPECT_EQ(main->GetLinkGroup(16), 0);
}

TEST_F(StripsTest, GainSelectorBringsItsPanelToTheFront) {
  QWidget* in = Find<QWidget>("uxpGainIn");
  QWidget* out = Find<QWidget>("uxpGainOut");
  QTest::mouseClick(Find<TUxBmpButton>("uxbGainSelOut"), Qt::LeftButton);
  auto front = [](QWidget* a, QWidget* b) {
    const auto kids = a->parentWidget()->children();
    return kids.indexOf(a) > kids.indexOf(b);
  };
  EXPECT_TRUE(front(out, in));
  QTest::mouseClick(Find<TUxBmpButton>("uxbGainSelIn"), Qt::LeftButton);
  EXPECT_TRUE(front(in, out));
}

}  // namespace
