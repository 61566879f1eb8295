// Text of the GDI+ layer: font families, fonts, string formats, and measuring
// and drawing strings as GDI+ lays them out.
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"

namespace {

constexpr int kStringFormatFlagsNoClip = 0x4000;

bool Installed(const QString& family) {
  static const QStringList families = QFontDatabase::families();
  return families.contains(family, Qt::CaseInsensitive);
}

// The text a call draws: length -1 runs to the first NUL; a length beyond the
// text is cut to it.
QString Cut(const QString& s, int length) {
  if (length < 0) {
    const qsizetype nul = s.indexOf(QChar(0));
    return nul < 0 ? s : s.left(nul);
  }
  return s.left(std::min<qsizetype>(length, s.size()));
}

struct Layout {
  QStringList lines;
  std::vector<double> widths;
  double lineHeight = 0;
  double ascent = 0;
  double pad = 0;
  QRectF box;
};

double Advance(const QFontMetricsF& m, const QString& line, bool trailing) {
  if (trailing) return m.horizontalAdvance(line);
  qsizetype n = line.size();
  while (n > 0 && line[n - 1] == QLatin1Char(' ')) --n;
  return m.horizontalAdvance(line.left(n));
}

// Lays text out in layoutRect (width or height 0: unbounded) the way GDI+ does:
// lines broken at newlines and, with a width and without NoWrap, at spaces;
// 1/6 em of padding each side; aligned by the format.
Layout LayOut(const QString& raw, const TGPFont& font, const QRectF& layoutRect, const TGPStringFormat* format) {
  Layout l;
  const int flags = format ? format->GetFormatFlags() : 0;
  const bool trailing = flags & StringFormatFlagsMeasureTrailingSpaces;
  QString text = raw;
  if (format && format->GetHotkeyPrefix() != HotkeyPrefixNone) {
    text.replace(QLatin1String("&&"), QString(QChar(1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
  }
  const QFontMetricsF m(font.Native());
  l.lineHeight = m.lineSpacing();
  l.ascent = m.ascent();
  l.pad = font.EmPixels() / 6.0;
  const double wrapWidth = layoutRect.width() > 0 && !(flags & StringFormatFlagsNoWrap)
                               ? std::max(0.0, layoutRect.width() - 2 * l.pad) : -1;
  if (!text.isEmpty()) {
    text.remove(QLatin1Char('\r'));
    for (const QString& para : text.split(QLatin1Char('\n'))) {
      if (wrapWidth < 0) {
        l.lines << para;
        continue;
      }
      QString line;
      for (const QString& word : para.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && Advance(m, candidate, false) > wrapWidth) {
          l.lines << line;
          line = word;
        } else {
          line = candidate;
        }
      }
      l.lines << line;
    }
  }
  double width = 0;
  for (const QString& line : l.lines) {
    l.widths.push_back(Advance(m, line, trailing));
    width = std::max(width, l.widths.back());
  }
  const double boxW = l.lines.isEmpty() ? 0 : width + 2 * l.pad;
  const double boxH = l.lines.size() * l.lineHeight;
  const int align = format ? format->GetAlignment() : StringAlignmentNear;
  const int lineAlign = format ? format->GetLineAlignment() : StringAlignmentNear;
  auto place = [](double start, double extent, double size, int a) {
    if (a == StringAlignmentCenter) return extent > 0 ? start + (extent - size) / 2 : start - size / 2;
    if (a == StringAlignmentFar) return extent > 0 ? start + extent - size : start - size;
    return start;
  };
  l.box = QRectF(place(layoutRect.x(), layoutRect.width(), boxW, align),
                 place(layoutRect.y(), layoutRect.height(), boxH, lineAlign), boxW, boxH);
  return l;
}

// Where each line's glyphs start, at its baseline.
QPointF LineOrigin(const Layout& l, int i, int align) {
  const double w = l.widths[std::size_t(i)];
  double x = l.box.x() + l.pad;
  if (align == StringAlignmentCenter) x = l.box.center().x() - w / 2;
  else if (align == StringAlignmentFar) x = l.box.right() - l.pad - w;
  return {x, l.box.y() + i * l.lineHeight + l.ascent};
}

}  // namespace

// ---- Font families ----

TGPFontFamily::TGPFontFamily(const QString& name, const TGPFontCollection*) {
  const QString standIn = platform::StandInFontFamily(name);
  if (name.trimmed().isEmpty() || !Installed(standIn)) {
    lastResult = FontFamilyNotFound;
    return;
  }
  nativeFamily = standIn;
}

TGPFontFamily::TGPFontFamily(const QString& nativeOrig, TStatus status) : nativeFamily(nativeOrig), lastResult(status) {}

TGPFontFamily::~TGPFontFamily() = default;

TStatus TGPFontFamily::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

TGPFontFamily* TGPFontFamily::GenericSansSerif() {
  static TGPFontFamily* family = new TGPFontFamily(QStringLiteral("Microsoft Sans Serif"));
  return family;
}

TGPFontFamily* TGPFontFamily::GenericSerif() {
  static TGPFontFamily* family = new TGPFontFamily(QStringLiteral("Times New Roman"));
  return family;
}

TGPFontFamily* TGPFontFamily::GenericMonospace() {
  static TGPFontFamily* family = new TGPFontFamily(QStringLiteral("Courier New"));
  return family;
}

// ---- Fonts ----

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, int unit) {
  if (!family || family->GetFamilyName().isEmpty() || emSize <= 0 || unit < UnitWorld || unit > UnitMillimeter ||
      unit == UnitDisplay) {
    lastResult = InvalidParameter;
    return;
  }
  Make(family->GetFamilyName(), emSize, style, unit);
}

TGPFont::TGPFont(const QString& familyName, float emSize, int style, int unit, const TGPFontCollection* collection) {
  TGPFontFamily family(familyName, collection);
  const TGPFontFamily* use = family.GetFamilyName().isEmpty() ? TGPFontFamily::GenericSansSerif() : &family;
  if (use->GetFamilyName().isEmpty() || emSize <= 0) {
    lastResult = emSize <= 0 ? InvalidParameter : FontFamilyNotFound;
    return;
  }
  Make(use->GetFamilyName(), emSize, style, unit);
}

TGPFont::~TGPFont() = default;

void TGPFont::Make(const QString& family, float emSize, int style, int unit) {
  emSize_ = emSize;
  style_ = style;
  unit_ = unit;
  nativeFont = QFont();
  nativeFont.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei")});
  nativeFont.setPixelSize(std::max(1, int(std::lround(EmPixels()))));
  nativeFont.setBold(style & FontStyleBold);
  nativeFont.setItalic(style & FontStyleItalic);
  nativeFont.setUnderline(style & FontStyleUnderline);
  nativeFont.setStrikeOut(style & FontStyleStrikeout);
  valid_ = true;
}

double TGPFont::EmPixels() const {
  switch (unit_) {
    case UnitPoint: return emSize_ * 96.0 / 72.0;
    case UnitInch: return emSize_ * 96.0;
    case UnitDocument: return emSize_ * 96.0 / 300.0;
    case UnitMillimeter: return emSize_ * 96.0 / 25.4;
    default: return emSize_;
  }
}

TStatus TGPFont::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

// ---- String formats ----

TGPStringFormat::TGPStringFormat(int formatFlags, int language) : flags_(formatFlags), language_(language) {}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format) {
  if (!format) {
    lastError = InvalidParameter;
    return;
  }
  flags_ = format->flags_;
  language_ = format->language_;
  alignment_ = format->alignment_;
  lineAlignment_ = format->lineAlignment_;
  trimming_ = format->trimming_;
  hotkeyPrefix_ = format->hotkeyPrefix_;
}

