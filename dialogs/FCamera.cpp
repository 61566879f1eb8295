#include "dialogs/FCamera.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxShapeButton.h"
#include "controls/wLed.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "platform/Format.h"

TfmCamera* fmCamera = nullptr;

namespace {

QString Text(const char* format, double v) { return QString::fromStdString(platform::FormatC(format, v)); }
QString Text(const char* format, int v) { return QString::fromStdString(platform::FormatC(format, v)); }

// A threshold position in half decibels; an attack or release step, one
// millisecond more.
QString ThresholdText(int position) { return Text(" %+5.1fdB", position * 0.5); }
QString TimeText(int position) { return Text("%3dms", position + 1); }

struct CameraFader {
  const char* role;
  int min, max;
  const char* key;
  QString (*text)(int position);
  int pageSize;
};
constexpr CameraFader kFaders[3] = {
    {"Threshold", -100, 0, "SID_COMP_THRESHOLD", ThresholdText, mainform::kPageThreshold},
    {"Attack", 0, 4999, "SID_COMP_ATTACK", TimeText, mainform::kPageAttack},
    {"Release", 0, 4999, "SID_COMP_RELEASE", TimeText, mainform::kPageRelease},
};

}  // namespace

TfmCamera::TfmCamera() {
  setObjectName(QStringLiteral("fmCamera"));
  setWindowTitle(QStringLiteral("Camera Setting"));
  setFixedSize(333, 299);
  dialogs::ApplyDialogLook(this);

  auto label = [this](QWidget* parent, const QString& name, const QRect& r, const QString& text) {
    auto* l = Create<QLabel>(parent, name);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    l->setText(text);
    return l;
  };

  auto* position = Create<TUxGroupBox>(this, "uxgCameraPos");
  dialogs::StyleGroupBox(position, QRect(8, 8, 317, 40));
  // The caption and the camera's input each stand on a plate.
  const QRect nameFace(8, 10, 140, 20), positionFace(160, 10, 140, 20);
  mainform::SetupPlate(Create<TUxShapeButton>(position, "uxsbNameCameraPos"), nameFace);
  mainform::SetupPlate(Create<TUxShapeButton>(position, "uxsbCameraPos"), positionFace);
  label(position, "lbNameCameraPos", nameFace, dialogs::DesignText("SID_CAMERA_POS"));
  QLabel* input = label(position, "lbCameraPos", positionFace, QStringLiteral("None"));
  QPalette lit = input->palette();
  lit.setColor(QPalette::WindowText, QColor(0, 255, 0));
  input->setPalette(lit);
  QFont bold = input->font();
  bold.setBold(true);
  input->setFont(bold);

  for (int i = 0; i < 3; ++i) {
    const CameraFader& f = kFaders[i];
    const QString role = QString::fromLatin1(f.role);
    auto* group = Create<TUxGroupBox>(this, "uxg" + role);
    dialogs::StyleGroupBox(group, QRect(8 + i * 72, 54, 68, 237));
    label(group, "lb" + role, QRect(2, 6, 64, 20), dialogs::DesignText(f.key));
    auto* fader = Create<TExTrackBar>(group, "is" + role);
    dialogs::SetupFader(fader, QRect(20, 30, mainform::kFaderWidth, 168), f.min, f.max, f.min, i, f.pageSize);
    auto* box = Create<TRoundEdit>(group, "cvd" + role);
    dialogs::SetupValueBox(box, QRect(2, 204, 64, 24), f.text(f.min));
  }
  using Change = void (TfmCamera::*)(QObject*);
  const std::pair<const char*, Change> faders[] = {{"isThreshold", &TfmCamera::isThresholdChange},
                                                   {"isAttack", &TfmCamera::isAttackChange},
                                                   {"isRelease", &TfmCamera::isReleaseChange}};
  for (auto [name, change] : faders)
    if (auto* f = FindControl<TExTrackBar>(QString::fromLatin1(name)))
      f->OnChange = [this, change = change](QObject* s) { (this->*change)(s); };

  auto* select = Create<TUxGroupBox>(this, "uxgSel");
  dialogs::StyleGroupBox(select, QRect(224, 54, 101, 237));
  label(select, "lbMatrix", QRect(2, 6, 97, 20), dialogs::DesignText("SID_CH_SELECT"));
  for (int ch = 0; ch < 8; ++ch) {
    const QString x(QChar('A' + ch));
    auto* button = Create<TUxBmpButton>(select, "uxb" + x + "Matrix");
    dialogs::SetButtonFaces(button, QRect(8, 30 + ch * 25, 60, 22));
    button->SetCaption(QStringLiteral("In%1").arg(ch + 1));
    button->SetTag(ch);
    button->SetGroupIndex(ch + 1);
    button->SetAllowAllUp(true);
    button->OnClick = [this](QObject* s) { uxbAMatrixClick(s); };
    auto* led = Create<TwLedRound>(select, "wledIn" + x);
    led->setGeometry(76, 35 + ch * 25, 12, 12);
    led->SetTransparent(true);
    led->SetTag(ch);
  }

  auto* fallback = Create<TUxGroupBox>(this, "uxgCameraDefault");
  dialogs::StyleGroupBox(fallback, QRect(8, 54, 212, 40));
  label(fallback, "lbNameCameraDefault", QRect(8, 10, 90, 20), dialogs::DesignText("SID_CAMERA_DEFAULT"));
  auto* camera = Create<TUxComboBox>(fallback, "uxcCameraDefault");
  camera->SetStyle(csDropDown);
  camera->SetColor(QColor(223, 255, 255));
  for (int ch = 0; ch < 8; ++ch) camera->Add(QStringLiteral("In") + QChar('A' + ch));
  camera->SetItemIndex(0);
  camera->setGeometry(104, 8, 96, 24);
  camera->OnChange = [this](QObject* s) { uxcCameraDefaultChange(s); };
  fallback->setVisible(false);
}

