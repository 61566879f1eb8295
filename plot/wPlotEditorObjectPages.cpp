// The plot property editor's pages for cursors, limits, labels, axes,
// legend, tables, toolbar and data view.
#include <QVBoxLayout>

#include "plot/wEditorListBox.h"
#include "plot/wPlotEditorBuilder.h"

namespace {

const QStringList kPenStylesLimit{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"};
const QStringList kBrushStyles{"Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross",
                               "DiagCross"};
const QStringList kGridStyles{"Solid", "Dash", "Dot"};
const QStringList kFormatStyles{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
const QStringList kPrecisionStyles{"Significant Digits", "Fixed Decimal Points"};
const QStringList kDateTimeFormats{"hh:nn:ss", "hh:nn:ss.zzz", "m/d hh:nn:ss", "d mmm h:nn:ss am/pm",
                                   "m/d/yy h:nn:ss am/pm", "m/d/yyyy h:nn:ss am/pm"};
const QStringList kAxesControl{"X-Axis", "Y-Axis", "Both", "None"};

QWidget* Sub(TwComponentEditorPageControl* pc, const QString& caption) {
  auto* w = new QWidget(pc);
  pc->addTab(w, caption);
  return w;
}

}  // namespace

TwComponentEditorPageControl* NewPageControl(TwPlotEditorForm* f, QWidget* parent, const QString& name);

void TwPlotEditorForm::BuildObjectPages() {
  {
    QWidget* rest = ListSide(FKindPages[ekDataCursor], ekDataCursor, "wDataCursorAddButton", false);
    auto* pc = NewPageControl(this, rest, "DataCursorPageControl");
    FPageControls[7] = pc;
    auto apply = [this] { ApplyKind(ekDataCursor); };
    auto* B = &FBindings[ekDataCursor];
    TwEditorPageBuilder g(this, Sub(pc, "General"), "DataCursor", B, apply);
    g.Combo("Style", "Style", {"Value XY", "Value X", "Value Y", "Delta X", "Delta Y", "Inverse Delta X"});
    g.Font("Font");
    g.Color("Color", "Color");
    g.Check("UseChannelColor", "Use Channel Color");
    g.Edit("Pointer1Position", "Pointer 1 Position");
    g.Edit("Pointer2Position", "Pointer 2 Position");
    g.Check("PopupEnabled", "Popup Enabled");
    g.Edit("PointerPenWidth", "Pointer Pen Width", true, 1, 50);
    g.Check("SnapToDataPoint", "Snap To Data Point");
    TwEditorPageBuilder c(this, Sub(pc, "Channel"), "DataCursor", B, apply);
    c.Combo("ChannelName", "Name", {}, true);
    c.Check("ChannelAllowAll", "Allow All");
    c.Check("ChannelShowAllInLegend", "Show All In Legend");
    TwEditorPageBuilder h(this, Sub(pc, "Hint"), "DataCursor", B, apply);
    h.Check("HintShow", "Show");
    h.Check("HintHideOnRelease", "Hide On Release");
    h.Radio("HintOrientationSide", "Orientation Side", {"Bottom-Right", "Top-Left"});
    h.Edit("HintPosition", "Position");
  }
  {
    QWidget* rest = ListSide(FKindPages[ekLimit], ekLimit, "wLimitAddButton", false);
    auto* pc = NewPageControl(this, rest, "LimitPageControl");
    FPageControls[8] = pc;
    TwEditorPageBuilder g(this, Sub(pc, "General"), "Limit", &FBindings[ekLimit], [this] { LimitChange(); });
    g.Combo("XAxisName", "X-Axis Name", {}, true);
    g.Combo("YAxisName", "Y-Axis Name", {}, true);
    g.Combo("Style", "Style", {"Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"});
    g.Edit("Line1Position", "Line 1 Position");
    g.Edit("Line2Position", "Line 2 Position");
    g.Color("Color", "Color");
    g.Combo("LineStyle", "Line Style", kPenStylesLimit);
    g.Edit("LineWidth", "Line Width", true, 0, 100);
    g.Combo("FillStyle", "Fill Style", kBrushStyles);
    g.Check("Visible", "Visible");
    g.Check("UserCanMove", "User Can Move");
    g.Check("PopupEnabled", "Popup Enabled");
    g.Edit("Layer", "Layer", true);
    g.Check("ClipToAxes", "Clip To Axes");
  }
  {
    QWidget* rest = ListSide(FKindPages[ekLabel], ekLabel, "wLabelAddButton", false);
    auto* pc = NewPageControl(this, rest, "LabelPageControl");
    FPageControls[9] = pc;
    TwEditorPageBuilder g(this, Sub(pc, "General"), "Label", &FBindings[ekLabel], [this] { LabelChange(); });
    g.Edit("Caption", "Caption");
    g.Combo("Alignment", "Alignment", {"Center", "Left", "Right"});
    g.Edit("ImageListIndex", "Image List Index", true, -1, 2);
    g.Edit("ImageIndex", "Image Index", true, -1, 255);
    g.Check("Visible", "Visible");
    g.Font("Font");
    TwEditorPageBuilder m = g.Group("Margin");
    m.Edit("MarginLeft", "Left");
    m.Edit("MarginTop", "Top");
    m.Edit("MarginRight", "Right");
    m.Edit("MarginBottom", "Bottom");
  }
  {
    QWidget* rest = ListSide(FKindPages[ekTable], ekTable, "wTableAddButton", false);
    auto* pc = NewPageControl(this, rest, "TablePageControl");
    FPageControls[11] = pc;
    auto apply = [this] { TableChange(); };
    auto* B = &FBindings[ekTable];
    TwEditorPageBuilder g(this, Sub(pc, "General"), "Table", B, apply);
    TwEditorPageBuilder m = g.Group("Margin");
    m.Edit("MarginLeft", "Left");
    m.Edit("MarginTop", "Top");
    m.Edit("MarginRight", "Right");
    m.Edit("MarginBottom", "Bottom");
    g.Check("Visible", "Visible");
    g.Check("Enabled", "Enabled");
    g.Check("PopupEnabled", "Popup Enabled");
    TwEditorPageBuilder d = g.Group("Data");
    d.Font("DataFont");
    TwEditorPageBuilder ct = g.Group("Column Titles");
    ct.Font("ColumnTitlesFont");
    ct.Check("ColumnTitlesVisible", "Visible");
    g.Edit("ColumnSpacing", "Column Spacing");
    g.Edit("RowSpacing", "Row Spacing");
    g.Edit("RowsMax", "Rows Max");
    TwEditorPageBuilder gr(this, Sub(pc, "Grid"), "Table", B, apply);
    TwEditorPageBuilder bg = gr.Group("Background");
    bg.Check("GridBackGroundTransparent", "Transparent");
    bg.Color("GridBackGroundColor", "Color");
    TwEditorPageBuilder ln = gr.Group("Lines");
    ln.Check("GridLinesShow", "Show");
    ln.Color("GridLinesColor", "Color");
    TwEditorPageBuilder lay(this, Sub(pc, "Layout"), "Table", B, apply);
    lay.Edit("StartPercent", "Start Percent");
    lay.Edit("StopPercent", "Stop Percent");
  }
  {
    QWidget* rest = ListSide(FKindPages[ekToolBar], ekToolBar, {}, true);
    auto* inner = new QWidget(rest);
    rest->layout()->addWidget(inner);
    static_cast<QVBoxLayout*>(rest->layout())->addStretch(1);
    TwEditorPageBuilder t(this, inner, "ToolBar", &FBindings[ekToolBar], [this] { ApplyKind(ekToolBar); });
    TwEditorPageBuilder s = t.Group("Show Button");
    s.Check("ShowEditButton", "Edit");
    s.Check("ShowCopyButton", "Copy");
    s.Check("ShowSaveButton", "Save");
    s.Check("ShowPrintButton", "Print");
    s.Check("ShowResumeButton", "Resume");
    s.Check("ShowPauseButton", "Pause");
    s.Check("ShowAxesModeButtons", "Axes Mode");
    s.Check("ShowZoomInOutButtons", "Zoom In/Out");
    s.Check("ShowZoomBoxButton", "Zoom Box");
    s.Check("ShowCursorButton", "Cursor");
    s.Check("ShowSelectButton", "Select");
    s.Check("ShowPreviewButton", "Preview");
    t.Check("Visible", "Visible");
    t.Check("Enabled", "Enabled");
    t.Check("PopupEnabled", "Popup Enabled");
    t.Edit("ZoomInOutFactor", "Zoom In/Out Factor");
    t.Check("FlatButtons", "Flat Buttons");
    t.Check("SmallButtons", "Small Buttons");
    t.Check("FlatBorder", "Flat Border");
  }
  {
    QWidget* rest = ListSide(FKindPages[ekDataView], ekDataView, {}, true);
    auto* pc = NewPageControl(this, rest, "DataViewPageControl");
    FPageControls[12] = pc;
    auto apply = [this] { ApplyKind(ekDataView); };
    auto* B = &FBindings[ekDataView];
    TwEditorPageBuilder g(this, Sub(pc, "General"), "DataView", B, apply);
    g.Check("Enabled", "Enabled");
    g.Check("PopupEnabled", "Popup Enabled");
    TwEditorPageBuilder bg = g.Group("Background");
    bg.Check("BackgroundTransparent", "Transparent");
    bg.Color("BackgroundColor", "Color");
    TwEditorPageBuilder gr = g.Group("Grid");
    gr.Combo("GridXAxisName", "X-Axis Name", {}, true);
    gr.Combo("GridYAxisName", "Y-Axis Name", {}, true);
    gr.Check("GridShow", "Show");
    TwEditorPageBuilder ac = g.Group("Axes Control");
    ac.Combo("AxesControlWheelStyle", "Wheel Style", kAxesControl);
    ac.Check("AxesControlEnabled", "Enabled");
    ac.Combo("AxesControlMouseStyle", "Mouse Style", kAxesControl);
    ac.Check("AxesControlAllowInSelectMode", "Allow In Select Mode");
    QWidget* lines = Sub(pc, "Grid Lines");
    TwEditorPageBuilder l(this, lines, "DataView", B, apply);
    l.Color("GridLineColor", "Color");
    l.Combo("GridLineMajorStyle", "Major Style", kGridStyles);
    l.Combo("GridLineMinorStyle", "Minor Style", kGridStyles);
    l.Edit("Layer", "Layer", true);
    TwEditorPageBuilder sh = l.Group("Show");
    sh.Check("GridLineShowLeft", "Left");
    sh.Check("GridLineShowRight", "Right");
    sh.Check("GridLineShowTop", "Top");
    sh.Check("GridLineShowBottom", "Bottom");
    auto* custom = Create<TwComponentEditorPageControl>(lines, "DataViewGridLinesCustomPageControl");
    l.Full(custom);
    FPageControls[13] = custom;
    for (const char* k : {"XMajor", "XMinor", "YMajor", "YMinor"}) {
      const QString s = QString::fromLatin1(k);
      const QString caption = s.left(1) + "-" + s.mid(1) + "s";
      TwEditorPageBuilder c(this, Sub(custom, caption), "DataView", B, apply);
      c.Check("GridLine" + s + "Custom", "Custom");
      c.Check("GridLineShow" + s + "s", "Show");
      TwEditorPageBuilder p = c.Group("Custom Properties");
      p.Color("GridLine" + s + "Color", "Color");
      p.Edit("GridLine" + s + "Width", "Width", true, 0, 100);
      p.Combo("GridLine" + s + "Style", "Style", kGridStyles);
    }
  }
}

void TwPlotEditorForm::BuildLegendPages() {
  QWidget* rest = ListSide(FKindPages[ekLegend], ekLegend, {}, true);
  auto* pc = NewPageControl(this, rest, "LegendPageControl");
  FPageControls[10] = pc;
  auto apply = [this] { LegendChange(); };
  auto* B = &FBindings[ekLegend];
  TwEditorPageBuilder g(this, Sub(pc, "General"), "Legend", B, apply);
  g.Edit("ColumnSpacing", "Column Spacing");
  g.Font("Font");
  g.Check("Visible", "Visible");
  g.Check("Enabled", "Enabled");
  g.Check("PopupEnabled", "Popup Enabled");
  TwEditorPageBuilder m = g.Group("Margin");
  m.Edit("MarginLeft", "Left");
  m.Edit("MarginTop", "Top");
  m.Edit("MarginRight", "Right");
  m.Edit("MarginBottom", "Bottom");
  TwEditorPageBuilder si = g.Group("Selected Item");
  si.Font("SelectedItemFont");
  si.Color("SelectedItemBackGroundColor", "Background Color");
  TwEditorPageBuilder bg = g.Group("Background");
  bg.Check("BackGroundTransparent", "Transparent");
  bg.Color("BackGroundColor", "Color");
  TwEditorPageBuilder cn = g.Group("Channel Name");
  cn.Edit("ChannelNameMaxWidth", "Max Width");
  cn.Combo("ChannelNameColorStyle", "Color Style", {"Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor"});
  TwEditorPageBuilder lc = g.Group("Line Column");
  lc.Edit("LineColumnWidth", "Width");
  lc.Edit("LineColumnHeight", "Height");
  TwEditorPageBuilder c(this, Sub(pc, "Columns"), "Legend", B, apply);
  TwEditorPageBuilder s = c.Group("Show");
  s.Check("ShowColumnXAxisTitle", "X-Axis Title");
  s.Check("ShowColumnYAxisTitle", "Y-Axis Title");
  s.Check("ShowColumnMarker", "Marker");
  s.Check("ShowColumnXValue", "X-Value");
  s.Check("ShowColumnYValue", "Y-Value");
  s.Check("ShowColumnLine", "Line");
  s.Check("ShowColumnYMax", "Y-Max");
  s.Check("ShowColumnYMin", "Y-Min");
  s.Check("ShowColumnYMean", "Y-Mean");
  TwEditorPageBuilder t = c.Group("Titles");
  t.Check("ColumnTitlesVisible", "Visible");
  t.Font("ColumnTitlesFont");
  TwEditorPageBuilder w(this, Sub(pc, "Wrap"), "Legend", B, apply);
  for (const char* rc : {"Col", "Row"}) {
    const QString k = QString::fromLatin1(rc);
    TwEditorPageBuilder grp = w.Group(k);
    grp.Edit("Wrap" + k + "DesiredCount", "Desired Count", true, 1, 1000);
    TwEditorPageBuilder a = grp.Group("Auto Count");
    a.Edit("Wrap" + k + "AutoCountMax", "Max", true, 1, 1000);
    a.Check("Wrap" + k + "AutoCountEnabled", "Enabled");
    TwEditorPageBuilder sp = grp.Group("Spacing");
    sp.Check("Wrap" + k + "SpacingAuto", "Auto");
    sp.Edit("Wrap" + k + "SpacingMin", "Min");
  }
}

void TwPlotEditorForm::BuildAxisPages(QWidget* Page, Kind K) {
  const bool x = K == ekXAxis;
  const QString pre = Prefix(K);
  QWidget* rest = ListSide(Page, K, x ? "XAxesAddButton" : "YAxesAddButton", false);
  auto* pc = NewPageControl(this, rest, pre + "PageControl");
  FPageControls[x ? 3 : 5] = pc;
  auto apply = [this, K] { ApplyKind(K); };
  auto* B = &FBindings[K];
  const int wide = x ? 1000 : 20;
  {
    TwEditorPageBuilder g(this, Sub(pc, "General"), pre, B, apply);
    g.Converter("Min", "Min", ivcptDateTime);
    g.Converter("Span", "Span", ivcptInterval);
    g.Converter("DesiredStart", "Desired Start", ivcptInterval);
    g.Converter("DesiredIncrement", "Desired Increment", ivcptInterval);
    g.Radio("ScaleType", "Scale Type", {"Linear", "Log10"}, 2);
    g.Check("Visible", "Visible");
    g.Check("ReverseScale", "Reverse Scale");
    g.Check("Enabled", "Enabled");
    g.Check("PopupEnabled", "Popup Enabled");
    g.Check("RestoreValuesOnResume", "Restore Values On Resume");
    g.Check("MasterUIInput", "Master UI Input");
    g.Check("GridLinesVisible", "Grid Lines Visible");
  }
  {
    TwEditorPageBuilder t(this, Sub(pc, "Title"), pre, B, apply);
    t.Edit("Title", "Text");
    t.Edit("TitleMargin", "Margin");
    t.Font("TitleFont");
    t.Check("TitleShow", "Show");
    t.Check("TitleRotated", "Rotated");
  }
  {
    QWidget* labels = Sub(pc, "Labels");
    auto* v = new QVBoxLayout(labels);
    v->setContentsMargins(0, 0, 0, 0);
    auto* lpc = NewPageControl(this, labels, pre + "LabelsPageControl");
    FPageControls[x ? 4 : 6] = lpc;
    TwEditorPageBuilder d(this, Sub(lpc, "(Default)"), pre, B, apply);
    d.Edit("LabelsPrecision", "Precision", true, 0, wide);
    d.Combo("DateTimeFormat", "Date Time Format", kDateTimeFormats, true);
    d.Combo("LabelsFormatStyle", "Format Style", kFormatStyles);
    d.Combo("LabelsPrecisionStyle", "Precision Style", kPrecisionStyles);
    d.Font("LabelsFont");
    d.Check("LabelsVisible", "Visible");
    d.Edit("LabelsMargin", "Margin");
    d.Edit("LabelsMinLength", "Min Length");
    d.Edit("LabelSeparation", "Label Separation");
    d.Check("LabelsMinLengthAutoAdjust", "Min Length Auto Adjust");
    d.Combo("LabelsRotation", "Rotation", {"0", "90", "180", "270"});
    for (const char* which : {"Cursor", "Legend"}) {
      const QString w = QString::fromLatin1(which);
      TwEditorPageBuilder c(this, Sub(lpc, w), pre, B, apply);
      c.Edit(w + "Precision", "Precision", true, 0, w == "Cursor" ? 20 : wide);
      c.Combo(w + "DateTimeFormat", "Date Time Format", kDateTimeFormats, true);
      c.Combo(w + "FormatStyle", "Format Style", kFormatStyles);
      c.Combo(w + "PrecisionStyle", "Precision Style", kPrecisionStyles);
      c.Edit(w + "MinLength", "Min Length");
      c.Check(w + "MinLengthAutoAdjust", "Min Length Auto Adjust");
      c.Check(w + "UseDefaultFormat", "Use Default Format");
      auto* copy = c.Button(pre + w + "CopyDefaultButton", "Copy Default");
      const bool legend = w == "Legend";
      copy->OnClick = [this, K, legend](QObject*) { CopyDefault(K, legend); };
    }
  }
  {
    TwEditorPageBuilder t(this, Sub(pc, "Tracking"), pre, B, apply);
    t.Check("TrackingEnabled", "Enabled");
    t.Combo("TrackingStyle", "Style",
            {"Scale Min & Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand Collapse",
             "Expand Collapse Fast", "Expand Min & Max"});
    t.Edit("TrackingScrollCompressMax", "Scroll Compress Max");
    t.Combo("TrackingAlignFirstStyle", "Align First Style", {"Min", "Max", "Auto", "None"});
    t.Combo("TrackingIncrementStyle", "Increment Style", {"Minimum", "Major", "Minor"});
    t.Edit("TrackingSpanMinimum", "Span Minimum");
    t.Edit("TrackingMaxMargin", "Max Margin");
    t.Edit("TrackingMinMargin", "Min Margin");
  }
  {
    QWidget* w = Sub(pc, "Cursor");
    TwEditorPageBuilder c(this, w, pre, B, apply);
    c.Edit("CursorScaler", "Scaler");
    c.Full(new QLabel(x ? "Note: See X-Axes/Labels/Cursor Page For Additional Settings"
                        : "Note: See Y-Axes/Labels/Cursor Page For Additional Settings",
                      w));
  }
  {
    TwEditorPageBuilder s(this, Sub(pc, "Scroll"), pre, B, apply);
    s.Check("ScrollMinMaxEnabled", "Min/Max Enabled");
    s.Edit("ScrollMin", "Min");
    s.Edit("ScrollMax", "Max");
  }
  {
    TwEditorPageBuilder s(this, Sub(pc, "Scale"), pre, B, apply);
    s.Edit("MajorLength", "Major Length", true, 0, 1000);
    s.Edit("MinorCount", "Minor Count", true, 0, 100);
    s.Edit("MinorLength", "Minor Length", true, 0, 1000);
    s.Edit("InnerMargin", "Inner Margin", true, -1000, 1000);
    s.Edit("OuterMargin", "Outer Margin", true, -1000, 1000);
    s.Color("ScaleLinesColor", "Lines Color");
    s.Check("ScaleLinesShow", "Lines Show");
    s.Edit("StartPercent", "Start Percent");
    s.Edit("StopPercent", "Stop Percent");
    s.Edit("StackingEndsMargin", "Stacking Ends Margin");
    s.Combo("AlignRefAxisName", "Align Ref Axis Name", {}, true);
    auto* fs = s.Check("ForceStacking", "Force Stacking");
    fs->SetAlignment(taLeftJustify);
  }
  {
    TwEditorPageBuilder c(this, Sub(pc, "Cartesian"), pre, B, apply);
    c.Combo("CartesianStyle", "Style", {"None", "Master", "Child"});
    c.Combo("CartesianChildRefAxisName", "Child Ref Axis Name", {}, true);
    c.Converter("CartesianChildRefValue", "Child Ref Value", ivcptInterval);
    c.Edit("Layer", "Layer", true);
  }
}
