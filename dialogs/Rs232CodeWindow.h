// The protocol documentation window, in its two editions (English and
// Chinese): one long white page inside a scrolling area, the document text
// in the rich-text label RTFLabel and the 31 table pictures ExImage1 ..
// ExImage31 lying over it down the page, each edition at its own places.
//
// Handlers: FormShow sets the caption from the current language; FormResize
// keeps the 630-pixel column centred (label and pictures at 50 below an
// outer width of 750, else (width - 750) / 2 + 50); FormKeyDown scrolls by
// the window's height (Page Up/Down) or 30 pixels (arrows); the wheel
// scrolls 30 pixels a notch; FormClose leaves the window 755 x 666 and in
// normal state for its next showing. These sizes are outer sizes, frame
// included: the client area is what the platform's frame leaves of them.
#pragma once

#include <QScrollArea>

#include <array>

#include "controls/ExImage.h"
#include "controls/RTFLabel.h"
#include "platform/Form.h"

class TRs232CodeWindow : public platform::Form {
 public:
  void FormShow() override;
  void FormResize();
  void FormKeyDown(int key);
  void FormMouseWheelUp();
  void FormMouseWheelDown();
  void FormClose(platform::CloseAction& action) override;

  QScrollArea* Page;
  TRTFLabel* RTFLabel;
  // By component number: ExImage[0] is ExImage1.
  std::array<TExImage*, 31> ExImage{};

  int VertScrollPosition() const;
  int HorzScrollPosition() const;

  // The window's size with its frame; setting it sizes the client area to
  // what the frame leaves, now and again at the next showing, when the
  // platform may have framed the window since.
  QSize OuterSize() const;
  void SetOuterSize(const QSize& outer);

 protected:
  explicit TRs232CodeWindow(bool chinese);
  // The frame around the client area; none until the platform frames the window.
  virtual QMargins FrameMargins() const;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* sheet_;
  int wheelAccumulator_ = 0;
  QSize pendingOuter_;  // applied again at the next showing
};
