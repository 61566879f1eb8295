// TwPlotTable: a grid of text that the layout manager places beside the data
// view: a caption row with one title per column (ColumnTitlesVisible), then
// the rows, with optional grid lines (GridLinesShow), a background unless
// GridBackGroundTransparent, and up and down scroll buttons when not all rows
// fit. The plot creates no table of its own.
//
// Columns (AddColumn, DeleteColumn, RemoveAllColumns; no notification) take
// their font colours from ColumnTitlesFont and DataFont when added. A fixed
// column is Width widths of "0" of DataFont wide; an AutoSize column fits its
// title and every cell plus ColumnSpacing and one more character.
//
// Rows (AddRow, DeleteRow, RemoveAllRows, SetRowText; each notifies). A row
// is one text whose lines are its cells: line c is the cell of column c, and
// missing lines are empty cells.
//
// Layout (CalcLayout, run by GetRequiredWidth and Draw). Margins are in
// widths (left, right) and heights (top, bottom) of "0" of ColumnTitlesFont;
// a row is the height of "0" of DataFont plus RowSpacing of it. At most
// RowsMax rows show (0: no limit; a negative value shows none), fewer when
// the draw rectangle is lower. When rows are hidden the buttons stand right
// of the grid (only moved while the table is enabled) and scroll by one row
// from RowDisplayStartIndex; the up button is enabled off the first row, the
// down button off the last. A table without rows or columns needs no room
// and draws nothing.
//
// Every property setter notifies (a repaint) when the value changes; the font
// setters copy the given font. A click fires no plot event; the menu holds
// "Edit...". Selecting another object deselects the table.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotScrollButton.h"

struct TwPlotTableColumn {
  int WidthPixels = 0;
  QString Title;
  double Width = 10.0;
  bool Visible = true;
  TwAlignmentHorizontal TitleAlignment = iahCenter;
  double TitleAlignmentMargin = 1.0;
  platform::TColor TitleFontColor = platform::clWhite;
  TwAlignmentHorizontal DataAlignment = iahCenter;
  double DataAlignmentMargin = 1.0;
  platform::TColor DataFontColor = platform::clWhite;
  bool AutoSize = true;
};

class TwPlotTableButton : public TwPlotScrollButton {
 public:
  using TwPlotScrollButton::TwPlotScrollButton;
};

class TwPlotTable : public TwPlotLayoutObject {
 public:
  TwPlotTable(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
              TwNotifyEvent AOnRename);
  ~TwPlotTable() override;

  // ---- published ----
  double MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(double Value) { SetDoubleProperty(Value, FMarginLeft, ipnChange); }
  double MarginTop() const { return FMarginTop; }
  void SetMarginTop(double Value) { SetDoubleProperty(Value, FMarginTop, ipnChange); }
  double MarginRight() const { return FMarginRight; }
  void SetMarginRight(double Value) { SetDoubleProperty(Value, FMarginRight, ipnChange); }
  double MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(double Value) { SetDoubleProperty(Value, FMarginBottom, ipnChange); }
  platform::TColor GridBackGroundColor() const { return FGridBackGroundColor; }
  void SetGridBackGroundColor(platform::TColor Value) { SetColorProperty(Value, FGridBackGroundColor, ipnChange); }
  bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
  void SetGridBackGroundTransparent(bool Value) { SetBooleanProperty(Value, FGridBackGroundTransparent, ipnChange); }
  platform::TColor GridLinesColor() const { return FGridLinesColor; }
  void SetGridLinesColor(platform::TColor Value) { SetColorProperty(Value, FGridLinesColor, ipnChange); }
  bool GridLinesShow() const { return FGridLinesShow; }
  void SetGridLinesShow(bool Value) { SetBooleanProperty(Value, FGridLinesShow, ipnChange); }
  // White, bold at creation.
  const platform::TFont& DataFont() const { return FDataFont; }
  void SetDataFont(const platform::TFont& Value);
  double ColumnSpacing() const { return FColumnSpacing; }
  void SetColumnSpacing(double Value) { SetDoubleProperty(Value, FColumnSpacing, ipnChange); }
  double RowSpacing() const { return FRowSpacing; }
  void SetRowSpacing(double Value) { SetDoubleProperty(Value, FRowSpacing, ipnChange); }
  int RowsMax() const { return FRowsMax; }
  void SetRowsMax(int Value) { SetIntegerProperty(Value, FRowsMax, ipnChange); }
  bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
  void SetColumnTitlesVisible(bool Value) { SetBooleanProperty(Value, FColumnTitlesVisible, ipnChange); }
  // Aqua, bold at creation.
  const platform::TFont& ColumnTitlesFont() const { return FColumnTitlesFont; }
  void SetColumnTitlesFont(const platform::TFont& Value);

