#include "dialogs/FProcess.h"

#include <QKeyEvent>

#include "controls/ExProgressBar.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "platform/Canvas.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess() {
  setObjectName(QStringLiteral("fmProcess"));
  setWindowTitle(QStringLiteral("Process"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  setFixedSize(455, 96);
  dialogs::ApplyDialogLook(this);

  // The bar as the form sets it; its colours are the ones it is created with.
  ProgressBar = Create<TExProgressBar>(this, "ProgressBar");
  ProgressBar->setGeometry(12, 14, 431, 41);
  ProgressBar->SetPosition(0);
  ProgressBar->SetLevel1Perc(70);
  ProgressBar->SetLevel2Perc(90);
  ProgressBar->SetShowBorder(true);
  ProgressBar->SetFont(platform::TFont{.Name = "Verdana", .Height = -13});

  StatusBar = Create<QStatusBar>(this, "StatusBar");
  StatusBar->setGeometry(0, 70, 455, 26);
  StatusBar->setSizeGripEnabled(false);
}

// The status text and the bar belong to the transfer code.
void TfmProcess::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_PROCESS"));
}

void TfmProcess::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  platform::Form::keyPressEvent(event);
}
