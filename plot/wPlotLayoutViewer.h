// TwPlotLayoutViewer: the Layout page's schematic of a plot's layout. Each
// row of layout objects is one cell-thick row or column around the data
// view (the horizontal placeholder, named "Data View", stands for it); the
// selected object is yellow, the others grey, hidden ones cross-hatched.
//
// The mouse edits the layout: a press on an axis, label, table or legend
// picks it up (toolbars and data views cannot be picked up); dropping it on
// another object of its row swaps their percentages, on a row block moves
// it below or above that row or (axis on axis, label on label or legend)
// merges it into the row, sharing the row in equal parts; a non-axis may
// change orientation. Axes never change orientation. Within 6 pixels of an
// object's end the cursor becomes a sizing cursor and a drag moves that
// end in steps of 1.25 % of the data view. Every finished change raises
// OnChange. Without a layout manager only the background is drawn.
//
// Only the left button drags or resizes; other buttons only report the press
// (OnMouseDownAt; the editor's popup menu acts on the object under it). A
// drag whose release never arrives (a popup took the mouse) ends unfinished
// at the next move. The owner calls ObjectRemoved for every object the
// layout manager drops, so the viewer keeps no pointer to it.
#pragma once

#include <memory>
#include <vector>

#include "controls/wWinComponent.h"
#include "plot/wPlotLayoutManager.h"

class TwPlotMasterManager;
class TwPlotTranslationManager;

enum TwLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TwLayoutSizingSide { ilssStart, ilssStop };

struct TBlockObject {
  platform::TRect ARect;
  int ZOrder = 0;
  bool Horizontal = false;
  bool DataView = false;
  bool ToolBar = false;
};

class TwPlotLayoutViewer : public TwCustomComponent {
  Q_OBJECT
 public:
  explicit TwPlotLayoutViewer(QWidget* parent = nullptr);

  TwPlotLayoutManager* LayoutManager = nullptr;
  TwPlotMasterManager* Master = nullptr;
  TwPlotTranslationManager* TranslationManager = nullptr;
  TwPlotLayoutObject* SelectedObject() const { return FSelectedBlock; }
  const std::vector<std::unique_ptr<TBlockObject>>& Blocks() const { return FBlockList; }
  int CellWidth() const { return FCellWidth; }
  platform::TRect DataViewRect() const { return FDataViewRect; }

  TwPlotLayoutObject* GetMouseOverBlock(int X, int Y) const;
  TBlockObject* GetMouseOverBlock2(int X, int Y) const;
  // Forgets an object that is going away; a drag or resize of it ends.
  void ObjectRemoved(const TwPlotObject* AObject);
  // The block geometry and every object's layout rectangle.
  void Build(platform::Canvas& Canvas);

  platform::Handler OnChange;
  // Every mouse press, with the viewer's coordinates (the editor remembers
  // the object under a right click).
  std::function<void(Qt::MouseButton Button, int X, int Y)> OnMouseDownAt;

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  TwPlotLayoutObject* RowReference(const TBlockObject* Block) const;
  bool MergeAllowed(TwPlotLayoutObject* Ref) const;
  void Drop();
  void Change();
  void EndEdit();

  std::vector<std::unique_ptr<TBlockObject>> FBlockList;
  int FCellWidth = 0;
  bool FMouseDown = false;
  int FMouseDownX = 0, FMouseDownY = 0;
  double FMouseDownStartPercent = 0, FMouseDownStopPercent = 0;
  platform::TRect FViewRect, FDataViewRect;
  int FDataViewHeight = 0, FDataViewWidth = 0;
  TwLayoutEditMode FEditMode = ilemNone;
  TwLayoutSizingSide FSizingSide = ilssStart;
  TwPlotLayoutObject* FSelectedBlock = nullptr;
  TwPlotLayoutObject* FResizeBlock = nullptr;
  TwPlotLayoutObject* FOverLayoutObject = nullptr;
  TBlockObject* FDragOverRefBlock2 = nullptr;
  TwInsertDirection FInsertDirection = iidMerge;
  platform::TFont FFont;
};
