// The track bar's appearance objects and its colour presets.
#include "controls/TrackBarParts.h"

#include "controls/ExTrackBar.h"

using trackbar::Tc;

namespace {
void BindPictures(std::initializer_list<TGDIPPicture*> pictures, const std::function<void()>& handler) {
  for (TGDIPPicture* p : pictures) p->OnChange = [handler](QObject*) { handler(); };
}
}  // namespace

// ---- TTrackBarThumb ----------------------------------------------------------

TTrackBarThumb::TTrackBarThumb(QObject* parent) : TTrackBarPart(parent) {
  FColor = Tc(15653832);
  FColorTo = Tc(16178633);
  FColorMirror = Tc(15586496);
  FColorMirrorTo = Tc(16245200);
  FBorderColor = Tc(10317632);
  FColorHot = Tc(15465983);
  FColorHotTo = Tc(11332863);
  FColorMirrorHot = Tc(5888767);
  FColorMirrorHotTo = Tc(10807807);
  FBorderColorHot = Tc(10079963);
  FColorDown = Tc(7778289);
  FColorDownTo = Tc(4296947);
  FColorMirrorDown = Tc(946929);
  FColorMirrorDownTo = Tc(5021693);
  FBorderColorDown = Tc(4548219);
  FColorDisabled = FColorDisabledTo = FColorMirrorDisabled = FColorMirrorDisabledTo = FBorderColorDisabled =
      Tc(platform::clBlack);
  BindPictures({&FPicture, &FPictureHot, &FPictureDown, &FPictureDisabled}, [this] { PictureChanged(); });
}

void TTrackBarThumb::SetSize(int v) {
  if (!FPicture.Empty()) return;
  if (trackbar::Store(FSize, v)) Changed();
}

void TTrackBarThumb::SetWidth(int v) {
  if (!FPicture.Empty()) return;
  if (trackbar::Store(FWidth, v)) Changed();
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer v) {
  if (v == FThumbPointer) return;
  if (FExTrackBar && !FExTrackBar->AllowThumbPointer(this, v)) return;
  FThumbPointer = v;
  Changed();
}

void TTrackBarThumb::PictureChanged() {
  if (!FPicture.Empty() && FExTrackBar) TakeSizeFromPicture();
  else Changed();
}

void TTrackBarThumb::TakeSizeFromPicture() {
  if (!FPicture.Empty() && FExTrackBar) {
    FPicture.GetImageSizes();
    if (FExTrackBar->Orientation() == trVertical) {
      FWidth = FPicture.Height();
      FSize = FPicture.Width();
    } else {
      FSize = FPicture.Height();
      FWidth = FPicture.Width();
    }
  }
  Changed();
}

void TTrackBarThumb::Assign(const TTrackBarThumb* s) {
  if (!s || s == this) return;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
  FColorMirror = s->FColorMirror;
  FColorMirrorTo = s->FColorMirrorTo;
  FBorderColor = s->FBorderColor;
  FColorHot = s->FColorHot;
  FColorHotTo = s->FColorHotTo;
  FColorMirrorHot = s->FColorMirrorHot;
  FColorMirrorHotTo = s->FColorMirrorHotTo;
  FBorderColorHot = s->FBorderColorHot;
  FColorDown = s->FColorDown;
  FColorDownTo = s->FColorDownTo;
  FColorMirrorDown = s->FColorMirrorDown;
  FColorMirrorDownTo = s->FColorMirrorDownTo;
  FBorderColorDown = s->FBorderColorDown;
  FColorDisabled = s->FColorDisabled;
  FColorDisabledTo = s->FColorDisabledTo;
  FColorMirrorDisabled = s->FColorMirrorDisabled;
  FColorMirrorDisabledTo = s->FColorMirrorDisabledTo;
  FBorderColorDisabled = s->FBorderColorDisabled;
  FSteps = s->FSteps;
  FGradient = s->FGradient;
  FGradientMirror = s->FGradientMirror;
  FPicture.Assign(&s->FPicture);
  FPictureHot.Assign(&s->FPictureHot);
  FPictureDown.Assign(&s->FPictureDown);
  FPictureDisabled.Assign(&s->FPictureDisabled);
  SetWidth(s->FWidth);
  SetShape(s->FShape);
  SetStyle(s->FStyle);
  SetSize(s->FSize);
  SetThumbPointer(s->FThumbPointer);
  Changed();
}

// ---- TTrackBarSlider ---------------------------------------------------------

