// TwPlotAxis (TwPlotXAxis, TwPlotYAxis): the scale of one plot direction. It
// maps values to pixels and back for everything drawn in the plot (channels and
// the data view's grid), builds its major and minor ticks with their label
// texts, and draws its scale line, tick marks, labels and title.
//
// The range is Min .. Min + Span (0 .. 100 for a new axis). Major ticks sit
// every DesiredIncrement (0: a tidy step chosen from the span), aligned so
// that DesiredStart is one of them (0: multiples of the step); MinorCount minor
// ticks lie between two majors. Every setter stores a changed value and asks
// the plot for a repaint.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

struct TwPlotTick {
  double Position;
  bool Major;
  QString Text;
};

class TwPlotAxis : public QObject {
  Q_OBJECT
 public:
  TwPlotAxis(bool horizontal, const QString& name, QObject* parent = nullptr);

  QString Name() const { return FName; }
  bool Horizontal() const { return FHorizontal; }

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
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);

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

  // Called after every change; the plot repaints.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void DoChange();
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    DoChange();
  }

  QString FName;
  bool FHorizontal;
  double FMin = 0, FSpan = 100, FDesiredStart = 0, FDesiredIncrement = 0;
  int FMinorCount = 1, FMajorLength = 7, FMinorLength = 3;
  int FInnerMargin = 5, FOuterMargin = 5;
  bool FReverseScale = false, FLabelsVisible = true, FTitleShow = false, FGridLinesVisible = true, FVisible = true;
  QColor FLabelsColor, FScaleLinesColor;
  QFont FLabelsFont;
  QString FTitle;
  int FMinPixel = 0, FMaxPixel = 100;
};

class TwPlotXAxis : public TwPlotAxis {
  Q_OBJECT
 public:
  explicit TwPlotXAxis(const QString& name, QObject* parent = nullptr) : TwPlotAxis(true, name, parent) {}
};

class TwPlotYAxis : public TwPlotAxis {
  Q_OBJECT
 public:
  explicit TwPlotYAxis(const QString& name, QObject* parent = nullptr) : TwPlotAxis(false, name, parent) {}
};
