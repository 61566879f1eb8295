#include "plot/wPlotDataList.h"

#include <algorithm>
#include <climits>

#include "controls/wException.h"

namespace {
constexpr const char* kIndexOutOfBounds = "Index out of Bounds";

// The size after one growth step: + a quarter above 64, + 16 from 9, + 4 up to 8.
int GrownSize(int Size) {
  if (Size > 64) return Size + Size / 4;
  if (Size > 8) return Size + 16;
  return Size + 4;
}
}  // namespace

TwPlotDataCustomList::TwPlotDataCustomList(int DataPointSize) { SetDataPointSize(DataPointSize); }

void TwPlotDataCustomList::SetDataPointSize(int Size) {
  FDataPointSize = Size;
  FMaxDataPoints = INT_MAX / Size;
}

int TwPlotDataCustomList::PhysicalIndex(int Index) const {
  if (Index < 0 || Index >= FCount) throw TwException(kIndexOutOfBounds);
  if (FTail == 0) return Index;
  int p = Index + FTail;
  if (p > FCount - 1) p -= FCount;
  return p;
}

void TwPlotDataCustomList::Grow() { SetCapacity(GrownSize(FCapacity)); }

int TwPlotDataCustomList::CheckCapacity(int NewCapacity) const {
  if (NewCapacity < 0) throw TwException(kIndexOutOfBounds);
  if (NewCapacity > INT_MAX / FDataPointSize) throw TwException("Exceed Maximum List Size");
  return FRingBufferEnabled ? std::max(NewCapacity, 1) : NewCapacity;
}

void TwPlotDataCustomList::Clear() {
  FCount = 0;
  FTail = 0;
  if (!FRingBufferEnabled) SetCapacity(0);
}

void TwPlotDataCustomList::SetRingBufferSize(int Value) {
  // Checked before anything changes, so a refused size leaves the store alone.
  if (Value < 0) throw TwException(kIndexOutOfBounds);
  if (Value > FMaxDataPoints) throw TwException("Exceed Maximum List Size");
  if (Value == 0) {
    if (!FRingBufferEnabled) return;
    FRingBufferEnabled = false;
    if (FTail != 0) Clear();
    return;
  }
  FRingBufferEnabled = true;
  if (Value == FCapacity) return;
  if (FTail != 0) Clear();
  if (Value > FCapacity) {
    SetCapacity(Value);
  } else {
    if (Value < FCount) DeletePoints(FCount - Value);
    SetCapacity(Value);
  }
}

// ---- shared record handling ----

template <class TRecord>
void TwPlotDataList<TRecord>::Unwrap() {
  if (FTail == 0) return;
  std::rotate(FList.begin(), FList.begin() + FTail, FList.begin() + FCount);
  FTail = 0;
}

template <class TRecord>
void TwPlotDataList<TRecord>::SetCapacity(int NewCapacity) {
  NewCapacity = CheckCapacity(NewCapacity);
  if (NewCapacity == FCapacity) return;
  // A wrapped ring that changes size keeps its points in logical order.
  Unwrap();
  FCapacity = NewCapacity;
  if (NewCapacity < FCount) {
    FCount = NewCapacity;
    FList.resize(static_cast<std::size_t>(FCount));
  }
  if (FList.capacity() > static_cast<std::size_t>(NewCapacity)) FList.shrink_to_fit();
}

template <class TRecord>
void TwPlotDataList<TRecord>::Clear() {
  // A ring keeps the slots it has filled, for the points to come.
  FList.clear();
  TwPlotDataCustomList::Clear();
}

template <class TRecord>
int TwPlotDataList<TRecord>::Add(double X, double Y, bool Null, bool Empty) {
  const TRecord record = MakeRecord(X, Y, Null, Empty);
  BeforeStore(X);
  if (FRingBufferEnabled && FCount == FCapacity && FCount > 0) {
    const int s = FTail;
    FTail = s + 1 == FCount ? 0 : s + 1;
    FList[static_cast<std::size_t>(s)] = record;
    AfterOverwrite();
    return FCount - 1;
  }
  if (!FRingBufferEnabled && FCount == FCapacity) Grow();
  // The slots grow in the same steps as a growable store, up to Capacity.
  if (FList.size() == FList.capacity()) {
    const int room = std::min(FCapacity, GrownSize(static_cast<int>(FList.capacity())));
    FList.reserve(static_cast<std::size_t>(room));
  }
  FList.push_back(record);
  return FCount++;
}

