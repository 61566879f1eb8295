// Channel links and channel copy through the link and copy windows, and the
// analog gain and phantom power window: what each submits, what the image
// keeps, and what the matrix, page buttons and overlay switches show. The
// copy's re-read runs against the simulated processor on a pseudo-terminal.
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

#include "MainWindowFixture.h"
#include "RecordingMainFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FCopy.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FPhantomPotent.h"
#include "display/ResponsePlotModel.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "simproc/SimSerialServer.h"
#include "support/FormCreator.h"
#include "support/UiFixture.h"

namespace {

Frame Forced(std::initializer_list<int> v) { return {Hex(v), true}; }
Frame Unforced(std::initializer_list<int> v) { return {Hex(v), false}; }

class LinkCopyTest : public RecordingMainTest {
 protected:
  void SetUp() override {
    RecordingMainTest::SetUp();
    dialogs = std::make_unique<testsupport::FormCreator>();
    dialogs->CreateForm(fmLinkSel);
    dialogs->CreateForm(fmCopy);
    dialogs->CreateForm(fmPhantomPotent);
    Refresh();
  }
  void TearDown() override {
    dialogs.reset();
    RecordingMainTest::TearDown();
  }
  void Refresh() {
    main->ApplyUnitModel();
    main->frames.clear();
  }
  static TUxBmpButton* Cell(bool outputs, int row, int column) { return fmLinkSel->MatrixButton(outputs, row, column); }
  static int DownColumn(bool outputs, int row) {
    for (int c = 0; c <= row; ++c)
      if (Cell(outputs, row, c)->Down()) return c;
    return -1;
  }
  void Copy(int source, int destination) {
    const bool outputs = source >= 8;
    (outputs ? fmCopy->cbOutSource : fmCopy->cbInSource)->SetItemIndex(source % 8);
    (outputs ? fmCopy->cbOutDestination : fmCopy->cbInDestination)->SetItemIndex(destination % 8);
    QTest::mouseClick(outputs ? fmCopy->bnOutChCopy : fmCopy->bnInChCopy, Qt::LeftButton);
  }
  // An input record with values of its own, to see where it is copied.
  void MarkInputA() {
    auto& a = Image().Inputs[0];
    a.Gain = 330;  // +5.0dB
    a.Sensitivity = 21;
    a.Phantom = 1;
    a.Polarity = 1;
    a.Peq[2].Gain = 150;
  }

  std::unique_ptr<testsupport::FormCreator> dialogs;
};

TEST_F(LinkCopyTest, OnlineCopyLeavesTheCopyingToTheProcessor) {
  MarkInputA();
  main->Online = true;
  const PresetImage before = Image();
  Copy(0, 2);
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x03, 0x2A, 0x00, 0x02, 0x10, 0x03, 0x2B})}));
  EXPECT_EQ(main->LinkState, 6);
  EXPECT_TRUE(Image() == before);

  // A channel onto itself does nothing, online or not.
  main->frames.clear();
  main->LinkState = 0;
  Copy(1, 1);
  main->Online = false;
  Copy(9, 9);
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(main->LinkState, 0);
  EXPECT_TRUE(Image() == before);
}

TEST_F(LinkCopyTest, OfflineCopyReachesTheDestinationsGroupAndKeepsTheirLinkMasks) {
  MarkInputA();
  Image().Inputs[2].LinkMask = 0x0C;  // C heads C and D
  Image().Inputs[3].LinkMask = 0;
  Refresh();
  const InputChannelRecord b = Image().Inputs[1];
  Copy(0, 2);
  for (int i : {2, 3}) {
    InputChannelRecord expected = Image().Inputs[0];
    expected.Name = DefaultPresetImage().Inputs[static_cast<std::size_t>(i)].Name;
    expected.LinkMask = i == 2 ? 0x0C : 0;
    EXPECT_EQ(Image().Inputs[static_cast<std::size_t>(i)], expected) << i;
  }
  EXPECT_EQ(Image().Inputs[1], b);
  // Every page refreshed.
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupInD")->Position(), 50);
  EXPECT_EQ(Find<TRoundEdit>("cvdGainBackupInD")->Text(), "+5.0dB");
  EXPECT_TRUE(Find<TUxBmpButton>("uxbPhaseBackupInC")->Down());

  // Onto a member of the source's own group: the source stays as it was.
  Image().Inputs[4].LinkMask = 0x30;  // E heads E and F
  Image().Inputs[5].LinkMask = 0;
  Image().Inputs[5].Gain = 100;
  const InputChannelRecord f = Image().Inputs[5];
  Copy(5, 4);
  EXPECT_EQ(Image().Inputs[5], f);
  EXPECT_EQ(Image().Inputs[4].Gain, 100);
  EXPECT_EQ(Image().Inputs[4].LinkMask, 0x30);
}

