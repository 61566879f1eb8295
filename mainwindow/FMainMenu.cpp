// The main menu and the menu commands.
#include <QMenuBar>

#include "dialogs/FAbout.h"
#include "dialogs/FExit.h"
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
  AddMenuItem(fileMenu, "Open", "Open");
  AddMenuItem(fileMenu, "Save", "Save");
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "Upload", "Upload");
  AddMenuItem(fileMenu, "Download", "Download");
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "FactoryDefault", "Factory Default");
  fileMenu->addSeparator();
  AddMenuItem(fileMenu, "Exit", "Exit")->OnClick = handler(&TfmMain::ExitClick);

  command("Link", "Link");
  command("Copy", "Copy");
  command("Lock", "Lock");
  auto [status, statusMenu] = top("WorkingStatus", "Working Status");
  AddMenuItem(statusMenu, "Memorize", "Memorize", 0)->SetChecked(false);
  AddMenuItem(statusMenu, "Forget", "Forget", 1)->SetChecked(true);
  AddMenuItem(statusMenu, "U01", "U01", 2)->SetChecked(false);
  command("SettingID", "Setting ID")->SetVisible(false);
  command("NetworkSetup", "Setting ID/IP")->SetVisible(false);
  command("TestTone", "Test Tone");
  command("ChNameList", "Channel Name");
  command("SubCtrl", "Sub Control");
  command("GroupCtrl", "Group Control");

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
  AddMenuItem(helpMenu, "Rs232Code", "RS232 Remote Control Code");
  AddMenuItem(helpMenu, "MemoShow", "Memo Show")->SetVisible(false);
  AddMenuItem(helpMenu, "HidData", "Hid Data")->SetVisible(false);
  AddMenuItem(helpMenu, "PhantomPotent", "PhantomPotent")->SetVisible(false);
  AddMenuItem(helpMenu, "ClearMatrix", "Clear Matrix")->SetVisible(false);

  auto [diagram, diagramMenu] = top("BlockDiagram", "Diagram");
  diagram->SetVisible(false);
  AddMenuItem(diagramMenu, "LockSetup", "Lock");
  auto [connect, connectMenu] = top("Connect", "Connect");
  connect->SetVisible(false);
  AddMenuItem(connectMenu, "Connected", "Connect");
  AddMenuItem(connectMenu, "ConnectHelp", "Connect Help");

  command("About", "About")->OnClick = handler(&TfmMain::AboutClick);
}

void TfmMain::ExitClick(QObject*) {
  if (fmExit) fmExit->ShowModal();
}

void TfmMain::AboutClick(QObject*) {
  if (fmAbout) fmAbout->ShowModal();
}

void TfmMain::SendFactoryReset() {
  LinkState = 3;
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  SetLinkTimeout(10000);
  SendCommand(CM_MCS_CMD(GetDeviceId(), 0x23), true, true);
}
