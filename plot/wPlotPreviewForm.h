// TwPlotPreviewForm: the plot's print preview. One sheet of paper (Letter,
// Legal, A3, A4 or A5 by PrintSize; turned for landscape) fills the window
// with a shadow, and the plot's snapshot picture sits inside the print
// margins, as large as fits with the plot's proportions. The plot's first
// toolbar is hidden while the sheet is rendered and OnBeforePrint and
// OnAfterPrint are raised around it (the preview window as sender).
// Margins wider than the sheet leave no printable area and draw no picture.
//
// "Settings" edits orientation, margins, document name and paper size in
// TwPlotPreviewSettingsForm; OK writes all but the paper size to the plot
// (without its change notification). The print button prints the plot
// (PrintChart); "Close" closes the window. The window lives for one
// PreviewChart and starts on Letter every time.
#pragma once

#include <QImage>

#include "plot/wEditorControls.h"
#include "plot/wEditorEdit.h"
#include "plot/wEditorForm.h"
#include "plot/wPlotComponent.h"

class TwPlotPreviewSettingsForm : public platform::Form {
  Q_OBJECT
 public:
  explicit TwPlotPreviewSettingsForm(QWidget* parent = nullptr);

  TwComponentEditorRadioGroup* PrintOrientationRadioGroup;
  TwComponentEditorEdit *PrintMarginTopEdit, *PrintMarginLeftEdit, *PrintMarginRightEdit, *PrintMarginBottomEdit;
  TwComponentEditorEdit* PrintDocumentNameEdit;
  TwComponentEditorComboBox* PrintPaperSizeComboBox;
  TwComponentEditorButton *OKButton, *CancelButton;
};

// Where the preview draws, for a paint box of W x H.
struct TwPreviewGeometry {
  double PaperWidth = 0, PaperHeight = 0;  // inches, turned for landscape
  int PW = 0, PH = 0;                      // the sheet in pixels
  int PPI = 0;
  int AW = 0, AH = 0;                      // the printable area, at least 0
  platform::TRect Sheet;
  platform::TRect Picture;                 // empty when nothing is drawn
};

class TwPlotPreviewForm : public platform::Form {
  Q_OBJECT
 public:
  explicit TwPlotPreviewForm(QWidget* parent = nullptr);

  TwPlotComponent* wComponent = nullptr;
  double PrintMarginLeft = 1, PrintMarginTop = 1, PrintMarginRight = 1, PrintMarginBottom = 1;
  TwPrinterOrientation PrintOrientation = poLandscape;
  QString PrintDocumentName;
  int PrintSize = 0;  // 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5

  TwComponentEditorButton *PrintButton, *SettingsButton, *CloseButton;
  TwPaintBox* Preview;

  // The Windows paper code of PrintSize.
  static int PaperCode(int PrintSize);
  TwPreviewGeometry Geometry(int W, int H, int PictureWidth, int PictureHeight) const;
  // The sheet for a paint box of W x H, as PreviewPaint draws it.
  QImage RenderPage(int W, int H);

  void DoTranslation();
  void CloseButtonClick();
  void PrintButtonClick();
  void SettingsButtonClick();
  void PreviewPaint(QObject* Sender, platform::Canvas& Canvas);

 private:
  void Render(platform::Canvas& Canvas, int W, int H);
};
