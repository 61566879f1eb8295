#include "plot/wPlotComponent.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotProperties.h"

using platform::TColor;
using platform::TRect;

namespace {
int Nearest(double v) { return int(std::nearbyint(v)); }

bool IsCartesian(const TwPlotLayoutObject* o) {
  auto* a = dynamic_cast<const TwPlotAxis*>(o);
  return a && a->CartesianStyle() != ipcsNone;
}
}  // namespace

TwPlotComponent::TwPlotComponent(QWidget* parent) : TwCustomComponent(parent) {
  resize(500, 200);
  SetBackGroundColor(platform::clBlack);
  SetBorderStyle(ibsLowered);
  SetUpdateFrameRate(60);
  SetAutoFrameRate(true);
  FMaster = std::make_unique<TwPlotMasterManager>(this);
  FMaster->OnChange = [this](TwPersistent* s) { DoObjectChange(s); };
  FMaster->OnRemove = [this](TwPersistent* s) { DoObjectRemoved(s); };
  FMaster->OnInsert = [this](TwPersistent* s) { DoObjectAdded(s); };
  FMaster->OnInvalidateNow = [this](TwPersistent*) { InvalidateNow(); };
  FPopupMenu = std::make_unique<TwPlotPopupMenu>();
  for (auto& list : FImageLists) list = std::make_unique<TCustomImageList>(24, 24);
  FAnnotationDefaultFont.Color = platform::clWhite;
  FMaster->SetUserCanEditObjects(true);
  RegisterPlotProperties();
  OnInternalTimer = [this](QObject*) { HintTimer(); };
  // Hover hints need the moves without a button, and the leave event.
  setMouseTracking(true);
}

TwPlotComponent::~TwPlotComponent() {
  FMouseDownObject = nullptr;
  FAxesCollisionList.clear();
  if (FMaster->PlotObjectManager()) FMaster->PlotObjectManager()->ShutDownSetup();
  FMaster.reset();
}

// ---- hooks ----

void TwPlotComponent::DoObjectChange(TwPersistent*) { InvalidateChange(); }

namespace {
template <class M>
int IndexIn(M* m, TwPersistent* s) {
  auto* o = dynamic_cast<TwPlotObject*>(s);
  return m && o ? m->GetIndex(o) : -1;
}
}  // namespace

void TwPlotComponent::DoObjectAdded(TwPersistent* Sender) {
  if (!dynamic_cast<TwPlotObject*>(Sender)) return;
  const std::pair<TwPlotObjectManagerCustom*, TwPlotObjectEvent*> kinds[] = {
      {FMaster->ChannelManager(), &OnAddChannel},       {FMaster->XAxisManager(), &OnAddXAxis},
      {FMaster->YAxisManager(), &OnAddYAxis},           {FMaster->DataCursorManager(), &OnAddDataCursor},
      {FMaster->DataViewManager(), &OnAddDataView},     {FMaster->LegendManager(), &OnAddLegend},
      {FMaster->LimitManager(), &OnAddLimit},           {FMaster->TableManager(), &OnAddTable},
      {FMaster->AnnotationManager(), &OnAddAnnotation}};
  for (const auto& [m, event] : kinds) {
    const int i = IndexIn(m, Sender);
    if (i >= 0 && *event) (*event)(i);
  }
}

void TwPlotComponent::DoObjectRemoved(TwPersistent* Sender) {
  if (!dynamic_cast<TwPlotObject*>(Sender)) return;
  if (FMouseDownObject == Sender) FMouseDownObject = nullptr;
  if (FLastMouseOverObject == Sender) FLastMouseOverObject = nullptr;
  if (FLastMouseClickObject == Sender) FLastMouseClickObject = nullptr;
  // Also the hint's object, and any button: a button goes with its parent,
  // which announces only itself.
  for (TwPlotObject** p : {&FMouseDownObject, &FLastMouseOverObject, &FLastMouseClickObject, &FLastHintObject})
    if (*p && (*p == Sender || dynamic_cast<TwPlotButton*>(*p))) *p = nullptr;
  const std::pair<TwPlotObjectManagerCustom*, TwPlotObjectEvent*> kinds[] = {
      {FMaster->ChannelManager(), &OnRemoveChannel},    {FMaster->XAxisManager(), &OnRemoveXAxis},
      {FMaster->YAxisManager(), &OnRemoveYAxis},        {FMaster->DataCursorManager(), &OnRemoveDataCursor},
      {FMaster->DataViewManager(), &OnRemoveDataView},  {FMaster->LegendManager(), &OnRemoveLegend},
      {FMaster->LimitManager(), &OnRemoveLimit},        {FMaster->TableManager(), &OnRemoveTable},
      {FMaster->AnnotationManager(), &OnRemoveAnnotation}};
  for (const auto& [m, event] : kinds) {
    const int i = IndexIn(m, Sender);
    if (i >= 0 && *event) (*event)(i);
  }
}

