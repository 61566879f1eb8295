// Drawing routines shared by the panel, label, combo-box and button controls:
// colour arithmetic on a 0..240 hue/saturation/lightness scale, the colours of
// the (never active) visual theme, one-pixel side lines and frame bands, the
// twelve frame styles in system colours or tinted from a face colour, the
// panel frame painter, gradient fills in ten layouts, bitmaps with a
// transparent colour, the parent background of transparent controls, and a
// few text, font and version helpers.
//
// They are free functions on platform::Canvas with platform::TRect and
// platform::TColor and follow GDI rules: a rectangle excludes its right and
// bottom edge, a line leaves out its end pixel, and every colour is resolved
// to RGB (system colours through the fixed table) before arithmetic. Each
// frame routine returns the rectangle left inside what it drew and leaves the
// canvas's pen and brush as it found them.
//
// The first versions' QPainter helpers (Shade, ScaleColor, DrawBevel,
// DrawButtonFace and the QPainter DrawDropDownArrow and DrawTextCentered) stay
// at the end of this file for the controls that still use them.
#pragma once

#include "platform/Canvas.h"
#include "platform/Form.h"
#include "platform/Graphics.h"

#include <QChar>
#include <QColor>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QVariant>

class QWidget;

// Frame styles, in their stored order. TFrameStyle is the range fsNone to
// fsFlatBold. Declared outside the namespace, as the panel has always used it.
enum TFrameStyleEx {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
  fsFlatBold, fsFlatRounded
};
using TFrameStyle = TFrameStyleEx;

