#include "plot/wRadioGroup.h"

#include <QImage>

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {

// To the nearest integer, halves to even.
int Nearest(double v) { return int(std::nearbyint(v)); }

}  // namespace

TwRadioGroup::TwRadioGroup(QWidget* parent) : TwCustomComponent(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(97, 17);
}

void TwRadioGroup::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  InvalidateChange();
}

void TwRadioGroup::SetFont(const TFont& Value) {
  FFont = Value;
  LimitItemIndex();
  InvalidateChange();
}

void TwRadioGroup::SetItems(const QStringList& Value) {
  FItems = Value;
  LimitItemIndex();
  InvalidateChange();
}

void TwRadioGroup::LimitItemIndex() { FItemIndex = std::clamp(FItemIndex, -1, int(FItems.size()) - 1); }

void TwRadioGroup::SetItemIndex(int Value) {
  Value = std::clamp(Value, -1, int(FItems.size()) - 1);
  if (Value == FItemIndex) return;
  FItemIndex = Value;
  FMouseDownIndex = Value;
  InvalidateChange();
  DoChange();
}

void TwRadioGroup::DoChange() {
  if (IsLoading()) return;
  if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("ItemIndex"));
  if (OnChange) OnChange(this);
  if (FUserGenerated && OnChangeUser) OnChangeUser(this);
}

void TwRadioGroup::SetColumns(int Value) {
  if (Value <= 0 || Value == FColumns) return;
  FColumns = Value;
  InvalidateChange();
}

// ---- geometry -----------------------------------------------------------------

TwRadioGroup::Layout TwRadioGroup::CalcLayout() const {
  QImage scratch(1, 1, QImage::Format_RGB32);
  Canvas canvas(&scratch);
  canvas.Font = FFont;
  Layout l;
  l.th = canvas.TextHeight("ABC");
  const int count = int(FItems.size());
  if (count == 0) return l;
  l.maxRows = count / FColumns + (count % FColumns != 0 ? 1 : 0);
  l.rowSpacing = double((height() - l.th - l.th / 4) / l.maxRows);
  l.rowStart = Nearest(l.th + l.rowSpacing / 2);
  l.colSpacing = double((width() - 14) / FColumns);
  return l;
}

int TwRadioGroup::MaxRows() const { return CalcLayout().maxRows; }

TPoint TwRadioGroup::ItemCenter(int Index) const {
  const Layout l = CalcLayout();
  if (l.maxRows == 0) return {};
  const int row = Index % l.maxRows, column = Index / l.maxRows;
  return {Nearest(column * l.colSpacing) + l.colStart, Nearest(row * l.rowSpacing) + l.rowStart};
}

int TwRadioGroup::ItemAt(int X, int Y) const {
  const Layout l = CalcLayout();
  if (l.maxRows == 0 || l.rowSpacing == 0) return -1;
  const int row = Nearest((Y - l.rowStart) / l.rowSpacing);
  if (FColumns == 1 || l.colSpacing == 0) return row;
  return row + int(std::trunc((X - l.colStart + 6) / l.colSpacing)) * l.maxRows;
}

TRect TwRadioGroup::ItemTextRect(Canvas& Canvas, int Index) const {
  const TPoint c = ItemCenter(Index);
  const TSize size = Canvas.TextExtent(FItems[Index]);
  return {c.X + 12, c.Y - size.cy / 2, c.X + 12 + size.cx, c.Y + size.cy / 2};
}

// ---- paint --------------------------------------------------------------------

void TwRadioGroup::DoPaint(Canvas& Canvas) {
  DrawBackGround(Canvas, BackGroundColor());
  Canvas.Font = FFont;
  drawFrame(Canvas);
  drawCaption(Canvas);
  for (int i = 0; i < FItems.size(); ++i) drawItem(Canvas, i);
}

void TwRadioGroup::drawFrame(Canvas& Canvas) {
  const int h2 = Canvas.TextHeight("ABC") / 2;
  const int w = width(), h = height();
  Canvas.Pen = TPen{clBtnShadow, 1, psSolid, pmCopy};
  const TPoint shadow[] = {{0, h2}, {w - 2, h2}, {w - 2, h - 2}, {0, h - 2}, {0, h2}};
  Canvas.Polyline(shadow);
  Canvas.Pen.Color = clBtnHighlight;
  Canvas.MoveTo(1, h2 + 1);
  Canvas.LineTo(w - 2, h2 + 1);
  Canvas.MoveTo(1, h2 + 1);
  Canvas.LineTo(1, h - 1);
  Canvas.MoveTo(w - 1, h2 + 1);
  Canvas.LineTo(w - 1, h - 1);
  Canvas.LineTo(0, h - 1);
}

