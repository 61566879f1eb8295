#include "plot/wPlotProperties.h"

#include <type_traits>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wXYPlotChannel.h"

using platform::TColor;
using platform::TFont;

namespace {

qint64 Signed(TColor c) { return qint64(qint32(c)); }
TColor Unsigned(qint64 v) { return TColor(quint32(qint32(v))); }

// A channel's colour, kept as QColor or as TColor by its class.
TColor ColorValue(const QColor& c) { return platform::FromQColor(c); }
TColor ColorValue(TColor c) { return c; }
template <class C>
void SetChannelColor(C& o, TColor v) {
  if constexpr (std::is_same_v<std::decay_t<decltype(o.Color())>, QColor>)
    o.SetColor(platform::ToQColor(platform::ColorToRGB(v)));
  else
    o.SetColor(v);
}

// Builders for accessor pairs Name() / SetName(v) of class C into table t.
#define P_INT(N, D) t->Integer<C>(#N, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(int(v)); }, D)
#define P_BOOL(N, D) t->Boolean<C>(#N, [](C& o) { return bool(o.N()); }, [](C& o, bool v) { o.Set##N(v); }, D)
#define P_FLOAT(N) t->Float<C>(#N, [](C& o) { return double(o.N()); }, [](C& o, double v) { o.Set##N(v); })
#define P_STRING(N) t->String<C>(#N, [](C& o) { return QString(o.N()); }, [](C& o, const QString& v) { o.Set##N(v); })
#define P_ENUM(N, E, Count, D) \
  t->Enumeration<C>(#N, Count, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(E(v)); }, D)
#define P_COLOR(N, D) \
  t->Integer<C>(#N, [](C& o) { return Signed(o.N()); }, [](C& o, qint64 v) { o.Set##N(Unsigned(v)); }, D)
#define P_FONT(N)                                                                                   \
  t->ObjectValue<C, TFont>(#N, &TwPropertyRegistry::FontTable(), [](C& o) { return TFont(o.N()); }, \
                           [](C& o, const TFont& v) { o.Set##N(v); })
// Public fields.
#define F_INT(N, D) t->Integer<C>(#N, [](C& o) -> qint64 { return o.N; }, [](C& o, qint64 v) { o.N = int(v); }, D)
#define F_BOOL(N, D) t->Boolean<C>(#N, [](C& o) { return bool(o.N); }, [](C& o, bool v) { o.N = v; }, D)
#define F_FLOAT(N) t->Float<C>(#N, [](C& o) { return double(o.N); }, [](C& o, double v) { o.N = v; })
#define F_STRING(N) t->String<C>(#N, [](C& o) { return QString(o.N); }, [](C& o, const QString& v) { o.N = v; })
#define F_ENUM(N, E, Count, D) \
  t->Enumeration<C>(#N, Count, [](C& o) -> qint64 { return o.N; }, [](C& o, qint64 v) { o.N = E(v); }, D)
#define F_COLOR(N, D) t->Integer<C>(#N, [](C& o) { return Signed(o.N); }, [](C& o, qint64 v) { o.N = Unsigned(v); }, D)

const TwPropertyTable* ObjectTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotObject", nullptr);
    using C = TwPlotObject;
    P_STRING(Name);
    P_BOOL(Visible, true);
    P_BOOL(Enabled, true);
    P_INT(Layer, 100);
    P_BOOL(PopupEnabled, true);
    P_BOOL(CanFocus, true);
    return t;
  }();
  return t;
}

const TwPropertyTable* LayoutTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotLayoutObject", ObjectTable());
    using C = TwPlotLayoutObject;
    P_FLOAT(StopPercent);
    P_FLOAT(StartPercent);
    P_INT(ZOrder, std::nullopt);
    P_BOOL(Horizontal, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* AxisTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotAxis", LayoutTable());
    using C = TwPlotAxis;
    P_FLOAT(Min);
    P_FLOAT(Span);
    P_FLOAT(DesiredStart);
    P_FLOAT(DesiredIncrement);
    P_BOOL(ReverseScale, false);
    P_INT(InnerMargin, 5);
    P_INT(OuterMargin, 5);
    P_INT(MajorLength, 7);
    P_INT(MinorLength, 3);
    P_INT(MinorCount, 1);
    P_BOOL(LabelsVisible, true);
    P_FLOAT(LabelsMargin);
    P_FONT(LabelsFont);
    P_FLOAT(LabelSeparation);
    P_ENUM(LabelsRotation, TwRotationAngle, 4, std::nullopt);
    P_INT(LabelsPrecision, 3);
    P_ENUM(LabelsPrecisionStyle, TwPrecisionStyle, 2, ipsSignificantDigits);
    P_ENUM(LabelsFormatStyle, TwPlotTextFormat, 6, iptfValue);
    P_STRING(DateTimeFormat);
    P_FLOAT(LabelsMinLength);
    P_BOOL(LabelsMinLengthAutoAdjust, false);
    P_STRING(Title);
    P_BOOL(TitleShow, false);
    P_BOOL(TitleRotated, false);
    P_FLOAT(TitleMargin);
    P_FONT(TitleFont);
    P_BOOL(ScaleLineShow, std::nullopt);
    P_BOOL(ScaleLinesShow, true);
    P_COLOR(ScaleLinesColor, Signed(platform::clWhite));
    P_FLOAT(StackingEndsMargin);
    P_ENUM(ScaleType, TwPlotScaleType, 2, ipstLinear);
    P_BOOL(GridLinesVisible, std::nullopt);
    F_BOOL(CursorUseDefaultFormat, true);
    F_ENUM(CursorFormatStyle, TwPlotTextFormat, 6, iptfValue);
    F_STRING(CursorDateTimeFormat);
    F_ENUM(CursorPrecisionStyle, TwPrecisionStyle, 2, ipsSignificantDigits);
    F_INT(CursorPrecision, 3);
    F_FLOAT(CursorMinLength);
    F_BOOL(CursorMinLengthAutoAdjust, false);
    F_BOOL(LegendUseDefaultFormat, true);
    F_ENUM(LegendFormatStyle, TwPlotTextFormat, 6, iptfValue);
    F_STRING(LegendDateTimeFormat);
    F_ENUM(LegendPrecisionStyle, TwPrecisionStyle, 2, ipsSignificantDigits);
    F_INT(LegendPrecision, 3);
    F_FLOAT(LegendMinLength);
    F_BOOL(LegendMinLengthAutoAdjust, false);
    F_FLOAT(CursorScaler);
    P_ENUM(CartesianStyle, TwPlotCartesianStyle, 3, std::nullopt);
    P_STRING(CartesianChildRefAxisName);
    P_FLOAT(CartesianChildRefValue);
    P_STRING(AlignRefAxisName);
    P_BOOL(TrackingEnabled, std::nullopt);
    P_ENUM(TrackingStyle, TwPlotTrackingStyle, 8, std::nullopt);
    P_ENUM(TrackingIncrementStyle, TwPlotTrackingIncrementStyle, 3, std::nullopt);
    P_ENUM(TrackingAlignFirstStyle, TwPlotAlignFirstStyle, 4, std::nullopt);
    P_FLOAT(TrackingScrollCompressMax);
    P_FLOAT(TrackingSpanMinimum);
    P_FLOAT(TrackingMaxMargin);
    P_FLOAT(TrackingMinMargin);
    P_BOOL(RestoreValuesOnResume, std::nullopt);
    P_BOOL(ScrollMinMaxEnabled, std::nullopt);
    P_FLOAT(ScrollMin);
    P_FLOAT(ScrollMax);
    P_BOOL(MasterUIInput, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* DataViewTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotDataView", LayoutTable());
    using C = TwPlotDataView;
    P_STRING(Title);
    P_BOOL(BackgroundTransparent, true);
    P_COLOR(BackgroundColor, Signed(platform::clTeal));
    P_STRING(GridXAxisName);
    P_STRING(GridYAxisName);
    P_BOOL(GridShow, true);
    P_COLOR(GridLineColor, Signed(platform::clGreen));
    P_BOOL(GridLineShowLeft, true);
    P_BOOL(GridLineShowRight, true);
    P_BOOL(GridLineShowTop, true);
    P_BOOL(GridLineShowBottom, true);
    P_BOOL(GridLineShowXMajors, true);
    P_BOOL(GridLineShowYMajors, true);
    P_BOOL(GridLineShowXMinors, false);
    P_BOOL(GridLineShowYMinors, false);
    P_ENUM(GridLineMajorStyle, TwPlotGridLineStyle, 3, ipglsSolid);
    P_ENUM(GridLineMinorStyle, TwPlotGridLineStyle, 3, ipglsSolid);
#define P_GRID(K)                                         \
  P_BOOL(GridLine##K##Custom, false);                     \
  P_COLOR(GridLine##K##Color, Signed(platform::clGreen)); \
  P_INT(GridLine##K##Width, 0);                           \
  P_ENUM(GridLine##K##Style, TwPlotGridLineStyle, 3, ipglsSolid);
    P_GRID(XMajor)
    P_GRID(XMinor)
    P_GRID(YMajor)
    P_GRID(YMinor)
#undef P_GRID
    P_BOOL(AxesControlEnabled, std::nullopt);
    F_ENUM(AxesControlMouseStyle, TwPlotAxesControlStyle, 4, std::nullopt);
    F_ENUM(AxesControlWheelStyle, TwPlotAxesControlStyle, 4, std::nullopt);
    P_BOOL(AxesControlAllowInSelectMode, false);
    return t;
  }();
  return t;
}

const TwPropertyTable* ChannelTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotChannelCustom", ObjectTable());
    using C = TwPlotChannelCustom;
    P_STRING(TitleText);
    P_BOOL(VisibleInLegend, true);
    P_BOOL(ClipToAxes, false);
    P_BOOL(ShowDataPointHints, false);
    P_BOOL(UserCanMoveDataPoints, false);
    P_ENUM(UserCanMoveDataPointsStyle, TwPlotChannelDataPointMoveStyle, 3, ipcdpmsXandY);
    P_INT(RingBufferSize, 0);
    P_BOOL(TraceVisible, true);
    t->Integer<C>(
        "Color", [](C& o) { return Signed(ColorValue(o.Color())); },
        [](C& o, qint64 v) { SetChannelColor(o, Unsigned(v)); }, Signed(platform::clRed));
    P_ENUM(TraceLineStyle, TwPlotLineStyle, 5, iplsSolid);
    P_INT(TraceLineWidth, 1);
    P_BOOL(MarkersAllowIndividual, false);
    P_BOOL(MarkersPenUseChannelColor, true);
    P_BOOL(MarkersBrushUseChannelColor, true);
    P_INT(MarkersTurnOffLimit, std::nullopt);
    P_BOOL(MarkersVisible, false);
    P_INT(MarkersSize, 3);
    P_ENUM(MarkersStyle, TwPlotMarkerStyle, 12, ipmsCircle);
    P_COLOR(MarkersPenColor, 255);
    P_ENUM(MarkersPenStyle, platform::TPenStyle, 7, platform::psSolid);
    P_INT(MarkersPenWidth, 0);
    P_COLOR(MarkersBrushColor, 255);
    P_ENUM(MarkersBrushStyle, platform::TBrushStyle, 8, platform::bsSolid);
    P_FONT(MarkersFont);
    P_STRING(XAxisName);
    P_STRING(YAxisName);
    P_BOOL(XAxisTrackingEnabled, true);
    P_BOOL(YAxisTrackingEnabled, true);
    P_STRING(LogFileName);
    P_INT(LogBufferSize, 0);
    P_ENUM(DataStyle, TwPlotDataStyle, 4, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* XYChannelTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwXYPlotChannel", ChannelTable());
    using C = TwXYPlotChannel;
    P_STRING(OPCComputerName);
    P_STRING(OPCServerName);
    P_STRING(OPCItemName);
    P_INT(OPCUpdateRate, 500);
    P_FLOAT(OPCScalar);
    P_FLOAT(OPCOffset);
    P_FLOAT(OPCScalar2);
    P_FLOAT(OPCOffset2);
    P_BOOL(OPCAutoConnect, true);
    P_STRING(OPCItem2Name);
    return t;
  }();
  return t;
}

const TwPropertyTable* TimeChannelTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotChannel", ChannelTable());
    using C = TwPlotChannel;
    P_BOOL(FastDrawEnabled, true);
    P_BOOL(AllowOutOfOrderXValues, true);
    P_BOOL(DrawOutOfOrderXValues, false);
    P_BOOL(ResetStartTimeOnFirstDataPoint, false);
    P_ENUM(InterpolationStyle, TwPlotInterpolationStyle, 6, ipistStraightLine);
    P_BOOL(FillEnabled, false);
    P_FLOAT(FillReference);
    P_ENUM(FillStyle, platform::TBrushStyle, 8, platform::bsSolid);
    P_COLOR(FillColor, 0);
    P_BOOL(FillUseChannelColor, true);
    P_BOOL(DigitalEnabled, false);
    P_ENUM(DigitalReferenceStyle, TwPlotDigitalReferenceStyle, 2, ipdrScale);
    P_FLOAT(DigitalReferenceLow);
    P_FLOAT(DigitalReferenceHigh);
    P_ENUM(HighLowStyle, TwPlotHighLowStyle, 2, iphlsOpenClose);
    P_BOOL(HighLowEnabled, false);
    P_COLOR(HighLowBarColor, 0xFFFF00);
    P_FLOAT(HighLowBarWidth);
    P_BOOL(HighLowOpenShow, true);
    P_COLOR(HighLowOpenColor, 0x00FF00);
    P_FLOAT(HighLowOpenWidth);
    P_FLOAT(HighLowOpenHeight);
    P_BOOL(HighLowCloseShow, true);
    P_COLOR(HighLowCloseColor, 0x0000FF);
    P_FLOAT(HighLowCloseWidth);
    P_FLOAT(HighLowCloseHeight);
    P_COLOR(HighLowShadowColor, 0x808080);
    P_COLOR(HighLowBullishColor, 0xFFFFFF);
    P_COLOR(HighLowBearishColor, 0x808080);
    P_BOOL(BarEnabled, false);
    P_BOOL(BarPenUseChannelColor, true);
    P_BOOL(BarBrushUseChannelColor, true);
    P_FLOAT(BarReference);
    P_FLOAT(BarWidth);
    P_COLOR(BarPenColor, 255);
    P_INT(BarPenWidth, 0);
    P_ENUM(BarPenStyle, platform::TPenStyle, 7, platform::psSolid);
    P_COLOR(BarBrushColor, 255);
    P_ENUM(BarBrushStyle, platform::TBrushStyle, 8, platform::bsSolid);
    P_STRING(OPCGroupName);
    P_STRING(OPCComputerName);
    P_STRING(OPCServerName);
    P_STRING(OPCItemName);
    P_STRING(OPCItem2Name);
    P_INT(OPCUpdateRate, 500);
    P_FLOAT(OPCScalar);
    P_FLOAT(OPCOffset);
    P_FLOAT(OPCScalar2);
    P_FLOAT(OPCOffset2);
    P_BOOL(OPCAutoConnect, true);
    P_ENUM(OPCXValueSource, TwOPCXValueSourceStyle, 5, iopcxvsOPCServerTimeStamp);
    return t;
  }();
  return t;
}

const TwPropertyTable* LegendTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotLegend", LayoutTable());
    using C = TwPlotLegend;
    P_FLOAT(MarginLeft);
    P_FLOAT(MarginTop);
    P_FLOAT(MarginRight);
    P_FLOAT(MarginBottom);
    P_COLOR(BackGroundColor, 8421504);
    P_BOOL(BackGroundTransparent, true);
    P_COLOR(SelectedItemBackGroundColor, 65535);
    P_FONT(SelectedItemFont);
    P_BOOL(ShowColumnLine, true);
    P_BOOL(ShowColumnMarker, false);
    P_BOOL(ShowColumnXAxisTitle, false);
    P_BOOL(ShowColumnYAxisTitle, false);
    P_BOOL(ShowColumnXValue, false);
    P_BOOL(ShowColumnYValue, false);
    P_BOOL(ShowColumnYMax, false);
    P_BOOL(ShowColumnYMin, false);
    P_BOOL(ShowColumnYMean, false);
    P_STRING(CaptionColumnTitle);
    P_STRING(CaptionColumnXAxisTitle);
    P_STRING(CaptionColumnYAxisTitle);
    P_STRING(CaptionColumnXValue);
    P_STRING(CaptionColumnYValue);
    P_STRING(CaptionColumnYMax);
    P_STRING(CaptionColumnYMin);
    P_STRING(CaptionColumnYMean);
    P_FONT(Font);
    P_FLOAT(ColumnSpacing);
    P_FLOAT(RowSpacing);
    P_INT(WrapColDesiredCount, std::nullopt);
    P_BOOL(WrapColAutoCountEnabled, false);
    P_INT(WrapColAutoCountMax, std::nullopt);
    P_FLOAT(WrapColSpacingMin);
    P_BOOL(WrapColSpacingAuto, true);
    P_INT(WrapRowDesiredCount, std::nullopt);
    P_BOOL(WrapRowAutoCountEnabled, true);
    P_INT(WrapRowAutoCountMax, std::nullopt);
    P_FLOAT(WrapRowSpacingMin);
    P_BOOL(WrapRowSpacingAuto, false);
    P_BOOL(ColumnTitlesVisible, false);
    P_FONT(ColumnTitlesFont);
    P_FLOAT(ChannelNameMaxWidth);
    P_ENUM(ChannelNameColorStyle, TwPlotLegendChannelNameColorStyle, 4, iplcncsFont);
    P_INT(LineColumnWidth, 13);
    // Starts at 3: without a default it is always written.
    P_INT(LineColumnHeight, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* TableTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotTable", LayoutTable());
    using C = TwPlotTable;
    P_FLOAT(MarginLeft);
    P_FLOAT(MarginTop);
    P_FLOAT(MarginRight);
    P_FLOAT(MarginBottom);
    P_COLOR(GridBackGroundColor, 8421504);
    P_BOOL(GridBackGroundTransparent, false);
    P_COLOR(GridLinesColor, std::nullopt);
    P_BOOL(GridLinesShow, std::nullopt);
    P_FONT(DataFont);
    P_FLOAT(ColumnSpacing);
    P_FLOAT(RowSpacing);
    P_INT(RowsMax, std::nullopt);
    // Starts True: without a default it is always written.
    P_BOOL(ColumnTitlesVisible, std::nullopt);
    P_FONT(ColumnTitlesFont);
    return t;
  }();
  return t;
}

const TwPropertyTable* LabelTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotLabel", LayoutTable());
    using C = TwPlotLabel;
    P_STRING(Caption);
    P_FLOAT(MarginLeft);
    P_FLOAT(MarginRight);
    P_FLOAT(MarginBottom);
    P_FLOAT(MarginTop);
    P_FONT(Font);
    P_ENUM(Alignment, TwAlignmentHorizontal, 3, iahCenter);
    P_INT(ImageListIndex, std::nullopt);
    P_INT(ImageIndex, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* ToolBarTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotToolBar", LayoutTable());
    using C = TwPlotToolBar;
    P_BOOL(ShowResumeButton, true);
    P_BOOL(ShowPauseButton, true);
    P_BOOL(ShowAxesModeButtons, true);
    P_BOOL(ShowZoomInOutButtons, true);
    P_BOOL(ShowSelectButton, false);
    P_BOOL(ShowZoomBoxButton, true);
    P_BOOL(ShowCursorButton, true);
    P_BOOL(ShowEditButton, true);
    P_BOOL(ShowCopyButton, true);
    P_BOOL(ShowSaveButton, true);
    P_BOOL(ShowPrintButton, true);
    P_BOOL(ShowPreviewButton, false);
    P_FLOAT(ZoomInOutFactor);
    P_BOOL(FlatBorder, std::nullopt);
    P_BOOL(FlatButtons, std::nullopt);
    P_BOOL(SmallButtons, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* DataCursorTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotDataCursor", ObjectTable());
    using C = TwPlotDataCursor;
    P_STRING(ChannelName);
    P_BOOL(ChannelAllowAll, true);
    P_BOOL(ChannelShowAllInLegend, true);
    P_ENUM(Style, TwPlotDataCursorStyle, 6, ipcsValueXY);
    P_FONT(Font);
    P_COLOR(Color, Signed(platform::clYellow));
    P_BOOL(UseChannelColor, true);
    P_BOOL(HintShow, true);
    P_BOOL(HintHideOnRelease, false);
    P_ENUM(HintOrientationSide, TwOrientationSide, 2, iosBottomRight);
    P_FLOAT(HintPosition);
    P_FLOAT(Pointer1Position);
    P_FLOAT(Pointer2Position);
    P_INT(PointerPenWidth, 1);
    F_BOOL(MenuUserCanChangeOptions, true);
    F_BOOL(SnapToDataPoint, false);
    F_BOOL(UseCachedInterpolatedData, false);
    F_BOOL(MenuItemVisibleValueXY, true);
    F_BOOL(MenuItemVisibleValueX, true);
    F_BOOL(MenuItemVisibleValueY, true);
    F_BOOL(MenuItemVisibleDeltaX, true);
    F_BOOL(MenuItemVisibleDeltaY, true);
    F_BOOL(MenuItemVisibleInverseDeltaX, true);
    F_STRING(MenuItemCaptionValueXY);
    F_STRING(MenuItemCaptionValueX);
    F_STRING(MenuItemCaptionValueY);
    F_STRING(MenuItemCaptionDeltaX);
    F_STRING(MenuItemCaptionDeltaY);
    F_STRING(MenuItemCaptionInverseDeltaX);
    return t;
  }();
  return t;
}

const TwPropertyTable* LimitTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotLimit", ObjectTable());
    using C = TwPlotLimit;
    // All always written.
    P_COLOR(Color, std::nullopt);
    P_ENUM(LineStyle, platform::TPenStyle, 7, std::nullopt);
    P_INT(LineWidth, std::nullopt);
    P_ENUM(FillStyle, platform::TBrushStyle, 8, std::nullopt);
    P_STRING(XAxisName);
    P_STRING(YAxisName);
    P_ENUM(Style, TwPlotLimitStyle, 6, std::nullopt);
    P_FLOAT(Line1Position);
    P_FLOAT(Line2Position);
    P_BOOL(UserCanMove, std::nullopt);
    P_BOOL(SelectModeOnlyInteraction, std::nullopt);
    P_BOOL(ClipToAxes, std::nullopt);
    return t;
  }();
  return t;
}

const TwPropertyTable* AnnotationTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotAnnotation", ObjectTable());
    using C = TwPlotAnnotation;
    P_ENUM(Style, TwPlotAnnotationStyle, 12, ipasText);
    P_ENUM(Reference, TwPlotReferenceType, 4, iprtDataView);
    P_ENUM(ReferencePositionX, TwPlotReferenceIndividual, 3, ipriAuto);
    P_ENUM(ReferencePositionY, TwPlotReferenceIndividual, 3, ipriAuto);
    P_ENUM(ReferenceSizeX, TwPlotReferenceIndividual, 3, ipriAuto);
    P_ENUM(ReferenceSizeY, TwPlotReferenceIndividual, 3, ipriAuto);
    P_FLOAT(X);
    P_FLOAT(Y);
    P_FLOAT(X2);
    P_FLOAT(Y2);
    P_FLOAT(Width);
    P_FLOAT(Height);
    P_COLOR(PenColor, Signed(platform::clWhite));
    P_ENUM(PenStyle, platform::TPenStyle, 7, platform::psSolid);
    P_INT(PenWidth, 1);
    P_COLOR(BrushColor, Signed(platform::clWhite));
    P_ENUM(BrushStyle, platform::TBrushStyle, 8, platform::bsSolid);
    P_STRING(Text);
    P_ENUM(TextRotation, TwRotationAngle, 4, ira000);
    P_ENUM(TextHorzAlignment, TwAlignmentHorizontal, 3, iahCenter);
    P_ENUM(TextVertAlignment, TwAlignmentVertical, 3, iavCenter);
    P_ENUM(TextLineAlignment, TwAlignmentHorizontal, 3, iahCenter);
    P_FLOAT(TextHorzMargin);
    P_FLOAT(TextVertMargin);
    P_FONT(Font);
    P_INT(OuterMargin, 0);
    P_INT(ImageListIndex, 0);
    P_INT(ImageIndex, 0);
    P_STRING(ChannelName);
    P_BOOL(UserCanMove, false);
    P_BOOL(UserCanSize, false);
    P_BOOL(SelectModeOnlyInteraction, true);
    P_BOOL(ClipToAxes, false);
    P_BOOL(ShowFocusRect, true);
    return t;
  }();
  return t;
}

