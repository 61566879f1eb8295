// The Gain page (page 21, the start page): above, the input and output
// response plots with their overlay switches; below, the selector and the
// sixteen mirror strips (gain fader, value box, mute, polarity, level and
// phantom for inputs, limiter lamp for outputs, meters), input strips on
// uxpGainIn and output strips on uxpGainOut, one of them in front.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UpDown.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

using namespace mainform;

namespace {

// Upper container.
constexpr QRect kPlotIn(10, 1, 530, 255);
constexpr QRect kPlotOut(550, 1, 530, 255);
constexpr int kRowTop = 261;  // the row of labels and switches under the plots
// Lower container.
constexpr QRect kStrips(84, 0, 988, 284);
constexpr int kStripWidth = 120;
constexpr int kStripStep = 123;
constexpr int kStripTop = 22;

// One mirror strip: fader and meter on the left, the switches on the right,
// the value box under the fader.
void BuildStrip(TfmMain& form, QWidget* parent, int ch) {
  const bool input = ch < 8;
  const int i = ch % 8;
  auto name = [ch](const char* prefix) { return platform::ComposedName(prefix, ch); };
  TUxGroupBox* strip = Group(form, parent, name(input ? "uxgGainBackupIn" : "uxgGainBackupOut"),
                             QRect(i * kStripStep, kStripTop, kStripWidth, 258), true);
  platform::SetTag(strip, ch);
  Caption(strip, QRect(0, 2, kStripWidth, 18), QStringLiteral("%1%2").arg(input ? "In" : "Out").arg(i + 1),
          Qt::AlignCenter, true);

  Fader(form, strip, name(input ? "isGainBackupIn" : "isGainBackupOut"), QRect(6, 22, kFaderWidth, 196), -280, 120,
        6, 0, ch);
  if (input) {
    Meter(form, strip, name("pbLevelBackupIn"), QRect(36, 30, 14, 180), MeterKind::Input);
  } else {
    Meter(form, strip, name("pbLimitBackupOut"), QRect(36, 26, 14, 18), MeterKind::Limiter);
    Meter(form, strip, name("pbLevelBackupOut"), QRect(36, 48, 14, 162), MeterKind::Output);
  }
  FitValueBox(ValueBox(form, strip, name(input ? "cvdGainBackupIn" : "cvdGainBackupOut"), QRect(4, 224, 64, kBoxHeight),
                       "+0.0dB", true, ch),
              GainTexts(), 68);

  const QRect key(56, 26, 60, 24);
  auto toggle = [&](const char* prefix, int row, const QString& caption, const QColor& lit, int group) {
    return Button(form, strip, name(prefix), key.translated(0, row * 30), caption, lit, ButtonKind::Toggle, group, ch);
  };
  toggle(input ? "uxbMuteBackupIn" : "uxbMuteBackupOut", 0, "Mute", Keys().mute, 2);
  toggle(input ? "uxbPhaseBackupIn" : "uxbPhaseBackupOut", 1, "Normal", Keys().phase, 3);
  if (!input) return;
  toggle("uxbLineBackupIn", 2, "Line", Keys().line, 4);
  // The level list and its arrows wait for the mic setting (enabled with it).
  TUxComboBox* level =
      Combo(form, strip, name("uxcLineBackupIn"), QRect(52, 116, 50, 22), LevelItems(), 50, csOwnerDrawFixed, ch);
  level->SetReadOnly(true);
  level->SetEnabled(false);
  QFont small = level->font();
  small.setPixelSize(11);
  level->setFont(small);
  UpDown(form, strip, name("udLineBackupIn"), QRect(102, 116, 16, 22), 0, 1, ch)->setEnabled(false);
  toggle("uxbPhantomBackupIn", 4, "+48V", Keys().phantom, 5)->setEnabled(false);
}

}  // namespace

void TfmMain::BuildGainPage() {
  // ---- Upper: the two plots, their titles and overlay switches.
  auto* upper = FindControl<QWidget>("uxgFftGain");
  ResponsePlot(*this, upper, "fftDrawGainIn", kPlotIn, 0);
  ResponsePlot(*this, upper, "fftDrawGainOut", kPlotOut, 0);
  QFont bold = font();
  bold.setBold(true);
  Label(*this, upper, "lbFftGainIn", QRect(20, kRowTop + 1, 100, 18), "Input")->setFont(bold);
  Label(*this, upper, "lbFftGainOut", QRect(600, kRowTop + 1, 60, 18), "Output")->setFont(bold);
  for (int side = 0; side < 2; ++side) {
    TUxGroupBox* group = Group(*this, upper, side == 0 ? "uxgFftShowChIn" : "uxgFftShowChOut",
                               QRect(side == 0 ? 130 : 662, kRowTop, 400, 20));
    for (int i = 0; i < 8; ++i) {
      const int ch = side * 8 + i;
      // Input A and output 1 are shown from the start.
      PowerButton(*this, group, platform::ComposedName("vrbShow", ch) + "Gain", QRect(i * 49, 2, 47, 16),
                  QStringLiteral("%1%2").arg(side == 0 ? "In" : "Out").arg(i + 1), ch, i == 0);
    }
  }

  // ---- Lower: the selector and the strips.
  auto* lower = FindControl<QWidget>("uxgParamGain");
  Label(*this, lower, "lbGainSel", QRect(4, 24, 72, 16), "Select", Qt::AlignCenter);
  Button(*this, lower, "uxbGainSelIn", QRect(4, 44, 72, 28), "Input", Keys().select, ButtonKind::Radio, 1, 0)
      ->SetDown(true);
  Button(*this, lower, "uxbGainSelOut", QRect(4, 78, 72, 28), "Output", Keys().select, ButtonKind::Radio, 1, 1);

  // Output panel first so the input panel starts in front.
  for (int side = 1; side >= 0; --side) {
    TUxPanel* panel = Panel(*this, lower, side == 0 ? "uxpGainIn" : "uxpGainOut", kStrips);
    // An opaque panel, so the one in front hides the other.
    panel->SetTransparent(false);
    panel->SetColor(Colours().frameFill);
    Label(*this, panel, side == 0 ? "lbGainInput" : "lbGainOutput", QRect(4, 2, 200, 18),
          side == 0 ? "Input" : "Output")
        ->setFont(bold);
    for (int i = 0; i < 8; ++i) BuildStrip(*this, panel, side * 8 + i);
  }
}