// ---- objects ----

int TwPlotComponent::AddAnnotation() {
  const int index = FMaster->AddAnnotation();
  TwPlotAnnotation* a = GetAnnotation(index);
  a->SetBrushStyle(AnnotationDefaultBrushStlye);
  a->SetBrushColor(AnnotationDefaultBrushColor);
  a->SetPenStyle(AnnotationDefaultPenStlye);
  a->SetPenColor(AnnotationDefaultPenColor);
  a->SetPenWidth(AnnotationDefaultPenWidth);
  a->SetReference(AnnotationDefaultReference);
  a->SetReferencePositionX(AnnotationDefaultReferencePositionX);
  a->SetReferencePositionY(AnnotationDefaultReferencePositionY);
  a->SetReferenceSizeX(AnnotationDefaultReferenceSizeX);
  a->SetReferenceSizeY(AnnotationDefaultReferenceSizeY);
  a->SetFont(FAnnotationDefaultFont);
  return index;
}

void TwPlotComponent::DeleteFrom(TwPlotObjectManagerCustom* Manager, int Index) {
  TwPlotObject::Free(Manager->GetPlotObject(Index));
}

void TwPlotComponent::ClearManager(TwPlotObjectManagerCustom* Manager) {
  Manager->Clear();
  InvalidateNow();
}

#define TW_DELETE(Name, Manager)                      \
  void TwPlotComponent::Delete##Name(int Index) {     \
    DeleteFrom(FMaster->Manager(), Index);            \
    InvalidateNow();                                  \
  }
TW_DELETE(ToolBar, ToolBarManager)
TW_DELETE(Legend, LegendManager)
TW_DELETE(Table, TableManager)
TW_DELETE(XAxis, XAxisManager)
TW_DELETE(YAxis, YAxisManager)
TW_DELETE(DataView, DataViewManager)
TW_DELETE(DataCursor, DataCursorManager)
TW_DELETE(Channel, ChannelManager)
TW_DELETE(Annotation, AnnotationManager)
TW_DELETE(Limit, LimitManager)
#undef TW_DELETE

void TwPlotComponent::DeleteLabel(int Index) {
  if (Index == 0) throw TwException("Label Index 0 can not be Deleted (Resevered for Title)");
  DeleteFrom(FMaster->LabelManager(), Index);
}

void TwPlotComponent::RemoveAllToolBars() { ClearManager(FMaster->ToolBarManager()); }
void TwPlotComponent::RemoveAllLegends() { ClearManager(FMaster->LegendManager()); }
void TwPlotComponent::RemoveAllTables() { ClearManager(FMaster->TableManager()); }
void TwPlotComponent::RemoveAllXAxes() { ClearManager(FMaster->XAxisManager()); }
void TwPlotComponent::RemoveAllYAxes() { ClearManager(FMaster->YAxisManager()); }
void TwPlotComponent::RemoveAllDataViews() { ClearManager(FMaster->DataViewManager()); }
void TwPlotComponent::RemoveAllDataCursors() { ClearManager(FMaster->DataCursorManager()); }
void TwPlotComponent::RemoveAllChannels() { ClearManager(FMaster->ChannelManager()); }
void TwPlotComponent::RemoveAllAnnotations() { ClearManager(FMaster->AnnotationManager()); }
void TwPlotComponent::RemoveAllLimits() { ClearManager(FMaster->LimitManager()); }

void TwPlotComponent::RemoveAllLabels() {
  while (LabelCount() > 1) DeleteFrom(FMaster->LabelManager(), 1);
}

// ---- translations ----

int TwPlotComponent::AddTranslation(const QString& OriginalString, const QString& ReplacementString) {
  const int index = FMaster->AddTranslation();
  TwPlotTranslationObject* o = FMaster->TranslationManager()->GetObject(index);
  o->SetOriginalString(OriginalString);
  o->SetReplacementString(ReplacementString);
  return index;
}

void TwPlotComponent::DeleteTranslation(int Index) {
  FMaster->TranslationManager()->Delete(Index);
  InvalidateNow();
}

void TwPlotComponent::RemoveAllTranslations() {
  FMaster->TranslationManager()->Clear();
  InvalidateNow();
}

QString TwPlotComponent::GetTranslationOriginalString(int Index) const {
  return FMaster->TranslationManager()->GetObject(Index)->OriginalString();
}

