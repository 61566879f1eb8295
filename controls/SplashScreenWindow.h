// TSplashScreenWindow: the borderless window a TExSplashScreen opens while it
// shows and frees when it hides. It paints, in this order, the background fill
// (with its picture), the program's name, version and copyright, the list of
// mini-markup lines, the top-layer panels, the free items and, in the layered
// mode, the progress bar.
//
// Two modes, chosen once when the window is made:
// - layered (ForcedTransparent): the fill's Opacity or OpacityTo is below 255.
//   The window is frameless with a translucent background, always on top,
//   takes no focus and shows without activation. Everything is drawn into
//   FMainBuffer, a premultiplied ARGB image of the window's size, which the
//   window copies in source mode; FOpacity is the window's opacity and the
//   fill's rounding becomes the window's mask. Image-list item images and the
//   progress bar control do not reach the buffer (the bar is drawn into it
//   instead when the splash's ProgressBar is Visible).
// - normal: the window paints the same steps in its paint event, the progress
//   bar is a child control, and AlphaBlendValue is the window's opacity while
//   AlphaBlend is on.
//
// The fades block the calling thread with a sleep per step. A click on the
// window fires the splash's OnClick.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

#include "controls/ExSplashItems.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

class TExSplashScreen;
class TExSplashProgressBar;
class TGPGraphics;

// Where the program block's three texts go, and their measured sizes.
struct TProgramInfoPlacement {
  platform::TRect A;  // the content rectangle less rounding and 5 pixels at the right
  platform::TSize N, V, C;
  platform::TPoint Name, Version, CopyRight;
};

class TSplashScreenWindow : public QWidget {
  Q_OBJECT
 public:
  // A hidden top-level window of the splash.
  explicit TSplashScreenWindow(TExSplashScreen* splash);
  ~TSplashScreenWindow() override;

  TExSplashScreen* SplashScreen() const { return FSplashScreen; }
  TExSplashProgressBar* SplashProgressBar() const { return FSplashProgressBar; }
  bool ForcedTransparent() const { return FForcedTransparent; }
  const QImage& MainBuffer() const { return FMainBuffer; }
  int Opacity() const { return FOpacity; }
  void SetOpacity(int v) { FOpacity = v; }
  // The framework's whole-window alpha blending of the normal mode.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool v);
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int v);

  // Makes the progress bar control; enters the layered mode (buffer, render)
  // or repaints in the normal mode.
  void CreateProgressBar();
  void EnterMode(bool layered);
  // The fill's rounding as the window's mask.
  void ApplyWindowRegion();

  // Layered: RenderLayered; normal: repaint now.
  void Refresh();
  // Clears the buffer, runs the paint steps into it, then UpdateLayered.
  void RenderLayered();
  // Hands the buffer and FOpacity to the window.
  void UpdateLayered();
  void FadeInLayered(int Step, int Delay, int Target);
  void FadeOutWindow(int Step, int Delay, int Target);
  void Click();

  // Geometry shared by painting and tests.
  platform::TRect InnerRect() const;
  platform::TRect ContentRect() const;
  // Name, version and copyright by their locations. Places given for one
  // face can make a wider face's name run into the version; the version then
  // follows the name on its line when it fits there, else it goes under the
  // name's end, so that neither text covers the other.
  TProgramInfoPlacement PlaceProgramInfo(TGPGraphics& g) const;
  // Lays out the list lines (their DisplayRect) in the list rectangle.
  void LayoutListItems(TGPGraphics& g);

  // Draws (or with MeasureOnly only measures) a text with a gradient, hatch
  // or texture brush at P; returns its measured size.
  static platform::TSize DrawGradientText(TGPGraphics* g, const QString& text, platform::TPoint P, int renderingHint,
                                          int angle, bool measureOnly, platform::TColor endColor,
                                          platform::TColor startColor, int endOpacity, int startOpacity,
                                          int hatchStyle, TZodOVODPicture* picture, TExGradientType gradientType,
                                          const platform::TFont& font);
  // A text of w x h placed in the box (X, Y, W, H) by location.
  static platform::TPoint LocateInRect(double X, double Y, double W, double H, TExSplashScreenLocation location,
                                       int h, int w);
  // A PNG at its own size; other formats keyed by their bottom-left pixel.
  static void DrawPictureAt(TGPGraphics& g, platform::TPoint point, TZodOVODPicture* picture);

  // Told the opacity each time the window is given its buffer.
  std::function<void(int Opacity)> OnUpdateLayered;

 protected:
  // The paint steps, on the buffer (layered) or the paint event's painter.
  void drawBackground(TGPGraphics* g);
  void drawProgramInfo(TGPGraphics* g);
  void drawListItems(TGPGraphics* g);
  // Makes its own graphics on the target's painter.
  void drawTopLayerItems(TGPGraphics* target);
  void drawItems(TGPGraphics* g);
  void drawProgressBar(TGPGraphics* g);
  void paintSteps(TGPGraphics* g, bool layered);

  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int RenderingHint() const;
  void SetWindowOpacityIfChanged(int alpha);

  TExSplashScreen* FSplashScreen;
  TExSplashProgressBar* FSplashProgressBar = nullptr;
  bool FForcedTransparent = false;
  QImage FMainBuffer;
  int FOpacity = 5;
  bool FAlphaBlend = false;
  int FAlphaBlendValue = 255;
  QPainter* FPaintPainter = nullptr;
};
