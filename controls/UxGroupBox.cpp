#include "controls/UxGroupBox.h"

#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

using platform::Canvas;
using platform::FromQColor;
using platform::FromQRect;
using platform::TColor;
using platform::TRect;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

// The mnemonic character of "&x" in a caption, lower-cased; null for none.
QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return {};
}

void Line(Canvas& c, TColor color, int x1, int y1, int x2, int y2) {
  c.Pen.Color = color;
  c.Pen.Style = platform::psSolid;
  c.Pen.Width = 1;
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}
}  // namespace

TUxCustomGroupBox::TUxCustomGroupBox(QWidget* parent)
    : TUxCustomPanel(parent), FCaptionFont(font()), FCaptionFontColor(FontColor()) {
  SetBorderOuter(fsNone);
  SetBorderInner(fsNone);
  SetAlignment(taLeftJustify);
  SetAlignmentVertical(uxdraw::avTop);
  resize(width(), 105);
  Realign();
}

void TUxCustomGroupBox::SetGroupStyle(TUxGroupBoxStyle v) {
  if (v == FGroupStyle) return;
  FGroupStyle = v;
  Realign();
  update();
}

void TUxCustomGroupBox::SetBannerHeight(int v) {
  if (v == FBannerHeight) return;
  FBannerHeight = v;
  Realign();
  update();
}

void TUxCustomGroupBox::SetCaptionFont(const QFont& v) {
  FCaptionFont = v;
  FCaptionFontChanged = true;
  update();
}

void TUxCustomGroupBox::SetCaptionFontColor(const QColor& v) {
  FCaptionFontColor = v;
  FCaptionFontChanged = true;
  update();
}

void TUxCustomGroupBox::SetCaption(const QString& v) {
  if (v == Caption()) return;
  TUxCustomPanel::SetCaption(v);
  UpdateAccelerator();
}

void TUxCustomGroupBox::SetFontColor(const QColor& v) {
  if (!FCaptionFontChanged) FCaptionFontColor = v;
  TUxCustomPanel::SetFontColor(v);
  update();
}

void TUxCustomGroupBox::UpdateAccelerator() {
  if (FAccelerator) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QChar key = AcceleratorOf(Caption());
  if (!key.isNull()) FAccelerator = grabShortcut(QKeySequence(QStringLiteral("Alt+") + key));
}

bool TUxCustomGroupBox::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
    if (isEnabled() && isVisible()) {
      // The first child in tab order that takes the focus.
      for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible()) {
          w->setFocus(Qt::ShortcutFocusReason);
          break;
        }
      }
    }
    return true;
  }
  return TUxCustomPanel::event(e);
}

void TUxCustomGroupBox::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange && !FCaptionFontChanged) FCaptionFont = font();
  TUxCustomPanel::changeEvent(e);
}

QRect TUxCustomGroupBox::ClientRect() const {
  QRect r = TUxCustomPanel::ClientRect();
  const int h = fontMetrics().height();  // of "Yy" in the font, not the caption font
  switch (FGroupStyle) {
    case gsStandard:
    case gsFlat: {
      const int a = h / 2 - 1;
      r.setTop(r.top() + (a < BorderWidth() ? a : h - BorderWidth()));
      const int in = FGroupStyle == gsStandard ? 2 : 1;
      return r.adjusted(in, in, -in, -in);
    }
    case gsCustom:
      if (!Caption().isEmpty()) r.setTop(r.top() + h);
      return r.adjusted(2, 2, -2, -2);
    case gsTopLine: r.setTop(r.top() + h); return r;
    case gsBanner: r.setTop(r.top() + (FBannerHeight ? FBannerHeight : h + 8)); return r;
    case gsUnderline: r.setTop(r.top() + h + 4); return r;
  }
  return r;
}

