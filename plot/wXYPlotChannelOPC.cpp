// TwXYPlotChannel: the binding of X and Y to two items of an OPC server.
#include "controls/wOPCItem.h"
#include "controls/wOPCManager.h"
#include "plot/wPlotComponent.h"
#include "plot/wXYPlotChannel.h"

TwXYPlotChannel::TwXYPlotChannel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                 TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FOPCManager(std::make_unique<TwOPCManager>()),
      FOPCItemManager(std::make_unique<TwOPCItemManager>(AOwner)) {
  FOPCManager->OnAfterGroupUpdate = [this](QObject*, const QString&) { OPCAfterGroupUpdate(); };
  FOPCItemManager->OnGetDesigning = [this](QObject*, bool& Designing) {
    Designing = Owner() && Owner()->GetDesigning();
  };
  for (int i = 0; i < 2; ++i) FOPCItemManager->GetItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TwXYPlotChannel::~TwXYPlotChannel() {
  FOPCItemManager.reset();
  FOPCManager.reset();
}

TwOPCItem* TwXYPlotChannel::OPCItem(int Index) const { return FOPCItemManager->GetItem(Index); }

QString TwXYPlotChannel::OPCComputerName() const { return OPCItem(0)->ComputerName(); }
void TwXYPlotChannel::SetOPCComputerName(const QString& Value) { OPCItem(0)->SetComputerName(Value); }
QString TwXYPlotChannel::OPCServerName() const { return OPCItem(0)->ServerName(); }
void TwXYPlotChannel::SetOPCServerName(const QString& Value) { OPCItem(0)->SetServerName(Value); }
QString TwXYPlotChannel::OPCItemName() const { return OPCItem(0)->ItemName(); }
void TwXYPlotChannel::SetOPCItemName(const QString& Value) { OPCItem(0)->SetItemName(Value); }
int TwXYPlotChannel::OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
void TwXYPlotChannel::SetOPCUpdateRate(int Value) { OPCItem(0)->SetUpdateRate(Value); }
double TwXYPlotChannel::OPCScalar() const { return OPCItem(0)->Scalar(); }
void TwXYPlotChannel::SetOPCScalar(double Value) { OPCItem(0)->SetScalar(Value); }
double TwXYPlotChannel::OPCOffset() const { return OPCItem(0)->Offset(); }
void TwXYPlotChannel::SetOPCOffset(double Value) { OPCItem(0)->SetOffset(Value); }
double TwXYPlotChannel::OPCScalar2() const { return OPCItem(1)->Scalar(); }
void TwXYPlotChannel::SetOPCScalar2(double Value) { OPCItem(1)->SetScalar(Value); }
double TwXYPlotChannel::OPCOffset2() const { return OPCItem(1)->Offset(); }
void TwXYPlotChannel::SetOPCOffset2(double Value) { OPCItem(1)->SetOffset(Value); }
bool TwXYPlotChannel::OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
void TwXYPlotChannel::SetOPCAutoConnect(bool Value) { OPCItem(0)->SetAutoConnect(Value); }
QString TwXYPlotChannel::OPCItem2Name() const { return OPCItem(1)->ItemName(); }
void TwXYPlotChannel::SetOPCItem2Name(const QString& Value) { OPCItem(1)->SetItemName(Value); }
bool TwXYPlotChannel::OPCActive() const { return OPCItem(0)->Active(); }
bool TwXYPlotChannel::OPCQualityGood() const { return OPCItem(0)->QualityGood(); }

void TwXYPlotChannel::DoInsert() {
  TwPlotChannelCustom::DoInsert();
  if (OPCItem(0)->AutoConnect()) OPCActivate();
}

void TwXYPlotChannel::OPCActivate() {
  if (FOPCItemManager->GetIsDesigning()) return;
  OPCItem(0)->Deactivate();
  OPCItem(1)->Deactivate();
  FOPCManager->GroupClear();
  const QString group = QString::asprintf("%p", static_cast<void*>(FOPCManager.get()));
  FOPCManager->GroupAdd(group, OPCItem(0)->ComputerName(), OPCItem(0)->ServerName(), OPCItem(0)->UpdateRate());
  for (int i = 0; i < 2; ++i) {
    OPCItem(i)->SetGroupName(group);
    OPCItem(i)->Activate();
  }
}

void TwXYPlotChannel::OPCActivateSuspend() {
  OPCActivate();
  OPCUpdateSuspend();
}

void TwXYPlotChannel::OPCDeactivate() {
  OPCItem(0)->Deactivate();
  OPCItem(1)->Deactivate();
}

void TwXYPlotChannel::OPCUpdateSuspend() {
  if (FOPCManager->GroupCount() > 0) FOPCManager->Group(0)->Suspend();
}

void TwXYPlotChannel::OPCUpdateResume() {
  if (FOPCManager->GroupCount() > 0) FOPCManager->Group(0)->Resume();
}

void TwXYPlotChannel::OPCAfterGroupUpdate() { AddXY(OPCItem(0)->Data().toDouble(), OPCItem(1)->Data().toDouble()); }
