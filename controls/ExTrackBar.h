// TExTrackBar: the picture-thumb slider used for every fader. A new bar is
// horizontal (Min 0, Max 10, PageSize 1); the windows make their faders
// vertical with SetOrientation(trVertical). Min sits at the bottom of a
// vertical bar (left of a horizontal one), Max at the top (right).
//
// Position: writing the current value does nothing; any other value is
// limited to Min..Max, stored, the thumb repainted and OnChange fired, also
// when the program writes it and also when the limited value equals the stored
// one. Min/Max move a Position left outside the new bound to it (through
// SetPosition, so OnChange fires).
//
// Input: drag the thumb (its centre follows the pointer at the grab offset); a
// press on the track pages by PageSize toward the press point, repeating after
// 400 ms and then every 100 ms while held; the wheel steps by 1; keys: arrows
// step 1, Page Up/Down by PageSize, Home/End to the ends (Shift blocks keys).
// OnMouseDown runs before any of that.
//
// The thumb (TTrackBarThumb) shows its Picture, or PictureHot/PictureDown/
// PictureDisabled in those states when they hold an image; without any picture
// a fader cap is drawn.
#pragma once

#include "controls/GDIPicture.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QTimer;

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBarThumb : public QObject {
  Q_OBJECT
 public:
  explicit TTrackBarThumb(QObject* parent = nullptr);

  // Copies of the given pictures (nullptr clears).
  void SetPicture(const TGDIPPicture* v) { FPicture.Assign(v); }
  void SetPictureHot(const TGDIPPicture* v) { FPictureHot.Assign(v); }
  void SetPictureDown(const TGDIPPicture* v) { FPictureDown.Assign(v); }
  void SetPictureDisabled(const TGDIPPicture* v) { FPictureDisabled.Assign(v); }
  TGDIPPicture* Picture() { return &FPicture; }
  TGDIPPicture* PictureHot() { return &FPictureHot; }
  TGDIPPicture* PictureDown() { return &FPictureDown; }
  TGDIPPicture* PictureDisabled() { return &FPictureDisabled; }
  const TGDIPPicture* Picture() const { return &FPicture; }
  const TGDIPPicture* PictureHot() const { return &FPictureHot; }
  const TGDIPPicture* PictureDown() const { return &FPictureDown; }
  const TGDIPPicture* PictureDisabled() const { return &FPictureDisabled; }

  // Extent across the track (Size) and along it (Width), in pixels.
  int Size() const { return FSize; }
  void SetSize(int v);
  int Width() const { return FWidth; }
  void SetWidth(int v);

  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);

  // Fired after any change of the thumb; the track bar repaints.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed();

  TGDIPPicture FPicture, FPictureHot, FPictureDown, FPictureDisabled;
  int FSize = 16;
  int FWidth = 29;
  QColor FColor;
};

class TExTrackBar : public QWidget {
  Q_OBJECT
 public:
  explicit TExTrackBar(QWidget* parent = nullptr);

  int Position() const { return FPosition; }
  virtual void SetPosition(int value);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value) { FPageSize = value; }
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }
  int Tag() const;
  void SetTag(int value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);

  TTrackBarThumb* Thumb() { return &FThumb; }
  // Copies another thumb's pictures and sizes.
  void SetThumb(const TTrackBarThumb* value);

  // Groove colours: light edge to dark edge across the track, and its border.
  QColor SliderColor() const { return FSliderColor; }
  void SetSliderColor(const QColor& v);
  QColor SliderColorTo() const { return FSliderColorTo; }
  void SetSliderColorTo(const QColor& v);
  QColor SliderBorderColor() const { return FSliderBorderColor; }
  void SetSliderBorderColor(const QColor& v);
  // Background; invalid (the default) leaves the parent showing through.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);

  // Geometry, shared by painting and hit testing.
  QRect ContentRect() const;
  QRect TrackRect() const;
  QRect SliderRect() const;
  QRect ThumbRect() const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseDown;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawBackground(QPainter& p);
  virtual void drawSlider(QPainter& p);
  virtual void drawThumb(QPainter& p);
  virtual void drawFocus(QPainter& p);

  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

  // One PageSize step toward the remembered press point.
  void PageTowardClick();

 private:
  int TrackLength() const;  // track length less the thumb's extent
  int ValueFromOffset(double offset) const;
  void RepeatTimerExpired();
  const TGDIPPicture* ThumbPictureForState() const;

  TTrackBarThumb FThumb;
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FPageSize = 1;
  TTrackBarOrientation FOrientation = trHorizontal;
  bool FShowFocus = true;
  bool FSliding = false;
  bool FThumbHot = false;
  bool FThumbDown = false;
  int FThumbCenterOffsetX = 0;
  int FThumbCenterOffsetY = 0;
  bool FSliderButtonDown = false;
  QPoint FSliderDownPt;
  QTimer* FRepeatTimer = nullptr;
  QColor FSliderColor, FSliderColorTo, FSliderBorderColor, FColor;
};
