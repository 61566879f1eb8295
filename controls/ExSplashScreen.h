// TExSplashScreen: a non-visual component that opens a borderless splash
// window (TSplashScreenWindow) when its form has finished loading: a fill
// with a picture, the program's name, version and copyright, a list of
// mini-markup lines, free items, top-layer panels and a progress bar. It
// closes the window after TimeOut (CloseOnTimeout) or when the main form is
// shown (CloseOnMainFormShow), optionally fading in and out, and can give the
// focus back to the main form afterwards.
//
// Life: Loaded (the form's end of loading) -> LoadProgramInfo -> Show when
// AutoShow. Show chains the main form's show: an event filter on the form
// closes the splash before the form handles its show event itself; Hide
// removes the filter again. Hide fades out (dsFadeInOut), frees the window
// and fires OnClose; it does nothing while closed. The window runs in the
// layered mode when the fill's opacity is below 255 (see
// SplashScreenWindow.h); it is painted and flushed at once when it opens, so
// it shows while the caller goes on building windows.
//
// Changes: Items and ListItems refresh the open window when their OnChange
// fires (after clearing, or a list line's Refresh); top-layer panels,
// StayOnTop and TextRendering invalidate it; ProgressBar changes are copied
// into the window's bar control; BasicProgramInfo changes refresh it. Object
// properties are copied in (Assign), never shared.
//
// Platform notes: executables carry no version resource here, so
// LoadProgramInfo keeps the texts the form gave. Focus restore raises and
// activates the form without synthesizing input. Only the main-thread mode
// exists (FThreadType stays ttMainThread). Show(X, Y) places the window by
// DisplayLocation alone. Destroying the component while it shows closes the
// window and removes the filter without OnClose.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "controls/AppearanceStyle.h"
#include "controls/CustomImageList.h"
#include "controls/ExSplashItems.h"
#include "controls/GDIPFill.h"
#include "controls/GDIPPictureContainer.h"

class QTimer;
class TGDIPSplashProgress;
class TSplashScreenWindow;

enum TDisplayStyle { dsNormal, dsFadeInOut };
enum TDisplayLocation { dlFixedPos, dlCenter };
enum TExSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };
enum TThreadType { ttMainThread, ttSeparateThread };

class TExSplashScreen : public QObject, public IAppearanceStyle {
  Q_OBJECT
 public:
  explicit TExSplashScreen(QObject* AOwner = nullptr);
  ~TExSplashScreen() override;

  // The end of the form's loading: LoadProgramInfo, then Show when AutoShow.
  void Loaded();
  void Show();
  void Show(int X, int Y);
  void Hide();
  void FadeIn(int Step, int Wait, int Max);
  void FadeOut(int Step, int Wait, int Min);
  // Re-renders the open window.
  void Refresh();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Raises and activates AForm 20 ms from now.
  void SetFocusToForm(QWidget* AForm);
  void SetComponentStyle(TAppearanceStyle AStyle) override;
  QString GetThemeID() const { return QStringLiteral("TExSplashScreen"); }
  void LoadFromTheme(const QString&) {}
  void SaveToTheme(const QString&) {}
  // Invalidates the open window (nothing while closed).
  void InvalidateWindow();

