// Frames: side lines, bands, the frame styles in system colours and tinted
// from a face colour, outlines and the panel frame.
#include "controls/UxDraw.h"

namespace uxdraw {

using namespace platform;

namespace {

// Restores the pen and brush a frame routine changed.
class PenKeeper {
 public:
  explicit PenKeeper(Canvas& c) : c_(c), pen_(c.Pen), brush_(c.Brush) {
    c_.Pen.Width = 1;
    c_.Pen.Style = psSolid;
    c_.Pen.Mode = pmCopy;
  }
  ~PenKeeper() {
    c_.Pen = pen_;
    c_.Brush = brush_;
  }
  PenKeeper(const PenKeeper&) = delete;
  PenKeeper& operator=(const PenKeeper&) = delete;

 private:
  Canvas& c_;
  TPen pen_;
  TBrush brush_;
};

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// Each chosen side moved in by `by`.
TRect Inset(const TRect& r, TSides sides, int by) {
  TRect in = r;
  if (sides & sdLeft) in.Left += by;
  if (sides & sdTop) in.Top += by;
  if (sides & sdRight) in.Right -= by;
  if (sides & sdBottom) in.Bottom -= by;
  return in;
}

// One band each of (outer top-left, outer bottom-right) and (inner ...).
struct TTwoBands {
  TColor outerTL, outerBR, innerTL, innerBR;
};
constexpr TTwoBands kRaised{cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
constexpr TTwoBands kLowered{clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
constexpr TTwoBands kPushUp{clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow};
constexpr TTwoBands kPushDown{clBtnText, clBtnText, clBtnShadow, clBtnShadow};

TRect DrawTwoBands(Canvas& c, const TRect& r, const TTwoBands& bands, TSides sides) {
  const TRect inner = DrawFrameSides(c, r, bands.outerTL, sides, bands.outerBR);
  return DrawFrameSides(c, inner, bands.innerTL, sides, bands.innerBR);
}

// The top-left and bottom-right colour of the styles drawn with one pair.
struct TFramePair {
  TColor topLeft, bottomRight;
};
TFramePair PairOfStyle(TFrameStyle style) {
  switch (style) {
    case fsFlat: return {cl3DDkShadow, cl3DDkShadow};
    case fsGroove: return {clBtnShadow, clBtnHighlight};
    case fsStatus: return {clBtnShadow, clBtnHighlight};
    case fsFlatBold: return {clBtnShadow, clBtnShadow};
    default: return {clBtnHighlight, clBtnShadow};  // fsBump, fsPopup
  }
}

// Grooves and bumps: two offset frames, a outside at the top-left, b inside;
// where a side is left out its neighbours' corner pixels close the etching.
TRect DrawEtchedFrameSides(Canvas& c, const TRect& r, TColor a, TColor b, TSides sides) {
  PenKeeper keep(c);
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  if (right)
    c.SetPixel(r.Right - 1, r.Top, b);
  else if (top)
    c.SetPixel(r.Right - 1, r.Top, a);
  if (bottom)
    c.SetPixel(r.Left, r.Bottom - 1, b);
  else if (left)
    c.SetPixel(r.Left, r.Bottom - 1, a);
  if (top && !left) c.SetPixel(r.Left, r.Top + 1, b);
  if (left && !top) c.SetPixel(r.Left + 1, r.Top, b);
  if (bottom && !right) c.SetPixel(r.Right - 1, r.Bottom - 2, a);
  if (right && !bottom) c.SetPixel(r.Right - 2, r.Bottom - 1, a);
  DrawFrameSides(c, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, b, sides, b);
  DrawFrameSides(c, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, a, sides, a);
  return Inset(r, sides, 2);
}

}  // namespace

TRect DrawFrameSides(Canvas& c, const TRect& r, TColor topLeft, TSides sides, TColor bottomRight) {
  PenKeeper keep(c);
  if (topLeft != clNone) {
    c.Pen.Color = topLeft;
    if (sides & sdLeft) Line(c, r.Left, r.Top, r.Left, r.Bottom);
    if (sides & sdTop) Line(c, r.Left, r.Top, r.Right, r.Top);
  }
  if (bottomRight != clNone) {
    c.Pen.Color = bottomRight;
    if (sides & sdRight) Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    if (sides & sdBottom) Line(c, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  }
  return Inset(r, sides, 1);
}

TRect DrawFrameBands(Canvas& c, const TRect& r, TColor topLeft, TSides sides, int count, TColor bottomRight) {
  TRect in = r;
  for (int i = 0; i < count; ++i) in = DrawFrameSides(c, in, topLeft, sides, bottomRight);
  return in;
}

TRect DrawThreeDFrameSides(Canvas& c, const TRect& r, bool lowered, TSides sides) {
  return DrawTwoBands(c, r, lowered ? kLowered : kRaised, sides);
}

TRect DrawPushFrame(Canvas& c, const TRect& r, bool down) { return DrawPushFrameSides(c, r, down, AllSides); }

TRect DrawPushFrameSides(Canvas& c, const TRect& r, bool down, TSides sides) {
  return DrawTwoBands(c, r, down ? kPushDown : kPushUp, sides);
}

TRect DrawTintedPushFrame(Canvas& c, const TRect& r, TColor face, bool down) {
  return DrawTintedPushFrameSides(c, r, face, AllSides, down);
}

TRect DrawTintedPushFrameSides(Canvas& c, const TRect& r, TColor face, TSides sides, bool down) {
  const TTwoBands bands = down ? TTwoBands{DarkerColor(face, 100), DarkerColor(face, 100), DarkerColor(face, 50),
                                           DarkerColor(face, 50)}
                               : TTwoBands{LighterColor(face, 100), DarkerColor(face, 100), LighterColor(face, 40),
                                           DarkerColor(face, 50)};
  return DrawTwoBands(c, r, bands, sides);
}

TRect DrawStyledFrame(Canvas& c, const TRect& r, TFrameStyle style) {
  return DrawStyledFrameSides(c, r, style, AllSides);
}

TRect DrawStyledFrameSides(Canvas& c, const TRect& r, TFrameStyle style, TSides sides) {
  const TFramePair pair = PairOfStyle(style);
  switch (style) {
    case fsNone: return r;
    case fsFlat:
    case fsStatus:
    case fsPopup: return DrawFrameSides(c, r, pair.topLeft, sides, pair.bottomRight);
    case fsFlatBold: return DrawFrameBands(c, r, pair.topLeft, sides, 2, pair.bottomRight);
    case fsLowered:
    case fsRaised: return DrawThreeDFrameSides(c, r, style == fsLowered, sides);
    case fsButtonDown:
    case fsButtonUp: return DrawPushFrameSides(c, r, style == fsButtonDown, sides);
    default: return DrawEtchedFrameSides(c, r, pair.topLeft, pair.bottomRight, sides);  // groove, bump
  }
}

TRect DrawTintedFrame(Canvas& c, const TRect& r, TColor face, TFrameStyle style) {
  return DrawTintedFrameSides(c, r, face, AllSides, style);
}

TRect DrawTintedFrameSides(Canvas& c, const TRect& r, TColor face, TSides sides, TFrameStyle style) {
  auto D = [face](int n) { return DarkerColor(face, n); };
  auto L = [face](int n) { return LighterColor(face, n); };
  switch (style) {
    case fsNone: return r;
    case fsFlat: return DrawFrameSides(c, r, D(50), sides, D(50));
    case fsGroove: return DrawEtchedFrameSides(c, r, D(50), L(100), sides);
    case fsLowered: return DrawTwoBands(c, r, {D(50), L(100), D(100), L(50)}, sides);
    case fsRaised: return DrawTwoBands(c, r, {L(50), D(100), L(100), D(50)}, sides);
    case fsButtonDown:
    case fsButtonUp: return DrawTintedPushFrameSides(c, r, face, sides, style == fsButtonDown);
    case fsStatus: return DrawFrameSides(c, r, D(50), sides, L(100));
    case fsPopup: return DrawFrameSides(c, r, L(100), sides, D(50));
    case fsFlatBold: return DrawFrameBands(c, r, D(50), sides, 2, D(50));
    default: return DrawEtchedFrameSides(c, r, L(100), D(50), sides);  // bump and anything past the range
  }
}

TRect DrawFlatOutline(Canvas& c, const TRect& r, TColor color) {
  DrawFrameSides(c, r, color, AllSides, color);
  return r.Inflated(-1, -1);
}

TRect DrawDottedOutline(Canvas& c, const TRect& r) {
  for (int y = r.Top + 1; y < r.Bottom; y += 2) {
    c.SetPixel(r.Left, y, clBlack);
    c.SetPixel(r.Right - 1, y, clBlack);
  }
  for (int x = r.Left + 1; x < r.Right; x += 2) {
    c.SetPixel(x, r.Top, clBlack);
    c.SetPixel(x, r.Bottom - 1, clBlack);
  }
  return r.Inflated(-1, -1);
}

TRect DrawRoundedOutline(Canvas& c, const TRect& r, TColor color, TSides sides) {
  PenKeeper keep(c);
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  const int y1 = top ? r.Top + 2 : r.Top, y2 = bottom ? r.Bottom - 2 : r.Bottom;
  const int x1 = left ? r.Left + 2 : r.Left, x2 = right ? r.Right - 2 : r.Right;
  c.Pen.Color = color;
  if (left) Line(c, r.Left, y1, r.Left, y2);
  if (top) Line(c, x1, r.Top, x2, r.Top);
  if (right) Line(c, r.Right - 1, y1, r.Right - 1, y2);
  if (bottom) Line(c, x1, r.Bottom - 1, x2, r.Bottom - 1);
  if (left && top) c.SetPixel(r.Left + 1, r.Top + 1, color);
  if (top && right) c.SetPixel(r.Right - 2, r.Top + 1, color);
  if (right && bottom) c.SetPixel(r.Right - 2, r.Bottom - 2, color);
  if (left && bottom) c.SetPixel(r.Left + 1, r.Bottom - 2, color);
  return {x1, y1, x2, y2};
}

TRect DrawPanelFrame(Canvas& c, const TRect& r, TFrameStyleEx outerStyle, bool roundedInnerFlat, bool transparent,
                     TColor parentColor, TColor color, int flatAdjustment, TColor flatColor, TColor shadowColor,
                     TColor highlightColor, TColor borderColor, int bevelWidth, TSides sides, int borderWidth,
                     TFrameStyleEx innerStyle) {
  const TColor m = AdjustColorLightness(flatColor, flatAdjustment);
  const bool bordered = borderWidth > 0 || innerStyle != fsNone;
  TRect in = r;

  switch (outerStyle) {
    case fsFlat: in = DrawFrameSides(c, in, m, sides, m); break;
    case fsFlatBold: in = DrawFrameBands(c, in, m, sides, 2, m); break;
    case fsFlatRounded:
      // The corners the rounding cuts show the parent outside and the band inside.
      if (!transparent) {
        const TRect band = DrawFrameSides(c, in, parentColor, sides, parentColor);
        const TColor inner = bordered ? borderColor : color;
        DrawFrameSides(c, band, inner, sides, inner);
      } else if (bordered) {
        DrawFrameSides(c, in.Inflated(-1, -1), borderColor, sides, borderColor);
      }
      in = DrawRoundedOutline(c, in, m, sides);
      break;
    case fsPopup: in = DrawFrameBands(c, in, highlightColor, sides, bevelWidth, shadowColor); break;
    case fsStatus: in = DrawFrameBands(c, in, shadowColor, sides, bevelWidth, highlightColor); break;
    default: in = DrawStyledFrameSides(c, in, outerStyle, sides); break;
  }

  if (borderWidth > 0) in = DrawFrameBands(c, in, borderColor, sides, borderWidth, borderColor);

  switch (innerStyle) {
    case fsFlat:
      if (roundedInnerFlat) {
        PenKeeper keep(c);
        c.Pen.Color = m;
        Line(c, in.Left, in.Top + 1, in.Left, in.Bottom - 1);
        Line(c, in.Left + 1, in.Top, in.Right - 1, in.Top);
        Line(c, in.Right - 1, in.Top + 1, in.Right - 1, in.Bottom - 1);
        Line(c, in.Left + 1, in.Bottom - 1, in.Right - 1, in.Bottom - 1);
        return in.Inflated(-1, -1);
      }
      in = DrawFrameSides(c, in, m, sides, m);
      break;
    case fsFlatBold: in = DrawFrameBands(c, in, m, sides, 2, m); break;
    case fsFlatRounded:
      if (!transparent) {
        const TRect band = DrawFrameSides(c, in, borderColor, sides, borderColor);
        DrawFrameSides(c, band, color, sides, color);
      } else {
        DrawFrameSides(c, in, borderColor, sides, borderColor);
      }
      in = DrawRoundedOutline(c, in, m, sides);
      break;
    case fsPopup: in = DrawFrameBands(c, in, highlightColor, sides, bevelWidth, shadowColor); break;
    case fsStatus: in = DrawFrameBands(c, in, shadowColor, sides, bevelWidth, highlightColor); break;
    default: in = DrawStyledFrameSides(c, in, innerStyle, sides); break;
  }
  return in;
}

}  // namespace uxdraw
