// TwKnob: a rotary knob on the scale component: a shaded disk with a position
// indicator, optional circular ticks and labels and an optional numeric
// display. The minimum sits at RotationStartDegrees (225, lower left), the
// scale runs clockwise over the top for RotationMaxDegrees (270). Angles are
// degrees counter-clockwise from the positive X axis.
//
// Position, range, limits and their events come from TwPositionComponent:
// OnPositionChange fires for every change, OnPositionChangeUser only for the
// knob's own input (drag, keys, wheel), OnPositionChangeFinished once at the
// end of a gesture that moved it. The user's OnMouseMove runs after a drag
// step, so it sees the new Position; a Position it writes is not the user's.
//
// Input: a left press inside KnobRadius starts a drag that follows the
// pointer's turn around the centre (clockwise increases, stops at the ends).
// While UseKeyboard, the arrows step by KeyArrowStepSize, Page Up/Down by
// KeyPageStepSize, Home/End go to the ends, and only the arrows are taken
// from the window. A wheel notch steps by MouseWheelStepSize, at most once in
// 30 ms of the controls' clock.
//
// Paint: the background, the disk and the ticks are the static parts (cached
// with CachedDrawing); the position display, the indicator and the focus
// frame are drawn on every paint. With AutoSize, KnobRadius follows the size.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

#include "controls/wScaleComponent.h"

enum TwKnobStyle { iksRaisedEdge, iksRaised, iksSunken, iksSunkenEdge };
enum TwKnobIndicatorStyle { ikisDotLowered, ikisDotRaised, ikisDot, ikisLineCenter, ikisLineCustom, ikisTriangle };

class TwKnob : public TwScaleComponent {
  Q_OBJECT
 public:
  explicit TwKnob(QWidget* parent = nullptr);

  // The key code of a Qt key: arrows 37..40, Page Up 33, Page Down 34,
  // End 35, Home 36; 0 for the keys the knob does not know.
  static int KeyCode(int QtKey);

  double KeyArrowStepSize() const { return FKeyArrowStepSize; }
  void SetKeyArrowStepSize(double v) { SetDoubleProperty(v, FKeyArrowStepSize, 0); }
  double KeyPageStepSize() const { return FKeyPageStepSize; }
  void SetKeyPageStepSize(double v) { SetDoubleProperty(v, FKeyPageStepSize, 0); }
  double MouseWheelStepSize() const { return FMouseWheelStepSize; }
  void SetMouseWheelStepSize(double v) { SetDoubleProperty(v, FMouseWheelStepSize, 0); }
  bool UseKeyboard() const { return FUseKeyboard; }
  void SetUseKeyboard(bool v) { SetBooleanProperty(v, FUseKeyboard, 1); }

  int KnobRadius() const { return FKnobRadius; }
  void SetKnobRadius(int v) { SetIntegerProperty(v, FKnobRadius, 1); }
  int KnobEdgeWidth() const { return FKnobEdgeWidth; }
  void SetKnobEdgeWidth(int v) { SetIntegerProperty(v, FKnobEdgeWidth, 1); }
  TwKnobStyle KnobStyle() const { return FKnobStyle; }
  void SetKnobStyle(TwKnobStyle v);
  TwKnobIndicatorStyle IndicatorStyle() const { return FIndicatorStyle; }
  void SetIndicatorStyle(TwKnobIndicatorStyle v);
  QColor IndicatorActiveColor() const;
  void SetIndicatorActiveColor(const QColor& v);
  void SetIndicatorActiveColor(platform::TColor v) { SetColorProperty(v, FIndicatorActiveColor, 1); }
  QColor IndicatorInactiveColor() const;
  void SetIndicatorInactiveColor(const QColor& v);
  void SetIndicatorInactiveColor(platform::TColor v) { SetColorProperty(v, FIndicatorInactiveColor, 1); }
  int IndicatorMargin() const { return FIndicatorMargin; }
  void SetIndicatorMargin(int v) { SetIntegerProperty(v, FIndicatorMargin, 1); }
  int IndicatorSize() const { return FIndicatorSize; }
  // Values <= 0 are stored as 1.
  void SetIndicatorSize(int v) { SetIntegerProperty(v <= 0 ? 1 : v, FIndicatorSize, 0); }
  int RotationStartDegrees() const { return FRotationStartDegrees; }
  void SetRotationStartDegrees(int v) { SetIntegerProperty(v, FRotationStartDegrees, 1); }
  int RotationMaxDegrees() const { return FRotationMaxDegrees; }
  void SetRotationMaxDegrees(int v) { SetIntegerProperty(v, FRotationMaxDegrees, 1); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { SetBooleanProperty(v, FAutoSize, 1); }
  int OuterMargin() const { return FOuterMargin; }
  void SetOuterMargin(int v) { SetIntegerProperty(v, FOuterMargin, 1); }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool v) { SetBooleanProperty(v, FShowFocusRect, 0); }

