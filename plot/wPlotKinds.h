// The plot's other object kinds: legend, table, limit and annotation (the
// label, toolbar and data cursor have their own headers, included here), with
// the properties the plot and its managers read and set. None of them draws
// or asks for room yet.
#pragma once

#include "plot/wPlotDataCursor.h"
#include "plot/wPlotLabel.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotToolBar.h"

class TwPlotDataView;

// What an annotation's position and size refer to.
enum TwPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TwPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };

#define TW_PLOT_KIND_CTOR(Class, Base)                                                                        \
  Class(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove, \
        TwNotifyEvent AOnRename)                                                                            \
      : Base(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))

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
