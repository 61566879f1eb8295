#include "plot/wPlotPreviewForm.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

#include "controls/wDraw.h"
#include "plot/wPlotKinds.h"

using namespace platform;

namespace {

int Nearest(double v) { return int(std::nearbyint(v)); }

// A small printer for the print button.
QPixmap PrinterGlyph() {
  QPixmap glyph(20, 20);
  glyph.fill(Qt::transparent);
  QPainter p(&glyph);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(5, 1, 9, 7);
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(1, 7, 17, 7);
  p.setBrush(Qt::white);
  p.drawRect(5, 12, 9, 6);
  p.drawLine(7, 14, 12, 14);
  p.drawLine(7, 16, 12, 16);
  return glyph;
}

// The user-visible texts of a window through the plot's translation list.
void TranslateWindow(QWidget* Window, const TwPlotComponent* Plot) {
  if (!Plot) return;
  Window->setWindowTitle(Plot->TranslateText(Window->windowTitle()));
  for (auto* b : Window->findChildren<QAbstractButton*>()) b->setText(Plot->TranslateText(b->text()));
  for (auto* l : Window->findChildren<QLabel*>()) l->setText(Plot->TranslateText(l->text()));
  for (auto* g : Window->findChildren<QGroupBox*>()) g->setTitle(Plot->TranslateText(g->title()));
  for (auto* c : Window->findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) c->setItemText(i, Plot->TranslateText(c->itemText(i)));
  for (auto* r : Window->findChildren<TwRadioGroup*>()) {
    QStringList items = r->Items();
    for (QString& item : items) item = Plot->TranslateText(item);
    const int index = r->ItemIndex();
    r->SetCaption(Plot->TranslateText(r->Caption()));
    r->SetItems(items);
    if (r->ItemIndex() != index) r->SetItemIndex(index);
  }
}

}  // namespace

// ---- settings window ----------------------------------------------------------

TwPlotPreviewSettingsForm::TwPlotPreviewSettingsForm(QWidget* parent) : platform::Form(parent) {
  setWindowTitle(QStringLiteral("Settings"));
  resize(419, 237);
  PrintOrientationRadioGroup = Create<TwComponentEditorRadioGroup>(this, QStringLiteral("PrintOrientationRadioGroup"));
  PrintOrientationRadioGroup->SetCaption(QStringLiteral("Orientation"));
  PrintOrientationRadioGroup->SetItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
  PrintOrientationRadioGroup->setGeometry(8, 8, 120, 70);

  auto* margin = new QGroupBox(QStringLiteral("Margin"), this);
  margin->setGeometry(140, 8, 270, 110);
  auto edit = [this, margin](const QString& name, int x, int y) {
    auto* e = Create<TwComponentEditorEdit>(margin, name);
    e->setGeometry(x, y, 60, 21);
    return e;
  };
  PrintMarginTopEdit = edit(QStringLiteral("PrintMarginTopEdit"), 105, 20);
  PrintMarginLeftEdit = edit(QStringLiteral("PrintMarginLeftEdit"), 35, 50);
  PrintMarginRightEdit = edit(QStringLiteral("PrintMarginRightEdit"), 175, 50);
  PrintMarginBottomEdit = edit(QStringLiteral("PrintMarginBottomEdit"), 105, 80);
  setTabOrder(PrintMarginTopEdit, PrintMarginLeftEdit);
  setTabOrder(PrintMarginLeftEdit, PrintMarginRightEdit);
  setTabOrder(PrintMarginRightEdit, PrintMarginBottomEdit);

  auto* nameLabel = new QLabel(QStringLiteral("Document Name"), this);
  nameLabel->setGeometry(8, 130, 100, 16);
  PrintDocumentNameEdit = Create<TwComponentEditorEdit>(this, QStringLiteral("PrintDocumentNameEdit"));
  PrintDocumentNameEdit->setGeometry(110, 127, 300, 21);
  auto* sizeLabel = new QLabel(QStringLiteral("Paper Size"), this);
  sizeLabel->setGeometry(8, 160, 100, 16);
  PrintPaperSizeComboBox = Create<TwComponentEditorComboBox>(this, QStringLiteral("PrintPaperSizeComboBox"));
  PrintPaperSizeComboBox->addItems({QStringLiteral("Letter"), QStringLiteral("Legal"), QStringLiteral("A3"),
                                    QStringLiteral("A4"), QStringLiteral("A5")});
  PrintPaperSizeComboBox->setGeometry(110, 157, 120, 21);

  OKButton = Create<TwComponentEditorButton>(this, QStringLiteral("OKButton"));
  OKButton->setText(QStringLiteral("OK"));
  OKButton->setGeometry(254, 200, 75, 25);
  OKButton->OnClick = [this](QObject*) { SetModalResult(mrOk); };
  CancelButton = Create<TwComponentEditorButton>(this, QStringLiteral("CancelButton"));
  CancelButton->setText(QStringLiteral("Cancel"));
  CancelButton->setGeometry(336, 200, 75, 25);
  CancelButton->OnClick = [this](QObject*) { SetModalResult(mrCancel); };
}

