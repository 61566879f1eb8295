// The windows the program creates at start-up, in their fixed order: the main
// window first (its creation handler runs before any other window exists),
// then every dialog. Each lives until the program ends and is reused every
// time it is shown.
//
// The creator is the application (platform::Application::CreateForm) or, in
// tests that already own a QApplication, any object with the same
// CreateForm(global) member: it creates the window, sets the global, then
// runs the window's creation handler.
#pragma once

#include "dialogs/FAbout.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FComp.h"
#include "dialogs/FCopy.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FHidData.h"
#include "dialogs/FIdSelect.h"
#include "dialogs/FInformation.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FMatrixClear.h"
#include "dialogs/FMemo.h"
#include "dialogs/FNetwork.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FPhantomPotent.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FRs232Cmd.h"
#include "dialogs/FRs232CmdEnglish.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/FRvb.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FSubCtrl.h"
#include "dialogs/FTest.h"
#include "mainwindow/FMain.h"
#include "platform/Application.h"

template <typename Creator>
void CreateStartupWindowsWith(Creator& creator) {
  creator.CreateForm(fmMain);
  creator.CreateForm(fmHidData);
  creator.CreateForm(fmPeqRst);
  creator.CreateForm(fmAbout);
  creator.CreateForm(fmRs232Code);
  creator.CreateForm(fmRs232CodeEnglish);
  creator.CreateForm(fmLockPassWord);
  creator.CreateForm(fmLockSetup);
  creator.CreateForm(fmNetwork);
  creator.CreateForm(fmProcess);
  creator.CreateForm(fmInformation);
  creator.CreateForm(fmExit);
  creator.CreateForm(fmMemo);
  creator.CreateForm(fmRecallPreset);
  creator.CreateForm(fmChannelName);
  creator.CreateForm(fmStorePreset);
  creator.CreateForm(fmFactory);
  creator.CreateForm(fmIdSelect);
  creator.CreateForm(fmTest);
  creator.CreateForm(fmLinkSel);
  creator.CreateForm(fmChNameList);
  creator.CreateForm(fmStoreName);
  creator.CreateForm(fmNetworkSetup);
  creator.CreateForm(fmCopy);
  creator.CreateForm(fmPhantomPotent);
  creator.CreateForm(fmRvb);
  creator.CreateForm(fmCamera);
  creator.CreateForm(fmComp);
  creator.CreateForm(fmAutoMix);
  creator.CreateForm(fmRs232Cmd);
  creator.CreateForm(fmRs232CmdEnglish);
  creator.CreateForm(fmSubCtrl);
  creator.CreateForm(fmGroupCtrl);
  creator.CreateForm(fmAec);
  creator.CreateForm(fmMatrixClear);
}

// The main routine's creation step.
void CreateStartupWindows(platform::Application& application);
