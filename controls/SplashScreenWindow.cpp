#include "controls/SplashScreenWindow.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "controls/CustomImageList.h"
#include "controls/ExSplashMiniHtml.h"
#include "controls/ExSplashProgress.h"
#include "controls/ExSplashScreen.h"
#include "controls/GDIPPictureContainer.h"
#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"

using namespace platform;

namespace {

int Rnd(double v) { return int(std::nearbyint(v)); }

bool IsNone(const QColor& c) { return !c.isValid() || c.alpha() == 0; }

}  // namespace

TSplashScreenWindow::TSplashScreenWindow(TExSplashScreen* splash) : QWidget(nullptr), FSplashScreen(splash) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
}

TSplashScreenWindow::~TSplashScreenWindow() = default;

void TSplashScreenWindow::SetAlphaBlend(bool v) {
  FAlphaBlend = v;
  SetWindowOpacityIfChanged(FAlphaBlend ? FAlphaBlendValue : 255);
}

void TSplashScreenWindow::SetAlphaBlendValue(int v) {
  FAlphaBlendValue = std::clamp(v, 0, 255);
  if (FAlphaBlend) SetWindowOpacityIfChanged(FAlphaBlendValue);
}

void TSplashScreenWindow::SetWindowOpacityIfChanged(int alpha) {
  const double opacity = alpha / 255.0;
  if (!qFuzzyCompare(windowOpacity(), opacity)) setWindowOpacity(opacity);
}

void TSplashScreenWindow::CreateProgressBar() {
  FSplashProgressBar = new TExSplashProgressBar(this);
  FSplashProgressBar->hide();
  if (!FSplashScreen) return;
  FSplashProgressBar->SetAppearance(FSplashScreen->ProgressBar());
  TExSplashScreen* splash = FSplashScreen;
  FSplashProgressBar->OnPositionChanged = [splash](QObject*, double value) {
    if (splash->OnProgressPositionChanged) splash->OnProgressPositionChanged(splash, value);
  };
  FSplashProgressBar->OnChange = [splash](QObject*) {
    if (splash->OnProgressChange) splash->OnProgressChange(splash);
  };
}

void TSplashScreenWindow::EnterMode(bool layered) {
  if (layered) {
    FForcedTransparent = true;
    // The bar cannot show itself over a layered window; it is drawn into the buffer.
    if (FSplashProgressBar) FSplashProgressBar->hide();
    FMainBuffer = QImage(width(), height(), QImage::Format_ARGB32_Premultiplied);
    FMainBuffer.fill(0);
    RenderLayered();
  } else {
    repaint();
  }
}