template <class TRecord>
void TwPlotDataList<TRecord>::DeletePoints(int Size) {
  if (Size < 0 || Size >= FCount) throw TwException(DeleteSizeText());
  // A wrapped ring is put in order first, so the oldest logical points go.
  Unwrap();
  FCount -= Size;
  FList.erase(FList.begin(), FList.begin() + Size);
}

template class TwPlotDataList<TwPlotDataNull>;
template class TwPlotDataList<TwPlotDataSingle>;
template class TwPlotDataList<TwPlotDataCompactInterval>;
template class TwPlotDataList<TwPlotDataFull>;

// ---- standard ----

TwPlotDataNull TwPlotDataNullList::MakeRecord(double X, double Y, bool Null, bool Empty) const {
  int extra = (FStored.MarkerStyle & 15) << 3;
  if (FStored.MarkerVisible) extra |= 4;
  if (Null) extra |= 1;
  if (Empty) extra |= 2;
  return {X, Y, static_cast<std::uint16_t>(extra)};
}

void TwPlotDataNullList::SetBits(int Index, int Mask, int Bits) {
  TwPlotDataNull& r = Rec(Index);
  r.Extra = static_cast<std::uint16_t>((r.Extra & ~Mask) | (Bits & Mask));
}

void TwPlotDataNullList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const {
  const TwPlotDataNull& r = Rec(Index);
  X = r.X;
  Y = r.Y;
  Empty = r.Extra & 2;
  Null = r.Extra & 1;
}

// ---- compact ----

void TwPlotDataCompactList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const {
  const TwPlotDataSingle& r = Rec(Index);
  X = r.X;
  Y = r.Y;
  Empty = Null = false;
}

// ---- compact interval ----

void TwPlotDataCompactIntervalList::SetX(int Index, double Value) {
  if (FCount > 0 && Index == 0) {
    FFirstX = Value;
    return;
  }
  throw TwException(
      "Data Style does not support setting individual X-Value with the exception of the first X-Value");
}

void TwPlotDataCompactIntervalList::Clear() {
  TwPlotDataList::Clear();
  FInterval = -1.0;
}

void TwPlotDataCompactIntervalList::BeforeStore(double X) {
  if (FCount == 0)
    FFirstX = X;
  else if (FCount == 1 && FInterval == -1.0)
    FInterval = X - FFirstX;
}

void TwPlotDataCompactIntervalList::AfterOverwrite() {
  // The oldest remaining point keeps its X.
  if (FCount > 1) FFirstX += FInterval;
}

void TwPlotDataCompactIntervalList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty,
                                                   bool& Null) const {
  Y = Rec(Index).Y;
  X = GetX(Index);
  Empty = Null = false;
}

// ---- full ----

TwPlotDataFull TwPlotDataFullList::MakeRecord(double X, double Y, bool Null, bool Empty) const {
  const TwPlotStoredStyle& s = FStored;
  return {X,
          Y,
          Null,
          Empty,
          0,
          0,
          0,
          0,
          s.TraceLineColor,
          s.TraceLineWidth,
          s.TraceLineStyle,
          s.MarkerVisible,
          s.MarkerSize,
          s.MarkerStyle,
          s.MarkerPenColor,
          s.MarkerPenWidth,
          s.MarkerPenStyle,
          s.MarkerBrushColor,
          s.MarkerBrushStyle,
          QChar(0),
          s.BarVisible,
          s.BarReference,
          s.BarWidth,
          s.BarPenColor,
          s.BarPenWidth,
          s.BarPenStyle,
          s.BarBrushColor,
          s.BarBrushStyle};
}

void TwPlotDataFullList::GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const {
  const TwPlotDataFull& r = Rec(Index);
  X = r.X;
  Y = r.Y;
  Empty = r.Empty;
  Null = r.Null;
}
