// The combo box's state, items, colours, painting and values; its keys,
// mouse and popup are in UxComboBoxInput.cpp.
#include "controls/UxComboBox.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStyle>

using platform::Canvas;
using platform::FromQColor;
using platform::FromQRect;
using platform::TColor;
using platform::TRect;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct ComboDefaults {
  TColor normal = platform::clWindow;
  TColor focus = platform::clWindow;
  TColor disabled = platform::clBtnFace;
  TColor readOnly = platform::clInfoBk;
  TColor frame = platform::clBtnShadow;
  TColor frameHot = platform::clBtnShadow;
  TColor flatButton = platform::clBtnFace;
  TColor text = platform::clWindowText;
  TColor grayText = platform::clGrayText;
  TColor highlight = platform::clHighlight;
  TColor highlightText = platform::clHighlightText;
  TColor buttonFace = platform::clBtnFace;
  TColor buttonHighlight = platform::clBtnHighlight;
  TColor buttonShadow = platform::clBtnShadow;
  TColor window = platform::clWindow;
  int searchTimeout = 1500;  // ms
  int textInset = 2;         // item text from the left edge
};
const ComboDefaults kCombo;

constexpr int kDataRole = Qt::UserRole + 1;

// Items drawn by the box itself (OnDrawItem for the owner-drawn styles).
class ItemDelegate : public QAbstractItemDelegate {
 public:
  explicit ItemDelegate(TUxCustomComboBox* box) : QAbstractItemDelegate(box), box_(box) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    box_->DrawItem(*p, option.rect, index.row(), option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return QSize(box_->fontMetrics().horizontalAdvance(index.data().toString()) + 2 * kCombo.textInset,
                 box_->ItemHeight());
  }

 private:
  TUxCustomComboBox* box_;
};
}  // namespace

std::function<void()> TUxCustomComboBox::BeepHook;

TUxCustomComboBox::TUxCustomComboBox(QWidget* parent)
    : QComboBox(parent),
      FFlatButtonColor(Q(kCombo.flatButton)),
      FDisabledColor(Q(kCombo.disabled)),
      FReadOnlyColor(Q(kCombo.readOnly)),
      FFocusColor(Q(kCombo.focus)),
      FNormalColor(Q(kCombo.normal)),
      FFrameColor(Q(kCombo.frame)),
      FFrameHotColor(Q(kCombo.frameHot)),
      FColor(Q(kCombo.normal)) {
  setEditable(true);
  lineEdit()->installEventFilter(this);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // completion is the box's own
  setFocusPolicy(Qt::StrongFocus);
  setItemDelegate(new ItemDelegate(this));
  setMaxVisibleItems(8);
  if (auto* list = qobject_cast<QListView*>(view())) list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  view()->installEventFilter(this);
  FTimer.setParent(this);
  FTimer.setObjectName(QStringLiteral("SearchTimer"));
  FTimer.setSingleShot(true);
  FTimer.setTimerType(Qt::PreciseTimer);  // never fires early
  FTimer.setInterval(kCombo.searchTimeout);
  connect(&FTimer, &QTimer::timeout, this, [this] { SearchTimerFired(); });
  // Only the user's pick reaches OnChange; programmatic selection stays silent.
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) { Picked(); });
  ApplyEditColors();
  resize(145, 21);
}

TUxCustomComboBox::~TUxCustomComboBox() {
  if (FFrameController) FFrameController->RemoveControl(this);
}

int TUxCustomComboBox::Tag() const { return uxdraw::ControlTag(this); }
void TUxCustomComboBox::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- items ---------------------------------------------------------------------

void TUxCustomComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= count()) v = -1;
  if (v == currentIndex()) return;
  setCurrentIndex(v);
  if (v < 0 && lineEdit()) lineEdit()->clear();
}

QStringList TUxCustomComboBox::Items() const {
  QStringList list;
  for (int i = 0; i < count(); ++i) list << itemText(i);
  return list;
}

// Adding to an empty list must not select the new entry (the platform would).
int TUxCustomComboBox::Add(const QString& text) { return AddObject(text, 0); }

