// TExProgressBar: a progress bar whose fill colour follows the completion:
// level-0 colours below Level1Perc, level-1 up to Level2Perc, level-2 above it
// and level-3 at 100 %. The fill is drawn as 7-pixel blocks with 2-pixel gaps
// (or one smooth block, or stacked level segments), each shaded across the
// bar in two halves that meet at the full colour on the middle line, with the
// percentage, the value or the Format text written over it (rotated on a
// vertical bar). Optional background colours mark the three level zones. An
// Infinite bar shows a 22-pixel band of level-0 colour that an Animated bar
// moves back and forth by 4 % every InfiniteInterval ms.
//
// The percentage is (Position - Min) / (Max - Min) x 100 rounded to the
// nearest integer, halves to even, computed exactly; 0 when Max equals Min.
// Lengths along the bar round the same way.
//
// SetPosition: a value within Min..Max is stored and a repaint requested,
// unless the range holds 100 or more steps, the value is no multiple of the
// block increment (Max - Min) / 100, and neither its block (v / increment)
// nor its percentage differs from the last ones requested. A value outside
// the range is stored at the nearer bound and a repaint requested.
//
// The rounded outline leaves its corners unpainted, so the parent shows there.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "platform/Canvas.h"

enum TGaugeOrientation { goHorizontal, goVertical };

class TExProgressBar : public QWidget {
  Q_OBJECT
 public:
  explicit TExProgressBar(QWidget* parent = nullptr);

  int Position() const { return FPosition; }
  void SetPosition(int v);
  int Min() const { return FMin; }
  void SetMin(int v);
  int Max() const { return FMax; }
  void SetMax(int v);
  // The percentage the bar shows for the current position.
  int Percent() const;

  int Level1Perc() const { return FLevel1Perc; }
  void SetLevel1Perc(int v) { FLevel1Perc = v; update(); }
  int Level2Perc() const { return FLevel2Perc; }
  void SetLevel2Perc(int v) { FLevel2Perc = v; update(); }
  // Colour pairs of the four levels (Color at the bar's middle line, ColorTo at its edges).
  QColor LevelColor(int level) const { return FLevelColor[level & 3]; }
  QColor LevelColorTo(int level) const { return FLevelColorTo[level & 3]; }
  void SetLevelColor(int level, const QColor& c, const QColor& to);
  // Backgrounds of the zones below Level1Perc, up to Level2Perc and above
  // it; an invalid colour (the default) leaves a zone in BackgroundColor.
  QColor Level0BkColor() const { return FLevelBkColor[0]; }
  void SetLevel0BkColor(const QColor& v) { SetLevelBkColor(0, v); }
  QColor Level1BkColor() const { return FLevelBkColor[1]; }
  void SetLevel1BkColor(const QColor& v) { SetLevelBkColor(1, v); }
  QColor Level2BkColor() const { return FLevelBkColor[2]; }
  void SetLevel2BkColor(const QColor& v) { SetLevelBkColor(2, v); }
  QColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(const QColor& v) { FBackgroundColor = v; update(); }
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v) { FBorderColor = v; update(); }
  bool ShowBorder() const { return FShowBorder; }
  void SetShowBorder(bool v) { FShowBorder = v; update(); }
  bool Stacked() const { return FStacked; }
  void SetStacked(bool v) { FStacked = v; update(); }
  bool CompletionSmooth() const { return FCompletionSmooth; }
  void SetCompletionSmooth(bool v) { FCompletionSmooth = v; update(); }
  bool ShowGradient() const { return FShowGradient; }
  void SetShowGradient(bool v) { FShowGradient = v; update(); }
  // Stripes of each gradient half (at least 1 is drawn).
  int Steps() const { return FSteps; }
  void SetSteps(int v) { FSteps = v; update(); }
  bool Rounded() const { return FRounded; }
  void SetRounded(bool v) { FRounded = v; update(); }
  TGaugeOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TGaugeOrientation v) { FOrientation = v; update(); }
  bool ShowPosition() const { return FShowPosition; }
  void SetShowPosition(bool v) { FShowPosition = v; update(); }
  bool ShowPercentage() const { return FShowPercentage; }
  void SetShowPercentage(bool v) { FShowPercentage = v; update(); }
  // printf-style text of (Position, Max), e.g. "%d of %d"; empty shows the
  // percentage or the value. A format with other than integer conversions
  // (or more than two) is shown as it stands.
  QString Format() const { return FFormat; }
  void SetFormat(const QString& v) { FFormat = v; update(); }
  // The text's font (Verdana, 10 points); the bar keeps its own copy.
  platform::TFont Font() const { return FFont; }
  void SetFont(const platform::TFont& v);
  bool Infinite() const { return FInfinite; }
  void SetInfinite(bool v);
  bool Animated() const { return FAnimated; }
  void SetAnimated(bool v);
  int InfiniteInterval() const { return FTimer.interval(); }
  void SetInfiniteInterval(int v) { FTimer.setInterval(v); }
  // Where the band is, 0..100.
  int InfinitePos() const { return FInfinitePos; }
  QString Version() const { return QStringLiteral("1.2.0.1"); }
  void SetVersion(const QString&) {}

  // The text over the bar ("50%", the value or the Format text).
  QString PositionText() const;

  QSize sizeHint() const override { return QSize(128, 18); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void changeEvent(QEvent*) override;
  // The outline and background.
  virtual void drawFrame(platform::Canvas& c, const platform::TRect& r);
  virtual void drawZones(platform::Canvas& c, const platform::TRect& r, int length);
  virtual void drawFill(platform::Canvas& c, const platform::TRect& r, int length, int percent);
  // A block or segment [from, from + len) along the bar, inset across it.
  virtual void drawBlock(platform::Canvas& c, const platform::TRect& r, int from, int len, int inset, int level);
  virtual void drawBand(platform::Canvas& c, const platform::TRect& r, int length);
  virtual void drawText(platform::Canvas& c, const platform::TRect& r, int percent);
  // One band step of the timer, then a repaint.
  virtual void InfiniteTimer();

 private:
  int PercentOf(int position) const;
  int LevelOf(int percent, int level1, int level2) const;
  void SetLevelBkColor(int zone, const QColor& v);
  void UpdateTimer();
  // Pixels [from, from + len) along the bar, from the left (or the bottom),
  // inset pixels in from both sides across it.
  platform::TRect Span(const platform::TRect& r, int from, int len, int inset) const;

  int FPosition = 50;
  int FMin = 0;
  int FMax = 100;
  int FMaxIncrement = 1;
  int FOldPos = -1;
  int FOldBlockPos = -1;
  int FLevel1Perc = 70;
  int FLevel2Perc = 90;
  QColor FLevelColor[4];
  QColor FLevelColorTo[4];
  QColor FLevelBkColor[3];
  QColor FBackgroundColor, FBorderColor;
  bool FShowBorder = true;
  bool FStacked = false;
  bool FCompletionSmooth = false;
  bool FShowGradient = true;
  int FSteps = 8;
  bool FRounded = true;
  TGaugeOrientation FOrientation = goHorizontal;
  bool FShowPosition = true;
  bool FShowPercentage = true;
  QString FFormat;
  platform::TFont FFont;
  bool FInfinite = false;
  bool FAnimated = false;
  int FInfinitePos = 0;
  bool FInfiniteInc = true;
  QTimer FTimer;
};
