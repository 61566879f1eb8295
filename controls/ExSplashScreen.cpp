#include "controls/ExSplashScreen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "controls/CustomImageList.h"
#include "controls/ExSplashProgress.h"
#include "controls/GDIPPictureContainer.h"
#include "controls/SplashScreenWindow.h"

using namespace platform;

TExSplashScreen::TExSplashScreen(QObject* AOwner)
    : QObject(AOwner),
      FBasicProgramInfo(new TBasicProgramInfo(this)),
      FFill(new TGDIPFill(this)),
      FProgressBar(new TGDIPSplashProgress(this)),
      FItems(new TSplashItems(this)),
      FListItems(new TSplashListItems(this)),
      FListItemsSettings(new TSplashListItemsSettings(this)),
      FTopLayerItems(new TExSplashTopLayerItems(this)),
      FCloseTimer(new QTimer(this)),
      FFocusTimer(new QTimer(this)) {
  // Precise timers: a coarse one may fire up to 5 % before its interval.
  FCloseTimer->setTimerType(Qt::PreciseTimer);
  FCloseTimer->setInterval(FTimeOut);
  connect(FCloseTimer, &QTimer::timeout, this, [this] { CloseTimerTick(); });
  FFocusTimer->setTimerType(Qt::PreciseTimer);
  FFocusTimer->setInterval(20);
  FFocusTimer->setSingleShot(true);
  connect(FFocusTimer, &QTimer::timeout, this, [this] { FocusMainFormTick(); });

  FItems->OnChange = [this](QObject*) { Refresh(); };
  FListItems->OnChange = [this](QObject*) { Refresh(); };
  FTopLayerItems->OnChange = [this](QObject*) { InvalidateWindow(); };
  FProgressBar->OnChange = [this](QObject*) { SyncProgressBar(); };
  FBasicProgramInfo->OnChange = [this](QObject*) { Refresh(); };
}

TExSplashScreen::~TExSplashScreen() {
  FDestroying = true;
  FCloseTimer->stop();
  FFocusTimer->stop();
  if (FFocusFormTimer) FFocusFormTimer->stop();
  Unchain();
  FShowing = false;
  FreeSplashWindow();
  delete FItems;
  delete FListItems;
  delete FTopLayerItems;
  FItems = nullptr;
  FListItems = nullptr;
  FTopLayerItems = nullptr;
}

QString TExSplashScreen::Version() const {
  const int major = 1, minor = 2, release = 0, build = 0;
  return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);
}

void TExSplashScreen::SetStayOnTop(bool v) {
  if (FStayOnTop == v) return;
  FStayOnTop = v;
  InvalidateWindow();
}

void TExSplashScreen::SetTextRendering(TExSplashScreenTextRenderingHint v) {
  if (FTextRendering == v) return;
  FTextRendering = v;
  InvalidateWindow();
}

void TExSplashScreen::SetProgressBar(const TGDIPSplashProgress* v) { FProgressBar->Assign(v); }

void TExSplashScreen::SetPictureContainer(TGDIPPictureContainer* v) { FContainer = v; }

void TExSplashScreen::SetImages(TCustomImageList* v) { FImages = v; }

void TExSplashScreen::InvalidateWindow() {
  if (FShowing && FSplashWindow && !FDestroying) FSplashWindow->update();
}

void TExSplashScreen::Refresh() {
  if (FShowing && FSplashWindow && !FDestroying) FSplashWindow->Refresh();
}

void TExSplashScreen::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) Refresh();
}

// ---- Opening ----

void TExSplashScreen::Loaded() {
  LoadProgramInfo();
  if (FAutoShow) Show();
}

void TExSplashScreen::LoadProgramInfo() {
  if (!FBasicProgramInfo->AutoLoad()) return;
  // Executables carry no version resource on this platform: the size found
  // is 0, and the texts keep the values the form gave them.
}

void TExSplashScreen::Show() { Show(FDisplayPosX, FDisplayPosY); }

void TExSplashScreen::Show(int, int) {
  if (FShowing) return;
  if (OnBeforeShow) OnBeforeShow(this);
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner && owner->isWindow()) FMainForm = owner;
  if (FCloseOnMainFormShow && FMainForm) Chain(FMainForm);
  CreateSplashWindow();
}

