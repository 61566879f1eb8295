#include <QLabel>
#include <QTcpServer>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include "controls/ExImage.h"
#include "controls/ExProgressBar.h"
#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "mainwindow/LanguageTables.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Network.h"
#include "platform/Timer.h"
#include "plot/wXYPlot.h"
#include "support/FormCreator.h"
#include "support/LoopbackNetwork.h"
#include "support/UiFixture.h"

namespace {

struct WindowCase {
  const char* name;
  const char* designCaption;
  const char* shownCaption;  // a text id, or a fixed caption when it has no "SID_"
  std::vector<const char*> controls;
};

// Every window of start-up in creation order, with the controls its form
// names (families are checked separately below).
const std::vector<WindowCase>& Windows() {
  static const std::vector<WindowCase> windows = {
      {"fmMain", "VELMORA QRV-512 DSP Processor Editor V1.1", nullptr, {}},
      {"fmHidData", "Hid Data", "Hid Data", {"hbHidData", "bnClear"}},
      {"fmPeqRst", "Informaion", "SID_PEQRST", {"lbReset", "btnOK", "btnCancel", "Image1"}},
      {"fmAbout", "About", "SID_ABOUT", {"ProductName", "Version", "btnOK"}},
      {"fmRs232Code", "232通讯协议控制代码", "SID_RS232_CODE", {"RTFLabel", "ExImage1", "ExImage31"}},
      {"fmRs232CodeEnglish", "RS232 Protocal Code", "SID_RS232_CODE", {"RTFLabel", "ExImage1", "ExImage31"}},
      {"fmLockPassWord", "UnLock Setting", "SID_UNLOCK_TITLE",
       {"edName", "lblLockPassword", "btnOK", "bnCancel", "tmCheck", "tmCmd"}},
      {"fmLockSetup", "Lock Setting", "SID_LOCK_TITLE", {"edName", "lblLockPassword", "btnOK", "btnExit", "tmClose"}},
      {"fmNetwork", "Connect", "SID_CONNECT",
       {"imBase", "pbScan", "lblScan", "lblDeviceID", "cbCOM", "btnOK", "btnId", "btnExit", "tmRunUsbConnect",
        "tmRunNetConnect", "tmRunComConnect", "tmWatchDog", "tmConnect", "tmLinkBroken"}},
      {"fmProcess", "Process", "SID_PROCESS", {"ProgressBar", "StatusBar"}},
      {"fmInformation", "Information", "SID_INFO_TITLE", {"lbMessage", "btnOK"}},
      {"fmExit", "Informaion", "SID_INFO_TITLE", {"lbExit", "btnOK", "btnCancel", "Image1"}},
      {"fmMemo", "Message List", "Message List", {"Memo", "bnClearMemo"}},
      {"fmRecallPreset", "Recall Preset", "SID_RECALL_PRESET", {"lPresetSelect", "vledPresetName", "bnCancel"}},
      {"fmChannelName", "Channel Name", "SID_CH_NAME", {"lbChannel", "edName", "lbChannelName", "btnOK", "bnCancel"}},
      {"fmStorePreset", "Store Preset", "SID_SAVE_PRESET", {"lPresetSelect", "vledPresetName", "bnCancel"}},
      {"fmFactory", "Informaion", "SID_INFO_TITLE", {"lbMessage", "btnOK", "bnCancel", "Image1"}},
      {"fmIdSelect", "ID Number Select", "SID_SET_ID_TITLE",
       {"imBase", "gnIdNumer", "lbMessage", "edId", "bnSet", "bnExit"}},
      {"fmTest", "Input Signal Select", "SID_TEST_TITLE",
       {"rbAnalogIn", "rbPinkNoise", "rbWhiteNoise", "rbSineWave", "cbSineFreq", "bnExit"}},
      {"fmLinkSel", "Link Selection", "SID_LINK_TITLE", {"uxgLinkSelInA", "uxgLinkSelOut8", "bnSet", "bnExit"}},
      {"fmChNameList", "Channel Name", "SID_CH_NAME_LIST",
       {"edMatrixChNameInA", "edMatrixChNameInH", "edMatrixChNameOut1", "edMatrixChNameOut8", "edMatrixChNameEff",
        "btnOK", "btnCancel"}},
      {"fmStoreName", "Name", "SID_PST_NAME", {"lTitle", "edName", "lblPresetName", "btnOK", "bnCancel"}},
      {"fmNetworkSetup", "Setting ID/IP", "SID_SET_NETWORK",
       {"Image1", "gbIdSetting", "lbMessage", "edId", "gbIpSetting", "edIp1", "edIp2", "edIp3", "edIp4", "Label1",
        "Label2", "Label3", "rbManualSetting", "rbAutoSetting", "bnSet", "bnExit"}},
      {"fmCopy", "Channel Copy", "SID_COPY_TITLE",
       {"cbInSource", "cbInDestination", "bnInChCopy", "cbOutSource", "cbOutDestination", "bnOutChCopy", "bnExit"}},
      {"fmPhantomPotent", "Phantom and  Potentiometer Control", "Phantom and  Potentiometer Control",
       {"uxgGainInA", "lbGainInA", "isGainInA", "cvdGainInA", "uxbGainPhantomInA", "uxbGainPhantomInH"}},
      {"fmRvb", "Effect Setting", "SID_EFFECT_TITLE",
       {"isEchoGain", "cvdEchoGain", "lbEchoGain", "isEchoRepeat", "isEchoDelay", "isEchoPreDelay", "isRvbGain",
        "isRvbReflect", "isRvbTime", "isRvbPreDelay", "isEffectVol", "cvdEffectVol", "lbEffectVol"}},
      {"fmCamera", "Camera Setting", "SID_CAMERA_TITLE",
       {"uxgCameraPos", "lbNameCameraPos", "lbCameraPos", "uxgThreshold", "isThreshold", "cvdThreshold", "uxgAttack",
        "isAttack", "uxgRelease", "isRelease", "uxgSel", "lbMatrix", "uxbAMatrix", "uxbHMatrix", "wledInA",
        "wledInH", "uxgCameraDefault", "uxcCameraDefault"}},
      {"fmComp", "Compressor Setting", "SID_COMP_TITLE",
       {"isThreshold", "isAttack", "isRelease", "isRatio", "cvdRatio", "lbRatio", "wlrCompLed", "lbCompLed",
        "wpComp"}},
      {"fmAutoMix", "AutoMix Setting", "SID_AUTOMIX_TITLE",
       {"uxgShareIn01", "slShareAutoIn01", "kbShareWeightIn08", "lbGainIn08", "pbLevelIn08", "isGainAux",
        "cvdGainAux", "lbGainNameAux", "uxgShareRatio", "isShareRatio", "uxbShareAuto", "uxgShareTime",
        "isShareTime", "cvdShareTime", "lbShareTime"}},
      {"fmRs232Cmd", "232通讯协议代码", "232通讯协议代码",
       {"imLinkSelIn", "gbCommand", "cbType", "cbId", "gbParameter", "cb1FactoryUserSel", "cb2Volume", "cb3LevelSel",
        "gbMatrix", "ckb2In1", "ckb2In8", "lbRemoteCtrl", "edRemoteCtrl"}},
      {"fmRs232CmdEnglish", "RS232 Remote Control Code", "RS232 Remote Control Code",
       {"imLinkSelIn", "gbCommand", "cbType", "cbId", "gbParameter", "cb1FactoryUserSel", "cb2Volume", "cb3LevelSel",
        "gbMatrix", "ckb2In1", "ckb2In8", "lbRemoteCtrl", "edRemoteCtrl"}},
      {"fmSubCtrl", "Sub Control Setting", "SID_SUB_CTRL_TITLE",
       {"lbInSubCtrl", "lbOutSubCtrl", "uxbInSubCtrlSelA", "uxbOutSubCtrlSelH", "isInSubCtrlVol", "cvdOutSubCtrlVol",
        "uxbInSubCtrlMute", "uxbOutSubCtrlMute"}},
      {"fmGroupCtrl", "Group Control Setting", "SID_GROUP_CTRL_TITLE",
       {"lbGroupCtrlIn", "lbGroupCtrlOut", "uxgGroupCtrlInA", "uxgGroupCtrlOut4", "uxbGroupCtrlSelAInA",
        "uxbGroupCtrlSel8Out4", "isGroupCtrlVolInD", "cvdGroupCtrlVolOut1", "uxbGroupCtrlMuteOut4",
        "lbGroupCtrlSelInA", "lbGroupCtrlVolOut4"}},
      {"fmAec", "Echo Cancellation Setting", "SID_AEC_TITLE",
       {"uxgAecInput", "isAecGainInput", "pbAecLevelInput", "uxgAecVcsIn", "uxgAecVcsOut", "uxgAec", "uxbAecLevel0",
        "uxbAecLevel4", "uxgAecOutput", "lbMic0Level", "gbAecTest", "edAddress", "uxbAecBypass", "gbCodecTest",
        "bnCsRead"}},
      {"fmMatrixClear", "Informaion", "SID_PEQRST", {"lbReset", "btnOK", "btnCancel", "Image1"}},
  };
  return windows;
}

}  // namespace

class StartupWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(network.Open());
    TfmMain::StartEndpoints = network.Endpoints();
  }

  testsupport::LoopbackNetwork network;
};

TEST_F(StartupWindowsTest, CreatesEveryWindowInOrderWithItsCaptionAndControls) {
  testsupport::FormCreator forms;
  CreateStartupWindowsWith(forms);
  // No connect dialog during the test.
  fmMain->tmStartConnect->SetEnabled(false);

  const auto& windows = Windows();
  ASSERT_EQ(forms.Forms().size(), windows.size());
  const std::vector<QWidget*> globals = {
      fmMain,        fmHidData,      fmPeqRst,       fmAbout,           fmRs232Code,    fmRs232CodeEnglish,
      fmLockPassWord, fmLockSetup,   fmNetwork,      fmProcess,         fmInformation,  fmExit,
      fmMemo,        fmRecallPreset, fmChannelName,  fmStorePreset,     fmFactory,      fmIdSelect,
      fmTest,        fmLinkSel,      fmChNameList,   fmStoreName,       fmNetworkSetup, fmCopy,
      fmPhantomPotent, fmRvb,        fmCamera,       fmComp,            fmAutoMix,      fmRs232Cmd,
      fmRs232CmdEnglish, fmSubCtrl,  fmGroupCtrl,    fmAec,             fmMatrixClear};
  ASSERT_EQ(globals.size(), windows.size());

  for (size_t i = 0; i < windows.size(); ++i) {
    const WindowCase& w = windows[i];
    SCOPED_TRACE(w.name);
    ASSERT_NE(globals[i], nullptr);
    EXPECT_EQ(forms.Forms()[i].data(), globals[i]) << "created out of order";
    EXPECT_EQ(globals[i]->objectName(), w.name);
    EXPECT_EQ(globals[i]->windowTitle(), QString::fromUtf8(w.designCaption));
    EXPECT_FALSE(globals[i]->isVisible());
    if (i == 0) continue;
    auto* form = dynamic_cast<platform::Form*>(globals[i]);
    ASSERT_NE(form, nullptr);
    for (const char* control : w.controls) EXPECT_NE(form->FindControl(control), nullptr) << control;
    form->FormShow();
    const QString caption = QString::fromUtf8(w.shownCaption);
    EXPECT_EQ(form->windowTitle(), caption.startsWith("SID_") ? LookupSid(EnglishTable(), caption) : caption);
  }

  // Families and classes the other windows' code relies on.
  EXPECT_NE(fmProcess->FindControl<TExProgressBar>("ProgressBar"), nullptr);
  for (QWidget* w : {static_cast<QWidget*>(fmExit), static_cast<QWidget*>(fmFactory),
                     static_cast<QWidget*>(fmInformation), static_cast<QWidget*>(fmNetwork)})
    EXPECT_NE(dynamic_cast<platform::Form*>(w)->FindControl<TUxBmpButton>("btnOK"), nullptr);
  EXPECT_NE(fmComp->FindControl<TwXYPlot>("wpComp"), nullptr);
  EXPECT_EQ(fmComp->FindControl<TwXYPlot>("wpComp")->ChannelCount(), 2);
  int linkButtons = 0;
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column <= row; ++column) {
      auto* in = fmLinkSel->MatrixButton(false, row, column);
      auto* out = fmLinkSel->MatrixButton(true, row, column);
      ASSERT_NE(in, nullptr);
      ASSERT_NE(out, nullptr);
      EXPECT_EQ(in->Down(), row == column);
      EXPECT_EQ(out->Tag(), column);
      linkButtons += 2;
    }
  EXPECT_EQ(linkButtons, 72);
  EXPECT_NE(fmLinkSel->FindControl("uxbHlinkInG"), nullptr);  // looked up without regard to case
  int groupButtons = 0;
  for (const char* group : {"InA", "InB", "InC", "InD", "Out1", "Out2", "Out3", "Out4"})
    for (int i = 0; i < 8; ++i) {
      const QString channel = QString(group).startsWith("In") ? QString(QChar('A' + i)) : QString::number(i + 1);
      groupButtons += fmGroupCtrl->FindControl<TUxBmpButton>("uxbGroupCtrlSel" + channel + group) != nullptr;
    }
  EXPECT_EQ(groupButtons, 64);
  for (int i = 1; i <= 31; ++i) {
    EXPECT_NE(fmRs232Code->FindControl<TExImage>(QStringLiteral("ExImage%1").arg(i)), nullptr) << i;
    EXPECT_NE(fmRs232CodeEnglish->FindControl<TExImage>(QStringLiteral("ExImage%1").arg(i)), nullptr) << i;
  }
  EXPECT_EQ(fmRs232CodeEnglish->FindControl<TExImage>("ExImage29")->geometry(), QRect(52, 209, 630, 81));  // centred in 754
  EXPECT_EQ(fmRs232Code->FindControl<TExImage>("ExImage30")->geometry(), QRect(50, 3144, 630, 98));
  EXPECT_EQ(fmRs232CmdEnglish->FindControl<QComboBox>("cbType")->count(), 34);
  EXPECT_EQ(fmRs232CmdEnglish->FindControl<QComboBox>("cb2Volume")->itemText(181), "- 9.9dB");
  EXPECT_EQ(fmRs232CmdEnglish->FindControl<QComboBox>("cb2Volume")->itemText(280), "+0.0dB");
  EXPECT_EQ(fmRs232CmdEnglish->FindControl<QComboBox>("cb2Volume")->itemText(0), "-60.0dB");
  EXPECT_EQ(fmRs232Cmd->FindControl<QLineEdit>("edRemoteCtrl")->text(), "7B7D01400000007D7B");
  EXPECT_EQ(fmNetwork->size(), QSize(359, 150));
  EXPECT_EQ(fmIdSelect->size(), QSize(257, 161));
  EXPECT_EQ(fmNetworkSetup->size(), QSize(280, 220));
  EXPECT_EQ(fmHidData->size(), QSize(939, 274));
}

