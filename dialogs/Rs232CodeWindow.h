// The protocol documentation window, in its two editions (English and
// Chinese): one long white page with the document text in RTFLabel and the 31
// table pictures ExImage1..ExImage31 placed over it down the page, inside a
// scrolling area. Each edition places its pictures at its own positions.
#pragma once

#include <QLabel>
#include <QScrollArea>

#include <array>

#include "platform/Form.h"

class TRs232CodeWindow : public platform::Form {
 public:
  void FormShow() override;

  QScrollArea* Page;
  QLabel* RTFLabel;
  std::array<QLabel*, 31> ExImage{};

 protected:
  explicit TRs232CodeWindow(bool chinese);
  // The scrolling page fills the window.
  void resizeEvent(QResizeEvent* event) override;
};
