// Band editing: the PEQ grids' change, the band buttons, the panel's band
// faders (collected by the 1 ms one-shot tmEqCurve), the frequency box's keys,
// the reset of a channel's equaliser and the EQ bypass and reset buttons.
// Every band edit ends in peqPeqInAChange, which stores it for the link group,
// sends it and redraws the plot.
#include <QLabel>
#include <QLineEdit>

#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FPeqRst.h"
#include "display/FilterDesign.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "link/Lcmd.h"
#include "mainwindow/BandTexts.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Graphics.h"
#include "platform/Timer.h"

namespace {

constexpr int kEqChannels[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18};

bool EqChannel(int ch) { return (ch >= 0 && ch < 16) || ch == 18; }
int BandCount(int ch) { return ch >= 8 && ch < 16 ? kOutputPeqBands : kInputPeqBands; }

QString RoleSuffix(int ch) {
  if (ch == 18) return QStringLiteral("Eff");
  return (ch < 8 ? QStringLiteral("In") : QStringLiteral("Out")) + platform::ChannelSuffix(ch);
}
// The shared panel's suffix of the side channel ch belongs to.
QString PanelSuffix(int ch) {
  return ch == 18 ? QStringLiteral("Eff") : ch > 7 ? QStringLiteral("Out1") : QStringLiteral("InA");
}

// Peak and the two allpasses keep their factory Q; every other type has a Q
// of 0.71 when chosen and at most 3.0. A type code no list holds keeps the Q
// the processor holds: the page neither knows its rule nor can show it.
bool FreeQType(int type) { return type == 0 || type == 5 || type == 6 || type < 0 || type > 8; }
constexpr int kShapedQCode = 10;  // Q 0.71
constexpr int kMaxShapedQCode = 35;  // Q 3.0

}  // namespace

void TfmMain::BindEqEditing() {
  tmEqCurve = new platform::Timer(this, 1);
  Register(tmEqCurve, QStringLiteral("tmEqCurve"));
  tmEqCurve->OnTimer = [this](QObject* s) { tmEqCurveTimer(s); };
  for (int ch : kEqChannels) {
    if (auto* grid = PeqGridOf(ch)) {
      grid->OnChange = [this](QObject* s) { peqPeqInAChange(s); };
      grid->OnEditMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
        peqPeqInAEditMouseDown(s, b, k, x, y);
      };
      grid->OnPeqTypeMouseWheel = [this](QObject* s, Qt::KeyboardModifiers k, int d, QPoint p, bool& h) {
        peqPeqInAPeqTypeMouseWheel(s, k, d, p, h);
      };
    }
    for (int b = 0; b < BandCount(ch); ++b)
      if (auto* button = BandButton(ch, b)) button->OnClick = [this](QObject* s) { uxbEq1InAClick(s); };
    if (auto* bypass = FindControl<TDvDemoButton>("vrbEqBypass" + RoleSuffix(ch)); bypass && ch != 18)
      bypass->OnClick = [this](QObject* s) { vrbEqBypassInAClick(s); };
    if (auto* reset = FindControl<TDvDemoButton>("vrbEqReset" + RoleSuffix(ch)))
      reset->OnClick = [this](QObject* s) { vrbEqResetInAClick(s); };
  }
  for (const char* side : {"InA", "Out1", "Eff"}) {
    const QString s = QString::fromLatin1(side);
    auto fader = [this](const QString& name, void (TfmMain::*handler)(QObject*)) {
      if (auto* f = FindControl<TExTrackBar>(name)) f->OnChange = [this, handler](QObject* o) { (this->*handler)(o); };
    };
    fader("isEqFreq" + s, &TfmMain::isEqFreqInAChange);
    fader("isEqBw" + s, &TfmMain::isEqBwInAChange);
    fader("isEqGain" + s, &TfmMain::isEqGainInAChange);
    if (auto* box = FindControl<TRoundEdit>("cvdEqFreq" + s)) {
      box->OnKeyDown = [this](QObject* o, int& key, Qt::KeyboardModifiers m) { cvdEqFreqInAKeyDown(o, key, m); };
      box->OnExit = [this](QObject* o) { cvdEqFreqInAExit(o); };
    }
  }
}

