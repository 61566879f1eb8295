#include "dialogs/FProcess.h"

#include <QKeyEvent>

#include "controls/ExProgressBar.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess() {
  setObjectName(QStringLiteral("fmProcess"));
  setWindowTitle(QStringLiteral("Process"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  setFixedSize(400, 86);
  dialogs::ApplyDialogLook(this);

  ProgressBar = Create<TExProgressBar>(this, "ProgressBar");
  ProgressBar->setGeometry(12, 14, 376, 28);
  ProgressBar->SetPosition(0);
  ProgressBar->SetLevel1Perc(70);
  ProgressBar->SetLevel2Perc(90);
  ProgressBar->SetShowBorder(true);
  ProgressBar->SetShowGradient(true);
  ProgressBar->SetLevelColor(0, QColor(60, 200, 90), QColor(20, 120, 50));
  ProgressBar->SetLevelColor(1, QColor(240, 200, 60), QColor(170, 120, 20));
  ProgressBar->SetLevelColor(2, QColor(250, 130, 60), QColor(180, 70, 20));
  ProgressBar->SetLevelColor(3, QColor(90, 170, 250), QColor(30, 100, 180));
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(12);
  ProgressBar->setFont(font);

  StatusBar = Create<QStatusBar>(this, "StatusBar");
  StatusBar->setGeometry(0, 60, 400, 26);
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
