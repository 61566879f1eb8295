// Services of the pages that start-up, the dialogs and the transfers use.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

void TfmMain::DrawTransferCurveStartPoints() {
  struct Points {
    const char* plot;
    int channel;
    std::vector<std::pair<double, double>> xy;
  };
  const Points table[] = {
      {"wpComp", 0, {{20, 20}, {-10, -10}, {-100, -100}}},
      {"wpComp", 1, {{19.8, 20.4}}},
      {"wpGate", 0, {{20, 20}, {-90, -90}, {-90, -100}}},
      {"wpGate", 1, {{-89.8, -90.4}}},
      {"wpAgc", 0, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}},
      {"wpAgc", 1, {{0.2, -0.4}}},
      {"wpAgc", 2, {{0.2, -0.4}}},
  };
  for (const Points& p : table) {
    auto* plot = FindControl<TwXYPlot>(QString::fromLatin1(p.plot));
    TwXYPlotChannel* channel = plot ? plot->GetChannel(p.channel) : nullptr;
    if (!channel) continue;
    for (auto [x, y] : p.xy) channel->AddXY(x, y);
  }
}

void TfmMain::CopyTemplatePictures() {
  // Button bitmaps: Down, Hot and StayDown; "all four" adds Disabled.
  auto copyButton = [this](const QString& to, const QString& from, bool allFour) {
    auto* target = FindControl<TUxBmpButton>(to);
    auto* source = FindControl<TUxBmpButton>(from);
    if (!target || !source) return false;
    TUxButtonBitmaps* t = target->Bitmaps();
    const TUxButtonBitmaps* s = source->Bitmaps();
    t->SetDown(s->Down());
    t->SetHot(s->Hot());
    t->SetStayDown(s->StayDown());
    if (allFour) t->SetDisabled(s->Disabled());
    return true;
  };
  // Thumb pictures: PictureDown and PictureHot; "three" adds PictureDisabled.
  auto copyThumb = [this](const QString& to, const QString& from, bool three) {
    auto* target = FindControl<TExTrackBar>(to);
    auto* source = FindControl<TExTrackBar>(from);
    if (!target || !source) return false;
    TTrackBarThumb* t = target->Thumb();
    TTrackBarThumb* s = source->Thumb();
    t->SetPictureDown(s->PictureDown());
    t->SetPictureHot(s->PictureHot());
    if (three) t->SetPictureDisabled(s->PictureDisabled());
    return true;
  };

  for (int ch = 1; ch < 8; ++ch) {
    const QString x = platform::ChannelSuffix(ch);
    for (const char* role : {"uxbPhaseBackupIn", "uxbMuteBackupIn", "uxbLineBackupIn", "uxbPhantomBackupIn"})
      if (!copyButton(role + x, QString::fromLatin1(role) + "A", false)) return;
    for (const char* role : {"isGainBackupIn", "isDelayIn"})
      if (!copyThumb(role + x, QString::fromLatin1(role) + "A", false)) return;
    if (!copyButton("uxbMenuIn" + x, "uxbMenuInA", true)) return;
  }
  if (!copyButton("uxbMenuEff", "uxbMenuInA", true)) return;
  for (int n = 2; n <= 8; ++n) {
    const QString d = QString::number(n);
    for (const char* role : {"uxbPhaseBackupOut", "uxbMuteBackupOut"})
      if (!copyButton(role + d, QString::fromLatin1(role) + "1", false)) return;
    for (const char* role : {"isGainBackupOut", "isDelayOut"})
      if (!copyThumb(role + d, QString::fromLatin1(role) + "1", false)) return;
    if (n <= 7 && !copyButton("uxbMenuOut" + d, "uxbMenuInA", true)) return;
  }
  for (int k = 0; k < 8; ++k) {
    const QString n = QString::number(k + 1);
    const QString l = platform::ChannelSuffix(k);
    for (const char* role : {"isCompThresholdOut", "isCompRatioOut", "isCompAttackOut", "isCompReleaseOut"})
      if (!copyThumb(role + n, "isBlue", true)) return;
    for (const char* role : {"isGateThresholdIn", "isGateAttackIn", "isGateReleaseIn", "isAgcThresholdIn",
                             "isAgcAttackIn", "isAgcReleaseIn"})
      if (!copyThumb(role + l, "isBlue", true)) return;
  }
}

QString TfmMain::PlotName(int index) {
  if (index >= 0 && index < 16) return platform::ComposedName(index < 8 ? "fftDrawIn" : "fftDrawOut", index);
  if (index == 16) return QStringLiteral("fftDrawGainIn");
  if (index == 17) return QStringLiteral("fftDrawGainOut");
  if (index == 18) return QStringLiteral("fftDrawEff");
  return {};
}

display::LMyFFTDrawHpLp6dB* TfmMain::PlotWidget(int index) const {
  return FindControl<display::LMyFFTDrawHpLp6dB>(PlotName(index));
}

display::ResponsePlotModel* TfmMain::PlotModel(int index) const {
  display::LMyFFTDrawHpLp6dB* widget = PlotWidget(index);
  return widget ? &widget->Model() : nullptr;
}

