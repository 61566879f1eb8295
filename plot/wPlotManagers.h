// The plot's object managers. Every plot object is listed in the manager of
// its kind (which owns and frees it), in the all-objects manager
// (TwPlotObjectManager, which dispatches input to selected objects) and, when
// it is a layout object, in the layout manager (wPlotLayoutManager.h).
//
// A manager keeps insertion order: an object's index in its kind's manager is
// the index the plot's accessors and events use. Typed managers name a new
// unnamed object "<prefix> n" (one above the largest numeric tail among
// their objects' names) and give it its default links. Managers are created
// through Create, which announces the new manager to the master manager.
#pragma once

#include <QString>

#include <type_traits>
#include <typeinfo>
#include <vector>

#include "plot/wPlotObjects.h"

class TwPlotToolBar;
class TwPlotLegend;
class TwPlotTable;
class TwPlotAxis;
class TwPlotXAxis;
class TwPlotYAxis;
class TwPlotChannelCustom;
class TwPlotDataView;
class TwPlotDataCursor;
class TwPlotLimit;
class TwPlotLabel;
class TwPlotAnnotation;

class TwPlotObjectManagerCustom : public TwPersistent {
 public:
  TwPlotObjectManagerCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                            TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
  ~TwPlotObjectManagerCustom() override;

  // Constructs a manager and announces it through its insertion hook.
  template <class M, class... A>
  static M* Create(A&&... Args) {
    M* m = new M(std::forward<A>(Args)...);
    if (m->OnInsert) m->OnInsert(m);
    m->Created();
    return m;
  }

  int Count() const { return int(FList.size()); }
  TwPlotComponent* Owner() const { return FOwner; }
  void InsertObject(TwPlotObject* AObject);
  int GetIndex(const TwPlotObject* AObject) const;
  // Throws std::out_of_range("List index out of bounds (n)").
  TwPlotObject* GetPlotObject(int Index) const;
  TwPlotObject* GetObjectByName(const QString& Value) const;
  int GetIndexByName(const QString& Value) const;
  QString GetNextName() const;

  virtual TwPlotObject* CreateObject() = 0;
  virtual QString GetNamePrefix() const = 0;
  virtual void NotificationRemove(TwPersistent* Sender);
  virtual void NotificationInsert(TwPersistent* Sender) = 0;
  virtual void NotificationRename(TwPersistent* Sender);
  virtual void NotificationSetFocus(TwPersistent* Sender);
  virtual void Clear() {}
  // Drops entry Index; the object lives on.
  void Delete(int Index);

  TwNotifyEvent OnChange, OnInsert, OnRemove, OnRename;

 protected:
  virtual void ObjectRemoved(TwPlotObject* /*AObject*/) {}

 public:
  // After the announcement.
  virtual void Created() {}

 protected:
  const std::vector<TwPlotObject*>& List() const { return FList; }
  std::vector<TwPlotObject*> FList;

 private:
  TwPlotComponent* FOwner;
};

// Owns its objects: Clear and its destruction free them.
class TwPlotObjectOwnedManager : public TwPlotObjectManagerCustom {
 public:
  using TwPlotObjectManagerCustom::TwPlotObjectManagerCustom;
  ~TwPlotObjectOwnedManager() override;
  void Clear() override;
  void NotificationRemove(TwPersistent* Sender) override;
};

// A typed manager of kind T.
template <class T>
class TwPlotKindManager : public TwPlotObjectOwnedManager {
 public:
  using TwPlotObjectOwnedManager::TwPlotObjectOwnedManager;
  T* GetObject(int Index) const {
    T* t = dynamic_cast<T*>(GetPlotObject(Index));
    if (!t) throw std::bad_cast();
    return t;
  }
  void NotificationInsert(TwPersistent* Sender) override {
    T* t = dynamic_cast<T*>(Sender);
    if (!t) return;
    InsertObject(t);
    if (!t->Name().isEmpty() || GetNamePrefix().isEmpty()) return;
    t->SetName(GetNextName());
    Initialise(t);
  }
  TwPlotObject* CreateObject() override {
    if constexpr (std::is_abstract_v<T>)
      throw TwException("Object Manager does not support creation of objects");
    else
      return new T(Owner(), OnChange, OnInsert, OnRemove, OnRename);
  }