void TExSplashScreen::CreateSplashWindow() {
  if (FShowing || FSplashWindow) return;
  const bool layered = FFill->Opacity() < 255 || FFill->OpacityTo() < 255;
  auto* window = new TSplashScreenWindow(this);
  FSplashWindow = window;
  // A tool-tip window is frameless, above the others and never activated,
  // whichever the platform; it takes no focus.
  Qt::WindowFlags flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  // Layered windows are made topmost whatever StayOnTop says.
  if (FStayOnTop || layered) flags |= Qt::WindowStaysOnTopHint;
  window->setWindowFlags(flags);
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->setAttribute(Qt::WA_TranslucentBackground, layered);

  int width = FWidth, height = FHeight;
  TZodOVODPicture* picture = FFill->Picture();
  if (FAutoAdaptPictureSize && !picture->Empty()) {
    if (picture->Width() <= 0 || picture->Height() <= 0) picture->GetImageSizes();
    const int bw = FFill->BorderWidth();
    const int b = bw == 1 ? 2 : ((bw + 1) / 2) * 2;
    width = picture->Width() + b;
    height = picture->Height() + b;
  }
  window->resize(width, height);
  if (FDisplayLocation == dlCenter) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, width, height);
    window->move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
  } else {
    window->move(FDisplayPosX, FDisplayPosY);
  }

  window->CreateProgressBar();

  if (FDisplayStyle == dsNormal) {
    window->SetOpacity(255);
  } else if (layered) {
    window->SetOpacity(5);
  } else {
    window->SetAlphaBlend(true);
    window->SetAlphaBlendValue(5);
  }

  window->show();
  FShowing = true;
  window->ApplyWindowRegion();
  window->EnterMode(layered);
  // The caller goes on building windows before the event loop runs: paint
  // and flush now.
  window->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
  if (!FSplashWindow) return;

  if (!layered) {
    if (FDisplayStyle == dsFadeInOut) {
      while (window->AlphaBlendValue() < FMaxOpacity) {
        window->SetAlphaBlendValue(std::min(window->AlphaBlendValue() + 5, FMaxOpacity));
        window->repaint();
        if (window->AlphaBlendValue() < FMaxOpacity) QThread::msleep(5);
      }
    }
    window->SetAlphaBlendValue(FMaxOpacity);
  } else if (FDisplayStyle == dsFadeInOut) {
    window->FadeInLayered(20, 5, 255);
  }

  FCloseTimer->setInterval(FTimeOut);
  if (FCloseOnTimeout) FCloseTimer->start();
  else FCloseTimer->stop();
}

// ---- Closing ----

void TExSplashScreen::Hide() {
  if (!FShowing) return;
  FCloseTimer->stop();
  if (FDisplayStyle == dsFadeInOut && FSplashWindow && FSplashWindow->isVisible())
    FSplashWindow->FadeOutWindow(20, 5, 10);
  FShowing = false;
  if (FMainForm && FChained) Unchain();
  FreeSplashWindow();
  if (OnClose) OnClose(this);
}

void TExSplashScreen::FreeSplashWindow() {
  TSplashScreenWindow* window = FSplashWindow;
  FSplashWindow = nullptr;
  delete window;
}

void TExSplashScreen::CloseTimerTick() {
  const bool wasShowing = FShowing;
  Hide();
  if (FFocusParentForm && FMainForm && wasShowing) FFocusTimer->start();
}

void TExSplashScreen::MainFormShowHook() {
  Hide();
  // The form handles its own show event after this filter.
  if (FFocusParentForm && FMainForm) FFocusTimer->start();
}

bool TExSplashScreen::eventFilter(QObject* watched, QEvent* event) {
  if (FChained && watched == FMainForm && event->type() == QEvent::Show) MainFormShowHook();
  return QObject::eventFilter(watched, event);
}

void TExSplashScreen::Chain(QWidget* form) {
  if (FChained || !form) return;
  form->installEventFilter(this);
  FChained = true;
}

void TExSplashScreen::Unchain() {
  if (!FChained) return;
  if (FMainForm) FMainForm->removeEventFilter(this);
  FChained = false;
}

void TExSplashScreen::SetMainForm(QWidget* v) {
  if (FMainForm && FChained && FCloseOnMainFormShow) Unchain();
  FMainForm = v;
  if (FCloseOnMainFormShow && v) Chain(v);
}

// ---- Focus ----

void TExSplashScreen::FocusForm(QWidget* form) {
  // Raising and activating stands for the click the form would get; no
  // input is synthesized, which would land on whatever lies at its origin.
  form->raise();
  form->activateWindow();
}

void TExSplashScreen::FocusMainFormTick() {
  FFocusTimer->stop();
  if (FMainForm) FocusForm(FMainForm);
}

void TExSplashScreen::FocusFormTick() {
  if (FFocusFormTimer) FFocusFormTimer->stop();
  if (FNewFocusForm) FocusForm(FNewFocusForm);
}

