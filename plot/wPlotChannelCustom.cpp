#include "plot/wPlotChannelCustom.h"

#include <cmath>

#include "controls/wException.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotKinds.h"

namespace {

std::unique_ptr<TwPlotDataCustomList> NewStore(TwPlotDataStyle Style) {
  switch (Style) {
    case ipdsCompact: return std::make_unique<TwPlotDataCompactList>();
    case ipdsCompactInterval: return std::make_unique<TwPlotDataCompactIntervalList>();
    case ipdsFullFeature: return std::make_unique<TwPlotDataFullList>();
    case ipdsStandard: break;
  }
  return std::make_unique<TwPlotDataNullList>();
}

}  // namespace

TwPlotChannelCustom::TwPlotChannelCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FDataList(NewStore(ipdsStandard)) {
  TwPlotStoredStyle& s = Stored();
  s.TraceLineColor = platform::clRed;
  s.TraceLineStyle = iplsSolid;
  s.TraceLineWidth = 1;
  s.MarkerVisible = false;
  s.MarkerSize = 3;
  s.MarkerStyle = ipmsCircle;
  s.MarkerPenColor = platform::clRed;
  s.MarkerPenStyle = platform::psSolid;
  s.MarkerPenWidth = 0;
  s.MarkerBrushColor = platform::clRed;
  s.MarkerBrushStyle = platform::bsSolid;
  FMarkersFont.Color = platform::clWhite;
  FMarkersFont.Style = platform::fsBold;
}

TwPlotChannelCustom::~TwPlotChannelCustom() = default;

// ---- properties ----

void TwPlotChannelCustom::SetRingBufferSize(int Value) {
  if (Value != RingBufferSize()) FlushPendingLog();
  FDataList->SetRingBufferSize(Value);
  DoChange();
}

void TwPlotChannelCustom::SetMarkersFont(const platform::TFont& Value) {
  if (Value == FMarkersFont) return;
  FMarkersFont = Value;
  DoChange();
}

void TwPlotChannelCustom::SetXAxisName(const QString& Value) {
  if (Value == FXAxisName) return;
  FXAxisName = Value;
  FXAxis = nullptr;
  DoChange();
}

void TwPlotChannelCustom::SetYAxisName(const QString& Value) {
  if (Value == FYAxisName) return;
  FYAxisName = Value;
  FYAxis = nullptr;
  DoChange();
}

void TwPlotChannelCustom::SetLogFileName(const QString& Value) {
  if (Value == FLogFileName) return;
  if (FLoggingActive) throw TwException(TranslateText("Log File Name can not be changed while logging is active.").toStdString());
  FLogFileName = Value;
}

void TwPlotChannelCustom::SetDataStyle(TwPlotDataStyle Value) {
  if (Value == FDataStyle) return;
  FlushPendingLog();
  TwPlotStoredStyle kept = Stored();
  const int ring = FDataList->RingBufferSize();
  std::unique_ptr<TwPlotDataCustomList> store = NewStore(Value);
  kept.MarkerCharacter = store->Stored().MarkerCharacter;
  store->Stored() = kept;
  store->SetRingBufferSize(ring);
  FDataList = std::move(store);
  FDataStyle = Value;
  DoChange();
}

void TwPlotChannelCustom::SetCount(int Value) {
  if (Value != Capacity()) FlushPendingLog();
  FDataList->SetCapacity(Value);
  DoChange();
}

// ---- axes ----

TwPlotXAxis* TwPlotChannelCustom::XAxis() const {
  if (!FXAxis && Owner()) FXAxis = Owner()->GetXAxisByName(FXAxisName);
  return FXAxis;
}

TwPlotYAxis* TwPlotChannelCustom::YAxis() const {
  if (!FYAxis && Owner()) FYAxis = Owner()->GetYAxisByName(FYAxisName);
  return FYAxis;
}

void TwPlotChannelCustom::NotificationRemove(TwPersistent* Sender) {
  if (Sender && Sender == static_cast<TwPersistent*>(FXAxis)) FXAxis = nullptr;
  if (Sender && Sender == static_cast<TwPersistent*>(FYAxis)) FYAxis = nullptr;
}

void TwPlotChannelCustom::NotificationRename(TwPersistent* Sender) {
  // The cached axis, or one not yet resolved that had the channel's axis name.
  if (auto* x = dynamic_cast<TwPlotXAxis*>(Sender);
      x && (x == FXAxis || (!FXAxis && FXAxisName.compare(x->NameOld(), Qt::CaseInsensitive) == 0))) {
    FXAxisName = x->Name();
    FXAxis = x;
  }
  if (auto* y = dynamic_cast<TwPlotYAxis*>(Sender);
      y && (y == FYAxis || (!FYAxis && FYAxisName.compare(y->NameOld(), Qt::CaseInsensitive) == 0))) {
    FYAxisName = y->Name();
    FYAxis = y;
  }
}

