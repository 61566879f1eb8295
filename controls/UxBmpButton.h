// TUxBmpButton: the button of every window: page and channel tabs, mute,
// polarity and other switches, selectors and OK/Cancel. Its face comes from
// up to six bitmaps (TUxButtonBitmaps), one per visual state, with the
// bitmaps' TransparentColor keyed out and a centred caption on top. Without an
// Up bitmap the button draws a bevelled face of its own in Color.
//
// A button is a push button (GroupIndex 0), a toggle (a group of its own with
// AllowAllUp) or one of a radio group: the buttons with one parent and one
// non-zero GroupIndex.
//   - SetDown: a button without a group is never down; setting one down raises
//     the other down button of its group; a down button whose group does not
//     allow all up stays down when set up directly. Never runs OnClick.
//   - A user's click (release inside after a press) on a group button flips
//     Down through SetDown, then runs Click; on a plain button just Click.
//     Enter runs Click; Space acts like a click.
//   - Click runs OnClick with the button as Sender and leaves Down alone.
// Faces by state: up: Hot (mouse over) or Up; pressed: Down or Up; latched:
// StayDown, Down or Up; disabled: Disabled or an engraved copy of Up.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

class TUxButtonBitmaps : public QObject {
  Q_OBJECT
 public:
  explicit TUxButtonBitmaps(QObject* parent = nullptr);

  // Each setter copies the bitmap into the button's own and fires OnChange.
  const QImage& Up() const { return FUp; }
  void SetUp(const QImage& v);
  const QImage& UpAndFocused() const { return FUpAndFocused; }
  void SetUpAndFocused(const QImage& v);
  const QImage& Disabled() const { return FDisabled; }
  void SetDisabled(const QImage& v);
  const QImage& Down() const { return FDown; }
  void SetDown(const QImage& v);
  const QImage& StayDown() const { return FStayDown; }
  void SetStayDown(const QImage& v);
  const QImage& Hot() const { return FHot; }
  void SetHot(const QImage& v);
  // Colour keyed out of every face; default olive (128, 128, 0).
  QColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(const QColor& v);
  // Copies all six bitmaps and the transparent colour.
  void Assign(const TUxButtonBitmaps* source);

  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed();
  QImage FUp, FUpAndFocused, FDisabled, FDown, FStayDown, FHot;
  QColor FTransparentColor;
};

enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TUxBmpButton : public QWidget {
  Q_OBJECT
 public:
  explicit TUxBmpButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& v) { setToolTip(v); }
  // Caption colour (the font's colour).
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);
  // Face colour of the drawn face (used when there is no Up bitmap).
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  bool Down() const { return FDown; }
  virtual void SetDown(bool v);
  int CaptionDownOffset() const { return FCaptionDownOffset; }
  void SetCaptionDownOffset(int v);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool v);
  // How bitmap and button size relate: bszButtonToBitmap (the default) sizes
  // the button to its Up bitmap; bszStretchToButton scales every face to the button.
  TBtnSize ButtonSize() const { return FButtonSize; }
  void SetButtonSize(TBtnSize v);

  TUxButtonBitmaps* Bitmaps() { return &FBitmaps; }
  void SetBitmaps(const TUxButtonBitmaps* v) { FBitmaps.Assign(v); }
  TButtonState State() const { return FState; }

  // Runs OnClick with the button as Sender.
  virtual void Click();

  std::function<void(QObject* Sender)> OnClick;

  QSize sizeHint() const override { return QSize(80, 30); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawFace(QPainter& p, const QRect& r);
  virtual void drawCaption(QPainter& p, const QRect& r);
  virtual void drawFocus(QPainter& p, const QRect& r);
  // The bitmap for the current state, null when the button draws its own face.
  QImage FaceBitmap() const;

  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  void AnnounceGroup();
  void GroupAnnounced(TUxBmpButton* sender);
  void ApplySizeRule();
  void SetState(TButtonState s);

  TUxButtonBitmaps FBitmaps;
  QString FCaption;
  QColor FFontColor;
  QColor FColor;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  int FCaptionDownOffset = 1;
  bool FShowFocus = true;
  TBtnSize FButtonSize = bszButtonToBitmap;
  bool FDragging = false;
  bool FMouseOverButton = false;
  TButtonState FState = bsUp;
};
