// TUxCustomPanel / TUxPanel: the container of pages and dialogs.
//
// Paint, in order: the frames (BorderOuter, a BorderWidth band in
// BorderColor, BorderInner, each on BorderSides; flat frames in FlatColor
// made lighter or darker by FlatColorAdjustment, fsStatus/fsPopup in
// BorderHighlight/BorderShadow BevelWidth thick); then, unless Transparent or
// PaintClientArea is off, the client area in Color (or, with VisualStyle
// vsGradient, a gradient in GradientDirection); rounded frames get their
// corner pixels; the grid (ShowGrid); the Caption by Alignment and
// AlignmentVertical inside TextMargin/TextMarginVertical, grey when disabled;
// OnPaint last, with the same painter, so a page can draw on the box.
//
// Transparent paints nothing of the panel's own background: Qt has painted
// the parent under it, so nested transparent containers show the window's
// background. ClientRect is the rectangle inside the frames and the
// BorderWidth band; it is also the widget's contents margins.
//
// Setters that change nothing return at once. Frame setters recompute the
// client rectangle; gradient setters also repaint the transparent children;
// Transparent repaints every child.
//
// Disabling a panel disables its children through Qt; a child disabled on its
// own stays disabled when the panel is enabled again.
//
// A linked frame controller (FrameController) sets the outer frame, sides,
// flat colour and Color (with the frame highlight and shadow derived from
// it), only while its FrameVisible is on and only the settings named in
// FrameControllerNotifications.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "controls/UxDraw.h"
#include "controls/UxFrameController.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TUxGridStyle { gsDots, gsDottedLines, gsSolidLines };

class TUxCustomPanel : public QWidget, public IFrameControllerClient {
  Q_OBJECT
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
 public:
  explicit TUxCustomPanel(QWidget* parent = nullptr);
  ~TUxCustomPanel() override;

  QString Caption() const { return FCaption; }
  virtual void SetCaption(const QString& v);
  // The font's colour (the caption's).
  QColor FontColor() const { return FFontColor; }
  virtual void SetFontColor(const QColor& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool v) { setVisible(v); }
  void BringToFront() { raise(); }
  int Tag() const;
  void SetTag(int v);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  uxdraw::TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(uxdraw::TAlignmentVertical v);
  TFrameStyleEx BorderOuter() const { return FBorderOuter; }
  void SetBorderOuter(TFrameStyleEx v);
  TFrameStyleEx BorderInner() const { return FBorderInner; }
  void SetBorderInner(TFrameStyleEx v);
  uxdraw::TSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(uxdraw::TSides v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  QColor BorderHighlight() const { return FBorderHighlight; }
  void SetBorderHighlight(const QColor& v);
  QColor BorderShadow() const { return FBorderShadow; }
  void SetBorderShadow(const QColor& v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor FlatColor() const { return FFlatColor; }
  void SetFlatColor(const QColor& v);
  int FlatColorAdjustment() const { return FFlatColorAdjustment; }
  void SetFlatColorAdjustment(int v);
  uxdraw::TUxGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
  void SetGradientColorStyle(uxdraw::TUxGradientColorStyle v);
  QColor GradientColorStart() const { return FGradientColorStart; }
  void SetGradientColorStart(const QColor& v);
  QColor GradientColorStop() const { return FGradientColorStop; }
  void SetGradientColorStop(const QColor& v);
  uxdraw::TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(uxdraw::TGradientDirection v);
  QColor GridColor() const { return FGridColor; }
  void SetGridColor(const QColor& v);
  TUxGridStyle GridStyle() const { return FGridStyle; }
  void SetGridStyle(TUxGridStyle v);
  int GridXSize() const { return FGridXSize; }
  void SetGridXSize(int v);
  int GridYSize() const { return FGridYSize; }
  void SetGridYSize(int v);
  void SetGridSize(int xSize, int ySize);
  bool ShowGrid() const { return FShowGrid; }
  void SetShowGrid(bool v);
  bool PaintClientArea() const { return FPaintClientArea; }
  void SetPaintClientArea(bool v);
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int v);
  int TextMarginVertical() const { return FTextMarginVertical; }
  void SetTextMarginVertical(int v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  uxdraw::TUxVisualStyle VisualStyle() const { return FVisualStyle; }
  void SetVisualStyle(uxdraw::TUxVisualStyle v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  // The client area takes the parent's colour while on; writing Color turns it off.
  bool IsParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  TUxFrameController* FrameController() const { return FFrameController; }
  void SetFrameController(TUxFrameController* v);
  TUxFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
  void SetFrameControllerNotifications(TUxFrameControllerNotifications v) { FFrameControllerNotifications = v; }
  void UpdateFromFrameController() override;

  // The rectangle children are placed in: inside the frames and BorderWidth.
  virtual QRect ClientRect() const;
  QPoint GetCursorClientPos() const;
  // r shrunk by the frames on BorderSides, and by BorderWidth on every side
  // when withBorderWidth.
  QRect AdjustRectForBorders(const QRect& r, bool withBorderWidth) const;
  QRect GetControlRect() const { return QRect(0, 0, width(), height()); }
  QPoint GetBorderExtra() const { return QPoint(1, 1); }
  // gcsCustom: the two custom colours; otherwise the colour style's.
  void GetGradientColors(QColor& start, QColor& stop) const;
  // FlatColor and its adjustment; with vsGradient and a colour style other
  // than gcsCustom, the style's flat colour unadjusted.
  void GetFlatColor(QColor& color, int& adjustment) const;

  std::function<void(QObject* Sender, QPainter& Canvas)> OnPaint;

 protected:
  void paintEvent(QPaintEvent*) final;
  void changeEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  // The whole paint; descendants extend it and call the base first.
  virtual void Paint(QPainter& p);
  virtual void DrawCaptionText(platform::Canvas& c, const QRect& r);
  virtual void DrawGrid(platform::Canvas& c, const QRect& r);
  // Recomputes the client rectangle (the contents margins).
  void Realign();
  QColor ParentColor() const;

 private:
  QString FCaption;
  QColor FFontColor;
  TAlignment FAlignment = taCenter;
  uxdraw::TAlignmentVertical FAlignmentVertical = uxdraw::avCenter;
  TFrameStyleEx FBorderOuter = fsRaised;
  TFrameStyleEx FBorderInner = fsNone;
  uxdraw::TSides FBorderSides = uxdraw::AllSides;
  int FBorderWidth = 0;
  int FBevelWidth = 1;
  QColor FBorderColor, FBorderHighlight, FBorderShadow;
  QColor FColor, FFlatColor;
  int FFlatColorAdjustment = 30;
  uxdraw::TUxGradientColorStyle FGradientColorStyle = uxdraw::gcsSystem;
  QColor FGradientColorStart, FGradientColorStop;
  uxdraw::TGradientDirection FGradientDirection = uxdraw::gdHorizontalEnd;
  QColor FGridColor;
  TUxGridStyle FGridStyle = gsDots;
  int FGridXSize = 8;
  int FGridYSize = 8;
  bool FShowGrid = false;
  bool FPaintClientArea = true;
  int FTextMargin = 0;
  int FTextMarginVertical = 0;
  bool FTransparent = false;
  uxdraw::TUxVisualStyle FVisualStyle = uxdraw::vsWinXP;
  bool FWordWrap = true;
  bool FParentColor = false;
  QPointer<TUxFrameController> FFrameController;
  TUxFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications;
};

class TUxPanel : public TUxCustomPanel {
  Q_OBJECT
 public:
  explicit TUxPanel(QWidget* parent = nullptr) : TUxCustomPanel(parent) {}
};
