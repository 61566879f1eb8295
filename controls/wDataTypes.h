// Value containers beside the instrument base, and its update object.
//
// TwPlotMinMaxPoint gathers the Y values that fall into one pixel column
// while a channel draws, so a dense trace becomes one stroke per column.
// TwLimitDataList is a growable array of limit samples (position, upper,
// lower) with its own capacity rule. TDigitalSequenceData holds one step of
// a digital trace.
//
// TwUpdateObject is the one process-wide object that flushes throttled
// repaints: every instrument control registers itself as an IiUpdateClient,
// and a 1000 ms timer sweeps them, repainting each one whose request is
// pending, that is not inside BeginUpdate and whose frame period has passed.
// It is made at the first registration (the application must exist by then)
// and freed when the application ends; its timer runs only while a control
// is registered. UI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {
class Timer;
}

class TwPlotMinMaxPoint {
 public:
  TwPlotMinMaxPoint() { Clear(); }

  // Empty again; the next AddData sets YMax and YMin.
  void Clear();
  // The first value after Clear also sets XPixels, XValue and YFirst.
  void AddData(double NewXValue, double NewYValue, int NewXPixels);
  void AssignDown(const TwPlotMinMaxPoint& Source);

  bool Empty = true;
  int XPixels = 0;
  double XValue = 0;
  double YMax = 0;
  double YMin = 0;
  double YFirst = 0;
  double YLast = 0;
};

struct TwLimitData {
  double Position;
  double UpperLimit;
  double LowerLimit;
};

class TwLimitDataList {
 public:
  // Appends, growing the capacity by 4 below 9, by 16 up to 64 and by a
  // quarter above; returns the new element's index.
  int Add(double Position, double UpperLimit, double LowerLimit);
  // Raises "Exceed Maximum List Size" above 134217727 (and below 0); a
  // smaller capacity cuts Count.
  void SetCapacity(int NewCapacity);
  void Clear();

  int Count() const { return FCount; }
  int Capacity() const { return FCapacity; }
  // Raise "Index out of Bounds" outside 0..Count-1.
  double GetPosition(int Index) const;
  double GetUpperLimit(int Index) const;
  double GetLowerLimit(int Index) const;

 private:
  const TwLimitData& Item(int Index) const;
  void Grow();

  std::unique_ptr<TwLimitData[]> FList;
  int FCount = 0;
  int FCapacity = 0;
};

class TDigitalSequenceData {
 public:
  // Clears the three Set flags; the values stay.
  void Clear();

  bool StartSet = false;
  double StartXValue = 0;
  bool StartYValue = false;
  bool StopSet = false;
  double StopXValue = 0;
  bool TransitionSet = false;
  double TransitionXValue = 0;
};

// What the update object asks of a control.
class IiUpdateClient {
 public:
  virtual bool GetUpdateActive() const = 0;
  virtual bool GetNeedsRepaint() const = 0;
  virtual int GetUpdateFrameRate() const = 0;
  // Time of the last real repaint request (twclock milliseconds).
  virtual std::int64_t GetLastUpdate() const = 0;
  virtual void DoInvalidate() = 0;

 protected:
  ~IiUpdateClient() = default;
};

class TwUpdateObject {
 public:
  // The update object, made on first use.
  static TwUpdateObject& Get();
  // The update object when it exists, else nullptr.
  static TwUpdateObject* Existing();

  // Appends; the first entry enables the timer.
  void AddUpdateControl(IiUpdateClient* Control);
  // Removes if present; the last one disables the timer.
  void RemoveUpdateControl(IiUpdateClient* Control);
  int Count() const { return int(FControlList.size()); }
  bool TimerEnabled() const;
  // One timer tick (tests call it directly).
  void Sweep();

  ~TwUpdateObject();

 private:
  TwUpdateObject();

  std::unique_ptr<platform::Timer> FTimer;
  std::vector<IiUpdateClient*> FControlList;
};
