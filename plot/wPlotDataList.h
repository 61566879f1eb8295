// Point stores: where a plot channel keeps its data points. A store is a
// growable array of fixed-size point records, addressed by a logical index
// (0 = the oldest point), with an optional ring buffer of fixed capacity.
//
// TwPlotDataCustomList holds the bookkeeping of every store and the channel's
// stored style values (trace, marker and bar). The four stores differ in what
// they keep per point:
//
//   TwPlotDataNullList             24 bytes  X, Y; Null, Empty, MarkerVisible and
//                                            MarkerStyle packed in Extra
//   TwPlotDataCompactList           8 bytes  X, Y as float
//   TwPlotDataCompactIntervalList   4 bytes  Y as float; X = FirstX + i * Interval
//   TwPlotDataFullList            144 bytes  every value and style of the point
//
// Whatever a store does not keep per point reads as the stored value (style)
// or 0 / false (High, Low, Open, Close, Null, Empty); writing it does nothing.
// So drawing code asks each point for its own style without knowing the store.
//
// Growth: 0, 4, 8, 12, 28, 44, 60, 76, 95, ... (4 up to 8, 16 up to 64, then a
// quarter). With the ring on (RingBufferSize > 0) the capacity is fixed and a
// full ring overwrites its oldest point; a ring keeps a capacity of 1 at least.
// Capacity is a limit, not an allocation: the record slots (Allocated) grow in
// the same steps with the points held, so a ring of any size, or a capacity
// set by hand, takes memory only for the points it is given.
// DeletePoints(n) removes the n oldest points (a wrapped ring is put in order
// first); n must lie in 0 .. Count - 1.
//
// Every failure throws TwException and leaves the store unchanged: "Index out
// of Bounds" (an index outside 0 .. Count - 1, a negative capacity or ring
// size), "Exceed Maximum List Size", "Delete size out of Range" ("Delete Size
// Out Of Range" from the full store), and from the compact-interval store's
// SetX on any point but 0 "Data Style does not support setting individual
// X-Value with the exception of the first X-Value".
#pragma once

#include <QChar>

#include <cstdint>
#include <vector>

#include "controls/wDraw.h"
#include "platform/Canvas.h"

enum TwPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };

struct TwPlotDataNull {
  double X, Y;
  // Bit 0 Null, bit 1 Empty, bit 2 MarkerVisible, bits 3-6 MarkerStyle.
  std::uint16_t Extra;
};

struct TwPlotDataSingle {
  float X, Y;
};

struct TwPlotDataCompactInterval {
  float Y;
};

struct TwPlotDataFull {
  double X, Y;
  bool Null, Empty;
  double High, Low, Open, Close;
  platform::TColor TraceLineColor;
  int TraceLineWidth;
  TwPlotLineStyle TraceLineStyle;
  bool MarkerVisible;
  int MarkerSize;
  TwPlotMarkerStyle MarkerStyle;
  platform::TColor MarkerPenColor;
  int MarkerPenWidth;
  platform::TPenStyle MarkerPenStyle;
  platform::TColor MarkerBrushColor;
  platform::TBrushStyle MarkerBrushStyle;
  QChar MarkerCharacter;
  bool BarVisible;
  double BarReference, BarWidth;
  platform::TColor BarPenColor;
  int BarPenWidth;
  platform::TPenStyle BarPenStyle;
  platform::TColor BarBrushColor;
  platform::TBrushStyle BarBrushStyle;
};

// The channel-wide style values a store keeps (and a DataStyle change copies).
struct TwPlotStoredStyle {
  platform::TColor TraceLineColor = 0;
  int TraceLineWidth = 0;
  TwPlotLineStyle TraceLineStyle = iplsSolid;
  bool MarkerVisible = false;
  int MarkerSize = 0;
  TwPlotMarkerStyle MarkerStyle = ipmsCircle;
  platform::TColor MarkerPenColor = 0;
  int MarkerPenWidth = 0;
  platform::TPenStyle MarkerPenStyle = platform::psSolid;
  platform::TColor MarkerBrushColor = 0;
  platform::TBrushStyle MarkerBrushStyle = platform::bsSolid;
  QChar MarkerCharacter = QChar(0);
  bool BarVisible = true;
  double BarReference = 0;
  double BarWidth = 0;
  platform::TColor BarPenColor = 0;
  int BarPenWidth = 0;
  platform::TPenStyle BarPenStyle = platform::psSolid;
  platform::TColor BarBrushColor = 0;
  platform::TBrushStyle BarBrushStyle = platform::bsSolid;
};

class TwPlotDataCustomList {
 public:
  virtual ~TwPlotDataCustomList() = default;
  TwPlotDataCustomList(const TwPlotDataCustomList&) = delete;
  TwPlotDataCustomList& operator=(const TwPlotDataCustomList&) = delete;