void TUxCustomGroupBox::Paint(QPainter& p) {
  if (FGroupStyle == gsCustom) return TUxCustomPanel::Paint(p);
  Canvas c(p);
  const QFontMetrics metrics(FCaptionFont);
  const int hc = metrics.height();
  const int w = width(), h = height();
  const QString caption = Caption();
  TRect cap{0, 0, 0, 0};
  if (!caption.isEmpty()) {
    const int cx = metrics.horizontalAdvance(uxdraw::StripAccelChars(caption)), cy = metrics.height();
    switch (FGroupStyle) {
      case gsStandard:
      case gsFlat: cap = {8, 0, cx + 8, cy}; break;
      case gsTopLine: cap = {0, 0, cx + 4, cy}; break;
      case gsBanner: cap = {0, 0, w, FBannerHeight ? FBannerHeight : cy + 6}; break;
      case gsUnderline: cap = {0, 0, w, cy + 2}; break;
      case gsCustom: break;
    }
  }
  const TRect f{0, hc / 2 - 1, w, h};
  if (!Transparent()) {
    c.Brush.Color = FromQColor(Color());
    c.Brush.Style = platform::bsSolid;
    c.FillRect({0, 0, w, h});
  } else if (FGroupStyle != gsBanner) {
    c.ExcludeClipRect(cap);
  }
  const TColor flat = uxdraw::AdjustColorLightness(FromQColor(FlatColor()), FlatColorAdjustment());
  const TFrameStyleEx outer = BorderOuter();
  switch (FGroupStyle) {
    case gsStandard:
      if (outer == fsNone) uxdraw::DrawStyledFrameSides(c, f, fsGroove, uxdraw::AllSides);
      else if (outer == fsFlat) uxdraw::DrawFlatOutline(c, f, flat);
      else if (outer == fsFlatBold) uxdraw::DrawFrameBands(c, f, flat, uxdraw::AllSides, 2, flat);
      else if (outer == fsFlatRounded) uxdraw::DrawRoundedOutline(c, f, flat, uxdraw::AllSides);
      else uxdraw::DrawStyledFrameSides(c, f, outer, uxdraw::AllSides);
      break;
    case gsTopLine:
      if (outer == fsNone) {
        uxdraw::DrawStyledFrameSides(c, f, fsGroove, uxdraw::sdTop);
      } else if (outer == fsFlat || outer == fsFlatBold || outer == fsFlatRounded) {
        Line(c, flat, f.Left + 2, f.Top, f.Right - 2, f.Top);
        if (outer == fsFlatBold) Line(c, flat, f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
      } else {
        uxdraw::DrawStyledFrameSides(c, f, outer, uxdraw::sdTop);
      }
      break;
    case gsFlat:
      // Each side stops two pixels short of the corners; one pixel cuts each corner.
      Line(c, flat, f.Left, f.Top + 2, f.Left, f.Bottom - 2);
      Line(c, flat, f.Left + 2, f.Top, f.Right - 2, f.Top);
      Line(c, flat, f.Right - 1, f.Top + 2, f.Right - 1, f.Bottom - 2);
      Line(c, flat, f.Left + 2, f.Bottom - 1, f.Right - 2, f.Bottom - 1);
      c.SetPixel(f.Left + 1, f.Top + 1, flat);
      c.SetPixel(f.Right - 2, f.Top + 1, flat);
      c.SetPixel(f.Right - 2, f.Bottom - 2, flat);
      c.SetPixel(f.Left + 1, f.Bottom - 2, flat);
      break;
    case gsBanner: {
      TColor start, stop, frame;
      if (GradientColorStyle() == uxdraw::gcsCustom) {
        start = FromQColor(GradientColorStart());
        stop = FromQColor(GradientColorStop());
        frame = flat;
      } else {
        const uxdraw::TBannerColors b = uxdraw::BannerColorsOfStyle(GradientColorStyle());
        start = b.Start;
        stop = b.Stop;
        frame = b.Frame;
      }
      if (!cap.IsEmpty()) {
        Line(c, frame, cap.Left + 1, cap.Top, cap.Right - 1, cap.Top);
        Line(c, frame, cap.Left + 1, cap.Bottom - 1, cap.Right - 1, cap.Bottom - 1);
        Line(c, frame, cap.Left, cap.Top + 1, cap.Left, cap.Bottom - 1);
        Line(c, frame, cap.Right - 1, cap.Top + 1, cap.Right - 1, cap.Bottom - 1);
        cap = {cap.Left + 1, cap.Top + 1, cap.Right - 1, cap.Bottom - 1};
        uxdraw::DrawGradientRect(c, cap, uxdraw::gdHorizontalEnd, start, stop, 1);
      }
      break;
    }
    case gsUnderline:
      if (!cap.IsEmpty()) Line(c, flat, cap.Left, cap.Bottom, cap.Right, cap.Bottom);
      break;
    case gsCustom: break;
  }
  c.ResetClip();
  if (!caption.isEmpty()) {
    if (FGroupStyle == gsBanner) {
      cap = {cap.Left + 4, cap.Top + 1, cap.Right - 4, cap.Bottom - 1};
    } else if (!Transparent()) {
      c.Brush.Color = FromQColor(Color());
      c.FillRect(cap);
    }
    p.save();
    p.setFont(FCaptionFont);
    p.setPen(isEnabled() ? FCaptionFontColor : Q(platform::clGrayText));
    const int align = Alignment() == taLeftJustify ? Qt::AlignLeft : Alignment() == taRightJustify ? Qt::AlignRight
                                                                                                    : Qt::AlignHCenter;
    p.drawText(platform::ToQRect(cap), align | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    p.restore();
  }
}

void TUxCustomGroupBox::UpdateFromFrameController() {
  if (FGroupStyle == gsCustom) TUxCustomPanel::UpdateFromFrameController();
}
