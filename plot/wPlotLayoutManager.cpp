#include "plot/wPlotLayoutManager.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "plot/wPlotAxis.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"

namespace {
bool IsDataViewKind(const TwPlotObject* o) {
  return dynamic_cast<const TwPlotDataView*>(o) || dynamic_cast<const TwPlotDataViewLayout*>(o);
}
QString Pad3(long long v) { return QString::number(v).rightJustified(3, QLatin1Char('0')); }
}  // namespace

TwPlotLayoutManager::TwPlotLayoutManager(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotObjectManagerCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                                std::move(AOnRename)) {}

void TwPlotLayoutManager::Created() {
  FEnabled = false;
  FDataViewHorz = new TwPlotDataViewHorz(Owner(), OnChange, OnInsert, OnRemove, OnRename);
  FDataViewHorz->SetHorizontal(true);
  FDataViewHorz->SetZOrder(1);
  FDataViewHorz->SetName(QStringLiteral("Data View"));
  FDataViewHorz->DoInsert();
  FDataViewVert = new TwPlotDataViewVert(Owner(), OnChange, OnInsert, OnRemove, OnRename);
  FDataViewVert->SetHorizontal(false);
  FDataViewVert->SetZOrder(1);
  FDataViewVert->SetName(QStringLiteral("Data View"));
  FDataViewVert->DoInsert();
  SetEnabled(true);
}

TwPlotLayoutManager::~TwPlotLayoutManager() {
  FEnabled = false;
  TwPlotObject::Free(FDataViewHorz);
  TwPlotObject::Free(FDataViewVert);
}

TwPlotLayoutObject* TwPlotLayoutManager::GetObject(int Index) const {
  return static_cast<TwPlotLayoutObject*>(GetPlotObject(Index));
}

void TwPlotLayoutManager::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (Value) ReSort();
}

void TwPlotLayoutManager::SetXYAxesReverse(bool Value) {
  if (Value == FXYAxesReverse) return;
  FXYAxesReverse = Value;
  if (FEnabled) PlaceAxes();
}

void TwPlotLayoutManager::NotificationInsert(TwPersistent* Sender) {
  auto* o = dynamic_cast<TwPlotLayoutObject*>(Sender);
  if (!o) return;
  InsertObject(o);
  if (dynamic_cast<TwPlotAxis*>(o) || dynamic_cast<TwPlotToolBar*>(o) || dynamic_cast<TwPlotLegend*>(o) ||
      dynamic_cast<TwPlotDataView*>(o) || dynamic_cast<TwPlotLabel*>(o))
    o->OnLayoutChange = [this](TwPersistent*) { ReSort(); };
  if (dynamic_cast<TwPlotXAxis*>(o)) o->SetHorizontal(!FXYAxesReverse);
  if (dynamic_cast<TwPlotYAxis*>(o)) o->SetHorizontal(FXYAxesReverse);
  if (FEnabled) InsertZOrder(o, 0, iidMerge);
}

void TwPlotLayoutManager::ObjectRemoved(TwPlotObject* AObject) {
  for (TwPlotSideList* l : {&FTopList, &FBottomList, &FLeftList, &FRightList})
    l->erase(std::remove_if(l->begin(), l->end(), [&](const auto& e) { return e.second == AObject; }), l->end());
  if (FEnabled) RemoveZOrder(static_cast<TwPlotLayoutObject*>(AObject));
}

void TwPlotLayoutManager::SortedInsert(TwPlotSideList& List, const QString& Key, TwPlotLayoutObject* AObject) {
  auto it = std::lower_bound(List.begin(), List.end(), Key, [](const auto& e, const QString& k) { return e.first < k; });
  List.insert(it, {Key, AObject});
}

int TwPlotLayoutManager::UniqueCount(const TwPlotSideList& List) {
  std::set<QString> rows;
  for (const auto& e : List) rows.insert(e.first.left(3));
  return int(rows.size());
}

int TwPlotLayoutManager::VisibleCount(const TwPlotSideList& AList) {
  return int(std::count_if(AList.begin(), AList.end(), [](const auto& e) { return e.second->Visible(); }));
}