int TUxCustomComboBox::AddObject(const QString& text, quintptr data) {
  InsertObject(count(), text, data);
  return count() - 1;
}

void TUxCustomComboBox::Insert(int index, const QString& text) { InsertObject(index, text, 0); }

void TUxCustomComboBox::InsertObject(int index, const QString& text, quintptr data) {
  const bool none = currentIndex() < 0;
  const QString edit = lineEdit() ? lineEdit()->text() : QString();
  insertItem(index, text);
  if (data) setItemData(index, QVariant::fromValue<quintptr>(data), kDataRole);
  if (none) {
    setCurrentIndex(-1);
    if (lineEdit()) lineEdit()->setText(edit);
  }
}

quintptr TUxCustomComboBox::ItemData(int index) const { return itemData(index, kDataRole).value<quintptr>(); }

void TUxCustomComboBox::Delete(int index) {
  if (index < 0 || index >= count()) return;
  if (const quintptr data = ItemData(index)) DeleteItem(data);
  removeItem(index);
}

void TUxCustomComboBox::ClearItems() {
  for (int i = 0; i < count(); ++i)
    if (const quintptr data = ItemData(i)) DeleteItem(data);
  clear();
  if (lineEdit()) lineEdit()->clear();
}

void TUxCustomComboBox::DeleteItem(quintptr data) {
  if (OnDeleteItem) OnDeleteItem(this, data);
}

