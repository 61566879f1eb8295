// A main window on loopback endpoints (its start-connect timer stopped, so no
// connect dialog opens during a test) and the dialogs a test asks for.
#pragma once

#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/FMain.h"
#include "platform/Network.h"
#include "platform/Timer.h"
#include "support/FormCreator.h"
#include "support/LoopbackNetwork.h"

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(network.Open());
    TfmMain::StartEndpoints = network.Endpoints();
    forms.CreateForm(fmMain);
    fmMain->tmStartConnect->SetEnabled(false);
  }

  // Runs the window modally; `during` runs once the loop is up and must end
  // it. A guard ends a loop that `during` failed to end.
  template <typename Form>
  int RunModal(Form* form, const std::function<void()>& during) {
    QTimer step;
    step.setSingleShot(true);
    QObject::connect(&step, &QTimer::timeout, form, during);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, form, [form] {
      ADD_FAILURE() << "modal window still open";
      form->SetModalResult(platform::mrCancel);
    });
    step.start(50);
    guard.start(30000);
    return form->ShowModal();
  }

  testsupport::LoopbackNetwork network;
  testsupport::FormCreator forms;
};
