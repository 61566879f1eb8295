// TwPlotDataView: the rectangle in which the channels draw. The layout pass
// sets data view 0's draw rectangle; the view draws its grid at the major
// ticks of the axes it names (GridXAxisName, GridYAxisName) and a frame, both
// in GridLineColor, when GridShow is set. A transparent view (the default)
// lets the plot's background colour show and fills nothing itself.
#pragma once

#include "plot/wPlotObjects.h"

class TwPlotAxis;

class TwPlotDataView : public TwPlotLayoutObject {
 public:
  TwPlotDataView(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                 TwNotifyEvent AOnRename);

  bool GridShow() const { return FGridShow; }
  void SetGridShow(bool v) { SetBooleanProperty(v, FGridShow, ipnChange); }
  platform::TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(platform::TColor v) { SetColorProperty(v, FGridLineColor, ipnChange); }
  QString GridXAxisName() const { return FGridXAxisName; }
  void SetGridXAxisName(const QString& v) { SetStringProperty(v, FGridXAxisName, ipnChange); }
  QString GridYAxisName() const { return FGridYAxisName; }
  void SetGridYAxisName(const QString& v) { SetStringProperty(v, FGridYAxisName, ipnChange); }
  bool BackgroundTransparent() const { return FBackgroundTransparent; }
  void SetBackgroundTransparent(bool v) { SetBooleanProperty(v, FBackgroundTransparent, ipnChange); }
  platform::TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(platform::TColor v) { SetColorProperty(v, FBackgroundColor, ipnChange); }

  // Fills the view unless transparent.
  void DrawBackground(platform::Canvas& Canvas);
  // Grid and frame.
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  // The zoom box while the user drags one; none yet.
  void DrawZoomBox(platform::Canvas& /*Canvas*/) {}

  void NotificationRename(TwPersistent* Sender) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;

 private:
  bool FGridShow = true;
  platform::TColor FGridLineColor = platform::clGreen;
  QString FGridXAxisName, FGridYAxisName;
  bool FBackgroundTransparent = true;
  platform::TColor FBackgroundColor = platform::clBlack;
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