  // ---- columns and rows ----
  int ColumnCount() const { return int(FColumns.size()); }
  int RowCount() const { return int(FRows.size()); }
  // The column's settings; std::out_of_range outside 0..ColumnCount-1.
  TwPlotTableColumn& Column(int Index) { return *FColumns.at(Index); }
  int AddColumn(const QString& Title);
  void DeleteColumn(int Index);
  void RemoveAllColumns();
  int AddRow();
  void DeleteRow(int Index);
  void RemoveAllRows();
  // The row's whole text (lines are cells); std::out_of_range outside the rows.
  QString RowText(int Index) const;
  void SetRowText(int Index, const QString& Text);
  QString GetCellText(int Column, int Row) const;
  // The first row shown; written without notification.
  int RowDisplayStartIndex() const { return FRowDisplayStartIndex; }
  void SetRowDisplayStartIndex(int Value) { FRowDisplayStartIndex = Value; }
  // The last row the last layout shows.
  int RowDisplayStopIndex() const { return FRowDisplayStopIndex; }

  TwPlotTableButton* UpButton() const { return FUpButton.get(); }
  TwPlotTableButton* DownButton() const { return FDownButton.get(); }

  int GetRequiredWidth(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  TwPlotObject* GetMouseOverObject(int X, int Y) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  void NotificationSetFocus(TwPersistent* Sender) override;

 protected:
  // Places the grid, the rows shown and the buttons; false when there is
  // nothing to show.
  bool CalcLayout(platform::Canvas& Canvas);
  void drawGridLines(platform::Canvas& Canvas);
  void drawCaptions(platform::Canvas& Canvas);
  void drawCells(platform::Canvas& Canvas);
  // Text in Rect by Alignment, the margin in character widths from the
  // aligned edge, vertically centred on one line.
  void drawCellText(platform::Canvas& Canvas, const QString& Text, platform::TRect Rect, TwAlignmentHorizontal Alignment,
                    double Margin, int CharWidth);

 private:
  void ButtonClick(bool Up);

  double FMarginLeft = 1.0, FMarginTop = 1.0, FMarginRight = 1.0, FMarginBottom = 1.0;
  platform::TColor FGridBackGroundColor = platform::TColor(0x808080);
  bool FGridBackGroundTransparent = false;
  platform::TColor FGridLinesColor = platform::clWhite;
  bool FGridLinesShow = true;
  platform::TFont FDataFont;
  double FColumnSpacing = 2.0;
  double FRowSpacing = 0.5;
  int FRowsMax = 0;
  bool FColumnTitlesVisible = true;
  platform::TFont FColumnTitlesFont;

  std::vector<std::unique_ptr<TwPlotTableColumn>> FColumns;
  QStringList FRows;
  std::unique_ptr<TwPlotTableButton> FUpButton, FDownButton;
  int FRowDisplayStartIndex = 0, FRowDisplayStopIndex = -1;
  int FRowHeight = 0, FRowsShown = 0;
  int FTitleCharWidth = 0, FDataCharWidth = 0;
  platform::TRect FGridRect, FCaptionRect;
  int FRequiredWidth = 0, FRequiredHeight = 0;
};
