// TUxCustomComboBox / TUxComboBox: the flat combo box.
//
// Colours: the face shows Color, FocusColor while focused, ReadOnlyColor
// while read-only (also focused with ReadOnlyColorOnFocus), DisabledColor
// while disabled (UpdateColors). Writing Color moves FocusColor along when
// the two were equal.
//
// Look (visual themes are never active): the platform's sunken border, or
// with FrameVisible the flat frame (FrameStyle in FrameColor on FrameSides;
// FrameHotStyle in FrameHotColor while hot with FrameHotTrack); the drop
// button at the right, flat with FlatButtons (face and arrow, raised in
// FlatButtonColor while hot), hidden on a read-only box. Items are drawn by
// the box (OnDrawItem for the owner-drawn styles): selected in the highlight
// colours, text 2 pixels in.
//
// Selection: ItemIndex is -1 when nothing is selected; writing it (and
// FindItem) selects without any event. The user's pick from the list, a
// typed prefix and the wheel run Click then Change (OnClick, OnChange).
//
// Typing in the list styles searches by prefix, ignoring case: each printable
// key extends the search string (a key that matches nothing beeps and is
// dropped); 1.5 s without a key, Escape, a navigation key or leaving the box
// clears it; Backspace shortens it (on an empty one it beeps and selects the
// first item). The editable style csDropDown completes while typing
// (AutoComplete): the first item beginning with the typed text is selected,
// the completed rest highlighted, OnMatch raised when the item changed; a text
// that completes to nothing is kept with AllowEdit (else beeps), and leaving
// the box with a text that names no item raises OnNotInList. A read-only box
// ignores the mouse, the wheel and the keys.
//
// OnMouseWheel runs first and may mark the wheel handled; otherwise a dropped
// list scrolls by the system's wheel lines, a closed box moves to the next or
// previous item. The list drops down as wide as DropDownWidth, or (0) as its
// widest item + the scroll bar (when there are more items than DropDownCount)
// + 8, never narrower than the box, and opens with the selected item on its
// top row (as near the top as the list's end allows).
//
// TUxComboBox adds Values parallel to the items and Value: the selected
// item's value (its text when the value is empty); writing Value selects the
// first item with that value, and every pick re-selects by value.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