void TSplashScreenWindow::ApplyWindowRegion() {
  if (!FSplashScreen) return;
  TGDIPFill* fill = FSplashScreen->Fill();
  if (fill->Rounding() <= 0 || fill->RoundingType() == rtNone) return;
  const int w = 2 * fill->Rounding();
  const QRect c = rect();
  const int L = c.left(), T = c.top(), R = c.left() + c.width(), B = c.top() + c.height();
  auto rounded = [w](int l, int t, int r, int b) {
    QPainterPath path;
    path.addRoundedRect(QRectF(l, t, r - l, b - t), w / 2.0, w / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
  };
  QRegion region;
  switch (fill->RoundingType()) {
    case rtTop: region = rounded(L, T, R + 1, B).united(QRect(L, T + w, R - L, B - T - w)); break;
    case rtBottom: region = rounded(L, T, R + 1, B).united(QRect(L, T, R - L, B - w - T)); break;
    case rtBoth: region = rounded(0, 0, R - L, B - T); break;
    case rtLeft: region = rounded(L, T, R, B + 1).united(QRect(L + w, T, R - L - w, B - T)); break;
    case rtRight: region = rounded(L, T, R, B + 1).united(QRect(L, T, R - w - L, B - T)); break;
    default: return;
  }
  setMask(region);
}

// ---- Modes ----

void TSplashScreenWindow::Refresh() {
  if (FForcedTransparent) RenderLayered();
  else repaint();
}

void TSplashScreenWindow::RenderLayered() {
  if (!FForcedTransparent || FMainBuffer.isNull()) return;
  FMainBuffer.fill(0);
  {
    QPainter painter(&FMainBuffer);
    TGPGraphics g(painter);
    paintSteps(&g, true);
  }
  UpdateLayered();
}

void TSplashScreenWindow::UpdateLayered() {
  if (!FForcedTransparent) return;
  SetWindowOpacityIfChanged(FOpacity);
  if (OnUpdateLayered) OnUpdateLayered(FOpacity);
  if (isVisible()) repaint();
}

void TSplashScreenWindow::FadeInLayered(int Step, int Delay, int Target) {
  while (FOpacity < Target) {
    if (FOpacity + Step >= Target) {
      FOpacity = Target;
      UpdateLayered();
      break;
    }
    FOpacity += Step;
    UpdateLayered();
    QThread::msleep(unsigned(std::max(0, Delay)));
  }
}

void TSplashScreenWindow::FadeOutWindow(int Step, int Delay, int Target) {
  if (FForcedTransparent) {
    while (FOpacity > Target) {
      if (FOpacity - Step <= Target) {
        FOpacity = Target;
        UpdateLayered();
        break;
      }
      FOpacity -= Step;
      UpdateLayered();
      QThread::msleep(unsigned(std::max(0, Delay)));
    }
    return;
  }
  while (FAlphaBlendValue > Target) {
    if (FAlphaBlendValue - Step <= Target) {
      SetAlphaBlendValue(Target);
      break;
    }
    SetAlphaBlendValue(FAlphaBlendValue - Step);
    QThread::msleep(unsigned(std::max(0, Delay * 3)));
  }
}

void TSplashScreenWindow::Click() {
  if (FSplashScreen && FSplashScreen->OnClick) FSplashScreen->OnClick(FSplashScreen);
}

void TSplashScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}

void TSplashScreenWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (FForcedTransparent) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FMainBuffer);
    return;
  }
  if (!FSplashScreen) return;
  painter.fillRect(rect(), Qt::white);
  FPaintPainter = &painter;
  TGPGraphics g(painter);
  paintSteps(&g, false);
  FPaintPainter = nullptr;
}

int TSplashScreenWindow::RenderingHint() const {
  switch (FSplashScreen ? FSplashScreen->TextRendering() : tClearType) {
    case tAntiAlias: return TextRenderingHintAntiAlias;
    case tAntiAliasGridFit: return TextRenderingHintAntiAliasGridFit;
    default: return TextRenderingHintClearTypeGridFit;
  }
}

void TSplashScreenWindow::paintSteps(TGPGraphics* g, bool layered) {
  if (!FSplashScreen || !g) return;
  drawBackground(g);
  drawProgramInfo(g);
  drawListItems(g);
  // Top-layer panels share one graphics of their own: a smoothing mode set
  // for one panel stays for the next.
  g->Painter()->save();
  drawTopLayerItems(g);
  g->Painter()->restore();
  drawItems(g);
  if (layered) drawProgressBar(g);
}

// ---- Geometry ----

TRect TSplashScreenWindow::InnerRect() const {
  TRect r{0, 0, width() - 1, height() - 1};
  if (!FSplashScreen) return r;
  TGDIPFill* fill = FSplashScreen->Fill();
  if (!IsNone(fill->BorderColor())) {
    const int d = fill->BorderWidth() == 1 ? 1 : (fill->BorderWidth() + 1) / 2;
    r = r.Inflated(-d, -d);
  }
  return r;
}

TRect TSplashScreenWindow::ContentRect() const {
  const TRect r = InnerRect();
  int shadow = 0;
  if (FSplashScreen && !IsNone(FSplashScreen->Fill()->ShadowColor())) shadow = FSplashScreen->Fill()->ShadowOffset();
  return {r.Left, r.Top, r.Right - r.Left - shadow, r.Bottom - r.Top - shadow};
}

// ---- Program info ----

