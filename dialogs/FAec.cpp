#include "dialogs/FAec.h"

#include <QGroupBox>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include <QLabel>
#include <QLineEdit>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogLook.h"
#include "display/LProgressBar.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "platform/Format.h"

TfmAec* fmAec = nullptr;

namespace {

QString Text(const char* format, int v) { return QString::fromStdString(platform::FormatC(format, v)); }

// The texts of the four gains at a fader position.
QString InputText(int v) { return v >= 0 ? Text("+%d.0dB", v) : Text("-%d.0dB", -v); }
QString VcsInText(int v) {
  static constexpr int kFarEnd[10] = {-2, -1, 0, 2, 4, 6, 8, 10, 12, 14};
  const int db = kFarEnd[std::clamp(v + 2, 0, 9)];
  return v < 0 ? Text("-%d.0dB", -db) : Text("+%d.0dB", db);
}
QString VcsOutText(int v) { return v >= -3 ? Text("+%2d.0dB", 2 * (v + 3)) : Text("-%2d.0dB", -2 * (v + 3)); }
QString OutputText(int v) {
  return QString::fromStdString(platform::FormatC(v >= 0 ? "+%4.1fdB" : "-%4.1fdB", std::abs(v) * 0.5));
}

struct AecGain {
  const char* role;  // uxgAec<role>, lbAec<role>, isAecGain<role>, cvdAecGain<role>, pbAecLevel<role>
  int min, max, tag;
  const char* key;
  int x;
  QString (*text)(int position);
};

constexpr AecGain kGains[4] = {
    {"Input", -60, 0, 0, "SID_AEC_MIC_IN", 8, InputText},
    {"VcsIn", -2, 7, 2, "SID_AEC_VCS_IN", 122, VcsInText},
    {"VcsOut", -13, 1, 3, "SID_AEC_VCS_OUT", 236, VcsOutText},
    {"Output", -80, 0, 1, "SID_AEC_SPK_OUT", 122, OutputText},  // hidden, where the VCS input sits
};

}  // namespace

