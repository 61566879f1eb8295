// TwLed: an indicator lamp with two states, lit in ActiveColor and dark in
// InactiveColor (or, while AutoInactiveColor is set, a third of ActiveColor).
// SetActive with the current state does nothing; a change repaints and fires
// OnChange. TwLedRound draws a round lamp with a bevel and a highlight;
// TwLedRectangle a rectangular one with an optional centred label.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

#include "controls/wDraw.h"

class TwLed : public QWidget {
  Q_OBJECT
 public:
  explicit TwLed(QWidget* parent = nullptr);

  bool Active() const { return FActive; }
  void SetActive(bool v);
  // SetActive without OnChange.
  void SetActiveNoEvent(bool v);
  QColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(const QColor& v);
  QColor InactiveColor() const { return FInactiveColor; }
  void SetInactiveColor(const QColor& v);
  bool AutoInactiveColor() const { return FAutoInactiveColor; }
  void SetAutoInactiveColor(bool v);
  TwBevelStyle BevelStyle() const { return FBevelStyle; }
  void SetBevelStyle(TwBevelStyle v);
  bool ShowReflection() const { return FShowReflection; }
  void SetShowReflection(bool v);
  int Tag() const;
  void SetTag(int v);
  // The colour the lamp shows now.
  QColor LampColor() const;

  std::function<void(QObject* Sender)> OnChange;

  QSize sizeHint() const override { return QSize(20, 20); }

 protected:
  void paintEvent(QPaintEvent*) override;
  // The lamp itself; TwLed draws nothing.
  virtual void DoPaint(QPainter&) {}
  void Changed() { update(); }

 private:
  bool FActive = false;
  QColor FActiveColor, FInactiveColor;
  bool FAutoInactiveColor = true;
  TwBevelStyle FBevelStyle = ibsLowered;
  bool FShowReflection = true;
};

class TwLedRound : public TwLed {
  Q_OBJECT
 public:
  explicit TwLedRound(QWidget* parent = nullptr) : TwLed(parent) {}

 protected:
  void DoPaint(QPainter& p) override;
  virtual void drawBezel(QPainter& p, QRectF& r);
  virtual void drawLamp(QPainter& p, const QRectF& r);
  virtual void drawReflection(QPainter& p, const QRectF& r);
  void resizeEvent(QResizeEvent*) override;
};

class TwLedRectangle : public TwLed {
  Q_OBJECT
 public:
  explicit TwLedRectangle(QWidget* parent = nullptr);

  QString CenterLabelText() const { return FCenterLabelText; }
  void SetCenterLabelText(const QString& v);
  QColor CenterLabelFontActiveColor() const { return FLabelActive; }
  void SetCenterLabelFontActiveColor(const QColor& v);
  QColor CenterLabelFontInactiveColor() const { return FLabelInactive; }
  void SetCenterLabelFontInactiveColor(const QColor& v);

 protected:
  void DoPaint(QPainter& p) override;
  virtual void drawLamp(QPainter& p, const QRect& r);
  virtual void drawLabel(QPainter& p, const QRect& r);

 private:
  QString FCenterLabelText;
  QColor FLabelActive, FLabelInactive;
};
