// TwPlotLegend: the list of the plot's channels beside the data view. Each
// channel whose VisibleInLegend is set gets an entry: a line sample, a marker
// sample, its name (TitleText, else Name), optionally the titles of its X and
// Y axes, the X and Y of its last point (or the data cursor's texts while a
// visible cursor follows all channels, CursorAllChannels), and its running Y
// maximum, minimum and mean. Empty cells read "Empty" (no points), "N/A" (no
// such axis) and "None" (no axis for a title column), translated.
//
// Layout (CalcLayout, run by GetRequiredWidth and Draw). Sizes are in
// characters of Font: margins and ColumnSpacing in widths (top and bottom
// margins in heights), the row and wrap spacing (WrapRowSpacingMin, alias
// RowSpacing; WrapColSpacingMin) in heights. Names wrap within
// ChannelNameMaxWidth characters when it is not 0. The entries fill the rows
// that fit (WrapRowDesiredCount, or automatically up to WrapRowAutoCountMax)
// and then further wrap columns (WrapColDesiredCount, or automatically up to
// WrapColAutoCountMax); WrapColSpacingAuto spreads the columns of a
// horizontal legend, WrapRowSpacingAuto the rows of a vertical one. When not
// all entries fit, 17 x 17 up and down buttons scroll one entry from
// ViewStartIndex; ViewStopIndex is the last entry shown.
//
// Drawing. The selected channel's name stands on SelectedItemBackGroundColor
// in SelectedItemFont; the names' colour follows ChannelNameColorStyle. Each
// name's rectangle becomes its channel's legend rectangle, where a click
// selects the channel. A release on the legend fires OnClickLegend
// (OnDblClickLegend after a double click).
//
// Every setter notifies (a repaint) when the value changes; the two
// Wrap...DesiredCount setters raise values below 1 to 1; the font setters
// copy the given font.
#pragma once

#include <QString>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotScrollButton.h"

class TwPlotAxis;
class TwPlotChannelCustom;

enum TwPlotLegendChannelNameColorStyle {
  iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};

// One listed channel and where the last layout placed it.
struct TwPlotLegendItem {
  TwPlotChannelCustom* Channel = nullptr;
  int MaxHeight = 0;
  int ALeft = 0, ATop = 0;
  // 1-based row and wrap column.
  int ARow = 0, ACol = 0;
};

class TwPlotLegendButton : public TwPlotScrollButton {
 public:
  using TwPlotScrollButton::TwPlotScrollButton;
};

