// TwComponent: the base of every instrument control (knob, LEDs, switch LED)
// and of the XY plot. A control paints only through an off-screen image: its
// DoPaint draws the whole control on a platform::Canvas, OnPaint may add to
// it, and the image is then copied to the screen. Nothing escapes a paint: a
// std::exception thrown by DoPaint shows its message in white on black.
//
// Repaints. Every property change goes through one request path:
// InvalidateChange (moving parts) or BackGroundChange (the cached background
// too), usually by way of the typed setters (SetBooleanProperty ... with Kind
// 0 or 1), which store and request only when the value differs.
// - Inside BeginUpdate/EndUpdate requests are held; EndUpdate makes one
//   (BeginUpdate is not counted: the first EndUpdate ends the deferral).
// - With AutoFrameRate on, a request within 1/UpdateFrameRate s of the last
//   repaint is left pending; the next request after the period, or the
//   update object's one-second sweep (TwUpdateObject), makes it. A rate of 0
//   repaints every request. Time comes from the monotonic twclock.
// - InvalidateNow repaints at once, whatever the deferral or throttling.
//
// Cached background: with CachedDrawing on, a DoPaint draws its static parts
// into GetBackGroundBitmap only while BackGroundChanged() (then
// ClearBackGroundChanged) and starts each paint with DrawBackGroundBitmap;
// with it off, the static parts go straight onto the paint canvas.
//
// Input: keys reach the user's OnKeyDown/OnKeyUp/OnKeyPress first, then the
// hooks DoKeyDown/DoKeyUp/DoKeyPress; a key left non-zero by both is ignored
// so that it propagates (Tab and Shift+Tab move the focus as usual). Mouse
// input reaches the hook first (DoMouseDown, DoMouseMove, DoMouseUp,
// DoDblClick), then the user's event, so a user's OnMouseMove sees what the
// hook has just set. FUserGenerated is true only while an input handler runs;
// subclasses fire their "User" events from it. Exceptions from the handlers
// are swallowed.
//
// The error state (ErrorActive, ErrorText, ErrorFont, ErrorBackGroundColor)
// is stored and repaints; no control draws it yet. UI thread only, except
// that Lock/Unlock (TwWinComponent) let a data thread keep out of a paint.
#pragma once

#include <QImage>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

#include "controls/wDataTypes.h"
#include "controls/wDraw.h"
#include "platform/Canvas.h"
#include "platform/Form.h"
#include "platform/Graphics.h"

class TwComponent : public QWidget, public IiUpdateClient {
  Q_OBJECT
 public:
  using TwPaintEvent = std::function<void(QObject* Sender, platform::Canvas& Canvas)>;
  using TChangePropertyEvent = std::function<void(QObject* Sender, const QString& PropName)>;
  using TRequestEditEvent = std::function<void(QObject* Sender, const QString& PropName, bool& CanEdit)>;
  using TGetDesigningEvent = std::function<void(QObject* Sender, bool& Designing)>;
  using TMouseEvent =
      std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TMouseMoveEvent = std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
  using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

  explicit TwComponent(QWidget* parent = nullptr);
  ~TwComponent() override;

  // ---- repaint path ----
  virtual void BeginUpdate();
  virtual void EndUpdate();
  // Everything again, the cached background included.
  virtual void RepaintAll();
  void InvalidateChange();
  void BackGroundChange();
  void InvalidateNow();
  // 0: InvalidateChange, 1: BackGroundChange, anything else: nothing.
  void TriggerChange(int Kind);

  bool AutoFrameRate() const { return FAutoFrameRate; }
  // On: a background change; off: EndUpdate (ends a deferral, flushes).
  void SetAutoFrameRate(bool Value);
  int UpdateFrameRate() const { return FUpdateFrameRate; }
  void SetUpdateFrameRate(int Value) { SetIntegerProperty(Value, FUpdateFrameRate, 1); }
  bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
  void SetOptionSaveAllProperties(bool Value) { FOptionSaveAllProperties = Value; }

