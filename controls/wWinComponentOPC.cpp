// TwWinComponent: the control's item binding (its item manager, incoming and
// outgoing values).
#include "controls/wWinComponent.h"

#include "controls/wThemes.h"

namespace {

// Clears the incoming mark on every exit of an incoming step.
class IncomingScope {
 public:
  explicit IncomingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~IncomingScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

int TwWinComponent::OPCAddItem() { return FOPCItemManager->Add(); }
void TwWinComponent::OPCRemoveAllItems() { FOPCItemManager->Clear(); }
void TwWinComponent::OPCDeleteItem(int Index) { FOPCItemManager->Delete(Index); }
void TwWinComponent::OPCItemActivate(int Index) { FOPCItemManager->GetItem(Index)->Activate(); }
void TwWinComponent::OPCItemDeactivate(int Index) { FOPCItemManager->GetItem(Index)->Deactivate(); }
void TwWinComponent::OPCItemUpdateResume(int Index) { FOPCItemManager->GetItem(Index)->UpdateResume(); }
void TwWinComponent::OPCItemUpdateSuspend(int Index) { FOPCItemManager->GetItem(Index)->UpdateSuspend(); }
void TwWinComponent::OPCItemLoaded(int Index) { FOPCItemManager->GetItem(Index)->Loaded(); }
void TwWinComponent::SetOPCItemData(int Index, const QVariant& Value) { FOPCItemManager->GetItem(Index)->SetData(Value); }
void TwWinComponent::SetOPCItemComputerName(int Index, const QString& Value) {
  FOPCItemManager->GetItem(Index)->SetComputerName(Value);
}
void TwWinComponent::SetOPCItemServerName(int Index, const QString& Value) {
  FOPCItemManager->GetItem(Index)->SetServerName(Value);
}
void TwWinComponent::SetOPCItemItemName(int Index, const QString& Value) {
  FOPCItemManager->GetItem(Index)->SetItemName(Value);
}
void TwWinComponent::SetOPCItemPropertyName(int Index, const QString& Value) {
  FOPCItemManager->GetItem(Index)->SetPropertyName(Value);
}
void TwWinComponent::SetOPCItemAutoConnect(int Index, bool Value) {
  FOPCItemManager->GetItem(Index)->SetAutoConnect(Value);
}
void TwWinComponent::SetOPCItemUpdateRate(int Index, int Value) {
  FOPCItemManager->GetItem(Index)->SetUpdateRate(Value);
}
QString TwWinComponent::GetOPCItemComputerName(int Index) const {
  return FOPCItemManager->GetItem(Index)->ComputerName();
}
QString TwWinComponent::GetOPCItemServerName(int Index) const { return FOPCItemManager->GetItem(Index)->ServerName(); }
QString TwWinComponent::GetOPCItemItemName(int Index) const { return FOPCItemManager->GetItem(Index)->ItemName(); }
QString TwWinComponent::GetOPCItemPropertyName(int Index) const {
  return FOPCItemManager->GetItem(Index)->PropertyName();
}
bool TwWinComponent::GetOPCItemAutoConnect(int Index) const { return FOPCItemManager->GetItem(Index)->AutoConnect(); }
int TwWinComponent::GetOPCItemUpdateRate(int Index) const { return FOPCItemManager->GetItem(Index)->UpdateRate(); }
QVariant TwWinComponent::GetOPCItemData(int Index) const { return FOPCItemManager->GetItem(Index)->Data(); }
quint16 TwWinComponent::GetOPCItemQuality(int Index) const { return FOPCItemManager->GetItem(Index)->Quality(); }
QDateTime TwWinComponent::GetOPCItemTimeStamp(int Index) const {
  return FOPCItemManager->GetItem(Index)->TimeStamp();
}

bool TwWinComponent::OPCNewDataSpecial(const QString&, const QVariant&) { return false; }

QStringList TwWinComponent::OPCSpecialList() {
  UpdateOPCSpecialList();
  return FOPCSpecialList;
}

void TwWinComponent::OPCNewData(TwOPCItem* Item) {
  if (!Item || Item->PropertyName().isEmpty()) return;
  const int index = FOPCItemManager->FindIndex(Item);
  QVariant value = Item->Data();
  if (OnBeforeNewOPCData) OnBeforeNewOPCData(this, index, value);
  {
    // Also cleared at the end: an incoming value that changes nothing must
    // not swallow the next change of the user's.
    IncomingScope incoming(FOPCIncomingActive);
    if (Item->QualityGood() && !OPCNewDataSpecial(Item->PropertyName(), value))
      SetPropertyValue(TwPropertyRegistry::Of(this), QString(), value, Item->PropertyName());
  }
  if (OnNewOPCData) OnNewOPCData(this, index);
}

bool TwWinComponent::OPCOutputData(const QString& PropertyName, const QVariant& Value) {
  if (FOPCIncomingActive) {
    FOPCIncomingActive = false;
    return false;
  }
  bool written = false;
  for (int i = 0; i < FOPCItemManager->GetCount(); ++i) {
    TwOPCItem* item = FOPCItemManager->GetItem(i);
    if (item->PropertyName().compare(PropertyName, Qt::CaseInsensitive) != 0 || !item->Active()) continue;
    item->SetData(Value);
    written = true;
  }
  return written;
}
