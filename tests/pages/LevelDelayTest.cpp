// Line/mic level, phantom power and delay editing: what each edit submits,
// what the image keeps, and what the strips, texts and delay lines show.
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FLinkSel.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

Frame Sent(std::initializer_list<int> v) { return {Hex(v), false}; }

class LevelDelayTest : public RecordingMainTest {
 protected:
  void Refresh() {
    main->ApplyUnitModel();
    main->frames.clear();
  }
  // Types text into a delay box and presses Enter.
  void Type(const QString& box, const QString& text) {
    auto* edit = Find<TRoundEdit>(box);
    edit->SetText(text);
    QTest::keyClick(edit->Edit(), Qt::Key_Return);
  }
  static void Mouse(QWidget* w, QEvent::Type type, int x, int y) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  }
};

TEST_F(LevelDelayTest, LevelStepOnALinkedMirrorSubmitsForBothAndMovesTheOtherCombo) {
  Image().Inputs[1].LinkMask = 0x06;  // B and C
  Image().Inputs[1].Sensitivity = 1;
  Image().Inputs[2].Sensitivity = 1;
  Refresh();
  Find<TUpDown>("udLineBackupInB")->Step(TUDBtnType::btNext);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x03, 0x55, 0x01, 0x02, 0x10, 0x03, 0x55}),
                                              Sent({0x10, 0x02, 0x00, 0x01, 0x03, 0x55, 0x02, 0x02, 0x10, 0x03, 0x56})}));
  auto* c = Find<TUxComboBox>("uxcLineBackupInC");
  EXPECT_EQ(c->Items().value(c->ItemIndex()), "1 dB");
  EXPECT_EQ(main->UnitControl->GetInputSensitivity(2), 2);

  // While Updating is set a step still stores and submits.
  main->frames.clear();
  main->Updating = true;
  Find<TUpDown>("udLineBackupInB")->Step(TUDBtnType::btNext);
  main->Updating = false;
  EXPECT_EQ(main->frames.size(), 2u);
  EXPECT_EQ(main->UnitControl->GetInputSensitivity(1), 3);
}

TEST_F(LevelDelayTest, LevelStepDirectionAndEnds) {
  Image().Inputs[0].Sensitivity = 1;
  Refresh();
  auto* ud = Find<TUpDown>("udLineBackupInA");
  auto* combo = Find<TUxComboBox>("uxcLineBackupInA");
  struct Case {
    int item;
    int newValue;
    TUpDownDirection direction;
    int level;  // the level byte stored and submitted
  };
  const Case cases[] = {
      {50, 1, TUpDownDirection::updUp, 2},     // up: one dB more
      {50, 2, TUpDownDirection::updDown, 2},   // beyond Max counts as up
      {10, -1, TUpDownDirection::updUp, 40},   // beyond Min counts as down
      {50, 0, TUpDownDirection::updDown, 1},   // down at "0 dB" stays, sent again
      {0, 1, TUpDownDirection::updUp, 51},     // up at "50dB" stays, sent again
  };
  for (const Case& c : cases) {
    combo->SetItemIndex(c.item);
    main->frames.clear();
    bool allow = true;
    main->udLineBackupInAChangingEx(ud, allow, c.newValue, c.direction);
    EXPECT_EQ(combo->ItemIndex(), 51 - c.level) << c.item << " " << c.newValue;
    ASSERT_EQ(main->frames.size(), 1u);
    EXPECT_EQ(main->frames[0].bytes[7], c.level);
    EXPECT_EQ(main->UnitControl->GetInputSensitivity(0), c.level);
  }
}

