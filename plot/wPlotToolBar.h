// TwPlotToolBar: the row of image buttons beside the data view. In display
// order: resume and pause of axis tracking, scroll and zoom axes mode, zoom
// out and in, select, zoom box and data cursor, properties, then copy, save,
// print and preview; five spacers separate the groups and show only while a
// button of the group before them shows. Select and preview are hidden at
// first; scroll mode is down.
//
// A click first asks the plot's OnBeforeToolBarButtonClick (Cancel stops it),
// then acts, then fires OnToolBarButtonClick; neither fires while the plot
// loads. The actions: resume (cursor and select buttons up, every selection
// cleared, tracking on), pause (tracking off), the axes modes (every axis's
// Mode), zoom out / in (pause first, then every linear axis zooms by
// ZoomInOutFactor or its inverse, every log axis by +1 / -1), select and zoom
// box (each raises the other), cursor (toggles), edit, copy, save, print and
// preview (through the On...Action hooks, which the plot's editor and output
// bind). Buttons with a group index other than 0 raise the others of their
// group when clicked (scroll/zoom mode, select/zoom box).
//
// Down states: the cursor button down shows every data cursor, stops all
// tracking and selects cursor 0; up hides every cursor. The select button
// down stops all tracking; toolbar 0's select button follows it.
//
// Drawing: a clBtnFace row with a raised frame (none with FlatBorder); buttons
// 30 pixels square with 24 x 24 images, or 22 with 16 x 16 (SmallButtons),
// from Left + 3, Top + 3, spacers 10 wide; the row needs 36 or 28 pixels.
// Resume is enabled while some axis does not track, pause while one does.
// Hovering a button shows its translated hint 3 pixels below it.
#pragma once

#include <QImage>

#include <memory>
#include <vector>

#include "controls/CustomImageList.h"
#include "plot/wPlotObjects.h"

enum TwPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };

class TwPlotToolBar;

// The picture of a toolbar button by its resource name ("AUTO" ... "PREVIEW",
// "SMALLAUTO" ... "SMALLPREVIEW"): 24 x 24, or 16 x 16 for the SMALL names,
// clTeal where transparent. A null image for an unknown name.
QImage TwPlotToolBarImage(const QString& ImageName);

// One button (or spacer) of a toolbar, owned, laid out and painted by it.
class TwPlotToolBarButton : public TwPlotButton {
 public:
  explicit TwPlotToolBarButton(TwPlotComponent* AOwner, TwPlotToolBar* AToolBar = nullptr);

  QString Hint() const { return FHint; }
  void SetHint(const QString& Value) { FHint = Value; }
  TwPlotToolBarButtonStyle Style() const { return FStyle; }
  void SetStyle(TwPlotToolBarButtonStyle Value) { FStyle = Value; }
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value) { FImageList = Value; }
  // -1 until the image is loaded at the next paint.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  QString ImageName() const { return FImageName; }
  void SetImageName(const QString& Value) { FImageName = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { FFlat = Value; }
  bool MouseOver() const { return FMouseOver; }
  TwPlotToolBar* ToolBar() const { return FToolBar; }

  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void wMouseMove(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX, int ScreenY,
                  bool DblClickActive) override;
  void DoMouseNotOver() override;
  void DrawLoweredEdge(platform::Canvas& Canvas);
  void DrawRaisedEdge(platform::Canvas& Canvas);

 protected:
  void DoMouseHint(const TwPlotMouseData& MouseData, TwHintData& HintData) override;

 private:
  void LoadImage();
  void Repaint();

  QString FHint;
  TwPlotToolBarButtonStyle FStyle = iptbbsButton;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1;
  QString FImageName;
  bool FFlat = false;
  bool FMouseOver = false;
  TwPlotToolBar* FToolBar;
};

class TwPlotToolBar : public TwPlotLayoutObject {
 public:
  TwPlotToolBar(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                TwNotifyEvent AOnRename);
  ~TwPlotToolBar() override;

  bool ShowResumeButton() const;
  void SetShowResumeButton(bool Value);
  bool ShowPauseButton() const;
  void SetShowPauseButton(bool Value);
  bool ShowAxesModeButtons() const;
  void SetShowAxesModeButtons(bool Value);
  bool ShowZoomInOutButtons() const;
  void SetShowZoomInOutButtons(bool Value);
  bool ShowSelectButton() const;
  void SetShowSelectButton(bool Value);
  bool ShowZoomBoxButton() const;
  void SetShowZoomBoxButton(bool Value);
  bool ShowCursorButton() const;
  void SetShowCursorButton(bool Value);
  bool ShowEditButton() const;
  void SetShowEditButton(bool Value);
  bool ShowCopyButton() const;
  void SetShowCopyButton(bool Value);
  bool ShowSaveButton() const;
  void SetShowSaveButton(bool Value);
  bool ShowPrintButton() const;
  void SetShowPrintButton(bool Value);
  bool ShowPreviewButton() const;
  void SetShowPreviewButton(bool Value);

