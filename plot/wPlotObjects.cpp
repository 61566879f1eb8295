#include "plot/wPlotObjects.h"

#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "platform/Timer.h"
#include "plot/wPlotComponent.h"

// ---- popup menu ----

TwPlotPopupMenu::TwPlotPopupMenu() = default;
TwPlotPopupMenu::~TwPlotPopupMenu() { Clear(); }

void TwPlotPopupMenu::Clear() {
  if (FMenu) FMenu->clear();
  FItems.clear();
  FSubMenus.clear();
  FSubItems.clear();
}

platform::MenuItem* TwPlotPopupMenu::Add(platform::MenuItem* Parent, const QString& Caption) {
  QMenu* sub = Parent->menu();
  if (!sub) {
    FSubMenus.push_back(std::make_unique<QMenu>());
    sub = FSubMenus.back().get();
    sub->setTitle(Parent->text());
    Parent->setMenu(sub);
  }
  FSubItems.push_back(std::make_unique<platform::MenuItem>(Caption, nullptr));
  sub->addAction(FSubItems.back().get());
  return FSubItems.back().get();
}

platform::MenuItem* TwPlotPopupMenu::Add(const QString& Caption) {
  FItems.push_back(std::make_unique<platform::MenuItem>(Caption, nullptr));
  return FItems.back().get();
}

platform::MenuItem* TwPlotPopupMenu::Insert(int Index, const QString& Caption) {
  Index = std::clamp(Index, 0, Count());
  auto it = FItems.insert(FItems.begin() + Index, std::make_unique<platform::MenuItem>(Caption, nullptr));
  return it->get();
}

void TwPlotPopupMenu::Popup(int X, int Y) {
  if (!FMenu) FMenu = std::make_unique<QMenu>();
  FMenu->clear();
  for (const auto& item : FItems) FMenu->addAction(item.get());
  FMenu->popup(QPoint(X, Y));
}

// ---- TwPlotObject ----

TwPlotObject::TwPlotObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                           TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : OnChange(std::move(AOnChange)),
      OnRemove(std::move(AOnRemove)),
      OnInsert(std::move(AOnInsert)),
      OnRename(std::move(AOnRename)),
      FOwner(AOwner) {}

TwPlotObject::~TwPlotObject() { BeforeDestruction(); }

void TwPlotObject::BeforeDestruction() {
  if (FRemoved) return;
  FRemoved = true;
  if (OnRemove) OnRemove(this);
  DoLayoutChange();
}

void TwPlotObject::Free(TwPlotObject* AObject) {
  if (!AObject) return;
  AObject->BeforeDestruction();
  delete AObject;
}

void TwPlotObject::SetName(const QString& Value) {
  if (Value == FName) return;
  FNameOld = FName;
  FName = Value;
  if (OnRename) OnRename(this);
  DoChange();
}

void TwPlotObject::SetVisible(bool Value) { SetBooleanProperty(Value, FVisible, ipnChange); }

void TwPlotObject::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (!Value) {
    FMouseDown = false;
    SetUserSelected(false);
  }
  DoChange();
}

void TwPlotObject::SetUserSelected(bool Value) {
  if (Value == FUserSelected) return;
  FUserSelected = Value;
  if (OnInvalidateNow) OnInvalidateNow(this);
  if (Value) {
    if (OnSetFocus) OnSetFocus(this);
    DoGotFocus();
  } else {
    DoLostFocus();
  }
}

void TwPlotObject::DoChange() {
  if (OnChange) OnChange(this);
}

void TwPlotObject::DoLayoutChange() {
  if (OnLayoutChange) OnLayoutChange(this);
  DoChange();
}

void TwPlotObject::Notify(TwPlotNotify Kind) {
  if (Kind == ipnChange) DoChange();
  else if (Kind == ipnLayout) DoLayoutChange();
}

void TwPlotObject::SetBooleanProperty(bool Value, bool& Field, TwPlotNotify Kind) {
  if (Field == Value) return;
  Field = Value;
  Notify(Kind);
}
void TwPlotObject::SetColorProperty(platform::TColor Value, platform::TColor& Field, TwPlotNotify Kind) {
  if (Field == Value) return;
  Field = Value;
  Notify(Kind);
}
void TwPlotObject::SetDoubleProperty(double Value, double& Field, TwPlotNotify Kind) {
  if (Field == Value) return;
  Field = Value;
  Notify(Kind);
}
void TwPlotObject::SetIntegerProperty(int Value, int& Field, TwPlotNotify Kind) {
  if (Field == Value) return;
  Field = Value;
  Notify(Kind);
}
void TwPlotObject::SetStringProperty(const QString& Value, QString& Field, TwPlotNotify Kind) {
  if (Field == Value) return;
  Field = Value;
  Notify(Kind);
}

QString TwPlotObject::GetLayerKey() const { return QString::number(FLayer).rightJustified(6, QLatin1Char('0')); }

QString TwPlotObject::TranslateText(const QString& Text) const {
  return FOwner ? FOwner->TranslateText(Text) : Text;
}

