// TwPlotComponent: the plot control. It owns a master manager with every
// object manager, adds, finds and deletes plot objects of eleven kinds (the
// index of an object is its index in its kind's manager), runs the layout
// and paints every object on the instrument base's off-screen canvas:
//
//   background, data view background, then the layer list (limits below the
//   grid, data view 0, other limits, cartesian axes, channels, annotations;
//   ordered by the objects' layer keys, equal keys in reverse index order,
//   each clipped to data view 0), the border, the axes beside the data view,
//   labels, toolbars, data cursors, legends and tables.
//
// A paint draws nothing at all while the plot has no toolbar, no legend or
// no data view. Every paint runs the layout pass twice (CalcLayout): the
// second run sees the room the first run's scales need.
//
// Label 0 holds the title (TitleText, TitleVisible, TitleMargin, TitleFont)
// and cannot be deleted. Object changes request a throttled repaint;
// deletions and RemoveAll repaint at once.
//
// Input. The plot hands mouse, wheel and keys to its objects
// (wPlotInput.cpp). The object under the mouse is the first, in registration
// order, that is enabled, visible and hit: selected objects before the
// others, data views and legends last. A press selects it (Shift or Ctrl
// select axes; a right press first clears every selection) and goes to it
// alone when it cannot take the focus, is a button, an annotation or a limit,
// or for the right button; otherwise to every selected object. Moves with a
// button down drag the pressed object (or the selected ones); other moves
// set the cursor and ask the object under the mouse for a hint, shown in a
// clInfoBk box after HintsPause ms of rest and hidden after HintsHidePause
// ms, by a press, or when the mouse leaves. The wheel and keys go to the
// selected objects; the plot keeps the arrow keys. A press gives the plot the
// keyboard focus; a double click runs as a press whose release fires the
// double-click events.
//
// Events (wPlotEvents.h) come from the objects through the relays below,
// which turn the object into its index in its kind's manager (-1 when it is
// in none). Nothing fires while the plot is loading, except
// OnDataCursorChange.
//
// Translation: TranslateText answers the replacement of the plot's
// translation list (wPlotTranslation.h).
#pragma once

#include <QImage>

#include <array>

#include <memory>
#include <vector>

#include "controls/CustomImageList.h"
#include "controls/wWinComponent.h"
#include "plot/wPlotEvents.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotMasterManager.h"

enum TwPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum TwPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
enum TwPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum TwPlotDataFileFormat { ipdffText, ipdffCompactInterval };
enum TwPrinterOrientation { poPortrait, poLandscape };

class TwPlotAxis;
class TwPlotXAxis;
class TwPlotYAxis;
class TwPlotChannelCustom;
class TwPlotDataView;
class TwPlotDataCursor;
class TwPlotToolBar;
class TwPlotLegend;
class TwPlotTable;
class TwPlotLimit;
class TwPlotLabel;
class TwPlotAnnotation;
class QPainter;
class QPicture;
class QPrinter;
struct TwPrintState;

class TwPlotComponent : public TwCustomComponent, public TwPlotEvents {
  Q_OBJECT
 public:
  explicit TwPlotComponent(QWidget* parent = nullptr);
  ~TwPlotComponent() override;

  TwPlotMasterManager* Master() const { return FMaster.get(); }

  // ---- objects ----
  int AddChannel() { return FMaster->AddChannel(); }
  int AddDataView() { return FMaster->AddDataView(); }
  int AddDataCursor() { return FMaster->AddDataCursor(); }
  int AddXAxis() { return FMaster->AddXAxis(); }
  int AddYAxis() { return FMaster->AddYAxis(); }
  int AddLegend() { return FMaster->AddLegend(); }
  int AddTable() { return FMaster->AddTable(); }
  int AddToolBar() { return FMaster->AddToolBar(); }
  // Takes the annotation defaults.
  int AddAnnotation();
  int AddLimit() { return FMaster->AddLimit(); }
  int AddLabel() { return FMaster->AddLabel(); }
  // A translation pair; its index.
  int AddTranslation(const QString& OriginalString, const QString& ReplacementString);

