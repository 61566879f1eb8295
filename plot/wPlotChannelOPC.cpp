// TwPlotChannel: the binding of Y (and with iopcxvsOPCItem of X) to items of
// an OPC server.
#include "controls/wOPCItem.h"
#include "controls/wOPCManager.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotComponent.h"

TwPlotChannel::TwPlotChannel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                             TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FElapsedStartTime(PlotNow()),
      FOPCManager(std::make_unique<TwOPCManager>()),
      FOPCItemManager(std::make_unique<TwOPCItemManager>(AOwner)) {
  FOPCManager->OnAfterGroupUpdate = [this](QObject*, const QString&) { OPCAfterGroupUpdate(); };
  FOPCItemManager->OnGetDesigning = [this](QObject*, bool& Designing) {
    Designing = Owner() && Owner()->GetDesigning();
  };
  FOPCItemManager->OnNewData = [this](TwOPCItem* Item) {
    if (Item == OPCItem(0)) OPCNewData();
  };
  for (int i = 0; i < 2; ++i) FOPCItemManager->GetItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TwPlotChannel::~TwPlotChannel() {
  FOPCItemManager.reset();
  FOPCManager.reset();
}

TwOPCItem* TwPlotChannel::OPCItem(int Index) const { return FOPCItemManager->GetItem(Index); }

QString TwPlotChannel::OPCGroupName() const { return OPCItem(0)->GroupName(); }
void TwPlotChannel::SetOPCGroupName(const QString& Value) { OPCItem(0)->SetGroupName(Value); }
QString TwPlotChannel::OPCComputerName() const { return OPCItem(0)->ComputerName(); }
void TwPlotChannel::SetOPCComputerName(const QString& Value) { OPCItem(0)->SetComputerName(Value); }
QString TwPlotChannel::OPCServerName() const { return OPCItem(0)->ServerName(); }
void TwPlotChannel::SetOPCServerName(const QString& Value) { OPCItem(0)->SetServerName(Value); }
QString TwPlotChannel::OPCItemName() const { return OPCItem(0)->ItemName(); }
void TwPlotChannel::SetOPCItemName(const QString& Value) { OPCItem(0)->SetItemName(Value); }
QString TwPlotChannel::OPCItem2Name() const { return OPCItem(1)->ItemName(); }
void TwPlotChannel::SetOPCItem2Name(const QString& Value) { OPCItem(1)->SetItemName(Value); }
int TwPlotChannel::OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
void TwPlotChannel::SetOPCUpdateRate(int Value) { OPCItem(0)->SetUpdateRate(Value); }
double TwPlotChannel::OPCScalar() const { return OPCItem(0)->Scalar(); }
void TwPlotChannel::SetOPCScalar(double Value) { OPCItem(0)->SetScalar(Value); }
double TwPlotChannel::OPCOffset() const { return OPCItem(0)->Offset(); }
void TwPlotChannel::SetOPCOffset(double Value) { OPCItem(0)->SetOffset(Value); }
double TwPlotChannel::OPCScalar2() const { return OPCItem(1)->Scalar(); }
void TwPlotChannel::SetOPCScalar2(double Value) { OPCItem(1)->SetScalar(Value); }
double TwPlotChannel::OPCOffset2() const { return OPCItem(1)->Offset(); }
void TwPlotChannel::SetOPCOffset2(double Value) { OPCItem(1)->SetOffset(Value); }
bool TwPlotChannel::OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
void TwPlotChannel::SetOPCAutoConnect(bool Value) { OPCItem(0)->SetAutoConnect(Value); }
bool TwPlotChannel::OPCActive() const { return OPCItem(0)->Active(); }
bool TwPlotChannel::OPCQualityGood() const { return OPCItem(0)->QualityGood(); }

void TwPlotChannel::DoInsert() {
  TwPlotChannelCustom::DoInsert();
  if (OPCItem(0)->AutoConnect()) OPCActivate();
}

void TwPlotChannel::OPCActivate() {
  if (FOPCItemManager->GetIsDesigning()) return;
  OPCItem(0)->Deactivate();
  OPCItem(1)->Deactivate();
  if (FOPCXValueSource != iopcxvsOPCItem) {
    OPCItem(0)->Activate();
    return;
  }
  FOPCManager->GroupClear();
  TwOPCItem* item = OPCItem(0);
  if (FOPCManager->GetGroupIndex(item->GroupName()) == -1 && !item->ServerName().trimmed().isEmpty()) {
    const QString group = QString::asprintf("%p", static_cast<void*>(FOPCManager.get()));
    FOPCManager->GroupAdd(group, item->ComputerName(), item->ServerName(), item->UpdateRate());
    item->SetGroupName(group);
  }
  OPCItem(1)->SetGroupName(item->GroupName());
  OPCItem(0)->Activate();
  OPCItem(1)->Activate();
}

void TwPlotChannel::OPCActivateSuspend() { OPCItem(0)->ActivateSuspend(); }
void TwPlotChannel::OPCDeactivate() { OPCItem(0)->Deactivate(); }
void TwPlotChannel::OPCUpdateSuspend() { OPCItem(0)->UpdateSuspend(); }
void TwPlotChannel::OPCUpdateResume() { OPCItem(0)->UpdateResume(); }

void TwPlotChannel::OPCNewData() {
  TwOPCItem* item = OPCItem(0);
  const double y = item->Data().toDouble();
  switch (FOPCXValueSource) {
    case iopcxvsOPCServerTimeStamp: {
      const QDateTime t = item->TimeStamp();
      const qint64 local = t.toMSecsSinceEpoch() + qint64(t.offsetFromUtc()) * 1000;
      AddPoint(25569.0 + double(local) / 86400000.0, y, false, false);
      break;
    }
    case iopcxvsSystemTimeStamp:
      AddPoint(PlotNow(), y, false, false);
      break;
    case iopcxvsElapsedTime:
      AddYElapsedTime(y);
      break;
    case iopcxvsElapsedSeconds:
      AddYElapsedSeconds(y);
      break;
    case iopcxvsOPCItem:
      break;
  }
}

void TwPlotChannel::OPCAfterGroupUpdate() { AddXY(OPCItem(0)->Data().toDouble(), OPCItem(1)->Data().toDouble()); }