TEST_F(LinkCopyTest, OfflineCopyWithoutLinksLeavesTheOtherInputsAlone) {
  MarkInputA();
  Refresh();
  const InputChannelRecord b = Image().Inputs[1];
  Copy(0, 2);
  EXPECT_EQ(Image().Inputs[2].LinkMask, 0x04);  // C still leads itself
  EXPECT_EQ(Image().Inputs[0].LinkMask, 0x01);
  EXPECT_EQ(Image().Inputs[2].Gain, 330);
  Find<TExTrackBar>("isGainBackupInC")->SetPosition(-100);
  EXPECT_EQ(Image().Inputs[2].Gain, 180);
  EXPECT_EQ(Image().Inputs[1], b);
  EXPECT_EQ(Image().Inputs[0].Gain, 330);
  EXPECT_EQ(DownColumn(false, 2), 2);

  // Outputs too keep name, routing and link mask.
  Image().Outputs[0].Delay = 960;
  Image().Outputs[1].Routing = 0x0003;
  Copy(8, 9);
  EXPECT_EQ(Image().Outputs[1].Delay, 960);
  EXPECT_EQ(Image().Outputs[1].Routing, 0x0003);
  EXPECT_EQ(Image().Outputs[1].LinkMask, 0x0002);
}

TEST_F(LinkCopyTest, OnlineSetSendsCopyMasksAndReadsBack) {
  main->Online = true;
  auto* overlay = Find<TDvPowerButton>("vrbShowBGain");
  QTest::mouseClick(overlay, Qt::LeftButton);
  ASSERT_TRUE(overlay->Active());
  int points = 0;
  ASSERT_TRUE(main->PlotModel(16)->GetPlotNumPoints(points, 1));
  Find<TUxBmpButton>("uxbMenuDelay")->Click();
  ASSERT_EQ(main->CurrentPage, 17);
  main->frames.clear();

  QTest::mouseClick(Cell(false, 1, 0), Qt::LeftButton);
  EXPECT_EQ(DownColumn(false, 1), 0);
  EXPECT_EQ(fmLinkSel->Changed, 1);
  QTest::mouseClick(fmLinkSel->bnSet, Qt::LeftButton);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x03, 0x2A, 0x00, 0x01, 0x10, 0x03, 0x28}),
                                              Forced({0x10, 0x02, 0x00, 0x01, 0x03, 0x3B, 0x00, 0x03, 0x10, 0x03, 0x3B}),
                                              Forced({0x10, 0x02, 0x00, 0x01, 0x03, 0x3B, 0x01, 0x00, 0x10, 0x03, 0x39}),
                                              Forced({0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13})}));
  EXPECT_EQ(main->LinkState, 6);
  EXPECT_FALSE(main->tmInLevelDet->Enabled());
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInB")->Caption(), "2=1");
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInA")->Caption(), "In1");
  EXPECT_TRUE(overlay->isHidden());
  EXPECT_FALSE(overlay->Active());
  EXPECT_FALSE(main->PlotModel(16)->GetPlotNumPoints(points, 1));
  for (const char* plot : {"InA", "InC", "InD", "InE", "InF", "InG", "InH"})
    EXPECT_TRUE(Find<TDvPowerButton>(QStringLiteral("vrbShowB") + plot)->isHidden()) << plot;
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShowAGain")->isHidden());
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShowCInA")->isHidden());
  EXPECT_EQ(main->CurrentPage, 21);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbMenuGain")->Down());
  EXPECT_FALSE(Find<TUxBmpButton>("uxbMenuDelay")->Down());
  EXPECT_FALSE(Find<QWidget>("uxgFftGain")->isHidden());

  // Unlinked again: the switches come back, switched off.
  main->UpdateLinkButtons(1, true);
  EXPECT_FALSE(overlay->isHidden());
  EXPECT_FALSE(overlay->Active());
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShowBInA")->isHidden());
}

