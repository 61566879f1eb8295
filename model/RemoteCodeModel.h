// RemoteCodeModel: the state of one serial remote-control code builder
// window, without widgets. A packet is nine bytes 7B 7D, device ID, command
// code, data 1, data 2, data 3, 7D 7B, shown as 18 upper-case hexadecimal
// characters; the builder composes that text and never sends it.
//
// The window is a view of this state: it shows the lists at their indexes,
// each parameter row's front list, the matrix box and the code text. Every
// published handler of the window is one method here, named as the window's
// handler. A user's pick is Select(list, index): it stores the index and runs
// the list's change handler (the fixed and the blank lists have none).
// Handlers that reset other lists store their indexes and run no handler but
// the ones they call directly.
//
// Matrix boxes: SetMatrixBox is a box changed by anyone (the user or the
// type handler); when its state changes it runs ckb2In1Click, which does
// nothing while MatrixUpdating is set. OnMatrixBox tells the view to show a
// state the model set; OnCodeShown fires every time the code box is written.
//
// Each handler except cbTypeChange rewrites one field of the text now in the
// code box: CodeText := its first n characters + the new value + its
// characters from position m (1-based) on.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace remotecode {

// Every list of the builder. Row 1 lists write data 1, row 2 lists data 2
// (cb2Volume data 2 and 3), row 3 lists data 3.
enum List {
  cbType,
  cbId,
  cb1NullSel,
  cb1FactoryUserSel,
  cb1InOutSel,
  cb1InOutAuxSel,
  cb1InChannelSel,
  cb1OutChannelSel,
  cb1GroupSel,
  cb1AuxEffSel,
  cb1Show02lSel,
  cb1AuxCameraMixEffSel,
  cb2NullSel,
  cb2F00Sel,
  cb2PresetSel,
  cb2InChSel,
  cb2OutChSel,
  cb2InChMatrixSel,
  cb2Volume,
  cb2Gain,
  cb2IncDecSel,
  cb2MuteSel,
  cb2CameraMixEff,
  cb2AuxCameraMixEffSel,
  cb3NullSel,
  cb3IncDecSel,
  cb3MuteSel,
  cb3OnOffSel,
  cb3LevelSel,
  ListCount
};

// A list's component name ("cb2Volume"), its parameter row (1 to 3; 0 for the
// type and ID lists), whether it is a grey fixed or blank list, and its items
// in the English and in the Chinese window (UTF-8).
struct ListInfo {
  const char* name;
  int row;
  bool grey;
  std::vector<std::string> english;
  std::vector<std::string> chinese;
};
const ListInfo& Info(List list);
const std::vector<std::string>& Items(List list, bool chinese);

// A row of a type: the list it shows, or the matrix box (rows 2 and 3).
constexpr int kMatrixBox = -1;

// One command type of cbType, in list order.
struct CommandType {
  const char* english;
  const char* chinese;
  std::uint8_t code;
  std::array<int, 3> rows;  // List, or kMatrixBox
  std::array<std::uint8_t, 3> data;
};
constexpr int kTypeCount = 34;
const std::array<CommandType, kTypeCount>& CommandTypes();

// The types with the matrix box: "Aux Ch Select Control", "Group Matrix Control".
constexpr int kAuxChSelect = 21;
constexpr int kGroupMatrix = 33;

// The level list: 401 entries, -60.0 dB in 0.5 dB steps to -20.0 dB (entry
// 80), then 0.1 dB steps to +12.0 dB (entry 400).
constexpr int kLevelCount = 401;
int LevelTenths(int entry);
std::string LevelText(int entry);

// The window captions: window, gbCommand, type label, ID label, gbParameter,
// the three row labels, lbRemoteCtrl.
struct Captions {
  const char* window;
  const char* command;
  const char* type;
  const char* id;
  const char* parameter;
  const char* rows[3];
  const char* remoteCtrl;
};
const Captions& WindowCaptions(bool chinese);

constexpr const char* kInitialCode = "7B7D01400000007D7B";

class RemoteCodeModel {
 public:
  RemoteCodeModel();

  // --- state -------------------------------------------------------------
  int Index(List list) const { return index_[list]; }
  int Type() const { return index_[cbType]; }
  // The list parameter row 1, 2 or 3 shows in front.
  List RowList(int row) const { return rowList_[row - 1]; }
  bool MatrixVisible() const { return matrixVisible_; }
  bool MatrixBox(int tag) const { return tag >= 0 && tag < 8 && checked_[tag]; }

  std::string CodeText;
  std::string CodeHead;
  std::string CodeTail;
  std::uint8_t MatrixMask = 0;
  std::int32_t MatrixUpdating = 0;

  // --- what the user does ------------------------------------------------
  // Picks an item: stores the index and runs the list's change handler.
  // An index outside the list changes nothing.
  void Select(List list, int index);
  // A matrix box checked or unchecked; runs ckb2In1Click when it changed.
  void SetMatrixBox(int tag, bool checked);

  // --- the window's handlers ---------------------------------------------
  void cbTypeChange();
  void cbIdChange();
  void cb1FactoryUserSelChange();
  void cb1InOutSelChange();
  void cb1InOutAuxSelChange();
  void cb1InChannelSelChange();
  void cb1OutChannelSelChange();
  void cb1GroupSelChange();
  void cb1AuxEffSelChange();
  void cb1AuxCameraMixEffSelChange();
  void cb2PresetSelChange();
  void cb2InChSelChange();
  void cb2OutChSelChange();
  void cb2InChMatrixSelChange();
  void cb2VolumeChange();
  void cb2GainChange();
  void cb2IncDecSelChange();
  void cb2MuteSelChange();
  void cb2CameraMixEffChange();
  void cb2AuxCameraMixEffSelChange();
  void cb3IncDecSelChange();
  void cb3MuteSelChange();
  void cb3OnOffSelChange();
  void cb3LevelSelChange();
  // Shared by the eight matrix boxes; tag 0 ("In1") to 7 ("In8"). Any other
  // tag is no check box: nothing happens.
  void ckb2In1Click(int tag);

  // The view: a box state the model set, and every write of the code box.
  std::function<void(int tag, bool checked)> OnMatrixBox;
  std::function<void(const std::string& code)> OnCodeShown;

 private:
  void SetIndex(List list, int index) { index_[list] = index; }
  void Show(std::string code);
  // Rewrites characters n+1 .. m-1 of the code box with value.
  void Rewrite(const std::string& value, std::size_t n, std::size_t m);
  void WriteData(int field, int value);

  std::array<int, ListCount> index_{};
  std::array<List, 3> rowList_{cb1FactoryUserSel, cb2F00Sel, cb3NullSel};
  bool matrixVisible_ = false;
  std::array<bool, 8> checked_{};
};

// "%02X" of a byte.
std::string Hex2(int value);

}  // namespace remotecode
