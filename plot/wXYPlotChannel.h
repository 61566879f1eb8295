// TwXYPlotChannel: one curve of an XY plot: its points in the order added,
// drawn as a trace joining them in that order, in the channel's Color, with an
// optional marker on every point. AddXY appends a point; DeletePoints(n)
// removes the n oldest points, and all of them when n is the point count (also
// 0 on an empty channel). Every change asks the plot for a repaint.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

#include "controls/wDraw.h"

class QPainter;
class TwPlotAxis;

class TwXYPlotChannel : public QObject {
  Q_OBJECT
 public:
  explicit TwXYPlotChannel(const QString& name, QObject* parent = nullptr);

  QString Name() const { return FName; }
  QString TitleText() const { return FTitleText; }
  void SetTitleText(const QString& v);

  // Appends a point; returns its index.
  int AddXY(double x, double y);
  // Removes the n oldest points; n equal to Count empties the channel.
  // Throws std::out_of_range("Delete size out of Range") for n < 0 or n > Count.
  void DeletePoints(int n);
  void Clear();
  int Count() const { return int(FPoints.size()); }
  double GetX(int index) const { return FPoints.at(index).x(); }
  double GetY(int index) const { return FPoints.at(index).y(); }

  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
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
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);

  // Draws the trace, then the markers, through the two axes.
  void Draw(QPainter& p, const TwPlotAxis& x, const TwPlotAxis& y) const;

  std::function<void(QObject* Sender)> OnChange;

 protected:
  virtual void drawTrace(QPainter& p, const std::vector<QPointF>& pixels) const;
  virtual void drawMarker(QPainter& p, const QPointF& centre) const;

 private:
  void DoChange();

  QString FName, FTitleText;
  std::vector<QPointF> FPoints;
  QColor FColor;
  bool FTraceVisible = true;
  int FTraceLineWidth = 1;
  TwPlotLineStyle FTraceLineStyle = iplsSolid;
  bool FMarkersVisible = false;
  int FMarkersSize = 3;
  TwPlotMarkerStyle FMarkersStyle = ipmsCircle;
  int FMarkersPenWidth = 0;
  bool FVisible = true;
};