  // The scale, published under the scale object's names.
  bool ShowTicksMajor() const { return ScaleObject().ShowTicksMajor(); }
  void SetShowTicksMajor(bool v) { ScaleObject().SetShowTicksMajor(v); }
  bool ShowTicksMinor() const { return ScaleObject().ShowTicksMinor(); }
  void SetShowTicksMinor(bool v) { ScaleObject().SetShowTicksMinor(v); }
  bool ShowTickLabels() const { return ScaleObject().ShowTickLabels(); }
  void SetShowTickLabels(bool v) { ScaleObject().SetShowTickLabels(v); }
  int TickMajorCount() const { return ScaleObject().TickMajorCount(); }
  void SetTickMajorCount(int v) { ScaleObject().SetTickMajorCount(v); }
  platform::TColor TickMajorColor() const { return ScaleObject().TickMajorColor(); }
  void SetTickMajorColor(platform::TColor v) { ScaleObject().SetTickMajorColor(v); }
  int TickMajorLength() const { return ScaleObject().TickMajorLength(); }
  void SetTickMajorLength(int v) { ScaleObject().SetTickMajorLength(v); }
  TwTickMinorAlignment TickMinorAlignment() const { return ScaleObject().TickMinorAlignment(); }
  void SetTickMinorAlignment(TwTickMinorAlignment v) { ScaleObject().SetTickMinorAlignment(v); }
  int TickMinorCount() const { return ScaleObject().TickMinorCount(); }
  void SetTickMinorCount(int v) { ScaleObject().SetTickMinorCount(v); }
  platform::TColor TickMinorColor() const { return ScaleObject().TickMinorColor(); }
  void SetTickMinorColor(platform::TColor v) { ScaleObject().SetTickMinorColor(v); }
  int TickMinorLength() const { return ScaleObject().TickMinorLength(); }
  void SetTickMinorLength(int v) { ScaleObject().SetTickMinorLength(v); }
  int TickMargin() const { return ScaleObject().TickMargin(); }
  void SetTickMargin(int v) { ScaleObject().SetTickMargin(v); }
  int TickLabelMargin() const { return ScaleObject().TickLabelMargin(); }
  void SetTickLabelMargin(int v) { ScaleObject().SetTickLabelMargin(v); }
  const platform::TFont& TickLabelFont() const { return ScaleObject().TickLabelFont(); }
  void SetTickLabelFont(const platform::TFont& v) { ScaleObject().SetTickLabelFont(v); }
  int TickLabelPrecision() const { return ScaleObject().TickLabelPrecision(); }
  void SetTickLabelPrecision(int v) { ScaleObject().SetTickLabelPrecision(v); }
  TwPrecisionStyle PrecisionStyle() const { return ScaleObject().PrecisionStyle(); }
  void SetPrecisionStyle(TwPrecisionStyle v) { ScaleObject().SetPrecisionStyle(v); }

  bool ShowPostionDisplay() const { return FShowPostionDisplay; }
  void SetShowPostionDisplay(bool v) { SetBooleanProperty(v, FShowPostionDisplay, 1); }
  int PositionDisplayPrecision() const { return FPositionDisplayPrecision; }
  // Negative values are stored as 0.
  void SetPositionDisplayPrecision(int v) { SetIntegerProperty(v < 0 ? 0 : v, FPositionDisplayPrecision, 0); }
  QString PositionDisplayUnits() const { return FPositionDisplayUnits; }
  // Blank text is stored as empty.
  void SetPositionDisplayUnits(const QString& v);
  const platform::TFont& PositionDisplayFont() const { return FPositionDisplayFont; }
  void SetPositionDisplayFont(const platform::TFont& v);

  // Face colour of the knob.
  QColor Color() const;
  void SetColor(const QColor& v);
  void SetColor(platform::TColor v) { SetColorProperty(v, FColor, 1); }
  QColor BackGroundColor() const;
  using TwScaleComponent::SetBackGroundColor;
  void SetBackGroundColor(const QColor& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);

  // Angle a value sits at.
  double ValueToDegrees(double v) const;
  // The indicator's angle now.
  double IndicatorDegrees() const { return FRotationStartDegrees - GetPositionDegrees(); }
  // The text the position display shows.
  QString PositionDisplayText() const;
  // KnobRadius from the size, the ticks and the labels.
  void CalcAutoSize();

  TwScaleObject::TOnCustomizeTickLabel OnCustomizeTickLabel;

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  virtual void DrawKnob(platform::Canvas& Canvas);
  virtual void DrawTicks(platform::Canvas& Canvas);
  virtual void DrawPositionDisplay(platform::Canvas& Canvas);
  virtual void DrawIndicator(platform::Canvas& Canvas);

  void DoKillFocus() override;
  void DoWantSpecialKey(int& CharCode, int& Result) override;
  void DoKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  bool DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) override;
  void DoOPCPositionChange() override;

 private:
  double GetPositionDegrees() const;
  void SetPositionDegrees(double d);
  double MouseDegrees(int X, int Y) const;
  void UserSetPosition(double v);
  QString TickLabel(double v) const;
  void DrawStatic(platform::Canvas& Canvas);

  double FMouseDownDegrees = 0;
  bool FMouseDown = false;
  bool FKeyDown = false;
  std::int64_t FLastWheelTime = 0;
  bool FWheelSeen = false;
  platform::TColor FIndicatorActiveColor = platform::clAqua;
  platform::TColor FIndicatorInactiveColor = platform::clRed;
  int FIndicatorMargin = 5;
  int FIndicatorSize = 4;
  TwKnobIndicatorStyle FIndicatorStyle = ikisDotLowered;
  double FKeyPageStepSize = 1;
  double FKeyArrowStepSize = 0.1;
  double FMouseWheelStepSize = 1;
  int FKnobEdgeWidth = 3;
  int FKnobRadius = 35;
  TwKnobStyle FKnobStyle = iksRaised;
  platform::TFont FPositionDisplayFont;
  int FPositionDisplayPrecision = 1;
  QString FPositionDisplayUnits;
  int FRotationMaxDegrees = 270;
  int FRotationStartDegrees = 225;
  bool FShowFocusRect = true;
  bool FShowPostionDisplay = false;
  bool FAutoSize = true;
  int FOuterMargin = 2;
  bool FUseKeyboard = true;
  platform::TColor FColor = platform::clWindow;
  platform::TPoint FCenterPoint;
};