TwPlotMouseData TwPlotObject::MakeMouseData(int X, int Y, int ScreenX, int ScreenY,
                                            Qt::KeyboardModifiers Shift) const {
  TwPlotMouseData d;
  d.X = X;
  d.Y = Y;
  d.ScreenX = ScreenX;
  d.ScreenY = ScreenY;
  d.XAxisPixels = FXYAxesReversed ? Y : X;
  d.YAxisPixels = FXYAxesReversed ? X : Y;
  d.Shift = Shift;
  return d;
}

bool TwPlotObject::HitTest(int X, int Y) { return DoHitTest(MakeMouseData(X, Y, 0, 0, {})); }

void TwPlotObject::DoEdit() {
  if (OnEdit) OnEdit(this);
}

void TwPlotObject::AddEditMenuItem(TwPlotPopupMenu* PopupMenu) {
  if (!FUserCanEdit || !PopupMenu) return;
  platform::MenuItem* item = PopupMenu->Add(TranslateText(QStringLiteral("Edit...")));
  item->SetVisible(true);
  item->OnClick = [this](QObject*) { DoEdit(); };
}

void TwPlotObject::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  if (PopupMenu) PopupMenu->Clear();
}

void TwPlotObject::DoGotFocus() {
  if (FOwner) FOwner->DoGotFocusEvent(this);
}
void TwPlotObject::DoLostFocus() {
  if (FOwner) FOwner->DoLostFocusEvent(this);
}

void TwPlotObject::DoInsert() {
  if (OnInsert) OnInsert(this);
}

void TwPlotObject::wMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                              int ScreenY, TwPlotPopupMenu*) {
  if (!FEnabled) return;
  TwPlotMouseData d = MakeMouseData(X, Y, ScreenX, ScreenY, Shift);
  d.Button = Button;
  FMouseDownPopup = false;
  if (Button == Qt::RightButton) {
    FMouseDownPopup = FPopupEnabled;
    FMouseDown = true;
    DoMouseRight(d);
  } else if (Button == Qt::LeftButton) {
    FMouseDown = true;
    DoMouseLeft(d);
  }
  if (DoHitTest(d) && FOwner) FOwner->DoMouseDownEvent(this, Button, Shift, X, Y);
}

void TwPlotObject::wMouseMove(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                              int ScreenY, bool DblClickActive) {
  TwPlotMouseData d = MakeMouseData(X, Y, ScreenX, ScreenY, Shift);
  d.DblClickActive = DblClickActive;
  if (FMouseDown) DoMouseMove(d);
  else DoMouseHint(d, HintData);
  if (DoHitTest(d) && FOwner) FOwner->DoMouseMoveEvent(this, Shift, X, Y);
}

void TwPlotObject::wMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                            int ScreenY, bool DblClickActive, TwPlotPopupMenu* PopupMenu) {
  TwPlotMouseData d = MakeMouseData(X, Y, ScreenX, ScreenY, Shift);
  d.Button = Button;
  d.DblClickActive = DblClickActive;
  if (FMouseDownPopup && DoHitTest(d)) {
    bool cancel = false;
    if (FOwner) FOwner->DoPopupMenuEvent(this, cancel, ScreenX, ScreenY);
    if (!cancel && PopupMenu) {
      AddMenuItems(PopupMenu);
      PopupMenu->Popup(ScreenX, ScreenY);
    }
  }
  FMouseDownPopup = false;
  DoMouseUp(d);
  if (FMouseDown) {
    FMouseDown = false;
    if (FOwner) FOwner->DoMouseUpEvent(this, Button, Shift, X, Y);
  }
}

bool TwPlotObject::wMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) {
  const bool used = DoMouseWheel(WheelDelta, Shift, MousePos.x(), MousePos.y());
  if (FOwner) FOwner->DoMouseWheelEvent(this, WheelDelta, Shift, MousePos.x(), MousePos.y());
  return used;
}

void TwPlotObject::DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) {
  const bool shiftF10 = CharCode == Qt::Key_F10 && (Shift & Qt::ShiftModifier);
  if (!(shiftF10 || CharCode == Qt::Key_Menu) || !FPopupEnabled) return;
  bool cancel = false;
  if (FOwner) FOwner->DoPopupMenuEvent(this, cancel, 0, 0);
  if (cancel || !PopupMenu) return;
  AddMenuItems(PopupMenu);
  QPoint c;
  if (!GetPopupCenter(c)) return;
  if (FOwner) c = FOwner->mapToGlobal(c);
  PopupMenu->Popup(c.x(), c.y());
}

TwPlotObject* TwPlotObject::GetMouseOverObject(int, int) {
  FMouseOverObject = this;
  return this;
}

TCursor TwPlotObject::GetMouseCursor(const TwPlotMouseData& MouseData) {
  if (FMouseOverObject && FMouseOverObject != this) return FMouseOverObject->GetMouseCursor(MouseData);
  if (!FMouseOverObject) FMouseOverObject = this;
  return crDefault;
}

// ---- TwPlotManagerObject ----