void TwPlotChannelCustom::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender == static_cast<TwPersistent*>(this)) return;
  if (dynamic_cast<TwPlotLegend*>(Sender)) return;
  if (auto* cursor = dynamic_cast<TwPlotDataCursor*>(Sender);
      cursor && cursor->ChannelName().compare(Name(), Qt::CaseInsensitive) == 0)
    return;
  auto* object = dynamic_cast<TwPlotObject*>(Sender);
  if (object && object->UserSelected()) SetUserSelected(false);
}

QString TwPlotChannelCustom::GetXValueText(double Value) const {
  if (TwPlotAxis* axis = XAxis()) return axis->GetCursorText(Value);
  return TranslateText(QStringLiteral("No X-Axis"));
}

QString TwPlotChannelCustom::GetYValueText(double Value) const {
  if (TwPlotAxis* axis = YAxis()) return axis->GetCursorText(Value);
  return TranslateText(QStringLiteral("No Y-Axis"));
}

// ---- adding points ----

int TwPlotChannelCustom::AddXY(double X, double Y) { return AddPoint(X, Y, false, false); }

int TwPlotChannelCustom::AddToStore(double X, double Y, bool Null, bool Empty) {
  const int i = FDataList->Add(X, Y, Null, Empty);
  DoChange();
  return i;
}

int TwPlotChannelCustom::AddPoint(double X, double Y, bool Null, bool Empty) {
  // A full ring drops its oldest point: log it first when it is still pending.
  if (FLoggingActive && FLogBufferCount > 0 && FDataList->RingBufferEnabled() && Count() == Capacity() &&
      FLogBufferCount >= Count())
    FlushLog();
  const int i = FDataList->Add(X, Y, Null, Empty);
  if (X > FRunningXMax) FRunningXMax = X;
  if (X < FRunningXMin) FRunningXMin = X;
  if (Y > FRunningYMax) FRunningYMax = Y;
  if (Y < FRunningYMin) FRunningYMin = Y;
  ++FRunningCount;
  FRunningXTotal += X;
  FRunningYTotal += Y;
  FRunningXMean = static_cast<double>(FRunningXTotal / FRunningCount);
  FRunningYMean = static_cast<double>(FRunningYTotal / FRunningCount);
  TrackAxes(X, Y, Null, Empty);
  if (FLoggingActive) {
    ++FLogBufferCount;
    if (FLogBufferSize < 2 || FLogBufferCount >= FLogBufferSize) FlushLog();
  }
  DoChange();
  return i;
}

void TwPlotChannelCustom::TrackAxes(double X, double Y, bool Null, bool Empty) {
  if (!FXAxisTrackingEnabled && !FYAxisTrackingEnabled) return;
  TwPlotAxis* x = FXAxisTrackingEnabled ? XAxis() : nullptr;
  TwPlotAxis* y = FYAxisTrackingEnabled ? YAxis() : nullptr;
  if (MarkersVisible()) {
    const int last = Count() - 1;
    if (GetDataNull(last)) return;
    if (x) {
      x->NewTrackingData(XPlusMarker(last));
      x->NewTrackingData(XMinusMarker(last));
    }
    if (y) {
      y->NewTrackingData(YPlusMarker(last));
      y->NewTrackingData(YMinusMarker(last));
    }
    return;
  }
  if (x) x->NewTrackingData(X);
  if (y && !Null && !Empty) y->NewTrackingData(Y);
}

void TwPlotChannelCustom::AddXYArrays(const std::vector<double>& XData, int XLow, int XHigh,
                                      const std::vector<double>& YData, int YLow, int YHigh) {
  if (XHigh - XLow + 1 != static_cast<int>(XData.size()) && !(XData.empty() && XHigh < XLow))
    throw TwException("X-Data array must be 1 dimensional");
  if (YHigh - YLow + 1 != static_cast<int>(YData.size()) && !(YData.empty() && YHigh < YLow))
    throw TwException("Y-Data array must be 1 dimensional");
  if (XLow != YLow) throw TwException("X-Data and Y-Data low bound dimension must match");
  if (XHigh != YHigh) throw TwException("X-Data and Y-Data hogh bound dimension must match");
  for (int i = XLow; i <= XHigh; ++i)
    AddXY(XData[static_cast<std::size_t>(i - XLow)], YData[static_cast<std::size_t>(i - YLow)]);
}

void TwPlotChannelCustom::AddXYArray(const std::vector<std::vector<double>>& Data) {
  if (Data.size() != 2) throw TwException("Array First Dimension Must Be 2 Elements");
  if (Data[0].size() != Data[1].size()) throw TwException("Array Must Be 2 Dimensional");
  for (std::size_t j = 0; j < Data[0].size(); ++j) AddXY(Data[0][j], Data[1][j]);
}

// ---- removing points ----

void TwPlotChannelCustom::ResetRunning() {
  FRunningXMin = FRunningYMin = 1e300;
  FRunningXMax = FRunningYMax = -1e300;
  FRunningXMean = FRunningYMean = 0;
  FRunningCount = 0;
  FRunningXTotal = FRunningYTotal = 0;
}