TSize TSplashScreenWindow::DrawGradientText(TGPGraphics* g, const QString& text, TPoint P, int renderingHint,
                                            int angle, bool measureOnly, TColor endColor, TColor startColor,
                                            int endOpacity, int startOpacity, int hatchStyle,
                                            TZodOVODPicture* picture, TExGradientType gradientType,
                                            const TFont& font) {
  TSize size;
  if (text.isEmpty() || !g || !g->Painter()) return size;
  auto family = std::make_unique<TGPFontFamily>(font.Name);
  const TStatus status = family->GetLastStatus();
  if (status == FontFamilyNotFound || status == FontStyleNotFound)
    family = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
  g->SetTextRenderingHint(renderingHint);
  int style = 0;
  if (font.Style & fsBold) style |= FontStyleBold;
  if (font.Style & fsItalic) style |= FontStyleItalic;
  if (font.Style & fsUnderline) style |= FontStyleUnderline;
  TGPStringFormat format;
  format.SetAlignment(StringAlignmentNear);
  TGPFont gpFont(family.get(), float(font.Size()), style, UnitPoint);
  TGPRectF box;
  g->MeasureString(text, -1, &gpFont, TGPRectF{float(P.X), float(P.Y), 1500, 500}, &format, box);
  size = TSize{Rnd(box.Width), Rnd(box.Height)};
  if (measureOnly) return size;

  const ARGB c1 = AlphaColorToARGB(startOpacity, startColor);
  const ARGB c2 = AlphaColorToARGB(endOpacity, endColor);
  if (endColor == clNone && gradientType != gtTexture && gradientType != gtNone) gradientType = gtSolid;
  const float x = float(P.X), y = float(P.Y), w = float(size.cx), h = float(size.cy);
  std::unique_ptr<TGPBrush> brush;
  std::unique_ptr<TGPImage> texture;
  switch (gradientType) {
    case gtSolid: brush = std::make_unique<TGPSolidBrush>(c1); break;
    case gtVertical:
      brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x, y + h}, c1, c2);
      break;
    case gtHorizontal:
      brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y}, c1, c2);
      break;
    case gtForwardDiagonal:
      brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y + h}, c1, c2);
      break;
    case gtBackwardDiagonal:
      brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y + h}, TGPPointF{x + w, y}, c2, c1);
      break;
    case gtAngle: {
      auto linear = std::make_unique<TGPLinearGradientBrush>(TGPRectF{x, y, float(Rnd(w + 10)), h + 10}, c1, c2,
                                                             float(angle), true);
      linear->SetGammaCorrection(true);
      brush = std::move(linear);
      break;
    }
    case gtHatch: brush = std::make_unique<TGPHatchBrush>(hatchStyle, c1, c2); break;
    case gtTexture:
      if (picture && !picture->Empty()) {
        QByteArray bytes = picture->Data();
        QBuffer stream(&bytes);
        stream.open(QIODevice::ReadOnly);
        texture = std::make_unique<TGPImage>(&stream);
        brush = std::make_unique<TGPTextureBrush>(texture.get(), WrapModeTile);
      }
      break;
    default: break;  // radial, path and none draw nothing
  }
  if (brush)
    g->DrawString(text, -1, &gpFont, TGPRectF{x, y, float(Rnd(w + 10)), h + 10}, &format, brush.get());
  return size;
}

