#include "plot/wPlotManagers.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"

// ---- TwPlotObjectManagerCustom ----

namespace {
TwPlotComponent* CheckedManagerOwner(TwPlotComponent* AOwner, const TwNotifyEvent& AOnChange,
                                     const TwNotifyEvent& AOnInsert, const TwNotifyEvent& AOnRemove,
                                     const TwNotifyEvent& AOnRename) {
  if (!AOwner) throw TwException("Owner must be Assigned");
  if (!AOnChange) throw TwException("OnChange event handler can not be null");
  if (!AOnInsert) throw TwException("OnInsert event handler can not be null");
  if (!AOnRemove) throw TwException("OnRemove event handler can not be null");
  if (!AOnRename) throw TwException("AOnRename event handler can not be null");
  return AOwner;
}

}  // namespace

TwPlotObjectManagerCustom::TwPlotObjectManagerCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange,
                                                     TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                                                     TwNotifyEvent AOnRename)
    : OnChange(std::move(AOnChange)),
      OnInsert(std::move(AOnInsert)),
      OnRemove(std::move(AOnRemove)),
      OnRename(std::move(AOnRename)),
      FOwner(CheckedManagerOwner(AOwner, OnChange, OnInsert, OnRemove, OnRename)) {}

TwPlotObjectManagerCustom::~TwPlotObjectManagerCustom() {
  if (OnRemove) OnRemove(this);
}

void TwPlotObjectManagerCustom::InsertObject(TwPlotObject* AObject) {
  if (GetIndex(AObject) < 0) FList.push_back(AObject);
}

int TwPlotObjectManagerCustom::GetIndex(const TwPlotObject* AObject) const {
  auto it = std::find(FList.begin(), FList.end(), AObject);
  return it == FList.end() ? -1 : int(it - FList.begin());
}

TwPlotObject* TwPlotObjectManagerCustom::GetPlotObject(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  return FList[Index];
}

TwPlotObject* TwPlotObjectManagerCustom::GetObjectByName(const QString& Value) const {
  const int i = GetIndexByName(Value);
  return i < 0 ? nullptr : FList[i];
}

int TwPlotObjectManagerCustom::GetIndexByName(const QString& Value) const {
  for (int i = 0; i < Count(); ++i)
    if (FList[i]->Name().compare(Value, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString TwPlotObjectManagerCustom::GetNextName() const {
  const QString prefix = GetNamePrefix();
  // 64 bits: a tail at the integer maximum must not wrap when one is added.
  long long n = 0;
  for (const TwPlotObject* o : FList) {
    const QString name = o->Name();
    if (name.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0 || name.size() < prefix.size()) continue;
    QString tail = name.mid(prefix.size());
    int lead = 0;
    while (lead < tail.size() && tail[lead] == QLatin1Char(' ')) ++lead;
    tail = tail.mid(lead);
    if (tail.isEmpty() || tail.back().isSpace()) continue;
    bool ok = false;
    const long long v = tail.toLongLong(&ok);
    if (!ok || v > INT_MAX || v < INT_MIN) continue;
    n = std::max(n, v);
  }
  return prefix + QLatin1Char(' ') + QString::number(n + 1);
}

void TwPlotObjectManagerCustom::NotificationRemove(TwPersistent* Sender) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (static_cast<TwPersistent*>(FList[i]) != Sender) continue;
    TwPlotObject* o = FList[i];
    FList.erase(FList.begin() + i);
    ObjectRemoved(o);
    if (OnChange) OnChange(this);
    return;
  }
}

void TwPlotObjectManagerCustom::NotificationRename(TwPersistent* Sender) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList)) o->NotificationRename(Sender);
}

void TwPlotObjectManagerCustom::NotificationSetFocus(TwPersistent* Sender) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList)) o->NotificationSetFocus(Sender);
}

void TwPlotObjectManagerCustom::Delete(int Index) {
  GetPlotObject(Index);
  FList.erase(FList.begin() + Index);
}

// ---- owned ----

TwPlotObjectOwnedManager::~TwPlotObjectOwnedManager() { TwPlotObjectOwnedManager::Clear(); }

void TwPlotObjectOwnedManager::Clear() {
  // Each destruction edits this list (and every other manager's).
  const std::vector<TwPlotObject*> copy = FList;
  for (TwPlotObject* o : copy) TwPlotObject::Free(o);
  FList.clear();
}

void TwPlotObjectOwnedManager::NotificationRemove(TwPersistent* Sender) {
  if (Sender != this)
    for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
      if (static_cast<TwPersistent*>(o) != Sender) o->NotificationRemove(Sender);
  TwPlotObjectManagerCustom::NotificationRemove(Sender);
}

// ---- typed managers ----

void TwPlotXAxisManager::Initialise(TwPlotXAxis* AObject) { AObject->SetTitle(AObject->Name()); }
void TwPlotYAxisManager::Initialise(TwPlotYAxis* AObject) { AObject->SetTitle(AObject->Name()); }

TwPlotObject* TwPlotChannelManager::CreateObject() {
  if (ChannelClass) return ChannelClass(Owner(), OnChange, OnInsert, OnRemove, OnRename);
  return TwPlotKindManager::CreateObject();
}

void TwPlotChannelManager::NotificationRemove(TwPersistent* Sender) {
  TwPlotKindManager::NotificationRemove(Sender);
  if (Sender == XAxisManager) XAxisManager = nullptr;
  if (Sender == YAxisManager) YAxisManager = nullptr;
}

