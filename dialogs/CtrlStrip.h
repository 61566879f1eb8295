// One volume-control block of the sub and group control windows: a heading,
// the channel selection buttons (each its own toggle group), the volume fader
// with its value box and label, and the mute toggle. Names are composed by
// the caller.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include "platform/Form.h"

struct CtrlStripNames {
  QString selectLabel;       // label over the selection buttons
  QStringList buttons;       // the eight selection buttons
  QStringList captions;      // their captions
  QString fader, box, volumeLabel, mute;
  int tag = 0;
};

// Builds the block inside parent at the given offset (block 196 x 236).
void BuildCtrlStrip(platform::Form& form, QWidget* parent, const QPoint& origin, const CtrlStripNames& names);
