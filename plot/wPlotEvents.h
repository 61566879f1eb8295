// The plot's published events and the types they use. Plot objects are not
// windows: each object reports through a relay of its plot (wPlotComponent.h),
// which turns the object into its index in the manager of its kind and fires
// the event of that kind; an object that is not in its manager gives -1.
//
// Kind families: one event per kind, the kind spelled after the family word
// (OnMouseDownXAxis, OnClickChannel, ...). Single events belong to one kind
// (data points of channels, axes, data cursors, toolbars, limits,
// annotations, the data view) or to the plot itself (the TNotifyEvent ones,
// whose Sender is the plot).
//
// TCursor holds the framework's cursor numbers (crDefault 0, crArrow -2,
// crSizeNS -7, crHandPoint -21, ...); CursorShapeOf maps them to Qt's shapes.
#pragma once

#include <QString>
#include <Qt>

#include <functional>

#include "platform/Form.h"
#include "platform/Graphics.h"

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// The Qt shape of a cursor number; unknown numbers give the arrow.
Qt::CursorShape CursorShapeOf(TCursor Cursor);

// The button a toolbar event reports.
enum TwPlotToolBarButtonType {
  iptbbtResume,
  iptbbtPause,
  iptbbtScrollAxesMode,
  iptbbtZoomAxesMode,
  iptbbtSelect,
  iptbbtZoomBox,
  iptbbtZoomOut,
  iptbbtZoomIn,
  iptbbtCursor,
  iptbbtEdit,
  iptbbtCopy,
  iptbbtSave,
  iptbbtPrint,
  iptbbtPreview
};

