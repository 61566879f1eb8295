// TRoundEdit: the value box: a one-line edit inside a flat rounded frame with a
// light inner top shadow, always 24 pixels high. The pages write formatted
// values with SetText and read what the user typed with Text. The box's events
// carry the box (not the inner edit) as Sender. Writing a different text fires
// OnChange, as typing does.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QLineEdit;

class TRoundEdit : public QWidget {
  Q_OBJECT
 public:
  explicit TRoundEdit(QWidget* parent = nullptr);

  QString Text() const;
  // Passes the text to the inner edit.
  void SetText(const QString& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  Qt::Alignment Alignment() const;
  void SetAlignment(Qt::Alignment v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  int Rounding() const { return FRounding; }
  void SetRounding(int v);
  int Tag() const;
  void SetTag(int v);
  QLineEdit* Edit() const { return FEdit; }

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnEnter;
  std::function<void(QObject* Sender)> OnExit;
  std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseDown;

  QSize sizeHint() const override { return QSize(100, 24); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawFace(QPainter& p);
  virtual void drawShadow(QPainter& p);
  void resizeEvent(QResizeEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent*) override;

 private:
  void UpdateControls();

  QLineEdit* FEdit;
  QColor FColor, FBorderColor, FShadowColor;
  int FRounding = 8;
};