QString TwPlotComponent::GetTranslationReplacementString(int Index) const {
  return FMaster->TranslationManager()->GetObject(Index)->ReplacementString();
}

void TwPlotComponent::SaveTranslationsToFile(const QString& FileName) {
  FMaster->TranslationManager()->SaveToFile(FileName);
}

void TwPlotComponent::LoadTranslationsFromFile(const QString& FileName) {
  FMaster->TranslationManager()->LoadFromFile(FileName);
}

QString TwPlotComponent::TranslateText(const QString& Text) const {
  const TwPlotTranslationManager* m = FMaster ? FMaster->TranslationManager() : nullptr;
  return m ? m->FindReplacement(Text) : Text;
}

TwPlotChannelCustom* TwPlotComponent::GetChannelCustom(int i) const { return FMaster->ChannelManager()->GetObject(i); }
TwPlotToolBar* TwPlotComponent::GetToolBar(int i) const { return FMaster->ToolBarManager()->GetObject(i); }
TwPlotLegend* TwPlotComponent::GetLegend(int i) const { return FMaster->LegendManager()->GetObject(i); }
TwPlotTable* TwPlotComponent::GetTable(int i) const { return FMaster->TableManager()->GetObject(i); }
TwPlotDataView* TwPlotComponent::GetDataView(int i) const { return FMaster->DataViewManager()->GetObject(i); }
TwPlotDataCursor* TwPlotComponent::GetDataCursor(int i) const { return FMaster->DataCursorManager()->GetObject(i); }
TwPlotXAxis* TwPlotComponent::GetXAxis(int i) const { return FMaster->XAxisManager()->GetObject(i); }
TwPlotYAxis* TwPlotComponent::GetYAxis(int i) const { return FMaster->YAxisManager()->GetObject(i); }
TwPlotLimit* TwPlotComponent::GetLimit(int i) const { return FMaster->LimitManager()->GetObject(i); }
TwPlotLabel* TwPlotComponent::GetLabel(int i) const { return FMaster->LabelManager()->GetObject(i); }
TwPlotAnnotation* TwPlotComponent::GetAnnotation(int i) const { return FMaster->AnnotationManager()->GetObject(i); }

#define TW_BYNAME(Kind, Type, Manager)                                                \
  Type* TwPlotComponent::Get##Kind##ByName(const QString& Value) const {             \
    return dynamic_cast<Type*>(FMaster->Manager()->GetObjectByName(Value));          \
  }                                                                                  \
  int TwPlotComponent::Get##Kind##IndexByName(const QString& Value) const {          \
    return FMaster->Manager()->GetIndexByName(Value);                                \
  }
TW_BYNAME(Channel, TwPlotChannelCustom, ChannelManager)
TW_BYNAME(DataCursor, TwPlotDataCursor, DataCursorManager)
TW_BYNAME(DataView, TwPlotDataView, DataViewManager)
TW_BYNAME(Label, TwPlotLabel, LabelManager)
TW_BYNAME(Legend, TwPlotLegend, LegendManager)
TW_BYNAME(Table, TwPlotTable, TableManager)
TW_BYNAME(Limit, TwPlotLimit, LimitManager)
TW_BYNAME(ToolBar, TwPlotToolBar, ToolBarManager)
TW_BYNAME(XAxis, TwPlotXAxis, XAxisManager)
TW_BYNAME(YAxis, TwPlotYAxis, YAxisManager)
TW_BYNAME(Annotation, TwPlotAnnotation, AnnotationManager)
#undef TW_BYNAME

// ---- settings ----

int TwPlotComponent::DataViewZHorz() const { return FMaster->LayoutManager()->DataViewHorz()->ZOrder(); }
void TwPlotComponent::SetDataViewZHorz(int Value) { FMaster->LayoutManager()->DataViewHorz()->SetZOrder(Value); }
int TwPlotComponent::DataViewZVert() const { return FMaster->LayoutManager()->DataViewVert()->ZOrder(); }
void TwPlotComponent::SetDataViewZVert(int Value) { FMaster->LayoutManager()->DataViewVert()->SetZOrder(Value); }
bool TwPlotComponent::XYAxesReverse() const { return FMaster->LayoutManager()->XYAxesReverse(); }

void TwPlotComponent::SetBackGroundGradientDirection(TwFillDirection Value) {
  if (Value == FBackGroundGradientDirection) return;
  FBackGroundGradientDirection = Value;
  InvalidateChange();
}

