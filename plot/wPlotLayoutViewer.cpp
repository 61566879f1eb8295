#include "plot/wPlotLayoutViewer.h"

#include <QMouseEvent>

#include <cmath>

#include "controls/wDraw.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotTranslation.h"

using platform::TRect;

namespace {

// Nearest integer, ties to even.
int Nearest(double v) { return int(std::nearbyint(v)); }

bool IsDataView(TwPlotLayoutObject* o) { return dynamic_cast<TwPlotDataView*>(o) != nullptr; }
bool IsPlaceholder(TwPlotLayoutObject* o) { return dynamic_cast<TwPlotDataViewLayout*>(o) != nullptr; }
bool IsAxis(TwPlotLayoutObject* o) { return dynamic_cast<TwPlotAxis*>(o) != nullptr; }
bool IsLabel(TwPlotLayoutObject* o) { return dynamic_cast<TwPlotLabel*>(o) != nullptr; }
bool IsLegend(TwPlotLayoutObject* o) { return dynamic_cast<TwPlotLegend*>(o) != nullptr; }
bool Sizable(TwPlotLayoutObject* o) {
  return IsAxis(o) || IsLabel(o) || IsLegend(o) || dynamic_cast<TwPlotTable*>(o) != nullptr;
}

}  // namespace

TwPlotLayoutViewer::TwPlotLayoutViewer(QWidget* parent) : TwCustomComponent(parent) {
  FFont.Name = QStringLiteral("Arial");
  FFont.SetSize(10);
  setMouseTracking(true);
}

void TwPlotLayoutViewer::Build(platform::Canvas& Canvas) {
  FViewRect = {5, 5, width() - 5, height() - 5};
  if (!LayoutManager) return;
  Canvas.Font = FFont;
  FCellWidth = Nearest(Canvas.TextHeight("ABC") * 1.1);
  const int c = FCellWidth;
  const int L = LayoutManager->LeftUniqueCount(), R = LayoutManager->RightUniqueCount();
  const int T = LayoutManager->TopUniqueCount(), B = LayoutManager->BottomUniqueCount();
  const TRect& V = FViewRect;
  FDataViewRect = {V.Left + L * c, V.Top + T * c, V.Right - R * c, V.Bottom - B * c};
  const TRect& D = FDataViewRect;
  FDataViewWidth = D.Width();
  FDataViewHeight = D.Height();
  if (!FDragOverRefBlock2) {
    FBlockList.clear();
    auto add = [this](TRect r, int z, bool horizontal, bool dataView, bool toolBar) {
      auto b = std::make_unique<TBlockObject>();
      *b = {r, z, horizontal, dataView, toolBar};
      FBlockList.push_back(std::move(b));
    };
    int z = 0;
    for (int d = 0; d < L; ++d) add({V.Left + d * c, D.Top, V.Left + (d + 1) * c, D.Bottom}, z++, false, false, false);
    add(D, z++, false, true, false);
    for (int d = 0; d < R; ++d) add({D.Right + d * c, D.Top, D.Right + (d + 1) * c, D.Bottom}, z++, false, false, false);
    z = T + B;
    for (int i = 0; i < T; ++i) add({V.Left, V.Top + i * c, V.Right, V.Top + (i + 1) * c}, z--, true, false, i == 0);
    add(D, z--, true, true, false);
    for (int d = 0; d < B; ++d) add({V.Left, D.Bottom + d * c, V.Right, D.Bottom + (d + 1) * c}, z--, true, false, false);
  }
  int dzH = 0, dzV = 0;
  for (int i = 0; i < LayoutManager->Count(); ++i) {
    TwPlotLayoutObject* o = LayoutManager->GetObject(i);
    if (dynamic_cast<TwPlotDataViewHorz*>(o)) dzH = o->ZOrder();
    if (dynamic_cast<TwPlotDataViewVert*>(o)) dzV = o->ZOrder();
  }
  const int VW = V.Width();
  for (int i = 0; i < LayoutManager->Count(); ++i) {
    TwPlotLayoutObject* o = LayoutManager->GetObject(i);
    if (IsDataView(o) || IsPlaceholder(o)) {
      o->SetLayoutRect(D);
      continue;
    }
    const int z = o->ZOrder();
    TRect r;
    if (o->Horizontal()) {
      if (z > dzH) {
        r.Top = D.Top - Nearest((z - dzH) * double(c));
        r.Bottom = D.Top - Nearest((z - dzH - 1) * double(c));
      } else {
        r.Top = D.Bottom + Nearest((dzH - z - 1) * double(c));
        r.Bottom = D.Bottom + Nearest((dzH - z) * double(c));
      }
      if (IsAxis(o)) {
        r.Left = Nearest(D.Width() * o->StartPercent() / 100 + D.Left);
        r.Right = Nearest(D.Width() * o->StopPercent() / 100 + D.Left);
      } else {
        r.Left = Nearest(VW * o->StartPercent() / 100) + V.Left;
        r.Right = Nearest(VW * o->StopPercent() / 100) + V.Left;
      }
    } else {
      if (z > dzV) {
        r.Left = D.Right + Nearest((z - dzV - 1) * double(c));
        r.Right = D.Right + Nearest((z - dzV) * double(c));
      } else {
        r.Left = D.Left - Nearest((dzV - z) * double(c));
        r.Right = D.Left - Nearest((dzV - z - 1) * double(c));
      }
      r.Top = D.Bottom - Nearest(D.Height() * o->StopPercent() / 100);
      r.Bottom = D.Bottom - Nearest(D.Height() * o->StartPercent() / 100);
    }
    o->SetLayoutRect(r);
  }
}