  void DeleteToolBar(int Index);
  void DeleteLegend(int Index);
  void DeleteTable(int Index);
  void DeleteXAxis(int Index);
  void DeleteYAxis(int Index);
  void DeleteDataView(int Index);
  void DeleteDataCursor(int Index);
  void DeleteChannel(int Index);
  void DeleteAnnotation(int Index);
  void DeleteLimit(int Index);
  // Label 0 is the title's and is refused.
  void DeleteLabel(int Index);
  void DeleteTranslation(int Index);

  void RemoveAllToolBars();
  void RemoveAllLegends();
  void RemoveAllTables();
  void RemoveAllXAxes();
  void RemoveAllYAxes();
  void RemoveAllDataViews();
  void RemoveAllDataCursors();
  void RemoveAllChannels();
  void RemoveAllAnnotations();
  void RemoveAllLimits();
  // Keeps label 0.
  void RemoveAllLabels();
  void RemoveAllTranslations();

  int ChannelCount() const { return FMaster->ChannelManager()->Count(); }
  int DataViewCount() const { return FMaster->DataViewManager()->Count(); }
  int DataCursorCount() const { return FMaster->DataCursorManager()->Count(); }
  int LegendCount() const { return FMaster->LegendManager()->Count(); }
  int TableCount() const { return FMaster->TableManager()->Count(); }
  int ToolBarCount() const { return FMaster->ToolBarManager()->Count(); }
  int XAxisCount() const { return FMaster->XAxisManager()->Count(); }
  int YAxisCount() const { return FMaster->YAxisManager()->Count(); }
  int LimitCount() const { return FMaster->LimitManager()->Count(); }
  int LabelCount() const { return FMaster->LabelManager()->Count(); }
  int AnnotationCount() const { return FMaster->AnnotationManager()->Count(); }
  int TranslationCount() const { return FMaster->TranslationManager()->Count(); }
  QString GetTranslationOriginalString(int Index) const;
  QString GetTranslationReplacementString(int Index) const;
  // "Error Saving Translation Data - ..." / "Error Loading Data - ...".
  void SaveTranslationsToFile(const QString& FileName);
  void LoadTranslationsFromFile(const QString& FileName);

  // Throw std::out_of_range("List index out of bounds (n)").
  TwPlotChannelCustom* GetChannelCustom(int Index) const;
  TwPlotToolBar* GetToolBar(int Index) const;
  TwPlotLegend* GetLegend(int Index) const;
  TwPlotTable* GetTable(int Index) const;
  TwPlotDataView* GetDataView(int Index) const;
  TwPlotDataCursor* GetDataCursor(int Index) const;
  TwPlotXAxis* GetXAxis(int Index) const;
  TwPlotYAxis* GetYAxis(int Index) const;
  TwPlotLimit* GetLimit(int Index) const;
  TwPlotLabel* GetLabel(int Index) const;
  TwPlotAnnotation* GetAnnotation(int Index) const;

  // By name, ignoring case; null or -1 when absent.
  TwPlotChannelCustom* GetChannelByName(const QString& Value) const;
  TwPlotDataCursor* GetDataCursorByName(const QString& Value) const;
  TwPlotDataView* GetDataViewByName(const QString& Value) const;
  TwPlotLabel* GetLabelByName(const QString& Value) const;
  TwPlotLegend* GetLegendByName(const QString& Value) const;
  TwPlotTable* GetTableByName(const QString& Value) const;
  TwPlotLimit* GetLimitByName(const QString& Value) const;
  TwPlotToolBar* GetToolBarByName(const QString& Value) const;
  TwPlotXAxis* GetXAxisByName(const QString& Value) const;
  TwPlotYAxis* GetYAxisByName(const QString& Value) const;
  TwPlotAnnotation* GetAnnotationByName(const QString& Value) const;
  int GetChannelIndexByName(const QString& Value) const;
  int GetXAxisIndexByName(const QString& Value) const;
  int GetYAxisIndexByName(const QString& Value) const;
  int GetAnnotationIndexByName(const QString& Value) const;
  int GetDataCursorIndexByName(const QString& Value) const;
  int GetDataViewIndexByName(const QString& Value) const;
  int GetLabelIndexByName(const QString& Value) const;
  int GetLegendIndexByName(const QString& Value) const;
  int GetLimitIndexByName(const QString& Value) const;
  int GetTableIndexByName(const QString& Value) const;
  int GetToolBarIndexByName(const QString& Value) const;

