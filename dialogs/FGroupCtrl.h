// The group control window: four input groups (A-D, Tag 0-3) and four output
// groups (1-4, Tag 4-7), each with its channel selection (eight toggle
// buttons, GroupIndex = channel number), volume in percent and mute. A
// channel may belong to several groups.
//
// The state is one entry per group (GroupCtrlEntries): bits 0-7 volume
// 0-100, bits 8-15 mute, bits 16-23 the channel mask. The refresh pass writes
// the entries (SetGroupCtrlEntry); showing the window moves the controls from
// them under Loading, so it sends nothing. Every edit updates the group's
// entry and sends it through TfmMain::SetGroupCtrl; a selection is sent even
// while Loading.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Form.h"

class QObject;
class QString;

class TfmGroupCtrl : public platform::Form {
 public:
  TfmGroupCtrl();
  // Copies the template buttons' pressed, hot and latched faces (channel A of
  // input group A, channel 1 of output group 1) onto every other selection
  // button of their side; every entry to volume 100, no mute, no channel.
  void FormCreate() override;
  void FormShow() override;

  // All eight faders and mute buttons (Tag = group), all 64 selection buttons
  // (Tag = group, GroupIndex = channel + 1).
  void isGroupCtrlVolInAChange(QObject* Sender);
  void uxbGroupCtrlMuteInAClick(QObject* Sender);
  void uxbGroupCtrlSelAInAClick(QObject* Sender);

  std::array<std::uint32_t, 8> GroupCtrlEntries{100, 100, 100, 100, 100, 100, 100, 100};
  std::uint8_t Loading = 0;
  void SetGroupCtrlEntry(int index, std::uint32_t entry) {
    if (index >= 0 && index < 8) GroupCtrlEntries[static_cast<std::size_t>(index)] = entry;
  }

  // "InA".."InD" for groups 0-3, "Out1".."Out4" for 4-7.
  static QString GroupSuffix(int group);
  // The selection button of channel 0-7 in group 0-7.
  static QString SelectName(int group, int channel);
};

extern TfmGroupCtrl* fmGroupCtrl;
