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
#pragma once

#include <QImage>

#include <memory>
#include <vector>

#include "controls/CustomImageList.h"
#include "controls/wWinComponent.h"
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

class TwPlotComponent : public TwCustomComponent {
  Q_OBJECT
 public:
  using TwObjectIndexEvent = std::function<void(QObject* Sender, int Index)>;

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
  bool LoggingActive() const { return false; }
  TwPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
  TwPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
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
  int TitleMargin() const;
  void SetTitleMargin(int Value);
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

  void ClearAllData() { FMaster->ClearAllData(); }
  bool GetToolBarSelectActive() const;
  void SetToolBarSelectActive(bool Value);

  // ---- services the objects call ----
  TwPlotObjectManager* GetPlotObjectManager() const { return FMaster->PlotObjectManager(); }
  // Labels of cartesian axes: the first rectangle of a paint is taken as it
  // is; later ones must lie inside data view 0 and overlap none taken.
  bool TryAddCollisionRect(const platform::TRect& R);
  void AddCollisionRect(const platform::TRect& R);
  void AddLayerEntry(const QString& Key, TwPlotObject* AObject);
  const std::vector<std::pair<QString, TwPlotObject*>>& LayerList() const { return FLayerList; }
  QString TranslateText(const QString& Text) const { return Text; }

  // ---- image lists 0..2 (24 x 24 at first) ----
  TCustomImageList* ImageList(int ImageListIndex) const;
  void ImageListClear(int ImageListIndex);
  // The first image sets the size; a smaller one is centred on the list's
  // size, a larger one scaled down; a mix raises.
  void ImageListAdd(int ImageListIndex, const QImage& ABitmap);

  // ---- relays of the objects' input (events come with the input work) ----
  void ObjectMouseDown(TwPlotObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
  void ObjectMouseMove(TwPlotObject*, Qt::KeyboardModifiers, int, int) {}
  void ObjectMouseUp(TwPlotObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
  void ObjectMouseWheel(TwPlotObject*, int, Qt::KeyboardModifiers, int, int) {}
  void ObjectPopupMenu(TwPlotObject*, bool&, int, int) {}
  void ObjectGotFocus(TwPlotObject*) {}
  void ObjectLostFocus(TwPlotObject*) {}

  // ---- events ----
  TwObjectIndexEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend, OnAddLimit,
      OnAddTable, OnAddAnnotation;
  TwObjectIndexEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
      OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;
  platform::Handler OnAfterPaint;

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  virtual void DoObjectChange(TwPersistent* Sender);
  virtual void DoObjectAdded(TwPersistent* Sender);
  virtual void DoObjectRemoved(TwPersistent* Sender);

 private:
  void CollectVisible(const TwPlotSideList& List, std::vector<TwPlotLayoutObject*>& Visible) const;
  void SetStackedFlags(const std::vector<TwPlotLayoutObject*>& List) const;
  void MaxEndsOverhang(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List, int& Start,
                       int& Stop) const;
  int RowWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List, int Row) const;
  int StackWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List) const;
  void DeleteFrom(TwPlotObjectManagerCustom* Manager, int Index);
  void ClearManager(TwPlotObjectManagerCustom* Manager);

  std::unique_ptr<TwPlotMasterManager> FMaster;
  std::vector<std::pair<QString, TwPlotObject*>> FLayerList;
  std::vector<platform::TRect> FAxesCollisionList;
  std::unique_ptr<TCustomImageList> FImageLists[3];
  std::unique_ptr<TwPlotPopupMenu> FPopupMenu;
  std::vector<TwPlotLayoutObject*> FVisibleListLeft, FVisibleListRight, FVisibleListTop, FVisibleListBottom;
  TwPlotObject* FMouseDownObject = nullptr;
  TwPlotObject* FLastMouseOverObject = nullptr;
  TwPlotObject* FLastMouseClickObject = nullptr;
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
  platform::TFont FAnnotationDefaultFont;
};