TGPStringFormat::~TGPStringFormat() = default;

TStatus TGPStringFormat::SetStatus(TStatus status) {
  if (status != Ok) lastError = status;
  return status;
}

TStatus TGPStringFormat::GetLastStatus() {
  const TStatus s = lastError;
  lastError = Ok;
  return s;
}

TStatus TGPStringFormat::SetAlignment(int align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) return SetStatus(InvalidParameter);
  alignment_ = align;
  return Ok;
}

TStatus TGPStringFormat::SetLineAlignment(int align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) return SetStatus(InvalidParameter);
  lineAlignment_ = align;
  return Ok;
}

TStatus TGPStringFormat::SetFormatFlags(int flags) {
  flags_ = flags;
  return Ok;
}

TStatus TGPStringFormat::SetTrimming(int trimming) {
  if (trimming < StringTrimmingNone || trimming > 5) return SetStatus(InvalidParameter);
  trimming_ = trimming;
  return Ok;
}

TStatus TGPStringFormat::SetHotkeyPrefix(int hotkeyPrefix) {
  if (hotkeyPrefix < HotkeyPrefixNone || hotkeyPrefix > HotkeyPrefixHide) return SetStatus(InvalidParameter);
  hotkeyPrefix_ = hotkeyPrefix;
  return Ok;
}

// ---- Strings on a graphics ----

TStatus TGPGraphics::DrawString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPBrush* brush) {
  return DrawString(string, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}

TStatus TGPGraphics::DrawString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPStringFormat* stringFormat, const TGPBrush* brush) {
  return DrawString(string, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, brush);
}

TStatus TGPGraphics::DrawString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                const TGPStringFormat* stringFormat, const TGPBrush* brush) {
  if (!nativeGraphics || !font || !font->IsValid() || !brush || !brush->Native()) return SetStatus(InvalidParameter);
  const Layout l = LayOut(Cut(string, length), *font, layoutRect.ToQt(), stringFormat);
  if (l.lines.isEmpty()) return Ok;
  QPainter& p = *nativeGraphics;
  p.save();
  const QRectF lr = layoutRect.ToQt();
  const int flags = stringFormat ? stringFormat->GetFormatFlags() : 0;
  if (lr.width() > 0 && lr.height() > 0 && !(flags & kStringFormatFlagsNoClip)) p.setClipRect(lr, Qt::IntersectClip);
  p.setFont(font->Native());
  p.setPen(QPen(brush->Native()->ToQBrush(), 0));
  const int align = stringFormat ? stringFormat->GetAlignment() : StringAlignmentNear;
  for (int i = 0; i < l.lines.size(); ++i) p.drawText(LineOrigin(l, i, align), l.lines[i]);
  p.restore();
  return Ok;
}

