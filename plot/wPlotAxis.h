// TwPlotAxis (TwPlotXAxis, TwPlotYAxis): the scale of one plot direction. It
// maps values to pixels and back for everything drawn in the plot (channels and
// the data view's grid), builds its major and minor ticks with their label
// texts, and draws its scale line, tick marks, labels and title.
//
// The range is Min .. Min + Span (0 .. 100 for a new axis). Major ticks sit
// every DesiredIncrement (0: a tidy step chosen from the span), aligned so
// that DesiredStart is one of them (0: multiples of the step); MinorCount minor
// ticks lie between two majors. Every setter stores a changed value and asks
// the plot for a repaint (the object's change hook).
//
// In the layout an axis stands beside the data view: it asks for its
// required width across its side and half its widest label as overhang at
// both ends; its scale rectangle is its draw rectangle, and the scale's
// pixel ends follow that rectangle.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

#include "plot/wPlotObjects.h"

class QPainter;

struct TwPlotTick {
  double Position;
  bool Major;
  QString Text;
};

// Axes drawn across the data view instead of beside it.
enum TwPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };

class TwPlotAxis : public TwPlotLayoutObject {
 public:
  TwPlotAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
             TwNotifyEvent AOnRename);

  double Min() const { return FMin; }
  void SetMin(double v);
  double Span() const { return FSpan; }
  void SetSpan(double v);
  double Max() const { return FMin + FSpan; }
  void SetMinSpan(double min, double span);
  double DesiredStart() const { return FDesiredStart; }
  void SetDesiredStart(double v);
  double DesiredIncrement() const { return FDesiredIncrement; }
  void SetDesiredIncrement(double v);
  int MinorCount() const { return FMinorCount; }
  void SetMinorCount(int v);
  int MajorLength() const { return FMajorLength; }
  void SetMajorLength(int v);
  int MinorLength() const { return FMinorLength; }
  void SetMinorLength(int v);
  bool ReverseScale() const { return FReverseScale; }
  void SetReverseScale(bool v);
  bool LabelsVisible() const { return FLabelsVisible; }
  void SetLabelsVisible(bool v);
  QColor LabelsColor() const { return FLabelsColor; }
  void SetLabelsColor(const QColor& v);
  QFont LabelsFont() const { return FLabelsFont; }
  void SetLabelsFont(const QFont& v);
  QColor ScaleLinesColor() const { return FScaleLinesColor; }
  void SetScaleLinesColor(const QColor& v);
  QString Title() const { return FTitle; }
  void SetTitle(const QString& v);
  bool TitleShow() const { return FTitleShow; }
  void SetTitleShow(bool v);
  bool GridLinesVisible() const { return FGridLinesVisible; }
  void SetGridLinesVisible(bool v);
  TwPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
  void SetCartesianStyle(TwPlotCartesianStyle v);
  double CartesianChildRefValue() const { return FCartesianChildRefValue; }
  void SetCartesianChildRefValue(double v) { SetDoubleProperty(v, FCartesianChildRefValue, ipnChange); }
  // The axis a cartesian child stands on, and the axis whose ends this one
  // follows; none yet.
  virtual TwPlotAxis* GetCartesianRefAxis() const { return nullptr; }
  virtual TwPlotAxis* GetAlignRefAxis() const { return nullptr; }
  // The scale's rectangle, recalculated from the draw rectangle; it sets the
  // scale's pixel ends.
  void CalcScaleRect();
  platform::TRect ScaleRect() const { return FScaleRect; }

  int GetRequiredWidth(platform::Canvas& Canvas) override;
  int GetEndsOverhang(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;

  // Pixel ends of the scale (set by the plot's layout): the pixel of Min and of Max.
  void SetPixelRange(int minPixel, int maxPixel);
  int MinPixels() const { return FReverseScale ? FMaxPixel : FMinPixel; }
  int MaxPixels() const { return FReverseScale ? FMinPixel : FMaxPixel; }
  int PositionToPixels(double value) const;
  double PixelsToPosition(int pixels) const;
  bool ValueOnScale(double value) const;

  // The ticks of the current range, ascending.
  std::vector<TwPlotTick> Ticks() const;
  QString GetLabelText(double value) const;
  double MajorIncrement() const;

  // Space the axis needs across its scale, with its labels and title.
  int RequiredWidth(const QFontMetrics& labels) const;
  // Draws the scale along `edge` (the data view's side), facing outward.
  void Draw(QPainter& p, const QRect& dataView) const;
  // Grid lines across the data view at the major ticks.
  void DrawGridLines(QPainter& p, const QRect& dataView, const QColor& color) const;

 private:
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    DoChange();
  }

  double FMin = 0, FSpan = 100, FDesiredStart = 0, FDesiredIncrement = 0;
  int FMinorCount = 1, FMajorLength = 7, FMinorLength = 3;
  int FInnerMargin = 5, FOuterMargin = 5;
  bool FReverseScale = false, FLabelsVisible = true, FTitleShow = false, FGridLinesVisible = true, FVisible = true;
  QColor FLabelsColor, FScaleLinesColor;
  QFont FLabelsFont;
  QString FTitle;
  int FMinPixel = 0, FMaxPixel = 100;
  TwPlotCartesianStyle FCartesianStyle = ipcsNone;
  double FCartesianChildRefValue = 0;
  platform::TRect FScaleRect;
};

class TwPlotXAxis : public TwPlotAxis {
 public:
  using TwPlotAxis::TwPlotAxis;
};

class TwPlotYAxis : public TwPlotAxis {
 public:
  using TwPlotAxis::TwPlotAxis;
};