QString TwPlotComponent::TitleText() const { return LabelCount() ? GetLabel(0)->Caption() : QString(); }
void TwPlotComponent::SetTitleText(const QString& Value) {
  if (LabelCount()) GetLabel(0)->SetCaption(Value);
}
bool TwPlotComponent::TitleVisible() const { return LabelCount() && GetLabel(0)->Visible(); }
void TwPlotComponent::SetTitleVisible(bool Value) {
  if (LabelCount()) GetLabel(0)->SetVisible(Value);
}
double TwPlotComponent::TitleMargin() const { return LabelCount() ? GetLabel(0)->MarginBottom() : 0; }
void TwPlotComponent::SetTitleMargin(double Value) {
  if (LabelCount()) GetLabel(0)->SetMarginBottom(Value);
}
platform::TFont TwPlotComponent::TitleFont() const {
  return LabelCount() ? GetLabel(0)->Font() : platform::TFont{};
}
void TwPlotComponent::SetTitleFont(const platform::TFont& Value) {
  if (LabelCount()) GetLabel(0)->SetFont(Value);
}

void TwPlotComponent::DisableLayoutManager() { FMaster->LayoutManager()->SetEnabled(false); }
void TwPlotComponent::EnableLayoutManager() { FMaster->LayoutManager()->SetEnabled(true); }
void TwPlotComponent::RefreshLayoutManager() {
  DisableLayoutManager();
  EnableLayoutManager();
}

void TwPlotComponent::TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex,
                                          int StopIndex) {
  TwPlotChannelCustom* source = GetChannelCustom(SourceChannelIndex);
  TwPlotChannelCustom* destination = GetChannelCustom(DestinationChannelIndex);
  if (StartIndex < 0) throw TwException("Start Index Must be 0 or Greater");
  if (StopIndex > source->Count() - 1) throw TwException("StopIndex Must Out Of Range");
  for (int i = StartIndex; i <= StopIndex; ++i) {
    double x, y;
    bool empty, null;
    source->GetXYEmptyNull(i, x, y, empty, null);
    const int j = destination->AddXY(x, y);
    destination->SetDataNull(j, null);
    destination->SetDataEmpty(j, empty);
  }
}

void TwPlotComponent::DisableAllTracking() {
  for (int i = 0; i < XAxisCount(); ++i) GetXAxis(i)->SetTrackingEnabled(false);
  for (int i = 0; i < YAxisCount(); ++i) GetYAxis(i)->SetTrackingEnabled(false);
}

void TwPlotComponent::EnableAllTracking() {
  for (int i = 0; i < XAxisCount(); ++i) GetXAxis(i)->SetTrackingEnabled(true);
  for (int i = 0; i < YAxisCount(); ++i) GetYAxis(i)->SetTrackingEnabled(true);
}

bool TwPlotComponent::GetToolBarSelectActive() const { return ToolBarCount() && GetToolBar(0)->SelectActive(); }
void TwPlotComponent::SetToolBarSelectActive(bool Value) {
  if (ToolBarCount() && GetToolBar(0)->SelectActive() != Value) GetToolBar(0)->DoButtonClickSelect();
}

// ---- services ----

bool TwPlotComponent::TryAddCollisionRect(const TRect& R) {
  if (!FAxesCollisionList.empty()) {
    const TRect dv = DataViewCount() ? GetDataView(0)->DrawRect() : TRect{};
    for (const TRect& s : FAxesCollisionList) {
      const bool intersects = R.Left < s.Right && s.Left < R.Right && R.Top < s.Bottom && s.Top < R.Bottom;
      if (intersects) return false;
      const bool inside = R.Left >= dv.Left && R.Top >= dv.Top && R.Right <= dv.Right && R.Bottom <= dv.Bottom;
      if (!inside) return false;
    }
  }
  FAxesCollisionList.push_back(R);
  return true;
}

void TwPlotComponent::AddCollisionRect(const TRect& R) { FAxesCollisionList.push_back(R); }

void TwPlotComponent::AddLayerEntry(const QString& Key, TwPlotObject* AObject) {
  // Before equal keys.
  auto it = std::lower_bound(FLayerList.begin(), FLayerList.end(), Key,
                             [](const auto& e, const QString& k) { return e.first < k; });
  FLayerList.insert(it, {Key, AObject});
}

TCustomImageList* TwPlotComponent::ImageList(int ImageListIndex) const {
  if (ImageListIndex < 0 || ImageListIndex > 2) throw TwException("ImageList Index must be 0-2");
  return FImageLists[ImageListIndex].get();
}

void TwPlotComponent::ImageListClear(int ImageListIndex) {
  ImageList(ImageListIndex)->Clear();
  InvalidateChange();
}

