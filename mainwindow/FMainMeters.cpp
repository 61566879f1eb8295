// Level meters: the 300 ms poll (0x40), the meter reply that drives every bar
// and lamp of the pages and of the automix, camera, compressor and echo
// cancellation windows, the gate levels (0x41), the echo canceller's register
// read (0x5F) and the reset before transfers and on disconnect.
//
// Bars are found by name on every reply; a missing bar on the main window
// ends the pass at that point, as the controls are laid out once and a gap
// means the page is not built. Replies shorter than their layout are
// ignored.
#include <QLabel>

#include <cmath>
#include <cstring>
#include <limits>

#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/wLed.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "display/LProgressBar.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kMeterPoll = 0x40;
constexpr std::uint8_t kGateLevels = 0x41;
constexpr std::uint8_t kAecRegister = 0x5F;
constexpr std::uint8_t kCodecRegister = 0x54;

constexpr std::size_t kMeterReplySize = 33;
constexpr std::size_t kGateReplySize = 3 * kInputCount;
constexpr std::size_t kRegisterReplySize = 2;

// Meter reply layout.
constexpr std::size_t kEffectLevel = 16;
constexpr std::size_t kLimitBits = 17;
constexpr std::size_t kCameraGateBits = 18;
constexpr std::size_t kEffectFlags = 19;  // bit 0 effect limiting, bits 4-7 camera input
constexpr std::size_t kAecMicIn = 20;
constexpr std::size_t kAecLineIn = 21;
constexpr std::size_t kAecLineOut = 22;
constexpr std::size_t kAecSpeakerOut = 23;
constexpr std::size_t kAutoMixGateBits = 24;
constexpr std::size_t kAutoMixLevels = 25;

// Segment thresholds in dB; a segment lights when the level exceeds its
// threshold less 20. Kept as floats, as the processor's documentation gives them.
constexpr float kInputThresholds[] = {-50, -40, -30, -20, -5, 0, 5, 10, 16};
constexpr float kOutputThresholds[] = {-50, -30, -10, -5, 0, 5, 10, 16};
constexpr float kThresholdOffset = 20;

// The quietest gate level shown (-140 dB): stands for "no level".
constexpr float kGateFloor = 1e-7f;
constexpr int kAutoMixSilent = -100;

template <std::size_t N>
int SegmentsLit(const float (&thresholds)[N], double level) {
  int lit = 0;
  for (float t : thresholds) {
    if (!(t - kThresholdOffset < level)) break;
    ++lit;
  }
  return lit;
}

int InputPosition(double level) { return SegmentsLit(kInputThresholds, level); }
int OutputPosition(double level) { return SegmentsLit(kOutputThresholds, level); }

int SignedByte(std::uint8_t b) { return static_cast<std::int8_t>(b); }

// Input i's gate level from its three bytes (most significant first: 3i+1,
// 3i, 3i+2, then 0). Anything that is not a positive finite number reads as
// the floor, so the logarithm below always has a sane argument.
float GateLevel(const Bytes& p, int i) {
  const std::size_t at = 3 * static_cast<std::size_t>(i);
  if (p[at] == 0xFF && p[at + 1] == 0xFF && p[at + 2] == 0xFF) return kGateFloor;
  const std::uint32_t bits = static_cast<std::uint32_t>(p[at + 1]) << 24 | static_cast<std::uint32_t>(p[at]) << 16 |
                             static_cast<std::uint32_t>(p[at + 2]) << 8;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  if (!std::isfinite(value) || !(value > 0)) return kGateFloor;
  return value;
}

void ShowCompLed(bool on) {
  if (!fmComp) return;
  if (auto* led = fmComp->FindControl<TwLed>("wlrCompLed")) led->SetActive(on);
}

void ShowAecLevel(const char* label, const char* bar, int level, int position) {
  if (fmAec) fmAec->ShowLevel(label, bar, level, position);
}

// A bar of the main window; false when the window has none of that name.
bool SetMeter(const TfmMain& form, const QString& name, int position) {
  auto* bar = form.FindControl<LProgressBar>(name);
  if (!bar) return false;
  bar->SetPosition(position);
  return true;
}

}  // namespace

void TfmMain::InstallMeterHandlers() {
  SetReplyHandler(kMeterPoll, [this](std::uint8_t, const Bytes& p) { OnMeterReply(p); });
  SetReplyHandler(kGateLevels, [this](std::uint8_t, const Bytes& p) { OnGateLevelReply(p); });
  SetReplyHandler(kAecRegister, [this](std::uint8_t, const Bytes& p) { OnAecRegisterReply(p); });
  SetReplyHandler(kCodecRegister, [](std::uint8_t, const Bytes& p) {
    if (!p.empty() && fmAec) fmAec->ShowCodecRegister(p[0]);
  });
  tmInLevelDet->OnTimer = [this](QObject* sender) { tmInLevelDetTimer(sender); };
}

void TfmMain::tmInLevelDetTimer(QObject*) {
  // Unforced: a poll still waiting in the link's queue gives way to this one.
  SendCommand(CM_MCS_CMD(GetDeviceId(), kMeterPoll), false, true);
}

