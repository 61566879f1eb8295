// The channel link window (modal). For the eight inputs and the eight
// outputs a triangle of buttons: row X holds one button per column Y <= X,
// and the down button of a row says which channel's link group X joins (the
// diagonal: X leads its own). Each row is one radio group; at design every
// diagonal is down. A channel that follows another cannot lead, so column X
// below the diagonal is enabled only while row X's diagonal is down.
//
// The mask of a leader Y is the set of rows j >= Y down in column Y (its own
// bit included); a member's mask is 0. Set writes the masks into the image,
// gives every newly joined member its leader's settings and brings the editor
// back in line (re-read online, refresh offline). Exit, Escape and the close
// box drop unapplied choices: the matrix is loaded back from the image when
// anything was clicked. The refresh pass loads the matrix through UpdateRow
// and pushes the links to the main window's page buttons and overlay
// switches through RefreshMainButtons and RefreshMainCaptions.
#pragma once

#include "platform/Form.h"

class TUxBmpButton;
class TUxGroupBox;

class TfmLinkSel : public platform::Form {
 public:
  TfmLinkSel();
  // Every matrix button takes the Down, Hot and StayDown faces of the
  // template button uxbALinkInA.
  void FormCreate() override;
  // Captions in the active language; clears Changed.
  void FormShow() override;

  TUxBmpButton* bnSet;
  TUxBmpButton* bnExit;

  // Set by every click on a matrix button, cleared when the window is shown.
  int Changed = 0;

  // The matrix button of a side's row and column (0-7, column <= row), found
  // by its composed name; null elsewhere.
  TUxBmpButton* MatrixButton(bool outputs, int row, int column) const;

  // For channel 0-15 and the rows j from its own to the last of its side
  // whose bit j is set in mask: presses row j's button in the channel's
  // column and runs the row's handler.
  void UpdateRow(int channel, int mask);
  // For every channel 0-15: its overlay switches shown while its row's
  // diagonal is down, and then its page button captioned as a head.
  void RefreshMainButtons();
  // For every column c and every row j >= c down in it: the page button of
  // j captioned as a member of c (or as a head on the diagonal).
  void RefreshMainCaptions();

  void bnSetClick(QObject* Sender);
  void bnExitClick(QObject* Sender);
  // Row handlers, each bound to every button of its row (rows A and 1 hold
  // only their diagonal and have none).
  void uxbBLinkInAClick(QObject* Sender);
  void uxbCLinkInAClick(QObject* Sender);
  void uxbDLinkInAClick(QObject* Sender);
  void uxbELinkInAClick(QObject* Sender);
  void uxbFLinkInAClick(QObject* Sender);
  void uxbGLinkInAClick(QObject* Sender);
  void uxbHLinkInHClick(QObject* Sender);
  void uxb2LinkOut1Click(QObject* Sender);
  void uxb3LinkOut1Click(QObject* Sender);
  void uxb4LinkOut1Click(QObject* Sender);
  void uxb5LinkOut1Click(QObject* Sender);
  void uxb6LinkOut1Click(QObject* Sender);
  void uxb7LinkOut1Click(QObject* Sender);
  void uxb8LinkOut8Click(QObject* Sender);

 protected:
  // Escape and the close box act as Exit.
  void reject() override;

 private:
  // The handler of a side's row, or null for the first row.
  using RowHandler = void (TfmLinkSel::*)(QObject*);
  static RowHandler HandlerOfRow(bool outputs, int row);
  void RowClick(bool outputs, int row, QObject* Sender);
  // Presses a row's button and runs the row's handler.
  void PressAndRun(bool outputs, int row, TUxBmpButton* button);
  // The column whose button is down in a side's row, or -1.
  int DownColumn(bool outputs, int row) const;
};

extern TfmLinkSel* fmLinkSel;