int TUxCustomComboBox::IndexOf(const QString& text) const {
  for (int i = 0; i < count(); ++i)
    if (itemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool TUxCustomComboBox::FindItem(const QString& text) {
  const int i = IndexOf(text);
  if (i < 0) return false;
  SetItemIndex(i);
  return true;
}

int TUxCustomComboBox::FindClosest(const QString& text) const {
  for (int i = 0; i < count(); ++i)
    if (itemText(i).startsWith(text, Qt::CaseInsensitive)) return i;
  return -1;
}

bool TUxCustomComboBox::FindClosestItem(const QString& text) {
  const int i = FindClosest(text);
  if (i < 0) return false;
  SetItemIndex(i);
  return true;
}

void TUxCustomComboBox::SetEditTextQuietly(const QString& text) {
  if (!lineEdit()) return;
  const QSignalBlocker block(lineEdit());
  lineEdit()->setText(text);
}

void TUxCustomComboBox::ForceText(const QString& v) {
  if (v == Text()) return;
  if (lineEdit()) SetEditTextQuietly(v);
  else SetItemIndex(IndexOf(v));
}

// A text set from outside completes in place: the first item beginning with
// it is selected and the rest after it highlighted.
void TUxCustomComboBox::SetText(const QString& v) {
  if (!lineEdit()) {
    SetItemIndex(IndexOf(v));
    return;
  }
  if (!FEnterPressed) FSearchString = v;
  SetEditTextQuietly(v);
  if (FStyle == csDropDown && FAutoComplete && !view()->isVisible()) {
    const int i = FindClosest(FSearchString);
    if (i >= 0) {
      setCurrentIndex(i);
      lineEdit()->setText(itemText(i));
      lineEdit()->setSelection(int(itemText(i).size()), -int(itemText(i).size() - FSearchString.size()));
    }
  }
  FTyping = false;
}

int TUxCustomComboBox::ItemHeight() const { return FItemHeight > 0 ? FItemHeight : fontMetrics().height() + 2; }

void TUxCustomComboBox::SetItemHeight(int v) {
  if (v == FItemHeight) return;
  // Only the owner-drawn styles take it.
  if (FStyle != csOwnerDrawFixed && FStyle != csOwnerDrawVariable) return;
  FItemHeight = v;
  view()->doItemsLayout();
  update();
}

void TUxCustomComboBox::SetMaxLength(int v) {
  FMaxLength = std::max(v, 0);
  if (lineEdit()) lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TUxCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  const bool editable = v == csDropDown || v == csSimple;
  const int keep = currentIndex();
  setEditable(editable);
  if (lineEdit()) {
    lineEdit()->installEventFilter(this);
    setCompleter(nullptr);
  }
  setCurrentIndex(keep);
  SetMaxLength(FMaxLength);
  ApplyEditColors();
  update();
}

// ---- colours and frame ---------------------------------------------------------

#define UX_REPAINT_SETTER(Name, Type, Field) \
  void TUxCustomComboBox::Set##Name(Type v) { \
    if (v == Field) return;                   \
    Field = v;                                \
    update();                                 \
  }

UX_REPAINT_SETTER(FlatButtonColor, const QColor&, FFlatButtonColor)
UX_REPAINT_SETTER(FlatButtons, bool, FFlatButtons)
UX_REPAINT_SETTER(FrameColor, const QColor&, FFrameColor)
UX_REPAINT_SETTER(FrameHotColor, const QColor&, FFrameHotColor)
UX_REPAINT_SETTER(FrameHotStyle, TFrameStyle, FFrameHotStyle)
UX_REPAINT_SETTER(FrameSides, uxdraw::TSides, FFrameSides)
UX_REPAINT_SETTER(FrameStyle, TFrameStyle, FFrameStyle)
UX_REPAINT_SETTER(FrameVisible, bool, FFrameVisible)
UX_REPAINT_SETTER(FramingPreference, uxdraw::TFramingPreference, FFramingPreference)

#undef UX_REPAINT_SETTER

void TUxCustomComboBox::SetFrameHotTrack(bool v) {
  if (v == FFrameHotTrack) return;
  FFrameHotTrack = v;
  if (v) {
    FFrameVisible = true;
    FFrameSides = uxdraw::AllSides;
  }
  update();
}

void TUxCustomComboBox::SetColor(const QColor& v) {
  if (v == FNormalColor) return;
  if (FFocusColor == FNormalColor) FFocusColor = v;  // a focus colour equal to the face follows it
  FNormalColor = v;
  UpdateColors();
}

void TUxCustomComboBox::SetFocusColor(const QColor& v) {
  if (v == FFocusColor) return;
  FFocusColor = v;
  if (FIsFocused) UpdateColors();
}

void TUxCustomComboBox::SetDisabledColor(const QColor& v) {
  if (v == FDisabledColor) return;
  FDisabledColor = v;
  if (!isEnabled()) UpdateColors();
}

void TUxCustomComboBox::SetReadOnlyColor(const QColor& v) {
  if (v == FReadOnlyColor) return;
  FReadOnlyColor = v;
  if (FReadOnly) UpdateColors();
}

void TUxCustomComboBox::SetReadOnlyColorOnFocus(bool v) {
  if (v == FReadOnlyColorOnFocus) return;
  FReadOnlyColorOnFocus = v;
  UpdateColors();
}

void TUxCustomComboBox::SetReadOnly(bool v) {
  if (v == FReadOnly) return;
  FReadOnly = v;
  if (lineEdit()) lineEdit()->setReadOnly(v);
  UpdateColors();
}

void TUxCustomComboBox::SetFrameController(TUxFrameController* v) { LinkFrameController(this, FFrameController, v); }

bool TUxCustomComboBox::UseThemes() const {
  return FFramingPreference == uxdraw::fpXPThemes && uxdraw::UseThemes();
}

void TUxCustomComboBox::UpdateColors() {
  FUpdatingColor = true;
  if (!isEnabled()) FColor = FDisabledColor;
  else if (FIsFocused) FColor = FReadOnly && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor;
  else FColor = FReadOnly ? FReadOnlyColor : FNormalColor;
  ApplyEditColors();
  FUpdatingColor = false;
  update();
}

void TUxCustomComboBox::UpdateFrame(bool mouseOrFocus, bool value) {
  if (mouseOrFocus) FOverControl = value;
  else FInControl = FIsFocused = value;
  UpdateColors();
}

void TUxCustomComboBox::ApplyEditColors() {
  if (!lineEdit()) return;
  lineEdit()->setFrame(false);
  QPalette pal = lineEdit()->palette();
  pal.setColor(QPalette::Base, FColor);
  pal.setColor(QPalette::Disabled, QPalette::Base, FColor);
  pal.setColor(QPalette::Text, Q(kCombo.text));
  pal.setColor(QPalette::Disabled, QPalette::Text, Q(kCombo.grayText));
  pal.setColor(QPalette::Highlight, Q(kCombo.highlight));
  pal.setColor(QPalette::HighlightedText, Q(kCombo.highlightText));
  lineEdit()->setPalette(pal);
  lineEdit()->setReadOnly(FReadOnly);
}

// ---- painting ------------------------------------------------------------------

int TUxCustomComboBox::ScrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view()); }