void TwPlotLayoutViewer::DoPaint(platform::Canvas& Canvas) {
  Build(Canvas);
  Canvas.Brush.Style = platform::bsSolid;
  Canvas.Brush.Color = platform::TColor(0xFF0000);
  Canvas.FillRect({0, 0, width(), height()});
  Canvas.Brush.Color = platform::clWhite;
  Canvas.FillRect(FViewRect);
  if (!LayoutManager) return;
  Canvas.Pen.Color = platform::clBlack;
  Canvas.Pen.Style = platform::psClear;
  Canvas.Font = FFont;
  for (int i = 0; i < LayoutManager->Count(); ++i) {
    TwPlotLayoutObject* o = LayoutManager->GetObject(i);
    if (dynamic_cast<TwPlotDataViewVert*>(o) || IsDataView(o)) continue;
    Canvas.Brush.Color = o == FSelectedBlock ? platform::TColor(0x00FFFF) : platform::TColor(0xC0C0C0);
    Canvas.Brush.Style = o->Visible() ? platform::bsSolid : platform::bsDiagCross;
    Canvas.Rectangle(o->LayoutRect());
    Canvas.Brush.Style = platform::bsClear;
    const QString name = TranslationManager ? TranslationManager->FindReplacement(o->Name()) : o->Name();
    TRect out;
    DrawTextRotated(Canvas, name, o->LayoutRect(), out, platform::clBlack, true, iahCenter,
                    o->Horizontal() ? ira000 : ira090);
  }
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Pen.Style = platform::psSolid;
  Canvas.Pen.Color = platform::clBlack;
  Canvas.Pen.Width = 2;
  if (FOverLayoutObject) {
    Canvas.Rectangle(FOverLayoutObject->LayoutRect());
  } else if (FDragOverRefBlock2) {
    const TBlockObject* b = FDragOverRefBlock2;
    const int h = FCellWidth / 2, c = FCellWidth;
    TRect r = b->ARect;
    if (b->Horizontal)
      r = r.Offset(0, FInsertDirection == iidMerge ? 0 : FInsertDirection == iidBelow ? h : 1 - h);
    else
      r = r.Offset(FInsertDirection == iidMerge ? 0 : FInsertDirection == iidBelow ? -h : h + 1, 0);
    if (b->DataView) {
      if (b->Horizontal) {
        if (FInsertDirection == iidBelow) r.Top = r.Bottom - c;
        if (FInsertDirection == iidAbove) r.Bottom = r.Top + c;
        r.Left = FViewRect.Left;
        r.Right = FViewRect.Right;
      } else {
        if (FInsertDirection == iidBelow) r.Right = r.Left + c;
        if (FInsertDirection == iidAbove) r.Left = r.Right - c;
      }
    }
    Canvas.Rectangle(r);
  }
}

TwPlotLayoutObject* TwPlotLayoutViewer::GetMouseOverBlock(int X, int Y) const {
  for (int i = 0; LayoutManager && i < LayoutManager->Count(); ++i) {
    TwPlotLayoutObject* o = LayoutManager->GetObject(i);
    if (IsPlaceholder(o)) continue;
    if (o->LayoutRect().Contains({X, Y})) return o;
  }
  return nullptr;
}

