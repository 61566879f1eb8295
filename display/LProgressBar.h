// LProgressBar: the LED bar meter. A narrow black panel holding a column of
// rectangular segments that light from the bottom up like a row of LEDs. The
// segments form three colour zones from top to bottom (FirstNum, SecondNum,
// ThirdNum segments; by default one red, one yellow, three green), each with
// an unlit and a lit colour.
//
// SetPosition is the run-time operation: it clamps the value to Min ... Max
// and lights trunc(Position / (Max / N)) segments, every one at Max. A segment
// is lit or darkened by the colour it shows (unlit <-> lit of zone 1, 2, 3,
// tested in that order), so only segments whose state changes are repainted
// and an unchanged value repaints nothing. A meter whose Max is not positive
// or that has no segments lights none.
//
// Segment i (0 at the top) of N in a W x H panel: left 0, width W, height
// H div N + 2, top trunc(H / N * i) - 1, so neighbours overlap and the black
// outline of each reads as the line between them. Segments follow the panel's
// size.
//
// Changing a zone count rebuilds the segments all unlit (the lit state comes
// back with the next SetPosition of another value); changing an unlit colour
// gives the whole zone that colour; changing a lit colour recolours the zone's
// lit segments at once. SetMax and SetMin only store the range.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <vector>

class LProgressBar : public QWidget {
  Q_OBJECT
 public:
  explicit LProgressBar(QWidget* parent = nullptr);

  // Unlit colours of zone 1 (top), 2 and 3 (bottom).
  QColor GetFirstColor() const { return FFirstColor; }
  void SetFirstColor(const QColor& v);
  QColor GetSecondColor() const { return FSecondColor; }
  void SetSecondColor(const QColor& v);
  QColor GetThirdColor() const { return FThirdColor; }
  void SetThirdColor(const QColor& v);
  // Segment counts of the zones; a negative count is taken as 0.
  int GetFirstNum() const { return FFirstNum; }
  void SetFirstNum(int v);
  int GetSecondNum() const { return FSecondNum; }
  void SetSecondNum(int v);
  int GetThirdNum() const { return FThirdNum; }
  void SetThirdNum(int v);
  // The value shown, always within Min ... Max.
  int GetPosition() const { return FPosition; }
  void SetPosition(int v);
  int GetMax() const { return FMax; }
  void SetMax(int v) { FMax = v; }
  int GetMin() const { return FMin; }
  void SetMin(int v) { FMin = v; }
  // Lit colours of zone 1, 2 and 3.
  QColor GetLFirstColor() const { return FLFirstColor; }
  void SetLFirstColor(const QColor& v);
  QColor GetLSecondColor() const { return FLSecondColor; }
  void SetLSecondColor(const QColor& v);
  QColor GetLThirdColor() const { return FLThirdColor; }
  void SetLThirdColor(const QColor& v);
  // Panel colour behind the segments (default black).
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);

  // Segments, numbered 0 ... SegmentCount() - 1 from the top.
  int SegmentCount() const { return static_cast<int>(FSegments.size()); }
  // The colour segment i shows; invalid when out of range.
  QColor SegmentColor(int i) const;
  // Where segment i lies in the panel's current size.
  QRect SegmentRect(int i) const;
  // The zone (1, 2 or 3) segment i belongs to.
  int SegmentZone(int i) const;
  // Segments showing their zone's lit colour, from the bottom.
  int LitCount() const;

  QSize sizeHint() const override { return QSize(14, 132); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawFrame(QPainter& p, const QRect& r);
  virtual void drawSegment(QPainter& p, const QRect& r, const QColor& colour);

 private:
  int WantedCount() const { return FFirstNum + FSecondNum + FThirdNum; }
  // Inserts or removes segments at index `at` to change a zone by `delta`.
  void ResizeZone(int at, int delta);
  // Lays out and darkens every segment after a count change.
  void Rebuild();
  void Recolour(int i, const QColor& c);
  QColor UnlitColour(int zone) const;
  void SetUnlit(QColor& field, int zone, const QColor& v);
  void SetLit(QColor& field, int zone, const QColor& v);

  QColor FFirstColor, FSecondColor, FThirdColor;
  QColor FLFirstColor, FLSecondColor, FLThirdColor;
  QColor FColor;
  int FFirstNum = 1, FSecondNum = 1, FThirdNum = 3;
  int FPosition = 0;
  int FMax = 100, FMin = 0;
  std::vector<QColor> FSegments;  // the colour each segment shows
};
