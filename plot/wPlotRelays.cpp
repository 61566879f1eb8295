// TwPlotComponent's event relays: each turns the object that reports into
// its index in its kind's manager and fires the plot's event of that kind.
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"

Qt::CursorShape CursorShapeOf(TCursor Cursor) {
  struct Entry {
    TCursor cursor;
    Qt::CursorShape shape;
  };
  static constexpr Entry table[] = {
      {crDefault, Qt::ArrowCursor},       {crNone, Qt::BlankCursor},        {crArrow, Qt::ArrowCursor},
      {crCross, Qt::CrossCursor},         {crIBeam, Qt::IBeamCursor},       {crSizeNESW, Qt::SizeBDiagCursor},
      {crSizeNS, Qt::SizeVerCursor},      {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeWE, Qt::SizeHorCursor},
      {crUpArrow, Qt::UpArrowCursor},     {crHourGlass, Qt::WaitCursor},    {crDrag, Qt::DragMoveCursor},
      {crNoDrop, Qt::ForbiddenCursor},    {crHSplit, Qt::SplitHCursor},     {crVSplit, Qt::SplitVCursor},
      {crMultiDrag, Qt::DragCopyCursor},  {crSQLWait, Qt::BusyCursor},      {crNo, Qt::ForbiddenCursor},
      {crAppStart, Qt::BusyCursor},       {crHelp, Qt::WhatsThisCursor},    {crHandPoint, Qt::PointingHandCursor},
      {crSizeAll, Qt::SizeAllCursor},
  };
  for (const Entry& e : table)
    if (e.cursor == Cursor) return e.shape;
  return Qt::ArrowCursor;
}

// ---- kinds ----

TwPlotComponent::TwPlotEventKind TwPlotComponent::KindOf(TwPlotObject* AObject, int& Index,
                                                         bool WheelChannel) const {
  Index = -1;
  auto in = [&](TwPlotObjectManagerCustom* m) {
    Index = m ? m->GetIndex(AObject) : -1;
    return true;
  };
  const bool channel = WheelChannel ? dynamic_cast<TwPlotChannel*>(AObject) != nullptr
                                    : dynamic_cast<TwPlotChannelCustom*>(AObject) != nullptr;
  if (channel && in(FMaster->ChannelManager())) return ipekChannel;
  if (dynamic_cast<TwPlotXAxis*>(AObject) && in(FMaster->XAxisManager())) return ipekXAxis;
  if (dynamic_cast<TwPlotYAxis*>(AObject) && in(FMaster->YAxisManager())) return ipekYAxis;
  if (dynamic_cast<TwPlotDataCursor*>(AObject) && in(FMaster->DataCursorManager())) return ipekDataCursor;
  if (dynamic_cast<TwPlotDataView*>(AObject) && in(FMaster->DataViewManager())) return ipekDataView;
  if (dynamic_cast<TwPlotLegend*>(AObject) && in(FMaster->LegendManager())) return ipekLegend;
  if (dynamic_cast<TwPlotLimit*>(AObject) && in(FMaster->LimitManager())) return ipekLimit;
  if (dynamic_cast<TwPlotAnnotation*>(AObject) && in(FMaster->AnnotationManager())) return ipekAnnotation;
  return ipekNone;
}

template <class E, class... A>
void TwPlotComponent::FireKind(TwPlotObject* AObject, const std::array<E*, ipekNone>& Events, bool WheelChannel,
                               A&&... Args) {
  if (IsLoading() || !AObject) return;
  int index = -1;
  const TwPlotEventKind kind = KindOf(AObject, index, WheelChannel);
  if (kind == ipekNone) return;
  E* event = Events[kind];
  if (event && *event) (*event)(index, std::forward<A>(Args)...);
}

template <class E, class... A>
void TwPlotComponent::FireSingle(const E& Event, TwPlotObjectManagerCustom* Manager, TwPlotObject* AObject,
                                 A&&... Args) {
  if (IsLoading() || !Event) return;
  Event(Manager && AObject ? Manager->GetIndex(AObject) : -1, std::forward<A>(Args)...);
}

// ---- kind relays ----

void TwPlotComponent::DoMouseDownEvent(TwPlotObject* AObject, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                       int X, int Y) {
  FireKind<TwPlotObjectMouseEvent>(AObject,
                                   {&OnMouseDownChannel, &OnMouseDownXAxis, &OnMouseDownYAxis, &OnMouseDownDataCursor,
                                    &OnMouseDownDataView, &OnMouseDownLegend, &OnMouseDownLimit,
                                    &OnMouseDownAnnotation},
                                   false, Button, Shift, X, Y);
}