TTrackBarSlider::TTrackBarSlider(QObject* parent) : TTrackBarPart(parent) {
  FColor = Tc(platform::clWhite);
  FColorTo = Tc(platform::clBlack);
  FColorDisabled = FColorDisabledTo = FBorderColorDisabled = Tc(platform::clBlack);
  FColorCompleted = FColorCompletedTo = FColorCompletedDisabled = FColorCompletedDisabledTo = Tc(platform::clNone);
  FBorderColor = Tc(12752500);
  BindPictures({&FPicture, &FPictureDisabled, &FPictureCompleted, &FPictureCompletedDisabled},
               [this] { PictureChanged(); });
}

void TTrackBarSlider::PictureChanged() {
  if (!FPicture.Empty()) {
    FPicture.GetImageSizes();
    const bool vertical = FExTrackBar && FExTrackBar->Orientation() == trVertical;
    FSize = vertical ? FPicture.Width() : FPicture.Height();
    FBorderColor = Tc(platform::clNone);
  }
  Changed();
}

void TTrackBarSlider::Assign(const TTrackBarSlider* s) {
  if (!s || s == this) return;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
  FBorderColor = s->FBorderColor;
  FColorDisabled = s->FColorDisabled;
  FColorDisabledTo = s->FColorDisabledTo;
  FBorderColorDisabled = s->FBorderColorDisabled;
  FColorCompleted = s->FColorCompleted;
  FColorCompletedTo = s->FColorCompletedTo;
  FColorCompletedDisabled = s->FColorCompletedDisabled;
  FColorCompletedDisabledTo = s->FColorCompletedDisabledTo;
  FSize = s->FSize;
  FRounded = s->FRounded;
  SetBorder3D(s->FBorder3D);
  SetVisible(s->FVisible);
  FPicture.Assign(&s->FPicture);
  FPictureDisabled.Assign(&s->FPictureDisabled);
  FPictureCompleted.Assign(&s->FPictureCompleted);
  FPictureCompletedDisabled.Assign(&s->FPictureCompletedDisabled);
  SetPictureStretched(s->FPictureStretched);
  SetOffset(s->FOffset);
  Changed();
}

// ---- TTrackBarTick -----------------------------------------------------------

TTrackBarTick::TTrackBarTick(QObject* parent) : TTrackBarPart(parent) {
  FColor = FColorDisabled = Tc(platform::clBlack);
  BindPictures({&FPicture, &FPictureDisabled}, [this] { Changed(); });
}

void TTrackBarTick::Assign(const TTrackBarTick* s) {
  if (!s || s == this) return;
  FColor = s->FColor;
  FColorDisabled = s->FColorDisabled;
  FSize = s->FSize;
  FPosition = s->FPosition;
  FStyle = s->FStyle;
  FPicture.Assign(&s->FPicture);
  FPictureDisabled.Assign(&s->FPictureDisabled);
  FFont = s->FFont;
  FShowText = s->FShowText;
  FLine3D = s->FLine3D;
  FShowImageAtThumbOnly = s->FShowImageAtThumbOnly;
  FShowImageAtSteps = s->FShowImageAtSteps;
  FSpacing = s->FSpacing;
  Changed();
}

// ---- TTrackBarButtons --------------------------------------------------------

TTrackBarButtons::TTrackBarButtons(QObject* parent) : TTrackBarPart(parent) {
  FColor = Tc(15653832);
  FColorTo = Tc(16178633);
  FColorMirror = Tc(15586496);
  FColorMirrorTo = Tc(16245200);
  FBorderColor = Tc(9262895);
  FColorHot = Tc(15465983);
  FColorHotTo = Tc(11332863);
  FColorMirrorHot = Tc(5888767);
  FColorMirrorHotTo = Tc(10807807);
  FBorderColorHot = Tc(10079963);
  FColorDown = Tc(7778289);
  FColorDownTo = Tc(4296947);
  FColorMirrorDown = Tc(946929);
  FColorMirrorDownTo = Tc(5021693);
  FBorderColorDown = Tc(4548219);
  BindPictures({&FMinPicture, &FMaxPicture}, [this] { TakeSizeFromPicture(); });
  BindPictures({&FMinPictureHot, &FMinPictureDown, &FMaxPictureHot, &FMaxPictureDown}, [this] { Changed(); });
}

void TTrackBarButtons::SetSize(int v) {
  if (!FMinPicture.Empty() || !FMaxPicture.Empty()) return;
  if (trackbar::Store(FSize, v)) Changed();
}

