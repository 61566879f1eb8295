// TwPlotMasterManager: the hub between a plot and its objects. It owns one
// manager per object kind, the all-objects manager, the layout manager and
// the translation list,
// creates objects on request (the Add operations return the new object's
// index in its kind's manager) and routes every object's insertion, removal,
// rename, selection and change to the managers and the plot. It also holds
// the plot-wide switches UserCanEditObjects and XYAxesReverse and the class
// of the channels AddChannel creates.
//
// Editor side: EditProperties opens the property editor (TwPlotEditorForm)
// on the pages last shown, loaded from the plot; ipfsModal shows it modally
// and frees it afterwards, ipfsStayOnTop shows it stay-on-top and returns
// (it is freed when the user closes it). While the window exists and is not
// closing, inserted, removed and renamed objects are mirrored into its lists
// and name lists. BasicPropertyChanged copies the Control page back into the
// plot; TranslateForm puts a window's texts through the translation list.
#pragma once

#include "plot/wPlotLayoutManager.h"
#include "plot/wPlotManagers.h"
#include "plot/wPlotTranslation.h"

class QWidget;
class TwPlotEditorForm;

class TwPlotMasterManager : public TwPersistent {
 public:
  explicit TwPlotMasterManager(TwPlotComponent* AOwner);
  ~TwPlotMasterManager() override;

  TwPlotObjectManager* PlotObjectManager() const { return FPlotObjectManager; }
  TwPlotToolBarManager* ToolBarManager() const { return FToolBarManager; }
  TwPlotLegendManager* LegendManager() const { return FLegendManager; }
  TwPlotTableManager* TableManager() const { return FTableManager; }
  TwPlotXAxisManager* XAxisManager() const { return FXAxisManager; }
  TwPlotYAxisManager* YAxisManager() const { return FYAxisManager; }
  TwPlotChannelManager* ChannelManager() const { return FChannelManager; }
  TwPlotDataViewManager* DataViewManager() const { return FDataViewManager; }
  TwPlotDataCursorManager* DataCursorManager() const { return FDataCursorManager; }
  TwPlotLimitManager* LimitManager() const { return FLimitManager; }
  TwPlotLabelManager* LabelManager() const { return FLabelManager; }
  TwPlotAnnotationManager* AnnotationManager() const { return FAnnotationManager; }
  TwPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
  TwPlotTranslationManager* TranslationManager() const { return FTranslationManager; }

  int AddChannel();
  int AddDataView();
  int AddDataCursor();
  int AddLimit();
  int AddLabel();
  int AddAnnotation();
  int AddLegend();
  int AddTable();
  int AddToolBar();
  int AddXAxis();
  int AddYAxis();
  // A new translation pair; its index.
  int AddTranslation();

  bool UserCanEditObjects() const { return FUserCanEditObjects; }
  void SetUserCanEditObjects(bool Value);
  bool XYAxesReverse() const { return FXYAxesReverse; }
  void SetXYAxesReverse(bool Value);
  void SetChannelClass(TwPlotChannelClass Class);
  void ShowToolBars(bool Value);
  void ClearAllData();
  void DeSelectAll();

  // The callbacks every manager and object gets.
  void OnObjectInsert(TwPersistent* Sender);
  void OnObjectRemove(TwPersistent* Sender);
  void OnObjectRename(TwPersistent* Sender);
  void OnObjectChange(TwPersistent* Sender);
  void OnObjectSetFocus(TwPersistent* Sender);
  void OnObjectEdit(TwPersistent* Sender);

  // The property editor.
  void EditProperties();
  void BasicPropertyChanged();
  void TranslateForm(QWidget* Form);
  TwPlotEditorForm* EditorForm() const;
  int PageIndex(int Index) const { return FPageIndexes[Index]; }
  TwNotifyEvent ChangeHook() { return [this](TwPersistent* s) { OnObjectChange(s); }; }
  TwNotifyEvent InsertHook() { return [this](TwPersistent* s) { OnObjectInsert(s); }; }
  TwNotifyEvent RemoveHook() { return [this](TwPersistent* s) { OnObjectRemove(s); }; }
  TwNotifyEvent RenameHook() { return [this](TwPersistent* s) { OnObjectRename(s); }; }

  // The plot's handlers.
  TwNotifyEvent OnInvalidateNow, OnChange, OnInsert, OnRemove;

 private:
  template <class M>
  M* MakeManager();
  int AddTo(TwPlotObjectManagerCustom* Manager);
  std::vector<TwPlotObjectManagerCustom*> KindManagers() const;
  template <class F>
  void ForEachKindObject(F f) const;

  void CreateEditorForm();
  void DestroyEditorForm();
  void OnEditorClose();
  void EditorInsert(TwPersistent* Sender);
  void EditorRemove(TwPersistent* Sender);
  void EditorAfterRemove();
  void EditorRename(TwPersistent* Sender);
  bool EditorOpen() const;

  TwPlotComponent* FOwner;
  TwPlotEditorForm* FEditorForm = nullptr;
  int FPageIndexes[14] = {};
  int FEditorRemovedKind = -1;
  bool FUserCanEditObjects = true;
  TwPlotToolBarManager* FToolBarManager = nullptr;
  TwPlotLegendManager* FLegendManager = nullptr;
  TwPlotTableManager* FTableManager = nullptr;
  TwPlotXAxisManager* FXAxisManager = nullptr;
  TwPlotYAxisManager* FYAxisManager = nullptr;
  TwPlotChannelManager* FChannelManager = nullptr;
  TwPlotDataViewManager* FDataViewManager = nullptr;
  TwPlotDataCursorManager* FDataCursorManager = nullptr;
  TwPlotLimitManager* FLimitManager = nullptr;
  TwPlotLabelManager* FLabelManager = nullptr;
  TwPlotAnnotationManager* FAnnotationManager = nullptr;
  TwPlotLayoutManager* FLayoutManager = nullptr;
  TwPlotObjectManager* FPlotObjectManager = nullptr;
  TwPlotTranslationManager* FTranslationManager = nullptr;
  TwPlotChannelClass FChannelClass;
  bool FXYAxesReverse = false;
};
