#include "controls/RoundPanel.h"

#include "controls/CustomImageList.h"
#include "controls/GDIPFill.h"
#include "controls/GdipObjects.h"
#include "platform/Form.h"

#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
struct RoundPanelDefaults {
  QColor face = platform::ToQColor(platform::clWindow);
  QColor border{128, 128, 128};
  QColor shadow{217, 217, 217};
  int rounding = 8;
  QSize size{200, 100};
  int rightControlSize = 2;  // the right in-control group's width before any control
  int plainMark = 2;         // added to a control's width
  int dropDownMark = 7;      // added instead with the drop-down triangle
  QColor triangle{0, 0, 0};
  int popupLift = 3;         // the menu pops up this far above the bottom
};
const RoundPanelDefaults& Defaults() {
  static const RoundPanelDefaults d;
  return d;
}

ARGB Argb(const QColor& c) { return MakeARGB(c.alpha(), c.red(), c.green(), c.blue()); }
}  // namespace

// ---- TRoundPanel -----------------------------------------------------------

TRoundPanel::TRoundPanel(QWidget* parent)
    : QWidget(parent),
      FRounding(Defaults().rounding),
      FColor(Defaults().face),
      FShadowColor(Defaults().shadow),
      FBorderColor(Defaults().border) {
  setFocusPolicy(Qt::NoFocus);
  resize(Defaults().size);
}

int TRoundPanel::Tag() const { return platform::Tag(this); }
void TRoundPanel::SetTag(int v) { platform::SetTag(this, v); }

void TRoundPanel::SetRounding(int v) {
  if (v == FRounding) return;
  FRounding = v;
  RoundingChanged();
  update();
}

void TRoundPanel::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  Changed();
}

void TRoundPanel::SetBorderColor(const QColor& v) {
  if (v == FBorderColor) return;
  FBorderColor = v;
  update();
}

void TRoundPanel::Changed() { update(); }

void TRoundPanel::SetIndents(int left, int right) {
  FIndentLeft = left;
  FIndentRight = right;
}

// The widget is not opaque: Qt paints the parent beneath it first, so the
// corners show the parent's face.
void TRoundPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  drawFace(p);
  drawShadow(p);
  drawContents(p);
}

void TRoundPanel::drawFace(QPainter& p) {
  TGDIPFill fill;
  fill.SetBorderColor(FBorderColor);
  fill.SetRounding(FRounding);
  fill.SetRoundingType(rtBoth);
  fill.SetColor(FColor);
  fill.SetColorTo(FColor);
  fill.SetColorMirror(FColor);
  fill.SetColorMirrorTo(FColor);
  fill.Fill(p, QRectF(FIndentLeft, 0, width() - 1 - FIndentRight - FIndentLeft, height() - 1));
}

void TRoundPanel::drawShadow(QPainter& p) {
  if (!FShadowColor.isValid() || FShadowColor.alpha() == 0) return;
  TGPGraphics g(p);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  TGPPen pen(Argb(FShadowColor), 1);
  const int w = width();
  g.DrawLine(&pen, float(FRounding + FIndentLeft), 1, float(w - FRounding - FIndentRight), 1);
  g.DrawArc(&pen, float(w - FRounding - FIndentRight - 3), 1, float(FRounding), float(FRounding), -90, 90);
}

// ---- TRoundControl ---------------------------------------------------------

TRoundControl::TRoundControl(TRoundControls* collection) : FCollection(collection) {
  for (TZodOVODPicture* p : {&FPicture, &FPictureHover, &FPictureDown}) p->OnChange = [this](QObject*) { Changed(); };
}

void TRoundControl::Changed() {
  if (FCollection) FCollection->Update();
}

void TRoundControl::SetImageIndex(int v) {
  if (v == FImageIndex) return;
  FImageIndex = v;
  Changed();
}

void TRoundControl::SetDropDown(bool v) {
  if (v == FDropDown) return;
  FDropDown = v;
  Changed();
}

void TRoundControl::SetPosition(TControlPosition v) {
  if (v == FPosition) return;
  FPosition = v;
  Changed();
}

int TRoundControl::Index() const {
  if (!FCollection) return -1;
  for (int i = 0; i < FCollection->Count(); ++i)
    if (FCollection->Items(i) == this) return i;
  return -1;
}

void TRoundControl::Assign(const TRoundControl* s) {
  if (!s || s == this) return;
  FHint = s->FHint;
  FImageIndex = s->FImageIndex;
  FImageIndexHover = s->FImageIndexHover;
  FImageIndexDown = s->FImageIndexDown;
  FPosition = s->FPosition;
  FDropDown = s->FDropDown;
  Changed();
}

