// One channel's name, opened by the main window from the matrix page's
// channel labels: SetChannel picks the channel and its label ("In3 :",
// "Out8 :", "Eff:"), ShowChannelName puts the label's caption into the edit
// without its trailing blanks and carriage returns. On activation the edit is
// focused and wholly selected. OK (or Enter in the edit) takes the text as
// the channel's 8 name bytes in the device code page -- cut at a character
// boundary, padded with zero bytes -- writes it back, closes the window and
// stores it through TfmMain::SetChannelName, also when it is unchanged.
// Cancel only closes. The edit takes at most 8 bytes.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;

class TfmChannelName : public platform::Form {
 public:
  TfmChannelName();
  void FormShow() override;

  // 0-7 inputs, 8-15 outputs, 18 the effect channel.
  void SetChannel(int channel);
  int Channel() const { return channel_; }
  void ShowChannelName(const QString& name);
  void FormActivate();
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);
  void edNameKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);

  QLabel* lbChannelName;
  QLabel* lbChannel;
  QLineEdit* edName;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;

 protected:
  bool event(QEvent* e) override;

 private:
  int channel_ = 0;
};

extern TfmChannelName* fmChannelName;
