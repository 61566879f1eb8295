// TwLed: an indicator lamp with two states, on the instrument base. It is lit
// in ActiveColor; unlit it shows a third of ActiveColor (ScaleColor by 3)
// while AutoInactiveColor is set (the default), else InactiveColor.
//
// SetActive with the current state does nothing (no event, no repaint);
// otherwise OnRequestEdit("Active") may veto, then the state is stored, the
// lamp repainted, and OnChangeProtected("Active") and OnChange fire. Every
// other setter stores a changed value and repaints. TwLed draws nothing.
//
// TwLedRound: a round lamp kept square (a changed width becomes the height,
// else a changed height the width), with a shaded bezel clipped to the
// circle, and a two-pixel white highlight. Transparent shows the parent
// outside the circle.
// TwLedRectangle: a filled rectangle with a 3-D frame, a short white
// reflection and an optional centred label (blank text is not drawn).
#pragma once

#include <QColor>
#include <QString>

#include "controls/wWinComponent.h"

class TwLed : public TwCustomComponent {
  Q_OBJECT
 public:
  explicit TwLed(QWidget* parent = nullptr);

  bool Active() const { return FActive; }
  void SetActive(bool v);
  // SetActive without OnChange.
  void SetActiveNoEvent(bool v);
  QColor ActiveColor() const;
  void SetActiveColor(const QColor& v);
  void SetActiveColor(platform::TColor v) { SetColorProperty(v, FActiveColor, 1); }
  QColor InactiveColor() const;
  void SetInactiveColor(const QColor& v);
  void SetInactiveColor(platform::TColor v) { SetColorProperty(v, FInactiveColor, 1); }
  bool AutoInactiveColor() const { return FAutoInactiveColor; }
  void SetAutoInactiveColor(bool v) { SetBooleanProperty(v, FAutoInactiveColor, 1); }
  TwBevelStyle BevelStyle() const { return FBevelStyle; }
  void SetBevelStyle(TwBevelStyle v);
  bool ShowReflection() const { return FShowReflection; }
  void SetShowReflection(bool v) { SetBooleanProperty(v, FShowReflection, 1); }
  int Tag() const;
  void SetTag(int v);
  // The colour the lamp shows now.
  QColor LampColor() const;

  platform::Handler OnChange;

 protected:
  void DoPaint(platform::Canvas&) override {}
  platform::TColor LampTColor() const;

 private:
  bool FActive = false;
  TwBevelStyle FBevelStyle = ibsLowered;
  platform::TColor FActiveColor = platform::clLime;
  bool FAutoInactiveColor = true;
  platform::TColor FInactiveColor = platform::RGB(0, 85, 0);
  bool FShowReflection = true;
};

class TwLedRound : public TwLed {
  Q_OBJECT
 public:
  explicit TwLedRound(QWidget* parent = nullptr) : TwLed(parent) {}

  // The bounds made square by the rule above (not while loading).
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  platform::Handler OnAutoSize;

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  // Draws the bezel and shrinks R to the lamp inside it.
  virtual void DrawBezel(platform::Canvas& Canvas, platform::TRect& R);
  virtual void DrawLamp(platform::Canvas& Canvas, const platform::TRect& R);
  virtual void DrawReflection(platform::Canvas& Canvas, const platform::TRect& R);
  void resizeEvent(QResizeEvent* e) override;
};

class TwLedRectangle : public TwLed {
  Q_OBJECT
 public:
  explicit TwLedRectangle(QWidget* parent = nullptr);

  QString CenterLabelText() const { return FCenterLabelText; }
  void SetCenterLabelText(const QString& v) { SetStringProperty(v, FCenterLabelText, 1); }
  QColor CenterLabelFontActiveColor() const;
  void SetCenterLabelFontActiveColor(const QColor& v);
  QColor CenterLabelFontInactiveColor() const;
  void SetCenterLabelFontInactiveColor(const QColor& v);
  const platform::TFont& CenterLabelFont() const { return FCenterLabelFont; }
  void SetCenterLabelFont(const platform::TFont& v);
  bool CenterLabelWordWrap() const { return FCenterLabelWordWrap; }
  void SetCenterLabelWordWrap(bool v) { SetBooleanProperty(v, FCenterLabelWordWrap, 1); }
  int CenterLabelEndsMargin() const { return FCenterLabelEndsMargin; }
  void SetCenterLabelEndsMargin(int v) { SetIntegerProperty(v, FCenterLabelEndsMargin, 1); }
  TwAlignmentHorizontal CenterLabelAlignment() const { return FCenterLabelAlignment; }
  void SetCenterLabelAlignment(TwAlignmentHorizontal v);

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  virtual void DrawLamp(platform::Canvas& Canvas, const platform::TRect& R);
  virtual void DrawLabel(platform::Canvas& Canvas, const platform::TRect& R);

 private:
  QString FCenterLabelText;
  platform::TColor FCenterLabelFontInactiveColor = platform::clWhite;
  platform::TColor FCenterLabelFontActiveColor = platform::clBlack;
  platform::TFont FCenterLabelFont;
  bool FCenterLabelWordWrap = false;
  int FCenterLabelEndsMargin = 5;
  TwAlignmentHorizontal FCenterLabelAlignment = iahCenter;
};
