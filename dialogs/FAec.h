// The echo-cancellation window: microphone, far-end (VCS) in and AEC out
// gains with their level bars, the noise-reduction level, the hidden speaker
// output group and meter labels, and two engineering panels placed outside
// the client area (register access of the AEC and of the codec).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "platform/Form.h"

class QObject;

class TfmAec : public platform::Form {
 public:
  TfmAec();
  void FormShow() override;

  void isAecGainInputChange(QObject* Sender);
  void isAecGainVcsInChange(QObject* Sender);
  void isAecGainVcsOutChange(QObject* Sender);
  // The hidden speaker-out fader: sends its command itself, storing nothing.
  void isAecGainOutputChange(QObject* Sender);
  void uxbAecLevel0Click(QObject* Sender);
  void uxbAecBypassClick(QObject* Sender);
  void bnWriteClick(QObject* Sender);
  void bnReadClick(QObject* Sender);
  void bnCsWriteClick(QObject* Sender);
  void bnCsReadClick(QObject* Sender);

  // One meter of the meter reply: the level as "%4d dB" in its hidden label
  // and in the bar's hint, the bar at the level's zone. The meter reset sets
  // the four bars to 0 (false when one is missing).
  void ShowLevel(const char* label, const char* bar, int level, int position);
  bool ResetLevels();

  // Replies to the register reads: the AEC register's 16 bits, the codec's byte.
  void ShowRegister(unsigned value);
  void ShowCodecRegister(unsigned value);

  // Set while the refresh pass moves the faders: the handlers then only
  // write their texts. Bypass is the test panel's bypass state.
  std::uint8_t Loading = 0;
  std::uint8_t Bypass = 0;
  void SetLoading(std::uint8_t v) { Loading = v; }
};

// The bytes of a register field's text: `count` bytes from 2 x count
// hexadecimal digits ("0"-"9", "A"-"F", "a"-"f"), first digit high. None when
// the text holds fewer digits or any other character.
std::optional<std::vector<std::uint8_t>> HexFieldBytes(const QString& text, int count);

extern TfmAec* fmAec;
