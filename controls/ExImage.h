// TExImage: a windowless picture control. It shows one picture (a
// TGDIPPicture keeping the image file's bytes) stretched over the control
// (Stretch), centred at its own size (Center, the default; a larger picture
// is cut equally on both sides) or at its own size at the top-left corner.
// The control is not opaque: the parent shows wherever the picture does not
// cover. It never takes the focus.
//
// Properties: Picture (assigning copies the bytes and repaints), Center
// (default true), Stretch (default false); both repaint only when they change.
// OfficeHint is a hint record the control keeps and copies but never shows.
// Version reads "1.1.0.0"; writing it does nothing.
//
// Events: OnClick, OnDblClick, OnMouseDown, OnMouseMove, OnMouseUp, and
// OnMouseEnter / OnMouseLeave after MouseInControl has changed.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

#include "controls/ExHintInfo.h"
#include "controls/GDIPicture.h"

class TExImage : public QWidget {
  Q_OBJECT
 public:
  explicit TExImage(QWidget* parent = nullptr);
  ~TExImage() override;

  TGDIPPicture* Picture() { return FIPicture; }
  const TGDIPPicture* Picture() const { return FIPicture; }
  void SetPicture(const TGDIPPicture* value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  TExHintInfo* OfficeHint() { return FOfficeHint; }
  void SetOfficeHint(const TExHintInfo* value);
  bool MouseInControl() const { return FMouseInControl; }
  int OffSet() const { return FOffSet; }

  std::uint32_t GetVersionNr() const;
  QString Version() const;
  void SetVersion(const QString&) {}

  // Where the picture lands in the control's client area (empty when there is
  // nothing to draw); painting and tests share it.
  QRect PictureRect();

  using Notify = std::function<void(QObject* Sender)>;
  using MouseEvent = std::function<void(QObject* Sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                        int x, int y)>;
  using MouseMoveEvent = std::function<void(QObject* Sender, Qt::KeyboardModifiers shift, int x, int y)>;
  Notify OnClick;
  Notify OnDblClick;
  Notify OnMouseEnter;
  Notify OnMouseLeave;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;

 protected:
  void paintEvent(QPaintEvent*) override;
  // Draws the picture on a painter in the control's coordinates.
  virtual void DrawPicture(QPainter& canvas);
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void PictureChanged(QObject* Sender);

  int FOffSet = 4;
  bool FMouseInControl = false;
  TExHintInfo* FOfficeHint;
  TGDIPPicture* FIPicture;
  bool FCenter = true;
  bool FStretch = false;
  bool FPressed = false;
};
