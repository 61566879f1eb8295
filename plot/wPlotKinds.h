// The plot's object kinds beside the axes, data view and channels: this
// header gathers those with files of their own (label, legend, table, limit,
// annotation) and holds the toolbar and data cursor, with the properties the
// plot and its managers read and set. The toolbar keeps the select, zoom-box
// and cursor states that the plot's toolbar-select switch clicks.
#pragma once

#include "plot/wPlotAnnotation.h"
#include "plot/wPlotLabel.h"
#include "plot/wPlotLimit.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotTable.h"

class TwPlotDataView;

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

#undef TW_PLOT_KIND_CTOR
