// TwPlotAnnotation: a drawing the user or the program puts on the plot: a
// text, a text box, a line, a vertical or horizontal marker line, a
// rectangle, an ellipse, a polygon or an image (Style). Created through the
// plot's AddAnnotation, which copies the plot's annotation defaults.
//
// Coordinates. X, Y (centre, or first point), X2, Y2 (second point of lines,
// ipasEllipse and ipasRectangle2) and Width, Height (size of the centred
// shapes) are percent of the data view (X from the left, Y from the bottom)
// or units of the channel's axes (the channel named by ChannelName). Each of
// the four quantities follows ReferencePositionX/Y and ReferenceSizeX/Y;
// ipriAuto takes Reference: the channel for X with iprtChannel or
// iprtXChannelYDataView, for Y with iprtChannel or iprtXDataViewYChannel.
// An annotation that refers to a channel lacking (or lacking an axis) draws
// nothing and cannot be hit. Renaming the channel keeps the reference.
//
// Drawing. Every shape is drawn only when it meets the data view; ClipToAxes
// (or a channel reference with the plot's ClipAnnotationsToAxes) clips it to
// the channel's axes. Rectangle-like shapes carry four 7-pixel size handles
// at their corners, inverted (XOR) while the annotation is selected and
// ShowFocusRect is set. A line (ipasLine) is never hit.
//
// Mouse. With SelectModeOnlyInteraction the annotation takes the mouse only
// while the plot's first toolbar is in select mode. A press on a handle of a
// resizable shape (UserCanSize; rectangles, ellipses, text rectangle) sizes
// it, elsewhere it moves it (UserCanMove). Every move recomputes the
// coordinates from those at the press, so the shape follows the mouse
// without drift; sizing keeps Width and Height positive. Events, each with
// the annotation's index: OnAnnotationMoveUser and
// OnAnnotationCoordinatesChange per move, OnAnnotationCoordinatesChange and
// OnAnnotationResizeUser per resize step, OnClickAnnotation on a release over
// it, OnAnnotationCoordinatesChangeFinished on a release after a change.
#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotObjects.h"

class TwPlotAxis;
class TwPlotChannelCustom;
class TwPlotDataView;

// What an annotation's position and size refer to.
enum TwPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TwPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
enum TwPlotAnnotationStyle {
  ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse, ipasTextBox,
  ipasEllipse2, ipasPolygon, ipasRectangle2
};
enum TwPlotAnnotationSelectStyle {
  ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight, ipassSizeBottomLeft, ipassSizeBottomRight
};

struct TwPlotAnnotationPoint {
  double X = 0, Y = 0;
};

