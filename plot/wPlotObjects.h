// The plot's object model. Everything a plot shows (channels, axes, data
// views, legends, toolbars, labels, tables, cursors, limits, annotations) is a
// TwPlotObject: a plain object owned by one of its plot's managers, placed by
// the layout manager when it is a TwPlotLayoutObject, painted by the plot and
// fed with input through the entry points wMouseDown, wMouseMove, wMouseUp,
// wMouseWheel and DoKeyDown.
//
// Hooks. An object reports to its managers through std::function hooks with
// the sender first: OnChange (repaint), OnLayoutChange (the layout manager
// re-sorts, then OnChange), OnInsert, OnRemove, OnRename, OnSetFocus, OnEdit
// and OnInvalidateNow. A hook is called only when assigned;
// TwPlotManagerObject, the base of every managed kind, refuses construction
// without an owner or one of the four construction hooks.
//
// Lifetime. Objects are freed with TwPlotObject::Free, which announces the
// removal (OnRemove, then OnLayoutChange) while the object is still whole, so
// that managers and the plot can still read its kind and index.
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

#include "controls/wException.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "platform/MenuItem.h"
#include "plot/wPlotEvents.h"

class TwPlotComponent;
namespace platform {
class Timer;
}  // namespace platform
class QMenu;

// Common base of everything a hook may name as its sender: objects,
// managers and translation entries.
class TwPersistent {
 public:
  virtual ~TwPersistent() = default;
};

using TwNotifyEvent = std::function<void(TwPersistent* Sender)>;

struct TwPlotMouseData {
  int X = 0, Y = 0;
  int ScreenX = 0, ScreenY = 0;
  // The position along the X and the Y axis: X and Y, exchanged when the plot
  // exchanges its axes.
  int XAxisPixels = 0, YAxisPixels = 0;
  Qt::KeyboardModifiers Shift;
  Qt::MouseButton Button = Qt::NoButton;
  bool DblClickActive = false;
};

struct TwHintData {
  QString Text;
  int Top = 0, Left = 0, Width = 0, Height = 0;
  bool Visible = false;
};

// The plot's one popup menu: objects fill it before it opens. Popup shows it
// at a screen position; tests replace Popup to record instead.
class TwPlotPopupMenu {
 public:
  TwPlotPopupMenu();
  virtual ~TwPlotPopupMenu();
  void Clear();
  platform::MenuItem* Add(const QString& Caption);
  // An item of Parent's submenu (made on the first one).
  platform::MenuItem* Add(platform::MenuItem* Parent, const QString& Caption);
  // An item at Index (0 is the top).
  platform::MenuItem* Insert(int Index, const QString& Caption);
  int Count() const { return int(FItems.size()); }
  platform::MenuItem* Item(int Index) const { return FItems.at(Index).get(); }
  virtual void Popup(int X, int Y);

 private:
  std::vector<std::unique_ptr<platform::MenuItem>> FItems;
  std::unique_ptr<QMenu> FMenu;
  std::vector<std::unique_ptr<QMenu>> FSubMenus;
  std::vector<std::unique_ptr<platform::MenuItem>> FSubItems;
};

