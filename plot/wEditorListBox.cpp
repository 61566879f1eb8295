#include "plot/wEditorListBox.h"

#include <QDropEvent>
#include <QHash>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <algorithm>

using namespace platform;

namespace {

constexpr int ObjectRole = Qt::UserRole + 1;

class ListBoxDelegate : public QStyledItemDelegate {
 public:
  explicit ListBoxDelegate(TwComponentEditorListBox* list) : QStyledItemDelegate(list), list_(list) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    Canvas canvas(*painter);
    list_->DrawItem(canvas, index.row(), FromQRect(option.rect), option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(list_->viewport()->width(), list_->ItemHeight());
  }

 private:
  TwComponentEditorListBox* list_;
};

}  // namespace

TwComponentEditorListBox::TwComponentEditorListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new ListBoxDelegate(this));
  setUniformItemSizes(true);
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  // The user's selection only, as the list's own selection notification.
  connect(this, &QListWidget::currentRowChanged, this, [this] {
    if (!FSelecting && OnClick) OnClick(this);
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this] {
    if (OnDblClick) OnDblClick(this);
  });
}

TwComponentEditorListBox::~TwComponentEditorListBox() { Clear(); }

int TwComponentEditorListBox::ItemHeight() const { return std::max(fontMetrics().height() + 2, 16); }

void TwComponentEditorListBox::SetItemIndex(int Value) {
  const QScopedValueRollback<bool> selecting(FSelecting, true);
  setCurrentRow(Value >= 0 && Value < count() ? Value : -1);
}

QString TwComponentEditorListBox::Strings(int Index) const {
  const QListWidgetItem* it = item(Index);
  return it ? it->text() : QString();
}

void* TwComponentEditorListBox::Objects(int Index) const {
  const QListWidgetItem* it = item(Index);
  return it ? reinterpret_cast<void*>(it->data(ObjectRole).value<quintptr>()) : nullptr;
}

int TwComponentEditorListBox::AddObject(const QString& Text, void* Object, FreeFunction FreeObject) {
  auto* it = new QListWidgetItem(Text);
  it->setData(ObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(Object)));
  it->setFlags(it->flags() | Qt::ItemIsDragEnabled);
  addItem(it);
  if (Object && FreeObject) FOwned.insert(Object, std::move(FreeObject));
  return count() - 1;
}

void TwComponentEditorListBox::FreeEntry(int Index) {
  void* object = Objects(Index);
  const FreeFunction free = FOwned.take(object);
  if (free) free(object);
}

void TwComponentEditorListBox::Clear() {
  const QScopedValueRollback<bool> selecting(FSelecting, true);
  for (int i = 0; i < count(); ++i) FreeEntry(i);
  clear();
}

void TwComponentEditorListBox::SelectLast() { SetItemIndex(count() - 1); }

void TwComponentEditorListBox::DeleteSelectedObject() {
  const int index = ItemIndex();
  if (count() == 0 || index < 0) return;
  FreeEntry(index);
  {
    const QScopedValueRollback<bool> selecting(FSelecting, true);
    delete takeItem(index);
  }
  if (count() > 0) SetItemIndex(std::min(index, count() - 1));
}

void TwComponentEditorListBox::DeleteObjectIndex(void* AObject) {
  int found = -1;
  for (int i = 0; i < count() && found < 0; ++i)
    if (Objects(i) == AObject) found = i;
  if (found < 0) return;
  const int old = ItemIndex();
  FOwned.remove(AObject);
  {
    const QScopedValueRollback<bool> selecting(FSelecting, true);
    delete takeItem(found);
  }
  if (count() > 0) SetItemIndex(old >= 0 && old < count() ? old : count() - 1);
}

void TwComponentEditorListBox::DropAt(int Y) {
  const int from = ItemIndex();
  if (from < 0 || count() == 0) return;
  const QModelIndex top = indexAt(QPoint(1, 1));
  const int topIndex = top.isValid() ? top.row() : 0;
  const int target = std::min((Y + topIndex * ItemHeight()) / ItemHeight(), count() - 1);
  if (target == from) return;
  const QScopedValueRollback<bool> selecting(FSelecting, true);
  QListWidgetItem* it = takeItem(from);
  insertItem(target, it);
  SetItemIndex(target);
  if (OnItemMove) OnItemMove(this);
}

void TwComponentEditorListBox::dragEnterEvent(QDragEnterEvent* e) {
  if (e->source() == this)
    e->acceptProposedAction();
  else
    e->ignore();
}

void TwComponentEditorListBox::dragMoveEvent(QDragMoveEvent* e) {
  if (e->source() == this)
    e->acceptProposedAction();
  else
    e->ignore();
}

void TwComponentEditorListBox::dropEvent(QDropEvent* e) {
  if (e->source() != this) {
    e->ignore();
    return;
  }
  DropAt(e->position().toPoint().y());
  // Copy: the view must not remove the dragged row itself afterwards.
  e->setDropAction(Qt::CopyAction);
  e->accept();
}

// ---- drawing ------------------------------------------------------------------

void TwComponentEditorListBox::DrawItem(Canvas& Canvas, int Index, const TRect& Rect, bool Selected) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Canvas, Rect, Selected);
    return;
  }
  bool drawColorBox = true;
  TColor color = clRed;
  QString text = Strings(Index);
  if (OnGetData) OnGetData(Index, drawColorBox, color, text);
  Canvas.Brush = TBrush{Selected ? TColor(0x808000) : clWindow, bsSolid};
  Canvas.Font.Color = Selected ? clWhite : clBlack;
  Canvas.FillRect(Rect);
  Canvas.BkMode = bkTransparent;
  if (drawColorBox) {
    Canvas.TextOut(Rect.Left + 22, Rect.Top, text);
    Canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
    Canvas.Brush = TBrush{color, bsSolid};
    Canvas.Rectangle(Rect.Left + 2, Rect.Top + 1, Rect.Left + 18, Rect.Bottom - 1);
  } else {
    Canvas.TextOut(Rect.Left + 2, Rect.Top, text);
  }
}
