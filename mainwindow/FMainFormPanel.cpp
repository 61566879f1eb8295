// The shared channel panels: `uxgParamInA` serves the eight input pages and
// `uxgParamOut1` the eight output pages (the names keep the suffixes InA and
// Out1). Left to right: the gain strip, the PEQ grids (one panel per channel,
// the shown channel's in front), the band faders, the low- and high-cut
// columns and, for inputs, the feedback suppressor.
#include <QLabel>
#include <QLineEdit>

#include <initializer_list>
#include <vector>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxButton.h"
#include "controls/UpDown.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxLabel.h"
#include "controls/UxPanel.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/ColumnHeadings.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

using namespace mainform;

namespace {

// Grid sizes of the design: five bands on inputs, seven on outputs.
constexpr QSize kInputGrid(452, 260);
constexpr QSize kOutputGrid(536, 266);
constexpr int kEqFadersLeftIn = 620;
constexpr int kEqFadersLeftOut = 696;
constexpr int kCutLeftIn = 804;
constexpr int kCutLeftOut = 880;
constexpr int kFaderTop = 40;
constexpr int kFaderHeight = 180;

QFont Bold(const QFont& base) {
  QFont f = base;
  f.setBold(true);
  return f;
}

// Gain strip: name, fader, meter(s), value box and the switches.
void BuildGainStrip(TfmMain& form, QWidget* panel, const QString& s, bool input) {
  Label(form, panel, "lbGainName" + s, QRect(0, 2, 150, 18), input ? "In1" : "Out1", Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  Label(form, panel, "lbGain" + s, QRect(0, 22, 66, 16), form.TranslateSid("SID_GAIN"), Qt::AlignCenter);
  Fader(form, panel, "isGain" + s, QRect(20, kFaderTop, kFaderWidth, kFaderHeight), -280, 120, 6, 0, 0);
  if (input) {
    Meter(form, panel, "pbLevel" + s, QRect(50, 46, 14, 168), MeterKind::Input);
  } else {
    Meter(form, panel, "pbLimit" + s, QRect(50, 42, 14, 18), MeterKind::Limiter);
    Meter(form, panel, "pbLevel" + s, QRect(50, 64, 14, 150), MeterKind::Output);
  }
  FitValueBox(ValueBox(form, panel, "cvdGain" + s, QRect(4, 226, 66, kBoxHeight), "+0.0dB", true), GainTexts(), 70);

  const QRect key(76, kFaderTop, 70, 24);
  Button(form, panel, "uxbMute" + s, key, form.TranslateSid("SID_MUTE"), Keys().mute, ButtonKind::Toggle, 2);
  Button(form, panel, "uxbPhase" + s, key.translated(0, 30), form.TranslateSid("SID_PHASE_OFF"), Keys().phase,
         ButtonKind::Toggle, 3);
  if (!input) return;
  Button(form, panel, "uxbLine" + s, key.translated(0, 60), form.TranslateSid("SID_POTENT_LINE"), Keys().line,
         ButtonKind::Toggle, 4);
  // The mic gain list and its arrows follow the mic setting; disabled at line level.
  TUxComboBox* level = Combo(form, panel, "uxcLine" + s, QRect(76, 130, 52, 22), LevelItems(), 50, csSimple);
  level->SetReadOnly(true);
  level->SetEnabled(false);
  QFont small = level->font();
  small.setPixelSize(11);
  level->setFont(small);
  UpDown(form, panel, "udLine" + s, QRect(128, 130, 18, 22), 0, 1)->setEnabled(false);
  Button(form, panel, "uxbPhantom" + s, key.translated(0, 118), "+48V", Keys().phantom, ButtonKind::Toggle, 5)
      ->setEnabled(false);
}

// Low cut (high pass) and high cut (low pass): frequency fader and box, slope list, bypass.
void BuildCutColumns(TfmMain& form, QWidget* panel, const QString& s, int left) {
  struct Cut {
    const char* name;
    const char* key;
    int position;
    const char* text;
    int group;
  };
  const Cut cuts[] = {{"LowCut", "SID_HPF", 0, "19.7Hz", 6}, {"HighCut", "SID_LPF", 300, "20.16KHz", 7}};
  for (int j = 0; j < 2; ++j) {
    const Cut& c = cuts[j];
    const QString role = QString::fromLatin1(c.name);
    const int col = left + 80 * j;
    Label(form, panel, "lb" + role + "Freq" + s, QRect(col, 2, 80, 16), form.TranslateSid(c.key), Qt::AlignCenter)
        ->setFont(Bold(panel->font()));
    Fader(form, panel, "is" + role + "Freq" + s, QRect(col + 26, 20, kFaderWidth, 150), 0, 300, 15, c.position, 0);
    FitValueBox(ValueBox(form, panel, "cvd" + role + "Freq" + s, QRect(col + 2, 174, 76, kBoxHeight), c.text, true),
                CutFrequencyTexts(), 80);
    Label(form, panel, "lb" + role + "Slop" + s, QRect(col, 200, 80, 14), form.TranslateSid("SID_HLP_SLOP"),
          Qt::AlignCenter);
    Combo(form, panel, "uxc" + role + "Slop" + s, QRect(col + 4, 214, 72, 22), SlopeItems(), 19, csOwnerDrawFixed);
    Button(form, panel, "uxb" + role + "Bypass" + s, QRect(col + 4, 242, 72, 24), form.TranslateSid("SID_HLP_BYPASS"),
           Keys().on, ButtonKind::Toggle, c.group);
  }
}

// Feedback suppressor: off or one of four levels, one choice.
void BuildFeedback(TfmMain& form, QWidget* panel) {
  TUxGroupBox* group = Group(form, panel, "uxgFbtInA", QRect(968, 0, 104, 284), true);
  Label(form, group, "lbFbtInA", QRect(0, 4, 104, 16), form.TranslateSid("SID_MIC_FBQ"), Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  for (int k = 0; k < 5; ++k) {
    Button(form, group, QStringLiteral("uxbFbtLevel%1InA").arg(k), QRect(10, 26 + 32 * k, 84, 26),
           form.TranslateSid(QStringLiteral("SID_MIC_FBT%1").arg(k)), Keys().on, ButtonKind::Radio, 1, k)
        ->SetDown(k == 0);
  }
}

}  // namespace

namespace mainform {

// The band's frequency, Q and gain: three faders with their labels and boxes.
void BuildEqFaders(TfmMain& form, QWidget* panel, const QString& s, int left) {
  Label(form, panel, "lbEqParam" + s, QRect(left, 2, 180, 16), form.TranslateSid("SID_EQ_PARAM"), Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  struct Role {
    const char* name;
    const char* key;
    int max, pageSize, position;
    QStringList (*texts)();
  };
  const Role roles[] = {{"Freq", "SID_EQ_FREQ", 300, 15, 0, BandFrequencyTexts},
                        {"Bw", "SID_EQ_BW", 100, 5, 0, BandQTexts},
                        {"Gain", "SID_EQ_GAIN", 240, 3, 120, BandGainTexts}};
  for (int j = 0; j < 3; ++j) {
    const Role& r = roles[j];
    const int col = left + 60 * j;
    Label(form, panel, QStringLiteral("lbEq%1").arg(r.name) + s, QRect(col, 22, 60, 16), form.TranslateSid(r.key),
          Qt::AlignCenter);
    Fader(form, panel, QStringLiteral("isEq%1").arg(r.name) + s,
          QRect(col + 16, kFaderTop, kFaderWidth, kFaderHeight), 0, r.max, r.pageSize, r.position, 0);
    // The whole column: " 203.1Hz", "20.16KHz" and "+12.0dB" must show whole.
    FitValueBox(ValueBox(form, panel, QStringLiteral("cvdEq%1").arg(r.name) + s, QRect(col + 2, 226, 56, kBoxHeight),
                         QString(), true),
                r.texts(), 60);
  }
}

TColumnHeadings* GridHeadings(TfmMain& form, QWidget* parent, const QString& name, const QString& text, const QRect& r,
                              const TMyPEQAllpassBandPassStop& grid) {
  auto* title = form.Create<TColumnHeadings>(parent, name);
  title->setText(text);
  QPalette colours = title->palette();
  colours.setColor(QPalette::WindowText, Colours().dimText);
  title->setPalette(colours);
  QFont small = title->font();
  small.setPixelSize(10);
  title->setFont(small);
  title->setGeometry(r);
  title->show();
  // The headings line up with the grid's columns, which differ between the
  // sides: the first row's controls give the centres, in the heading's x.
  std::vector<int> centres;
  for (QWidget* column : std::initializer_list<QWidget*>{grid.RowNumber(0), grid.FrequencyEdit(0), grid.QEdit(0),
                                                          grid.GainEdit(0), grid.TypeList(0), grid.BypassButton(0)})
    centres.push_back(title->mapFrom(&form, column->mapTo(&form, column->rect().center())).x());
  title->SetColumnCentres(std::move(centres));
  return title;
}

void BuildChannelPanel(TfmMain& form, bool input) {
  const QString s = input ? "InA" : "Out1";
  auto* panel = form.FindControl<QWidget>("uxgParam" + s);
  BuildGainStrip(form, panel, s, input);

  // One PEQ panel per channel of the side, stacked; the first channel's in front.
  const QSize grid = input ? kInputGrid : kOutputGrid;
  QWidget* holder = panel;
  QPoint at(156, 16);
  if (input) {
    holder = Group(form, panel, "uxgEqInA", QRect(152, 0, grid.width() + 12, 284), true);
    at = QPoint(6, 20);
  }
  for (int i = 7; i >= 0; --i) {
    const int ch = input ? i : 8 + i;
    const QString suffix = platform::ComposedName(input ? "In" : "Out", ch);
    // Opaque, so the panel in front hides the grids behind it.
    TUxPanel* peq = Panel(form, holder, "uxpPeq" + suffix, QRect(at, grid));
    peq->SetTransparent(false);
    peq->SetColor(Colours().frameFill);
    PeqGrid(form, peq, "peqPeq" + suffix, suffix, QRect(QPoint(0, 0), grid), ch, input ? 5 : 7);
  }
  // Every grid of a side has the same columns and its left edge under the
  // headings' one.
  GridHeadings(form, holder, "lbEq" + s, form.TranslateSid("SID_EQ_PARAM_TITLE"),
               QRect(at.x(), at.y() - 16, grid.width(), 16),
               *form.FindControl<TMyPEQAllpassBandPassStop>(input ? "peqPeqInA" : "peqPeqOut1"));

  BuildEqFaders(form, panel, s, input ? kEqFadersLeftIn : kEqFadersLeftOut);
  BuildCutColumns(form, panel, s, input ? kCutLeftIn : kCutLeftOut);
  if (input) BuildFeedback(form, panel);
}

}  // namespace mainform
