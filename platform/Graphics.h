// The drawing vocabulary shared by every layer: TColor with the named and the
// system colours, and integer TPoint/TSize/TRect in the Windows sense. Plain C++ (no
// Qt) so that plot models and filter code can hold colours and rectangles;
// platform/Canvas.h draws with them.
//
// TColor is 32 bits: red in the low byte, then green, then blue. A value whose
// high byte is 0xFF names a Windows system colour by its index in the low byte
// (clBtnFace = 0xFF00000F) and must go through ColorToRGB before any
// arithmetic. clNone (0x1FFFFFFF) means "don't paint": every fill, frame or
// text in clNone is skipped, and ColorToRGB leaves it as it is.
#pragma once

#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor rgb) { return int(rgb & 0xFF); }
constexpr int GetGValue(TColor rgb) { return int((rgb >> 8) & 0xFF); }
constexpr int GetBValue(TColor rgb) { return int((rgb >> 16) & 0xFF); }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clSystemColor = 0xFF000000;

// Named colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours: clSystemColor | the Windows COLOR_* index.
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000) == clSystemColor; }

// RGB value of the system colour with that COLOR_* index, from a fixed table
// of the Windows 7 standard scheme (clBtnFace 240,240,240; clBtnShadow
// 160,160,160; clHighlight 51,153,255 ...). Indices beyond the table give
// black.
TColor SysColor(int index);

// A system colour resolved through SysColor; an RGB value or clNone unchanged.
TColor ColorToRGB(TColor color);

// Windows MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle that excludes its right and bottom edge: TRect(0, 0, 10, 10)
// covers the pixels 0..9 both ways.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  // Windows InflateRect / OffsetRect.
  TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

}  // namespace platform