void TTrackBarButtons::TakeSizeFromPicture() {
  TGDIPPicture* pic = !FMinPicture.Empty() ? &FMinPicture : !FMaxPicture.Empty() ? &FMaxPicture : nullptr;
  if (pic && FExTrackBar) {
    pic->GetImageSizes();
    FSize = FExTrackBar->Orientation() == trVertical ? pic->Height() : pic->Width();
  }
  Changed();
}

void TTrackBarButtons::Assign(const TTrackBarButtons* s) {
  if (!s || s == this) return;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
  FColorMirror = s->FColorMirror;
  FColorMirrorTo = s->FColorMirrorTo;
  FBorderColor = s->FBorderColor;
  FColorHot = s->FColorHot;
  FColorHotTo = s->FColorHotTo;
  FColorMirrorHot = s->FColorMirrorHot;
  FColorMirrorHotTo = s->FColorMirrorHotTo;
  FBorderColorHot = s->FBorderColorHot;
  FColorDown = s->FColorDown;
  FColorDownTo = s->FColorDownTo;
  FColorMirrorDown = s->FColorMirrorDown;
  FColorMirrorDownTo = s->FColorMirrorDownTo;
  FBorderColorDown = s->FBorderColorDown;
  FMinPicture.Assign(&s->FMinPicture);
  FMinPictureHot.Assign(&s->FMinPictureHot);
  FMinPictureDown.Assign(&s->FMinPictureDown);
  FMaxPicture.Assign(&s->FMaxPicture);
  FMaxPictureHot.Assign(&s->FMaxPictureHot);
  FMaxPictureDown.Assign(&s->FMaxPictureDown);
  FVisible = s->FVisible;
  FSize = s->FSize;
  FShape = s->FShape;
  FCornerRadius = s->FCornerRadius;
  RepeatClick = s->RepeatClick;
  InitRepeatPause = s->InitRepeatPause;
  RepeatPause = s->RepeatPause;
  FRotateText = s->FRotateText;
  FSpacing = s->FSpacing;
  Step = s->Step;
  Changed();
}

// ---- TTrackBarLabel ----------------------------------------------------------

void TTrackBarLabel::Assign(const TTrackBarLabel* s) {
  if (!s || s == this) return;
  FVisible = s->FVisible;
  FFormat = s->FFormat;
  FFont = s->FFont;
  FPosition = s->FPosition;
  Changed();
}

// ---- SetComponentStyle -------------------------------------------------------

namespace {
using platform::TColor;
constexpr TColor kNone = platform::clNone;

// Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor.
struct ColourSet {
  TColor c, to, mirror, mirrorTo, border;
};
struct StyleColours {
  ColourSet normal, hot, down;
  TColor slider;
};

constexpr ColourSet H1{13432063, 11332863, 5888767, 9556223, 10079963};
constexpr ColourSet H2{15465983, 11332863, 5888767, 10807807, 10079963};
constexpr ColourSet H3{14678013, 7987195, 7987195, 14678013, 3457776};
constexpr ColourSet D1{7778289, 4296947, 946929, 5021693, 4548219};
constexpr ColourSet D3{6670325, 9102591, 9102591, 6670325, 2914498};

// Indexed by TAppearanceStyle; tsCustom's row is never used.
const StyleColours kStyles[] = {
    {{15653832, 16178633, 15586496, 16245200, 14727579}, H1, D1, 12752500},
    {{15586496, 15128792, 15586496, 13152947, 9598070}, H1, D1, 9598070},
    {{13627626, 13627626, 13627626, 9224369, 9224369}, H1, D1, 9224369},
    {{16777215, 13226453, 16777215, 13226453, 0}, H2, D1, 9598070},
    {{15653832, 16178633, 15586496, 16245200, 14727579}, H2, D1, 12752500},
    {{14671574, 15000283, 14144974, 15197664, 12631218}, H2, D1, 12631218},
    {{16777215, 12179676, 12179676, 12179676, 12179676},
     {15717318, 15717318, 15717318, 15717318, platform::clHighlight},
     {11899524, 11899524, 11899524, 11899524, platform::clHighlight},
     9598070},
    {{16777215, 14675440, 14675440, 14675440, 10070188}, H1, D1, 9598070},
    {},
    {{15987697, 16119283, 15657703, 16316406, 13421257}, H2, D1, 13421257},
    {{16776697, 16642263, kNone, kNone, 16703386},
     {16776697, 16775920, kNone, kNone, 16703386},
     {16710128, 16642263, kNone, kNone, 16703386},
     16703386},
    {{16575452, 16571329, kNone, kNone, 13542013},
     {16645114, 16643051, kNone, kNone, 14922381},
     {16575452, 16571329, kNone, kNone, 13542013},
     13542013},
    {{platform::clBtnFace, platform::clBtnFace, kNone, kNone, 0},
     {12632256, 12632256, kNone, kNone, 0},
     {platform::clHighlight, platform::clHighlight, kNone, kNone, 0},
     0},
    {{16710905, 15391181, kNone, kNone, 10060659}, H3, D3, 10060659},
    {{16645370, 16645370, kNone, kNone, 9734527}, H3, D3, 9734527},
    {{13224393, 8421504, kNone, kNone, 2500134}, H3, D3, 2500134},
};

template <class Part>
void LoadColours(Part* p, const ColourSet& n, const ColourSet& h, const ColourSet& d) {
  p->SetColor(Tc(n.c));
  p->SetColorTo(Tc(n.to));
  p->SetBorderColor(Tc(n.border));
  p->SetColorHot(Tc(h.c));
  p->SetColorHotTo(Tc(h.to));
  p->SetBorderColorHot(Tc(h.border));
  p->SetColorDown(Tc(d.c));
  p->SetColorDownTo(Tc(d.to));
  p->SetBorderColorDown(Tc(d.border));
  p->SetGradient(ggVertical);
  p->SetGradientMirror(ggVertical);
}
}  // namespace

