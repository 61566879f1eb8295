#include "plot/wPlotMasterManager.h"

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"

template <class M>
M* TwPlotMasterManager::MakeManager() {
  return TwPlotObjectManagerCustom::Create<M>(FOwner, ChangeHook(), InsertHook(), RemoveHook(), RenameHook());
}

TwPlotMasterManager::TwPlotMasterManager(TwPlotComponent* AOwner) : FOwner(AOwner) {
  MakeManager<TwPlotObjectManager>();
  MakeManager<TwPlotToolBarManager>();
  MakeManager<TwPlotLegendManager>();
  MakeManager<TwPlotTableManager>();
  MakeManager<TwPlotChannelManager>();
  MakeManager<TwPlotDataCursorManager>();
  MakeManager<TwPlotDataViewManager>();
  MakeManager<TwPlotXAxisManager>();
  MakeManager<TwPlotYAxisManager>();
  MakeManager<TwPlotLimitManager>();
  MakeManager<TwPlotLabelManager>();
  MakeManager<TwPlotAnnotationManager>();
  MakeManager<TwPlotLayoutManager>();
  // Announces itself through the insertion hook.
  new TwPlotTranslationManager(InsertHook(), RemoveHook());
  FChannelManager->XAxisManager = FXAxisManager;
  FChannelManager->YAxisManager = FYAxisManager;
  FDataViewManager->XAxisManager = FXAxisManager;
  FDataViewManager->YAxisManager = FYAxisManager;
  FLimitManager->XAxisManager = FXAxisManager;
  FLimitManager->YAxisManager = FYAxisManager;
  FDataCursorManager->ChannelManager = FChannelManager;
  FDataCursorManager->DataViewManager = FDataViewManager;
  FUserCanEditObjects = true;
}

TwPlotMasterManager::~TwPlotMasterManager() {
  DestroyEditorForm();
  // Each deletion clears its field through the removal callback.
  delete FToolBarManager;
  delete FLegendManager;
  delete FTableManager;
  delete FChannelManager;
  delete FXAxisManager;
  delete FYAxisManager;
  delete FDataViewManager;
  delete FDataCursorManager;
  delete FLimitManager;
  delete FLabelManager;
  delete FAnnotationManager;
  delete FTranslationManager;
  delete FPlotObjectManager;
  delete FLayoutManager;
}

std::vector<TwPlotObjectManagerCustom*> TwPlotMasterManager::KindManagers() const {
  return {FToolBarManager,    FLegendManager, FTableManager, FXAxisManager, FYAxisManager,     FChannelManager,
          FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager};
}

template <class F>
void TwPlotMasterManager::ForEachKindObject(F f) const {
  // Channels, X axes, Y axes, data views, toolbars, legends, tables, cursors,
  // limits, labels, annotations.
  for (TwPlotObjectManagerCustom* m :
       std::initializer_list<TwPlotObjectManagerCustom*>{FChannelManager, FXAxisManager, FYAxisManager,
                                                         FDataViewManager, FToolBarManager, FLegendManager,
                                                         FTableManager, FDataCursorManager, FLimitManager,
                                                         FLabelManager, FAnnotationManager})
    if (m)
      for (int i = 0; i < m->Count(); ++i) f(m->GetPlotObject(i));
}

int TwPlotMasterManager::AddTo(TwPlotObjectManagerCustom* Manager) {
  TwPlotObject* o = Manager->CreateObject();
  o->DoInsert();
  return Manager->Count() - 1;
}