TEST_F(LevelDelayTest, PanelLineSwitchOfALinkedInputClearsPhantomWithoutPhantomFrames) {
  Image().Inputs[2].LinkMask = 0x0C;  // C and D
  for (int i : {2, 3}) {
    Image().Inputs[i].Sensitivity = 12;
    Image().Inputs[i].Phantom = 1;
  }
  main->CurrentChannel = 2;
  Refresh();
  auto* line = Find<TUxBmpButton>("uxbLineInA");
  ASSERT_TRUE(line->Down());
  QTest::mouseClick(line, Qt::LeftButton);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x03, 0x55, 0x02, 0x00, 0x10, 0x03, 0x54}),
                                              Sent({0x10, 0x02, 0x00, 0x01, 0x03, 0x55, 0x03, 0x00, 0x10, 0x03, 0x55})}));
  EXPECT_EQ(main->UnitControl->GetPhantom(2), 0);
  EXPECT_EQ(main->UnitControl->GetPhantom(3), 0);
  for (const char* name : {"uxbPhantomInA", "uxbPhantomBackupInC", "uxbPhantomBackupInD"}) {
    EXPECT_FALSE(Find<TUxBmpButton>(name)->Down()) << name;
    EXPECT_FALSE(Find<TUxBmpButton>(name)->isEnabled()) << name;
  }
  EXPECT_FALSE(Find<TUxBmpButton>("uxbLineBackupInC")->Down());
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineBackupInC")->Caption(), "Line");

  // Back to mic: 0 dB whatever was set before, and the mirror follows.
  main->frames.clear();
  QTest::mouseClick(line, Qt::LeftButton);
  EXPECT_EQ(main->frames.front().bytes[7], 1);
  EXPECT_EQ(Find<TUxComboBox>("uxcLineBackupInC")->ItemIndex(), 50);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbPhantomBackupInC")->isEnabled());
  EXPECT_EQ(Find<TUxBmpButton>("uxbLineBackupInC")->Caption(), "Mic");

  // Phantom on the panel: the mirror and the linked input follow.
  main->frames.clear();
  QTest::mouseClick(Find<TUxBmpButton>("uxbPhantomInA"), Qt::LeftButton);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbPhantomBackupInC")->Down());
  EXPECT_TRUE(Find<TUxBmpButton>("uxbPhantomBackupInD")->Down());
  EXPECT_EQ(main->UnitControl->GetPhantom(3), 1);
  EXPECT_EQ(main->frames.front(), Sent({0x10, 0x02, 0x00, 0x01, 0x03, 0x56, 0x02, 0x01, 0x10, 0x03, 0x56}));
}

TEST_F(LevelDelayTest, TypedDelayInMilliseconds) {
  Type("cvdDelayOut1", "10");
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x04, 0x38, 0x08, 0xE0, 0x01, 0x10, 0x03, 0xD5})}));
  EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut1")->Text(), "10.000 ms");
  EXPECT_EQ(Find<QLabel>("lbFftDelayTimeOut1")->text(), "10.000ms");
  EXPECT_EQ(main->UnitControl->GetDelay(8), 480);
  EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut1")->Edit()->cursorPosition(), 9);

  main->frames.clear();
  Type("cvdDelayOut1", "1000");
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x04, 0x38, 0x08, 0x80, 0x7F, 0x10, 0x03, 0xCB})}));
  EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut1")->Text(), "680.000 ms");
}

TEST_F(LevelDelayTest, TypedDelayEntries) {
  struct Case {
    int unit;
    const char* typed;
    int samples;  // -1: invalid, nothing sent, the old text back
  };
  const Case cases[] = {
      {0, "1,5", 48},        // the comma ends the number
      {0, " 2.5 ms", 120},   // unit cut, leading blank skipped
      {0, "3MS", 144},
      {1, "5ms", -1},        // one character cut leaves "5m"
      {1, "1 m", 139},
      {2, "1FT", 42},
      {0, "abc", -1},
      {0, "", -1},
      {0, "  ", -1},         // blanks, commas or points alone hold no number
      {0, ",.", -1},
      {0, ".", -1},
      {0, "99999", 32640},   // clamped
  };
  auto* fader = Find<TExTrackBar>("isDelayOut2");
  for (const Case& c : cases) {
    Image().DelayUnit = static_cast<std::uint16_t>(c.unit);
    fader->SetPosition(4800);
    const QString before = Find<TRoundEdit>("cvdDelayOut2")->Text();
    main->frames.clear();
    Type("cvdDelayOut2", QString::fromLatin1(c.typed));
    if (c.samples < 0) {
      EXPECT_TRUE(main->frames.empty()) << c.typed;
      EXPECT_EQ(fader->Position(), 4800) << c.typed;
      EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut2")->Text(), TfmMain::DelayText(4800, c.unit, true)) << c.typed;
    } else {
      EXPECT_EQ(fader->Position(), c.samples) << c.typed;
      EXPECT_EQ(main->frames.size(), 1u) << c.typed;
    }
  }
  // Leaving the box applies what it holds as Enter does.
  Image().DelayUnit = 0;
  main->frames.clear();
  Find<TRoundEdit>("cvdDelayOut2")->SetText("4");
  main->cvdDelayInAExit(Find<TRoundEdit>("cvdDelayOut2"));
  EXPECT_EQ(fader->Position(), 192);
}

