#include "controls/wDataTypes.h"

#include "controls/wClock.h"
#include "controls/wException.h"
#include "platform/Timer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

// ---- TwPlotMinMaxPoint ------------------------------------------------------

void TwPlotMinMaxPoint::Clear() {
  Empty = true;
  YMax = -1e301;
  YMin = 1e301;
}

void TwPlotMinMaxPoint::AddData(double NewXValue, double NewYValue, int NewXPixels) {
  if (Empty) {
    Empty = false;
    XPixels = NewXPixels;
    XValue = NewXValue;
    YFirst = NewYValue;
  }
  if (NewYValue > YMax) YMax = NewYValue;
  if (NewYValue < YMin) YMin = NewYValue;
  YLast = NewYValue;
}

void TwPlotMinMaxPoint::AssignDown(const TwPlotMinMaxPoint& Source) {
  Empty = Source.Empty;
  XPixels = Source.XPixels;
  XValue = Source.XValue;
  YMax = Source.YMax;
  YMin = Source.YMin;
  YFirst = Source.YFirst;
  YLast = Source.YLast;
}

// ---- TwLimitDataList --------------------------------------------------------

namespace {
constexpr int kMaxListSize = 134217727;
}

int TwLimitDataList::Add(double Position, double UpperLimit, double LowerLimit) {
  if (FCount == FCapacity) Grow();
  FList[FCount] = {Position, UpperLimit, LowerLimit};
  return FCount++;
}

void TwLimitDataList::Grow() {
  int delta = 4;
  if (FCapacity > 64)
    delta = FCapacity / 4;
  else if (FCapacity > 8)
    delta = 16;
  SetCapacity(FCapacity + delta);
}

void TwLimitDataList::SetCapacity(int NewCapacity) {
  if (NewCapacity > kMaxListSize || NewCapacity < 0) throw TwException("Exceed Maximum List Size");
  if (NewCapacity == FCapacity) return;
  std::unique_ptr<TwLimitData[]> list;
  if (NewCapacity > 0) {
    list.reset(new TwLimitData[std::size_t(NewCapacity)]);
    const int keep = std::min(FCount, NewCapacity);
    if (keep > 0) std::memcpy(list.get(), FList.get(), sizeof(TwLimitData) * std::size_t(keep));
  }
  FList = std::move(list);
  FCapacity = NewCapacity;
  if (FCount > NewCapacity) FCount = NewCapacity;
}

void TwLimitDataList::Clear() {
  FCount = 0;
  SetCapacity(0);
}

const TwLimitData& TwLimitDataList::Item(int Index) const {
  if (Index < 0 || Index >= FCount) throw TwException("Index out of Bounds");
  return FList[Index];
}

double TwLimitDataList::GetPosition(int Index) const { return Item(Index).Position; }
double TwLimitDataList::GetUpperLimit(int Index) const { return Item(Index).UpperLimit; }
double TwLimitDataList::GetLowerLimit(int Index) const { return Item(Index).LowerLimit; }

// ---- TDigitalSequenceData ---------------------------------------------------

void TDigitalSequenceData::Clear() { StartSet = StopSet = TransitionSet = false; }

// ---- TwUpdateObject ---------------------------------------------------------

namespace {
TwUpdateObject* gUpdateObject = nullptr;

void FreeUpdateObject() {
  delete gUpdateObject;
  gUpdateObject = nullptr;
}
}  // namespace

TwUpdateObject& TwUpdateObject::Get() {
  if (!gUpdateObject) {
    gUpdateObject = new TwUpdateObject;
    // Freed while the application ends, before Qt's own objects go.
    qAddPostRoutine(FreeUpdateObject);
  }
  return *gUpdateObject;
}

TwUpdateObject* TwUpdateObject::Existing() { return gUpdateObject; }

TwUpdateObject::TwUpdateObject() : FTimer(std::make_unique<platform::Timer>(nullptr, 1000)) {
  FTimer->OnTimer = [this](QObject*) { Sweep(); };
}

TwUpdateObject::~TwUpdateObject() = default;

void TwUpdateObject::AddUpdateControl(IiUpdateClient* Control) {
  FControlList.push_back(Control);
  if (FControlList.size() == 1) FTimer->SetEnabled(true);
}

void TwUpdateObject::RemoveUpdateControl(IiUpdateClient* Control) {
  auto it = std::find(FControlList.begin(), FControlList.end(), Control);
  if (it != FControlList.end()) FControlList.erase(it);
  if (FControlList.empty()) FTimer->SetEnabled(false);
}

bool TwUpdateObject::TimerEnabled() const { return FTimer->Enabled(); }

void TwUpdateObject::Sweep() {
  const std::vector<IiUpdateClient*> controls = FControlList;
  const std::int64_t now = twclock::NowMs();
  for (IiUpdateClient* c : controls) {
    // A control freed by an earlier repaint's side effects is skipped.
    if (std::find(FControlList.begin(), FControlList.end(), c) == FControlList.end()) continue;
    if (c->GetUpdateActive() || !c->GetNeedsRepaint()) continue;
    const int rate = c->GetUpdateFrameRate();
    // A rate of 0 (or less) has no frame period: a pending request is due.
    const double period = rate > 0 ? 1000.0 / rate : 0.0;
    if (double(now) > double(c->GetLastUpdate()) + period) c->DoInvalidate();
  }
}
