// The rich-text label and its small RTF reader and writer.
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "controls/RTFLabel.h"
#include "controls/RtfText.h"

namespace {

const QColor kParent(30, 90, 200);

QString Chars(const QByteArray& bytes, int high = 0) {
  QString s;
  for (const char b : bytes) s.append(QChar(char16_t(std::uint8_t(b) | high)));
  return s;
}

// A label of 200 x 60 at (10, 10) on a parent of a known colour.
struct Scene {
  QWidget parent;
  TRTFLabel* label;
  Scene() {
    parent.resize(240, 100);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, kParent);
    parent.setPalette(p);
    parent.setAutoFillBackground(true);
    label = new TRTFLabel(&parent);
    label->setGeometry(10, 10, 200, 60);
  }
  QImage Grab() { return parent.grab().toImage(); }
};

int DarkPixels(const QImage& image, const QRect& r) {
  int dark = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) dark += qGray(image.pixel(x, y)) < 100;
  return dark;
}

}  // namespace

TEST(RtfText, ReadsTheSubsetAndSkipsWhatItDoesNotKnow) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1 Arial;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Writer 1.0;}{\\stylesheet{\\s0 Normal;}}"
      "\\pard\\qc\\fs32\\b Title\\b0\\par"
      "\\pard\\ql\\sb300\\sl-300\\fs20 A\\tab B {\\i it}{\\ul ul}{\\cf1 red}\\par"
      "\\f0 \\'d6\\'d0\\'ce\\'c4 \\u20013?\\u25991? \\unknownword12 end\\}\\par"
      "{\\f1 last}}";
  QTextDocument doc;
  rtf::Read(rtf, &doc);
  ASSERT_EQ(doc.blockCount(), 4);
  EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("Title\nA\tB itulred\n中文 中文 end}\nlast"));
  const QTextBlock title = doc.begin();
  EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(title.begin().fragment().charFormat().fontPointSize(), 16.0);
  const QTextBlock second = title.next();
  EXPECT_EQ(second.blockFormat().topMargin(), 20.0);
  EXPECT_EQ(second.blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
  EXPECT_EQ(second.blockFormat().lineHeight(), 20.0);
  bool italic = false, underline = false, red = false;
  for (auto it = second.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    if (it.fragment().text() == "it") italic = f.fontItalic() && f.fontWeight() == QFont::Normal;
    if (it.fragment().text() == "ul") underline = f.fontUnderline();
    if (it.fragment().text() == "red") red = f.foreground().color() == QColor(255, 0, 0);
  }
  EXPECT_TRUE(italic);
  EXPECT_TRUE(underline);
  EXPECT_TRUE(red);
  // Broken input ends quietly.
  for (const char* broken : {"{\\rtf1 open", "}}}\\", "{\\rtf1 \\'4", "{\\rtf1 \\u", "\\fs-5 x"}) {
    QTextDocument d;
    rtf::Read(broken, &d);
  }
}

TEST(RtfText, WritingAndReadingAgainKeepsTextAndFormatting) {
  const QByteArray rtf =
      "{\\rtf1{\\colortbl ;\\red0\\green51\\blue153;}\\pard\\qc\\sl-300 {\\fs28\\b\\cf1 Head}\\par"
      "\\pard\\sb150 plain {\\i \\'d6\\'d0} \\u8364? {\\ul x}\\tab y\\par \\pard\\qr right}";
  QTextDocument first, second;
  rtf::Read(rtf, &first);
  const QByteArray written = rtf::Write(&first);
  rtf::Read(written, &second);
  EXPECT_EQ(second.toPlainText(), first.toPlainText());
  EXPECT_EQ(second.toPlainText(), QString::fromUtf8("Head\nplain 中 € x\ty\nright"));
  EXPECT_TRUE(written.contains("\\'d6\\'d0"));  // through the GBK codec
  for (QTextBlock a = first.begin(), b = second.begin(); a.isValid() && b.isValid(); a = a.next(), b = b.next()) {
    EXPECT_EQ(a.blockFormat().alignment(), b.blockFormat().alignment());
    EXPECT_EQ(a.blockFormat().topMargin(), b.blockFormat().topMargin());
    EXPECT_EQ(a.blockFormat().lineHeight(), b.blockFormat().lineHeight());
    auto fa = a.begin(), fb = b.begin();
    for (; !fa.atEnd() && !fb.atEnd(); ++fa, ++fb) {
      const QTextCharFormat x = fa.fragment().charFormat(), y = fb.fragment().charFormat();
      EXPECT_EQ(fa.fragment().text(), fb.fragment().text());
      EXPECT_EQ(x.fontWeight(), y.fontWeight());
      EXPECT_EQ(x.fontItalic(), y.fontItalic());
      EXPECT_EQ(x.fontUnderline(), y.fontUnderline());
      EXPECT_EQ(x.fontPointSize(), y.fontPointSize());
      EXPECT_EQ(x.foreground(), y.foreground());
    }
    EXPECT_TRUE(fa.atEnd() && fb.atEnd());
  }
}

