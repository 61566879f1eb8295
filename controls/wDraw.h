// Drawing and utility routines shared by the instrument controls and the
// plot, and the enumerations both use. No state; every routine draws on a
// platform::Canvas in its GDI terms (integer pixels, rectangles without their
// right and bottom edge).
//
// - Text: DrawTextFlags with the 16-bit TwTextFlags set and a disabled
//   (embossed) look, rotated text, line widths and heights.
// - Colours: ScaleColor, ShiftColor and its Lighten/Darken forms, channels.
// - Fills and frames: FillGradient in twelve directions, DrawBorder3D (the
//   two-band 3-D frames), focus rectangles, shaded disks.
// - Geometry, automatic label precision, date-time conversions, key state,
//   form and page helpers, printer paper sizes.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

class QObject;
class QTabWidget;
class QWidget;

// ---- shared enumerations ----------------------------------------------------

enum TwBevelStyle { ibsNone, ibsRaised, ibsLowered };
enum TwAlignmentHorizontal { iahCenter, iahLeft, iahRight };
enum TwAlignmentVertical { iavCenter, iavTop, iavBottom };
enum TwRotationAngle { ira000, ira090, ira180, ira270 };
enum TwSideAlignment { isaBottom, isaTop, isaLeft, isaRight };
enum TwOrientation { ioVertical, ioHorizontal };
enum TwOrientationSide { iosBottomRight, iosTopLeft };
enum TwTickMinorAlignment { itmnaInside, itmnaCenter, itmnaOutside };
enum TwPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };
enum TwAutoScaleStyle { iassAutoMinMax, iassFixedMinMax };
enum TwSwitchMomentaryStyle { ismsNone, ismsSimple };
enum TwPlotMarkerStyle {
  ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown,
  ipmsTriangleLeft, ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
enum TwPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
enum TwPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };

enum TwFillDirection {
  ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
  ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};

// ---- text -------------------------------------------------------------------

// The Flags of DrawTextFlags. Left and top are the defaults; vertical
// alignment acts on single lines only; without itfPrefix "&" is plain text.
using TwTextFlags = std::uint16_t;
constexpr TwTextFlags itfLeft = 0x0001;
constexpr TwTextFlags itfCenter = 0x0002;
constexpr TwTextFlags itfRight = 0x0004;
constexpr TwTextFlags itfTop = 0x0008;
constexpr TwTextFlags itfVCenter = 0x0010;
constexpr TwTextFlags itfBottom = 0x0020;
constexpr TwTextFlags itfWordBreak = 0x0040;
constexpr TwTextFlags itfSingleLine = 0x0080;
constexpr TwTextFlags itfExpandTabs = 0x0100;
constexpr TwTextFlags itfNoClip = 0x0200;
constexpr TwTextFlags itfPrefix = 0x0400;
constexpr TwTextFlags itfCalcRect = 0x0800;
constexpr TwTextFlags itfEndEllipsis = 0x1000;
constexpr TwTextFlags itfPathEllipsis = 0x2000;
constexpr TwTextFlags itfWordEllipsis = 0x4000;
constexpr TwTextFlags itfModifyString = 0x8000;

// Draws Text in Rect in the canvas font's colour and returns the text's
// height (itfCalcRect: measures only and sets Rect). With Enabled False and a
// Color other than black the text is embossed instead: once offset by (1, 1)
// in ShiftColor(clBtnFace, +64), then in place in ShiftColor(clBtnFace, -32);
// Color only switches that look on.
int DrawTextFlags(platform::Canvas& Canvas, const QString& Text, platform::TRect& Rect, platform::TColor Color,
                  bool Enabled, TwTextFlags Flags);
// Text centred on Rect's centre, turned by Angle; Alignment acts at ira000
// only. OutRect receives the extent the text covers.
void DrawTextRotated(platform::Canvas& Canvas, const QString& Text, const platform::TRect& Rect,
                     platform::TRect& OutRect, platform::TColor Color, bool Enabled, TwAlignmentHorizontal Alignment,
                     TwRotationAngle Angle);
// The line of Text starting at Pos (lines end at CR, LF or CR LF); Pos moves
// past the line's end.
QString NextTextLine(const QString& Text, int& Pos);
int MaxLineTextWidth(platform::Canvas& Canvas, const QString& Text);
// Height of all the lines of Text.
int TextHeightCalc(platform::Canvas& Canvas, const QString& Text);
// Height of Text word-wrapped to Width.
int TextHeightWrapped(platform::Canvas& Canvas, const QString& Text, int Width);

// ---- colours ----------------------------------------------------------------