TProgramInfoPlacement TSplashScreenWindow::PlaceProgramInfo(TGPGraphics& g) const {
  TProgramInfoPlacement p;
  TBasicProgramInfo* info = FSplashScreen->BasicProgramInfo();
  TSplashHeadingText* name = info->ProgramName();
  TSplashHeadingText* version = info->ProgramVersion();
  const int rounding = FSplashScreen->Fill()->Rounding() / 2;
  TRect a = ContentRect().Inflated(-rounding, -rounding);
  a.Right -= 5;
  p.A = a;
  const int hint = RenderingHint();
  auto measure = [&](TSplashHeadingText* t) {
    return DrawGradientText(&g, t->Text(), TPoint{0, 0}, hint, t->Angle(), true, t->ColorEnd(), t->ColorStart(),
                            t->OpacityEnd(), t->OpacityStart(), t->HatchStyle(), t->Picture(), t->GradientType(),
                            t->Font());
  };
  const TSize N = measure(name), V = measure(version);
  TSize C;
  if (!info->CopyRight().isEmpty()) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    Canvas canvas(&scratch);
    canvas.Font = info->CopyRightFont();
    C = TSize{canvas.TextWidth(info->CopyRight()), canvas.TextHeight(info->CopyRight())};
  }
  p.N = N;
  p.V = V;
  p.C = C;
  auto centred = [&](int w) { return a.Left + (a.Right - a.Left - w) / 2; };
  const TItemLocation nl = name->Location(), vl = version->Location(), cl = info->CopyRightLocation();

  switch (nl) {
    case ilTopLeft: p.Name = {a.Left, a.Top}; break;
    case ilTopCenter: p.Name = {centred(N.cx), a.Top}; break;
    case ilTopRight:
      p.Name = {a.Right - N.cx - (vl == ilTopRight && V.cx > 0 ? V.cx + 1 : 0), a.Top};
      break;
    case ilBottomLeft:
      p.Name = {a.Left, a.Bottom - N.cy - (cl == ilBottomLeft && C.cy > 0 ? C.cy + 3 : 0)};
      break;
    case ilBottomCenter:
      p.Name = {centred(N.cx), a.Bottom - N.cy - (cl == ilBottomCenter ? C.cy + 3 + V.cy : 0)};
      break;
    case ilBottomRight:
      p.Name = {a.Right - N.cx - (vl == ilBottomRight && V.cx > 0 ? V.cx + 1 : 0),
                a.Bottom - N.cy - (cl == ilBottomRight && C.cy > 0 ? C.cy + 3 : 0)};
      break;
    case ilCustom: p.Name = {name->PosX(), name->PosY()}; break;
  }

  const int copyLess = C.cy > 0 ? C.cy + 3 : 0;
  switch (vl) {
    case ilTopLeft:
      if (nl == ilTopLeft && N.cx >= 1) p.Version = {a.Left + N.cx + 1, a.Top + (N.cy - V.cy) / 2};
      else p.Version = {a.Left, a.Top};
      break;
    case ilTopCenter: p.Version = {centred(V.cx), a.Top + (nl == ilTopCenter ? N.cy + V.cy : 0)}; break;
    case ilTopRight: p.Version = {a.Right - V.cx, a.Top}; break;
    case ilBottomLeft:
      if (nl == ilBottomLeft && N.cx > 0) p.Version = {a.Left + N.cx + 1, a.Bottom - N.cy};
      else p.Version = {a.Left, a.Bottom - V.cy};
      if (cl == ilBottomLeft) p.Version.Y -= copyLess;
      break;
    case ilBottomCenter:
    case ilBottomRight:
      p.Version = {vl == ilBottomCenter ? centred(V.cx) : a.Right - V.cx, N.cy < 1 ? a.Bottom - V.cy : a.Bottom - N.cy};
      if (cl == vl) p.Version.Y -= copyLess;
      break;
    case ilCustom: p.Version = {version->PosX(), version->PosY()}; break;
  }
  auto overlap = [](int a, int aw, int b, int bw) { return a < b + bw && b < a + aw; };
  if (N.cx > 0 && V.cx > 0 && overlap(p.Name.X, N.cx, p.Version.X, V.cx) &&
      overlap(p.Name.Y, N.cy, p.Version.Y, V.cy)) {
    const int after = p.Name.X + N.cx + 1;
    if (after + V.cx <= a.Right) p.Version.X = after;
    else p.Version = {std::max(a.Left, p.Name.X + N.cx - V.cx), p.Name.Y + N.cy};
  }

  auto copyX = [&](TItemLocation l) {
    if (l == ilTopLeft || l == ilBottomLeft) return a.Left;
    if (l == ilTopCenter || l == ilBottomCenter) return centred(C.cx);
    return a.Right - C.cx;
  };
  switch (cl) {
    case ilTopLeft:
    case ilTopCenter:
    case ilTopRight: {
      int y = a.Top;
      if (nl == cl && N.cy > 0) y += N.cy + 3;
      else if (vl == cl && V.cy > 0) y += V.cy + 3;
      p.CopyRight = {copyX(cl), y};
      break;
    }
    case ilBottomLeft:
    case ilBottomCenter:
    case ilBottomRight: p.CopyRight = {copyX(cl), a.Bottom - C.cy}; break;
    case ilCustom: p.CopyRight = {info->CopyRightPosX(), info->CopyRightPosY()}; break;
  }
  return p;
}