TfmAec::TfmAec() {
  setObjectName(QStringLiteral("fmAec"));
  setWindowTitle(QStringLiteral("Echo Cancellation Setting"));
  setFixedSize(495, 272);
  dialogs::ApplyDialogLook(this);

  for (const AecGain& g : kGains) {
    const QString role = QString::fromLatin1(g.role);
    auto* box = Create<TUxGroupBox>(this, "uxgAec" + role);
    dialogs::StyleGroupBox(box, QRect(g.x, 8, 110, 256));
    auto* label = Create<QLabel>(box, "lbAec" + role);
    label->setGeometry(4, 6, 102, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setText(dialogs::DesignText(g.key));
    dialogs::SetupFader(Create<TExTrackBar>(box, "isAecGain" + role), QRect(20, 30, mainform::kFaderWidth, 190), g.min, g.max, 0, g.tag,
                        mainform::kPageLevel);
    auto* level = Create<LProgressBar>(box, "pbAecLevel" + role);
    level->setGeometry(70, 34, 14, 180);
    level->SetMax(9);
    level->SetSecondNum(2);
    level->SetThirdNum(6);
    dialogs::SetupValueBox(Create<TRoundEdit>(box, "cvdAecGain" + role), QRect(4, 226, 102, 24), g.text(0));
    if (role == QLatin1String("Output")) box->setVisible(false);
  }
  using Handler = void (TfmAec::*)(QObject*);
  const std::pair<const char*, Handler> faders[] = {{"isAecGainInput", &TfmAec::isAecGainInputChange},
                                                    {"isAecGainVcsIn", &TfmAec::isAecGainVcsInChange},
                                                    {"isAecGainVcsOut", &TfmAec::isAecGainVcsOutChange},
                                                    {"isAecGainOutput", &TfmAec::isAecGainOutputChange}};
  for (auto [name, change] : faders)
    if (auto* f = FindControl<TExTrackBar>(QString::fromLatin1(name)))
      f->OnChange = [this, change = change](QObject* s) { (this->*change)(s); };

  auto* aec = Create<TUxGroupBox>(this, "uxgAec");
  dialogs::StyleGroupBox(aec, QRect(350, 8, 137, 256));
  auto* ns = Create<QLabel>(aec, "lbAecNs");
  ns->setGeometry(4, 6, 129, 20);
  ns->setAlignment(Qt::AlignCenter);
  ns->setText(dialogs::DesignText("SID_AEC_NS"));
  const char* levels[5] = {"OFF", "6 dB", "9 dB", "12 dB", "15 dB"};
  for (int i = 0; i < 5; ++i) {
    auto* b = Create<TUxBmpButton>(aec, QStringLiteral("uxbAecLevel%1").arg(i));
    dialogs::SetButtonFaces(b, QRect(18, 36 + i * 40, 100, 30));
    b->SetCaption(QString::fromLatin1(levels[i]));
    b->SetTag(i);
    b->SetGroupIndex(1);
    if (i == 0) b->SetDown(true);
    b->OnClick = [this](QObject* s) { uxbAecLevel0Click(s); };
  }

  for (const char* name : {"lbMic0Level", "lbLineInLevel", "lbSpkOutLevel", "lbLineOutLevel"}) {
    auto* meter = Create<QLabel>(this, QString::fromLatin1(name));
    meter->setGeometry(8, 250, 80, 16);
    meter->setVisible(false);
  }

  // Engineering panels: placed beyond the client width on purpose, so that
  // only a widened window shows them.
  auto edit = [this](QWidget* parent, const char* name, const QRect& r, int maxLength, const char* text) {
    auto* e = Create<QLineEdit>(parent, QString::fromLatin1(name));
    e->setGeometry(r);
    e->setMaxLength(maxLength);
    e->setText(QString::fromLatin1(text));
  };
  auto push = [this](QWidget* parent, const char* name, const QRect& r, const char* caption) {
    auto* b = Create<TUxButton>(parent, QString::fromLatin1(name));
    b->setGeometry(r);
    b->SetCaption(QString::fromLatin1(caption));
    return b;
  };
  auto* test = Create<QGroupBox>(this, "gbAecTest");
  test->setGeometry(511, 8, 190, 256);
  test->setTitle(QStringLiteral(" AEC Test "));
  edit(test, "edAddress", QRect(10, 24, 80, 24), 4, "2300");
  edit(test, "edData", QRect(100, 24, 80, 24), 4, "0010");
  push(test, "bnWrite", QRect(10, 56, 80, 25), "Write")->OnClick = [this](QObject* s) { bnWriteClick(s); };
  push(test, "bnRead", QRect(100, 56, 80, 25), "Read")->OnClick = [this](QObject* s) { bnReadClick(s); };
  Create<QLabel>(test, "lbReadData")->setGeometry(10, 90, 170, 20);
  auto* bypass = Create<TUxBmpButton>(test, "uxbAecBypass");
  dialogs::SetButtonFaces(bypass, QRect(10, 124, 80, 28));
  bypass->SetCaption(dialogs::DesignText("SID_OFF"));
  bypass->SetGroupIndex(1);
  bypass->SetAllowAllUp(true);
  bypass->OnClick = [this](QObject* s) { uxbAecBypassClick(s); };
  auto* process = Create<QLabel>(test, "lbAecProcess");
  process->setGeometry(100, 128, 80, 20);
  process->setText(dialogs::DesignText("SID_AEC_BYPASS"));

  auto* codec = Create<QGroupBox>(this, "gbCodecTest");
  codec->setGeometry(711, 8, 190, 256);
  codec->setTitle(QStringLiteral(" codec Test "));
  edit(codec, "edCsAddress", QRect(10, 24, 80, 24), 2, "00");
  edit(codec, "edCsData", QRect(100, 24, 80, 24), 2, "00");
  push(codec, "bnCsWrite", QRect(10, 56, 80, 25), "Write")->OnClick = [this](QObject* s) { bnCsWriteClick(s); };
  push(codec, "bnCsRead", QRect(100, 56, 80, 25), "Read")->OnClick = [this](QObject* s) { bnCsReadClick(s); };
  Create<QLabel>(codec, "lbCsReadData")->setGeometry(10, 90, 170, 20);
}

void TfmAec::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_AEC_TITLE"));
  for (const AecGain& g : kGains)
    if (auto* l = FindControl<QLabel>(QStringLiteral("lbAec") + g.role)) l->setText(fmMain->TranslateSid(g.key));
  if (auto* l = FindControl<QLabel>("lbAecNs")) l->setText(fmMain->TranslateSid("SID_AEC_NS"));
  if (auto* l = FindControl<QLabel>("lbAecProcess")) l->setText(fmMain->TranslateSid("SID_AEC_BYPASS"));
  if (auto* b = FindControl<TUxBmpButton>("uxbAecBypass")) b->SetCaption(fmMain->TranslateSid(Bypass ? "SID_ON" : "SID_OFF"));
}

namespace {

// Writes a fader's text into its box; false when either is missing.
bool ShowText(platform::Form& form, QObject* sender, const char* box, const std::function<QString(int)>& text,
              int* position) {
  auto* fader = dynamic_cast<TExTrackBar*>(sender);
  auto* edit = form.FindControl<TRoundEdit>(QString::fromLatin1(box));
  if (!fader || !edit) return false;
  *position = fader->Position();
  edit->SetText(text(*position));
  return true;
}

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> HexFieldBytes(const QString& text, int count) {
  if (text.size() < 2 * count) return std::nullopt;
  std::vector<int> digits;
  for (QChar c : text) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    digits.push_back(d);
  }
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < count; ++i)
    bytes.push_back(static_cast<std::uint8_t>(digits[2 * static_cast<std::size_t>(i)] << 4 |
                                              digits[2 * static_cast<std::size_t>(i) + 1]));
  return bytes;
}