namespace uxdraw {

using platform::Canvas;
using platform::TColor;
using platform::TRect;

// ---- enumerations, values in their stored order -----------------------------

// A set of sides, stored as the bits 1, 2, 4 and 8.
enum TSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = unsigned;
constexpr TSides AllSides = sdLeft | sdTop | sdRight | sdBottom;

enum TGradientDirection {
  gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox, gdVerticalEnd,
  gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox
};
enum TUxGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TUxVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TBlinkState { bsOn, bsOff };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
enum TUxHotTrackColorType { htctComplement, htctActual };

// Windows versions in the order the version tests number them.
enum TWindowsVersion { wvWin95, wvWinNT4, wvWin98, wvWinMe, wvWin2000, wvWinXP, wvWin2003, wvWinVista, wvWin7 };

// ---- colours -----------------------------------------------------------------

// Hue, saturation and lightness, each 0 to 240 (a lightness up to 255 is
// accepted by ColorFromHsl and caps the channels at white).
struct THsl {
  int H = 0;
  int S = 0;
  int L = 0;
  friend bool operator==(const THsl&, const THsl&) = default;
};

// Halves round to even in all three conversions.
THsl ColorToHsl(TColor color);
int HueOfColor(TColor color);
// The hue is divided by 239, not 240.
TColor ColorFromHsl(int h, int s, int l);
// amount 0 to 255 on the lightness scale; the lighter one is capped at 255 so
// a large amount reaches white.
TColor DarkerColor(TColor color, int amount);
TColor LighterColor(TColor color, int amount);
// < 0 darker, > 0 lighter; 0 returns the colour itself, unresolved, so a
// system colour stays a system colour.
TColor AdjustColorLightness(TColor color, int adjustment);
// weight 0 to 255 is color1's share.
TColor BlendColors(TColor color1, TColor color2, int weight);
// Hues closer than 20 and lightnesses closer than 60; saturation is ignored.
bool ColorsSimilar(TColor color1, TColor color2);
// The hue turned by 120, full saturation, the given lightness.
TColor ComplementColor(TColor color, int lightness);

// Visual themes are never active here: ThemeColor gives clBtnFace for the
// indices 0 to 7 and white for any other, the scheme is always 0, and the
// colour styles give their system colours.
bool UseThemes();
TColor ThemeColor(int index);
int ReadThemeColorScheme();
// The process-wide scheme number (0 blue, 1 olive, 2 silver), read once at
// start-up; the panels read it again on a theme change.
int ThemeColorScheme();
void SetThemeColorScheme(int scheme);

struct TGradientColors {
  TColor Start = platform::clNone;
  TColor Stop = platform::clNone;
};
struct TBannerColors {
  TColor Start = platform::clNone;
  TColor Stop = platform::clNone;
  TColor Frame = platform::clNone;
};
TGradientColors GradientColorsOfStyle(TUxGradientColorStyle style);
TColor FlatColorOfStyle(TUxGradientColorStyle style);
TBannerColors BannerColorsOfStyle(TUxGradientColorStyle style);
bool HasFullColorDisplay();

// ---- frames ------------------------------------------------------------------

// Left and top side in topLeft, right and bottom side in bottomRight (which
// owns the top-right and bottom-left corner pixels); clNone leaves its sides
// undrawn. Each chosen side moves in by one pixel, drawn or not.
TRect DrawFrameSides(Canvas& c, const TRect& r, TColor topLeft, TSides sides, TColor bottomRight);
// count frames of DrawFrameSides, each inside the previous one.
TRect DrawFrameBands(Canvas& c, const TRect& r, TColor topLeft, TSides sides, int count, TColor bottomRight);
// Two bands in system colours: 3-D raised or lowered, push button up or down.
TRect DrawThreeDFrameSides(Canvas& c, const TRect& r, bool lowered, TSides sides);
TRect DrawPushFrame(Canvas& c, const TRect& r, bool down);
TRect DrawPushFrameSides(Canvas& c, const TRect& r, bool down, TSides sides);
// The push-button bands in shades of a face colour.
TRect DrawTintedPushFrame(Canvas& c, const TRect& r, TColor face, bool down);
TRect DrawTintedPushFrameSides(Canvas& c, const TRect& r, TColor face, TSides sides, bool down);
// One of the frame styles fsNone to fsFlatBold in system colours.
TRect DrawStyledFrame(Canvas& c, const TRect& r, TFrameStyle style);
TRect DrawStyledFrameSides(Canvas& c, const TRect& r, TFrameStyle style, TSides sides);
// The same styles in shades of a face colour.
TRect DrawTintedFrame(Canvas& c, const TRect& r, TColor face, TFrameStyle style);
TRect DrawTintedFrameSides(Canvas& c, const TRect& r, TColor face, TSides sides, TFrameStyle style);
// One band on all four sides; result moved in by 1.
TRect DrawFlatOutline(Canvas& c, const TRect& r, TColor color);
// Black pixels at every second position starting one pixel in; moved in by 1.
TRect DrawDottedOutline(Canvas& c, const TRect& r);
// Sides with their corners cut by one diagonal pixel; moved in by 2 on the
// chosen sides.
TRect DrawRoundedOutline(Canvas& c, const TRect& r, TColor color, TSides sides);
// The frames of panels and labels: outer style, border band, inner style.
TRect DrawPanelFrame(Canvas& c, const TRect& r, TFrameStyleEx outerStyle, bool roundedInnerFlat, bool transparent,
                     TColor parentColor, TColor color, int flatAdjustment, TColor flatColor, TColor shadowColor,
                     TColor highlightColor, TColor borderColor, int bevelWidth, TSides sides, int borderWidth,
                     TFrameStyleEx innerStyle);

// ---- gradients ---------------------------------------------------------------

// gdHorizontalEnd runs from start on the top row to stop at the bottom edge,
// gdVerticalEnd from the left column to the right edge, each row (column) one
// exact colour; every other layout is rendered in bands into an off-screen
// bitmap (RenderGradientBitmap). Granularity is the minimum band width.
void DrawGradientRect(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                      int granularity);
void RenderGradientBitmap(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                          int granularity);
// The band renderers work on an off-screen picture; colours are RGB.
// alongRows: the bands are rows of a stripWidth-wide strip, else columns of a
// stripHeight-high one. split -1 is one pass from a at extent - 1 to b.
void RenderLinearGradientBands(QImage& bitmap, bool alongRows, int split, int granularity, TColor a, TColor b,
                               int extent);
// Concentric bars in the upper-left quadrant, a at the centre, b outside.
void RenderBoxGradientBands(QImage& bitmap, int w, int h, int granularity, TColor a, TColor b, int yInset,
                            int xInset);
// w > 0: b in the bottom-left corner to a in the top-right; w <= 0: a in the
// bottom-right corner to b in the top-left.
void RenderDiagonalGradientBands(QImage& bitmap, int w, int h, int granularity, TColor a, TColor b);
// Doubles the strip at (x0, y0) until it covers w x h.
void ReplicateStrip(QImage& bitmap, int x0, int y0, int w, int h, int stripWidth, int stripHeight);
// Mirrors the upper-left quadrant into the other three.
void MirrorQuadrant(QImage& bitmap, int x0, int y0, int w, int h);
// Only a two-pixel ring inside r gets the gradient.
void DrawGradientRing(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop);

// ---- bitmaps and the parent background ---------------------------------------

// The source rectangle scaled nearest-pixel to dest, then drawn without its
// pixels of the transparent colour.
void DrawBitmapRectTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent,
                               const TRect& source);
void StretchBitmapRectTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, const TRect& source,
                                  TColor transparent);
void StretchBitmapTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent);
// Unscaled copies from dest's top-left corner; the last row and column cut.
void TileBitmapTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent);

// Qt paints a parent before its children, so a transparent control needs
// nothing of this on screen. These render the parent's own painting (without
// its children) under an off-screen picture of the control: moved by the
// control's position and clipped to the parent. Parents here are forms or
// self-painting controls, which are never invalidated, so invalidateParent
// changes nothing (on screen it would repaint the children endlessly).
void PaintParentBackground(QWidget* control, QPainter& painter, bool invalidateParent);
void PaintParentBackgroundToCanvas(QWidget* control, Canvas& c, bool invalidateParent);
// Repaints every child whose property "Transparent" is true.
void InvalidateTransparentChildren(QWidget* container);

// ---- text, fonts and the rest --------------------------------------------------

// DrawText of the whole text; returns the height it reports.
int DrawTextInRect(Canvas& c, const QString& text, const TRect& r, unsigned flags);
// One line centred both ways.
void DrawTextCentered(Canvas& c, const QString& text, const TRect& r);
// The font turned by angle degrees (Orientation is the angle x 10).
platform::TFont CreateAngledFont(const platform::TFont& font, int angle);
bool IsTrueTypeFont(const platform::TFont& font);
// "&x" gives "x", "&&" gives "&", a trailing "&" stays.
QString StripAccelChars(const QString& text);
// The last character; a null character for an empty text.
QChar LastChar(const QString& text);
// The combo box's arrow centred in r: style 2 (the only style the version test
// leaves) is a small triangle; black, or dark shadow over a near-black brush;
// button shadow when disabled.
void DrawDropDownArrow(Canvas& c, const TRect& r, int style, bool enabled);
inline int MinInt(int a, int b) { return a < b ? a : b; }
inline int MaxInt(int a, int b) { return a > b ? a : b; }
// Answered as for Windows 7, the newest version listed: every "or later" test
// is true, every exact test of an older version false.
bool IsOsVersion(int version);
bool IsOsVersionOrLater(int version);

// ---- the first versions' QPainter helpers --------------------------------------
// Colours are QColor; an invalid QColor stands for "no colour".

// The Tag every control carries is the platform's common one (the QObject
// property "Tag"), so a shared handler can read it from its Sender.
inline int ControlTag(const QObject* o) { return platform::Tag(o); }
inline void SetControlTag(QObject* o, int v) { platform::SetTag(o, v); }

inline bool IsNone(const QColor& c) { return !c.isValid(); }

// Mixes c toward white (amount > 0) or black (amount < 0) by |amount|/255.
QColor Shade(const QColor& c, int amount);
// Each channel divided by `by` (an unlit LED is its lit colour scaled by 3).
QColor ScaleColor(const QColor& c, int by);

enum class TBevel { Raised, Lowered };

// Two-tone frame of `width` pixels just inside r.
void DrawBevel(QPainter& p, const QRect& r, TBevel bevel, int width = 1,
               const QColor& light = QColor(255, 255, 255), const QColor& dark = QColor(128, 128, 128));

// A classic push-button face in `face`: gradient body, light top-left edge,
// dark bottom-right edge; sunken when pressed, lighter when hot.
void DrawButtonFace(QPainter& p, const QRect& r, const QColor& face, bool sunken, bool hot, bool enabled);

// Small filled triangle pointing down, centred in r.
void DrawDropDownArrow(QPainter& p, const QRect& r, const QColor& color);

// Caption drawn centred in r; disabled text is embossed (white offset, grey on top).
void DrawTextCentered(QPainter& p, const QRect& r, const QString& text, const QColor& color, bool enabled,
                      int flags = Qt::AlignCenter);

}  // namespace uxdraw
