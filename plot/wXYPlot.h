// TwXYPlot: the plot control of the transfer curves. A new plot has one X axis
// ("X-Axis 1", below the data view), one Y axis ("Y-Axis 1", left of it), one
// channel ("Channel 1", red) and a data view with a green grid on the plot's
// black background. The windows add the channels they need with AddChannel,
// set the axes' ranges (SetMinSpan) and tick steps, and then fill channels
// through GetChannel(i).DeletePoints / AddXY.
//
// Paint order: background, data view grid and frame, channels (trace, then
// markers; clipped to the data view), axes with their labels.
#pragma once

#include "plot/wPlotAxis.h"
#include "plot/wXYPlotChannel.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <vector>

class TwXYPlot : public QWidget {
  Q_OBJECT
 public:
  explicit TwXYPlot(QWidget* parent = nullptr);
  ~TwXYPlot() override;

  // Channel i; throws std::out_of_range for an index outside 0..ChannelCount-1.
  TwXYPlotChannel* GetChannel(int index) const;
  int ChannelCount() const { return int(FChannels.size()); }
  // Adds a channel named "Channel n"; returns its index.
  int AddChannel();
  void DeleteChannel(int index);

  TwPlotXAxis* XAxis() const { return FXAxis.get(); }
  TwPlotYAxis* YAxis() const { return FYAxis.get(); }

  QColor BackGroundColor() const { return FBackGroundColor; }
  void SetBackGroundColor(const QColor& v);
  bool GridShow() const { return FGridShow; }
  void SetGridShow(bool v);
  QColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(const QColor& v);
  int Tag() const;
  void SetTag(int v);

  // The data view's rectangle for the current size (layout in one place).
  QRect DataViewRect() const;

  QSize sizeHint() const override { return QSize(500, 200); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  virtual void drawBackground(QPainter& p);
  virtual void drawDataView(QPainter& p, const QRect& view);
  virtual void drawChannels(QPainter& p, const QRect& view);
  virtual void drawAxes(QPainter& p, const QRect& view);

 private:
  void Layout();
  void ObjectChanged() { update(); }

  std::unique_ptr<TwPlotXAxis> FXAxis;
  std::unique_ptr<TwPlotYAxis> FYAxis;
  std::vector<std::unique_ptr<TwXYPlotChannel>> FChannels;
  int FNextChannelNumber = 1;
  QColor FBackGroundColor, FGridLineColor;
  bool FGridShow = true;
};
