// TwComponentEditorListBox: the object lists of the plot's editor windows.
// Each entry is a text with an object; the list may own the objects (a
// FreeObject function given with the entry). Entries are drawn by the list
// itself, with a colour box before the text unless OnGetData says otherwise
// (or by OnDrawItem when set); the selected entry is white on teal.
//
// - SelectLast selects the last entry.
// - DeleteSelectedObject deletes the selected entry and frees its object,
//   then selects the same index, or the new last entry; without a selection
//   it does nothing.
// - DeleteObjectIndex(Object) deletes the entry of Object without freeing
//   it and keeps the selection's index while it is still valid, else the
//   last entry.
// - Dragging an entry within the list and dropping it moves it to the row
//   under the drop point (below the last row: the end) and selects it, then
//   OnItemMove. Drops from elsewhere are refused.
// - OnClick follows the user's selection, OnDblClick a double click; the
//   program's selections raise nothing.
#pragma once

#include <QHash>
#include <QListWidget>
#include <QString>

#include <functional>

#include "platform/Canvas.h"
#include "platform/Form.h"

class TwComponentEditorListBox : public QListWidget {
  Q_OBJECT
 public:
  using TwListBoxGetDataEvent =
      std::function<void(int Index, bool& DrawColorBox, platform::TColor& AColor, QString& AText)>;
  using TDrawItemEvent = std::function<void(QObject* Sender, int Index, platform::Canvas& Canvas,
                                            const platform::TRect& Rect, bool Selected)>;
  using FreeFunction = std::function<void(void* Object)>;

  explicit TwComponentEditorListBox(QWidget* parent = nullptr);
  ~TwComponentEditorListBox() override;

  int Count() const { return count(); }
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int Value);
  QString Strings(int Index) const;
  void* Objects(int Index) const;
  int AddObject(const QString& Text, void* Object, FreeFunction FreeObject = nullptr);
  void Clear();
  int ItemHeight() const;

  void SelectLast();
  void DeleteSelectedObject();
  void DeleteObjectIndex(void* AObject);
  // The drop of the dragged (selected) entry at Y, in the list's coordinates.
  void DropAt(int Y);

  // Draws entry Index into Rect as the list shows it.
  void DrawItem(platform::Canvas& Canvas, int Index, const platform::TRect& Rect, bool Selected);

  TwListBoxGetDataEvent OnGetData;
  platform::Handler OnItemMove;
  TDrawItemEvent OnDrawItem;
  platform::Handler OnClick;
  platform::Handler OnDblClick;

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void FreeEntry(int Index);

  QHash<void*, FreeFunction> FOwned;
  bool FSelecting = false;  // a selection made by the program
};