void TwPlotComponent::ImageListAdd(int ImageListIndex, const QImage& ABitmap) {
  TCustomImageList* list = ImageList(ImageListIndex);
  QImage image = ABitmap;
  if (list->Count() == 0) {
    list->SetSize(image.width(), image.height());
  } else {
    const int lw = list->Width(), lh = list->Height();
    const bool notLarger = image.width() <= lw && image.height() <= lh;
    const bool larger = image.width() > lw && image.height() > lh;
    if (!notLarger && !larger)
      throw TwException("Image Width and Height must be the same as other images, or both smaller, or both larger");
    if (larger) {
      image = image.scaled(lw, lh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else if (image.width() < lw || image.height() < lh) {
      // Centred on the transparent colour (the bottom-left pixel).
      QImage centred(lw, lh, QImage::Format_ARGB32);
      centred.fill(image.isNull() ? QColor(Qt::transparent) : image.pixelColor(0, image.height() - 1));
      QPainter p(&centred);
      p.drawImage(lw / 2 - image.width() / 2, lh / 2 - image.height() / 2, image);
      p.end();
      image = centred;
    }
  }
  list->Add(image);
  InvalidateChange();
}

void TwPlotComponent::ReCalcLayout() {
  QImage scratch(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32);
  platform::Canvas canvas(&scratch);
  DoPaint(canvas);
}

// ---- layout pass ----

void TwPlotComponent::CollectVisible(const TwPlotSideList& List, std::vector<TwPlotLayoutObject*>& Visible) const {
  Visible.clear();
  for (const auto& e : List)
    if (e.second->Visible()) Visible.push_back(e.second);
}

void TwPlotComponent::SetStackedFlags(const std::vector<TwPlotLayoutObject*>& List) const {
  for (TwPlotLayoutObject* o : List) {
    o->SetStartStacked(false);
    o->SetStopStacked(false);
  }
  TwPlotLayoutObject* prev = nullptr;
  int row = -1;
  for (TwPlotLayoutObject* o : List) {
    if (IsCartesian(o)) continue;
    if (o->ForceStacking()) {
      o->SetStartStacked(true);
      o->SetStopStacked(true);
      prev = o;
    } else if (o->ZOrder() != row) {
      row = o->ZOrder();
      prev = o;
    } else {
      if (prev) prev->SetStopStacked(true);
      o->SetStartStacked(true);
      prev = o;
    }
  }
}

void TwPlotComponent::MaxEndsOverhang(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List,
                                      int& Start, int& Stop) const {
  Start = Stop = 0;
  for (TwPlotLayoutObject* o : List) {
    if (IsCartesian(o)) continue;
    const int overhang = o->GetEndsOverhang(Canvas);
    if (!o->StartStacked()) Start = std::max(Start, overhang);
    if (!o->StopStacked()) Stop = std::max(Stop, overhang);
  }
}

int TwPlotComponent::RowWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List, int Row) const {
  int w = 0;
  for (TwPlotLayoutObject* o : List)
    if (o->ZOrder() == Row && !IsCartesian(o)) w = std::max(w, o->GetRequiredWidth(Canvas));
  return w;
}

int TwPlotComponent::StackWidth(platform::Canvas& Canvas, const std::vector<TwPlotLayoutObject*>& List) const {
  int sum = 0;
  bool first = true;
  int row = 0;
  for (TwPlotLayoutObject* o : List) {
    if (IsCartesian(o)) continue;
    if (first || o->ZOrder() != row) {
      row = o->ZOrder();
      first = false;
      sum += RowWidth(Canvas, List, row);
    }
  }
  return sum;
}

void TwPlotComponent::CalcLayout(platform::Canvas& Canvas) {
  TwPlotLayoutManager* lm = FMaster->LayoutManager();
  const int W = width(), H = height();
  const int B = BorderStyle() != ibsNone ? 2 : 0;
  // 1-4.
  CollectVisible(lm->LeftList(), FVisibleListLeft);
  CollectVisible(lm->RightList(), FVisibleListRight);
  CollectVisible(lm->TopList(), FVisibleListTop);
  CollectVisible(lm->BottomList(), FVisibleListBottom);
  for (auto* l : {&FVisibleListLeft, &FVisibleListRight, &FVisibleListTop, &FVisibleListBottom}) SetStackedFlags(*l);
  int ls, le, rs, re, ts, te, bs, be;
  MaxEndsOverhang(Canvas, FVisibleListLeft, ls, le);
  MaxEndsOverhang(Canvas, FVisibleListRight, rs, re);
  MaxEndsOverhang(Canvas, FVisibleListTop, ts, te);
  MaxEndsOverhang(Canvas, FVisibleListBottom, bs, be);
  int lw = StackWidth(Canvas, FVisibleListLeft), rw = StackWidth(Canvas, FVisibleListRight);
  int tw = StackWidth(Canvas, FVisibleListTop), bw = StackWidth(Canvas, FVisibleListBottom);
  // 5.
  const int HS = std::max({0, ts, bs}), HE = std::max({0, te, be});
  const int VS = std::max({0, ls, rs}), VE = std::max({0, le, re});
  lw = std::max(lw, HS);
  rw = std::max(rw, HE);
  tw = std::max(tw, VE);
  bw = std::max(bw, VS);
  // 6.
  const bool toolbarOnlyOnTop =
      FVisibleListTop.size() == 1 && dynamic_cast<TwPlotToolBar*>(FVisibleListTop.front()) != nullptr;
  int DL = lw + B + FOuterMarginLeft;
  int DR = W - (rw + B + FOuterMarginRight) - 1;
  int DT = tw + B + FOuterMarginTop + (toolbarOnlyOnTop ? VE : 0);
  int DB = H - (bw + B + FOuterMarginBottom) - 1;
  // 7.
  {
    int C = -1, T = 0, P = DL;
    for (auto it = FVisibleListLeft.rbegin(); it != FVisibleListLeft.rend(); ++it) {
      TwPlotLayoutObject* o = *it;
      if (IsCartesian(o)) continue;
      if (o->ZOrder() != C) {
        P -= T;
        C = o->ZOrder();
        T = RowWidth(Canvas, FVisibleListLeft, C);
      }
      o->SetLeft(P - T);
      o->SetRight(P);
    }
    C = -1, T = 0, P = DR;
    for (TwPlotLayoutObject* o : FVisibleListRight) {
      if (IsCartesian(o)) continue;
      if (o->ZOrder() != C) {
        P += T;
        C = o->ZOrder();
        T = RowWidth(Canvas, FVisibleListRight, C);
      }
      o->SetLeft(P);
      o->SetRight(P + T);
    }
    C = -1, T = 0, P = DT;
    for (TwPlotLayoutObject* o : FVisibleListTop) {
      if (IsCartesian(o)) continue;
      if (o->ZOrder() != C) {
        P -= T;
        C = o->ZOrder();
        T = RowWidth(Canvas, FVisibleListTop, C);
      }
      if (dynamic_cast<TwPlotToolBar*>(o)) {
        o->SetTop(B);
        o->SetBottom(B + o->GetRequiredWidth(Canvas));
      } else {
        o->SetTop(P - T);
        o->SetBottom(P);
      }
    }
    C = -1, T = 0, P = DB;
    for (auto it = FVisibleListBottom.rbegin(); it != FVisibleListBottom.rend(); ++it) {
      TwPlotLayoutObject* o = *it;
      if (IsCartesian(o)) continue;
      if (o->ZOrder() != C) {
        P += T;
        C = o->ZOrder();
        T = RowWidth(Canvas, FVisibleListBottom, C);
      }
      o->SetTop(P);
      o->SetBottom(P + T);
    }
  }
  // 8.
  TwPlotDataView* dv = DataViewCount() ? GetDataView(0) : nullptr;
  if (dv) dv->SetDrawRect({DL, DT, DR, DB});
  const int DW = DR - DL, DH = DB - DT;
  // 9.
  for (int i = 0; i < lm->Count(); ++i) {
    TwPlotLayoutObject* o = lm->GetObject(i);
    if (dynamic_cast<TwPlotDataView*>(o) || dynamic_cast<TwPlotDataViewLayout*>(o)) continue;
    const bool toolbar = dynamic_cast<TwPlotToolBar*>(o) != nullptr;
    const bool label = dynamic_cast<TwPlotLabel*>(o) != nullptr;
    if (o->Horizontal()) {
      if (toolbar) {
        o->SetLeft(Nearest(o->StartPercent() / 100 * (W - 2 * B)) + B);
        o->SetRight(Nearest(o->StopPercent() / 100 * (W - 2 * B)) + B - 1);
      } else if (label) {
        const int span = W - B - FOuterMarginLeft - FOuterMarginRight;
        o->SetLeft(Nearest(o->StartPercent() / 100 * span) + B + FOuterMarginLeft);
        o->SetRight(Nearest(o->StopPercent() / 100 * span) + B + FOuterMarginLeft);
      } else {
        o->SetLeft(Nearest(DW * o->StartPercent() / 100) + DL);
        o->SetRight(Nearest(DW * o->StopPercent() / 100) + DL);
      }
    } else if (!toolbar) {
      o->SetTop(DB - Nearest(DH * o->StopPercent() / 100));
      o->SetBottom(DB - Nearest(DH * o->StartPercent() / 100));
    }
  }
  std::vector<TwPlotAxis*> xAxes, yAxes, allAxes;
  for (int i = 0; i < XAxisCount(); ++i) xAxes.push_back(GetXAxis(i));
  for (int i = 0; i < YAxisCount(); ++i) yAxes.push_back(GetYAxis(i));
  allAxes = xAxes;
  allAxes.insert(allAxes.end(), yAxes.begin(), yAxes.end());
  // 10, 11.
  for (TwPlotAxis* a : allAxes) {
    if (a->CartesianStyle() == ipcsMaster) {
      if (a->Horizontal()) a->SetDrawRect({DL, (DT + DB) / 2, DR, (DT + DB) / 2});
      else a->SetDrawRect({(DL + DR) / 2, DT, (DL + DR) / 2, DB});
    }
  }
  for (TwPlotAxis* a : allAxes) {
    if (a->CartesianStyle() != ipcsChild) continue;
    TwPlotAxis* ref = a->GetCartesianRefAxis();
    if (!ref) {
      a->SetDrawRect({0, 0, 0, 0});
      continue;
    }
    const int px = ref->PositionToPixels(a->CartesianChildRefValue());
    if (a->Horizontal()) a->SetDrawRect({DL, px, DR, px});
    else a->SetDrawRect({px, DT, px, DB});
  }
  // 12.
  for (TwPlotAxis* a : allAxes) {
    TwPlotAxis* ref = a->GetAlignRefAxis();
    if (!ref) continue;
    if (a->Horizontal()) {
      a->SetLeft(ref->Left());
      a->SetRight(ref->Right());
    } else {
      a->SetTop(ref->Top());
      a->SetBottom(ref->Bottom());
    }
    a->SetStartStacked(ref->StartStacked());
    a->SetStopStacked(ref->StopStacked());
    a->CalcScaleRect(Canvas);
  }
  // 13.
  int top = H, bottom = 0, left = W, right = 0;
  const bool reverse = XYAxesReverse();
  for (TwPlotAxis* a : reverse ? xAxes : yAxes) {
    a->CalcScaleRect(Canvas);
    top = std::min(top, a->ScaleRect().Top);
    bottom = std::max(bottom, a->ScaleRect().Bottom);
  }
  for (TwPlotAxis* a : reverse ? yAxes : xAxes) {
    a->CalcScaleRect(Canvas);
    left = std::min(left, a->ScaleRect().Left);
    right = std::max(right, a->ScaleRect().Right);
  }
  if (dv) dv->SetDrawRect({left, top, right, bottom});
}

// ---- paint ----

void TwPlotComponent::UpdateAllTicks(platform::Canvas& Canvas) {
  for (int i = 0; i < XAxisCount(); ++i) GetXAxis(i)->UpdateTicks(Canvas);
  for (int i = 0; i < YAxisCount(); ++i) GetYAxis(i)->UpdateTicks(Canvas);
}

void TwPlotComponent::DoPaint(platform::Canvas& Canvas) {
  FPaintingActive = true;
  if (!ToolBarCount() || !LegendCount() || !DataViewCount()) {
    FPaintingActive = false;
    return;
  }
  TwPlotDataView* dv = GetDataView(0);
  const TColor layerColor = dv->BackgroundTransparent() ? BackGroundColor() : dv->BackgroundColor();
  FAxesCollisionList.clear();
  FLayerList.clear();
  TwPlotLegend* legend = GetLegend(0);
  legend->SetCursorAllChannels(false);
  for (int i = 0; i < DataCursorCount(); ++i) {
    TwPlotDataCursor* c = GetDataCursor(i);
    c->UpdateValues();
    if (c->Visible() && c->ChannelName() == QStringLiteral("<All>") && c->ChannelShowAllInLegend())
      legend->SetCursorAllChannels(true);
  }
  UpdateAllTicks(Canvas);
  CalcLayout(Canvas);
  CalcLayout(Canvas);
  UpdateAllTicks(Canvas);
  for (int i = 0; i < ChannelCount(); ++i) GetChannelCustom(i)->PrepareDraw(Canvas);
  for (int i = 0; i < XAxisCount(); ++i) GetXAxis(i)->PrepareDraw(Canvas);
  for (int i = 0; i < YAxisCount(); ++i) GetYAxis(i)->PrepareDraw(Canvas);
  for (int i = 0; i < AnnotationCount(); ++i) {
    GetAnnotation(i)->SetDataView(dv);
    GetAnnotation(i)->SetXYAxesReversed(XYAxesReverse());
  }
  for (int i = 0; i < DataCursorCount(); ++i) GetDataCursor(i)->SetDataView(dv);
  // Background.
  if (FBackGroundGradientEnabled) {
    Canvas.SetClipRect({0, 0, width(), height()});
    FillGradient(Canvas, {0, 0, width(), height()}, FBackGroundGradientDirection, FBackGroundGradientStartColor,
                 FBackGroundGradientStopColor);
    Canvas.ResetClip();
  } else {
    DrawBackGround(Canvas, BackGroundColor());
  }
  dv->DrawBackground(Canvas);
  // Layer list.
  for (int i = 0; i < LimitCount(); ++i)
    if (GetLimit(i)->DrawBelowGrid()) AddLayerEntry(GetLimit(i)->GetLayerKey() + QLatin1Char('A'), GetLimit(i));
  AddLayerEntry(dv->GetLayerKey() + QLatin1Char('B'), dv);
  for (int i = 0; i < LimitCount(); ++i)
    if (!GetLimit(i)->DrawBelowGrid()) AddLayerEntry(GetLimit(i)->GetLayerKey() + QLatin1Char('C'), GetLimit(i));
  for (int i = 0; i < YAxisCount(); ++i)
    if (GetYAxis(i)->CartesianStyle() != ipcsNone)
      AddLayerEntry(GetYAxis(i)->GetLayerKey() + QLatin1Char('D'), GetYAxis(i));
  for (int i = 0; i < XAxisCount(); ++i)
    if (GetXAxis(i)->CartesianStyle() != ipcsNone)
      AddLayerEntry(GetXAxis(i)->GetLayerKey() + QLatin1Char('E'), GetXAxis(i));
  for (int i = 0; i < ChannelCount(); ++i)
    if (GetChannelCustom(i)->CanDraw())
      AddLayerEntry(GetChannelCustom(i)->GetLayerKey() + QLatin1Char('F'), GetChannelCustom(i));
  for (int i = 0; i < AnnotationCount(); ++i)
    AddLayerEntry(GetAnnotation(i)->GetLayerKey() + QLatin1Char('G'), GetAnnotation(i));
  const TRect clip = dv->DrawRect();
  for (const auto& entry : std::vector<std::pair<QString, TwPlotObject*>>(FLayerList)) {
    Canvas.SetClipRect({clip.Left, clip.Top, clip.Right + 1, clip.Bottom + 1});
    try {
      entry.second->Draw(Canvas, layerColor);
    } catch (...) {
      Canvas.ResetClip();
      throw;
    }
    Canvas.ResetClip();
  }
  dv->DrawZoomBox(Canvas);
  Canvas.Brush = platform::TBrush{BackGroundColor(), platform::bsSolid};
  DrawBorder(Canvas);
  for (int i = 0; i < XAxisCount(); ++i)
    if (GetXAxis(i)->CartesianStyle() == ipcsNone) GetXAxis(i)->Draw(Canvas, BackGroundColor());
  for (int i = 0; i < YAxisCount(); ++i)
    if (GetYAxis(i)->CartesianStyle() == ipcsNone) GetYAxis(i)->Draw(Canvas, BackGroundColor());
  for (int i = 0; i < LabelCount(); ++i) GetLabel(i)->Draw(Canvas, BackGroundColor());
  for (int i = 0; i < ToolBarCount(); ++i) GetToolBar(i)->Draw(Canvas, BackGroundColor());
  for (int i = 0; i < DataCursorCount(); ++i) GetDataCursor(i)->Draw(Canvas, layerColor);
  for (int i = 0; i < LegendCount(); ++i) GetLegend(i)->Draw(Canvas, BackGroundColor());
  for (int i = 0; i < TableCount(); ++i) GetTable(i)->Draw(Canvas, BackGroundColor());
  drawHint(Canvas);
  FPaintingActive = false;
  if (OnAfterPaint) OnAfterPaint(this);
}

void TwPlotComponent::AddStandardObjects() {
  GetToolBar(AddToolBar())->SetZOrder(3);
  GetLegend(AddLegend())->SetZOrder(2);
  AddXAxis();
  AddYAxis();
  AddChannel();
  AddDataView();
  AddDataCursor();
  TwPlotLabel* title = GetLabel(AddLabel());
  title->SetZOrder(2);
  title->SetName(QStringLiteral("Title"));
  title->SetCaption(QStringLiteral("Untitled"));
  title->SetMarginBottom(0);
}