void TSplashScreenWindow::drawProgramInfo(TGPGraphics* g) {
  if (!g) return;
  const TProgramInfoPlacement p = PlaceProgramInfo(*g);
  TBasicProgramInfo* info = FSplashScreen->BasicProgramInfo();
  const int hint = RenderingHint();
  for (auto [t, at] : {std::pair{info->ProgramName(), p.Name}, std::pair{info->ProgramVersion(), p.Version}}) {
    DrawGradientText(g, t->Text(), at, hint, t->Angle(), false, t->ColorEnd(), t->ColorStart(), t->OpacityEnd(),
                     t->OpacityStart(), t->HatchStyle(), t->Picture(), t->GradientType(), t->Font());
  }
  const TColor colour = info->CopyRightFont().Color;
  DrawGradientText(g, info->CopyRight(), p.CopyRight, hint, 0, false, colour, colour, 255, 255, HatchStyleHorizontal,
                   nullptr, gtSolid, info->CopyRightFont());
}

// ---- Background ----

void TSplashScreenWindow::drawBackground(TGPGraphics* g) {
  if (!g) return;
  g->SetTextRenderingHint(RenderingHint());
  g->SetSmoothingMode(SmoothingModeAntiAlias);
  FSplashScreen->Fill()->Fill(*g->Painter(), QRectF(0, 0, width() - 1, height() - 1));
}

// ---- List lines ----

void TSplashScreenWindow::LayoutListItems(TGPGraphics& g) {
  TSplashListItemsSettings* settings = FSplashScreen->ListItemsSettings();
  TSplashListItems* items = FSplashScreen->ListItems();
  const TRect L = settings->Rect()->GetRect();
  int y = L.Top;
  QString anchor, plain, focused;
  int w = 0, h = 0, links = 0, hot = -1;
  TRect hotRect;
  for (int i = 0; i < items->Count(); ++i) {
    TSplashListItem* item = items->Items(i);
    DrawMiniHtml(&g, settings->HTMLFont(), item->HTMLText(), TRect{0, 0, L.Width(), L.Height()},
                 FSplashScreen->Images(), 0, 0, -1, -1, settings->HTMLShadowOffset(), false, true, false, false, false,
                 false, true, 1.0, settings->HTMLURLColor(), clNone, clNone, settings->HTMLShadowColor(), anchor,
                 plain, focused, w, h, links, hot, hotRect, FSplashScreen->PictureContainer(), 2);
    item->SetDisplayRect(TRect{L.Left, y, L.Right, y + h});
    y = y + h + settings->Space();
  }
  const int count = items->Count();
  if (count == 0) return;
  int excess = items->Items(count - 1)->DisplayRect().Bottom - L.Bottom;
  if (excess <= 0) return;
  std::vector<TRect> laid;
  for (int i = 0; i < count; ++i) laid.push_back(items->Items(i)->DisplayRect());
  int first = count - 1;
  for (int i = 0; i < count; ++i) {
    items->Items(i)->SetDisplayRect(TRect{laid[size_t(i)].Left, -1, laid[size_t(i)].Right, -1});
    excess -= laid[size_t(i)].Height() + settings->Space();
    if (excess <= 0) {
      first = std::min(i + 1, count - 1);
      break;
    }
  }
  // The newest lines stay; the first shown moves to the rectangle's top.
  const int shift = laid[size_t(first)].Top - L.Top;
  for (int i = first; i < count; ++i)
    items->Items(i)->SetDisplayRect(laid[size_t(i)].Offset(0, -shift));
}

