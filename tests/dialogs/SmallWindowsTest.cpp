#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest/QTest>

#include <algorithm>
#include <cmath>
#include <map>

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "DialogFixture.h"
#include "dialogs/FAbout.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FInformation.h"
#include "dialogs/FMatrixClear.h"
#include "dialogs/FMemo.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "mainwindow/LanguageTables.h"
#include "model/Lunitcontrol.h"
#include "support/UiFixture.h"

namespace {

// The text a control shows: a window's caption, a label's text, a button's caption.
QString Shown(platform::Form* form, const char* control) {
  if (!control) return form->windowTitle();
  if (auto* label = form->FindControl<QLabel>(control)) return label->text();
  if (auto* button = form->FindControl<TUxBmpButton>(control)) return button->Caption();
  return QStringLiteral("<no control %1>").arg(control);
}

}  // namespace

class SmallWindowsTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    forms.CreateForm(fmPeqRst);
    forms.CreateForm(fmAbout);
    forms.CreateForm(fmProcess);
    forms.CreateForm(fmInformation);
    forms.CreateForm(fmExit);
    forms.CreateForm(fmMemo);
    forms.CreateForm(fmFactory);
    forms.CreateForm(fmMatrixClear);
  }
};

TEST_F(SmallWindowsTest, ShowSetsEveryTextFromTheActiveLanguage) {
  struct Case {
    platform::Form* form;
    const char* control;  // null: the caption
    const char* key;
  };
  const Case cases[] = {
      {fmFactory, nullptr, "SID_INFO_TITLE"},        {fmFactory, "lbMessage", "SID_FACTORY_DEFAULT"},
      {fmFactory, "btnOK", "SID_EXIT_OK"},           {fmFactory, "bnCancel", "SID_EXIT_CANCEL"},
      {fmMatrixClear, nullptr, "SID_PEQRST"},        {fmMatrixClear, "lbReset", "SID_MATRIX_CLEAR_MSG"},
      {fmMatrixClear, "btnOK", "SID_PEQRST_OK"},     {fmMatrixClear, "btnCancel", "SID_PEQRST_CANCEL"},
      {fmPeqRst, nullptr, "SID_PEQRST"},             {fmPeqRst, "lbReset", "SID_PEQRST_RESET"},
      {fmPeqRst, "btnOK", "SID_PEQRST_OK"},          {fmPeqRst, "btnCancel", "SID_PEQRST_CANCEL"},
      {fmExit, nullptr, "SID_INFO_TITLE"},           {fmExit, "lbExit", "SID_EXIT_QUIT"},
      {fmExit, "btnOK", "SID_EXIT_OK"},              {fmExit, "btnCancel", "SID_EXIT_CANCEL"},
      {fmInformation, nullptr, "SID_INFO_TITLE"},    {fmInformation, "btnOK", "SID_EXIT_OK"},
      {fmAbout, nullptr, "SID_ABOUT"},               {fmProcess, nullptr, "SID_PROCESS"},
  };
  for (const char* language : {"English", "ChineseGB"}) {
    fmMain->Language = QString::fromLatin1(language);
    const QStringList& table = fmMain->Language == "English" ? EnglishTable() : SimplifiedTable();
    for (const Case& c : cases) {
      c.form->FormShow();
      const QString expected = LookupSid(table, QString::fromLatin1(c.key));
      ASSERT_FALSE(expected.startsWith("//")) << c.key;
      EXPECT_EQ(Shown(c.form, c.control), expected)
          << language << " " << c.form->objectName().toStdString() << " " << (c.control ? c.control : "caption");
    }
  }
  // Texts of the design, not of the tables.
  EXPECT_EQ(fmAbout->ProductName->text(), "Product Name : VELMORA QRV-512 DSP Processor Editor");
  EXPECT_EQ(fmAbout->Version->text(), "Version : V1.1");
  EXPECT_EQ(fmMemo->windowTitle(), "Message List");
  EXPECT_EQ(fmMemo->Memo->toPlainText(), "Memo");
}

