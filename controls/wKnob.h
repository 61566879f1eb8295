// TwKnob: a rotary knob with a floating-point Position in PositionMin..
// PositionMax (0..100 for a new knob), drawn as a shaded disk with a position
// indicator, optional circular ticks and labels and an optional numeric
// display. The minimum sits at RotationStartDegrees (225, lower left), the
// scale runs clockwise over the top for RotationMaxDegrees (270).
//
// SetPosition limits the value to the range (PositionMin wins if the bounds
// cross); an unchanged value fires nothing; a change repaints and fires
// OnPositionChange, also when the program writes it, then OnPositionChangeUser
// when it came from the mouse, keys or wheel. OnPositionChangeFinished follows
// the end of a drag, a key press or a wheel step that moved the knob.
//
// Input: dragging turns the knob with the pointer's angle around the centre
// (a press outside KnobRadius does not start a drag); arrows step by
// KeyArrowStepSize, Page Up/Down by KeyPageStepSize, Home/End to the ends; the
// wheel steps by MouseWheelStepSize (at most one step per 30 ms). OnMouseMove
// runs after a drag step.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QWidget>

#include <functional>

enum TwKnobStyle { iksRaisedEdge, iksRaised, iksSunken, iksSunkenEdge };
enum TwKnobIndicatorStyle { ikisDotLowered, ikisDotRaised, ikisDot, ikisLineCenter, ikisLineCustom, ikisTriangle };

class TwKnob : public QWidget {
  Q_OBJECT
 public:
  explicit TwKnob(QWidget* parent = nullptr);

  double Position() const { return FPosition; }
  virtual void SetPosition(double v);
  void SetPositionNoEvent(double v);
  double PositionMin() const { return FPositionMin; }
  void SetPositionMin(double v);
  double PositionMax() const { return FPositionMax; }
  void SetPositionMax(double v);
  void SetMinMax(double min, double max);
  // Fraction of the range, 0..1.
  double ValueToPercent(double v) const;

  double KeyArrowStepSize() const { return FKeyArrowStepSize; }
  void SetKeyArrowStepSize(double v) { FKeyArrowStepSize = v; }
  double KeyPageStepSize() const { return FKeyPageStepSize; }
  void SetKeyPageStepSize(double v) { FKeyPageStepSize = v; }
  double MouseWheelStepSize() const { return FMouseWheelStepSize; }
  void SetMouseWheelStepSize(double v) { FMouseWheelStepSize = v; }
  bool UseKeyboard() const { return FUseKeyboard; }
  void SetUseKeyboard(bool v) { FUseKeyboard = v; }

  int KnobRadius() const { return FKnobRadius; }
  void SetKnobRadius(int v);
  int KnobEdgeWidth() const { return FKnobEdgeWidth; }
  void SetKnobEdgeWidth(int v);
  TwKnobStyle KnobStyle() const { return FKnobStyle; }
  void SetKnobStyle(TwKnobStyle v);
  TwKnobIndicatorStyle IndicatorStyle() const { return FIndicatorStyle; }
  void SetIndicatorStyle(TwKnobIndicatorStyle v);
  QColor IndicatorActiveColor() const { return FIndicatorActiveColor; }
  void SetIndicatorActiveColor(const QColor& v);
  QColor IndicatorInactiveColor() const { return FIndicatorInactiveColor; }
  void SetIndicatorInactiveColor(const QColor& v);
  int IndicatorMargin() const { return FIndicatorMargin; }
  void SetIndicatorMargin(int v);
  int IndicatorSize() const { return FIndicatorSize; }
  void SetIndicatorSize(int v);
  int RotationStartDegrees() const { return FRotationStartDegrees; }
  void SetRotationStartDegrees(int v);
  int RotationMaxDegrees() const { return FRotationMaxDegrees; }
  void SetRotationMaxDegrees(int v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  int OuterMargin() const { return FOuterMargin; }
  void SetOuterMargin(int v);
  bool ShowTicksMajor() const { return FShowTicksMajor; }
  void SetShowTicksMajor(bool v);
  bool ShowTicksMinor() const { return FShowTicksMinor; }
  void SetShowTicksMinor(bool v);
  bool ShowTickLabels() const { return FShowTickLabels; }
  void SetShowTickLabels(bool v);
  int TickMajorCount() const { return FTickMajorCount; }
  void SetTickMajorCount(int v);
  int TickMinorCount() const { return FTickMinorCount; }
  void SetTickMinorCount(int v);
  int TickLabelPrecision() const { return FTickLabelPrecision; }
  void SetTickLabelPrecision(int v);
  bool ShowPostionDisplay() const { return FShowPositionDisplay; }
  void SetShowPostionDisplay(bool v);
  int PositionDisplayPrecision() const { return FPositionDisplayPrecision; }
  void SetPositionDisplayPrecision(int v);
  QString PositionDisplayUnits() const { return FPositionDisplayUnits; }
  void SetPositionDisplayUnits(const QString& v);
  // Face colour of the knob.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor BackGroundColor() const { return FBackGroundColor; }
  void SetBackGroundColor(const QColor& v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);

  // Angle (degrees, counter-clockwise from the positive X axis) a value sits at.
  double ValueToDegrees(double v) const;
  // The text the position display shows.
  QString PositionDisplayText() const;

  std::function<void(QObject* Sender)> OnPositionChange;
  std::function<void(QObject* Sender)> OnPositionChangeUser;
  std::function<void(QObject* Sender)> OnPositionChangeFinished;
  std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseMove;

  QSize sizeHint() const override { return QSize(150, 150); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawBackground(QPainter& p);
  virtual void drawKnob(QPainter& p);
  virtual void drawTicks(QPainter& p);
  virtual void drawPositionDisplay(QPainter& p);
  virtual void drawIndicator(QPainter& p);
  void CalcAutoSize();
  QPointF CenterPoint() const;

  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  void ClampPosition();
  void UserSetPosition(double v);
  void DoPositionChangeFinished();
  double GetPositionDegrees() const;
  void SetPositionDegrees(double d);
  double MouseDegrees(const QPointF& pt) const;
  QString TickLabel(double v) const;

  double FPosition = 0, FPositionMin = 0, FPositionMax = 100;
  double FKeyArrowStepSize = 0.1, FKeyPageStepSize = 1, FMouseWheelStepSize = 1;
  bool FUseKeyboard = true;
  int FKnobRadius = 35, FKnobEdgeWidth = 3;
  TwKnobStyle FKnobStyle = iksRaised;
  TwKnobIndicatorStyle FIndicatorStyle = ikisDotLowered;
  QColor FIndicatorActiveColor, FIndicatorInactiveColor;
  int FIndicatorMargin = 5, FIndicatorSize = 4;
  int FRotationStartDegrees = 225, FRotationMaxDegrees = 270;
  bool FAutoSize = true;
  int FOuterMargin = 2;
  bool FShowTicksMajor = true, FShowTicksMinor = true, FShowTickLabels = true;
  int FTickMajorCount = 5, FTickMinorCount = 4;
  int FTickLabelPrecision = 0;
  bool FShowPositionDisplay = false;
  int FPositionDisplayPrecision = 1;
  QString FPositionDisplayUnits;
  QColor FColor, FBackGroundColor;
  bool FTransparent = false;

  bool FMouseDown = false, FKeyDown = false;
  bool FUserGenerated = false, FPositionDirty = false;
  double FMouseDownDegrees = 0;
  QElapsedTimer FLastWheel;
};