TBlockObject* TwPlotLayoutViewer::GetMouseOverBlock2(int X, int Y) const {
  const int c = FCellWidth;
  for (const auto& b : FBlockList) {
    const TRect& r = b->ARect;
    if (!r.Contains({X, Y})) continue;
    if (b->ToolBar && Y < (r.Top + r.Bottom) / 2) continue;
    if (b->DataView) {
      const bool edge = b->Horizontal ? (Y < r.Top + c || Y >= r.Bottom - c) : (X < r.Left + c || X >= r.Right - c);
      if (!edge) continue;
    }
    return b.get();
  }
  return nullptr;
}

TwPlotLayoutObject* TwPlotLayoutViewer::RowReference(const TBlockObject* Block) const {
  for (int i = 0; LayoutManager && i < LayoutManager->Count(); ++i) {
    TwPlotLayoutObject* o = LayoutManager->GetObject(i);
    if (o == FSelectedBlock || IsDataView(o)) continue;
    if (o->Horizontal() != Block->Horizontal || o->ZOrder() != Block->ZOrder) continue;
    if (Block->Horizontal ? dynamic_cast<TwPlotDataViewVert*>(o) != nullptr
                          : dynamic_cast<TwPlotDataViewHorz*>(o) != nullptr)
      continue;
    return o;
  }
  return nullptr;
}

bool TwPlotLayoutViewer::MergeAllowed(TwPlotLayoutObject* Ref) const {
  TwPlotLayoutObject* s = FSelectedBlock;
  return (IsAxis(s) && IsAxis(Ref)) || (IsLabel(s) && IsLabel(Ref)) || (IsLabel(s) && IsLegend(Ref)) ||
         (IsLegend(s) && IsLabel(Ref));
}

void TwPlotLayoutViewer::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  if (OnMouseDownAt) OnMouseDownAt(Button, X, Y);
  // Another button's release may never reach the viewer (its popup takes the
  // mouse), so only the left button picks an object up.
  if (Button != Qt::LeftButton) return;
  TwPlotLayoutObject* o = GetMouseOverBlock(X, Y);
  if (!o || IsDataView(o) || dynamic_cast<TwPlotToolBar*>(o)) return;
  FSelectedBlock = o;
  FMouseDown = true;
  FMouseDownX = X;
  FMouseDownY = Y;
  if (FResizeBlock) {
    FEditMode = ilemSize;
    FMouseDownStartPercent = FResizeBlock->StartPercent();
    FMouseDownStopPercent = FResizeBlock->StopPercent();
  } else {
    FEditMode = ilemDrag;
  }
  update();
}

void TwPlotLayoutViewer::mouseMoveEvent(QMouseEvent* e) {
  if (FMouseDown && !(e->buttons() & Qt::LeftButton)) EndEdit();
  TwCustomComponent::mouseMoveEvent(e);
}

void TwPlotLayoutViewer::DoMouseMove(Qt::KeyboardModifiers, int X, int Y) {
  unsetCursor();
  FOverLayoutObject = nullptr;
  FDragOverRefBlock2 = nullptr;
  TwPlotLayoutObject* o = GetMouseOverBlock(X, Y);
  TBlockObject* k = GetMouseOverBlock2(X, Y);
  if (FEditMode == ilemNone) {
    if (!o) FResizeBlock = nullptr;
    if (o && Sizable(o)) {
      const TRect r = o->LayoutRect();
      bool found = true;
      if (o->Horizontal()) {
        if (std::abs(X - r.Left) <= 6) FSizingSide = ilssStart;
        else if (std::abs(X - r.Right) <= 6) FSizingSide = ilssStop;
        else found = false;
        if (found) setCursor(Qt::SizeHorCursor);
      } else {
        if (std::abs(Y - r.Bottom) <= 6) FSizingSide = ilssStart;
        else if (std::abs(Y - r.Top) <= 6) FSizingSide = ilssStop;
        else found = false;
        if (found) setCursor(Qt::SizeVerCursor);
      }
      FResizeBlock = found ? o : nullptr;
    }
  } else if (FEditMode == ilemDrag && FMouseDown) {
    if (o)
      FOverLayoutObject = (!IsDataView(o) && o->Horizontal() == FSelectedBlock->Horizontal() &&
                           o->ZOrder() == FSelectedBlock->ZOrder() && o != FSelectedBlock)
                              ? o
                              : nullptr;
    if (k) {
      TwPlotLayoutObject* ref = RowReference(k);
      if (IsAxis(FSelectedBlock) && k->Horizontal != FSelectedBlock->Horizontal()) {
        FDragOverRefBlock2 = nullptr;
      } else {
        FDragOverRefBlock2 = k;
        if (ref) {
          const TRect& r = k->ARect;
          const int w = r.Width(), h = r.Height();
          if (MergeAllowed(ref)) {
            if (k->ToolBar) {
              if (Y > r.Top + 2 * h / 3) FInsertDirection = iidBelow;
              else FDragOverRefBlock2 = nullptr;
            } else if (k->Horizontal) {
              FInsertDirection = Y > r.Top + 2 * h / 3 ? iidBelow : Y > r.Top + h / 3 ? iidMerge : iidAbove;
            } else {
              FInsertDirection = X < r.Left + w / 3 ? iidBelow : X < r.Left + 2 * w / 3 ? iidMerge : iidAbove;
            }
          } else if (k->Horizontal) {
            FInsertDirection = Y > r.Top + h / 2 ? iidBelow : iidAbove;
          } else {
            FInsertDirection = X < r.Left + w / 2 ? iidBelow : iidAbove;
          }
        }
      }
    }
  } else if (FEditMode == ilemSize && FMouseDown && FResizeBlock) {
    double p = FResizeBlock->Horizontal() ? double(X - FMouseDownX) / FDataViewWidth * 100
                                          : double(FMouseDownY - Y) / FDataViewHeight * 100;
    p = std::nearbyint(p / 1.25) * 1.25;
    if (FSizingSide == ilssStart) FResizeBlock->SetStartPercent(FMouseDownStartPercent + p);
    else FResizeBlock->SetStopPercent(FMouseDownStopPercent + p);
  }
  update();
}