  int Count() const { return FCount; }
  int Capacity() const { return FCapacity; }
  int DataPointSize() const { return FDataPointSize; }
  int MaxDataPoints() const { return FMaxDataPoints; }
  long long MemoryUsed() const { return static_cast<long long>(FDataPointSize) * FCapacity; }
  // Record slots allocated: at least Count, never above Capacity.
  virtual int Allocated() const = 0;
  bool RingBufferEnabled() const { return FRingBufferEnabled; }
  // Capacity while the ring is on, else 0.
  int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
  // 0 turns the ring off (emptying a wrapped ring); a size turns it on with
  // that capacity, keeping the newest points; a wrapped ring is emptied first.
  void SetRingBufferSize(int Value);
  // The array slot of a logical index.
  int PhysicalIndex(int Index) const;

  // The stored style values, read and written as a whole or one by one.
  const TwPlotStoredStyle& Stored() const { return FStored; }
  TwPlotStoredStyle& Stored() { return FStored; }

  virtual double GetX(int Index) const = 0;
  virtual double GetY(int Index) const = 0;
  virtual bool GetEmpty(int Index) const { return PhysicalIndex(Index), false; }
  virtual bool GetNull(int Index) const { return PhysicalIndex(Index), false; }
  virtual double GetHigh(int Index) const { return PhysicalIndex(Index), 0.0; }
  virtual double GetLow(int Index) const { return PhysicalIndex(Index), 0.0; }
  virtual double GetOpen(int Index) const { return PhysicalIndex(Index), 0.0; }
  virtual double GetClose(int Index) const { return PhysicalIndex(Index), 0.0; }
  virtual void SetX(int Index, double Value) = 0;
  virtual void SetY(int Index, double Value) = 0;
  virtual void SetEmpty(int Index, bool) { PhysicalIndex(Index); }
  virtual void SetNull(int Index, bool) { PhysicalIndex(Index); }
  virtual void SetHigh(int Index, double) { PhysicalIndex(Index); }
  virtual void SetLow(int Index, double) { PhysicalIndex(Index); }
  virtual void SetOpen(int Index, double) { PhysicalIndex(Index); }
  virtual void SetClose(int Index, double) { PhysicalIndex(Index); }

  // Per-point style: the stored value unless the store keeps it per point.
  virtual platform::TColor GetTraceLineColor(int) const { return FStored.TraceLineColor; }
  virtual int GetTraceLineWidth(int) const { return FStored.TraceLineWidth; }
  virtual TwPlotLineStyle GetTraceLineStyle(int) const { return FStored.TraceLineStyle; }
  virtual bool GetMarkerVisible(int) const { return FStored.MarkerVisible; }
  virtual int GetMarkerSize(int) const { return FStored.MarkerSize; }
  virtual TwPlotMarkerStyle GetMarkerStyle(int) const { return FStored.MarkerStyle; }
  virtual platform::TColor GetMarkerPenColor(int) const { return FStored.MarkerPenColor; }
  virtual int GetMarkerPenWidth(int) const { return FStored.MarkerPenWidth; }
  virtual platform::TPenStyle GetMarkerPenStyle(int) const { return FStored.MarkerPenStyle; }
  virtual platform::TColor GetMarkerBrushColor(int) const { return FStored.MarkerBrushColor; }
  virtual platform::TBrushStyle GetMarkerBrushStyle(int) const { return FStored.MarkerBrushStyle; }
  virtual QChar GetMarkerCharacter(int) const { return FStored.MarkerCharacter; }
  virtual bool GetBarVisible(int) const { return FStored.BarVisible; }
  virtual double GetBarReference(int) const { return FStored.BarReference; }
  virtual double GetBarWidth(int) const { return FStored.BarWidth; }
  virtual platform::TColor GetBarPenColor(int) const { return FStored.BarPenColor; }
  virtual int GetBarPenWidth(int) const { return FStored.BarPenWidth; }
  virtual platform::TPenStyle GetBarPenStyle(int) const { return FStored.BarPenStyle; }
  virtual platform::TColor GetBarBrushColor(int) const { return FStored.BarBrushColor; }
  virtual platform::TBrushStyle GetBarBrushStyle(int) const { return FStored.BarBrushStyle; }
  virtual void SetTraceLineColor(int, platform::TColor) {}
  virtual void SetTraceLineWidth(int, int) {}
  virtual void SetTraceLineStyle(int, TwPlotLineStyle) {}
  virtual void SetMarkerVisible(int, bool) {}
  virtual void SetMarkerSize(int, int) {}
  virtual void SetMarkerStyle(int, TwPlotMarkerStyle) {}
  virtual void SetMarkerPenColor(int, platform::TColor) {}
  virtual void SetMarkerPenWidth(int, int) {}
  virtual void SetMarkerPenStyle(int, platform::TPenStyle) {}
  virtual void SetMarkerBrushColor(int, platform::TColor) {}
  virtual void SetMarkerBrushStyle(int, platform::TBrushStyle) {}
  virtual void SetMarkerCharacter(int, QChar) {}
  virtual void SetBarVisible(int, bool) {}
  virtual void SetBarReference(int, double) {}
  virtual void SetBarWidth(int, double) {}
  virtual void SetBarPenColor(int, platform::TColor) {}
  virtual void SetBarPenWidth(int, int) {}
  virtual void SetBarPenStyle(int, platform::TPenStyle) {}
  virtual void SetBarBrushColor(int, platform::TColor) {}
  virtual void SetBarBrushStyle(int, platform::TBrushStyle) {}

