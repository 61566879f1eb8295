// TwSwitchLed: a push button with a built-in lamp and a caption. A click
// (press and release inside) or the space bar toggles Active. SetActive with a
// new state repaints and fires OnChange; OnChangeUser follows only when the
// change came from the user's click or key, never for SetActive from code.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

#include "controls/wDraw.h"

class TwSwitchLed : public QWidget {
  Q_OBJECT
 public:
  explicit TwSwitchLed(QWidget* parent = nullptr);

  bool Active() const { return FActive; }
  void SetActive(bool v);
  void SetActiveNoEvent(bool v);
  QColor ActiveColor() const { return FActiveColor; }
  void SetActiveColor(const QColor& v);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  TwSideAlignment IndicatorAlignment() const { return FIndicatorAlignment; }
  void SetIndicatorAlignment(TwSideAlignment v);
  QColor BackGroundColor() const { return FBackGroundColor; }
  void SetBackGroundColor(const QColor& v);
  int BorderSize() const { return FBorderSize; }
  void SetBorderSize(int v);
  int Tag() const;
  void SetTag(int v);
  // Lamp and caption rectangles, used by painting.
  QRect LampRect() const;
  QRect CaptionRect() const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnChangeUser;

  QSize sizeHint() const override { return QSize(40, 28); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawButtonBorder(QPainter& p);
  virtual void drawCaption(QPainter& p);
  virtual void drawLamp(QPainter& p);
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  void UserToggle();
  bool Pressed() const { return FMouseDown || FKeyDown; }

  bool FActive = false;
  bool FMouseDown = false;
  bool FKeyDown = false;
  bool FUserGenerated = false;
  QColor FActiveColor, FBackGroundColor;
  QString FCaption;
  TwSideAlignment FIndicatorAlignment = isaBottom;
  int FBorderSize = 2;
};
