// TCustomTrackBar / TExTrackBar: the slider that is every fader of the
// windows. TExTrackBar is the published form and adds no code. A new bar is
// 150 x 26, horizontal, Min 0, Max 10, Position 0, PageSize 1, ShowFocus
// off, no colours, Transparent (the bar paints no background: its parent
// shows beneath it). Min sits at the bottom of a vertical bar (left of a
// horizontal one), Max at the top (right).
//
// Position: writing the current value does nothing; any other value is
// limited to Min..Max (below Min gives Min, else above Max gives Max, so
// Min > Max is accepted), stored, the old and new thumb rectangles repainted
// and OnChange fired, also when the program writes it and also when the
// limited value equals the stored one. Min/Max move a Position left outside
// the new bound to it (through SetPosition, so OnChange fires).
//
// Look: the owned objects Thumb, Slider (the groove), TickMark, Buttons (end
// buttons with a minus and a plus sign) and TrackLabel (controls/
// TrackBarParts.h); SetComponentStyle loads a colour preset into them. The
// thumb is its Picture (PictureHot, PictureDown, PictureDisabled in those
// states) or else one of ten drawn shapes. With RateActive and RateInActive
// both holding pictures the bar shows a row of rating cells instead.
//
// Input: drag the thumb (its centre follows the pointer at the grab offset);
// a press on the track pages by PageSize toward the press point, after 400 ms
// and then every 100 ms while held, in the direction of its first step only
// and until the thumb reaches the point; MoveOnClick mcMove/mcMoveSlide jump
// to the click instead; end buttons step by Buttons()->Step; the wheel steps
// by 1; keys: arrows step 1, Page Up/Down by PageSize, Home/End to the ends
// (Shift blocks keys). OnMouseDown runs before any of that. With TrackHint a
// small window shows the value while dragging.
//
// Painting is split into steps (background, rating cells, label, slider,
// ticks, thumb, buttons, focus) over one geometry (ContentRect .. ThumbRect)
// shared with hit testing. Banded parts follow GDI's pixel rules.
#pragma once

#include "controls/AppearanceStyle.h"
#include "controls/CustomImageList.h"
#include "controls/TrackBarParts.h"

#include <QColor>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <functional>

class QTimer;


enum TTrackBarOrientation { trHorizontal, trVertical };
enum TMoveOnClick { mcStep, mcMove, mcMoveSlide };

// The small window that shows the value while the thumb is dragged: a
// frameless tool tip in clInfoBk, shown without activation.
class TTrackHintWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TTrackHintWindow(QWidget* owner);
  // Sizes the window to the text (+16, +4), keeps it 2 pixels inside the
  // right and bottom edges of the screen nearest rect's top-left, shows it.
  void ActivateHint(const QRect& rect, const QString& hint);
  QRect CalcHintRect() const;
  QString Text() const { return FText; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString FText;
  int FTextHeight = 0;
  int FTextWidth = 0;
};

class TCustomTrackBar : public QWidget, public IAppearanceStyle {
  Q_OBJECT
 public:
  explicit TCustomTrackBar(QWidget* parent = nullptr);
  ~TCustomTrackBar() override;