namespace {
TwPlotComponent* CheckedOwner(TwPlotComponent* AOwner, const TwNotifyEvent& AOnChange, const TwNotifyEvent& AOnInsert,
                              const TwNotifyEvent& AOnRemove, const TwNotifyEvent& AOnRename) {
  if (!AOwner) throw TwException("Owner must be assigned");
  if (!AOnChange) throw TwException("OnChange event handler can not be null");
  if (!AOnInsert) throw TwException("OnInsert event handler can not be null");
  if (!AOnRemove) throw TwException("OnRemove event handler can not be null");
  if (!AOnRename) throw TwException("AOnRename event handler can not be null");
  return AOwner;
}
}  // namespace

TwPlotManagerObject::TwPlotManagerObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    // Copies: the check reads the hooks, so none may be moved from before it.
    : TwPlotObject(CheckedOwner(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename), AOnChange, AOnInsert, AOnRemove,
                   AOnRename) {}

// ---- TwPlotLayoutObject ----

TwPlotLayoutObject::TwPlotLayoutObject(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                       TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)) {}

void TwPlotLayoutObject::SetStartPercent(double Value) {
  if (!(Value >= 0)) Value = 0;
  if (Value > 100) Value = 100;
  if (FStopPercent - Value < 1) {
    FStopPercent = Value + 1;
    if (FStopPercent > 100) {
      FStopPercent = 100;
      Value = 99;
    }
  }
  SetDoubleProperty(Value, FStartPercent, ipnChange);
}

void TwPlotLayoutObject::SetStopPercent(double Value) {
  if (!(Value >= 0)) Value = 0;
  if (Value > 100) Value = 100;
  if (Value - FStartPercent < 1) {
    FStartPercent = Value - 1;
    if (FStartPercent < 0) {
      FStartPercent = 0;
      Value = 1;
    }
  }
  SetDoubleProperty(Value, FStopPercent, ipnChange);
}

void TwPlotLayoutObject::SetStartStopPercent(double Start, double Stop) {
  FStartPercent = Start;
  FStopPercent = Stop;
  DoChange();
}

void TwPlotLayoutObject::SetDrawRect(const platform::TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FRight = R.Right;
  FBottom = R.Bottom;
}

void TwPlotLayoutObject::SetLayoutRect(const platform::TRect& R) {
  FLayoutLeft = R.Left;
  FLayoutTop = R.Top;
  FLayoutRight = R.Right;
  FLayoutBottom = R.Bottom;
}

bool TwPlotLayoutObject::DoHitTest(const TwPlotMouseData& d) {
  return d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom;
}

bool TwPlotLayoutObject::GetPopupCenter(QPoint& Center) const {
  Center = QPoint((FLeft + FRight) / 2, (FTop + FBottom) / 2);
  return true;
}

void TwPlotLayoutObject::DoInsert() {
  if (OnInsert) OnInsert(this);
  if (OnLayoutChange) OnLayoutChange(this);
}

// ---- TwPlotButton ----

TwPlotButton::TwPlotButton(TwPlotComponent* AOwner) : TwPlotObject(AOwner, {}, {}, {}, {}) {}
TwPlotButton::~TwPlotButton() = default;

void TwPlotButton::SetDrawRect(const platform::TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FRight = R.Right;
  FBottom = R.Bottom;
}

void TwPlotButton::SetDown(bool Value) {
  if (Value == FDown) return;
  FDown = Value;
  DoInvalidate();
  if (OnDownChange) OnDownChange(this);
}

void TwPlotButton::SetEnabled(bool Value) {
  if (!Value) FTimer.reset();
  TwPlotObject::SetEnabled(Value);
}

bool TwPlotButton::RepeatActive() const { return FTimer && FTimer->Enabled(); }
int TwPlotButton::RepeatInterval() const { return FTimer ? FTimer->Interval() : 0; }

void TwPlotButton::DoInvalidate() {
  if (OnInvalidate) OnInvalidate(this);
}

void TwPlotButton::DoMouseLeft(const TwPlotMouseData&) {
  if (FTimerEnabled) {
    if (!FTimer) FTimer = std::make_unique<platform::Timer>(nullptr, 500);
    FTimer->SetInterval(500);
    FTimer->OnTimer = [this](QObject*) { ClickRepeat(); };
    FTimer->SetEnabled(true);
    FFirstTimerMessage = true;
  }
  DoInvalidate();
}

void TwPlotButton::ClickRepeat() {
  if (FFirstTimerMessage) {
    FFirstTimerMessage = false;
    if (FTimer) FTimer->SetInterval(50);
  }
  if (OnClick) OnClick(this);
  DoInvalidate();
}

bool TwPlotButton::DoHitTest(const TwPlotMouseData& d) {
  return d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom;
}

void TwPlotButton::DoMouseUp(const TwPlotMouseData& d) {
  if (!MouseDown()) return;
  FTimer.reset();
  DoInvalidate();
  if (d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom) {
    if (FGroupIndex != 0 && OnGroupClick) OnGroupClick(this);
    if (OnClick) OnClick(this);
  }
}
