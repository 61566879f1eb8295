// One main window per test suite (creating it is the slow part), on loopback
// endpoints with its start-connect timer stopped, plus the dialogs the suite
// asks for. Each test gets a fresh serial link to a simulated processor on a
// pseudo-terminal whose replies reach nobody, so the test alone decides what
// the window hears. Every frame submitted to the link is recorded in hex with
// its force flag; message boxes answer OK at once and are recorded.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "link/LComm.h"
#include "mainwindow/FMain.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "simproc/SimSerialServer.h"
#include "support/FormCreator.h"
#include "support/LoopbackNetwork.h"
#include "support/UiFixture.h"

struct Sent {
  std::string hex;
  bool force;
  bool operator==(const Sent&) const = default;
};

inline void PrintTo(const Sent& s, std::ostream* os) { *os << s.hex << (s.force ? " forced" : " unforced"); }

class LinkedDialogTest : public ::testing::Test {
 protected:
  // The suite's windows: the main window first, then `dialogs`.
  static void CreateWindows(const std::function<void(testsupport::FormCreator&)>& dialogs) {
    network = new testsupport::LoopbackNetwork();
    ASSERT_TRUE(network->Open());
    TfmMain::StartEndpoints = network->Endpoints();
    forms = new testsupport::FormCreator();
    forms->CreateForm(fmMain);
    fmMain->tmStartConnect->SetEnabled(false);
    dialogs(*forms);
  }
  static void TearDownTestSuite() {
    delete forms;
    forms = nullptr;
    delete network;
    network = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(fmMain, nullptr);
    ASSERT_TRUE(sim.StartPty()) << sim.LastError();
    fmMain->OnSubmit = [this](const Bytes& frame, bool force) { sent.push_back({testsupport::Hex(frame), force}); };
    fmMain->CommProc = std::make_unique<LCommProc>(LinkOwner{}, 1);
    ASSERT_TRUE(fmMain->CommProc->Open(sim.SlavePath())) << fmMain->CommProc->LastError();
    platform::SetMessageProvider([this](const platform::MessageRequest& r) {
      messages.push_back(r.text.toStdString());
      return int(platform::mrOk);
    });
  }
  void TearDown() override {
    platform::SetMessageProvider({});
    fmMain->OnSubmit = nullptr;
    fmMain->tmDisconnect->SetEnabled(false);
    fmMain->SetUpdating(0);
    fmMain->CommProc.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QDialog*>(w)) d->hide();
  }
  // Runs `action`, which opens a modal window; `during` runs inside the
  // window's loop and must close it.
  void WhileModal(const std::function<void()>& action, const std::function<void()>& during) {
    QTimer step;
    step.setSingleShot(true);
    QObject::connect(&step, &QTimer::timeout, during);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      ADD_FAILURE() << "modal window still open";
      if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget())) w->done(0);
    });
    step.start(20);
    guard.start(30000);
    action();
    EXPECT_FALSE(step.isActive()) << "no modal window opened";
  }

  static inline testsupport::LoopbackNetwork* network = nullptr;
  static inline testsupport::FormCreator* forms = nullptr;
  SimSerialServer sim;
  std::vector<Sent> sent;
  std::vector<std::string> messages;
};
