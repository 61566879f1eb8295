// The dynamics pages: compressor (outputs), gate and AGC (inputs). Each upper
// half holds the transfer-curve plot of the chosen channel with its title and
// level meter, and one meter panel per channel with its scale; each lower
// half holds one column of faders and value boxes per channel.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <span>

#include "controls/ExTrackBar.h"
#include "controls/UpDown.h"
#include "controls/RoundEdit.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "display/LProgressBar.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

namespace {

using namespace mainform;

// What differs between the three pages.
struct DynamicsPage {
  const char* name;  // "Comp", "Gate", "Agc"
  const char* side;  // "Out" for the compressor, "In" for gate and AGC
  int firstChannel;
  int curveChannels;  // the curve plus its markers
  bool limiter;       // the compressor's meters have a limiter lamp above them
  // Scale: label roles from the top and their tops on the page panel and on
  // the channel panels.
  const char* scaleRoles[9];
  const char* scaleTexts[9];
  int pageScaleTops[9];
  int rowScaleTops[9];
};

// clang-format off
const DynamicsPage kComp = {
    "Comp", "Out", 8, 2, true,
    {"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"},
    {"LIMIT", "CLIP", "12", "5", "0", "-5", "-15", "-30", "-60"},
    {32, 56, 79, 102, 124, 149, 172, 195, 219},
    {35, 58, 81, 105, 128, 151, 175, 198, 222},
};
const DynamicsPage kGate = {
    "Gate", "In", 0, 2, false,
    {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"},
    {"CLIP", "12", "5", "0", "-5", "-15", "-20", "-30", "-60"},
    {36, 59, 82, 105, 129, 152, 175, 198, 222},
    {36, 59, 82, 105, 129, 152, 175, 198, 222},
};
const DynamicsPage kAgc = {
    "Agc", "In", 0, 3, false,
    {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"},
    {"CLIP", "12", "5", "0", "-5", "-15", "-20", "-30", "-60"},
    {36, 59, 82, 105, 129, 152, 175, 198, 222},
    {36, 59, 82, 105, 129, 152, 175, 198, 222},
};
// clang-format on

// Meter geometry: the compressor's bar sits under its limiter lamp.
constexpr int kPanelTop = 7;
constexpr int kPanelHeight = 247;
constexpr int kMeterWidth = 14;
constexpr int kRowPanelLeft = 659;
constexpr int kRowPanelStep = 53;
constexpr int kRowPanelWidth = 50;

QFont SmallFont(const QWidget* w, int points, bool bold = false) {
  QFont f = w->font();
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

TUxPanel* MeterPanel(TfmMain& form, QWidget* parent, const QString& name, const QRect& r) {
  TUxPanel* panel = Panel(form, parent, name, r);
  panel->SetBorderOuter(fsFlat);
  panel->SetFlatColor(Colours().groupEdge);
  panel->SetFlatColorAdjustment(0);
  return panel;
}

// The bars of one meter panel: limiter lamp and level bar (compressor) or the
// level bar alone, and the nine scale labels beside them.
void FillMeterPanel(TfmMain& form, TUxPanel* panel, const DynamicsPage& page, const QString& suffix, bool pageMeter) {
  const QString tail = QString::fromLatin1(page.name) + page.side + suffix;
  const int barLeft = 4;
  if (page.limiter) {
    Meter(form, panel, "pbLimit" + tail, QRect(barLeft, pageMeter ? 30 : 33, kMeterWidth, 22), MeterKind::Limiter);
    Meter(form, panel, "pbLevel" + tail, QRect(barLeft, pageMeter ? 54 : 55, kMeterWidth, 185),
          page.side == QLatin1String("Out") ? MeterKind::Output : MeterKind::Input);
  } else {
    Meter(form, panel, "pbLevel" + tail, QRect(barLeft, 32, kMeterWidth, 208), MeterKind::Input);
  }
  const int labelLeft = barLeft + kMeterWidth + 2;
  const QFont font = SmallFont(panel, 7);
  for (int n = 0; n < 9; ++n) {
    const int top = pageMeter ? page.pageScaleTops[n] : page.rowScaleTops[n];
    auto* label = Label(form, panel, QString::fromLatin1("lb") + page.scaleRoles[n] + tail,
                        QRect(labelLeft, top, panel->width() - labelLeft - 1, 14),
                        QString::fromLatin1(page.scaleTexts[n]), Qt::AlignLeft | Qt::AlignVCenter, Colours().dimText);
    label->setFont(font);
  }
}

TwXYPlot* TransferPlot(TfmMain& form, QWidget* parent, const QString& name, int channels) {
  auto* plot = form.Create<TwXYPlot>(parent, name);
  plot->setGeometry(20, 24, 587, 230);
  SetupFormPlot(plot);
  plot->XAxis()->SetDesiredIncrement(20);
  // Thirteen labels every 10 dB fit the Y axis only with no blank line between them.
  plot->YAxis()->SetLabelSeparation(0);
  // Channel 1 marks the threshold; the AGC's channel 2 marks the target.
  SetupTransferChannels(plot, channels);
  plot->show();
  return plot;
}

void BuildCurveArea(TfmMain& form, QWidget* upper, const DynamicsPage& page, const QString& title) {
  const QString tail = QString::fromLatin1(page.name) + page.side;
  auto* name =
      Label(form, upper, "lb" + QString::fromLatin1(page.name) + "Name", QRect(44, 5, 538, 18), title, Qt::AlignCenter);
  name->setFont(SmallFont(name, 11, true));
  TransferPlot(form, upper, "wp" + QString::fromLatin1(page.name), page.curveChannels);

  // The chosen channel's meter beside the plot.
  TUxPanel* pagePanel = MeterPanel(form, upper, "plLevel" + tail, QRect(612, kPanelTop, 46, kPanelHeight));
  auto* head = Label(form, pagePanel, "lbHead" + tail, QRect(1, 4, 44, 16), QString::fromLatin1(page.side) + " 1",
                     Qt::AlignCenter);
  head->setFont(SmallFont(head, 8, true));
  FillMeterPanel(form, pagePanel, page, QString(), true);

  // One meter panel per channel.
  for (int i = 0; i < 8; ++i) {
    const QString suffix = platform::ChannelSuffix(page.firstChannel + i);
    TUxPanel* panel = MeterPanel(form, upper, "plLevel" + tail + suffix,
                                 QRect(kRowPanelLeft + kRowPanelStep * i, kPanelTop, kRowPanelWidth, kPanelHeight));
    auto* caption = Caption(panel, QRect(1, 4, kRowPanelWidth - 2, 16),
                            QString::fromLatin1(page.side) + QString::number(i + 1), Qt::AlignCenter, true);
    caption->setFont(SmallFont(caption, 8, true));
    FillMeterPanel(form, panel, page, suffix, false);
  }
}

// ---- Lower halves: one column per channel --------------------------------------

// One parameter of a column: a fader with its value box, or (AGC target and
// ratio) a value box with an up-down.
struct Param {
  const char* role;
  const char* sid;
  int min, max, position;
  const char* text;
  bool fader;
  int pageSize;
  int slot;  // 0 top left, 1 top right, 2 bottom left, 3 bottom right, 4 top centre, 5/6 stacked top right
};

const Param kCompParams[] = {
    {"Threshold", "SID_COMP_THRESHOLD", -180, 40, 40, "+20.0dB", true, kPageThreshold, 0},
    {"Ratio", "SID_COMP_RATIO", 0, 15, 0, "1:1.0", true, kPageRatio, 1},
    {"Attack", "SID_COMP_ATTACK", 0, 998, 50, "50ms", true, kPageAttack, 2},
    {"Release", "SID_COMP_RELEASE", 0, 2999, 499, "500ms", true, kPageRelease, 3},
};
const Param kGateParams[] = {
    {"Threshold", "SID_COMP_THRESHOLD", -180, 40, 40, "+20.0dB", true, kPageThreshold, 4},
    {"Attack", "SID_COMP_ATTACK", 0, 998, 50, "50ms", true, kPageAttack, 2},
    {"Release", "SID_COMP_RELEASE", 0, 2999, 2999, "3000ms", true, kPageRelease, 3},
};
const Param kAgcParams[] = {
    {"Threshold", "SID_COMP_THRESHOLD", -120, 0, 0, "+0.0dB", true, kPageThreshold, 0},
    {"Target", "SID_AGC_TARGET", -120, 0, 0, "0.0", false, 1, 5},
    {"Ratio", "SID_COMP_RATIO", 0, 15, 0, "1:1.0", false, 1, 6},
    {"Attack", "SID_COMP_ATTACK", 0, 998, 50, "50ms", true, kPageAttack, 2},
    {"Release", "SID_COMP_RELEASE", 9, 2999, 499, "500ms", true, kPageRelease, 3},
};

constexpr int kColumnStep = 134;
constexpr int kColumnWidth = 130;
constexpr int kColumnHeight = 280;
constexpr int kSlotWidth = 65;
constexpr int kFaderHeight = 82;
constexpr int kRowTops[2] = {22, 150};

void BuildParam(TfmMain& form, QWidget* column, const QString& middle, const QString& side, const QString& suffix,
                const Param& p, int ch) {
  const QString tail = middle + p.role + side + suffix;
  const QFont boxFont = SmallFont(column, 8);
  int x = 0, top = 0;
  switch (p.slot) {
    case 0:
    case 1:
    case 2:
    case 3:
      x = 1 + kSlotWidth * (p.slot % 2);
      top = kRowTops[p.slot / 2];
      break;
    case 4:
      x = (kColumnWidth - kSlotWidth) / 2;
      top = kRowTops[0];
      break;
    default:  // stacked box + up-down in the top right slot
      x = 1 + kSlotWidth;
      top = kRowTops[0] + 6 + (p.slot - 5) * 56;
      break;
  }
  auto* label = Label(form, column, "lb" + tail, QRect(x, top, kSlotWidth, 14), form.TranslateSid(p.sid),
                      Qt::AlignCenter, Colours().dimText);
  label->setFont(SmallFont(label, 8));
  platform::SetTag(label, ch);
  // The columns are narrow: a tighter rounding leaves the texts their room.
  auto box = [&](const QRect& r) {
    TRoundEdit* b = ValueBox(form, column, "cvd" + tail, r, QString::fromLatin1(p.text), false, ch);
    b->SetRounding(5);
    b->setFont(boxFont);
  };
  if (p.fader) {
    Fader(form, column, "is" + tail, QRect(x + (kSlotWidth - kFaderWidth) / 2, top + 16, kFaderWidth, kFaderHeight),
          p.min, p.max, p.pageSize, p.position, ch, true);
    box(QRect(x + 1, top + 18 + kFaderHeight, kSlotWidth - 2, kBoxHeight));
  } else {
    box(QRect(x + 1, top + 18, kSlotWidth - 19, kBoxHeight));
    TUpDown* ud =
        UpDown(form, column, "ud" + tail, QRect(x + kSlotWidth - 17, top + 18, 16, kBoxHeight), p.min, p.max, ch);
    ud->SetPosition(p.position);
  }
}

void BuildColumns(TfmMain& form, QWidget* lower, const DynamicsPage& page, std::span<const Param> params) {
  const QString middle = QString::fromLatin1(page.name);
  const QString side = QString::fromLatin1(page.side);
  for (int i = 0; i < 8; ++i) {
    const int ch = page.firstChannel + i;
    const QString suffix = platform::ChannelSuffix(ch);
    TUxGroupBox* column = Group(form, lower, "uxg" + middle + side + suffix,
                                QRect(2 + kColumnStep * i, 0, kColumnWidth, kColumnHeight), true);
    platform::SetTag(column, ch);
    auto* heading = Label(form, column, "lb" + middle + side + suffix, QRect(0, 3, kColumnWidth, 18),
                          side + QString::number(i + 1), Qt::AlignCenter);
    heading->setFont(SmallFont(heading, 9, true));
    platform::SetTag(heading, ch);
    for (const Param& p : params) BuildParam(form, column, middle, side, suffix, p, ch);
  }
}

}  // namespace

void TfmMain::BuildDynamicsPages() {
  struct PageParts {
    const DynamicsPage& page;
    const char* upper;
    const char* lower;
    QString title;
    std::span<const Param> params;
  };
  const PageParts pages[] = {
      {kComp, "uxgFftComp", "uxgParamComp", "Out 1 " + TranslateSid("SID_COMP"), kCompParams},
      {kGate, "uxgFftGate", "uxgParamGate", "In 1 " + TranslateSid("SID_GATE"), kGateParams},
      {kAgc, "uxgFftAgc", "uxgParamAgc", "In 1 " + TranslateSid("SID_AGC"), kAgcParams},
  };
  for (const PageParts& parts : pages) {
    auto* upper = FindControl<QWidget>(parts.upper);
    auto* lower = FindControl<QWidget>(parts.lower);
    if (!upper || !lower) return;
    BuildCurveArea(*this, upper, parts.page, parts.title);
    BuildColumns(*this, lower, parts.page, parts.params);
  }
}
