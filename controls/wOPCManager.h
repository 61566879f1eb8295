// TwOPCManager: an optional component that holds named item groups in the
// binding library (wOPCLibrary.h), and TwOPCExplorerForm, the window that
// lists the library's server connections.
//
// The manager is invisible at run time and keeps a 28 x 28 size. Made, it
// asks the library whether it is the first manager (ManagerCreated, false
// without the library) and forgets any explorer window remembered before;
// destroyed, it deletes its groups and, as the first manager, tells the
// library (ManagerDestroyed).
//
// GroupAdd appends a group and, with the library, adds it there (the group
// keeps the library's handle); GroupDelete deletes it there when it has a
// handle. The library calls BeforeGroupUpdate / AfterGroupUpdate with a
// group handle; the manager fires OnBeforeGroupUpdate / OnAfterGroupUpdate
// with that group's name (empty for an unknown handle).
//
// ExplorerShow raises "Tavrin OPC DLL Not Found." without the library
// before any window is built; with it, it makes the explorer once
// ("Tavrin OPC Explorer", belonging to the application), refreshes it
// ("Servers Connections" with one node per connection, and "Groups") and
// shows it. UI thread only.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "controls/wOPCLibrary.h"

class QTreeWidget;

class TwOPCGroupObject {
 public:
  QString Name() const { return FName; }
  QString ComputerName() const { return FComputerName; }
  QString OPCServerName() const { return FOPCServerName; }
  int UpdateRate() const { return FUpdateRate; }
  // A changed rate goes to the library.
  void SetUpdateRate(int Value);
  // The library's handle; 0 when the group is not in the library.
  int DLLGroupHandle() const { return FDLLGroupHandle; }
  void Resume();
  void Suspend();

 private:
  friend class TwOPCManager;
  QString FName;
  QString FComputerName;
  QString FOPCServerName;
  int FUpdateRate = 0;
  int FDLLGroupHandle = 0;
};

class TwOPCExplorerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TwOPCExplorerForm(QWidget* parent = nullptr);
  // Rebuilds the tree from the library's server connections.
  void Refresh();
  QTreeWidget* Tree() const { return FTree; }

 private:
  QTreeWidget* FTree;
};

class TwOPCManager : public QWidget, public IwOPCManagerNotify {
  Q_OBJECT
 public:
  using TGroupUpdateEvent = std::function<void(QObject* Sender, const QString& GroupName)>;

  explicit TwOPCManager(QWidget* parent = nullptr);
  ~TwOPCManager() override;

  int GroupAdd(const QString& Name, const QString& ComputerName, const QString& OPCServerName, int UpdateRate);
  // An index outside the list raises "List index out of bounds (n)".
  void GroupDelete(int Index);
  void GroupClear();
  int GroupCount() const { return int(FGroupList.size()); }
  TwOPCGroupObject* Group(int Index) const;
  // The first group of that name (ignoring case); -1 when none.
  int GetGroupIndex(const QString& Name) const;
  void CloseAllServerConnections();
  void ExplorerShow();
  // The explorer window while it exists.
  static TwOPCExplorerForm* Explorer();
  bool FirstInstance() const { return FFirstInstance; }

  void BeforeGroupUpdate(int GroupHandle) override;
  void AfterGroupUpdate(int GroupHandle) override;

  TGroupUpdateEvent OnBeforeGroupUpdate;
  TGroupUpdateEvent OnAfterGroupUpdate;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString GroupNameOf(int GroupHandle) const;

  bool FFirstInstance = false;
  std::vector<std::unique_ptr<TwOPCGroupObject>> FGroupList;
};
