// The channel name windows and the main window's name service: the single
// name opened from the matrix page's labels, the name list, the bytes each
// name becomes and what reaches the processor.
#include <QLabel>
#include <QtTest/QTest>

#include "LinkedDialogFixture.h"
#include "controls/UxBmpButton.h"
#include "dialogs/DeviceText.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"

namespace {

ChannelNameField Field(std::initializer_list<int> bytes) {
  ChannelNameField f{};
  std::size_t i = 0;
  for (int b : bytes) f[i++] = static_cast<std::uint8_t>(b);
  return f;
}

}  // namespace

class ChannelNameTest : public LinkedDialogTest {
 protected:
  static void SetUpTestSuite() {
    CreateWindows([](testsupport::FormCreator& f) {
      f.CreateForm(fmChannelName);
      f.CreateForm(fmChNameList);
    });
  }
  QLabel* Label(const char* name) { return fmMain->FindControl<QLabel>(QString::fromLatin1(name)); }
  ChannelNameField Stored(int channel) { return fmMain->UnitControl->GetChannelName(channel); }
};

TEST_F(ChannelNameTest, LabelClickOpensTheChannelAndEnterStoresTheName) {
  QLabel* label = Label("lbMatrixChNameInC");
  ASSERT_NE(label, nullptr);
  QString shownChannel;
  WhileModal([&] { testsupport::Click(label); },
             [&] {
               shownChannel = fmChannelName->lbChannel->text();
               fmChannelName->edName->selectAll();
               QTest::keyClicks(fmChannelName->edName, QStringLiteral("Vox"));
               QTest::keyClick(fmChannelName->edName, Qt::Key_Return);
             });
  EXPECT_EQ(shownChannel, "In3 :");
  EXPECT_FALSE(fmChannelName->isVisible());
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 02 56 6F 78 00 00 00 00 00 10 03 74", true}}));
  EXPECT_EQ(label->text(), "Vox");
  EXPECT_EQ(fmMain->FindControl<TUxBmpButton>("uxbMenuInC")->Hint(), "Vox");
  EXPECT_EQ(Stored(2), Field({'V', 'o', 'x'}));

  // An emptied edit stores eight zero bytes; the same name again is stored again.
  sent.clear();
  WhileModal([&] { testsupport::Click(label); },
             [&] {
               fmChannelName->edName->clear();
               fmChannelName->btnOK->Click();
             });
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 02 00 00 00 00 00 00 00 00 10 03 35", true}}));
  EXPECT_EQ(label->text(), "");
}

TEST_F(ChannelNameTest, CaptionLosesTrailingBlanksAndCancelStoresNothing) {
  QLabel* label = Label("lbMatrixChNameOut2");
  label->setText(QStringLiteral("Vox   \r "));
  QString opened;
  WhileModal([&] { testsupport::Click(label); },
             [&] {
               opened = fmChannelName->edName->text();
               fmChannelName->bnCancel->Click();
             });
  EXPECT_EQ(opened, "Vox");
  EXPECT_EQ(fmChannelName->Channel(), 9);
  EXPECT_TRUE(sent.empty());
}

TEST_F(ChannelNameTest, OkTakesTheTextAsEightDeviceBytes) {
  struct Case {
    QString typed;
    ChannelNameField stored;
    QString writtenBack;
  } cases[] = {
      {QStringLiteral("5%"), Field({'5', '%'}), QStringLiteral("5%")},
      {QStringLiteral("ABCDEFGH"), Field({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}), QStringLiteral("ABCDEFGH")},
      // The fourth double-byte character does not fit whole: it is left out.
      {QString::fromUtf8("A中文名称"), Field({'A', 0xD6, 0xD0, 0xCE, 0xC4, 0xC3, 0xFB, 0}), QString::fromUtf8("A中文名")},
  };
  for (const Case& c : cases) {
    fmChannelName->SetChannel(5);
    fmChannelName->edName->setText(c.typed);
    fmChannelName->btnOKClick(fmChannelName->btnOK);
    EXPECT_EQ(Stored(5), c.stored) << c.typed.toStdString();
    EXPECT_EQ(fmChannelName->edName->text(), c.writtenBack);
    EXPECT_EQ(Label("lbMatrixChNameInF")->text(), c.writtenBack);
  }
}

TEST_F(ChannelNameTest, EditTakesAtMostEightBytes) {
  QLineEdit* edit = fmChannelName->edName;
  edit->clear();
  for (QChar c : QString::fromUtf8("中文名称字")) edit->insert(QString(c));  // as an input method commits
  EXPECT_EQ(edit->text(), QString::fromUtf8("中文名称"));
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("ABCDEFGHIJ"));
  EXPECT_EQ(edit->text(), "ABCDEFGH");
}

TEST_F(ChannelNameTest, SetChannelLabelsTheChannel) {
  const std::pair<int, const char*> cases[] = {{18, "Eff:"}, {0, "In1 :"}, {7, "In8 :"}, {8, "Out1 :"}, {15, "Out8 :"}};
  for (auto [channel, text] : cases) {
    fmChannelName->SetChannel(channel);
    EXPECT_EQ(fmChannelName->lbChannel->text(), text) << channel;
  }
}

