#include "controls/wOPCManager.h"

#include <QApplication>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/wException.h"

namespace {

QPointer<TwOPCExplorerForm>& ExplorerWindow() {
  static QPointer<TwOPCExplorerForm> window;
  return window;
}

}  // namespace

// ---- groups -------------------------------------------------------------------------

void TwOPCGroupObject::SetUpdateRate(int Value) {
  if (Value == FUpdateRate) return;
  FUpdateRate = Value;
  if (!OPCLibraryMissing() && FDLLGroupHandle != 0) TwOPCBinding::GroupSetUpdateRate(FDLLGroupHandle, Value);
}

void TwOPCGroupObject::Resume() { TwOPCBinding::GroupResume(FDLLGroupHandle); }
void TwOPCGroupObject::Suspend() { TwOPCBinding::GroupSuspend(FDLLGroupHandle); }

// ---- explorer -------------------------------------------------------------------------

TwOPCExplorerForm::TwOPCExplorerForm(QWidget* parent) : QDialog(parent), FTree(new QTreeWidget(this)) {
  setWindowTitle(QStringLiteral("Tavrin OPC Explorer"));
  FTree->setHeaderHidden(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FTree);
  resize(300, 400);
}

void TwOPCExplorerForm::Refresh() {
  FTree->clear();
  auto* servers = new QTreeWidgetItem(FTree, {QStringLiteral("Servers Connections")});
  new QTreeWidgetItem(FTree, {QStringLiteral("Groups")});
  const int count = TwOPCBinding::ServerConnectionGetCount();
  for (int i = 0; i < count; ++i) new QTreeWidgetItem(servers, {TwOPCBinding::ServerConnectionGetName(i)});
  servers->setExpanded(true);
}

// ---- manager -------------------------------------------------------------------------

TwOPCManager::TwOPCManager(QWidget* parent) : QWidget(parent) {
  FFirstInstance = ManagerCreated();
  ExplorerWindow() = nullptr;  // forgotten, not closed: it belongs to the application
  setFixedSize(28, 28);
  setVisible(false);
}

TwOPCManager::~TwOPCManager() {
  GroupClear();
  if (FFirstInstance) ManagerDestroyed();
}

int TwOPCManager::GroupAdd(const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                           int UpdateRate) {
  auto group = std::make_unique<TwOPCGroupObject>();
  group->FName = Name;
  group->FComputerName = ComputerName;
  group->FOPCServerName = OPCServerName;
  group->FUpdateRate = UpdateRate;
  TwOPCGroupObject& g = *group;
  FGroupList.push_back(std::move(group));
  if (!OPCLibraryMissing()) {
    int handle = 0;
    TwOPCBinding::GroupAdd(handle, Name, ComputerName, OPCServerName, UpdateRate, this);
    g.FDLLGroupHandle = handle;
  }
  return int(FGroupList.size()) - 1;
}

TwOPCGroupObject* TwOPCManager::Group(int Index) const {
  if (Index < 0 || Index >= GroupCount())
    throw TwException(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
  return FGroupList[size_t(Index)].get();
}

void TwOPCManager::GroupDelete(int Index) {
  TwOPCGroupObject* g = Group(Index);
  if (g->FDLLGroupHandle != 0 && !OPCLibraryMissing()) {
    const int handle = g->FDLLGroupHandle;
    g->FDLLGroupHandle = 0;
    FGroupList.erase(FGroupList.begin() + Index);
    TwOPCBinding::GroupDelete(handle);
    return;
  }
  FGroupList.erase(FGroupList.begin() + Index);
}

void TwOPCManager::GroupClear() {
  while (!FGroupList.empty()) {
    try {
      GroupDelete(0);
    } catch (const std::exception&) {
      // The group is gone from the list whatever the library said.
    }
  }
}

int TwOPCManager::GetGroupIndex(const QString& Name) const {
  for (size_t i = 0; i < FGroupList.size(); ++i)
    if (FGroupList[i]->FName.compare(Name, Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}

void TwOPCManager::CloseAllServerConnections() { TwOPCBinding::CloseAllServerConnections(); }

QString TwOPCManager::GroupNameOf(int GroupHandle) const {
  for (const auto& g : FGroupList)
    if (g->FDLLGroupHandle == GroupHandle) return g->FName;
  return QString();
}

void TwOPCManager::BeforeGroupUpdate(int GroupHandle) {
  if (OnBeforeGroupUpdate) OnBeforeGroupUpdate(this, GroupNameOf(GroupHandle));
}

void TwOPCManager::AfterGroupUpdate(int GroupHandle) {
  if (OnAfterGroupUpdate) OnAfterGroupUpdate(this, GroupNameOf(GroupHandle));
}

TwOPCExplorerForm* TwOPCManager::Explorer() { return ExplorerWindow().data(); }

void TwOPCManager::ExplorerShow() {
  EnsureOPCLibrary();
  if (!ExplorerWindow()) {
    auto* form = new TwOPCExplorerForm();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    // Belongs to the application: freed with it.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, &QObject::deleteLater);
    ExplorerWindow() = form;
  }
  ExplorerWindow()->Refresh();
  ExplorerWindow()->show();
}

void TwOPCManager::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(0, 0, width() - 1, 0);
  p.drawLine(0, 0, 0, height() - 1);
  p.setPen(pal.color(QPalette::Dark));
  p.drawLine(width() - 1, 0, width() - 1, height() - 1);
  p.drawLine(0, height() - 1, width() - 1, height() - 1);
}
