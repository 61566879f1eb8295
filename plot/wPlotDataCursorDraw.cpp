// TwPlotDataCursor: the pointer lines and the hint box.
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotDataView.h"

using platform::TColor;
using platform::TRect;


TColor TwPlotDataCursor::LineColor(TColor NoChannel) {
  if (FUseChannelColor)
    if (TwPlotChannelCustom* c = GetChannel()) return c->Color();
  return NoChannel;
}

void TwPlotDataCursor::DrawPointer(platform::Canvas& Canvas, double Position, TwOrientation Orientation,
                                   bool Dragged, TRect& GrabRect) {
  const TRect dv = FDataView->DrawRect();
  Canvas.Pen.Width = Dragged ? 0 : FPointerPenWidth;
  if (Orientation == ioVertical) {
    const int x = FDataView->PositionPercentToPixelsX(Position);
    Canvas.MoveTo(x, dv.Top);
    Canvas.LineTo(x, dv.Bottom);
    GrabRect = {x - 5, dv.Top, x + 6, dv.Bottom};
  } else {
    const int y = FDataView->PositionPercentToPixelsY(Position);
    Canvas.MoveTo(dv.Left, y);
    Canvas.LineTo(dv.Right, y);
    GrabRect = {dv.Left, y - 5, dv.Right, y + 6};
  }
}

void TwPlotDataCursor::Draw(platform::Canvas& Canvas, TColor) {
  if (!FDataView || !Visible()) return;
  UpdateValues();
  Canvas.Pen = platform::TPen{LineColor(FColor), 1, platform::psSolid};
  if (FPointer1Show)
    DrawPointer(Canvas, FPointer1Position, FPointer1Orientation, FMouseDownPointer1, FPointer1Rect);
  if (FPointer2Show)
    DrawPointer(Canvas, FPointer2Position, FPointer2Orientation, FMouseDownPointer2, FPointer2Rect);
  FHintShowing = FHintShow && !IsAll() && !(FHintHideOnRelease && !FMouseDownPointer1 && !FMouseDownPointer2);
  if (FHintShowing) DrawHint(Canvas);
}

