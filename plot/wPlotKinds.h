// The plot's other object kinds: toolbar, legend, table, data cursor, limit
// and annotation (the label has its own header), with the properties the
// plot and its managers read and set. None of them draws or asks for room
// yet; the toolbar keeps the select, zoom-box and cursor states that the
// plot's toolbar-select switch clicks.
#pragma once

#include "plot/wPlotLabel.h"
#include "plot/wPlotObjects.h"

class TwPlotDataView;

// What an annotation's position and size refer to.
enum TwPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TwPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };

#define TW_PLOT_KIND_CTOR(Class, Base)                                                                        \
  Class(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove, \
        TwNotifyEvent AOnRename)                                                                            \
      : Base(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))

class TwPlotToolBar : public TwPlotLayoutObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotToolBar, TwPlotLayoutObject) { SetHorizontal(true); }
  bool SelectActive() const { return FSelectActive; }
  bool ZoomBoxActive() const { return FZoomBoxActive; }
  bool CursorActive() const { return FCursorActive; }
  // The select button: turns select mode on or off; on ends the other modes.
  void ClickSelect();

 private:
  bool FSelectActive = false, FZoomBoxActive = false, FCursorActive = false;
};

// A button of a toolbar.
class TwPlotToolBarButton : public TwPlotButton {
 public:
  using TwPlotButton::TwPlotButton;
};

class TwPlotLegend : public TwPlotLayoutObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotLegend, TwPlotLayoutObject) {}
  // A data cursor shows all channels in the legend.
  bool CursorAllChannels() const { return FCursorAllChannels; }
  void SetCursorAllChannels(bool v) { FCursorAllChannels = v; }

 private:
  bool FCursorAllChannels = false;
};

class TwPlotTable : public TwPlotLayoutObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotTable, TwPlotLayoutObject) {}
};

class TwPlotDataCursor : public TwPlotManagerObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotDataCursor, TwPlotManagerObject) {}
  TwPlotDataView* DataView() const { return FDataView; }
  void SetDataView(TwPlotDataView* v) { FDataView = v; }
  QString ChannelName() const { return FChannelName; }
  void SetChannelName(const QString& v) { SetStringProperty(v, FChannelName, ipnChange); }
  bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
  void SetChannelShowAllInLegend(bool v) { SetBooleanProperty(v, FChannelShowAllInLegend, ipnChange); }
  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;

 private:
  TwPlotDataView* FDataView = nullptr;
  QString FChannelName;
  bool FChannelShowAllInLegend = false;
};

class TwPlotLimit : public TwPlotManagerObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotLimit, TwPlotManagerObject) {}
  QString XAxisName() const { return FXAxisName; }
  void SetXAxisName(const QString& v) { SetStringProperty(v, FXAxisName, ipnChange); }
  QString YAxisName() const { return FYAxisName; }
  void SetYAxisName(const QString& v) { SetStringProperty(v, FYAxisName, ipnChange); }
  // Drawn beneath the data view's grid.
  bool DrawBelowGrid() const { return false; }

 private:
  QString FXAxisName, FYAxisName;
};

class TwPlotAnnotation : public TwPlotManagerObject {
 public:
  TW_PLOT_KIND_CTOR(TwPlotAnnotation, TwPlotManagerObject) {}
  TwPlotDataView* DataView() const { return FDataView; }
  void SetDataView(TwPlotDataView* v) { FDataView = v; }

  platform::TBrushStyle BrushStyle = platform::bsSolid;
  platform::TColor BrushColor = platform::clWhite;
  platform::TPenStyle PenStyle = platform::psSolid;
  platform::TColor PenColor = platform::clWhite;
  int PenWidth = 1;
  TwPlotReferenceType Reference = iprtDataView;
  TwPlotReferenceIndividual ReferencePositionX = ipriAuto, ReferencePositionY = ipriAuto;
  TwPlotReferenceIndividual ReferenceSizeX = ipriAuto, ReferenceSizeY = ipriAuto;
  platform::TFont Font;

 private:
  TwPlotDataView* FDataView = nullptr;
};

#undef TW_PLOT_KIND_CTOR
