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
  const char* text;
};

constexpr RvbFader kFaders[9] = {
    {"EchoGain", 0, 100, "SID_ECHO", "  0"},          {"EchoRepeat", 1, 100, "SID_ECHO_REPEAT", "   0"},
    {"EchoDelay", 2, 400, "SID_ECHO_DELAY", "   0ms"}, {"EchoPreDelay", 3, 250, "SID_ECHO_PREDLY", "   0ms"},
    {"RvbGain", 0, 100, "SID_RVB", " 0"},             {"RvbReflect", 1, 100, "SID_RVB_REFLECT", " 0"},
    {"RvbTime", 2, 199, "SID_RVB_TIME", "0.1s"},      {"RvbPreDelay", 3, 250, "SID_RVB_PREDLY", "   0ms"},
    {"EffectVol", 3, 100, "SID_EFF_VOL", "0"},
};

}  // namespace

TfmRvb::TfmRvb() {
  setObjectName(QStringLiteral("fmRvb"));
  setWindowTitle(QStringLiteral("Effect Setting"));
  setFixedSize(400, 298);
  dialogs::ApplyDialogLook(this);
  for (int i = 0; i < 9; ++i) {
    const RvbFader& f = kFaders[i];
    const QString role = QString::fromLatin1(f.role);
    const int x = 6 + i * 43 + (i >= 4 ? 4 : 0) + (i >= 8 ? 4 : 0);
    auto* label = Create<QLabel>(this, "lb" + role);
    label->setGeometry(x - 2, 8, 44, 32);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setText(dialogs::DesignText(f.key));
    auto* fader = Create<TExTrackBar>(this, "is" + role);
    dialogs::SetupFader(fader, QRect(x + 2, 44, 36, 206), 0, f.max, 0, f.tag, mainform::kPageLevel);
    auto* box = Create<TRoundEdit>(this, "cvd" + role);
    dialogs::SetupValueBox(box, QRect(x - 1, 258, 42, 24), QString::fromLatin1(f.text));
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
  static const char* const boxes[4] = {"cvdEchoGain", "cvdEchoRepeat", "cvdEchoDelay", "cvdEchoPreDelay"};
  static const char* const formats[4] = {"%3d", "%4d", "%4dms", "%4dms"};
  static constexpr Half halves[4] = {{1, true}, {1, false}, {0, true}, {0, false}};
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int t = fader->Tag();
  if (t < 0 || t > 3) return;
  auto* box = FindControl<TRoundEdit>(QString::fromLatin1(boxes[t]));
  if (!box) return;
  SetHalf(EchoWords, halves[t], fader->Position());
  box->SetText(QString::fromStdString(platform::FormatC(formats[t], fader->Position())));
  if (Loading || !fmMain) return;
  fmMain->StoreEcho(EchoWords[0], EchoWords[1]);
  fmMain->SendCommand(CM_MCS_ECHO(fmMain->GetDeviceId(), EchoWords[0], EchoWords[1]), false);
}

void TfmRvb::isRvbGainChange(QObject* Sender) {
  static const char* const boxes[4] = {"cvdRvbGain", "cvdRvbReflect", "cvdRvbTime", "cvdRvbPreDelay"};
  static constexpr Half halves[4] = {{1, true}, {0, true}, {1, false}, {0, false}};
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int t = fader->Tag();
  if (t < 0 || t > 3) return;
  auto* box = FindControl<TRoundEdit>(QString::fromLatin1(boxes[t]));
  if (!box) return;
  const int p = fader->Position();
  SetHalf(ReverbWords, halves[t], p);
  box->SetText(t == 2 ? ReverbTimeText(p)
                      : QString::fromStdString(platform::FormatC(t == 3 ? "%4dms" : "%2d", p)));
  if (Loading || !fmMain) return;
  fmMain->StoreReverb(ReverbWords[0], ReverbWords[1]);
  fmMain->SendCommand(CM_MCS_RVB(fmMain->GetDeviceId(), ReverbWords[0], ReverbWords[1]), false);
}

void TfmRvb::isEffectVolChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdEffectVol");
  if (!fader || !box) return;
  box->SetText(QString::number(fader->Position()));
  if (!Loading && fmMain) fmMain->SetEffectVolume(static_cast<std::uint8_t>(fader->Position()));
}

void TfmRvb::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_EFFECT_TITLE"));
  for (const RvbFader& f : kFaders)
    if (auto* label = FindControl<QLabel>(QStringLiteral("lb") + f.role)) label->setText(fmMain->TranslateSid(f.key));
}
