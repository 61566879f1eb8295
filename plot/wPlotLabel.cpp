#include "plot/wPlotLabel.h"

#include <QFile>

#include <cmath>

#include "controls/CustomImageList.h"
#include "plot/wPlotComponent.h"

using platform::Canvas;
using platform::TRect;

namespace {
// Round half to even, as the margins have always been rounded.
int Nearest(double v) { return int(std::nearbyint(v)); }
}  // namespace

TwPlotLabel::TwPlotLabel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {
  FFont.Name = QStringLiteral("Arial");
  FFont.SetSize(14);
  FFont.Style = platform::fsBold;
  FFont.Color = platform::clWhite;
  SetHorizontal(true);
}

TwPlotLabel::~TwPlotLabel() = default;

void TwPlotLabel::SetFont(const platform::TFont& Value) {
  if (Value == FFont) return;
  FFont = Value;
  DoChange();
}

void TwPlotLabel::SetAlignment(TwAlignmentHorizontal Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  DoChange();
}

void TwPlotLabel::SetImage(const QImage& Value) {
  if (Value.isNull()) FImage.reset();
  else if (!FImage) FImage = std::make_unique<QImage>(Value);
  else *FImage = Value;
  DoChange();
}

void TwPlotLabel::ImageClear() {
  if (!FImage) return;
  FImage.reset();
  DoChange();
}

void TwPlotLabel::ImageLoadFromFile(const QString& FileName) {
  if (!QFile::exists(FileName))
    throw TwException(QStringLiteral("Cannot open file \"%1\"").arg(FileName).toStdString());
  QImage image;
  if (!image.load(FileName)) throw TwException("Bitmap image is not valid");
  SetImage(image);
}

void TwPlotLabel::Measure(Canvas& Canvas) {
  Canvas.Font = FFont;
  const int w0 = MaxLineTextWidth(Canvas, QStringLiteral("0"));
  const int h0 = TextHeightCalc(Canvas, QStringLiteral("0"));
  FMarginTopPixels = Nearest(h0 * FMarginTop);
  FMarginBottomPixels = Nearest(h0 * FMarginBottom);
  FMarginLeftPixels = Nearest(w0 * FMarginLeft);
  FMarginRightPixels = Nearest(w0 * FMarginRight);
  FRequiredWidth = TextHeightCalc(Canvas, FCaption) + FMarginTopPixels + FMarginBottomPixels;
}

int TwPlotLabel::GetRequiredWidth(Canvas& Canvas) {
  Measure(Canvas);
  return FRequiredWidth;
}

int TwPlotLabel::PictureLeft(int Width) const {
  switch (FAlignment) {
    case iahLeft:
      return Left() + FMarginLeftPixels;
    case iahRight:
      return Right() - FMarginRightPixels - Width;
    case iahCenter:
    default:
      return (Left() + Right()) / 2 - Width / 2;
  }
}

void TwPlotLabel::drawPicture(Canvas& Canvas) {
  const QImage& image = *FImage;
  const platform::TColor transparent = platform::FromQColor(image.pixelColor(0, image.height() - 1));
  Canvas.DrawTransparent(PictureLeft(image.width()), Top() + FMarginTopPixels, image, transparent);
}

bool TwPlotLabel::drawListImage(Canvas& Canvas) {
  if (FImageListIndex < 0 || FImageListIndex > 2 || FImageIndex < 0 || !Owner()) return false;
  TCustomImageList* list = Owner()->ImageList(FImageListIndex);
  if (FImageIndex >= list->Count()) return false;
  list->Draw(Canvas.Painter(), PictureLeft(list->Width()), Top() + FMarginTopPixels, FImageIndex, Enabled());
  return true;
}

void TwPlotLabel::drawCaption(Canvas& Canvas) {
  Canvas.Font = FFont;
  Canvas.BkMode = platform::bkTransparent;
  if (Horizontal()) {
    TRect r{Left() + FMarginLeftPixels, Top() + FMarginTopPixels, Right() - FMarginRightPixels,
            Bottom() - FMarginBottomPixels};
    const TwTextFlags align = FAlignment == iahLeft ? itfLeft : FAlignment == iahRight ? itfRight : itfCenter;
    DrawTextFlags(Canvas, FCaption, r, FFont.Color, true, TwTextFlags(align | itfVCenter | itfNoClip));
    return;
  }
  // Turned to read upwards: across the side between the top and bottom
  // margins, along it by Alignment (left is the bottom end).
  const int t = Canvas.TextWidth(FCaption) / 2;
  int centre = (Top() + Bottom()) / 2;
  if (FAlignment == iahLeft) centre = Bottom() - t - FMarginLeftPixels;
  else if (FAlignment == iahRight) centre = Top() + t + FMarginRightPixels;
  const TRect r{Left() + FMarginTopPixels, centre - t, Right() - FMarginBottomPixels, centre + t};
  TRect out;
  DrawTextRotated(Canvas, FCaption, r, out, FFont.Color, true, FAlignment, ira090);
}

void TwPlotLabel::Draw(Canvas& Canvas, platform::TColor) {
  if (!Visible()) return;
  Measure(Canvas);
  if (FImage) drawPicture(Canvas);
  else if (!drawListImage(Canvas)) drawCaption(Canvas);
}
