#include "plot/wPlotTable.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using platform::Canvas;
using platform::TRect;

namespace {
int Nearest(double v) { return int(std::nearbyint(v)); }
}  // namespace

TwPlotTable::TwPlotTable(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {
  FDataFont.Color = platform::clWhite;
  FDataFont.Style = platform::fsBold;
  FColumnTitlesFont.Color = platform::clAqua;
  FColumnTitlesFont.Style = platform::fsBold;
  SetHorizontal(false);
  FUpButton = std::make_unique<TwPlotTableButton>(AOwner, true);
  FDownButton = std::make_unique<TwPlotTableButton>(AOwner, false);
  FUpButton->SetName(QStringLiteral("PlotTableUpButton"));
  FDownButton->SetName(QStringLiteral("PlotTableDownButton"));
  for (TwPlotTableButton* b : {FUpButton.get(), FDownButton.get()}) {
    b->SetVisible(false);
    b->OnClick = [this, b](TwPersistent*) { ButtonClick(b == FUpButton.get()); };
    b->OnInvalidate = [this](TwPersistent*) {
      if (OnInvalidateNow) OnInvalidateNow(this);
    };
  }
}

TwPlotTable::~TwPlotTable() = default;

void TwPlotTable::SetDataFont(const platform::TFont& Value) {
  if (Value == FDataFont) return;
  FDataFont = Value;
  DoChange();
}

void TwPlotTable::SetColumnTitlesFont(const platform::TFont& Value) {
  if (Value == FColumnTitlesFont) return;
  FColumnTitlesFont = Value;
  DoChange();
}

// ---- columns and rows ----

int TwPlotTable::AddColumn(const QString& Title) {
  auto c = std::make_unique<TwPlotTableColumn>();
  c->Title = Title;
  c->TitleFontColor = FColumnTitlesFont.Color;
  c->DataFontColor = FDataFont.Color;
  FColumns.push_back(std::move(c));
  return ColumnCount() - 1;
}

void TwPlotTable::DeleteColumn(int Index) {
  if (Index < 0 || Index >= ColumnCount()) throw std::out_of_range("List index out of bounds");
  FColumns.erase(FColumns.begin() + Index);
}

void TwPlotTable::RemoveAllColumns() { FColumns.clear(); }

int TwPlotTable::AddRow() {
  FRows.append(QString());
  DoChange();
  return RowCount() - 1;
}

void TwPlotTable::DeleteRow(int Index) {
  if (Index < 0 || Index >= RowCount()) throw std::out_of_range("List index out of bounds");
  FRows.removeAt(Index);
  DoChange();
}

void TwPlotTable::RemoveAllRows() {
  FRows.clear();
  DoChange();
}

void TwPlotTable::SetRowText(int Index, const QString& Text) {
  if (Index < 0 || Index >= RowCount()) throw std::out_of_range("List index out of bounds");
  QString& row = FRows[Index];
  if (row == Text) return;
  row = Text;
  DoChange();
}

QString TwPlotTable::RowText(int Index) const {
  if (Index < 0 || Index >= RowCount()) throw std::out_of_range("List index out of bounds");
  return FRows[Index];
}

QString TwPlotTable::GetCellText(int Column, int Row) const {
  const QStringList lines = RowText(Row).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  return Column >= 0 && Column < lines.size() ? lines.at(Column) : QString();
}

// ---- layout ----

bool TwPlotTable::CalcLayout(Canvas& Canvas) {
  FRequiredWidth = FRequiredHeight = 0;
  FRowsShown = 0;
  const int rows = RowCount();
  if (rows == 0 || FColumns.empty() || FRowsMax < 0) {
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
    return false;
  }
  Canvas.Font = FColumnTitlesFont;
  const int tw = Canvas.TextWidth(QStringLiteral("0")), th = Canvas.TextHeight(QStringLiteral("0"));
  FTitleCharWidth = tw;
  const int top = Nearest(th * FMarginTop), bottom = Nearest(th * FMarginBottom);
  const int left = Nearest(tw * FMarginLeft), right = Nearest(tw * FMarginRight);
  FGridRect = TRect{Left() + left, Top() + top, Right() - right, Bottom() - bottom};
  const int captionHeight = FColumnTitlesVisible ? th : 0;
  FCaptionRect = TRect{FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + captionHeight};

  Canvas.Font = FDataFont;
  const int dw = Canvas.TextWidth(QStringLiteral("0")), dh = Canvas.TextHeight(QStringLiteral("0"));
  FDataCharWidth = dw;
  FRowHeight = std::max(1, Nearest(dh + dh * FRowSpacing));

  int k = FRowsMax != 0 ? std::min(FRowsMax, rows) : rows;
  FGridRect.Bottom = FCaptionRect.Bottom + k * FRowHeight;
  FRequiredHeight = top + bottom + captionHeight + k * FRowHeight;

  int sum = 0;
  const int titleExtra = Nearest(tw * FColumnSpacing) + tw, dataExtra = Nearest(dw * FColumnSpacing) + dw;
  for (int c = 0; c < ColumnCount(); ++c) {
    TwPlotTableColumn& col = *FColumns[c];
    if (!col.Visible) continue;
    if (col.AutoSize) {
      Canvas.Font = FColumnTitlesFont;
      int w = Canvas.TextWidth(col.Title) + titleExtra;
      Canvas.Font = FDataFont;
      for (int r = 0; r < rows; ++r) w = std::max(w, Canvas.TextWidth(GetCellText(c, r)) + dataExtra);
      col.WidthPixels = w;
      if (dw > 0) col.Width = w / dw;
    } else {
      col.WidthPixels = Nearest(col.Width * dw);
    }
    sum += col.WidthPixels;
  }
  FRequiredWidth = left + right + sum;
  FGridRect.Right = FGridRect.Left + sum;

  const int limit = Bottom() - bottom;
  if (FGridRect.Bottom > limit) {
    k = std::max(0, (limit - FCaptionRect.Bottom) / FRowHeight);
    FGridRect.Bottom = FCaptionRect.Bottom + k * FRowHeight;
  }
  FRowsShown = k;

  if (k < rows) {
    if (Enabled()) {
      const int h2 = FRowHeight / 2, e = FCaptionRect.Bottom + k * FRowHeight - h2;
      const int c = FCaptionRect.Bottom + h2;
      FUpButton->SetDrawRect({FGridRect.Right + 5, c - 8, FGridRect.Right + 22, c + 9});
      FDownButton->SetDrawRect({FGridRect.Right + 5, e - 8, FGridRect.Right + 22, e + 9});
      FRequiredWidth += FUpButton->Width() + 5;
    }
    FUpButton->SetVisible(true);
    FDownButton->SetVisible(true);
    FRowDisplayStopIndex = FRowDisplayStartIndex + k - 1;
    if (FRowDisplayStopIndex > rows - 1) {
      FRowDisplayStopIndex = rows - 1;
      FRowDisplayStartIndex = rows - k;
    }
    if (FRowDisplayStartIndex < 0) {
      FRowDisplayStartIndex = 0;
      FRowDisplayStopIndex = k - 1;
    }
  } else {
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
    FRowDisplayStartIndex = 0;
    FRowDisplayStopIndex = k - 1;
  }
  FUpButton->SetEnabled(FRowDisplayStartIndex != 0);
  FDownButton->SetEnabled(FRowDisplayStopIndex != rows - 1);
  return true;
}

int TwPlotTable::GetRequiredWidth(Canvas& Canvas) {
  CalcLayout(Canvas);
  return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

// ---- drawing ----

void TwPlotTable::drawCellText(Canvas& Canvas, const QString& Text, TRect Rect, TwAlignmentHorizontal Alignment,
                               double Margin, int CharWidth) {
  TwTextFlags align = itfCenter;
  if (Alignment == iahLeft) {
    Rect.Left += Nearest(Margin * CharWidth);
    align = itfLeft;
  } else if (Alignment == iahRight) {
    Rect.Right -= Nearest(Margin * CharWidth);
    align = itfRight;
  }
  DrawTextFlags(Canvas, Text, Rect, Canvas.Font.Color, true, TwTextFlags(align | itfVCenter | itfSingleLine));
}

void TwPlotTable::drawGridLines(Canvas& Canvas) {
  Canvas.Pen = platform::TPen{FGridLinesColor, 1, platform::psSolid};
  int x = FGridRect.Left;
  for (const auto& col : FColumns) {
    if (!col->Visible) continue;
    Canvas.MoveTo(x, FGridRect.Top);
    Canvas.LineTo(x, FGridRect.Bottom);
    x += col->WidthPixels;
  }
  Canvas.MoveTo(x, FGridRect.Top);
  Canvas.LineTo(x, FGridRect.Bottom);
  Canvas.MoveTo(FGridRect.Left, FGridRect.Top);
  Canvas.LineTo(FGridRect.Right + 1, FGridRect.Top);
  for (int i = 0; i <= FRowsShown; ++i) {
    const int y = FCaptionRect.Bottom + i * FRowHeight;
    Canvas.MoveTo(FGridRect.Left, y);
    Canvas.LineTo(FGridRect.Right + 1, y);
  }
}

void TwPlotTable::drawCaptions(Canvas& Canvas) {
  Canvas.Font = FColumnTitlesFont;
  Canvas.Brush.Style = platform::bsClear;
  int x = FGridRect.Left;
  for (const auto& col : FColumns) {
    if (!col->Visible) continue;
    Canvas.Font.Color = col->TitleFontColor;
    drawCellText(Canvas, col->Title, {x, FCaptionRect.Top, x + col->WidthPixels, FCaptionRect.Bottom},
                 col->TitleAlignment, col->TitleAlignmentMargin, FTitleCharWidth);
    x += col->WidthPixels;
  }
}

void TwPlotTable::drawCells(Canvas& Canvas) {
  Canvas.Font = FDataFont;
  Canvas.Brush.Style = platform::bsClear;
  for (int r = FRowDisplayStartIndex; r <= FRowDisplayStopIndex && r < RowCount(); ++r) {
    const int y = FCaptionRect.Bottom + (r - FRowDisplayStartIndex) * FRowHeight;
    int x = FGridRect.Left;
    for (int c = 0; c < ColumnCount(); ++c) {
      const TwPlotTableColumn& col = *FColumns[c];
      if (!col.Visible) continue;
      Canvas.Font.Color = col.DataFontColor;
      drawCellText(Canvas, GetCellText(c, r), {x, y, x + col.WidthPixels, y + FRowHeight}, col.DataAlignment,
                   col.DataAlignmentMargin, FDataCharWidth);
      x += col.WidthPixels;
    }
  }
}

void TwPlotTable::Draw(Canvas& Canvas, platform::TColor BackGroundColor) {
  if (!Visible() || FRows.isEmpty() || FColumns.empty()) return;
  if (!CalcLayout(Canvas)) return;
  Canvas.Brush = platform::TBrush{FGridBackGroundColor, platform::bsSolid};
  Canvas.Pen = platform::TPen{platform::clBlack, 1, platform::psSolid};
  if (!FGridBackGroundTransparent) Canvas.FillRect(FGridRect);
  if (FGridLinesShow) drawGridLines(Canvas);
  if (FColumnTitlesVisible) drawCaptions(Canvas);
  drawCells(Canvas);
  FUpButton->Draw(Canvas, BackGroundColor);
  FDownButton->Draw(Canvas, BackGroundColor);
  if (UserSelected()) {
    TRect r = DrawRect();
    if (Horizontal()) {
      r.Top += 2;
      r.Bottom -= 2;
    }
    DrawFocusRectangle(Canvas, r);
  }
}

// ---- input ----

void TwPlotTable::ButtonClick(bool Up) {
  if (Up) {
    if (FRowDisplayStartIndex > 0) --FRowDisplayStartIndex;
  } else if (FRowDisplayStartIndex < RowCount() - 1) {
    ++FRowDisplayStartIndex;
  }
  if (OnInvalidateNow) OnInvalidateNow(this);
}

TwPlotObject* TwPlotTable::GetMouseOverObject(int X, int Y) {
  for (TwPlotTableButton* b : {FUpButton.get(), FDownButton.get()}) {
    if (b->Visible() && b->HitTest(X, Y)) {
      FMouseOverObject = b;
      return b;
    }
  }
  return TwPlotLayoutObject::GetMouseOverObject(X, Y);
}

void TwPlotTable::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}

void TwPlotTable::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this) SetUserSelected(false);
}
