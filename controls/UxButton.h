// TUxButton: a push button. With ThemeAware (the default) the face takes the
// platform's button colour; without it the face is painted in Color. A click
// (press and release inside, Enter or Space) runs OnClick with the button as
// Sender.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class TUxButton : public QWidget {
  Q_OBJECT
 public:
  explicit TUxButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  bool ThemeAware() const { return FThemeAware; }
  void SetThemeAware(bool v);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);
  // The colour the face is painted in.
  QColor FaceColor() const;

  virtual void Click();
  std::function<void(QObject* Sender)> OnClick;

  QSize sizeHint() const override { return QSize(75, 25); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawFace(QPainter& p, const QRect& r);
  virtual void drawCaption(QPainter& p, const QRect& r);
  virtual void drawFocus(QPainter& p, const QRect& r);
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  QString FCaption;
  QColor FColor, FFontColor;
  bool FThemeAware = true;
  bool FPressed = false;
  bool FDragging = false;
  bool FHot = false;
};