TEST_F(SmallWindowsTest, ConfirmationsCarryTheirDesignCaptionUntilShown) {
  for (platform::Form* form : {static_cast<platform::Form*>(fmFactory), static_cast<platform::Form*>(fmMatrixClear),
                               static_cast<platform::Form*>(fmPeqRst), static_cast<platform::Form*>(fmExit)})
    EXPECT_EQ(form->windowTitle(), "Informaion") << form->objectName().toStdString();
  EXPECT_EQ(fmInformation->lbMessage->text(), "You Must Connect First !!");
}

TEST_F(SmallWindowsTest, PeqRstResetsTheChannelSetLast) {
  LUnitControl& image = *fmMain->UnitControl;
  // Band 0 of input D and of output 3 moved away from their defaults.
  PeqBand changed = image.GetPeqBand(3, 0);
  changed.Gain = static_cast<std::uint16_t>(changed.Gain + 30);
  for (int channel : {3, 10}) image.SetPeqBand(channel, 0, changed.BandWord(), changed.ShapeWord(), 0);

  fmPeqRst->SetChannel(3);
  fmPeqRst->SetChannel(10);
  RunModal(fmPeqRst, [] { fmPeqRst->btnOK->Click(); });
  EXPECT_FALSE(fmPeqRst->isVisible());
  EXPECT_EQ(fmPeqRst->Channel, 10);

  EXPECT_EQ(image.GetPeqBand(10, 0).BandWord(), image.GetDefaultPeqBand(10, 0).BandWord());
  EXPECT_EQ(image.GetPeqBand(3, 0).BandWord(), changed.BandWord()) << "only the channel set last is reset";
}

TEST_F(SmallWindowsTest, InformationBoxKeepsTheLastMessage) {
  fmInformation->lbMessage->setText(fmMain->TranslateSid("SID_INFO_ERROR_FILE"));
  RunModal(fmInformation, [] { fmInformation->btnOK->Click(); });
  EXPECT_FALSE(fmInformation->isVisible());

  fmMain->Language = QStringLiteral("ChineseGB");
  QString shown;
  RunModal(fmInformation, [&] {
    shown = fmInformation->lbMessage->text();
    fmInformation->btnOK->Click();
  });
  EXPECT_EQ(shown, "Open File Error !!");
  EXPECT_EQ(fmInformation->btnOK->Caption(), LookupSid(SimplifiedTable(), "SID_EXIT_OK"));
}