TEST_F(ChannelNameTest, SetChannelNameRelabelsStoresAndSends) {
  fmMain->SetChannelName(18, dialogs::ChannelNameBytes(QStringLiteral("Aux")));
  EXPECT_EQ(Label("lbMatrixChNameEff")->text(), "Aux");
  EXPECT_EQ(fmMain->FindControl<TUxBmpButton>("uxbMenuEff")->Hint(), "Aux");
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 12 41 75 78 00 00 00 00 00 10 03 69", true}}));

  // A full-length name has no zero byte: exactly its 8 characters are shown.
  fmMain->SetChannelName(8, Field({'O', 'U', 'T', 'P', 'U', 'T', '-', '1'}));
  EXPECT_EQ(Label("lbMatrixChNameOut1")->text(), "OUTPUT-1");

  // Channels without a label change nothing.
  sent.clear();
  for (int channel : {-1, 16, 17, 19}) fmMain->SetChannelName(channel, Field({'X'}));
  EXPECT_TRUE(sent.empty());
}

TEST_F(ChannelNameTest, OfflineTheNameIsStoredAndShownButNotSent) {
  fmMain->CommProc.reset();
  fmChannelName->SetChannel(1);
  fmChannelName->edName->setText(QStringLiteral("Lectern"));
  fmChannelName->btnOKClick(nullptr);
  EXPECT_EQ(Label("lbMatrixChNameInB")->text(), "Lectern");
  EXPECT_EQ(fmMain->GetChannelName(1), "Lectern");
  EXPECT_TRUE(sent.empty());
}

TEST_F(ChannelNameTest, ListFillsFromTheImageAndStoresOnlyChangedNames) {
  fmMain->UnitControl->MutablePresetImage().Inputs[1].Name = Field({'M', 'i', 'c', ' ', '2'});
  fmMain->UnitControl->MutablePresetImage().Outputs[0].Name = Field({'Z', 'o', 'n', 'e', 'A', 'B', 'C', 'D'});
  fmChNameList->FormShow();
  EXPECT_EQ(fmChNameList->edMatrixChNameIn[1]->text(), "Mic 2");
  EXPECT_EQ(fmChNameList->edMatrixChNameOut[0]->text(), "ZoneABCD");
  EXPECT_EQ(fmChNameList->edMatrixChNameEff->text(), fmMain->GetChannelName(18));
  EXPECT_FALSE(fmChNameList->edMatrixChNameEff->isVisibleTo(fmChNameList));
  EXPECT_FALSE(fmChNameList->lbEff->isVisibleTo(fmChNameList));

  fmChNameList->btnOKClick(nullptr);
  EXPECT_TRUE(sent.empty()) << "nothing changed";

  fmChNameList->edMatrixChNameOut[0]->setText(QStringLiteral("Zone"));
  fmChNameList->edMatrixChNameIn[1]->setText(QStringLiteral("Mic 2b"));
  fmChNameList->btnOKClick(nullptr);
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 01 4D 69 63 20 32 62 00 00 10 03 01", true},
                                     {"10 02 00 01 0A 3D 08 5A 6F 6E 65 00 00 00 00 10 03 01", true}}));
  EXPECT_EQ(Label("lbMatrixChNameOut1")->text(), "Zone");

  // Exit stores nothing.
  sent.clear();
  fmChNameList->edMatrixChNameIn[0]->setText(QStringLiteral("Other"));
  fmChNameList->btnCancel->Click();
  EXPECT_TRUE(sent.empty());
  EXPECT_NE(fmMain->GetChannelName(0), "Other");
}

TEST_F(ChannelNameTest, ListKeepsTheBytesOfNamesLeftAlone) {
  // 0xE9 leads a double-byte character whose second byte is missing: no
  // text gives these bytes back.
  const ChannelNameField cafe = Field({'C', 'a', 'f', 0xE9});
  fmMain->UnitControl->MutablePresetImage().Inputs[1].Name = cafe;
  fmMain->UnitControl->MutablePresetImage().Outputs[7].Name = cafe;
  fmChNameList->FormShow();
  const QString shown = fmChNameList->edMatrixChNameIn[1]->text();
  EXPECT_TRUE(shown.startsWith("Caf")) << shown.toStdString();

  fmChNameList->btnOKClick(nullptr);
  EXPECT_TRUE(sent.empty()) << "nothing changed";

  fmChNameList->FormShow();
  fmChNameList->edMatrixChNameOut[2]->setText(QStringLiteral("Foyer"));
  fmChNameList->btnOKClick(nullptr);
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 0A 46 6F 79 65 72 00 00 00 10 03 7A", true}}));
  EXPECT_EQ(Stored(1), cafe);
  EXPECT_EQ(Stored(15), cafe);
  EXPECT_EQ(fmChNameList->edMatrixChNameIn[1]->text(), shown);

  // Typing over such a name stores what was typed.
  sent.clear();
  fmChNameList->FormShow();
  fmChNameList->edMatrixChNameIn[1]->setText(QStringLiteral("Cafe"));
  fmChNameList->btnOKClick(nullptr);
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 0A 3D 01 43 61 66 65 00 00 00 00 10 03 17", true}}));
  EXPECT_EQ(Stored(1), Field({'C', 'a', 'f', 'e'}));
}

TEST_F(ChannelNameTest, MenuOpensTheListAndOverviewLabelsShowTheHand) {
  WhileModal([] { fmMain->MenuItem("ChNameList")->Click(); },
             [] { fmChNameList->btnCancel->Click(); });
  QLabel* gain = Label("lbMatrixGainOut3");
  ASSERT_NE(gain, nullptr);
  gain->setCursor(Qt::ArrowCursor);
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(gain, &move);
  EXPECT_EQ(gain->cursor().shape(), Qt::PointingHandCursor);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(gain, &leave);
  EXPECT_EQ(gain->cursor().shape(), Qt::ArrowCursor);
}