  // ---- configuration and annotation files (wPlotFiles.cpp) ----
  // The "Plot Config" file: counts, one section per object, the plot's own
  // properties (without Name, and without the window's place and state
  // unless OptionSaveAllProperties). DifferentialPropertySave leaves out
  // values at their declared defaults. Failures raise "Error Saving
  // Properties - " / "Error Loading Properties - " and the cause; a load
  // keeps the toolbars and applies the toolbar sections to toolbar 0.
  void SavePropertiesToFile(const QString& FileName) override;
  void LoadPropertiesFromFile(const QString& FileName) override;
  // "AnnotationCount = n", then each annotation's values that differ from
  // their defaults. Failures raise "Error Saving Annotations - " / "Error
  // Loading Annotations - " and the cause.
  void SaveAnnotationsToFile(const QString& FileName);
  void LoadAnnotationsFromFile(const QString& FileName);
  // The file of the last successful configuration save or load.
  QString LastPropertiesFileName() const { return FLastPropertiesFileName; }

  // ---- settings ----
  int DataViewZHorz() const;
  void SetDataViewZHorz(int Value);
  int DataViewZVert() const;
  void SetDataViewZVert(int Value);
  bool XYAxesReverse() const;
  void SetXYAxesReverse(bool Value) { FMaster->SetXYAxesReverse(Value); }
  bool UserCanEditObjects() const { return FMaster->UserCanEditObjects(); }
  void SetUserCanEditObjects(bool Value) { FMaster->SetUserCanEditObjects(Value); }
  bool UserCanAddRemoveChannels() const { return FUserCanAddRemoveChannels; }
  void SetUserCanAddRemoveChannels(bool Value) { FUserCanAddRemoveChannels = Value; }
  int OuterMarginLeft() const { return FOuterMarginLeft; }
  void SetOuterMarginLeft(int Value) { SetIntegerProperty(Value, FOuterMarginLeft, 0); }
  int OuterMarginTop() const { return FOuterMarginTop; }
  void SetOuterMarginTop(int Value) { SetIntegerProperty(Value, FOuterMarginTop, 0); }
  int OuterMarginRight() const { return FOuterMarginRight; }
  void SetOuterMarginRight(int Value) { SetIntegerProperty(Value, FOuterMarginRight, 0); }
  int OuterMarginBottom() const { return FOuterMarginBottom; }
  void SetOuterMarginBottom(int Value) { SetIntegerProperty(Value, FOuterMarginBottom, 0); }
  bool HintsShow() const { return FHintsShow; }
  void SetHintsShow(bool Value) { FHintsShow = Value; }
  int HintsPause() const { return FHintsPause; }
  void SetHintsPause(int Value) { FHintsPause = Value; }
  int HintsHidePause() const { return FHintsHidePause; }
  void SetHintsHidePause(int Value) { FHintsHidePause = Value; }
  bool ClipAnnotationsToAxes() const { return FClipAnnotationsToAxes; }
  void SetClipAnnotationsToAxes(bool Value) { SetBooleanProperty(Value, FClipAnnotationsToAxes, 0); }
  bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
  void SetBackGroundGradientEnabled(bool Value) { SetBooleanProperty(Value, FBackGroundGradientEnabled, 0); }
  platform::TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
  void SetBackGroundGradientStartColor(platform::TColor Value) {
    SetColorProperty(Value, FBackGroundGradientStartColor, 0);
  }
  platform::TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
  void SetBackGroundGradientStopColor(platform::TColor Value) {
    SetColorProperty(Value, FBackGroundGradientStopColor, 0);
  }
  TwFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
  void SetBackGroundGradientDirection(TwFillDirection Value);
  bool PaintingActive() const { return FPaintingActive; }
  const platform::TFont& HintsFont() const { return FHintsFont; }
  void SetHintsFont(const platform::TFont& Value) { FHintsFont = Value; }
  TwPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
  void SetEditorFormStyle(TwPlotFormStyle Value) { FEditorFormStyle = Value; }
  TwPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
  void SetCopyToClipBoardFormat(TwPlotExportFormat Value) { FCopyToClipBoardFormat = Value; }
  bool DifferentialPropertySave() const { return FDifferentialPropertySave; }
  void SetDifferentialPropertySave(bool Value) { FDifferentialPropertySave = Value; }
  int LogBufferSize() const { return FLogBufferSize; }
  void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
  QString LogFileName() const { return FLogFileName; }
  bool LoggingActive() const { return FLoggingActive; }
  TwPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
  TwPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }

  // ---- data files and the log (wPlotDataFiles.cpp) ----
  // While logging these three refuse a change ("Log File Name can not be
  // changed while logging is active.", "Data File Column Seperator can not be
  // changed while logging active", and for the format any write: "Data File
  // Format can not be changed while logging active").
  void SetLogFileName(const QString& Value);
  void SetDataFileColumnSeparator(TwPlotDataFileColumnSeparator Value);
  void SetDataFileFormat(TwPlotDataFileFormat Value);
  QString LastDataFileName() const { return FLastDataFileName; }
  // All channels in one file: text (two columns per channel, header
  // TitleText + "(X)" / "(Y)") or Compact Interval bytes, by DataFileFormat.
  // Loading appends to the channels and recognises text with either
  // separator, text logs ("(X)" header) and Compact Interval files. Failures
  // read "Error Saving Data - ..." / "Error Loading Data - ...".
  void SaveDataToFile(const QString& FileName);
  void LoadDataFromFile(const QString& FileName);
  // The plot's log: one X column (channel 0's) and a Y column per channel,
  // or Compact Interval rows; rows go out every LogBufferSize rows.
  void LogActivate(bool Append);
  void LogDeactivate();
  // One value per channel at XValue (1e-301 .. 1e-300 exclusive: a Null
  // point, 1e-302 .. 1e-301: an Empty point); one row.
  void AddDataArray(double XValue, const std::vector<double>& Data);
  // Data[c][s]: sample s of channel c, each at its channel's last X +
  // XValue (0 on an empty channel); one row per sample.
  void AddDataArray(double XValue, const std::vector<std::vector<double>>& Data);
  QString DefaultSaveImageDirectory, DefaultPropertyDirectory, DefaultDataDirectory, DefaultAnnotationDirectory;
  TwPlotImageFormatStyle DefaultSaveImageFormat = ipifBitmap;
  // Print settings.
  TwPrinterOrientation PrintOrientation = poLandscape;
  double PrintMarginLeft = 1.0, PrintMarginTop = 1.0, PrintMarginRight = 1.0, PrintMarginBottom = 1.0;
  bool PrintShowDialog = true;
  QString PrintDocumentName = QStringLiteral("Untitled");
  QString PrinterName;

  // What AddAnnotation gives a new annotation.
  const platform::TFont& AnnotationDefaultFont() const { return FAnnotationDefaultFont; }
  void SetAnnotationDefaultFont(const platform::TFont& Value) { FAnnotationDefaultFont = Value; }
  platform::TBrushStyle AnnotationDefaultBrushStlye = platform::bsSolid;
  platform::TColor AnnotationDefaultBrushColor = platform::clWhite;
  platform::TPenStyle AnnotationDefaultPenStlye = platform::psSolid;
  platform::TColor AnnotationDefaultPenColor = platform::clWhite;
  int AnnotationDefaultPenWidth = 1;
  TwPlotReferenceType AnnotationDefaultReference = iprtDataView;
  TwPlotReferenceIndividual AnnotationDefaultReferencePositionX = ipriAuto;
  TwPlotReferenceIndividual AnnotationDefaultReferencePositionY = ipriAuto;
  TwPlotReferenceIndividual AnnotationDefaultReferenceSizeX = ipriAuto;
  TwPlotReferenceIndividual AnnotationDefaultReferenceSizeY = ipriAuto;

  // The title, on label 0; nothing without labels.
  QString TitleText() const;
  void SetTitleText(const QString& Value);
  bool TitleVisible() const;
  void SetTitleVisible(bool Value);
  double TitleMargin() const;
  void SetTitleMargin(double Value);
  platform::TFont TitleFont() const;
  void SetTitleFont(const platform::TFont& Value);

  // ---- layout ----
  void DisableLayoutManager();
  void EnableLayoutManager();
  void RefreshLayoutManager();
  // Paints into a scratch bitmap so that every layout rectangle is current.
  void ReCalcLayout();
  // The layout pass (two runs per paint).
  void CalcLayout(platform::Canvas& Canvas);

  // Empties every channel; the axes align again on the next tracked value.
  // Ends logging first.
  void ClearAllData();
  // Appends the source channel's points StartIndex .. StopIndex (with their
  // Null and Empty flags) to the destination channel; nothing when StopIndex <
  // StartIndex. "Start Index Must be 0 or Greater", "StopIndex Must Out Of
  // Range" (StopIndex past the source's last point).
  void TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex, int StopIndex);
  // TrackingEnabled of every X and Y axis.
  void DisableAllTracking();
  void EnableAllTracking();
  bool GetToolBarSelectActive() const;
  void SetToolBarSelectActive(bool Value);

  // ---- services the objects call ----
  TwPlotObjectManager* GetPlotObjectManager() const { return FMaster->PlotObjectManager(); }
  TwPlotTranslationManager* GetTranslationManager() const { return FMaster->TranslationManager(); }
  // Labels of cartesian axes: the first rectangle of a paint is taken as it
  // is; later ones must lie inside data view 0 and overlap none taken.
  bool TryAddCollisionRect(const platform::TRect& R);
  void AddCollisionRect(const platform::TRect& R);
  void AddLayerEntry(const QString& Key, TwPlotObject* AObject);
  const std::vector<std::pair<QString, TwPlotObject*>>& LayerList() const { return FLayerList; }
  QString TranslateText(const QString& Text) const;

  // ---- image lists 0..2 (24 x 24 at first) ----
  TCustomImageList* ImageList(int ImageListIndex) const;
  void ImageListClear(int ImageListIndex);
  // The first image sets the size; a smaller one is centred on the list's
  // size, a larger one scaled down; a mix raises.
  void ImageListAdd(int ImageListIndex, const QImage& ABitmap);

  // ---- printing, clipboard and image files (wPlotPrint.cpp) ----
  // PrintChart prints the visible range of X axis 0 on Printer(), one page
  // per Span of that axis (OnBeforePrint or OnBeforePrintPage may narrow
  // it), each page the plot's picture scaled into the print margins; with
  // PrintShowDialog the print dialog comes first (Cancel prints nothing).
  // Failures come as "Error Printing : " + message. Toolbars are hidden and
  // nothing is selected while printing; each toolbar's visibility, the axis,
  // the size and the outer margins are restored afterwards.
  void PrintChart();
  // The modal print preview (wPlotPreviewForm.h).
  void PreviewChart();
  // Height := Width x the paper's aspect; nothing before the first print.
  void PrintSizeToFillPage();
  // X axis 0's Span so that one printed millimetre covers the given minutes;
  // nothing before the first print or with a Height of 0.
  void PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter);
  // The plot's picture on the clipboard in CopyToClipBoardFormat: an image
  // (ipefBitmap), JPEG bytes at quality 100 (ipefJPEG), or SVG (the metafile
  // stand-in) with an image (ipefMetaFile). Toolbars hidden meanwhile.
  void CopyToClipBoard();
  // A recording of the plot's paint (Width x Height), owned by the plot.
  const QPicture& GetSnapShotPicture();
  // The plot's picture as an image file, through the save dialog.
  void Save();
  // The file step of Save: the format from FileName's extension (bmp, svg,
  // jpg or jpeg, png; any case), or else from the filter entry FilterIndex
  // (1 bitmap, 2 SVG, 3 JPEG, 4 PNG) with its extension added.
  void SaveImageFile(const QString& FileName, int FilterIndex);
  // The printer PrintChart uses, made on first use (tests set PDF output).
  QPrinter* Printer();
  // The page rectangle of the plot for a printer's resolution, paintable
  // offset and paper size in pixels, inside the print margins.
  platform::TRect PrintPageRect(int DpiX, int DpiY, int OffsetX, int OffsetY, int PaperWidthPixels,
                                int PaperHeightPixels) const;
  // Paper metrics of the last print; 0 before it.
  double PrinterPaperWidthInches() const;
  double PrinterPaperHeightInches() const;
  double PrinterPaperWidthCentimeters() const { return PrinterPaperWidthInches() * 2.54; }
  double PrinterPaperHeightCentimeters() const { return PrinterPaperHeightInches() * 2.54; }
  int PrinterPaperWidthPixels() const;
  int PrinterPaperHeightPixels() const;
  double PrintXStart = 0, PrintXStop = 0;
  // Records the plot's ordinary paint (Width x Height).
  void RecordPicture(QPicture& Picture);
  // Plays a recording of Size pixels stretched into Rect, whatever the
  // resolution of the painter's device.
  static void PlayPicture(QPainter& Painter, const QPicture& Picture, const platform::TRect& Rect, QSize Size);

  // ---- input ----
  // The object (or button) that takes the mouse at MouseData; null for none.
  TwPlotObject* GetObjectUnderMouse(const TwPlotMouseData& MouseData);
  // The axis pixels of MouseData, exchanged while the axes are exchanged.
  void SetAxisPixels(TwPlotMouseData& MouseData) const;
  // The hint box as the last move left it; Visible while it is shown.
  const TwHintData& HintData() const { return FHintData; }
  // The last paint drew the hint box.
  bool HintShowing() const { return FHintShowing; }
  void HideHint();
  // The mouse left the plot or the plot lost the focus (the window system's
  // capture taken away): the hint goes, the object under the mouse is told.
  void WMCaptureChanged();

  // ---- kind relays: the event of the object's kind ----
  void DoMouseDownEvent(TwPlotObject* AObject, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void DoMouseMoveEvent(TwPlotObject* AObject, Qt::KeyboardModifiers Shift, int X, int Y);
  void DoMouseUpEvent(TwPlotObject* AObject, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  // Axes, data views, legends, limits, cursors, annotations and time-series
  // channels (TwPlotChannel); XY channels fire no wheel event.
  void DoMouseWheelEvent(TwPlotObject* AObject, int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y);
  // The double-click event while a double click is active (and ends it),
  // else the click event.
  void DoClickEvent(TwPlotObject* AObject);
  void DoGetMouseCursorEvent(TwPlotObject* AObject, TCursor& Cursor);
  void DoPopupMenuEvent(TwPlotObject* AObject, bool& Cancel, int ScreenX, int ScreenY);
  void DoGotFocusEvent(TwPlotObject* AObject);
  void DoLostFocusEvent(TwPlotObject* AObject);

  // ---- single relays ----
  void DoMouseDownDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::MouseButton Button,
                                 Qt::KeyboardModifiers Shift, int X, int Y);
  void DoMouseMoveDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::KeyboardModifiers Shift, int X, int Y);
  void DoMouseUpDataPointEvent(TwPlotObject* Channel, int DataIndex, Qt::MouseButton Button,
                               Qt::KeyboardModifiers Shift, int X, int Y);
  // OnDblClickDataPoint while a double click is active, else
  // OnClickDataPoint; the double click stays active.
  void DoClickDataPointEvent(TwPlotObject* Channel, int DataIndex);
  void DoDataPointMovedEvent(TwPlotObject* Channel, int DataIndex, double OldX, double OldY, double NewX,
                             double NewY);
  void DoDataPointCustomizeHintEvent(TwPlotObject* Channel, int DataPointIndex, QString& AText);
  void DoXAxisMinChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue);
  void DoXAxisSpanChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue);
  void DoYAxisMinChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue);
  void DoYAxisSpanChangeEvent(TwPlotObject* Axis, double OldValue, double NewValue);
  void DoXAxisMinSpanChangeEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin, double NewSpan);
  void DoXAxisMinSpanChangeFinishedEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin,
                                         double NewSpan);
  void DoYAxisMinSpanChangeEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin, double NewSpan);
  void DoYAxisMinSpanChangeFinishedEvent(TwPlotObject* Axis, double OldMin, double OldSpan, double NewMin,
                                         double NewSpan);
  void DoXAxisCustomizeHintEvent(TwPlotObject* Axis, QString& AText);
  void DoYAxisCustomizeHintEvent(TwPlotObject* Axis, QString& AText);
  // Fires also while the plot is loading.
  void DoDataCursorChangeEvent(TwPlotObject* DataCursor);
  void DoBeforeDataCursorUpdateEvent(TwPlotObject* DataCursor);
  void DoDataCursorCustomizeHintEvent(TwPlotObject* DataCursor, QString& AText);
  void DoToolBarCustomizeHintEvent(TwPlotObject* ToolBar, QString& AText);
  void DoToolBarButtonClickEvent(TwPlotObject* ToolBar, TwPlotToolBarButtonType ButtonType);
  void DoBeforeToolBarButtonClickEvent(TwPlotObject* ToolBar, TwPlotToolBarButtonType ButtonType, bool& Cancel);
  void DoLimitLine1PositionChangeEvent(TwPlotObject* Limit, double OldValue, double NewValue);
  void DoLimitLine2PositionChangeEvent(TwPlotObject* Limit, double OldValue, double NewValue);
  void DoAnnotationCoordinatesChangeEvent(TwPlotObject* Annotation);
  void DoAnnotationMoveUserEvent(TwPlotObject* Annotation);
  void DoAnnotationResizeUserEvent(TwPlotObject* Annotation);
  void DoAnnotationCoordinatesChangeFinishedEvent(TwPlotObject* Annotation);
  void DoBeforeZoomBoxEvent(TwPlotObject* DataView, platform::TRect& ZoomRect, bool& Cancel);
  // An axis about to draw the label of Value: the X or Y axis's
  // customize-label event may change ALabel, or call SetCustomizeLabelText.
  void DoCustomizeLabelEvent(TwPlotObject* Axis, QString& ALabel, double Value);
  void SetCustomizeLabelText(const QString& Value) { FTempCustomLabel = Value; }

  // ---- one axis's input repeated on the other axes of its direction ----
  // Calls that come back while a repetition runs do nothing.
  void RepeatAxisMouseLeft(TwPlotObject* Axis, const TwPlotMouseData& MouseData);
  void RepeatAxisMouseMove(TwPlotObject* Axis, const TwPlotMouseData& MouseData);
  void RepeatAxisMouseUp(TwPlotObject* Axis, const TwPlotMouseData& MouseData);
  void RepeatAxisMouseWheel(TwPlotObject* Axis, int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y);
  void RepeatAxisKeyDown(TwPlotObject* Axis, int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu);

 protected:
  // The objects every plot starts with: toolbar, legend, one X and one Y
  // axis, a channel, the data view, a data cursor and the "Title" label.
  void AddStandardObjects();
  void DoPaint(platform::Canvas& Canvas) override;
  // Paint step 16: the hint box.
  void drawHint(platform::Canvas& Canvas);
  // One tick of the private timer: shows a pending hint, hides a shown one.
  void HintTimer();

  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoDblClick() override;
  bool DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) override;
  void DoWantSpecialKey(int& CharCode, int& Result) override;
  void DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift) override;
  void DoKillFocus() override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  virtual void DoObjectChange(TwPersistent* Sender);
  virtual void DoObjectAdded(TwPersistent* Sender);
  virtual void DoObjectRemoved(TwPersistent* Sender);

 private:
  // Every axis rebuilds and places its ticks.
  void UpdateAllTicks(platform::Canvas& Canvas);
  void CollectVisible(const TwPlotSideList& List, std::vector<TwPlotLayoutObject*>& Visible) const;
  void SetStackedFlags(const std::vector<TwPlotLayoutObject*>& List) const;
  void MaxEndsOverhang(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List, int& Start,
                       int& Stop) const;
  int RowWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List, int Row) const;
  int StackWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List) const;
  void DeleteFrom(TwPlotObjectManagerCustom* Manager, int Index);
  enum TwPlotEventKind { ipekChannel, ipekXAxis, ipekYAxis, ipekDataCursor, ipekDataView, ipekLegend, ipekLimit,
                         ipekAnnotation, ipekNone };
  // The kind of AObject and its index in that kind's manager.
  TwPlotEventKind KindOf(TwPlotObject* AObject, int& Index, bool WheelChannel = false) const;
  template <class E, class... A>
  void FireKind(TwPlotObject* AObject, const std::array<E*, ipekNone>& Events, bool WheelChannel, A&&... Args);
  template <class E, class... A>
  void FireSingle(const E& Event, TwPlotObjectManagerCustom* Manager, TwPlotObject* AObject, A&&... Args);
  template <class F>
  void RepeatAxis(TwPlotObject* Axis, F Operation);
  void SetAllShiftState(Qt::KeyboardModifiers Shift);
  void HintSteps(TwPlotObject* Target, const TwHintData& Hint, int X, int Y);
  QPoint ScreenOf(int X, int Y) const;
  void ClearManager(TwPlotObjectManagerCustom* Manager);
  // The page loop of PrintChart, and one page into Rect.
  void PrintPages(QPrinter& Printer);
  void PrintDrawPage(QPainter& Painter, const platform::TRect& Rect);
  TwPrintState& PrintState();
  // The kinds of the configuration file, in its order (wPlotFiles.cpp).
  int KindCount(int Kind) const;
  TwPlotObject* KindObject(int Kind, int Index) const;

  std::unique_ptr<TwPlotMasterManager> FMaster;
  std::vector<std::pair<QString, TwPlotObject*>> FLayerList;
  std::vector<platform::TRect> FAxesCollisionList;
  std::unique_ptr<TCustomImageList> FImageLists[3];
  std::unique_ptr<TwPlotPopupMenu> FPopupMenu;
  std::vector<TwPlotLayoutObject*> FVisibleListLeft, FVisibleListRight, FVisibleListTop, FVisibleListBottom;
  TwPlotObject* FMouseDownObject = nullptr;
  TwPlotObject* FLastMouseOverObject = nullptr;
  TwPlotObject* FLastMouseClickObject = nullptr;
  Qt::MouseButton FLastMouseClickButton = Qt::NoButton;
  Qt::KeyboardModifiers FLastMouseClickShift;
  int FLastMouseClickX = 0, FLastMouseClickY = 0, FLastMouseClickScreenX = 0, FLastMouseClickScreenY = 0;
  bool FMouseDown = false;
  bool FSelectingActive = false;
  bool FDBLClickActive = false;
  bool FMasterAxisBlock = false;
  bool FJustReleasedCapture = false;
  Qt::KeyboardModifiers FShiftState;
  // The buttons held during the current mouse move.
  Qt::MouseButtons FMoveButtons;
  TwHintData FHintData;
  int FLastHintX = 0, FLastHintY = 0;
  platform::TRect FLastHintShowRect;
  TwPlotObject* FLastHintObject = nullptr;
  bool FHintShowing = false;
  QString FTempCustomLabel;
  bool FUserCanAddRemoveChannels = false;
  int FOuterMarginTop = 5, FOuterMarginLeft = 5, FOuterMarginRight = 5, FOuterMarginBottom = 5;
  bool FClipAnnotationsToAxes = true;
  bool FHintsShow = true;
  int FHintsPause = 500, FHintsHidePause = 2500;
  bool FBackGroundGradientEnabled = false;
  platform::TColor FBackGroundGradientStartColor = platform::clBlue;
  platform::TColor FBackGroundGradientStopColor = platform::clBlack;
  TwFillDirection FBackGroundGradientDirection = ifdTopBottom;
  bool FPaintingActive = false;
  platform::TFont FHintsFont;
  TwPlotFormStyle FEditorFormStyle = ipfsModal;
  TwPlotExportFormat FCopyToClipBoardFormat = ipefMetaFile;
  bool FDifferentialPropertySave = false;
  int FLogBufferSize = 0;
  QString FLogFileName;
  TwPlotDataFileColumnSeparator FDataFileColumnSeparator = ipdfcsTab;
  TwPlotDataFileFormat FDataFileFormat = ipdffText;
  void FlushLog();
  bool FLoggingActive = false;
  int FLogBufferCount = 0;
  // Rows 0 and 1 of a compact log carry X: how many rows the log holds.
  int FLogRowsWritten = 0;
  QString FLastDataFileName;
  platform::TFont FAnnotationDefaultFont;
  // Printer, paper metrics, snapshot and save dialog (wPlotPrint.cpp).
  std::shared_ptr<TwPrintState> FPrintState;
  QString FLastPropertiesFileName;
};