void TwPlotComponent::DoMouseMoveEvent(TwPlotObject* AObject, Qt::KeyboardModifiers Shift, int X, int Y) {
  FireKind<TwPlotObjectMouseMoveEvent>(AObject,
                                       {&OnMouseMoveChannel, &OnMouseMoveXAxis, &OnMouseMoveYAxis,
                                        &OnMouseMoveDataCursor, &OnMouseMoveDataView, &OnMouseMoveLegend,
                                        &OnMouseMoveLimit, &OnMouseMoveAnnotation},
                                       false, Shift, X, Y);
}

void TwPlotComponent::DoMouseUpEvent(TwPlotObject* AObject, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                     int X, int Y) {
  FireKind<TwPlotObjectMouseEvent>(AObject,
                                   {&OnMouseUpChannel, &OnMouseUpXAxis, &OnMouseUpYAxis, &OnMouseUpDataCursor,
                                    &OnMouseUpDataView, &OnMouseUpLegend, &OnMouseUpLimit, &OnMouseUpAnnotation},
                                   false, Button, Shift, X, Y);
}

void TwPlotComponent::DoMouseWheelEvent(TwPlotObject* AObject, int WheelDelta, Qt::KeyboardModifiers Shift, int X,
                                        int Y) {
  FireKind<TwPlotObjectMouseWheelEvent>(AObject,
                                        {&OnMouseWheelChannel, &OnMouseWheelXAxis, &OnMouseWheelYAxis,
                                         &OnMouseWheelDataCursor, &OnMouseWheelDataView, &OnMouseWheelLegend,
                                         &OnMouseWheelLimit, &OnMouseWheelAnnotation},
                                        true, WheelDelta, Shift, X, Y);
}

void TwPlotComponent::DoClickEvent(TwPlotObject* AObject) {
  if (IsLoading()) return;
  if (FDBLClickActive) {
    FireKind<TwPlotObjectEvent>(AObject,
                                {&OnDblClickChannel, &OnDblClickXAxis, &OnDblClickYAxis, &OnDblClickDataCursor,
                                 &OnDblClickDataView, &OnDblClickLegend, &OnDblClickLimit, &OnDblClickAnnotation},
                                false);
  } else {
    FireKind<TwPlotObjectEvent>(AObject,
                                {&OnClickChannel, &OnClickXAxis, &OnClickYAxis, &OnClickDataCursor, &OnClickDataView,
                                 &OnClickLegend, &OnClickLimit, &OnClickAnnotation},
                                false);
  }
  FDBLClickActive = false;
}

void TwPlotComponent::DoGetMouseCursorEvent(TwPlotObject* AObject, TCursor& Cursor) {
  FireKind<TwPlotObjectGetMouseCursorEvent>(AObject,
                                            {&OnGetMouseCursorChannel, &OnGetMouseCursorXAxis,
                                             &OnGetMouseCursorYAxis, &OnGetMouseCursorDataCursor,
                                             &OnGetMouseCursorDataView, &OnGetMouseCursorLegend,
                                             &OnGetMouseCursorLimit, &OnGetMouseCursorAnnotation},
                                            false, Cursor);
}

void TwPlotComponent::DoPopupMenuEvent(TwPlotObject* AObject, bool& Cancel, int ScreenX, int ScreenY) {
  FireKind<TwPlotPopupMenuEvent>(AObject,
                                 {&OnPopupMenuChannel, &OnPopupMenuXAxis, &OnPopupMenuYAxis, &OnPopupMenuDataCursor,
                                  &OnPopupMenuDataView, &OnPopupMenuLegend, &OnPopupMenuLimit,
                                  &OnPopupMenuAnnotation},
                                 false, Cancel, ScreenX, ScreenY);
}

void TwPlotComponent::DoGotFocusEvent(TwPlotObject* AObject) {
  FireKind<TwPlotObjectEvent>(AObject,
                              {&OnGotFocusChannel, &OnGotFocusXAxis, &OnGotFocusYAxis, &OnGotFocusDataCursor,
                               &OnGotFocusDataView, &OnGotFocusLegend, nullptr, &OnGotFocusAnnotation},
                              false);
}