#include "controls/UxDraw.h"
#include "controls/UxFrameController.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TUxCustomComboBox : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(QColor FocusColor READ FocusColor WRITE SetFocusColor)
  Q_PROPERTY(QColor DisabledColor READ DisabledColor WRITE SetDisabledColor)
  Q_PROPERTY(QColor ReadOnlyColor READ ReadOnlyColor WRITE SetReadOnlyColor)
  Q_PROPERTY(bool ReadOnlyColorOnFocus READ ReadOnlyColorOnFocus WRITE SetReadOnlyColorOnFocus)
  Q_PROPERTY(QColor FlatButtonColor READ FlatButtonColor WRITE SetFlatButtonColor)
  Q_PROPERTY(bool FlatButtons READ FlatButtons WRITE SetFlatButtons)
  Q_PROPERTY(QColor FrameColor READ FrameColor WRITE SetFrameColor)
  Q_PROPERTY(QColor FrameHotColor READ FrameHotColor WRITE SetFrameHotColor)
  Q_PROPERTY(bool FrameHotTrack READ FrameHotTrack WRITE SetFrameHotTrack)
  Q_PROPERTY(int FrameHotStyle READ FrameHotStyleValue WRITE SetFrameHotStyleValue)
  Q_PROPERTY(unsigned FrameSides READ FrameSides WRITE SetFrameSides)
  Q_PROPERTY(int FrameStyle READ FrameStyleValue WRITE SetFrameStyleValue)
  Q_PROPERTY(bool FrameVisible READ FrameVisible WRITE SetFrameVisible)
  Q_PROPERTY(int FramingPreference READ FramingPreferenceValue WRITE SetFramingPreferenceValue)
  Q_PROPERTY(unsigned FrameControllerNotifications READ FrameControllerNotifications WRITE
                 SetFrameControllerNotifications)
 public:
  explicit TUxCustomComboBox(QWidget* parent = nullptr);
  ~TUxCustomComboBox() override;

  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int v);
  QStringList Items() const;
  QString Item(int index) const { return itemText(index); }
  int Count() const { return count(); }
  QString Text() const { return currentText(); }
  // Sets the text and, in csDropDown, completes it in place.
  void SetText(const QString& v);
  // Sets the text with auto-completion suspended.
  void ForceText(const QString& v);

  // Appends the text; returns its index.
  int Add(const QString& text);
  // With data: OnDeleteItem receives a non-zero data when the item goes.
  int AddObject(const QString& text, quintptr data);
  // Inserts at index, moving the following entries down.
  void Insert(int index, const QString& text);
  void InsertObject(int index, const QString& text, quintptr data);
  void Delete(int index);
  void ClearItems();
  quintptr ItemData(int index) const;
  // Index of the first entry whose whole text equals text, ignoring case; -1 when absent.
  virtual int IndexOf(const QString& text) const;
  // Selects that entry (without an event) and returns true; false leaves the selection.
  bool FindItem(const QString& text);
  // Index of the first entry beginning with text, ignoring case; -1 when absent.
  virtual int FindClosest(const QString& text) const;
  // FindItem with FindClosest.
  bool FindClosestItem(const QString& text);
  QString SearchString() const { return FSearchString; }
  void ClearSearchString() { FSearchString.clear(); }

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle v);
  // The colour written (the face's when neither focused, read-only nor disabled).
  QColor Color() const { return FNormalColor; }
  void SetColor(const QColor& v);
  QColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(const QColor& v);
  QColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(const QColor& v);
  QColor ReadOnlyColor() const { return FReadOnlyColor; }
  void SetReadOnlyColor(const QColor& v);
  bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool v);
  QColor FlatButtonColor() const { return FFlatButtonColor; }
  void SetFlatButtonColor(const QColor& v);
  bool FlatButtons() const { return FFlatButtons; }
  void SetFlatButtons(bool v);
  QColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(const QColor& v);
  QColor FrameHotColor() const { return FFrameHotColor; }
  void SetFrameHotColor(const QColor& v);
  bool FrameHotTrack() const { return FFrameHotTrack; }
  void SetFrameHotTrack(bool v);
  TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
  void SetFrameHotStyle(TFrameStyle v);
  uxdraw::TSides FrameSides() const { return FFrameSides; }
  void SetFrameSides(uxdraw::TSides v);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle v);
  bool FrameVisible() const { return FFrameVisible; }
  void SetFrameVisible(bool v);
  uxdraw::TFramingPreference FramingPreference() const { return FFramingPreference; }
  void SetFramingPreference(uxdraw::TFramingPreference v);
  TUxFrameController* FrameController() const { return FFrameController; }
  void SetFrameController(TUxFrameController* v);
  TUxFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
  void SetFrameControllerNotifications(TUxFrameControllerNotifications v) { FFrameControllerNotifications = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  bool AllowEdit() const { return FAllowEdit; }
  void SetAllowEdit(bool v) { FAllowEdit = v; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool v) { FAutoComplete = v; }
  bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
  void SetBeepOnInvalidKey(bool v) { FBeepOnInvalidKey = v; }
  bool KeepSearchCase() const { return FKeepSearchCase; }
  void SetKeepSearchCase(bool v) { FKeepSearchCase = v; }
  bool TabOnEnter() const { return FTabOnEnter; }
  void SetTabOnEnter(bool v) { FTabOnEnter = v; }
  bool AutoDropDown() const { return FAutoDropDown; }
  void SetAutoDropDown(bool v) { FAutoDropDown = v; }
  // 0: no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  int DropDownCount() const { return maxVisibleItems(); }
  void SetDropDownCount(int v) { setMaxVisibleItems(v); }
  // 0 or less: computed from the items.
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int v) { FDropDownWidth = v; }
  // The width the list drops down with.
  int ActualDropDownWidth() const;
  // The owner-drawn styles only; 0 is the font's height + 2.
  int ItemHeight() const;
  void SetItemHeight(int v);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool v) { FShowFocus = v; }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool v) { setVisible(v); }
  int Tag() const;
  void SetTag(int v);
  // The colour the face shows now, by state.
  QColor FaceColor() const { return FColor; }
  // Themes are never active: false.
  bool UseThemes() const;
  // Whether the box holds the focus.
  bool IsFocused() const { return FIsFocused; }

  // Draws item index (-1: an empty position) into r.
  void DrawItem(QPainter& p, const QRect& r, int index, bool selected);

  // Replaces the beep of a rejected key (tests); empty: QApplication::beep.
  static std::function<void()> BeepHook;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnClick;
  std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
  std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos, bool& Handled)>
      OnMouseWheel;
  std::function<void(QObject* Sender, int Index, QRect Rect, bool Selected, QPainter& Canvas)> OnDrawItem;
  std::function<void(QObject* Sender, quintptr Data)> OnDeleteItem;
  std::function<void(QObject* Sender)> OnMatch;
  std::function<void(QObject* Sender)> OnNotInList;
  std::function<void(QObject* Sender)> OnSelEndOk;
  std::function<void(QObject* Sender)> OnSelEndCancel;

  void showPopup() override;
  void hidePopup() override;

 protected:
  virtual void UpdateColors();
  // Focus (mouseOrFocus false) or mouse (true) entered or left.
  virtual void UpdateFrame(bool mouseOrFocus, bool value);
  virtual void InvalidKeyPressed();
  virtual void SelectByPrefix(const QString& text);
  virtual bool AutoCompleteText(const QString& text);
  virtual void DeleteItem(quintptr data);
  // The key-press event: OnKeyPress may clear the key.
  virtual void KeyPress(QChar& key);
  virtual void Match();
  virtual void NotInList();
  virtual void SelEndOk();
  virtual void SelEndCancel();
  // The user's pick: Click then Change; subclasses update their own state.
  virtual void Click();
  virtual void Change();

  void paintEvent(QPaintEvent*) override;
  // The paint steps, in order.
  virtual void drawFace(QPainter& p);
  virtual void drawText(QPainter& p);
  virtual void drawButton(QPainter& p);
  virtual void drawFrame(QPainter& p);
  QRect ButtonRect() const;
  QRect TextRect() const;
  bool ButtonVisible() const { return FStyle != csSimple; }
  bool Hot() const { return FInControl || FOverControl; }
  int ScrollBarWidth() const;

  bool eventFilter(QObject* watched, QEvent* e) override;
  void wheelEvent(QWheelEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void changeEvent(QEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  // Q_PROPERTY access to the enumerated settings.
  int FrameHotStyleValue() const { return FFrameHotStyle; }
  void SetFrameHotStyleValue(int v) { SetFrameHotStyle(TFrameStyle(v)); }
  int FrameStyleValue() const { return FFrameStyle; }
  void SetFrameStyleValue(int v) { SetFrameStyle(TFrameStyle(v)); }
  int FramingPreferenceValue() const { return FFramingPreference; }
  void SetFramingPreferenceValue(int v) { SetFramingPreference(uxdraw::TFramingPreference(v)); }

  bool ListStyle() const { return FStyle == csDropDownList || FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  void ListKey(QKeyEvent* e);
  bool ListChar(QChar ch);
  void ListBackspace();
  bool EditKey(QKeyEvent* e);
  void EditChar(QKeyEvent* e);
  void EditBackspace();
  void AfterKeyPress(QKeyEvent* e);
  void SearchTimerFired();
  void Picked();
  void ApplyEditColors();
  void SetEditTextQuietly(const QString& text);

  TComboBoxStyle FStyle = csDropDown;
  bool FAutoComplete = true;
  bool FAllowEdit = true;
  bool FBeepOnInvalidKey = true;
  bool FFlatButtons = false;
  QColor FFlatButtonColor;
  bool FUpdatingColor = false;
  QColor FDisabledColor, FReadOnlyColor;
  bool FReadOnlyColorOnFocus = false;
  QColor FFocusColor, FNormalColor, FFrameColor;
  QPointer<TUxFrameController> FFrameController;
  TUxFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications;
  QColor FFrameHotColor;
  bool FFrameHotTrack = false;
  TFrameStyle FFrameHotStyle = fsFlatBold;
  uxdraw::TSides FFrameSides = uxdraw::AllSides;
  TFrameStyle FFrameStyle = fsFlat;
  bool FFrameVisible = false;
  uxdraw::TFramingPreference FFramingPreference = uxdraw::fpXPThemes;
  bool FKeepSearchCase = false;
  QString FSearchString;
  int FDropDownWidth = 0;
  int FKeyCount = 0;
  QTimer FTimer;
  bool FTabOnEnter = false;
  bool FTyping = false;
  bool FEnterPressed = false;
  bool FReadOnly = false;
  bool FAutoDropDown = false;
  int FMaxLength = 0;
  int FItemHeight = 0;
  bool FInControl = false;
  bool FOverControl = false;
  bool FShowFocus = true;
  bool FIsFocused = false;
  bool FDropped = false;  // the list was opened and neither confirmed nor cancelled yet
  QColor FColor;         // the face now
};

class TUxComboBox : public TUxCustomComboBox {
  Q_OBJECT
 public:
  explicit TUxComboBox(QWidget* parent = nullptr);

  const QStringList& Values() const { return FValues; }
  // Copies the list and re-selects by the current Value.
  void SetValues(const QStringList& v);
  int AddItemValue(const QString& text, const QString& value);
  void InsertItemValue(int index, const QString& text, const QString& value);
  void DeleteItemValue(int index);
  // Removes every entry and its value; afterwards nothing is selected.
  void ClearItemsValues();
  // Values[i] when present and not empty, else the item's text.
  QString GetItemValue(int index) const;
  QString Value() const;
  void SetValue(const QString& v);

 protected:
  void Change() override;
  void Click() override;

 private:
  QString FValue;
  QStringList FValues;
  bool FInSetValue = false;
  bool FForceSetValue = false;
};