// Output 2 joining output 1: its switches leave every output plot and the
// Gain Out plot, switched off, and its curves go with them (on an output
// plot under the key of its place among the outputs).
TEST_F(LinkCopyTest, JoiningOutputsOverlaysAreHiddenAndRemoved) {
  const char* switches[] = {"vrbShow2Gain", "vrbShow2Out1", "vrbShow2Out3", "vrbShow2Out8"};
  for (const char* name : switches) QTest::mouseClick(Find<TDvPowerButton>(name), Qt::LeftButton);
  int points = 0;
  ASSERT_TRUE(main->PlotModel(17)->GetPlotNumPoints(points, 9));
  for (int plot : {8, 10, 15}) ASSERT_TRUE(main->PlotModel(plot)->GetPlotNumPoints(points, 19)) << plot;
  main->UpdateLinkButtons(9, false);
  for (const char* name : switches) {
    EXPECT_TRUE(Find<TDvPowerButton>(name)->isHidden()) << name;
    EXPECT_FALSE(Find<TDvPowerButton>(name)->Active()) << name;
  }
  EXPECT_FALSE(main->PlotModel(17)->GetPlotNumPoints(points, 9));
  for (int plot : {8, 10, 15}) EXPECT_FALSE(main->PlotModel(plot)->GetPlotNumPoints(points, 19)) << plot;
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShow3Out1")->isHidden());
}

TEST_F(LinkCopyTest, OfflineSetCopiesTheLeaderOnlyOntoTheJoiningChannel) {
  MarkInputA();
  Image().Inputs[1].LinkMask = 0x06;  // C follows B
  Image().Inputs[2].LinkMask = 0;
  Image().Inputs[2].Gain = 100;
  Refresh();
  ASSERT_EQ(DownColumn(false, 2), 1);
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInC")->Caption(), "3=2");
  const InputChannelRecord c = Image().Inputs[2];

  QTest::mouseClick(Cell(false, 1, 0), Qt::LeftButton);
  EXPECT_EQ(DownColumn(false, 2), 2) << "C leads itself again";
  EXPECT_FALSE(Cell(false, 2, 1)->isEnabled());
  EXPECT_TRUE(Cell(false, 3, 2)->isEnabled());
  fmLinkSel->bnSetClick(fmLinkSel->bnSet);

  EXPECT_EQ(Image().Inputs[0].LinkMask, 0x03);
  EXPECT_EQ(Image().Inputs[1].LinkMask, 0);
  EXPECT_EQ(Image().Inputs[2].LinkMask, 0x04);
  InputChannelRecord expectedC = c;
  expectedC.LinkMask = 0x04;
  EXPECT_EQ(Image().Inputs[2], expectedC);
  EXPECT_EQ(Image().Inputs[1].Gain, 330);
  EXPECT_EQ(Find<TExTrackBar>("isGainBackupInB")->Position(), 50);  // the pages were refreshed
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInB")->Caption(), "2=1");
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInC")->Caption(), "In3");
}

TEST_F(LinkCopyTest, TheRefreshLoadsTheMatrixFromTheMasks) {
  Image().Inputs[0].LinkMask = 0x05;  // A leads A and C
  Image().Inputs[1].LinkMask = 0x02;
  Image().Inputs[2].LinkMask = 0;
  Image().Outputs[0].LinkMask = 0x01;  // output 1 alone, output 2 leads 2 and 3
  Image().Outputs[1].LinkMask = 0x06;
  Image().Outputs[2].LinkMask = 0;
  Refresh();
  EXPECT_EQ(DownColumn(false, 2), 0);
  EXPECT_EQ(DownColumn(false, 1), 1);
  EXPECT_EQ(DownColumn(true, 2), 1);
  EXPECT_FALSE(Cell(false, 3, 2)->isEnabled());
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInC")->Caption(), "3=1");
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuOut3")->Caption(), "3=2");
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuOut2")->Caption(), "Out2");
  EXPECT_TRUE(Find<TDvPowerButton>("vrbShowCGain")->isHidden());
  EXPECT_TRUE(Find<TDvPowerButton>("vrbShow3Out1")->isHidden());
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShowBGain")->isHidden());

  // Back to no links: every row on its diagonal, every caption and switch back.
  Image() = DefaultPresetImage();
  Refresh();
  for (bool outputs : {false, true})
    for (int row = 0; row < 8; ++row) EXPECT_EQ(DownColumn(outputs, row), row) << outputs << row;
  EXPECT_EQ(Find<TUxBmpButton>("uxbMenuInC")->Caption(), "In3");
  EXPECT_FALSE(Find<TDvPowerButton>("vrbShowCGain")->isHidden());
}