void TwPlotComponent::DoLostFocusEvent(TwPlotObject* AObject) {
  FireKind<TwPlotObjectEvent>(AObject,
                              {&OnLostFocusChannel, &OnLostFocusXAxis, &OnLostFocusYAxis, &OnLostFocusDataCursor,
                               &OnLostFocusDataView, &OnLostFocusLegend, nullptr, &OnLostFocusAnnotation},
                              false);
}

// ---- single relays ----

void TwPlotComponent::DoMouseDownDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::MouseButton Button,
                                                Qt::KeyboardModifiers Shift, int X, int Y) {
  FireSingle(OnMouseDownDataPoint, FMaster->ChannelManager(), Channel, DataIndex, Button, Shift, X, Y);
}

void TwPlotComponent::DoMouseMoveDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::KeyboardModifiers Shift,
                                                int X, int Y) {
  FireSingle(OnMouseMoveDataPoint, FMaster->ChannelManager(), Channel, DataIndex, Shift, X, Y);
}

void TwPlotComponent::DoMouseUpDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::MouseButton Button,
                                              Qt::KeyboardModifiers Shift, int X, int Y) {
  FireSingle(OnMouseUpDataPoint, FMaster->ChannelManager(), Channel, DataIndex, Button, Shift, X, Y);
}

void TwPlotComponent::DoClickDataPointEvent(TwPlotObject* Channel, int DataIndex) {
  FireSingle(FDBLClickActive ? OnDblClickDataPoint : OnClickDataPoint, FMaster->ChannelManager(), Channel,
             DataIndex);
}

void TwPlotComponent::DoDataPointMovedEvent(TwPlotObject* Channel, int DataIndex, double OldX, double OldY,
                                            double NewX, double NewY) {
  FireSingle(OnDataPointMoved, FMaster->ChannelManager(), Channel, DataIndex, OldX, OldY, NewX, NewY);
}

void TwPlotComponent::DoDataPointCustomizeHintEvent(TwPlotObject* Channel, int DataPointIndex, QString& AText) {
  FireSingle(OnDataPointCustomizeHint, FMaster->ChannelManager(), Channel, DataPointIndex, AText);
}

void TwPlotComponent::DoXAxisMinChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue) {
  FireSingle(OnXAxisMinChange, FMaster->XAxisManager(), Axis, OldValue, NewValue);
}

void TwPlotComponent::DoXAxisSpanChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue) {
  FireSingle(OnXAxisSpanChange, FMaster->XAxisManager(), Axis, OldValue, NewValue);
}

void TwPlotComponent::DoYAxisMinChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue) {
  FireSingle(OnYAxisMinChange, FMaster->YAxisManager(), Axis, OldValue, NewValue);
}

void TwPlotComponent::DoYAxisSpanChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue) {
  FireSingle(OnYAxisSpanChange, FMaster->YAxisManager(), Axis, OldValue, NewValue);
}

void TwPlotComponent::DoXAxisMinSpanChangeEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin,
                                                double NewSpan) {
  FireSingle(OnXAxisMinSpanChange, FMaster->XAxisManager(), Axis, OldMin, OldSpan, NewMin, NewSpan);
}

void TwPlotComponent::DoXAxisMinSpanChangeFinishedEvent(TwPlotObject* Axis, double OldMin, double OldSpan,
                                                        double NewMin, double NewSpan) {
  FireSingle(OnXAxisMinSpanChangeFinished, FMaster->XAxisManager(), Axis, OldMin, OldSpan, NewMin, NewSpan);
}

void TwPlotComponent::DoYAxisMinSpanChangeEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin,
                                                double NewSpan) {
  FireSingle(OnYAxisMinSpanChange, FMaster->YAxisManager(), Axis, OldMin, OldSpan, NewMin, NewSpan);
}

void TwPlotComponent::DoYAxisMinSpanChangeFinishedEvent(TwPlotObject* Axis, double OldMin, double OldSpan,
                                                        double NewMin, double NewSpan) {
  FireSingle(OnYAxisMinSpanChangeFinished, FMaster->YAxisManager(), Axis, OldMin, OldSpan, NewMin, NewSpan);
}

void TwPlotComponent::DoXAxisCustomizeHintEvent(TwPlotObject* Axis, QString& AText) {
  FireSingle(OnXAxisCustomizeHint, FMaster->XAxisManager(), Axis, AText);
}

