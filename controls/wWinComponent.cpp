#include "controls/wWinComponent.h"

#include "controls/wException.h"
#include "controls/wImageEncode.h"

#include <QFile>
#include <QPainter>
#include <QResizeEvent>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>

using platform::Canvas;
using platform::TColor;

namespace {

// Windows raises timer periods below 10 ms to 10 ms.
int TimerPeriod(int ms) { return std::max(ms, 10); }

void CheckJpegCompression(int Compression) {
  if (Compression < 1 || Compression > 100) throw TwException("Compression must be in the range of 1-100");
}

void CheckPngCompression(int Compression) {
  if (Compression < 0 || Compression > 9) throw TwException("Compression must be in the range of 0-9");
}

[[noreturn]] void CannotCreate(const QString& FileName) {
  throw TwException(QStringLiteral("Cannot create file \"%1\"").arg(FileName).toStdString());
}

void WriteFile(const QString& FileName, const QByteArray& bytes) {
  QFile file(FileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    file.close();
    CannotCreate(FileName);
  }
}

}  // namespace

TwWinComponent::TwWinComponent(QWidget* parent)
    : TwComponent(parent), FOPCItemManager(std::make_unique<TwOPCItemManager>(this)) {
  FOPCItemManager->OnGetDesigning = [this](QObject*, bool& Designing) { Designing = GetDesigning(); };
  FOPCItemManager->OnNewData = [this](TwOPCItem* Item) { OPCNewData(Item); };
  FOPCItemManager->OnGetType = [this](const QString& PropertyName, int& Kind) {
    Kind = GetPropertyKind(PropertyName);
  };
  FTimer.setTimerType(Qt::PreciseTimer);
  connect(&FTimer, &QTimer::timeout, this, [this] { TimerTick(); });
}

TwWinComponent::~TwWinComponent() {
  FOPCItemManager.reset();  // items leave the library while the control is whole
  FDestroying = true;
  TimerStop();
}

void TwWinComponent::Lock() {
  if (!FDestroying) FDataCriticalSection.lock();
}

void TwWinComponent::Unlock() {
  if (!FDestroying) FDataCriticalSection.unlock();
}

// ---- timer ------------------------------------------------------------------

void TwWinComponent::TimerStart(int FirstDelay, int Interval) {
  if (FTimerID != 0) return;
  FTimerInterval = Interval;
  if (FirstDelay != 0) {
    FTimerFirstMessage = true;
    FTimer.start(TimerPeriod(FirstDelay));
  } else if (Interval != 0) {
    FTimer.start(TimerPeriod(Interval));
  } else {
    return;
  }
  FTimerID = 1;
}

void TwWinComponent::TimerStop() {
  FTimer.stop();
  FTimerID = 0;
  FTimerFirstMessage = false;
}

void TwWinComponent::TimerTick() {
  if (FTimerFirstMessage) {
    FTimerFirstMessage = false;
    FTimer.start(TimerPeriod(FTimerInterval));
  }
  if (OnInternalTimer) OnInternalTimer(this);
}

bool TwWinComponent::GetDesigning() {
  bool designing = false;
  if (OnGetDesigning) OnGetDesigning(this, designing);
  return designing;
}

// ---- transparency and bounds ------------------------------------------------

void TwWinComponent::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  setAttribute(Qt::WA_OpaquePaintEvent, !Value);
  BackGroundChange();
}

void TwWinComponent::DrawBackGround(Canvas& Canvas, TColor Color) {
  if (FPaintDCTransparent) return;
  if (!FTransparent) {
    TwComponent::DrawBackGround(Canvas, Color);
    return;
  }
  ClearBackGroundChanged();
  if (Exporting()) {
    Canvas.Brush = platform::TBrush{BackGroundColor(), platform::bsSolid};
    Canvas.FillRect({0, 0, width(), height()});
    return;
  }
  // The cached background may hold an older look: clear it to see-through.
  QPainter& p = Canvas.Painter();
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(0, 0, width(), height(), Qt::transparent);
  p.restore();
}

