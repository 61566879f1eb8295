// TUxBmpButton: the button of every window: page and channel tabs, mute,
// polarity and other switches, selectors and OK/Cancel. Its face comes from
// up to six bitmaps (TUxButtonBitmaps), one per visual state, with the
// bitmaps' TransparentColor keyed out (nearest-pixel scaling, no blending),
// and a caption on top. A button without an Up bitmap draws only its caption
// (or its Disabled bitmap while disabled).
//
// A button is a push button (GroupIndex 0), a toggle (a group of its own with
// AllowAllUp) or one of a radio group: the buttons with one parent and one
// non-zero GroupIndex. AllowAllUp is group-wide: the last button to announce
// itself gives its value to the others.
//   - SetDown: a button without a group is never down; setting one down raises
//     the other down button of its group; a down button whose group does not
//     allow all up stays down when set up directly. Never runs OnClick.
//   - A user's click (release inside after a press) on a group button flips
//     Down through SetDown, then runs Click; on a plain button just Click.
//     Enter runs Click; Space acts like a click; Alt with the caption's "&x"
//     accelerator runs Click.
//   - Click: on a dialog shown modally a non-zero ModalResult closes it with
//     that value once OnClick has run; elsewhere ModalResult changes nothing.
// Faces by state: up: Hot (mouse over), UpAndFocused (focused, ShowFocus) or
// Up; pressed: Down or Up; latched: StayDown, Down or Up; disabled: Disabled
// or an engraved copy of Up.
//
// Painting: ButtonBorder bbNone draws nothing under the face (Qt has painted
// the parent), bbSingle a black frame around a Color fill, bbButton a 3-D
// button face; ButtonSize says how the face meets the button (natural size
// placed by Layout/Margin/Spacing, button sized to the Up bitmap, stretched,
// or tiled); the caption follows, embossed when disabled and moved by
// CaptionDownOffset while pressed or latched. GetLayout is the one place the
// glyph and caption rectangles are computed.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "platform/Canvas.h"

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
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// bsAutoDetect draws the new style.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TButtonBorder { bbNone, bbSingle, bbButton };

class TUxBmpButton : public QWidget {
  Q_OBJECT
 public:
  explicit TUxBmpButton(QWidget* parent = nullptr);
  ~TUxBmpButton() override;

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
  // Face colour of the bordered styles (bbSingle, bbButton).
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
  // Latched face of a bordered button over the shared 8 x 8 down pattern.
  bool ShowDownPattern() const { return FShowDownPattern; }
  void SetShowDownPattern(bool v);
  // How bitmap and button size relate: bszButtonToBitmap (the default) sizes
  // the button to its Up bitmap plus the border; bszStretchToButton scales
  // every face to the button; bszTileToButton tiles it; bszNeither draws it at
  // its natural size where the layout puts it.
  TBtnSize ButtonSize() const { return FButtonSize; }
  void SetButtonSize(TBtnSize v);
  TButtonBorder ButtonBorder() const { return FButtonBorder; }
  void SetButtonBorder(TButtonBorder v);
  TButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TButtonStyle v);
  // Glyph (bszNeither face) beside the caption; Margin -1 centres, values
  // below -1 are ignored; Spacing -1 spreads glyph and caption evenly.
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return FMargin; }
  void SetMargin(int v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int v) { FModalResult = v; }

  TUxButtonBitmaps* Bitmaps() { return &FBitmaps; }
  void SetBitmaps(const TUxButtonBitmaps* v) { FBitmaps.Assign(v); }
  TButtonState State() const { return FState; }

  // The glyph and caption rectangles of the current face and caption: glyph
  // empty unless bszNeither draws a face at its natural size.
  void GetLayout(QRect& glyph, QRect& text) const;
  // The 8 x 8 down pattern all buttons share: made on first use, freed with
  // the last button; null while it does not exist.
  static const QImage* DownPattern();

  // ModalResult (see above), then OnClick with the button as Sender.
  virtual void Click();

  std::function<void(QObject* Sender)> OnClick;
  std::function<void(QObject* Sender)> OnDblClick;
  std::function<void(QObject* Sender)> OnMouseEnter;
  std::function<void(QObject* Sender)> OnMouseLeave;
  std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseDown;

  QSize sizeHint() const override { return QSize(80, 30); }

 protected:
  void paintEvent(QPaintEvent*) override;
  // The paint steps, in order; drawBorder shrinks r to the face's area.
  virtual void drawBorder(platform::Canvas& c, QRect& r);
  virtual void drawDownPattern(platform::Canvas& c, const QRect& r);
  virtual void drawFace(platform::Canvas& c, const QRect& r, const QImage& face);
  virtual void drawCaption(platform::Canvas& c, const QRect& text);
  virtual void drawFocus(platform::Canvas& c, const QRect& text);
  // The bitmap for the current state; null when only the caption is drawn.
  QImage FaceBitmap() const;

  bool event(QEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
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
  bool NewStyle() const { return FButtonStyle != bsWin31; }
  int BorderWidth() const;
  QRect FaceRect() const;
  void LayoutIn(const QRect& r, const QImage& face, QRect& glyph, QRect& text) const;
  void UpdateAccelerator();

  TUxButtonBitmaps FBitmaps;
  QString FCaption;
  QColor FFontColor;
  QColor FColor;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  int FCaptionDownOffset = 1;
  bool FDragging = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  int FMargin = -1;
  TButtonStyle FButtonStyle = bsAutoDetect;
  TButtonBorder FButtonBorder = bbNone;
  TBtnSize FButtonSize = bszButtonToBitmap;
  bool FShowFocus = true;
  bool FShowDownPattern = true;
  int FModalResult = 0;
  TButtonState FState = bsUp;
  bool FMouseOverButton = false;
  int FAccelerator = 0;  // shortcut id of the caption's "&x", 0 for none
};