void TCustomTrackBar::SetComponentStyle(TAppearanceStyle AStyle) {
  FSlider->SetOffset(10);
  for (TGDIPPicture* p : {FSlider->Picture(), FSlider->PictureDisabled(), FSlider->PictureCompleted(),
                          FSlider->PictureCompletedDisabled(), FTickMark->Picture(), FTickMark->PictureDisabled(),
                          FThumb->Picture(), FThumb->PictureHot(), FThumb->PictureDown(), FThumb->PictureDisabled()})
    p->Assign(nullptr);
  FSlider->SetPictureStretched(false);
  FTickMark->SetPosition(tmBottomRight);
  FThumb->SetShape(tsPointer);
  FButtons->SetSpacing(2);
  const int ordinal = int(AStyle);
  if (ordinal < 0 || ordinal > int(tsOffice2010Black) || AStyle == tsCustom) {
    Repaint();
    return;
  }
  const StyleColours& s = kStyles[ordinal];
  LoadColours(FThumb, s.normal, s.hot, s.down);
  FThumb->SetColorMirror(Tc(s.normal.mirror));
  FThumb->SetColorMirrorTo(Tc(s.normal.mirrorTo));
  FThumb->SetColorMirrorHot(Tc(s.hot.mirror));
  FThumb->SetColorMirrorHotTo(Tc(s.hot.mirrorTo));
  FThumb->SetColorMirrorDown(Tc(s.down.mirror));
  FThumb->SetColorMirrorDownTo(Tc(s.down.mirrorTo));

  ColourSet normal = s.normal, hot = s.hot, down = s.down;
  if (AStyle == tsOffice2003Blue) normal = {16706781, 16374724, 16706781, 14854529, 10248507};
  auto mirrorFrom = [&](ColourSet& set, const ColourSet& thumb) {
    if (AStyle == tsWindowsVista || AStyle == tsWindows7 || AStyle == tsTerminal) {
      set.mirror = thumb.c;
      set.mirrorTo = thumb.to;
    } else if (AStyle >= tsOffice2010Blue) {
      set.mirror = set.mirrorTo = thumb.to;
    }
  };
  mirrorFrom(normal, s.normal);
  mirrorFrom(hot, s.hot);
  mirrorFrom(down, s.down);
  LoadColours(FButtons, normal, hot, down);
  FButtons->FColorMirror = Tc(normal.mirror);
  FButtons->FColorMirrorTo = Tc(normal.mirrorTo);
  FButtons->FColorMirrorHot = Tc(hot.mirror);
  FButtons->FColorMirrorHotTo = Tc(hot.mirrorTo);
  FButtons->FColorMirrorDown = Tc(down.mirror);
  FButtons->FColorMirrorDownTo = Tc(down.mirrorTo);

  FSlider->SetBorderColor(Tc(s.slider));
  FTickMark->SetColor(Tc(s.slider));
  Repaint();
}
