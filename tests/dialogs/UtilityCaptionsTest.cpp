// The name, lock and test signal windows take their texts from the active
// language table every time they are shown.
#include <QLabel>
#include <QRadioButton>

#include "LinkedDialogFixture.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FTest.h"
#include "mainwindow/LanguageTables.h"

class UtilityCaptionsTest : public LinkedDialogTest {
 protected:
  static void SetUpTestSuite() {
    CreateWindows([](testsupport::FormCreator& f) {
      f.CreateForm(fmChannelName);
      f.CreateForm(fmChNameList);
      f.CreateForm(fmLockSetup);
      f.CreateForm(fmLockPassWord);
      f.CreateForm(fmTest);
    });
  }
  void TearDown() override {
    fmMain->Language = QStringLiteral("English");
    LinkedDialogTest::TearDown();
  }
};

TEST_F(UtilityCaptionsTest, ShowSetsEveryTextFromTheActiveLanguage) {
  struct Case {
    platform::Form* form;
    const char* control;  // null: the window caption
    const char* key;
  };
  const Case cases[] = {
      {fmChannelName, nullptr, "SID_CH_NAME"},          {fmChannelName, "lbChannelName", "SID_CH_NAME"},
      {fmChannelName, "btnOK", "SID_EXIT_OK"},          {fmChannelName, "bnCancel", "SID_EXIT_CANCEL"},
      {fmChNameList, nullptr, "SID_CH_NAME_LIST"},      {fmChNameList, "btnOK", "SID_SET"},
      {fmChNameList, "btnCancel", "SID_EXIT"},          {fmLockSetup, nullptr, "SID_LOCK_TITLE"},
      {fmLockSetup, "lblLockPassword", "SID_LOCK_PASSWORD"}, {fmLockSetup, "btnOK", "SID_SET"},
      {fmLockSetup, "btnExit", "SID_EXIT"},             {fmLockPassWord, nullptr, "SID_UNLOCK_TITLE"},
      {fmLockPassWord, "lblLockPassword", "SID_UNLOCK_PASSWORD"}, {fmLockPassWord, "btnOK", "SID_EXIT_OK"},
      {fmLockPassWord, "bnCancel", "SID_EXIT_CANCEL"},  {fmTest, nullptr, "SID_TEST_TITLE"},
      {fmTest, "bnExit", "SID_EXIT"},                   {fmTest, "rbAnalogIn", "SID_ANALOG_IN"},
      {fmTest, "rbWhiteNoise", "SID_WHITE_IN"},         {fmTest, "rbPinkNoise", "SID_PINK_IN"},
      {fmTest, "rbSineWave", "SID_SINE_IN"},
  };
  auto shown = [](const Case& c) -> QString {
    if (!c.control) return c.form->windowTitle();
    if (auto* label = c.form->FindControl<QLabel>(c.control)) return label->text();
    if (auto* button = c.form->FindControl<TUxBmpButton>(c.control)) return button->Caption();
    if (auto* radio = c.form->FindControl<QRadioButton>(c.control)) return radio->text();
    return QStringLiteral("<no control %1>").arg(c.control);
  };
  for (const char* language : {"ChineseGB", "English"}) {
    fmMain->Language = QString::fromLatin1(language);
    const QStringList& table = fmMain->Language == "English" ? EnglishTable() : SimplifiedTable();
    for (const Case& c : cases) {
      c.form->FormShow();
      const QString expected = LookupSid(table, QString::fromLatin1(c.key));
      ASSERT_FALSE(expected.isEmpty() || expected.startsWith("//")) << c.key;
      EXPECT_EQ(shown(c), expected) << language << " " << c.form->objectName().toStdString() << " "
                                    << (c.control ? c.control : "caption");
    }
  }
}