  // Below 1 (or NaN) stores 1.
  double ZoomInOutFactor() const { return FZoomInOutFactor; }
  void SetZoomInOutFactor(double Value);
  bool FlatButtons() const { return FFlatButtons; }
  void SetFlatButtons(bool Value);
  bool FlatBorder() const { return FFlatBorder; }
  void SetFlatBorder(bool Value) { SetBooleanProperty(Value, FFlatBorder, ipnChange); }
  // 16 x 16 images, reloaded at the next paint.
  bool SmallButtons() const { return FSmallButtons; }
  void SetSmallButtons(bool Value);

  bool CursorActive() const;
  bool ZoomBoxActive() const;
  bool SelectActive() const;

  // The same as a click on the button.
  void DoButtonClickResume();
  void DoButtonClickPause();
  void DoButtonClickScrollAxesMode();
  void DoButtonClickZoomAxesMode();
  void DoButtonClickZoomIn();
  void DoButtonClickZoomOut();
  void DoButtonClickSelect();
  void DoButtonClickZoomBox();
  void DoButtonClickCursor();
  void DoButtonClickEdit();
  void DoButtonClickCopy();
  void DoButtonClickSave();
  void DoButtonClickPrint();
  void DoButtonClickPreview();
  // The cursor button up (hiding every cursor), without the click events.
  void TurnOffCursor();

  // What the edit and output buttons do. Copy, Save, Print and Preview start
  // as the plot's CopyToClipBoard, Save, PrintChart and PreviewChart; Edit is
  // bound by the property editor. A hook left empty does nothing.
  TwNotifyEvent OnEditAction, OnCopyAction, OnSaveAction, OnPrintAction, OnPreviewAction;

  // The buttons and spacers in display order, and each button by its type.
  int ButtonCount() const { return int(FButtonList.size()); }
  TwPlotToolBarButton* ButtonAt(int Index) const { return FButtonList.at(Index); }
  TwPlotToolBarButton* Button(TwPlotToolBarButtonType Type) const;
  TCustomImageList* Images() const { return FImageList.get(); }

  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  int GetRequiredWidth(platform::Canvas& Canvas) override;
  TwPlotObject* GetMouseOverObject(int X, int Y) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  void NotificationSetFocus(TwPersistent* Sender) override;

 protected:
  // The pixel size of a button: 22 small, 30 large.
  int ButtonSize() const { return FSmallButtons ? 22 : 30; }
  // Spacer visibility and the tracking buttons' enabled states.
  void UpdateButtonStates();
  // Places the visible buttons along the row.
  void LayoutButtons();

 private:
  TwPlotToolBarButton* MakeButton(TwPlotToolBarButtonStyle Style, const QString& Hint, const QString& ImageName,
                                  int GroupIndex, void (TwPlotToolBar::*Action)());
  // Before-click event; false when a handler cancels.
  bool BeforeClick(TwPlotToolBarButtonType Type);
  void AfterClick(TwPlotToolBarButtonType Type);
  void GroupClick(TwPlotToolBarButton* Sender);
  void CursorDownChange();
  void SelectDownChange();
  void SelectImageSet();
  void RunHook(const TwNotifyEvent& Hook, TwPlotToolBarButtonType Type, bool After = true);
  void ZoomAll(bool In);

  std::vector<TwPlotToolBarButton*> FButtonList;
  std::unique_ptr<TCustomImageList> FImageList;
  TwPlotToolBarButton *FResumeButton, *FPauseButton, *FResumePauseSpacer;
  TwPlotToolBarButton *FAxesModeScrollButton, *FAxesModeZoomButton, *FAxesModeSpacer;
  TwPlotToolBarButton *FZoomInButton, *FZoomOutButton, *FZoomInOutSpacer;
  TwPlotToolBarButton *FSelectButton, *FZoomBoxButton, *FCursorButton, *FZoomBoxCursorSpacer;
  TwPlotToolBarButton *FEditButton, *FEditSpacer;
  TwPlotToolBarButton *FCopyButton, *FSaveButton, *FPrintButton, *FPreviewButton;
  double FZoomInOutFactor = 2.0;
  bool FFlatButtons = false;
  bool FSmallButtons = false;
  bool FFlatBorder = false;
};
