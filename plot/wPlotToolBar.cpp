#include "plot/wPlotToolBar.h"

#include <QImage>

#include "controls/wDraw.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataCursor.h"

using platform::TColor;
using platform::TRect;

// ---- TwPlotToolBarButton ----

TwPlotToolBarButton::TwPlotToolBarButton(TwPlotComponent* AOwner, TwPlotToolBar* AToolBar)
    : TwPlotButton(AOwner), FToolBar(AToolBar) {}

void TwPlotToolBarButton::Repaint() {
  if (OnInvalidate) OnInvalidate(this);
}

void TwPlotToolBarButton::LoadImage() {
  if (FImageIndex != -1 || FImageName.isEmpty() || !FImageList) return;
  QImage image = TwPlotToolBarImage(FImageName).convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) return;
  // The key colour is the transparent one.
  const QRgb key = qRgb(0, 128, 128);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
  }
  FImageIndex = FImageList->Add(image);
}

void TwPlotToolBarButton::Draw(platform::Canvas& Canvas, TColor) {
  if (FStyle == iptbbsSpacer) return;
  LoadImage();
  const bool pressed = MouseDown() || Down();
  int x = 0, y = 0;
  if (FImageList) {
    x = Left() + Width() / 2 - FImageList->Width() / 2;
    y = Top() + Height() / 2 - FImageList->Height() / 2;
  }
  const TRect face{Left(), Top(), Right(), Bottom()};
  const platform::TBrush light{platform::RGB(239, 239, 239), platform::bsSolid};
  if (!FFlat) {
    if (pressed) {
      Canvas.Brush = light;
      Canvas.FillRect(face);
      DrawLoweredEdge(Canvas);
      ++x;
      ++y;
    } else {
      DrawRaisedEdge(Canvas);
    }
  } else {
    if (pressed && !FMouseOver) {
      Canvas.Brush = light;
      Canvas.FillRect(face);
    }
    if (Enabled() && pressed) {
      DrawLoweredEdge(Canvas);
      ++x;
      ++y;
    } else if (Enabled() && FMouseOver) {
      DrawRaisedEdge(Canvas);
    }
  }
  if (FImageList && FImageIndex >= 0) FImageList->Draw(Canvas.Painter(), x, y, FImageIndex, Enabled());
}

namespace {
void DrawEdge(platform::Canvas& Canvas, const TRect& R, TColor TopLeft, TColor BottomRight) {
  const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
  Canvas.Pen = platform::TPen{TopLeft, 1, platform::psSolid};
  const platform::TPoint first[] = {{l, b}, {l, t}, {r, t}};
  Canvas.Polyline(first);
  Canvas.Pen.Color = BottomRight;
  const platform::TPoint second[] = {{r, t}, {r, b}, {l, b}};
  Canvas.Polyline(second);
}
}  // namespace

void TwPlotToolBarButton::DrawLoweredEdge(platform::Canvas& Canvas) {
  DrawEdge(Canvas, DrawRect(), platform::clBtnShadow, platform::clBtnHighlight);
}

void TwPlotToolBarButton::DrawRaisedEdge(platform::Canvas& Canvas) {
  DrawEdge(Canvas, DrawRect(), platform::clBtnHighlight, platform::clBtnShadow);
}

void TwPlotToolBarButton::wMouseMove(TwHintData& HintData, Qt::KeyboardModifiers Shift, int X, int Y, int ScreenX,
                                     int ScreenY, bool DblClickActive) {
  const bool was = FMouseOver;
  FMouseOver = true;
  if (FFlat && !was) Repaint();
  TwPlotButton::wMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
}

void TwPlotToolBarButton::DoMouseNotOver() {
  FMouseOver = false;
  Repaint();
}

void TwPlotToolBarButton::DoMouseHint(const TwPlotMouseData&, TwHintData& HintData) {
  if (FStyle == iptbbsSpacer || FHint.isEmpty()) return;
  QString text = TranslateText(FHint);
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas canvas(&scratch);
  if (Owner()) canvas.Font = Owner()->HintsFont();
  HintData.Left = Left();
  HintData.Top = Bottom() + 3;
  HintData.Width = canvas.TextWidth(text) + 4;
  HintData.Height = canvas.TextHeight(text) + 4;
  if (Owner() && FToolBar) Owner()->DoToolBarCustomizeHintEvent(FToolBar, text);
  HintData.Text = text;
}

// ---- TwPlotToolBar ----