void TfmMain::peqPeqInAChange(QObject* Sender) {
  if (DragPoint != -1 || !UnitControl) return;
  auto* grid = dynamic_cast<TMyPEQAllpassBandPassStop*>(Sender);
  if (!grid) return;
  const int ch = grid->Tag();
  const int band = grid->GetNowIndex();
  if (!EqChannel(ch) || band < 0 || band >= BandCount(ch)) return;
  display::Plot* plot = Plots[ch].get();
  TUxBmpButton* button = BandButton(ch, band);
  auto* hint = FindControl<QLabel>("lbFftParam" + RoleSuffix(ch));
  if (!plot || !button || !hint) return;

  const double f = grid->GetFreqValue(band);
  const double gain = grid->GetGainValue(band);  // double all the way: a float loses codes
  double q = grid->GetQValue(band);
  const PeqBand stored = UnitControl->GetPeqBand(ch, band);
  // A type the grid cannot show stays the stored one.
  const int type = grid->GetTypeValue(band) >= 0 ? grid->GetTypeValue(band) : stored.Type;
  const bool bypass = grid->GetBypassValue(band);

  // Setting the row's Q runs this handler once more, with the same values.
  if (FreeQType(type)) {
    const PeqBand factory = UnitControl->GetDefaultPeqBand(ch, band);
    if (type != stored.Type && q != CodeToQ(factory.Q)) {
      q = CodeToQ(factory.Q);
      grid->SetQValue(band, factory.Q);
    }
  } else if (type != stored.Type) {
    if (q != kQTable[kShapedQCode]) {
      q = kQTable[kShapedQCode];
      grid->SetQValue(band, kShapedQCode);
    }
  } else if (q > 3.0) {
    q = 3.0;
    grid->SetQValue(band, QToCode(3.0));
  }

  const std::uint32_t bandWord =
      static_cast<std::uint32_t>(GainToCode(gain)) | static_cast<std::uint32_t>(FrequencyToCode(f)) << 16;
  const std::uint16_t shapeWord = static_cast<std::uint16_t>(QToCode(q) | (type & 0xFF) << 8);
  if (Updating) return;

  button->SetDown(true);
  grid->SetNowIndex(band);
  display::PlotSection& section = *plot->Sections[band];
  if (bypass)
    section.SetFilter(0.0, f, q, display::PlotFilterType::Flat);
  else
    section.SetFilter(gain, f, q, display::PeqTypeToPlotFilterType(type));
  plot->DrawHandle(band, static_cast<float>(gain), 1);
  plot->DrawSectionFilled(type, band, static_cast<float>(gain), static_cast<float>(q), true);
  plot->DrawSum(ch);
  if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();

  UnitControl->SetPeqBand(ch, band, bandWord, shapeWord, bypass ? 1 : 0);
  ShowEqBandControls(ch, true, q, gain, f);
}

// The band's row selected, shown on the panel and drawn; nothing stored.
void TfmMain::ShowSelectedBand(int ch, int band) {
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch);
  display::Plot* plot = EqChannel(ch) ? Plots[ch].get() : nullptr;
  auto* hint = FindControl<QLabel>("lbFftParam" + RoleSuffix(ch));
  if (!grid || !plot || !hint || band < 0 || band >= BandCount(ch)) return;
  const double f = grid->GetFreqValue(band);
  const double gain = grid->GetGainValue(band);
  const double q = grid->GetQValue(band);
  const int type = grid->GetTypeValue(band);
  grid->SetNowIndex(band);
  ShowEqBandControls(ch, true, q, gain, f);
  plot->DrawHandle(band, static_cast<float>(gain), 1);
  plot->DrawSectionFilled(type, band, static_cast<float>(gain), static_cast<float>(q), true);
  plot->DrawSum(ch);
  if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
  hint->setVisible(true);
}

void TfmMain::peqPeqInAEditMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  auto* grid = dynamic_cast<TMyPEQAllpassBandPassStop*>(Sender);
  if (!grid) return;
  const int ch = grid->Tag();
  const int band = grid->GetNowIndex();
  if (!EqChannel(ch)) return;
  TUxBmpButton* button = BandButton(ch, band);
  if (!button) return;
  button->SetDown(true);
  ShowSelectedBand(ch, band);
}

void TfmMain::peqPeqInAPeqTypeMouseWheel(QObject*, Qt::KeyboardModifiers, int, QPoint, bool& Handled) {
  Handled = true;
}

void TfmMain::uxbEq1InAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button) return;
  const int ch = button->GroupIndex() - 1;
  if (!EqChannel(ch)) return;
  ShowSelectedBand(ch, button->Tag());
  FocusEqFreqEdit(ch);
}

void TfmMain::FocusEqFreqEdit(int channel) {
  if (auto* box = FindControl<TRoundEdit>("cvdEqFreq" + PanelSuffix(channel))) {
    if (box->isVisible()) box->Edit()->setFocus();
  }
}

// ---- The panel's band faders ----------------------------------------------------

void TfmMain::isEqFreqInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdEqFreq" + PanelSuffix(CurrentChannel));
  if (!fader || !box || !PeqGridOf(EditChannel)) return;
  const double f = CodeToFrequency(fader->Position());
  box->SetText(bandtext::Frequency(f));
  PendingCurve.kind = 0;
  PendingCurve.channel = EditChannel;
  PendingCurve.frequency = static_cast<float>(f);
  tmEqCurve->SetEnabled(true);
}

