// TUxShapeButton: a button whose face is a picture with one colour keyed out
// (the Bitmap's bottom-left pixel) and whose clickable area follows the
// picture's opaque pixels.
//
// From Bitmap two faces are built, each the Bitmap's size: BitmapUp and
// BitmapDown, with BevelWidth (0 to 2) rings around the opaque shape, plus an
// outer ring in BorderColor with BorderStyle bsSingle. Up face: the
// bottom-right side of a ring in BevelShadowColor, the top-left side in
// BevelHighlightColor; the down face the reverse, without the bottom-right
// side of its outermost ring. The hit-test mask marks the opaque pixels of
// BitmapUp. The faces are rebuilt whenever Bitmap, a bevel or a border
// property changes.
//
// Paint: the face (BitmapDown while pressed, else BitmapUp) at (0, 0), moved
// by (1, 1) while pressed, keyed out so the parent shows around it; then the
// caption, centred or at (CaptionX, CaptionY). A disabled button draws the
// up face unchanged and ignores the mouse.
//
// Mouse: with PreciseClick only points on the mask count (others pass to the
// parent); a press shows the down face while the pointer stays on the shape,
// a release on it clicks. With AutoSize (the default) the control is 4 pixels
// wider and higher than the Bitmap.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

#include "controls/UxBmpButton.h"

enum TBorderStyle { bsNone, bsSingle };
enum TUxCaptionPosition { cpCentered, cpXY };

class TUxShapeButton : public QWidget {
  Q_OBJECT
 public:
  explicit TUxShapeButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  const QImage& Bitmap() const { return FBitmap; }
  void SetBitmap(const QImage& v);
  const QImage& BitmapUp() const { return FBitmapUp; }
  const QImage& BitmapDown() const { return FBitmapDown; }
  // The colour keyed out of the faces: the Bitmap's bottom-left pixel.
  QColor TransparentColor() const;
  // 0 to 2; larger values store 2.
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  QColor BevelHighlightColor() const { return FBevelHighlightColor; }
  void SetBevelHighlightColor(const QColor& v);
  QColor BevelShadowColor() const { return FBevelShadowColor; }
  void SetBevelShadowColor(const QColor& v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  bool PreciseClick() const { return FPreciseClick; }
  void SetPreciseClick(bool v) { FPreciseClick = v; }
  bool PreciseShowHint() const { return FPreciseShowHint; }
  void SetPreciseShowHint(bool v) { FPreciseShowHint = v; }
  TUxCaptionPosition CaptionPosition() const { return FCaptionPosition; }
  void SetCaptionPosition(TUxCaptionPosition v);
  int CaptionX() const { return FCaptionX; }
  void SetCaptionX(int v) { SetCaptionXY(v, FCaptionY); }
  int CaptionY() const { return FCaptionY; }
  void SetCaptionY(int v) { SetCaptionXY(FCaptionX, v); }
  // Stores the coordinates that changed; any change selects cpXY.
  void SetCaptionXY(int x, int y);
  TButtonState State() const { return FState; }

  // True on an opaque pixel of the hit-test mask, or when there is no mask.
  bool PtInMask(int x, int y) const;
  // The one-bit mask (null without a Bitmap).
  const QImage& HitTestMask() const { return FHitTestMask; }

  virtual void Click();
  std::function<void(QObject* Sender)> OnClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void DrawCaption(QPainter& p, const QString& text, TButtonState state, const QRect& r);
  QRect GetCaptionRect(QPainter& p, const QString& text, const QRect& r) const;
  bool event(QEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void changeEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  void BuildFaces();
  QImage BuildFace(bool down) const;
  void ApplyAutoSize();
  bool Inside(const QPoint& pt) const;

  QString FCaption;
  QColor FFontColor;
  bool FAutoSize = true;
  int FBevelWidth = 2;
  QColor FBevelHighlightColor, FBevelShadowColor;
  QImage FBitmap, FBitmapUp, FBitmapDown;
  TBorderStyle FBorderStyle = bsSingle;
  QColor FBorderColor;
  bool FDragging = false;
  QImage FHitTestMask;
  bool FPrevCursorSaved = false;
  bool FPrevShowHintSaved = false;
  QString FPrevToolTip;
  bool FPreciseClick = true;
  bool FPreciseShowHint = true;
  TUxCaptionPosition FCaptionPosition = cpCentered;
  int FCaptionX = 0;
  int FCaptionY = 0;
  TButtonState FState = bsUp;
  int FAccelerator = 0;
};
