// The page catalogue of the plot property editor: every page, sub-page and
// control with its caption, kind, items and up-down bounds.
#include <QScrollArea>
#include <QVBoxLayout>

#include "plot/wEditorListBox.h"
#include "plot/wPlotEditorBuilder.h"

namespace {

const QStringList kPenStylesMarker{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"};
const QStringList kPenStylesLimit{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"};
const QStringList kBrushStyles{"Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross",
                               "DiagCross"};
const QStringList kTraceStyles{"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
const QStringList kGridStyles{"Solid", "Dash", "Dot"};
const QStringList kFormatStyles{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
const QStringList kPrecisionStyles{"Significant Digits", "Fixed Decimal Points"};
const QStringList kDateTimeFormats{"hh:nn:ss", "hh:nn:ss.zzz", "m/d hh:nn:ss", "d mmm h:nn:ss am/pm",
                                   "m/d/yy h:nn:ss am/pm", "m/d/yyyy h:nn:ss am/pm"};
const QStringList kReferences{"DataView", "Channel", "Auto"};
const QStringList kAxesControl{"X-Axis", "Y-Axis", "Both", "None"};

// A sub-page: a scrolled widget on the page control.
QWidget* SubPage(TwComponentEditorPageControl* pc, const QString& caption) {
  auto* scroll = new QScrollArea(pc);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* w = new QWidget(scroll);
  scroll->setWidget(w);
  pc->addTab(scroll, caption);
  return w;
}

}  // namespace

// An open or save picker with its caption, filter and default extension,
// placed in its group.
template <class Picker>
Picker* FilePicker(TwPlotEditorForm* f, TwEditorPageBuilder& g, const QString& name, const QString& caption,
                   const QString& filter, const QString& ext) {
  auto* p = f->Create<Picker>(g.W, name);
  p->setText(caption);
  p->Filter = filter;
  p->DefaultExt = ext;
  g.Place({}, p);
  return p;
}

TwComponentEditorPageControl* NewPageControl(TwPlotEditorForm* f, QWidget* parent, const QString& name) {
  auto* pc = f->Create<TwComponentEditorPageControl>(parent, name);
  if (parent->layout()) parent->layout()->addWidget(pc);
  return pc;
}

void TwPlotEditorForm::BuildPages() {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  auto* main = Create<TwComponentEditorPageControl>(this, "MainPageControl");
  v->addWidget(main);
  FPageControls[0] = main;
  auto page = [&](const QString& caption) {
    auto* w = new QWidget(main);
    main->addTab(w, caption);
    return w;
  };
  QWidget* control = page("Control");
  QWidget* layout = page("Layout");
  FKindPages[ekChannel] = page("Channels");
  FKindPages[ekDataCursor] = page("Cursors");
  FKindPages[ekLimit] = page("Limits");
  FKindPages[ekLabel] = page("Labels");
  FKindPages[ekXAxis] = page("X-Axes");
  FKindPages[ekYAxis] = page("Y-Axes");
  FKindPages[ekLegend] = page("Legend");
  FKindPages[ekTable] = page("Tables");
  FKindPages[ekToolBar] = page("ToolBar");
  FKindPages[ekDataView] = page("Data View");
  BuildControlPage(control);
  BuildLayoutPage(layout);
  BuildChannelPages(FKindPages[ekChannel]);
  BuildObjectPages();
  BuildAxisPages(FKindPages[ekXAxis], ekXAxis);
  BuildAxisPages(FKindPages[ekYAxis], ekYAxis);
  BuildLegendPages();
}

// The list of a kind with Add and Remove below it; the page's sub-page
// control fills the rest.
QWidget* TwPlotEditorForm::ListSide(QWidget* Page, Kind K, const QString& AddName, bool Hidden) {
  auto* h = new QHBoxLayout(Page);
  h->setContentsMargins(2, 2, 2, 2);
  auto* side = new QWidget(Page);
  auto* v = new QVBoxLayout(side);
  v->setContentsMargins(0, 0, 0, 0);
  FLists[K] = Create<TwComponentEditorListBox>(side, Prefix(K) + "ListBox");
  v->addWidget(FLists[K]);
  auto* nameEdit = Create<TwComponentEditorEdit>(side, Prefix(K) + "NameEdit");
  v->addWidget(nameEdit);
  FBindings[K].push_back({"Name", nameEdit});
  nameEdit->OnUpdate = [this, K](QObject*) { ApplyKind(K); };
  if (!AddName.isEmpty()) {
    auto* row = new QHBoxLayout;
    auto* add = Create<TwComponentEditorButton>(side, AddName);
    add->setText("Add");
    add->OnClick = [this, K](QObject*) { AddObject(K); };
    auto* remove = Create<TwComponentEditorButton>(side, Prefix(K) + "RemoveButton");
    remove->setText("Remove");
    remove->setEnabled(false);
    remove->OnClick = [this, K](QObject*) { RemoveObject(K); };
    row->addWidget(add);
    row->addWidget(remove);
    v->addLayout(row);
  }
  side->setFixedWidth(150);
  side->setVisible(!Hidden);
  h->addWidget(side);
  auto* rest = new QWidget(Page);
  auto* rv = new QVBoxLayout(rest);
  rv->setContentsMargins(0, 0, 0, 0);
  h->addWidget(rest, 1);
  FLists[K]->OnClick = [this, K](QObject*) {
    UpdateKind(K);
    if (K == ekChannel) ResetStats();
  };
  FLists[K]->OnGetData = [this, K](int Index, bool& DrawColorBox, platform::TColor& AColor, QString& AText) {
    ListGetData(K, Index, DrawColorBox, AColor, AText);
  };
  return rest;
}

void TwPlotEditorForm::BuildControlPage(QWidget* Page) {
  auto* v = new QVBoxLayout(Page);
  v->setContentsMargins(2, 2, 2, 2);
  auto* pc = NewPageControl(this, Page, "ControlPageControl");
  FPageControls[1] = pc;
  auto general = [this] { GeneralChanged(); };
  {
    TwEditorPageBuilder b(this, SubPage(pc, "General"), "", &FPlotBindings, general);
    b.Edit("UpdateFrameRate", "Update Frame Rate", true, 0, 100);
    b.Check("AutoFrameRate", "Auto Frame Rate");
    TwEditorPageBuilder m = b.Group("Outer Margin");
    m.Edit("OuterMarginLeft", "Left", true);
    m.Edit("OuterMarginTop", "Top", true);
    m.Edit("OuterMarginRight", "Right", true);
    m.Edit("OuterMarginBottom", "Bottom", true);
    b.Radio("BorderStyle", "Border Style", {"None", "Raised", "Lowered"});
    b.Combo("CopyToClipBoardFormat", "Copy To ClipBoard Format", {"Meta File", "Bitmap", "JPEG"});
    b.Check("ClipAnnotationsToAxes", "Clip Annotations To Axes");
    b.Combo("DataFileColumnSeparator", "File Column Separator", {"Tab", "Comma"}, false,
            "FileColumnSeparatorComboBox");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Title"), "", nullptr, [this] { TitleChange(); });
    b.Edit("", "Text", false, 0, 0, 1, "TitleTextEdit");
    b.Check("", "Visible", "TitleVisibleCheckBox");
    b.Font("", "", "TitleFontPicker");
    b.Edit("", "Margin", false, 0, 0, 1, "TitleMarginEdit");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Background"), "", &FPlotBindings, general);
    b.Color("BackGroundColor", "Color", "BackGroundColorPicker");
    TwEditorPageBuilder g = b.Group("Gradient");
    g.Check("BackGroundGradientEnabled", "Enabled");
    g.Color("BackGroundGradientStartColor", "Start Color", "BackGroundGradientStartColorPicker");
    g.Color("BackGroundGradientStopColor", "Stop Color", "BackGroundGradientStopColorPicker");
    g.Combo("BackGroundGradientDirection", "Direction",
            {"Top/Bottom", "Bottom/Top", "Left/Right", "Right/Left", "Top Left/Bottom Right", "Bottom Right/Top Left",
             "Bottom Left/Top Right", "Top Right/Bottom Left", "Rectangle Out", "Rectangle In", "Circle Out",
             "Circle In"});
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Print"), "", &FPlotBindings, general);
    TwEditorPageBuilder m = b.Group("Margin");
    m.Edit("PrintMarginLeft", "Left");
    m.Edit("PrintMarginTop", "Top");
    m.Edit("PrintMarginRight", "Right");
    m.Edit("PrintMarginBottom", "Bottom");
    b.Radio("PrintOrientation", "Orientation", {"Portrait", "Landscape"});
    b.Check("PrintShowDialog", "Show Dialog");
    b.Edit("PrintDocumentName", "Document Name");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Hints"), "", &FPlotBindings, general);
    b.Check("HintsShow", "Show");
    b.Edit("HintsPause", "Pause", true);
    b.Edit("HintsHidePause", "Hide Pause", true);
    b.Font("HintsFont");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "File I/O"), "", &FPlotBindings, general);
    TwEditorPageBuilder p = b.Group("Properties");
    auto* pl = Create<TwComponentEditorOpenPicker>(p.W, "PropertiesLoadPicker");
    pl->setText("Load");
    pl->Filter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
    pl->DefaultExt = "cfg";
    pl->FileMustExist = true;
    p.Place({}, pl);
    FilePicker<TwComponentEditorSavePicker>(this, p, "PropertiesSavePicker", "Save", pl->Filter, "cfg");
    TwEditorPageBuilder d = b.Group("Data");
    FilePicker<TwComponentEditorSavePicker>(this, d, "DataSavePicker", "Save",
        "Data (*.dat)|*.dat|All Files (*.*)|*.*", "dat");
    FilePicker<TwComponentEditorOpenPicker>(this, d, "DataLoadPicker", "Load",
        "Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*", "dat");
    TwEditorPageBuilder l = b.Group("Log");
    l.Edit("LogFileName", "File Name", false, 0, 0, 1, "ControlLogFileNameEdit");
    l.Edit("LogBufferSize", "Buffer Size", true, 0, 0, 1, "ControlLogBufferSizeEdit");
    l.Button("ControlLogActivateButton", "Activate");
    l.Button("ControlLogDeactivateButton", "Deactivate");
    FilePicker<TwComponentEditorOpenPicker>(this, l, "ControlLogFileNamePicker", "...",
        "Log (*.log)|*.log|All Files (*.*)|*.*", "log");
    TwEditorPageBuilder a = b.Group("Annotations");
    auto* as = FilePicker<TwComponentEditorSavePicker>(this, a, "AnnotationsSavePicker", "Save",
        "Annotations (*.ano)|*.ano|All Files (*.*)|*.*", "dat");
    FilePicker<TwComponentEditorOpenPicker>(this, a, "AnnotationsLoadPicker", "Load", as->Filter, "dat");
    BindControlFiles();
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Annotation Defaults"), "", &FPlotBindings, general);
    b.Font("AnnotationDefaultFont");
    TwEditorPageBuilder br = b.Group("Brush");
    br.Color("AnnotationDefaultBrushColor", "Color", "AnnotationDefaultBrushColorPicker");
    br.Combo("AnnotationDefaultBrushStlye", "Style", kBrushStyles);
    TwEditorPageBuilder pen = b.Group("Pen");
    pen.Combo("AnnotationDefaultPenStlye", "Style", kPenStylesLimit);
    pen.Color("AnnotationDefaultPenColor", "Color", "AnnotationDefaultPenColorPicker");
    pen.Edit("AnnotationDefaultPenWidth", "Width", true, 0, 100);
    b.Combo("AnnotationDefaultReference", "Reference",
            {"DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView "});
    b.Combo("AnnotationDefaultReferencePositionX", "Reference Position-X", kReferences);
    b.Combo("AnnotationDefaultReferencePositionY", "Reference Position-Y", kReferences);
    b.Combo("AnnotationDefaultReferenceSizeX", "Reference Size-X", kReferences);
    b.Combo("AnnotationDefaultReferenceSizeY", "Reference Size-Y", kReferences);
  }
}

void TwPlotEditorForm::BuildChannelPages(QWidget* Page) {
  QWidget* rest = ListSide(Page, ekChannel, "wChannelAddButton", false);
  auto* pc = NewPageControl(this, rest, "ChannelPageControl");
  FPageControls[2] = pc;
  auto apply = [this] { ChannelChange(); };
  auto* B = &FBindings[ekChannel];
  {
    TwEditorPageBuilder b(this, SubPage(pc, "General"), "Channel", B, apply);
    b.Edit("TitleText", "Title");
    b.Color("Color", "Color");
    b.Combo("XAxisName", "X-Axis Name", {}, true);
    b.Check("XAxisTrackingEnabled", "X-Axis Tracking Enabled");
    b.Combo("YAxisName", "Y-Axis Name", {}, true);
    b.Check("YAxisTrackingEnabled", "Y-Axis Tracking Enabled");
    b.Check("Visible", "Visible");
    b.Check("VisibleInLegend", "Visible in Legend");
    b.Edit("RingBufferSize", "Ring Buffer Size");
    b.Check("PopupEnabled", "Popup Enabled");
    b.ClassDependent = true;
    b.Check("FastDrawEnabled", "Fast Draw");
    b.ClassDependent = false;
    b.Combo("DataStyle", "Data Style", {"Standard", "Compact", "Compact Interval", "Full Feature"});
    b.Edit("Layer", "Layer", true);
    b.Check("UserCanMoveDataPoints", "User Can Move Data Points");
    b.Combo("UserCanMoveDataPointsStyle", "Style", {"X and Y", "X Only", "Y Only"});
    b.Check("ClipToAxes", "Clip To Axes");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Trace"), "Channel", B, apply);
    b.Combo("TraceLineStyle", "Line Style", kTraceStyles);
    b.Edit("TraceLineWidth", "Line Width", true, 0, 100);
    b.Check("TraceVisible", "Visible");
    b.ClassDependent = true;
    auto* c = b.Combo("InterpolationStyle", "Interpolation Style",
                      {"Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential",
                       "Differential Terminated"});
    FInterpolationLabel = static_cast<QLabel*>(b.G->itemAtPosition((b.N - 1) / 2, ((b.N - 1) % 2) * 2)->widget());
    (void)c;
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Marker"), "Channel", B, apply);
    b.Edit("MarkersSize", "Size", true, 0, 100);
    b.Combo("MarkersStyle", "Style",
            {"Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down", "Triangle Left",
             "Triangle Right", "Vertical Line", "Horizontal Line", "Character"});
    b.Edit("MarkersTurnOffLimit", "Turn Off Limit", true, 0, 20000, 100);
    b.Check("MarkersVisible", "Visible");
    b.Check("MarkersAllowIndividual", "Allow Individual");
    b.Font("MarkersFont");
    TwEditorPageBuilder pen = b.Group("Pen");
    pen.Combo("MarkersPenStyle", "Style", kPenStylesMarker);
    pen.Color("MarkersPenColor", "Color");
    pen.Edit("MarkersPenWidth", "Width", true, 0, 100);
    pen.Check("MarkersPenUseChannelColor", "Use Channel Color");
    TwEditorPageBuilder br = b.Group("Brush");
    br.Combo("MarkersBrushStyle", "Style", kBrushStyles);
    br.Color("MarkersBrushColor", "Color");
    br.Check("MarkersBrushUseChannelColor", "Use Channel Color");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Bar"), "Channel", B, apply);
    b.ClassDependent = true;
    b.Check("BarEnabled", "Enabled");
    b.Edit("BarReference", "Reference");
    b.Converter("BarWidth", "Width", ivcptInterval);
    TwEditorPageBuilder pen = b.Group("Pen");
    pen.Combo("BarPenStyle", "Style", kPenStylesMarker);
    pen.Color("BarPenColor", "Color");
    pen.Edit("BarPenWidth", "Width", true, 0, 100);
    pen.Check("BarPenUseChannelColor", "Use Channel Color");
    TwEditorPageBuilder br = b.Group("Brush");
    br.Combo("BarBrushStyle", "Style", kBrushStyles);
    br.Color("BarBrushColor", "Color");
    br.Check("BarBrushUseChannelColor", "Use Channel Color");
  }
  {
    QWidget* w = SubPage(pc, "High/Low");
    TwEditorPageBuilder b(this, w, "Channel", B, apply);
    b.ClassDependent = true;
    b.Check("HighLowEnabled", "Enabled");
    b.Combo("HighLowStyle", "Style", {"Open/Close", "Candlestick"});
    auto* sub = Create<TwComponentEditorPageControl>(w, "ChannelHighLowPageControl");
    b.Full(sub);
    TwEditorPageBuilder oc(this, SubPage(sub, "Open/Close"), "Channel", B, apply);
    oc.ClassDependent = true;
    for (const char* side : {"Open", "Close"}) {
      TwEditorPageBuilder g = oc.Group(side);
      const QString s = QString::fromLatin1(side);
      g.Color("HighLow" + s + "Color", "Color");
      g.Converter("HighLow" + s + "Width", "Width", ivcptInterval);
      g.Converter("HighLow" + s + "Height", "Height", ivcptInterval);
      g.Check("HighLow" + s + "Show", "Show");
    }
    TwEditorPageBuilder bar = oc.Group("Bar");
    bar.Color("HighLowBarColor", "Color");
    bar.Converter("HighLowBarWidth", "Width", ivcptInterval);
    TwEditorPageBuilder cs(this, SubPage(sub, "Candlestick"), "Channel", B, apply);
    cs.ClassDependent = true;
    cs.Color("HighLowShadowColor", "Shadow Color");
    cs.Color("HighLowBullishColor", "Bullish Color");
    cs.Color("HighLowBearishColor", "Bearish Color");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Fill"), "Channel", B, apply);
    b.ClassDependent = true;
    b.Check("FillEnabled", "Enabled");
    b.Edit("FillReference", "Reference");
    b.Check("FillUseChannelColor", "Use Channel Color");
    b.Combo("FillStyle", "Style", kBrushStyles);
    b.Color("FillColor", "Color");
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "Digital"), "Channel", B, apply);
    b.ClassDependent = true;
    b.Check("DigitalEnabled", "Enabled");
    b.Edit("DigitalReferenceHigh", "Reference High");
    b.Edit("DigitalReferenceLow", "Reference Low");
    b.Combo("DigitalReferenceStyle", "Reference Style", {"Scale", "Percent"});
  }
  {
    TwEditorPageBuilder b(this, SubPage(pc, "File I/O"), "Channel", B, apply);
    TwEditorPageBuilder l = b.Group("Log");
    l.Edit("LogFileName", "File Name");
    l.Edit("LogBufferSize", "Buffer Size", true, 0, 32767);
    l.Button("ChannelLogActivateButton", "Activate");
    l.Button("ChannelLogDeactivateButton", "Deactivate");
    FilePicker<TwComponentEditorOpenPicker>(this, l, "ChannelLogFileNamePicker", "...",
        "Log (*.log)|*.log|All Files (*.*)|*.*", "log");
    TwEditorPageBuilder p = b.Group("Properties");
    auto* pl = FilePicker<TwComponentEditorOpenPicker>(this, p, "ChannelPropertiesLoadPicker", "Load",
        "Config (*.cfg)|*.cfg|All Files (*.*)|*.*", "cfg");
    FilePicker<TwComponentEditorSavePicker>(this, p, "ChannelPropertiesSavePicker", "Save", pl->Filter, "cfg");
    TwEditorPageBuilder d = b.Group("Data");
    auto* dl = FilePicker<TwComponentEditorOpenPicker>(this, d, "ChannelDataLoadPicker", "Load",
        "Data (*.dat)|*.dat|All Files (*.*)|*.*", "dat");
    FilePicker<TwComponentEditorSavePicker>(this, d, "ChannelDataSavePicker", "Save", dl->Filter, "dat");
    BindChannelFiles();
  }
  {
    QWidget* w = SubPage(pc, "Stats");
    TwEditorPageBuilder b(this, w, "ChannelStats", nullptr, [] {});
    for (const char* caption : {"Point Count", "Memory Used", "X-Min", "X-Max", "X-Mean", "Y-Min", "Y-Max", "Y-Mean",
                                "Data Point Size", "Max Data Points", "Point Capacity"}) {
      auto* value = new QLabel(QStringLiteral("Click Refresh"), w);
      b.Place(QString::fromLatin1(caption) + " =", value);
      FStatsLabels.push_back(value);
    }
    auto* refresh = b.Button("ChannelStatsRefreshButton", "Refresh");
    refresh->OnClick = [this](QObject*) { ChannelStatsRefreshButtonClick(); };
  }
}