class TwPlotObject : public TwPersistent {
 public:
  TwPlotObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
               TwNotifyEvent AOnRename);
  ~TwPlotObject() override;
  TwPlotObject(const TwPlotObject&) = delete;
  TwPlotObject& operator=(const TwPlotObject&) = delete;

  // Announces the removal, then deletes.
  static void Free(TwPlotObject* AObject);

  TwPlotComponent* Owner() const { return FOwner; }
  QString Name() const { return FName; }
  void SetName(const QString& Value);
  QString NameOld() const { return FNameOld; }
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  int Layer() const { return FLayer; }
  void SetLayer(int Value) { SetIntegerProperty(Value, FLayer, ipnChange); }
  bool PopupEnabled() const { return FPopupEnabled; }
  void SetPopupEnabled(bool Value) { SetBooleanProperty(Value, FPopupEnabled, ipnChange); }
  bool CanFocus() const { return FCanFocus; }
  void SetCanFocus(bool Value) { SetBooleanProperty(Value, FCanFocus, ipnChange); }
  bool UserSelected() const { return FUserSelected; }
  void SetUserSelected(bool Value);
  bool UserCanEdit() const { return FUserCanEdit; }
  void SetUserCanEdit(bool Value) { FUserCanEdit = Value; }
  bool XYAxesReversed() const { return FXYAxesReversed; }
  virtual void SetXYAxesReversed(bool Value) { FXYAxesReversed = Value; }
  bool CanDraw() const { return FCanDraw; }
  Qt::KeyboardModifiers ShiftState() const { return FShiftState; }
  void SetShiftState(Qt::KeyboardModifiers Value) { FShiftState = Value; }
  bool MouseDown() const { return FMouseDown; }

  // Layer as decimal text left-padded with "0" to six characters.
  QString GetLayerKey() const;
  QString TranslateText(const QString& Text) const;
  bool HitTest(int X, int Y);
  // Appends "Edit..." when the user may edit the object.
  void AddEditMenuItem(TwPlotPopupMenu* PopupMenu);

  virtual void DoChange();
  virtual void DoLayoutChange();
  virtual void NotificationRemove(TwPersistent* /*Sender*/) {}
  virtual void NotificationRename(TwPersistent* /*Sender*/) {}
  virtual void NotificationSetFocus(TwPersistent* /*Sender*/) {}
  virtual void PrepareDraw(platform::Canvas& /*Canvas*/) { FCanDraw = FVisible; }
  virtual void Draw(platform::Canvas& /*Canvas*/, platform::TColor /*BackGroundColor*/) {}

  // ---- input entry points ----
  virtual void wMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX, int ScreenY,
                          TwPlotPopupMenu* PopupMenu);
  virtual void wMouseMove(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX, int ScreenY,
                          bool DblClickActive);
  virtual void wMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX, int ScreenY,
                        bool DblClickActive, TwPlotPopupMenu* PopupMenu);
  virtual bool wMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos);
  // Shift+F10 or the menu key opens the object's popup menu.
  virtual void DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu);
  virtual TwPlotObject* GetMouseOverObject(int X, int Y);
  virtual TCursor GetMouseCursor(const TwPlotMouseData& MouseData);
  virtual void DoMouseNotOver() {}

  virtual void DoInsert();
  // The base empties the menu; kinds add their items.
  virtual void AddMenuItems(TwPlotPopupMenu* PopupMenu);

  TwNotifyEvent OnChange, OnLayoutChange, OnRemove, OnInsert, OnRename, OnSetFocus, OnEdit, OnInvalidateNow;

 protected:
  // The plot repeats an axis's input on its other axes.
  friend class TwPlotComponent;

  enum TwPlotNotify { ipnNone, ipnChange, ipnLayout };
  void SetBooleanProperty(bool Value, bool& Field, TwPlotNotify Notify);
  void SetColorProperty(platform::TColor Value, platform::TColor& Field, TwPlotNotify Notify);
  void SetDoubleProperty(double Value, double& Field, TwPlotNotify Notify);
  void SetIntegerProperty(int Value, int& Field, TwPlotNotify Notify);
  void SetStringProperty(const QString& Value, QString& Field, TwPlotNotify Notify);
  void Notify(TwPlotNotify Kind);

  virtual bool DoHitTest(const TwPlotMouseData& /*MouseData*/) { return false; }
  virtual void DoMouseHint(const TwPlotMouseData& /*MouseData*/, TwHintData& /*HintData*/) {}
  virtual void DoMouseLeft(const TwPlotMouseData& /*MouseData*/) {}
  virtual void DoMouseRight(const TwPlotMouseData& /*MouseData*/) {}
  virtual void DoMouseMove(const TwPlotMouseData& /*MouseData*/) {}
  virtual void DoMouseUp(const TwPlotMouseData& /*MouseData*/) {}
  virtual bool DoMouseWheel(int /*WheelDelta*/, Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) { return false; }
  virtual void DoGotFocus();
  virtual void DoLostFocus();
  // Where the keyboard's popup menu opens, in client coordinates; false when
  // the object shows none.
  virtual bool GetPopupCenter(QPoint& /*Center*/) const { return false; }
  void DoEdit();
  // A right press that turned into a drag opens no popup menu.
  void CancelMouseDownPopup() { FMouseDownPopup = false; }
  TwPlotMouseData MakeMouseData(int X, int Y, int ScreenX, int ScreenY, Qt::KeyboardModifiers Shift) const;

  TwPlotObject* FMouseOverObject = nullptr;

 private:
  void BeforeDestruction();

  QString FName, FNameOld;
  TwPlotComponent* FOwner;
  Qt::KeyboardModifiers FShiftState;
  bool FVisible = true;
  bool FEnabled = true;
  int FLayer = 100;
  bool FPopupEnabled = true;
  bool FCanFocus = true;
  bool FUserSelected = false;
  bool FUserCanEdit = true;
  bool FXYAxesReversed = false;
  bool FMouseDown = false;
  bool FMouseDownPopup = false;
  bool FRemoved = false;

 protected:
  bool FCanDraw = false;
};

class TwPlotManagerObject : public TwPlotObject {
 public:
  TwPlotManagerObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                      TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
};

