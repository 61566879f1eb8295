// The main menu and the menu commands.
#include <QMenuBar>

#include <tuple>
#include <utility>

#include "dialogs/FAbout.h"
#include "dialogs/FExit.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FRs232Cmd.h"
#include "dialogs/FRs232CmdEnglish.h"
#include "dialogs/FSubCtrl.h"
#include "mainwindow/FMain.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"

platform::MenuItem* TfmMain::AddMenuItem(QMenu* menu, const QString& name, const QString& caption, int tag) {
  auto* item = new platform::MenuItem(caption, this);
  Register(item, name);
  platform::SetTag(item, tag);
  menu->addAction(item);
  return item;
}

void TfmMain::BuildMenus() {
  MainMenu = new QMenuBar(this);
  MainMenu->setObjectName(QStringLiteral("MainMenu"));
  setMenuBar(MainMenu);
  auto handler = [this](void (TfmMain::*method)(QObject*)) {
    return [this, method](QObject* sender) { (this->*method)(sender); };
  };
  // A top-level entry: a submenu, or a command of its own in the bar.
  auto top = [this](const QString& name, const QString& caption) {
    auto* menu = new QMenu(caption, MainMenu);
    auto* item = new platform::MenuItem(caption, this);
    item->setMenu(menu);
    Register(item, name);
    MainMenu->addAction(item);
    return std::make_pair(item, menu);
  };
  auto command = [&](const QString& name, const QString& caption) {
    auto* item = new platform::MenuItem(caption, this);
    Register(item, name);
    MainMenu->addAction(item);
    return item;
  };

  auto [file, fileMenu] = top("File", "File");
  AddMenuItem(fileMenu, "Open", "Open")->OnClick = handler(&TfmMain::OpenClick);
  AddMenuItem(fileMenu, "Save", "Save")->OnClick = handler(&TfmMain::SaveClick);
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "Upload", "Upload")->OnClick = handler(&TfmMain::UploadClick);
  AddMenuItem(fileMenu, "Download", "Download")->OnClick = handler(&TfmMain::DownloadClick);
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "FactoryDefault", "Factory Default")->OnClick = handler(&TfmMain::FactoryDefaultClick);
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "Exit", "Exit")->OnClick = handler(&TfmMain::ExitClick);

  command("Link", "Link")->OnClick = handler(&TfmMain::LinkClick);
  command("Copy", "Copy")->OnClick = handler(&TfmMain::CopyClick);
  command("Lock", "Lock");
  auto [status, statusMenu] = top("WorkingStatus", "Working Status");
  for (auto [name, tag] : {std::pair{"Memorize", 0}, {"Forget", 1}, {"U01", 2}}) {
    auto* item = AddMenuItem(statusMenu, name, name, tag);
    item->SetChecked(tag == 1);
    item->OnClick = handler(&TfmMain::MemorizeClick);
  }
  auto* settingId = command("SettingID", "Setting ID");
  settingId->SetVisible(false);
  settingId->OnClick = handler(&TfmMain::SettingIDClick);
  command("NetworkSetup", "Setting ID/IP")->SetVisible(false);
  command("TestTone", "Test Tone");
  command("ChNameList", "Channel Name");
  command("SubCtrl", "Sub Control")->OnClick = handler(&TfmMain::SubCtrlClick);
  command("GroupCtrl", "Group Control")->OnClick = handler(&TfmMain::GroupCtrlClick);

  auto [language, languageMenu] = top("LanguageSel", "Language");
  auto* chinese = AddMenuItem(languageMenu, "ChineseSimplified", "Chinese", 0);
  chinese->OnClick = handler(&TfmMain::ChineseSimplifiedClick);
  chinese->SetChecked(false);
  auto* traditional = AddMenuItem(languageMenu, "ChineseTraditional", "Traditional Chinese", 1);
  traditional->SetChecked(false);
  traditional->SetVisible(false);
  auto* english = AddMenuItem(languageMenu, "English", "English", 2);
  english->OnClick = handler(&TfmMain::EnglishClick);
  english->SetChecked(true);

  auto [help, helpMenu] = top("Help", "Help");
  AddMenuItem(helpMenu, "Rs232Code", "RS232 Remote Control Code")->OnClick = handler(&TfmMain::Rs232CodeClick);
  for (auto [name, caption, method] :
       {std::tuple{"MemoShow", "Memo Show", &TfmMain::MemoShowClick}, {"HidData", "Hid Data", &TfmMain::HidDataClick},
        {"PhantomPotent", "PhantomPotent", &TfmMain::PhantomPotentClick}, {"ClearMatrix", "Clear Matrix", &TfmMain::ClearMatrixClick}}) {
    auto* item = AddMenuItem(helpMenu, name, caption);
    item->SetVisible(false);
    if (method) item->OnClick = handler(method);
  }

  auto [diagram, diagramMenu] = top("BlockDiagram", "Diagram");
  diagram->SetVisible(false);
  AddMenuItem(diagramMenu, "LockSetup", "Lock");
  auto [connect, connectMenu] = top("Connect", "Connect");
  connect->SetVisible(false);
  AddMenuItem(connectMenu, "Connected", "Connect")->OnClick = handler(&TfmMain::ConnectedClick);
  AddMenuItem(connectMenu, "ConnectHelp", "Connect Help")->OnClick = handler(&TfmMain::ConnectHelpClick);

  command("About", "About")->OnClick = handler(&TfmMain::AboutClick);
}

void TfmMain::ExitClick(QObject*) {
  if (fmExit) fmExit->ShowModal();
}

void TfmMain::SubCtrlClick(QObject*) {
  if (fmSubCtrl) fmSubCtrl->ShowModal();
}

void TfmMain::GroupCtrlClick(QObject*) {
  if (fmGroupCtrl) fmGroupCtrl->ShowModal();
}

void TfmMain::AboutClick(QObject*) {
  if (fmAbout) fmAbout->ShowModal();
}

// The builder of the current language, modal.
void TfmMain::Rs232CodeClick(QObject*) {
  if (Language == QLatin1String("English")) {
    if (fmRs232CmdEnglish) fmRs232CmdEnglish->ShowModal();
  } else if (fmRs232Cmd) {
    fmRs232Cmd->ShowModal();
  }
}
