// The plot's object kinds beside the axes, data view and channels: this
// header gathers the kinds' own headers (label, toolbar, data cursor, table,
// limit, annotation) and holds the legend, with the properties the plot and
// its managers read and set.
#pragma once

#include "plot/wPlotAnnotation.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotLabel.h"
#include "plot/wPlotLimit.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotTable.h"
#include "plot/wPlotToolBar.h"

class TwPlotDataView;

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

#undef TW_PLOT_KIND_CTOR
