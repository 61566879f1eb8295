#include "controls/ExSplashMiniHtml.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>

#include "controls/CustomImageList.h"
#include "controls/GDIPPictureContainer.h"
#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"
#include "controls/ZodOVOD.h"

using namespace platform;

namespace {

struct NamedColour {
  const char* name;
  TColor color;
};

constexpr NamedColour kColourNames[] = {
    {"clred", clRed}, {"clblack", clBlack}, {"clblue", clBlue}, {"clgreen", clGreen}, {"claqua", clAqua},
    {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite}, {"cllime", clLime},
    {"clsilver", clSilver}, {"clgray", clGray}, {"clolive", clOlive}, {"clnavy", clNavy}, {"clpurple", clPurple},
    {"clteal", clTeal}, {"clmaroon", clMaroon},
    // The system colours, COLOR_* indexes 1 to 24 in order.
    {"clbackground", clBackground}, {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption}, {"clmenu", clMenu}, {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame}, {"clmenutext", clMenuText}, {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText}, {"clactiveborder", clActiveBorder}, {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace}, {"clhighlight", clHighlight}, {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace}, {"clbtnshadow", clBtnShadow}, {"clgraytext", clGrayText}, {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText}, {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow}, {"cl3dlight", cl3DLight}, {"clinfotext", clInfoText}, {"clinfobk", clInfoBk},
};

int HexDigit(QChar c) {
  const ushort u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// Upper case letter by letter, so that positions in both texts agree.
QString UpperKeepLength(const QString& s) {
  QString out = s;
  for (QChar& c : out) c = c.toUpper();
  return out;
}

TColor ColourValue(const QString& value) {
  return value.startsWith(QLatin1Char('#')) ? HtmlHexColor(value) : HtmlColorByName(value);
}

enum class PassMode { Measure, Paint, HitTest };

// What one pass carries from line to line.
struct PassState {
  TFont font;
  TColor back = clNone;  // text background; clNone is the clear brush
  bool inLink = false;
  QString url;
  bool sub = false, sup = false, shadow = false, hidden = false, zigzag = false;
  int listLevel = 0;
  int offset = 0;
  int linkCount = 0;
  int imageCount = 0;
  TColor fontBack = clNone;  // the background before a FONT or BODY colour
  TColor linkBack = clNone, linkColour = clBlack;
  TColor hiBack = clNone, hiColour = clBlack;
};

// One laid-out line, as the measuring pass finds it.
struct LineInfo {
  int width = 0;
  int height = 0;
  int subRaise = 0, supRaise = 0;
  int align = 0;  // 0 left, 1 right, 2 centre
  int indent = 0;
  int alignOffset = 0;
  QString source;
};

class MiniHtml {
 public:
  // Inputs.
  TGPGraphics* g = nullptr;
  TFont base;
  TRect rect;
  TCustomImageList* images = nullptr;
  TGDIPPictureContainer* container = nullptr;
  int mouseX = 0, mouseY = 0, focusedLink = -1, hotLink = -1, shadowOffset = 0, lineGap = 0;
  bool hitTestOnly = false, measureOnly = false, printing = false, keepColours = false, blinkPhase = false,
       hotLinkOnly = false, wrapWords = false;
  double iconScale = 1.0;
  TColor urlColor = clBlue, hotBackColor = clNone, hotTextColor = clNone, shadowColor = clGray;
  // Outputs.
  QString linkUnderMouse, plainText, focusedUrl;
  int outWidth = 0, outHeight = 0, linkCount = 0, hotLinkNumber = -1;
  TRect hotLinkRect;
  bool result = false;

  void Run(QString text);

 private:
  // Per-pass working values of one line.
  struct Walk {
    PassMode mode;
    PassState& st;
    LineInfo& line;
    TRect box;
    int y;
    int gh;
    int penX = 0;
    int lineWidth = 0;
    bool lineBreak = false;
    bool bulletSeen = false;
    bool textHit = false;
    bool pictureHit = false;
    int linkStartWidth = -1;
  };

  void LinePass(Walk& w, QString& text);
  // False when the tag stays in the text for the next line.
  bool ApplyTag(Walk& w, const QString& tag);
  bool Picture(Walk& w, const QString& upper, const QString& tag);
  void Bullet(Walk& w, const QString& upper);
  void CloseLink(Walk& w);
  void Measure(const QString& s, const TFont& font, int& width, int& height) const;
  void Text(const QString& s, int x, int y, const TFont& font, TColor back) const;
  int Available(const Walk& w) const;
  QPainter* Painter() const { return g->Painter(); }

  int hoveredImage = -1;
  bool hoverPending = false;
};

bool Attr(const QString& upper, const QString& tag, const char* name, QString& value) {
  const int at = int(upper.indexOf(QLatin1String(name)));
  if (at < 0) return false;
  const int open = int(upper.indexOf(QLatin1Char('"'), at + int(qstrlen(name))));
  if (open < 0) return false;
  int close = int(upper.indexOf(QLatin1Char('"'), open + 1));
  if (close < 0) close = int(upper.size());
  value = tag.mid(open + 1, close - open - 1);
  return true;
}

bool NumberAttr(const QString& upper, const char* name, int& value) {
  QString v;
  if (!Attr(upper, upper, name, v)) return false;
  value = HtmlNumber(v);
  return true;
}

void MiniHtml::Measure(const QString& s, const TFont& font, int& width, int& height) const {
  TRect r{0, 0, 0, 0};
  g->DrawText(s, -1, r, font, DT_CALCRECT, clNone);
  width = r.Right - r.Left;
  height = r.Bottom - r.Top;
}

void MiniHtml::Text(const QString& s, int x, int y, const TFont& font, TColor back) const {
  TRect r{x, y, x, y};
  g->DrawText(s, -1, r, font, 0, back);
}

int MiniHtml::Available(const Walk& w) const {
  const int carried = w.mode == PassMode::Measure ? 0 : w.st.offset;
  return w.box.Right - (w.box.Left + carried);
}

void MiniHtml::Run(QString text) {
  // Entities, repeated until none is left to replace.
  if (text.contains(QLatin1Char('&'))) {
    static const std::pair<const char*, QChar> kEntities[] = {
        {"&amp;", QChar('&')},         {"&quot;", QChar('"')},        {"&sect;", QChar(0x00A7)},
        {"&permil;", QChar(0x2030)},   {"&reg;", QChar(0x00AE)},      {"&copy;", QChar(0x00A9)},
        {"&para;", QChar(0x00B6)},     {"&trade;", QChar(0x2122)},    {"&euro;", QChar(0x20AC)},
    };
    bool replaced = true;
    while (replaced) {
      replaced = false;
      for (const auto& [name, ch] : kEntities) {
        const int at = int(text.indexOf(QLatin1String(name), 0, Qt::CaseInsensitive));
        if (at < 0) continue;
        text.replace(at, int(qstrlen(name)), ch);
        replaced = true;
      }
    }
  }
  // "<#...>" shows as its text from the "#" on.
  const int hashTag = int(text.indexOf(QLatin1String("<#")));
  if (hashTag >= 0) {
    const int gt = int(text.indexOf(QLatin1Char('>'), hashTag));
    if (gt >= 0) text.remove(gt, 1);
    text.remove(hashTag, 1);
  }
  text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
  text.remove(QLatin1Char('\n'));

  PassState measure, paint;
  measure.font = base;
  paint.font = base;
  int y = rect.Top;
  int firstGh = -1;
  while (!text.isEmpty()) {
    const int gh = g->TextHeight(QStringLiteral("gh"), measure.font);
    if (firstGh < 0) firstGh = gh;
    measure.sub = measure.sup = paint.sub = paint.sup = false;
    LineInfo line;
    line.height = gh;
    Walk mw{PassMode::Measure, measure, line, TRect{rect.Left + 1, y, rect.Right, rect.Bottom}, y, gh};
    LinePass(mw, text);
    int height = line.height;
    if (!text.isEmpty()) height += lineGap;

    int left = rect.Left + 1;
    if (line.align == 1) {
      if (rect.Right - line.width > left) left = rect.Right - line.width;
    } else if (line.align == 2) {
      if (rect.Right - left - line.width > 0) left += (rect.Right - left - line.width) / 2;
    }
    left += line.indent;
    const int raises = line.subRaise + line.supRaise;
    if (!measureOnly) {
      QString source = line.source;
      Walk pw{hitTestOnly ? PassMode::HitTest : PassMode::Paint, paint, line,
              TRect{left, y, rect.Right, y + height + raises}, y, gh};
      LinePass(pw, source);
      if (pw.pictureHit) result = true;
      const int bottom = pw.box.Bottom - line.alignOffset;
      if (hitTestOnly && pw.textHit && mouseY > bottom - gh && mouseY < bottom) result = true;
    }
    y += height + raises;
    outHeight += height + raises;
    if (line.width > outWidth) outWidth = line.width;
    if (!measureOnly && y + gh > rect.Bottom) break;
  }
  if (outHeight == 0) outHeight = firstGh >= 0 ? firstGh : g->TextHeight(QStringLiteral("gh"), base);
  outHeight += 2;
  outWidth += 2;
}

void MiniHtml::LinePass(Walk& w, QString& text) {
  PassState& st = w.st;
  LineInfo& line = w.line;
  const bool measuring = w.mode == PassMode::Measure;
  const bool painting = w.mode == PassMode::Paint;
  w.penX = w.box.Left + (measuring ? 0 : st.offset);
  bool consumedAny = false;
  bool afterSpace = true;
  while (!text.isEmpty() && !w.lineBreak) {
    const int lt = int(text.indexOf(QLatin1Char('<')));
    int segLen = 0;
    if (lt != 0) {
      const int sp = wrapWords ? int(text.indexOf(QLatin1Char(' '))) : -1;
      if (sp >= 0 && (lt < 0 || sp < lt)) segLen = sp + 1;
      else segLen = lt < 0 ? int(text.size()) : lt;
    }
    if (segLen > 0) {
      QString seg = text.left(segLen);
      seg.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
      seg.replace(QLatin1String("&lt;"), QLatin1String("<"));
      seg.replace(QLatin1String("&gt;"), QLatin1String(">"));
      int width = 0, h = 0;
      Measure(seg, st.font, width, h);
      if (measuring) {
        if (st.sub && line.subRaise < h / 4) line.subRaise = h / 2;
        if (st.sup && line.supRaise < h / 4) line.supRaise = h / 2;
        line.height = std::max(line.height, h);
      }
      if (st.hidden) {
        if (measuring) plainText += seg;
        text.remove(0, segLen);
        continue;
      }
      if (seg == QLatin1String(" ")) width = 0;
      w.lineWidth += width;
      if (st.inLink && !painting) {
        const int mx = mouseX - (rect.Left + 1);
        if (mx >= w.lineWidth - width && mx <= w.lineWidth) {
          w.textHit = true;
          if (measuring && w.y < mouseY && mouseY < w.y + w.gh) {
            linkUnderMouse = st.url;
            hoverPending = true;
          }
        }
      }
      if (painting) {
        const int b = w.box.Bottom - line.subRaise;
        int ty = w.box.Top;
        if (st.sup) ty -= line.supRaise / 2;
        if (st.sub) ty += line.subRaise / 2;
        if (st.shadow && shadowColor != clNone) {
          TFont shade = st.font;
          shade.Color = shadowColor;
          Text(seg, w.penX + shadowOffset, ty + shadowOffset, shade, clNone);
        }
        QString shown = seg;
        if (st.font.Style & fsUnderline) {
          const QString after = text.mid(segLen);
          int stop = 0;
          while (stop < after.size() && after[stop] != QLatin1Char(' ') && after[stop] != QLatin1Char('<')) ++stop;
          const int space = int(after.indexOf(QLatin1Char(' ')));
          const int linkEnd = int(after.indexOf(QLatin1String("</A"), 0, Qt::CaseInsensitive));
          if (stop > 0 && space >= 0 && (linkEnd < 0 || space < linkEnd)) shown += QLatin1Char('_');
        }
        Text(shown, w.penX, ty, st.font, st.back);
        const int segLeft = w.penX;
        w.penX += width;
        if (st.zigzag) {
          QPainter* p = Painter();
          const bool aa = p->testRenderHint(QPainter::Antialiasing);
          p->setRenderHint(QPainter::Antialiasing, false);
          TGPPen pen(ColorToARGB(clRed), 1);
          int x = segLeft & ~1;
          int pp = x % 4 == 0 ? 0 : 2;
          auto step = [&] {
            g->DrawLine(&pen, float(x), float(b + pp - 4), float(x + 2), float(b - pp - 2));
            pp = 2 - pp;
            x += 2;
          };
          while (x < w.penX) step();
          step();
          p->setRenderHint(QPainter::Antialiasing, aa);
        }
        if (st.inLink && st.linkCount == focusedLink + 1) focusedUrl = st.url;
      }
      if (measuring && wrapWords && consumedAny && afterSpace) {
        const int available = Available(w);
        if (w.lineWidth > available && width < available) {
          w.lineWidth -= width;
          break;
        }
      }
      // A segment taken back for the next line joins the plain text only there.
      if (measuring) {
        plainText += seg;
        line.source += text.left(segLen);
      }
      text.remove(0, segLen);
      consumedAny = true;
      afterSpace = seg.endsWith(QLatin1Char(' '));
    }
    if (text.startsWith(QLatin1Char('<'))) {
      if (text.size() <= 2) {
        text.clear();
        break;
      }
      const int gt = int(text.indexOf(QLatin1Char('>')));
      const QString tag = gt < 0 ? text : text.left(gt + 1);
      if (!ApplyTag(w, tag) && consumedAny) break;
      if (measuring) line.source += tag;
      if (gt < 0) text.clear();
      else text.remove(0, gt + 1);
      consumedAny = true;
    }
  }
  if (measuring) line.width = w.lineWidth;
}

void MiniHtml::CloseLink(Walk& w) {
  PassState& st = w.st;
  const bool painting = w.mode == PassMode::Paint;
  if (painting && (!hotLinkOnly || st.linkCount == hotLink)) {
    st.font.Style &= ~TFontStyles(fsUnderline);
    if (hotBackColor != clNone) st.back = st.linkBack;
    if (hotTextColor != clNone) st.font.Color = st.linkColour;
  }
  if (!keepColours) st.font.Color = base.Color;
  st.inLink = false;
  if (hoverPending) {
    hoverPending = false;
    const int bottom = w.mode == PassMode::Measure ? w.y + w.line.height : w.box.Bottom - w.line.subRaise;
    hotLinkRect = TRect{w.linkStartWidth >= 0 ? w.box.Left + w.linkStartWidth : w.box.Left, w.box.Top,
                        w.lineWidth + w.box.Left, bottom};
    hotLinkNumber = st.linkCount;
  }
}

bool MiniHtml::ApplyTag(Walk& w, const QString& tag) {
  PassState& st = w.st;
  LineInfo& line = w.line;
  const bool measuring = w.mode == PassMode::Measure;
  const bool painting = w.mode == PassMode::Paint;
  const QString upper = UpperKeepLength(tag);
  const bool closing = upper.startsWith(QLatin1String("</"));
  const QString s = upper.mid(closing ? 2 : 1);
  auto is = [&](const char* letters) { return s.startsWith(QLatin1String(letters)); };

  if (closing) {
    if (is("A")) {
      CloseLink(w);
    } else if (is("B>")) {
      st.font.Style &= ~TFontStyles(fsBold);
    } else if (is("B")) {
      st.font.Color = base.Color;
    } else if (is("E")) {
      st.zigzag = false;
    } else if (is("F")) {
      st.font.Name = base.Name;
      st.font.Height = base.Height;
      if (painting && !keepColours) {
        st.font.Color = base.Color;
        st.back = st.fontBack;
      }
    } else if (is("H")) {
      if (painting) {
        st.font.Color = st.hiColour;
        st.back = st.hiBack;
      }
    } else if (is("I")) {
      st.font.Style &= ~TFontStyles(fsItalic);
    } else if (is("L")) {
      w.lineBreak = true;
    } else if (is("O")) {
      st.offset = 0;
    } else if (is("P")) {
      w.lineBreak = true;
      if (painting) st.back = clNone;
    } else if (is("SU")) {
      st.sub = st.sup = false;
    } else if (is("SH")) {
      st.shadow = false;
    } else if (is("S")) {
      st.font.Style &= ~TFontStyles(fsStrikeOut);
    } else if (is("U")) {
      if (is("U>") || st.listLevel == 0) st.font.Style &= ~TFontStyles(fsUnderline);
      else --st.listLevel;
    } else if (is("Z")) {
      st.hidden = false;
    }
    return true;
  }

  QString v;
  if (is("A")) {
    ++st.linkCount;
    if (measuring) linkCount = st.linkCount;
    st.inLink = true;
    st.url.clear();
    Attr(upper, tag, "", v);
    st.url = v;
    w.linkStartWidth = w.lineWidth;
    const bool hot = !hotLinkOnly || st.linkCount == hotLink;
    if (painting && hot) {
      st.font.Style |= fsUnderline;
      if (hotBackColor != clNone) {
        st.linkBack = st.back;
        st.back = hotBackColor;
      }
      if (hotTextColor != clNone) {
        st.linkColour = st.font.Color;
        st.font.Color = hotTextColor;
      }
    }
    const bool hoveredUnderHotOnly = hotLinkOnly && st.linkCount == hotLink && hotTextColor != clNone;
    if (!keepColours && !hoveredUnderHotOnly) st.font.Color = urlColor;
  } else if (is("B>")) {
    st.font.Style |= fsBold;
  } else if (is("BL")) {
    if (!blinkPhase) st.font.Color = clWhite;
  } else if (is("BO")) {
    if (measuring) line.source += tag;
    if (painting && !keepColours) {
      if (upper.contains(QLatin1String("BGCOLORTO"))) {
        st.back = clNone;
      } else if (Attr(upper, upper, "BGCOLOR", v)) {
        st.fontBack = st.back;
        st.back = ColourValue(v);
      }
    }
  } else if (is("BR")) {
    w.lineBreak = true;
    if (measuring) plainText += QLatin1Char('\r');
  } else if (is("E")) {
    if (painting) st.zigzag = true;
  } else if (is("F")) {
    if (Attr(upper, upper, "FACE", v)) st.font.Name = v;
    if (!keepColours && Attr(upper, upper, " COLOR", v)) st.font.Color = ColourValue(v);
    if (painting && !keepColours && Attr(upper, upper, "BGCOLOR", v)) {
      st.fontBack = st.back;
      st.back = ColourValue(v);
    }
    const int at = int(upper.indexOf(QLatin1String("SIZE")));
    if (at >= 0) {
      int i = at + 4;
      while (i < upper.size() && upper[i] == QLatin1Char(' ')) ++i;
      if (i < upper.size() && upper[i] == QLatin1Char('=')) ++i;
      while (i < upper.size() && upper[i] == QLatin1Char(' ')) ++i;
      if (i < upper.size() && upper[i] == QLatin1Char('"')) ++i;
      const int n = HtmlNumber(upper.mid(i));
      static constexpr int kSizes[] = {8, 10, 12, 14, 16};
      // A point size beyond what a font can hold is cut to 1..1000.
      st.font.SetSize(n >= 1 && n <= 5 ? kSizes[n - 1] : std::clamp(n, 1, 1000));
    }
  } else if (is("HI")) {
    if (painting) {
      st.hiColour = st.font.Color;
      st.hiBack = st.back;
      st.back = clHighlight;
      st.font.Color = clHighlightText;
    }
  } else if (is("HR")) {
    w.lineBreak = true;
    if (painting) {
      QPainter* p = Painter();
      const bool aa = p->testRenderHint(QPainter::Antialiasing);
      p->setRenderHint(QPainter::Antialiasing, false);
      TGPPen pen(MakeOpaqueARGB(0, 0, 0), 1);
      const int b = w.box.Bottom - line.subRaise;
      g->DrawLine(&pen, float(w.box.Left), float(b + 1), float(w.box.Right), float(b + 1));
      p->setRenderHint(QPainter::Antialiasing, aa);
    }
  } else if (is("I>")) {
    st.font.Style |= fsItalic;
  } else if (is("IN")) {
    int x = 0;
    if (NumberAttr(upper, "X", x) && x > w.lineWidth) {
      w.lineWidth = x;
      w.penX = rect.Left + x;
    }
  } else if (is("IM")) {
    return Picture(w, upper, tag);
  } else if (is("L")) {
    if (w.bulletSeen && measuring) return false;
    w.bulletSeen = true;
    Bullet(w, upper);
  } else if (is("OF")) {
    int x = 0;
    if (NumberAttr(upper, "X", x)) {
      st.offset = x;
      w.penX = x;
      w.lineWidth = x;
    }
  } else if (is("P")) {
    if (Attr(upper, upper, "ALIGN", v)) {
      if (v.contains(QLatin1String("RIGHT"))) line.align = 1;
      if (v.contains(QLatin1String("LEFT"))) line.align = 0;
      if (v.contains(QLatin1String("CENTER"))) line.align = 2;
    }
    int indent = 0;
    if (measuring && NumberAttr(upper, "INDENT", indent)) line.indent = indent;
    if (painting && upper.contains(QLatin1String("BGCOLORTO"))) st.back = clNone;
  } else if (is("S>")) {
    st.font.Style |= fsStrikeOut;
  } else if (is("SH")) {
    st.shadow = true;
  } else if (upper == QLatin1String("<SUB>")) {
    st.sub = true;
  } else if (upper == QLatin1String("<SUP>")) {
    st.sup = true;
  } else if (is("U>")) {
    st.font.Style |= fsUnderline;
  } else if (is("U")) {
    ++st.listLevel;
    w.lineBreak = true;
  } else if (is("Z")) {
    st.hidden = true;
  }
  return true;
}

bool MiniHtml::Picture(Walk& w, const QString& upper, const QString& tag) {
  PassState& st = w.st;
  LineInfo& line = w.line;
  const bool measuring = w.mode == PassMode::Measure;
  const bool painting = w.mode == PassMode::Paint;
  ++st.imageCount;
  QString src, alt;
  Attr(upper, tag, "SRC", src);
  if (hoveredImage == st.imageCount && Attr(upper, upper, "ALT", alt)) src = alt;
  int wantW = 0, wantH = 0;
  NumberAttr(upper, "WIDTH", wantW);
  NumberAttr(upper, "HEIGHT", wantH);
  int pw = 0, ph = 0;
  const int top = w.box.Top;
  std::function<void()> draw;
  const QString head = src.left(5).toUpper();
  if (head.startsWith(QLatin1String("IDX:"))) {
    const int index = HtmlNumber(src.mid(4));
    if (images && index >= 0 && index < images->Count()) {
      pw = images->Width();
      ph = images->Height();
      const int x = w.penX;
      draw = [this, index, x, top] {
        if (!printing) images->Draw(*Painter(), x, top, index, true);
      };
    }
  } else if (head == QLatin1String("SSYS:") || head == QLatin1String("LSYS:")) {
    const QString name = src.mid(5);
    bool isNumber = !name.isEmpty();
    for (QChar c : name) isNumber = isNumber && c.isDigit();
    if (!isNumber && !name.isEmpty()) {
      const int size = head.startsWith(QLatin1Char('S')) ? 16 : 32;
      const QIcon icon = QFileIconProvider().icon(QFileInfo(name));
      if (!icon.isNull()) {
        pw = ph = size;
        const int x = w.penX;
        draw = [this, icon, size, x, top] {
          const QPixmap pixmap = icon.pixmap(size, size);
          if (printing) {
            const int scaled = int(size * iconScale + 0.5);
            Painter()->drawPixmap(QRect(x, top, scaled, scaled), pixmap);
          } else {
            Painter()->drawPixmap(x, top, pixmap);
          }
        };
      }
    }
  } else if (!src.contains(QLatin1Char(':')) && container) {
    TZodOVODPicture* picture = container->FindPicture(src);
    if (picture && !picture->Empty()) {
      if (picture->Width() <= 0 || picture->Height() <= 0) picture->GetImageSizes();
      const bool sized = wantW >= 1 && wantH >= 1;
      pw = sized ? wantW : picture->Width();
      ph = sized ? wantH : picture->Height();
      const int x = w.penX;
      draw = [this, picture, x, top, pw, ph] {
        picture->GDIPDraw(*g, TGPRectF{float(x), float(top), float(pw), float(ph)});
      };
    }
  }
  if (st.inLink) {
    const int mx = mouseX - w.box.Left;
    if (mx > w.lineWidth && mx < w.lineWidth + pw && mouseY > top && mouseY < top + ph) {
      w.pictureHit = true;
      linkUnderMouse = st.url;
      hoveredImage = st.imageCount;
    }
  }
  const int boxWidth = w.box.Right - w.box.Left;
  if (measuring && pw < boxWidth && w.lineWidth + pw > Available(w) && w.lineWidth > 0) {
    --st.imageCount;
    return false;
  }
  if (painting && draw) draw();
  w.penX += pw;
  w.lineWidth += pw;
  if (measuring) {
    line.height = std::max(line.height, ph);
    QString align;
    if (Attr(upper, upper, "ALIGN", align)) {
      if (align.startsWith(QLatin1String("TOP"))) line.alignOffset = line.height - w.gh;
      else if (align.startsWith(QLatin1String("MIDDLE"))) line.alignOffset = (line.height - w.gh) / 2;
    }
    if (upper.contains(QLatin1String("WRAP"))) {
      line.height = w.gh;
      line.alignOffset = 0;
    }
  }
  return true;
}

void MiniHtml::Bullet(Walk& w, const QString& upper) {
  PassState& st = w.st;
  w.lineWidth += 12 * st.listLevel;
  w.penX += 12 * st.listLevel - 12;
  if (w.mode == PassMode::Paint && !st.hidden) {
    QString type, colourText, name;
    Attr(upper, upper, "TYPE", type);
    const bool coloured = Attr(upper, upper, "COLOR", colourText);
    const TColor colour = coloured ? ColourValue(colourText) : clNone;
    QPainter* p = Painter();
    const int top = w.box.Top;
    if (type == QLatin1String("SQUARE") || type == QLatin1String("CIRCLE")) {
      const bool aa = p->testRenderHint(QPainter::Antialiasing);
      p->setRenderHint(QPainter::Antialiasing, type == QLatin1String("CIRCLE"));
      TGPSolidBrush brush(ColorToARGB(colour));
      if (type == QLatin1String("SQUARE")) g->FillRectangle(&brush, float(w.penX), float(top + 2), 8.f, 8.f);
      else g->FillEllipse(&brush, float(w.penX), float(top + 2), 8.f, 8.f);
      p->setRenderHint(QPainter::Antialiasing, aa);
    } else if (type == QLatin1String("IMAGE")) {
      if (container && Attr(upper, upper, "NAME", name)) {
        // Names match without regard to case.
        TZodOVODPicture* picture = container->FindPicture(name);
        if (picture && !picture->Empty()) {
          if (picture->Width() <= 0) picture->GetImageSizes();
          picture->GDIPDraw(*g, TRect{w.penX, top + 2, w.penX + picture->Width(), top + 2 + picture->Height()});
          if (picture->Width() > 12) w.penX += picture->Width() - 12;
        }
      }
    } else if (type.isEmpty()) {
      TFont font = st.font;
      if (coloured) font.Color = colour;
      Text(st.listLevel % 2 == 0 ? QStringLiteral("o") : QString(QChar(0x2022)), w.penX, top, font, clNone);
    }
  }
  w.penX += 12;
}

}  // namespace

TColor HtmlColorByName(const QString& name) {
  for (const auto& entry : kColourNames)
    if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) return entry.color;
  return clBlack;
}