  // --- Published properties ---
  bool StayOnTop() const { return FStayOnTop; }
  void SetStayOnTop(bool v);
  // Always "1.2.0.0"; writes are ignored.
  QString Version() const;
  void SetVersion(const QString&) {}
  bool AutoShow() const { return FAutoShow; }
  void SetAutoShow(bool v) { FAutoShow = v; }
  bool AutoAdaptPictureSize() const { return FAutoAdaptPictureSize; }
  void SetAutoAdaptPictureSize(bool v) { FAutoAdaptPictureSize = v; }
  TBasicProgramInfo* BasicProgramInfo() { return FBasicProgramInfo; }
  void SetBasicProgramInfo(const TBasicProgramInfo* v) { FBasicProgramInfo->Assign(v); }
  bool CloseOnMainFormShow() const { return FCloseOnMainFormShow; }
  void SetCloseOnMainFormShow(bool v) { FCloseOnMainFormShow = v; }
  bool CloseOnTimeout() const { return FCloseOnTimeout; }
  void SetCloseOnTimeout(bool v) { FCloseOnTimeout = v; }
  TGDIPFill* Fill() { return FFill; }
  void SetFill(const TGDIPFill* v) { FFill->Assign(v); }
  int TimeOut() const { return FTimeOut; }
  void SetTimeOut(int v) { FTimeOut = v; }
  TGDIPSplashProgress* ProgressBar() { return FProgressBar; }
  void SetProgressBar(const TGDIPSplashProgress* v);
  TSplashItems* Items() { return FItems; }
  void SetItems(const TSplashItems* v) { FItems->Assign(v); }
  int PictureGap() const { return FPictureGap; }
  void SetPictureGap(int v) { FPictureGap = v; }
  TSplashListItems* ListItems() { return FListItems; }
  void SetListItems(const TSplashListItems* v) { FListItems->Assign(v); }
  TSplashListItemsSettings* ListItemsSettings() { return FListItemsSettings; }
  void SetListItemsSettings(const TSplashListItemsSettings* v) { FListItemsSettings->Assign(v); }
  TGDIPPictureContainer* PictureContainer() const { return FContainer; }
  void SetPictureContainer(TGDIPPictureContainer* v);
  TDisplayStyle DisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TDisplayStyle v) { FDisplayStyle = v; }
  TDisplayLocation DisplayLocation() const { return FDisplayLocation; }
  void SetDisplayLocation(TDisplayLocation v) { FDisplayLocation = v; }
  int DisplayPosX() const { return FDisplayPosX; }
  void SetDisplayPosX(int v) { FDisplayPosX = v; }
  int DisplayPosY() const { return FDisplayPosY; }
  void SetDisplayPosY(int v) { FDisplayPosY = v; }
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  int Height() const { return FHeight; }
  void SetHeight(int v) { FHeight = v; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v);
  TExSplashTopLayerItems* TopLayerItems() { return FTopLayerItems; }
  void SetTopLayerItems(const TExSplashTopLayerItems* v) { FTopLayerItems->Assign(v); }
  int MaxOpacity() const { return FMaxOpacity; }
  void SetMaxOpacity(int v) { FMaxOpacity = v; }
  TExSplashScreenTextRenderingHint TextRendering() const { return FTextRendering; }
  void SetTextRendering(TExSplashScreenTextRenderingHint v);

  std::function<void(QObject* Sender)> OnProgressChange;
  std::function<void(QObject* Sender, double Value)> OnProgressPositionChanged;
  std::function<void(QObject* Sender)> OnClick;
  std::function<void(QObject* Sender)> OnBeforeShow;
  std::function<void(QObject* Sender)> OnClose;

  // --- Public, not streamed ---
  TSplashScreenWindow* SplashWindow() const { return FSplashWindow; }
  bool Showing() const { return FShowing; }
  bool FocusParentForm() const { return FFocusParentForm; }
  void SetFocusParentForm(bool v) { FFocusParentForm = v; }
  QWidget* MainForm() const { return FMainForm; }
  void SetMainForm(QWidget* v);
  // True while the splash holds the main form's show (its filter is installed).
  bool MainFormChained() const { return FChained; }
  // The close timer (interval TimeOut, running while CloseOnTimeout and showing).
  QTimer* CloseTimer() const { return FCloseTimer; }
  // The focus timers (20 ms, single-shot); the form's exists after SetFocusToForm.
  QTimer* FocusTimer() const { return FFocusTimer; }
  QTimer* FocusFormTimer() const { return FFocusFormTimer; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void LoadProgramInfo();
  void CreateSplashWindow();
  void FreeSplashWindow();
  void SyncProgressBar();
  void CloseTimerTick();
  void MainFormShowHook();
  void FocusMainFormTick();
  void FocusFormTick();

 private:
  void Chain(QWidget* form);
  void Unchain();
  static void FocusForm(QWidget* form);

  bool FStayOnTop = true;
  bool FAutoShow = true;
  bool FAutoAdaptPictureSize = true;
  TBasicProgramInfo* FBasicProgramInfo;
  bool FCloseOnMainFormShow = true;
  bool FCloseOnTimeout = false;
  TGDIPFill* FFill;
  int FTimeOut = 1000;
  TGDIPSplashProgress* FProgressBar;
  TSplashItems* FItems;
  int FPictureGap = 5;
  TSplashListItems* FListItems;
  TSplashListItemsSettings* FListItemsSettings;
  QPointer<TGDIPPictureContainer> FContainer;
  TDisplayStyle FDisplayStyle = dsFadeInOut;
  TDisplayLocation FDisplayLocation = dlCenter;
  int FDisplayPosX = 0, FDisplayPosY = 0;
  int FWidth = 600, FHeight = 400;
  QPointer<TCustomImageList> FImages;
  TExSplashTopLayerItems* FTopLayerItems;
  int FMaxOpacity = 255;
  TExSplashScreenTextRenderingHint FTextRendering = tClearType;

  TSplashScreenWindow* FSplashWindow = nullptr;
  bool FShowing = false;
  bool FFocusParentForm = false;
  QPointer<QWidget> FMainForm;
  bool FChained = false;
  QTimer* FCloseTimer;
  QTimer* FFocusTimer;
  QTimer* FFocusFormTimer = nullptr;
  QPointer<QWidget> FNewFocusForm;
  TThreadType FThreadType = ttMainThread;
  int FUpdateCount = 0;
  bool FDestroying = false;
};