TEST_F(LevelDelayTest, UnitButtonsRewriteEveryDelayAndSendTheUnitOnlyWhenNotUpdating) {
  Image().Outputs[7].Delay = 4800;
  Refresh();
  QTest::mouseClick(Find<TUxBmpButton>("uxbUnit1"), Qt::LeftButton);
  EXPECT_EQ(main->frames, (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x02, 0x15, 0x01, 0x10, 0x03, 0x16})}));
  EXPECT_EQ(main->UnitControl->GetDelayUnit(), 1);
  EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut8")->Text(), "34.350m");
  EXPECT_EQ(Find<QLabel>("lbFftDelayTimeInA")->text(), "0.000m");

  main->frames.clear();
  main->Updating = true;
  main->uxbUnit0Click(Find<TUxBmpButton>("uxbUnit2"));
  main->Updating = false;
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(main->UnitControl->GetDelayUnit(), 1);
  EXPECT_EQ(Find<QLabel>("lbFftDelayTimeOut8")->text(), "112.695ft");
}

TEST_F(LevelDelayTest, AnUnknownUnitRefreshesInMilliseconds) {
  Image().DelayUnit = 5;
  Image().Outputs[0].Delay = 480;
  main->ApplyUnitModel();
  EXPECT_EQ(Find<TRoundEdit>("cvdDelayOut1")->Text(), "10.000ms");
  EXPECT_TRUE(Find<TUxBmpButton>("uxbUnit0")->Down());
  main->frames.clear();
  Type("cvdDelayOut1", "20");
  EXPECT_EQ(main->UnitControl->GetDelay(8), 960);
}

TEST_F(LevelDelayTest, InputDelayIsSentButNotKept) {
  Find<TExTrackBar>("isDelayInC")->SetPosition(480);
  EXPECT_EQ(main->frames,
            (std::vector<Frame>{Sent({0x10, 0x02, 0x00, 0x01, 0x04, 0x38, 0x02, 0xE0, 0x01, 0x10, 0x03, 0xDF})}));
  Refresh();
  EXPECT_EQ(Find<TExTrackBar>("isDelayInC")->Position(), 0);
}

TEST_F(LevelDelayTest, DraggingAHandleAlongItsLine) {
  auto* line = Find<QLabel>("lbDelayLineInA");
  auto* handle = Find<QWidget>("imDelayInA");
  auto* fader = Find<TExTrackBar>("isDelayInA");
  line->resize(600, line->height());
  const int mid = line->height() / 2;

  // Hovering over the handle shows the hand; elsewhere the arrow.
  Mouse(line, QEvent::MouseMove, 15, mid);
  EXPECT_EQ(line->cursor().shape(), Qt::PointingHandCursor);
  Mouse(line, QEvent::MouseMove, 200, mid);
  EXPECT_EQ(line->cursor().shape(), Qt::ArrowCursor);

  // A press away from the handle starts nothing.
  Mouse(line, QEvent::MouseButtonPress, 100, mid);
  EXPECT_EQ(main->DelayDragging, 0);
  Mouse(line, QEvent::MouseButtonRelease, 100, mid);

  Mouse(line, QEvent::MouseButtonPress, 15, mid);
  EXPECT_EQ(main->DelayDragging, 1);
  Mouse(line, QEvent::MouseMove, 300, mid);
  EXPECT_EQ(fader->Position(), 18240);
  EXPECT_EQ(handle->x(), 325);
  EXPECT_EQ(line->text(), QString(47, QLatin1Char('-')));
  EXPECT_EQ(Find<QLabel>("lbFftDelayTimeInA")->x(), 355);
  Mouse(line, QEvent::MouseMove, 900, mid);
  EXPECT_EQ(fader->Position(), 32640);
  Mouse(line, QEvent::MouseMove, 10, mid);
  EXPECT_EQ(fader->Position(), 0);
  EXPECT_EQ(line->text(), "");
  Mouse(line, QEvent::MouseButtonRelease, 10, mid);
  EXPECT_EQ(main->DelayDragging, 0);

  // A line no wider than its margin ignores drags.
  line->resize(90, line->height());
  main->frames.clear();
  main->DelayDragging = 1;
  Mouse(line, QEvent::MouseMove, 50, mid);
  EXPECT_TRUE(main->frames.empty());
  EXPECT_EQ(fader->Position(), 0);
  main->DelayDragging = 0;
}

