// TwXYPlotChannel: one curve of an XY plot: its points in the order added,
// drawn as a trace joining them in that order, in the channel's Color, with an
// optional marker on every point. AddXY appends a point; DeletePoints(n)
// removes the n oldest points, and all of them when n is the point count (also
// 0 on an empty channel). Every change asks the plot for a repaint.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotChannelCustom.h"

class QPainter;
class TwPlotAxis;

class TwXYPlotChannel : public TwPlotChannelCustom {
 public:
  using TwPlotChannelCustom::TwPlotChannelCustom;

  // Appends a point; returns its index.
  int AddXY(double x, double y);
  // Removes the n oldest points; n equal to Count empties the channel.
  // Throws std::out_of_range("Delete size out of Range") for n < 0 or n > Count.
  void DeletePoints(int n);
  void Clear() override;
  int Count() const { return int(FPoints.size()); }
  double GetX(int index) const { return FPoints.at(index).x(); }
  double GetY(int index) const { return FPoints.at(index).y(); }

  bool TraceVisible() const { return FTraceVisible; }
  void SetTraceVisible(bool v);
  int TraceLineWidth() const { return FTraceLineWidth; }
  void SetTraceLineWidth(int v);
  TwPlotLineStyle TraceLineStyle() const { return FTraceLineStyle; }
  void SetTraceLineStyle(TwPlotLineStyle v);
  bool MarkersVisible() const { return FMarkersVisible; }
  void SetMarkersVisible(bool v);
  // Half the marker's extent in pixels.
  int MarkersSize() const { return FMarkersSize; }
  void SetMarkersSize(int v);
  TwPlotMarkerStyle MarkersStyle() const { return FMarkersStyle; }
  void SetMarkersStyle(TwPlotMarkerStyle v);
  int MarkersPenWidth() const { return FMarkersPenWidth; }
  void SetMarkersPenWidth(int v);
  // Draws the trace, then the markers, through the two axes.
  void Draw(QPainter& p, const TwPlotAxis& x, const TwPlotAxis& y) const;
  // Through the axes the channel names; nothing without both.
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;

 protected:
  virtual void drawTrace(QPainter& p, const std::vector<QPointF>& pixels) const;
  virtual void drawMarker(QPainter& p, const QPointF& centre) const;

 private:
  std::vector<QPointF> FPoints;
  bool FTraceVisible = true;
  int FTraceLineWidth = 1;
  TwPlotLineStyle FTraceLineStyle = iplsSolid;
  bool FMarkersVisible = false;
  int FMarkersSize = 3;
  TwPlotMarkerStyle FMarkersStyle = ipmsCircle;
  int FMarkersPenWidth = 0;
};