void TwRadioGroup::drawCaption(Canvas& Canvas) {
  const int aw = Canvas.TextWidth("A");
  TRect r{aw, 0, aw + Canvas.TextWidth(FCaption), Canvas.TextHeight(FCaption)};
  Canvas.Brush = TBrush{clWindow, bsSolid};
  Canvas.FillRect(r);
  Canvas.Brush.Style = bsClear;
  DrawTextFlags(Canvas, FCaption, r, BackGroundColor(), isEnabled(), itfLeft | itfVCenter);
}

void TwRadioGroup::drawItem(Canvas& Canvas, int Index) {
  const TPoint c = ItemCenter(Index);
  const int x = c.X, y = c.Y;
  const bool pressed = (FMouseDown || FKeyDown) && FMouseDownIndex == Index;
  Canvas.Brush = TBrush{pressed ? clBtnFace : clWhite, bsSolid};
  Canvas.FillRect({x - 3, y - 4, x + 5, y + 4});
  // The ring: dark on the upper left, light on the lower right.
  auto line = [&Canvas](TColor color, std::initializer_list<TPoint> pts) {
    Canvas.Pen = TPen{color, 1, psSolid, pmCopy};
    Canvas.Polyline(std::span<const TPoint>(pts.begin(), pts.size()));
  };
  line(clBtnShadow, {{x - 5, y + 2}, {x - 5, y - 3}, {x - 4, y - 4}, {x - 3, y - 5}, {x + 3, y - 5}, {x + 5, y - 5}});
  line(cl3DDkShadow, {{x - 4, y + 1}, {x - 4, y - 3}, {x - 3, y - 4}, {x + 3, y - 4}});
  line(clBtnFace, {{x - 3, y + 4}, {x + 3, y + 4}, {x + 5, y + 2}, {x + 5, y - 4}});
  line(clBtnHighlight, {{x - 5, y + 3}, {x - 4, y + 5}, {x + 3, y + 5}, {x + 6, y + 2}, {x + 6, y - 5}});
  TRect text = ItemTextRect(Canvas, Index);
  Canvas.Brush.Style = bsClear;
  DrawTextFlags(Canvas, FItems[Index], text, BackGroundColor(), isEnabled(), itfLeft | itfVCenter | itfNoClip);
  if (Index == FItemIndex) {
    Canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
    Canvas.Brush = TBrush{clBlack, bsSolid};
    Canvas.Ellipse(x - 1, y - 2, x + 3, y + 2);
  }
  const int focused = FMouseDown ? FMouseDownIndex : FItemIndex;
  if (HasFocus() && focused == Index) {
    const TRect t = ItemTextRect(Canvas, Index);
    Canvas.Font.Color = clWhite;
    Canvas.Brush = TBrush{clBlack, bsSolid};
    DrawFocusRectangle(Canvas, {t.Left - 1, t.Top - 1, t.Right + 1, t.Bottom + 3});
    Canvas.Font = FFont;
  }
}

// ---- input --------------------------------------------------------------------

void TwRadioGroup::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  if (Button != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  FMouseDown = true;
  FMouseDownIndex = ItemAt(X, Y);
  InvalidateChange();
}

void TwRadioGroup::DoMouseMove(Qt::KeyboardModifiers, int X, int Y) {
  if (!FMouseDown) return;
  FMouseDownIndex = ItemAt(X, Y);
  InvalidateChange();
}

void TwRadioGroup::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  if (!FMouseDown) return;
  InvalidateChange();
  FMouseDown = false;
  if (FMouseDownIndex >= 0 && FMouseDownIndex < FItems.size() && ItemAt(X, Y) == FMouseDownIndex)
    SetItemIndex(FMouseDownIndex);
}

void TwRadioGroup::DoKeyDown(int& Key, Qt::KeyboardModifiers) {
  FKeyDown = true;
  const int count = int(FItems.size());
  int next = FItemIndex;
  switch (Key) {
    case Qt::Key_Right:
    case Qt::Key_Down: next = (FItemIndex < 0 || FItemIndex >= count - 1) ? 0 : FItemIndex + 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: next = FItemIndex <= 0 ? count - 1 : FItemIndex - 1; break;
    default: InvalidateChange(); return;
  }
  Key = 0;
  if (count == 0) return;
  // A keyboard step is not reported as the user's.
  const bool user = FUserGenerated;
  FUserGenerated = false;
  SetItemIndex(next);
  FUserGenerated = user;
}

void TwRadioGroup::DoKeyUp(int&, Qt::KeyboardModifiers) {
  FKeyDown = false;
  InvalidateChange();
}

void TwRadioGroup::DoWantSpecialKey(int& CharCode, int& Result) {
  if (CharCode == Qt::Key_Left || CharCode == Qt::Key_Right || CharCode == Qt::Key_Up || CharCode == Qt::Key_Down)
    Result = 1;
}

void TwRadioGroup::DoKillFocus() {
  FMouseDown = false;
  FKeyDown = false;
  TwCustomComponent::DoKillFocus();
}
