// TRTFLabel: a windowless label showing formatted text given as an RTF
// document. The document lives in RichText, one character per byte (only
// the low eight bits of each character count). Every paint loads it into a
// hidden rich editor of the label's own (a QTextEdit, read and written by
// controls/RtfText.h) and renders it anew over the label; nothing is cached.
// The label's caption is never shown: every paint empties it.
//
// Rendering goes through a format range as a rich edit's does: the rectangle
// in twips at the device's resolution (0 dots per inch counts as 96) with an
// offset of one pixel, converted back to pixels for drawing. Transparent
// labels show their parent where there is no text; opaque ones fill with
// Color. WordWrap wraps lines at the label's width.
//
// BeginUpdate / EndUpdate nest; while held, paints show no text, and the
// outermost EndUpdate takes the editor's content into RichText (ShowRTF). The
// editor is what RTF returns, cleared, for a caller to fill. A paint asked for
// while a paint renders returns at once. Version reads "1.3.1.0".
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Graphics.h"

namespace platform {
class Canvas;
}

class QPainter;
class QPrinter;
class QTextEdit;

class TRTFLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TRTFLabel(QWidget* parent = nullptr);
  ~TRTFLabel() override;

  QString RichText() const { return FRichtext; }
  void SetRichText(const QString& value);
  // The document's bytes: the low eight bits of every character of RichText.
  QByteArray RichTextBytes() const;
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value) { FCaption = value; }
  int UpdateCount() const { return Fupdatecount; }

  // After a form's properties are read: the editor is reset, the caption emptied.
  void Loaded();
  void BeginUpdate();
  void EndUpdate();
  // The editor's content, saved as RTF, becomes RichText; repaints.
  void ShowRTF();
  // Renders the document over the label's client rectangle on a canvas.
  void PaintTo(QPainter& canvas);
  void PaintTo(platform::Canvas& canvas);
  // The editor cleared, for a caller to fill and hand back with ShowRTF;
  // null without a parent.
  QTextEdit* RTF();
  void CopyFromRichEdit(QTextEdit* richEdit);
  void CopyToRichEdit(QTextEdit* richEdit) const;
  // Prints the document under the caption, on the given printer or the
  // default one.
  void Print(const QString& caption, QPrinter* printer = nullptr);

  std::uint32_t GetVersionNr() const;
  QString Version() const;
  void SetVersion(const QString&) {}

  // The format range of the last rendering: rc and rcPage in twips.
  struct FormatRange {
    platform::TRect rc;
    platform::TRect rcPage;
    int cpMin = 0;
    int cpMax = 0;
  };
  const FormatRange& LastFormatRange() const { return FLastRange; }
  // The background colour the editor was given by the last rendering.
  QColor EditorBackground() const { return FEditorBackground; }
  // Twips of a pixel rectangle at a resolution (Algorithms of the label).
  static platform::TRect TwipsRect(const QRect& pixels, int dpiX, int dpiY);

  // The paint routine on a painter in the label's coordinates: the caption
  // emptied, the background when opaque, then the document unless updates
  // are held or a paint is rendering already.
  void Paint(QPainter& canvas);
  // Runs at the start of every paint's rendering.
  std::function<void()> OnRendering;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  // Renders the document into r (pixels) on the painter.
  void RenderRichText(QPainter& canvas, const QRect& r);

 private:
  std::unique_ptr<QTextEdit> FRichedit;
  QString FRichtext;
  int Fupdatecount = 0;
  bool FWordWrap = false;
  bool FPainting = false;
  bool FTransparent = false;
  QColor FColor;
  QString FCaption;
  FormatRange FLastRange;
  QColor FEditorBackground;
};
