// TUxCustomGroupBox / TUxGroupBox: a container with a caption drawn by
// GroupStyle. gsCustom paints as the panel does (the forms use it with
// Transparent); the other styles draw a framed box with the caption at the top
// left: gsStandard an etched frame, gsFlat a flat frame, gsTopLine only a line
// beside the caption, gsBanner a filled caption bar, gsUnderline the caption
// underlined.
#pragma once

#include "controls/UxPanel.h"

enum TUxGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TUxCustomGroupBox : public TUxCustomPanel {
  Q_OBJECT
 public:
  explicit TUxCustomGroupBox(QWidget* parent = nullptr);

  TUxGroupBoxStyle GroupStyle() const { return FGroupStyle; }
  void SetGroupStyle(TUxGroupBoxStyle v);

 protected:
  void Paint(QPainter& p) override;

 private:
  TUxGroupBoxStyle FGroupStyle = gsFlat;
};

class TUxGroupBox : public TUxCustomGroupBox {
  Q_OBJECT
 public:
  explicit TUxGroupBox(QWidget* parent = nullptr) : TUxCustomGroupBox(parent) {}
};
