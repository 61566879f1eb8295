// TUxLabel: a label with panel frames, raised, recessed or drop-shadow text,
// text turned by an angle or laid along an arc, blinking, a fly-by colour,
// an ellipsis for captions that do not fit and an inner text margin.
//
// Paint: the frames (BorderOuter, a BorderWidth band in BorderColor,
// BorderInner, on BorderSides, as on the panel); an opaque label fills the
// rest with Color (a new label is opaque and takes its parent's colour until
// Color is set); then the text inside TextMargin, placed by Alignment and
// Layout, with the copies of TextStyle (shadow, highlight) before it, in the
// current text colour: FontColor, BlinkColor in a blink phase, FlyByColor
// while the mouse is over it with FlyByEnabled. A disabled label draws the
// text once in clGrayText. Rotation roFlat turns the text by Angle about the
// label's centre; roCurve lays it clockwise along an ellipse around
// CenterPoint.
//
// AutoSize (on by default) fits the label to its caption plus frames, margin,
// shadow and turn; a right-aligned label keeps its right edge, any other its
// left. CondenseCaption other than ccNone turns AutoSize off.
//
// Every label is a member of the process-wide blinking list from creation to
// destruction; with Blinking on it changes colour with every other blinking
// label (BlinkIntervalOn/Off are the list's, shared by all). A frame
// controller, when linked, sets the frames and colours (only while its
// FrameVisible is on).
//
// Setters that change nothing return at once; the frame setters re-run the
// automatic size, the colour and text-style setters repaint.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include "controls/UxDraw.h"
#include "controls/UxFrameController.h"

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
  cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter,
  cpLowerRight
};
enum TUxCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TUxLabel : public QWidget, public IFrameControllerClient {
  Q_OBJECT
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
 public:
  explicit TUxLabel(QWidget* parent = nullptr);
  ~TUxLabel() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  // The horizontal flags are the alignment (left, centre, right); vertical
  // flags, when given, set Layout.
  Qt::Alignment Alignment() const;
  void SetAlignment(Qt::Alignment v);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool v);
  // The parent's colour while ParentColor is on; writing Color turns it off.
  QColor Color() const;
  void SetColor(const QColor& v);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  // The font's colour; the text is drawn in it outside blink phases.
  QColor FontColor() const { return FFontColorValue; }
  void SetFontColor(const QColor& v);
  void SetFontSize(int points);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool v) { setVisible(v); }
  int Tag() const;
  void SetTag(int v);

  int Angle() const { return FAngle; }
  void SetAngle(int v);
  TRotation Rotation() const { return FRotation; }
  void SetRotation(TRotation v);
  TCenterPoint CenterPoint() const { return FCenterPoint; }
  void SetCenterPoint(TCenterPoint v);
  uxdraw::TTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(uxdraw::TTextStyle v);
  bool LightTextStyle() const { return FLightTextStyle; }
  void SetLightTextStyle(bool v);
  QColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const QColor& v);
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& v);
  int ShadowDepth() const { return FShadowDepth; }
  void SetShadowDepth(int v);
  bool Blinking() const { return FBlinking; }
  void SetBlinking(bool v);
  QColor BlinkColor() const { return FBlinkColor; }
  void SetBlinkColor(const QColor& v);
  int BlinkIntervalOn() const;
  void SetBlinkIntervalOn(int v);
  int BlinkIntervalOff() const;
  void SetBlinkIntervalOff(int v);
  uxdraw::TBlinkState BlinkState() const { return FBlinkState; }
  bool FlyByEnabled() const { return FFlyByEnabled; }
  void SetFlyByEnabled(bool v);
  QColor FlyByColor() const { return FFlyByColor; }
  void SetFlyByColor(const QColor& v);
  TUxCondenseCaption CondenseCaption() const { return FCondenseCaption; }
  void SetCondenseCaption(TUxCondenseCaption v);
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int v);
  TFrameStyleEx BorderOuter() const { return FBorderOuter; }
  void SetBorderOuter(TFrameStyleEx v);
  TFrameStyleEx BorderInner() const { return FBorderInner; }
  void SetBorderInner(TFrameStyleEx v);
  uxdraw::TSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(uxdraw::TSides v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  QColor BorderHighlight() const { return FBorderHighlight; }
  void SetBorderHighlight(const QColor& v);
  QColor BorderShadow() const { return FBorderShadow; }
  void SetBorderShadow(const QColor& v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  QColor FlatColor() const { return FFlatColor; }
  void SetFlatColor(const QColor& v);
  int FlatColorAdjustment() const { return FFlatColorAdjustment; }
  void SetFlatColorAdjustment(int v);
  TUxFrameController* FrameController() const { return FFrameController; }
  void SetFrameController(TUxFrameController* v);
  TUxFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
  void SetFrameControllerNotifications(TUxFrameControllerNotifications v) { FFrameControllerNotifications = v; }

  // The caption as drawn in the current bounds (with the ellipsis of
  // CondenseCaption).
  QString DisplayedText() const;
  // The colour the text is drawn in now.
  QColor CurrentColor() const { return FCurrentColor; }
  // Phase from the blinking list: the blink colour (show) or the font colour.
  void Blink(bool show);
  void UpdateFromFrameController() override;
  // r grown by what surrounds the text: frames, border band, margin (and the
  // shadow and turn, see AutoSize).
  QRect ExpandRectForBorders(const QRect& r) const;
  // r shrunk by the frames on BorderSides, and by BorderWidth on every side
  // when withBorderWidth.
  QRect AdjustRectForBorders(const QRect& r, bool withBorderWidth) const;
  // The size AutoSize gives the label.
  QSize AutoSizeExtent() const;

  QSize sizeHint() const override { return AutoSizeExtent(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  // The paint steps, in order.
  virtual void drawFrame(platform::Canvas& c, QRect& r);
  virtual void drawLabelText(QPainter& p);
  virtual void drawCurvedText(QPainter& p);
  void changeEvent(QEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  // The DrawText flags of the text (alignment, word break, prefix).
  int TextFlags() const;
  QString ShownText(const QFontMetrics& fm, const QRect& r) const;
  // Layout's vertical move of a text rectangle.
  QRect PlacedTextRect(const QFontMetrics& fm, QRect t, int flags) const;
  void DrawTextCopy(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& color, int dx, int dy);
  void AdjustBounds();
  void FontChanged();
  QPoint RotationCenter() const;
  QPoint CurveExtent() const;

  QString FCaption;
  Qt::Alignment FAlignment = Qt::AlignLeft;
  TTextLayout FLayout = tlTop;
  bool FTransparent = false;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  QColor FColor;
  bool FParentColor = true;
  QColor FFontColorValue;  // Font.Color
  int FAngle = 0;
  QColor FBlinkColor;
  uxdraw::TBlinkState FBlinkState = uxdraw::bsOff;
  bool FBlinking = false;
  int FBevelWidth = 1;
  TFrameStyleEx FBorderInner = fsNone;
  TFrameStyleEx FBorderOuter = fsNone;
  uxdraw::TSides FBorderSides = uxdraw::AllSides;
  QColor FBorderColor, FBorderHighlight, FBorderShadow;
  int FBorderWidth = 0;
  QColor FFlatColor;
  int FFlatColorAdjustment = 30;
  QColor FFontColor;  // remembered while blinking
  QPointer<TUxFrameController> FFrameController;
  TUxFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications;
  TCenterPoint FCenterPoint = cpCenter;
  QColor FOrigColor;
  bool FFlyByEnabled = false;
  QColor FFlyByColor;
  bool FLightTextStyle = false;
  uxdraw::TTextStyle FTextStyle = uxdraw::tsNormal;
  TRotation FRotation = roNone;
  QColor FHighlightColor, FShadowColor;
  int FShadowDepth = 2;
  int FTextMargin = 0;
  TUxCondenseCaption FCondenseCaption = ccNone;
  QColor FCurrentColor;
};