int TwPlotMasterManager::AddChannel() { return AddTo(FChannelManager); }
int TwPlotMasterManager::AddDataView() { return AddTo(FDataViewManager); }
int TwPlotMasterManager::AddDataCursor() { return AddTo(FDataCursorManager); }
int TwPlotMasterManager::AddLimit() { return AddTo(FLimitManager); }
int TwPlotMasterManager::AddLabel() { return AddTo(FLabelManager); }
int TwPlotMasterManager::AddAnnotation() { return AddTo(FAnnotationManager); }
int TwPlotMasterManager::AddLegend() { return AddTo(FLegendManager); }
int TwPlotMasterManager::AddTable() { return AddTo(FTableManager); }
int TwPlotMasterManager::AddToolBar() { return AddTo(FToolBarManager); }
int TwPlotMasterManager::AddXAxis() { return AddTo(FXAxisManager); }
int TwPlotMasterManager::AddYAxis() { return AddTo(FYAxisManager); }
int TwPlotMasterManager::AddTranslation() { return FTranslationManager->Add(); }

void TwPlotMasterManager::SetUserCanEditObjects(bool Value) {
  FUserCanEditObjects = Value;
  ForEachKindObject([&](TwPlotObject* o) { o->SetUserCanEdit(Value); });
}

void TwPlotMasterManager::SetXYAxesReverse(bool Value) {
  FXYAxesReverse = Value;
  if (FLayoutManager) FLayoutManager->SetXYAxesReverse(Value);
  ForEachKindObject([&](TwPlotObject* o) { o->SetXYAxesReversed(Value); });
  if (OnInvalidateNow) OnInvalidateNow(this);
}

void TwPlotMasterManager::SetChannelClass(TwPlotChannelClass Class) {
  FChannelClass = Class;
  if (FChannelManager) FChannelManager->ChannelClass = std::move(Class);
}

void TwPlotMasterManager::ShowToolBars(bool Value) {
  for (int i = 0; FToolBarManager && i < FToolBarManager->Count(); ++i)
    FToolBarManager->GetPlotObject(i)->SetVisible(Value);
}

void TwPlotMasterManager::ClearAllData() {
  for (int i = 0; FChannelManager && i < FChannelManager->Count(); ++i) FChannelManager->GetObject(i)->Clear();
  for (int i = 0; FXAxisManager && i < FXAxisManager->Count(); ++i) FXAxisManager->GetObject(i)->ResetFirstAlign();
  for (int i = 0; FYAxisManager && i < FYAxisManager->Count(); ++i) FYAxisManager->GetObject(i)->ResetFirstAlign();
}

void TwPlotMasterManager::DeSelectAll() {
  if (FPlotObjectManager) FPlotObjectManager->ClearAllUserSelections();
}

void TwPlotMasterManager::OnObjectInsert(TwPersistent* Sender) {
  if (auto* o = dynamic_cast<TwPlotObject*>(Sender)) {
    if (FPlotObjectManager) FPlotObjectManager->NotificationInsert(o);
    if (FLayoutManager && dynamic_cast<TwPlotLayoutObject*>(o)) FLayoutManager->NotificationInsert(o);
    for (TwPlotObjectManagerCustom* m : KindManagers())
      if (m) m->NotificationInsert(o);
    o->OnSetFocus = [this](TwPersistent* s) { OnObjectSetFocus(s); };
    o->OnInvalidateNow = OnInvalidateNow;
    o->SetUserCanEdit(FUserCanEditObjects);
    o->OnEdit = [this](TwPersistent* s) { OnObjectEdit(s); };
    o->SetXYAxesReversed(FXYAxesReverse);
    if (auto* bar = dynamic_cast<TwPlotToolBar*>(o)) bar->OnEditAction = [this](TwPersistent*) { EditProperties(); };
    EditorInsert(o);
  } else if (dynamic_cast<TwPlotTranslationObject*>(Sender)) {
    if (FTranslationManager) FTranslationManager->NotificationInsert(Sender);
  } else if (auto* m = dynamic_cast<TwPlotTranslationManager*>(Sender)) {
    FTranslationManager = m;
  } else if (auto* m = dynamic_cast<TwPlotLayoutManager*>(Sender)) {
    FLayoutManager = m;
  } else if (auto* m = dynamic_cast<TwPlotObjectManager*>(Sender)) {
    FPlotObjectManager = m;
  } else if (auto* m = dynamic_cast<TwPlotToolBarManager*>(Sender)) {
    FToolBarManager = m;
  } else if (auto* m = dynamic_cast<TwPlotLegendManager*>(Sender)) {
    FLegendManager = m;
  } else if (auto* m = dynamic_cast<TwPlotTableManager*>(Sender)) {
    FTableManager = m;
  } else if (auto* m = dynamic_cast<TwPlotXAxisManager*>(Sender)) {
    FXAxisManager = m;
  } else if (auto* m = dynamic_cast<TwPlotYAxisManager*>(Sender)) {
    FYAxisManager = m;
  } else if (auto* m = dynamic_cast<TwPlotChannelManager*>(Sender)) {
    FChannelManager = m;
    m->ChannelClass = FChannelClass;
  } else if (auto* m = dynamic_cast<TwPlotDataViewManager*>(Sender)) {
    FDataViewManager = m;
  } else if (auto* m = dynamic_cast<TwPlotDataCursorManager*>(Sender)) {
    FDataCursorManager = m;
  } else if (auto* m = dynamic_cast<TwPlotLimitManager*>(Sender)) {
    FLimitManager = m;
  } else if (auto* m = dynamic_cast<TwPlotLabelManager*>(Sender)) {
    FLabelManager = m;
  } else if (auto* m = dynamic_cast<TwPlotAnnotationManager*>(Sender)) {
    FAnnotationManager = m;
  }
  if (OnInsert) OnInsert(Sender);
}

