#include "plot/wCheckBox.h"

#include <algorithm>

using namespace platform;

TwCheckBox::TwCheckBox(QWidget* parent) : TwCustomComponent(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(97, 17);
}

void TwCheckBox::SetChecked(bool Value) {
  if (Value == FChecked) return;
  bool canEdit = true;
  if (OnRequestEdit) OnRequestEdit(this, QStringLiteral("Checked"), canEdit);
  if (!canEdit) return;
  FChecked = Value;
  InvalidateChange();
  DoChange();
  OPCOutputData(QStringLiteral("Checked"), QVariant(FChecked));
}

void TwCheckBox::DoChange() {
  if (IsLoading()) return;
  if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("Checked"));
  if (OnChange) OnChange(this);
  if (FUserGenerated && OnChangeUser) OnChangeUser(this);
}

void TwCheckBox::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  DoAutoSize();
  InvalidateChange();
}

void TwCheckBox::SetAlignment(TLeftRight Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  InvalidateChange();
}

void TwCheckBox::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  DoAutoSize();
  InvalidateChange();
}

void TwCheckBox::SetFont(const TFont& Value) {
  FFont = Value;
  DoAutoSize();
  InvalidateChange();
}

TSize TwCheckBox::CaptionSize() const {
  QImage scratch(1, 1, QImage::Format_RGB32);
  Canvas canvas(&scratch);
  canvas.Font = FFont;
  return canvas.TextExtent(FCaption);
}

void TwCheckBox::DoAutoSize() {
  if (!FAutoSize || IsLoading() || FDoingAutoSize) return;
  FDoingAutoSize = true;
  const TSize size = CaptionSize();
  const int newWidth = size.cx + 20;
  int left = x();
  if (FAlignment == taLeftJustify && newWidth != width()) left = x() + width() - newWidth;
  setGeometry(left, y(), newWidth, size.cy + 4);
  FDoingAutoSize = false;
}

// ---- geometry and paint -------------------------------------------------------

TRect TwCheckBox::BoxRect() const {
  const int cy = height() / 2;
  if (FAlignment == taRightJustify) return {0, cy - 7, 13, cy + 6};
  return {width() - 13, cy - 7, width(), cy + 6};
}

TRect TwCheckBox::CaptionRect() const {
  const TSize size = CaptionSize();
  const int ty = height() / 2 - size.cy / 2 - 1;
  const int left = FAlignment == taRightJustify ? 18 : 1;
  return {left, ty, left + size.cx, ty + size.cy};
}

void TwCheckBox::DoPaint(Canvas& Canvas) {
  DrawBackGround(Canvas, BackGroundColor());
  drawBox(Canvas);
  drawCaption(Canvas);
  if (FChecked) drawCheck(Canvas);
  if (HasFocus()) drawFocus(Canvas);
}

void TwCheckBox::drawBox(Canvas& Canvas) {
  const TRect box = BoxRect();
  Canvas.Brush = TBrush{(FMouseDown || FKeyDown || !isEnabled()) ? BackGroundColor() : clWhite, bsSolid};
  Canvas.FillRect(box);
  DrawBorder3D(Canvas, box, 0);
}

void TwCheckBox::drawCaption(Canvas& Canvas) {
  TRect r = CaptionRect();
  Canvas.Font = FFont;
  Canvas.Brush.Style = bsClear;
  DrawTextFlags(Canvas, FCaption, r, BackGroundColor(), isEnabled(), itfLeft | itfVCenter);
}

void TwCheckBox::drawCheck(Canvas& Canvas) {
  const int l = BoxRect().Left;
  const int cy = height() / 2;
  Canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  for (int up = 0; up < 3; ++up) {
    const TPoint tick[] = {{l + 3, cy - up}, {l + 5, cy + 2 - up}, {l + 10, cy - 3 - up}};
    Canvas.Polyline(tick);
  }
}

void TwCheckBox::drawFocus(Canvas& Canvas) {
  TRect r = CaptionRect();
  r = {std::max(r.Left - 1, 0), std::max(r.Top - 1, 0), std::min(r.Right + 1, width() - 1),
       std::min(r.Bottom + 2, height() - 1)};
  Canvas.Font.Color = clWhite;
  Canvas.Brush = TBrush{clBlack, bsSolid};
  DrawFocusRectangle(Canvas, r);
}

// ---- input --------------------------------------------------------------------

void TwCheckBox::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int, int) {
  if (Button != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  FMouseDown = true;
  InvalidateChange();
}

void TwCheckBox::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  if (!FMouseDown) return;
  FMouseDown = false;
  InvalidateChange();
  if (X >= 0 && Y >= 0 && X < width() && Y < height()) SetChecked(!FChecked);
}

void TwCheckBox::DoKeyDown(int& Key, Qt::KeyboardModifiers) {
  if (Key != Qt::Key_Space) return;
  FKeyDown = true;
  FMouseDown = false;
  InvalidateChange();
  Key = 0;
}

void TwCheckBox::DoKeyUp(int& Key, Qt::KeyboardModifiers) {
  const bool wasDown = FKeyDown;
  FKeyDown = false;
  if (Key == Qt::Key_Space && wasDown) {
    SetChecked(!FChecked);
    Key = 0;
  }
  InvalidateChange();
}

void TwCheckBox::DoKillFocus() {
  FMouseDown = false;
  FKeyDown = false;
  TwCustomComponent::DoKillFocus();
}