void TwPlotComponent::DoYAxisCustomizeHintEvent(TwPlotObject* Axis, QString& AText) {
  FireSingle(OnYAxisCustomizeHint, FMaster->YAxisManager(), Axis, AText);
}

void TwPlotComponent::DoDataCursorChangeEvent(TwPlotObject* DataCursor) {
  // Also while loading.
  if (!OnDataCursorChange) return;
  TwPlotObjectManagerCustom* m = FMaster->DataCursorManager();
  OnDataCursorChange(m && DataCursor ? m->GetIndex(DataCursor) : -1);
}

void TwPlotComponent::DoBeforeDataCursorUpdateEvent(TwPlotObject* DataCursor) {
  FireSingle(OnBeforeDataCursorUpdate, FMaster->DataCursorManager(), DataCursor);
}

void TwPlotComponent::DoDataCursorCustomizeHintEvent(TwPlotObject* DataCursor, QString& AText) {
  FireSingle(OnDataCursorCustomizeHint, FMaster->DataCursorManager(), DataCursor, AText);
}

void TwPlotComponent::DoToolBarCustomizeHintEvent(TwPlotObject* ToolBar, QString& AText) {
  FireSingle(OnToolBarCustomizeHint, FMaster->ToolBarManager(), ToolBar, AText);
}

void TwPlotComponent::DoToolBarButtonClickEvent(TwPlotObject* ToolBar, TwPlotToolBarButtonType ButtonType) {
  FireSingle(OnToolBarButtonClick, FMaster->ToolBarManager(), ToolBar, ButtonType);
}

void TwPlotComponent::DoBeforeToolBarButtonClickEvent(TwPlotObject* ToolBar, TwPlotToolBarButtonType ButtonType,
                                                      bool& Cancel) {
  FireSingle(OnBeforeToolBarButtonClick, FMaster->ToolBarManager(), ToolBar, ButtonType, Cancel);
}

void TwPlotComponent::DoLimitLine1PositionChangeEvent(TwPlotObject* Limit, double OldValue, double NewValue) {
  FireSingle(OnLimitLine1PositionChange, FMaster->LimitManager(), Limit, OldValue, NewValue);
}

void TwPlotComponent::DoLimitLine2PositionChangeEvent(TwPlotObject* Limit, double OldValue, double NewValue) {
  FireSingle(OnLimitLine2PositionChange, FMaster->LimitManager(), Limit, OldValue, NewValue);
}

void TwPlotComponent::DoAnnotationCoordinatesChangeEvent(TwPlotObject* Annotation) {
  FireSingle(OnAnnotationCoordinatesChange, FMaster->AnnotationManager(), Annotation);
}

void TwPlotComponent::DoAnnotationMoveUserEvent(TwPlotObject* Annotation) {
  FireSingle(OnAnnotationMoveUser, FMaster->AnnotationManager(), Annotation);
}

void TwPlotComponent::DoAnnotationResizeUserEvent(TwPlotObject* Annotation) {
  FireSingle(OnAnnotationResizeUser, FMaster->AnnotationManager(), Annotation);
}

void TwPlotComponent::DoAnnotationCoordinatesChangeFinishedEvent(TwPlotObject* Annotation) {
  FireSingle(OnAnnotationCoordinatesChangeFinished, FMaster->AnnotationManager(), Annotation);
}

void TwPlotComponent::DoBeforeZoomBoxEvent(TwPlotObject*, platform::TRect& ZoomRect, bool& Cancel) {
  if (IsLoading() || !OnBeforeZoomBox) return;
  OnBeforeZoomBox(ZoomRect, Cancel);
}

void TwPlotComponent::DoCustomizeLabelEvent(TwPlotObject* Axis, QString& ALabel, double Value) {
  if (IsLoading()) return;
  FTempCustomLabel = ALabel;
  // The handler's text, or what it gave SetCustomizeLabelText.
  if (dynamic_cast<TwPlotXAxis*>(Axis)) FireSingle(OnXAxisCustomizeLabel, FMaster->XAxisManager(), Axis, Value,
                                                   FTempCustomLabel);
  else if (dynamic_cast<TwPlotYAxis*>(Axis)) FireSingle(OnYAxisCustomizeLabel, FMaster->YAxisManager(), Axis, Value,
                                                        FTempCustomLabel);
  ALabel = FTempCustomLabel;
}