  // ---- settings the controls publish as they need them ----
  platform::TColor BackGroundColor() const { return FBackGroundColor; }
  virtual void SetBackGroundColor(platform::TColor Value) { SetColorProperty(Value, FBackGroundColor, 1); }
  // Stretched over the control instead of the colour and border; null until
  // one is set.
  const QImage* BackGroundPicture() const { return FBackGroundPicture.get(); }
  void SetBackGroundPicture(const QImage& Value);
  TwBevelStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TwBevelStyle Value);
  int OffsetX() const { return FOffsetX; }
  void SetOffsetX(int Value) { SetIntegerProperty(Value, FOffsetX, 1); }
  int OffsetY() const { return FOffsetY; }
  void SetOffsetY(int Value) { SetIntegerProperty(Value, FOffsetY, 1); }
  bool ShowDisabledState() const { return FShowDisabledState; }
  void SetShowDisabledState(bool Value) { SetBooleanProperty(Value, FShowDisabledState, 1); }
  bool CachedDrawing() const { return FCachedDrawing; }
  // CachedDrawing, for a control of at most kMaxCachedArea pixels: a larger
  // one paints straight rather than hold a picture of its whole area.
  static constexpr long long kMaxCachedArea = 4096LL * 4096;
  bool UsesBackGroundCache() const { return FCachedDrawing && (long long)width() * height() <= kMaxCachedArea; }
  // Off also frees the cached background.
  virtual void SetCachedDrawing(bool Value);
  bool HasFocus() const { return FHasFocus; }

  bool ErrorActive() const { return FErrorActive; }
  void SetErrorActive(bool Value) { SetBooleanProperty(Value, FErrorActive, 1); }
  QString ErrorText() const { return FErrorText; }
  void SetErrorText(const QString& Value) { SetStringProperty(Value, FErrorText, 0); }
  platform::TColor ErrorBackGroundColor() const { return FErrorBackGroundColor; }
  void SetErrorBackGroundColor(platform::TColor Value) { SetColorProperty(Value, FErrorBackGroundColor, 1); }
  const platform::TFont& ErrorFont() const { return FErrorFont; }
  void SetErrorFont(const platform::TFont& Value);

  // True while the control's properties are being loaded: setters skip
  // clamping and events then.
  bool IsLoading() const { return FLoading; }
  void SetLoading(bool Value) { FLoading = Value; }

  // (Width div 2 + OffsetX, Height div 2 + OffsetY).
  virtual platform::TPoint GetCenterPoint() const;
  // Center moved by Radius at Degrees (0 to the right, anticlockwise on
  // screen), each offset rounded.
  static platform::TPoint PolarPoint(platform::TPoint Center, double Radius, double Degrees);

  virtual bool TimerActive() = 0;
  virtual void TimerStart(int FirstDelay, int Interval) = 0;
  virtual void TimerStop() = 0;
  // Item binding's output; nothing is bound here.
  virtual bool OPCOutputData(const QString& PropertyName, const QVariant& Value);
  virtual void Lock() = 0;
  virtual void Unlock() = 0;

  // The control's look (DoPaint only) as a Windows bitmap file.
  void SaveImageToBitmap(const QString& FileName);

  // ---- properties by name (wProperties.h, wPropertyFiles.h) ----
  // The type kind of the published property at Path ("TickLabelFont.Name");
  // 0 when there is none.
  int GetPropertyKind(const QString& Path);
  // "File Type = " and the class name, then every stored property but Name
  // (and, unless OptionSaveAllProperties, Left, Top, Width, Height, Align,
  // Cursor, ShowHint, Tag, Visible, Enabled, Hint and HelpContext). Failures
  // raise "Error Saving Properties - " and the cause.
  virtual void SavePropertiesToFile(const QString& FileName);
  // Applies a file's lines in order inside BeginUpdate/EndUpdate (one
  // repaint). Failures raise "Error Loading Properties - " and the cause; the
  // lines before a bad one stay applied.
  virtual void LoadPropertiesFromFile(const QString& FileName);

  // ---- events ----
  TwPaintEvent OnPaint;  // on the off-screen canvas, after DoPaint
  TChangePropertyEvent OnChangeProtected;
  TRequestEditEvent OnRequestEdit;
  TGetDesigningEvent OnGetDesigning;
  platform::Handler OnClick;
  platform::Handler OnDblClick;
  platform::Handler OnEnter;
  platform::Handler OnExit;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

  // ---- what the update object asks ----
  bool GetUpdateActive() const override { return FUpdateActive; }
  bool GetNeedsRepaint() const override { return FNeedsRepaint; }
  int GetUpdateFrameRate() const override { return FUpdateFrameRate; }
  std::int64_t GetLastUpdate() const override { return FLastUpdate; }
  void DoInvalidate() override;

 protected:
  // Paints the whole control.
  virtual void DoPaint(platform::Canvas& Canvas) = 0;

  // The picture, or Color with the border, over the whole control.
  virtual void DrawBackGround(platform::Canvas& Canvas, platform::TColor Color);
  virtual void DrawBorder(platform::Canvas& Canvas);
  QImage& GetBackGroundBitmap();
  void DrawBackGroundBitmap(platform::Canvas& Canvas);
  void ClearBackGroundChanged() { FBackGroundChanged = false; }
  bool BackGroundChanged() const { return FBackGroundChanged; }
  void FreeBackGroundBitmap() { FBackGroundBitmap.reset(); }
  // No background picture yet, or one of the control's size.
  bool BackGroundBitmapFits() const { return !FBackGroundBitmap || FBackGroundBitmap->size() == size(); }

  void SetBooleanProperty(bool Value, bool& Field, int Kind);
  void SetIntegerProperty(int Value, int& Field, int Kind);
  void SetDoubleProperty(double Value, double& Field, int Kind);
  void SetStringProperty(const QString& Value, QString& Field, int Kind);
  void SetColorProperty(platform::TColor Value, platform::TColor& Field, int Kind);

  // The request that reaches Qt.
  virtual void Invalidate() { update(); }

  // Whether the off-screen image starts transparent (the parent shows where
  // DoPaint draws nothing).
  virtual bool PaintsTransparent() const { return false; }
  // True while an export paints the control.
  bool Exporting() const { return FExporting; }
  // DoPaint straight onto Canvas with the cache off, leaving the cache and its
  // state as they were.
  void PaintUncached(platform::Canvas& Canvas);
  // PaintUncached for an export: a transparent control fills
  // BackGroundColor.
  void PaintExport(platform::Canvas& Canvas);
  // The control painted by DoPaint into a new image of Width x Height (at
  // least 1 x 1) on BackGroundColor, under Lock.
  QImage PaintImage();

  // ---- input hooks ----
  virtual void DoSetFocus();
  virtual void DoKillFocus();
  virtual void DoWantSpecialKey(int& CharCode, int& Result);
  virtual void DoKeyUp(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoKeyDown(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoKeyPress(QChar& Key);
  virtual void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoDblClick();
  virtual bool DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos);

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;

  bool FUserGenerated = false;

 private:
  void InvalidateThrottled();
  void PaintException(platform::Canvas& Canvas, const char* Message);
  void MouseDown(QMouseEvent* e);

  bool FUpdateActive = false;
  int FUpdateFrameRate = 60;
  std::int64_t FLastUpdate = 0;
  bool FNeedsRepaint = false;
  std::unique_ptr<QImage> FBackGroundBitmap;
  std::unique_ptr<QImage> FBackGroundPicture;
  platform::TColor FBackGroundColor = platform::clBtnFace;
  bool FBackGroundChanged = true;
  TwBevelStyle FBorderStyle = ibsNone;
  int FOffsetY = 0;
  int FOffsetX = 0;
  bool FShowDisabledState = false;
  bool FHasFocus = false;
  bool FAutoFrameRate = false;
  bool FLoading = false;
  bool FCachedDrawing = true;
  bool FOptionSaveAllProperties = false;
  bool FErrorActive = false;
  QString FErrorText = QStringLiteral("Error");
  platform::TColor FErrorBackGroundColor = platform::clBlack;
  platform::TFont FErrorFont;
  bool FExporting = false;
  bool FClickPending = false;
};