// ---- preview window -----------------------------------------------------------

TwPlotPreviewForm::TwPlotPreviewForm(QWidget* parent) : platform::Form(parent) {
  setWindowTitle(QStringLiteral("Tavrin Plot Preview"));
  setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  resize(836, 563);
  setMinimumSize(500, 300);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel2"));
  panel->setFixedHeight(41);
  PrintButton = Create<TwComponentEditorButton>(panel, QStringLiteral("PrintButton"));
  PrintButton->setIcon(QIcon(PrinterGlyph()));
  PrintButton->setGeometry(8, 6, 28, 28);
  SettingsButton = Create<TwComponentEditorButton>(panel, QStringLiteral("SettingsButton"));
  SettingsButton->setText(QStringLiteral("Settings"));
  SettingsButton->setGeometry(44, 6, 75, 28);
  CloseButton = Create<TwComponentEditorButton>(panel, QStringLiteral("CloseButton"));
  CloseButton->setText(QStringLiteral("Close"));
  CloseButton->setGeometry(127, 6, 75, 28);
  Preview = Create<TwPaintBox>(this, QStringLiteral("Preview"));
  layout->addWidget(panel);
  layout->addWidget(Preview, 1);
  PrintButton->OnClick = [this](QObject*) { PrintButtonClick(); };
  SettingsButton->OnClick = [this](QObject*) { SettingsButtonClick(); };
  CloseButton->OnClick = [this](QObject*) { CloseButtonClick(); };
  Preview->OnPaint = [this](QObject* Sender, Canvas& Canvas) { PreviewPaint(Sender, Canvas); };
}

void TwPlotPreviewForm::DoTranslation() { TranslateWindow(this, wComponent); }

void TwPlotPreviewForm::CloseButtonClick() { SetModalResult(mrOk); }

void TwPlotPreviewForm::PrintButtonClick() {
  if (wComponent) wComponent->PrintChart();
  Preview->update();
}

void TwPlotPreviewForm::SettingsButtonClick() {
  auto settings = std::make_unique<TwPlotPreviewSettingsForm>();
  settings->PrintMarginLeftEdit->SetAsFloat(PrintMarginLeft);
  settings->PrintMarginTopEdit->SetAsFloat(PrintMarginTop);
  settings->PrintMarginRightEdit->SetAsFloat(PrintMarginRight);
  settings->PrintMarginBottomEdit->SetAsFloat(PrintMarginBottom);
  settings->PrintOrientationRadioGroup->SetAsInteger(int(PrintOrientation));
  settings->PrintDocumentNameEdit->SetAsString(PrintDocumentName);
  settings->PrintPaperSizeComboBox->SetAsInteger(PrintSize);
  TranslateWindow(settings.get(), wComponent);
  if (EditorShowModal(*settings) != mrOk) return;
  PrintMarginLeft = settings->PrintMarginLeftEdit->AsFloat();
  PrintMarginTop = settings->PrintMarginTopEdit->AsFloat();
  PrintMarginRight = settings->PrintMarginRightEdit->AsFloat();
  PrintMarginBottom = settings->PrintMarginBottomEdit->AsFloat();
  PrintOrientation = settings->PrintOrientationRadioGroup->AsInteger() == 1 ? poLandscape : poPortrait;
  PrintDocumentName = settings->PrintDocumentNameEdit->AsString();
  PrintSize = settings->PrintPaperSizeComboBox->AsInteger();
  if (wComponent) {
    wComponent->PrintMarginLeft = PrintMarginLeft;
    wComponent->PrintMarginTop = PrintMarginTop;
    wComponent->PrintMarginRight = PrintMarginRight;
    wComponent->PrintMarginBottom = PrintMarginBottom;
    wComponent->PrintOrientation = PrintOrientation;
    wComponent->PrintDocumentName = PrintDocumentName;
  }
  setWindowTitle(PrintDocumentName + QStringLiteral(" (Preview)"));
  Preview->update();
}

// ---- render -------------------------------------------------------------------