// ---- TRoundControls --------------------------------------------------------

TRoundControls::~TRoundControls() {
  OnChange = nullptr;
  FItems.clear();
}

TRoundControl* TRoundControls::Add() { return Insert(Count()); }

TRoundControl* TRoundControls::Insert(int index) {
  index = std::clamp(index, 0, Count());
  auto* item = FItems.insert(FItems.begin() + index, std::make_unique<TRoundControl>(this))->get();
  Update();
  return item;
}

void TRoundControls::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  Update();
}

void TRoundControls::Clear() {
  FItems.clear();
  Update();
}

void TRoundControls::Assign(const TRoundControls* s) {
  if (!s || s == this) return;
  auto change = std::move(OnChange);  // one change for the whole copy
  OnChange = nullptr;
  FItems.clear();
  for (int i = 0; i < s->Count(); ++i) {
    FItems.push_back(std::make_unique<TRoundControl>(this));
    FItems.back()->Assign(s->Items(i));
  }
  OnChange = std::move(change);
  Update();
}

void TRoundControls::SetImageListSize(int width, int height) {
  FImageListImageWidth = width;
  FImageListImageHeight = height;
}

QSize TRoundControls::ContentSize(int i) const {
  TZodOVODPicture* picture = Items(i)->Picture();
  if (!picture->Empty()) {
    if (picture->Width() <= 0) picture->GetImageSizes();
    return QSize(picture->Width(), picture->Height());
  }
  return QSize(FImageListImageWidth, FImageListImageHeight);
}

int TRoundControls::ControlWidth(int i) const {
  const RoundPanelDefaults& d = Defaults();
  return ContentSize(i).width() + (Items(i)->DropDown() ? d.dropDownMark : d.plainMark);
}

void TRoundControls::UpdateSizes() {
  FLeftSize = FRightSize = FLeftControlSize = 0;
  FRightControlSize = Defaults().rightControlSize;
  for (int i = 0; i < Count(); ++i) {
    const int w = ControlWidth(i);
    switch (Items(i)->Position()) {
      case cpLeftInControl: FLeftControlSize += w; break;
      case cpRightInControl: FRightControlSize += w; break;
      case cpLeft: FLeftSize += w; break;
      case cpRight: FRightSize += w; break;
    }
  }
}

void TRoundControls::Update() {
  UpdateSizes();
  if (OnChange) OnChange(this);
}

// ---- TRoundControlPanel ----------------------------------------------------

TRoundControlPanel::TRoundControlPanel(QWidget* parent)
    : TRoundPanel(parent), FRoundControls(new TRoundControls(this)) {
  setMouseTracking(true);
  FRoundControls->OnChange = [this](QObject*) { ControlsChanged(); };
  ControlsChanged();
}

TRoundControlPanel::~TRoundControlPanel() { FRoundControls->OnChange = nullptr; }

void TRoundControlPanel::SetImages(TCustomImageList* v) {
  if (FImages) disconnect(FImages, nullptr, this, nullptr);
  FImages = v;
  if (v) {
    connect(v, &QObject::destroyed, this, [this] {
      FImages = nullptr;
      FRoundControls->SetImageListSize(0, 0);
      FRoundControls->UpdateSizes();
      ControlsChanged();
    });
  }
  FRoundControls->SetImageListSize(v ? v->Width() : 0, v ? v->Height() : 0);
  FRoundControls->UpdateSizes();
  ControlsChanged();
}

void TRoundControlPanel::ControlsChanged() {
  SetIndents(FRoundControls->LeftSize(), FRoundControls->RightSize());
  UpdateControls();
  update();
}

std::vector<QRect> TRoundControlPanel::Layout() const {
  const TRoundControls& cs = *FRoundControls;
  const int half = Rounding() / 2;
  int start[4];
  start[cpLeft] = 0;
  start[cpLeftInControl] = cs.LeftSize() + half;
  start[cpRightInControl] = width() - cs.RightSize() - cs.RightControlSize() - half;
  start[cpRight] = width() - cs.RightSize() + 2;
  std::vector<QRect> rects;
  for (int i = 0; i < cs.Count(); ++i) {
    const QSize content = cs.ContentSize(i);
    const int w = cs.ControlWidth(i);
    int& x = start[cs.Items(i)->Position()];
    rects.emplace_back(x, (height() - content.height()) / 2, w, content.height());
    x += w;
  }
  return rects;
}

QRect TRoundControlPanel::ControlRect(int i) const {
  const std::vector<QRect> rects = Layout();
  return i >= 0 && i < int(rects.size()) ? rects[size_t(i)] : QRect();
}

