#include "controls/UxPanel.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QPainter>

namespace {
struct PanelDefaults {
  QColor color{240, 240, 240};
  QColor flat{160, 160, 160};
  QColor font{0, 0, 0};
};
const PanelDefaults kPanel;
}  // namespace

TUxCustomPanel::TUxCustomPanel(QWidget* parent)
    : QWidget(parent), FColor(kPanel.color), FFlatColor(kPanel.flat), FFontColor(kPanel.font) {
  resize(185, 41);
}

int TUxCustomPanel::Tag() const { return uxdraw::ControlTag(this); }
void TUxCustomPanel::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxCustomPanel::SetColor(const QColor& v) { if (v != FColor) { FColor = v; update(); } }
void TUxCustomPanel::SetBorderOuter(TFrameStyleEx v) { if (v != FBorderOuter) { FBorderOuter = v; update(); } }
void TUxCustomPanel::SetFlatColor(const QColor& v) { if (v != FFlatColor) { FFlatColor = v; update(); } }
void TUxCustomPanel::SetCaption(const QString& v) { if (v != FCaption) { FCaption = v; update(); } }
void TUxCustomPanel::SetFontColor(const QColor& v) { if (v != FFontColor) { FFontColor = v; update(); } }

void TUxCustomPanel::SetTransparent(bool v) {
  if (v == FTransparent) return;
  FTransparent = v;
  update();
}

void TUxCustomPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p);
  if (OnPaint) OnPaint(this, p);
}

void TUxCustomPanel::Paint(QPainter& p) {
  QRect r = rect();
  drawBackground(p, r);
  drawFrame(p, r);
  drawCaption(p, r);
}

void TUxCustomPanel::drawBackground(QPainter& p, const QRect& r) {
  // Transparent: Qt has already painted the parent beneath us.
  if (!FTransparent) p.fillRect(r, FColor);
}

void TUxCustomPanel::drawFrame(QPainter& p, QRect& r) {
  using uxdraw::TBevel;
  switch (FBorderOuter) {
    case fsNone: return;
    case fsFlat:
      p.setPen(FFlatColor);
      p.setBrush(Qt::NoBrush);
      p.drawRect(r.adjusted(0, 0, -1, -1));
      r.adjust(1, 1, -1, -1);
      return;
    case fsRaised: uxdraw::DrawBevel(p, r, TBevel::Raised); r.adjust(1, 1, -1, -1); return;
    case fsLowered: uxdraw::DrawBevel(p, r, TBevel::Lowered); r.adjust(1, 1, -1, -1); return;
    case fsBump:
      uxdraw::DrawBevel(p, r, TBevel::Raised);
      uxdraw::DrawBevel(p, r.adjusted(1, 1, -1, -1), TBevel::Lowered);
      r.adjust(2, 2, -2, -2);
      return;
    case fsGroove:
      uxdraw::DrawBevel(p, r, TBevel::Lowered);
      uxdraw::DrawBevel(p, r.adjusted(1, 1, -1, -1), TBevel::Raised);
      r.adjust(2, 2, -2, -2);
      return;
    default: {
      platform::Canvas c(p);
      r = platform::ToQRect(uxdraw::DrawStyledFrame(c, platform::FromQRect(r), FBorderOuter));
      return;
    }
  }
}

void TUxCustomPanel::drawCaption(QPainter& p, const QRect& r) {
  p.setFont(font());
  uxdraw::DrawTextCentered(p, r, FCaption, FFontColor, isEnabled(), Qt::AlignCenter | Qt::TextWordWrap);
}