  // Appends a point (over the oldest one in a full ring); its logical index.
  virtual int Add(double X, double Y, bool Null, bool Empty) = 0;
  // Empties the store; a growable store also releases its memory.
  virtual void Clear();
  // Capacity NewCapacity; below Count the newest points beyond it are dropped.
  virtual void SetCapacity(int NewCapacity) = 0;
  virtual void DeletePoints(int Size) = 0;
  virtual void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const = 0;

 protected:
  explicit TwPlotDataCustomList(int DataPointSize);
  void SetDataPointSize(int Size);
  // Capacity + a quarter above 64, + 16 from 9, + 4 up to 8.
  void Grow();
  // Checks a requested capacity; the capacity to set (1 at least in a ring).
  int CheckCapacity(int NewCapacity) const;

  int FCount = 0;
  int FCapacity = 0;
  int FTail = 0;
  bool FRingBufferEnabled = false;
  int FDataPointSize = 0;
  int FMaxDataPoints = 0;
  TwPlotStoredStyle FStored;
};

// The record handling the four stores share: capacity, add, delete, ring.
template <class TRecord>
class TwPlotDataList : public TwPlotDataCustomList {
 public:
  int Allocated() const override { return static_cast<int>(FList.capacity()); }
  void SetCapacity(int NewCapacity) override;
  void Clear() override;
  int Add(double X, double Y, bool Null, bool Empty) override;
  void DeletePoints(int Size) override;

 protected:
  explicit TwPlotDataList(int DataPointSize) : TwPlotDataCustomList(DataPointSize) {}
  virtual TRecord MakeRecord(double X, double Y, bool Null, bool Empty) const = 0;
  // Sees every added X before its record is stored (the compact-interval X).
  virtual void BeforeStore(double /*X*/) {}
  // After a full ring overwrote its oldest point.
  virtual void AfterOverwrite() {}
  virtual const char* DeleteSizeText() const { return "Delete size out of Range"; }
  // Puts a wrapped ring in logical order (tail 0).
  void Unwrap();
  TRecord& Rec(int Index) { return FList[static_cast<std::size_t>(PhysicalIndex(Index))]; }
  const TRecord& Rec(int Index) const { return FList[static_cast<std::size_t>(PhysicalIndex(Index))]; }

  std::vector<TRecord> FList;  // the Count points, in slot order
};

class TwPlotDataNullList : public TwPlotDataList<TwPlotDataNull> {
 public:
  TwPlotDataNullList() : TwPlotDataList(24) {}
  double GetX(int Index) const override { return Rec(Index).X; }
  double GetY(int Index) const override { return Rec(Index).Y; }
  bool GetEmpty(int Index) const override { return Rec(Index).Extra & 2; }
  bool GetNull(int Index) const override { return Rec(Index).Extra & 1; }
  void SetX(int Index, double Value) override { Rec(Index).X = Value; }
  void SetY(int Index, double Value) override { Rec(Index).Y = Value; }
  void SetEmpty(int Index, bool Value) override { SetBits(Index, 2, Value ? 2 : 0); }
  void SetNull(int Index, bool Value) override { SetBits(Index, 1, Value ? 1 : 0); }
  bool GetMarkerVisible(int Index) const override { return Rec(Index).Extra & 4; }
  TwPlotMarkerStyle GetMarkerStyle(int Index) const override {
    return TwPlotMarkerStyle((Rec(Index).Extra >> 3) & 15);
  }
  void SetMarkerVisible(int Index, bool Value) override { SetBits(Index, 4, Value ? 4 : 0); }
  void SetMarkerStyle(int Index, TwPlotMarkerStyle Value) override { SetBits(Index, 0x78, (Value & 15) << 3); }
  void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

 protected:
  TwPlotDataNull MakeRecord(double X, double Y, bool Null, bool Empty) const override;

 private:
  void SetBits(int Index, int Mask, int Bits);
};

