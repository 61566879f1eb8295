// TwPlotLabel: a caption that the layout manager places along one side of the
// data view, typically the plot's title (label 0). It shows one of three
// things, the first that applies:
//   1. its own bitmap (Image), transparent in the colour of its bottom-left
//      pixel;
//   2. image ImageIndex of the plot's image list ImageListIndex (0..2), greyed
//      while the label is disabled;
//   3. its Caption in Font, horizontal, or for a vertical label turned to read
//      from bottom to top.
// The picture sits at the top margin and, by Alignment, centred, after the
// left margin or before the right margin; the caption lies in the rectangle
// less the margins.
//
// Margins are in character cells of Font: MarginTop and MarginBottom in
// heights of "0", MarginLeft and MarginRight in its widths, each rounded to
// whole pixels. The label needs (GetRequiredWidth) the caption's text height
// plus the top and bottom margins across its side, for a vertical label too.
//
// Every setter that changes a value notifies the plot (a repaint); Image,
// ImageClear and ImageLoadFromFile likewise; ImageClear without a bitmap
// does nothing.
#pragma once

#include <QImage>
#include <QString>

#include <memory>

#include "controls/wDraw.h"
#include "plot/wPlotObjects.h"

class TwPlotLabel : public TwPlotLayoutObject {
 public:
  TwPlotLabel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
              TwNotifyEvent AOnRename);
  ~TwPlotLabel() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value) { SetStringProperty(Value, FCaption, ipnChange); }
  double MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(double Value) { SetDoubleProperty(Value, FMarginLeft, ipnChange); }
  double MarginRight() const { return FMarginRight; }
  void SetMarginRight(double Value) { SetDoubleProperty(Value, FMarginRight, ipnChange); }
  double MarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(double Value) { SetDoubleProperty(Value, FMarginBottom, ipnChange); }
  double MarginTop() const { return FMarginTop; }
  void SetMarginTop(double Value) { SetDoubleProperty(Value, FMarginTop, ipnChange); }
  // Arial, 14 points, bold, white at creation.
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value);
  TwAlignmentHorizontal Alignment() const { return FAlignment; }
  void SetAlignment(TwAlignmentHorizontal Value);
  // Null while the label has no bitmap.
  const QImage* Image() const { return FImage.get(); }
  // A null image frees the bitmap.
  void SetImage(const QImage& Value);
  void ImageClear();
  // Throws TwException when the file cannot be read as an image.
  void ImageLoadFromFile(const QString& FileName);
  // -1: none.
  int ImageListIndex() const { return FImageListIndex; }
  void SetImageListIndex(int Value) { SetIntegerProperty(Value, FImageListIndex, ipnChange); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { SetIntegerProperty(Value, FImageIndex, ipnChange); }

  int GetRequiredWidth(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;

 protected:
  // Margins in pixels and the required width, for Canvas with the font.
  void Measure(platform::Canvas& Canvas);
  // The horizontal position of a picture of Width pixels.
  int PictureLeft(int Width) const;
  void drawPicture(platform::Canvas& Canvas);
  bool drawListImage(platform::Canvas& Canvas);
  void drawCaption(platform::Canvas& Canvas);

 private:
  int FRequiredWidth = 0;
  int FMarginTopPixels = 0, FMarginBottomPixels = 0, FMarginLeftPixels = 0, FMarginRightPixels = 0;
  QString FCaption;
  double FMarginLeft = 0, FMarginRight = 0, FMarginBottom = 0, FMarginTop = 0;
  platform::TFont FFont;
  TwAlignmentHorizontal FAlignment = iahCenter;
  std::unique_ptr<QImage> FImage;
  int FImageListIndex = -1;
  int FImageIndex = 0;
};