TStatus TGPGraphics::MeasureString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                   const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted,
                                   int* linesFilled) {
  if (!font || !font->IsValid()) return SetStatus(InvalidParameter);
  const QString text = Cut(string, length);
  const Layout l = LayOut(text, *font, layoutRect.ToQt(), stringFormat);
  boundingBox = TGPRectF::FromQt(l.box);
  if (codepointsFitted) *codepointsFitted = int(text.size());
  if (linesFilled) *linesFilled = int(l.lines.size());
  return Ok;
}

TStatus TGPGraphics::MeasureString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                                   const TGPStringFormat* stringFormat, TGPRectF& boundingBox) {
  return MeasureString(string, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, boundingBox);
}

TStatus TGPGraphics::MeasureString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                   TGPRectF& boundingBox) {
  return MeasureString(string, length, font, layoutRect, nullptr, boundingBox);
}

TGPFont* TGPGraphics::MakeFont(const platform::TFont& font) {
  auto family = std::make_unique<TGPFontFamily>(font.Name);
  const TStatus s = family->GetLastStatus();
  if (s == FontFamilyNotFound || s == FontStyleNotFound) family = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
  int style = 0;
  if (font.Style & platform::fsBold) style |= FontStyleBold;
  if (font.Style & platform::fsItalic) style |= FontStyleItalic;
  if (font.Style & platform::fsUnderline) style |= FontStyleUnderline;
  return new TGPFont(family.get(), float(font.Size()), style, UnitPoint);
}

int TGPGraphics::TextWidth(const QString& string, const platform::TFont& font) {
  std::unique_ptr<TGPFont> f(MakeFont(font));
  TGPRectF box;
  MeasureString(string, int(string.size()), f.get(), TGPRectF{0, 0, 10000, 10000}, box);
  return int(std::nearbyint(box.Width));
}

int TGPGraphics::TextHeight(const QString& string, const platform::TFont& font) {
  std::unique_ptr<TGPFont> f(MakeFont(font));
  TGPRectF box;
  MeasureString(string, int(string.size()), f.get(), TGPRectF{0, 0, 10000, 10000}, box);
  return int(std::nearbyint(box.Height));
}

int TGPGraphics::DrawText(const QString& string, int len, platform::TRect& rect, const platform::TFont& font,
                          unsigned style, platform::TColor bkColor) {
  std::unique_ptr<TGPFont> f(MakeFont(font));
  const bool calc = style & platform::DT_CALCRECT;
  if (calc || bkColor != platform::clNone) {
    const int size = font.Size();
    int margin = 2;
    if (size > 8) margin += int(std::nearbyint((size - 8) / 1.5));
    QString measured = string;
    // A trailing space would not be measured; an "i" stands in for it.
    if (measured.size() > 1 && measured.endsWith(QLatin1Char(' '))) measured[measured.size() - 1] = QLatin1Char('i');
    TGPRectF box;
    MeasureString(measured, len, f.get(),
                  TGPRectF{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                           float(rect.Bottom - rect.Top)},
                  box);
    rect.Right = rect.Left + int(std::nearbyint(box.Width - margin));
    rect.Bottom = rect.Top + int(std::nearbyint(box.Height));
    if (bkColor != platform::clNone) {
      TGPSolidBrush bk(ColorToARGB(bkColor));
      FillRectangle(&bk, float(rect.Left + 1), float(rect.Top), box.Width - margin + 1, box.Height);
    }
  }
  if (!calc) {
    TGPSolidBrush ink(ColorToARGB(font.Color));
    DrawString(string, len, f.get(), TGPPointF{float(rect.Left), float(rect.Top)}, &ink);
  }
  return rect.Bottom - rect.Top;
}

// ---- Strings as path figures ----

TStatus TGPGraphicsPath::AddString(const QString& string, int length, const TGPFontFamily* family, int style,
                                   float emSize, const TGPRectF& layoutRect, const TGPStringFormat* format) {
  if (!family || family->GetFamilyName().isEmpty() || emSize <= 0) return SetStatus(InvalidParameter);
  const TGPFont font(family, emSize, style, UnitWorld);
  const Layout l = LayOut(Cut(string, length), font, layoutRect.ToQt(), format);
  const int align = format ? format->GetAlignment() : StringAlignmentNear;
  QPainterPath text;
  for (int i = 0; i < l.lines.size(); ++i) text.addText(LineOrigin(l, i, align), font.Native(), l.lines[i]);
  AddClosed(text);
  return Ok;
}