void TwPlotDataCursor::DrawHint(platform::Canvas& Canvas) {
  // 1. The text.
  QString text = GetChannel() ? FCursorDisplayText : TranslateText(QStringLiteral("No Channel"));
  if (Owner()) Owner()->DoDataCursorCustomizeHintEvent(this, text);
  // 2. The box's size.
  Canvas.Pen = platform::TPen{Canvas.Pen.Color, 0, platform::psSolid};
  Canvas.Font = FFont;
  const int tw = MaxLineTextWidth(Canvas, text);
  TRect measure{0, 0, tw, 0};
  const int th = DrawTextFlags(Canvas, text, measure, platform::clBtnFace, true, itfWordBreak | itfCalcRect);
  const int a = Canvas.TextWidth("A");
  FHintHeight = a / 2 + th;
  FHintWidth = tw + a;
  // 3. The reference pointer.
  const bool twoPointers = FStyle == ipcsDeltaX || FStyle == ipcsDeltaY || FStyle == ipcsInverseDeltaX;
  const TRect& ref = FPointer1Show ? FPointer1Rect : FPointer2Rect;
  const TRect dv = FDataView->DrawRect();
  const TRect& p1 = FPointer1Rect;
  const TRect& p2 = FPointer2Rect;
  TRect box;
  if (FHintOrientation == ioVertical) {
    // 4. Beside vertical lines.
    const int c = (ref.Left + ref.Right) / 2;
    if (c + 5 + a + tw > dv.Right) FHintOrientationSide = iosTopLeft;
    if (c - 5 - a - tw < dv.Left) FHintOrientationSide = iosBottomRight;
    const int p = FDataView->PositionPercentToPixelsY(FHintPosition);
    if (twoPointers) {
      const int m = (p1.Left + p1.Right + p2.Left + p2.Right) / 4;
      box = {m - FHintWidth / 2, p - FHintHeight / 2, m + FHintWidth / 2, p + FHintHeight / 2};
    } else if (FHintOrientationSide == iosBottomRight) {
      box = {c + 5, p - FHintHeight / 2, c + 5 + FHintWidth, p + FHintHeight / 2};
    } else {
      box = {c - 5 - FHintWidth, p - FHintHeight / 2, c - 5, p + FHintHeight / 2};
    }
  } else {
    // 5. Beside horizontal lines.
    const int c = (ref.Top + ref.Bottom) / 2;
    if (c + a + th > dv.Bottom) FHintOrientationSide = iosTopLeft;
    if (c - a - th < dv.Top) FHintOrientationSide = iosBottomRight;
    const int p = FDataView->PositionPercentToPixelsX(FHintPosition);
    if (twoPointers) {
      const int m = (p1.Top + p1.Bottom + p2.Top + p2.Bottom) / 4;
      box = {p - FHintWidth / 2, m - FHintHeight / 2, p + FHintWidth / 2, m + FHintHeight / 2};
    } else if (FHintOrientationSide == iosBottomRight) {
      box = {p - FHintWidth / 2, c + 5, p + FHintWidth / 2, c + 5 + FHintHeight};
    } else {
      box = {p - FHintWidth / 2, c - 5 - FHintHeight, p + FHintWidth / 2, c - 5};
    }
  }
  // 6. Pushed into the data view.
  if (box.Left < dv.Left) box = {dv.Left, box.Top, box.Right + dv.Left - box.Left, box.Bottom};
  if (box.Right > dv.Right) box = {box.Left - (box.Right - dv.Right), box.Top, dv.Right, box.Bottom};
  if (box.Top < dv.Top) box = {box.Left, dv.Top, box.Right, box.Bottom + dv.Top - box.Top};
  if (box.Bottom > dv.Bottom) box = {box.Left, box.Top - (box.Bottom - dv.Bottom), box.Right, dv.Bottom};
  FHintRect = box;
  // 7. The dotted connector of the two-pointer styles.
  if (twoPointers) {
    Canvas.Pen = platform::TPen{LineColor(FColor), 1, platform::psDot};
    Canvas.Brush.Style = platform::bsClear;
    if (FHintOrientation == ioVertical) {
      const int h = (FHintRect.Top + FHintRect.Bottom) / 2;
      Canvas.MoveTo((p1.Left + p1.Right) / 2, h);
      Canvas.LineTo((p2.Left + p2.Right) / 2, h);
    } else {
      const int v = (FHintRect.Left + FHintRect.Right) / 2;
      Canvas.MoveTo(v, (p1.Top + p1.Bottom) / 2);
      Canvas.LineTo(v, (p2.Top + p2.Bottom) / 2);
    }
  }
  // 8. The box, its text and the focus frame.
  Canvas.Pen = platform::TPen{LineColor(platform::clBlack), 1, platform::psSolid};
  Canvas.Brush = platform::TBrush{platform::clInfoBk, platform::bsSolid};
  Canvas.Font.Color = platform::clInfoText;
  Canvas.Rectangle(FHintRect);
  TRect textRect{FHintRect.Left + 2, FHintRect.Top + 1, FHintRect.Right, FHintRect.Bottom};
  Canvas.BkMode = platform::bkTransparent;
  DrawTextFlags(Canvas, text, textRect, platform::clBtnFace, true, itfLeft | itfVCenter);
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Rectangle(FHintRect);
  if (UserSelected()) {
    Canvas.Font.Color = platform::clWhite;
    Canvas.Pen.Color = platform::clWhite;
    DrawFocusRectangle(Canvas, {FHintRect.Left - 2, FHintRect.Top - 2, FHintRect.Right + 2, FHintRect.Bottom + 2});
  }
  Canvas.BkMode = platform::bkOpaque;
}
