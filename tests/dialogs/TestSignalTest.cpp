// The test signal window: each source click and frequency pick sends the
// work mode; nothing while the main window loads the image.
#include "LinkedDialogFixture.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FTest.h"
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
  ASSERT_EQ(fmTest->cbSineFreq->Count(), 31);
  EXPECT_EQ(fmTest->cbSineFreq->Item(0), "20Hz");
  EXPECT_EQ(fmTest->cbSineFreq->Item(2), "31.5Hz");
  EXPECT_EQ(fmTest->cbSineFreq->Item(17), "1KHz");
  EXPECT_EQ(fmTest->cbSineFreq->Item(25), "6.3KHz");
  EXPECT_EQ(fmTest->cbSineFreq->Item(30), "20KHz");
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
