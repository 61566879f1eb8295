#include "plot/wPlotEditorForm.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>

#include <algorithm>
#include <utility>
#include <QVBoxLayout>

#include "plot/wEditorEdit.h"
#include "plot/wEditorListBox.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotLayoutViewer.h"
#include "plot/wPlotProperties.h"
#include "plot/wUpDown.h"
#include "plot/wXYPlot.h"

using platform::TColor;
using platform::TFont;

namespace {

qint64 Signed(TColor c) { return qint64(qint32(c)); }
TColor Unsigned(qint64 v) { return TColor(quint32(qint32(v))); }

// What the editor edits on every channel beyond the published channel table.
const TwPropertyTable* ChannelEditorTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TwPlotChannelEditor", nullptr);
    using C = TwPlotChannelCustom;
#define E_BOOL(N) t->Boolean<C>(#N, [](C& o) { return bool(o.N()); }, [](C& o, bool v) { o.Set##N(v); })
#define E_INT(N) t->Integer<C>(#N, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(int(v)); })
#define E_ENUM(N, E, K) \
  t->Enumeration<C>(#N, K, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(E(v)); })
#define E_COLOR(N) \
  t->Integer<C>(#N, [](C& o) { return Signed(o.N()); }, [](C& o, qint64 v) { o.Set##N(Unsigned(v)); })
    E_BOOL(XAxisTrackingEnabled);
    E_BOOL(YAxisTrackingEnabled);
    E_BOOL(VisibleInLegend);
    E_INT(RingBufferSize);
    E_ENUM(DataStyle, TwPlotDataStyle, 4);
    E_BOOL(UserCanMoveDataPoints);
    E_ENUM(UserCanMoveDataPointsStyle, TwPlotChannelDataPointMoveStyle, 3);
    E_BOOL(ClipToAxes);
    E_ENUM(TraceLineStyle, TwPlotLineStyle, 5);
    E_INT(TraceLineWidth);
    E_BOOL(TraceVisible);
    E_INT(MarkersSize);
    E_ENUM(MarkersStyle, TwPlotMarkerStyle, 12);
    E_INT(MarkersTurnOffLimit);
    E_BOOL(MarkersVisible);
    E_BOOL(MarkersAllowIndividual);
    E_ENUM(MarkersPenStyle, platform::TPenStyle, 7);
    E_COLOR(MarkersPenColor);
    E_INT(MarkersPenWidth);
    E_BOOL(MarkersPenUseChannelColor);
    E_ENUM(MarkersBrushStyle, platform::TBrushStyle, 8);
    E_COLOR(MarkersBrushColor);
    E_BOOL(MarkersBrushUseChannelColor);
    t->String<C>("LogFileName", [](C& o) { return o.LogFileName(); },
                 [](C& o, const QString& v) { o.SetLogFileName(v); });
    E_INT(LogBufferSize);
    t->ObjectValue<C, TFont>("MarkersFont", &TwPropertyRegistry::FontTable(), [](C& o) { return o.MarkersFont(); },
                             [](C& o, const TFont& v) { o.SetMarkersFont(v); });
#undef E_BOOL
#undef E_INT
#undef E_ENUM
#undef E_COLOR
    return t;
  }();
  return t;
}

// The entry of Name for Object: its class's table first, then the editor's
// channel extras.
const TwPropertyInfo* FindProperty(const TwPropertyObject& Object, const QString& Name, bool Channel) {
  if (!Object) return nullptr;
  if (const TwPropertyInfo* i = Object.Table->Find(Name)) return i;
  return Channel ? ChannelEditorTable()->Find(Name) : nullptr;
}

// The order each change handler writes its kind's properties in.
const QStringList& ApplyOrder(int K) {
  static const QStringList orders[] = {
      QString("Name Visible Enabled PopupEnabled FlatBorder FlatButtons SmallButtons ShowResumeButton ShowPauseButton ShowAxesModeButtons ShowZoomInOutButtons ShowSelectButton ShowZoomBoxButton ShowCursorButton ShowEditButton ShowCopyButton ShowSaveButton ShowPrintButton ShowPreviewButton ZoomInOutFactor").split(' '),
      QString("Name Visible Enabled PopupEnabled MarginTop MarginBottom MarginLeft MarginRight ChannelNameMaxWidth ChannelNameColorStyle LineColumnWidth LineColumnHeight ColumnSpacing BackGroundTransparent BackGroundColor SelectedItemBackGroundColor ShowColumnLine ShowColumnMarker ShowColumnXAxisTitle ShowColumnYAxisTitle ShowColumnXValue ShowColumnYValue ShowColumnYMax ShowColumnYMin ShowColumnYMean WrapColDesiredCount WrapColAutoCountEnabled WrapColAutoCountMax WrapColSpacingMin WrapColSpacingAuto WrapRowDesiredCount WrapRowAutoCountEnabled WrapRowAutoCountMax WrapRowSpacingMin WrapRowSpacingAuto ColumnTitlesVisible Font SelectedItemFont ColumnTitlesFont").split(' '),
      QString("Name Visible Enabled PopupEnabled MarginTop MarginLeft MarginRight MarginBottom ColumnSpacing RowSpacing RowsMax ColumnTitlesVisible GridLinesShow GridLinesColor StartPercent StopPercent GridBackGroundTransparent GridBackGroundColor DataFont ColumnTitlesFont").split(' '),
      QString("Name Visible GridLinesVisible Enabled PopupEnabled Layer StartPercent StopPercent Min Span DesiredStart DesiredIncrement ReverseScale RestoreValuesOnResume MasterUIInput InnerMargin OuterMargin Title TitleMargin TitleShow TitleRotated ScaleLinesShow ScaleLinesColor MajorLength MinorLength MinorCount LabelsVisible LabelsMargin LabelsFormatStyle LabelsRotation DateTimeFormat LabelsPrecisionStyle LabelsPrecision LabelsMinLength LabelsMinLengthAutoAdjust CursorUseDefaultFormat CursorFormatStyle CursorDateTimeFormat CursorPrecisionStyle CursorPrecision CursorMinLength CursorMinLengthAutoAdjust LegendUseDefaultFormat LegendFormatStyle LegendDateTimeFormat LegendPrecisionStyle LegendPrecision LegendMinLength LegendMinLengthAutoAdjust TrackingEnabled TrackingStyle TrackingIncrementStyle TrackingAlignFirstStyle TrackingScrollCompressMax TrackingSpanMinimum TrackingMaxMargin TrackingMinMargin StackingEndsMargin ForceStacking LabelSeparation ScaleType CursorScaler ScrollMinMaxEnabled ScrollMin ScrollMax CartesianStyle CartesianChildRefAxisName CartesianChildRefValue AlignRefAxisName TitleFont LabelsFont").split(' '),
      QString("Name Visible GridLinesVisible Enabled PopupEnabled Layer StartPercent StopPercent DesiredIncrement Min Span DesiredStart ReverseScale RestoreValuesOnResume MasterUIInput InnerMargin OuterMargin Title TitleMargin TitleShow TitleRotated ScaleLinesShow ScaleLinesColor MajorLength MinorLength MinorCount LabelsVisible LabelsMargin LabelsRotation LabelsFormatStyle DateTimeFormat LabelsPrecisionStyle LabelsPrecision LabelsMinLength LabelsMinLengthAutoAdjust CursorUseDefaultFormat CursorFormatStyle CursorDateTimeFormat CursorPrecisionStyle CursorPrecision CursorMinLength CursorMinLengthAutoAdjust LegendUseDefaultFormat LegendFormatStyle LegendDateTimeFormat LegendPrecisionStyle LegendPrecision LegendMinLength LegendMinLengthAutoAdjust TrackingEnabled TrackingStyle TrackingIncrementStyle TrackingAlignFirstStyle TrackingScrollCompressMax TrackingSpanMinimum TrackingMaxMargin TrackingMinMargin StackingEndsMargin ForceStacking LabelSeparation ScaleType CursorScaler ScrollMinMaxEnabled ScrollMin ScrollMax CartesianStyle CartesianChildRefAxisName CartesianChildRefValue AlignRefAxisName TitleFont LabelsFont").split(' '),
      QString("Name Enabled PopupEnabled Layer BackgroundTransparent BackgroundColor GridShow GridXAxisName GridYAxisName AxesControlEnabled AxesControlAllowInSelectMode AxesControlMouseStyle AxesControlWheelStyle GridLineColor GridLineShowLeft GridLineShowRight GridLineShowTop GridLineShowBottom GridLineShowXMajors GridLineShowXMinors GridLineShowYMajors GridLineShowYMinors GridLineMajorStyle GridLineMinorStyle GridLineXMajorCustom GridLineXMajorColor GridLineXMajorWidth GridLineXMajorStyle GridLineXMinorCustom GridLineXMinorColor GridLineXMinorWidth GridLineXMinorStyle GridLineYMajorCustom GridLineYMajorColor GridLineYMajorWidth GridLineYMajorStyle GridLineYMinorCustom GridLineYMinorColor GridLineYMinorWidth GridLineYMinorStyle").split(' '),
      QString("Name Visible PopupEnabled Layer TitleText VisibleInLegend UserCanMoveDataPoints UserCanMoveDataPointsStyle RingBufferSize Color XAxisName YAxisName XAxisTrackingEnabled YAxisTrackingEnabled DataStyle TraceVisible TraceLineStyle TraceLineWidth MarkersVisible MarkersAllowIndividual MarkersSize MarkersStyle MarkersPenColor MarkersPenUseChannelColor MarkersPenStyle MarkersPenWidth MarkersBrushColor MarkersBrushUseChannelColor MarkersBrushStyle MarkersTurnOffLimit LogFileName LogBufferSize MarkersFont FillEnabled FillReference FillStyle FillColor FillUseChannelColor BarEnabled BarWidth BarReference BarPenUseChannelColor BarPenStyle BarPenColor BarPenWidth BarBrushUseChannelColor BarBrushStyle BarBrushColor HighLowStyle HighLowEnabled HighLowBarColor HighLowBarWidth HighLowOpenShow HighLowOpenColor HighLowOpenWidth HighLowOpenHeight HighLowCloseShow HighLowCloseColor HighLowCloseWidth HighLowCloseHeight HighLowShadowColor HighLowBullishColor HighLowBearishColor DigitalEnabled DigitalReferenceHigh DigitalReferenceLow DigitalReferenceStyle FastDrawEnabled ClipToAxes InterpolationStyle").split(' '),
      QString("Name PopupEnabled SnapToDataPoint Style Color UseChannelColor HintPosition HintShow HintHideOnRelease HintOrientationSide Pointer1Position Pointer2Position PointerPenWidth ChannelName ChannelAllowAll ChannelShowAllInLegend Font").split(' '),
      QString("Name Visible UserCanMove PopupEnabled ClipToAxes Layer Style Line1Position Line2Position FillStyle LineStyle LineWidth Color XAxisName YAxisName").split(' '),
      QString("Name Visible Caption MarginLeft MarginTop MarginRight MarginBottom Alignment ImageListIndex ImageIndex Font").split(' '),
  };
  return orders[K];
}

}  // namespace

