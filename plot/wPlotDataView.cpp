#include "plot/wPlotDataView.h"

#include <QPainter>

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"

TwPlotDataView::TwPlotDataView(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                               TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {}

void TwPlotDataView::DrawBackground(platform::Canvas& Canvas) {
  if (FBackgroundTransparent || FBackgroundColor == platform::clNone) return;
  Canvas.Painter().fillRect(QRect(QPoint(Left(), Top()), QPoint(Right(), Bottom())), platform::ToQColor(FBackgroundColor));
}

void TwPlotDataView::Draw(platform::Canvas& Canvas, platform::TColor) {
  if (!Visible() || !FGridShow) return;
  QPainter& p = Canvas.Painter();
  const QRect view(QPoint(Left(), Top()), QPoint(Right(), Bottom()));
  const QColor color = platform::ToQColor(FGridLineColor);
  if (TwPlotAxis* x = Owner()->GetXAxisByName(FGridXAxisName)) x->DrawGridLines(p, view, color);
  if (TwPlotAxis* y = Owner()->GetYAxisByName(FGridYAxisName)) y->DrawGridLines(p, view, color);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(color);
  p.setBrush(Qt::NoBrush);
  p.drawRect(view);
  p.restore();
}

void TwPlotDataView::NotificationRename(TwPersistent* Sender) {
  auto* axis = dynamic_cast<TwPlotAxis*>(Sender);
  if (!axis) return;
  if (dynamic_cast<TwPlotXAxis*>(axis) && FGridXAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FGridXAxisName = axis->Name();
  if (dynamic_cast<TwPlotYAxis*>(axis) && FGridYAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FGridYAxisName = axis->Name();
}

void TwPlotDataView::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}
