// The test signal window: each source click and frequency pick sends the
// work mode; nothing while the main window loads the image.
#include <QAbstractItemView>

#include "LinkedDialogFixture.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FTest.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"

class TestSignalTest : public LinkedDialogTest {
 protected:
  static void SetUpTestSuite() {
    CreateWindows([](testsupport::FormCreator& f) {
      f.CreateForm(fmTest);
    });
  }
  void TearDown() override {
    fmTest->rbAnalogIn->setChecked(true);
    fmTest->cbSineFreq->SetItemIndex(0);
    LinkedDialogTest::TearDown();
  }
  // The user's pick in the frequency list.
  static void Pick(int index) {
    fmTest->cbSineFreq->setCurrentIndex(index);
    emit fmTest->cbSineFreq->activated(index);
  }
};

TEST_F(TestSignalTest, FrequencyListAndStartState) {
  const QStringList items = {"20Hz",   "25Hz",    "31.5Hz", "40Hz",   "50Hz",    "63Hz",   "80Hz",   "100Hz",
                             "125Hz",  "160Hz",   "200Hz",  "250Hz",  "315Hz",   "400Hz",  "500Hz",  "630Hz",
                             "800Hz",  "1KHz",    "1.25KHz", "1.6KHz", "2KHz",   "2.5KHz", "3.15KHz", "4KHz",
                             "5KHz",   "6.3KHz",  "8KHz",   "10KHz",  "12.5KHz", "16KHz",  "20KHz"};
  EXPECT_EQ(fmTest->cbSineFreq->Items(), items);
  EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 0);
  EXPECT_TRUE(fmTest->rbAnalogIn->isChecked());
}

TEST_F(TestSignalTest, SourceClickSendsTheSourceWithTheListsIndex) {
  fmTest->cbSineFreq->SetItemIndex(17);
  EXPECT_TRUE(sent.empty()) << "the program's selection sends nothing";
  fmTest->rbPinkNoise->click();
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 03 39 01 11 10 03 2A", true}}));
  sent.clear();
  fmTest->rbWhiteNoise->click();
  fmTest->rbAnalogIn->click();
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 03 39 02 11 10 03 29", true},
                                     {"10 02 00 01 03 39 00 11 10 03 2B", true}}));
}

TEST_F(TestSignalTest, PickingAFrequencySelectsTheSine) {
  ASSERT_TRUE(fmTest->rbAnalogIn->isChecked());
  Pick(30);
  EXPECT_TRUE(fmTest->rbSineWave->isChecked());
  const Sent sine20k{"10 02 00 01 03 39 03 1E 10 03 27", true};
  EXPECT_EQ(sent, (std::vector<Sent>{sine20k, sine20k}));
  sent.clear();
  Pick(17);
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 03 39 03 11 10 03 28", true}}));
}

TEST_F(TestSignalTest, ExitAndLoadingSendNothing) {
  fmMain->SetUpdating(1);
  fmTest->rbPinkNoise->click();
  Pick(5);
  fmMain->SetUpdating(0);
  EXPECT_TRUE(sent.empty());
  EXPECT_FALSE(fmTest->rbSineWave->isChecked()) << "the pick changes nothing while loading";

  WhileModal([] { fmMain->MenuItem("TestTone")->Click(); }, [] { fmTest->bnExit->Click(); });
  EXPECT_TRUE(sent.empty());
  EXPECT_FALSE(fmTest->isVisible());
}

TEST_F(TestSignalTest, ListOpensAtTheSelectedFrequency) {
  TUxComboBox* list = fmTest->cbSineFreq;
  fmTest->Show();
  // Row shown at the top of the open list for each selection; near the end
  // the list shows its last rows.
  const int visible = list->DropDownCount();
  for (auto [index, top] : {std::pair{17, 17}, {0, 0}, {30, 31 - visible}, {8, 8}}) {
    list->SetItemIndex(index);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->indexAt(QPoint(2, 2)).row(), top) << list->Item(index).toStdString();
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(index, 0))))
        << list->Item(index).toStdString() << " in a list " << view->viewport()->height() << " high";
    list->hidePopup();
  }
  fmTest->close();
  EXPECT_TRUE(sent.empty());
}

// A frequency beyond the list stops at its last item, as a fader stops at
// its end, and the next source click sends that item.
TEST_F(TestSignalTest, FrequencyBeyondTheListShowsAndSendsTheLastItem) {
  for (int stored : {31, 255, 0xFFFF}) {
    fmMain->UnitControl->MutablePresetImage().SineFrequency = static_cast<std::uint16_t>(stored);
    fmMain->UnitControl->MutablePresetImage().TestSource = 0;
    fmMain->ApplyUnitModel();
    EXPECT_EQ(fmTest->cbSineFreq->Text(), "20KHz") << stored;
    sent.clear();
    fmTest->rbPinkNoise->click();
    EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 03 39 01 1E 10 03 25", true}})) << stored;
  }
  fmMain->UnitControl->MutablePresetImage().SineFrequency = 0;
}
