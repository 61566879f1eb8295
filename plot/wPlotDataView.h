// TwPlotDataView: the rectangle of the plot in which the channels are drawn.
// The layout pass sets data view 0's draw rectangle. The view fills its
// background unless transparent (the default), draws the grid through its
// axes (GridXAxisName / GridYAxisName, "<ALL>" in any case for every axis of
// that kind) at the axes' major (and, when asked, minor) ticks with the common
// pens or the custom ones of each kind, then the frame edges, all in
// GridLineColor, and a focus frame while the user has selected it.
//
// Mouse. What the mouse does (GetInteractionMode) follows the plot's first
// toolbar: 2 while its select button is down (unless
// AxesControlAllowInSelectMode), 1 while its zoom-box button is down, else 3
// when AxesControlEnabled, else 0; modes 0 and 2 leave the mouse to the other
// objects. Mode 1: a left drag draws a zoom box. Mode 3: a left drag moves the
// axes (AxesControlMouseStyle; Shift locks ipacsBoth to one direction once the
// mouse has moved more than 3 pixels), the wheel goes to the axes
// (AxesControlWheelStyle, Shift exchanges X and Y), and a right drag of more
// than 5 pixels across or 6 down draws a zoom box. A zoom box dragged right
// and down zooms every axis to it unless the plot's OnBeforeZoomBox cancels;
// any other direction, a double click or Escape drops it. Every drag and box
// switches the axes' tracking off.
//
// Percentages: X from the left edge, Y from the bottom edge of the draw
// rectangle (0 at the bottom, 100 at the top).
#pragma once

#include "plot/wPlotAxis.h"
#include "plot/wPlotObjects.h"

enum TwPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

class TwPlotDataView : public TwPlotLayoutObject {
 public:
  TwPlotDataView(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                 TwNotifyEvent AOnRename);

  QString Title() const { return FTitle; }
  void SetTitle(const QString& v) { SetStringProperty(v, FTitle, ipnChange); }
  bool BackgroundTransparent() const { return FBackgroundTransparent; }
  void SetBackgroundTransparent(bool v) { SetBooleanProperty(v, FBackgroundTransparent, ipnChange); }
  platform::TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(platform::TColor v) { SetColorProperty(v, FBackgroundColor, ipnChange); }
  QString GridXAxisName() const { return FGridXAxisName; }
  void SetGridXAxisName(const QString& v);
  QString GridYAxisName() const { return FGridYAxisName; }
  void SetGridYAxisName(const QString& v);
  bool GridShow() const { return FGridShow; }
  void SetGridShow(bool v) { SetBooleanProperty(v, FGridShow, ipnChange); }
  platform::TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(platform::TColor v) { SetColorProperty(v, FGridLineColor, ipnChange); }
  bool GridLineShowLeft() const { return FGridLineShowLeft; }
  void SetGridLineShowLeft(bool v) { SetBooleanProperty(v, FGridLineShowLeft, ipnChange); }
  bool GridLineShowRight() const { return FGridLineShowRight; }
  void SetGridLineShowRight(bool v) { SetBooleanProperty(v, FGridLineShowRight, ipnChange); }
  bool GridLineShowTop() const { return FGridLineShowTop; }
  void SetGridLineShowTop(bool v) { SetBooleanProperty(v, FGridLineShowTop, ipnChange); }
  bool GridLineShowBottom() const { return FGridLineShowBottom; }
  void SetGridLineShowBottom(bool v) { SetBooleanProperty(v, FGridLineShowBottom, ipnChange); }
  bool GridLineShowXMajors() const { return FGridLineShowXMajors; }
  void SetGridLineShowXMajors(bool v) { SetBooleanProperty(v, FGridLineShowXMajors, ipnChange); }
  bool GridLineShowYMajors() const { return FGridLineShowYMajors; }
  void SetGridLineShowYMajors(bool v) { SetBooleanProperty(v, FGridLineShowYMajors, ipnChange); }
  bool GridLineShowXMinors() const { return FGridLineShowXMinors; }
  void SetGridLineShowXMinors(bool v) { SetBooleanProperty(v, FGridLineShowXMinors, ipnChange); }
  bool GridLineShowYMinors() const { return FGridLineShowYMinors; }
  void SetGridLineShowYMinors(bool v) { SetBooleanProperty(v, FGridLineShowYMinors, ipnChange); }
  TwPlotGridLineStyle GridLineMajorStyle() const { return FGridLineMajorStyle; }
  void SetGridLineMajorStyle(TwPlotGridLineStyle v);
  TwPlotGridLineStyle GridLineMinorStyle() const { return FGridLineMinorStyle; }
  void SetGridLineMinorStyle(TwPlotGridLineStyle v);