TEST_F(LevelDelayTest, PressingALineBringsItsSideToTheFront) {
  auto* outLines = Find<QWidget>("plFftDelayOut");
  auto* outStrips = Find<QWidget>("uxpDelayOut");
  Mouse(Find<QWidget>("lbDelayLineOut3"), QEvent::MouseButtonPress, 0, 0);
  EXPECT_TRUE(Find<TUxBmpButton>("uxbDelaySelOut")->Down());
  EXPECT_FALSE(outLines->isHidden());
  EXPECT_EQ(outLines->parentWidget()->children().last(), outLines);
  EXPECT_EQ(outStrips->parentWidget()->children().last(), outStrips);
  QTest::mouseClick(Find<TUxBmpButton>("uxbDelaySelIn"), Qt::LeftButton);
  EXPECT_EQ(outLines->parentWidget()->children().last(), Find<QWidget>("plFftDelayIn"));
}

TEST_F(LevelDelayTest, DashRowsAreDrawnOnceTheLinkWindowExists) {
  Image().Outputs[0].Delay = 32640;
  auto* line = Find<QLabel>("lbDelayLineOut1");
  Refresh();
  EXPECT_EQ(line->text(), "");  // start-up: the other windows do not exist yet
  fmLinkSel = new TfmLinkSel();
  Refresh();
  const int dashes = (line->width() - 90) / 6;
  EXPECT_EQ(line->text(), QString(dashes, QLatin1Char('-')));
  // Drawn one dash every 6 pixels, so the row reaches the handle.
  EXPECT_NEAR(QFontMetricsF(line->font()).horizontalAdvance(line->text()), dashes * 6.0, 2.0);
  auto* handle = Find<QWidget>("imDelayOut1");
  EXPECT_EQ(Find<QWidget>("lbFftDelayTimeOut1")->pos(), QPoint(handle->x() + 30, handle->y() + 30 / 4));
  // A resize redraws them for the new width.
  line->setText(QString());
  main->FormResize(main);
  EXPECT_EQ(line->text().size(), (handle->x() - 40) / 6);
  delete fmLinkSel;
  fmLinkSel = nullptr;
  EXPECT_EQ(TfmMain::DelayDashes(1000).size(), 396);
}

}  // namespace

namespace {

// Going to line on a mirror strip releases and greys its phantom button.
TEST_F(LevelDelayTest, MirrorSwitchToLineReleasesPhantom) {
  Image().Inputs[3].Sensitivity = 5;
  Image().Inputs[3].Phantom = 1;
  Refresh();
  auto* phantom = Find<TUxBmpButton>("uxbPhantomBackupInD");
  auto* line = Find<TUxBmpButton>("uxbLineBackupInD");
  ASSERT_TRUE(phantom->Down());
  ASSERT_TRUE(line->Down());
  QTest::mouseClick(line, Qt::LeftButton);
  EXPECT_FALSE(line->Down());
  EXPECT_FALSE(phantom->Down());
  EXPECT_FALSE(phantom->isEnabled());
  EXPECT_EQ(main->UnitControl->GetPhantom(3), 0);
}

// A level step on the panel moves the shown input's mirror combo with it.
TEST_F(LevelDelayTest, PanelLevelStepReachesTheMirror) {
  Image().Inputs[2].Sensitivity = 1;
  Refresh();
  main->LoadChannelToPanel(2);
  Find<TUpDown>("udLineInA")->Step(TUDBtnType::btNext);
  auto* panel = Find<TUxComboBox>("uxcLineInA");
  auto* mirror = Find<TUxComboBox>("uxcLineBackupInC");
  EXPECT_EQ(panel->Items().value(panel->ItemIndex()), "1 dB");
  EXPECT_EQ(mirror->ItemIndex(), panel->ItemIndex());
  EXPECT_EQ(main->UnitControl->GetInputSensitivity(2), 2);
  EXPECT_EQ(Find<TUxComboBox>("uxcLineBackupInB")->ItemIndex(), 50);
}

}  // namespace
