#include "dialogs/FRvb.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "platform/Format.h"

TfmRvb* fmRvb = nullptr;

namespace {

struct RvbFader {
  const char* role;  // isEcho.. / cvd.. / lb.. share it
  int tag, max;
  const char* key;
  const char* format;  // of the position; none: the reverb time text
};

// The echo faders by Tag, the reverb faders by Tag, then the effect volume.
constexpr RvbFader kFaders[9] = {
    {"EchoGain", 0, 100, "SID_ECHO", "%3d"},          {"EchoRepeat", 1, 100, "SID_ECHO_REPEAT", "%4d"},
    {"EchoDelay", 2, 400, "SID_ECHO_DELAY", "%4dms"}, {"EchoPreDelay", 3, 250, "SID_ECHO_PREDLY", "%4dms"},
    {"RvbGain", 0, 100, "SID_RVB", "%2d"},            {"RvbReflect", 1, 100, "SID_RVB_REFLECT", "%2d"},
    {"RvbTime", 2, 199, "SID_RVB_TIME", nullptr},     {"RvbPreDelay", 3, 250, "SID_RVB_PREDLY", "%4dms"},
    {"EffectVol", 3, 100, "SID_EFF_VOL", "%d"},
};

QString FaderText(const RvbFader& f, int position) {
  return f.format ? QString::fromStdString(platform::FormatC(f.format, position)) : ReverbTimeText(position);
}

}  // namespace

TfmRvb::TfmRvb() {
  setObjectName(QStringLiteral("fmRvb"));
  setWindowTitle(QStringLiteral("Effect Setting"));
  setFixedSize(400, 298);
  dialogs::ApplyDialogLook(this);
  // Nine columns 41 pixels apart, the echo, reverb and volume groups 4
  // apart. A caption or value box is wider than a column ("PreDelay",
  // " 400ms"), so neighbours take turns: the even columns' captions on the
  // top row and boxes on the bottom row, the odd columns' the other way.
  for (int i = 0; i < 9; ++i) {
    const RvbFader& f = kFaders[i];
    const QString role = QString::fromLatin1(f.role);
    const int centre = 32 + i * 41 + (i >= 4 ? 4 : 0) + (i >= 8 ? 4 : 0);
    const bool even = i % 2 == 0;
    auto* label = Create<QLabel>(this, "lb" + role);
    label->setGeometry(centre - 39, even ? 4 : 22, 78, 18);
    label->setAlignment(Qt::AlignCenter);
    label->setText(dialogs::DesignText(f.key));
    auto* fader = Create<TExTrackBar>(this, "is" + role);
    dialogs::SetupFader(fader, QRect(centre - mainform::kFaderWidth / 2, 42, mainform::kFaderWidth, 198), 0, f.max, 0, f.tag, mainform::kPageLevel);
    auto* box = Create<TRoundEdit>(this, "cvd" + role);
    dialogs::SetupValueBox(box, QRect(centre - 31, even ? 270 : 244, 62, 24), FaderText(f, 0));
    if (auto* t = FindControl<TExTrackBar>("is" + role))
      t->OnChange = i < 4 ? std::function<void(QObject*)>([this](QObject* s) { isEchoGainChange(s); })
                  : i < 8 ? std::function<void(QObject*)>([this](QObject* s) { isRvbGainChange(s); })
                          : std::function<void(QObject*)>([this](QObject* s) { isEffectVolChange(s); });
  }
}

QString ReverbTimeText(int step) {
  const int b = step + 1;
  const float t = static_cast<float>(b * b) * 0.1f;
  if (t < 1.0f) return QString::fromStdString(platform::FormatC("0.%dms", b * b));
  if (t < 1000.0f) return QString::fromStdString(platform::FormatC("%dms", static_cast<int>(t)));
  return QString::fromStdString(platform::FormatC("%1.2fs", static_cast<double>(t * 0.001f)));
}

namespace {

// The half of word 0 or word 1 a Tag edits: low (bits 0-15) or high.
struct Half {
  int word;
  bool high;
};

void SetHalf(std::array<std::uint32_t, 2>& words, Half h, int value) {
  std::uint32_t& w = words[static_cast<std::size_t>(h.word)];
  const std::uint32_t v = static_cast<std::uint16_t>(value);
  w = h.high ? (w & 0xFFFFu) | v << 16 : (w & 0xFFFF0000u) | v;
}

}  // namespace

void TfmRvb::isEchoGainChange(QObject* Sender) {
  static constexpr Half halves[4] = {{1, true}, {1, false}, {0, true}, {0, false}};
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int t = fader->Tag();
  if (t < 0 || t > 3) return;
  auto* box = FindControl<TRoundEdit>(QStringLiteral("cvd") + kFaders[t].role);
  if (!box) return;
  SetHalf(EchoWords, halves[t], fader->Position());
  box->SetText(FaderText(kFaders[t], fader->Position()));
  if (Loading || !fmMain) return;
  fmMain->StoreEcho(EchoWords[0], EchoWords[1]);
  fmMain->SendCommand(CM_MCS_ECHO(fmMain->GetDeviceId(), EchoWords[0], EchoWords[1]), false);
}

void TfmRvb::isRvbGainChange(QObject* Sender) {
  static constexpr Half halves[4] = {{1, true}, {0, true}, {1, false}, {0, false}};
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int t = fader->Tag();
  if (t < 0 || t > 3) return;
  const RvbFader& f = kFaders[4 + t];
  auto* box = FindControl<TRoundEdit>(QStringLiteral("cvd") + f.role);
  if (!box) return;
  const int p = fader->Position();
  SetHalf(ReverbWords, halves[t], p);
  box->SetText(FaderText(f, p));
  if (Loading || !fmMain) return;
  fmMain->StoreReverb(ReverbWords[0], ReverbWords[1]);
  fmMain->SendCommand(CM_MCS_RVB(fmMain->GetDeviceId(), ReverbWords[0], ReverbWords[1]), false);
}

void TfmRvb::isEffectVolChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdEffectVol");
  if (!fader || !box) return;
  box->SetText(FaderText(kFaders[8], fader->Position()));
  if (!Loading && fmMain) fmMain->SetEffectVolume(static_cast<std::uint8_t>(fader->Position()));
}

void TfmRvb::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_EFFECT_TITLE"));
  for (const RvbFader& f : kFaders)
    if (auto* label = FindControl<QLabel>(QStringLiteral("lb") + f.role)) label->setText(fmMain->TranslateSid(f.key));
}