void TSplashScreenWindow::drawListItems(TGPGraphics* g) {
  if (!g) return;
  g->SetTextRenderingHint(RenderingHint());
  LayoutListItems(*g);
  TSplashListItemsSettings* settings = FSplashScreen->ListItemsSettings();
  TSplashListItems* items = FSplashScreen->ListItems();
  const TRect L = settings->Rect()->GetRect();
  QString anchor, plain, focused;
  int w = 0, h = 0, links = 0, hot = -1;
  TRect hotRect;
  for (int i = 0; i < items->Count(); ++i) {
    TSplashListItem* item = items->Items(i);
    const TRect r = item->DisplayRect();
    if (r.Top < 0 || item->HTMLText().isEmpty()) continue;
    DrawMiniHtml(g, settings->HTMLFont(), item->HTMLText(), TRect{r.Left, r.Top, r.Left + L.Width(), r.Top + L.Height()},
                 FSplashScreen->Images(), 0, 0, -1, -1, settings->HTMLShadowOffset(), false, false, false, false,
                 false, false, true, 1.0, settings->HTMLURLColor(), clNone, clNone, settings->HTMLShadowColor(),
                 anchor, plain, focused, w, h, links, hot, hotRect, FSplashScreen->PictureContainer(), 2);
  }
}

// ---- Top-layer panels ----

TPoint TSplashScreenWindow::LocateInRect(double X, double Y, double W, double H, TExSplashScreenLocation location,
                                         int h, int w) {
  const int rw = Rnd(W), rh = Rnd(H);
  TPoint p;
  switch (location) {
    case cpTopLeft: p = {0, 0}; break;
    case cpTopCenter: p = {(rw - w) / 2, 0}; break;
    case cpTopRight: p = {rw - w, 0}; break;
    case cpCenterLeft: p = {0, (rh - h) / 2}; break;
    case cpCenterCenter: p = {(rw - w) / 2, (rh - h) / 2}; break;
    case cpCenterRight: p = {rw - w, (rh - h) / 2}; break;
    case cpBottomLeft: p = {0, rh - h}; break;
    case cpBottomCenter: p = {(rw - w) / 2, rh - h}; break;
    case cpBottomRight: p = {rw - w, rh - h}; break;
    case cpCustom: break;
  }
  p.X += Rnd(X);
  p.Y += Rnd(Y);
  return p;
}

void TSplashScreenWindow::drawTopLayerItems(TGPGraphics* target) {
  if (!target || !target->Painter()) return;
  QPainter* painter = target->Painter();
  TGPGraphics g(*painter);
  g.SetTextRenderingHint(RenderingHint());
  const TRect R = InnerRect();
  const double X = R.Left, Y = R.Top, W = R.Right - R.Left, H = R.Bottom - R.Top;
  TExSplashTopLayerItems* items = FSplashScreen->TopLayerItems();
  for (int i = 0; i < items->Count(); ++i) {
    TExSplashTopLayerItem* item = items->Items(i);
    if (!item->Visible()) continue;
    TGDIPFill* fill = item->Fill();
    if (fill->Rounding() > 0 && fill->RoundingType() != rtNone) g.SetSmoothingMode(SmoothingModeAntiAlias);
    QRectF box;
    switch (item->Align()) {
      case alTop: box = QRectF(X, Y, W - X, item->Height()); break;
      case alBottom: box = QRectF(X, Y + H - item->Height(), W - X, item->Height()); break;
      case alLeft: box = QRectF(X, Y, item->Width(), H); break;
      case alRight: box = QRectF(W - item->Width(), Y, item->Width(), H); break;
      case alClient: box = QRectF(X, Y, W - X, H); break;
      case alCustom: box = QRectF(X + item->Left(), Y + item->Top(), item->Width(), item->Height()); break;
      case alNone: box = QRectF(); break;
    }
    if (IsNone(fill->BorderColor()) || fill->BorderWidth() == 0) box.setHeight(box.height() + 1);
    fill->Fill(*painter, box);
    TExSplashHTMLText* text = item->HTMLText();
    if (text->Text().isEmpty()) continue;
    QString anchor, plain, focused;
    int w = 0, h = 0, links = 0, hot = -1;
    TRect hotRect;
    DrawMiniHtml(&g, text->Font(), text->Text(), TRect{0, 0, Rnd(box.width()), Rnd(box.height())},
                 FSplashScreen->Images(), 0, 0, -1, -1, text->ShadowOffset(), false, true, false, false, false, false,
                 true, 1.0, text->URLColor(), clNone, clNone, text->ShadowColor(), anchor, plain, focused, w, h, links,
                 hot, hotRect, FSplashScreen->PictureContainer(), 2);
    const TPoint at = text->Location() == cpCustom
                          ? TPoint{text->Left(), text->Top()}
                          : LocateInRect(box.x(), box.y(), box.width(), box.height(), text->Location(), h, w);
    DrawMiniHtml(&g, text->Font(), text->Text(), TRect{at.X, at.Y, at.X + w, at.Y + h}, FSplashScreen->Images(), 0, 0,
                 -1, -1, text->ShadowOffset(), false, false, false, false, false, false, true, 1.0, text->URLColor(),
                 clNone, clNone, text->ShadowColor(), anchor, plain, focused, w, h, links, hot, hotRect,
                 FSplashScreen->PictureContainer(), 2);
  }
}

