#include "dialogs/PresetListWindow.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FStoreName.h"
#include "platform/Format.h"
#include "mainwindow/FMain.h"

TPresetListWindow::TPresetListWindow(bool withFactory, const char* titleKey, const QString& title)
    : titleKey_(titleKey), withFactory_(withFactory) {
  setWindowTitle(title);
  setFixedSize(240, 380);
  dialogs::ApplyDialogLook(this);
  lPresetSelect = Create<QLabel>(this, "lPresetSelect");
  lPresetSelect->setGeometry(12, 8, 216, 24);
  lPresetSelect->setAlignment(Qt::AlignCenter);
  lPresetSelect->setText(title);

  vledPresetName = Create<QTableWidget>(this, "vledPresetName");
  vledPresetName->setGeometry(12, 36, 216, 290);
  vledPresetName->setColumnCount(2);
  vledPresetName->setHorizontalHeaderLabels({QStringLiteral("  Number"), QStringLiteral("    Name")});
  vledPresetName->verticalHeader()->setVisible(false);
  vledPresetName->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  // The window's light text would sit on the style's light header face: the
  // column titles get the dialog's own dark face instead.
  QPalette header = vledPresetName->horizontalHeader()->palette();
  header.setColor(QPalette::Button, dialogs::Colours().faceTo);
  header.setColor(QPalette::ButtonText, dialogs::Colours().text);
  vledPresetName->horizontalHeader()->setPalette(header);
  vledPresetName->setColumnWidth(0, 69);
  vledPresetName->setColumnWidth(1, 126);
  vledPresetName->setEditTriggers(QAbstractItemView::NoEditTriggers);
  vledPresetName->setSelectionMode(QAbstractItemView::SingleSelection);
  vledPresetName->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int rows = withFactory ? 22 : 21;
  vledPresetName->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    const int user = withFactory ? r : r + 1;
    const QString key = user == 0 ? QStringLiteral("F00") : QStringLiteral("U%1").arg(user, 2, 10, QLatin1Char('0'));
    vledPresetName->setItem(r, 0, new QTableWidgetItem(QStringLiteral("     ") + key));
    vledPresetName->setItem(r, 1, new QTableWidgetItem(QStringLiteral("  Default Preset")));
    vledPresetName->setRowHeight(r, 20);
  }
  // The grid starts on its first row: when it takes the focus on opening it
  // must not choose a row the user did not pick.
  {
    const QSignalBlocker quiet(vledPresetName);
    vledPresetName->setCurrentCell(0, 0);
  }

  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(75, 336, 90, 30));
  bnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
  connect(vledPresetName, &QTableWidget::cellClicked, this, [this](int row, int column) {
    vledPresetNameSelectCell(column, row);
  });
  connect(vledPresetName, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    if (row >= 0) vledPresetNameSelectCell(column, row);
  });
}

void TPresetListWindow::SetRowName(int row, const QString& name) {
  if (row < 0 || row >= vledPresetName->rowCount()) return;
  QTableWidgetItem* item = vledPresetName->item(row, 1);
  if (!item) vledPresetName->setItem(row, 1, item = new QTableWidgetItem);
  item->setText(QStringLiteral("  ") + name);
}

QString TPresetListWindow::RowName(int row) const {
  const QTableWidgetItem* item = vledPresetName->item(row, 1);
  return item ? item->text().mid(2) : QString();
}

void TPresetListWindow::vledPresetNameSelectCell(int, int row) {
  if (!fmStoreName || row < 0 || row >= vledPresetName->rowCount()) return;
  fmStoreName->ShowPresetName(RowName(row));
  fmStoreName->SetPresetIndex(row);
  QString title;
  if (withFactory_ && row == 0) title = QStringLiteral("F00 : ");
  else title = QString::fromStdString(platform::FormatC("U%02d : ", withFactory_ ? row : row + 1));
  fmStoreName->lTitle->setText(title);
  fmStoreName->SetStoreMode(!withFactory_);
  if (fmStoreName->parentWidget() != this) fmStoreName->setParent(this, fmStoreName->windowFlags() | Qt::Dialog);
  fmStoreName->Show();
  fmStoreName->raise();
  fmStoreName->activateWindow();
  fmStoreName->FormActivate();
}

void TPresetListWindow::bnCancelClick(QObject*) {
  vledPresetName->setFocus();
  close();
}

void TPresetListWindow::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid(titleKey_));
  lPresetSelect->setText(fmMain->TranslateSid(titleKey_));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_CANCEL"));
  vledPresetName->setHorizontalHeaderLabels({fmMain->TranslateSid("SID_NUMBER"), fmMain->TranslateSid("SID_NAME")});
}