void TExSplashScreen::SetFocusToForm(QWidget* AForm) {
  if (!FFocusFormTimer) {
    FFocusFormTimer = new QTimer(this);
    FFocusFormTimer->setTimerType(Qt::PreciseTimer);
    FFocusFormTimer->setInterval(20);
    FFocusFormTimer->setSingleShot(true);
    connect(FFocusFormTimer, &QTimer::timeout, this, [this] { FocusFormTick(); });
  }
  FNewFocusForm = AForm;
  FFocusFormTimer->start();
}

// ---- Fades and the progress bar ----

void TExSplashScreen::FadeIn(int Step, int Wait, int Max) {
  if (!FSplashWindow || !FSplashWindow->isVisible()) return;
  if (FSplashWindow->ForcedTransparent()) {
    FSplashWindow->FadeInLayered(Step, Wait * 3, Max);
    return;
  }
  while (FSplashWindow->AlphaBlendValue() < Max) {
    if (FSplashWindow->AlphaBlendValue() + Step >= Max) {
      FSplashWindow->SetAlphaBlendValue(Max);
      break;
    }
    FSplashWindow->SetAlphaBlendValue(FSplashWindow->AlphaBlendValue() + Step);
    QThread::msleep(unsigned(std::max(0, Wait * 3)));
  }
}

void TExSplashScreen::FadeOut(int Step, int Wait, int Min) {
  if (FSplashWindow && FSplashWindow->isVisible()) FSplashWindow->FadeOutWindow(Step, Wait, Min);
}

void TExSplashScreen::SyncProgressBar() {
  if (!FShowing || !FSplashWindow || !FSplashWindow->SplashProgressBar()) return;
  TExSplashProgressBar* bar = FSplashWindow->SplashProgressBar();
  const TGDIPSplashProgress& p = *FProgressBar;
  bar->SetPosition(p.Position());
  bar->SetGlowAnimation(p.GlowAnimation());
  bar->SetStep(p.Step());
  bar->SetProgressAnimation(p.ProgressAnimation());
  bar->SetMaximum(p.Maximum());
  bar->SetMinimum(p.Minimum());
  bar->setGeometry(p.Left(), p.Top(), p.Width(), p.Height());
  bar->SetAppearance(FProgressBar);
  if (FSplashWindow->ForcedTransparent()) {
    // The control cannot show itself on the layered window; it is drawn into the buffer.
    bar->setVisible(false);
    Refresh();
  } else {
    bar->setVisible(p.Visible());
  }
}

// ---- Styles ----

void TExSplashScreen::SetComponentStyle(TAppearanceStyle AStyle) {
  struct Row {
    TColor color, colorTo, mirror, mirrorTo, border;
    bool mirrorVertical;
  };
  static constexpr TColor N = clNone;
  static constexpr Row kRows[] = {
      {16640730, 14986888, N, N, 14668485, false},         // tsOffice2003Blue
      {16249843, 15128792, N, N, 9598070, false},          // tsOffice2003Silver
      {13627626, 9224369, N, N, 7042912, false},           // tsOffice2003Olive
      {16777215, 13226453, N, N, 8421504, false},          // tsOffice2003Classic
      {16445929, 15587527, 15587527, 16773863, 14922381, true},  // tsOffice2007Luna
      {13616833, 12958644, 12958644, 15527141, 0, true},   // tsOffice2007Obsidian
      {clBtnFace, clBtnFace, N, N, 0, false},              // tsWindowsXP
      {16777215, 14281196, N, N, 8556434, false},          // tsWhidbey
      {N, N, N, N, N, false},                              // tsCustom
      {16183790, 15195349, 15195349, 16053486, 7630959, true},   // tsOffice2007Silver
      {16644337, 16576469, N, N, 16637593, false},         // tsWindowsVista
      {16575452, 16571329, N, N, 13542013, false},         // tsWindows7
      {clBtnFace, clBtnFace, N, N, 8421504, false},        // tsTerminal
      {16643823, 15784647, N, N, 13087391, false},         // tsOffice2010Blue
      {16777215, 15590880, N, N, 13815240, false},         // tsOffice2010Silver
      {12566463, 9539985, N, N, 7171437, false},           // tsOffice2010Black
  };
  FFill->SetGradientType(gtVertical);
  const int index = int(AStyle);
  if (index < 0 || index >= int(std::size(kRows)) || AStyle == tsCustom) return;
  const Row& row = kRows[index];
  FFill->SetStoredColor(fcColor, row.color);
  FFill->SetStoredColor(fcColorTo, row.colorTo);
  FFill->SetStoredColor(fcColorMirror, row.mirror);
  FFill->SetStoredColor(fcColorMirrorTo, row.mirrorTo);
  FFill->SetStoredColor(fcBorderColor, row.border);
  if (row.mirrorVertical) FFill->SetGradientMirrorType(gtVertical);
}
