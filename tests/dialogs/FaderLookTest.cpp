// The dialogs' faders take the windows' one fader look, with the main
// window's ordinary thumb pictures.
#include "controls/ExTrackBar.h"
#include "dialogs/DialogLook.h"

#include <gtest/gtest.h>

namespace {

TEST(FaderLook, DialogFadersTakeTheMainWindowsThumbs) {
  TExTrackBar fader;
  dialogs::SetupFader(&fader, QRect(14, 30, 40, 190), -60, 0, -20, 7);
  EXPECT_EQ(fader.Orientation(), trVertical);
  EXPECT_EQ(fader.Position(), -20);
  EXPECT_EQ(fader.Tag(), 7);
  EXPECT_EQ(fader.Thumb()->Size(), 16);
  EXPECT_EQ(fader.Thumb()->Width(), 29);
  for (const TGDIPPicture* p : {fader.Thumb()->Picture(), fader.Thumb()->PictureHot(), fader.Thumb()->PictureDown(),
                                fader.Thumb()->PictureDisabled()})
    EXPECT_FALSE(p->Empty());
  EXPECT_EQ(fader.Slider()->Size(), 3);
  EXPECT_EQ(fader.TickMark()->Style(), tsNone);
  EXPECT_TRUE(fader.ShowFocus());
}

}  // namespace
