// Channel links and channel copy, as the link and copy windows drive them:
// storing a link mask, copying one channel onto another (by the processor
// while online, inside the image otherwise), bringing the editor back in
// line afterwards, and the page buttons' captions and overlay switches that
// follow the links.
#include "controls/DvPowerButton.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FCopy.h"
#include "dialogs/FLinkSel.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kChannelCopy = 0x2A;
constexpr std::uint8_t kEndOfTransfer = 0x12;
constexpr int kGainInPlot = 16;
constexpr int kGainOutPlot = 17;
constexpr int kChannelCurveKey = 18;  // + the channel's number within its side

QString MenuButtonName(int channel) {
  return platform::ComposedName(channel < 8 ? "uxbMenuIn" : "uxbMenuOut", channel);
}

// "vrbShow" + the overlaid channel's suffix + where the switch sits.
QString ShowSwitchName(int channel, const QString& where) {
  return platform::ComposedName("vrbShow", channel) + where;
}

}  // namespace

void TfmMain::LinkClick(QObject*) {
  if (fmLinkSel) fmLinkSel->ShowModal();
}

void TfmMain::CopyClick(QObject*) {
  if (fmCopy) fmCopy->ShowModal();
}

void TfmMain::SetLinkMask(int channel, std::uint16_t mask) {
  if (UnitControl) UnitControl->SetLinkMask(channel, mask);
}

void TfmMain::CopyChannel(int source, int destination, bool refresh) {
  if (source == destination || !UnitControl) return;
  if (source < 0 || source > 15 || destination < 0 || destination > 15 || (source < 8) != (destination < 8)) return;
  if (Online) {
    if (refresh) LinkState = 6;
    SendCommand(CM_MCS_CMD(GetDeviceId(), kChannelCopy, static_cast<std::uint8_t>(source),
                           static_cast<std::uint8_t>(destination)),
                true);
    return;
  }
  // A channel joining a group takes the leader's settings alone, as the
  // processor's single copy does online; the members of its old group are
  // not joining. The copy window's copy reaches the destination's group.
  const int first = destination < 8 ? 0 : 8;
  const std::uint16_t group =
      refresh ? GetLinkGroup(destination) : static_cast<std::uint16_t>(1u << (destination - first));
  for (int k = 0; k < 8; ++k)
    if ((group & (1u << k)) && first + k != source) UnitControl->CopyChannel(source, first + k);
  if (refresh) ApplyUnitModel();
}

void TfmMain::ResyncAfterLink() {
  if (!Online) {
    ApplyUnitModel();
    return;
  }
  tmInLevelDet->SetEnabled(false);
  LinkState = 6;
  SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfTransfer), true);
  if (auto* online = FindControl<QWidget>("uxbMenuLink")) online->setFocus();
}

void TfmMain::UpdateLinkButtons(int channel, bool visible) {
  if (channel < 0 || channel > 15 || !FindControl<TUxBmpButton>(MenuButtonName(channel))) return;
  const bool input = channel < 8;
  const int first = input ? 0 : 8;
  // One switch of this channel on plot `plot`, whose curve of it has `key`.
  auto apply = [&](TDvPowerButton* button, int plot, int key) {
    button->setVisible(visible);
    if (visible) return;
    button->SetActive(false);
    OverlayDirty[static_cast<std::size_t>(plot)] &= ~(1u << button->Tag());
    if (Plots[static_cast<std::size_t>(plot)]) Plots[static_cast<std::size_t>(plot)]->RemoveCurve(key);
    if (auto* w = PlotWidget(plot)) w->UpdateCurvePage();
  };
  auto* gain = FindControl<TDvPowerButton>(ShowSwitchName(channel, "Gain"));
  if (!gain) return;
  apply(gain, input ? kGainInPlot : kGainOutPlot, gain->Tag());
  for (int j = first; j < first + 8; ++j) {
    if (j == channel) continue;
    auto* button = FindControl<TDvPowerButton>(ShowSwitchName(channel, (input ? "In" : "Out") + platform::ChannelSuffix(j)));
    if (!button) return;
    apply(button, j, button->Tag() - first + kChannelCurveKey);
  }
}

void TfmMain::UpdateLinkCaptions(int head, int channel) {
  if (channel < 0 || channel > 15 || head < 0 || head > 15) return;
  auto* button = FindControl<TUxBmpButton>(MenuButtonName(channel));
  if (!button) return;
  const int first = channel < 8 ? 0 : 8;
  const QString number = QString::number(channel - first + 1);
  if (head == channel)
    button->SetCaption((channel < 8 ? QStringLiteral("In") : QStringLiteral("Out")) + number);
  else
    button->SetCaption(number + "=" + QString::number(head - first + 1));
}
