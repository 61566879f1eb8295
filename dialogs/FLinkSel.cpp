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
QString ButtonName(bool outputs, int row, int column) {
  return QStringLiteral("uxb") + Suffix(outputs, row) + (outputs ? "LinkOut" : "LinkIn") + Suffix(outputs, column);
}
int FirstChannel(bool outputs) { return outputs ? 8 : 0; }

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
      const RowHandler handler = HandlerOfRow(outputs, r);
      for (int c = 0; c <= r; ++c) {
        // The form spells one button with a small letter; lookups ignore case.
        const QString name = !outputs && r == 7 && c == 6 ? QStringLiteral("uxbHlinkInG") : ButtonName(outputs, r, c);
        auto* button = Create<TUxBmpButton>(row, name);
        dialogs::SetButtonFaces(button, QRect(4 + c * kPitch, 2, kButtonWidth, kButtonHeight));
        if (outputs || r != 0) {
          // The pressed, hot and latched faces come from the template button
          // when the window is created.
          button->Bitmaps()->SetDown(QImage());
          button->Bitmaps()->SetHot(QImage());
          button->Bitmaps()->SetStayDown(QImage());
        }
        button->SetCaption(Label(outputs, r));
        button->SetTag(c);
        button->SetGroupIndex(1);
        if (c == r) button->SetDown(true);
        if (handler) button->OnClick = [this, handler](QObject* s) { (this->*handler)(s); };
      }
    }
  }
  bnSet = Create<TUxBmpButton>(this, "bnSet");
  dialogs::SetButtonFaces(bnSet, QRect(width() / 2 - 100, height() - 44, 90, 30));
  bnSet->OnClick = [this](QObject* s) { bnSetClick(s); };
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(width() / 2 + 10, height() - 44, 90, 30));
  bnExit->OnClick = [this](QObject* s) { bnExitClick(s); };
}

void TfmLinkSel::FormCreate() {
  auto* source = MatrixButton(false, 0, 0);
  if (!source) return;
  for (bool outputs : {false, true})
    for (int r = 0; r < 8; ++r)
      for (int c = 0; c <= r; ++c) {
        auto* button = MatrixButton(outputs, r, c);
        if (!button || button == source) continue;
        button->Bitmaps()->SetDown(source->Bitmaps()->Down());
        button->Bitmaps()->SetHot(source->Bitmaps()->Hot());
        button->Bitmaps()->SetStayDown(source->Bitmaps()->StayDown());
      }
}

TUxBmpButton* TfmLinkSel::MatrixButton(bool outputs, int row, int column) const {
  if (row < 0 || row > 7 || column < 0 || column > row) return nullptr;
  return FindControl<TUxBmpButton>(ButtonName(outputs, row, column));
}

