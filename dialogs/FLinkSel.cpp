#include "dialogs/FLinkSel.h"

#include <QLabel>

#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmLinkSel* fmLinkSel = nullptr;

namespace {

constexpr int kButtonWidth = 44;
constexpr int kButtonHeight = 22;
constexpr int kPitch = 48;
constexpr int kRowPitch = 28;
constexpr int kTop = 28;

// A side's row or column suffix: "A".."H" for inputs, "1".."8" for outputs.
QString Suffix(bool outputs, int index) { return outputs ? QString::number(index + 1) : QString(QChar('A' + index)); }
QString Label(bool outputs, int index) { return (outputs ? QStringLiteral("Out") : QStringLiteral("In")) + QString::number(index + 1); }

}  // namespace

TfmLinkSel::TfmLinkSel() {
  setObjectName(QStringLiteral("fmLinkSel"));
  setWindowTitle(QStringLiteral("Link Selection"));
  const int matrixWidth = 8 * kPitch + 8;
  setFixedSize(2 * matrixWidth + 48, kTop + 8 * kRowPitch + 64);
  dialogs::ApplyDialogLook(this);

  for (bool outputs : {false, true}) {
    const int left = outputs ? matrixWidth + 32 : 16;
    for (int c = 0; c < 8; ++c) {
      auto* heading = new QLabel(Label(outputs, c), this);
      heading->setGeometry(left + 4 + c * kPitch, 6, kButtonWidth, 18);
      heading->setAlignment(Qt::AlignCenter);
    }
    for (int r = 0; r < 8; ++r) {
      const QString rowName = outputs ? QStringLiteral("uxgLinkSelOut") : QStringLiteral("uxgLinkSelIn");
      auto* row = Create<TUxGroupBox>(this, rowName + Suffix(outputs, r));
      dialogs::StyleGroupBox(row, QRect(left, kTop + r * kRowPitch, matrixWidth, kRowPitch - 2));
      row->SetTag(r);
      for (int c = 0; c <= r; ++c) {
        const QString name = QStringLiteral("uxb") + Suffix(outputs, r) + (outputs ? "LinkOut" : "LinkIn") +
                             Suffix(outputs, c);
        auto* button = Create<TUxBmpButton>(row, name);
        dialogs::SetButtonFaces(button, QRect(4 + c * kPitch, 2, kButtonWidth, kButtonHeight));
        button->SetCaption(Label(outputs, r));
        button->SetTag(c);
        button->SetGroupIndex(1);
        if (c == r) button->SetDown(true);
      }
    }
  }
  bnSet = Create<TUxBmpButton>(this, "bnSet");
  dialogs::SetButtonFaces(bnSet, QRect(width() / 2 - 100, height() - 44, 90, 30));
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(width() / 2 + 10, height() - 44, 90, 30));
}

TUxBmpButton* TfmLinkSel::MatrixButton(bool outputs, int row, int column) const {
  if (row < 0 || row > 7 || column < 0 || column > row) return nullptr;
  return FindControl<TUxBmpButton>(QStringLiteral("uxb") + Suffix(outputs, row) + (outputs ? "LinkOut" : "LinkIn") +
                                   Suffix(outputs, column));
}

void TfmLinkSel::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_LINK_TITLE"));
  bnSet->SetCaption(fmMain->TranslateSid("SID_SET"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}