TEST_F(LinkCopyTest, ExitEscapeAndTheCloseBoxDropUnappliedChoices) {
  const PresetImage before = Image();
  const auto choose = [] {
    fmLinkSel->Show();
    EXPECT_EQ(fmLinkSel->Changed, 0);
    QTest::mouseClick(Cell(false, 3, 0), Qt::LeftButton);
    QTest::mouseClick(Cell(true, 7, 5), Qt::LeftButton);
    EXPECT_EQ(DownColumn(false, 3), 0);
    EXPECT_FALSE(Cell(false, 4, 3)->isEnabled());
  };
  const std::vector<std::function<void()>> ways = {
      [] { QTest::mouseClick(fmLinkSel->bnExit, Qt::LeftButton); },
      [] { QTest::keyClick(fmLinkSel, Qt::Key_Escape); },
      [] { fmLinkSel->close(); },
  };
  for (std::size_t i = 0; i < ways.size(); ++i) {
    choose();
    ways[i]();
    EXPECT_FALSE(fmLinkSel->isVisible()) << i;
    EXPECT_EQ(DownColumn(false, 3), 3) << i;
    EXPECT_EQ(DownColumn(true, 7), 7) << i;
    EXPECT_TRUE(Cell(false, 4, 3)->isEnabled()) << i;
  }
  EXPECT_TRUE(main->frames.empty());
  EXPECT_TRUE(Image() == before);
}

TEST_F(LinkCopyTest, TheMenuOpensBothWindowsModallyWithTheirCaptions) {
  bool linkShown = false, copyShown = false;
  QTimer::singleShot(0, [&] {
    linkShown = fmLinkSel->isVisible() && fmLinkSel->IsModal();
    fmLinkSel->bnExitClick(nullptr);
  });
  main->MenuItem("Link")->OnClick(main->MenuItem("Link"));
  QTimer::singleShot(0, [&] {
    copyShown = fmCopy->isVisible() && fmCopy->IsModal();
    fmCopy->bnExitClick(nullptr);
  });
  main->MenuItem("Copy")->OnClick(main->MenuItem("Copy"));
  EXPECT_TRUE(linkShown);
  EXPECT_TRUE(copyShown);
  EXPECT_EQ(fmLinkSel->windowTitle(), "Link Selection");
  EXPECT_EQ(fmLinkSel->bnSet->Caption(), "Set");
  EXPECT_EQ(fmCopy->windowTitle(), "Channel Copy");
  EXPECT_EQ(fmCopy->bnOutChCopy->Caption(), "Copy");
  EXPECT_EQ(fmCopy->bnExit->Caption(), "Exit");
}

TEST_F(LinkCopyTest, EveryMatrixButtonTakesTheTemplatesFaces) {
  auto* source = Cell(false, 0, 0);
  ASSERT_FALSE(source->Bitmaps()->StayDown().isNull());
  auto* hg = fmLinkSel->FindControl<TUxBmpButton>("uxbHLinkInG");
  ASSERT_NE(hg, nullptr);
  EXPECT_EQ(hg->objectName(), "uxbHlinkInG");
  for (TUxBmpButton* b : {hg, Cell(true, 7, 0), Cell(false, 1, 1)}) {
    EXPECT_EQ(b->Bitmaps()->StayDown(), source->Bitmaps()->StayDown()) << b->objectName().toStdString();
    EXPECT_EQ(b->Bitmaps()->Down(), source->Bitmaps()->Down());
    EXPECT_EQ(b->Bitmaps()->Hot(), source->Bitmaps()->Hot());
  }
}

