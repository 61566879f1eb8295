#include "controls/UxGroupBox.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QPainter>

namespace {
struct GroupDefaults {
  QColor etchDark{160, 160, 160};
  QColor etchLight{255, 255, 255};
  QColor banner{120, 140, 170};
  QColor bannerText{255, 255, 255};
  int captionIndent = 8;
};
const GroupDefaults kGroup;
}  // namespace

TUxCustomGroupBox::TUxCustomGroupBox(QWidget* parent) : TUxCustomPanel(parent) {
  SetBorderOuter(fsNone);
  resize(185, 105);
}

void TUxCustomGroupBox::SetGroupStyle(TUxGroupBoxStyle v) {
  if (v == FGroupStyle) return;
  FGroupStyle = v;
  update();
}

void TUxCustomGroupBox::Paint(QPainter& p) {
  if (FGroupStyle == gsCustom) return TUxCustomPanel::Paint(p);
  const QRect r = rect();
  drawBackground(p, r);
  p.setFont(font());
  const QFontMetrics fm = p.fontMetrics();
  const QString cap = Caption();
  const int th = fm.height();
  const int tw = cap.isEmpty() ? 0 : fm.horizontalAdvance(cap) + 4;
  const QRect text(kGroup.captionIndent, 0, tw, th);
  const int lineY = th / 2;
  const QColor flat = FlatColor();
  auto hline = [&](int x1, int x2, int y, const QColor& c) { p.setPen(c); p.drawLine(x1, y, x2, y); };
  switch (FGroupStyle) {
    case gsStandard: {
      const QRect box(0, lineY, r.width() - 1, r.height() - lineY - 1);
      p.setBrush(Qt::NoBrush);
      p.setPen(kGroup.etchLight);
      p.drawRect(box.translated(1, 1));
      p.setPen(kGroup.etchDark);
      p.drawRect(box);
      if (tw) p.fillRect(text, Color());
      break;
    }
    case gsFlat: {
      p.setBrush(Qt::NoBrush);
      p.setPen(flat);
      p.drawRect(QRect(0, lineY, r.width() - 1, r.height() - lineY - 1));
      if (tw) p.fillRect(text, Color());
      break;
    }
    case gsTopLine:
      hline(text.right() + 2, r.width() - 1, lineY, kGroup.etchDark);
      hline(text.right() + 2, r.width() - 1, lineY + 1, kGroup.etchLight);
      break;
    case gsBanner:
      p.fillRect(QRect(0, 0, r.width(), th + 4), kGroup.banner);
      uxdraw::DrawTextCentered(p, QRect(4, 2, r.width() - 8, th), cap, kGroup.bannerText, isEnabled(),
                               Qt::AlignLeft | Qt::AlignVCenter);
      return;
    case gsUnderline:
      hline(0, r.width() - 1, th + 1, flat);
      break;
    case gsCustom: break;
  }
  uxdraw::DrawTextCentered(p, text, cap, FontColor(), isEnabled(), Qt::AlignCenter);
}