void TfmLinkSel::FormShow() {
  Changed = 0;
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_LINK_TITLE"));
  bnSet->SetCaption(fmMain->TranslateSid("SID_SET"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}

TfmLinkSel::RowHandler TfmLinkSel::HandlerOfRow(bool outputs, int row) {
  static constexpr RowHandler kInputs[8] = {
      nullptr,
      &TfmLinkSel::uxbBLinkInAClick,
      &TfmLinkSel::uxbCLinkInAClick,
      &TfmLinkSel::uxbDLinkInAClick,
      &TfmLinkSel::uxbELinkInAClick,
      &TfmLinkSel::uxbFLinkInAClick,
      &TfmLinkSel::uxbGLinkInAClick,
      &TfmLinkSel::uxbHLinkInHClick,
  };
  static constexpr RowHandler kOutputs[8] = {
      nullptr,
      &TfmLinkSel::uxb2LinkOut1Click,
      &TfmLinkSel::uxb3LinkOut1Click,
      &TfmLinkSel::uxb4LinkOut1Click,
      &TfmLinkSel::uxb5LinkOut1Click,
      &TfmLinkSel::uxb6LinkOut1Click,
      &TfmLinkSel::uxb7LinkOut1Click,
      &TfmLinkSel::uxb8LinkOut8Click,
  };
  if (row < 0 || row > 7) return nullptr;
  return outputs ? kOutputs[row] : kInputs[row];
}

void TfmLinkSel::uxbBLinkInAClick(QObject* Sender) { RowClick(false, 1, Sender); }
void TfmLinkSel::uxbCLinkInAClick(QObject* Sender) { RowClick(false, 2, Sender); }
void TfmLinkSel::uxbDLinkInAClick(QObject* Sender) { RowClick(false, 3, Sender); }
void TfmLinkSel::uxbELinkInAClick(QObject* Sender) { RowClick(false, 4, Sender); }
void TfmLinkSel::uxbFLinkInAClick(QObject* Sender) { RowClick(false, 5, Sender); }
void TfmLinkSel::uxbGLinkInAClick(QObject* Sender) { RowClick(false, 6, Sender); }
void TfmLinkSel::uxbHLinkInHClick(QObject* Sender) { RowClick(false, 7, Sender); }
void TfmLinkSel::uxb2LinkOut1Click(QObject* Sender) { RowClick(true, 1, Sender); }
void TfmLinkSel::uxb3LinkOut1Click(QObject* Sender) { RowClick(true, 2, Sender); }
void TfmLinkSel::uxb4LinkOut1Click(QObject* Sender) { RowClick(true, 3, Sender); }
void TfmLinkSel::uxb5LinkOut1Click(QObject* Sender) { RowClick(true, 4, Sender); }
void TfmLinkSel::uxb6LinkOut1Click(QObject* Sender) { RowClick(true, 5, Sender); }
void TfmLinkSel::uxb7LinkOut1Click(QObject* Sender) { RowClick(true, 6, Sender); }
void TfmLinkSel::uxb8LinkOut8Click(QObject* Sender) { RowClick(true, 7, Sender); }

// Runs after the clicked button became its row's down button.
void TfmLinkSel::RowClick(bool outputs, int row, QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button) return;
  Changed = 1;
  const bool leads = button->Tag() == row;
  for (int j = row + 1; j < 8; ++j) {
    auto* below = MatrixButton(outputs, j, row);
    if (!below) continue;
    below->setEnabled(leads);
    // A follower cannot lead: whoever had joined this row's group leads its
    // own again.
    if (!leads && below->Down()) PressAndRun(outputs, j, MatrixButton(outputs, j, j));
  }
}

void TfmLinkSel::PressAndRun(bool outputs, int row, TUxBmpButton* button) {
  if (!button) return;
  button->SetDown(true);
  if (const RowHandler handler = HandlerOfRow(outputs, row)) (this->*handler)(button);
}

int TfmLinkSel::DownColumn(bool outputs, int row) const {
  for (int c = 0; c <= row; ++c)
    if (auto* b = MatrixButton(outputs, row, c); b && b->Down()) return c;
  return -1;
}

void TfmLinkSel::UpdateRow(int channel, int mask) {
  if (channel < 0 || channel > 15) return;
  const bool outputs = channel >= 8;
  const int column = channel - FirstChannel(outputs);
  for (int j = column; j < 8; ++j)
    if (mask & (1 << j)) PressAndRun(outputs, j, MatrixButton(outputs, j, column));
}

void TfmLinkSel::RefreshMainButtons() {
  if (!fmMain) return;
  for (int channel = 0; channel < 16; ++channel) {
    const bool outputs = channel >= 8;
    const int row = channel - FirstChannel(outputs);
    auto* diagonal = MatrixButton(outputs, row, row);
    const bool leads = diagonal && diagonal->Down();
    fmMain->UpdateLinkButtons(channel, leads);
    if (leads) fmMain->UpdateLinkCaptions(channel, channel);
  }
}

void TfmLinkSel::RefreshMainCaptions() {
  if (!fmMain) return;
  for (bool outputs : {false, true}) {
    const int first = FirstChannel(outputs);
    for (int c = 0; c < 8; ++c)
      for (int j = c; j < 8; ++j)
        if (auto* b = MatrixButton(outputs, j, c); b && b->Down()) fmMain->UpdateLinkCaptions(first + c, first + j);
  }
}

void TfmLinkSel::bnSetClick(QObject*) {
  if (fmMain) {
    bool changed = false;
    for (bool outputs : {false, true}) {
      const int first = FirstChannel(outputs);
      for (int y = 0; y < 8; ++y) {
        std::uint16_t mask = 0;
        for (int j = y; j < 8; ++j)
          if (DownColumn(outputs, j) == y) mask = static_cast<std::uint16_t>(mask | 1u << j);
        const int old = fmMain->GetLinkMask(first + y);
        for (int j = y; j < 8; ++j) {
          if (!(mask & (1u << j)) || (old & (1 << j))) continue;
          // A new member: its caption, and its leader's settings.
          fmMain->UpdateLinkCaptions(first + y, first + j);
          fmMain->CopyChannel(first + y, first + j, false);
          fmMain->MarkCurveDirty(first + j);
          changed = true;
        }
        if (mask != old) {
          fmMain->SetLinkMask(first + y, mask);
          changed = true;
        }
      }
    }
    if (changed) {
      fmMain->ResyncAfterLink();
      RefreshMainButtons();
      if (auto* gain = fmMain->FindControl<TUxBmpButton>("uxbMenuGain")) {
        gain->Click();
        gain->SetDown(true);
      }
      fmMain->RefreshGainOverlays();
    }
  }
  SetModalResult(platform::mrOk);
}

void TfmLinkSel::bnExitClick(QObject*) {
  // Unapplied choices are dropped: the matrix shows the image's links again.
  if (Changed && fmMain)
    for (int channel = 0; channel < 16; ++channel) UpdateRow(channel, fmMain->GetLinkMask(channel));
  SetModalResult(platform::mrCancel);
}

void TfmLinkSel::reject() { bnExitClick(this); }
