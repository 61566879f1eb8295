// TUxCustomComboBox / TUxComboBox: the flat combo box: a face in Color (or
// FocusColor, ReadOnlyColor, DisabledColor by state), a thin frame and a flat
// drop button with an arrow; the list drops down as usual.
//
// ItemIndex is -1 when nothing is selected; writing it (and FindItem) selects
// without any event. OnChange fires only for the user's pick (from the list,
// by typed prefix or by the wheel). OnMouseWheel runs first and may mark the
// wheel handled; otherwise the wheel moves to the next/previous item and fires
// OnChange. A read-only box ignores the mouse, wheel and keys.
// TUxComboBox adds a list of values parallel to the items.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QStringList>

#include <functional>

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TUxCustomComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TUxCustomComboBox(QWidget* parent = nullptr);

  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int v);
  QStringList Items() const;
  QString Item(int index) const { return itemText(index); }
  int Count() const { return count(); }

  // Appends the text; returns its index.
  int Add(const QString& text);
  // Inserts at index, moving the following entries down.
  void Insert(int index, const QString& text);
  void Delete(int index);
  void ClearItems();
  // Index of the first entry whose whole text equals text, ignoring case; -1 when absent.
  int IndexOf(const QString& text) const;
  // Selects that entry (without an event) and returns true; false leaves the selection.
  bool FindItem(const QString& text);

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle v);
  QColor Color() const { return FNormalColor; }
  void SetColor(const QColor& v);
  QColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(const QColor& v);
  QColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(const QColor& v);
  QColor ReadOnlyColor() const { return FReadOnlyColor; }
  void SetReadOnlyColor(const QColor& v);
  QColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(const QColor& v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool v) { setVisible(v); }
  int Tag() const;
  void SetTag(int v);
  // The colour the face shows now, by state.
  QColor FaceColor() const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos, bool& Handled)>
      OnMouseWheel;

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawFace(QPainter& p);
  virtual void drawText(QPainter& p);
  virtual void drawButton(QPainter& p);
  virtual void drawFrame(QPainter& p);
  QRect ButtonRect() const;

  void wheelEvent(QWheelEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void changeEvent(QEvent*) override;

  // The user's pick: subclasses update their own state, then OnChange fires.
  virtual void Change();

 private:
  void UpdateEditColors();

  TComboBoxStyle FStyle = csDropDown;
  QColor FNormalColor, FFocusColor, FDisabledColor, FReadOnlyColor, FFrameColor;
  bool FReadOnly = false;
  bool FOverControl = false;
};

class TUxComboBox : public TUxCustomComboBox {
  Q_OBJECT
 public:
  explicit TUxComboBox(QWidget* parent = nullptr);

  const QStringList& Values() const { return FValues; }
  void SetValues(const QStringList& v) { FValues = v; }
  int AddItemValue(const QString& text, const QString& value);
  void InsertItemValue(int index, const QString& text, const QString& value);
  void DeleteItemValue(int index);
  // Removes every entry and its value; afterwards nothing is selected.
  void ClearItemsValues();
  // Values[i] when present and not empty, else the item's text.
  QString GetItemValue(int index) const;

 private:
  QStringList FValues;
};
