// The main window's splash, asScreen, with the settings of its form. It is
// made when every control of the window exists, which is where the form's
// loading ends, so it opens there; it closes when the window is shown or
// after 100 ms, whichever the message loop delivers first.
#include "controls/ExSplashProgress.h"
#include "controls/ExSplashScreen.h"
#include "mainwindow/FMain.h"

using namespace platform;

namespace {

constexpr int kHatchStyleDivot = 42;

TFont MakeFont(const char* name, int height, TColor colour, TFontStyles style = 0) {
  TFont font;
  font.Name = QString::fromLatin1(name);
  font.Height = height;
  font.Color = colour;
  font.Style = style;
  return font;
}

}  // namespace

void TfmMain::BuildSplash() {
  asScreen = new TExSplashScreen(this);
  asScreen->setObjectName(QStringLiteral("asScreen"));
  TExSplashScreen& s = *asScreen;

  TBasicProgramInfo* info = s.BasicProgramInfo();
  TSplashHeadingText* name = info->ProgramName();
  name->SetText(QStringLiteral("QRV-512 DSP Processor Editor"));
  name->SetFont(MakeFont("Tahoma", -29, clWhite, fsBold));
  name->SetLocation(ilCustom);
  name->SetPosX(60);
  name->SetPosY(130);
  name->SetColorStart(clWhite);
  name->SetColorEnd(clWhite);
  name->SetHatchStyle(kHatchStyleDivot);
  TSplashHeadingText* version = info->ProgramVersion();
  version->SetText(QString::fromLatin1(kVersionText));
  version->SetFont(MakeFont("Tahoma", -19, clWindowText));
  version->SetLocation(ilCustom);
  version->SetPosX(515);
  version->SetPosY(140);
  version->SetColorStart(clWhite);
  version->SetColorEnd(clWhite);
  info->SetCopyRightFont(MakeFont("MS Sans Serif", -11, 156353));
  info->SetCopyRightLocation(ilCustom);
  info->SetCopyRightPosX(340);
  info->SetCopyRightPosY(340);

  s.SetCloseOnTimeout(true);
  s.SetTimeOut(100);

  TGDIPFill* fill = s.Fill();
  fill->SetColor(QColor());
  fill->SetColorTo(QColor());
  fill->SetColorMirror(QColor());
  fill->SetColorMirrorTo(QColor());
  fill->Picture()->LoadFromResourceName(QStringLiteral("splash.png"));
  fill->SetPicturePosition(ppBottomCenter);
  fill->SetOpacity(249);
  fill->SetBorderColor(QColor());
  fill->SetRounding(0);
  fill->SetShadowOffset(0);
  fill->SetGlow(gmNone);

  TGDIPSplashProgress* bar = s.ProgressBar();
  bar->BackGroundFill()->SetColor(QColor());
  bar->BackGroundFill()->SetColorTo(QColor());
  bar->BackGroundFill()->SetBorderColor(ToQColor(clGray));
  bar->ProgressFill()->SetColor(ToQColor(clWhite));
  bar->ProgressFill()->SetColorTo(ToQColor(16764057));
  bar->SetFont(MakeFont("Tahoma", -11, clWindowText));
  bar->SetProgressFont(MakeFont("Tahoma", -11, clWindowText));
  bar->SetValueFormat(QStringLiteral("%.0f%%"));
  bar->SetLeft(160);
  bar->SetTop(220);
  bar->SetHeight(12);
  bar->SetStep(10.0);
  bar->SetMaximum(100.0);

  s.ListItems()->Add()->SetHTMLText(
      QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
  TSplashListItemsSettings* list = s.ListItemsSettings();
  list->Rect()->SetLeft(180);
  list->Rect()->SetTop(210);
  list->Rect()->SetWidth(500);
  list->Rect()->SetHeight(250);
  list->SetHTMLFont(MakeFont("Tahoma", -11, clWindowText));
  s.SetDisplayStyle(dsNormal);

  s.Loaded();
}