// Each channel divided by N (N >= 1) or multiplied by -N (N < 1), clamped.
platform::TColor ScaleColor(platform::TColor Color, int N);
// Each channel plus Amount (Up) or minus Amount, clamped.
platform::TColor ShiftColor(platform::TColor Color, int Amount, bool Up = true);
inline platform::TColor Lighten16(platform::TColor Color) { return ShiftColor(Color, 16); }
inline platform::TColor Lighten32(platform::TColor Color) { return ShiftColor(Color, 32); }
inline platform::TColor Darken64(platform::TColor Color) { return ShiftColor(Color, -64); }
inline int ColorRed(platform::TColor Color) { return platform::GetRValue(Color); }
inline int ColorGreen(platform::TColor Color) { return platform::GetGValue(Color); }
inline int ColorBlue(platform::TColor Color) { return platform::GetBValue(Color); }

// ---- fills and frames -------------------------------------------------------

// Steps a pen from Color1 to Color2 across Rect in lines, diagonals,
// rectangles or ellipses. The diagonal, rectangle and circle directions work
// from the canvas origin and use only Rect's Right and Bottom.
void FillGradient(platform::Canvas& Canvas, const platform::TRect& Rect, TwFillDirection Direction,
                  platform::TColor Color1, platform::TColor Color2);
// Kind 0: two-band sunken frame; 1: raised; 2: a clBtnShadow outline filled
// with the canvas brush; anything else draws nothing.
void DrawBorder3D(platform::Canvas& Canvas, const platform::TRect& Rect, int Kind);
// The dotted focus frame, drawn by inverting, so drawing it twice erases it.
void DrawFocusRectangle(platform::Canvas& Canvas, const platform::TRect& Rect);
void FillFocusRectangle(platform::Canvas& Canvas, const platform::TRect& Rect, platform::TColor Color);
// A disk shaded from LightColor (top left) to DarkColor (bottom right), or
// the reverse when Sunken, drawn as chords across the diagonal.
void DrawShadedDisk(platform::Canvas& Canvas, platform::TColor LightColor, platform::TColor DarkColor, bool Sunken,
                    int Radius, platform::TPoint Centre);
void DrawRaisedDisk(platform::Canvas& Canvas, platform::TColor Color, platform::TPoint Centre, int Radius);
void DrawSunkenDisk(platform::Canvas& Canvas, platform::TColor Color, platform::TPoint Centre, int Radius);

// ---- geometry ---------------------------------------------------------------

struct TwDoublePoint {
  double X = 0;
  double Y = 0;
};

platform::TRect CenteredRect(int X, int Y, int Width, int Height);
platform::TRect MakeOrderedRect(int X1, int Y1, int X2, int Y2);
// MakeOrderedRect with X and Y exchanged when Vertical.
platform::TRect OrientedRect(bool Vertical, int X1, int Y1, int X2, int Y2);
platform::TPoint OrientedPoint(bool Vertical, int A, int B);
platform::TPoint TransposePoint(bool Vertical, int A, int B);
platform::TPoint PolarPointF(double X, double Y, double Radius, double Degrees);
TwDoublePoint DoublePoint(double X, double Y);
void SwapIntegers(int& A, int& B);

// ---- numbers and time -------------------------------------------------------

// The most decimal places a number in fixed notation can need: the smallest
// double has its 17th significant digit at the 340th place.
inline constexpr int kMaxDecimals = 340;
// Decimals cut so that numbers of up to Magnitude show at most the 17
// significant digits a double holds (at most kMaxDecimals for a zero).
int SignificantDecimals(double Magnitude, int Decimals);
// Value in fixed notation with Decimals places (cut by SignificantDecimals),
// in the C locale: at most the 17 significant digits a double holds, a large
// value's further whole digits written as zeros.
std::string FixedText(double Value, int Decimals);
// Decimal places for scale and axis labels running from Min to Max, at most
// 17 significant digits of the larger magnitude.
int CalcAutoPrecision(int Precision, TwPrecisionStyle Style, double Min, double Max);
// A date-time (days) in whole units. A negative date-time, or a result
// beyond the Integer range, gives 2147483647 (minutes: 10000 when negative).
int DateTimeToMilliseconds(double DateTime);
int DateTimeToSeconds(double DateTime);
int DateTimeToMinutes(double DateTime);
int DateTimeToHours(double DateTime);

// ---- keys, focus, forms -----------------------------------------------------

bool ShiftKeyDown();
bool CtrlKeyDown();
bool AltKeyDown();
void FocusHandle(QWidget* Control);
// The first window up the parent chain; else the last widget met; else null.
QWidget* FindOwnerForm(QObject* Component);
void PageControlSetPageIndex(QTabWidget* PageControl, int Index);
int PageControlGetPageIndex(QTabWidget* PageControl);

// ---- printer ----------------------------------------------------------------

double MillimetresToInches(double Value);
// Width and height of a Windows paper code; 8.5 x 11 for an unknown code.
void PaperSizeInches(int PaperCode, double& Width, double& Height);
// The current printer's paper (a PDF printer when none is installed),
// exchanged for landscape.
void GetPrinterPaperSizeInches(double& Width, double& Height);
