// Plots for the data cursor's tests: the forms' XY plot with its cursor
// shown on a data view 200 pixels wide, and a time-series plot (TwPlot)
// built the same way.
#pragma once

#include "PlotInputFixture.h"
#include "plot/wPlot.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotDataView.h"

// Resizes Plot so that its data view is Width pixels wide.
inline void FitDataView(TwPlotComponent& Plot, int Width) {
  Plot.ReCalcLayout();
  for (int i = 0; i < 3 && Plot.GetDataView(0)->Width() != Width; ++i) {
    Plot.resize(Plot.width() + Width - Plot.GetDataView(0)->Width(), Plot.height());
    Plot.ReCalcLayout();
  }
}

struct CursorPlot : InputPlot {
  CursorPlot() {
    cursor = GetDataCursor(0);
    cursor->SetVisible(true);
    FitDataView(*this, 200);
  }
  TwPlotDataView* View() const { return GetDataView(0); }
  int PX(double Percent) const { return View()->PositionPercentToPixelsX(Percent); }
  int PY(double Percent) const { return View()->PositionPercentToPixelsY(Percent); }
  QImage Shot() {
    ReCalcLayout();
    return grab().toImage();
  }
  TwPlotDataCursor* cursor;
};

// A time-series plot (TwPlot) laid out the same way, its toolbar hidden.
class SeriesPlot : public TwPlot {
 public:
  SeriesPlot() {
    GetToolBar(0)->SetVisible(false);
    resize(400, 300);
    cursor = GetDataCursor(0);
    cursor->SetVisible(true);
    FitDataView(*this, 200);
  }
  TwPlotDataView* View() const { return GetDataView(0); }
  TwPlotDataCursor* cursor;
};