void TwPlotLayoutManager::ReSort() {
  if (!FEnabled) return;
  FTopList.clear();
  FBottomList.clear();
  FLeftList.clear();
  FRightList.clear();
  for (TwPlotObject* p : FList) {
    if (IsDataViewKind(p)) continue;
    auto* o = static_cast<TwPlotLayoutObject*>(p);
    const QString key = Pad3(o->ZOrder()) + Pad3(std::llrint(o->StartPercent()));
    if (o->Horizontal()) {
      const bool top = FDataViewHorz && o->ZOrder() > FDataViewHorz->ZOrder();
      o->SetReverseSide(top);
      SortedInsert(top ? FTopList : FBottomList, key, o);
    } else {
      const bool right = FDataViewVert && o->ZOrder() > FDataViewVert->ZOrder();
      o->SetReverseSide(right);
      SortedInsert(right ? FRightList : FLeftList, key, o);
    }
  }
  FTopUniqueCount = UniqueCount(FTopList);
  FBottomUniqueCount = UniqueCount(FBottomList);
  FLeftUniqueCount = UniqueCount(FLeftList);
  FRightUniqueCount = UniqueCount(FRightList);
}

std::vector<TwPlotLayoutObject*> TwPlotLayoutManager::SameOrientation(const TwPlotLayoutObject* AObject,
                                                                      bool WithDataViews) const {
  std::vector<TwPlotLayoutObject*> r;
  for (TwPlotObject* p : FList) {
    if (p == AObject) continue;
    if (!WithDataViews && dynamic_cast<TwPlotDataView*>(p)) continue;
    auto* o = static_cast<TwPlotLayoutObject*>(p);
    if (o->Horizontal() == AObject->Horizontal()) r.push_back(o);
  }
  return r;
}

void TwPlotLayoutManager::InsertZOrder(TwPlotLayoutObject* NewObject, int D, TwInsertDirection Direction) {
  const std::vector<TwPlotLayoutObject*> others = SameOrientation(NewObject, false);
  bool move = Direction != iidMerge;
  if (Direction == iidMerge) {
    bool collision = false, rowUsed = false;
    for (TwPlotLayoutObject* o : others) {
      if (o->ZOrder() != D) continue;
      rowUsed = true;
      const bool overlap = o->StartPercent() < NewObject->StopPercent() && o->StopPercent() > NewObject->StartPercent();
      const bool same = o->StartPercent() == NewObject->StartPercent() && o->StopPercent() == NewObject->StopPercent();
      if (overlap || same) collision = true;
    }
    move = collision && rowUsed;
  }
  if (move) {
    const std::vector<TwPlotLayoutObject*> rows = others;
    for (TwPlotLayoutObject* o : rows) {
      const bool up = Direction == iidAbove ? o->ZOrder() > D : o->ZOrder() >= D;
      if (up) o->SetZOrder(o->ZOrder() + 1);
    }
  }
  NewObject->SetZOrder(Direction == iidAbove ? D + 1 : D);
  ReSort();
}

void TwPlotLayoutManager::RemoveZOrder(TwPlotLayoutObject* AObject) {
  const std::vector<TwPlotLayoutObject*> others = SameOrientation(AObject, false);
  const bool shared = std::any_of(others.begin(), others.end(), [&](auto* o) { return o->ZOrder() == AObject->ZOrder(); });
  if (!shared)
    for (TwPlotLayoutObject* o : others)
      if (o->ZOrder() > AObject->ZOrder()) o->SetZOrder(o->ZOrder() - 1);
  ReSort();
}

void TwPlotLayoutManager::PlaceAxes() {
  std::vector<TwPlotAxis*> axes;
  for (TwPlotObject* p : FList)
    if (auto* a = dynamic_cast<TwPlotAxis*>(p)) axes.push_back(a);
  std::stable_sort(axes.begin(), axes.end(),
                   [](auto* a, auto* b) { return QString::number(a->ZOrder()) < QString::number(b->ZOrder()); });
  for (TwPlotAxis* a : axes) {
    RemoveZOrder(a);
    a->SetHorizontal(dynamic_cast<TwPlotXAxis*>(a) ? !FXYAxesReverse : FXYAxesReverse);
    InsertZOrder(a, 0, iidMerge);
  }
}
