// TwPlotLayoutManager: keeps the plot's layout objects (axes, toolbars,
// legends, tables, labels, data views) in four side lists by row (ZOrder)
// relative to the data view, whose row in each orientation two placeholders
// hold. Rows up to the placeholder's lie below (horizontal) or left
// (vertical) of the data view, the highest nearest; rows above it lie above
// or right, the lowest nearest. InsertZOrder and RemoveZOrder keep the rows
// dense as objects come and go; the plot's layout pass turns the lists into
// rectangles.
//
// A side list is sorted by "row(3) start percent(3)" keys; a new key goes
// before equal ones.
#pragma once

#include <utility>
#include <vector>

#include "plot/wPlotManagers.h"

class TwPlotDataViewHorz;
class TwPlotDataViewVert;

enum TwInsertDirection { iidMerge, iidBelow, iidAbove };

using TwPlotSideList = std::vector<std::pair<QString, TwPlotLayoutObject*>>;

class TwPlotLayoutManager : public TwPlotObjectManagerCustom {
 public:
  TwPlotLayoutManager(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                      TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
  ~TwPlotLayoutManager() override;

  TwPlotObject* CreateObject() override { return nullptr; }
  QString GetNamePrefix() const override { return QStringLiteral("Layout Object"); }
  void NotificationInsert(TwPersistent* Sender) override;
  TwPlotLayoutObject* GetObject(int Index) const;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool XYAxesReverse() const { return FXYAxesReverse; }
  void SetXYAxesReverse(bool Value);
  TwPlotDataViewHorz* DataViewHorz() const { return FDataViewHorz; }
  TwPlotDataViewVert* DataViewVert() const { return FDataViewVert; }
  const TwPlotSideList& TopList() const { return FTopList; }
  const TwPlotSideList& BottomList() const { return FBottomList; }
  const TwPlotSideList& LeftList() const { return FLeftList; }
  const TwPlotSideList& RightList() const { return FRightList; }
  int TopUniqueCount() const { return FTopUniqueCount; }
  int BottomUniqueCount() const { return FBottomUniqueCount; }
  int LeftUniqueCount() const { return FLeftUniqueCount; }
  int RightUniqueCount() const { return FRightUniqueCount; }

  void InsertZOrder(TwPlotLayoutObject* NewObject, int DesiredZOrder, TwInsertDirection InsertDirection);
  void RemoveZOrder(TwPlotLayoutObject* AObject);
  static int VisibleCount(const TwPlotSideList& AList);
  // Rebuilds the side lists (when enabled).
  void ReSort();

 protected:
  void ObjectRemoved(TwPlotObject* AObject) override;

 public:
  void Created() override;

 private:
 private:
  std::vector<TwPlotLayoutObject*> SameOrientation(const TwPlotLayoutObject* AObject, bool WithDataViews) const;
  static void SortedInsert(TwPlotSideList& List, const QString& Key, TwPlotLayoutObject* AObject);
  static int UniqueCount(const TwPlotSideList& List);
  void PlaceAxes();

  bool FXYAxesReverse = false;
  TwPlotDataViewHorz* FDataViewHorz = nullptr;
  TwPlotDataViewVert* FDataViewVert = nullptr;
  bool FEnabled = false;
  TwPlotSideList FTopList, FBottomList, FLeftList, FRightList;
  int FLeftUniqueCount = 0, FRightUniqueCount = 0, FBottomUniqueCount = 0, FTopUniqueCount = 0;
};