// The scroll-bar-wide strip at the right, 2 pixels in.
QRect TUxCustomComboBox::ButtonRect() const {
  const int w = ScrollBarWidth();
  if (layoutDirection() == Qt::RightToLeft) return QRect(2, 2, w, height() - 4);
  return QRect(width() - 2 - w, 2, w, height() - 4);
}

QRect TUxCustomComboBox::TextRect() const {
  QRect r = rect().adjusted(2, 2, -2, -2);
  if (ButtonVisible()) {
    if (layoutDirection() == Qt::RightToLeft) r.setLeft(ButtonRect().right() + 1);
    else r.setRight(ButtonRect().left() - 1);
  }
  return r;
}

void TUxCustomComboBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawFace(p);
  if (!lineEdit()) drawText(p);
  if (ButtonVisible()) drawButton(p);
  drawFrame(p);
}

void TUxCustomComboBox::drawFace(QPainter& p) { p.fillRect(rect(), FColor); }

void TUxCustomComboBox::DrawItem(QPainter& p, const QRect& r, int index, bool selected) {
  p.save();
  p.setFont(font());
  if ((FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) && OnDrawItem && index >= 0) {
    OnDrawItem(this, index, r, selected, p);
  } else {
    const QColor back = selected ? Q(kCombo.highlight) : FColor;
    p.fillRect(r, back);
    if (index >= 0) {
      p.setPen(selected ? Q(kCombo.highlightText) : isEnabled() ? Q(kCombo.text) : Q(kCombo.grayText));
      p.drawText(r.adjusted(kCombo.textInset, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                 itemText(index));
    }
  }
  if (selected && FShowFocus) {
    Canvas c(p);
    uxdraw::DrawDottedOutline(c, FromQRect(r));
  }
  p.restore();
}

// The selected item in the edit area of the list styles, highlighted while focused.
void TUxCustomComboBox::drawText(QPainter& p) {
  const QRect r = TextRect().adjusted(1, 1, -1, -1);
  const bool selected = FIsFocused && !FReadOnly && !view()->isVisible();
  if (currentIndex() < 0 && !selected) return;
  DrawItem(p, r, currentIndex(), selected);
}

void TUxCustomComboBox::drawButton(QPainter& p) {
  Canvas c(p);
  const TRect b = FromQRect(ButtonRect());
  const bool dropped = view()->isVisible();
  if (FReadOnly) {  // no visible button
    c.Brush.Color = FromQColor(FColor);
    c.FillRect(b);
    return;
  }
  auto arrow = [&](const TRect& r, TColor fill, bool pressed) {
    c.Brush.Color = fill;
    c.Brush.Style = platform::bsSolid;
    c.FillRect(r);
    uxdraw::DrawDropDownArrow(c, pressed ? r.Offset(1, 1) : r, 2, isEnabled());
  };
  if (!FFlatButtons) {  // the platform's button
    const TRect inside = uxdraw::DrawPushFrame(c, b, dropped);
    arrow(inside, kCombo.buttonFace, dropped);
    return;
  }
  if (!Hot()) {
    arrow(b, FromQColor(FColor), false);
    return;
  }
  const TColor flat = FromQColor(FFlatButtonColor);
  TRect inside;
  if (flat == platform::ColorToRGB(kCombo.buttonFace))
    inside = dropped ? uxdraw::DrawFrameBands(c, b, kCombo.buttonShadow, uxdraw::AllSides, 1, kCombo.buttonHighlight)
                     : uxdraw::DrawFrameBands(c, b, kCombo.buttonHighlight, uxdraw::AllSides, 1, kCombo.buttonShadow);
  else
    inside = uxdraw::DrawTintedFrame(c, b, flat, dropped ? fsStatus : fsPopup);
  arrow(inside, flat, dropped);
}

void TUxCustomComboBox::drawFrame(QPainter& p) {
  Canvas c(p);
  const TRect all = FromQRect(rect());
  const TColor face = FromQColor(FColor);
  if (!FFrameVisible || UseThemes()) {
    uxdraw::DrawThreeDFrameSides(c, all, true, uxdraw::AllSides);  // the platform's sunken border
    return;
  }
  // The platform's border is covered in the face colour, then the flat frame.
  uxdraw::DrawFrameBands(c, all, face, uxdraw::AllSides, 2, face);
  const bool hot = Hot() && FFrameHotTrack;
  const TFrameStyle style = hot ? FFrameHotStyle : FFrameStyle;
  const TColor color = FromQColor(hot ? FFrameHotColor : FFrameColor);
  switch (style) {
    case fsFlat: uxdraw::DrawFrameSides(c, all, color, FFrameSides, color); break;
    case fsFlatBold: uxdraw::DrawFrameBands(c, all, color, FFrameSides, 2, color); break;
    default:
      if (face == platform::ColorToRGB(kCombo.window)) uxdraw::DrawStyledFrameSides(c, all, style, FFrameSides);
      else uxdraw::DrawTintedFrameSides(c, all, face, FFrameSides, style);
      break;
  }
}

// ---- TUxComboBox ---------------------------------------------------------------

TUxComboBox::TUxComboBox(QWidget* parent) : TUxCustomComboBox(parent) {}

int TUxComboBox::AddItemValue(const QString& text, const QString& value) {
  const int i = Add(text);
  while (FValues.size() < i) FValues << QString();
  FValues.insert(i, value);
  return i;
}

void TUxComboBox::InsertItemValue(int index, const QString& text, const QString& value) {
  Insert(index, text);
  while (FValues.size() < index) FValues << QString();
  FValues.insert(index, value);
}

void TUxComboBox::DeleteItemValue(int index) {
  Delete(index);
  if (index >= 0 && index < FValues.size()) FValues.removeAt(index);
}

void TUxComboBox::ClearItemsValues() {
  ClearItems();
  FValues.clear();
}

void TUxComboBox::SetValues(const QStringList& v) {
  FValues = v;
  FForceSetValue = true;
  SetValue(FValue);
  FForceSetValue = false;
}

QString TUxComboBox::GetItemValue(int index) const {
  if (index >= 0 && index < FValues.size() && !FValues[index].isEmpty()) return FValues[index];
  if (index >= 0 && index < count()) return itemText(index);
  return {};
}

QString TUxComboBox::Value() const {
  const bool list = Style() == csDropDownList || Style() == csOwnerDrawFixed || Style() == csOwnerDrawVariable;
  const int i = list ? ItemIndex() : Text().isEmpty() ? -1 : IndexOf(Text());
  if (i >= 0 && i < FValues.size() && !FValues[i].isEmpty()) return FValues[i];
  return Text();
}

void TUxComboBox::SetValue(const QString& v) {
  if (v == FValue && !FForceSetValue) return;
  FInSetValue = true;
  int found = -1;
  for (int i = 0; i < count() && found < 0; ++i)
    if (GetItemValue(i) == v) found = i;
  SetItemIndex(found);
  FValue = v;
  FInSetValue = false;
}

void TUxComboBox::Change() {
  if (FInSetValue || FForceSetValue) return;
  TUxCustomComboBox::Change();
  if (ItemIndex() >= 0) SetValue(GetItemValue(ItemIndex()));
}

void TUxComboBox::Click() {
  if (FInSetValue) return;
  TUxCustomComboBox::Click();
  if (ItemIndex() >= 0) SetValue(GetItemValue(ItemIndex()));
}