class TwPlotLegend : public TwPlotLayoutObject {
 public:
  TwPlotLegend(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
               TwNotifyEvent AOnRename);
  ~TwPlotLegend() override;

#define TW_LEGEND_DOUBLE(Name)                 \
  double Name() const { return F##Name; }      \
  void Set##Name(double Value) { SetDoubleProperty(Value, F##Name, ipnChange); }
#define TW_LEGEND_BOOL(Name)                   \
  bool Name() const { return F##Name; }        \
  void Set##Name(bool Value) { SetBooleanProperty(Value, F##Name, ipnChange); }
#define TW_LEGEND_INT(Name)                    \
  int Name() const { return F##Name; }         \
  void Set##Name(int Value) { SetIntegerProperty(Value, F##Name, ipnChange); }
#define TW_LEGEND_STRING(Name)                 \
  QString Name() const { return F##Name; }     \
  void Set##Name(const QString& Value) { SetStringProperty(Value, F##Name, ipnChange); }

  TW_LEGEND_DOUBLE(MarginLeft)
  TW_LEGEND_DOUBLE(MarginTop)
  TW_LEGEND_DOUBLE(MarginRight)
  TW_LEGEND_DOUBLE(MarginBottom)
  platform::TColor BackGroundColor() const { return FBackGroundColor; }
  void SetBackGroundColor(platform::TColor Value) { SetColorProperty(Value, FBackGroundColor, ipnChange); }
  TW_LEGEND_BOOL(BackGroundTransparent)
  platform::TColor SelectedItemBackGroundColor() const { return FSelectedItemBackGroundColor; }
  void SetSelectedItemBackGroundColor(platform::TColor Value) {
    SetColorProperty(Value, FSelectedItemBackGroundColor, ipnChange);
  }
  const platform::TFont& SelectedItemFont() const { return FSelectedItemFont; }
  void SetSelectedItemFont(const platform::TFont& Value) { SetFont(FSelectedItemFont, Value); }
  TW_LEGEND_BOOL(ShowColumnLine)
  TW_LEGEND_BOOL(ShowColumnMarker)
  TW_LEGEND_BOOL(ShowColumnXAxisTitle)
  TW_LEGEND_BOOL(ShowColumnYAxisTitle)
  TW_LEGEND_BOOL(ShowColumnXValue)
  TW_LEGEND_BOOL(ShowColumnYValue)
  TW_LEGEND_BOOL(ShowColumnYMax)
  TW_LEGEND_BOOL(ShowColumnYMin)
  TW_LEGEND_BOOL(ShowColumnYMean)
  TW_LEGEND_STRING(CaptionColumnTitle)
  TW_LEGEND_STRING(CaptionColumnXAxisTitle)
  TW_LEGEND_STRING(CaptionColumnYAxisTitle)
  TW_LEGEND_STRING(CaptionColumnXValue)
  TW_LEGEND_STRING(CaptionColumnYValue)
  TW_LEGEND_STRING(CaptionColumnYMax)
  TW_LEGEND_STRING(CaptionColumnYMin)
  TW_LEGEND_STRING(CaptionColumnYMean)
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value) { SetFont(FFont, Value); }
  TW_LEGEND_DOUBLE(ColumnSpacing)
  // One value under two names.
  double RowSpacing() const { return FWrapRowSpacingMin; }
  void SetRowSpacing(double Value) { SetWrapRowSpacingMin(Value); }
  int WrapColDesiredCount() const { return FWrapColDesiredCount; }
  void SetWrapColDesiredCount(int Value) { SetIntegerProperty(std::max(1, Value), FWrapColDesiredCount, ipnChange); }
  TW_LEGEND_BOOL(WrapColAutoCountEnabled)
  TW_LEGEND_INT(WrapColAutoCountMax)
  TW_LEGEND_DOUBLE(WrapColSpacingMin)
  TW_LEGEND_BOOL(WrapColSpacingAuto)
  int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
  void SetWrapRowDesiredCount(int Value) { SetIntegerProperty(std::max(1, Value), FWrapRowDesiredCount, ipnChange); }
  TW_LEGEND_BOOL(WrapRowAutoCountEnabled)
  TW_LEGEND_INT(WrapRowAutoCountMax)
  TW_LEGEND_DOUBLE(WrapRowSpacingMin)
  TW_LEGEND_BOOL(WrapRowSpacingAuto)
  TW_LEGEND_BOOL(ColumnTitlesVisible)
  const platform::TFont& ColumnTitlesFont() const { return FColumnTitlesFont; }
  void SetColumnTitlesFont(const platform::TFont& Value) { SetFont(FColumnTitlesFont, Value); }
  TW_LEGEND_DOUBLE(ChannelNameMaxWidth)
  TwPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
  void SetChannelNameColorStyle(TwPlotLegendChannelNameColorStyle Value);
  TW_LEGEND_INT(LineColumnWidth)
  TW_LEGEND_INT(LineColumnHeight)
#undef TW_LEGEND_DOUBLE
#undef TW_LEGEND_BOOL
#undef TW_LEGEND_INT
#undef TW_LEGEND_STRING

  // ---- public ----
  int ViewStartIndex() const { return FViewStartIndex; }
  void SetViewStartIndex(int Value) { SetIntegerProperty(Value, FViewStartIndex, ipnChange); }
  int ViewStopIndex() const { return FViewStopIndex; }
  // A visible data cursor shows all channels in the legend (set by the
  // plot's paint).
  bool CursorAllChannels() const { return FCursorAllChannels; }
  void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }
  // The entries of the last layout.
  int ItemCount() const { return int(FItems.size()); }
  const TwPlotLegendItem& Item(int Index) const { return FItems.at(Index); }
  TwPlotLegendButton* UpButton() const { return FUpButton.get(); }
  TwPlotLegendButton* DownButton() const { return FDownButton.get(); }
  int WrapColCount() const { return FWrapColCount; }
  int WrapRowCount() const { return FWrapRowCount; }

  // The texts of one entry's cells.
  QString AxisTitleText(TwPlotAxis* Axis) const;
  QString XValueText(TwPlotChannelCustom* Channel) const;
  QString YValueText(TwPlotChannelCustom* Channel) const;
  enum TwStatistic { isYMax, isYMin, isYMean };
  QString StatisticText(TwPlotChannelCustom* Channel, TwStatistic Which) const;

  int GetRequiredWidth(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  TwPlotObject* GetMouseOverObject(int X, int Y) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  void NotificationSetFocus(TwPersistent* Sender) override;

 protected:
  void DoMouseUp(const TwPlotMouseData& MouseData) override;

  // The columns of an entry, in their order.
  enum TwColumn { icLine, icMarker, icName, icXTitle, icYTitle, icXValue, icYValue, icYMax, icYMin, icYMean, icCount };
  bool ColumnShown(TwColumn Column) const;
  QString CellText(const TwPlotLegendItem& Item, TwColumn Column) const;
  // Places the entries and the buttons; the required size.
  void CalcLayout(platform::Canvas& Canvas);
  void CalcColumnWidths(platform::Canvas& Canvas, int CharWidth, int CharHeight);
  void PlaceItems();
  void drawCaptions(platform::Canvas& Canvas);
  void drawItem(platform::Canvas& Canvas, const TwPlotLegendItem& Item, platform::TColor BackGroundColor);
  void drawLineSample(platform::Canvas& Canvas, int X, int Y, TwPlotLineStyle Style, platform::TColor Color);

 private:
  void SetFont(platform::TFont& Field, const platform::TFont& Value);
  void ButtonClick(bool Up);

  double FMarginLeft = 1.0, FMarginTop = 1.0, FMarginRight = 1.0, FMarginBottom = 1.0;
  platform::TColor FBackGroundColor = platform::TColor(0x808080);
  bool FBackGroundTransparent = true;
  platform::TColor FSelectedItemBackGroundColor = platform::TColor(0x00FFFF);
  platform::TFont FSelectedItemFont;
  bool FShowColumnLine = true, FShowColumnMarker = false;
  bool FShowColumnXAxisTitle = false, FShowColumnYAxisTitle = false;
  bool FShowColumnXValue = false, FShowColumnYValue = false;
  bool FShowColumnYMax = false, FShowColumnYMin = false, FShowColumnYMean = false;
  QString FCaptionColumnTitle = QStringLiteral("Title");
  QString FCaptionColumnXAxisTitle = QStringLiteral("X-Axis"), FCaptionColumnYAxisTitle = QStringLiteral("Y-Axis");
  QString FCaptionColumnXValue = QStringLiteral("X"), FCaptionColumnYValue = QStringLiteral("Y");
  QString FCaptionColumnYMax = QStringLiteral("Y-Max"), FCaptionColumnYMin = QStringLiteral("Y-Min");
  QString FCaptionColumnYMean = QStringLiteral("Y-Mean");
  platform::TFont FFont;
  double FColumnSpacing = 0.5;
  int FWrapColDesiredCount = 1;
  bool FWrapColAutoCountEnabled = false;
  int FWrapColAutoCountMax = 100;
  double FWrapColSpacingMin = 2.0;
  bool FWrapColSpacingAuto = true;
  int FWrapRowDesiredCount = 5;
  bool FWrapRowAutoCountEnabled = true;
  int FWrapRowAutoCountMax = 100;
  double FWrapRowSpacingMin = 0.25;
  bool FWrapRowSpacingAuto = false;
  bool FColumnTitlesVisible = false;
  platform::TFont FColumnTitlesFont;
  double FChannelNameMaxWidth = 0;
  TwPlotLegendChannelNameColorStyle FChannelNameColorStyle = iplcncsFont;
  int FLineColumnWidth = 13;
  int FLineColumnHeight = 3;

  int FViewStartIndex = 0, FViewStopIndex = -1;
  bool FCursorAllChannels = false;
  std::vector<TwPlotLegendItem> FItems;
  std::vector<int> FWrapColLefts;
  std::unique_ptr<TwPlotLegendButton> FUpButton, FDownButton;
  platform::TRect FInnerRect, FCaptionRect, FItemsRect;
  int FColumnStart[icCount] = {}, FColumnWidth[icCount] = {};
  int FMarginLeftPixels = 0, FMarginRightPixels = 0, FMarginTopPixels = 0, FMarginBottomPixels = 0;
  int FItemWidth = 0, FItemHeight = 0, FItemMaxHeight = 0;
  int FColumnSpacingPixels = 0, FRowSpacingPixels = 0, FWrapSpacingPixels = 0;
  int FCaptionHeight = 0, FCaptionMargin = 0;
  int FRequiredWidth = 0, FRequiredHeight = 0;
  int FWrapColCount = 0, FWrapRowCount = 0;
};
