// The rounded panels under the value box (controls/RoundEdit.h).
//
// TRoundPanel: a container painted as a flat, anti-aliased rounded rectangle:
// the face in Color with a one-pixel border in BorderColor, corners of radius
// Rounding, and a light grey (217, 217, 217) inner shadow along the top edge
// and round the top-right corner. IndentLeft and IndentRight keep pixels at
// each end free of the shape. Outside the shape the parent shows. Writing
// BorderColor, Rounding or Color repaints only when the value changes; Color
// goes through the virtual Changed.
//
// TRoundControlPanel adds small picture buttons at its ends (Controls, a
// collection of TRoundControl). Each shows its Picture (or the Images entry
// ImageIndex) with hover and pressed variants, optionally a drop-down
// triangle, and sits in one of four groups:
//   cpLeft           from x 0, outside the rounded shape (it indents it);
//   cpLeftInControl  from IndentLeft + Rounding / 2, inside the shape;
//   cpRightInControl ending Rounding / 2 before the right-hand groups;
//   cpRight          outside the shape at the right end.
// A control's width is its picture's (or the image list's image) width plus
// 2, or plus 7 with the drop-down mark; it is centred vertically. The groups'
// widths are kept in the collection (the right in-control group starts at 2)
// and recomputed, with UpdateControls, whenever the collection or Images
// changes. A point hits a control when its x lies strictly inside the
// control's span; a later control wins. Pressing a control shows it pressed
// (and pops up its menu when it has DropDown and a PopupMenu); releasing over
// one runs OnControlClick with its index; moving over one shows it hovered.
// A control's Hint replaces the panel's tooltip over it.
#pragma once

#include <QColor>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "controls/CustomImageList.h"
#include "controls/ZodOVOD.h"

class TRoundControls;

class TRoundPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TRoundPanel(QWidget* parent = nullptr);

  int Rounding() const { return FRounding; }
  void SetRounding(int v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  // The inner top shadow's colour.
  QColor ShadowColor() const { return FShadowColor; }
  int IndentLeft() const { return FIndentLeft; }
  int IndentRight() const { return FIndentRight; }
  int Tag() const;
  void SetTag(int v);

  QSize sizeHint() const override { return QSize(200, 100); }

 protected:
  // After a Color write: repaints.
  virtual void Changed();
  // After a Rounding write, before the repaint.
  virtual void RoundingChanged() {}
  void SetIndents(int left, int right);

  void paintEvent(QPaintEvent*) override;
  // The face and border, in the rectangle left between the indents.
  virtual void drawFace(QPainter& p);
  // The line at y 1 and the quarter arc of the top-right corner.
  virtual void drawShadow(QPainter& p);
  // What lies on the face (the embedded controls).
  virtual void drawContents(QPainter&) {}

 private:
  int FRounding = 8;
  QColor FColor, FShadowColor, FBorderColor;
  int FIndentRight = 0, FIndentLeft = 0;
};

enum TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
enum TControlState { csNormal, csHover, csDown };

// One embedded picture button of a TRoundControlPanel. Writing DropDown,
// ImageIndex or Position, or changing a picture, reports a change to the
// collection; ImageIndexHover and ImageIndexDown only store.
class TRoundControl : public QObject {
  Q_OBJECT
 public:
  explicit TRoundControl(TRoundControls* collection);

  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  int ImageIndexHover() const { return FImageIndexHover; }
  void SetImageIndexHover(int v) { FImageIndexHover = v; }
  int ImageIndexDown() const { return FImageIndexDown; }
  void SetImageIndexDown(int v) { FImageIndexDown = v; }
  // The pictures are copied in.
  TZodOVODPicture* Picture() { return &FPicture; }
  const TZodOVODPicture* Picture() const { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v) { FPicture.Assign(v); }
  TZodOVODPicture* PictureHover() { return &FPictureHover; }
  const TZodOVODPicture* PictureHover() const { return &FPictureHover; }
  void SetPictureHover(const TZodOVODPicture* v) { FPictureHover.Assign(v); }
  TZodOVODPicture* PictureDown() { return &FPictureDown; }
  const TZodOVODPicture* PictureDown() const { return &FPictureDown; }
  void SetPictureDown(const TZodOVODPicture* v) { FPictureDown.Assign(v); }
  QString Hint() const { return FHint; }
  void SetHint(const QString& v) { FHint = v; }
  bool DropDown() const { return FDropDown; }
  void SetDropDown(bool v);
  // Cleared when the menu is destroyed.
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* v) { FPopupMenu = v; }
  TControlPosition Position() const { return FPosition; }
  void SetPosition(TControlPosition v);
  TControlState State() const { return FState; }
  void SetState(TControlState v) { FState = v; }
  int Index() const;

  // Copies Hint, the three indices, Position and DropDown.
  void Assign(const TRoundControl* source);

 private:
  void Changed();

  TRoundControls* FCollection;
  int FImageIndex = -1, FImageIndexHover = -1, FImageIndexDown = -1;
  TZodOVODPicture FPicture, FPictureHover, FPictureDown;
  QString FHint;
  bool FDropDown = false;
  QPointer<QMenu> FPopupMenu;
  TControlPosition FPosition = cpRightInControl;
  TControlState FState = csNormal;
};

