#include "controls/GdipColors.h"

#include <memory>

#include "controls/ZodOVOD.h"

ARGB ColorToARGB(platform::TColor color) { return AlphaColorToARGB(255, color); }

ARGB AlphaColorToARGB(int alpha, platform::TColor color) {
  const platform::TColor rgb = platform::ColorToRGB(color);
  return MakeARGB(alpha, platform::GetRValue(rgb), platform::GetGValue(rgb), platform::GetBValue(rgb));
}

void FillGdipGradient(const TGradientFillParams& params) {
  TGPGraphics* g = params.Graphics;
  if (!g) return;
  const bool onPath = params.UsePath && params.Path;
  const ARGB start = AlphaColorToARGB(params.StartOpacity, params.StartColor);
  const ARGB end = AlphaColorToARGB(params.EndOpacity, params.EndColor);
  const TGPRectF& r = params.Rect;
  auto fill = [&](const TGPBrush* brush) {
    if (onPath) g->FillPath(brush, params.Path);
    else g->FillRectangle(brush, r);
  };
  const TGPRectF grown{r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2};
  switch (params.GradientType) {
    case gtSolid: {
      TGPSolidBrush brush(start);
      fill(&brush);
      break;
    }
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
      const int mode = params.GradientType == gtVertical ? LinearGradientModeVertical
                       : params.GradientType == gtHorizontal ? LinearGradientModeHorizontal
                       : params.GradientType == gtForwardDiagonal ? LinearGradientModeForwardDiagonal
                                                                  : LinearGradientModeBackwardDiagonal;
      TGPLinearGradientBrush brush(grown, start, end, mode);
      brush.SetGammaCorrection(true);
      fill(&brush);
      if (params.Mirror) {
        // The seam between the halves of a mirrored fill takes the start colour.
        TGPSolidBrush seam(start);
        g->FillRectangle(&seam, r.X, r.Y, r.Width, 1);
      }
      break;
    }
    case gtAngle: {
      TGPLinearGradientBrush brush(grown, start, end, float(params.Angle), true);
      brush.SetGammaCorrection(true);
      fill(&brush);
      break;
    }
    case gtHatch: {
      TGPHatchBrush brush(params.HatchStyle, start, end);
      fill(&brush);
      break;
    }
    case gtTexture:
      if (params.Texture) {
        if (onPath) params.Texture->FillPath(*g, params.Path);
        else params.Texture->FillRect(*g, r);
      }
      break;
    default: break;  // radial, path and none: the caller paints them
  }
  if (params.BorderColor != platform::clNone) {
    TGPPen pen(AlphaColorToARGB(params.StartOpacity, params.BorderColor), float(params.BorderWidth));
    pen.SetDashStyle(params.BorderDashStyle);
    if (onPath) g->DrawPath(&pen, params.Path);
    else g->DrawRectangle(&pen, r);
  }
}
