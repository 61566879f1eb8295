// TDvLevelBar: a windowless bar meter of equal ticks in three colour zones,
// each zone with a dark colour for unlit ticks (its palette's Low) and a
// bright one for lit ticks (High). The automix meters are of this kind.
//
// Geometry. The ticks fill the view port, the client rectangle inside the
// Bevel. Each tick is TickHeight thick, Spacing pixels apart, and spans the
// view port across the bar. The control keeps its length (the height of a
// vertical bar, the width of a horizontal one) at a whole number of ticks:
// whenever its size, bevel, orientation, tick height or spacing changes, the
// length becomes 2 x inset + ticks x step - Spacing, ticks being as many as
// fit. Tick 0 lies at the start side (Style psBottomLeft: the bottom of a
// vertical bar, the left of a horizontal one; psTopRight: the top or the
// right), on the view port's last row or column there.
//
// Zones. Of N ticks, the first PercentOf(Percent1, N) are zone 1, the next
// PercentOf(Percent2, N) zone 2, the rest zone 3. The first
// PercentOf(PercentDone(Position - MinValue, MaxValue - MinValue), N) ticks
// are lit (all truncating).
//
// Setters. SetPosition clamps to MinValue..MaxValue; a new value repaints and
// runs Change: OnChange, then OnMinValue at the minimum, then OnMaxValue at
// the maximum. MinValue must stay below MaxValue (a value that is not is
// ignored) and drags Position along. Percent1 is cut so that Percent1 +
// Percent2 stays at most 100; a Percent2 that would exceed it is ignored.
// Changing Orientation swaps width and height. A bevel change keeps the view
// port's size and resizes the control around it.
#pragma once

#include "controls/DvControl.h"

#include <functional>

enum TDvOrientation { voVertical, voHorizontal };
// Where the bar starts: bottom or left, top or right.
enum TDvLevelStyle { psBottomLeft, psTopRight };

class TDvLevelBar : public TDvGraphicImageControl {
  Q_OBJECT
 public:
  explicit TDvLevelBar(QWidget* parent = nullptr);

  int MinValue() const { return FMinValue; }
  void SetMinValue(int v);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int v);
  int Position() const { return FPosition; }
  void SetPosition(int v);
  int Percent1() const { return FPercent1; }
  void SetPercent1(int v);
  int Percent2() const { return FPercent2; }
  void SetPercent2(int v);
  // The zones' colours; a change repaints.
  TDvPalette* Palette1() { return &FPalette1; }
  void SetPalette1(const TDvPalette* v) { FPalette1.Assign(v); }
  TDvPalette* Palette2() { return &FPalette2; }
  void SetPalette2(const TDvPalette* v) { FPalette2.Assign(v); }
  TDvPalette* Palette3() { return &FPalette3; }
  void SetPalette3(const TDvPalette* v) { FPalette3.Assign(v); }
  // The frame around the ticks; a change resizes the control around the view port.
  TDvBevel* Bevel() { return &FBevel; }
  void SetBevel(const TDvBevel* v) { FBevel.Assign(v); }
  TDvOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TDvOrientation v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v);
  // Only values above 0.
  int TickHeight() const { return FTickHeight; }
  void SetTickHeight(int v);
  TDvLevelStyle Style() const { return FStyle; }
  void SetStyle(TDvLevelStyle v);
  int Step() const { return FStep; }
  void SetStep(int v) { FStep = v; }

  void StepIt() { SetPosition(FPosition + FStep); }
  void StepBy(int delta) { SetPosition(FPosition + delta); }

  // Snaps the length to whole ticks.
  void SetBounds(int left, int top, int width, int height) override;

  // The client rectangle inside the bevel, the number of ticks, and tick
  // i's rectangle (0 at the start side).
  platform::TRect ViewPort() const;
  int TickCount() const;
  platform::TRect TickRect(int i) const;
  // PercentDone(Position - MinValue, MaxValue - MinValue).
  int GetFilledPercent() const;
  int LitCount() const;
  // 1, 2 or 3.
  int ZoneOf(int tick) const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnMinValue;
  std::function<void(QObject* Sender)> OnMaxValue;

  QSize sizeHint() const override { return QSize(20, 170); }

 protected:
  void Paint(platform::Canvas& c) override;
  virtual void PaintTicks(platform::Canvas& c);
  virtual void Change();
  void PaletteChanged();
  void BevelChanged();
  void resizeEvent(QResizeEvent*) override;

 private:
  // The size whose length holds a whole number of ticks.
  QSize SnappedSize(QSize s) const;
  void Snap();
  int BevelInset() const;

  int FMinValue = 0, FMaxValue = 100, FPosition = 0;
  int FPercent1 = 60, FPercent2 = 25;
  TDvPalette FPalette1, FPalette2, FPalette3;
  TDvBevel FBevel;
  int FBevelInset = 0;  // the bevel's width when the control was last sized
  TDvOrientation FOrientation = voVertical;
  int FSpacing = 1, FTickHeight = 1;
  TDvLevelStyle FStyle = psBottomLeft;
  int FStep = 10;
};