int TRoundControlPanel::ControlAt(const QPoint& pt) const {
  const std::vector<QRect> rects = Layout();
  int hit = -1;
  for (int i = 0; i < int(rects.size()); ++i) {
    const QRect& r = rects[size_t(i)];
    if (pt.x() > r.x() && pt.x() < r.x() + r.width()) hit = i;
  }
  return hit;
}

void TRoundControlPanel::DoControlClick(int index) {
  if (OnControlClick) OnControlClick(this, index);
}

void TRoundControlPanel::drawContents(QPainter& p) {
  const std::vector<QRect> rects = Layout();
  for (int i = 0; i < int(rects.size()); ++i) drawControl(p, *FRoundControls->Items(i), rects[size_t(i)]);
}

void TRoundControlPanel::drawControl(QPainter& p, const TRoundControl& control, const QRect& r) {
  int drawn = 0;
  if (control.Picture()->Empty()) {
    int index = control.ImageIndex();
    if (control.State() == csHover && control.ImageIndexHover() >= 0) index = control.ImageIndexHover();
    if (control.State() == csDown && control.ImageIndexDown() >= 0) index = control.ImageIndexDown();
    if (FImages && index >= 0) {
      FImages->Draw(p, r.x(), r.y(), index, isEnabled());
      drawn = FImages->Width();
    }
  } else {
    const TZodOVODPicture* picture = control.Picture();
    if (control.State() == csHover && !control.PictureHover()->Empty()) picture = control.PictureHover();
    if (control.State() == csDown && !control.PictureDown()->Empty()) picture = control.PictureDown();
    const QImage image = picture->Image();
    drawn = image.width();
    picture->GDIPDraw(p, QRectF(r.x(), r.y(), image.width(), image.height()));
  }
  if (!control.DropDown()) return;
  TGPGraphics g(p);
  g.SetSmoothingMode(SmoothingModeHighQuality);
  const float x = float(r.x() + drawn), y = float(r.y());
  const TGPPointF corners[3] = {{x, y + 5}, {x + 6, y + 5}, {x + 3, y + 9}};
  TGPGraphicsPath path;
  path.AddPolygon(corners, 3);
  TGPSolidBrush brush(Argb(Defaults().triangle));
  g.FillPath(&brush, &path);
}

void TRoundControlPanel::mousePressEvent(QMouseEvent* e) {
  TRoundPanel::mousePressEvent(e);
  const int i = ControlAt(e->position().toPoint());
  if (i < 0) return;
  TRoundControl* control = FRoundControls->Items(i);
  control->SetState(csDown);
  update();
  if (control->DropDown() && control->PopupMenu())
    control->PopupMenu()->popup(mapToGlobal(QPoint(ControlRect(i).x(), height() - Defaults().popupLift)));
}

void TRoundControlPanel::mouseMoveEvent(QMouseEvent* e) {
  TRoundPanel::mouseMoveEvent(e);
  const int at = ControlAt(e->position().toPoint());
  if (at < 0) return;
  bool changed = false;
  for (int i = 0; i < FRoundControls->Count(); ++i) {
    TRoundControl* control = FRoundControls->Items(i);
    if (i == at && control->State() != csHover) {
      control->SetState(csHover);
      changed = true;
    } else if (i != at && control->State() == csHover) {
      control->SetState(csNormal);
      changed = true;
    }
  }
  if (changed) update();
}

void TRoundControlPanel::mouseReleaseEvent(QMouseEvent* e) {
  TRoundPanel::mouseReleaseEvent(e);
  const int i = ControlAt(e->position().toPoint());
  if (i < 0) return;
  DoControlClick(i);
  // The handler may have changed the collection.
  if (i < FRoundControls->Count()) FRoundControls->Items(i)->SetState(csNormal);
  update();
}

void TRoundControlPanel::leaveEvent(QEvent* e) {
  TRoundPanel::leaveEvent(e);
  bool changed = false;
  for (int i = 0; i < FRoundControls->Count(); ++i) {
    TRoundControl* control = FRoundControls->Items(i);
    if (control->State() != csHover) continue;
    control->SetState(csNormal);
    changed = true;
  }
  if (changed) update();
}

bool TRoundControlPanel::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const int i = ControlAt(help->pos());
    if (i >= 0 && !FRoundControls->Items(i)->Hint().isEmpty()) {
      QToolTip::showText(help->globalPos(), FRoundControls->Items(i)->Hint(), this);
      return true;
    }
  }
  return TRoundPanel::event(e);
}