TEST_F(SmallWindowsTest, ProgressWindowIgnoresEscapeAndStaysOnTop) {
  EXPECT_TRUE(fmProcess->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(fmProcess->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(fmProcess->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 0);
  EXPECT_EQ(fmProcess->ProgressBar->Level1Perc(), 70);
  EXPECT_EQ(fmProcess->ProgressBar->Level2Perc(), 90);
  EXPECT_TRUE(fmProcess->ProgressBar->ShowBorder());
  // The bar of the form, in the colours it is created with: red when full.
  TExProgressBar& bar = *fmProcess->ProgressBar;
  EXPECT_EQ(bar.geometry(), QRect(12, 14, 431, 41));
  EXPECT_TRUE(fmProcess->rect().contains(bar.geometry()));
  EXPECT_EQ(bar.LevelColor(0), QColor(0, 255, 0));
  EXPECT_EQ(bar.LevelColor(3), QColor(255, 0, 0));
  EXPECT_EQ(bar.LevelColorTo(3), QColor(255, 202, 202));
  bar.SetMax(31);
  bar.SetPosition(31);
  const QImage full = bar.grab().toImage();
  const QColor middle = full.pixelColor(5, 20);  // the first block's middle line
  EXPECT_TRUE(middle.red() == 255 && middle.green() < 40 && middle.blue() < 40) << middle.name().toStdString();
  bar.SetPosition(0);

  bool visibleAfterEscape = false;
  const int result = RunModal(fmProcess, [&] {
    fmProcess->StatusBar->showMessage(fmMain->TranslateSid("SID_UPLOAD_PRESET"));
    QTest::keyClick(fmProcess, Qt::Key_Escape);
    QTest::keyClick(fmProcess->ProgressBar, Qt::Key_Escape);
    visibleAfterEscape = fmProcess->isVisible();
    fmProcess->SetModalResult(platform::mrOk);
  });
  EXPECT_TRUE(visibleAfterEscape);
  EXPECT_EQ(result, platform::mrOk);
  EXPECT_EQ(fmProcess->StatusBar->currentMessage(), LookupSid(EnglishTable(), "SID_UPLOAD_PRESET"));
}

TEST_F(SmallWindowsTest, ExitOkConfirmsAndStaysCancelWithdraws) {
  fmExit->Show();
  fmExit->btnOK->Click();
  // The close timer would end the program; the test only looks at it.
  EXPECT_TRUE(fmMain->tmClose->Enabled());
  fmMain->tmClose->SetEnabled(false);
  EXPECT_TRUE(fmMain->ExitConfirmed);
  EXPECT_TRUE(fmExit->isVisible());

  fmExit->btnCancel->Click();
  EXPECT_FALSE(fmMain->ExitConfirmed);
  EXPECT_FALSE(fmExit->isVisible());

  // From the menu the same window runs modally; Cancel ends the modal loop.
  const int result = RunModal(fmExit, [] { fmExit->btnCancel->Click(); });
  EXPECT_NE(result, platform::mrOk);
  EXPECT_FALSE(fmMain->ExitConfirmed);
  EXPECT_FALSE(fmMain->tmClose->Enabled());
}

TEST_F(SmallWindowsTest, FactoryOkStartsTheResetCancelDoesNothing) {
  RunModal(fmFactory, [] { fmFactory->bnCancel->Click(); });
  EXPECT_EQ(fmMain->LinkState, 0);
  RunModal(fmFactory, [] { fmFactory->btnOK->Click(); });
  EXPECT_EQ(fmMain->LinkState, 3);
  EXPECT_FALSE(fmFactory->isVisible());
}

TEST_F(SmallWindowsTest, MemoClearEmptiesTheList) {
  fmMemo->Show();
  fmMemo->Memo->appendPlainText(QStringLiteral("second line"));
  testsupport::Click(fmMemo->bnClearMemo);
  EXPECT_TRUE(fmMemo->Memo->toPlainText().isEmpty());
  EXPECT_EQ(fmMemo->Memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Opening a list gives its grid the focus; that alone chooses no row, and the
// row the user clicks is the one the name window is for.
TEST_F(SmallWindowsTest, PresetListOpensWithoutChoosingARow) {
  forms.CreateForm(fmStorePreset);
  forms.CreateForm(fmStoreName);
  fmStorePreset->show();
  fmStorePreset->activateWindow();
  fmStorePreset->vledPresetName->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_FALSE(fmStoreName->isVisible());

  QTableWidget* grid = fmStorePreset->vledPresetName;
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(4, 1)).center());
  ASSERT_TRUE(fmStoreName->isVisible());
  EXPECT_EQ(fmStoreName->lTitle->text(), QStringLiteral("U05 : "));
  fmStoreName->hide();
  fmStorePreset->hide();
}

// The lists' column titles must be readable: the darkest or lightest pixel of
// the titles stands out from their face by a contrast ratio of 4.5.
TEST_F(SmallWindowsTest, PresetListColumnTitlesStandOutFromTheirFace) {
  forms.CreateForm(fmStorePreset);
  forms.CreateForm(fmRecallPreset);
  auto luminance = [](QRgb c) {
    auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  for (TPresetListWindow* list : {static_cast<TPresetListWindow*>(fmStorePreset), static_cast<TPresetListWindow*>(fmRecallPreset)}) {
    list->show();
    list->FormShow();
    QHeaderView* header = list->vledPresetName->horizontalHeader();
    const QImage image = header->grab().toImage();
    // Inside the two titles' sections, clear of their edge lines.
    std::map<QRgb, int> count;
    for (int section = 0; section < 2; ++section) {
      const int from = header->sectionViewportPosition(section) + 4;
      const int to = from + header->sectionSize(section) - 8;
      for (int y = 3; y < image.height() - 3; ++y)
        for (int x = from; x < to; ++x) ++count[image.pixel(x, y)];
    }
    const QRgb face = std::max_element(count.begin(), count.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [pixel, n] : count) {
      const double a = luminance(pixel) + 0.05, b = luminance(face) + 0.05;
      best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    EXPECT_GE(best, 4.5) << list->windowTitle().toStdString();
    list->hide();
  }
}
