// The handlers of the remote-control code builder.
#include "model/RemoteCodeModel.h"

#include <algorithm>

namespace remotecode {

namespace {

// Where each field sits in the code text: characters n+1 .. m-1 (1-based).
struct Field {
  std::size_t n, m;
};
constexpr Field kId{4, 7};
constexpr Field kData[4] = {{0, 0}, {8, 11}, {10, 13}, {12, 15}};
constexpr Field kLevel{10, 15};

}  // namespace

RemoteCodeModel::RemoteCodeModel() : CodeText(kInitialCode) {
  for (int list = 0; list < ListCount; ++list) index_[list] = Info(List(list)).english.empty() ? -1 : 0;
}

void RemoteCodeModel::Show(std::string code) {
  CodeText = std::move(code);
  if (OnCodeShown) OnCodeShown(CodeText);
}

void RemoteCodeModel::Rewrite(const std::string& value, std::size_t n, std::size_t m) {
  const std::string box = CodeText;
  CodeHead = box.substr(0, std::min(n, box.size()));
  CodeTail = m - 1 < box.size() ? box.substr(m - 1) : std::string();
  Show(CodeHead + value + CodeTail);
}

void RemoteCodeModel::WriteData(int field, int value) { Rewrite(Hex2(value), kData[field].n, kData[field].m); }

void RemoteCodeModel::Select(List list, int index) {
  if (index < 0 || index >= int(Info(list).english.size())) return;
  SetIndex(list, index);
  switch (list) {
    case cbType: cbTypeChange(); break;
    case cbId: cbIdChange(); break;
    case cb1FactoryUserSel: cb1FactoryUserSelChange(); break;
    case cb1InOutSel: cb1InOutSelChange(); break;
    case cb1InOutAuxSel: cb1InOutAuxSelChange(); break;
    case cb1InChannelSel: cb1InChannelSelChange(); break;
    case cb1OutChannelSel: cb1OutChannelSelChange(); break;
    case cb1GroupSel: cb1GroupSelChange(); break;
    case cb1AuxEffSel: cb1AuxEffSelChange(); break;
    case cb1AuxCameraMixEffSel: cb1AuxCameraMixEffSelChange(); break;
    case cb2PresetSel: cb2PresetSelChange(); break;
    case cb2InChSel: cb2InChSelChange(); break;
    case cb2OutChSel: cb2OutChSelChange(); break;
    case cb2InChMatrixSel: cb2InChMatrixSelChange(); break;
    case cb2Volume: cb2VolumeChange(); break;
    case cb2Gain: cb2GainChange(); break;
    case cb2IncDecSel: cb2IncDecSelChange(); break;
    case cb2MuteSel: cb2MuteSelChange(); break;
    case cb2CameraMixEff: cb2CameraMixEffChange(); break;
    case cb2AuxCameraMixEffSel: cb2AuxCameraMixEffSelChange(); break;
    case cb3IncDecSel: cb3IncDecSelChange(); break;
    case cb3MuteSel: cb3MuteSelChange(); break;
    case cb3OnOffSel: cb3OnOffSelChange(); break;
    case cb3LevelSel: cb3LevelSelChange(); break;
    default: break;  // the fixed and the blank lists
  }
}

void RemoteCodeModel::SetMatrixBox(int tag, bool checked) {
  if (tag < 0 || tag >= 8 || checked_[tag] == checked) return;
  checked_[tag] = checked;
  if (OnMatrixBox) OnMatrixBox(tag, checked);
  ckb2In1Click(tag);
}

void RemoteCodeModel::cbTypeChange() {
  const CommandType& type = CommandTypes()[Type()];
  CodeHead = "7B7D" + Hex2(Index(cbId) + 1);
  CodeTail = Hex2(type.data[0]) + Hex2(type.data[1]) + Hex2(type.data[2]) + "7D7B";
  for (List list : {cb1InOutSel, cb1InChannelSel, cb1OutChannelSel, cb1FactoryUserSel, cb1InOutAuxSel, cb1AuxEffSel,
                    cb1AuxCameraMixEffSel, cb1GroupSel, cb2InChSel, cb2InChMatrixSel, cb2OutChSel, cb2PresetSel,
                    cb2Volume, cb2Gain, cb2IncDecSel, cb2CameraMixEff, cb2MuteSel, cb3IncDecSel, cb3MuteSel,
                    cb3LevelSel, cb2AuxCameraMixEffSel, cb3OnOffSel})
    SetIndex(list, 0);
  matrixVisible_ = false;
  // A matrix row keeps the row's blank list behind the box.
  const List blanks[3] = {cb1NullSel, cb2NullSel, cb3NullSel};
  for (int row = 0; row < 3; ++row) rowList_[row] = type.rows[row] == kMatrixBox ? blanks[row] : List(type.rows[row]);
  if (Type() == kAuxChSelect || Type() == kGroupMatrix) {
    matrixVisible_ = true;
    MatrixMask = 0;
    MatrixUpdating = 1;
    for (int tag = 0; tag < 8; ++tag) SetMatrixBox(tag, false);
    MatrixUpdating = 0;
  }
  Show(CodeHead + Hex2(type.code) + CodeTail);
}

void RemoteCodeModel::cbIdChange() { Rewrite(Hex2(Index(cbId) + 1), kId.n, kId.m); }

void RemoteCodeModel::cb1FactoryUserSelChange() {
  SetIndex(cb2PresetSel, 0);
  rowList_[1] = Index(cb1FactoryUserSel) == 1 ? cb2PresetSel : cb2F00Sel;
  cb2PresetSelChange();
  WriteData(1, Index(cb1FactoryUserSel));
}

void RemoteCodeModel::cb1InOutSelChange() {
  // cb2IncDecSel too: data 2 goes back to 00, so its list must say "Increase".
  for (List list : {cb2InChMatrixSel, cb2InChSel, cb2OutChSel, cb3IncDecSel, cb2Gain, cb2MuteSel, cb2IncDecSel})
    SetIndex(list, 0);
  cb3IncDecSelChange();
  SetIndex(cb3MuteSel, 0);
  cb3MuteSelChange();
  const bool output = Index(cb1InOutSel) == 1;
  switch (Type()) {
    case 6: rowList_[1] = cb2Gain; break;
    case 7: rowList_[1] = cb2IncDecSel; break;
    case 11: rowList_[1] = cb2NullSel; break;
    case 12: rowList_[1] = cb2MuteSel; break;
    case 14:
    case 15: rowList_[1] = cb2InChMatrixSel; break;
    default: rowList_[1] = output ? cb2OutChSel : cb2InChSel; break;
  }
  cb2InChSelChange();
  WriteData(1, Index(cb1InOutSel));
}

void RemoteCodeModel::cb1InOutAuxSelChange() {
  SetIndex(cb2InChSel, 0);
  SetIndex(cb2OutChSel, 0);
  const List shown[3] = {cb2InChSel, cb2OutChSel, cb2NullSel};
  rowList_[1] = shown[Index(cb1InOutAuxSel)];
  cb2InChSelChange();
  WriteData(1, Index(cb1InOutAuxSel));
}

void RemoteCodeModel::cb1InChannelSelChange() { WriteData(1, Index(cb1InChannelSel)); }

void RemoteCodeModel::cb1OutChannelSelChange() {
  if (Type() == 14) {
    SetIndex(cb2InChMatrixSel, 0);
    cb2InChMatrixSelChange();
  }
  WriteData(1, Index(cb1OutChannelSel));
}

void RemoteCodeModel::cb1GroupSelChange() { WriteData(1, Index(cb1GroupSel)); }
void RemoteCodeModel::cb1AuxEffSelChange() { WriteData(1, Index(cb1AuxEffSel) + 2); }
void RemoteCodeModel::cb1AuxCameraMixEffSelChange() { WriteData(1, Index(cb1AuxCameraMixEffSel)); }
void RemoteCodeModel::cb2PresetSelChange() { WriteData(2, Index(cb2PresetSel)); }
void RemoteCodeModel::cb2InChSelChange() { WriteData(2, Index(cb2InChSel)); }
void RemoteCodeModel::cb2OutChSelChange() { WriteData(2, Index(cb2OutChSel)); }
void RemoteCodeModel::cb2InChMatrixSelChange() { WriteData(2, Index(cb2InChMatrixSel)); }

void RemoteCodeModel::cb2VolumeChange() {
  const int entry = Index(cb2Volume);
  Rewrite(Hex2(entry / 256) + Hex2(entry % 256), kLevel.n, kLevel.m);
}

void RemoteCodeModel::cb2GainChange() { WriteData(2, Index(cb2Gain)); }
void RemoteCodeModel::cb2IncDecSelChange() { WriteData(2, Index(cb2IncDecSel)); }
void RemoteCodeModel::cb2MuteSelChange() { WriteData(2, Index(cb2MuteSel)); }
void RemoteCodeModel::cb2CameraMixEffChange() { WriteData(2, Index(cb2CameraMixEff)); }
void RemoteCodeModel::cb2AuxCameraMixEffSelChange() { WriteData(2, Index(cb2AuxCameraMixEffSel)); }
void RemoteCodeModel::cb3IncDecSelChange() { WriteData(3, Index(cb3IncDecSel)); }
void RemoteCodeModel::cb3MuteSelChange() { WriteData(3, Index(cb3MuteSel)); }
void RemoteCodeModel::cb3OnOffSelChange() { WriteData(3, Index(cb3OnOffSel)); }
void RemoteCodeModel::cb3LevelSelChange() { WriteData(3, Index(cb3LevelSel)); }

void RemoteCodeModel::ckb2In1Click(int tag) {
  if (MatrixUpdating != 0 || tag < 0 || tag >= 8) return;
  if (checked_[tag]) MatrixMask = std::uint8_t(MatrixMask | (1u << tag));
  else MatrixMask = std::uint8_t(MatrixMask & ~(1u << tag));
  WriteData(3, MatrixMask);
}

}  // namespace remotecode
