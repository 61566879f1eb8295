// TwPlotDataCursor: the mouse and the popup menu.
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotDataView.h"
#include "plot/wXYPlot.h"

namespace {
bool Holds(const platform::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }
double ClampPercent(double Value) {
  if (!(Value >= 0)) return 0;
  return Value > 100 ? 100 : Value;
}
}  // namespace

// ---- mouse ----

void TwPlotDataCursor::DoMouseLeft(const TwPlotMouseData& d) {
  FMouseDownX = d.X;
  FMouseDownY = d.Y;
  if (!FDataView) return;
  auto grab = [&](double Position, bool& Flag) {
    FMouseDownXPixels = FDataView->PositionPercentToPixelsX(Position);
    FMouseDownYPixels = FDataView->PositionPercentToPixelsY(Position);
    Flag = true;
    RepaintNow();
  };
  // A hint that does not show cannot be grabbed, however its last rectangle
  // lies: the press goes to the pointer under it.
  if (FHintShowing && Holds(FHintRect, d.X, d.Y)) {
    grab(FHintPosition, FMouseDownHint);
  } else if (FPointer1Show && Holds(FPointer1Rect, d.X, d.Y)) {
    grab(FPointer1Position, FMouseDownPointer1);
    UpdateValues();
  } else if (FPointer2Show && Holds(FPointer2Rect, d.X, d.Y)) {
    grab(FPointer2Position, FMouseDownPointer2);
    UpdateValues();
  }
}

void TwPlotDataCursor::DoMouseMove(const TwPlotMouseData& d) {
  if (!FDataView) return;
  double* position = nullptr;
  bool acrossX = false;
  if (FMouseDownHint) {
    position = &FHintPosition;
    acrossX = FHintOrientation == ioHorizontal;
  } else if (FMouseDownPointer1) {
    position = &FPointer1Position;
    acrossX = FPointer1Orientation == ioVertical;
  } else if (FMouseDownPointer2) {
    position = &FPointer2Position;
    acrossX = FPointer2Orientation == ioVertical;
  }
  if (!position) return;
  const double value = acrossX ? FDataView->PixelsXToPositionPercent(d.X + FMouseDownXPixels - FMouseDownX)
                               : FDataView->PixelsYToPositionPercent(d.Y + FMouseDownYPixels - FMouseDownY);
  *position = ClampPercent(value);
  UpdateValues();
  RepaintNow();
}

void TwPlotDataCursor::DoMouseUp(const TwPlotMouseData& d) {
  if (!FMouseDownHint && !FMouseDownPointer1 && !FMouseDownPointer2) return;
  if (FMouseDownPointer1) SnapPointer(1);
  else if (FMouseDownPointer2) SnapPointer(2);
  FMouseDownHint = FMouseDownPointer1 = FMouseDownPointer2 = false;
  RepaintNow();
  if (MouseDown() && DoHitTest(d) && Owner()) Owner()->DoClickEvent(this);
}

// ---- popup menu ----

void TwPlotDataCursor::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotManagerObject::AddMenuItems(PopupMenu);
  if (!PopupMenu) return;
  TwPlotComponent* plot = Owner();
  // 1. Channel.
  platform::MenuItem* channels = PopupMenu->Add(TranslateText(QStringLiteral("Channel")));
  if (FChannelAllowAll) {
    platform::MenuItem* all = PopupMenu->Add(channels, QStringLiteral("<All>"));
    all->SetChecked(IsAll());
    all->OnClick = [this](QObject*) {
      SetChannelName(QStringLiteral("<All>"));
      for (int i = 0; Owner() && i < Owner()->ChannelCount(); ++i) Owner()->GetChannelCustom(i)->SetUserSelected(false);
    };
  }
  for (int i = 0; plot && i < plot->ChannelCount(); ++i) {
    TwPlotChannelCustom* c = plot->GetChannelCustom(i);
    if (!c->Visible()) continue;
    QString caption = c->TitleText();
    caption.remove(QStringLiteral("\r\n"));
    platform::MenuItem* item = PopupMenu->Add(channels, caption);
    // The item carries the channel's name.
    item->setData(c->Name());
    item->SetChecked(c->Name() == FChannelName);
    item->OnClick = [this, item](QObject*) {
      SetChannelName(item->data().toString());
      if (TwPlotChannelCustom* found = GetChannel()) found->SetUserSelected(true);
      DoSnapToDataPoint();
    };
  }
  // 2. Style.
  platform::MenuItem* styles = PopupMenu->Add(TranslateText(QStringLiteral("Style")));
  const struct {
    TwPlotDataCursorStyle style;
    const QString& caption;
    bool visible;
  } items[] = {{ipcsValueXY, MenuItemCaptionValueXY, MenuItemVisibleValueXY},
               {ipcsValueX, MenuItemCaptionValueX, MenuItemVisibleValueX},
               {ipcsValueY, MenuItemCaptionValueY, MenuItemVisibleValueY},
               {ipcsDeltaX, MenuItemCaptionDeltaX, MenuItemVisibleDeltaX},
               {ipcsDeltaY, MenuItemCaptionDeltaY, MenuItemVisibleDeltaY},
               {ipcsInverseDeltaX, MenuItemCaptionInverseDeltaX, MenuItemVisibleInverseDeltaX}};
  for (const auto& s : items) {
    platform::MenuItem* item = PopupMenu->Add(styles, TranslateText(s.caption));
    item->SetVisible(s.visible);
    item->SetChecked(FStyle == s.style);
    const TwPlotDataCursorStyle style = s.style;
    item->OnClick = [this, style](QObject*) { SetStyle(style); };
  }
  // 3. Options.
  if (MenuUserCanChangeOptions) {
    platform::MenuItem* options = PopupMenu->Add(TranslateText(QStringLiteral("Options")));
    platform::MenuItem* item = PopupMenu->Add(options, TranslateText(QStringLiteral("Use Channel Color")));
    item->SetChecked(FUseChannelColor);
    item->OnClick = [this](QObject*) {
      FUseChannelColor = !FUseChannelColor;
      RepaintNow();
    };
    item = PopupMenu->Add(options, TranslateText(QStringLiteral("Hide Hint On Release")));
    item->SetChecked(FHintHideOnRelease);
    item->OnClick = [this](QObject*) {
      FHintHideOnRelease = !FHintHideOnRelease;
      RepaintNow();
    };
    item = PopupMenu->Add(options, TranslateText(QStringLiteral("Flip Alignment")));
    item->SetEnabled((FStyle == ipcsValueXY || FStyle == ipcsValueX || FStyle == ipcsValueY) &&
                     FChannelName.compare(QStringLiteral("<All>"), Qt::CaseInsensitive) != 0);
    item->OnClick = [this](QObject*) {
      FHintOrientationSide = FHintOrientationSide == iosBottomRight ? iosTopLeft : iosBottomRight;
      RepaintNow();
    };
  }
  // 4. Snapping, on time-series plots.
  if (OwnerIsTimeSeries()) {
    platform::MenuItem* item = PopupMenu->Add(TranslateText(QStringLiteral("Snap to Data-Point")));
    item->SetChecked(SnapToDataPoint);
    item->OnClick = [this](QObject*) {
      SnapToDataPoint = !SnapToDataPoint;
      if (SnapToDataPoint) DoSnapToDataPoint();
    };
  }
  // 5. Edit.
  AddEditMenuItem(PopupMenu);
}
