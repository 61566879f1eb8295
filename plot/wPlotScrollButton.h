// TwPlotScrollButton: the up or down button of a legend or a table. It fills
// its rectangle with clBtnFace inside a raised 3-D frame (sunken while held)
// and draws a filled triangle around its centre, half-width 4 and
// half-height 2, pointing up or down: black, grey (0x808080) while disabled.
// Hidden buttons draw nothing. Its owner sets the rectangle, the visibility
// and the enabled state at every layout and handles OnClick; the buttons
// repeat while held (TimerEnabled).
#pragma once

#include "plot/wPlotObjects.h"

class TwPlotScrollButton : public TwPlotButton {
 public:
  TwPlotScrollButton(TwPlotComponent* AOwner, bool Up);
  bool Up() const { return FUp; }
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;

 private:
  bool FUp;
};
