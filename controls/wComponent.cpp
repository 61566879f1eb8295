#include "controls/wComponent.h"

#include "controls/UxDraw.h"
#include "controls/wClock.h"
#include "controls/wException.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using platform::Canvas;
using platform::TColor;
using platform::TPoint;
using platform::TRect;

namespace {

// Sets a flag for the life of a scope, whatever way the scope is left.
class FlagScope {
 public:
  explicit FlagScope(bool& flag, bool value = true) : flag_(flag), old_(flag) { flag_ = value; }
  ~FlagScope() { flag_ = old_; }

 private:
  bool& flag_;
  bool old_;
};

// The user's flag ends on every exit, as input handlers may nest.
class UserScope {
 public:
  explicit UserScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~UserScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TwComponent::TwComponent(QWidget* parent) : QWidget(parent) {
  FErrorFont.Color = platform::RGB(255, 0, 0);
  FErrorFont.Style = platform::fsBold;
  // Every pixel comes from the off-screen image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  FLastUpdate = twclock::NowMs();
  TwUpdateObject::Get().AddUpdateControl(this);
}

TwComponent::~TwComponent() {
  if (TwUpdateObject* u = TwUpdateObject::Existing()) u->RemoveUpdateControl(this);
}

// ---- repaint path -----------------------------------------------------------

void TwComponent::DoInvalidate() {
  FNeedsRepaint = false;
  FLastUpdate = twclock::NowMs();
  Invalidate();
}

void TwComponent::InvalidateThrottled() {
  if (FAutoFrameRate && FUpdateFrameRate != 0 &&
      double(twclock::NowMs()) <= double(FLastUpdate) + 1000.0 / FUpdateFrameRate)
    return;  // the next request after the period, or the sweep, makes it
  DoInvalidate();
}

void TwComponent::InvalidateChange() {
  if (FUpdateActive) {
    FNeedsRepaint = true;
  } else if (FAutoFrameRate) {
    FNeedsRepaint = true;
    InvalidateThrottled();
  } else {
    DoInvalidate();
  }
}

void TwComponent::BackGroundChange() {
  FBackGroundChanged = true;
  InvalidateChange();
}

void TwComponent::InvalidateNow() { DoInvalidate(); }

void TwComponent::TriggerChange(int Kind) {
  if (Kind == 0)
    InvalidateChange();
  else if (Kind == 1)
    BackGroundChange();
}

void TwComponent::BeginUpdate() { FUpdateActive = true; }

void TwComponent::EndUpdate() {
  FUpdateActive = false;
  if (FNeedsRepaint) InvalidateThrottled();
}

void TwComponent::RepaintAll() { BackGroundChange(); }

void TwComponent::SetAutoFrameRate(bool Value) {
  if (Value == FAutoFrameRate) return;
  FAutoFrameRate = Value;
  if (Value)
    BackGroundChange();
  else
    EndUpdate();
}

void TwComponent::SetBooleanProperty(bool Value, bool& Field, int Kind) {
  if (Value == Field) return;
  Field = Value;
  TriggerChange(Kind);
}

void TwComponent::SetIntegerProperty(int Value, int& Field, int Kind) {
  if (Value == Field) return;
  Field = Value;
  TriggerChange(Kind);
}

void TwComponent::SetDoubleProperty(double Value, double& Field, int Kind) {
  if (!(Value < Field || Value > Field)) return;
  Field = Value;
  TriggerChange(Kind);
}

void TwComponent::SetStringProperty(const QString& Value, QString& Field, int Kind) {
  if (Value == Field) return;
  Field = Value;
  TriggerChange(Kind);
}

void TwComponent::SetColorProperty(TColor Value, TColor& Field, int Kind) {
  if (Value == Field) return;
  Field = Value;
  TriggerChange(Kind);
}

// ---- settings ---------------------------------------------------------------

void TwComponent::SetBackGroundPicture(const QImage& Value) {
  if (!FBackGroundPicture)
    FBackGroundPicture = std::make_unique<QImage>(Value);
  else
    *FBackGroundPicture = Value;
  BackGroundChange();
}

void TwComponent::SetBorderStyle(TwBevelStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  BackGroundChange();
}

void TwComponent::SetCachedDrawing(bool Value) {
  if (Value == FCachedDrawing) return;
  FCachedDrawing = Value;
  if (!Value) FreeBackGroundBitmap();
  BackGroundChange();
}

void TwComponent::SetErrorFont(const platform::TFont& Value) {
  if (Value == FErrorFont) return;
  FErrorFont = Value;
  InvalidateChange();
}

TPoint TwComponent::GetCenterPoint() const { return {width() / 2 + FOffsetX, height() / 2 + FOffsetY}; }

TPoint TwComponent::PolarPoint(TPoint Center, double Radius, double Degrees) {
  // Past 2^28 pixels a point is off any canvas; the cut keeps the direction
  // and the sum in int.
  constexpr double kFar = 1 << 28;
  Radius = std::clamp(Radius, -kFar, kFar);
  const double a = Degrees * M_PI / 180.0;
  return {Center.X + int(std::nearbyint(Radius * std::cos(a))), Center.Y - int(std::nearbyint(Radius * std::sin(a)))};
}

bool TwComponent::OPCOutputData(const QString&, const QVariant&) { return false; }

// ---- background -------------------------------------------------------------

QImage& TwComponent::GetBackGroundBitmap() {
  if (!FBackGroundBitmap) {
    FBackGroundBitmap = std::make_unique<QImage>(std::max(width(), 1), std::max(height(), 1),
                                                 QImage::Format_ARGB32_Premultiplied);
    FBackGroundBitmap->fill(Qt::transparent);
  }
  return *FBackGroundBitmap;
}

void TwComponent::DrawBackGroundBitmap(Canvas& Canvas) { Canvas.Draw(0, 0, GetBackGroundBitmap()); }

void TwComponent::DrawBackGround(Canvas& Canvas, TColor Color) {
  FBackGroundChanged = false;
  const TRect all{0, 0, width(), height()};
  if (FBackGroundPicture && FBackGroundPicture->width() > 0) {
    Canvas.StretchDraw(all, *FBackGroundPicture);
    return;
  }
  Canvas.Brush = platform::TBrush{Color, platform::bsSolid};
  Canvas.FillRect(all);
  DrawBorder(Canvas);
}

void TwComponent::DrawBorder(Canvas& Canvas) {
  const TRect all{0, 0, width(), height()};
  if (FBorderStyle == ibsRaised)
    DrawBorder3D(Canvas, all, 1);
  else if (FBorderStyle == ibsLowered)
    DrawBorder3D(Canvas, all, 0);
}

// ---- paint ------------------------------------------------------------------

void TwComponent::PaintException(Canvas& Canvas, const char* Message) {
  TRect r{0, 0, width(), height()};
  Canvas.Brush = platform::TBrush{platform::clBlack, platform::bsSolid};
  Canvas.FillRect(r);
  Canvas.BkMode = platform::bkTransparent;
  Canvas.Font.Color = platform::clWhite;
  DrawTextFlags(Canvas, QString::fromUtf8(Message), r, platform::clWhite, true, itfWordBreak);
}

void TwComponent::paintEvent(QPaintEvent* event) {
  try {
    Lock();
    struct Unlocker {
      TwComponent* c;
      ~Unlocker() { c->Unlock(); }
    } unlocker{this};
    // Only the exposed part is drawn and held: a control far larger than the
    // screen costs what shows, not its whole area.
    const QRect area = event->rect() & rect();
    if (area.isEmpty()) return;
    QImage offScreen(area.size(), QImage::Format_ARGB32_Premultiplied);
    offScreen.fill(PaintsTransparent() ? QColor(Qt::transparent) : platform::ToQColor(platform::ColorToRGB(FBackGroundColor)));
    if (PaintsTransparent()) {
      // What the parent paints beneath: drawing that works on the pixels
      // beneath it, the XOR of a focus frame, then sees them.
      QPainter beneath(&offScreen);
      beneath.translate(-area.topLeft());
      uxdraw::PaintParentBackground(this, beneath, false);
    }
    {
      QPainter onto(&offScreen);
      onto.translate(-area.topLeft());
      if (area != rect()) onto.setClipRect(area);
      Canvas canvas(onto);
      canvas.Brush.Style = platform::bsSolid;
      canvas.Pen.Style = platform::psSolid;
      try {
        DoPaint(canvas);
      } catch (const std::exception& e) {
        PaintException(canvas, e.what());
      }
      if (OnPaint) OnPaint(this, canvas);
    }
    QPainter painter(this);
    painter.drawImage(area.topLeft(), offScreen);
  } catch (...) {
    // A paint never raises.
  }
}

void TwComponent::PaintUncached(Canvas& Canvas) {
  FlagScope cached(FCachedDrawing, false);
  FlagScope changed(FBackGroundChanged);
  DoPaint(Canvas);
}

QImage TwComponent::PaintImage() {
  Lock();
  struct Unlocker {
    TwComponent* c;
    ~Unlocker() { c->Unlock(); }
  } unlocker{this};
  QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
  image.fill(platform::ToQColor(platform::ColorToRGB(FBackGroundColor)));
  {
    Canvas canvas(&image);
    canvas.Brush.Style = platform::bsSolid;
    canvas.Pen.Style = platform::psSolid;
    PaintExport(canvas);
  }
  return image;
}

void TwComponent::PaintExport(Canvas& Canvas) {
  FlagScope exporting(FExporting);
  PaintUncached(Canvas);
}

void TwComponent::SaveImageToBitmap(const QString& FileName) {
  const QImage image = PaintImage();
  if (!image.save(FileName, "BMP"))
    throw TwException(QStringLiteral("Cannot create file \"%1\"").arg(FileName).toStdString());
}

// ---- input ------------------------------------------------------------------

void TwComponent::DoSetFocus() {
  FHasFocus = true;
  Invalidate();
}

void TwComponent::DoKillFocus() {
  FHasFocus = false;
  try {
    DoMouseUp(Qt::LeftButton, Qt::NoModifier, 0, 0);  // ends any drag
  } catch (const std::exception&) {
  }
  Invalidate();
}

void TwComponent::DoWantSpecialKey(int&, int&) {}
void TwComponent::DoKeyUp(int&, Qt::KeyboardModifiers) {}
void TwComponent::DoKeyDown(int&, Qt::KeyboardModifiers) {}
void TwComponent::DoKeyPress(QChar&) {}
void TwComponent::DoMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TwComponent::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TwComponent::DoMouseMove(Qt::KeyboardModifiers, int, int) {}
void TwComponent::DoDblClick() {}
bool TwComponent::DoMouseWheel(int, Qt::KeyboardModifiers, QPoint) { return false; }

bool TwComponent::event(QEvent* e) {
  // A key the control asks for is not taken as a shortcut by the window.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    int code = k->key(), result = 0;
    try {
      DoWantSpecialKey(code, result);
    } catch (const std::exception&) {
    }
    if (result != 0) {
      e->accept();
      return true;
    }
  }
  return QWidget::event(e);
}

void TwComponent::keyPressEvent(QKeyEvent* e) {
  UserScope user(FUserGenerated);
  bool claimed = false;
  try {
    int key = e->key();
    const Qt::KeyboardModifiers shift = e->modifiers();
    if (OnKeyDown) OnKeyDown(this, key, shift);
    DoKeyDown(key, shift);
    claimed = key == 0;
    for (QChar ch : e->text()) {
      if (OnKeyPress) OnKeyPress(this, ch);
      DoKeyPress(ch);
      if (ch.isNull()) claimed = true;
    }
  } catch (const std::exception&) {
  }
  e->setAccepted(claimed);
}

void TwComponent::keyReleaseEvent(QKeyEvent* e) {
  UserScope user(FUserGenerated);
  bool claimed = false;
  try {
    int key = e->key();
    const Qt::KeyboardModifiers shift = e->modifiers();
    if (OnKeyUp) OnKeyUp(this, key, shift);
    DoKeyUp(key, shift);
    claimed = key == 0;
  } catch (const std::exception&) {
  }
  e->setAccepted(claimed);
}

void TwComponent::MouseDown(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  DoMouseDown(e->button(), e->modifiers(), p.x(), p.y());
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y());
}

