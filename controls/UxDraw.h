// Drawing helpers shared by the panel, button and instrument controls:
// bevels, flat frames, button faces, drop-down arrows, colour shading and the
// common Tag store. Colours are QColor; an invalid QColor stands for "no colour"
// (the part it colours is not painted).
#pragma once

#include "platform/Form.h"

#include <QColor>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QVariant>

namespace uxdraw {

// The Tag every control carries is the platform's common one (the QObject
// property "Tag"), so a shared handler can read it from its Sender.
inline int ControlTag(const QObject* o) { return platform::Tag(o); }
inline void SetControlTag(QObject* o, int v) { platform::SetTag(o, v); }

inline bool IsNone(const QColor& c) { return !c.isValid(); }

// Mixes c toward white (amount > 0) or black (amount < 0) by |amount|/255.
QColor Shade(const QColor& c, int amount);
// Each channel divided by `by` (an unlit LED is its lit colour scaled by 3).
QColor ScaleColor(const QColor& c, int by);

enum class TBevel { Raised, Lowered };

// Two-tone frame of `width` pixels just inside r.
void DrawBevel(QPainter& p, const QRect& r, TBevel bevel, int width = 1,
               const QColor& light = QColor(255, 255, 255), const QColor& dark = QColor(128, 128, 128));

// A classic push-button face in `face`: gradient body, light top-left edge,
// dark bottom-right edge; sunken when pressed, lighter when hot.
void DrawButtonFace(QPainter& p, const QRect& r, const QColor& face, bool sunken, bool hot, bool enabled);

// Small filled triangle pointing down, centred in r.
void DrawDropDownArrow(QPainter& p, const QRect& r, const QColor& color);

// Caption drawn centred in r; disabled text is embossed (white offset, grey on top).
void DrawTextCentered(QPainter& p, const QRect& r, const QString& text, const QColor& color, bool enabled,
                      int flags = Qt::AlignCenter);

}  // namespace uxdraw
