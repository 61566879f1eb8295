// TwPlotComponent: printing, the print preview's entry, the clipboard, the
// snapshot picture and image files. Every picture is the plot's ordinary
// paint: recorded as a QPicture and played scaled (printer pages, preview),
// or painted into an image or an SVG file.
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>

#include <cmath>
#include <memory>
#include <vector>

#include "controls/wException.h"
#include "platform/Dialogs.h"
#include "plot/wEditorPickers.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotPreviewForm.h"

using platform::TRect;

struct TwPrintState {
  std::unique_ptr<QPrinter> Printer;
  double PaperWidthInches = 0, PaperHeightInches = 0;
  int PaperWidthPixels = 0, PaperHeightPixels = 0;
  QPicture SnapShot;
  TwComponentEditorSavePicker* SaveDialog = nullptr;
};

namespace {

int Nearest(double v) { return int(std::nearbyint(v)); }

const QString& SaveFilter() {
  static const QString filter = QStringLiteral(
      "Bitmap (*.bmp)|*.bmp|Scalable Vector Graphics (*.svg)|*.svg|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png");
  return filter;
}

// Each toolbar's visibility, given back on every exit.
class ToolBarVisibility {
 public:
  explicit ToolBarVisibility(TwPlotComponent* plot) : plot_(plot) {
    for (int i = 0; i < plot->ToolBarCount(); ++i) visible_.push_back(plot->GetToolBar(i)->Visible());
  }
  ~ToolBarVisibility() {
    for (int i = 0; i < int(visible_.size()) && i < plot_->ToolBarCount(); ++i)
      plot_->GetToolBar(i)->SetVisible(visible_[i]);
  }

 private:
  TwPlotComponent* plot_;
  std::vector<bool> visible_;
};

}  // namespace

TwPrintState& TwPlotComponent::PrintState() {
  if (!FPrintState) FPrintState = std::make_shared<TwPrintState>();
  return *FPrintState;
}

QPrinter* TwPlotComponent::Printer() {
  TwPrintState& state = PrintState();
  if (!state.Printer) state.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return state.Printer.get();
}

double TwPlotComponent::PrinterPaperWidthInches() const { return FPrintState ? FPrintState->PaperWidthInches : 0; }
double TwPlotComponent::PrinterPaperHeightInches() const { return FPrintState ? FPrintState->PaperHeightInches : 0; }
int TwPlotComponent::PrinterPaperWidthPixels() const { return FPrintState ? FPrintState->PaperWidthPixels : 0; }
int TwPlotComponent::PrinterPaperHeightPixels() const { return FPrintState ? FPrintState->PaperHeightPixels : 0; }

void TwPlotComponent::RecordPicture(QPicture& Picture) {
  Picture = QPicture();
  Picture.setBoundingRect(QRect(0, 0, std::max(width(), 1), std::max(height(), 1)));
  Lock();
  struct Unlocker {
    TwPlotComponent* c;
    ~Unlocker() { c->Unlock(); }
  } unlocker{this};
  QPainter painter(&Picture);
  // A picture replays a clip that intersects no clip of its own wrongly: the
  // legend's names, drawn clipped to their cells, would vanish from every
  // played picture. A clip of the whole plot gives them one.
  painter.setClipRect(QRect(0, 0, std::max(width(), 1), std::max(height(), 1)));
  platform::Canvas canvas(painter);
  PaintExport(canvas);
}

const QPicture& TwPlotComponent::GetSnapShotPicture() {
  TwPrintState& state = PrintState();
  RecordPicture(state.SnapShot);
  return state.SnapShot;
}

// ---- printing -----------------------------------------------------------------