void TwPlotLayoutViewer::Change() {
  if (OnChange) OnChange(this);
}

void TwPlotLayoutViewer::Drop() {
  TwPlotLayoutObject* s = FSelectedBlock;
  if (FDragOverRefBlock2 && FOverLayoutObject) {
    TwPlotLayoutObject* p = FOverLayoutObject;
    const double start = s->StartPercent(), stop = s->StopPercent();
    const double pStart = p->StartPercent(), pStop = p->StopPercent();
    p->SetStartStopPercent(start, stop);
    s->SetStartStopPercent(pStart, pStop);
    return Change();
  }
  if (!FDragOverRefBlock2) return;
  TBlockObject* b = FDragOverRefBlock2;
  TwPlotLayoutObject* ref = RowReference(b);
  if (b->Horizontal == s->Horizontal()) {
    if (FInsertDirection != iidMerge) {
      if (ref) {
        LayoutManager->RemoveZOrder(s);
        LayoutManager->InsertZOrder(s, ref->ZOrder(), FInsertDirection);
      }
      s->SetStartPercent(0);
      s->SetStopPercent(100);
      return Change();
    }
    std::vector<TwPlotLayoutObject*> row;
    for (int i = 0; i < LayoutManager->Count(); ++i) {
      TwPlotLayoutObject* o = LayoutManager->GetObject(i);
      if (o != s && !IsDataView(o) && o->Horizontal() == b->Horizontal && o->ZOrder() == b->ZOrder) row.push_back(o);
    }
    row.push_back(s);
    const double x = 100.0 / double(row.size());
    for (size_t a = 0; a < row.size(); ++a) {
      row[a]->SetStopPercent(x * double(a + 1));
      row[a]->SetStartPercent(x * double(a));
    }
    if (ref) {
      LayoutManager->RemoveZOrder(s);
      LayoutManager->InsertZOrder(s, ref->ZOrder(), iidMerge);
    }
    return Change();
  }
  if (ref) {
    LayoutManager->RemoveZOrder(s);
    s->SetHorizontal(b->Horizontal);
    LayoutManager->InsertZOrder(s, ref->ZOrder(), FInsertDirection);
    Change();
  }
}

void TwPlotLayoutViewer::DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers, int, int) {
  if (Button != Qt::LeftButton) return;
  FMouseDown = false;
  if (FEditMode == ilemDrag && FSelectedBlock) Drop();
  else if (FEditMode == ilemSize && FResizeBlock) Change();
  EndEdit();
}

void TwPlotLayoutViewer::EndEdit() {
  FMouseDown = false;
  FEditMode = ilemNone;
  unsetCursor();
  FOverLayoutObject = nullptr;
  FDragOverRefBlock2 = nullptr;
  FSelectedBlock = nullptr;
  FResizeBlock = nullptr;
  update();
}

void TwPlotLayoutViewer::ObjectRemoved(const TwPlotObject* AObject) {
  if (!AObject) return;
  if (AObject == FSelectedBlock || AObject == FResizeBlock) EndEdit();
  if (AObject == FOverLayoutObject) FOverLayoutObject = nullptr;
  update();
}
