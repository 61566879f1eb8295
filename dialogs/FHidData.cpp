#include "dialogs/FHidData.h"

#include "controls/UxButton.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData() {
  setObjectName(QStringLiteral("fmHidData"));
  setWindowTitle(QStringLiteral("Hid Data"));
  hbHidData = Create<QListWidget>(this, "hbHidData");
  QFont mono(QStringLiteral("Monospace"));
  mono.setStyleHint(QFont::TypeWriter);
  hbHidData->setFont(mono);
  bnClear = Create<TUxButton>(this, "bnClear");
  bnClear->SetCaption(QStringLiteral("Clear"));
  bnClear->resize(75, 25);
  bnClear->OnClick = [this](QObject* s) { bnClearClick(s); };
  resize(939, 274);
  PlaceControls();
}

void TfmHidData::AddLine(const QString& line) {
  if (!isVisible()) return;
  hbHidData->addItem(line);
  hbHidData->setCurrentRow(hbHidData->count() - 1);
}

void TfmHidData::bnClearClick(QObject*) { hbHidData->clear(); }

// The list fills the window; Clear floats near the top right, over the list.
void TfmHidData::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  PlaceControls();
}

void TfmHidData::PlaceControls() {
  hbHidData->setGeometry(rect());
  bnClear->move(width() - bnClear->width() - 24, 4);
  bnClear->raise();
}