void TwPlotComponent::PrintChart() {
  QPrinter& printer = *Printer();
  printer.setPageOrientation(PrintOrientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setDocName(PrintDocumentName);
  if (PrintShowDialog && !platform::ShowPrintDialog(printer)) return;
  BeginUpdate();
  struct Ender {
    TwPlotComponent* c;
    ~Ender() { c->EndUpdate(); }
  } ender{this};
  try {
    PrintXStart = GetXAxis(0)->Min();
    PrintXStop = GetXAxis(0)->Max();
    PrintPages(printer);
  } catch (const std::exception& e) {
    throw TwException(std::string("Error Printing : ") + e.what());
  }
}

TRect TwPlotComponent::PrintPageRect(int DpiX, int DpiY, int OffsetX, int OffsetY, int PaperWidthPixels,
                                     int PaperHeightPixels) const {
  const int w = std::max(width(), 1), h = std::max(height(), 1);
  const double scaleX = (PaperWidthPixels - (PrintMarginLeft + PrintMarginRight) * DpiX) / w;
  const double scaleY = (PaperHeightPixels - (PrintMarginTop + PrintMarginBottom) * DpiY) / h;
  const double scale = std::min(scaleX, scaleY);
  const double left = DpiX * PrintMarginLeft - OffsetX, top = DpiY * PrintMarginTop - OffsetY;
  return {Nearest(left), Nearest(top), Nearest(left + w * scale), Nearest(top + h * scale)};
}

void TwPlotComponent::PrintPages(QPrinter& Printer) {
  const QString name = PrinterName.trimmed();
  if (!name.isEmpty()) {
    for (const QString& known : QPrinterInfo::availablePrinterNames())
      if (known.compare(name, Qt::CaseInsensitive) == 0) Printer.setPrinterName(known);
  }
  if (!Printer.isValid()) throw TwException("Could not initialize printer DeviceMode Structure");

  TwPrintState& state = PrintState();
  const QPageLayout layout = Printer.pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Inch);
  state.PaperWidthInches = paper.width();
  state.PaperHeightInches = paper.height();
  const int dpiX = Printer.resolution(), dpiY = Printer.resolution();
  const QPoint offset = layout.paintRectPixels(Printer.resolution()).topLeft();
  state.PaperWidthPixels = Nearest(dpiX * state.PaperWidthInches);
  state.PaperHeightPixels = Nearest(dpiY * state.PaperHeightInches);

  QPainter painter;
  if (!painter.begin(&Printer)) throw TwException("Printer could not start the print job");
  struct JobEnder {
    QPainter& p;
    ~JobEnder() {
      if (p.isActive()) p.end();
    }
  } jobEnder{painter};

  TwPlotXAxis* axis = GetXAxis(0);
  struct Restore {
    TwPlotComponent* plot;
    TwPlotXAxis* axis;
    double min, span;
    int w, h, left, right, top, bottom;
    ~Restore() {
      axis->SetMin(min);
      axis->SetSpan(span);
      plot->resize(w, h);
      plot->SetOuterMarginLeft(left);
      plot->SetOuterMarginRight(right);
      plot->SetOuterMarginTop(top);
      plot->SetOuterMarginBottom(bottom);
    }
  } restore{this, axis, axis->Min(), axis->Span(), width(), height(),
            OuterMarginLeft(), OuterMarginRight(), OuterMarginTop(), OuterMarginBottom()};
  // Destroyed first: toolbars come back before the axis and the size.
  ToolBarVisibility toolBars(this);

  FMaster->DeSelectAll();
  FMaster->ShowToolBars(false);
  if (OnBeforePrint) OnBeforePrint(this);

  int page = 1;
  axis->SetMin(PrintXStart);
  while (axis->Min() < PrintXStop) {
    if (OnBeforePrintPage) OnBeforePrintPage(page, axis->Max() >= PrintXStop);
    const TRect r = PrintPageRect(dpiX, dpiY, offset.x(), offset.y(), state.PaperWidthPixels,
                                  state.PaperHeightPixels);
    ReCalcLayout();
    PrintDrawPage(painter, r);
    if (!(axis->Min() + axis->Span() > axis->Min()) || axis->Max() >= PrintXStop) break;
    Printer.newPage();
    ++page;
    axis->SetMin(axis->Min() + axis->Span());
  }
  if (OnAfterPrint) OnAfterPrint(this);
}

void TwPlotComponent::PrintDrawPage(QPainter& Painter, const TRect& Rect) {
  QPicture picture;
  RecordPicture(picture);
  PlayPicture(Painter, picture, Rect, size());
}

void TwPlotComponent::PlayPicture(QPainter& Painter, const QPicture& Picture, const TRect& Rect, QSize Size) {
  // QPicture scales itself by the device's resolution over its own; the
  // rectangle is in device pixels already.
  QPaintDevice* device = Painter.device();
  const double dpiX = device ? double(Picture.logicalDpiX()) / device->logicalDpiX() : 1;
  const double dpiY = device ? double(Picture.logicalDpiY()) / device->logicalDpiY() : 1;
  Painter.save();
  Painter.translate(Rect.Left, Rect.Top);
  Painter.scale(dpiX * Rect.Width() / std::max(Size.width(), 1), dpiY * Rect.Height() / std::max(Size.height(), 1));
  Painter.drawPicture(0, 0, Picture);
  Painter.restore();
}

void TwPlotComponent::PrintSizeToFillPage() {
  if (PrinterPaperWidthInches() <= 0) return;
  resize(width(), int(std::trunc(width() * PrinterPaperHeightInches() / PrinterPaperWidthInches())));
  ReCalcLayout();
}

void TwPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter) {
  if (PrinterPaperHeightInches() <= 0 || height() <= 0) return;
  ReCalcLayout();
  TwPlotXAxis* axis = GetXAxis(0);
  axis->SetSpan(std::abs(axis->GetMaxPixels() - axis->GetMinPixels()) *
                (PrinterPaperHeightInches() - PrintMarginTop - PrintMarginBottom) / height() * 25.4 *
                MinutesPerMillimeter / 1440);
}

void TwPlotComponent::PreviewChart() {
  auto form = std::make_unique<TwPlotPreviewForm>();
  form->wComponent = this;
  form->PrintMarginLeft = PrintMarginLeft;
  form->PrintMarginTop = PrintMarginTop;
  form->PrintMarginRight = PrintMarginRight;
  form->PrintMarginBottom = PrintMarginBottom;
  form->PrintOrientation = PrintOrientation;
  form->PrintDocumentName = PrintDocumentName;
  form->setWindowTitle(PrintDocumentName + QStringLiteral(" (Preview)"));
  form->DoTranslation();
  EditorShowModal(*form);
}

// ---- clipboard and files ------------------------------------------------------

void TwPlotComponent::CopyToClipBoard() {
  BeginUpdate();
  struct Ender {
    TwPlotComponent* c;
    ~Ender() { c->EndUpdate(); }
  } ender{this};
  ToolBarVisibility toolBars(this);
  FMaster->ShowToolBars(false);
  FMaster->DeSelectAll();
  switch (CopyToClipBoardFormat()) {
    case ipefMetaFile: {
      QBuffer svgBytes;
      svgBytes.open(QIODevice::WriteOnly);
      {
        QSvgGenerator svg;
        svg.setOutputDevice(&svgBytes);
        svg.setSize(QSize(std::max(width(), 1), std::max(height(), 1)));
        svg.setViewBox(QRect(0, 0, std::max(width(), 1), std::max(height(), 1)));
        svg.setTitle(QStringLiteral("Tavrin"));
        svg.setDescription(QStringLiteral("Strip Chart"));
        Lock();
        struct Unlocker {
          TwPlotComponent* c;
          ~Unlocker() { c->Unlock(); }
        } unlocker{this};
        platform::Canvas canvas(&svg);
        PaintExport(canvas);
      }
      platform::SetClipboard({PaintImage(), QStringLiteral("image/svg+xml"), svgBytes.data()});
      break;
    }
    case ipefBitmap: platform::SetClipboard({PaintImage(), QString(), QByteArray()}); break;
    case ipefJPEG: {
      const QByteArray jpeg = CreateJPEGImage(100, false);
      if (!jpeg.isEmpty()) platform::SetClipboard({QImage(), QStringLiteral("image/jpeg"), jpeg});
      break;
    }
  }
}

void TwPlotComponent::Save() {
  TwPrintState& state = PrintState();
  if (!state.SaveDialog) {
    state.SaveDialog = new TwComponentEditorSavePicker(this);
    state.SaveDialog->hide();
  }
  TwComponentEditorSavePicker* picker = state.SaveDialog;
  picker->DefaultDir = DefaultSaveImageDirectory;
  picker->Filter = SaveFilter();
  picker->FileName = QStringLiteral("Untitled");
  picker->FilterIndex = int(DefaultSaveImageFormat) + 1;
  if (!picker->Execute()) return;
  FMaster->DeSelectAll();
  SaveImageFile(picker->FileName, picker->ChosenFilterIndex());
}

void TwPlotComponent::SaveImageFile(const QString& FileName, int FilterIndex) {
  static const char* const extensions[] = {".bmp", ".svg", ".jpg", ".png"};
  const QString suffix = QFileInfo(FileName).suffix().toLower();
  int format = -1;
  if (suffix == QStringLiteral("bmp"))
    format = 0;
  else if (suffix == QStringLiteral("svg"))
    format = 1;
  else if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg"))
    format = 2;
  else if (suffix == QStringLiteral("png"))
    format = 3;
  QString name = FileName;
  if (format < 0) {
    if (FilterIndex < 1 || FilterIndex > 4) return;
    format = FilterIndex - 1;
    name += QLatin1String(extensions[format]);
  }
  switch (format) {
    case 0: SaveImageToBitmap(name); break;
    case 1: SaveImageToMetaFile(name); break;
    case 2: SaveImageToJPEG(name, 100, true); break;
    default: SaveImageToPNG(name, 9); break;
  }
}