void TfmCamera::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CAMERA_TITLE"));
  const std::pair<const char*, const char*> captions[] = {
      {"lbNameCameraPos", "SID_CAMERA_POS"},   {"lbThreshold", "SID_COMP_THRESHOLD"},
      {"lbAttack", "SID_COMP_ATTACK"},         {"lbRelease", "SID_COMP_RELEASE"},
      {"lbMatrix", "SID_CH_SELECT"},           {"lbNameCameraDefault", "SID_CAMERA_DEFAULT"}};
  for (auto [name, key] : captions)
    if (auto* l = FindControl<QLabel>(QString::fromLatin1(name))) l->setText(fmMain->TranslateSid(key));
  for (int i = 0; i < 8; ++i) {
    auto* button = FindControl<TUxBmpButton>(QStringLiteral("uxb") + QChar('A' + i) + "Matrix");
    if (!button) break;
    button->SetDown(CameraState.WordB >> (16 + i) & 1);
    button->SetEnabled(EffectBusMask >> i & 1);
  }
}

void TfmCamera::isThresholdChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdThreshold");
  if (!fader || !box) return;
  box->SetText(ThresholdText(fader->Position()));
  if (Loading || !fmMain) return;
  CameraState.WordB = (CameraState.WordB & 0xFFFF0000u) | static_cast<std::uint16_t>(fader->Position() + 180);
  fmMain->SetCameraGate(CameraState.WordA, CameraState.WordB, CameraState.On);
}

void TfmCamera::isAttackChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdAttack");
  if (!fader || !box) return;
  box->SetText(TimeText(fader->Position()));
  if (Loading || !fmMain) return;
  CameraState.WordA = (CameraState.WordA & 0xFFFF0000u) | static_cast<std::uint16_t>(fader->Position());
  fmMain->SetCameraGate(CameraState.WordA, CameraState.WordB, CameraState.On);
}

void TfmCamera::isReleaseChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdRelease");
  if (!fader || !box) return;
  box->SetText(TimeText(fader->Position()));
  if (Loading || !fmMain) return;
  CameraState.WordA = (CameraState.WordA & 0xFFFFu) | static_cast<std::uint32_t>(fader->Position()) << 16;
  fmMain->SetCameraGate(CameraState.WordA, CameraState.WordB, CameraState.On);
}

void TfmCamera::uxbAMatrixClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || button->Tag() < 0 || button->Tag() > 7 || !fmMain) return;
  const std::uint32_t bit = 1u << (16 + button->Tag());
  CameraState.WordB = button->Down() ? CameraState.WordB | bit : CameraState.WordB & ~bit;
  fmMain->SetCameraGate(CameraState.WordA, CameraState.WordB, CameraState.On);
}

void TfmCamera::uxcCameraDefaultChange(QObject* Sender) {
  auto* combo = dynamic_cast<TUxComboBox*>(Sender);
  if (combo && fmMain) fmMain->SetCameraDefault(static_cast<std::uint8_t>(combo->ItemIndex() + 1));
}

void TfmCamera::ShowInputLed(int input, bool on) {
  if (input < 0 || input > 7) return;
  if (auto* led = FindControl<TwLed>(QStringLiteral("wledIn") + QChar('A' + input)))
    led->SetActive(on && (EffectBusMask >> input & 1));
}

void TfmCamera::ShowCameraPosition(int camera) {
  if (auto* label = FindControl<QLabel>("lbCameraPos"))
    label->setText(camera == 0 ? QStringLiteral("None") : Text("In%c", '0' + camera));
}