void TfmMain::isEqBwInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdEqBw" + PanelSuffix(CurrentChannel));
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(EditChannel);
  if (!fader || !box || !grid) return;
  // The cap tests the row the timer writes: EditChannel's grid.
  const int type = grid->GetTypeValue(grid->GetNowIndex());
  if (!FreeQType(type) && fader->Position() > kMaxShapedQCode) fader->SetPosition(kMaxShapedQCode);
  box->SetText(bandtext::Q(fader->Position()));
  PendingCurve.kind = 1;
  PendingCurve.channel = EditChannel;
  PendingCurve.q = static_cast<float>(fader->Position());
  tmEqCurve->SetEnabled(true);
}

void TfmMain::isEqGainInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdEqGain" + PanelSuffix(CurrentChannel));
  if (!fader || !box || !PeqGridOf(EditChannel)) return;
  box->SetText(bandtext::Gain(fader->Position()));
  PendingCurve.kind = 2;
  PendingCurve.channel = EditChannel;
  PendingCurve.gain = CodeToGain(fader->Position());
  tmEqCurve->SetEnabled(true);
}

void TfmMain::tmEqCurveTimer(QObject*) {
  tmEqCurve->SetEnabled(false);
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(PendingCurve.channel);
  if (!grid) return;
  const int row = grid->GetNowIndex();
  switch (PendingCurve.kind) {
    case 0: grid->SetFreqValue(row, PendingCurve.frequency); break;
    case 1: grid->SetQValue(row, PendingCurve.q); break;
    case 2: grid->SetGainValue(row, PendingCurve.gain); break;
    default: break;
  }
}

void TfmMain::cvdEqFreqInAKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  const QString s = PanelSuffix(CurrentChannel);
  auto* freq = FindControl<TExTrackBar>("isEqFreq" + s);
  auto* q = FindControl<TExTrackBar>("isEqBw" + s);
  auto* gain = FindControl<TExTrackBar>("isEqGain" + s);
  if (!freq || !q || !gain || !PeqGridOf(EditChannel)) return;
  auto step = [](TExTrackBar* f, int d) { f->SetPosition(f->Position() + d); };
  // The key stays with the box.
  switch (Key) {
    case Qt::Key_Left: step(freq, -1); break;
    case Qt::Key_Right: step(freq, 1); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: step(q, 1); break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: step(q, -1); break;
    case Qt::Key_Up: step(gain, 1); break;
    case Qt::Key_Down: step(gain, -1); break;
    default: break;
  }
}

void TfmMain::cvdEqFreqInAExit(QObject*) {}

void TfmMain::ResetChannelEq(int channel) {
  if (!UnitControl || !EqChannel(channel)) return;
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(channel);
  display::Plot* plot = Plots[channel].get();
  if (!grid) return;
  grid->SetNowIndex(0);
  // Band 0 last: its change stores, sends and draws it and leaves it selected.
  for (int band = BandCount(channel) - 1; band >= 0; --band) {
    const PeqBand factory = UnitControl->GetDefaultPeqBand(channel, band);
    UnitControl->SetPeqBand(channel, band, factory.BandWord(), factory.ShapeWord(), 0);
    SendCommand(CM_MCS_PEQ(GetDeviceId(), static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(band),
                           factory.BandWord(), factory.ShapeWord(), 0),
                true);
    const double gain = CodeToGain(factory.Gain);
    const double f = CodeToFrequency(factory.Frequency);
    grid->SetEqParamValue(band, f, factory.Q, gain, factory.Type, false);
    if (plot) {
      plot->Sections[band]->SetFilter(gain, f, CodeToQ(factory.Q), display::PeqTypeToPlotFilterType(factory.Type));
      plot->DrawHandle(band, static_cast<float>(gain), 1);
    }
  }
}

// ---- EQ bypass and reset buttons ---------------------------------------------------

void TfmMain::vrbEqBypassInAClick(QObject* Sender) {
  if (!UnitControl) return;
  const int ch = platform::Tag(Sender);
  if (ch < 0 || ch > 15) return;
  display::LMyFFTDrawHpLp6dB* plot = PlotWidget(ch);
  if (!plot) return;
  const int k = ch > 7 ? ch - 8 : ch;
  std::uint16_t w = UnitControl->GetEqBypassMask(ch);
  const std::uint16_t group = GetLinkGroup(ch) & 0xFF;
  std::uint8_t state;
  if (w & (1u << k)) {
    plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, platform::clBtnFace, "Times New Roman", "");
    w = static_cast<std::uint16_t>(w & ~group);
    state = 0;
  } else {
    plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, platform::clBtnFace, "Times New Roman",
                    "BYPASS");
    w = static_cast<std::uint16_t>(w | group);
    state = 1;
  }
  UnitControl->SetEqBypassMask(ch, w);
  plot->UpdateCurvePage();  // presents the plot area with the mark composed on it
  SendCommand(CM_MCS_CMD(GetDeviceId(), 0x3C, static_cast<std::uint8_t>(ch), state), false);
}

void TfmMain::vrbEqResetInAClick(QObject* Sender) {
  if (!fmPeqRst) return;
  fmPeqRst->SetChannel(platform::Tag(Sender));
  fmPeqRst->ShowModal();
}
