// TwPlotChannelCustom: hit testing, hints, clicking and dragging points.
#include "plot/wPlotChannelCustom.h"

#include <QImage>
#include <QStringList>

#include <algorithm>

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"

using platform::TRect;

namespace {
// Left and top inclusive, right and bottom exclusive.
bool Contains(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }
}  // namespace

bool TwPlotChannelCustom::StoreMovesX() const { return FDataStyle != ipdsCompactInterval; }

bool TwPlotChannelCustom::DoHitTest(const TwPlotMouseData& MouseData) {
  if (FVisibleInLegend && Contains(FLegendRect, MouseData.X, MouseData.Y)) return true;
  if (!Owner() || !Owner()->GetToolBarSelectActive()) return false;
  FSelectDataIndex = -1;
  if (!MarkersVisible() || Count() == 0) return false;
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  if (FStartIndex < 0) return false;
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    if (!MarkerDrawable(i)) continue;
    FSelectHitTestRect = MarkerRect(i);
    if (Contains(FSelectHitTestRect, MouseData.X, MouseData.Y)) {
      FSelectDataIndex = i;
      return true;
    }
  }
  return false;
}

void TwPlotChannelCustom::DoMouseHint(const TwPlotMouseData& MouseData, TwHintData& HintData) {
  TwPlotComponent* plot = Owner();
  if (!plot) return;
  plot->DoMouseMoveDataPointEvent(this, FSelectDataIndex, MouseData.Shift, MouseData.X, MouseData.Y);
  if (!FShowDataPointHints || FSelectDataIndex == -1 ||
      !Contains(FSelectHitTestRect, MouseData.X, MouseData.Y))
    return;
  TwPlotAxis* x = XAxis();
  TwPlotAxis* y = YAxis();
  if (!x || !y) return;
  QString text = x->GetLabelText(GetDataX(FSelectDataIndex)) + QStringLiteral(", ") +
                 y->GetLabelText(GetDataY(FSelectDataIndex));
  plot->DoDataPointCustomizeHintEvent(this, FSelectDataIndex, text);

  HintData.Text = text;

  // Size in the plot's hint font; placed beside the pointer inside data view 0.
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas canvas(&scratch);
  canvas.Font = plot->HintsFont();
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, canvas.TextWidth(line));
  const int w = widest + 4, h = canvas.TextHeight(text) + 4;
  const TRect r = plot->DataViewCount() ? plot->GetDataView(0)->DrawRect() : TRect{};
  const int mx = MouseData.X, my = MouseData.Y, m = MarkersSize() / 2;
  int top = my - (m + h + 4);
  int left = mx - w / 2;
  if (top <= r.Top) top = my + (m + h + 4);
  if (left <= r.Left) {
    left = mx + m + 8;
    top = my - h / 2;
  } else if (left + w >= r.Right) {
    left = mx - m - 4 - w;
    top = my - h / 2;
  }
  if (top + h >= r.Bottom) top = r.Bottom - h;
  if (top <= r.Top) top = r.Top;
  HintData.Left = left;
  HintData.Top = top;
  HintData.Width = w;
  HintData.Height = h;
}

void TwPlotChannelCustom::DoMouseLeft(const TwPlotMouseData& MouseData) {
  if (Owner())
    Owner()->DoMouseDownDataPointEvent(this, FSelectDataIndex, MouseData.Button, MouseData.Shift, MouseData.X,
                                       MouseData.Y);
  FMouseDownDataIndex = FSelectDataIndex;
  if (FMouseDownDataIndex == -1 || !Contains(FSelectHitTestRect, MouseData.X, MouseData.Y)) return;
  FSelectMouseDown = true;
  FSelectMouseDownIndex = FMouseDownDataIndex;
  FSelectDownRect = FSelectHitTestRect;
  FMouseDownValueX = GetDataX(FSelectMouseDownIndex);
  FMouseDownValueY = GetDataY(FSelectMouseDownIndex);
  FMouseDownPixelX = MouseData.XAxisPixels;
  FMouseDownPixelY = MouseData.YAxisPixels;
}

void TwPlotChannelCustom::DoMouseMove(const TwPlotMouseData& MouseData) {
  if (!FSelectMouseDown) return;
  if (Owner())
    Owner()->DoMouseMoveDataPointEvent(this, FMouseDownDataIndex, MouseData.Shift, MouseData.X, MouseData.Y);
  if (!FUserCanMoveDataPoints) return;
  TwPlotAxis* x = XAxis();
  TwPlotAxis* y = YAxis();
  if (!x || !y) return;
  const bool moveX = FUserCanMoveDataPointsStyle != ipcdpmsYOnly && StoreMovesX();
  const bool moveY = FUserCanMoveDataPointsStyle != ipcdpmsXOnly;
  // A compact-interval channel computes X from the index: there only Y moves.
  if (moveX) {
    const double dX = x->PixelsToPosition(FMouseDownPixelX) - x->PixelsToPosition(MouseData.XAxisPixels);
    SetDataX(FSelectMouseDownIndex, FMouseDownValueX - dX);
  }
  if (moveY) {
    const double dY = y->PixelsToPosition(FMouseDownPixelY) - y->PixelsToPosition(MouseData.YAxisPixels);
    SetDataY(FSelectMouseDownIndex, FMouseDownValueY - dY);
  }
}

void TwPlotChannelCustom::DoMouseUp(const TwPlotMouseData& MouseData) {
  TwPlotComponent* plot = Owner();
  if (!plot) return;
  plot->DoMouseUpDataPointEvent(this, FMouseDownDataIndex, MouseData.Button, MouseData.Shift, MouseData.X,
                                MouseData.Y);
  if (FSelectMouseDown) {
    FSelectMouseDown = false;
    const int index = FSelectMouseDownIndex;
    if (Contains(FSelectDownRect, MouseData.X, MouseData.Y)) plot->DoClickDataPointEvent(this, index);
    const double x = GetDataX(index), y = GetDataY(index);
    if (x != FMouseDownValueX || y != FMouseDownValueY)
      plot->DoDataPointMovedEvent(this, index, FMouseDownValueX, FMouseDownValueY, x, y);
  } else if (MouseDown() && Contains(FLegendRect, MouseData.X, MouseData.Y)) {
    plot->DoClickEvent(this);
  }
}

TCursor TwPlotChannelCustom::GetMouseCursor(const TwPlotMouseData&) {
  TCursor cursor = crHandPoint;
  if (Owner()) Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}

void TwPlotChannelCustom::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotManagerObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}