// ---- Free items ----

void TSplashScreenWindow::DrawPictureAt(TGPGraphics& g, TPoint point, TZodOVODPicture* picture) {
  if (!picture || picture->Empty()) return;
  QByteArray bytes = picture->Data();
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  TGPImage image(&stream);
  if (image.GetLastStatus() != Ok || image.Image().isNull()) return;
  const int w = int(image.GetWidth()), h = int(image.GetHeight());
  if (image.GetFormat() == ifPNG) {
    g.DrawImageRect(&image, point.X, point.Y, w, h);
    return;
  }
  const ARGB key = ARGB(image.Image().pixel(0, h - 1));
  TGPImageAttributes attributes;
  attributes.SetColorKey(key, key);
  g.DrawImage(&image, TGPRectF{float(point.X), float(point.Y), float(w), float(h)}, 0, 0, float(w), float(h),
              UnitPixel, &attributes);
}

void TSplashScreenWindow::drawItems(TGPGraphics* g) {
  if (!g) return;
  g->SetTextRenderingHint(RenderingHint());
  TSplashItems* items = FSplashScreen->Items();
  TCustomImageList* images = FSplashScreen->Images();
  for (int i = 0; i < items->Count(); ++i) {
    TSplashItem* item = items->Items(i);
    int x = item->PosX();
    const int y = item->PosY();
    if (!item->Picture()->Empty()) {
      DrawPictureAt(*g, TPoint{x, y}, item->Picture());
      if (item->Picture()->Width() <= 0) item->Picture()->GetImageSizes();
      x += item->Picture()->Width() + FSplashScreen->PictureGap();
    } else if (images && item->ImageIndex() >= 0) {
      // Image-list images go to the window itself, which the layered buffer never shows.
      if (!FForcedTransparent && FPaintPainter) images->Draw(*FPaintPainter, item->PosX(), item->PosY(), item->ImageIndex());
      x += images->Width() + FSplashScreen->PictureGap();
    }
    if (!item->Text().isEmpty()) {
      const TColor colour = item->Font().Color;
      DrawGradientText(g, item->Text(), TPoint{x, y}, RenderingHint(), 0, false, colour, colour, 255, 255,
                       HatchStyleHorizontal, nullptr, gtSolid, item->Font());
    }
  }
}

// ---- Progress bar ----

void TSplashScreenWindow::drawProgressBar(TGPGraphics* g) {
  if (!g || !FSplashProgressBar || !FSplashScreen->ProgressBar()->Visible()) return;
  const QRect b = FSplashProgressBar->geometry();
  FSplashProgressBar->Appearance()->Draw(*g, TRect{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()},
                                         0.0, 100.0, FSplashProgressBar->Position());
}
