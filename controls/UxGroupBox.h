// TUxCustomGroupBox / TUxGroupBox: a panel with a caption drawn by GroupStyle.
//
// gsCustom paints exactly as the panel does (the windows use it with
// Transparent; a caption there is the panel's, drawn at the top left). The
// other styles fill the box with Color unless Transparent, then draw, with the
// flat colour c (FlatColor adjusted by FlatColorAdjustment):
//   - gsStandard: a frame by BorderOuter (fsNone: etched) from half the
//     caption height down, the caption cut into it 8 pixels from the left;
//   - gsFlat: that frame as an outline in c with cut corners;
//   - gsTopLine: only its top side, beside the caption;
//   - gsBanner: a bar BannerHeight high (0: the caption's height + 6) with a
//     gradient and a frame, the caption on it;
//   - gsUnderline: the caption underlined in c.
// The caption is drawn in CaptionFont, which follows the font until it is set
// on its own; grey when disabled. The client rectangle leaves room for the
// caption by GroupStyle. Alt with the caption's "&x" accelerator focuses the
// box's first child in tab order.
#pragma once

#include <QFont>

#include "controls/UxPanel.h"

enum TUxGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TUxCustomGroupBox : public TUxCustomPanel {
  Q_OBJECT
 public:
  explicit TUxCustomGroupBox(QWidget* parent = nullptr);

  TUxGroupBoxStyle GroupStyle() const { return FGroupStyle; }
  void SetGroupStyle(TUxGroupBoxStyle v);
  // 0: derived from the caption's height.
  int BannerHeight() const { return FBannerHeight; }
  void SetBannerHeight(int v);
  QFont CaptionFont() const { return FCaptionFont; }
  void SetCaptionFont(const QFont& v);
  QColor CaptionFontColor() const { return FCaptionFontColor; }
  void SetCaptionFontColor(const QColor& v);
  // Whether the caption font was set on its own and no longer follows the font.
  bool CaptionFontChanged() const { return FCaptionFontChanged; }

  void SetCaption(const QString& v) override;
  void SetFontColor(const QColor& v) override;
  QRect ClientRect() const override;
  // Only while GroupStyle is gsCustom.
  void UpdateFromFrameController() override;

 protected:
  void Paint(QPainter& p) override;
  void changeEvent(QEvent*) override;
  bool event(QEvent*) override;

 private:
  void UpdateAccelerator();

  TUxGroupBoxStyle FGroupStyle = gsFlat;
  int FBannerHeight = 0;
  QFont FCaptionFont;
  QColor FCaptionFontColor;
  bool FCaptionFontChanged = false;
  int FAccelerator = 0;
};

class TUxGroupBox : public TUxCustomGroupBox {
  Q_OBJECT
 public:
  explicit TUxGroupBox(QWidget* parent = nullptr) : TUxCustomGroupBox(parent) {}
};