TwPlotEditorForm::TwPlotEditorForm(TwPlotComponent* APlot) : TwCustomEditorForm(APlot ? APlot->window() : nullptr) {
  PlotComponent = APlot;
  setWindowTitle(QStringLiteral("Plot"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  BuildPages();
  resize(900, 560);
}

TwPlotEditorForm::~TwPlotEditorForm() {
  if (PlotComponent && PlotComponent->OnAfterCloseEditor) PlotComponent->OnAfterCloseEditor(this);
}

QString TwPlotEditorForm::Prefix(Kind K) {
  static const char* const names[] = {"ToolBar", "Legend",     "Table", "XAxis", "YAxis",
                                      "DataView", "Channel", "DataCursor", "Limit", "Label"};
  return QString::fromLatin1(names[K]);
}

TwPlotEditorForm::Kind TwPlotEditorForm::KindOf(TwPlotObject* Object) {
  if (dynamic_cast<TwPlotToolBar*>(Object)) return ekToolBar;
  if (dynamic_cast<TwPlotLegend*>(Object)) return ekLegend;
  if (dynamic_cast<TwPlotTable*>(Object)) return ekTable;
  if (dynamic_cast<TwPlotXAxis*>(Object)) return ekXAxis;
  if (dynamic_cast<TwPlotYAxis*>(Object)) return ekYAxis;
  if (dynamic_cast<TwPlotDataView*>(Object)) return ekDataView;
  if (dynamic_cast<TwPlotChannelCustom*>(Object)) return ekChannel;
  if (dynamic_cast<TwPlotDataCursor*>(Object)) return ekDataCursor;
  if (dynamic_cast<TwPlotLimit*>(Object)) return ekLimit;
  if (dynamic_cast<TwPlotLabel*>(Object)) return ekLabel;
  return ekCount;
}

TwPlotObject* TwPlotEditorForm::Selected(Kind K) const {
  TwComponentEditorListBox* l = FLists[K];
  if (!l || l->ItemIndex() < 0) return nullptr;
  return static_cast<TwPlotObject*>(l->Objects(l->ItemIndex()));
}

void TwPlotEditorForm::AddListObject(TwPlotObject* Object) {
  const Kind k = KindOf(Object);
  if (k == ekCount) return;
  FLists[k]->AddObject(QString(), Object);
  FLists[k]->SelectLast();
  UpdateKind(k);
  if (k == ekChannel) ResetStats();
}

void TwPlotEditorForm::ListGetData(Kind K, int Index, bool& DrawColorBox, TColor& AColor, QString& AText) {
  auto* o = static_cast<TwPlotObject*>(FLists[K]->Objects(Index));
  if (!o) return;
  AText = o->Name();
  DrawColorBox = false;
  if (auto* a = dynamic_cast<TwPlotAxis*>(o)) {
    DrawColorBox = true;
    AColor = a->LabelsFont().Color;
  } else if (auto* c = dynamic_cast<TwPlotChannelCustom*>(o)) {
    DrawColorBox = true;
    AColor = c->Color();
  } else if (auto* d = dynamic_cast<TwPlotDataCursor*>(o)) {
    DrawColorBox = true;
    AColor = d->Color();
  } else if (auto* l = dynamic_cast<TwPlotLimit*>(o)) {
    DrawColorBox = true;
    AColor = l->Color();
  }
}

// ---- enabling -------------------------------------------------------------------

namespace {
template <class F>
void WalkPrefix(const std::vector<QObject*>& Controls, const QString& APrefix, F Switch) {
  const QString p = APrefix.toUpper();
  for (QObject* c : Controls) {
    if (!c->objectName().toUpper().startsWith(p)) continue;
    if (qobject_cast<TwComponentEditorPageControl*>(c) || qobject_cast<QLabel*>(c)) continue;
    Switch(c);
  }
}
}  // namespace

void TwPlotEditorForm::DisableByPrefix(const QString& APrefix) {
  WalkPrefix(Controls(), APrefix, [](QObject* c) {
    if (auto* x = qobject_cast<TwComponentEditorComboBox*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwComponentEditorRadioGroup*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwComponentEditorEdit*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwComponentEditorCheckBox*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwComponentEditorColorPicker*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwComponentEditorFontPicker*>(c)) x->Disable();
    else if (auto* x = qobject_cast<TwUpDown*>(c)) x->Disable();
    else if (auto* w = qobject_cast<QWidget*>(c)) w->setEnabled(false);
  });
}

void TwPlotEditorForm::EnableByPrefix(const QString& APrefix) {
  WalkPrefix(Controls(), APrefix, [](QObject* c) {
    if (auto* x = qobject_cast<TwComponentEditorComboBox*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwComponentEditorRadioGroup*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwComponentEditorEdit*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwComponentEditorCheckBox*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwComponentEditorColorPicker*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwComponentEditorFontPicker*>(c)) x->Enable();
    else if (auto* x = qobject_cast<TwUpDown*>(c)) x->Enable();
    else if (auto* w = qobject_cast<QWidget*>(c)) w->setEnabled(true);
  });
}

// ---- loading and applying ---------------------------------------------------------

void TwPlotEditorForm::LoadBindings(const std::vector<Binding>& Bindings, const TwPropertyObject& Object,
                                    bool Channel) {
  const bool timeSeries = Channel && !XYChannelClass();
  for (const Binding& b : Bindings) {
    if (b.ClassDependent && !timeSeries) continue;
    const TwPropertyInfo* i = FindProperty(Object, b.Property, Channel);
    if (!i) continue;
    void* o = Object.Object;
    QWidget* c = b.Control;
    if (auto* f = qobject_cast<TwComponentEditorFontPicker*>(c)) {
      i->WithObject(o, false, [&](TwPropertyObject fo) { f->SetFont(*static_cast<TFont*>(fo.Object)); });
      continue;
    }
    const QVariant v = i->Get(o);
    if (auto* e = qobject_cast<TwComponentEditorEdit*>(c)) {
      if (i->Kind == tkFloat) e->SetAsFloat(v.toDouble());
      else if (i->Kind == tkString) e->SetAsString(v.toString());
      else e->SetAsInteger(int(v.toLongLong()));
    } else if (auto* x = qobject_cast<TwComponentEditorCheckBox*>(c)) {
      x->SetAsBoolean(v.toLongLong() != 0);
    } else if (auto* x = qobject_cast<TwComponentEditorComboBox*>(c)) {
      if (b.Text) x->SetAsString(v.toString());
      else x->SetAsInteger(int(v.toLongLong()));
    } else if (auto* x = qobject_cast<TwComponentEditorRadioGroup*>(c)) {
      x->SetAsInteger(int(v.toLongLong()));
    } else if (auto* x = qobject_cast<TwComponentEditorColorPicker*>(c)) {
      x->SetColor(Unsigned(v.toLongLong()));
    }
  }
}

void TwPlotEditorForm::ApplyBindings(const std::vector<Binding>& Bindings, const TwPropertyObject& Object,
                                     bool Channel) {
  const bool timeSeries = Channel && !XYChannelClass();
  std::vector<const Binding*> fonts;
  for (const Binding& b : Bindings) {
    if (b.ClassDependent && !timeSeries) continue;
    const TwPropertyInfo* i = FindProperty(Object, b.Property, Channel);
    if (!i || !i->HasSetter()) continue;
    void* o = Object.Object;
    QWidget* c = b.Control;
    if (qobject_cast<TwComponentEditorFontPicker*>(c)) {
      fonts.push_back(&b);
      continue;
    }
    QVariant v;
    if (auto* e = qobject_cast<TwComponentEditorEdit*>(c)) {
      if (i->Kind == tkFloat) v = e->AsFloat();
      else if (i->Kind == tkString) v = e->AsString();
      else v = qlonglong(e->AsInteger());
    } else if (auto* x = qobject_cast<TwComponentEditorCheckBox*>(c)) {
      v = qlonglong(x->AsBoolean() ? 1 : 0);
    } else if (auto* x = qobject_cast<TwComponentEditorComboBox*>(c)) {
      if (b.Text) v = x->AsString();
      else if (x->AsInteger() < 0) continue;
      else v = qlonglong(x->AsInteger());
    } else if (auto* x = qobject_cast<TwComponentEditorRadioGroup*>(c)) {
      if (x->AsInteger() < 0) continue;
      v = qlonglong(x->AsInteger());
    } else if (auto* x = qobject_cast<TwComponentEditorColorPicker*>(c)) {
      v = Signed(x->Color());
    } else {
      continue;
    }
    i->Set(o, v);
  }
  for (const Binding* b : fonts) {
    const TwPropertyInfo* i = FindProperty(Object, b->Property, Channel);
    auto* f = static_cast<TwComponentEditorFontPicker*>(b->Control);
    i->WithObject(Object.Object, true, [&](TwPropertyObject fo) { *static_cast<TFont*>(fo.Object) = f->Font(); });
  }
}

void TwPlotEditorForm::UpdateAll() {
  for (Kind k : {ekToolBar, ekLegend, ekXAxis, ekYAxis, ekChannel, ekDataView, ekDataCursor, ekLimit, ekLabel,
                 ekTable})
    UpdateKind(k);
}

void TwPlotEditorForm::UpdateKind(Kind K) {
  switch (K) {
    case ekChannel:
      XAxisNameComboBoxDropDown();
      YAxisNameComboBoxDropDown();
      UpdateChannelClassPages();
      break;
    case ekLimit:
      XAxisNameComboBoxDropDown();
      YAxisNameComboBoxDropDown();
      break;
    case ekDataCursor:
      DataCursorChannelNameComboBoxDropDown();
      break;
    case ekDataView:
      DataViewGridXAxisNameComboBoxDropDown();
      DataViewGridYAxisNameComboBoxDropDown();
      break;
    default:
      break;
  }
  TwPlotObject* o = Selected(K);
  if (!o) {
    DisableByPrefix(Prefix(K));
    return;
  }
  if (K == ekXAxis || K == ekYAxis) {
    // The child reference lists the other orientation's axes.
    FillNames(Prefix(K) + "CartesianChildRefAxisNameComboBox", "<None>", K == ekXAxis ? ekYAxis : ekXAxis, {});
    FillNames(Prefix(K) + "AlignRefAxisNameComboBox", "<None>", K, {});
  }
  EnableByPrefix(Prefix(K));
  LoadBindings(FBindings[K], PlotObjectProperties(o), K == ekChannel);
  if (K == ekLabel && FLists[ekLabel]->ItemIndex() == 0)
    if (auto* r = FindControl<QWidget>("LabelRemoveButton")) r->setEnabled(false);
  if (K == ekChannel) UpdateChannelLogControls();
  if (K == ekChannel && XYChannelClass())
    for (const Binding& b : FBindings[K])
      if (b.ClassDependent) b.Control->setEnabled(false);
  FLists[K]->viewport()->update();
}

void TwPlotEditorForm::ApplyKind(Kind K) {
  TwPlotObject* o = Selected(K);
  if (!o) return;
  // Bindings in the handler's order; the fonts go last in ApplyBindings.
  std::vector<Binding> ordered = FBindings[K];
  const QStringList& order = ApplyOrder(K);
  std::stable_sort(ordered.begin(), ordered.end(), [&](const Binding& a, const Binding& b) {
    const auto rank = [&](const QString& p) {
      const int i = order.indexOf(p);
      return i < 0 ? int(order.size()) : i;
    };
    return rank(a.Property) < rank(b.Property);
  });
  ApplyBindings(ordered, PlotObjectProperties(o), K == ekChannel);
  if (K == ekChannel)
    FindControl<TwComponentEditorOpenPicker>("ChannelLogFileNamePicker")->FileName =
        static_cast<TwPlotChannelCustom*>(o)->LogFileName();
  if (K == ekLabel && FLists[ekLabel]->ItemIndex() == 0) {
    // The title page shows the first label.
    auto* l = static_cast<TwPlotLabel*>(o);
    FindControl<TwComponentEditorCheckBox>("TitleVisibleCheckBox")->SetAsBoolean(l->Visible());
    FindControl<TwComponentEditorEdit>("TitleTextEdit")->SetAsString(l->Caption());
    FindControl<TwComponentEditorEdit>("TitleMarginEdit")->SetAsFloat(l->MarginBottom());
    FindControl<TwComponentEditorFontPicker>("TitleFontPicker")->SetFont(l->Font());
  }
  AfterApply(K);
}

void TwPlotEditorForm::AfterApply(Kind K) {
  switch (K) {
    case ekTable:
      break;
    case ekDataCursor:
    case ekLimit:
    case ekLabel:
      UpdateKind(K);
      FLists[K]->viewport()->update();
      break;
    default:
      UpdateAll();
      break;
  }
}

void TwPlotEditorForm::TitleChange() {
  // Nothing to write while the plot has no label.
  if (!Master || !Master->LabelManager() || Master->LabelManager()->Count() == 0) return;
  auto* l = Master->LabelManager()->GetObject(0);
  l->SetVisible(FindControl<TwComponentEditorCheckBox>("TitleVisibleCheckBox")->AsBoolean());
  l->SetCaption(FindControl<TwComponentEditorEdit>("TitleTextEdit")->AsString());
  l->SetMarginBottom(FindControl<TwComponentEditorEdit>("TitleMarginEdit")->AsFloat());
  l->SetFont(FindControl<TwComponentEditorFontPicker>("TitleFontPicker")->Font());
  UpdateLabelEdit();
  FLists[ekLabel]->viewport()->update();
}

void TwPlotEditorForm::LoadPlotSettings() {
  if (!PlotComponent) return;
  RegisterPlotProperties();
  const TwPropertyObject p{static_cast<QObject*>(PlotComponent), &PlotComponentTable()};
  LoadBindings(FPlotBindings, p, false);
  FindControl<TwComponentEditorCheckBox>("TitleVisibleCheckBox")->SetAsBoolean(PlotComponent->TitleVisible());
  FindControl<TwComponentEditorEdit>("TitleTextEdit")->SetAsString(PlotComponent->TitleText());
  FindControl<TwComponentEditorEdit>("TitleMarginEdit")->SetAsFloat(PlotComponent->TitleMargin());
  FindControl<TwComponentEditorFontPicker>("TitleFontPicker")->SetFont(PlotComponent->TitleFont());
  FindControl<TwComponentEditorOpenPicker>("PropertiesLoadPicker")->DefaultDir = PlotComponent->DefaultPropertyDirectory;
  FindControl<TwComponentEditorSavePicker>("PropertiesSavePicker")->DefaultDir = PlotComponent->DefaultPropertyDirectory;
  FindControl<TwComponentEditorOpenPicker>("DataLoadPicker")->DefaultDir = PlotComponent->DefaultDataDirectory;
  FindControl<TwComponentEditorSavePicker>("DataSavePicker")->DefaultDir = PlotComponent->DefaultDataDirectory;
  FindControl<TwComponentEditorOpenPicker>("AnnotationsLoadPicker")->DefaultDir =
      PlotComponent->DefaultAnnotationDirectory;
  FindControl<TwComponentEditorSavePicker>("AnnotationsSavePicker")->DefaultDir =
      PlotComponent->DefaultAnnotationDirectory;
  UpdateLogButtons();
}

void TwPlotEditorForm::ApplyPlotSettings() {
  if (!PlotComponent) return;
  const TwPropertyObject p{static_cast<QObject*>(PlotComponent), &PlotComponentTable()};
  ApplyBindings(FPlotBindings, p, false);
  UpdateLogButtons();
}

void TwPlotEditorForm::UpdateLogButtons() {
  const bool on = PlotComponent && PlotComponent->LoggingActive();
  FindControl<QWidget>("ControlLogActivateButton")->setEnabled(!on);
  FindControl<QWidget>("ControlLogDeactivateButton")->setEnabled(on);
  FindControl<QWidget>("ControlLogFileNameEdit")->setEnabled(!on);
  FindControl<QWidget>("ControlLogFileNamePicker")->setEnabled(!on);
}

void TwPlotEditorForm::GeneralChanged() {
  if (Master) Master->BasicPropertyChanged();
  FindControl<TwComponentEditorOpenPicker>("ControlLogFileNamePicker")->FileName =
      FindControl<TwComponentEditorEdit>("ControlLogFileNameEdit")->AsString();
}

void TwPlotEditorForm::UpdateChannelLogControls() {
  auto* c = dynamic_cast<TwPlotChannelCustom*>(Selected(ekChannel));
  if (!c) return;
  const bool on = c->LoggingActive();
  FindControl<QWidget>("ChannelLogFileNameEdit")->setEnabled(!on);
  FindControl<QWidget>("ChannelLogFileNamePicker")->setEnabled(!on);
  FindControl<QWidget>("ChannelLogActivateButton")->setEnabled(!on);
  FindControl<QWidget>("ChannelLogDeactivateButton")->setEnabled(on);
}

bool TwPlotEditorForm::XYChannelClass() const { return dynamic_cast<TwXYPlot*>(PlotComponent) != nullptr; }

void TwPlotEditorForm::UpdateChannelClassPages() {
  const bool show = !XYChannelClass();
  auto* pc = FPageControls[2];
  for (int i = 0; i < pc->count(); ++i) {
    const QString t = pc->tabText(i);
    if (t == "Fill" || t == "Digital" || t == "High/Low" || t == "Bar") pc->setTabVisible(i, show);
  }
  FindControl<QWidget>("ChannelFastDrawEnabledCheckBox")->setVisible(show);
  FindControl<QWidget>("ChannelInterpolationStyleComboBox")->setVisible(show);
  if (FInterpolationLabel) FInterpolationLabel->setVisible(show);
}

// ---- name lists ---------------------------------------------------------------------

void TwPlotEditorForm::FillNames(const QString& ComboName, const QString& First, Kind Names, const QString& Last) {
  auto* c = FindControl<TwComponentEditorComboBox>(ComboName);
  if (!c || !Master) return;
  TwPlotObjectManagerCustom* m = nullptr;
  switch (Names) {
    case ekXAxis: m = Master->XAxisManager(); break;
    case ekYAxis: m = Master->YAxisManager(); break;
    case ekChannel: m = Master->ChannelManager(); break;
    default: break;
  }
  if (!m) return;
  TwPlotTranslationManager* t = Master->TranslationManager();
  auto tr = [t](const QString& s) { return t ? t->FindReplacement(s) : s; };
  const QString kept = c->AsString();
  QStringList items;
  items << tr(First);
  for (int i = 0; i < m->Count(); ++i) items << m->GetPlotObject(i)->Name();
  if (!Last.isEmpty()) items << tr(Last);
  const bool wasEnabled = c->isEnabled();
  c->blockSignals(true);
  c->clear();
  c->addItems(items);
  c->blockSignals(false);
  const int at = items.indexOf(kept);
  c->SetAsInteger(at);
  if (at < 0 && c->isEditable()) c->SetAsString(QString());
  c->setEnabled(wasEnabled);
}

void TwPlotEditorForm::XAxisNameComboBoxDropDown() {
  FillNames("ChannelXAxisNameComboBox", "<None>", ekXAxis, {});
  FillNames("LimitXAxisNameComboBox", "<None>", ekXAxis, {});
  FillNames("XAxisAlignRefAxisNameComboBox", "<None>", ekXAxis, {});
  FillNames("YAxisCartesianChildRefAxisNameComboBox", "<None>", ekXAxis, {});
}

void TwPlotEditorForm::YAxisNameComboBoxDropDown() {
  FillNames("ChannelYAxisNameComboBox", "<None>", ekYAxis, {});
  FillNames("LimitYAxisNameComboBox", "<None>", ekYAxis, {});
  FillNames("YAxisAlignRefAxisNameComboBox", "<None>", ekYAxis, {});
  FillNames("XAxisCartesianChildRefAxisNameComboBox", "<None>", ekYAxis, {});
}

void TwPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown() {
  FillNames("DataViewGridXAxisNameComboBox", "<None>", ekXAxis, "<All>");
}

void TwPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown() {
  FillNames("DataViewGridYAxisNameComboBox", "<None>", ekYAxis, "<All>");
}

void TwPlotEditorForm::DataCursorChannelNameComboBoxDropDown() {
  FillNames("DataCursorChannelNameComboBox", "<All>", ekChannel, {});
}

void TwPlotEditorForm::ChannelNameComboBoxDropDown() { DataCursorChannelNameComboBoxDropDown(); }

// ---- add and remove --------------------------------------------------------------------

void TwPlotEditorForm::AddObject(Kind K) {
  if (!Master) return;
  switch (K) {
    case ekXAxis: Master->AddXAxis(); break;
    case ekYAxis: Master->AddYAxis(); break;
    case ekChannel: Master->AddChannel(); break;
    case ekDataCursor: Master->AddDataCursor(); break;
    case ekLimit: Master->AddLimit(); break;
    case ekLabel: Master->AddLabel(); break;
    case ekTable: Master->AddTable(); break;
    default: return;
  }
  FLists[K]->SelectLast();
  UpdateKind(K);
  if (K == ekChannel) ResetStats();
}

void TwPlotEditorForm::RemoveObject(Kind K) {
  if (K == ekLabel && FLists[K]->ItemIndex() == 0) return;
  TwPlotObject* o = Selected(K);
  if (!o) return;
  // The object's removal notice takes its entry out of the list.
  const int at = FLists[K]->ItemIndex();
  TwPlotObject::Free(o);
  if (FLists[K]->ItemIndex() < 0 && FLists[K]->Count() > 0)
    FLists[K]->SetItemIndex(std::min(at, FLists[K]->Count() - 1));
  // The manager's removal step reloads the kind and the axis-name lists.
  UpdateKind(K);
}

// ---- stats ----------------------------------------------------------------------------------

void TwPlotEditorForm::ResetStats() {
  const QString text = Selected(ekChannel) ? QStringLiteral("Click Refresh") : QString();
  for (QLabel* l : FStatsLabels) l->setText(text);
}

void TwPlotEditorForm::ChannelStatsRefreshButtonClick() {
  auto* c = dynamic_cast<TwPlotChannelCustom*>(Selected(ekChannel));
  if (!c) return;
  // Point Count, Memory Used, X-Min, X-Max, X-Mean, Y-Min, Y-Max, Y-Mean,
  // Data Point Size, Max Data Points, Point Capacity.
  FStatsLabels[0]->setText(QString::number(c->Count()));
  FStatsLabels[1]->setText(QString::number(c->MemoryUsed()) + " Bytes");
  FStatsLabels[8]->setText(QString::number(c->DataPointSize()) + " Bytes");
  FStatsLabels[9]->setText(QString::number(c->MaxDataPoints()));
  FStatsLabels[10]->setText(QString::number(c->Capacity()));
  c->ReCalcRunningMinMaxMean();
  auto text = [](TwPlotAxis* a, double v) { return a ? a->GetLabelText(v) : QString::number(v, 'g', 15); };
  FStatsLabels[2]->setText(text(c->XAxis(), c->RunningXMin()));
  FStatsLabels[3]->setText(text(c->XAxis(), c->RunningXMax()));
  FStatsLabels[4]->setText(text(c->XAxis(), c->RunningXMean()));
  FStatsLabels[5]->setText(text(c->YAxis(), c->RunningYMin()));
  FStatsLabels[6]->setText(text(c->YAxis(), c->RunningYMax()));
  FStatsLabels[7]->setText(text(c->YAxis(), c->RunningYMean()));
}

void TwPlotEditorForm::CopyDefault(Kind AxisKind, bool Legend) {
  const QString p = Prefix(AxisKind);
  const QString to = p + (Legend ? "Legend" : "Cursor");
  auto combo = [this](const QString& n) { return FindControl<TwComponentEditorComboBox>(n); };
  auto edit = [this](const QString& n) { return FindControl<TwComponentEditorEdit>(n); };
  combo(to + "FormatStyleComboBox")->SetAsInteger(combo(p + "LabelsFormatStyleComboBox")->AsInteger());
  combo(to + "DateTimeFormatComboBox")->SetAsString(combo(p + "DateTimeFormatComboBox")->AsString());
  combo(to + "PrecisionStyleComboBox")->SetAsInteger(combo(p + "LabelsPrecisionStyleComboBox")->AsInteger());
  edit(to + "PrecisionEdit")->SetAsString(edit(p + "LabelsPrecisionEdit")->AsString());
  edit(to + "MinLengthEdit")->SetAsString(edit(p + "LabelsMinLengthEdit")->AsString());
  FindControl<TwComponentEditorCheckBox>(to + "MinLengthAutoAdjustCheckBox")
      ->SetAsBoolean(FindControl<TwComponentEditorCheckBox>(p + "LabelsMinLengthAutoAdjustCheckBox")->AsBoolean());
  ApplyKind(AxisKind);
}

void TwPlotEditorForm::SetFormTranslationMethod(TFormTranslationMethod Value) {
  for (QObject* c : Controls())
    if (auto* p = qobject_cast<TwComponentEditorValueConverterPicker*>(c)) p->TranslationMethod = Value;
}

// ---- files -----------------------------------------------------------------------------------

void TwPlotEditorForm::BindControlFiles() {
  FindControl<TwComponentEditorOpenPicker>("PropertiesLoadPicker")->OnChange = [this](QObject* s) {
    PlotComponent->LoadPropertiesFromFile(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
    UpdateAll();
  };
  FindControl<TwComponentEditorSavePicker>("PropertiesSavePicker")->OnChange = [this](QObject* s) {
    PlotComponent->SavePropertiesToFile(static_cast<TwComponentEditorSavePicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorSavePicker>("AnnotationsSavePicker")->OnChange = [this](QObject* s) {
    PlotComponent->SaveAnnotationsToFile(static_cast<TwComponentEditorSavePicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorOpenPicker>("AnnotationsLoadPicker")->OnChange = [this](QObject* s) {
    PlotComponent->LoadAnnotationsFromFile(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorSavePicker>("DataSavePicker")->OnChange = [this](QObject* s) {
    PlotComponent->SaveDataToFile(static_cast<TwComponentEditorSavePicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorOpenPicker>("DataLoadPicker")->OnChange = [this](QObject* s) {
    PlotComponent->ClearAllData();
    PlotComponent->LoadDataFromFile(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorOpenPicker>("ControlLogFileNamePicker")->OnChange = [this](QObject* s) {
    FindControl<TwComponentEditorEdit>("ControlLogFileNameEdit")
        ->SetAsString(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
    if (Master) Master->BasicPropertyChanged();
  };
  // The plot's log; re-applying the Control page refreshes the buttons.
  FindControl<TwComponentEditorButton>("ControlLogActivateButton")->OnClick = [this](QObject*) {
    PlotComponent->LogActivate(false);
    if (Master) Master->BasicPropertyChanged();
    UpdateLogButtons();
  };
  FindControl<TwComponentEditorButton>("ControlLogDeactivateButton")->OnClick = [this](QObject*) {
    PlotComponent->LogDeactivate();
    if (Master) Master->BasicPropertyChanged();
    UpdateLogButtons();
  };
}

void TwPlotEditorForm::BindChannelFiles() {
  FindControl<TwComponentEditorOpenPicker>("ChannelLogFileNamePicker")->OnChange = [this](QObject* s) {
    FindControl<TwComponentEditorEdit>("ChannelLogFileNameEdit")
        ->SetAsString(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
    ChannelChange();
  };
  auto channel = [this] { return dynamic_cast<TwPlotChannelCustom*>(Selected(ekChannel)); };
  FindControl<TwComponentEditorButton>("ChannelLogActivateButton")->OnClick = [this, channel](QObject*) {
    if (auto* c = channel()) c->LogActivate(false);
    UpdateChannelEdit();
  };
  FindControl<TwComponentEditorButton>("ChannelLogDeactivateButton")->OnClick = [this, channel](QObject*) {
    if (auto* c = channel()) c->LogDeactivate();
    UpdateChannelEdit();
  };
  FindControl<TwComponentEditorSavePicker>("ChannelPropertiesSavePicker")->OnChange = [channel](QObject* s) {
    if (auto* c = channel()) c->SavePropertiesToFile(static_cast<TwComponentEditorSavePicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorOpenPicker>("ChannelPropertiesLoadPicker")->OnChange = [this, channel](QObject* s) {
    auto* c = channel();
    if (!c) return;
    c->LoadPropertiesFromFile(static_cast<TwComponentEditorOpenPicker*>(s)->FileName);
    FLists[ekChannel]->viewport()->update();
    UpdateChannelEdit();
  };
  FindControl<TwComponentEditorSavePicker>("ChannelDataSavePicker")->OnChange = [channel](QObject* s) {
    if (auto* c = channel()) c->SaveDataToFile(static_cast<TwComponentEditorSavePicker*>(s)->FileName);
  };
  FindControl<TwComponentEditorOpenPicker>("ChannelDataLoadPicker")->OnChange = [channel](QObject* s) {
    if (auto* c = channel()) c->LoadDataFromFile(static_cast<TwComponentEditorOpenPicker*>(s)->FileName, true);
  };
}

void TwPlotEditorForm::BuildLayoutPage(QWidget* Page) {
  auto* v = new QVBoxLayout(Page);
  v->setContentsMargins(2, 2, 2, 2);
  FLayoutViewer = Create<TwPlotLayoutViewer>(Page, "wPlotLayoutViewer");
  v->addWidget(FLayoutViewer);
  FLayoutViewer->OnChange = [this](QObject*) { UpdateAll(); };
  FLayoutViewer->OnMouseDownAt = [this](Qt::MouseButton, int X, int Y) {
    FRightClickObject = FLayoutViewer->GetMouseOverBlock(X, Y);
  };
  FLayoutPopupMenu = new QMenu(this);
  FLayoutPopupMenu->setObjectName("LayoutPopupMenu");
  FReverseItem = FLayoutPopupMenu->addAction("XY-Axes Reverse", [this] {
    if (Master) Master->SetXYAxesReverse(!Master->XYAxesReverse());
  });
  FReverseItem->setCheckable(true);
  FLayoutPopupMenu->addAction("Add X-Axis", [this] { AddObject(ekXAxis); });
  FLayoutPopupMenu->addAction("Add Y-Axis", [this] { AddObject(ekYAxis); });
  FLayoutPopupMenu->addAction("Add Label", [this] { AddObject(ekLabel); });
  FDeleteItem = FLayoutPopupMenu->addAction("Delete", [this] {
    if (!FRightClickObject) return;
    TwPlotObject::Free(std::exchange(FRightClickObject, nullptr));
    UpdateAll();
  });
  FVisibleItem = FLayoutPopupMenu->addAction("Visible", [this] {
    if (!FRightClickObject) return;
    FRightClickObject->SetVisible(!FRightClickObject->Visible());
    UpdateAll();
  });
  FVisibleItem->setCheckable(true);
  FEditItem = FLayoutPopupMenu->addAction("Edit", [this] {
    const Kind k = KindOf(FRightClickObject);
    if (!FRightClickObject || k == ekCount || k == ekTable) return;
    MainPageControl()->setCurrentWidget(FKindPages[k]);
    for (int i = 0; i < FLists[k]->Count(); ++i)
      if (FLists[k]->Objects(i) == static_cast<void*>(FRightClickObject)) FLists[k]->SetItemIndex(i);
  });
  // What the items change shows at once, not at the next mouse move.
  connect(FLayoutPopupMenu, &QMenu::triggered, FLayoutViewer, [this] { FLayoutViewer->update(); });
  FLayoutViewer->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FLayoutViewer, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    LayoutPopupMenuPopup();
    FLayoutPopupMenu->popup(FLayoutViewer->mapToGlobal(p));
  });
}

void TwPlotEditorForm::ObjectRemoved(const TwPlotObject* AObject) {
  if (FRightClickObject && AObject == FRightClickObject) FRightClickObject = nullptr;
  if (FLayoutViewer) FLayoutViewer->ObjectRemoved(AObject);
}

void TwPlotEditorForm::LayoutPopupMenuPopup() {
  FReverseItem->setChecked(Master && Master->XYAxesReverse());
  FDeleteItem->setEnabled(false);
  FVisibleItem->setEnabled(false);
  FEditItem->setEnabled(false);
  TwPlotLayoutObject* o = FRightClickObject;
  if (!o) return;
  const bool firstLabel = Master && Master->LabelManager() && Master->LabelManager()->Count() > 0 &&
                          Master->LabelManager()->GetPlotObject(0) == o;
  const Kind k = KindOf(o);
  FDeleteItem->setEnabled(k == ekXAxis || k == ekYAxis || k == ekTable || (k == ekLabel && !firstLabel));
  FVisibleItem->setEnabled(k != ekDataView);
  FVisibleItem->setChecked(o->Visible());
  FEditItem->setEnabled(true);
}

// ---- window --------------------------------------------------------------------------------

void TwPlotEditorForm::FormClose(platform::CloseAction& Action) {
  FIsClosing = true;
  (void)Action;
  if (OnClose) OnClose();
}

void TwPlotEditorForm::changeEvent(QEvent* e) {
  TwCustomEditorForm::changeEvent(e);
  // The modeless window shows what changed in the plot meanwhile.
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && (windowFlags() & Qt::WindowStaysOnTopHint))
    UpdateAll();
}