// A button without an Up face would show only its caption.
TEST_F(StartupWindowsTest, EveryBitmapButtonOfEveryWindowHasAnUpFace) {
  testsupport::FormCreator forms;
  CreateStartupWindowsWith(forms);
  fmMain->tmStartConnect->SetEnabled(false);
  int buttons = 0;
  for (const auto& form : forms.Forms()) {
    ASSERT_NE(form.data(), nullptr);
    for (TUxBmpButton* b : form->findChildren<TUxBmpButton*>()) {
      ++buttons;
      EXPECT_FALSE(b->Bitmaps()->Up().isNull()) << form->objectName().toStdString() << " "
                                                << b->objectName().toStdString();
    }
  }
  EXPECT_GT(buttons, 400);
}

// A picture of the link dialog for a look by eye: DSP_TEST_OUT/link-dialog.png.
TEST_F(StartupWindowsTest, PictureOfTheLinkDialog) {
  testsupport::FormCreator forms;
  CreateStartupWindowsWith(forms);
  fmMain->tmStartConnect->SetEnabled(false);
  fmLinkSel->Show();
  const QImage shot = fmLinkSel->grab().toImage();
  EXPECT_TRUE(shot.save(QString::fromStdString(testsupport::OutputPath("link-dialog.png"))));
  fmLinkSel->hide();
}
