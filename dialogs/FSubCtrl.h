// The sub control window: one remote volume control for the inputs and one
// for the outputs, each with the channels it acts on (eight toggle buttons,
// GroupIndex = channel number), its volume in percent and its mute.
//
// The state is one word per side (SubCtrlWords[0] inputs, [1] outputs):
// bits 0-7 volume 0-100, bits 8-15 mute, bits 16-23 the channel mask. The
// refresh pass writes the words (SetSubCtrlWord); showing the window moves
// the controls from them under Loading, so it sends nothing. Every edit
// updates the side's word and sends it through TfmMain::SetSubCtrl; a
// selection is sent even while Loading.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Form.h"

class QObject;

class TfmSubCtrl : public platform::Form {
 public:
  TfmSubCtrl();
  // Copies the template buttons' pressed, hot and latched faces (channel A of
  // each side) onto the others; both words to volume 100, no mute, no channel.
  void FormCreate() override;
  void FormShow() override;

  // Both faders and both mute buttons (Tag = side), all sixteen selection
  // buttons (Tag = side, GroupIndex = channel + 1).
  void isInSubCtrlVolChange(QObject* Sender);
  void uxbInSubCtrlMuteClick(QObject* Sender);
  void uxbInSubCtrlSelAClick(QObject* Sender);

  std::array<std::uint32_t, 2> SubCtrlWords{100, 100};
  std::uint8_t Loading = 0;
  void SetSubCtrlWord(int side, std::uint32_t word) {
    if (side == 0 || side == 1) SubCtrlWords[static_cast<std::size_t>(side)] = word;
  }
};

extern TfmSubCtrl* fmSubCtrl;