TEST(RTFLabel, RendersIntoTheTwipsRectangleOfTheDevice) {
  Scene s;
  s.label->SetRichText(Chars("{\\rtf1 Hi}"));
  struct Case {
    int dpm;  // dots per metre of the device
    int left, top, right, bottom;
  };
  // 96 dpi: 15 twips a pixel; 120 dpi: 12 twips.
  const Case cases[] = {{3780, 15, 15, 15 * 200, 15 * 60}, {4724, 12, 12, 2400, 720}};
  for (const Case& c : cases) {
    QImage device(200, 60, QImage::Format_ARGB32);
    device.setDotsPerMeterX(c.dpm);
    device.setDotsPerMeterY(c.dpm);
    device.fill(Qt::white);
    QPainter p(&device);
    s.label->PaintTo(p);
    const platform::TRect rc = s.label->LastFormatRange().rc;
    EXPECT_EQ(rc.Left, c.left) << c.dpm;
    EXPECT_EQ(rc.Top, c.top) << c.dpm;
    EXPECT_EQ(rc.Right, c.right) << c.dpm;
    EXPECT_EQ(rc.Bottom, c.bottom) << c.dpm;
    EXPECT_EQ(s.label->LastFormatRange().rcPage.Right, c.right);
    EXPECT_EQ(s.label->LastFormatRange().cpMax, -1);
  }
  // A device reporting 0 dots per inch counts as 96 (an image cannot report 0).
  const platform::TRect zero = TRTFLabel::TwipsRect(QRect(0, 0, 200, 60), 0, 0);
  EXPECT_EQ(zero.Left, 15);
  EXPECT_EQ(zero.Top, 15);
  EXPECT_EQ(zero.Right, 3000);
  EXPECT_EQ(zero.Bottom, 900);
  // Halves round to even: 1 pixel at 192 dpi is 7.5 twips.
  EXPECT_EQ(TRTFLabel::TwipsRect(QRect(0, 0, 4, 4), 192, 192).Left, 8);
  EXPECT_EQ(TRTFLabel::TwipsRect(QRect(2, 0, 4, 4), 192, 192).Left, 22);
}

TEST(RTFLabel, TransparentShowsTheParentOpaqueItsColour) {
  Scene s;
  s.label->SetRichText(Chars("{\\rtf1\\fs40 Xy}"));
  s.label->SetTransparent(true);
  QImage shot = s.Grab();
  EXPECT_EQ(shot.pixelColor(10 + 190, 10 + 50), kParent);
  EXPECT_GT(DarkPixels(shot, QRect(11, 11, 40, 30)), 20);  // the text is drawn
  EXPECT_EQ(s.label->EditorBackground(), kParent);
  s.label->SetTransparent(false);
  s.label->SetColor(QColor(250, 240, 100));
  shot = s.Grab();
  EXPECT_EQ(shot.pixelColor(10 + 190, 10 + 50), QColor(250, 240, 100));
  EXPECT_EQ(s.label->EditorBackground(), QColor(250, 240, 100));
}