// The owned collection of embedded controls and the widths of their four
// groups. Every change fires OnChange.
class TRoundControls : public QObject {
  Q_OBJECT
 public:
  explicit TRoundControls(QObject* parent = nullptr) : QObject(parent) {}
  ~TRoundControls() override;

  int Count() const { return int(FItems.size()); }
  TRoundControl* Items(int i) const { return FItems.at(size_t(i)).get(); }
  TRoundControl* Add();
  TRoundControl* Insert(int index);
  void Delete(int index);
  void Clear();
  // Copies every item of the source (as TRoundControl::Assign does).
  void Assign(const TRoundControls* source);

  int LeftSize() const { return FLeftSize; }
  int LeftControlSize() const { return FLeftControlSize; }
  int RightSize() const { return FRightSize; }
  int RightControlSize() const { return FRightControlSize; }
  // The size of the owner's image list entries; 0 x 0 without one.
  void SetImageListSize(int width, int height);
  // A control's drawn picture (or image) size.
  QSize ContentSize(int i) const;
  // A control's span: its content width plus 2, or 7 with the drop-down mark.
  int ControlWidth(int i) const;
  // Recomputes the four group widths.
  void UpdateSizes();

  std::function<void(QObject* Sender)> OnChange;

 private:
  friend class TRoundControl;
  void Update();

  std::vector<std::unique_ptr<TRoundControl>> FItems;
  int FLeftSize = 0, FLeftControlSize = 0, FRightSize = 0, FRightControlSize = 2;
  int FImageListImageWidth = 0, FImageListImageHeight = 0;
};

class TRoundControlPanel : public TRoundPanel {
  Q_OBJECT
 public:
  explicit TRoundControlPanel(QWidget* parent = nullptr);
  ~TRoundControlPanel() override;

  TRoundControls* Controls() const { return FRoundControls; }
  // Copies the source's items.
  void SetControls(const TRoundControls* v) { FRoundControls->Assign(v); }
  TCustomImageList* Images() const { return FImages; }
  // Dropped when the list is destroyed.
  void SetImages(TCustomImageList* v);
  QString Version() const { return QStringLiteral("1.0.3.1"); }
  void SetVersion(const QString&) {}

  // Where embedded control i lies, and the control at a point (-1 for none).
  QRect ControlRect(int i) const;
  int ControlAt(const QPoint& pt) const;

  std::function<void(QObject* Sender, int Index)> OnControlClick;

 protected:
  virtual void DoControlClick(int index);
  // Places child controls; nothing here.
  virtual void UpdateControls() {}
  void RoundingChanged() override { UpdateControls(); }
  void drawContents(QPainter& p) override;
  virtual void drawControl(QPainter& p, const TRoundControl& control, const QRect& r);
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void leaveEvent(QEvent*) override;
  bool event(QEvent*) override;

 private:
  // The sizes changed: indents, child placement, repaint.
  void ControlsChanged();
  // One pass over the controls in order: each one's rectangle.
  std::vector<QRect> Layout() const;

  TRoundControls* FRoundControls;
  QPointer<TCustomImageList> FImages;
};
