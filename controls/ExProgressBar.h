// TExProgressBar: a progress bar whose fill colour follows the completion:
// level-0 colours below Level1Perc, level-1 up to Level2Perc, level-2 above it
// and level-3 at 100 %. The fill is drawn as 7-pixel blocks (or one smooth
// block, or stacked level segments), each shaded across the bar, with the
// percentage (or the value) written over it.
//
// SetPosition: a value within Min..Max is stored and the bar painted at once
// (skipped when neither the block nor the percentage changed); below Min
// stores Min and above Max stores Max, without painting (the next paint shows
// it). The percentage is Position / (Max - Min), 0 when Max equals Min.
#pragma once

#include <QColor>
#include <QWidget>

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
  // The text over the bar ("50%" or the value).
  QString PositionText() const;

  QSize sizeHint() const override { return QSize(128, 18); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawBackground(QPainter& p, const QRect& r);
  virtual void drawFill(QPainter& p, const QRect& r, int percent);
  virtual void drawBlock(QPainter& p, const QRect& block, int level);
  virtual void drawText(QPainter& p, const QRect& r);

 private:
  int PercentOf(int position) const;
  int LevelOf(int percent) const;

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
};
