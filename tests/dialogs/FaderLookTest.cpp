// The dialogs' faders take the windows' one fader look, with the main
// window's ordinary thumb pictures, and page as the main window's faders of
// their role.
#include "controls/ExTrackBar.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FPhantomPotent.h"
#include "dialogs/FRvb.h"
#include "dialogs/FSubCtrl.h"

#include "DialogFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(FaderLook, DialogFadersTakeTheMainWindowsThumbs) {
  TExTrackBar fader;
  dialogs::SetupFader(&fader, QRect(14, 30, 40, 190), -60, 0, -20, 7, 6);
  EXPECT_EQ(fader.Orientation(), trVertical);
  EXPECT_EQ(fader.Position(), -20);
  EXPECT_EQ(fader.Tag(), 7);
  EXPECT_EQ(fader.PageSize(), 6);
  EXPECT_EQ(fader.Thumb()->Size(), 16);
  EXPECT_EQ(fader.Thumb()->Width(), 29);
  for (const TGDIPPicture* p : {fader.Thumb()->Picture(), fader.Thumb()->PictureHot(), fader.Thumb()->PictureDown(),
                                fader.Thumb()->PictureDisabled()})
    EXPECT_FALSE(p->Empty());
  EXPECT_EQ(fader.Slider()->Size(), 3);
  EXPECT_EQ(fader.TickMark()->Style(), tsNone);
  EXPECT_TRUE(fader.ShowFocus());
}

// A click on a dialog fader's track moves it by the page of the main window's
// faders of the same role; every fader of the windows pages by one of the
// forms' values, 3 to 20.
TEST_F(DialogTest, DialogFadersPageAsTheMainWindowsFadersOfTheirRole) {
  forms.CreateForm(fmComp);
  forms.CreateForm(fmCamera);
  forms.CreateForm(fmAutoMix);
  forms.CreateForm(fmAec);
  forms.CreateForm(fmRvb);
  forms.CreateForm(fmPhantomPotent);
  forms.CreateForm(fmSubCtrl);
  forms.CreateForm(fmGroupCtrl);
  struct Case {
    platform::Form* form;
    const char* fader;
    const char* page;  // a main window fader of the same role
  };
  const Case cases[] = {
      {fmComp, "isThreshold", "isCompThresholdEff"},    {fmComp, "isAttack", "isCompAttackOut1"},
      {fmComp, "isRelease", "isCompReleaseOut1"},       {fmComp, "isRatio", "isCompRatioOut1"},
      {fmCamera, "isThreshold", "isGateThresholdInA"},  {fmCamera, "isAttack", "isGateAttackInA"},
      {fmCamera, "isRelease", "isAgcReleaseInA"},       {fmAutoMix, "isGainAux", "isGainEff"},
      {fmAutoMix, "isShareTime", "isGateReleaseInA"},   {fmAutoMix, "isShareRatio", "isCompRatioOut1"},
      {fmAec, "isAecGainInput", "isGainInA"},           {fmAec, "isAecGainVcsOut", "isGainOut1"},
      {fmRvb, "isEchoGain", "isGainEff"},               {fmRvb, "isEchoDelay", "isDelayOut1"},
      {fmRvb, "isRvbPreDelay", "isDelayInA"},           {fmPhantomPotent, "isGainInH", "isGainInA"},
      {fmSubCtrl, "isOutSubCtrlVol", "isGainBackupOut1"}, {fmGroupCtrl, "isGroupCtrlVolInA", "isGainBackupInA"},
  };
  for (const Case& c : cases) {
    auto* fader = c.form->FindControl<TExTrackBar>(QString::fromLatin1(c.fader));
    auto* page = fmMain->FindControl<TExTrackBar>(QString::fromLatin1(c.page));
    ASSERT_NE(fader, nullptr) << c.fader;
    ASSERT_NE(page, nullptr) << c.page;
    EXPECT_EQ(fader->PageSize(), page->PageSize()) << c.form->objectName().toStdString() << " " << c.fader;
  }

  const std::set<int> formsValues{3, 5, 6, 10, 15, 20};
  for (QWidget* form : std::initializer_list<QWidget*>{fmMain, fmComp, fmCamera, fmAutoMix, fmAec, fmRvb,
                                                       fmPhantomPotent, fmSubCtrl, fmGroupCtrl})
    for (const TExTrackBar* fader : form->findChildren<TExTrackBar*>())
      EXPECT_TRUE(formsValues.count(fader->PageSize()))
          << fader->objectName().toStdString() << " pages by " << fader->PageSize();

  // Every dialog's faders are as wide as the forms' faders.
  for (QWidget* form : std::initializer_list<QWidget*>{fmComp, fmCamera, fmAutoMix, fmAec, fmRvb, fmPhantomPotent,
                                                       fmSubCtrl, fmGroupCtrl}) {
    const auto faders = form->findChildren<TExTrackBar*>();
    EXPECT_FALSE(faders.isEmpty()) << form->objectName().toStdString();
    for (const TExTrackBar* fader : faders)
      EXPECT_TRUE(fader->width() == 26 || fader->width() == 27)
          << form->objectName().toStdString() << " " << fader->objectName().toStdString() << " is " << fader->width();
  }
}

}  // namespace
