// TwXYPlotChannel: the channel of the XY plot: a free sequence of (X, Y)
// points drawn in the order they were added, each joined to the next by a
// straight segment (the point-to-point trace of TwPlotChannelCustom), with
// markers. Its draw range is the whole store: a ring buffer draws oldest
// first and never across its seam.
//
// The plot draws it when both axes resolve, it is Visible and holds a point
// (one point shows only its marker). With ClipToAxes the drawing is clipped
// to the rectangle of the two axes' ranges, and segments to the Y range.
// AddNull and AddEmpty append a Null (gap) or Empty (placeholder) point at
// (0, 0) straight to the store, without statistics or tracking.
//
// Zoom to fit: GetFitXMax ... GetFitYMin give the extents of the valid points
// widened by their markers (-1e300 for a maximum and 1e300 for a minimum when
// there is nothing to fit).
#pragma once

#include "plot/wPlotChannelCustom.h"

class TwXYPlotChannel : public TwPlotChannelCustom {
 public:
  using TwPlotChannelCustom::TwPlotChannelCustom;

  int AddNull();
  int AddEmpty();

  void PrepareDraw(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void CalcDrawStartIndex() override;
  void CalcDrawStopIndex() override;
  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;
  // The X and Y under the cursor's pointers by its style, through the axes
  // (wXYPlotChannelCursor.cpp).
  void UpdateDataCursor(TwPlotDataCursor* DataCursor) override;

 private:
  // The extreme of Value(i) over the valid points; Start when there is none
  // or nothing to fit.
  template <class F>
  double Fit(double Start, F Value, bool Larger);
};
