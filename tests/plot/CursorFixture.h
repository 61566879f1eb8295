// Plots for the data cursor's tests: the forms' XY plot with its cursor
// shown on a data view 200 pixels wide, and a time-series plot built the
// same way with TwPlotChannel channels.
#pragma once

#include "PlotInputFixture.h"
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

// A plot of the time-series kind: every object a new plot holds, with
// TwPlotChannel channels.
class SeriesPlot : public TwPlotComponent {
 public:
  SeriesPlot() {
    Master()->SetChannelClass([](TwPlotComponent* o, TwNotifyEvent c, TwNotifyEvent i, TwNotifyEvent r,
                                 TwNotifyEvent n) -> TwPlotChannelCustom* {
      return new TwPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
    });
    DisableLayoutManager();
    GetToolBar(AddToolBar())->SetVisible(false);
    AddLegend();
    AddXAxis();
    AddYAxis();
    AddChannel();
    AddDataView();
    AddDataCursor();
    EnableLayoutManager();
    resize(400, 300);
    cursor = GetDataCursor(0);
    cursor->SetVisible(true);
    FitDataView(*this, 200);
  }
  TwPlotDataCursor* cursor;
};