class TwPlotAnnotation : public TwPlotManagerObject {
 public:
  TwPlotAnnotation(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                   TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
  ~TwPlotAnnotation() override;

  // ---- published ----
  TwPlotAnnotationStyle Style() const { return FStyle; }
  void SetStyle(TwPlotAnnotationStyle Value) { SetEnum(FStyle, Value); }
  TwPlotReferenceType Reference() const { return FReference; }
  void SetReference(TwPlotReferenceType Value) { SetEnum(FReference, Value); }
  TwPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
  void SetReferencePositionX(TwPlotReferenceIndividual Value) { SetEnum(FReferencePositionX, Value); }
  TwPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
  void SetReferencePositionY(TwPlotReferenceIndividual Value) { SetEnum(FReferencePositionY, Value); }
  TwPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
  void SetReferenceSizeX(TwPlotReferenceIndividual Value) { SetEnum(FReferenceSizeX, Value); }
  TwPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
  void SetReferenceSizeY(TwPlotReferenceIndividual Value) { SetEnum(FReferenceSizeY, Value); }
  double X() const { return FX; }
  void SetX(double Value) { SetCoordinate(FX, Value); }
  double Y() const { return FY; }
  void SetY(double Value) { SetCoordinate(FY, Value); }
  double X2() const { return FX2; }
  void SetX2(double Value) { SetCoordinate(FX2, Value); }
  double Y2() const { return FY2; }
  void SetY2(double Value) { SetCoordinate(FY2, Value); }
  double Width() const { return FWidth; }
  void SetWidth(double Value) { SetCoordinate(FWidth, Value); }
  double Height() const { return FHeight; }
  void SetHeight(double Value) { SetCoordinate(FHeight, Value); }
  platform::TColor PenColor() const { return FPenColor; }
  void SetPenColor(platform::TColor Value) { SetColorProperty(Value, FPenColor, ipnChange); }
  platform::TPenStyle PenStyle() const { return FPenStyle; }
  void SetPenStyle(platform::TPenStyle Value) { SetEnum(FPenStyle, Value); }
  int PenWidth() const { return FPenWidth; }
  void SetPenWidth(int Value) { SetIntegerProperty(Value, FPenWidth, ipnChange); }
  platform::TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(platform::TColor Value) { SetColorProperty(Value, FBrushColor, ipnChange); }
  platform::TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(platform::TBrushStyle Value) { SetEnum(FBrushStyle, Value); }
  QString Text() const { return FText; }
  void SetText(const QString& Value) { SetStringProperty(Value, FText, ipnChange); }
  TwRotationAngle TextRotation() const { return FTextRotation; }
  void SetTextRotation(TwRotationAngle Value) { SetEnum(FTextRotation, Value); }
  TwAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
  void SetTextHorzAlignment(TwAlignmentHorizontal Value) { SetEnum(FTextHorzAlignment, Value); }
  TwAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
  void SetTextVertAlignment(TwAlignmentVertical Value) { SetEnum(FTextVertAlignment, Value); }
  TwAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
  void SetTextLineAlignment(TwAlignmentHorizontal Value) { SetEnum(FTextLineAlignment, Value); }
  double TextHorzMargin() const { return FTextHorzMargin; }
  void SetTextHorzMargin(double Value) { SetDoubleProperty(Value, FTextHorzMargin, ipnChange); }
  double TextVertMargin() const { return FTextVertMargin; }
  void SetTextVertMargin(double Value) { SetDoubleProperty(Value, FTextVertMargin, ipnChange); }
  // Arial, white at creation.
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value);
  int OuterMargin() const { return FOuterMargin; }
  void SetOuterMargin(int Value) { SetIntegerProperty(Value, FOuterMargin, ipnChange); }
  // 0, 1, anything else 2.
  int ImageListIndex() const { return FImageListIndex; }
  void SetImageListIndex(int Value) { SetIntegerProperty(Value, FImageListIndex, ipnChange); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { SetIntegerProperty(Value, FImageIndex, ipnChange); }
  QString ChannelName() const { return FChannelName; }
  void SetChannelName(const QString& Value);
  bool UserCanMove() const { return FUserCanMove; }
  void SetUserCanMove(bool Value) { SetBooleanProperty(Value, FUserCanMove, ipnChange); }
  bool UserCanSize() const { return FUserCanSize; }
  void SetUserCanSize(bool Value) { SetBooleanProperty(Value, FUserCanSize, ipnChange); }
  bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
  void SetSelectModeOnlyInteraction(bool Value) { SetBooleanProperty(Value, FSelectModeOnlyInteraction, ipnChange); }
  bool ClipToAxes() const { return FClipToAxes; }
  void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, ipnChange); }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool Value) { SetBooleanProperty(Value, FShowFocusRect, ipnChange); }

  // ---- public ----
  int PolyPointsCount() const { return int(FPolyPoints.size()); }
  int PolyPointAdd(double X, double Y);
  void PolyPointsClear();
  const TwPlotAnnotationPoint& PolyPoint(int Index) const { return FPolyPoints.at(Index); }
  platform::TRect ClickRect() const { return FClickRect; }
  bool Showing() const { return FShowing; }
  // Null without an own bitmap. A null image frees it; either way a change.
  const QImage* Image() const { return FImage.get(); }
  void SetImage(const QImage& Value);
  void ImageClear();
  // Throws TwException when the file cannot be read as an image.
  void ImageLoadFromFile(const QString& FileName);
  TwPlotDataView* DataView() const { return FDataView; }
  void SetDataView(TwPlotDataView* Value) { FDataView = Value; }
  // The channel ChannelName names, cached; null when none.
  TwPlotChannelCustom* Channel();

  // Values and pixels through the effective references; 0 without them.
  int PositionXToPixels(double Value);
  int PositionYToPixels(double Value);
  double PixelsXToPosition(int Pixels);
  double PixelsYToPosition(int Pixels);

  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;

  // Whether each quantity refers to the channel.
  bool PositionXOnChannel() const;
  bool PositionYOnChannel() const;
  bool SizeXOnChannel() const;
  bool SizeYOnChannel() const;
  // The channel's axes when they all resolve; false otherwise.
  bool ChannelAxes(TwPlotAxis*& XAxis, TwPlotAxis*& YAxis);
  int ToPixels(double Value, bool OnChannel, bool AlongX);
  double ToPosition(int Pixels, bool OnChannel, bool AlongX);
  int SizeToPixels(double Size, bool OnChannel, bool AlongX);
  double SizeToPosition(int Low, int High, bool OnChannel, bool AlongX);
  bool Resizable() const;

  // Drawing steps by style; each sets FShowing when it draws.
  void drawText(platform::Canvas& Canvas, int X, int Y);
  void drawTextBox(platform::Canvas& Canvas, int X, int Y);
  void drawLine(platform::Canvas& Canvas, int X, int Y, int X2, int Y2);
  void drawMarkerLine(platform::Canvas& Canvas, int X, int Y);
  void drawShape(platform::Canvas& Canvas, const platform::TRect& Rect, bool Ellipse);
  void drawTextRectangle(platform::Canvas& Canvas, const platform::TRect& Rect);
  void drawImage(platform::Canvas& Canvas, int X, int Y);
  void drawPolygon(platform::Canvas& Canvas);
  // The four size handles of Rect, and their inversion while selected.
  void UpdateHandles(const platform::TRect& Rect);
  void drawHandles(platform::Canvas& Canvas);
  // The text block of ipasText and ipasTextBox: Width x Height centred on the
  // point (screen coordinates), shifted by the alignments.
  platform::TRect TextBlock(platform::Canvas& Canvas, int X, int Y, int Width, int Height) const;
  // (A, B) with A along X: exchanged while the plot exchanges its axes.
  platform::TPoint Oriented(int A, int B) const;
  platform::TRect OrientedRect(int X1, int Y1, int X2, int Y2) const;
  platform::TRect ViewRect() const;

 private:
  template <class E>
  void SetEnum(E& Field, E Value) {
    if (Field == Value) return;
    Field = Value;
    DoChange();
  }
  void SetCoordinate(double& Field, double Value);
  void FireCoordinatesChange();

  TwPlotAnnotationStyle FStyle = ipasText;
  TwPlotReferenceType FReference = iprtDataView;
  TwPlotReferenceIndividual FReferencePositionX = ipriAuto, FReferencePositionY = ipriAuto;
  TwPlotReferenceIndividual FReferenceSizeX = ipriAuto, FReferenceSizeY = ipriAuto;
  double FX = 0, FY = 0, FX2 = 0, FY2 = 0, FWidth = 0, FHeight = 0;
  platform::TColor FPenColor = platform::clWhite;
  platform::TPenStyle FPenStyle = platform::psSolid;
  int FPenWidth = 0;
  platform::TColor FBrushColor = platform::clWhite;
  platform::TBrushStyle FBrushStyle = platform::bsSolid;
  QString FText;
  TwRotationAngle FTextRotation = ira000;
  TwAlignmentHorizontal FTextHorzAlignment = iahCenter;
  TwAlignmentVertical FTextVertAlignment = iavCenter;
  TwAlignmentHorizontal FTextLineAlignment = iahCenter;
  double FTextHorzMargin = 1.0, FTextVertMargin = 1.0;
  platform::TFont FFont;
  int FOuterMargin = 0;
  int FImageListIndex = 0, FImageIndex = 0;
  QString FChannelName;
  bool FUserCanMove = false, FUserCanSize = false;
  bool FSelectModeOnlyInteraction = true;
  bool FClipToAxes = false;
  bool FShowFocusRect = true;

  std::vector<TwPlotAnnotationPoint> FPolyPoints;
  std::unique_ptr<QImage> FImage;
  TwPlotDataView* FDataView = nullptr;
  TwPlotChannelCustom* FChannel = nullptr;
  bool FShowing = false;
  platform::TRect FDrawRect, FClickRect;
  platform::TRect FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect;
  bool FHasHandles = false;
  TwPlotAnnotationSelectStyle FSelectStyle = ipassNone;
  bool FMouseDown = false, FRectChange = false;
  int FMouseDownX = 0, FMouseDownY = 0;
  double FMouseDownWidth = 0, FMouseDownHeight = 0;
  int FMouseDownPositionPixelsX = 0, FMouseDownPositionPixelsY = 0;
  platform::TRect FMouseDownRect;
  double FMouseDownXValue = 0, FMouseDownYValue = 0, FMouseDownX2Value = 0, FMouseDownY2Value = 0;
};
