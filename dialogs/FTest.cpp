#include "dialogs/FTest.h"

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"

TfmTest* fmTest = nullptr;

namespace {
const char* const kSineFrequencies[TfmTest::kFrequencyCount] = {
    "20Hz",   "25Hz",   "31.5Hz", "40Hz",   "50Hz",    "63Hz",   "80Hz",  "100Hz",  "125Hz", "160Hz", "200Hz",
    "250Hz",  "315Hz",  "400Hz",  "500Hz",  "630Hz",   "800Hz",  "1KHz",  "1.25KHz", "1.6KHz", "2KHz",  "2.5KHz",
    "3.15KHz", "4KHz",  "5KHz",   "6.3KHz", "8KHz",    "10KHz",  "12.5KHz", "16KHz", "20KHz"};
}  // namespace

TfmTest::TfmTest() {
  setObjectName(QStringLiteral("fmTest"));
  setWindowTitle(QStringLiteral("Input Signal Select"));
  setFixedSize(300, 200);
  dialogs::ApplyDialogLook(this);
  auto radio = [this](const char* name, int tag, int y, const char* caption) {
    auto* r = Create<QRadioButton>(this, QString::fromLatin1(name));
    r->setGeometry(24, y, 140, 22);
    r->setText(QString::fromLatin1(caption));
    platform::SetTag(r, tag);
    connect(r, &QRadioButton::clicked, this, [this, r] { rbAnalogInClick(r); });
    return r;
  };
  rbAnalogIn = radio("rbAnalogIn", 0, 18, "Analog Input");
  rbPinkNoise = radio("rbPinkNoise", 1, 48, "Pink Noise");
  rbWhiteNoise = radio("rbWhiteNoise", 2, 78, "White Noise");
  rbSineWave = radio("rbSineWave", 3, 108, "Sine Wave");
  rbAnalogIn->setChecked(true);
  cbSineFreq = Create<TUxComboBox>(this, "cbSineFreq");
  cbSineFreq->SetStyle(csDropDownList);
  for (const char* item : kSineFrequencies) cbSineFreq->Add(QString::fromLatin1(item));
  cbSineFreq->SetItemIndex(0);
  cbSineFreq->setGeometry(170, 108, 100, 22);
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(105, 152, 90, 30));
  cbSineFreq->OnChange = [this](QObject* s) { cbSineFreqSelect(s); };
  bnExit->OnClick = [this](QObject* s) { bnExitClick(s); };
}

void TfmTest::rbAnalogInClick(QObject* Sender) {
  if (!fmMain || fmMain->IsUpdating()) return;
  auto* button = qobject_cast<QRadioButton*>(Sender);
  if (!button) return;
  fmMain->SendCommand(CM_MCS_WORK_MODE(fmMain->GetDeviceId(), static_cast<std::uint8_t>(platform::Tag(button)),
                                       static_cast<std::uint8_t>(cbSineFreq->ItemIndex())),
                      true, true);
}

void TfmTest::cbSineFreqSelect(QObject*) {
  if (!fmMain || fmMain->IsUpdating()) return;
  // Selecting a radio button from the program fires no click: run it here.
  if (!rbSineWave->isChecked()) {
    rbSineWave->setChecked(true);
    rbAnalogInClick(rbSineWave);
  }
  fmMain->SendCommand(
      CM_MCS_WORK_MODE(fmMain->GetDeviceId(), 3, static_cast<std::uint8_t>(cbSineFreq->ItemIndex())), true, true);
}

void TfmTest::bnExitClick(QObject*) { close(); }

void TfmTest::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_TEST_TITLE"));
  rbAnalogIn->setText(fmMain->TranslateSid("SID_ANALOG_IN"));
  rbPinkNoise->setText(fmMain->TranslateSid("SID_PINK_IN"));
  rbWhiteNoise->setText(fmMain->TranslateSid("SID_WHITE_IN"));
  rbSineWave->setText(fmMain->TranslateSid("SID_SINE_IN"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}