platform::TColor TwPlotChannelManager::GetNextChannelColor() const {
  using namespace platform;
  if (Count() <= 1) return clRed;
  static const TColor palette[30] = {
      clRed,    clYellow, clBlue,   clFuchsia, clAqua,    clLime,    clWhite,  clMaroon, clGreen,  clOlive,
      clNavy,   clPurple, clTeal,   clGray,    0x0000C0,  0x00C000,  0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
      clSilver, 0x0080FF, 0x8000FF, 0x8080FF,  0xFF0080,  0xFF8000,  0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80};
  int best = 0, bestCount = INT_MAX;
  for (int i = 0; i < 30; ++i) {
    int count = 0;
    for (const TwPlotObject* o : FList)
      if (auto* ch = dynamic_cast<const TwPlotChannelCustom*>(o); ch && ch->Color() == palette[i]) ++count;
    if (count < bestCount) {
      best = i;
      bestCount = count;
    }
  }
  return palette[best];
}

void TwPlotChannelManager::Initialise(TwPlotChannelCustom* AObject) {
  AObject->SetTitleText(AObject->Name());
  AObject->SetColor(GetNextChannelColor());
  if (XAxisManager && XAxisManager->Count() > 0) AObject->SetXAxisName(XAxisManager->GetPlotObject(0)->Name());
  if (YAxisManager && YAxisManager->Count() > 0) AObject->SetYAxisName(YAxisManager->GetPlotObject(0)->Name());
}

void TwPlotDataViewManager::NotificationRemove(TwPersistent* Sender) {
  TwPlotKindManager::NotificationRemove(Sender);
  if (Sender == XAxisManager) XAxisManager = nullptr;
  if (Sender == YAxisManager) YAxisManager = nullptr;
}

void TwPlotDataViewManager::Initialise(TwPlotDataView* AObject) {
  if (XAxisManager && XAxisManager->Count() > 0) AObject->SetGridXAxisName(XAxisManager->GetPlotObject(0)->Name());
  if (YAxisManager && YAxisManager->Count() > 0) AObject->SetGridYAxisName(YAxisManager->GetPlotObject(0)->Name());
}

void TwPlotDataCursorManager::NotificationRemove(TwPersistent* Sender) {
  TwPlotKindManager::NotificationRemove(Sender);
  if (Sender == ChannelManager) ChannelManager = nullptr;
}

void TwPlotDataCursorManager::Initialise(TwPlotDataCursor* AObject) {
  if (DataViewManager && DataViewManager->Count() > 0) AObject->SetDataView(DataViewManager->GetObject(0));
  if (ChannelManager && ChannelManager->Count() > 0) AObject->SetChannelName(ChannelManager->GetPlotObject(0)->Name());
}

void TwPlotLimitManager::NotificationRemove(TwPersistent* Sender) {
  TwPlotKindManager::NotificationRemove(Sender);
  if (Sender == XAxisManager) XAxisManager = nullptr;
  if (Sender == YAxisManager) YAxisManager = nullptr;
}

void TwPlotLimitManager::Initialise(TwPlotLimit* AObject) {
  if (XAxisManager && XAxisManager->Count() > 0) AObject->SetXAxisName(XAxisManager->GetPlotObject(0)->Name());
  if (YAxisManager && YAxisManager->Count() > 0) AObject->SetYAxisName(YAxisManager->GetPlotObject(0)->Name());
}

void TwPlotLabelManager::Initialise(TwPlotLabel* AObject) { AObject->SetCaption(AObject->Name()); }

void TwPlotAnnotationManager::NotificationInsert(TwPersistent* Sender) {
  if (auto* a = dynamic_cast<TwPlotAnnotation*>(Sender)) InsertObject(a);
}

// ---- all objects ----

TwPlotObject* TwPlotObjectManager::CreateObject() {
  throw TwException("Object Manager does not support creation of objects");
}

void TwPlotObjectManager::NotificationInsert(TwPersistent* Sender) {
  if (auto* o = dynamic_cast<TwPlotObject*>(Sender)) InsertObject(o);
}

void TwPlotObjectManager::ClearAllUserSelections() {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList)) o->SetUserSelected(false);
}

void TwPlotObjectManager::SetShiftState(Qt::KeyboardModifiers Value) {
  for (TwPlotObject* o : FList) o->SetShiftState(Value);
}

void TwPlotObjectManager::MouseDownFocusObjects(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y,
                                                int ScreenX, int ScreenY, TwPlotPopupMenu* PopupMenu) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
    if (o->UserSelected()) o->wMouseDown(Button, Shift, X, Y, ScreenX, ScreenY, PopupMenu);
}

void TwPlotObjectManager::MouseMoveFocusObjects(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y,
                                                int ScreenX, int ScreenY, bool DblClickActive) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
    if (o->UserSelected()) o->wMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
}

void TwPlotObjectManager::MouseUpFocusObjects(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y,
                                              int ScreenX, int ScreenY, bool DblClickActive,
                                              TwPlotPopupMenu* PopupMenu) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
    if (o->UserSelected()) o->wMouseUp(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive, PopupMenu);
}

void TwPlotObjectManager::KeyDownFocusObjects(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) {
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
    if (o->UserSelected()) o->DoKeyDown(CharCode, Shift, PopupMenu);
}

bool TwPlotObjectManager::MouseWheelFocusObjects(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) {
  bool used = false;
  for (TwPlotObject* o : std::vector<TwPlotObject*>(FList))
    if (o->UserSelected() && o->wMouseWheel(WheelDelta, Shift, MousePos)) used = true;
  return used;
}

void TwPlotObjectManager::ShutDownSetup() {
  for (TwPlotObject* o : FList) {
    o->OnRemove = nullptr;
    o->OnLayoutChange = nullptr;
    o->OnChange = nullptr;
  }
}
