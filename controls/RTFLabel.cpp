#include "controls/RTFLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

#include "controls/RtfText.h"
#include "platform/Canvas.h"

namespace {

// Pixels to twips at a resolution, rounded to the nearest with halves to even.
int Twips(int pixels, int dpi) { return int(std::nearbyint(double(pixels) * 1440.0 / dpi)); }

int Resolution(int dpi) { return dpi == 0 ? 96 : dpi; }

}  // namespace

TRTFLabel::TRTFLabel(QWidget* parent) : QWidget(parent), FRichedit(std::make_unique<QTextEdit>()) {
  FRichedit->setVisible(false);
  FRichedit->setAcceptRichText(true);
  FColor = QColor(240, 240, 240);  // the button face of the system colours
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  FCaption.clear();
  Fupdatecount = 0;
  Loaded();
}

TRTFLabel::~TRTFLabel() = default;

void TRTFLabel::Loaded() {
  if (FRichedit) {
    FRichedit->setVisible(false);
    FRichedit->setGeometry(0, 0, 10, 10);
    FRichedit->setLineWrapMode(QTextEdit::NoWrap);
    FRichedit->setFrameShape(QFrame::NoFrame);
  }
  FCaption.clear();
}

void TRTFLabel::SetRichText(const QString& value) {
  if (FRichtext == value) return;
  FRichtext = value;
  update();
}

QByteArray TRTFLabel::RichTextBytes() const {
  QByteArray bytes;
  bytes.reserve(FRichtext.size());
  for (const QChar c : FRichtext) bytes.append(char(c.unicode() & 0xFF));
  return bytes;
}

void TRTFLabel::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  update();
}

void TRTFLabel::SetColor(const QColor& value) {
  if (FColor == value) return;
  FColor = value;
  update();
}

void TRTFLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  if (parentWidget() && FRichedit)
    FRichedit->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  update();
}

void TRTFLabel::BeginUpdate() { ++Fupdatecount; }

void TRTFLabel::EndUpdate() {
  if (Fupdatecount <= 0) return;
  if (--Fupdatecount == 0) ShowRTF();
}

void TRTFLabel::ShowRTF() {
  if (!parentWidget() || !FRichedit) return;
  CopyFromRichEdit(FRichedit.get());
}

QTextEdit* TRTFLabel::RTF() {
  if (!parentWidget() || !FRichedit) return nullptr;
  FRichedit->clear();
  FRichedit->setCurrentCharFormat(QTextCharFormat());
  return FRichedit.get();
}

void TRTFLabel::CopyFromRichEdit(QTextEdit* richEdit) {
  if (!richEdit) return;
  const QByteArray bytes = rtf::Write(richEdit->document());
  QString text;
  text.reserve(bytes.size());
  for (const char b : bytes) text.append(QChar(char16_t(std::uint8_t(b))));
  FRichtext = text;
  update();
}

void TRTFLabel::CopyToRichEdit(QTextEdit* richEdit) const {
  if (!richEdit) return;
  richEdit->setAcceptRichText(true);
  rtf::Read(RichTextBytes(), richEdit->document());
}

void TRTFLabel::Print(const QString& caption, QPrinter* printer) {
  if (!parentWidget() || !FRichedit) return;
  CopyToRichEdit(FRichedit.get());
  QPrinter defaultPrinter;
  QPrinter* target = printer ? printer : &defaultPrinter;
  target->setDocName(caption);
  FRichedit->document()->print(target);
}

std::uint32_t TRTFLabel::GetVersionNr() const { return (1u << 24) | (3u << 16) | (1u << 8); }

QString TRTFLabel::Version() const {
  const std::uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

platform::TRect TRTFLabel::TwipsRect(const QRect& r, int dpiX, int dpiY) {
  dpiX = Resolution(dpiX);
  dpiY = Resolution(dpiY);
  platform::TRect t;
  t.Left = Twips(r.left() + 1, dpiX);
  t.Top = Twips(r.top() + 1, dpiY);
  t.Right = t.Left + Twips(r.width() - 1, dpiX);
  t.Bottom = t.Top + Twips(r.height() - 1, dpiY);
  return t;
}

void TRTFLabel::RenderRichText(QPainter& canvas, const QRect& r) {
  QTextDocument* document = FRichedit->document();
  rtf::Read(RichTextBytes(), document);
  QPaintDevice* device = canvas.device();
  const int dpiX = Resolution(device ? device->logicalDpiX() : 96);
  const int dpiY = Resolution(device ? device->logicalDpiY() : 96);
  QColor background = FColor;
  if (FTransparent && parentWidget()) background = parentWidget()->palette().color(parentWidget()->backgroundRole());
  FEditorBackground = background;
  QPalette editorPalette = FRichedit->palette();
  editorPalette.setColor(QPalette::Base, background);
  FRichedit->setPalette(editorPalette);

  FLastRange = FormatRange{};
  FLastRange.rc = TwipsRect(r, dpiX, dpiY);
  FLastRange.rcPage = FLastRange.rc;
  FLastRange.cpMin = 0;
  FLastRange.cpMax = -1;

  // The twips rectangle back in pixels of the device; the document is laid
  // out at 96 pixels per inch and scaled to the device.
  const platform::TRect& tw = FLastRange.rc;
  const double left = tw.Left * dpiX / 1440.0, top = tw.Top * dpiY / 1440.0;
  const double width = tw.Width() * dpiX / 1440.0, height = tw.Height() * dpiY / 1440.0;
  const double scaleX = dpiX / 96.0, scaleY = dpiY / 96.0;
  QTextOption option = document->defaultTextOption();
  option.setWrapMode(FWordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  document->setDefaultTextOption(option);
  document->setDocumentMargin(0);
  document->setTextWidth(width / scaleX);

  canvas.save();
  canvas.setClipRect(QRectF(left, top, width, height), Qt::IntersectClip);
  canvas.translate(left, top);
  canvas.scale(scaleX, scaleY);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette.setColor(QPalette::Text, Qt::black);
  context.clip = QRectF(0, 0, width / scaleX, height / scaleY);
  document->documentLayout()->draw(&canvas, context);
  canvas.restore();
}

void TRTFLabel::Paint(QPainter& canvas) {
  FCaption.clear();
  if (!FTransparent) canvas.fillRect(rect(), FColor);
  if (Fupdatecount > 0 || !FRichedit || FPainting) return;
  FPainting = true;
  if (!parentWidget()) {
    FPainting = false;
    return;
  }
  if (OnRendering) OnRendering();
  RenderRichText(canvas, rect());
  FPainting = false;
}

void TRTFLabel::PaintTo(QPainter& canvas) {
  if (FRichedit) RenderRichText(canvas, rect());
}

void TRTFLabel::PaintTo(platform::Canvas& canvas) { PaintTo(canvas.Painter()); }

void TRTFLabel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  Paint(painter);
}

void TRTFLabel::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