TEST_F(LinkCopyTest, PhantomWindowSendsStepsAndPhantomWithoutTouchingTheImage) {
  const PresetImage before = Image();
  const bool mainPhantom = Find<TUxBmpButton>("uxbPhantomBackupInC")->Down();
  main->MenuItem("PhantomPotent")->OnClick(main->MenuItem("PhantomPotent"));
  EXPECT_TRUE(fmPhantomPotent->isVisible());
  EXPECT_FALSE(fmPhantomPotent->IsModal());
  EXPECT_FALSE(main->MenuItem("PhantomPotent")->Visible());

  auto* fader = fmPhantomPotent->FindControl<TExTrackBar>("isGainInA");
  auto* box = fmPhantomPotent->FindControl<TRoundEdit>("cvdGainInA");
  const struct {
    int position;
    const char* text;
  } cases[] = {{-1, "- 1.0dB"},  {-12, "-12.0dB"}, {-13, "-14.0dB"}, {-24, "-36.0dB"},
               {-25, "-39.0dB"}, {-32, "-60.0dB"}, {0, "+ 0.0dB"}};
  for (const auto& c : cases) {
    main->frames.clear();
    fader->SetPosition(c.position);
    EXPECT_EQ(box->Text(), c.text) << c.position;
    ASSERT_EQ(main->frames.size(), 1u) << c.position;
    EXPECT_FALSE(main->frames[0].force);
    EXPECT_EQ(main->frames[0].bytes[5], 0x55);
    EXPECT_EQ(main->frames[0].bytes[6], 0);
    EXPECT_EQ(main->frames[0].bytes[7], -c.position);
  }

  main->frames.clear();
  fmPhantomPotent->FindControl<TExTrackBar>("isGainInC")->SetPosition(-13);
  auto* phantom = fmPhantomPotent->FindControl<TUxBmpButton>("uxbGainPhantomInC");
  QTest::mouseClick(phantom, Qt::LeftButton);
  EXPECT_TRUE(phantom->Down());
  QTest::mouseClick(phantom, Qt::LeftButton);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Unforced({0x10, 0x02, 0x00, 0x01, 0x03, 0x55, 0x02, 0x0D, 0x10, 0x03, 0x59}),
                                              Unforced({0x10, 0x02, 0x00, 0x01, 0x03, 0x56, 0x02, 0x01, 0x10, 0x03, 0x56}),
                                              Unforced({0x10, 0x02, 0x00, 0x01, 0x03, 0x56, 0x02, 0x00, 0x10, 0x03, 0x57})}));
  EXPECT_EQ(fmPhantomPotent->FindControl<TRoundEdit>("cvdGainInC")->Text(), "-14.0dB");
  EXPECT_TRUE(Image() == before);
  EXPECT_EQ(Find<TUxBmpButton>("uxbPhantomBackupInC")->Down(), mainPhantom);
  fmPhantomPotent->hide();
}

// The copy window against the simulated processor: one forced 0x2A, then its
// acknowledgement reads everything again and the pages show the copy.
class LinkCopyOnlineTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmMain->tmStartConnect->SetEnabled(false);
    dialogs.CreateForm(fmCopy);
    fmMain->OnSubmit = [this](const Bytes& frame, bool force) {
      if (frame.size() > 5 && frame[5] != 0x40) frames.push_back({frame, force});
    };
  }
  void TearDown() override {
    fmMain->tmInLevelDet->SetEnabled(false);
    server.reset();
    MainWindowTest::TearDown();
  }

  std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>();
  std::unique_ptr<SimSerialServer> server;
  std::vector<Frame> frames;
  testsupport::FormCreator dialogs;
};

TEST_F(LinkCopyOnlineTest, TheProcessorCopiesAndThePagesShowItAfterTheReRead) {
  SimProcessor::Stream s = SimProcessor::DefaultStream();
  s[16 + 66] = 330 & 0xFF;  // input A's gain +5.0dB
  s[16 + 67] = 330 >> 8;
  s[16 + 68] = 1;           // input A inverted
  processor->SetCurrentStream(s);
  server = std::make_unique<SimSerialServer>(processor);
  ASSERT_TRUE(server->StartPty()) << server->LastError();
  fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  testsupport::RunEventLoop(50);
  frames.clear();
  const int reads = fmMain->UploadRefreshCount;
  const PresetImage before = fmMain->UnitControl->GetPresetImage();

  fmCopy->cbInSource->SetItemIndex(0);
  fmCopy->cbInDestination->SetItemIndex(2);
  fmCopy->bnInChCopyClick(fmCopy->bnInChCopy);
  EXPECT_EQ(frames, (std::vector<Frame>{Forced({0x10, 0x02, 0x00, 0x01, 0x03, 0x2A, 0x00, 0x02, 0x10, 0x03, 0x2B})}));
  EXPECT_EQ(fmMain->LinkState, 6);
  EXPECT_TRUE(fmMain->UnitControl->GetPresetImage() == before);

  ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > reads; }, 30000));
  EXPECT_TRUE(std::any_of(frames.begin() + 1, frames.end(), [](const Frame& f) { return f.bytes[5] == 0x22; }))
      << "the acknowledgement starts the re-read";
  EXPECT_EQ(fmMain->UnitControl->GetGain(2), 330);
  EXPECT_EQ(fmMain->FindControl<TExTrackBar>("isGainBackupInC")->Position(), 50);
  EXPECT_EQ(fmMain->FindControl<TRoundEdit>("cvdGainBackupInC")->Text(), "+5.0dB");
  EXPECT_TRUE(fmMain->FindControl<TUxBmpButton>("uxbPhaseBackupInC")->Down());
  EXPECT_EQ(fmMain->UnitControl->GetChannelLinkMask(2), 0x04);
}

}  // namespace
