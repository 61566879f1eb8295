#include "plot/wPlotChannelCustom.h"

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"

TwPlotChannelCustom::TwPlotChannelCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)) {}

void TwPlotChannelCustom::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  DoChange();
}

TwPlotAxis* TwPlotChannelCustom::XAxis() const { return Owner()->GetXAxisByName(FXAxisName); }
TwPlotAxis* TwPlotChannelCustom::YAxis() const { return Owner()->GetYAxisByName(FYAxisName); }

void TwPlotChannelCustom::NotificationRename(TwPersistent* Sender) {
  auto* axis = dynamic_cast<TwPlotAxis*>(Sender);
  if (!axis) return;
  if (dynamic_cast<TwPlotXAxis*>(axis) && FXAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FXAxisName = axis->Name();
  if (dynamic_cast<TwPlotYAxis*>(axis) && FYAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FYAxisName = axis->Name();
}

void TwPlotChannelCustom::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotManagerObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}