void TfmMain::OnMeterReply(const Bytes& p) {
  if (p.size() < kMeterReplySize) return;
  const std::uint16_t busMask = UnitControl->GetMatrix(kEffectChannel);

  if (fmCamera) {
    for (int i = 0; i < kInputCount; ++i) fmCamera->ShowInputLed(i, !(p[kCameraGateBits] >> i & 1));
    fmCamera->ShowCameraPosition(p[kEffectFlags] >> 4);
  }

  if (!SetMeter(*this, "pbLevelEff", InputPosition(SignedByte(p[kEffectLevel])))) return;
  const bool effectLimiting = (p[kEffectFlags] & 1) && (UnitControl->GetComp(kEffectChannel).First & 0xFFFF) != 0;
  ShowCompLed(effectLimiting);
  if (auto* led = FindControl<TwLed>("wlrCompLedEff")) led->SetActive(effectLimiting);

  for (int c = 0; c < kInputCount + kOutputCount; ++c) {
    const int level = SignedByte(p[static_cast<std::size_t>(c)]);
    const QString suffix = platform::ChannelSuffix(c);
    if (IsInputChannel(c)) {
      const int position = InputPosition(level);
      for (const char* role : {"pbLevelBackupIn", "pbLevelGateIn", "pbLevelAgcIn"})
        if (!SetMeter(*this, role + suffix, position)) return;
      if (c == CurrentChannel && !SetMeter(*this, "pbLevelInA", position)) return;
      if (c == GateChannel && !SetMeter(*this, "pbLevelGateIn", position)) return;
      if (c == AgcChannel && !SetMeter(*this, "pbLevelAgcIn", position)) return;
      continue;
    }
    const int position = OutputPosition(level);
    for (const char* role : {"pbLevelCompOut", "pbLevelBackupOut"})
      if (!SetMeter(*this, role + suffix, position)) return;
    if (c == CurrentChannel && !SetMeter(*this, "pbLevelOut1", position)) return;
    auto* ratio = FindControl<TExTrackBar>("isCompRatioOut" + suffix);
    if (!ratio) return;
    const int limiting = (p[kLimitBits] >> (c - kFirstOutput) & 1) && ratio->Position() != 0 ? 1 : 0;
    for (const char* role : {"pbLimitCompOut", "pbLimitBackupOut"})
      if (!SetMeter(*this, role + suffix, limiting)) return;
    if (c == CurrentChannel && !SetMeter(*this, "pbLimitOut1", limiting)) return;
    if (c == CompChannel) {
      if (!SetMeter(*this, "pbLimitCompOut", limiting) || !SetMeter(*this, "pbLevelCompOut", position)) return;
    }
  }

  if (fmAutoMix)
    for (int i = 0; i < kInputCount; ++i) {
      const bool onBus = busMask >> i & 1;
      fmAutoMix->ShowInputLevel(i, onBus ? SignedByte(p[kAutoMixLevels + static_cast<std::size_t>(i)]) : kAutoMixSilent);
      // Byte 24 carries the automix gates the way byte 18 carries the camera's.
      fmAutoMix->ShowInputLed(i, !(p[kAutoMixGateBits] >> i & 1));
    }

  const int mic = SignedByte(p[kAecMicIn]);
  const int speaker = SignedByte(p[kAecSpeakerOut]);
  const int lineIn = SignedByte(p[kAecLineIn]);
  const int lineOut = SignedByte(p[kAecLineOut]);
  ShowAecLevel("lbMic0Level", "pbAecLevelInput", mic, InputPosition(mic - 6));
  ShowAecLevel("lbSpkOutLevel", "pbAecLevelOutput", speaker, InputPosition(speaker));
  ShowAecLevel("lbLineInLevel", "pbAecLevelVcsIn", lineIn, InputPosition(lineIn - 6));
  ShowAecLevel("lbLineOutLevel", "pbAecLevelVcsOut", lineOut, InputPosition(lineOut + 6));
}

void TfmMain::OnGateLevelReply(const Bytes& p) {
  if (p.size() < kGateReplySize) return;
  for (int i = 0; i < kInputCount; ++i) {
    const int position = InputPosition(20.0 * std::log10(static_cast<double>(GateLevel(p, i))));
    if (!SetMeter(*this, platform::ComposedName("pbLevelGateIn", i), position)) return;
    if (i == GateChannel && !SetMeter(*this, "pbLevelGateIn", position)) return;
  }
}

void TfmMain::OnAecRegisterReply(const Bytes& p) {
  if (p.size() < kRegisterReplySize || !fmAec) return;
  fmAec->ShowRegister(p[0] | p[1] << 8);
}

void TfmMain::ResetMeters() {
  for (int i = 0; i < kInputCount; ++i)
    for (const char* role : {"pbLevelBackupIn", "pbLevelAgcIn", "pbLevelGateIn"})
      if (!SetMeter(*this, platform::ComposedName(role, i), 0)) return;
  for (int c = kFirstOutput; c < kFirstOutput + kOutputCount; ++c)
    for (const char* role : {"pbLevelBackupOut", "pbLevelCompOut", "pbLimitCompOut", "pbLimitBackupOut"})
      if (!SetMeter(*this, platform::ComposedName(role, c), 0)) return;
  for (const char* name : {"pbLevelInA", "pbLevelOut1", "pbLimitOut1", "pbLevelAgcIn", "pbLevelGateIn",
                           "pbLevelCompOut", "pbLimitCompOut", "pbLevelEff"})
    if (!SetMeter(*this, QString::fromLatin1(name), 0)) return;
  if (fmAec && !fmAec->ResetLevels()) return;
  for (int i = 0; i < kInputCount; ++i) {
    auto* button = FindControl<TUxBmpButton>(platform::ComposedName("uxb", i) + "MatrixEff");
    if (!button) return;
    button->SetFontColor(Qt::black);
    if (fmAutoMix) fmAutoMix->ShowInputLed(i, false);
  }
  ShowCompLed(false);
  if (auto* led = FindControl<TwLed>("wlrCompLedEff")) led->SetActive(false);
}