int TwPlotPreviewForm::PaperCode(int PrintSize) {
  switch (PrintSize) {
    case 1: return 5;
    case 2: return 8;
    case 3: return 9;
    case 4: return 11;
    default: return 1;
  }
}

TwPreviewGeometry TwPlotPreviewForm::Geometry(int W, int H, int PictureWidth, int PictureHeight) const {
  TwPreviewGeometry g;
  PaperSizeInches(PaperCode(PrintSize), g.PaperWidth, g.PaperHeight);
  if (PrintOrientation == poLandscape) std::swap(g.PaperWidth, g.PaperHeight);
  if (double(H - 20) / g.PaperHeight > double(W - 20) / g.PaperWidth) {
    g.PW = W - 20;
    g.PH = Nearest(double(W - 20) / g.PaperWidth * g.PaperHeight);
  } else {
    g.PH = H - 20;
    g.PW = Nearest(double(H - 20) / g.PaperHeight * g.PaperWidth);
  }
  g.PPI = Nearest(g.PW / g.PaperWidth);
  g.AW = std::max(0, g.PW - Nearest((PrintMarginLeft + PrintMarginRight) * g.PPI));
  g.AH = std::max(0, g.PH - Nearest((PrintMarginTop + PrintMarginBottom) * g.PPI));
  g.Sheet = {W / 2 - g.PW / 2 - 5, H / 2 - g.PH / 2 - 5, W / 2 + g.PW / 2 - 5, H / 2 + g.PH / 2 - 5};
  if (g.AW > 0 && g.AH > 0 && PictureWidth > 0 && PictureHeight > 0) {
    const double rw = double(g.AW) / PictureWidth, rh = double(g.AH) / PictureHeight;
    int w, h;
    if (rw >= rh) {
      w = Nearest(PictureWidth * rh);
      h = g.AH;
    } else {
      h = Nearest(PictureHeight * rw);
      w = g.AW;
    }
    const int left = g.Sheet.Left + Nearest(g.PPI * PrintMarginLeft);
    const int top = g.Sheet.Top + Nearest(g.PPI * PrintMarginTop);
    g.Picture = {left, top, left + w, top + h};
  }
  return g;
}

void TwPlotPreviewForm::Render(Canvas& Canvas, int W, int H) {
  const int pictureWidth = wComponent ? wComponent->width() : 0;
  const int pictureHeight = wComponent ? wComponent->height() : 0;
  const TwPreviewGeometry g = Geometry(W, H, pictureWidth, pictureHeight);
  Canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  Canvas.Brush = TBrush{clBlack, bsSolid};
  Canvas.Rectangle(g.Sheet.Left + 7, g.Sheet.Top + 7, g.Sheet.Right + 7, g.Sheet.Bottom + 7);
  Canvas.Brush = TBrush{clWhite, bsSolid};
  Canvas.Rectangle(g.Sheet);
  if (!wComponent || g.Picture.IsEmpty()) return;
  const QPicture& picture = wComponent->GetSnapShotPicture();
  TwPlotComponent::PlayPicture(Canvas.Painter(), picture, g.Picture, QSize(pictureWidth, pictureHeight));
}

QImage TwPlotPreviewForm::RenderPage(int W, int H) {
  QImage page(std::max(W, 1), std::max(H, 1), QImage::Format_RGB32);
  {
    Canvas canvas(&page);
    canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
    canvas.Brush = TBrush{clBtnFace, bsSolid};
    canvas.FillRect({0, 0, page.width(), page.height()});
    TwPlotToolBar* toolBar = wComponent && wComponent->ToolBarCount() > 0 ? wComponent->GetToolBar(0) : nullptr;
    const bool visible = toolBar && toolBar->Visible();
    if (toolBar) toolBar->SetVisible(false);
    struct Restore {
      TwPlotToolBar* toolBar;
      bool visible;
      ~Restore() {
        if (toolBar) toolBar->SetVisible(visible);
      }
    } restore{toolBar, visible};
    if (wComponent && wComponent->OnBeforePrint) wComponent->OnBeforePrint(this);
    Render(canvas, W, H);
  }
  if (wComponent && wComponent->OnAfterPrint) wComponent->OnAfterPrint(this);
  return page;
}

void TwPlotPreviewForm::PreviewPaint(QObject* Sender, Canvas& Canvas) {
  auto* box = qobject_cast<QWidget*>(Sender);
  const QImage page = RenderPage(box ? box->width() : Preview->width(), box ? box->height() : Preview->height());
  Canvas.Draw(0, 0, page);
}
