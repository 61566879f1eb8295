// TwWinComponent: the layer of TwComponent that needs the window system:
// the lock around paints and exports, a private timer, transparency, the
// wheel, bounds, painting into a caller's painter, and image export.
// TwCustomComponent derives from it and adds nothing; controls derive from
// TwCustomComponent.
//
// - Lock/Unlock: a recursive mutex, taken by every paint, wPaintToDC and
//   export, so a thread feeding a control's data may lock it while it
//   changes the data. Not taken once the control is being destroyed.
// - TimerStart(FirstDelay, Interval): the first OnInternalTimer comes after
//   FirstDelay ms (or Interval when FirstDelay is 0), then every Interval
//   ms; nothing while a timer runs. TimerStop ends it.
// - Transparent: the parent shows wherever DoPaint draws nothing (Qt paints
//   the parent first; the off-screen image starts transparent). Exports of a
//   transparent control show BackGroundColor there.
// - SetBounds with the current bounds does nothing; other bounds, or a
//   resize by any other way, resize the cached background and make a
//   BackGroundChange.
// - Image export paints by DoPaint into a new image of Width x Height and
//   writes it: SaveImageToBitmap (BMP), SaveImageToMetaFile (an SVG file
//   titled "Tavrin"), SaveImageToJPEG and SaveImageToPNG, or returns the
//   bytes (GetBytesJPEG, GetBytesPNG, CreateJPEGImage). Compression is the
//   JPEG quality (1..100) or the PNG deflate level (0..9); a value out of
//   range raises "Compression must be in the range of 1-100" or "... of
//   0-9" before anything is painted or written. A file that cannot be
//   written raises TwException.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <mutex>

#include "controls/wComponent.h"

class QPainter;

class TwWinComponent : public TwComponent {
  Q_OBJECT
 public:
  explicit TwWinComponent(QWidget* parent = nullptr);
  ~TwWinComponent() override;

  void Lock() override;
  void Unlock() override;

  bool TimerActive() override { return FTimerID != 0; }
  void TimerStart(int FirstDelay, int Interval) override;
  void TimerStop() override;

  // False, unless OnGetDesigning says otherwise.
  bool GetDesigning();

  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void RepaintAll() override;

  // Paints the control by DoPaint onto Painter with its top-left corner at
  // (X, Y), clipped to its size, without the cached background; with
  // Transparent no background is drawn. Exceptions are swallowed.
  void wPaintToDC(QPainter& Painter, int X, int Y, bool Transparent);

  void SaveImageToMetaFile(const QString& FileName);
  void SaveImageToJPEG(const QString& FileName, int Compression, bool Progressive);
  void SaveImageToPNG(const QString& FileName, int Compression);
  QByteArray GetBytesJPEG(int Compression, bool Progressive);
  QByteArray GetBytesPNG(int Compression);
  // The compressed JPEG image, for the caller to keep.
  QByteArray CreateJPEGImage(int Compression, bool Progressive);

  platform::Handler OnInternalTimer;

 protected:
  void DrawBackGround(platform::Canvas& Canvas, platform::TColor Color) override;
  bool PaintsTransparent() const override { return FTransparent; }

  void resizeEvent(QResizeEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void ResizeBackGround();
  void TimerTick();

  bool FPaintDCTransparent = false;
  std::recursive_mutex FDataCriticalSection;
  bool FDestroying = false;
  bool FTransparent = false;
  QTimer FTimer;  // precise: never fires early
  int FTimerID = 0;
  bool FTimerFirstMessage = false;
  int FTimerInterval = 0;
};

class TwCustomComponent : public TwWinComponent {
  Q_OBJECT
 public:
  using TwWinComponent::TwWinComponent;
};