  // The pen of one kind of grid line (X or Y, major or minor), used instead
  // of the common one while its Custom flag is set.
  struct TwGridPen {
    bool Custom = false;
    platform::TColor Color = platform::clGreen;
    int Width = 0;
    TwPlotGridLineStyle Style = ipglsSolid;
  };
#define TW_GRID_PEN(Kind, Field)                                                                    \
  bool GridLine##Kind##Custom() const { return Field.Custom; }                                     \
  void SetGridLine##Kind##Custom(bool v) { SetBooleanProperty(v, Field.Custom, ipnChange); }       \
  platform::TColor GridLine##Kind##Color() const { return Field.Color; }                           \
  void SetGridLine##Kind##Color(platform::TColor v) { SetColorProperty(v, Field.Color, ipnChange); } \
  int GridLine##Kind##Width() const { return Field.Width; }                                        \
  void SetGridLine##Kind##Width(int v) { SetIntegerProperty(v, Field.Width, ipnChange); }          \
  TwPlotGridLineStyle GridLine##Kind##Style() const { return Field.Style; }                        \
  void SetGridLine##Kind##Style(TwPlotGridLineStyle v) { SetGridStyle(Field.Style, v); }
  TW_GRID_PEN(XMajor, FXMajor)
  TW_GRID_PEN(XMinor, FXMinor)
  TW_GRID_PEN(YMajor, FYMajor)
  TW_GRID_PEN(YMinor, FYMinor)
#undef TW_GRID_PEN

  bool AxesControlEnabled() const { return FAxesControlEnabled; }
  void SetAxesControlEnabled(bool v) { FAxesControlEnabled = v; }
  TwPlotAxesControlStyle AxesControlMouseStyle = ipacsBoth;
  TwPlotAxesControlStyle AxesControlWheelStyle = ipacsXAxis;
  bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
  void SetAxesControlAllowInSelectMode(bool v) { SetBooleanProperty(v, FAxesControlAllowInSelectMode, ipnChange); }

  // Percent of the draw rectangle: X from the left, Y from the bottom.
  double PixelsXToPositionPercent(int X) const;
  double PixelsYToPositionPercent(int Y) const;
  int PositionPercentToPixelsX(double Percent) const;
  int PositionPercentToPixelsY(double Percent) const;

  // 0 none, 1 zoom box, 2 select, 3 axes control.
  int GetInteractionMode() const;
  bool ZoomBoxActive() const { return FZoomBoxActive; }

  // Fills the view unless transparent.
  void DrawBackground(platform::Canvas& Canvas);
  // Grid, frame and selection frame.
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  // The zoom box while one is dragged; the plot draws it after everything.
  void DrawZoomBox(platform::Canvas& Canvas);

  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;
  void DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) override;

 protected:
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseRight(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;
  bool DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y) override;

  // Grid lines of one direction through the named axis (or all of them).
  void DrawGridDirection(platform::Canvas& Canvas, bool XDirection, platform::TColor BackGroundColor);
  void DrawFrameEdges(platform::Canvas& Canvas);
  // Every X axis (X) or Y axis of the plot.
  std::vector<TwPlotAxis*> Axes(bool X) const;
  void RepaintNow();

 private:
  void SetGridStyle(TwPlotGridLineStyle& Field, TwPlotGridLineStyle Value);

  QString FTitle;
  bool FBackgroundTransparent = true;
  platform::TColor FBackgroundColor = platform::clTeal;
  QString FGridXAxisName, FGridYAxisName;
  bool FGridShow = true;
  platform::TColor FGridLineColor = platform::clGreen;
  bool FGridLineShowLeft = true, FGridLineShowRight = true, FGridLineShowTop = true, FGridLineShowBottom = true;
  bool FGridLineShowXMajors = true, FGridLineShowYMajors = true;
  bool FGridLineShowXMinors = false, FGridLineShowYMinors = false;
  TwPlotGridLineStyle FGridLineMajorStyle = ipglsSolid, FGridLineMinorStyle = ipglsSolid;
  TwGridPen FXMajor, FXMinor, FYMajor, FYMinor;
  bool FAxesControlEnabled = false, FAxesControlAllowInSelectMode = false;

  TwPlotAxis* FXAxis = nullptr;
  TwPlotAxis* FYAxis = nullptr;
  bool FDragDown = false, FMouseDownRight = false, FZoomBoxActive = false;
  int FMouseDownX = 0, FMouseDownY = 0, FMouseMoveX = 0, FMouseMoveY = 0;
  bool FDirectionLock = false, FDirectionLockXAxis = false;
};

// The layout manager's stand-ins for the data view's row in the horizontal
// and the vertical stacking.
class TwPlotDataViewLayout : public TwPlotLayoutObject {
 public:
  using TwPlotLayoutObject::TwPlotLayoutObject;
};
class TwPlotDataViewHorz : public TwPlotDataViewLayout {
 public:
  using TwPlotDataViewLayout::TwPlotDataViewLayout;
};
class TwPlotDataViewVert : public TwPlotDataViewLayout {
 public:
  using TwPlotDataViewLayout::TwPlotDataViewLayout;
};