class TwPlotDataCompactList : public TwPlotDataList<TwPlotDataSingle> {
 public:
  TwPlotDataCompactList() : TwPlotDataList(8) {}
  double GetX(int Index) const override { return Rec(Index).X; }
  double GetY(int Index) const override { return Rec(Index).Y; }
  void SetX(int Index, double Value) override { Rec(Index).X = float(Value); }
  void SetY(int Index, double Value) override { Rec(Index).Y = float(Value); }
  void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

 protected:
  TwPlotDataSingle MakeRecord(double X, double Y, bool, bool) const override { return {float(X), float(Y)}; }
};

class TwPlotDataCompactIntervalList : public TwPlotDataList<TwPlotDataCompactInterval> {
 public:
  TwPlotDataCompactIntervalList() : TwPlotDataList(4) {}
  double Interval() const { return FInterval; }
  double FirstX() const { return FFirstX; }
  // Computed for any index, without a range check.
  double GetX(int Index) const override { return FFirstX + Index * FInterval; }
  double GetY(int Index) const override { return Rec(Index).Y; }
  // Point 0 only: moves every point.
  void SetX(int Index, double Value) override;
  void SetY(int Index, double Value) override { Rec(Index).Y = float(Value); }
  void Clear() override;
  void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

 protected:
  TwPlotDataCompactInterval MakeRecord(double, double Y, bool, bool) const override { return {float(Y)}; }
  void BeforeStore(double X) override;
  void AfterOverwrite() override;

 private:
  double FInterval = -1.0;  // -1 until the second point fixes it
  double FFirstX = 0;
};

class TwPlotDataFullList : public TwPlotDataList<TwPlotDataFull> {
 public:
  TwPlotDataFullList() : TwPlotDataList(144) {}
  double GetX(int Index) const override { return Rec(Index).X; }
  double GetY(int Index) const override { return Rec(Index).Y; }
  bool GetEmpty(int Index) const override { return Rec(Index).Empty; }
  bool GetNull(int Index) const override { return Rec(Index).Null; }
  double GetHigh(int Index) const override { return Rec(Index).High; }
  double GetLow(int Index) const override { return Rec(Index).Low; }
  double GetOpen(int Index) const override { return Rec(Index).Open; }
  double GetClose(int Index) const override { return Rec(Index).Close; }
  void SetX(int Index, double Value) override { Rec(Index).X = Value; }
  void SetY(int Index, double Value) override { Rec(Index).Y = Value; }
  void SetEmpty(int Index, bool Value) override { Rec(Index).Empty = Value; }
  void SetNull(int Index, bool Value) override { Rec(Index).Null = Value; }
  void SetHigh(int Index, double Value) override { Rec(Index).High = Value; }
  void SetLow(int Index, double Value) override { Rec(Index).Low = Value; }
  void SetOpen(int Index, double Value) override { Rec(Index).Open = Value; }
  void SetClose(int Index, double Value) override { Rec(Index).Close = Value; }

#define TW_FULL_FIELD(Type, Field)                                             \
  Type Get##Field(int Index) const override { return Rec(Index).Field; }      \
  void Set##Field(int Index, Type Value) override { Rec(Index).Field = Value; }
  TW_FULL_FIELD(platform::TColor, TraceLineColor)
  TW_FULL_FIELD(int, TraceLineWidth)
  TW_FULL_FIELD(TwPlotLineStyle, TraceLineStyle)
  TW_FULL_FIELD(bool, MarkerVisible)
  TW_FULL_FIELD(int, MarkerSize)
  TW_FULL_FIELD(TwPlotMarkerStyle, MarkerStyle)
  TW_FULL_FIELD(platform::TColor, MarkerPenColor)
  TW_FULL_FIELD(int, MarkerPenWidth)
  TW_FULL_FIELD(platform::TPenStyle, MarkerPenStyle)
  TW_FULL_FIELD(platform::TColor, MarkerBrushColor)
  TW_FULL_FIELD(platform::TBrushStyle, MarkerBrushStyle)
  TW_FULL_FIELD(QChar, MarkerCharacter)
  TW_FULL_FIELD(bool, BarVisible)
  TW_FULL_FIELD(double, BarReference)
  TW_FULL_FIELD(double, BarWidth)
  TW_FULL_FIELD(platform::TColor, BarPenColor)
  TW_FULL_FIELD(int, BarPenWidth)
  TW_FULL_FIELD(platform::TPenStyle, BarPenStyle)
  TW_FULL_FIELD(platform::TColor, BarBrushColor)
  TW_FULL_FIELD(platform::TBrushStyle, BarBrushStyle)
#undef TW_FULL_FIELD

  void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const override;

 protected:
  TwPlotDataFull MakeRecord(double X, double Y, bool Null, bool Empty) const override;
  const char* DeleteSizeText() const override { return "Delete Size Out Of Range"; }
};