void TfmAec::isAecGainInputChange(QObject* Sender) {
  int p;
  if (!ShowText(*this, Sender, "cvdAecGainInput", InputText, &p)) return;
  if (!Loading && fmMain) fmMain->SetAec(platform::Tag(Sender), static_cast<std::uint8_t>(-p));
}

void TfmAec::isAecGainVcsInChange(QObject* Sender) {
  int p;
  if (!ShowText(*this, Sender, "cvdAecGainVcsIn", VcsInText, &p)) return;
  if (!Loading && fmMain) fmMain->SetAec(platform::Tag(Sender), static_cast<std::uint8_t>(p + 2));
}

void TfmAec::isAecGainVcsOutChange(QObject* Sender) {
  int p;
  if (!ShowText(*this, Sender, "cvdAecGainVcsOut", VcsOutText, &p)) return;
  if (!Loading && fmMain) fmMain->SetAec(platform::Tag(Sender), static_cast<std::uint8_t>(1 - p));
}

void TfmAec::isAecGainOutputChange(QObject* Sender) {
  int p;
  if (!ShowText(*this, Sender, "cvdAecGainOutput", OutputText, &p)) return;
  if (!Loading && fmMain)
    fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x5C, static_cast<std::uint8_t>(platform::Tag(Sender)),
                                   static_cast<std::uint8_t>(-p)),
                        false);
}

void TfmAec::uxbAecLevel0Click(QObject* Sender) {
  if (fmMain) fmMain->SetAec(4, static_cast<std::uint8_t>(platform::Tag(Sender)));
}

void TfmAec::uxbAecBypassClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !fmMain) return;
  button->SetCaption(fmMain->TranslateSid(button->Down() ? "SID_ON" : "SID_OFF"));
  Bypass = button->Down() ? 1 : 0;
  fmMain->SetAec(6, Bypass);
}

namespace {

std::optional<std::vector<std::uint8_t>> FieldBytes(const platform::Form& form, const char* name, int count) {
  auto* edit = form.FindControl<QLineEdit>(QString::fromLatin1(name));
  if (!edit) return std::nullopt;
  return HexFieldBytes(edit->text(), count);
}

}  // namespace

void TfmAec::bnWriteClick(QObject*) {
  const auto address = FieldBytes(*this, "edAddress", 2);
  const auto data = FieldBytes(*this, "edData", 2);
  if (!address || !data || !fmMain) return;
  fmMain->SendCommand(
      CM_MCS_CMD(fmMain->GetDeviceId(), 0x5E, (*address)[1], (*address)[0], (*data)[1], (*data)[0]), false);
}

void TfmAec::bnReadClick(QObject*) {
  const auto address = FieldBytes(*this, "edAddress", 2);
  if (!address || !fmMain) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x5F, (*address)[1], (*address)[0]), false);
}

void TfmAec::bnCsWriteClick(QObject*) {
  const auto address = FieldBytes(*this, "edCsAddress", 1);
  const auto data = FieldBytes(*this, "edCsData", 1);
  if (!address || !data || !fmMain) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x54, 0, (*address)[0], (*data)[0]), false);
}

void TfmAec::bnCsReadClick(QObject*) {
  const auto address = FieldBytes(*this, "edCsAddress", 1);
  if (!address || !fmMain) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x54, 1, (*address)[0]), false);
}

void TfmAec::ShowRegister(unsigned value) {
  if (auto* label = FindControl<QLabel>("lbReadData")) label->setText(Text("%04x", static_cast<int>(value & 0xFFFF)));
}

void TfmAec::ShowCodecRegister(unsigned value) {
  if (auto* label = FindControl<QLabel>("lbCsReadData")) label->setText(Text("%02x", static_cast<int>(value & 0xFF)));
}

void TfmAec::ShowLevel(const char* label, const char* bar, int level, int position) {
  const QString text = Text("%4d dB", level);
  if (auto* l = FindControl<QLabel>(QString::fromLatin1(label))) l->setText(text);
  if (auto* b = FindControl<LProgressBar>(QString::fromLatin1(bar))) {
    b->setToolTip(text);
    b->SetPosition(position);
  }
}

bool TfmAec::ResetLevels() {
  for (const char* name : {"pbAecLevelInput", "pbAecLevelOutput", "pbAecLevelVcsIn", "pbAecLevelVcsOut"}) {
    auto* bar = FindControl<LProgressBar>(QString::fromLatin1(name));
    if (!bar) return false;
    bar->SetPosition(0);
  }
  return true;
}
