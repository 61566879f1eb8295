// TRoundEdit: the value box: a one-line edit (TEmptyEdit, without a frame)
// inside the rounded face of a TRoundControlPanel (controls/RoundPanel.h),
// always 24 pixels high. The pages write formatted values with SetText and
// read what the user typed with Text.
//
// Placement: the inner edit sits at y 5, from x = LeftSize + Rounding +
// LeftControlSize, Width - 2 x Rounding - (the four groups of embedded
// controls) wide; with no embedded controls that is x = Rounding and
// Width - 2 x Rounding - 2 (the right in-control group's 2 pixels).
// UpdateControls places it again on every resize, Rounding or controls change.
//
// The edit's properties (Text, Alignment, ReadOnly, Enabled, EmptyText,
// TextHint, ...) live in the inner edit. The box's thirteen events come only
// from the inner edit and carry the box as Sender, the edit's other arguments
// unchanged (mouse coordinates in the inner edit's space); a click on the
// rounded border outside the edit fires none of them. Writing a different
// text fires OnChange, as typing does. A key handler that sets the key to 0
// (OnKeyDown, OnKeyUp) or to a null character (OnKeyPress) swallows it; an
// OnKeyPress that changes the character types the new one instead. OnEnter
// and OnExit mark moves of the focus between the controls of the box's
// window: a context menu or another window that takes the focus for a while
// fires neither.
//
// Writing Color repaints the face and gives the inner edit the same
// background, so the edit blends with the face; the box's font goes to the
// inner edit.
#pragma once

#include <QColor>
#include <QMenu>
#include <QLineEdit>
#include <QPointer>

#include <functional>

#include "controls/RoundPanel.h"
#include "platform/Canvas.h"


// A borderless edit that writes EmptyText in grey at (3, 0) while its text is
// empty. AutoSelect selects the whole text when the focus arrives by the
// keyboard (and otherwise nothing is selected then); without HideSelection
// the selection stays when the focus leaves.
class TEmptyEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEmptyEdit(QWidget* parent = nullptr);

  QString EmptyText() const { return FEmptyText; }
  void SetEmptyText(const QString& v);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool v) { FAutoSelect = v; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v) { FHideSelection = v; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  QString FEmptyText;
  bool FAutoSelect = true;
  bool FHideSelection = true;
};

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TRoundEdit : public TRoundControlPanel {
  Q_OBJECT
 public:
  using TNotifyEvent = std::function<void(QObject* Sender)>;
  using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
  using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
  using TMouseEvent =
      std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TMouseMoveEvent = std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

  explicit TRoundEdit(QWidget* parent = nullptr);

  QString Text() const;
  // Passes the text to the inner edit.
  void SetText(const QString& v);
  bool Enabled() const;
  void SetEnabled(bool v);
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  Qt::Alignment Alignment() const;
  void SetAlignment(Qt::Alignment v);
  bool AutoSelect() const { return FEdit->AutoSelect(); }
  void SetAutoSelect(bool v) { FEdit->SetAutoSelect(v); }
  bool HideSelection() const { return FEdit->HideSelection(); }
  void SetHideSelection(bool v) { FEdit->SetHideSelection(v); }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase v);
  // Grey text shown while the edit is empty.
  QString EmptyText() const { return FEdit->EmptyText(); }
  void SetEmptyText(const QString& v) { FEdit->SetEmptyText(v); }
  // The edit's cue text while it is empty.
  QString TextHint() const { return FEdit->placeholderText(); }
  void SetTextHint(const QString& v) { FEdit->setPlaceholderText(v); }
  // 0: no limit.
  int MaxLength() const;
  void SetMaxLength(int v);
  // Only digits can be typed.
  bool NumbersOnly() const { return FNumbersOnly; }
  void SetNumbersOnly(bool v);
  // A character other than the null one hides the text.
  QChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(QChar v);
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* v);
  // Whether Tab reaches the inner edit.
  bool TabStop() const;
  void SetTabStop(bool v);
  // The font of the inner edit, and its text colour.
  platform::TFont Font() const { return FFont; }
  void SetFont(const platform::TFont& v);
  // Focuses the inner edit.
  void SetFocus();
  TEmptyEdit* Edit() const { return FEdit; }

  TNotifyEvent OnClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  QSize sizeHint() const override { return QSize(100, 24); }

 protected:
  // Repaints and recolours the inner edit.
  void Changed() override;
  void UpdateControls() override;
  void resizeEvent(QResizeEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent*) override;

 private:
  bool ForwardKey(QEvent* event);
  bool ForwardMouse(QEvent* event);
  void ApplyCharCase();

  TEmptyEdit* FEdit;
  TEditCharCase FCharCase = ecNormal;
  bool FNumbersOnly = false;
  QChar FPasswordChar;
  QPointer<QMenu> FPopupMenu;
  platform::TFont FFont;
};