TwPlotToolBar::TwPlotToolBar(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                             TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FImageList(std::make_unique<TCustomImageList>(24, 24)) {
  SetHorizontal(true);
  using T = TwPlotToolBar;
  const auto S = iptbbsSpacer;
  const auto B = iptbbsButton;
  FResumeButton = MakeButton(B, QStringLiteral("Resume All (Tracking)"), QStringLiteral("AUTO"), 0,
                             &T::DoButtonClickResume);
  FPauseButton = MakeButton(B, QStringLiteral("Pause All (Tracking)"), QStringLiteral("PAUSE"), 0,
                            &T::DoButtonClickPause);
  FResumePauseSpacer = MakeButton(S, {}, {}, 0, nullptr);
  FAxesModeScrollButton = MakeButton(B, QStringLiteral("Scroll (Axes)"), QStringLiteral("SCROLL"), 2,
                                     &T::DoButtonClickScrollAxesMode);
  FAxesModeZoomButton = MakeButton(B, QStringLiteral("Zoom (Axes)"), QStringLiteral("ZOOM"), 2,
                                   &T::DoButtonClickZoomAxesMode);
  FAxesModeSpacer = MakeButton(S, {}, {}, 0, nullptr);
  FZoomOutButton = MakeButton(B, QStringLiteral("Zoom Out All Axes"), QStringLiteral("ZOOMOUT"), 0,
                              &T::DoButtonClickZoomOut);
  FZoomInButton = MakeButton(B, QStringLiteral("Zoom In All Axes"), QStringLiteral("ZOOMIN"), 0,
                             &T::DoButtonClickZoomIn);
  FZoomInOutSpacer = MakeButton(S, {}, {}, 0, nullptr);
  FSelectButton = MakeButton(B, QStringLiteral("Select"), QStringLiteral("SELECT"), -1, &T::DoButtonClickSelect);
  FZoomBoxButton = MakeButton(B, QStringLiteral("Zoom Box"), QStringLiteral("SCROLLBOX"), -1,
                              &T::DoButtonClickZoomBox);
  FCursorButton = MakeButton(B, QStringLiteral("Cursor"), QStringLiteral("CURSOR"), -2, &T::DoButtonClickCursor);
  FZoomBoxCursorSpacer = MakeButton(S, {}, {}, 0, nullptr);
  FEditButton = MakeButton(B, QStringLiteral("Properties"), QStringLiteral("PROPERTIES"), 0, &T::DoButtonClickEdit);
  FEditSpacer = MakeButton(S, {}, {}, 0, nullptr);
  FCopyButton = MakeButton(B, QStringLiteral("Copy to Clipboard"), QStringLiteral("COPY"), 0, &T::DoButtonClickCopy);
  FSaveButton = MakeButton(B, QStringLiteral("Save to File"), QStringLiteral("SAVE"), 0, &T::DoButtonClickSave);
  FPrintButton = MakeButton(B, QStringLiteral("Print"), QStringLiteral("PRINTER"), 0, &T::DoButtonClickPrint);
  FPreviewButton = MakeButton(B, QStringLiteral("Preview"), QStringLiteral("PREVIEW"), 0, &T::DoButtonClickPreview);
  // The output buttons act on the owning plot; a program may put its own
  // handler in their place.
  OnCopyAction = [this](TwPersistent*) { if (Owner()) Owner()->CopyToClipBoard(); };
  OnSaveAction = [this](TwPersistent*) { if (Owner()) Owner()->Save(); };
  OnPrintAction = [this](TwPersistent*) { if (Owner()) Owner()->PrintChart(); };
  OnPreviewAction = [this](TwPersistent*) { if (Owner()) Owner()->PreviewChart(); };
  FAxesModeScrollButton->SetDown(true);
  FCursorButton->OnDownChange = [this](TwPersistent*) { CursorDownChange(); };
  FZoomBoxButton->OnDownChange = [](TwPersistent*) {};
  FSelectButton->OnDownChange = [this](TwPersistent*) { SelectDownChange(); };
  FSelectButton->SetVisible(false);
  FPreviewButton->SetVisible(false);
  SelectImageSet();
}

TwPlotToolBar::~TwPlotToolBar() {
  for (TwPlotToolBarButton* b : FButtonList) delete b;
  FButtonList.clear();
}

TwPlotToolBarButton* TwPlotToolBar::MakeButton(TwPlotToolBarButtonStyle Style, const QString& Hint,
                                               const QString& ImageName, int GroupIndex,
                                               void (TwPlotToolBar::*Action)()) {
  auto* b = new TwPlotToolBarButton(Owner(), this);
  b->SetStyle(Style);
  b->SetHint(Hint);
  b->SetImageName(ImageName);
  b->SetGroupIndex(GroupIndex);
  b->SetImageList(FImageList.get());
  b->OnInvalidate = [this](TwPersistent*) {
    if (Owner()) Owner()->InvalidateNow();
  };
  if (Action) b->OnClick = [this, Action](TwPersistent*) { (this->*Action)(); };
  b->OnGroupClick = [this](TwPersistent* s) { GroupClick(static_cast<TwPlotToolBarButton*>(s)); };
  b->OnChange = [this](TwPersistent*) { DoChange(); };
  FButtonList.push_back(b);
  return b;
}

TwPlotToolBarButton* TwPlotToolBar::Button(TwPlotToolBarButtonType Type) const {
  switch (Type) {
    case iptbbtResume: return FResumeButton;
    case iptbbtPause: return FPauseButton;
    case iptbbtScrollAxesMode: return FAxesModeScrollButton;
    case iptbbtZoomAxesMode: return FAxesModeZoomButton;
    case iptbbtSelect: return FSelectButton;
    case iptbbtZoomBox: return FZoomBoxButton;
    case iptbbtZoomOut: return FZoomOutButton;
    case iptbbtZoomIn: return FZoomInButton;
    case iptbbtCursor: return FCursorButton;
    case iptbbtEdit: return FEditButton;
    case iptbbtCopy: return FCopyButton;
    case iptbbtSave: return FSaveButton;
    case iptbbtPrint: return FPrintButton;
    case iptbbtPreview: return FPreviewButton;
  }
  return nullptr;
}

// ---- properties ----

#define TW_SHOW(Name, Field)                                                        \
  bool TwPlotToolBar::Show##Name() const { return Field->Visible(); }               \
  void TwPlotToolBar::SetShow##Name(bool Value) { Field->SetVisible(Value); }
TW_SHOW(ResumeButton, FResumeButton)
TW_SHOW(PauseButton, FPauseButton)
TW_SHOW(SelectButton, FSelectButton)
TW_SHOW(ZoomBoxButton, FZoomBoxButton)
TW_SHOW(CursorButton, FCursorButton)
TW_SHOW(EditButton, FEditButton)
TW_SHOW(CopyButton, FCopyButton)
TW_SHOW(SaveButton, FSaveButton)
TW_SHOW(PrintButton, FPrintButton)
TW_SHOW(PreviewButton, FPreviewButton)
#undef TW_SHOW

bool TwPlotToolBar::ShowAxesModeButtons() const { return FAxesModeScrollButton->Visible(); }
void TwPlotToolBar::SetShowAxesModeButtons(bool Value) {
  FAxesModeScrollButton->SetVisible(Value);
  FAxesModeZoomButton->SetVisible(Value);
}
bool TwPlotToolBar::ShowZoomInOutButtons() const { return FZoomOutButton->Visible(); }
void TwPlotToolBar::SetShowZoomInOutButtons(bool Value) {
  FZoomOutButton->SetVisible(Value);
  FZoomInButton->SetVisible(Value);
}

void TwPlotToolBar::SetZoomInOutFactor(double Value) {
  if (!(Value >= 1)) Value = 1;
  SetDoubleProperty(Value, FZoomInOutFactor, ipnChange);
}

void TwPlotToolBar::SetFlatButtons(bool Value) {
  if (Value == FFlatButtons) return;
  FFlatButtons = Value;
  for (TwPlotToolBarButton* b : FButtonList) b->SetFlat(Value);
  DoChange();
}

void TwPlotToolBar::SetSmallButtons(bool Value) {
  if (Value == FSmallButtons) return;
  FSmallButtons = Value;
  SelectImageSet();
  DoChange();
}

void TwPlotToolBar::SelectImageSet() {
  for (TwPlotToolBarButton* b : FButtonList) {
    QString name = b->ImageName();
    if (name.startsWith(QStringLiteral("SMALL"))) name = name.mid(5);
    if (!name.isEmpty() && FSmallButtons) name.prepend(QStringLiteral("SMALL"));
    b->SetImageName(name);
  }
  FImageList->Clear();
  const int size = FSmallButtons ? 16 : 24;
  FImageList->SetSize(size, size);
  for (TwPlotToolBarButton* b : FButtonList) b->SetImageIndex(-1);
}

bool TwPlotToolBar::CursorActive() const { return FCursorButton->Down(); }
bool TwPlotToolBar::ZoomBoxActive() const { return FZoomBoxButton->Down(); }
bool TwPlotToolBar::SelectActive() const { return FSelectButton->Down(); }

// ---- actions ----

bool TwPlotToolBar::BeforeClick(TwPlotToolBarButtonType Type) {
  bool cancel = false;
  if (Owner()) Owner()->DoBeforeToolBarButtonClickEvent(this, Type, cancel);
  return !cancel;
}

void TwPlotToolBar::AfterClick(TwPlotToolBarButtonType Type) {
  if (Owner()) Owner()->DoToolBarButtonClickEvent(this, Type);
}

void TwPlotToolBar::GroupClick(TwPlotToolBarButton* Sender) {
  for (TwPlotToolBarButton* b : FButtonList)
    if (b != Sender && b->GroupIndex() == Sender->GroupIndex()) b->SetDown(false);
}

void TwPlotToolBar::DoButtonClickResume() {
  if (!BeforeClick(iptbbtResume)) return;
  if (FCursorButton->Down()) DoButtonClickCursor();
  if (FSelectButton->Down()) DoButtonClickSelect();
  if (Owner()) {
    Owner()->Master()->DeSelectAll();
    Owner()->EnableAllTracking();
  }
  AfterClick(iptbbtResume);
}

void TwPlotToolBar::DoButtonClickPause() {
  if (!BeforeClick(iptbbtPause)) return;
  if (Owner()) Owner()->DisableAllTracking();
  AfterClick(iptbbtPause);
}

void TwPlotToolBar::DoButtonClickScrollAxesMode() {
  if (!BeforeClick(iptbbtScrollAxesMode)) return;
  FAxesModeScrollButton->SetDown(true);
  FAxesModeZoomButton->SetDown(false);
  if (TwPlotComponent* p = Owner()) {
    for (int i = 0; i < p->XAxisCount(); ++i) p->GetXAxis(i)->SetMode(ipamScroll);
    for (int i = 0; i < p->YAxisCount(); ++i) p->GetYAxis(i)->SetMode(ipamScroll);
  }
  AfterClick(iptbbtScrollAxesMode);
}

void TwPlotToolBar::DoButtonClickZoomAxesMode() {
  if (!BeforeClick(iptbbtZoomAxesMode)) return;
  FAxesModeScrollButton->SetDown(false);
  FAxesModeZoomButton->SetDown(true);
  if (TwPlotComponent* p = Owner()) {
    for (int i = 0; i < p->XAxisCount(); ++i) p->GetXAxis(i)->SetMode(ipamZoom);
    for (int i = 0; i < p->YAxisCount(); ++i) p->GetYAxis(i)->SetMode(ipamZoom);
  }
  AfterClick(iptbbtZoomAxesMode);
}

void TwPlotToolBar::ZoomAll(bool In) {
  TwPlotComponent* p = Owner();
  if (!p) return;
  auto zoom = [&](TwPlotAxis* a) {
    if (a->ScaleType() == ipstLinear) a->Zoom(In ? 1 / FZoomInOutFactor : FZoomInOutFactor);
    else a->Zoom(In ? -1 : 1);
  };
  for (int i = 0; i < p->XAxisCount(); ++i) zoom(p->GetXAxis(i));
  for (int i = 0; i < p->YAxisCount(); ++i) zoom(p->GetYAxis(i));
}

void TwPlotToolBar::DoButtonClickZoomOut() {
  if (!BeforeClick(iptbbtZoomOut)) return;
  DoButtonClickPause();
  ZoomAll(false);
  AfterClick(iptbbtZoomOut);
}

void TwPlotToolBar::DoButtonClickZoomIn() {
  if (!BeforeClick(iptbbtZoomIn)) return;
  DoButtonClickPause();
  ZoomAll(true);
  AfterClick(iptbbtZoomIn);
}

void TwPlotToolBar::DoButtonClickSelect() {
  if (!BeforeClick(iptbbtSelect)) return;
  FSelectButton->SetDown(!FSelectButton->Down());
  FZoomBoxButton->SetDown(false);
  AfterClick(iptbbtSelect);
}

void TwPlotToolBar::DoButtonClickZoomBox() {
  if (!BeforeClick(iptbbtZoomBox)) return;
  FSelectButton->SetDown(false);
  FZoomBoxButton->SetDown(!FZoomBoxButton->Down());
  AfterClick(iptbbtZoomBox);
}

void TwPlotToolBar::DoButtonClickCursor() {
  if (!BeforeClick(iptbbtCursor)) return;
  FCursorButton->SetDown(!FCursorButton->Down());
  AfterClick(iptbbtCursor);
}

void TwPlotToolBar::RunHook(const TwNotifyEvent& Hook, TwPlotToolBarButtonType Type, bool After) {
  if (!BeforeClick(Type)) return;
  if (Hook) Hook(this);
  if (After) AfterClick(Type);
}

void TwPlotToolBar::DoButtonClickEdit() { RunHook(OnEditAction, iptbbtEdit, false); }
void TwPlotToolBar::DoButtonClickCopy() { RunHook(OnCopyAction, iptbbtCopy); }
void TwPlotToolBar::DoButtonClickSave() { RunHook(OnSaveAction, iptbbtSave); }
void TwPlotToolBar::DoButtonClickPrint() { RunHook(OnPrintAction, iptbbtPrint); }
void TwPlotToolBar::DoButtonClickPreview() { RunHook(OnPreviewAction, iptbbtPreview); }

void TwPlotToolBar::TurnOffCursor() { FCursorButton->SetDown(false); }

void TwPlotToolBar::CursorDownChange() {
  TwPlotComponent* p = Owner();
  if (!p) return;
  if (FCursorButton->Down()) {
    for (int i = 0; i < p->DataCursorCount(); ++i) p->GetDataCursor(i)->SetVisible(true);
    p->DisableAllTracking();
    if (p->DataCursorCount()) p->GetDataCursor(0)->SetUserSelected(true);
  } else {
    for (int i = 0; i < p->DataCursorCount(); ++i) p->GetDataCursor(i)->SetVisible(false);
  }
}

void TwPlotToolBar::SelectDownChange() {
  TwPlotComponent* p = Owner();
  if (!p) return;
  if (FSelectButton->Down()) {
    p->DisableAllTracking();
    p->SetToolBarSelectActive(true);
  } else {
    p->SetToolBarSelectActive(false);
  }
}

// ---- layout and drawing ----

void TwPlotToolBar::UpdateButtonStates() {
  FResumePauseSpacer->SetVisible(FResumeButton->Visible() || FPauseButton->Visible());
  FAxesModeSpacer->SetVisible(FAxesModeScrollButton->Visible() || FAxesModeZoomButton->Visible());
  FZoomInOutSpacer->SetVisible(FZoomInButton->Visible() || FZoomOutButton->Visible());
  FZoomBoxCursorSpacer->SetVisible(FZoomBoxButton->Visible() || FCursorButton->Visible());
  FEditSpacer->SetVisible(FEditButton->Visible());
  bool anyOff = false, anyOn = false;
  if (TwPlotComponent* p = Owner()) {
    for (int i = 0; i < p->XAxisCount(); ++i) (p->GetXAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
    for (int i = 0; i < p->YAxisCount(); ++i) (p->GetYAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
  }
  FResumeButton->SetEnabled(anyOff);
  FPauseButton->SetEnabled(anyOn);
}

void TwPlotToolBar::LayoutButtons() {
  const int s = ButtonSize();
  int x = Left() + 3;
  const int y = Top() + 3;
  for (TwPlotToolBarButton* b : FButtonList) {
    if (!b->Visible()) continue;
    const int w = b->Style() == iptbbsSpacer ? 10 : s;
    b->SetDrawRect({x, y, x + w, y + s});
    x += w;
  }
}

void TwPlotToolBar::Draw(platform::Canvas& Canvas, TColor BackGroundColor) {
  TwPlotLayoutObject::Draw(Canvas, BackGroundColor);
  if (!Visible()) return;
  UpdateButtonStates();
  Canvas.Brush = platform::TBrush{platform::clBtnFace, platform::bsSolid};
  Canvas.FillRect({Left(), Top(), Right() + 1, Bottom()});
  if (!FFlatBorder) DrawBorder3D(Canvas, DrawRect(), 1);
  LayoutButtons();
  for (TwPlotToolBarButton* b : FButtonList)
    if (b->Visible()) b->Draw(Canvas, BackGroundColor);
}

int TwPlotToolBar::GetRequiredWidth(platform::Canvas&) { return FSmallButtons ? 28 : 36; }

TwPlotObject* TwPlotToolBar::GetMouseOverObject(int X, int Y) {
  TwPlotLayoutObject::GetMouseOverObject(X, Y);
  for (TwPlotToolBarButton* b : FButtonList) {
    if (b->Visible() && X >= b->Left() && X < b->Right() && Y >= b->Top() && Y < b->Bottom()) {
      FMouseOverObject = b;
      return b;
    }
  }
  return this;
}

void TwPlotToolBar::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}

void TwPlotToolBar::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this) SetUserSelected(false);
}
