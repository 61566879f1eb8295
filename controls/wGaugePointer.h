// TwGaugePointer: a marker on a scale (a position with size, colour and
// style). TwGaugePointerManager keeps the pointers of a gauge and reports
// insertions, removals, changes and moves through its handlers; every
// pointer it makes belongs to it and removes itself from it when deleted.
//
// A pointer without a manager fires nothing: the position component keeps its
// CurrentMin and CurrentMax in two such pointers. A setter given the current
// value does nothing; otherwise it stores and fires the manager's OnChange
// (Sender = the pointer), and Position fires OnPositionChanged after it.
//
// The manager's OnChange, OnInsert and OnRemove are required: construction
// raises TwException ("OnChange event handler can not be null", ...) for the
// first one missing. OnInsert fires once with the manager as Sender when it is
// made, OnRemove once when it is destroyed (after its pointers are gone).
#pragma once

#include <QRegion>

#include <functional>
#include <vector>

#include <Qt>

#include "platform/Graphics.h"

class TwGaugePointerManager;

class TwGaugePointer {
 public:
  explicit TwGaugePointer(TwGaugePointerManager* AOwner = nullptr);
  ~TwGaugePointer();
  TwGaugePointer(const TwGaugePointer&) = delete;
  TwGaugePointer& operator=(const TwGaugePointer&) = delete;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Set(FVisible, Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { Set(FEnabled, Value); }
  int Size() const { return FSize; }
  void SetSize(int Value) { Set(FSize, Value); }
  int Margin() const { return FMargin; }
  void SetMargin(int Value) { Set(FMargin, Value); }
  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor Value) { Set(FColor, Value); }
  platform::TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(platform::TColor Value) { Set(FDisabledColor, Value); }
  int Style() const { return FStyle; }
  void SetStyle(int Value) { Set(FStyle, Value); }
  bool Style3D() const { return FStyle3D; }
  void SetStyle3D(bool Value) { Set(FStyle3D, Value); }
  double Position() const { return FPosition; }
  void SetPosition(double Value);
  bool DrawScaleSide() const { return FDrawScaleSide; }
  void SetDrawScaleSide(bool Value) { Set(FDrawScaleSide, Value); }
  bool UserCanMove() const { return FUserCanMove; }
  void SetUserCanMove(bool Value) { FUserCanMove = Value; }
  bool UseDisabledColor() const { return FUseDisabledColor; }
  void SetUseDisabledColor(bool Value) { Set(FUseDisabledColor, Value); }
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value) { Set(FFocused, Value); }
  bool MouseDown() const { return FMouseDown; }
  void SetMouseDown(bool Value) { FMouseDown = Value; }

  // The area the drawing gauge gave the pointer; empty until it draws one.
  const QRegion& Region() const { return FRegion; }
  void SetRegion(const QRegion& Value) { FRegion = Value; }
  TwGaugePointerManager* Owner() const { return FOwner; }

  // In the region, and the pointer enabled and visible.
  bool wMouseHitTest(int X, int Y) const;
  // The hand when the user may move the pointer, else the arrow.
  Qt::CursorShape GetMousePointer() const;
  // Color, or DisabledColor for a disabled pointer with UseDisabledColor.
  platform::TColor GetColorDraw() const;

 private:
  template <typename T>
  void Set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    NotifyChange();
  }
  void NotifyChange();

  QRegion FRegion;
  int FSize = 10;
  int FStyle = 3;
  bool FStyle3D = false;
  int FMargin = 0;
  platform::TColor FColor = platform::clBlue;
  platform::TColor FDisabledColor = platform::clGray;
  TwGaugePointerManager* FOwner = nullptr;
  double FPosition = 0;
  bool FVisible = true;
  bool FEnabled = true;
  bool FMouseDown = false;
  bool FUserCanMove = false;
  bool FUseDisabledColor = false;
  bool FDrawScaleSide = false;
  bool FFocused = false;
};

class TwGaugePointerManager {
 public:
  // Sender is the pointer concerned, or the manager itself.
  using TPointerEvent = std::function<void(void* Sender)>;

  TwGaugePointerManager(TPointerEvent AOnChange, TPointerEvent AOnInsert, TPointerEvent AOnRemove,
                        TPointerEvent APositionChanged = nullptr);
  ~TwGaugePointerManager();
  TwGaugePointerManager(const TwGaugePointerManager&) = delete;
  TwGaugePointerManager& operator=(const TwGaugePointerManager&) = delete;

  // A new pointer owned by the manager; its index.
  int Add();
  // Raises "Index out of Bounds" outside 0..Count-1.
  void Delete(int Index);
  void Clear();
  void ClearAllFocus();
  int IndexOfObject(const TwGaugePointer* Pointer) const;
  int GetCount() const { return int(FList.size()); }
  TwGaugePointer* GetItem(int Index) const;

  // Called by the pointers as they are made and deleted.
  void InsertPointer(TwGaugePointer* Pointer);
  void RemovePointer(TwGaugePointer* Pointer);

 private:
  friend class TwGaugePointer;
  TwGaugePointer* CreateObject();

  std::vector<TwGaugePointer*> FList;
  TPointerEvent FOnInsert;
  TPointerEvent FOnRemove;
  TPointerEvent FOnChange;
  TPointerEvent FOnPositionChanged;
};