 protected:
  virtual void Initialise(T* /*AObject*/) {}
};

class TwPlotToolBarManager : public TwPlotKindManager<TwPlotToolBar> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Toolbar"); }
};

class TwPlotLegendManager : public TwPlotKindManager<TwPlotLegend> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Legend"); }
};

class TwPlotTableManager : public TwPlotKindManager<TwPlotTable> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Table"); }
};

class TwPlotXAxisManager : public TwPlotKindManager<TwPlotXAxis> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("X-Axis"); }

 protected:
  void Initialise(TwPlotXAxis* AObject) override;
};

class TwPlotYAxisManager : public TwPlotKindManager<TwPlotYAxis> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Y-Axis"); }

 protected:
  void Initialise(TwPlotYAxis* AObject) override;
};

// Creates a channel of the plot's channel class.
using TwPlotChannelClass = std::function<TwPlotChannelCustom*(TwPlotComponent* AOwner, TwNotifyEvent AOnChange,
                                                              TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                                                              TwNotifyEvent AOnRename)>;

class TwPlotChannelManager : public TwPlotKindManager<TwPlotChannelCustom> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Channel"); }
  TwPlotObject* CreateObject() override;
  void NotificationRemove(TwPersistent* Sender) override;
  // Red for the first channel; then the least used palette colour.
  platform::TColor GetNextChannelColor() const;

  TwPlotXAxisManager* XAxisManager = nullptr;
  TwPlotYAxisManager* YAxisManager = nullptr;
  TwPlotChannelClass ChannelClass;

 protected:
  void Initialise(TwPlotChannelCustom* AObject) override;
};

class TwPlotDataViewManager : public TwPlotKindManager<TwPlotDataView> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Data View"); }
  void NotificationRemove(TwPersistent* Sender) override;

  TwPlotXAxisManager* XAxisManager = nullptr;
  TwPlotYAxisManager* YAxisManager = nullptr;

 protected:
  void Initialise(TwPlotDataView* AObject) override;
};

class TwPlotDataCursorManager : public TwPlotKindManager<TwPlotDataCursor> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Cursor"); }
  void NotificationRemove(TwPersistent* Sender) override;

  TwPlotChannelManager* ChannelManager = nullptr;
  TwPlotDataViewManager* DataViewManager = nullptr;

 protected:
  void Initialise(TwPlotDataCursor* AObject) override;
};

class TwPlotLimitManager : public TwPlotKindManager<TwPlotLimit> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Limit"); }
  void NotificationRemove(TwPersistent* Sender) override;

  TwPlotXAxisManager* XAxisManager = nullptr;
  TwPlotYAxisManager* YAxisManager = nullptr;

 protected:
  void Initialise(TwPlotLimit* AObject) override;
};

class TwPlotLabelManager : public TwPlotKindManager<TwPlotLabel> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Label"); }

 protected:
  void Initialise(TwPlotLabel* AObject) override;
};

// Annotations are listed but never named.
class TwPlotAnnotationManager : public TwPlotKindManager<TwPlotAnnotation> {
 public:
  using TwPlotKindManager::TwPlotKindManager;
  QString GetNamePrefix() const override { return QStringLiteral("Annotation"); }
  void NotificationInsert(TwPersistent* Sender) override;
};

// Every plot object of the plot, not owned; input reaches the selected ones.
class TwPlotObjectManager : public TwPlotObjectManagerCustom {
 public:
  using TwPlotObjectManagerCustom::TwPlotObjectManagerCustom;
  TwPlotObject* CreateObject() override;
  QString GetNamePrefix() const override { return QStringLiteral("n/a"); }
  void NotificationInsert(TwPersistent* Sender) override;

  void ClearAllUserSelections();
  void SetShiftState(Qt::KeyboardModifiers Value);
  void MouseDownFocusObjects(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                             int ScreenY, TwPlotPopupMenu* PopupMenu);
  void MouseMoveFocusObjects(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                             int ScreenY, bool DblClickActive);
  void MouseUpFocusObjects(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX, int ScreenY,
                           bool DblClickActive, TwPlotPopupMenu* PopupMenu);
  void KeyDownFocusObjects(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu);
  bool MouseWheelFocusObjects(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos);
  // Objects freed after this notify nobody (the plot's destruction).
  void ShutDownSetup();
};