void TwPlotChannelCustom::Clear() {
  ResetRunning();
  FStartIndex = FStopIndex = -1;
  if (FLoggingActive) LogDeactivate();
  FDataList->Clear();
  DoChange();
}

// The pending log lines name the newest points; a change that may drop
// points writes them first.
void TwPlotChannelCustom::FlushPendingLog() {
  if (FLoggingActive && FLogBufferCount > 0) FlushLog();
}

void TwPlotChannelCustom::DeletePoints(int Size) {
  if (Size == Count()) return Clear();
  // The pending log lines name the newest points: write them while they exist.
  if (FLoggingActive && FLogBufferCount > 0 && Size > 0 && Size < Count()) FlushLog();
  FDataList->DeletePoints(Size);
  DoChange();
}

// ---- per-point setters ----

void TwPlotChannelCustom::SetDataX(int Index, double Value) {
  FDataList->SetX(Index, Value);
  DoChange();
}

void TwPlotChannelCustom::SetDataY(int Index, double Value) {
  FDataList->SetY(Index, Value);
  DoChange();
}

void TwPlotChannelCustom::SetDataNull(int Index, bool Value) {
  FDataList->SetNull(Index, Value);
  DoChange();
}

void TwPlotChannelCustom::SetDataEmpty(int Index, bool Value) {
  FDataList->SetEmpty(Index, Value);
  DoChange();
}

// ---- statistics ----

double TwPlotChannelCustom::GetXMin() {
  double v = 1e300;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i) && GetDataX(i) < v) v = GetDataX(i);
  return FRunningXMin = v;
}

double TwPlotChannelCustom::GetXMax() {
  double v = -1e300;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i) && GetDataX(i) > v) v = GetDataX(i);
  return FRunningXMax = v;
}

double TwPlotChannelCustom::GetYMin() {
  double v = 1e300;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i) && GetDataY(i) < v) v = GetDataY(i);
  return FRunningYMin = v;
}

double TwPlotChannelCustom::GetYMax() {
  double v = -1e300;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i) && GetDataY(i) > v) v = GetDataY(i);
  return FRunningYMax = v;
}

double TwPlotChannelCustom::GetXMean() {
  FRunningCount = 0;
  FRunningXTotal = 0;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i)) {
      ++FRunningCount;
      FRunningXTotal += GetDataX(i);
    }
  FRunningXMean = FRunningCount ? static_cast<double>(FRunningXTotal / FRunningCount) : 0;
  return FRunningXMean;
}

double TwPlotChannelCustom::GetYMean() {
  FRunningCount = 0;
  FRunningYTotal = 0;
  for (int i = 0; i < Count(); ++i)
    if (GetDataValid(i)) {
      ++FRunningCount;
      FRunningYTotal += GetDataY(i);
    }
  FRunningYMean = FRunningCount ? static_cast<double>(FRunningYTotal / FRunningCount) : 0;
  return FRunningYMean;
}

void TwPlotChannelCustom::ReCalcRunningMinMaxMean() {
  ResetRunning();
  for (int i = 0; i < Count(); ++i) {
    if (!GetDataValid(i)) continue;
    const double x = GetDataX(i), y = GetDataY(i);
    if (x < FRunningXMin) FRunningXMin = x;
    if (x > FRunningXMax) FRunningXMax = x;
    if (y < FRunningYMin) FRunningYMin = y;
    if (y > FRunningYMax) FRunningYMax = y;
    ++FRunningCount;
    FRunningXTotal += x;
    FRunningYTotal += y;
  }
  if (FRunningCount) {
    FRunningXMean = static_cast<double>(FRunningXTotal / FRunningCount);
    FRunningYMean = static_cast<double>(FRunningYTotal / FRunningCount);
  }
}

// ---- marker-widened values ----

double TwPlotChannelCustom::MarkerWidened(int Index, bool XDirection, double Sign) const {
  if (GetDataNull(Index)) throw TwException("Data Point Null");
  const double v = XDirection ? GetDataX(Index) : GetDataY(Index);
  if (!MarkersVisible()) return v;
  const TwPlotAxis* axis = XDirection ? static_cast<const TwPlotAxis*>(XAxis()) : YAxis();
  if (!axis) throw TwException(XDirection ? "X-Axis not assigned" : "Y-Axis not assigned");
  return v + Sign * std::fabs(axis->PixelsToPosition(MarkersSize() + axis->GetMinPixels()) - axis->Min());
}

double TwPlotChannelCustom::XPlusMarker(int Index) const { return MarkerWidened(Index, true, 1); }
double TwPlotChannelCustom::XMinusMarker(int Index) const { return MarkerWidened(Index, true, -1); }
double TwPlotChannelCustom::YPlusMarker(int Index) const { return MarkerWidened(Index, false, 1); }
double TwPlotChannelCustom::YMinusMarker(int Index) const { return MarkerWidened(Index, false, -1); }

int TwPlotChannelCustom::ChannelIndex() const {
  if (!Owner()) return -1;
  for (int i = 0; i < Owner()->ChannelCount(); ++i)
    if (Owner()->GetChannelCustom(i) == this) return i;
  return -1;
}