void TwWinComponent::RepaintAll() { TwComponent::RepaintAll(); }

void TwWinComponent::ResizeBackGround() {
  // Made again at the new size by the next paint that uses it: a control
  // that paints straight holds no picture of its whole area.
  FreeBackGroundBitmap();
}

void TwWinComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (geometry() == QRect(ALeft, ATop, AWidth, AHeight)) return;
  setGeometry(ALeft, ATop, AWidth, AHeight);
  ResizeBackGround();
  BackGroundChange();
}

void TwWinComponent::resizeEvent(QResizeEvent* e) {
  TwComponent::resizeEvent(e);
  // A resize that did not come through SetBounds (a layout, resize()).
  if (width() > 0 && height() > 0 && !BackGroundBitmapFits()) {
    ResizeBackGround();
    BackGroundChange();
  }
}

void TwWinComponent::wheelEvent(QWheelEvent* e) {
  bool handled = false;
  try {
    handled = DoMouseWheel(e->angleDelta().y(), e->modifiers(), e->position().toPoint());
  } catch (const std::exception&) {
  }
  e->setAccepted(handled);
}

void TwWinComponent::changeEvent(QEvent* e) {
  TwComponent::changeEvent(e);
  if (e->type() == QEvent::PaletteChange || e->type() == QEvent::StyleChange) BackGroundChange();
}

// ---- painting elsewhere and export ------------------------------------------

void TwWinComponent::wPaintToDC(QPainter& Painter, int X, int Y, bool Transparent) {
  Painter.save();
  Painter.translate(X, Y);
  Painter.setClipRect(0, 0, width(), height(), Qt::IntersectClip);
  FPaintDCTransparent = Transparent;
  try {
    Lock();
    struct Unlocker {
      TwWinComponent* c;
      ~Unlocker() { c->Unlock(); }
    } unlocker{this};
    Canvas canvas(Painter);
    // A transparent control has no image of its parent to show here: its
    // background is BackGroundColor, as in an export.
    PaintExport(canvas);
  } catch (const std::exception&) {
  }
  FPaintDCTransparent = false;
  Painter.restore();
}

void TwWinComponent::SaveImageToMetaFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) CannotCreate(FileName);
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(QSize(std::max(width(), 1), std::max(height(), 1)));
  svg.setViewBox(QRect(0, 0, std::max(width(), 1), std::max(height(), 1)));
  svg.setTitle(QStringLiteral("Tavrin"));
  svg.setDescription(QString());
  Lock();
  struct Unlocker {
    TwWinComponent* c;
    ~Unlocker() { c->Unlock(); }
  } unlocker{this};
  Canvas canvas(&svg);
  canvas.Brush = platform::TBrush{BackGroundColor(), platform::bsSolid};
  canvas.FillRect({0, 0, width(), height()});
  canvas.Pen.Style = platform::psSolid;
  PaintExport(canvas);
}

void TwWinComponent::SaveImageToJPEG(const QString& FileName, int Compression, bool Progressive) {
  WriteFile(FileName, CreateJPEGImage(Compression, Progressive));
}

void TwWinComponent::SaveImageToPNG(const QString& FileName, int Compression) {
  WriteFile(FileName, GetBytesPNG(Compression));
}

QByteArray TwWinComponent::GetBytesJPEG(int Compression, bool Progressive) {
  CheckJpegCompression(Compression);
  return EncodeJPEG(PaintImage(), Compression, Progressive, true);
}

QByteArray TwWinComponent::GetBytesPNG(int Compression) {
  CheckPngCompression(Compression);
  return EncodePNG(PaintImage(), Compression);
}

QByteArray TwWinComponent::CreateJPEGImage(int Compression, bool Progressive) {
  CheckJpegCompression(Compression);
  return EncodeJPEG(PaintImage(), Compression, Progressive, false);
}
