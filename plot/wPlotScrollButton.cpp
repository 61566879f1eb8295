#include "plot/wPlotScrollButton.h"

#include <array>

#include "controls/wDraw.h"

using platform::TPoint;

TwPlotScrollButton::TwPlotScrollButton(TwPlotComponent* AOwner, bool Up) : TwPlotButton(AOwner), FUp(Up) {
  SetTimerEnabled(true);
}

void TwPlotScrollButton::Draw(platform::Canvas& Canvas, platform::TColor) {
  if (!Visible()) return;
  const platform::TRect r = DrawRect();
  Canvas.Brush = platform::TBrush{platform::clBtnFace, platform::bsSolid};
  Canvas.FillRect(r);
  DrawBorder3D(Canvas, r, MouseDown() || Down() ? 0 : 1);
  const platform::TColor color = Enabled() ? platform::clBlack : platform::TColor(0x808080);
  Canvas.Pen = platform::TPen{color, 1, platform::psSolid};
  Canvas.Brush = platform::TBrush{color, platform::bsSolid};
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  const std::array<TPoint, 3> up{TPoint{cx - 4, cy + 2}, TPoint{cx + 4, cy + 2}, TPoint{cx, cy - 2}};
  const std::array<TPoint, 3> down{TPoint{cx - 4, cy - 2}, TPoint{cx + 4, cy - 2}, TPoint{cx, cy + 2}};
  Canvas.Polygon(FUp ? up : down);
}
