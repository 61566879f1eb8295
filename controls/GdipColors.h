// Colour and gradient routines of the GDI+ layer: canvas colours (TColor, with
// system colours resolved through the fixed system-colour table) into GDI+ ARGB
// values, record builders, and FillGdipGradient, which fills one rectangle or
// path with one kind of gradient and outlines it.
//
// Neither colour conversion treats clNone specially (it converts as white);
// callers test for clNone first.
#pragma once

#include "controls/GdipObjects.h"
#include "platform/Graphics.h"

class TZodOVODPicture;

// The kind of a fill.
enum TExGradientType {
  gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal,
  gtAngle, gtHatch, gtPath, gtTexture, gtNone
};

ARGB ColorToARGB(platform::TColor color);
ARGB AlphaColorToARGB(int alpha, platform::TColor color);
constexpr ARGB MakeARGB(int a, int r, int g, int b) {
  return (ARGB(a & 0xFF) << 24) | (ARGB(r & 0xFF) << 16) | (ARGB(g & 0xFF) << 8) | ARGB(b & 0xFF);
}
constexpr ARGB MakeOpaqueARGB(int r, int g, int b) { return MakeARGB(255, r, g, b); }
constexpr int AlphaOfARGB(ARGB c) { return int((c >> 24) & 0xFF); }
constexpr int RedOfARGB(ARGB c) { return int((c >> 16) & 0xFF); }
constexpr int GreenOfARGB(ARGB c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOfARGB(ARGB c) { return int(c & 0xFF); }
inline TGPRectF MakeRectF(float x, float y, float width, float height) { return {x, y, width, height}; }
inline TGPPointF MakePointF(float x, float y) { return {x, y}; }
inline TGPPoint MakePoint(int x, int y) { return {x, y}; }

// One fill for FillGdipGradient.
struct TGradientFillParams {
  TGPGraphics* Graphics = nullptr;
  TGPGraphicsPath* Path = nullptr;
  // Fill and outline Path instead of Rect.
  bool UsePath = false;
  TGPRectF Rect;
  TExGradientType GradientType = gtSolid;
  platform::TColor StartColor = platform::clWhite;
  platform::TColor EndColor = platform::clWhite;
  int StartOpacity = 255;
  int EndOpacity = 255;
  int HatchStyle = HatchStyleHorizontal;
  int Angle = 0;
  // Tiled over the fill for gtTexture; nullptr for none.
  TZodOVODPicture* Texture = nullptr;
  platform::TColor BorderColor = platform::clNone;
  int BorderWidth = 1;
  int BorderDashStyle = DashStyleSolid;
  // The lower, mirrored half of a two-part fill: its top row takes the start colour.
  bool Mirror = false;
};

// Fills by kind (solid, the linear kinds on the rectangle grown by a pixel
// with gamma correction, angle, hatch, texture; radial, path and none fill
// nothing), then outlines with the border colour unless it is clNone.
void FillGdipGradient(const TGradientFillParams& params);
