// The splash screen's glossy progress bar.
//
// TGDIPSplashProgress holds the bar's look (a background fill, a progress
// fill, fonts and the value text settings), its bounds in the splash window
// and its values, and draws a bar into any rectangle: the background, the
// filled part with shaded ends, shaded ends over the whole inside, the value
// text, then a white gloss. Every setter fires OnChange when the value
// changes (Visible always fires, Step never); a change inside either fill
// fires it too.
//
// TExSplashProgressBar is a control that paints one TGDIPSplashProgress (its
// Appearance) with its own Minimum, Maximum and Position. A 10 ms timer runs
// from creation: with ProgressAnimation the shown Position eases toward the
// last value set (a fifteenth of the rest per tick, OnPositionChanged every
// tick); with GlowAnimation a white glow sweeps over the filled part, 3
// pixels a tick, resting 1.5 s between sweeps. A change of the Appearance
// copies its bounds, visibility, values and animation flags into the
// control. OnChange fires whenever Position changes.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>

#include "controls/GDIPFill.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

class QTimer;
class TGPGraphics;

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

class TGDIPSplashProgress : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPSplashProgress(QObject* parent = nullptr);

  // Copies fills, value settings, fonts, visibility, bounds, step, range,
  // position and the animation flags, then fires OnChange.
  void Assign(const TGDIPSplashProgress* source);

  TGDIPFill* BackGroundFill() { return &FBackGroundFill; }
  void SetBackGroundFill(const TGDIPFill* v);
  TGDIPFill* ProgressFill() { return &FProgressFill; }
  void SetProgressFill(const TGDIPFill* v);
  // The value text's font over the unfilled and over the filled part.
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v);
  const platform::TFont& ProgressFont() const { return FProgressFont; }
  void SetProgressFont(const platform::TFont& v);
  // printf format with one floating-point argument; "%.0f%%" at first.
  QString ValueFormat() const { return FValueFormat; }
  void SetValueFormat(const QString& v);
  TGDIPProgressValueType ValueType() const { return FValueType; }
  void SetValueType(TGDIPProgressValueType v);
  TGDIPProgressValuePosition ValuePosition() const { return FValuePosition; }
  void SetValuePosition(TGDIPProgressValuePosition v);
  int ValuePositionLeft() const { return FValuePositionLeft; }
  void SetValuePositionLeft(int v);
  int ValuePositionTop() const { return FValuePositionTop; }
  void SetValuePositionTop(int v);
  bool ValueVisible() const { return FValueVisible; }
  void SetValueVisible(bool v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  int Left() const { return FLeft; }
  void SetLeft(int v);
  int Top() const { return FTop; }
  void SetTop(int v);
  int Width() const { return FWidth; }
  void SetWidth(int v);
  int Height() const { return FHeight; }
  void SetHeight(int v);
  double Step() const { return FStep; }
  void SetStep(double v) { FStep = v; }
  double Minimum() const { return FMinimum; }
  void SetMinimum(double v);
  double Maximum() const { return FMaximum; }
  void SetMaximum(double v);
  double Position() const { return FPosition; }
  void SetPosition(double v);
  bool ProgressAnimation() const { return FProgressAnimation; }
  bool GlowAnimation() const { return FGlowAnimation; }

  // Draws the bar into r (its right and bottom edges excluded).
  void Draw(TGPGraphics& g, const platform::TRect& r, double minimum, double maximum, double position);
  // The filled part of r for the values; its width is negative below minimum.
  QRectF CalculateProgressRectangle(const platform::TRect& r, double minimum, double maximum, double position) const;
  // r less its last row and column and the background's border.
  QRectF GetInsideRectF(const platform::TRect& r) const;
  // The value text for the values (position clamped to the range).
  QString ValueText(double minimum, double maximum, double position) const;

  std::function<void(QObject* Sender)> OnChange;

 protected:
  void drawEndShades(TGPGraphics& g, const QRectF& r) const;
  void drawValue(TGPGraphics& g, const platform::TRect& r, double minimum, double maximum, double position) const;
  void drawGloss(TGPGraphics& g, const QRectF& inside) const;

 private:
  friend class TExSplashProgressBar;
  void Changed();
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Changed();
  }
  platform::TRect InsideRect(const platform::TRect& r) const;

  TGDIPFill FBackGroundFill, FProgressFill;
  platform::TFont FFont, FProgressFont;
  QString FValueFormat = QStringLiteral("%.0f%%");
  TGDIPProgressValueType FValueType = vtAbsolute;
  TGDIPProgressValuePosition FValuePosition = vpCenter;
  int FValuePositionLeft = 0, FValuePositionTop = 0;
  bool FValueVisible = false;
  bool FVisible = false;
  int FLeft = 50, FTop = 100, FWidth = 300, FHeight = 17;
  double FStep = 10.0, FMinimum = 0.0, FMaximum = 100.0, FPosition = 0.0;
  bool FProgressAnimation = false, FGlowAnimation = false;
};

class TExSplashProgressBar : public QWidget {
  Q_OBJECT
 public:
  explicit TExSplashProgressBar(QWidget* parent = nullptr);
  ~TExSplashProgressBar() override;

  void Assign(const TExSplashProgressBar* source);

  TGDIPSplashProgress* Appearance() { return FAppearance; }
  void SetAppearance(const TGDIPSplashProgress* v);
  double Step() const { return FStep; }
  void SetStep(double v);
  double Minimum() const { return FMinimum; }
  void SetMinimum(double v);
  double Maximum() const { return FMaximum; }
  void SetMaximum(double v);
  // Clamped to Minimum..Maximum; with ProgressAnimation the target of the easing.
  double Position() const { return FPosition; }
  void SetPosition(double v);
  bool GlowAnimation() const { return FGlowAnimation; }
  void SetGlowAnimation(bool v);
  bool ProgressAnimation() const { return FProgressAnimation; }
  void SetProgressAnimation(bool v);
  QString Version() const { return QStringLiteral("1.2.0.0"); }
  void SetVersion(const QString&) {}

  void Next(double step) { SetPosition(FPosition + step); }
  void Next() { Next(FStep); }
  void Previous(double step) { SetPosition(FPosition - step); }
  void Previous() { Previous(FStep); }
  void GoToValue(double value) { SetPosition(value); }
  void GoToStart() { SetPosition(FMinimum); }
  void GoToEnd() { SetPosition(FMaximum); }
  bool AnimationInProgress() const;
  // The named colour sets by TAppearanceStyle ordinal (tsOffice2003Blue = 0
  // ... tsOffice2010Black = 15); the custom style (8) and unknown ordinals
  // change nothing.
  void SetComponentStyle(int style);

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender, double Value)> OnPositionChanged;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  // One step of the 10 ms timer.
  void AnimationTick();
  void drawGlow(TGPGraphics& g) const;

 private:
  void AppearanceChanged();
  void StorePosition(double v);

  TGDIPSplashProgress* FAppearance;
  QTimer* FAnimationTimer;
  double FStep = 10.0, FMinimum = 0.0, FMaximum = 100.0, FPosition = 0.0;
  double FPositionTo = 0.0, FPositionTemp = 0.0;
  bool FGlowAnimation = false, FProgressAnimation = false;
  platform::TRect FRect;
  int FGlowCount = 3000;
  double FGlowPos = -40;
};