TColor HtmlHexColor(const QString& text) {
  int channel[3] = {0, 0, 0};
  int i = text.startsWith(QLatin1Char('#')) ? 1 : 0;
  for (int c = 0; c < 3; ++c) {
    for (int n = 0; n < 2 && i < text.size(); ++n, ++i) {
      const int d = HexDigit(text[i]);
      if (d < 0) {
        i = int(text.size());
        break;
      }
      channel[c] = channel[c] * 16 + d;
    }
  }
  return RGB(channel[0], channel[1], channel[2]);
}

int HtmlNumber(const QString& text) {
  int i = 0;
  while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i < text.size() && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  std::int64_t value = 0;
  const std::int64_t limit = negative ? -std::int64_t(INT_MIN) : INT_MAX;
  for (; i < text.size(); ++i) {
    const int d = HexDigit(text[i]);
    if (d < 0 || d >= base) break;
    value = std::min(value * base + d, limit);
  }
  return int(negative ? -value : value);
}

bool DrawMiniHtml(TGPGraphics* Graphics, const TFont& Font, const QString& Text, const TRect& Rect,
                  TCustomImageList* Images, int MouseX, int MouseY, int FocusedLink, int HotLink, int ShadowOffset,
                  bool HitTestOnly, bool MeasureOnly, bool Printing, bool KeepColours, bool BlinkPhase,
                  bool HotLinkOnly, bool WrapWords, double IconScale, TColor URLColor, TColor HotBackColor,
                  TColor HotTextColor, TColor ShadowColor, QString& LinkUnderMouse, QString& PlainText,
                  QString& FocusedUrl, int& OutWidth, int& OutHeight, int& LinkCount, int& HotLinkNumber,
                  TRect& HotLinkRect, TGDIPPictureContainer* PictureContainer, int LineGap) {
  LinkUnderMouse.clear();
  PlainText.clear();
  FocusedUrl.clear();
  OutWidth = OutHeight = LinkCount = 0;
  HotLinkNumber = -1;
  if (!Graphics || !Graphics->Painter()) return false;
  MiniHtml html;
  html.g = Graphics;
  html.base = Font;
  html.rect = Rect;
  html.images = Images;
  html.container = PictureContainer;
  html.mouseX = MouseX;
  html.mouseY = MouseY;
  html.focusedLink = FocusedLink;
  html.hotLink = HotLink;
  html.shadowOffset = ShadowOffset;
  html.lineGap = LineGap;
  html.hitTestOnly = HitTestOnly;
  html.measureOnly = MeasureOnly;
  html.printing = Printing;
  html.keepColours = KeepColours;
  html.blinkPhase = BlinkPhase;
  html.hotLinkOnly = HotLinkOnly;
  html.wrapWords = WrapWords;
  html.iconScale = IconScale;
  html.urlColor = URLColor;
  html.hotBackColor = HotBackColor;
  html.hotTextColor = HotTextColor;
  html.shadowColor = ShadowColor;
  html.hotLinkRect = HotLinkRect;
  html.Run(Text);
  LinkUnderMouse = html.linkUnderMouse;
  PlainText = html.plainText;
  FocusedUrl = html.focusedUrl;
  OutWidth = html.outWidth;
  OutHeight = html.outHeight;
  LinkCount = html.linkCount;
  HotLinkNumber = html.hotLinkNumber;
  HotLinkRect = html.hotLinkRect;
  return html.result;
}