void TwComponent::mousePressEvent(QMouseEvent* e) {
  UserScope user(FUserGenerated);
  if (e->button() == Qt::LeftButton) FClickPending = true;
  try {
    MouseDown(e);
  } catch (const std::exception&) {
  }
}

void TwComponent::mouseMoveEvent(QMouseEvent* e) {
  UserScope user(FUserGenerated);
  try {
    const QPoint p = e->position().toPoint();
    DoMouseMove(e->modifiers(), p.x(), p.y());
    if (OnMouseMove) OnMouseMove(this, e->modifiers(), p.x(), p.y());
  } catch (const std::exception&) {
  }
}

void TwComponent::mouseReleaseEvent(QMouseEvent* e) {
  UserScope user(FUserGenerated);
  try {
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton && FClickPending) {
      FClickPending = false;
      if (rect().contains(p) && OnClick) OnClick(this);
    }
    DoMouseUp(e->button(), e->modifiers(), p.x(), p.y());
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y());
  } catch (const std::exception&) {
  }
}

void TwComponent::mouseDoubleClickEvent(QMouseEvent* e) {
  UserScope user(FUserGenerated);
  try {
    if (e->button() == Qt::LeftButton) {
      DoDblClick();
      if (OnDblClick) OnDblClick(this);
    }
    MouseDown(e);
  } catch (const std::exception&) {
  }
}

void TwComponent::focusInEvent(QFocusEvent* e) {
  {
    UserScope user(FUserGenerated);
    try {
      DoSetFocus();
    } catch (const std::exception&) {
    }
  }
  QWidget::focusInEvent(e);
  if (OnEnter) OnEnter(this);
}

void TwComponent::focusOutEvent(QFocusEvent* e) {
  {
    UserScope user(FUserGenerated);
    DoKillFocus();
  }
  QWidget::focusOutEvent(e);
  if (OnExit) OnExit(this);
}

void TwComponent::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) BackGroundChange();
}
