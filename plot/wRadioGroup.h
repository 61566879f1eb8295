// TwRadioGroup: a self-drawn group of radio items on the instrument base,
// framed and captioned like a group box. Items fill Columns columns column
// by column (FMaxRows rows each); ItemIndex is the selected item, -1 none.
//
// SetItemIndex limits the value to -1 .. Count - 1; a new value stores,
// repaints and runs the change step DoChange (OnChangeProtected("ItemIndex"),
// OnChange, and OnChangeUser for the user's own mouse choice). Nothing fires
// while loading. A change of Items or Font limits ItemIndex to the new list
// silently. Columns below 1 are ignored.
//
// Input: a press takes the focus and marks the item under the mouse; the
// release on the same item selects it. The arrow keys step the selection
// with wrap-around (Right/Down forward, Left/Up back); they raise OnChange
// but not OnChangeUser. The geometry (ItemCenter, ItemAt) is computed in one
// place from the current size and font, for painting and hit-testing alike.
#pragma once

#include <QString>
#include <QStringList>

#include "controls/wWinComponent.h"

class TwRadioGroup : public TwCustomComponent {
  Q_OBJECT
 public:
  explicit TwRadioGroup(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value);
  const QStringList& Items() const { return FItems; }
  void SetItems(const QStringList& Value);
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

  // Rows per column (0 without items).
  int MaxRows() const;
  // The centre of item Index's radio ring.
  platform::TPoint ItemCenter(int Index) const;
  // The item index under (X, Y); may lie outside 0 .. Count - 1.
  int ItemAt(int X, int Y) const;

  platform::Handler OnChange;
  platform::Handler OnChangeUser;

 protected:
  virtual void DoChange();

  void DoPaint(platform::Canvas& Canvas) override;
  virtual void drawFrame(platform::Canvas& Canvas);
  virtual void drawCaption(platform::Canvas& Canvas);
  virtual void drawItem(platform::Canvas& Canvas, int Index);

  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoWantSpecialKey(int& CharCode, int& Result) override;
  void DoKillFocus() override;

 private:
  struct Layout {
    int th = 0;
    int maxRows = 0;
    double rowSpacing = 0;
    int rowStart = 0;
    int colStart = 14;
    double colSpacing = 0;
  };
  Layout CalcLayout() const;
  platform::TRect ItemTextRect(platform::Canvas& Canvas, int Index) const;
  void LimitItemIndex();

  QString FCaption = QStringLiteral("Radio Group");
  platform::TFont FFont;
  QStringList FItems;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FMouseDown = false;
  bool FKeyDown = false;
  int FMouseDownIndex = -1;
};