const TwPropertyTable* BuildPlot() {
  auto* t = new TwPropertyTable("TwPlotComponent", &TwPropertyRegistry::WinComponentTable());
  using C = TwPlotComponent;
  P_INT(DataViewZHorz, std::nullopt);
  P_INT(DataViewZVert, std::nullopt);
  P_BOOL(XYAxesReverse, false);
  P_BOOL(UserCanEditObjects, true);
  P_BOOL(UserCanAddRemoveChannels, false);
  P_INT(OuterMarginLeft, 5);
  P_INT(OuterMarginTop, 5);
  P_INT(OuterMarginRight, 5);
  P_INT(OuterMarginBottom, 5);
  F_ENUM(PrintOrientation, TwPrinterOrientation, 2, poLandscape);
  F_FLOAT(PrintMarginLeft);
  F_FLOAT(PrintMarginTop);
  F_FLOAT(PrintMarginRight);
  F_FLOAT(PrintMarginBottom);
  F_BOOL(PrintShowDialog, true);
  F_STRING(PrintDocumentName);
  F_STRING(PrinterName);
  P_INT(HintsPause, 500);
  P_INT(HintsHidePause, 2500);
  P_BOOL(HintsShow, true);
  P_FONT(HintsFont);
  P_ENUM(EditorFormStyle, TwPlotFormStyle, 2, ipfsModal);
  P_ENUM(CopyToClipBoardFormat, TwPlotExportFormat, 3, ipefMetaFile);
  P_BOOL(TitleVisible, std::nullopt);
  P_STRING(TitleText);
  P_FONT(TitleFont);
  P_FLOAT(TitleMargin);
  P_STRING(LogFileName);
  P_INT(LogBufferSize, 0);
  P_FONT(AnnotationDefaultFont);
  F_ENUM(AnnotationDefaultBrushStlye, platform::TBrushStyle, 8, platform::bsSolid);
  F_COLOR(AnnotationDefaultBrushColor, Signed(platform::clWhite));
  F_ENUM(AnnotationDefaultPenStlye, platform::TPenStyle, 7, platform::psSolid);
  F_COLOR(AnnotationDefaultPenColor, Signed(platform::clWhite));
  F_INT(AnnotationDefaultPenWidth, 1);
  F_ENUM(AnnotationDefaultReference, TwPlotReferenceType, 4, iprtDataView);
  F_ENUM(AnnotationDefaultReferencePositionX, TwPlotReferenceIndividual, 3, ipriAuto);
  F_ENUM(AnnotationDefaultReferencePositionY, TwPlotReferenceIndividual, 3, ipriAuto);
  F_ENUM(AnnotationDefaultReferenceSizeX, TwPlotReferenceIndividual, 3, ipriAuto);
  F_ENUM(AnnotationDefaultReferenceSizeY, TwPlotReferenceIndividual, 3, ipriAuto);
  P_BOOL(ClipAnnotationsToAxes, true);
  P_BOOL(BackGroundGradientEnabled, false);
  P_ENUM(BackGroundGradientDirection, TwFillDirection, 12, ifdTopBottom);
  P_COLOR(BackGroundGradientStartColor, Signed(platform::clBlue));
  P_COLOR(BackGroundGradientStopColor, Signed(platform::clBlack));
  P_ENUM(DataFileColumnSeparator, TwPlotDataFileColumnSeparator, 2, ipdfcsTab);
  P_ENUM(DataFileFormat, TwPlotDataFileFormat, 2, ipdffText);
  F_STRING(DefaultSaveImageDirectory);
  F_ENUM(DefaultSaveImageFormat, TwPlotImageFormatStyle, 4, ipifBitmap);
  F_STRING(DefaultPropertyDirectory);
  F_STRING(DefaultDataDirectory);
  F_STRING(DefaultAnnotationDirectory);
  P_BOOL(DifferentialPropertySave, false);
  t->Integer<C>("BackGroundColor", [](C& o) { return Signed(o.BackGroundColor()); },
                [](C& o, qint64 v) { o.SetBackGroundColor(Unsigned(v)); }, Signed(platform::clBlack));
  P_ENUM(BorderStyle, TwBevelStyle, 3, ibsLowered);
  return t;
}

