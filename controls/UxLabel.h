// TUxLabel: a plain label. Caption in FontColor with Alignment; Transparent
// (the default) shows the parent through, otherwise the label fills with Color.
// AutoSize fits the label to its caption.
#pragma once

#include <QColor>
#include <QWidget>

class TUxLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TUxLabel(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  Qt::Alignment Alignment() const { return FAlignment; }
  void SetAlignment(Qt::Alignment v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);
  void SetFontSize(int points);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  int Tag() const;
  void SetTag(int v);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawBackground(QPainter& p);
  virtual void drawCaption(QPainter& p);
  void changeEvent(QEvent*) override;

 private:
  void ApplyAutoSize();

  QString FCaption;
  Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignTop;
  bool FTransparent = true;
  bool FAutoSize = true;
  bool FWordWrap = false;
  QColor FColor, FFontColor;
};