// An object the layout manager places beside the data view: along a
// horizontal side (Horizontal) or a vertical one, in row ZOrder, from
// StartPercent to StopPercent of the side.
class TwPlotLayoutObject : public TwPlotManagerObject {
 public:
  TwPlotLayoutObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                     TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);

  double StartPercent() const { return FStartPercent; }
  // Clamped to 0..100, keeping at least 1 % to StopPercent.
  void SetStartPercent(double Value);
  double StopPercent() const { return FStopPercent; }
  void SetStopPercent(double Value);
  // Both ends as they are (the layout viewer).
  void SetStartStopPercent(double Start, double Stop);
  int ZOrder() const { return FZOrder; }
  void SetZOrder(int Value) { SetIntegerProperty(Value, FZOrder, ipnLayout); }
  bool Horizontal() const { return FHorizontal; }
  void SetHorizontal(bool Value) { SetBooleanProperty(Value, FHorizontal, ipnLayout); }
  bool ForceStacking() const { return FForceStacking; }
  void SetForceStacking(bool Value) { SetBooleanProperty(Value, FForceStacking, ipnLayout); }
  bool ReverseSide() const { return FReverseSide; }
  void SetReverseSide(bool Value) { SetBooleanProperty(Value, FReverseSide, ipnChange); }
  bool StartStacked() const { return FStartStacked; }
  void SetStartStacked(bool Value) { FStartStacked = Value; }
  bool StopStacked() const { return FStopStacked; }
  void SetStopStacked(bool Value) { FStopStacked = Value; }

  platform::TRect DrawRect() const { return {FLeft, FTop, FRight, FBottom}; }
  void SetDrawRect(const platform::TRect& R);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Right() const { return FRight; }
  int Bottom() const { return FBottom; }
  void SetLeft(int V) { FLeft = V; }
  void SetTop(int V) { FTop = V; }
  void SetRight(int V) { FRight = V; }
  void SetBottom(int V) { FBottom = V; }
  int Width() const { return FRight - FLeft; }
  int Height() const { return FBottom - FTop; }
  platform::TRect LayoutRect() const { return {FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom}; }
  void SetLayoutRect(const platform::TRect& R);
  int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
  int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }
  bool IsHorz() const { return GetIsHorz(); }
  bool IsVert() const { return GetIsVert(); }

  virtual bool GetIsHorz() const { return FHorizontal; }
  virtual bool GetIsVert() const { return !FHorizontal; }
  // Pixels the object needs across its side.
  virtual int GetRequiredWidth(platform::Canvas& /*Canvas*/) { return 0; }
  // Pixels its contents overhang the ends of its side.
  virtual int GetEndsOverhang(platform::Canvas& /*Canvas*/) { return 0; }

  void DoInsert() override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  bool GetPopupCenter(QPoint& Center) const override;

 private:
  double FStopPercent = 100;
  double FStartPercent = 0;
  int FZOrder = 0;
  bool FHorizontal = false;
  bool FReverseSide = false;
  int FBottom = 0, FLeft = 0, FTop = 0, FRight = 0;
  bool FStartStacked = false, FStopStacked = false;
  int FLayoutBottom = 0, FLayoutLeft = 0, FLayoutTop = 0, FLayoutRight = 0;
  bool FForceStacking = false;
};

// A clickable rectangle inside a legend, toolbar or table. With
// TimerEnabled a held button clicks after 500 ms and then every 50 ms.
class TwPlotButton : public TwPlotObject {
 public:
  explicit TwPlotButton(TwPlotComponent* AOwner);
  ~TwPlotButton() override;

  platform::TRect DrawRect() const { return {FLeft, FTop, FRight, FBottom}; }
  void SetDrawRect(const platform::TRect& R);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Right() const { return FRight; }
  int Bottom() const { return FBottom; }
  int Width() const { return FRight - FLeft; }
  int Height() const { return FBottom - FTop; }
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool TimerEnabled() const { return FTimerEnabled; }
  void SetTimerEnabled(bool Value) { FTimerEnabled = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  void SetEnabled(bool Value) override;

  // The repeat timer's state (none before the first timed press).
  bool RepeatActive() const;
  int RepeatInterval() const;
  // One message of the repeat timer.
  void ClickRepeat();

  TwNotifyEvent OnClick, OnGroupClick, OnInvalidate, OnDownChange;

 protected:
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;
  bool DoHitTest(const TwPlotMouseData& MouseData) override;

 private:
  void DoInvalidate();
  int FTop = 0, FBottom = 0, FRight = 0, FLeft = 0;
  bool FDown = false;
  std::unique_ptr<platform::Timer> FTimer;
  bool FFirstTimerMessage = false;
  bool FTimerEnabled = false;
  int FGroupIndex = 0;
};

// A rectangle of the plot's collision list.
class TwPlotRectObject {
 public:
  explicit TwPlotRectObject(const platform::TRect& R = {}) : ARect(R) {}
  platform::TRect ARect;
};

// A menu item that carries a name (the data cursor's channel items).
class TwMenuItem : public platform::MenuItem {
 public:
  using platform::MenuItem::MenuItem;
  QString AString;
};
