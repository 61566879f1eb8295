// The channel pages (inputs A-H, outputs 1-8): one upper container per
// channel with its response plot, title, Mag/Phase choice, key hint, overlay
// switches for the other channels of its side and the EQ buttons; the lower
// part is one shared panel per side (FMainFormPanel.cpp).
#include <QLabel>
#include <QRadioButton>

#include "controls/UxGroupBox.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

using namespace mainform;

namespace {

constexpr QRect kPlot(21, 1, 1070, 255);
constexpr int kRowTop = 262;  // the row under the plot
// Design lefts of the plot buttons and the overlay group.
constexpr int kBypassLeft = 776;
constexpr int kResetLeft = 857;
constexpr int kShowAllLeft = 934;
constexpr int kOverlayLeft = 420;

// Mag/Phase texts: yellow for the chosen view, silver for the other.
void PaintChoice(QRadioButton* button, bool chosen) {
  QPalette pal = button->palette();
  pal.setColor(QPalette::WindowText, chosen ? QColor(255, 255, 0) : QColor(192, 192, 192));
  button->setPalette(pal);
}

QString ChannelCaption(int ch) { return QStringLiteral("%1%2").arg(ch < 8 ? "In" : "Out").arg(ch % 8 + 1); }

}  // namespace

namespace mainform {

void BuildPlotRow(TfmMain& form, QWidget* upper, const QString& suffix, int channel) {
  ResponsePlot(form, upper, "fftDraw" + suffix, kPlot, channel);

  auto choice = [&](const QString& name, const QRect& r, const QString& text, bool chosen) {
    auto* button = form.Create<QRadioButton>(upper, name);
    button->setText(text);
    button->setChecked(chosen);
    platform::SetTag(button, channel);
    PaintChoice(button, chosen);
    button->setGeometry(r);
    button->show();
  };
  choice("rbShowGain" + suffix, QRect(72, kRowTop, 48, 18), "Mag", true);
  choice("rbShowPhase" + suffix, QRect(120, kRowTop, 56, 18), "Phase", false);

  QLabel* hint = Label(form, upper, "lbFftParam" + suffix, QRect(182, kRowTop, 236, 18),
                       form.TranslateSid("SID_PARAM_KEY"), Qt::AlignLeft | Qt::AlignVCenter, Colours().dimText);
  QFont small = hint->font();
  small.setPixelSize(9);
  hint->setFont(small);

  DemoButton(form, upper, "vrbEqBypass" + suffix, QRect(kBypassLeft, kRowTop, 65, 17),
             form.TranslateSid("SID_BYPASS_EQ"), channel);
  DemoButton(form, upper, "vrbEqReset" + suffix, QRect(kResetLeft, kRowTop, 65, 17),
             form.TranslateSid("SID_RESET_EQ"), channel);
  PowerButton(form, upper, "vrbEqShowAll" + suffix, QRect(kShowAllLeft, kRowTop, 118, 16),
              form.TranslateSid("SID_SHOW_ALL_EQ"), channel);
}

}  // namespace mainform

void TfmMain::BuildChannelPages() {
  QFont bold = font();
  bold.setBold(true);
  for (int ch = 0; ch < 16; ++ch) {
    const bool input = ch < 8;
    const QString suffix = platform::ComposedName(input ? "In" : "Out", ch);
    auto* upper = FindControl<QWidget>("uxgFft" + suffix);
    BuildPlotRow(*this, upper, suffix, ch);
    Label(*this, upper, "lbFftChannel" + suffix, QRect(26, kRowTop, 46, 18), ChannelCaption(ch))->setFont(bold);

    // Switches that overlay the other seven channels of the side on this plot.
    QWidget* group = Group(*this, upper, "uxgFftShowCh" + suffix, QRect(kOverlayLeft, kRowTop - 1, 350, 20));
    const int first = input ? 0 : 8;
    int slot = 0;
    for (int source = first; source < first + 8; ++source) {
      if (source == ch) continue;
      PowerButton(*this, group, platform::ComposedName("vrbShow", source) + suffix, QRect(slot++ * 49, 2, 47, 16),
                  ChannelCaption(source), source);
    }
  }
  BuildChannelPanel(*this, true);
  BuildChannelPanel(*this, false);
}