using TwPlotObjectEvent = std::function<void(int Index)>;
using TwPlotObjectMouseEvent =
    std::function<void(int Index, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TwPlotObjectMouseMoveEvent = std::function<void(int Index, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TwPlotObjectMouseWheelEvent =
    std::function<void(int Index, int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TwPlotObjectGetMouseCursorEvent = std::function<void(int Index, TCursor& MouseCursor)>;
using TwPlotPopupMenuEvent = std::function<void(int Index, bool& Cancel, int ScreenX, int ScreenY)>;
using TwPlotDataPointMouseEvent = std::function<void(int ChannelIndex, int DataIndex, Qt::MouseButton Button,
                                                     Qt::KeyboardModifiers Shift, int X, int Y)>;
using TwPlotDataPointMouseMoveEvent =
    std::function<void(int ChannelIndex, int DataIndex, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TwPlotClickDataPointEvent = std::function<void(int ChannelIndex, int DataIndex)>;
using TwPlotDataPointMovedEvent =
    std::function<void(int ChannelIndex, int DataIndex, double OldX, double OldY, double NewX, double NewY)>;
using TwPlotObjectDoubleValueChangeEvent = std::function<void(int Index, double OldValue, double NewValue)>;
using TwPlotAxesMinSpanChangeEvent =
    std::function<void(int Index, double OldMin, double OldSpan, double NewMin, double NewSpan)>;
using TwPlotAxesCustomizeLabelEvent = std::function<void(int Index, double Value, QString& ALabel)>;
using TwPlotObjectCustomizeTextEvent = std::function<void(int Index, QString& AText)>;
using TwPlotDataPointCustomizeTextEvent = std::function<void(int ChannelIndex, int DataPointIndex, QString& AText)>;
using TwPlotPrintPageEvent = std::function<void(int PageIndex, bool LastPage)>;
using TwPlotZoomBoxEvent = std::function<void(platform::TRect& ZoomRect, bool& Cancel)>;
using TwPlotToolBarButtonEvent = std::function<void(int Index, TwPlotToolBarButtonType ButtonType)>;
using TwPlotToolBarButtonBeforeEvent =
    std::function<void(int Index, TwPlotToolBarButtonType ButtonType, bool& Cancel)>;

// Every published event of the plot, in its published order.
class TwPlotEvents {
 public:
  TwPlotObjectMouseEvent OnMouseDownXAxis, OnMouseDownYAxis, OnMouseDownDataView, OnMouseDownLegend,
      OnMouseDownChannel, OnMouseDownLimit, OnMouseDownDataCursor, OnMouseDownAnnotation;
  TwPlotDataPointMouseEvent OnMouseDownDataPoint;
  TwPlotObjectMouseMoveEvent OnMouseMoveXAxis, OnMouseMoveYAxis, OnMouseMoveDataView, OnMouseMoveLegend,
      OnMouseMoveChannel, OnMouseMoveLimit, OnMouseMoveDataCursor, OnMouseMoveAnnotation;
  TwPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
  TwPlotObjectMouseEvent OnMouseUpXAxis, OnMouseUpYAxis, OnMouseUpDataView, OnMouseUpLegend, OnMouseUpChannel,
      OnMouseUpLimit, OnMouseUpDataCursor, OnMouseUpAnnotation;
  TwPlotDataPointMouseEvent OnMouseUpDataPoint;
  TwPlotObjectEvent OnClickXAxis, OnClickYAxis, OnClickDataView, OnClickLegend, OnClickChannel, OnClickLimit,
      OnClickDataCursor;
  TwPlotClickDataPointEvent OnClickDataPoint;
  TwPlotDataPointMovedEvent OnDataPointMoved;
  TwPlotObjectEvent OnClickAnnotation;
  TwPlotObjectEvent OnDblClickXAxis, OnDblClickYAxis, OnDblClickDataView, OnDblClickLegend, OnDblClickChannel,
      OnDblClickLimit, OnDblClickDataCursor;
  TwPlotClickDataPointEvent OnDblClickDataPoint;
  TwPlotObjectEvent OnDblClickAnnotation;
  TwPlotObjectMouseWheelEvent OnMouseWheelXAxis, OnMouseWheelYAxis, OnMouseWheelDataView, OnMouseWheelLegend,
      OnMouseWheelChannel, OnMouseWheelLimit, OnMouseWheelDataCursor, OnMouseWheelAnnotation;
  TwPlotObjectEvent OnDataCursorChange;
  TwPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange;
  TwPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnXAxisMinSpanChangeFinished;
  TwPlotObjectDoubleValueChangeEvent OnYAxisSpanChange, OnYAxisMinChange;
  TwPlotAxesMinSpanChangeEvent OnYAxisMinSpanChange, OnYAxisMinSpanChangeFinished;
  TwPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
  TwPlotObjectCustomizeTextEvent OnDataCursorCustomizeHint, OnXAxisCustomizeHint, OnYAxisCustomizeHint;
  TwPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
  TwPlotObjectCustomizeTextEvent OnToolBarCustomizeHint;
  TwPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
  platform::Handler OnBeforePrint;
  TwPlotPrintPageEvent OnBeforePrintPage;
  platform::Handler OnAfterPrint;
  TwPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor, OnGotFocusDataView,
      OnGotFocusLegend, OnGotFocusAnnotation;
  TwPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
      OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;
  TwPlotObjectEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend, OnAddLimit,
      OnAddTable, OnAddAnnotation;
  TwPlotObjectEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
      OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;
  // OnGetMouseCursorTable is published but no relay fires it: tables keep
  // the default cursor.
  TwPlotObjectGetMouseCursorEvent OnGetMouseCursorChannel, OnGetMouseCursorXAxis, OnGetMouseCursorYAxis,
      OnGetMouseCursorDataCursor, OnGetMouseCursorDataView, OnGetMouseCursorLegend, OnGetMouseCursorLimit,
      OnGetMouseCursorTable, OnGetMouseCursorAnnotation;
  TwPlotPopupMenuEvent OnPopupMenuChannel, OnPopupMenuXAxis, OnPopupMenuYAxis, OnPopupMenuDataCursor,
      OnPopupMenuDataView, OnPopupMenuLegend, OnPopupMenuLimit, OnPopupMenuAnnotation;
  platform::Handler OnBeforeLoadProperties, OnAfterLoadProperties, OnAfterSaveProperties, OnAfterLoadData,
      OnAfterSaveData, OnAfterPaint, OnAfterOpenEditor, OnAfterCloseEditor;
  TwPlotZoomBoxEvent OnBeforeZoomBox;
  TwPlotToolBarButtonEvent OnToolBarButtonClick;
  TwPlotToolBarButtonBeforeEvent OnBeforeToolBarButtonClick;
  TwPlotObjectEvent OnBeforeDataCursorUpdate, OnAnnotationCoordinatesChange, OnAnnotationMoveUser,
      OnAnnotationResizeUser, OnAnnotationCoordinatesChangeFinished;
};