TEST(RTFLabel, CaptionIsNeverShownAndHighCharactersCountByTheirLowByte) {
  Scene s;
  s.label->SetTransparent(true);
  s.label->SetRichText(Chars("{\\rtf1\\fs40 Word}"));
  const QImage plain = s.Grab();
  s.label->SetCaption(QStringLiteral("Caption"));
  EXPECT_EQ(s.Grab(), plain);
  EXPECT_EQ(s.label->Caption(), "");
  s.label->SetRichText(Chars("{\\rtf1\\fs40 Word}", 0x4100));
  EXPECT_EQ(s.Grab(), plain);
  QTextEdit edit;
  s.label->CopyToRichEdit(&edit);
  EXPECT_EQ(edit.toPlainText(), "Word");
  EXPECT_EQ(s.label->Version(), "1.3.1.0");
  s.label->SetVersion("2.0");
  EXPECT_EQ(s.label->Version(), "1.3.1.0");
}

TEST(RTFLabel, UpdatesNestAndTheOutermostEndTakesTheEditorsText) {
  Scene s;
  s.label->SetRichText(Chars("{\\rtf1 before}"));
  s.label->EndUpdate();  // without a BeginUpdate: nothing
  EXPECT_EQ(s.label->UpdateCount(), 0);
  EXPECT_EQ(s.label->RichText(), Chars("{\\rtf1 before}"));
  s.label->BeginUpdate();
  s.label->BeginUpdate();
  QTextEdit* editor = s.label->RTF();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->toPlainText().isEmpty());
  editor->insertPlainText(QStringLiteral("after"));
  // Held: a paint shows no text.
  EXPECT_EQ(DarkPixels(s.Grab(), QRect(10, 10, 200, 60)), 0);
  s.label->EndUpdate();
  EXPECT_EQ(s.label->RichText(), Chars("{\\rtf1 before}"));
  s.label->EndUpdate();
  EXPECT_EQ(s.label->UpdateCount(), 0);
  QTextDocument doc;
  rtf::Read(s.label->RichTextBytes(), &doc);
  EXPECT_EQ(doc.toPlainText(), "after");
  s.label->EndUpdate();
  EXPECT_EQ(s.label->UpdateCount(), 0);

  // From another editor.
  QTextEdit other;
  other.setPlainText(QStringLiteral("copied"));
  s.label->CopyFromRichEdit(&other);
  rtf::Read(s.label->RichTextBytes(), &doc);
  EXPECT_EQ(doc.toPlainText(), "copied");
  // Without a parent there is no editor to fill.
  TRTFLabel orphan;
  EXPECT_EQ(orphan.RTF(), nullptr);
}

TEST(RTFLabel, PaintAskedForDuringAPaintReturnsAtOnce) {
  Scene s;
  s.label->SetRichText(Chars("{\\rtf1\\fs40 Text}"));
  int renderings = 0;
  QImage inner(200, 60, QImage::Format_ARGB32);
  inner.fill(Qt::white);
  s.label->SetTransparent(true);
  s.label->OnRendering = [&] {
    ++renderings;
    if (renderings > 1) return;
    QPainter p(&inner);
    s.label->Paint(p);
  };
  s.Grab();
  EXPECT_EQ(renderings, 1);
  EXPECT_EQ(DarkPixels(inner, inner.rect()), 0);
  // PaintTo renders whatever the flags say.
  s.label->OnRendering = nullptr;
  s.label->BeginUpdate();
  QPainter p(&inner);
  s.label->PaintTo(p);
  p.end();
  EXPECT_GT(DarkPixels(inner, inner.rect()), 20);
}

TEST(RTFLabel, PrintsTheDocumentUnderItsCaption) {
  Scene s;
  s.label->SetRichText(Chars("{\\rtf1 Printed page}"));
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("out.pdf"));
  s.label->Print(QStringLiteral("RS232"), &printer);
  EXPECT_EQ(printer.docName(), "RS232");
  QFile pdf(dir.filePath("out.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}
