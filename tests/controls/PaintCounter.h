// Counts the paint events a widget receives, to tell whether a change asked
// for a repaint.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) : widget_(w) { w->installEventFilter(this); }
  ~PaintCounter() override { widget_->removeEventFilter(this); }
  int paints = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) ++paints;
    return false;
  }

 private:
  QWidget* widget_;
};