void TwPlotMasterManager::OnObjectRemove(TwPersistent* Sender) {
  if (OnRemove) OnRemove(Sender);
  if (dynamic_cast<TwPlotTranslationObject*>(Sender)) {
    if (FTranslationManager) FTranslationManager->NotificationRemove(Sender);
    return;
  }
  if (Sender == static_cast<TwPersistent*>(FTranslationManager)) {
    FTranslationManager = nullptr;
    return;
  }
  if (dynamic_cast<TwPlotObject*>(Sender)) {
    EditorRemove(Sender);
    std::vector<TwPlotObjectManagerCustom*> all{FPlotObjectManager, FLayoutManager};
    for (TwPlotObjectManagerCustom* m : KindManagers()) all.push_back(m);
    for (TwPlotObjectManagerCustom* m : all)
      if (m) m->NotificationRemove(Sender);
    EditorAfterRemove();
    return;
  }
  // A manager leaving.
  for (TwPlotObjectManagerCustom* m : KindManagers())
    if (m && m != Sender) m->NotificationRemove(Sender);
  auto forget = [Sender](auto*& field) {
    if (field && static_cast<TwPersistent*>(field) == Sender) field = nullptr;
  };
  forget(FToolBarManager);
  forget(FLegendManager);
  forget(FTableManager);
  forget(FXAxisManager);
  forget(FYAxisManager);
  forget(FChannelManager);
  forget(FDataViewManager);
  forget(FDataCursorManager);
  forget(FLimitManager);
  forget(FLabelManager);
  forget(FAnnotationManager);
  forget(FLayoutManager);
  forget(FPlotObjectManager);
}

void TwPlotMasterManager::OnObjectRename(TwPersistent* Sender) {
  for (TwPlotObjectManagerCustom* m : KindManagers())
    if (m) m->NotificationRename(Sender);
  if (FLayoutManager) FLayoutManager->NotificationRename(Sender);
  EditorRename(Sender);
}

void TwPlotMasterManager::OnObjectChange(TwPersistent* Sender) {
  if (OnChange) OnChange(Sender);
}

void TwPlotMasterManager::OnObjectSetFocus(TwPersistent* Sender) {
  for (TwPlotObjectManagerCustom* m : KindManagers())
    if (m) m->NotificationSetFocus(Sender);
  if (FLayoutManager) FLayoutManager->NotificationSetFocus(Sender);
}
