// The list of every channel's name: eight inputs, eight outputs and the
// hidden effect channel (with its hidden "AUX" label), each edit taking at
// most 8 bytes. Showing fills every edit from the stored names. Set stores,
// inputs first, then outputs, then the effect channel, only the names the
// user changed since showing and whose text differs from the stored one --
// each as 8 bytes of the device code page padded with zero bytes, written
// back into its edit -- through TfmMain::SetChannelName, then closes. A name
// left alone keeps its stored bytes, also when they do not decode (its edit
// shows the decoded text, which would not give the same bytes back). Exit
// closes without storing.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include <array>

#include "platform/Form.h"

class TUxBmpButton;

class TfmChNameList : public platform::Form {
 public:
  TfmChNameList();
  void FormShow() override;
  void btnOKClick(QObject* Sender);
  void btnCancelClick(QObject* Sender);
  // The edit of channel 0-15 or 18; null for any other.
  QLineEdit* NameEdit(int channel) const;

  std::array<QLineEdit*, 8> edMatrixChNameIn{};   // A..H
  std::array<QLineEdit*, 8> edMatrixChNameOut{};  // 1..8
  QLineEdit* edMatrixChNameEff;
  QLabel* lbEff;  // "AUX", hidden like its edit
  TUxBmpButton* btnOK;
  TUxBmpButton* btnCancel;

 private:
  // The text each edit got at the last showing, in the order of the channels.
  std::array<QString, 17> shown_;
};

extern TfmChNameList* fmChNameList;
