#include "plot/wPlotKinds.h"

#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotDataView.h"

void TwPlotToolBar::ClickSelect() {
  FSelectActive = !FSelectActive;
  if (FSelectActive) FZoomBoxActive = FCursorActive = false;
  DoChange();
}

void TwPlotDataCursor::NotificationRemove(TwPersistent* Sender) {
  if (Sender == static_cast<TwPersistent*>(FDataView) && FDataView) FDataView = nullptr;
}

void TwPlotDataCursor::NotificationRename(TwPersistent* Sender) {
  auto* channel = dynamic_cast<TwPlotChannelCustom*>(Sender);
  if (channel && FChannelName.compare(channel->NameOld(), Qt::CaseInsensitive) == 0) FChannelName = channel->Name();
}
