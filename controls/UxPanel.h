// TUxCustomPanel / TUxPanel: the container of pages and dialogs. It draws an
// outer frame (BorderOuter), fills its client area with Color unless it is
// Transparent (then the parent shows through), draws an optional centred
// Caption, and raises OnPaint after painting, with the painter, so a page can
// draw on it (the matrix routing lines).
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

#include "controls/UxDraw.h"  // TFrameStyleEx

class TUxCustomPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TUxCustomPanel(QWidget* parent = nullptr);

  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  TFrameStyleEx BorderOuter() const { return FBorderOuter; }
  void SetBorderOuter(TFrameStyleEx v);
  QColor FlatColor() const { return FFlatColor; }
  void SetFlatColor(const QColor& v);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool v) { setVisible(v); }
  void BringToFront() { raise(); }
  int Tag() const;
  void SetTag(int v);

  std::function<void(QObject* Sender, QPainter& Canvas)> OnPaint;

 protected:
  void paintEvent(QPaintEvent*) final;
  // The whole paint; descendants extend it and call the base first.
  virtual void Paint(QPainter& p);
  virtual void drawBackground(QPainter& p, const QRect& r);
  virtual void drawFrame(QPainter& p, QRect& r);
  virtual void drawCaption(QPainter& p, const QRect& r);

 private:
  QColor FColor, FFlatColor, FFontColor;
  bool FTransparent = false;
  TFrameStyleEx FBorderOuter = fsRaised;
  QString FCaption;
};

class TUxPanel : public TUxCustomPanel {
  Q_OBJECT
 public:
  explicit TUxPanel(QWidget* parent = nullptr) : TUxCustomPanel(parent) {}
};