#undef P_INT
#undef P_BOOL
#undef P_FLOAT
#undef P_STRING
#undef P_ENUM
#undef P_COLOR
#undef P_FONT
#undef F_INT
#undef F_BOOL
#undef F_FLOAT
#undef F_STRING
#undef F_ENUM
#undef F_COLOR

}  // namespace

const TwPropertyTable& PlotComponentTable() {
  static const TwPropertyTable* t = BuildPlot();
  return *t;
}

void RegisterPlotProperties() {
  static const bool done = [] {
    TwPropertyRegistry::Register(&PlotComponentTable());
    TwPropertyRegistry::Register(XYChannelTable());
    TwPropertyRegistry::Register(TimeChannelTable());
    return true;
  }();
  (void)done;
}

TwPropertyObject PlotObjectProperties(TwPlotObject* Object) {
  if (!Object) return {};
  const TwPropertyTable* table = nullptr;
  if (dynamic_cast<TwPlotChannel*>(Object)) {
    table = TimeChannelTable();
  } else if (dynamic_cast<TwXYPlotChannel*>(Object)) {
    table = XYChannelTable();
  } else if (dynamic_cast<TwPlotChannelCustom*>(Object)) {
    table = ChannelTable();
  } else if (dynamic_cast<TwPlotAxis*>(Object)) {
    table = AxisTable();
  } else if (dynamic_cast<TwPlotDataView*>(Object)) {
    table = DataViewTable();
  } else if (dynamic_cast<TwPlotLegend*>(Object)) {
    table = LegendTable();
  } else if (dynamic_cast<TwPlotTable*>(Object)) {
    table = TableTable();
  } else if (dynamic_cast<TwPlotLabel*>(Object)) {
    table = LabelTable();
  } else if (dynamic_cast<TwPlotToolBar*>(Object)) {
    table = ToolBarTable();
  } else if (dynamic_cast<TwPlotDataCursor*>(Object)) {
    table = DataCursorTable();
  } else if (dynamic_cast<TwPlotLimit*>(Object)) {
    table = LimitTable();
  } else if (dynamic_cast<TwPlotAnnotation*>(Object)) {
    table = AnnotationTable();
  }
  // The tables' accessors take the object at its own address: every plot
  // object class derives along one chain from TwPlotObject.
  return table ? TwPropertyObject{static_cast<void*>(Object), table} : TwPropertyObject{};
}