  int Position() const { return FPosition; }
  virtual void SetPosition(int value);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value) { FPageSize = value; }
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }
  int Tag() const;
  void SetTag(int value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value) { FShowFocus = value; }
  TMoveOnClick MoveOnClick() const { return FMoveOnClick; }
  void SetMoveOnClick(TMoveOnClick value) { FMoveOnClick = value; }
  bool TrackHint() const { return FTrackHint; }
  void SetTrackHint(bool value) { FTrackHint = value; }
  QString Version() const { return QStringLiteral("1.6.3.0"); }
  void SetVersion(const QString&) {}

  // Background: Color to ColorTo in Direction (80 bands) when not
  // Transparent, a BorderColor frame, or the BackGround picture.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor ColorTo() const { return FColorTo; }
  void SetColorTo(const QColor& v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  QColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(const QColor& v) { FColorDisabled = v; }
  QColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(const QColor& v) { FColorDisabledTo = v; }
  QColor BorderColorDisabled() const { return FBorderColorDisabled; }
  void SetBorderColorDisabled(const QColor& v) { FBorderColorDisabled = v; }
  TGradientDirection Direction() const { return FDirection; }
  void SetDirection(TGradientDirection v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool BackGroundStretched() const { return FBackGroundStretched; }
  void SetBackGroundStretched(bool v);
  TGDIPPicture* BackGround() { return &FIBackGround; }
  TGDIPPicture* BackGroundDisabled() { return &FIBackGroundDisabled; }
  TGDIPPicture* RateActive() { return &FIRateActive; }
  TGDIPPicture* RateInActive() { return &FIRateInActive; }
  void SetBackGround(const TGDIPPicture* v) { FIBackGround.Assign(v); }
  void SetBackGroundDisabled(const TGDIPPicture* v) { FIBackGroundDisabled.Assign(v); }
  void SetRateActive(const TGDIPPicture* v) { FIRateActive.Assign(v); }
  void SetRateInActive(const TGDIPPicture* v) { FIRateInActive.Assign(v); }
  // Images drawn as ticks; cleared when the list is destroyed.
  TCustomImageList* TickImages() const { return FImages; }
  void SetTickImages(TCustomImageList* v);

  // Owned appearance objects; the setters copy the given object in.
  TTrackBarThumb* Thumb() { return FThumb; }
  void SetThumb(const TTrackBarThumb* value) { FThumb->Assign(value); }
  TTrackBarSlider* Slider() { return FSlider; }
  void SetSlider(const TTrackBarSlider* value) { FSlider->Assign(value); }
  TTrackBarTick* TickMark() { return FTickMark; }
  void SetTickMark(const TTrackBarTick* value) { FTickMark->Assign(value); }
  TTrackBarButtons* Buttons() { return FButtons; }
  void SetButtons(const TTrackBarButtons* value) { FButtons->Assign(value); }
  TTrackBarLabel* TrackLabel() { return FTrackLabel; }
  void SetTrackLabel(const TTrackBarLabel* value) { FTrackLabel->Assign(value); }
  // The slider's groove colours and border.
  QColor SliderColor() const { return FSlider->Color(); }
  void SetSliderColor(const QColor& v) { FSlider->SetColor(v); }
  QColor SliderColorTo() const { return FSlider->ColorTo(); }
  void SetSliderColorTo(const QColor& v) { FSlider->SetColorTo(v); }
  QColor SliderBorderColor() const { return FSlider->BorderColor(); }
  void SetSliderBorderColor(const QColor& v) { FSlider->SetBorderColor(v); }

  void SetComponentStyle(TAppearanceStyle AStyle) override;
  // After the properties are set: the tick text height, and the buttons' and
  // thumb's sizes from their pictures.
  void Loaded();

  // Geometry, shared by painting and hit testing (right/bottom exclusive in
  // the TRect forms).
  QRect ContentRect() const;
  QRect TrackRect() const;
  QRect SliderRect() const;  // empty when no slider is shown
  QRect ThumbRect() const;
  QRect MinButtonRect() const;
  QRect MaxButtonRect() const;
  QRect TopLeftTickRect() const;      // (-1, -1, -1, -1) edges when absent
  QRect BottomRightTickRect() const;
  QRect TrackLabelRect() const;
  int TickOffset() const;
  int TextHeight() const { return FTextHeight; }
  bool RatingMode() const;
  // The rating cell of a value Min + 1 .. Max; empty when it does not fit.
  QRect RateCellRect(int value) const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseDown;
  std::function<void(QObject* Sender, int Position, QString& HintStr)> OnGetTrackHint;
  std::function<void(QObject* Sender, int Position, QString& value)> OnGetTrackLabelText;
  std::function<void(QObject* Sender, int Index, QString& value)> OnGetTickMarkText;
  std::function<void(QObject* Sender, platform::Canvas& Canvas, QPoint Location, int Position, TTickMark TickPos,
                     int& Length, QColor& Color, QColor& TextColor, QString& Text, bool& DefaultDraw)>
      OnDrawTick;

  QSize sizeHint() const override;

 protected:
  // Overridable operations.
  virtual void RepeatTimerExpired();
  virtual bool AllowTrackClick() { return true; }
  virtual void GetTrackLabelText(QString& Text);
  virtual TTrackBarSlider* CreateSlider() { return new TTrackBarSlider(this); }
  virtual bool AllowThumbDrag() { return true; }
  virtual bool IsValidPosition(int Value) { return Value >= FMin && Value <= FMax; }
  virtual int GetMinValue() { return FMin; }
  virtual int GetMaxValue() { return FMax; }
  virtual bool HasTrackLabelHandler() { return bool(OnGetTrackLabelText); }
  virtual void StepDown();
  virtual void StepUp();
  virtual void PageTowardClick();
  virtual int GetThumbLength() { return FThumb->Width(); }
 public:
  virtual bool AllowThumbPointer(TTrackBarThumb*, TThumbPointer&) { return true; }

 protected:
  virtual void DrawSlider(platform::Canvas& c);
  virtual void DrawThumb(platform::Canvas& c);
  virtual void InvalidateTrackLabel();
  // Every repaint request of the bar goes through here.
  virtual void InvalidateRegion(const QRegion& region) { update(region); }

  virtual void DrawBackground(platform::Canvas& c);
  virtual void DrawRating(platform::Canvas& c);
  virtual void DrawTrackLabel(platform::Canvas& c);
  virtual void DrawTicks(platform::Canvas& c);
  virtual void DrawButtons(platform::Canvas& c);
  virtual void DrawFocus(platform::Canvas& c);
  // The thumb without a picture in rectangle r.
  void DrawThumbShape(platform::Canvas& c, const platform::TRect& r);
  void DrawButton(platform::Canvas& c, bool maxEnd);

  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void wheelEvent(QWheelEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

  QTimer* RepeatTimer() const { return FRepeatTimer; }
  TTrackHintWindow* TrackHintWindow() const { return FTrackHintWnd; }
  bool Sliding() const { return FSliding; }

 private:
  friend class TTrackBarThumb;
  platform::TRect TRectContent() const;
  platform::TRect TRectTrack() const;
  platform::TRect TRectSlider() const;
  platform::TRect TRectThumb() const;
  platform::TRect TRectTopLeftTick() const;
  platform::TRect TRectBottomRightTick() const;
  platform::TRect TRectMinButton() const;
  platform::TRect TRectMaxButton() const;
  platform::TRect TRectLabelBand() const;
  platform::TRect TRectLabelText() const;
  bool SliderShown() const { return FSlider->Size() > 0 && FSlider->Visible(); }
  int TrackTravel() const;  // track length less the thumb's Width
  int ValueFromPoint(double n) const;
  QSize RateCellSize() const;
  // How many rating cells (from Min + 1 on) fit the track: cells past it are
  // never drawn, so paints and hit tests walk no further.
  int RateCellsShown() const;
  QSize LabelTextSize(QString& text) const;
  void RecalcTextHeight();
  void PaintThumbNow();
  void UpdateButton(bool maxEnd);
  void StartRepeatTimer();
  void ShowDragHint(int v, const QPoint& globalPos);
  void HideDragHint();
  void Repaint() { update(); }

  TTrackBarThumb* FThumb;
  TTrackBarSlider* FSlider;
  TTrackBarTick* FTickMark;
  int FMax = 10;
  int FMin = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  int FPageSize = 1;
  int FPosition = 0;
  bool FSliding = false;
  QColor FColorDisabled, FColorTo, FBorderColorDisabled, FBorderColor, FColorDisabledTo;
  TGDIPPicture FIBackGround;
  TGradientDirection FDirection = gdHorizontal;
  bool FTransparent = true;
  int FOffset = 2;
  int FTickTextOffset = 2;
  bool FThumbHot = false;
  bool FThumbDown = false;
  int FThumbCenterOffsetX = 0;
  int FThumbCenterOffsetY = 0;
  QPointer<TCustomImageList> FImages;
  TGDIPPicture FIRateInActive, FIRateActive, FIBackGroundDisabled;
  TTrackBarButtons* FButtons;
  int FBorderWidth = 1;
  bool FMinButtonHot = false, FMinButtonDown = false, FMaxButtonHot = false, FMaxButtonDown = false;
  bool FSliderButtonDown = false;
  QPoint FSliderDownPt;
  int FTextHeight = 0;
  QTimer* FRepeatTimer = nullptr;
  bool FTrackHint = false;
  bool FBackGroundStretched = false;
  int FHintTickIndex = -1;
  TTrackHintWindow* FTrackHintWnd = nullptr;
  bool FTrackHintShow = false;
  bool FShowFocus = false;
  TMoveOnClick FMoveOnClick = mcStep;
  TTrackBarLabel* FTrackLabel;
  QColor FColor;
  // The left button is held (the press lasts until its release).
  bool FPressed = false;
  // Direction of a held track press's first page step (+1, -1; 0 none yet).
  int FPageDirection = 0;
};

class TExTrackBar : public TCustomTrackBar {
  Q_OBJECT
 public:
  using TCustomTrackBar::TCustomTrackBar;
};
